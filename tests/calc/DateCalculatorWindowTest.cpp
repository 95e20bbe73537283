#include "calc/DateCalculatorWindow.h"

#include "TestServices.h"
#include "app/Panel.h"
#include "calc/DateDigits.h"
#include "calc/DateGrid.h"
#include "common/AccessibleValue.h"

#include <gtest/gtest.h>

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

using Side = DateCalculatorWindow::Side;
using datedigits::Set;

const char* const Months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "June",
                                "July", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr Side BothSides[] = {Side::From, Side::To};

QString sideName(Side side, const QString& control)
{
    return (side == Side::From ? QStringLiteral("dateFrom") : QStringLiteral("dateTo")) + control;
}

class DateCalculatorWindowTest : public ::testing::Test {
protected:
    void SetUp() override { t.clock.set(QDateTime(QDate(2000, 1, 15), QTime(9, 0))); }
    void TearDown() override { delete window.data(); }

    void open(const UtilityServices& services)
    {
        window = new DateCalculatorWindow(services);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    void open() { open(t.services); }
    void openOn(QDate today)
    {
        t.clock.set(QDateTime(today, QTime(9, 0)));
        open();
    }

    template <typename T> T* child(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_TRUE(found) << name.toStdString();
        return found;
    }
    DateGrid* calendar(Side side) const { return child<DateGrid>(sideName(side, "Calendar")); }
    QLineEdit* yearBox(Side side) const { return child<QLineEdit>(sideName(side, "YearBox")); }
    Panel* month(Side side, int n) const { return child<Panel>(sideName(side, Months[n - 1])); }
    QDate date(Side side) const
    {
        const DateGrid* c = calendar(side);
        return QDate(c->year(), c->month(), c->day());
    }

    void showPage(Side side) { child<QTabWidget>("dateTabs")->setCurrentIndex(int(side)); }
    void clickMonth(Side side, int n)
    {
        showPage(side);
        QTest::mouseClick(month(side, n), Qt::LeftButton);
    }
    void clickDay(Side side, int day)
    {
        showPage(side);
        DateGrid* c = calendar(side);
        QTest::mouseClick(c, Qt::LeftButton, {}, c->dayRect(day).center());
    }
    void typeYear(Side side, const QString& year)
    {
        showPage(side);
        // Clear first: the key filter judges the whole box, not the selection.
        yearBox(side)->selectAll();
        QTest::keyClick(yearBox(side), Qt::Key_Backspace);
        QTest::keyClicks(yearBox(side), year);
    }
    void click(Side side, const char* control)
    {
        showPage(side);
        QTest::mouseClick(child<QAbstractButton>(sideName(side, control)), Qt::LeftButton);
    }
    // Sets a date through the controls as a user would.
    void setDate(Side side, QDate d)
    {
        typeYear(side, QString::number(d.year()));
        clickMonth(side, d.month());
        clickDay(side, d.day());
        ASSERT_EQ(date(side), d);
    }

    // What a digit cell shows: a digit, a blank, or "?" for a picture of
    // another set or none.
    QChar shows(const QString& cell, Set set) const
    {
        const QImage shown = child<QLabel>(cell)->pixmap().toImage();
        for (int digit = datedigits::Blank; digit <= 9; ++digit)
            if (datedigits::hasPicture(set, digit) && datedigits::picture(set, digit).toImage() == shown)
                return digit == datedigits::Blank ? QLatin1Char(' ') : QChar(u'0' + digit);
        return QLatin1Char('?');
    }
    // The days, the whole weeks and the remaining days, as the cells show them.
    QString display() const
    {
        QString text;
        for (int i = 1; i <= 7; ++i)
            text += shows(QStringLiteral("dayDigit%1").arg(i), Set::Days);
        text += QLatin1Char('|');
        for (int i = 1; i <= 6; ++i)
            text += shows(QStringLiteral("weekDigit%1").arg(i), Set::Weeks);
        return text + QLatin1Char('|') + shows(QStringLiteral("remainingDaysDigit"), Set::RemainingDays);
    }
    QString spoken() const
    {
        return accessible::readName(child<QWidget>("daysPanel")) + " / "
               + accessible::readName(child<QWidget>("weeksPanel"));
    }

    TestServices t;
    QPointer<DateCalculatorWindow> window;
};

const QString Zero = "      0|     0|0";

} // namespace

