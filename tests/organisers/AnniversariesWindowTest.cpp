#include "organisers/AnniversariesWindow.h"

#include "../common/ScopedConfigDir.h"
#include "TestServices.h"
#include "app/Panel.h"
#include "common/SettingsStore.h"
#include "platform/Clock.h"
#include "platform/Printing.h"

#include <QAccessible>
#include <QFile>
#include <QPointer>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include "PdfReader.h"

#include <gtest/gtest.h>

#include <QHeaderView>

namespace {

using platform::MessageKind;
using Command = AnniversariesWindow::Command;

QString lastFile()
{
    return SettingsStore(QStringLiteral("Orvik 2000\\Anniversary"))
        .readString(QStringLiteral("Files"), QStringLiteral("LastFile"), QStringLiteral("none"));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}


// No printer installed at all.
class NoPrinters : public platform::Printing {
public:
    std::unique_ptr<QPrinter> currentPrinter() override { return nullptr; }
};

// A clock on Sunday 15 March 2026 at 15:07, no last file, and the
// Anniversary Database built from test services alone.
class AnniversariesWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.clock.set(QDateTime(QDate(2026, 3, 15), QTime(15, 7)));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        SettingsStore(QStringLiteral("Orvik 2000\\Anniversary"))
            .writeString(QStringLiteral("Files"), QStringLiteral("LastFile"), QStringLiteral("none"));
        window = open();
        ASSERT_TRUE(window);
    }
    void TearDown() override
    {
        delete window;
        QLocale::setDefault(QLocale::c());
    }

    AnniversariesWindow* open()
    {
        auto* created = new AnniversariesWindow(t.services);
        created->show();
        return created;
    }
    void closeByPanel()
    {
        QTest::mouseClick(window->closePanel(), Qt::LeftButton, {}, QPoint(9, 10));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Day d's entry in a month's grid, and its label.
    static QModelIndex entryAt(QTableView* grid, int day, int column = 1) { return grid->model()->index(day - 1, column); }
    QString cell(int month, int day) const { return entryAt(window->grid(month), day).data().toString(); }
    // As an entry's editor hands its text over.
    void setCell(int month, int day, const QString& text)
    {
        window->grid(month)->model()->setData(entryAt(window->grid(month), day), text);
    }
    static QString headers(QTableView* grid)
    {
        return grid->model()->headerData(0, Qt::Horizontal).toString()
               + grid->model()->headerData(1, Qt::Horizontal).toString();
    }
    void typeInto(int month, int day, const QString& text)
    {
        window->showMonth(month);
        QTableView* grid = window->grid(month);
        grid->setCurrentIndex(entryAt(grid, day));
        for (QChar c : text) {
            QWidget* editor = grid->indexWidget(grid->currentIndex());
            QTest::keyClick(editor ? editor : grid, c.toLatin1());
        }
        QTest::keyClick(grid->indexWidget(grid->currentIndex()), Qt::Key_Return);
    }
    void click(AnniversariesWindow::Command command)
    {
        QTest::mouseClick(window->commandButton(command), Qt::LeftButton);
    }
    QStringList asked() const
    {
        QStringList texts;
        for (const auto& a : t.dialogs.asked) texts << a.text;
        return texts;
    }
    void expectAllEmpty()
    {
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= planner::daysInMonth(m); ++d)
                ASSERT_EQ(cell(m, d), "") << m << "/" << d;
    }

    ScopedConfigDir config;
    TestServices t;
    QTemporaryDir dir;
    QPointer<AnniversariesWindow> window;
};

TEST(AnniversariesWindowAlone, BuiltFromTheServicesItShowsItsFrameAndCaption)
{
    ScopedConfigDir config;
    TestServices t;
    t.clock.set(QDateTime(QDate(2026, 8, 10), QTime(9, 0)));
    AnniversariesWindow window(t.services);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.size(), QSize(627, 439));
    EXPECT_EQ(window.windowTitle(), "Anniversary Database");
    EXPECT_EQ(window.selectedMonth(), 8); // the clock's month
    EXPECT_TRUE(window.isSaved());
    EXPECT_EQ(window.currentFileName(), "");
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
}

