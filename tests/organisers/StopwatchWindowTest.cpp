#include "organisers/StopwatchWindow.h"

#include "../common/ScopedConfigDir.h"
#include "TestServices.h"
#include "app/Panel.h"
#include "app/PictureStore.h"
#include "common/DigitDisplay.h"
#include "common/SettingsStore.h"
#include "platform/Clock.h"
#include "platform/Printing.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include "PdfReader.h"

#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

using platform::MessageKind;

const QString CouldNotSave = "Could not Save.  \rPossible Causes :- Disk Full, Unformatted, CD-ROM, "
                             "Write Protected or Corrupted";
const QString AskToSave = "Do you want to save your current timings?";


// A fresh Stopwatch built from test services alone, shown, with no recent
// files and the clock at 10:15:02.37 on Monday 7 December 2026.
class StopwatchWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 15, 2, 370)));
        watch = makeWindow();
        ASSERT_TRUE(watch);
        t.recorded->messages.clear();
    }
    void TearDown() override { delete watch; }

    StopwatchWindow* makeWindow()
    {
        auto* window = new StopwatchWindow(t.services);
        window->show();
        if (QTest::qWaitForWindowExposed(window))
            return window;
        delete window;
        return nullptr;
    }

    template <typename T> T* child(const char* name) const { return watch->findChild<T*>(QString::fromLatin1(name)); }
    QTableView* grid() const { return child<QTableView>("timingGrid"); }
    // Cells are numbered as in the list: rows from 1, the header not counted.
    QModelIndex at(int column, int row) const { return grid()->model()->index(row - 1, column); }
    int rows() const { return grid()->model()->rowCount(); }
    int currentRow() const { return grid()->currentIndex().row() + 1; }
    int currentColumn() const { return grid()->currentIndex().column(); }
    void setCurrent(int column, int row) { grid()->setCurrentIndex(at(column, row)); }
    QLabel* startStopPicture() const { return child<QLabel>("startStopPicture"); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    QString cell(int column, int row) const { return at(column, row).data().toString(); }
    bool shows(const char* picture) const
    {
        return startStopPicture()->pixmap().toImage() == t.pictures.picture(QString::fromLatin1(picture)).toImage();
    }
    QString display() const { return child<DigitDisplay>("digits")->text(); }

    void press() { QTest::mousePress(startStopPicture(), Qt::LeftButton, {}, QPoint(100, 30)); }
    void release() { QTest::mouseRelease(startStopPicture(), Qt::LeftButton, {}, QPoint(100, 30)); }
    void typeLabel(int row, const QString& text)
    {
        // As the cell's editor hands its text over when the edit ends.
        setCurrent(1, row);
        grid()->model()->setData(at(1, row), text);
    }
    // One timing of the given length, by the button, labelled first.
    void timeOne(const QString& label, qint64 ms)
    {
        typeLabel(rows(), label);
        press();
        release();
        t.clock.advance(ms);
        press();
        release();
    }
    QString tempFile(const QString& name) const { return dir.filePath(name); }
    void answer(std::initializer_list<int> answers, std::initializer_list<QString> files = {})
    {
        t.dialogs.answers = answers;
        t.dialogs.fileNames = files;
    }
    QStringList askedTexts() const
    {
        QStringList texts;
        for (const auto& asked : t.dialogs.asked)
            texts.append(asked.text);
        return texts;
    }
    void closeByPanel()
    {
        QTest::mouseClick(watch->closePanel(), Qt::LeftButton, {}, QPoint(9, 10));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ScopedConfigDir config; // each test starts with no recent files
    TestServices t;
    QTemporaryDir dir;
    QPointer<StopwatchWindow> watch;
};

TEST(StopwatchWindowAlone, BuiltFromTheServicesItShowsItsFrameCaptionAndHelp)
{
    ScopedConfigDir config;
    TestServices t;
    StopwatchWindow watch(t.services);
    watch.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&watch));
    EXPECT_TRUE(watch.isVisible());
    EXPECT_EQ(watch.size(), QSize(641, 473));
    EXPECT_EQ(watch.windowTitle(), "Stopwatch");
    EXPECT_EQ(watch.helpText(),
              "Stopwatch\r\n\r\n"
              "This module enables you to perform multiple sequential timings and label them.  \r\n\r\n"
              "To perform a timing you may enter a label then click the \"Start\" button.  \r\n"
              "Timing files may be saved/printed using the options on the File menu.    \r\n\r\n"
              "To delete a timing, highlight it and right click, then select delete.   \r\n");
    EXPECT_FALSE(watch.running());
    EXPECT_TRUE(watch.saved());
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
}

