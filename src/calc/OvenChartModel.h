#pragma once
#include <QAbstractTableModel>

// The fixed oven temperature chart as a table model: four columns
// (temperature, gas mark, degrees Celsius, degrees Fahrenheit) under their
// headings. Nothing in it can be selected; it is there to be read.
class OvenChartModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TemperatureColumn, GasMarkColumn, CelsiusColumn, FahrenheitColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
};
