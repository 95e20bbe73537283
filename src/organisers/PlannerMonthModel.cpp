#include "organisers/PlannerMonthModel.h"

#include "common/AccessibleValue.h"
#include "organisers/YearPlanner.h"

#include <QColor>

namespace {
const QColor Silver(192, 192, 192);
} // namespace

PlannerMonthModel::PlannerMonthModel(planner::YearPlanner& planner, int month, QObject* parent)
    : QAbstractTableModel(parent), planner_(planner), month_(month)
{
}

int PlannerMonthModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : planner::daysInMonth(month_);
}

int PlannerMonthModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant PlannerMonthModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int day = index.row() + 1;
    if (index.column() == EntryColumn) {
        // A reader hears the day with its entry, not the entry alone.
        if (role == Qt::AccessibleTextRole)
            return accessible::valueName(planner::dayLabel(day).trimmed(), planner_.entry(month_, day));
        return role == Qt::DisplayRole || role == Qt::EditRole ? QVariant(planner_.entry(month_, day)) : QVariant();
    }
    switch (role) {
    case Qt::DisplayRole: return planner::dayLabel(day);
    case Qt::BackgroundRole: return Silver;
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default: return {};
    }
}

QVariant PlannerMonthModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) {
        if (section == DayLabelColumn)
            return DateHeader;
        if (section == EntryColumn)
            return DetailsHeader;
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags PlannerMonthModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == EntryColumn)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    return Qt::ItemIsEnabled;
}

bool PlannerMonthModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)
        || index.column() != EntryColumn)
        return false;
    const int day = index.row() + 1;
    const QString before = planner_.entry(month_, day);
    // A pasted line break would not survive the file; what will is shown.
    planner_.setEntry(month_, day, value.toString());
    emit dataChanged(index, index);
    if (planner_.entry(month_, day) != before)
        emit entryEdited(day);
    return true;
}

void PlannerMonthModel::entriesReplaced()
{
    emit dataChanged(index(0, EntryColumn), index(rowCount() - 1, EntryColumn));
}
