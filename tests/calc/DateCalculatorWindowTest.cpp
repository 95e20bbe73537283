#include "calc/DateCalculatorWindow.h"

#include "../app/LauncherFixture.h"
#include "app/Panel.h"
#include "calc/DateGrid.h"
#include "platform/Clock.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

const char* const Months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "June",
                                "July", "Aug", "Sep", "Oct", "Nov", "Dec"};

class DateCalcWindowTest : public LauncherTest {
protected:
    void SetUp() override
    {
        platform::Clock::install(&clock);
        LauncherTest::SetUp();
    }
    void TearDown() override
    {
        delete window.data();
        LauncherTest::TearDown();
        platform::Clock::install(nullptr);
    }

    void open()
    {
        menu->openEntry(DateCalculatorWindow::MenuEntry);
        window = qobject_cast<DateCalculatorWindow*>(menu->window(DateCalculatorWindow::MenuEntry));
        ASSERT_TRUE(window);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    void openOn(QDate today)
    {
        clock.set(QDateTime(today, QTime(9, 0)));
        open();
    }

    template <typename T> T* child(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_TRUE(found) << name.toStdString();
        return found;
    }
    DateGrid* calendar(int which) const { return child<DateGrid>(which ? "Calendar2" : "Calendar1"); }
    QLineEdit* yearBox(int which) const { return child<QLineEdit>(which ? "YearSpin2" : "YearSpin1"); }
    QLineEdit* yearValue(int which) const { return child<QLineEdit>(which ? "YearValB" : "YearValA"); }
    Panel* month(int which, int n) const { return child<Panel>(QStringLiteral("M%1%2").arg(n).arg(which ? 'B' : 'A')); }
    QDate date(int which) const
    {
        const DateGrid* c = calendar(which);
        return QDate(c->year(), c->month(), c->day());
    }

    void showPage(int which) { child<QTabWidget>("DateFrom")->setCurrentIndex(which); }
    void clickMonth(int which, int n)
    {
        showPage(which);
        QTest::mouseClick(month(which, n), Qt::LeftButton);
    }
    void clickDay(int which, int day)
    {
        showPage(which);
        DateGrid* c = calendar(which);
        QTest::mouseClick(c, Qt::LeftButton, {}, c->dayRect(day).center());
    }
    void typeYear(int which, const QString& year)
    {
        showPage(which);
        // Clear first: the key filter judges the whole box, not the selection.
        yearBox(which)->selectAll();
        QTest::keyClick(yearBox(which), Qt::Key_Backspace);
        QTest::keyClicks(yearBox(which), year);
    }
    void click(const char* name) { QTest::mouseClick(child<QAbstractButton>(name), Qt::LeftButton); }
    // Sets a date through the controls as a user would.
    void setDate(int which, QDate d)
    {
        typeYear(which, QString::number(d.year()));
        clickMonth(which, d.month());
        clickDay(which, d.day());
        ASSERT_EQ(date(which), d);
    }

    // The digit picture a cell shows, by the name of the hidden image it came from.
    QString shows(const QString& cell) const
    {
        const QImage shown = child<QLabel>(cell)->pixmap().toImage();
        QStringList names{"YB", "FB"};
        for (int d = 0; d <= 9; ++d)
            names << QStringLiteral("Y%1").arg(d) << QStringLiteral("F%1").arg(d);
        for (int d = 0; d <= 6; ++d)
            names << QStringLiteral("R%1").arg(d);
        for (const QString& name : names)
            if (window->findChild<QLabel*>(name)->pixmap().toImage() == shown)
                return name;
        return QStringLiteral("?");
    }
    QString display() const
    {
        QStringList cells;
        for (int i = 1; i <= 7; ++i)
            cells << shows(QStringLiteral("D%1").arg(i));
        for (int i = 1; i <= 7; ++i)
            cells << shows(QStringLiteral("W%1").arg(i));
        return cells.join(' ');
    }
    QString spoken() const
    {
        return child<QWidget>("DayPanel")->accessibleName() + " / " + child<QWidget>("WeekPanel")->accessibleName();
    }

    platform::ManualClock clock{QDateTime(QDate(2000, 1, 15), QTime(9, 0))};
    QPointer<DateCalculatorWindow> window;
};

const QString Zero = "YB YB YB YB YB YB Y0 FB FB FB FB FB F0 R0";

} // namespace

