#include "games/TargetGame.h"

#include "platform/Random.h"

#include <gtest/gtest.h>

#include <set>

using namespace target;

namespace {

const QDateTime Noon(QDate(2000, 1, 1), QTime(12, 0));

QDateTime at(qint64 milliseconds) { return Noon.addMSecs(milliseconds); }

// A game started at noon, with a seeded generator.
class TargetGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        random.seed(7);
        game.start(random, Noon);
    }

    // Clicks the target at the given moment.
    Click hit(qint64 when = 0) { return game.click(game.target(), random, at(when)); }
    int someOtherButton() const { return game.target() % ButtonCount + 1; }

    platform::Random random;
    TargetGame game;
};

} // namespace

TEST(TargetGameTexts, TauntsAndEffectsAreExactlyTheGamesOwn)
{
    EXPECT_EQ(taunt(0), "Click me if you can");
    EXPECT_EQ(taunt(1), "Over here slow coach");
    EXPECT_EQ(taunt(2), "Click Click Click");
    EXPECT_EQ(taunt(3), "Hurry up and click me");
    EXPECT_EQ(taunt(4), "Be a quicker clicker");
    EXPECT_EQ(taunt(5), "");
    EXPECT_EQ(taunt(-1), "");

    EXPECT_EQ(startEffect(), (std::vector<Note>{{0x94, 60, 127}}));
    EXPECT_EQ(hitEffect(45), (std::vector<Note>{{0x9A, 45, 120}}));
    EXPECT_EQ(hitEffect(74), (std::vector<Note>{{0x9A, 74, 120}}));
    EXPECT_EQ(wrongEffect(), (std::vector<Note>{{0x90, 75, 127},
                                                {0x90, 65, 120},
                                                {0x90, 50, 120},
                                                {0x90, 45, 120},
                                                {0x90, 25, 120},
                                                {0x90, 15, 120}}));
    EXPECT_EQ(secondEffect(), (std::vector<Note>{{0x91, 60, 70}, {0x9E, 60, 70}}));
}

TEST(TargetGameTexts, TimeAndScoreAreRightAlignedWithBlanksInFront)
{
    EXPECT_EQ(timeText(60), "60");
    EXPECT_EQ(timeText(10), "10");
    EXPECT_EQ(timeText(9), " 9");
    EXPECT_EQ(timeText(0), " 0");

    EXPECT_EQ(scoreText(0), "  0");
    EXPECT_EQ(scoreText(9), "  9");
    EXPECT_EQ(scoreText(10), " 10");
    EXPECT_EQ(scoreText(99), " 99");
    EXPECT_EQ(scoreText(100), "100");
    EXPECT_EQ(scoreText(999), "999");
    // Beyond three digits the display stays full rather than wrapping to 000.
    EXPECT_EQ(scoreText(1000), "999");
    EXPECT_EQ(scoreText(12345), "999");
}

TEST(TargetGameWaiting, ANewGameWaitsAndIgnoresClicks)
{
    TargetGame game;
    platform::Random random;
    EXPECT_FALSE(game.running());
    EXPECT_EQ(game.target(), 0);
    EXPECT_EQ(game.secondsLeft(), 60);
    EXPECT_EQ(game.validClicks(), 0);
    for (int b = 1; b <= ButtonCount; ++b) {
        EXPECT_EQ(game.click(b, random, Noon), Click::Ignored);
        EXPECT_EQ(game.caption(b), "");
    }
    EXPECT_EQ(game.tick(Noon.addSecs(100)), Tick::Nothing);
}

