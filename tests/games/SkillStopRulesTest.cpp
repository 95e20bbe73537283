#include "games/SkillStopRules.h"

#include "platform/Random.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skillstop;

namespace {

// A game whose fake-out draws come from a generator the test can mirror.
struct Seeded {
    explicit Seeded(std::uint32_t seed)
    {
        random.seed(seed);
        mirror.seed(seed);
    }
    platform::Random random;
    platform::Random mirror;
};

TEST(SkillStopLetters, SpellSkillstopFromOne)
{
    QString word;
    for (int i = 1; i <= LetterCount; ++i)
        word += letterAt(i);
    EXPECT_EQ(word, "SKILLSTOP");
    EXPECT_EQ(letterAt(0), '?');
    EXPECT_EQ(letterAt(10), '?');
    EXPECT_EQ(litLetters(0), "");
    EXPECT_EQ(litLetters(6), "SKILLS");
    EXPECT_EQ(litLetters(9), "SKILLSTOP");
}

TEST(SkillStopCounter, LeadingDigitsStayBlankUntilTheyFirstChange)
{
    ScoreCounter counter;
    EXPECT_EQ(counter.shown(), "  0");
    for (int i = 1; i <= 9; ++i)
        counter.add();
    EXPECT_EQ(counter.shown(), "  9");
    counter.add(); // the tenth: units carry into the tens
    EXPECT_EQ(counter.shown(), " 10");
    EXPECT_EQ(counter.value(), 10);
    for (int i = 11; i <= 99; ++i)
        counter.add();
    EXPECT_EQ(counter.shown(), " 99");
    counter.add(); // tens shown as 0 once they have carried
    EXPECT_EQ(counter.shown(), "100");
    counter.add();
    EXPECT_EQ(counter.shown(), "101");
}

TEST(SkillStopCounter, StopsAtNineHundredNinetyNineAndResetsToBlank)
{
    ScoreCounter counter;
    for (int i = 0; i < 1005; ++i)
        counter.add();
    EXPECT_EQ(counter.value(), 999);
    EXPECT_EQ(counter.shown(), "999");
    counter.reset();
    EXPECT_EQ(counter.shown(), "  0");
    EXPECT_EQ(counter.value(), 0);
    counter.add();
    EXPECT_EQ(counter.shown(), "  1");
}

TEST(SkillStopLight, StartsRunningUnlitAndRisingWithStopShown)
{
    SkillStopGame game;
    EXPECT_TRUE(game.running());
    EXPECT_TRUE(game.rising());
    EXPECT_FALSE(game.falling());
    EXPECT_EQ(game.position(), 0);
    EXPECT_EQ(game.litCount(), 0);
    EXPECT_EQ(game.phase(), 0);
    EXPECT_EQ(game.face(), ButtonFace::StopOut);
    EXPECT_EQ(game.intervalMs(), 100);
    EXPECT_EQ(game.hits().shown(), "  0");
    EXPECT_EQ(game.misses().shown(), "  0");
}

// Runs the light for many steps and checks each against the rule, drawing
// the fake-out from a mirror generator exactly where the game must draw.
TEST(SkillStopLight, StepsByTheRuleAndDrawsOnlyAtTheSecondSRising)
{
    Seeded s(4711);
    SkillStopGame game;
    int position = 0;
    bool rising = true;
    int fakeOuts = 0, passes = 0, tops = 0;
    for (int step = 0; step < 5000; ++step) {
        if (rising && position != 9)
            ++position;
        else if (!rising && position != 0)
            --position;
        if (position == 9 && rising)
            rising = false;
        else if (position == 0 && !rising)
            rising = true;
        if (position == 6 && rising) {
            if (s.mirror.below(10) > 5) {
                rising = false;
                ++fakeOuts;
            } else {
                ++passes;
            }
        }
        const StepOutcome outcome = game.step(s.random);
        ASSERT_TRUE(outcome.moved);
        ASSERT_FALSE(outcome.chimed);
        ASSERT_EQ(game.position(), position) << "step " << step;
        ASSERT_EQ(game.rising(), rising) << "step " << step;
        ASSERT_EQ(game.falling(), !rising) << "step " << step;
        ASSERT_EQ(outcome.note, 30 + 10 * position);
        ASSERT_EQ(game.litCount(), position);
        ASSERT_EQ(game.pLit(), position == 9);
        tops += position == 9;
        // No draw anywhere else: both generators are still in step.
        ASSERT_EQ(s.random.seedValue(), s.mirror.seedValue()) << "step " << step;
    }
    // Four in ten turn back at the second S, roughly.
    EXPECT_GT(fakeOuts, 0);
    EXPECT_NEAR(double(fakeOuts) / (fakeOuts + passes), 0.4, 0.08);
    EXPECT_GT(tops, 0);
}

TEST(SkillStopLight, PStaysLitForExactlyOneStepThenFalls)
{
    platform::Random random;
    SkillStopGame game;
    game.setLight(8, true);
    game.step(random);
    EXPECT_EQ(game.position(), 9);
    EXPECT_TRUE(game.pLit());
    EXPECT_TRUE(game.falling());
    game.step(random);
    EXPECT_EQ(game.position(), 8);
    EXPECT_FALSE(game.pLit());
    EXPECT_TRUE(game.letterLit(8));
    EXPECT_FALSE(game.letterLit(9));

    game.setLight(1, false);
    game.step(random);
    EXPECT_EQ(game.position(), 0);
    EXPECT_TRUE(game.rising());
    EXPECT_EQ(game.step(random).note, 40);
    EXPECT_EQ(game.position(), 1);
}

TEST(SkillStopButton, CyclesStopStartAndCountsOnTheStopPress)
{
    platform::Random random;
    SkillStopGame game;
    game.setLight(4, true);

    EXPECT_EQ(game.press(), Counted::Miss);
    EXPECT_EQ(game.phase(), 1);
    EXPECT_EQ(game.face(), ButtonFace::StopIn);
    EXPECT_FALSE(game.running());
    EXPECT_EQ(game.misses().value(), 1);

    game.release();
    EXPECT_EQ(game.phase(), 2);
    EXPECT_EQ(game.face(), ButtonFace::StartOut);
    EXPECT_FALSE(game.step(random).moved); // frozen on a miss: nothing at all
    EXPECT_EQ(game.position(), 4);

    EXPECT_EQ(game.press(), Counted::Nothing);
    EXPECT_EQ(game.phase(), 3);
    EXPECT_EQ(game.face(), ButtonFace::StartIn);
    EXPECT_TRUE(game.running());
    game.release();
    EXPECT_EQ(game.phase(), 0);
    EXPECT_EQ(game.face(), ButtonFace::StopOut);
    EXPECT_EQ(game.misses().value(), 1);
    EXPECT_EQ(game.hits().value(), 0);
}

TEST(SkillStopButton, ASecondPressWhileStillHeldCountsAgainAndReleasesOutOfTurnDoNothing)
{
    SkillStopGame game;
    game.release(); // phase 0: nothing
    EXPECT_EQ(game.phase(), 0);
    EXPECT_EQ(game.face(), ButtonFace::StopOut);

    game.press();
    EXPECT_EQ(game.press(), Counted::Miss); // a key pressed while the mouse holds Stop
    EXPECT_EQ(game.misses().value(), 2);
    EXPECT_EQ(game.phase(), 1);
    EXPECT_EQ(game.face(), ButtonFace::StopIn);

    game.release();
    game.release(); // phase 2: nothing
    EXPECT_EQ(game.phase(), 2);
    game.press();
    EXPECT_EQ(game.press(), Counted::Nothing); // phase 3: only running on
    EXPECT_EQ(game.phase(), 3);
    EXPECT_TRUE(game.running());
    EXPECT_EQ(game.misses().value(), 2);
}

TEST(SkillStopButton, AHitOnlyExactlyOnTheStepThatLitP)
{
    platform::Random random;
    // One step early: the O is lit.
    SkillStopGame early;
    early.setLight(7, true);
    early.step(random);
    EXPECT_EQ(early.press(), Counted::Miss);

    SkillStopGame exact;
    exact.setLight(8, true);
    exact.step(random);
    EXPECT_EQ(exact.press(), Counted::Hit);
    EXPECT_EQ(exact.hits().shown(), "  1");
    EXPECT_EQ(exact.misses().shown(), "  0");

    SkillStopGame late;
    late.setLight(8, true);
    late.step(random);
    late.step(random);
    EXPECT_EQ(late.press(), Counted::Miss);
}

TEST(SkillStopButton, AFrozenHitChimesAndRotatesTheBarsOnlyWhileStartShows)
{
    platform::Random random;
    SkillStopGame game;
    game.setLight(8, true);
    game.step(random);
    game.press(); // hit, phase 1: Stop still held
    EXPECT_TRUE(game.stepMatters() == false);
    EXPECT_FALSE(game.step(random).chimed);

    game.release(); // Start shows
    EXPECT_TRUE(game.stepMatters());
    StepOutcome outcome = game.step(random);
    EXPECT_TRUE(outcome.chimed);
    EXPECT_FALSE(outcome.moved);
    EXPECT_EQ(game.position(), 9);
    // Upper: the first takes the third's picture, the second the first's...
    EXPECT_EQ(game.upperBars(), (std::array<int, 3>{2, 0, 1}));
    // ...the lower ones cycle the other way.
    EXPECT_EQ(game.lowerBars(), (std::array<int, 3>{1, 2, 0}));
    game.step(random);
    game.step(random);
    EXPECT_EQ(game.upperBars(), (std::array<int, 3>{0, 1, 2}));
    EXPECT_EQ(game.lowerBars(), (std::array<int, 3>{0, 1, 2}));

    game.press(); // Start pressed (phase 3): still chiming, and running again
    EXPECT_TRUE(game.step(random).moved);
    EXPECT_EQ(game.position(), 8);
}

TEST(SkillStopGameStart, SpeedsStartTwoLettersFromTheTopRisingWithFreshCounters)
{
    platform::Random random;
    for (auto [interval, expected] : {std::pair{SlowMs, 250}, {MediumMs, 100}, {FastMs, 1}}) {
        SkillStopGame game;
        game.setLight(9, false); // falling when the speed is chosen
        game.press();            // a hit: the P is lit
        game.release();
        game.newGame(interval);
        EXPECT_EQ(game.intervalMs(), expected);
        EXPECT_EQ(game.position(), 8);
        EXPECT_TRUE(game.running());
        EXPECT_EQ(game.phase(), 0);
        EXPECT_EQ(game.face(), ButtonFace::StopOut);
        EXPECT_EQ(game.hits().shown(), "  0");
        const StepOutcome first = game.step(random);
        EXPECT_EQ(game.position(), 9);
        EXPECT_EQ(first.note, 120);
        EXPECT_EQ(game.press(), Counted::Hit);
    }
}

TEST(SkillStopGameStart, ResetClearsCountersAndRunsButLeavesTheLightAndSpeed)
{
    platform::Random random;
    SkillStopGame game;
    game.newGame(SlowMs);
    game.setLight(3, false);
    game.press();
    game.release();
    game.reset();
    EXPECT_TRUE(game.running());
    EXPECT_EQ(game.phase(), 0);
    EXPECT_EQ(game.face(), ButtonFace::StopOut);
    EXPECT_EQ(game.misses().shown(), "  0");
    EXPECT_EQ(game.position(), 3);
    EXPECT_TRUE(game.falling());
    EXPECT_EQ(game.intervalMs(), 250);
}

} // namespace

namespace {

TEST(SkillStopPacer, FastStepsFallDueOnePerIntervalAndRunOncePerFrame)
{
    EXPECT_EQ(StepPacer::timerInterval(FastMs), 16);
    EXPECT_EQ(StepPacer::timerInterval(MediumMs), 100);
    EXPECT_EQ(StepPacer::timerInterval(SlowMs), 250);

    StepPacer pacer;
    pacer.start(1000, FastMs);
    EXPECT_EQ(pacer.due(1000), 0);
    EXPECT_EQ(pacer.due(1016), 16);
    EXPECT_EQ(pacer.due(1016), 0); // each step is handed out once
    EXPECT_EQ(pacer.due(1031), 15);
    EXPECT_EQ(pacer.due(1047), 16);
    // Far behind (the program was held up): four frames' worth, the rest dropped.
    EXPECT_EQ(pacer.due(3047), 64);
    EXPECT_EQ(pacer.due(3063), 16);

    pacer.start(0, 5);
    EXPECT_EQ(pacer.due(16), 3);
    EXPECT_EQ(pacer.due(20), 1);
}

} // namespace
