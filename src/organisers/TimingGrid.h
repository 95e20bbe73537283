#pragma once
#include <QTableWidget>

// The Stopwatch's timing list on screen. Only the label column can be
// selected, by mouse or by keys; the other columns are the watch's own.
class TimingGrid : public QTableWidget {
    Q_OBJECT
public:
    explicit TimingGrid(QWidget* parent = nullptr);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
