#include "organisers/YearPlanner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace planner;

namespace {

QByteArray lines(int count, const char* each = "")
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QByteArray(each) + QByteArray::number(i + 1) + "\r\n";
    return bytes;
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(YearPlannerCalendar, PositionsAndLabels)
{
    EXPECT_EQ(dayIndex(12, 31) + 1, 366);
    EXPECT_EQ(dayIndex(2, 29), 59); // line 60 of the file
    EXPECT_EQ(dayIndex(3, 1), 60);  // line 61
    EXPECT_EQ(dayIndex(2, 30), -1);
    EXPECT_EQ(dayIndex(4, 31), -1);
    EXPECT_EQ(dayIndex(13, 1), -1);
    const std::pair<int, const char*> labels[] = {{1, " 1st"},  {2, " 2nd"},  {3, " 3rd"},  {9, " 9th"},
                                                  {10, "10th"}, {11, "11th"}, {13, "13th"}, {21, "21st"},
                                                  {22, "22nd"}, {23, "23rd"}, {31, "31st"}, {32, ""}};
    for (const auto& [day, label] : labels)
        EXPECT_EQ(dayLabel(day), QString::fromLatin1(label)) << day;
}

TEST(YearPlannerFile, NewYearIs366EmptyLinesAndLeapDayIsLine60)
{
    YearPlanner p;
    EXPECT_EQ(p.toFileBytes(), QByteArray(366 * 2, '\n').replace("\n\n", "\r\n"));
    EXPECT_EQ(YearPlanner::fromFileBytes(p.toFileBytes()), p);

    p.setEntry(2, 29, "Leap day");
    p.setEntry(3, 1, "March 1");
    p.setEntry(12, 31, "Hogmanay");
    const QList<QByteArray> fileLines = p.toFileBytes().split('\n');
    ASSERT_EQ(fileLines.size(), 367); // the last CR LF ends the 366th line
    EXPECT_EQ(fileLines[58], "\r");
    EXPECT_EQ(fileLines[59], "Leap day\r");
    EXPECT_EQ(fileLines[60], "March 1\r");
    EXPECT_EQ(fileLines[365], "Hogmanay\r");
    EXPECT_EQ(YearPlanner::fromFileBytes(p.toFileBytes()), p);
}

TEST(YearPlannerFile, ShortLongAndLooseFiles)
{
    // Ten lines: 1 to 10 January, nothing else.
    auto ten = YearPlanner::fromFileBytes(lines(10, "x"));
    ASSERT_TRUE(ten);
    EXPECT_EQ(ten->entry(1, 1), "x1");
    EXPECT_EQ(ten->entry(1, 10), "x10");
    EXPECT_EQ(ten->entry(1, 11), "");
    EXPECT_FALSE(ten->monthHasEntries(2));

    // Past 366 lines the rest is ignored.
    auto long_ = YearPlanner::fromFileBytes(lines(400));
    ASSERT_TRUE(long_);
    EXPECT_EQ(long_->entry(12, 31), "366");
    EXPECT_EQ(long_->entries().size(), 366);

    // LF-only ends, and a last line without an end.
    auto loose = YearPlanner::fromFileBytes("a\nb\r\n\n  d  ");
    ASSERT_TRUE(loose);
    EXPECT_EQ(loose->entry(1, 1), "a");
    EXPECT_EQ(loose->entry(1, 2), "b");
    EXPECT_EQ(loose->entry(1, 3), "");
    EXPECT_EQ(loose->entry(1, 4), "  d  ");
    EXPECT_EQ(loose->entry(1, 5), "");

    EXPECT_EQ(YearPlanner::fromFileBytes(""), YearPlanner());
    EXPECT_FALSE(YearPlanner::fromFileBytes(QByteArray("JFIF\0\x01", 6)));
}

// Windows wrote planners in Windows-1252: é is 0xE9, ü 0xFC, € 0x80.
TEST(YearPlannerFile, Windows1252AndUtf8Entries)
{
    const auto windows = YearPlanner::fromFileBytes("Ren\xE9's birthday\r\nM\xFCller \x80" "50\r\n");
    ASSERT_TRUE(windows);
    EXPECT_EQ(windows->entry(1, 1), QString::fromUtf8("René's birthday"));
    EXPECT_EQ(windows->entry(1, 2), QString::fromUtf8("Müller €50"));
    const QByteArray bytes = windows->toFileBytes();
    EXPECT_TRUE(bytes.startsWith("Ren\xE9's birthday\r\nM\xFCller \x80" "50\r\n\r\n"));
    EXPECT_EQ(bytes.size(), 366 * 2 + 25);

    const auto utf8 = YearPlanner::fromFileBytes("Ren\xC3\xA9's birthday\nM\xC3\xBCller \xE2\x82\xAC" "50\n");
    ASSERT_TRUE(utf8);
    EXPECT_EQ(utf8, windows);

    YearPlanner mixed = *windows;
    mixed.setEntry(12, 25, QString::fromUtf8("Рождество"));
    const QByteArray written = mixed.toFileBytes();
    EXPECT_TRUE(written.startsWith("Ren\xC3\xA9's"));
    EXPECT_EQ(YearPlanner::fromFileBytes(written), mixed);
}

TEST(YearPlannerFile, EntriesStayOneLineEach)
{
    YearPlanner p;
    p.setEntry(1, 1, "two\r\nlines\nand\rmore");
    p.setEntry(2, 30, "no such day");
    EXPECT_EQ(p.entry(1, 1), "two lines and more");
    EXPECT_EQ(p.toFileBytes().count('\n'), 366);
    EXPECT_EQ(p.entry(2, 30), "");
    p.clear();
    EXPECT_EQ(p, YearPlanner());
}

TEST(YearPlannerFile, DiskRoundTripAndFailures)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("family.adb");
    YearPlanner p;
    p.setEntry(7, 4, "Café opening, Zoë's birthday");
    ASSERT_TRUE(writePlannerFile(path, p));
    EXPECT_EQ(readPlannerFile(path), p);

