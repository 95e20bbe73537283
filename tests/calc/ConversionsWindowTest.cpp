#include "calc/ConversionsWindow.h"

#include "TestServices.h"
#include "app/Panel.h"
#include "calc/ConversionGrid.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

using units::Category;
using units::Scale;

namespace {

QString r29(const char* text) { return QString::fromUtf8(text).rightJustified(29, u' '); }

class ConversionsWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        other.resize(50, 50);
        other.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
        open(t.services);
    }
    void TearDown() override { delete w.data(); }

    void open(const UtilityServices& services)
    {
        w = new ConversionsWindow(services);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        activate(w);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }

    static void activate(QWidget* window)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void clickItem(Category c, int group, int item)
    {
        QListWidget* list = w->groupList(c, group);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(item)).center());
    }
    QPoint cellCentre(Category c, int row, int column) const
    {
        ConversionGrid* grid = w->grid(c);
        return grid->visualRect(grid->model()->index(row - 1, column)).center();
    }
    void clickCell(Category c, int row, int column)
    {
        QTest::mouseClick(w->grid(c)->viewport(), Qt::LeftButton, {}, cellCentre(c, row, column));
    }
    void doubleClickCell(Category c, int row, int column)
    {
        clickCell(c, row, column);
        QTest::mouseDClick(w->grid(c)->viewport(), Qt::LeftButton, {}, cellCentre(c, row, column));
    }
    void type(ConversionsWindow::Page page, const QString& text)
    {
        QLineEdit* box = w->entryBox(page);
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    std::vector<QString> numbers(Category c) const
    {
        std::vector<QString> cells;
        for (int r = 0; r < w->grid(c)->gridRowCount(); ++r)
            cells.push_back(r == 0 ? QString() : w->grid(c)->cellText(r, 1));
        return cells;
    }
    QString clipboard() const { return QGuiApplication::clipboard()->text(); }
    QWidget* focused() const { return QApplication::focusWidget(); }

    TestServices t;
    QPointer<ConversionsWindow> w;
    QWidget other;
};

