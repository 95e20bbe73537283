#pragma once
#include "organisers/TimingList.h"

#include <QAbstractTableModel>

// The timing list as a table for the Stopwatch's grid: the list's rows 1
// and below are the table's rows 0 and below, the column headers are the
// list's. Every change to the list goes through here, so the grid is told
// exactly which cells changed and redraws only those.
class TimingTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TimingTableModel(QObject* parent = nullptr);

    const timing::TimingList& list() const { return list_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Only the label can be selected and edited; the rest is the watch's own.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The list's own operations (rows numbered from 1, as in the list).
    void setList(timing::TimingList list);
    void clear();
    void beginTiming(const QTime& now);
    void showElapsed(const timing::Elapsed& elapsed);
    void endTiming(const QTime& now, const timing::Elapsed& elapsed);
    void deleteRow(int row);

signals:
    // The user changed the label of a row.
    void labelEdited(int row);

private:
    void cellChanged(int column, int row);

    timing::TimingList list_;
};
