#include "games/KeyRepeatFilter.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// Feeds one key event, as the window's event handler would.
bool feed(KeyRepeatFilter& filter, QEvent::Type type, int key, bool autoRepeat, quint64 time)
{
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    event.setTimestamp(time);
    return filter.take(&event);
}

struct Spies {
    explicit Spies(KeyRepeatFilter& filter)
        : pressed(&filter, &KeyRepeatFilter::pressed), released(&filter, &KeyRepeatFilter::released)
    {
    }
    bool lastPressWasRepeat() const { return pressed.last().at(0).toBool(); }
    QSignalSpy pressed;
    QSignalSpy released;
};

TEST(KeyRepeatFilter, TakesOnlyKeyEvents)
{
    KeyRepeatFilter filter;
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    EXPECT_FALSE(filter.take(&click));
    EXPECT_TRUE(feed(filter, QEvent::KeyPress, Qt::Key_A, false, 1));
}

TEST(KeyRepeatFilter, RepeatsMarkedOrPairedAreNoReleaseAndARealReleaseComesAfterTheGrace)
{
    KeyRepeatFilter filter;
    Spies spies(filter);
    feed(filter, QEvent::KeyPress, Qt::Key_A, false, 10);
    ASSERT_EQ(spies.pressed.count(), 1);
    EXPECT_FALSE(spies.lastPressWasRepeat());

    feed(filter, QEvent::KeyRelease, Qt::Key_A, true, 40); // marked by Qt
    feed(filter, QEvent::KeyPress, Qt::Key_A, true, 40);
    EXPECT_TRUE(spies.lastPressWasRepeat());
    feed(filter, QEvent::KeyRelease, Qt::Key_A, false, 70); // a pair Qt missed
    feed(filter, QEvent::KeyPress, Qt::Key_A, false, 70);
    EXPECT_TRUE(spies.lastPressWasRepeat());
    QTest::qWait(3 * KeyRepeatFilter::GraceMs);
    EXPECT_EQ(spies.released.count(), 0);
    EXPECT_EQ(spies.pressed.count(), 3);

    feed(filter, QEvent::KeyRelease, Qt::Key_A, false, 500);
    EXPECT_EQ(spies.released.count(), 0); // not yet: it might be half a pair
    EXPECT_TRUE(QTest::qWaitFor([&] { return spies.released.count() == 1; }, 1000));
}

TEST(KeyRepeatFilter, ANewPressAfterARealReleaseReportsTheReleaseFirst)
{
    KeyRepeatFilter filter;
    Spies spies(filter);
    std::vector<QString> order;
    QObject::connect(&filter, &KeyRepeatFilter::pressed, [&](bool repeat) { order.push_back(repeat ? "repeat" : "press"); });
    QObject::connect(&filter, &KeyRepeatFilter::released, [&] { order.push_back("release"); });
    feed(filter, QEvent::KeyPress, Qt::Key_A, false, 10);
    feed(filter, QEvent::KeyRelease, Qt::Key_A, false, 100);
    feed(filter, QEvent::KeyPress, Qt::Key_A, false, 105); // its own time: a new press
    feed(filter, QEvent::KeyRelease, Qt::Key_A, false, 200);
    feed(filter, QEvent::KeyPress, Qt::Key_B, false, 200); // another key at the same moment
    EXPECT_EQ(order, (std::vector<QString>{"press", "release", "press", "release", "press"}));
}

TEST(KeyRepeatFilter, SettleReportsAWaitingReleaseOnceAndOnlyThen)
{
    KeyRepeatFilter filter;
    Spies spies(filter);
    filter.settle();
    EXPECT_EQ(spies.released.count(), 0);
    feed(filter, QEvent::KeyPress, Qt::Key_A, false, 10);
    feed(filter, QEvent::KeyRelease, Qt::Key_A, false, 20);
    filter.settle();
    EXPECT_EQ(spies.released.count(), 1);
    QTest::qWait(3 * KeyRepeatFilter::GraceMs);
    EXPECT_EQ(spies.released.count(), 1);
}

} // namespace