TEST_F(ConversionsWindowTest, OpensWithItsFrameTextsAndHints)
{
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->size(), QSize(632, 473));
    EXPECT_EQ(w->windowTitle(), "Conversions");
    EXPECT_EQ(w->helpText(),
              "Conversion Utilities\r\n\r\n"
              "To convert from one unit to another, first select the type from the tab at the bottom\r\n"
              "of the screen.  Next enter the value you wish to convert and select the type of units.  \r\n"
              "Now read the value from the table.  To copy a value to the clipboard just double-click \r\n"
              "on it.  \r\n");
    const QStringList tabs{"Length && Distance", "Liquid Capacity", "Weight", "Temperature"};
    ASSERT_EQ(w->tabs()->count(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(w->tabs()->tabText(i), tabs[i]);

    const QStringList lengthHints{"Metric", "Imperial Measure", "Lineal (Surveyors Measure)", "Nautical (Sea Measure)"};
    const QStringList weightHints{"Metric", "Avoirdupois (General Goods)",
                                  "Troy Weight (Jewellery & Precious Stones)", "Apothecaries (Drugs)"};
    for (int g = 0; g < 4; ++g) {
        EXPECT_EQ(w->groupList(Category::Length, g)->toolTip(), lengthHints[g]);
        EXPECT_EQ(w->groupList(Category::Weight, g)->toolTip(), weightHints[g]);
    }
    EXPECT_EQ(w->groupList(Category::Liquid, 0)->toolTip(), "Units");
    EXPECT_EQ(w->groupList(Category::Liquid, 0)->count(), 17);
    EXPECT_EQ(w->groupList(Category::Length, 0)->item(9)->text(), "Kilometres");
    EXPECT_EQ(w->entryBox(ConversionsWindow::WeightPage)->toolTip(), "Initial Value");
    EXPECT_EQ(w->entryBox(ConversionsWindow::WeightPage)->maxLength(), 10);
    EXPECT_EQ(w->entryBox(ConversionsWindow::TemperaturePage)->toolTip(), "Input Value");
    EXPECT_EQ(w->entryBox(ConversionsWindow::TemperaturePage)->maxLength(), 8);
    EXPECT_EQ(w->grid(Category::Liquid)->toolTip(), "Conversion Table");
    EXPECT_EQ(w->scrollBar(Category::Weight)->toolTip(), "Use this 'Scroll Bar' to see the remainder of the table");
    EXPECT_EQ(w->scrollBar(Category::Liquid), nullptr);

    EXPECT_EQ(w->scaleButton(Scale::Celsius)->text(), "&Celsius");
    EXPECT_EQ(w->scaleButton(Scale::Fahrenheit)->text(), "Fahren&heit");
    EXPECT_EQ(w->scaleButton(Scale::Kelvin)->text(), "&Kelvin");
    EXPECT_EQ(w->scaleButton(Scale::Kelvin)->toolTip(), "Select unit of input temperature");
    EXPECT_TRUE(w->scaleButton(Scale::Celsius)->isChecked());
    EXPECT_EQ(w->temperatureResult(Scale::Celsius)->text(), "0.000 ");
    EXPECT_EQ(w->temperatureResult(Scale::Fahrenheit)->text(), "32.000 ");
    EXPECT_EQ(w->temperatureResult(Scale::Kelvin)->text(), "273.16");
    EXPECT_EQ(w->temperatureResult(Scale::Kelvin)->toolTip(), "Temperature in Kelvin (Read Only)");
}

TEST_F(ConversionsWindowTest, OpeningFillsEveryGridWithZeroAndShowsTheLengthPage)
{
    EXPECT_EQ(w->pageShown(), ConversionsWindow::LengthPage);
    EXPECT_EQ(focused(), w->entryBox(ConversionsWindow::LengthPage));
    EXPECT_EQ(w->entryBox(ConversionsWindow::LengthPage)->selectedText(), "0");
    for (Category c : {Category::Length, Category::Liquid, Category::Weight}) {
        const units::UnitTable& table = units::table(c);
        ConversionGrid* grid = w->grid(c);
        ASSERT_EQ(grid->gridRowCount(), table.rowCount());
        EXPECT_EQ(grid->cellText(0, 0), "      UNIT");
        EXPECT_EQ(grid->cellText(0, 2), "  ABBR.");
        EXPECT_EQ(grid->cellText(0, 1), table.numberHeading);
        EXPECT_EQ(numbers(c), units::convertTable(c, QStringLiteral("0"), 0).numbers);
        EXPECT_EQ(grid->selectedRow(), table.lastRow());
        EXPECT_EQ(grid->selectedColumn(), 1);
        EXPECT_EQ(grid->columnWidth(1), c == Category::Liquid ? 265 : 240);
        EXPECT_EQ(w->selectedUnit(c), 0);
    }
    EXPECT_EQ(w->grid(Category::Liquid)->cellText(21, 1), "   " + r29("0.0"));
    EXPECT_EQ(w->grid(Category::Length)->cellText(2, 2), QStringLiteral("       \u00C5 "));
    EXPECT_EQ(w->grid(Category::Weight)->cellText(19, 0), "");
}

TEST_F(ConversionsWindowTest, TypingOneWithMetresFillsTheLengthGridAndScrollsInTwoSteps)
{
    clickItem(Category::Length, 0, 6);
    EXPECT_EQ(w->selectedUnit(Category::Length), 6);
    type(ConversionsWindow::LengthPage, QStringLiteral("1"));
    EXPECT_EQ(numbers(Category::Length), units::convertTable(Category::Length, QStringLiteral("1"), 6).numbers);
    EXPECT_EQ(w->grid(Category::Length)->cellText(5, 1), r29("1,000.0"));
    EXPECT_EQ(w->grid(Category::Length)->cellText(2, 1), QStringLiteral("      ") + " 1.00000000000000E+0010");

    ConversionGrid* grid = w->grid(Category::Length);
    w->scrollBar(Category::Length)->setValue(1);
    EXPECT_EQ(grid->topRow(), 22);
    EXPECT_TRUE(grid->isRowHidden(20));  // row 21, light years
    EXPECT_FALSE(grid->isRowHidden(21)); // row 22, the lineal heading
    EXPECT_EQ(grid->indexAt(QPoint(5, 2)).row() + 1, 22);
    EXPECT_EQ(focused(), w->entryBox(ConversionsWindow::LengthPage));
    w->scrollBar(Category::Length)->setValue(0);
    EXPECT_EQ(grid->topRow(), 1);
    EXPECT_FALSE(grid->isRowHidden(0));

    w->scrollBar(Category::Weight)->setValue(1);
    EXPECT_EQ(w->grid(Category::Weight)->topRow(), 20);
}

TEST_F(ConversionsWindowTest, NauticalFeetClearsTheOtherListsAndConvertsFromPosition24)
{
    type(ConversionsWindow::LengthPage, QStringLiteral("3"));
    clickItem(Category::Length, 3, 0);
    EXPECT_EQ(w->selectedUnit(Category::Length), 24);
    for (int g = 0; g < 3; ++g)
        EXPECT_TRUE(w->groupList(Category::Length, g)->selectedItems().isEmpty()) << g;
    EXPECT_EQ(numbers(Category::Length), units::convertTable(Category::Length, QStringLiteral("3"), 24).numbers);
    EXPECT_EQ(w->grid(Category::Length)->cellText(16, 1), r29("1.0")); // yards

    // Back to the first metric item, which stayed current while unselected.
    clickItem(Category::Length, 0, 0);
    EXPECT_EQ(w->selectedUnit(Category::Length), 0);
    EXPECT_TRUE(w->groupList(Category::Length, 3)->selectedItems().isEmpty());

    clickItem(Category::Weight, 2, 4); // carats
    EXPECT_EQ(w->selectedUnit(Category::Weight), 20);
    EXPECT_TRUE(w->groupList(Category::Weight, 0)->selectedItems().isEmpty());
}

TEST_F(ConversionsWindowTest, EntryBoxesAreCleanedAndNonNumbersCountAsZero)
{
    type(ConversionsWindow::LengthPage, QStringLiteral("12a.5b"));
    EXPECT_EQ(w->entryBox(ConversionsWindow::LengthPage)->text(), "12.5");
    EXPECT_EQ(numbers(Category::Length), units::convertTable(Category::Length, QStringLiteral("12.5"), 0).numbers);

    // Pasted text with a second point: no result from the earlier input.
    w->entryBox(ConversionsWindow::LengthPage)->setText(QStringLiteral("1.2.3"));
    EXPECT_EQ(w->entryBox(ConversionsWindow::LengthPage)->text(), "1.2.3");
    EXPECT_EQ(numbers(Category::Length), units::convertTable(Category::Length, QStringLiteral("0"), 0).numbers);

    w->entryBox(ConversionsWindow::LiquidPage)->setText(QStringLiteral("x9-9y"));
    EXPECT_EQ(w->entryBox(ConversionsWindow::LiquidPage)->text(), "99");
    EXPECT_EQ(w->grid(Category::Liquid)->cellText(2, 1), "   " + r29("99.0"));
}

TEST_F(ConversionsWindowTest, OnlyTheNumberColumnCanBeSelected)
{
    ConversionGrid* grid = w->grid(Category::Length);
    clickCell(Category::Length, 5, 0);
    EXPECT_EQ(grid->selectedRow(), 32);
    clickCell(Category::Length, 5, 2);
    EXPECT_EQ(grid->selectedRow(), 32);
    clickCell(Category::Length, 5, 1);
    EXPECT_EQ(grid->selectedRow(), 5);
    EXPECT_EQ(focused(), w->entryBox(ConversionsWindow::LengthPage)); // a click hands the focus back

    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->selectedColumn(), 1);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->selectedRow(), 6);
    EXPECT_EQ(grid->selectedColumn(), 1);

    // Moving by key past the last row in sight brings in the second half.
    clickCell(Category::Length, 21, 1);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->selectedRow(), 22);
    EXPECT_EQ(w->scrollBar(Category::Length)->value(), 1);
    EXPECT_EQ(grid->topRow(), 22);
}

