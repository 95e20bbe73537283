#include "organisers/TimingList.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace timing;

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

constexpr qint64 OneHourTwoMinutes3456 = 3600000 + 2 * 60000 + 3456;

// A list of n timed rows labelled "Lap 1" .., each started on the hour.
TimingList timed(int n)
{
    TimingList list;
    for (int i = 1; i <= n; ++i) {
        list.setLabel(list.lastRow(), QStringLiteral("Lap %1").arg(i));
        list.beginTiming(QTime(10, i, 0, 0));
        list.endTiming(QTime(10, i, 1, 230), splitElapsed(1230 * i));
    }
    return list;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

TEST(TimingCells, ElapsedSplitsIntoPaddedCellsAndDisplay)
{
    const Elapsed e = splitElapsed(OneHourTwoMinutes3456);
    EXPECT_EQ(e, (Elapsed{1, 2, 3, 45}));
    const auto cells = elapsedCells(e);
    EXPECT_EQ(cells[0], "   01");
    EXPECT_EQ(cells[1], "    02");
    EXPECT_EQ(cells[2], "   03");
    EXPECT_EQ(cells[3], "     45");
    EXPECT_EQ(displayText(e), "01:02:03:45");

    EXPECT_EQ(splitElapsed(7).hundredths, 0);
    EXPECT_EQ(splitElapsed(19).hundredths, 1);
    EXPECT_EQ(displayText(splitElapsed(59999)), "00:00:59:99");
    EXPECT_EQ(displayText(splitElapsed(60000)), "00:01:00:00");
    // Hours wrap at 24.
    EXPECT_EQ(displayText(splitElapsed(24LL * 3600000 - 10)), "23:59:59:99");
    EXPECT_EQ(displayText(splitElapsed(25LL * 3600000 + 10)), "01:00:00:01");
    EXPECT_EQ(displayText(splitElapsed(-500)), "00:00:00:00");
}

TEST(TimingCells, TimesOfDayNumbersAndHeaders)
{
    EXPECT_EQ(timeOfDay(QTime(10, 15, 2, 379)), "10:15:02:37");
    EXPECT_EQ(timeOfDay(QTime(0, 0, 0, 9)), "00:00:00:00");
    EXPECT_EQ(timeOfDay(QTime(23, 59, 59, 999)), "23:59:59:99");

    EXPECT_EQ(numberCell(1), "    001");
    EXPECT_EQ(numberCell(10), "    010");
    EXPECT_EQ(numberCell(100), "    100");
    EXPECT_EQ(numberCell(1000), "    1000");

    const QStringList headers(headerTexts().begin(), headerTexts().end());
    EXPECT_EQ(headers, QStringList({"Timing", "Description", "  Start Time", "Hr(s)", "Min(s)",
                                    "Sec(s)", " 1/100s", "   End Time"}));
    EXPECT_EQ(std::vector<int>(columnWidths().begin(), columnWidths().end()),
              std::vector<int>({45, 247, 72, 32, 39, 37, 47, 72}));
}

TEST(TimingListRows, ATimingFillsTheLastRowAndAppendsTheNext)
{
    TimingList list;
    EXPECT_TRUE(list.isEmpty());
    list.setLabel(1, QStringLiteral("Lap\r\none\n"));
    EXPECT_EQ(list.cell(Label, 1), "Lap one ");
    EXPECT_FALSE(list.isEmpty());

    list.beginTiming(QTime(10, 15, 2, 379));
    EXPECT_EQ(list.showElapsed(splitElapsed(1000)), QVector<int>({Hours, Minutes, Seconds, Hundredths}));
    EXPECT_EQ(list.showElapsed(splitElapsed(1005)), QVector<int>());
    EXPECT_EQ(list.showElapsed(splitElapsed(1010)), QVector<int>({Hundredths}));
    list.endTiming(QTime(11, 17, 5, 835), splitElapsed(OneHourTwoMinutes3456));

    ASSERT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.row(1), (Row{"    001", "Lap one ", "10:15:02:37", "   01", "    02", "   03",
                                "     45", "11:17:05:83"}));
    EXPECT_EQ(list.row(2), (Row{"    002", "", "", "", "", "", "", ""}));

    const TimingList hundred = timed(99);
    EXPECT_EQ(hundred.cell(Number, 10), "    010");
    EXPECT_EQ(hundred.cell(Number, 100), "    100");
    EXPECT_EQ(hundred.lastRow(), 100);

    list.clear();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.row(1)[Number], "    001");
}