// The program installs dialogs and a clock of its own; the window must ask
// only the ones it was given.
TEST(AnniversariesWindowAlone, AsksOnlyItsOwnDialogsAndClock)
{
    ScopedConfigDir config;
    TestServices t; // its dialogs and clock are the program-wide ones
    platform::ScriptedDialogs ownDialogs;
    platform::ManualClock ownClock(QDateTime(QDate(2026, 11, 2), QTime(9, 0)));
    const UtilityServices own{t.effects, t.pictures, 24, ownDialogs, ownClock, t.random};
    AnniversariesWindow window(own);
    window.show();
    EXPECT_EQ(window.selectedMonth(), 11);

    window.grid(11)->model()->setData(window.grid(11)->model()->index(4, 1), "Fireworks");
    ownDialogs.answers = {platform::No};
    window.openFile(); // not saved: asked first; then the open dialog, cancelled
    ASSERT_EQ(ownDialogs.asked.size(), 1);
    EXPECT_EQ(ownDialogs.asked[0].text, "Do you wish to save your data?");
    EXPECT_EQ(ownDialogs.fileDialogs, QStringList{"Anniversary Database"});
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
    EXPECT_TRUE(t.dialogs.fileDialogs.isEmpty());
}

TEST_F(AnniversariesWindowTest, FreshWindowLayout)
{
    EXPECT_EQ(window->childAt(window->closePanel()->geometry().center()), window->closePanel());
    const int rows[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) {
        QTableView* grid = window->grid(m);
        EXPECT_EQ(grid->size(), QSize(449, 404));
        EXPECT_EQ(grid->model()->rowCount(), rows[m - 1]);
        EXPECT_EQ(headers(grid), "DateDetails");
        EXPECT_EQ(entryAt(grid, rows[m - 1], 0).data().toString(), planner::dayLabel(rows[m - 1]));
    }
    EXPECT_EQ(window->grid(1)->columnWidth(1), 396);
    EXPECT_EQ(window->grid(1)->rowHeight(0), 18);
    const char* hints[] = {"Create New File", "Open Existing File", "Save File", "Save File As ...",
                           "Print Setup", "Print Month", "Print Year"};
    for (int c = 0; c < AnniversariesWindow::CommandCount; ++c) {
        QToolButton* button = window->commandButton(AnniversariesWindow::Command(c));
        EXPECT_EQ(button->toolTip(), hints[c]);
        EXPECT_EQ(button->accessibleName(), hints[c]);
    }

    // The grids tell assistive tools their month and their cells.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->grid(3));
    ASSERT_TRUE(table && table->tableInterface());
    EXPECT_EQ(table->text(QAccessible::Name), "March");
    EXPECT_EQ(table->tableInterface()->cellAt(2, 0)->text(QAccessible::Name), " 3rd");
}

TEST_F(AnniversariesWindowTest, TheDateHeaderFitsItsNarrowColumn)
{
    // The header's "Date" is drawn whole inside the 30-pixel day column: its
    // last dark pixel stands clear of the column's right edge.
    QHeaderView* header = window->grid(1)->horizontalHeader();
    const QImage drawn = header->grab().toImage();
    const int column = window->grid(1)->columnWidth(0);
    int rightmostInk = -1;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < column - 1; ++x)
            if (qGray(drawn.pixel(x, y)) < 64)
                rightmostInk = std::max(rightmostInk, x);
    EXPECT_GT(rightmostInk, 10);
    EXPECT_LT(rightmostInk, column - 2);
}

TEST_F(AnniversariesWindowTest, MonthButtonsSelectAndColour)
{
    const auto colourOf = [&](int m) {
        return window->findChild<Panel*>(QStringLiteral("monthHighlight%1").arg(m))->colour();
    };
    auto* page = window->findChild<QStackedWidget*>(QStringLiteral("monthPages"));
    EXPECT_EQ(window->selectedMonth(), 3); // the clock's month
    EXPECT_EQ(page->currentIndex(), 2);
    EXPECT_EQ(colourOf(3), QColor(Qt::red));

    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("monthButton12")), Qt::LeftButton);
    EXPECT_EQ(window->selectedMonth(), 12);
    EXPECT_EQ(page->currentIndex(), 11);
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(colourOf(m), m == 12 ? QColor(Qt::red) : QColor(192, 192, 255)) << m;
    EXPECT_TRUE(window->isSaved());
}