TEST_F(DateCalculatorWindowTest, OpensWithTodayOnBothTabsAndAZeroSpan)
{
    open();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(618, 398));
    EXPECT_EQ(window->windowTitle(), "Date Calculator");
    auto* tabs = child<QTabWidget>("dateTabs");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(0), "Date From");
    EXPECT_EQ(tabs->tabText(1), "Date To");
    EXPECT_EQ(child<QLabel>("daysTitle")->text(), "Days");
    EXPECT_EQ(child<QLabel>("weeksTitle")->text(), "              Weeks            Days");
    for (Side side : BothSides) {
        EXPECT_EQ(child<QPushButton>(sideName(side, "TodayButton"))->text(), "Set to current date");
        EXPECT_EQ(date(side), QDate(2000, 1, 15));
        EXPECT_EQ(yearBox(side)->text(), "2000");
        EXPECT_EQ(window->yearValue(side), "2000");
        EXPECT_EQ(window->highlightedMonth(side), 1);
        for (int n = 1; n <= 12; ++n) {
            EXPECT_EQ(month(side, n)->caption(), Months[n - 1]);
            EXPECT_EQ(month(side, n)->colour(), n == 1 ? QColor(0, 0, 128) : QColor(192, 192, 192));
        }
    }
    EXPECT_EQ(display(), Zero);
    EXPECT_EQ(spoken(), "Days: 0 days / Weeks and days: 0 weeks 0 days");
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
    // The window plays no sounds.
    EXPECT_TRUE(t.recorded->messages.empty());
}

