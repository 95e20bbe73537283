#include "organisers/YearPlanner.h"
#include "organisers/YearPlannerPrint.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
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

TEST(YearPlannerPrint, StampTextsAndTitleCentring)
{
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_EQ(printedDate(QDate(2026, 12, 8), english), "Date : Tuesday 8 December 2026");
    EXPECT_EQ(printedTime(QTime(0, 5)), "Time : 12:05 AM");
    EXPECT_EQ(printedTime(QTime(9, 30)), "Time : 09:30 AM");
    EXPECT_EQ(printedTime(QTime(12, 0)), "Time : 12:00 PM");
    EXPECT_EQ(printedTime(QTime(23, 59, 59)), "Time : 11:59 PM");

    EXPECT_EQ(titleSpaces(1000, 400, 10), 31);
    EXPECT_EQ(titleSpaces(400, 400, 10), 1);   // k = 0
    EXPECT_EQ(titleSpaces(390, 400, 10), 1);   // -5 / 10 truncates to 0
    EXPECT_EQ(titleSpaces(370, 400, 10), 0);   // k = -1
    EXPECT_EQ(titleSpaces(300, 400, 0), 0);
}

TEST(YearPlannerPrint, LayoutSkipsEmptyMonthsAndDays)
{
    using S = PrintLine::Style;
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    const QDateTime now(QDate(2026, 12, 8), QTime(15, 7));
    YearPlanner p;
    p.setEntry(3, 21, "Spring");
    p.setEntry(1, 2, "Second");
    p.setEntry(1, 31, "Last");

    const QList<PrintLine> head{{S::Day, ""},
                                {S::Title, "* Anniversary List *"},
                                {S::Title, ""},
                                {S::Stamp, "Date : Tuesday 8 December 2026"},
                                {S::Stamp, "Time : 03:07 PM"},
                                {S::Stamp, ""},
                                {S::Stamp, ""}};
    QList<PrintLine> year = head;
    year += {{S::MonthName, "January"}, {S::Day, " 2nd  Second"}, {S::Day, "31st  Last"},
             {S::MonthName, "March"}, {S::Day, "21st  Spring"}, {S::Day, ""}};
    EXPECT_EQ(printLayout(p, 1, 12, now, english), year);

    QList<PrintLine> emptyMonth = head;
    emptyMonth += {S::Stamp, ""};
    EXPECT_EQ(printLayout(p, 2, 2, now, english), emptyMonth);
}

TEST(YearPlannerPrint, PagesBreakAndLongLinesWrap)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("year.pdf");
    YearPlanner p;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= daysInMonth(m); ++d)
            p.setEntry(m, d, QStringLiteral("entry %1/%2").arg(d).arg(m));
    p.setEntry(6, 15, QString(60, 'w') + QStringLiteral(" tail-of-a-long-entry ") + QString(60, 'z'));
    {
        QPdfWriter writer(pdf);
        writer.setResolution(300);
        ASSERT_TRUE(printLines(writer, printLayout(p, 1, 12, QDateTime(QDate(2026, 1, 1), QTime(8, 0)),
                                                   QLocale(QLocale::English))));
    }
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(text.waitForFinished(20000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_GE(out.count(QChar('\f')), 6); // 366 lines cannot fit on a few pages
    EXPECT_TRUE(out.contains(QRegularExpression("31st\\s+entry 31/12")));
    EXPECT_TRUE(out.contains("tail-of-a-long-entry"));
    EXPECT_EQ(out.count(QRegularExpression("\\b1st\\s+entry 1/")), 12);
}

} // namespace
