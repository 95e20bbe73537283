#pragma once
#include "calc/UnitTables.h"

#include <QAbstractTableModel>

#include <vector>

// One category's conversion table as a table model: the unit labels and
// abbreviations come from the unit table, the number column from the last
// conversion shown. The table's heading row is the model's column headings;
// model row r is table row r + 1. Only the number column is there to be
// picked, so only its cells are selectable.
class UnitTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { UnitColumn, NumberColumn, AbbreviationColumn, ColumnCount };

    explicit UnitTableModel(units::Category category, QObject* parent = nullptr);

    // The number cells of a conversion, indexed by table row as
    // units::TableConversion gives them (entry 0 stands for the heading row).
    void showNumbers(const std::vector<QString>& numbers);
    // Every number cell empty, as a freshly reset table.
    void clearNumbers();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const units::UnitTable& table() const { return units::table(category_); }
    // Tells the views the span of number cells that changed, if any did.
    void replaceNumbers(std::vector<QString> numbers);

    units::Category category_;
    // numbers_[r] is the number cell of model row r.
    std::vector<QString> numbers_;
};
