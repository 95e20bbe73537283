#pragma once
#include <QTableView>

class TimingTableModel;

// The Stopwatch's timing list on screen: it shows a TimingTableModel in
// fixed-width columns with a row height of its own. Only the label column
// can be selected, by mouse or by keys; the other columns are the watch's.
class TimingGrid : public QTableView {
    Q_OBJECT
public:
    explicit TimingGrid(TimingTableModel* timings, QWidget* parent = nullptr);

    // The columns' widths, their total and room for the scroll bar.
    static int fullWidth();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
