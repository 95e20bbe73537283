#include "organisers/PlannerMonthModel.h"

#include "ModelTester.h"
#include "organisers/YearPlanner.h"

#include <QColor>
#include <QSignalSpy>
#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {
using Column = PlannerMonthModel::Column;

QString text(const PlannerMonthModel& model, int day, int column = PlannerMonthModel::EntryColumn)
{
    return model.index(day - 1, column).data().toString();
}
} // namespace

TEST(PlannerMonthModel, ADayPerRowWithItsLabelAndEntry)
{
    planner::YearPlanner year;
    year.setEntry(2, 29, "Leap day");
    PlannerMonthModel february(year, 2);
    ModelTester tester(&february);
    ASSERT_EQ(february.rowCount(), 29);
    ASSERT_EQ(february.columnCount(), 2);
    EXPECT_EQ(february.headerData(0, Qt::Horizontal).toString(), "Date");
    EXPECT_EQ(february.headerData(1, Qt::Horizontal).toString(), "Details");
    EXPECT_EQ(text(february, 1, Column::DayLabelColumn), " 1st");
    EXPECT_EQ(text(february, 22, Column::DayLabelColumn), "22nd");
    EXPECT_EQ(text(february, 29), "Leap day");
    EXPECT_EQ(text(february, 28), "");

    const QModelIndex label = february.index(0, Column::DayLabelColumn);
    EXPECT_EQ(label.data(Qt::BackgroundRole).value<QColor>(), QColor(192, 192, 192));
    EXPECT_EQ(label.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_FALSE(february.flags(label) & (Qt::ItemIsEditable | Qt::ItemIsSelectable));
    EXPECT_TRUE(february.flags(february.index(0, Column::EntryColumn)) & Qt::ItemIsEditable);
    EXPECT_FALSE(february.setData(label, "changed"));
    EXPECT_EQ(text(february, 1, Column::DayLabelColumn), " 1st");

    EXPECT_EQ(PlannerMonthModel(year, 1).rowCount(), 31);
    EXPECT_EQ(PlannerMonthModel(year, 4).rowCount(), 30);
    EXPECT_TRUE(tester.problems.isEmpty()) << tester.problems.join('\n').toStdString();
}

TEST(PlannerMonthModel, EditsGoIntoThePlannerAsOneLineAndAreToldOnce)
{
    planner::YearPlanner year;
    PlannerMonthModel march(year, 3);
    ModelTester tester(&march);
    QSignalSpy edited(&march, &PlannerMonthModel::entryEdited);
    QSignalSpy changed(&march, &QAbstractItemModel::dataChanged);

    ASSERT_TRUE(march.setData(march.index(0, Column::EntryColumn), "Spring\r\nbegins"));
    EXPECT_EQ(year.entry(3, 1), "Spring begins");
    EXPECT_EQ(text(march, 1), "Spring begins");
    EXPECT_EQ(year.entry(2, 29), ""); // the neighbouring day in the file is untouched
    ASSERT_EQ(edited.size(), 1);
    EXPECT_EQ(edited[0][0].toInt(), 1);
    EXPECT_EQ(changed.size(), 1);
    march.setData(march.index(0, Column::EntryColumn), "Spring\nbegins");
    EXPECT_EQ(edited.size(), 1); // the same entry again is no edit

    // The planner replaced behind the table: the entries are shown again.
    year.clear();
    changed.clear();
    march.entriesReplaced();
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), march.index(0, Column::EntryColumn));
    EXPECT_EQ(changed[0][1].toModelIndex(), march.index(30, Column::EntryColumn));
    EXPECT_EQ(text(march, 1), "");
    EXPECT_TRUE(tester.problems.isEmpty()) << tester.problems.join('\n').toStdString();
}