TEST_F(ConversionsWindowTest, DoubleClickCopiesByEachPagesRule)
{
    clickItem(Category::Length, 0, 6);
    type(ConversionsWindow::LengthPage, QStringLiteral("1"));
    doubleClickCell(Category::Length, 5, 1);
    EXPECT_EQ(clipboard(), "1,000.0");
    EXPECT_EQ(focused(), w->entryBox(ConversionsWindow::LengthPage));
    // A heading row copies nothing: the clipboard keeps what it had.
    doubleClickCell(Category::Length, 1, 1);
    EXPECT_EQ(clipboard(), "1,000.0");

    QTest::mouseClick(w->tabs(), Qt::LeftButton, {}, w->tabs()->tabRect(1).center());
    ASSERT_EQ(w->pageShown(), ConversionsWindow::LiquidPage);
    EXPECT_EQ(focused(), w->entryBox(ConversionsWindow::LiquidPage));
    clickItem(Category::Liquid, 0, 3);
    type(ConversionsWindow::LiquidPage, QStringLiteral("1"));
    doubleClickCell(Category::Liquid, 5, 1);
    EXPECT_EQ(clipboard(), "   " + r29("1.0"));
    EXPECT_TRUE(t.dialogs.asked.isEmpty());

    for (int heading : {1, 9, 15, 20}) {
        doubleClickCell(Category::Liquid, heading, 1);
        ASSERT_FALSE(t.dialogs.asked.isEmpty());
        EXPECT_EQ(t.dialogs.asked.back().text, "You must select a cell to copy");
        EXPECT_EQ(t.dialogs.asked.back().kind, platform::MessageKind::Information);
        EXPECT_EQ(t.dialogs.asked.back().buttons, int(platform::Ok));
    }
    EXPECT_EQ(t.dialogs.asked.size(), 4);
    EXPECT_EQ(clipboard(), "   " + r29("1.0"));

    QTest::mouseClick(w->tabs(), Qt::LeftButton, {}, w->tabs()->tabRect(2).center());
    clickItem(Category::Weight, 1, 6); // short tons
    type(ConversionsWindow::WeightPage, QStringLiteral("1"));
    doubleClickCell(Category::Weight, 2, 1);
    EXPECT_EQ(clipboard(), QString(12, u' ') + " 9.07184740000000E+0008");
    doubleClickCell(Category::Weight, 19, 1); // the blank row
    EXPECT_EQ(clipboard(), QString(12, u' ') + " 9.07184740000000E+0008");
    EXPECT_EQ(t.dialogs.asked.size(), 4);
}

