// What a screen reader hears from the organisers: the Stopwatch's digits
// and the planner's days, read through the accessibility interface after
// real presses and typing.
#include "AccessibleTree.h"
#include "TestServices.h"
#include "common/AccessibleValue.h"
#include "common/DigitDisplay.h"
#include "organisers/AnniversariesWindow.h"
#include "organisers/StopwatchWindow.h"
#include "platform/Clock.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using accessible::readName;

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// The name of a cell as the table hands it to a reader; rows from 1.
QString cellName(QTableView* table, int row, int column)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(table);
    if (!face || !face->tableInterface())
        return QStringLiteral("<no table>");
    QAccessibleInterface* cell = face->tableInterface()->cellAt(row - 1, column);
    return cell ? cell->text(QAccessible::Name) : QStringLiteral("<no cell>");
}

} // namespace

TEST(OrganisersAccessibility, AFinishedTimingIsReadFromTheDigits)
{
    TestServices t;
    t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(10, 15, 2, 370)));
    QPointer<StopwatchWindow> watch = new StopwatchWindow(t.services);
    watch->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(watch));
    auto* digits = watch->findChild<DigitDisplay*>(QStringLiteral("digits"));
    auto* button = watch->findChild<QLabel*>(QStringLiteral("startStopPicture"));
    ASSERT_TRUE(digits && button);
    EXPECT_EQ(readName(digits), "Elapsed time: 00:00:00:00");
    EXPECT_EQ(readName(button), "Start Timer");

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(100, 30));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(100, 30));
    EXPECT_EQ(readName(button), "Stop Timer");
    // While it runs the name follows the digits.
    t.clock.advance(61 * 1000 + 250);
    ASSERT_TRUE(QTest::qWaitFor([&] { return readName(digits) == "Elapsed time: 00:01:01:25"; }, 2000))
        << readName(digits).toStdString();

    t.clock.advance(2 * 3600 * 1000 + 7);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(100, 30));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(100, 30));
    ASSERT_FALSE(watch->running());
    EXPECT_EQ(readName(digits), "Elapsed time: 02:01:01:25");
    EXPECT_EQ(readName(button), "Start Timer");
    EXPECT_TRUE(accessibleNamesUnder(watch).contains("Elapsed time: 02:01:01:25"));
    // The digit pictures themselves say nothing: the time is read once.
    EXPECT_EQ(readName(digits->position(0)), "");
    delete watch.data();
}

TEST(OrganisersAccessibility, PlannerEntriesAreReadWithTheirDay)
{
    TestServices t;
    t.clock.set(QDateTime(QDate(2026, 3, 15), QTime(15, 7)));
    QPointer<AnniversariesWindow> window = new AnniversariesWindow(t.services);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    auto* marchButton = window->findChild<QPushButton*>(QStringLiteral("monthButton3"));
    auto* aprilButton = window->findChild<QPushButton*>(QStringLiteral("monthButton4"));
    ASSERT_TRUE(marchButton && aprilButton);
    EXPECT_EQ(readName(marchButton), "March: selected"); // the month of the clock
    QTest::mouseClick(aprilButton, Qt::LeftButton);
    EXPECT_EQ(readName(aprilButton), "April: selected");
    EXPECT_EQ(readName(marchButton), "March");
    QTest::mouseClick(marchButton, Qt::LeftButton);
    QTableView* march = window->grid(3);
    EXPECT_EQ(cellName(march, 15, 1), "15th");

    march->setCurrentIndex(march->model()->index(14, 1));
    QTest::keyClick(march, 'P');
    QWidget* editor = march->indexWidget(march->currentIndex());
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, "arty");
    // Read while the entry is still being typed, and after it ends.
    EXPECT_EQ(cellName(march, 15, 1), "15th: Party");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(cellName(march, 15, 1), "15th: Party");
    EXPECT_EQ(cellName(march, 1, 1), "1st");
    // The day labels read as they show.
    EXPECT_EQ(cellName(march, 22, 0), "22nd");
    // Only the month shown is within a reader's reach: its day label is the
    // one bare "15th" heard, no other month's.
    const QStringList heard = accessibleNamesUnder(window);
    EXPECT_TRUE(heard.contains("15th: Party"));
    EXPECT_EQ(heard.count("15th"), 1);

    t.dialogs.answers << platform::No;
    window->newYear();
    EXPECT_EQ(cellName(march, 15, 1), "15th");
    delete window.data();
}
