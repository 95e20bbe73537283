// What a screen reader hears from the calculators' value displays: names
// read through the accessibility interface after real typing and clicks.
#include "AccessibleTree.h"
#include "TestServices.h"
#include "app/Panel.h"
#include "calc/ConversionGrid.h"
#include "calc/ConversionsWindow.h"
#include "calc/DateCalculatorWindow.h"
#include "calc/DateGrid.h"
#include "calc/StateCodesWindow.h"
#include "common/AccessibleValue.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>

using accessible::readName;

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
using units::Category;
using units::Scale;

namespace {

template <typename Window> class ShownWindow {
public:
    explicit ShownWindow(const UtilityServices& services) : window(new Window(services))
    {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    ~ShownWindow() { delete window.data(); }
    Window* operator->() const { return window; }
    template <typename T> T* child(const QString& name) const
    {
        T* found = window->template findChild<T*>(name);
        EXPECT_TRUE(found) << name.toStdString();
        return found;
    }

    QPointer<Window> window;
};

void retype(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void clickItem(QListWidget* list, int item)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(item)).center());
}

} // namespace

TEST(CalcAccessibility, TemperatureResultsAreReadWithTheirValues)
{
    TestServices t;
    ShownWindow<ConversionsWindow> w(t.services);
    // At the start the boxes show 0 degrees Celsius, and say so.
    EXPECT_EQ(readName(w->temperatureResult(Scale::Fahrenheit)), "Fahrenheit (oF): 32.000");

    QTest::mouseClick(w->tabs(), Qt::LeftButton, {}, w->tabs()->tabRect(ConversionsWindow::TemperaturePage).center());
    retype(w->entryBox(ConversionsWindow::TemperaturePage), QStringLiteral("100"));
    EXPECT_EQ(readName(w->temperatureResult(Scale::Celsius)), "Celsius (oC): 100.000");
    EXPECT_EQ(readName(w->temperatureResult(Scale::Fahrenheit)), "Fahrenheit (oF): 212.000");
    EXPECT_EQ(readName(w->temperatureResult(Scale::Kelvin)), "Kelvin: 373.160");
    // Reached from the window down, as the desktop's reader walks it.
    const QStringList heard = accessibleNamesUnder(w.window);
    EXPECT_TRUE(heard.contains("Fahrenheit (oF): 212.000")) << heard.join(" | ").toStdString();
    EXPECT_TRUE(heard.contains("Kelvin: 373.160"));
    // The unit pages are hidden behind the temperature page.
    EXPECT_FALSE(heard.contains("Metric: Angstroms"));

    // Another input scale converts the same number again: the names follow.
    QRadioButton* fahrenheit = w->scaleButton(Scale::Fahrenheit);
    QTest::mouseClick(fahrenheit, Qt::LeftButton, {}, QPoint(8, fahrenheit->height() / 2));
    ASSERT_TRUE(fahrenheit->isChecked());
    EXPECT_EQ(readName(w->temperatureResult(Scale::Celsius)), "Celsius (oC): 37.778");
    EXPECT_EQ(readName(w->temperatureResult(Scale::Fahrenheit)), "Fahrenheit (oF): 100.000");
    EXPECT_EQ(readName(w->temperatureResult(Scale::Kelvin)), "Kelvin: 310.938");
}

