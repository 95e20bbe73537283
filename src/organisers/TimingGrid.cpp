#include "organisers/TimingGrid.h"

#include "organisers/TimingList.h"

#include <QMouseEvent>

TimingGrid::TimingGrid(QWidget* parent) : QTableWidget(parent) {}

QModelIndex TimingGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex to = QTableWidget::moveCursor(action, modifiers);
    return to.isValid() ? model()->index(to.row(), timing::Label) : to;
}

void TimingGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex at = indexAt(event->position().toPoint());
    if (at.isValid() && at.column() != timing::Label) {
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void TimingGrid::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging would carry the current cell into other columns.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTableWidget::mouseMoveEvent(event);
}