TEST_F(AnniversariesWindowTest, TypedKeysEditInPlaceAndClearSaved)
{
    QTableView* grid = window->grid(3);
    grid->setCurrentIndex(entryAt(grid, 1));
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_PageDown);
    EXPECT_TRUE(window->isSaved()); // moving about is no edit

    typeInto(3, 15, "Party");
    EXPECT_EQ(cell(3, 15), "Party");
    EXPECT_EQ(window->planner().entry(3, 15), "Party");
    EXPECT_FALSE(window->isSaved());

    // Any typed key counts, even one that changes nothing.
    t.dialogs.answers << platform::No;
    window->newYear();
    t.dialogs.asked.clear();
    ASSERT_TRUE(window->isSaved());
    grid->setCurrentIndex(entryAt(grid, 5));
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_FALSE(window->isSaved());
}

TEST_F(AnniversariesWindowTest, AnEntryStillBeingTypedIsHeldAndSaved)
{
    window->showMonth(5);
    QTableView* grid = window->grid(5);
    grid->setCurrentIndex(entryAt(grid, 10));
    QTest::keyClick(grid, 'B');
    QWidget* editor = grid->indexWidget(grid->currentIndex());
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, "irthday");
    // Every keystroke reaches the planner, not only the end of the edit.
    EXPECT_EQ(window->planner().entry(5, 10), "Birthday");
    EXPECT_FALSE(window->isSaved());

    const QString path = dir.filePath("may.adb");
    t.dialogs.fileNames << path;
    window->save(); // ends the edit, then asks for a name
    EXPECT_EQ(grid->indexWidget(grid->currentIndex()), nullptr);
    EXPECT_TRUE(window->isSaved());
    const QList<QByteArray> lines = readAll(path).split('\n');
    ASSERT_EQ(lines.size(), 367);
    EXPECT_EQ(lines[planner::dayIndex(5, 10)], "Birthday\r");
}

TEST_F(AnniversariesWindowTest, SaveAsWritesTheYearAndRecordsLastFile)
{
    setCell(2, 29, "Leap day");
    setCell(3, 1, "March 1");
    ASSERT_FALSE(window->isSaved());
    t.dialogs.fileNames << dir.filePath("family"); // the extension is added
    click(Command::SaveCommand); // Save with no name runs Save As
    const QString path = dir.filePath("family.adb");
    EXPECT_EQ(t.dialogs.fileDialogs, QStringList{"Anniversary Database"});
    EXPECT_TRUE(window->isSaved());
    EXPECT_EQ(window->currentFileName(), path);
    EXPECT_EQ(lastFile(), path);

    const QList<QByteArray> lines = readAll(path).split('\n');
    ASSERT_EQ(lines.size(), 367);
    EXPECT_EQ(lines[59], "Leap day\r");
    EXPECT_EQ(lines[60], "March 1\r");

    // Save As to a bare name whose .adb exists asks before replacing it.
    t.dialogs.fileNames << dir.filePath("family");
    t.dialogs.answers << platform::No;
    setCell(1, 1, "changed");
    click(Command::SaveAsCommand);
    EXPECT_EQ(asked(), QStringList{path + " already exists.\nDo you want to replace it?"});
    EXPECT_FALSE(window->isSaved());
    EXPECT_FALSE(readAll(path).startsWith("changed"));
}

