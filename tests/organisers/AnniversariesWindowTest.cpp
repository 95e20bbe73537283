#include "organisers/AnniversariesWindow.h"

#include "../app/LauncherFixture.h"
#include "app/Panel.h"
#include "common/SettingsStore.h"
#include "platform/Clock.h"
#include "platform/Printing.h"

#include <QAccessible>
#include <QFile>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

using platform::MessageKind;

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

QString pdfText(const QString& path)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    text.waitForFinished(20000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

// No printer installed at all.
class NoPrinters : public platform::Printing {
public:
    std::unique_ptr<QPrinter> currentPrinter() override { return nullptr; }
};

// The launcher, a clock on Sunday 15 March 2026 at 15:07, and the
// Anniversary Database opened from the menu with no last file.
class AnniversariesWindowTest : public LauncherTest {
protected:
    void SetUp() override
    {
        LauncherTest::SetUp();
        platform::Clock::install(&clock);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        menu->setFactory(AnniversariesWindow::MenuEntry, [](QWidget* owner) { return new AnniversariesWindow(owner); });
        SettingsStore(QStringLiteral("Orvik 2000\\Anniversary"))
            .writeString(QStringLiteral("Files"), QStringLiteral("LastFile"), QStringLiteral("none"));
        window = open();
        ASSERT_TRUE(window);
    }
    void TearDown() override
    {
        platform::Clock::install(nullptr);
        QLocale::setDefault(QLocale::c());
        LauncherTest::TearDown();
    }

    AnniversariesWindow* open()
    {
        menu->openEntry(AnniversariesWindow::MenuEntry);
        return qobject_cast<AnniversariesWindow*>(menu->window(AnniversariesWindow::MenuEntry));
    }
    void closeByPanel()
    {
        QTest::mouseClick(window->closePanel(), Qt::LeftButton, {}, QPoint(9, 10));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString cell(int month, int day) const { return window->grid(month)->item(day - 1, 1)->text(); }
    void setCell(int month, int day, const QString& text) { window->grid(month)->item(day - 1, 1)->setText(text); }
    void typeInto(int month, int day, const QString& text)
    {
        window->Month01Click(month);
        QTableWidget* grid = window->grid(month);
        grid->setCurrentCell(day - 1, 1);
        for (QChar c : text) {
            QWidget* editor = grid->indexWidget(grid->currentIndex());
            QTest::keyClick(editor ? editor : grid, c.toLatin1());
        }
        QTest::keyClick(grid->indexWidget(grid->currentIndex()), Qt::Key_Return);
    }
    void click(int speedButton)
    {
        QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(speedButton)),
                          Qt::LeftButton);
    }
    QStringList asked() const
    {
        QStringList texts;
        for (const auto& a : dialogs.scripted.asked) texts << a.text;
        return texts;
    }
    void expectAllEmpty()
    {
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= planner::daysInMonth(m); ++d)
                ASSERT_EQ(cell(m, d), "") << m << "/" << d;
    }

    platform::ManualClock clock{QDateTime(QDate(2026, 3, 15), QTime(15, 7))};
    QTemporaryDir dir;
    QPointer<AnniversariesWindow> window;
};

TEST_F(AnniversariesWindowTest, FreshWindowLayout)
{
    EXPECT_EQ(window->size(), QSize(627, 439));
    EXPECT_EQ(window->closePanel()->objectName(), "Panel23");
    EXPECT_EQ(window->childAt(window->closePanel()->geometry().center()), window->closePanel());
    const int rows[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) {
        QTableWidget* grid = window->grid(m);
        EXPECT_EQ(grid->objectName(), m == 1 ? QString("GR1") : QStringLiteral("Gr%1").arg(m));
        EXPECT_EQ(grid->size(), QSize(449, 404));
        EXPECT_EQ(grid->rowCount(), rows[m - 1]);
        EXPECT_EQ(grid->horizontalHeaderItem(0)->text() + grid->horizontalHeaderItem(1)->text(), "DateDetails");
        EXPECT_EQ(grid->item(rows[m - 1] - 1, 0)->text(), planner::dayLabel(rows[m - 1]));
    }
    EXPECT_EQ(window->grid(1)->columnWidth(1), 396);
    EXPECT_EQ(window->grid(1)->rowHeight(0), 18);
    const char* hints[] = {"Create New File", "Open Existing File", "Save File", "Save File As ...",
                           "Print Setup", "Print Month", "Print Year"};
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(window->findChild<QToolButton*>(QStringLiteral("SpeedButton%1").arg(i))->toolTip(), hints[i - 1]);

    // The grids tell assistive tools their month and their cells.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->grid(3));
    ASSERT_TRUE(table && table->tableInterface());
    EXPECT_EQ(table->text(QAccessible::Name), "March");
    EXPECT_EQ(table->tableInterface()->cellAt(2, 0)->text(QAccessible::Name), " 3rd");
}