// The program installs dialogs and a clock of its own; the window must ask
// only the ones it was given.
TEST(StopwatchWindowAlone, AsksOnlyItsOwnDialogsAndClock)
{
    ScopedConfigDir config;
    TestServices t; // its dialogs and clock are the program-wide ones
    platform::ScriptedDialogs ownDialogs;
    platform::ManualClock ownClock(QDateTime(QDate(2026, 5, 4), QTime(8, 30, 0, 120)));
    const UtilityServices own{t.effects, t.pictures, 24, ownDialogs, ownClock, t.random};
    StopwatchWindow watch(own);
    watch.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&watch));

    watch.pressStartStop();
    watch.releaseStartStop();
    ownClock.advance(2500);
    watch.pressStartStop();
    watch.releaseStartStop();
    EXPECT_EQ(watch.timings().cell(timing::StartTime, 1), "08:30:00:12");
    EXPECT_EQ(watch.timings().cell(timing::EndTime, 1), "08:30:02:62");
    EXPECT_EQ(watch.timings().cell(timing::Seconds, 1), "   02");

    watch.deleteSelectedTiming(); // the row for the next timing is blank
    ownDialogs.answers = {platform::Yes};
    watch.clearTimings(); // save first, and the save dialog is cancelled
    QStringList texts;
    for (const auto& asked : ownDialogs.asked)
        texts.append(asked.text);
    EXPECT_EQ(texts, QStringList({"You cannot delete a blank entry!", AskToSave}));
    EXPECT_EQ(ownDialogs.fileDialogs, QStringList{"Save Timing File"});
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
    EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty());
}

TEST_F(StopwatchWindowTest, FreshWindowFrameGridAndDisplay)
{
    EXPECT_EQ(watch->childAt(watch->helpPanel()->geometry().center()), watch->helpPanel());
    EXPECT_EQ(watch->childAt(watch->closePanel()->geometry().center()), watch->closePanel());
    EXPECT_GT(watch->helpPanel()->x(), 600);
    EXPECT_EQ(startStopPicture()->size(), QSize(361, 73));

    ASSERT_EQ(rows(), 1);
    ASSERT_EQ(grid()->model()->columnCount(), 8);
    const QStringList headers = {"Timing", "Description", "  Start Time", "Hr(s)", "Min(s)", "Sec(s)", " 1/100s", "   End Time"};
    const int widths[] = {45, 247, 72, 32, 39, 37, 47, 72};
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(grid()->model()->headerData(c, Qt::Horizontal).toString(), headers[c]);
        EXPECT_EQ(grid()->columnWidth(c), widths[c]);
    }
    EXPECT_EQ(cell(0, 1), "    001");
    EXPECT_EQ(currentColumn(), 1);

    EXPECT_EQ(display(), "00:00:00:00");
    EXPECT_EQ(child<DigitDisplay>("digits")->accessibleName(), "Elapsed time: 00:00:00:00");
    EXPECT_EQ(child<QLabel>("hundredthsUnits")->pixmap().toImage(), t.pictures.picture("N0").toImage());
    EXPECT_EQ(child<QLabel>("colonAfterMinutes")->pixmap().toImage(), t.pictures.picture("NC").toImage());
    EXPECT_TRUE(shows("StartOut"));
    EXPECT_EQ(startStopPicture()->accessibleName(), "Start Timer");
    EXPECT_FALSE(child<QTimer>("displayTimer")->isActive());
    for (int n = 1; n <= 4; ++n) {
        QPushButton* file = button(QStringLiteral("recentFileButton%1").arg(n).toLatin1());
        EXPECT_EQ(file->text(), QStringLiteral("%1.").arg(n));
        EXPECT_FALSE(file->isEnabled());
    }
}

