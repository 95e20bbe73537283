#include "calc/OvenChartModel.h"

#include "calc/UnitTables.h"

int OvenChartModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(units::ovenChart().size());
}

int OvenChartModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant OvenChartModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(index.column() == TemperatureColumn ? Qt::AlignLeft | Qt::AlignVCenter
                                                                        : Qt::Alignment(Qt::AlignCenter));
    if (role != Qt::DisplayRole)
        return QVariant();
    const units::OvenRow& row = units::ovenChart()[std::size_t(index.row())];
    switch (index.column()) {
    case TemperatureColumn:
        return row.temperature;
    case GasMarkColumn:
        return row.gasMark;
    case CelsiusColumn:
        return row.celsius;
    default:
        return row.fahrenheit;
    }
}

QVariant OvenChartModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return units::ovenHeadings()[std::size_t(section)];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags OvenChartModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}
