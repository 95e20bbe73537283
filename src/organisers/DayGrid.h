#pragma once
#include <QTableWidget>

// One month of the year planner on screen: a day label and an entry per row.
// Its entries are written back on every keystroke, so the table always holds
// what is on screen, and any command can end an edit cleanly.
class DayGrid : public QTableWidget {
    Q_OBJECT
public:
    enum Column { DayLabelColumn = 0, EntryColumn = 1 };

    // keyWatcher sees the keys typed into an entry's editor.
    DayGrid(int days, QObject* keyWatcher, QWidget* parent = nullptr);

    // Commits and closes an open editor; nothing when none is open.
    void endEdit();
};
