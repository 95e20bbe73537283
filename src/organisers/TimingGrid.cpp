#include "organisers/TimingGrid.h"

#include "organisers/TimingTableModel.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace {
constexpr int RowHeight = 17;
constexpr int FrameAndScrollBar = 2 + 18;
} // namespace

TimingGrid::TimingGrid(TimingTableModel* timings, QWidget* parent) : QTableView(parent)
{
    QFont gridFont(QStringLiteral("Times New Roman"));
    gridFont.setPixelSize(13);
    gridFont.setBold(true);
    setFont(gridFont);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setFixedHeight(RowHeight);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setAccessibleName(QStringLiteral("Timings"));
    // The model comes after the look, so the header's labels take the
    // grid's font too.
    setModel(timings);
    for (int c = 0; c < timing::ColumnCount; ++c)
        setColumnWidth(c, timing::columnWidths()[c]);
}

int TimingGrid::fullWidth()
{
    int width = FrameAndScrollBar;
    for (int column : timing::columnWidths())
        width += column;
    return width;
}

QModelIndex TimingGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex to = QTableView::moveCursor(action, modifiers);
    return to.isValid() ? model()->index(to.row(), timing::Label) : to;
}

void TimingGrid::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex at = indexAt(event->position().toPoint());
    if (at.isValid() && at.column() != timing::Label) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void TimingGrid::mouseMoveEvent(QMouseEvent* event)
{
    // Dragging would carry the current cell into other columns.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}