TEST(TimingListRows, DeletingKeepsTheNumbering)
{
    TimingList list = timed(3);
    list.setLabel(4, QStringLiteral("next"));
    const Row third = list.row(3);
    list.deleteRow(2);
    ASSERT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.cell(Number, 2), "    002");
    EXPECT_EQ(list.cell(Label, 2), "Lap 3");
    for (int c = Label; c < ColumnCount; ++c)
        EXPECT_EQ(list.cell(c, 2), third[c]) << c;
    EXPECT_EQ(list.row(3), (Row{"    003", "next", "", "", "", "", "", ""}));
    EXPECT_EQ(list.cell(Label, 1), "Lap 1");

    // The row for the next timing is emptied, never removed: the next start
    // must not land on a finished timing.
    list.deleteRow(3);
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(list.row(3), (Row{"    003", "", "", "", "", "", "", ""}));

    list.deleteRow(1);
    list.deleteRow(1);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.row(1), (Row{"    001", "", "", "", "", "", "", ""}));
    EXPECT_TRUE(list.rowBlank(1));
}

TEST(TimingFile, TwoTimingsAre24CrLfLinesAndReadBackTheSame)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("laps.tim");
    const TimingList list = timed(2);
    ASSERT_TRUE(writeTimingFile(path, list));

    const QByteArray bytes = readAll(path);
    EXPECT_EQ(bytes.count("\r\n"), 24);
    EXPECT_EQ(bytes.count('\n'), 24);
    EXPECT_TRUE(bytes.startsWith("    001\r\nLap 1\r\n10:01:00:00\r\n   00\r\n    00\r\n   01\r\n     23\r\n"
                                 "10:01:01:23\r\n    002\r\n"));
    EXPECT_TRUE(bytes.endsWith("    003\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"));

    const auto back = readTimingFile(path);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->rowCount(), 3);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(back->row(r), list.row(r)) << r;
    EXPECT_EQ(back->toLines(), list.toLines());
}

TEST(TimingFile, ForeignFilesAreRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.tim");
    for (const QByteArray& bytes : {QByteArray("001\r\nLap\r\n"), QByteArray("    002\r\n"), QByteArray(),
                                    QByteArray(" 001\r\n"), QByteArray("    001 \r\n"),
                                    QByteArray("    001\r\n\0\x01\x02garbage", 19),
                                    QByteArray("    001\r\n\x1b[0m\xff", 14)}) {
        ASSERT_TRUE(writeBytes(path, bytes));
        EXPECT_FALSE(readTimingFile(path)) << bytes.toHex().constData();
    }
    EXPECT_FALSE(readTimingFile(dir.filePath("missing.tim")));
    EXPECT_FALSE(readTimingFile(dir.path()));

    ASSERT_TRUE(writeBytes(path, "    001\r\n" + QByteArray(MaxFileSize, 'a')));
    EXPECT_FALSE(readTimingFile(path));

    // Line ends of other systems read the same; a file cut short keeps its numbers.
    ASSERT_TRUE(writeBytes(path, "    001\nA\n\n\n\n\n\n\n    002\n"));
    const auto unix = readTimingFile(path);
    ASSERT_TRUE(unix);
    ASSERT_EQ(unix->rowCount(), 2);
    EXPECT_EQ(unix->cell(Label, 1), "A");
    EXPECT_EQ(unix->cell(Number, 2), "    002");
}

// A list saved on Windows is in Windows-1252: é is the byte 0xE9, € is 0x80.
TEST(TimingFile, AccentedLabelsFromWindowsAndUtf8FilesReadAndWriteBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("windows.tim");
    const QByteArray row = "\r\n10:00:00:00\r\n   00\r\n    00\r\n   01\r\n     00\r\n10:00:01:00\r\n";
    const QByteArray next = "    002\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    ASSERT_TRUE(writeBytes(path, "    001\r\nCaf\xE9 run \x80" "5" + row + next));
    const auto windows = readTimingFile(path);
    ASSERT_TRUE(windows);
    EXPECT_EQ(windows->cell(Label, 1), QString::fromUtf8("Café run €5"));
    EXPECT_EQ(windows->rowCount(), 2);

    // Saved again it stays Windows-1252, byte for byte.
    ASSERT_TRUE(writeTimingFile(path, *windows));
    EXPECT_EQ(readAll(path), "    001\r\nCaf\xE9 run \x80" "5" + row + next);

    // The same list written as UTF-8 elsewhere reads the same.
    ASSERT_TRUE(writeBytes(path, "    001\r\nCaf\xC3\xA9 run \xE2\x82\xAC" "5" + row + next));
    const auto utf8 = readTimingFile(path);
    ASSERT_TRUE(utf8);
    EXPECT_EQ(utf8->toLines(), windows->toLines());

    // A label Windows-1252 cannot hold makes the file UTF-8.
    TimingList greek = *windows;
    greek.setLabel(2, QString::fromUtf8("Δt é"));
    ASSERT_TRUE(writeTimingFile(path, greek));
    EXPECT_TRUE(readAll(path).contains("\r\n\xCE\x94t \xC3\xA9\r\n"));
    EXPECT_TRUE(readAll(path).contains("Caf\xC3\xA9"));
    const auto back = readTimingFile(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->toLines(), greek.toLines());
}