TEST_F(DateCalculatorWindowTest, TheClosePanelReleasesTheWindow)
{
    open();
    QSignalSpy released(window.data(), &DateCalculatorWindow::released);
    QTest::mouseClick(window->closePanel(), Qt::LeftButton);
    EXPECT_EQ(released.count(), 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
}

TEST_F(DateCalculatorWindowTest, TodayIsTheDateOfTheClockItWasGiven)
{
    // Another clock than the program-wide one: the window must ask its own.
    platform::ManualClock own(QDateTime(QDate(1999, 5, 20), QTime(23, 59)));
    const UtilityServices services{t.effects, t.pictures, t.services.colourDepth, t.dialogs, own, t.random};
    open(services);
    for (Side side : BothSides) {
        EXPECT_EQ(date(side), QDate(1999, 5, 20));
        EXPECT_EQ(yearBox(side)->text(), "1999");
        EXPECT_EQ(window->highlightedMonth(side), 5);
    }
    clickDay(Side::To, 3);
    own.set(QDateTime(QDate(2003, 7, 9), QTime(0, 0)));
    click(Side::To, "TodayButton");
    EXPECT_EQ(date(Side::To), QDate(2003, 7, 9));
    EXPECT_EQ(yearBox(Side::To)->text(), "2003");
    EXPECT_EQ(window->highlightedMonth(Side::To), 7);
    EXPECT_EQ(date(Side::From), QDate(1999, 5, 20));
    delete window.data(); // before the clock it was given goes
}

TEST_F(DateCalculatorWindowTest, LeapYearSpanEitherWayRound)
{
    open();
    setDate(Side::From, QDate(2000, 1, 1));
    setDate(Side::To, QDate(2000, 3, 1));
    EXPECT_EQ(display(), "     60|     8|4");
    EXPECT_EQ(spoken(), "Days: 60 days / Weeks and days: 8 weeks 4 days");
    setDate(Side::From, QDate(2000, 3, 1));
    setDate(Side::To, QDate(2000, 1, 1));
    EXPECT_EQ(display(), "     60|     8|4");
    setDate(Side::To, QDate(2000, 3, 2));
    EXPECT_EQ(spoken(), "Days: 1 day / Weeks and days: 0 weeks 1 day");
    EXPECT_EQ(display(), "      1|     0|1");
}

TEST_F(DateCalculatorWindowTest, LargestSpan)
{
    open();
    setDate(Side::From, QDate(1, 1, 1));
    setDate(Side::To, QDate(7999, 12, 31));
    EXPECT_EQ(display(), "2921573|417367|4");
    EXPECT_EQ(spoken(), "Days: 2921573 days / Weeks and days: 417367 weeks 4 days");
}

TEST_F(DateCalculatorWindowTest, ClickRecomputesThenTheDayMovesAndRecomputesAgain)
{
    open();
    DateGrid* c = calendar(Side::From);
    QStringList order;
    QObject::connect(c, &DateGrid::clicked, [&] { order << QStringLiteral("click %1").arg(c->day()); });
    QObject::connect(c, &DateGrid::changed, [&] { order << QStringLiteral("change %1").arg(c->day()); });
    clickDay(Side::From, 20);
    clickDay(Side::From, 20); // same day: no change
    QTest::mouseClick(c, Qt::LeftButton, {}, c->cellRect(0, 3).center()); // day names
    EXPECT_EQ(order, QStringList({"click 15", "change 20", "click 20", "click 20"}));
    EXPECT_EQ(spoken(), "Days: 5 days / Weeks and days: 0 weeks 5 days");
}

TEST_F(DateCalculatorWindowTest, DaysAbove28MoveToTheFirstOnMonthAndYearChanges)
{
    open();
    for (Side side : BothSides) {
        clickDay(side, 30);
        clickMonth(side, 2);
        EXPECT_EQ(date(side), QDate(2000, 2, 1));
        EXPECT_EQ(window->highlightedMonth(side), 2);
        EXPECT_EQ(month(side, 2)->colour(), QColor(0, 0, 128));
        EXPECT_EQ(month(side, 1)->colour(), QColor(192, 192, 192));
        clickDay(side, 29);
        typeYear(side, "2001");
        EXPECT_EQ(date(side), QDate(2001, 2, 1));
        clickDay(side, 28);
        clickMonth(side, 3); // 28 is kept
        EXPECT_EQ(date(side), QDate(2001, 3, 28));
        clickDay(side, 31);
        clickMonth(side, 3); // even the month shown resets a late day
        EXPECT_EQ(date(side), QDate(2001, 3, 1));
    }
}

TEST_F(DateCalculatorWindowTest, OpeningOnTheThirtiethStartsBothDatesOnTheFirst)
{
    openOn(QDate(2026, 12, 30));
    EXPECT_EQ(date(Side::From), QDate(2026, 12, 1));
    EXPECT_EQ(date(Side::To), QDate(2026, 12, 1));
    EXPECT_EQ(display(), Zero);
}

TEST_F(DateCalculatorWindowTest, SetToCurrentDate)
{
    openOn(QDate(2026, 12, 30));
    typeYear(Side::From, "2020");
    click(Side::From, "TodayButton"); // another year in the box: its change moves the day to the 1st
    EXPECT_EQ(date(Side::From), QDate(2026, 12, 1));
    EXPECT_EQ(yearBox(Side::From)->text(), "2026");
    clickMonth(Side::From, 5);
    clickDay(Side::From, 10);
    click(Side::From, "TodayButton"); // same year in the box: today itself
    EXPECT_EQ(date(Side::From), QDate(2026, 12, 30));
    EXPECT_EQ(window->highlightedMonth(Side::From), 12);
    EXPECT_EQ(month(Side::From, 12)->colour(), QColor(0, 0, 128));
    EXPECT_EQ(month(Side::From, 5)->colour(), QColor(192, 192, 192));
    EXPECT_EQ(spoken(), "Days: 29 days / Weeks and days: 4 weeks 1 day");

    t.clock.set(QDateTime(QDate(2027, 3, 4), QTime(8, 0))); // the next day finds the clock moved on
    click(Side::To, "TodayButton");
    EXPECT_EQ(date(Side::To), QDate(2027, 3, 4));
    EXPECT_EQ(yearBox(Side::To)->text(), "2027");
    EXPECT_EQ(window->yearValue(Side::To), "2027");
    EXPECT_EQ(window->highlightedMonth(Side::To), 3);
}

TEST_F(DateCalculatorWindowTest, YearBoxKeyFilterAndCap)
{
    open();
    QLineEdit* box = yearBox(Side::From);
    typeYear(Side::From, "800");
    EXPECT_EQ(box->text(), "800");
    QTest::keyClicks(box, "8");
    EXPECT_EQ(box->text(), "800");
    EXPECT_EQ(date(Side::From).year(), 800);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, "99"); // the second 9 would make a year past 7999
    EXPECT_EQ(box->text(), "809");
    EXPECT_EQ(window->yearValue(Side::From), "809");
    EXPECT_EQ(date(Side::From).year(), 809);

    typeYear(Side::From, "12a-. x3");
    EXPECT_EQ(box->text(), "123");
    typeYear(Side::From, "2026");
    QTest::keyClicks(box, "5"); // a fifth digit passes 7999
    EXPECT_EQ(box->text(), "7999");
    EXPECT_EQ(date(Side::From).year(), 7999);

    // Each box judges its own text.
    typeYear(Side::To, "900");
    QTest::keyClicks(yearBox(Side::To), "1");
    EXPECT_EQ(yearBox(Side::To)->text(), "900");
    typeYear(Side::From, "12");
    QTest::keyClicks(box, "3");
    EXPECT_EQ(box->text(), "123");
}

