#include "organisers/DayGrid.h"

#include "organisers/LiveEntryDelegate.h"

DayGrid::DayGrid(int days, QObject* keyWatcher, QWidget* parent) : QTableWidget(days, 2, parent)
{
    setItemDelegateForColumn(EntryColumn, new LiveEntryDelegate(keyWatcher, this));
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