TEST_F(DateCalcWindowTest, OpensWithTodayOnBothTabsAndAZeroSpan)
{
    open();
    EXPECT_TRUE(menu->windowOpen(DateCalculatorWindow::MenuEntry));
    EXPECT_EQ(window->size(), QSize(618, 398));
    EXPECT_EQ(window->windowTitle(), "Date Calculator");
    EXPECT_EQ(window->closePanel()->objectName(), "Panel1");
    auto* tabs = child<QTabWidget>("DateFrom");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(0), "Date From");
    EXPECT_EQ(tabs->tabText(1), "Date To");
    EXPECT_EQ(child<QPushButton>("SetDate1")->text(), "Set to current date");
    EXPECT_EQ(child<QPushButton>("SetTodaysDate2")->text(), "Set to current date");
    EXPECT_EQ(child<QLabel>("Label2")->text(), "Days");
    EXPECT_EQ(child<QLabel>("Label1")->text(), "              Weeks            Days");
    for (int which = 0; which < 2; ++which) {
        EXPECT_EQ(date(which), QDate(2000, 1, 15));
        EXPECT_EQ(yearBox(which)->text(), "2000");
        EXPECT_EQ(yearValue(which)->text(), "2000");
        EXPECT_FALSE(yearValue(which)->isVisibleTo(window));
        EXPECT_EQ(window->monthTag(which), 1);
        for (int n = 1; n <= 12; ++n) {
            EXPECT_EQ(month(which, n)->caption(), Months[n - 1]);
            EXPECT_EQ(month(which, n)->colour(), n == 1 ? QColor(0, 0, 128) : QColor(192, 192, 192));
        }
    }
    EXPECT_EQ(display(), Zero);
    EXPECT_EQ(spoken(), "0 days / 0 weeks 0 days");
    EXPECT_EQ(window->helpText(),
              "Date Calculator\r\n\r\n"
              "This utility allows you to calculate the number of weeks / days between any two given dates.  "
              "Use it to find out how long it is\r\n"
              "until payday, christmas or even the millenium!  \r\n\r\n"
              "Simply click on the \"Date From\" tab and select Date, Month and Year.  Next click on the "
              "\"Date To\" tab and select the 2nd \r\n"
              "date, month and year.  The number of days, and weeks/days will automatically be displayed at "
              "the bottom of the screen.  \r\n\r\n"
              "On either tab, use \"Set to current date\" to quickly return.  \r\n");
    // The strip must not bury the corner panels.
    EXPECT_EQ(window->childAt(window->helpPanel()->geometry().center()), window->helpPanel());
    EXPECT_EQ(window->childAt(window->closePanel()->geometry().center()), window->closePanel());
    QTest::mouseClick(window->closePanel(), Qt::LeftButton);
    EXPECT_FALSE(menu->windowOpen(DateCalculatorWindow::MenuEntry));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
}

TEST_F(DateCalcWindowTest, LeapYearSpanEitherWayRound)
{
    open();
    setDate(0, QDate(2000, 1, 1));
    setDate(1, QDate(2000, 3, 1));
    EXPECT_EQ(display(), "YB YB YB YB YB Y6 Y0 FB FB FB FB FB F8 R4");
    EXPECT_EQ(spoken(), "60 days / 8 weeks 4 days");
    setDate(0, QDate(2000, 3, 1));
    setDate(1, QDate(2000, 1, 1));
    EXPECT_EQ(display(), "YB YB YB YB YB Y6 Y0 FB FB FB FB FB F8 R4");
    setDate(1, QDate(2000, 3, 2));
    EXPECT_EQ(spoken(), "1 day / 0 weeks 1 day");
}

TEST_F(DateCalcWindowTest, LargestSpan)
{
    open();
    setDate(0, QDate(1, 1, 1));
    setDate(1, QDate(7999, 12, 31));
    EXPECT_EQ(display(), "Y2 Y9 Y2 Y1 Y5 Y7 Y3 F4 F1 F7 F3 F6 F7 R4");
    EXPECT_EQ(spoken(), "2921573 days / 417367 weeks 4 days");
}

TEST_F(DateCalcWindowTest, ClickRecomputesThenTheDayMovesAndRecomputesAgain)
{
    open();
    DateGrid* c = calendar(0);
    QStringList order;
    QObject::connect(c, &DateGrid::clicked, [&] { order << QStringLiteral("click %1").arg(c->day()); });
    QObject::connect(c, &DateGrid::changed, [&] { order << QStringLiteral("change %1").arg(c->day()); });
    clickDay(0, 20);
    clickDay(0, 20); // same day: no change
    QTest::mouseClick(c, Qt::LeftButton, {}, c->cellRect(0, 3).center()); // day names
    EXPECT_EQ(order, QStringList({"click 15", "change 20", "click 20", "click 20"}));
    EXPECT_EQ(spoken(), "5 days / 0 weeks 5 days");
}

TEST_F(DateCalcWindowTest, DaysAbove28MoveToTheFirstOnMonthAndYearChanges)
{
    open();
    for (int which = 0; which < 2; ++which) {
        clickDay(which, 30);
        clickMonth(which, 2);
        EXPECT_EQ(date(which), QDate(2000, 2, 1));
        EXPECT_EQ(window->monthTag(which), 2);
        EXPECT_EQ(month(which, 2)->colour(), QColor(0, 0, 128));
        EXPECT_EQ(month(which, 1)->colour(), QColor(192, 192, 192));
        clickDay(which, 29);
        typeYear(which, "2001");
        EXPECT_EQ(date(which), QDate(2001, 2, 1));
        clickDay(which, 28);
        clickMonth(which, 3); // 28 is kept
        EXPECT_EQ(date(which), QDate(2001, 3, 28));
        clickDay(which, 31);
        clickMonth(which, 3); // even the month shown resets a late day
        EXPECT_EQ(date(which), QDate(2001, 3, 1));
    }
}

