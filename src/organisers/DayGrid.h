#pragma once
#include <QTableView>

class PlannerMonthModel;

// One month of the year planner on screen: it shows a PlannerMonthModel, a
// day label and an entry per row, entries edited in place. Its entries are
// written back on every keystroke, so the planner always holds what is on
// screen, and any command can end an edit cleanly.
class DayGrid : public QTableView {
    Q_OBJECT
public:
    // keyWatcher sees the keys typed into the grid and its entries' editors.
    DayGrid(PlannerMonthModel* month, QObject* keyWatcher, QWidget* parent = nullptr);

    // Commits and closes an open editor; nothing when none is open.
    void endEdit();
};
