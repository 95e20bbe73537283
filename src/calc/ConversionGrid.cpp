#include "calc/ConversionGrid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

ConversionGrid::ConversionGrid(QAbstractItemModel* model, QWidget* parent) : QTableView(parent)
{
    setModel(model);
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
}

int ConversionGrid::modelRows() const { return model() ? model()->rowCount() : 0; }

int ConversionGrid::gridRowCount() const { return modelRows() + 1; }

QString ConversionGrid::cellText(int row, int column) const
{
    if (!model() || column < 0 || column >= model()->columnCount() || row < 0 || row > modelRows())
        return QString();
    return row == 0 ? model()->headerData(column, Qt::Horizontal).toString()
                    : model()->index(row - 1, column).data().toString();
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

bool ConversionGrid::selectable(const QModelIndex& index) const
{
    return index.isValid() && (index.flags() & Qt::ItemIsSelectable);
}

bool ConversionGrid::selectCell(int row, int column)
{
    const QModelIndex index = model() ? model()->index(row - 1, column) : QModelIndex();
    if (!selectable(index))
        return false;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    return true;
}

void ConversionGrid::setTopRow(int row)
{
    row = std::clamp(row, 1, std::max(1, modelRows()));
    if (row == topRow_)
        return;
    topRow_ = row;
    // Rows above the top row are out of sight, the rest follow the heading;
    // unlike scrolling, the last rows may end above the bottom of the grid.
    for (int r = 0; r < modelRows(); ++r)
        setRowHidden(r, r + 1 < topRow_);
    emit topRowChanged();
}

void ConversionGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (current.row() != previous.row())
        emit selectedRowChanged(current.isValid() ? current.row() + 1 : -1);
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
    const QModelIndex next = QTableView::moveCursor(action, modifiers);
    return selectable(next) ? next : current;
}