    EXPECT_FALSE(readPlannerFile(dir.filePath("missing.adb")));
    EXPECT_FALSE(readPlannerFile(dir.path()));
    EXPECT_FALSE(writePlannerFile(dir.filePath("no/such/folder.adb"), p));
    EXPECT_FALSE(writePlannerFile(dir.path(), p));

    // A big file is only read as far as it counts.
    writeBytes(path, lines(5000));
    EXPECT_EQ(readPlannerFile(path)->entry(12, 31), "366");
}

TEST(YearPlannerPrint, LayoutSkipsEmptyMonthsAndDays)
{
    using Line = TextPrinter::Line;
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    const QDateTime now(QDate(2026, 12, 8), QTime(15, 7));
    YearPlanner p;
    p.setEntry(3, 21, "Spring");
    p.setEntry(1, 2, "Second");
    p.setEntry(1, 31, "Last");

    const QList<Line> head{{"", 10},
                           {"* Anniversary List *", 20, false, true},
                           {"", 20},
                           {"Date : Tuesday 8 December 2026", 14},
                           {"Time : 03:07 PM", 14},
                           {"", 14},
                           {"", 14}};
    QList<Line> year = head;
    year += QList<Line>{{"January", 12}, {" 2nd  Second", 10}, {"31st  Last", 10},
                        {"March", 12}, {"21st  Spring", 10}, {"", 10}};
    EXPECT_EQ(printLayout(p, 1, 12, now, english), year);

    // A month without entries prints the heading alone, closed in the stamp's size.
    QList<Line> emptyMonth = head;
    emptyMonth.append({"", 14});
    EXPECT_EQ(printLayout(p, 2, 2, now, english), emptyMonth);
}

} // namespace