TEST_F(ConversionsWindowTest, ComingBackResetsTheUnitPagesButNotTheTemperature)
{
    clickItem(Category::Length, 3, 2);
    type(ConversionsWindow::LengthPage, QStringLiteral("7"));
    w->entryBox(ConversionsWindow::WeightPage)->setText(QStringLiteral("5"));
    w->entryBox(ConversionsWindow::LiquidPage)->setText(QStringLiteral("0")); // unchanged text
    w->scaleButton(Scale::Fahrenheit)->click();
    QTest::mouseClick(w->tabs(), Qt::LeftButton, {}, w->tabs()->tabRect(3).center());
    EXPECT_EQ(focused(), w->entryBox(ConversionsWindow::TemperaturePage));
    type(ConversionsWindow::TemperaturePage, QStringLiteral("212"));
    EXPECT_EQ(w->temperatureResult(Scale::Celsius)->text(), "   100.000 ");
    EXPECT_EQ(w->temperatureResult(Scale::Kelvin)->text(), "   373.160 ");

    activate(&other);
    activate(w);
    EXPECT_EQ(w->pageShown(), ConversionsWindow::LengthPage);
    EXPECT_EQ(w->tabs()->currentIndex(), 0);
    EXPECT_EQ(focused(), w->entryBox(ConversionsWindow::LengthPage));
    for (Category c : {Category::Length, Category::Liquid, Category::Weight}) {
        EXPECT_EQ(numbers(c), units::convertTable(c, QStringLiteral("0"), 0).numbers);
        EXPECT_EQ(w->selectedUnit(c), 0);
    }
    EXPECT_EQ(w->entryBox(ConversionsWindow::LengthPage)->text(), "0");
    EXPECT_TRUE(w->groupList(Category::Length, 3)->selectedItems().isEmpty());
    EXPECT_EQ(w->groupList(Category::Length, 0)->count(), 10);
    EXPECT_EQ(w->entryBox(ConversionsWindow::TemperaturePage)->text(), "212");
    EXPECT_TRUE(w->scaleButton(Scale::Fahrenheit)->isChecked());
    EXPECT_EQ(w->temperatureResult(Scale::Celsius)->text(), "   100.000 ");
}

// The real box takes the activation; answering it is no new visit.
class ActivatingDialogs : public platform::ScriptedDialogs {
public:
    int message(QWidget* parent, platform::MessageKind kind, const QString& text, int buttons,
                int helpContext) override
    {
        QWidget box;
        box.resize(80, 40);
        box.show();
        box.activateWindow();
        activated = QTest::qWaitForWindowActive(&box);
        return ScriptedDialogs::message(parent, kind, text, buttons, helpContext);
    }
    bool activated = false;
};