TEST(TimingFile, AFailedSaveLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.tim");
    ASSERT_TRUE(writeTimingFile(path, timed(1)));
    const QByteArray before = readAll(path);
    EXPECT_FALSE(writeTimingFile(dir.filePath("no/such/folder/x.tim"), timed(1)));

    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const bool wrote = writeTimingFile(path, timed(3));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (QFileInfo(dir.path()).isWritable() && wrote)
        GTEST_SKIP() << "running with rights that ignore permissions";
    EXPECT_FALSE(wrote);
    EXPECT_EQ(readAll(path), before);
}

TEST(TimingPrint, TitleStampHeadingRowsInTheirSizes)
{
    using Line = TextPrinter::Line;
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    const auto lines = printLines(timed(1), QDateTime(QDate(2026, 12, 7), QTime(22, 45)), english);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], (Line{"* Timing List *", 24, false, true}));
    EXPECT_EQ(lines[1], (Line{"", 24}));
    EXPECT_EQ(lines[2], (Line{"Date : Monday 7 December 2026", 14}));
    EXPECT_EQ(lines[3], (Line{"Time : 10:45 PM", 14}));
    EXPECT_EQ(lines[4], (Line{"", 14}));
    EXPECT_EQ(lines[5],
              (Line{"Timing  Description                                          Start  Time  End  Time    Elapsed", 12}));
    EXPECT_EQ(lines[6], (Line{"", 12}));
    EXPECT_EQ(lines[7], printRowLines(timed(1).row(1))[0]);
    EXPECT_TRUE(lines[7].underlined);
    EXPECT_EQ(lines[7].pointSize, 12);
    EXPECT_EQ(lines[8], (Line{"", 12}));
}

TEST(TimingPrint, RowFieldsAndLabelSplits)
{
    const TimingList list = timed(1);
    const auto row = printRowLines(list.row(1));
    ASSERT_EQ(row.size(), 1);
    EXPECT_EQ(row[0].text, QStringLiteral("  001   ") + QStringLiteral("Lap 1").leftJustified(53)
                               + "10:01:00:00 10:01:01:23 00:00:01:23");
    EXPECT_EQ(row[0].text.indexOf("10:01:00:00"), 61);

    // 60 characters, the last space within the first 50 at position 45.
    const QString label = QString(44, 'a') + ' ' + QString(15, 'b');
    Row r = list.row(1);
    r[Label] = label;
    const auto split = printRowLines(r);
    ASSERT_EQ(split.size(), 2);
    EXPECT_EQ(split[0].text.mid(8, 53), (QString(44, 'a') + ' ').leftJustified(53));
    EXPECT_EQ(split[1].text, (QString(8, ' ') + QString(15, 'b')).leftJustified(88));
    EXPECT_TRUE(split[1].underlined);

    EXPECT_EQ(splitLabel(QString(50, 'x')), QStringList({QString(50, 'x')}));
    EXPECT_EQ(splitLabel(QString(51, 'x')), QStringList({QString(50, 'x'), "x"}));
    EXPECT_EQ(splitLabel(QString(49, 'x') + " yy"), QStringList({QString(49, 'x') + " ", "yy"}));
    EXPECT_EQ(splitLabel(QString(50, 'x') + " yy"), QStringList({QString(50, 'x'), " yy"}));
    EXPECT_EQ(splitLabel(QString(130, 'z')).size(), 3);

    // From 1000 on every digit is printed; a missing elapsed cell prints 00.
    r = list.row(1);
    r[Number] = numberCell(1000);
    r[Minutes].clear();
    EXPECT_TRUE(printRowLines(r)[0].text.startsWith("  1000  Lap 1"));
    EXPECT_TRUE(printRowLines(r)[0].text.endsWith("00:00:01:23"));
}