TEST_F(TargetGameTest, StartChoosesOneTargetWithATauntFromTheClockSeed)
{
    ASSERT_TRUE(game.running());
    EXPECT_FALSE(game.counting());
    ASSERT_GE(game.target(), 1);
    ASSERT_LE(game.target(), ButtonCount);
    int captioned = 0;
    for (int b = 1; b <= ButtonCount; ++b)
        if (!game.caption(b).isEmpty())
            ++captioned;
    EXPECT_EQ(captioned, 1);

    // The choice re-seeds from the time of day, so the seed given before does
    // not matter: the same moment gives the same target and taunt.
    platform::Random other;
    other.seed(12345);
    TargetGame again;
    again.start(other, Noon);
    EXPECT_EQ(again.target(), game.target());
    EXPECT_EQ(again.caption(again.target()), game.caption(game.target()));

    // And by hand: taunt first, then the button.
    platform::Random expected;
    expected.seed(std::uint32_t(Noon.time().msecsSinceStartOfDay()));
    const int draw = expected.below(TauntCount);
    EXPECT_EQ(game.caption(game.target()), taunt(draw));
    EXPECT_EQ(game.target(), expected.between(1, ButtonCount));
}

TEST_F(TargetGameTest, TheTargetNeverStaysOnTheButtonJustClicked)
{
    std::set<int> targets;
    std::set<QString> taunts;
    for (int i = 0; i < 500; ++i) {
        const int before = game.target();
        // The same millisecond over and over: the re-seed gives the same
        // first draw, which must be drawn again.
        ASSERT_EQ(game.click(before, random, at(0)), Click::Hit);
        ASSERT_NE(game.target(), before) << "hit " << i;
        ASSERT_GE(game.target(), 1);
        ASSERT_LE(game.target(), ButtonCount);
        targets.insert(game.target());
        taunts.insert(game.caption(game.target()));
        // Clicks spread over a second reach every button and every taunt.
        ASSERT_EQ(hit(i * 7), Click::Hit);
        targets.insert(game.target());
        taunts.insert(game.caption(game.target()));
    }
    EXPECT_EQ(targets.size(), std::size_t(ButtonCount));
    EXPECT_EQ(taunts.size(), std::size_t(TauntCount));
    EXPECT_EQ(game.validClicks(), 1000);
}

TEST_F(TargetGameTest, HitNotesAreDrawnFrom45To74BeforeTheTargetMoves)
{
    std::set<int> notes;
    for (int i = 0; i < 400; ++i) {
        platform::Random expected;
        expected.seed(random.seedValue());
        hit(i * 13);
        EXPECT_EQ(game.lastHitNote(), 45 + expected.below(30));
        notes.insert(game.lastHitNote());
    }
    EXPECT_EQ(*notes.begin(), 45);
    EXPECT_EQ(*notes.rbegin(), 74);
}

TEST_F(TargetGameTest, AWrongButtonEndsTheGameAndKeepsTheScore)
{
    hit();
    hit();
    ASSERT_EQ(game.click(someOtherButton(), random, at(500)), Click::Wrong);
    EXPECT_FALSE(game.running());
    EXPECT_FALSE(game.counting());
    EXPECT_EQ(game.target(), 0);
    EXPECT_EQ(game.validClicks(), 2);
    for (int b = 1; b <= ButtonCount; ++b)
        EXPECT_EQ(game.caption(b), "");
    EXPECT_EQ(game.click(1, random, at(600)), Click::Ignored);
    EXPECT_EQ(game.tick(at(5000)), Tick::Nothing);

    // The next start clears it.
    game.start(random, at(10000));
    EXPECT_EQ(game.validClicks(), 0);
    EXPECT_EQ(game.secondsLeft(), 60);
}

TEST_F(TargetGameTest, AWrongButtonBeforeAnyHitEndsTheGameToo)
{
    EXPECT_EQ(game.click(someOtherButton(), random, Noon), Click::Wrong);
    EXPECT_FALSE(game.running());
}

TEST_F(TargetGameTest, TheClockDoesNotRunBeforeTheFirstHit)
{
    for (int minutes = 0; minutes <= 5; ++minutes)
        EXPECT_EQ(game.tick(Noon.addSecs(minutes * 60 + 17)), Tick::Nothing);
    EXPECT_EQ(game.secondsLeft(), 60);
    EXPECT_TRUE(game.running());
}