TEST_F(ConversionsWindowTest, AnsweringTheMessageKeepsTheTables)
{
    ActivatingDialogs boxes;
    delete w.data();
    open(UtilityServices{t.effects, t.pictures, t.services.colourDepth, boxes, t.clock, t.random});
    QTest::mouseClick(w->tabs(), Qt::LeftButton, {}, w->tabs()->tabRect(1).center());
    type(ConversionsWindow::LiquidPage, QStringLiteral("4"));
    doubleClickCell(Category::Liquid, 9, 1);
    EXPECT_TRUE(t.dialogs.asked.isEmpty()); // the window asks the dialogs it was given
    ASSERT_TRUE(boxes.activated);
    ASSERT_EQ(boxes.asked.size(), 1);
    activate(w);
    EXPECT_EQ(w->pageShown(), ConversionsWindow::LiquidPage);
    EXPECT_EQ(w->entryBox(ConversionsWindow::LiquidPage)->text(), "4");

    activate(&other); // a real visit elsewhere still resets
    activate(w);
    EXPECT_EQ(w->entryBox(ConversionsWindow::LiquidPage)->text(), "0");
    delete w.data(); // before the dialogs it was given go
}

TEST_F(ConversionsWindowTest, TemperatureBoxAndScaleButtons)
{
    QTest::mouseClick(w->tabs(), Qt::LeftButton, {}, w->tabs()->tabRect(3).center());
    type(ConversionsWindow::TemperaturePage, QStringLiteral("-4o0"));
    EXPECT_EQ(w->entryBox(ConversionsWindow::TemperaturePage)->text(), "-40");
    EXPECT_EQ(w->temperatureResult(Scale::Fahrenheit)->text(), "   -40.000 ");
    EXPECT_EQ(w->temperatureResult(Scale::Kelvin)->text(), "   233.160 ");

    QTest::mouseClick(w->scaleButton(Scale::Kelvin), Qt::LeftButton);
    EXPECT_EQ(w->temperatureResult(Scale::Celsius)->text(), "  -313.160 ");
    EXPECT_EQ(focused(), w->entryBox(ConversionsWindow::TemperaturePage));
    EXPECT_EQ(w->entryBox(ConversionsWindow::TemperaturePage)->selectedText(), "-40");

    type(ConversionsWindow::TemperaturePage, QStringLiteral("5-3"));
    EXPECT_EQ(w->temperatureResult(Scale::Kelvin)->text(), "     0.000 ");
    EXPECT_EQ(w->temperatureResult(Scale::Celsius)->text(), "  -273.160 ");
}

TEST_F(ConversionsWindowTest, PointerOverTheBodyFocusesTheShownEntryBox)
{
    QTest::mouseClick(w->tabs(), Qt::LeftButton, {}, w->tabs()->tabRect(2).center());
    // Start the pointer elsewhere, so the move to the title is a real move
    // even when the test runs again in the same process.
    QTest::mouseMove(w->windowHandle(), QPoint(2, w->height() - 2));
    w->scrollBar(Category::Weight)->setFocus();
    QTest::mouseMove(w->windowHandle(), QPoint(200, 8)); // over the title
    EXPECT_EQ(focused(), w->entryBox(ConversionsWindow::WeightPage));
}

TEST_F(ConversionsWindowTest, GridsAndListsExposeTheirCellsAndItems)
{
    QAccessible::setActive(true);
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(w->grid(Category::Weight));
    ASSERT_TRUE(grid && grid->tableInterface());
    QAccessibleInterface* cell = grid->tableInterface()->cellAt(16, 0); // grid row 17
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->text(QAccessible::Name), " Short Tons");
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(w->groupList(Category::Weight, 3));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->childCount(), 4);
    EXPECT_EQ(list->child(3)->text(QAccessible::Name), "Ap Pounds");
}

TEST_F(ConversionsWindowTest, TheClosePanelReleasesTheWindow)
{
    QSignalSpy released(w.data(), &ConversionsWindow::released);
    QTest::mouseClick(w->closePanel(), Qt::LeftButton);
    EXPECT_EQ(released.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w);
}

} // namespace
