#include "organisers/TimingTableModel.h"

#include "common/Colours.h"

using namespace timing;

TimingTableModel::TimingTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int TimingTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : list_.rowCount();
}

int TimingTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TimingTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return list_.cell(index.column(), index.row() + 1);
    if (role == Qt::BackgroundRole && index.column() == Number)
        return colours::MenuGrey;
    return {};
}

QVariant TimingTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return headerTexts()[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags TimingTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == Label)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    return Qt::ItemIsEnabled;
}

bool TimingTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid) || index.column() != Label)
        return false;
    const int row = index.row() + 1;
    const QString before = list_.cell(Label, row);
    list_.setLabel(row, value.toString());
    // What will be saved is shown, a pasted line break as the space it became.
    emit dataChanged(index, index);
    if (list_.cell(Label, row) != before)
        emit labelEdited(row);
    return true;
}

void TimingTableModel::setList(TimingList list)
{
    beginResetModel();
    list_ = std::move(list);
    endResetModel();
}

void TimingTableModel::clear() { setList(TimingList()); }

void TimingTableModel::beginTiming(const QTime& now)
{
    list_.beginTiming(now);
    cellChanged(StartTime, list_.lastRow());
}

void TimingTableModel::showElapsed(const Elapsed& elapsed)
{
    for (int column : list_.showElapsed(elapsed))
        cellChanged(column, list_.lastRow());
}

void TimingTableModel::endTiming(const QTime& now, const Elapsed& elapsed)
{
    const int timed = list_.lastRow();
    beginInsertRows(QModelIndex(), timed, timed);
    list_.endTiming(now, elapsed);
    endInsertRows();
    emit dataChanged(index(timed - 1, StartTime), index(timed - 1, EndTime));
}

void TimingTableModel::deleteRow(int row)
{
    if (row < 1 || row > list_.lastRow())
        return;
    if (row == list_.lastRow()) {
        // The row for the next timing is emptied, not removed.
        list_.deleteRow(row);
        emit dataChanged(index(row - 1, 0), index(row - 1, ColumnCount - 1));
        return;
    }
    // The numbers stay where they are: the texts below move up a row and
    // the last number goes.
    const int last = list_.lastRow();
    beginRemoveRows(QModelIndex(), last - 1, last - 1);
    list_.deleteRow(row);
    endRemoveRows();
    emit dataChanged(index(row - 1, Label), index(list_.lastRow() - 1, EndTime));
}

void TimingTableModel::cellChanged(int column, int row)
{
    const QModelIndex at = index(row - 1, column);
    emit dataChanged(at, at);
}
