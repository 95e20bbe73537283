#include "organisers/TimingTableModel.h"

#include "ModelTester.h"
#include "common/Colours.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace timing;

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

QString text(const TimingTableModel& model, int column, int row)
{
    return model.index(row - 1, column).data().toString();
}

// The cells a dataChanged signal covered, as "column,row" of the list.
QStringList changedCells(const QSignalSpy& spy)
{
    QStringList cells;
    for (const QList<QVariant>& signal : spy) {
        const auto from = signal.at(0).toModelIndex();
        const auto to = signal.at(1).toModelIndex();
        for (int r = from.row(); r <= to.row(); ++r)
            for (int c = from.column(); c <= to.column(); ++c)
                cells.append(QStringLiteral("%1,%2").arg(c).arg(r + 1));
    }
    return cells;
}

void timeOne(TimingTableModel& model, const QString& label, int seconds)
{
    model.setData(model.index(model.rowCount() - 1, Label), label);
    model.beginTiming(QTime(10, 0));
    model.endTiming(QTime(10, 0, seconds), splitElapsed(seconds * 1000));
}

} // namespace

TEST(TimingTableModel, ShowsTheListWithItsHeadersAndOnlyTheLabelEditable)
{
    TimingTableModel model;
    ModelTester tester(&model);
    ASSERT_EQ(model.rowCount(), 1);
    ASSERT_EQ(model.columnCount(), 8);
    EXPECT_EQ(text(model, Number, 1), "    001");
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), "  Start Time");
    EXPECT_EQ(model.headerData(7, Qt::Horizontal).toString(), "   End Time");
    EXPECT_EQ(model.index(0, Number).data(Qt::BackgroundRole).value<QColor>(), colours::MenuGrey);
    EXPECT_FALSE(model.index(0, Label).data(Qt::BackgroundRole).isValid());
    for (int c = 0; c < ColumnCount; ++c) {
        const Qt::ItemFlags flags = model.flags(model.index(0, c));
        EXPECT_EQ(bool(flags & Qt::ItemIsEditable), c == Label) << c;
        EXPECT_EQ(bool(flags & Qt::ItemIsSelectable), c == Label) << c;
    }
    EXPECT_FALSE(model.setData(model.index(0, StartTime), "12:00:00:00"));
    EXPECT_EQ(text(model, StartTime, 1), "");
    EXPECT_TRUE(tester.problems.isEmpty()) << tester.problems.join('\n').toStdString();
}

TEST(TimingTableModel, AnEditedLabelIsCleanedAndToldOnlyWhenItChanged)
{
    TimingTableModel model;
    QSignalSpy edited(&model, &TimingTableModel::labelEdited);
    ASSERT_TRUE(model.setData(model.index(0, Label), "two\r\nlines"));
    EXPECT_EQ(text(model, Label, 1), "two lines");
    EXPECT_EQ(model.list().cell(Label, 1), "two lines");
    ASSERT_EQ(edited.size(), 1);
    EXPECT_EQ(edited[0][0].toInt(), 1);
    // The same text again, line break and all, is no edit.
    model.setData(model.index(0, Label), "two\nlines");
    EXPECT_EQ(edited.size(), 1);
}

TEST(TimingTableModel, ATimingRedrawsOnlyTheCellsThatChange)
{
    TimingTableModel model;
    ModelTester tester(&model);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    model.beginTiming(QTime(10, 15, 2, 370));
    EXPECT_EQ(changedCells(changed), QStringList{"2,1"});
    changed.clear();
    model.showElapsed(splitElapsed(1000));
    EXPECT_EQ(changedCells(changed), QStringList({"3,1", "4,1", "5,1", "6,1"}));
    changed.clear();
    model.showElapsed(splitElapsed(1005)); // the same hundredth: nothing
    EXPECT_TRUE(changed.isEmpty());
    model.showElapsed(splitElapsed(1010));
    EXPECT_EQ(changedCells(changed), QStringList{"6,1"});
    changed.clear();

    model.endTiming(QTime(10, 15, 3, 380), splitElapsed(1010));
    ASSERT_EQ(inserted.size(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 1); // a row appended after the timed one
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_TRUE(changedCells(changed).contains("7,1"));
    EXPECT_EQ(text(model, EndTime, 1), "10:15:03:38");
    EXPECT_EQ(text(model, Number, 2), "    002");
    EXPECT_TRUE(tester.problems.isEmpty()) << tester.problems.join('\n').toStdString();
}

TEST(TimingTableModel, DeletingMovesRowsUpUnderNumbersThatStay)
{
    TimingTableModel model;
    ModelTester tester(&model);
    timeOne(model, "one", 1);
    timeOne(model, "two", 2);
    timeOne(model, "three", 3);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    model.deleteRow(2);
    ASSERT_EQ(removed.size(), 1);
    EXPECT_EQ(removed[0][1].toInt(), 3); // the last number goes
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(text(model, Label, 2), "three");
    EXPECT_EQ(text(model, Seconds, 2), "   03");
    EXPECT_EQ(text(model, Number, 2), "    002");
    EXPECT_EQ(text(model, Number, 3), "    003");
    // The texts that moved up are shown where they are now.
    EXPECT_TRUE(changedCells(changed).contains("1,2"));
    EXPECT_TRUE(changedCells(changed).contains("7,2"));
    EXPECT_TRUE(changedCells(changed).contains("1,3"));

    // The row for the next timing is emptied, not removed.
    model.setData(model.index(2, Label), "typed ahead");
    changed.clear();
    model.deleteRow(3);
    EXPECT_EQ(removed.size(), 1);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(text(model, Label, 3), "");
    EXPECT_TRUE(changedCells(changed).contains("1,3"));

    model.deleteRow(0); // no such row
    model.deleteRow(4);
    EXPECT_EQ(model.rowCount(), 3);

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.clear();
    EXPECT_EQ(reset.size(), 1);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_TRUE(model.list().isEmpty());
    EXPECT_TRUE(tester.problems.isEmpty()) << tester.problems.join('\n').toStdString();
}