TEST_F(TargetGameTest, CountdownStartsAtTheFirstHitAndEndsWhenItWouldShowZero)
{
    // The first hit a few minutes after the start: the count begins there.
    const qint64 firstHit = 200'000;
    hit(firstHit);
    EXPECT_TRUE(game.counting());
    EXPECT_EQ(game.secondsLeft(), 60);

    EXPECT_EQ(game.tick(at(firstHit + 10)), Tick::NewSecond);
    EXPECT_EQ(game.secondsLeft(), 59);
    EXPECT_EQ(game.tick(at(firstHit + 999)), Tick::Nothing);
    EXPECT_EQ(game.tick(at(firstHit + 1000)), Tick::NewSecond);
    EXPECT_EQ(game.secondsLeft(), 58);
    // Later hits do not restart it.
    hit(firstHit + 1500);
    EXPECT_EQ(game.tick(at(firstHit + 1600)), Tick::Nothing);
    EXPECT_EQ(game.secondsLeft(), 58);

    EXPECT_EQ(game.tick(at(firstHit + 57'999)), Tick::NewSecond);
    EXPECT_EQ(game.secondsLeft(), 2);
    EXPECT_EQ(game.tick(at(firstHit + 58'000)), Tick::NewSecond);
    EXPECT_EQ(game.secondsLeft(), 1);
    EXPECT_TRUE(game.running());
    EXPECT_EQ(game.tick(at(firstHit + 59'000)), Tick::TimeUp);
    EXPECT_EQ(game.secondsLeft(), 0);
    EXPECT_FALSE(game.running());
    EXPECT_EQ(game.target(), 0);
    EXPECT_EQ(game.validClicks(), 2);
    EXPECT_EQ(game.tick(at(firstHit + 60'000)), Tick::Nothing);
}

TEST_F(TargetGameTest, CountdownFollowsTheClocksOwnSeconds)
{
    // A hit late in a second: the next second of the clock is the next step,
    // as the time of day shows it.
    hit(30'700);
    EXPECT_EQ(game.tick(at(30'710)), Tick::NewSecond);
    EXPECT_EQ(game.secondsLeft(), 59);
    EXPECT_EQ(game.tick(at(31'000)), Tick::NewSecond);
    EXPECT_EQ(game.secondsLeft(), 58);
}

TEST_F(TargetGameTest, SkippedSecondsAreCaughtUpInOneStep)
{
    hit();
    EXPECT_EQ(game.tick(at(20'500)), Tick::NewSecond);
    EXPECT_EQ(game.secondsLeft(), 39);
}

TEST_F(TargetGameTest, ALongAbsenceRunsTheTimeOutInsteadOfComingRoundAgain)
{
    // A window left inactive for over a minute looks again: counting on the
    // seconds of the minute alone would read 10 seconds gone and play on.
    hit();
    EXPECT_EQ(game.tick(at(70'000)), Tick::TimeUp);
    EXPECT_EQ(game.secondsLeft(), 0);
}

TEST_F(TargetGameTest, ACountAcrossTheMinuteAndMidnightKeepsGoing)
{
    TargetGame late;
    const QDateTime beforeMidnight(QDate(2000, 12, 31), QTime(23, 59, 30));
    late.start(random, beforeMidnight);
    late.click(late.target(), random, beforeMidnight);
    EXPECT_EQ(late.tick(beforeMidnight.addSecs(40)), Tick::NewSecond);
    EXPECT_EQ(late.secondsLeft(), 19);
    EXPECT_EQ(late.tick(beforeMidnight.addSecs(59)), Tick::TimeUp);
}

TEST_F(TargetGameTest, AClockSetBackHoldsTheTimeInsteadOfAddingToIt)
{
    hit(10'000);
    EXPECT_EQ(game.tick(at(5'000)), Tick::NewSecond);
    EXPECT_EQ(game.secondsLeft(), 59);
}