TEST_F(AnniversariesWindowTest, NewAsksEmptiesEveryDayAndKeepsHeaders)
{
    t.dialogs.fileNames << dir.filePath("a.adb");
    window->saveAs();
    for (int m = 1; m <= 12; ++m)
        setCell(m, planner::daysInMonth(m), QStringLiteral("last of %1").arg(m));
    t.dialogs.answers << platform::No;
    click(Command::NewCommand);
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, "Do you wish to save your data?");
    EXPECT_EQ(t.dialogs.asked[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(t.dialogs.asked[0].buttons, platform::Yes | platform::No);
    expectAllEmpty();
    EXPECT_EQ(headers(window->grid(12)), "DateDetails");
    EXPECT_TRUE(window->isSaved());
    EXPECT_EQ(window->currentFileName(), "");
    EXPECT_EQ(window->grid(1)->toolTip(), dir.filePath("a.adb")); // the hint stays

    click(Command::NewCommand); // saved: no question
    EXPECT_EQ(t.dialogs.asked.size(), 1);
    setCell(1, 1, "x");
    t.dialogs.answers << platform::No;
    QSignalSpy released(window.data(), &ToolWindow::released);
    closeByPanel(); // No lets the work and the window go
    EXPECT_EQ(released.count(), 1);
    EXPECT_FALSE(window);
    EXPECT_EQ(t.dialogs.asked.size(), 2);
}

TEST_F(AnniversariesWindowTest, OpenReadsShortFilesAndOnlySaveRecordsLastFile)
{
    const QString path = dir.filePath("ten.adb");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int i = 1; i <= 10; ++i)
        file.write(QByteArray("day ") + QByteArray::number(i) + "\r\n");
    file.close();

    t.dialogs.fileNames << path;
    click(Command::OpenCommand);
    EXPECT_EQ(cell(1, 1), "day 1");
    EXPECT_EQ(cell(1, 10), "day 10");
    EXPECT_EQ(cell(1, 11), "");
    EXPECT_TRUE(window->isSaved());
    EXPECT_EQ(window->currentFileName(), path);
    EXPECT_EQ(window->grid(5)->toolTip(), path);
    EXPECT_EQ(lastFile(), "none");

    closeByPanel();
    EXPECT_FALSE(window);
    window = open();
    expectAllEmpty();
    EXPECT_EQ(window->currentFileName(), "");

    t.dialogs.fileNames << path;
    window->openFile();
    window->save();
    EXPECT_EQ(lastFile(), path);
    EXPECT_EQ(readAll(path).count('\n'), 366);
    closeByPanel();
    window = open();
    EXPECT_EQ(cell(1, 10), "day 10");
    EXPECT_TRUE(window->isSaved());
    EXPECT_EQ(window->currentFileName(), path);
    EXPECT_EQ(window->grid(12)->toolTip(), path);

    // A last file that went away opens nothing, silently.
    closeByPanel();
    QFile::remove(path);
    window = open();
    expectAllEmpty();
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
}

TEST_F(AnniversariesWindowTest, OpenFailureTellsAndEmptiesWithoutTouchingTheOldFile)
{
    const QString good = dir.filePath("good.adb");
    setCell(4, 1, "Fools");
    t.dialogs.fileNames << good;
    window->saveAs();
    const QByteArray before = readAll(good);

    setCell(4, 2, "unsaved");
    t.dialogs.answers << platform::No;
    t.dialogs.fileNames << dir.filePath("missing.adb");
    click(Command::OpenCommand);
    EXPECT_EQ(asked(), (QStringList{"Do you wish to save your data?",
                                    "File Corrupted or not a valid .ANB format file"}));
    expectAllEmpty();
    EXPECT_TRUE(window->isSaved());
    // A Save now must not put the emptied year over good.adb.
    EXPECT_EQ(window->currentFileName(), "");
    setCell(5, 5, "x");
    window->save(); // asks for a name, and is cancelled
    EXPECT_EQ(readAll(good), before);
}

TEST_F(AnniversariesWindowTest, FailedSaveReportsKeepsTheWorkAndTheWindow)
{
    setCell(6, 1, "Precious");
    t.dialogs.fileNames << dir.filePath("no/such/folder/x.adb");
    window->saveAs();
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text,
              "Could not Save.  \rPossible Causes :- Disk Full, Unformatted, CD-ROM, Write Protected or Corrupted");
    EXPECT_EQ(t.dialogs.asked[0].kind, MessageKind::Information);
    EXPECT_FALSE(window->isSaved());
    EXPECT_EQ(window->currentFileName(), "");
    EXPECT_EQ(cell(6, 1), "Precious");
    EXPECT_EQ(lastFile(), "none");

    // New, Open and closing after a wanted save that failed throw nothing away.
    QSignalSpy released(window.data(), &ToolWindow::released);
    t.dialogs.asked.clear();
    t.dialogs.answers << platform::Yes << platform::Ok;
    t.dialogs.fileNames << dir.filePath("no/such/x.adb");
    window->newYear();
    EXPECT_EQ(cell(6, 1), "Precious");
    t.dialogs.answers << platform::Yes << platform::Ok;
    t.dialogs.fileNames << dir.filePath("no/such/x.adb");
    closeByPanel();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(released.count(), 0);
    t.dialogs.answers << platform::Yes;
    window->close(); // Alt+F4, and the Save As is cancelled
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(window);
    EXPECT_EQ(asked().count("Do you wish to save your data?"), 3);

    // Yes and a save that works: written, then gone.
    t.dialogs.answers << platform::Yes;
    t.dialogs.fileNames << dir.filePath("kept.adb");
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(released.count(), 1);
    EXPECT_FALSE(window);
    EXPECT_TRUE(readAll(dir.filePath("kept.adb")).contains("Precious"));
}