TEST_F(DateCalcWindowTest, OpeningOnTheThirtiethStartsBothDatesOnTheFirst)
{
    openOn(QDate(2026, 12, 30));
    EXPECT_EQ(date(0), QDate(2026, 12, 1));
    EXPECT_EQ(date(1), QDate(2026, 12, 1));
    EXPECT_EQ(display(), Zero);
}

TEST_F(DateCalcWindowTest, SetToCurrentDate)
{
    openOn(QDate(2026, 12, 30));
    typeYear(0, "2020");
    click("SetDate1"); // another year in the box: its change moves the day to the 1st
    EXPECT_EQ(date(0), QDate(2026, 12, 1));
    EXPECT_EQ(yearBox(0)->text(), "2026");
    clickMonth(0, 5);
    clickDay(0, 10);
    click("SetDate1"); // same year in the box: today itself
    EXPECT_EQ(date(0), QDate(2026, 12, 30));
    EXPECT_EQ(window->monthTag(0), 12);
    EXPECT_EQ(month(0, 12)->colour(), QColor(0, 0, 128));
    EXPECT_EQ(month(0, 5)->colour(), QColor(192, 192, 192));
    EXPECT_EQ(spoken(), "29 days / 4 weeks 1 day");

    clock.set(QDateTime(QDate(2027, 3, 4), QTime(8, 0))); // the next day finds the clock moved on
    showPage(1);
    click("SetTodaysDate2");
    EXPECT_EQ(date(1), QDate(2027, 3, 4));
    EXPECT_EQ(yearBox(1)->text(), "2027");
    EXPECT_EQ(yearValue(1)->text(), "2027");
    EXPECT_EQ(window->monthTag(1), 3);
}

TEST_F(DateCalcWindowTest, YearBoxKeyFilterAndCap)
{
    open();
    QLineEdit* box = yearBox(0);
    typeYear(0, "800");
    EXPECT_EQ(box->text(), "800");
    QTest::keyClicks(box, "8");
    EXPECT_EQ(box->text(), "800");
    EXPECT_EQ(date(0).year(), 800);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, "99"); // the second 9 would make a year past 7999
    EXPECT_EQ(box->text(), "809");
    EXPECT_EQ(yearValue(0)->text(), "809");
    EXPECT_EQ(date(0).year(), 809);

    typeYear(0, "12a-. x3");
    EXPECT_EQ(box->text(), "123");
    typeYear(0, "2026");
    QTest::keyClicks(box, "5"); // a fifth digit passes 7999
    EXPECT_EQ(box->text(), "7999");
    EXPECT_EQ(date(0).year(), 7999);
}

TEST_F(DateCalcWindowTest, ArrowsCapAtTheTopAndGoBelowYearOneInTheBoxOnly)
{
    open();
    typeYear(0, "7999");
    click("SpeedButton1");
    EXPECT_EQ(yearBox(0)->text(), "7999");
    typeYear(0, "1");
    ASSERT_EQ(date(0), QDate(1, 1, 15));
    const QString before = display();
    for (const char* expected : {"0", "-1", "-2"}) {
        click("SpeedButton2");
        EXPECT_EQ(yearBox(0)->text(), expected);
        EXPECT_EQ(date(0), QDate(1, 1, 15));
        EXPECT_EQ(display(), before);
    }
    click("SpeedButton1");
    click("SpeedButton1");
    click("SpeedButton1");
    EXPECT_EQ(yearBox(0)->text(), "1");

    showPage(1);
    click("SpeedButton4");
    EXPECT_EQ(date(1).year(), 1999);

    // An empty box counts as year 0 and the arrows leave it empty.
    typeYear(1, "");
    QTest::keyClick(yearBox(1), Qt::Key_Backspace);
    ASSERT_EQ(yearBox(1)->text(), "");
    EXPECT_EQ(yearValue(1)->text(), "0");
    click("SpeedButton3");
    EXPECT_EQ(yearBox(1)->text(), "");
    EXPECT_EQ(date(1).year(), 1999);
}

TEST_F(DateCalcWindowTest, PastedTextThatIsNoNumberLeavesTheDateBe)
{
    open();
    clickDay(0, 30);
    QLineEdit* box = yearBox(0);
    const QString before = display();
    for (const QString& junk : {QStringLiteral("2,024"), QString(5000, QLatin1Char('z'))}) {
        QApplication::clipboard()->setText(junk);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(box->text(), junk.left(box->maxLength()));
        EXPECT_EQ(yearValue(0)->text(), "0");
        EXPECT_EQ(date(0), QDate(2000, 1, 30));
        EXPECT_EQ(display(), before);
    }
    click("SpeedButton1"); // no number counts as 0
    EXPECT_EQ(box->text(), "1");
    EXPECT_EQ(date(0), QDate(1, 1, 1));

    QApplication::clipboard()->setText(QString(60, QLatin1Char('9')));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "7999");
    EXPECT_EQ(date(0).year(), 7999);
}