TEST_F(AnniversariesWindowTest, MonthButtonsSelectAndColour)
{
    const auto colourOf = [&](int m) {
        return window->findChild<Panel*>(QStringLiteral("Highlight%1").arg(m, 2, 10, QChar('0')))->colour();
    };
    auto* page = window->findChild<QStackedWidget*>(QStringLiteral("Page"));
    EXPECT_EQ(window->selectedMonth(), 3); // the clock's month
    EXPECT_EQ(page->currentIndex(), 2);
    EXPECT_EQ(colourOf(3), QColor(Qt::red));

    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Month12")), Qt::LeftButton);
    EXPECT_EQ(window->selectedMonth(), 12);
    EXPECT_EQ(page->currentIndex(), 11);
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(colourOf(m), m == 12 ? QColor(Qt::red) : QColor(192, 192, 255)) << m;
    EXPECT_TRUE(window->isSaved());
}

TEST_F(AnniversariesWindowTest, TypedKeysEditInPlaceAndClearSaved)
{
    QTableWidget* grid = window->grid(3);
    grid->setCurrentCell(0, 1);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_PageDown);
    EXPECT_TRUE(window->isSaved()); // moving about is no edit

    typeInto(3, 15, "Party");
    EXPECT_EQ(cell(3, 15), "Party");
    EXPECT_EQ(window->planner().entry(3, 15), "Party");
    EXPECT_FALSE(window->isSaved());

    // Any typed key counts, even one that changes nothing.
    dialogs.scripted.answers << platform::No;
    window->ClearData1Click();
    dialogs.scripted.asked.clear();
    ASSERT_TRUE(window->isSaved());
    grid->setCurrentCell(4, 1);
    QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_FALSE(window->isSaved());
}

TEST_F(AnniversariesWindowTest, SaveAsWritesTheYearAndRecordsLastFile)
{
    setCell(2, 29, "Leap day");
    setCell(3, 1, "March 1");
    ASSERT_FALSE(window->isSaved());
    dialogs.scripted.fileNames << dir.filePath("family"); // the extension is added
    click(3); // Save with no name runs Save As
    const QString path = dir.filePath("family.adb");
    EXPECT_EQ(dialogs.scripted.fileDialogs, QStringList{"Anniversary Database"});
    EXPECT_TRUE(window->isSaved());
    EXPECT_EQ(window->currentFileName(), path);
    EXPECT_EQ(lastFile(), path);

    const QList<QByteArray> lines = readAll(path).split('\n');
    ASSERT_EQ(lines.size(), 367);
    EXPECT_EQ(lines[59], "Leap day\r");
    EXPECT_EQ(lines[60], "March 1\r");

    // Save As to a bare name whose .adb exists asks before replacing it.
    dialogs.scripted.fileNames << dir.filePath("family");
    dialogs.scripted.answers << platform::No;
    setCell(1, 1, "changed");
    click(4);
    EXPECT_EQ(asked(), QStringList{path + " already exists.\nDo you want to replace it?"});
    EXPECT_FALSE(window->isSaved());
    EXPECT_FALSE(readAll(path).startsWith("changed"));
}