TEST_F(StopwatchWindowTest, TheButtonCycleTimesALabelledRow)
{
    typeLabel(1, "Lap one");
    EXPECT_FALSE(watch->saved());
    press();
    EXPECT_TRUE(shows("StartIn"));
    EXPECT_TRUE(watch->running());
    EXPECT_EQ(cell(2, 1), "10:15:02:37");
    EXPECT_EQ(startStopPicture()->accessibleName(), "Stop Timer");
    EXPECT_TRUE(child<QTimer>("displayTimer")->isActive());
    for (const char* name : {"newButton", "openButton", "saveButton", "saveAsButton", "printSetupButton", "printButton", "fileMenuButton"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_FALSE(child<QAction>("deleteLineAction")->isEnabled());
    release();
    EXPECT_TRUE(shows("StopOut"));
    release(); // a release in the up state changes nothing
    EXPECT_TRUE(shows("StopOut"));

    t.clock.advance(3600000 + 2 * 60000 + 3456);
    ASSERT_TRUE(QTest::qWaitFor([&] { return display() == "01:02:03:45"; }, 2000));
    EXPECT_EQ(cell(3, 1), "   01");
    EXPECT_EQ(cell(6, 1), "     45");
    EXPECT_EQ(child<DigitDisplay>("digits")->accessibleName(), "Elapsed time: 01:02:03:45");
    EXPECT_EQ(rows(), 1);

    press();
    EXPECT_TRUE(shows("StopIn"));
    EXPECT_FALSE(watch->running());
    EXPECT_FALSE(child<QTimer>("displayTimer")->isActive());
    release();
    EXPECT_TRUE(shows("StartOut"));
    const QStringList row1 = {"    001", "Lap one", "10:15:02:37", "   01", "    02", "   03", "     45", "11:17:05:82"};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(cell(c, 1), row1[c]) << c;
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(cell(0, 2), "    002");
    EXPECT_EQ(cell(2, 2), "");
    EXPECT_EQ(currentRow(), 2);
    EXPECT_EQ(currentColumn(), 1);
    EXPECT_TRUE(button("fileMenuButton")->isEnabled());
    EXPECT_TRUE(child<QAction>("deleteLineAction")->isEnabled());

    // 7 ms show no hundredths; the display keeps the last timing until a new one runs.
    timeOne("short", 7);
    EXPECT_EQ(cell(6, 2), "     00");
    EXPECT_EQ(display(), "00:00:00:00");
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
    EXPECT_TRUE(std::none_of(t.recorded->messages.begin(), t.recorded->messages.end(),
                             [](std::uint32_t m) { return (m & 0xF0) == 0x90; })); // ticks stay reserved
}

TEST_F(StopwatchWindowTest, SpaceOrReturnOnThePictureIsAWholeClick)
{
    typeLabel(1, "by keys");
    startStopPicture()->setFocus();
    QTest::keyClick(startStopPicture(), Qt::Key_Space);
    EXPECT_TRUE(watch->running());
    EXPECT_TRUE(shows("StopOut"));

    // A held key repeats; the repeats must not stop the timing.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QCoreApplication::sendEvent(startStopPicture(), &repeat);
    EXPECT_TRUE(watch->running());

    // Only the left button works the picture.
    QTest::mousePress(startStopPicture(), Qt::RightButton, {}, QPoint(100, 30));
    QTest::mouseRelease(startStopPicture(), Qt::RightButton, {}, QPoint(100, 30));
    EXPECT_TRUE(watch->running());
    EXPECT_TRUE(shows("StopOut"));

    t.clock.advance(1500);
    QTest::keyClick(startStopPicture(), Qt::Key_Return);
    EXPECT_FALSE(watch->running());
    EXPECT_TRUE(shows("StartOut"));
    EXPECT_EQ(cell(timing::Label, 1), "by keys");
    EXPECT_EQ(cell(timing::Seconds, 1), "   01");
    EXPECT_EQ(cell(timing::Hundredths, 1), "     50");
    EXPECT_EQ(rows(), 2);
}

TEST_F(StopwatchWindowTest, OnlyTheLabelColumnIsSelectedAndEdited)
{
    timeOne("a", 1000);
    grid()->setFocus();
    const QRect startCell = grid()->visualRect(at(2, 1));
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, startCell.center());
    EXPECT_EQ(currentRow(), 2);
    EXPECT_EQ(currentColumn(), 1);
    QTest::keyClick(grid(), Qt::Key_Right);
    QTest::keyClick(grid(), Qt::Key_Up);
    EXPECT_EQ(currentRow(), 1);
    EXPECT_EQ(currentColumn(), 1);
    EXPECT_FALSE(grid()->model()->flags(at(2, 1)) & Qt::ItemIsEditable);

    QTest::keyClick(grid(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(currentRow(), 2);
    QTest::keyClick(grid(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(currentRow(), 1);

    // Keys typed on a label cell edit it in place.
    setCurrent(1, 2);
    QTest::keyClick(grid(), Qt::Key_N);
    QWidget* editor = grid()->indexWidget(grid()->currentIndex());
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, "ext");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // Return hands the text over once back in the event loop
    EXPECT_EQ(watch->timings().cell(timing::Label, 2), "next");
    EXPECT_EQ(cell(1, 2), "next");

    // A pasted line break would split the file's rows: it becomes a space.
    typeLabel(2, "two\r\nlines");
    EXPECT_EQ(watch->timings().cell(1, 2), "two lines");
    EXPECT_EQ(cell(1, 2), "two lines");
}

TEST_F(StopwatchWindowTest, DeletingTimingTwoOfThreeKeepsTheNumbers)
{
    timeOne("one", 1000);
    timeOne("two", 2000);
    timeOne("three", 3000);
    const QString thirdStart = cell(2, 3);
    setCurrent(1, 2);
    answer({platform::No});
    watch->deleteSelectedTiming();
    EXPECT_EQ(cell(1, 2), "two");
    answer({platform::Yes});
    watch->deleteSelectedTiming();
    EXPECT_EQ(askedTexts(), QStringList(2, "Are you sure that you wish to delete this line?"));
    EXPECT_EQ(t.dialogs.asked[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(t.dialogs.asked[0].buttons, platform::Yes | platform::No);
    ASSERT_EQ(rows(), 3);
    EXPECT_EQ(cell(1, 2), "three");
    EXPECT_EQ(cell(2, 2), thirdStart);
    EXPECT_EQ(cell(5, 2), "   03");
    EXPECT_EQ(cell(0, 2), "    002");
    EXPECT_EQ(cell(0, 3), "    003");
    EXPECT_EQ(cell(1, 3), "");

    t.dialogs.asked.clear();
    setCurrent(1, 3);
    watch->deleteSelectedTiming();
    EXPECT_EQ(askedTexts(), QStringList{"You cannot delete a blank entry!"});
    EXPECT_EQ(t.dialogs.asked[0].kind, MessageKind::Information);
}

TEST_F(StopwatchWindowTest, SaveOpenRoundTripAndForeignFiles)
{
    timeOne("Lap one", 65432);
    timeOne("Lap two", 1010);
    const QString path = tempFile("two.tim");
    answer({}, {path});
    ASSERT_TRUE(watch->saveTimings());
    EXPECT_EQ(t.dialogs.fileDialogs, QStringList{"Save Timing File"});
    EXPECT_TRUE(watch->saved());
    EXPECT_EQ(watch->windowTitle(), "Stopwatch - " + path);
    EXPECT_EQ(button("recentFileButton1")->text(), "1. " + path);
    EXPECT_TRUE(button("recentFileButton1")->isEnabled());
    EXPECT_EQ(SettingsStore("Orvik 2000\\Stopwatch").readString("Files", "File1", "none"), path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("\r\n"), 24);
    file.close();

    // Saved as the bare name, it is the same file: replacing it is asked first.
    answer({platform::No}, {tempFile("two")});
    EXPECT_FALSE(watch->saveTimingsAs());
    EXPECT_EQ(askedTexts(), QStringList{path + " already exists.\r\nDo you want to replace it?"});
    t.dialogs.asked.clear();

    QStringList shown;
    for (int r = 1; r <= 3; ++r)
        for (int c = 0; c < 8; ++c)
            shown.append(cell(c, r));

    EXPECT_EQ(display(), "00:00:01:01");
    watch->clearTimings();
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(cell(0, 1), "    001");
    EXPECT_EQ(display(), "00:00:00:00"); // New resets the watch
    EXPECT_EQ(watch->stopwatch().state(), timing::Stopwatch::State::Reset);
    EXPECT_EQ(watch->windowTitle(), "Voruz Ud!");
    EXPECT_TRUE(t.dialogs.asked.isEmpty()); // it was saved

    answer({}, {path});
    watch->openTimings();
    EXPECT_EQ(t.dialogs.fileDialogs.last(), "Open Timing File");
    ASSERT_EQ(rows(), 3);
    QStringList back;
    for (int r = 1; r <= 3; ++r)
        for (int c = 0; c < 8; ++c)
            back.append(cell(c, r));
    EXPECT_EQ(back, shown);
    EXPECT_EQ(watch->windowTitle(), "Voruz Ud! - " + path);
    EXPECT_EQ(watch->fileName(), path);

    // Not a timing file: refused, the list stays as it was.
    const QString bad = tempFile("bad.tim");
    QFile out(bad);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("001\r\nLap\r\n");
    out.close();
    answer({}, {bad});
    watch->openTimings();
    EXPECT_EQ(askedTexts(), QStringList{"File Corrupted or not a valid .TIM format file"});
    EXPECT_EQ(t.dialogs.asked[0].kind, MessageKind::Warning);
    EXPECT_EQ(rows(), 3);
    EXPECT_EQ(cell(1, 2), "Lap two");
    EXPECT_EQ(watch->fileName(), path);
}

TEST_F(StopwatchWindowTest, AFailedSaveKeepsTheListAndSaysWhy)
{
    answer({});
    watch->saveTimings();
    watch->saveTimingsAs();
    watch->printTimings();
    watch->clearTimings();
    EXPECT_EQ(askedTexts(), QStringList({"You cannot save an empty file!", "You cannot save an empty file!",
                                         "You cannot Print an empty list!", "There is nothing to clear!"}));
    EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty());

    timeOne("keep me", 1000);
    t.dialogs.asked.clear();
    answer({}, {tempFile("no/such/folder/x.tim")});
    EXPECT_FALSE(watch->saveTimings());
    ASSERT_EQ(askedTexts(), QStringList{CouldNotSave});
    EXPECT_EQ(t.dialogs.asked[0].kind, MessageKind::Information);
    EXPECT_FALSE(watch->saved());
    EXPECT_EQ(watch->fileName(), "");
    EXPECT_EQ(watch->windowTitle(), "Voruz Ud!");

    // New answered Yes, the save fails: the timings are not thrown away.
    t.dialogs.asked.clear();
    answer({platform::Yes}, {tempFile("no/such/folder/x.tim")});
    watch->clearTimings();
    EXPECT_EQ(askedTexts(), QStringList({AskToSave, CouldNotSave}));
    EXPECT_EQ(cell(1, 1), "keep me");
    // No lets them go.
    answer({platform::No});
    watch->clearTimings();
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(rows(), 1);
}

TEST_F(StopwatchWindowTest, ClosingIsRefusedWhileTimingAndAsksOnlyForUnsavedTimings)
{
    QSignalSpy released(watch.data(), &ToolWindow::released);
    press();
    release();
    closeByPanel();
    ASSERT_TRUE(watch);
    watch->close(); // the system close command too
    ASSERT_TRUE(watch);
    EXPECT_TRUE(watch->isVisible());
    EXPECT_EQ(askedTexts(), QStringList(2, "Please stop current timing before closing"));
    EXPECT_EQ(t.dialogs.asked[0].kind, MessageKind::Warning);
    EXPECT_TRUE(watch->running());
    EXPECT_FALSE(watch->queryClose());

    press();
    release();
    t.dialogs.asked.clear();
    answer({platform::Yes}, {}); // save, then cancel the dialog: stays open
    closeByPanel();
    ASSERT_TRUE(watch);
    EXPECT_EQ(askedTexts(), QStringList{AskToSave});
    EXPECT_EQ(released.count(), 0);
    answer({platform::No});
    closeByPanel();
    EXPECT_EQ(released.count(), 1);
    EXPECT_FALSE(watch);

    // A list with nothing to lose goes by the File menu's Close without a question.
    watch = makeWindow();
    ASSERT_TRUE(watch);
    QSignalSpy releasedAgain(watch.data(), &ToolWindow::released);
    t.dialogs.asked.clear();
    button("closeButton")->click();
    EXPECT_EQ(releasedAgain.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(watch);
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
}

TEST_F(StopwatchWindowTest, RecentFilesFifthFileAndExchange)
{
    QStringList paths;
    for (int i = 1; i <= 5; ++i) {
        paths.append(tempFile(QStringLiteral("f%1.tim").arg(i)));
        watch->clearTimings();
        timeOne(QStringLiteral("file %1").arg(i), 1000);
        answer({}, {paths.last()});
        ASSERT_TRUE(watch->saveTimingsAs());
    }
    const auto recentCaptions = [&] {
        QStringList texts;
        for (int n = 1; n <= 4; ++n)
            texts.append(button(QStringLiteral("recentFileButton%1").arg(n).toLatin1())->text());
        return texts;
    };
    EXPECT_EQ(recentCaptions(), QStringList({"1. " + paths[1], "2. " + paths[2], "3. " + paths[3], "4. " + paths[4]}));

    answer({}, {paths[3]}); // slot 3, by the Open command
    watch->openTimings();
    EXPECT_EQ(recentCaptions(), QStringList({"1. " + paths[3], "2. " + paths[2], "3. " + paths[1], "4. " + paths[4]}));
    EXPECT_EQ(SettingsStore("Orvik 2000\\Stopwatch").readString("Files", "File3", "none"), paths[1]);

    // The recent-file buttons open without reordering.
    button("recentFileButton4")->click();
    EXPECT_EQ(cell(1, 1), "file 5");
    EXPECT_EQ(watch->windowTitle(), "Voruz Ud! - " + paths[4]);
    EXPECT_EQ(recentCaptions()[0], "1. " + paths[3]);
}

TEST_F(StopwatchWindowTest, TheFileMenuFollowsThePointer)
{
    QWidget* menuPanel = child<QWidget>("fileMenu");
    const auto moveTo = [&](QWidget* w, QPoint at) {
        QTest::mouseMove(watch->windowHandle(), w->mapTo(watch, at));
        QCoreApplication::processEvents();
    };
    EXPECT_FALSE(menuPanel->isVisible());
    moveTo(button("fileMenuButton"), QPoint(10, 10));
    EXPECT_TRUE(menuPanel->isVisible());
    moveTo(button("openButton"), QPoint(20, 5));
    EXPECT_TRUE(menuPanel->isVisible());
    moveTo(startStopPicture(), QPoint(20, 20));
    EXPECT_FALSE(menuPanel->isVisible());
    moveTo(button("fileMenuButton"), QPoint(12, 10));
    EXPECT_TRUE(menuPanel->isVisible());
    moveTo(child<QWidget>("topBorder"), QPoint(100, 10));
    EXPECT_FALSE(menuPanel->isVisible());
}

TEST_F(StopwatchWindowTest, LosingTheFocusSweepsThreeChannels)
{
    QWidget other;
    other.resize(40, 40);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    watch->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(watch));
    t.recorded->messages.clear();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ASSERT_EQ(t.recorded->messages.size(), 381u);
    EXPECT_EQ(t.recorded->messages[0], 0x780180u);
    EXPECT_EQ(t.recorded->messages[1], 0x78018Eu);
    EXPECT_EQ(t.recorded->messages[380], 0x787F8Fu);
}

TEST_F(StopwatchWindowTest, PrintsTheListAsTextOnALandscapePage)
{
    const QString pdf = tempFile("list.pdf");
    platform::ScopedPdfPrinting printing(pdf);
    timeOne("Lap one", 3600000 + 2 * 60000 + 3456);
    timeOne(QString(44, 'a') + ' ' + QString(15, 'b'), 1000);
    t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(22, 45)));
    watch->printTimings();
    EXPECT_EQ(printing.pdf.dialogs, 1);

    const QString out = pdf::text(pdf);
    EXPECT_TRUE(out.contains("* Timing List *")) << out.toStdString();
    EXPECT_TRUE(out.contains("Date : Monday 7 December 2026"));
    EXPECT_TRUE(out.contains("Time : 10:45 PM"));
    EXPECT_TRUE(out.contains(QRegularExpression("Timing +Description +Start +Time +End +Time +Elapsed")));
    EXPECT_TRUE(out.contains(QRegularExpression("001 +Lap one +10:15:02:37 +11:17:05:82 +01:02:03:45")));
    EXPECT_TRUE(out.contains(QRegularExpression("002 +a{44} +11:17:05:82 +11:17:06:82 +00:00:01:00")));
    EXPECT_TRUE(out.contains(QRegularExpression("\n +b{15}\\s")));
    EXPECT_FALSE(out.contains("003"));
    EXPECT_TRUE(pdf::info(pdf, "Page size").startsWith("842 x 595")) << pdf::info(pdf, "Page size").toStdString();

    // Cancelled dialog: nothing printed.
    printing.pdf.acceptDialogs = false;
    QFile::remove(pdf);
    watch->printTimings();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
}

TEST_F(StopwatchWindowTest, PrintingProblemsAreToldInItsOwnWords)
{
    class NoPrinter : public platform::Printing {
    public:
        std::unique_ptr<QPrinter> currentPrinter() override { return nullptr; }
    } none;
    platform::Printing::install(&none);
    timeOne("x", 10);
    watch->printTimings();
    watch->printSetup();
    platform::ScopedPdfPrinting unwritable(tempFile("no/such/folder/list.pdf"));
    watch->printTimings();
    EXPECT_EQ(askedTexts(), QStringList({platform::Printing::noPrinterText(), platform::Printing::noPrinterText(),
                                         "The timing list could not be printed."}));
    EXPECT_EQ(t.dialogs.asked[2].kind, MessageKind::Warning);
}

// The File button, the grid's header and its scroll bar are drawn by the
// style, which keeps the drawings under names made from their palettes: a
// Stopwatch opened again draws them under the same names, so the names Qt
// keeps do not pile up with every opening.
TEST_F(StopwatchWindowTest, OpenedAgainItsControlsAreDrawnWithTheSamePalettes)
{
    EXPECT_EQ(watch->palette().color(QPalette::Window), QColor(Qt::black));
    const qint64 fileButton = button("fileMenuButton")->palette().cacheKey();
    const qint64 header = grid()->horizontalHeader()->palette().cacheKey();
    const qint64 scrollBar = grid()->verticalScrollBar()->palette().cacheKey();
    delete watch;
    watch = makeWindow();
    ASSERT_TRUE(watch);
    EXPECT_EQ(watch->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(button("fileMenuButton")->palette().cacheKey(), fileButton);
    EXPECT_EQ(grid()->horizontalHeader()->palette().cacheKey(), header);
    EXPECT_EQ(grid()->verticalScrollBar()->palette().cacheKey(), scrollBar);
}

} // namespace
