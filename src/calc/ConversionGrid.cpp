#include "calc/ConversionGrid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

ConversionGrid::ConversionGrid(int rows, QWidget* parent) : QTableWidget(rows - 1, ColumnCount, parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The top row moves only when the window says so.
    setAutoScroll(false);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < ColumnCount; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem);
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            // Numbers are right-aligned texts; wider ones lose leading blanks, not digits.
            item->setTextAlignment(Qt::AlignVCenter | (c == NumberColumn ? Qt::AlignRight : Qt::AlignLeft));
            setItem(r, c, item);
        }
}

QString ConversionGrid::cellText(int row, int column) const
{
    if (column < 0 || column >= ColumnCount || row < 0 || row > rowCount())
        return QString();
    const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    return cell ? cell->text() : QString();
}

void ConversionGrid::setCellText(int row, int column, const QString& text)
{
    if (column < 0 || column >= ColumnCount || row < 0 || row > rowCount())
        return;
    QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(column) : item(row - 1, column);
    if (cell->text() != text)
        cell->setText(text);
}

int ConversionGrid::selectedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : -1;
}

int ConversionGrid::selectedColumn() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : -1;
}

bool ConversionGrid::allowed(int row, int column) const { return !canSelect || canSelect(column, row); }

bool ConversionGrid::selectCell(int row, int column)
{
    if (row < 1 || row > rowCount() || column < 0 || column >= ColumnCount || !allowed(row, column))
        return false;
    setCurrentCell(row - 1, column, QItemSelectionModel::ClearAndSelect);
    return true;
}

void ConversionGrid::setTopRow(int row)
{
    row = std::clamp(row, 1, rowCount());
    if (row == topRow_)
        return;
    topRow_ = row;
    // Rows above the top row are out of sight, the rest follow the heading;
    // unlike scrolling, the last rows may end above the bottom of the grid.
    for (int r = 0; r < rowCount(); ++r)
        setRowHidden(r, r + 1 < topRow_);
    emit topRowChanged();
}

void ConversionGrid::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    pressed_ = event->button() == Qt::LeftButton;
    if (!pressed_)
        return;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        selectCell(index.row() + 1, index.column());
}

void ConversionGrid::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void ConversionGrid::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click = pressed_ && event->button() == Qt::LeftButton;
    pressed_ = false;
    if (click)
        emit gridClicked();
}

void ConversionGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit gridDoubleClicked();
}

void ConversionGrid::wheelEvent(QWheelEvent* event)
{
    event->accept();
    const int dy = event->angleDelta().y();
    if (dy != 0)
        emit wheelTurned(dy < 0 ? 1 : -1);
}

QModelIndex ConversionGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (!next.isValid() || !allowed(next.row() + 1, next.column()))
        return current;
    return next;
}