TEST_F(AnniversariesWindowTest, NewAsksEmptiesEveryDayAndKeepsHeaders)
{
    dialogs.scripted.fileNames << dir.filePath("a.adb");
    window->SaveDataAs1Click();
    for (int m = 1; m <= 12; ++m)
        setCell(m, planner::daysInMonth(m), QStringLiteral("last of %1").arg(m));
    dialogs.scripted.answers << platform::No;
    click(1);
    ASSERT_EQ(dialogs.scripted.asked.size(), 1);
    EXPECT_EQ(dialogs.scripted.asked[0].text, "Do you wish to save your data?");
    EXPECT_EQ(dialogs.scripted.asked[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(dialogs.scripted.asked[0].buttons, platform::Yes | platform::No);
    expectAllEmpty();
    EXPECT_EQ(window->grid(12)->horizontalHeaderItem(0)->text() + window->grid(12)->horizontalHeaderItem(1)->text(),
              "DateDetails");
    EXPECT_TRUE(window->isSaved());
    EXPECT_EQ(window->currentFileName(), "");
    EXPECT_EQ(window->grid(1)->toolTip(), dir.filePath("a.adb")); // the hint stays

    click(1); // saved: no question
    EXPECT_EQ(dialogs.scripted.asked.size(), 1);
    setCell(1, 1, "x");
    dialogs.scripted.answers << platform::No;
    closeByPanel(); // No lets the work and the window go
    EXPECT_FALSE(window);
    EXPECT_FALSE(menu->windowOpen(AnniversariesWindow::MenuEntry));
    EXPECT_EQ(dialogs.scripted.asked.size(), 2);
}

TEST_F(AnniversariesWindowTest, OpenReadsShortFilesAndOnlySaveRecordsLastFile)
{
    const QString path = dir.filePath("ten.adb");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (int i = 1; i <= 10; ++i)
        file.write(QByteArray("day ") + QByteArray::number(i) + "\r\n");
    file.close();

    dialogs.scripted.fileNames << path;
    click(2);
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

    dialogs.scripted.fileNames << path;
    window->OpenData1Click();
    window->SaveData1Click();
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
    EXPECT_TRUE(dialogs.scripted.asked.isEmpty());
}

TEST_F(AnniversariesWindowTest, OpenFailureTellsAndEmptiesWithoutTouchingTheOldFile)
{
    const QString good = dir.filePath("good.adb");
    setCell(4, 1, "Fools");
    dialogs.scripted.fileNames << good;
    window->SaveDataAs1Click();
    const QByteArray before = readAll(good);

    setCell(4, 2, "unsaved");
    dialogs.scripted.answers << platform::No;
    dialogs.scripted.fileNames << dir.filePath("missing.adb");
    click(2);
    EXPECT_EQ(asked(), (QStringList{"Do you wish to save your data?",
                                    "File Corrupted or not a valid .ANB format file"}));
    expectAllEmpty();
    EXPECT_TRUE(window->isSaved());
    // A Save now must not put the emptied year over good.adb.
    EXPECT_EQ(window->currentFileName(), "");
    setCell(5, 5, "x");
    window->SaveData1Click(); // asks for a name, and is cancelled
    EXPECT_EQ(readAll(good), before);
}

TEST_F(AnniversariesWindowTest, FailedSaveReportsKeepsTheWorkAndTheWindow)
{
    setCell(6, 1, "Precious");
    dialogs.scripted.fileNames << dir.filePath("no/such/folder/x.adb");
    window->SaveDataAs1Click();
    ASSERT_EQ(dialogs.scripted.asked.size(), 1);
    EXPECT_EQ(dialogs.scripted.asked[0].text,
              "Could not Save.  \rPossible Causes :- Disk Full, Unformatted, CD-ROM, Write Protected or Corrupted");
    EXPECT_EQ(dialogs.scripted.asked[0].kind, MessageKind::Information);
    EXPECT_FALSE(window->isSaved());
    EXPECT_EQ(window->currentFileName(), "");
    EXPECT_EQ(cell(6, 1), "Precious");
    EXPECT_EQ(lastFile(), "none");

    // New, Open and closing after a wanted save that failed throw nothing away.
    dialogs.scripted.asked.clear();
    dialogs.scripted.answers << platform::Yes << platform::Ok;
    dialogs.scripted.fileNames << dir.filePath("no/such/x.adb");
    window->ClearData1Click();
    EXPECT_EQ(cell(6, 1), "Precious");
    dialogs.scripted.answers << platform::Yes << platform::Ok;
    dialogs.scripted.fileNames << dir.filePath("no/such/x.adb");
    closeByPanel();
    ASSERT_TRUE(window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(menu->windowOpen(AnniversariesWindow::MenuEntry));
    dialogs.scripted.answers << platform::Yes;
    window->close(); // Alt+F4, and the Save As is cancelled
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(window);
    EXPECT_EQ(asked().count("Do you wish to save your data?"), 3);

    // Yes and a save that works: written, then gone.
    dialogs.scripted.answers << platform::Yes;
    dialogs.scripted.fileNames << dir.filePath("kept.adb");
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
    EXPECT_FALSE(menu->windowOpen(AnniversariesWindow::MenuEntry));
    EXPECT_TRUE(readAll(dir.filePath("kept.adb")).contains("Precious"));
}

TEST_F(AnniversariesWindowTest, PrintMonthAndYear)
{
    const QString pdf = dir.filePath("list.pdf");
    platform::ScopedPdfPrinting printing(pdf);
    setCell(1, 2, "Second of January");
    setCell(3, 21, "Spring");
    setCell(3, 3, "Third");

    click(6); // March, the selected month
    QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("* Anniversary List *"));
    EXPECT_TRUE(text.contains("Date : Sunday 15 March 2026"));
    EXPECT_TRUE(text.contains("Time : 03:07 PM"));
    EXPECT_LT(text.indexOf("March\n"), text.indexOf("3rd"));
    EXPECT_LT(text.indexOf("3rd"), text.indexOf("21st"));
    EXPECT_TRUE(text.contains(QRegularExpression("21st\\s+Spring")));
    EXPECT_FALSE(text.contains("January"));

    click(7);
    text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QRegularExpression(" 2nd\\s+Second of January")));
    EXPECT_LT(text.indexOf("January"), text.indexOf("March\n"));

    window->Month01Click(2); // no entries: the heading lines only
    click(6);
    QStringList printed;
    for (const QString& line : pdfText(pdf).split('\n'))
        if (!line.trimmed().isEmpty())
            printed << line.trimmed();
    EXPECT_EQ(printed, (QStringList{"* Anniversary List *", "Date : Sunday 15 March 2026",
                                    "Time : 03:07 PM"}));

    QFile::remove(pdf);
    printing.pdf.acceptDialogs = false;
    click(7);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(dialogs.scripted.asked.isEmpty());
}

TEST_F(AnniversariesWindowTest, NoPrinterIsToldPlainly)
{
    NoPrinters none;
    platform::Printing::install(&none);
    click(7);
    click(5);
    platform::Printing::install(nullptr);
    EXPECT_EQ(asked(), (QStringList{platform::Printing::noPrinterText(), platform::Printing::noPrinterText()}));
}

} // namespace