TEST(CalcAccessibility, UnitListsSayTheUnitConvertedFromAndTheGridItsSelectedNumber)
{
    TestServices t;
    ShownWindow<ConversionsWindow> w(t.services);
    QListWidget* metric = w->groupList(Category::Length, 0);
    QListWidget* nautical = w->groupList(Category::Length, 3);
    EXPECT_EQ(readName(metric), "Metric: Angstroms");
    EXPECT_EQ(readName(nautical), "Nautical (Sea Measure)");

    clickItem(metric, 6);
    retype(w->entryBox(ConversionsWindow::LengthPage), QStringLiteral("1"));
    EXPECT_EQ(readName(metric), "Metric: Metres");
    // Moving through the table a reader hears each number with its unit.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(w->grid(Category::Length));
    ASSERT_TRUE(table && table->tableInterface());
    EXPECT_EQ(table->tableInterface()->cellAt(10, 1)->text(QAccessible::Name), "Kilometres: 0.001 km");
    EXPECT_EQ(table->tableInterface()->cellAt(0, 1)->text(QAccessible::Name), ""); // a group heading

    // The selected cell is the number a double-click would copy.
    ConversionGrid* grid = w->grid(Category::Length);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(4, 1)).center()); // grid row 5
    EXPECT_EQ(readName(grid), "Conversion Table: Millimetres: 1,000.0 mm");
    retype(w->entryBox(ConversionsWindow::LengthPage), QStringLiteral("2"));
    EXPECT_EQ(readName(grid), "Conversion Table: Millimetres: 2,000.0 mm");

    // One unit over all the lists: choosing a nautical one empties the metric list.
    clickItem(nautical, 0);
    EXPECT_EQ(readName(nautical), "Nautical (Sea Measure): Feet");
    EXPECT_EQ(readName(metric), "Metric");
}

TEST(CalcAccessibility, DateCalculatorReadsTheDatesTheMonthAndTheSpan)
{
    TestServices t;
    t.clock.set(QDateTime(QDate(2000, 1, 15), QTime(9, 0)));
    ShownWindow<DateCalculatorWindow> w(t.services);
    DateGrid* from = w.child<DateGrid>("dateFromCalendar");
    DateGrid* to = w.child<DateGrid>("dateToCalendar");
    Panel* january = w.child<Panel>("dateFromJan");
    Panel* march = w.child<Panel>("dateFromMar");
    EXPECT_EQ(readName(from), "Date From: 15 January 2000");
    EXPECT_EQ(readName(to), "Date To: 15 January 2000");
    EXPECT_EQ(readName(january), "Jan: selected");
    EXPECT_EQ(readName(march), "Mar");

    QTest::mouseClick(march, Qt::LeftButton);
    EXPECT_EQ(readName(from), "Date From: 15 March 2000");
    EXPECT_EQ(readName(march), "Mar: selected");
    EXPECT_EQ(readName(january), "Jan");
    EXPECT_EQ(readName(w.child<QWidget>("daysPanel")), "Days: 60 days");
    EXPECT_EQ(readName(w.child<QWidget>("weeksPanel")), "Weeks and days: 8 weeks 4 days");

    QTest::mouseClick(from, Qt::LeftButton, {}, from->dayRect(22).center());
    EXPECT_EQ(readName(from), "Date From: 22 March 2000");
    EXPECT_EQ(readName(w.child<QWidget>("daysPanel")), "Days: 67 days");

    // The titles are drawn twice for their raised look, and read once.
    const QStringList heard = accessibleNamesUnder(w.window);
    EXPECT_EQ(heard.count("Days"), 1);
    EXPECT_EQ(heard.count("              Weeks            Days"), 1);
    EXPECT_TRUE(heard.contains("Weeks and days: 9 weeks 4 days"));
    // Each number is read whole from its panel, not digit by digit.
    const QList<QLabel*> digits = w->findChildren<QLabel*>(QRegularExpression("Digit"));
    EXPECT_EQ(digits.size(), 7 + 6 + 1);
    for (QLabel* digit : digits)
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(digit)->state().invisible)
            << digit->objectName().toStdString();
}

TEST(CalcAccessibility, StateListsAreReadAsTheEntryChosen)
{
    // On Linux Qt names a closed list by the entry chosen, and by its own
    // name while there is none: the value needs nothing of ours.
    TestServices t;
    ShownWindow<StateCodesWindow> w(t.services);
    auto* byCode = w.child<QComboBox>("byCodeList");
    auto* byState = w.child<QComboBox>("byStateList");
    EXPECT_EQ(readName(byCode), "By Code"); // nothing chosen yet

    byCode->setFocus();
    QTest::keyClick(byCode, Qt::Key_W);
    EXPECT_EQ(readName(byCode), "WA    Washington");

    byState->setFocus();
    QTest::keyClick(byState, Qt::Key_T);
    EXPECT_EQ(readName(byState).simplified(), "Tennessee TN");
    QTest::keyClick(byState, Qt::Key_T);
    EXPECT_EQ(readName(byState).simplified(), "Texas TX");
}