TEST_F(DateCalculatorWindowTest, ArrowsCapAtTheTopAndGoBelowYearOneInTheBoxOnly)
{
    open();
    typeYear(Side::From, "7999");
    click(Side::From, "NextYear");
    EXPECT_EQ(yearBox(Side::From)->text(), "7999");
    typeYear(Side::From, "1");
    ASSERT_EQ(date(Side::From), QDate(1, 1, 15));
    const QString before = display();
    for (const char* expected : {"0", "-1", "-2"}) {
        click(Side::From, "PreviousYear");
        EXPECT_EQ(yearBox(Side::From)->text(), expected);
        EXPECT_EQ(date(Side::From), QDate(1, 1, 15));
        EXPECT_EQ(display(), before);
    }
    click(Side::From, "NextYear");
    click(Side::From, "NextYear");
    click(Side::From, "NextYear");
    EXPECT_EQ(yearBox(Side::From)->text(), "1");

    click(Side::To, "PreviousYear");
    EXPECT_EQ(date(Side::To).year(), 1999);
    EXPECT_EQ(date(Side::From).year(), 1); // the other side's arrows leave this date be

    // An empty box counts as year 0 and the arrows leave it empty.
    typeYear(Side::To, "");
    QTest::keyClick(yearBox(Side::To), Qt::Key_Backspace);
    ASSERT_EQ(yearBox(Side::To)->text(), "");
    EXPECT_EQ(window->yearValue(Side::To), "0");
    click(Side::To, "NextYear");
    EXPECT_EQ(yearBox(Side::To)->text(), "");
    EXPECT_EQ(date(Side::To).year(), 1999);
}

TEST_F(DateCalculatorWindowTest, PastedTextThatIsNoNumberLeavesTheDateBe)
{
    open();
    clickDay(Side::From, 30);
    QLineEdit* box = yearBox(Side::From);
    const QString before = display();
    for (const QString& junk : {QStringLiteral("2,024"), QString(5000, QLatin1Char('z'))}) {
        QApplication::clipboard()->setText(junk);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(box->text(), junk.left(box->maxLength()));
        EXPECT_EQ(window->yearValue(Side::From), "0");
        EXPECT_EQ(date(Side::From), QDate(2000, 1, 30));
        EXPECT_EQ(display(), before);
    }
    click(Side::From, "NextYear"); // no number counts as 0
    EXPECT_EQ(box->text(), "1");
    EXPECT_EQ(date(Side::From), QDate(1, 1, 1));

    QApplication::clipboard()->setText(QString(60, QLatin1Char('9')));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "7999");
    EXPECT_EQ(date(Side::From).year(), 7999);
}
