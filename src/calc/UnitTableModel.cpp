#include "calc/UnitTableModel.h"

#include "common/AccessibleValue.h"

UnitTableModel::UnitTableModel(units::Category category, QObject* parent)
    : QAbstractTableModel(parent), category_(category), numbers_(std::size_t(table().rowCount() - 1))
{
}

void UnitTableModel::showNumbers(const std::vector<QString>& numbers)
{
    // A conversion has one entry per table row, the heading row first.
    std::vector<QString> cells(numbers_.size());
    for (std::size_t r = 0; r < cells.size() && r + 1 < numbers.size(); ++r)
        cells[r] = numbers[r + 1];
    replaceNumbers(std::move(cells));
}

void UnitTableModel::clearNumbers() { replaceNumbers(std::vector<QString>(numbers_.size())); }

void UnitTableModel::replaceNumbers(std::vector<QString> numbers)
{
    int first = -1;
    int last = -1;
    for (int r = 0; r < int(numbers.size()); ++r)
        if (numbers[std::size_t(r)] != numbers_[std::size_t(r)]) {
            if (first < 0)
                first = r;
            last = r;
        }
    numbers_ = std::move(numbers);
    if (first >= 0)
        emit dataChanged(index(first, NumberColumn), index(last, NumberColumn), {Qt::DisplayRole});
}

int UnitTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(numbers_.size());
}

int UnitTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant UnitTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        // Numbers are right-aligned texts; wider ones lose leading blanks, not digits.
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (index.column() == NumberColumn ? Qt::AlignRight : Qt::AlignLeft));
    const units::TableRow& row = table().rows[std::size_t(index.row() + 1)];
    if (role == Qt::AccessibleTextRole && index.column() == NumberColumn) {
        // A number alone means little to a reader moving through the table:
        // it hears the unit and its abbreviation with it.
        const QString number = numbers_[std::size_t(index.row())].trimmed();
        return number.isEmpty() ? QString()
                                : accessible::valueName(row.label.trimmed(),
                                                        (number + QLatin1Char(' ') + row.abbreviation.trimmed()).trimmed());
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case UnitColumn:
        return row.label;
    case NumberColumn:
        return numbers_[std::size_t(index.row())];
    default:
        return row.abbreviation;
    }
}

QVariant UnitTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case UnitColumn:
        return table().unitHeading;
    case NumberColumn:
        return table().numberHeading;
    case AbbreviationColumn:
        return table().abbreviationHeading;
    default:
        return QVariant();
    }
}

Qt::ItemFlags UnitTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Only numbers are there to be picked and copied, heading rows included.
    return index.column() == NumberColumn ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}
