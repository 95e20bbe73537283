#include "organisers/Stopwatch.h"

#include "platform/Clock.h"

#include <gtest/gtest.h>

using timing::Stopwatch;
using State = Stopwatch::State;

namespace {

const QDateTime TenFifteen(QDate(2026, 12, 7), QTime(10, 15, 2, 370));

} // namespace

TEST(StopwatchModel, StartRunStopAndResetFollowTheClock)
{
    platform::ManualClock clock(TenFifteen);
    Stopwatch watch(clock);
    EXPECT_EQ(watch.state(), State::Reset);
    EXPECT_EQ(watch.elapsed(), 0);
    EXPECT_FALSE(watch.startedAt().isValid());

    ASSERT_TRUE(watch.start());
    EXPECT_EQ(watch.state(), State::Running);
    EXPECT_TRUE(watch.isRunning());
    EXPECT_EQ(watch.startedAt(), TenFifteen);
    clock.advance(3600000 + 2 * 60000 + 3456);
    EXPECT_EQ(watch.elapsed(), 3723456);

    ASSERT_TRUE(watch.stop());
    EXPECT_EQ(watch.state(), State::Stopped);
    EXPECT_EQ(watch.stoppedAt(), TenFifteen.addMSecs(3723456));
    // Stopped, the time no longer moves.
    clock.advance(5000);
    EXPECT_EQ(watch.elapsed(), 3723456);

    watch.reset();
    EXPECT_EQ(watch.state(), State::Reset);
    EXPECT_EQ(watch.elapsed(), 0);
    EXPECT_FALSE(watch.startedAt().isValid());
    EXPECT_FALSE(watch.stoppedAt().isValid());
}

TEST(StopwatchModel, PressingTwiceChangesNothingAndEachStartIsAFreshInterval)
{
    platform::ManualClock clock(TenFifteen);
    Stopwatch watch(clock);
    EXPECT_FALSE(watch.stop()); // nothing runs yet
    EXPECT_EQ(watch.state(), State::Reset);

    watch.start();
    clock.advance(1000);
    EXPECT_FALSE(watch.start()); // a second start does not restart it
    EXPECT_EQ(watch.startedAt(), TenFifteen);
    clock.advance(1000);
    watch.stop();
    clock.advance(1000);
    EXPECT_FALSE(watch.stop()); // a second stop does not move the end
    EXPECT_EQ(watch.elapsed(), 2000);
    EXPECT_EQ(watch.stoppedAt(), TenFifteen.addMSecs(2000));

    // No resuming: the next start times from now, not on from 2 seconds.
    watch.start();
    EXPECT_EQ(watch.startedAt(), TenFifteen.addMSecs(3000));
    EXPECT_FALSE(watch.stoppedAt().isValid());
    EXPECT_EQ(watch.elapsed(), 0);
    clock.advance(250);
    EXPECT_EQ(watch.elapsed(), 250);

    // Reset while running stops the watch.
    watch.reset();
    EXPECT_FALSE(watch.isRunning());
    clock.advance(250);
    EXPECT_EQ(watch.elapsed(), 0);
}

TEST(StopwatchModel, AcrossMidnightAndAClockSetBack)
{
    platform::ManualClock clock(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 500)));
    Stopwatch watch(clock);
    watch.start();
    clock.set(QDateTime(QDate(2027, 1, 1), QTime(0, 0, 1, 250)));
    EXPECT_EQ(watch.elapsed(), 1750);
    watch.stop();
    EXPECT_EQ(watch.elapsed(), 1750);
    EXPECT_EQ(watch.stoppedAt().time(), QTime(0, 0, 1, 250));

    // A whole day and more is counted, not folded back.
    watch.start();
    clock.advance(25LL * 3600000);
    EXPECT_EQ(watch.elapsed(), 25LL * 3600000);

    // The clock set back while timing: never a negative time.
    watch.stop();
    watch.start();
    clock.advance(-60000);
    EXPECT_EQ(watch.elapsed(), 0);
    watch.stop();
    EXPECT_EQ(watch.elapsed(), 0);
}