TEST_F(AnniversariesWindowTest, PrintMonthAndYear)
{
    const QString pdf = dir.filePath("list.pdf");
    platform::ScopedPdfPrinting printing(pdf);
    setCell(1, 2, "Second of January");
    setCell(3, 21, "Spring");
    setCell(3, 3, "Third");

    click(Command::PrintMonthCommand); // March, the selected month
    QString text = pdf::text(pdf);
    EXPECT_TRUE(text.contains("* Anniversary List *"));
    EXPECT_TRUE(text.contains("Date : Sunday 15 March 2026"));
    EXPECT_TRUE(text.contains("Time : 03:07 PM"));
    EXPECT_LT(text.indexOf("March\n"), text.indexOf("3rd"));
    EXPECT_LT(text.indexOf("3rd"), text.indexOf("21st"));
    EXPECT_TRUE(text.contains(QRegularExpression("21st\\s+Spring")));
    EXPECT_FALSE(text.contains("January"));

    click(Command::PrintYearCommand);
    text = pdf::text(pdf);
    EXPECT_TRUE(text.contains(QRegularExpression(" 2nd\\s+Second of January")));
    EXPECT_LT(text.indexOf("January"), text.indexOf("March\n"));

    window->showMonth(2); // no entries: the heading lines only
    click(Command::PrintMonthCommand);
    QStringList printed;
    for (const QString& line : pdf::text(pdf).split('\n'))
        if (!line.trimmed().isEmpty())
            printed << line.trimmed();
    EXPECT_EQ(printed, (QStringList{"* Anniversary List *", "Date : Sunday 15 March 2026",
                                    "Time : 03:07 PM"}));

    EXPECT_TRUE(pdf::info(pdf, "Page size").startsWith("595 x 842")) << pdf::info(pdf, "Page size").toStdString();

    QFile::remove(pdf);
    printing.pdf.acceptDialogs = false;
    click(Command::PrintYearCommand);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
}

TEST_F(AnniversariesWindowTest, PrintingProblemsAreToldInItsOwnWords)
{
    NoPrinters none;
    platform::Printing::install(&none);
    click(Command::PrintYearCommand);
    click(Command::PrintSetupCommand);
    platform::ScopedPdfPrinting unwritable(dir.filePath("no/such/folder/list.pdf"));
    click(Command::PrintMonthCommand);
    EXPECT_EQ(asked(), (QStringList{platform::Printing::noPrinterText(), platform::Printing::noPrinterText(),
                                    "The anniversary list could not be printed."}));
    EXPECT_EQ(t.dialogs.asked[2].kind, MessageKind::Information);
}

// The command pictures are drawn once for the program: a window opened again
// shows the very same icons, so Qt's icon cache finds them under the names
// it has already, instead of keeping new ones at every opening.
TEST_F(AnniversariesWindowTest, OpenedAgainItShowsTheSameCommandIcons)
{
    std::array<qint64, AnniversariesWindow::CommandCount> icons{};
    for (int c = 0; c < AnniversariesWindow::CommandCount; ++c) {
        const QIcon icon = window->commandButton(AnniversariesWindow::Command(c))->icon();
        ASSERT_FALSE(icon.pixmap(QSize(28, 28)).isNull());
        icons[size_t(c)] = icon.cacheKey();
    }
    // Each command has a picture of its own.
    EXPECT_NE(window->commandButton(AnniversariesWindow::NewCommand)->icon().pixmap(QSize(28, 28)).toImage(),
              window->commandButton(AnniversariesWindow::SaveCommand)->icon().pixmap(QSize(28, 28)).toImage());
    delete window;
    window = open();
    ASSERT_TRUE(window);
    for (int c = 0; c < AnniversariesWindow::CommandCount; ++c)
        EXPECT_EQ(window->commandButton(AnniversariesWindow::Command(c))->icon().cacheKey(), icons[size_t(c)]) << c;
}

} // namespace
