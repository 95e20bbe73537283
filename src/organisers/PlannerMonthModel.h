#pragma once
#include <QAbstractTableModel>

namespace planner {
class YearPlanner;
}

// One month of the year planner as a table for its grid: a row per day,
// the day's label and its entry; the header is "Date" and "Details". The
// entries live in the planner, which the window owns; edits go straight
// into it.
class PlannerMonthModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { DayLabelColumn = 0, EntryColumn = 1 };
    static inline const QString DateHeader = QStringLiteral("Date");
    static inline const QString DetailsHeader = QStringLiteral("Details");

    PlannerMonthModel(planner::YearPlanner& planner, int month, QObject* parent = nullptr);

    int month() const { return month_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The labels are fixed; only the entries can be selected and edited.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The planner was replaced or cleared behind the table: show it again.
    void entriesReplaced();

signals:
    // The user changed the entry of a day of this month.
    void entryEdited(int day);

private:
    planner::YearPlanner& planner_;
    int month_;
};
