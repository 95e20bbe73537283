#include "organisers/DayGrid.h"

#include "organisers/LiveEntryDelegate.h"
#include "organisers/PlannerMonthModel.h"

#include <QHeaderView>

namespace {
constexpr int LabelWidth = 30;
constexpr int EntryWidth = 396;
constexpr int RowHeight = 18;
} // namespace

DayGrid::DayGrid(PlannerMonthModel* month, QObject* keyWatcher, QWidget* parent) : QTableView(parent)
{
    setModel(month);
    setItemDelegateForColumn(PlannerMonthModel::EntryColumn, new LiveEntryDelegate(keyWatcher, this));
    installEventFilter(keyWatcher);

    QFont gridFont(QStringLiteral("Times New Roman"));
    gridFont.setPixelSize(13);
    gridFont.setBold(true);
    setFont(gridFont);
    setStyleSheet(QStringLiteral(
        "QTableView { background: white; gridline-color: #808080; }"
        "QTableView::item { padding: 0px 1px; }"
        // The header labels take the grid's face too: in the desktop's font
        // "Date" would not fit its 30-pixel column.
        "QHeaderView::section { background: silver; color: black; padding: 0px 1px;"
        " font-family: \"Times New Roman\"; font-size: 13px; font-weight: bold;"
        " border: 0px; border-right: 1px solid #808080; border-bottom: 1px solid #808080; }"));
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked
                    | QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The labels fill their narrow column; never shorten them to "1…".
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(RowHeight);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setFont(gridFont);
    horizontalHeader()->setFixedHeight(RowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColumnWidth(PlannerMonthModel::DayLabelColumn, LabelWidth);
    setColumnWidth(PlannerMonthModel::EntryColumn, EntryWidth);
}

void DayGrid::endEdit()
{
    if (state() != EditingState)
        return;
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}
