#include "games/LotteryRules.h"

#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace lottery;
using Face = LotteryGame::Face;

namespace {

constexpr std::array<int, 10> DigitWidths{12, 6, 12, 12, 12, 12, 12, 12, 12, 12};

std::vector<std::pair<int, int>> places(int ball)
{
    std::vector<std::pair<int, int>> result;
    for (const DigitPlace& place : ballDigitPlaces(ball, DigitWidths))
        result.emplace_back(place.digit, place.left);
    return result;
}

using Places = std::vector<std::pair<int, int>>;

// Draws every ball of a game of n, release by release.
std::vector<int> drawAll(LotteryGame& game, platform::Random& random)
{
    std::vector<int> drawn;
    while (!game.allDrawn()) {
        game.press(0, 0);
        drawn.push_back(game.release(random).ball);
    }
    return drawn;
}

TEST(LotterySetting, StoredBallsAreAWholeNumberKeptWithinTenToAHundred)
{
    EXPECT_EQ(maximumFromSetting("49"), 49);
    EXPECT_EQ(maximumFromSetting("100"), 100);
    EXPECT_EQ(maximumFromSetting("10"), 10);
    EXPECT_EQ(maximumFromSetting(" 77 "), 77);
    EXPECT_EQ(maximumFromSetting("9"), 10);
    EXPECT_EQ(maximumFromSetting("-3"), 10);
    EXPECT_EQ(maximumFromSetting("250"), 100);
    EXPECT_EQ(maximumFromSetting(""), 49);
    EXPECT_EQ(maximumFromSetting("lots"), 49);
    EXPECT_EQ(maximumFromSetting("7.5"), 49);
}

TEST(LotteryPictures, TheMaximumShowsABlankHundredsBelowAHundred)
{
    EXPECT_EQ(maximumDigits(49), (std::array<QString, 3>{"RBlank", "Ball4", "Ball9"}));
    EXPECT_EQ(maximumDigits(10), (std::array<QString, 3>{"RBlank", "Ball1", "Ball0"}));
    EXPECT_EQ(maximumDigits(100), (std::array<QString, 3>{"Ball1", "Ball0", "Ball0"}));
}

TEST(LotteryPictures, BallDigitsAreCentredWithTwoPixelGaps)
{
    EXPECT_EQ(places(7), (Places{{7, 16}}));            // (45 - 12) / 2
    EXPECT_EQ(places(1), (Places{{1, 19}}));            // (45 - 6) / 2, truncated
    EXPECT_EQ(places(37), (Places{{3, 9}, {7, 23}}));   // 12 + 2 + 12
    EXPECT_EQ(places(11), (Places{{1, 15}, {1, 23}}));  // 6 + 2 + 6
    EXPECT_EQ(places(100), (Places{{1, 5}, {0, 13}, {0, 27}}));
}

TEST(LotteryPictures, BallColourByNumberModuloFourAndTubePlaces)
{
    EXPECT_EQ(ballColour(4), BallColour::Yellow);
    EXPECT_EQ(ballColour(5), BallColour::Navy);
    EXPECT_EQ(ballColour(6), BallColour::White);
    EXPECT_EQ(ballColour(7), BallColour::Lime);
    EXPECT_EQ(ballColour(100), BallColour::Yellow);
    EXPECT_EQ(ballLeft(1), 8);
    EXPECT_EQ(ballLeft(10), 458);
}

TEST(LotteryButton, FarEdgesAreStillTheButton)
{
    EXPECT_FALSE(outsideButton(0, 0));
    EXPECT_FALSE(outsideButton(200, 75));
    EXPECT_TRUE(outsideButton(201, 10));
    EXPECT_TRUE(outsideButton(10, 76));
    EXPECT_TRUE(outsideButton(-1, 10));
    EXPECT_TRUE(outsideButton(10, -1));
}

// The shuffle done again by hand, from a mirror of the generator.
TEST(LotteryShuffle, TenThousandSwapsOfTheFirstNPositionsOnly)
{
    for (int n : {10, 49, 100}) {
        platform::Random random, mirror;
        random.seed(99);
        mirror.seed(99);
        LotteryGame game;
        game.newGame(n, random);

        std::array<int, 100> expected{};
        for (int i = 0; i < 100; ++i)
            expected[i] = i + 1;
        for (int swap = 0; swap < 10000; ++swap) {
            const int a = mirror.below(n);
            const int b = mirror.below(n);
            std::swap(expected[a], expected[b]);
        }
        for (int position = 1; position <= 100; ++position)
            ASSERT_EQ(game.sequenceAt(position), expected[position - 1]) << n << " at " << position;
        EXPECT_EQ(random.seedValue(), mirror.seedValue());
        for (int position = n + 1; position <= 100; ++position)
            EXPECT_EQ(game.sequenceAt(position), position);
    }
}

TEST(LotteryDraw, AGameDrawsEveryBallOnceInTheShuffledOrder)
{
    platform::Random random;
    random.seed(5);
    LotteryGame game;
    game.newGame(100, random);
    std::vector<int> order;
    for (int position = 1; position <= 100; ++position)
        order.push_back(game.sequenceAt(position));
    const std::vector<int> drawn = drawAll(game, random);
    EXPECT_EQ(drawn, order);
    EXPECT_EQ(std::set<int>(drawn.begin(), drawn.end()).size(), 100u);
    EXPECT_EQ(*std::min_element(drawn.begin(), drawn.end()), 1);
    EXPECT_EQ(*std::max_element(drawn.begin(), drawn.end()), 100);
}

TEST(LotteryDraw, TheEleventhBallClearsTheRackAndLandsInTubeOne)
{
    platform::Random random;
    random.seed(3);
    LotteryGame game;
    game.newGame(49, random);
    for (int t = 1; t <= 10; ++t) {
        const Drop drop = game.release(random);
        EXPECT_EQ(drop.tube, t);
        EXPECT_EQ(drop.ball, game.sequenceAt(t));
        EXPECT_FALSE(drop.rackCleared);
        EXPECT_EQ(game.tube(t).state, TubeState::Falling);
        EXPECT_EQ(game.tube(t).top, 192);
    }
    EXPECT_EQ(game.nextTube(), 11);
    const Drop eleventh = game.release(random);
    EXPECT_TRUE(eleventh.rackCleared);
    EXPECT_EQ(eleventh.tube, 1);
    EXPECT_EQ(eleventh.ball, game.sequenceAt(11));
    EXPECT_EQ(game.tube(1).ball, eleventh.ball);
    for (int t = 2; t <= 10; ++t)
        EXPECT_EQ(game.tube(t).state, TubeState::Empty) << t;
    EXPECT_EQ(game.nextTube(), 2);
    EXPECT_EQ(game.nextDraw(), 12);
    EXPECT_EQ(game.lastBall(), eleventh.ball);
}

TEST(LotteryDraw, TheLastBallShowsTheRestartFaceAndTheNextReleaseStartsAfresh)
{
    platform::Random random;
    random.seed(8);
    LotteryGame game;
    game.newGame(10, random);
    EXPECT_EQ(game.face(), Face::Drop);
    for (int i = 1; i <= 9; ++i)
        game.release(random);
    EXPECT_FALSE(game.allDrawn());
    EXPECT_TRUE(game.press(0, 0));
    EXPECT_EQ(game.face(), Face::DropPressed);
    const Drop tenth = game.release(random);
    EXPECT_EQ(tenth.tube, 10);
    EXPECT_TRUE(game.allDrawn());
    EXPECT_EQ(game.face(), Face::Restart);
    EXPECT_TRUE(game.press(0, 0));
    EXPECT_EQ(game.face(), Face::RestartPressed);

    const std::uint32_t before = random.seedValue();
    const Drop restart = game.release(random);
    EXPECT_TRUE(restart.restarted);
    EXPECT_EQ(restart.ball, 0);
    EXPECT_EQ(restart.tube, 0);
    EXPECT_FALSE(game.held()); // no tick runs on after the restart
    EXPECT_FALSE(game.allDrawn());
    EXPECT_EQ(game.face(), Face::Drop);
    EXPECT_EQ(game.nextDraw(), 1);
    EXPECT_EQ(game.nextTube(), 1);
    EXPECT_EQ(game.lastBall(), 0);
    for (int t = 1; t <= 10; ++t)
        EXPECT_EQ(game.tube(t).state, TubeState::Empty);
    EXPECT_NE(random.seedValue(), before); // shuffled afresh
    EXPECT_EQ(game.release(random).tube, 1);
}

TEST(LotteryDraw, PressesOutsideLetGoAndPressesWhileHeldAreRepeats)
{
    LotteryGame game;
    bool repeated = true;
    EXPECT_TRUE(game.press(10, 10, &repeated));
    EXPECT_FALSE(repeated);
    EXPECT_TRUE(game.press(0, 0, &repeated));
    EXPECT_TRUE(repeated);
    EXPECT_FALSE(game.press(250, 10, &repeated));
    EXPECT_FALSE(repeated);
    EXPECT_FALSE(game.held());
    EXPECT_TRUE(game.press(0, 0, &repeated));
    EXPECT_FALSE(repeated);
}

TEST(LotteryFall, ABallDropsAHundredPixelsInFiveStepsThenRests)
{
    platform::Random random;
    LotteryGame game;
    game.newGame(20, random);
    game.release(random);
    for (int step = 1; step <= 4; ++step) {
        EXPECT_TRUE(game.fallStep());
        EXPECT_EQ(game.tube(1).top, 192 + 20 * step);
        EXPECT_EQ(game.tube(1).state, TubeState::Falling);
    }
    game.release(random); // a second ball starts while the first lands
    EXPECT_TRUE(game.fallStep());
    EXPECT_EQ(game.tube(1).top, 292);
    EXPECT_EQ(game.tube(1).state, TubeState::Resting);
    EXPECT_EQ(game.tube(2).top, 212);
    EXPECT_TRUE(game.fallStep());
    EXPECT_EQ(game.tube(1).top, 292); // resting balls stay put
    EXPECT_EQ(game.tube(2).top, 232);

    game.land();
    EXPECT_FALSE(game.anyFalling());
    EXPECT_EQ(game.tube(2).top, 292);
}

TEST(LotteryDraw, NewGameEmptiesTheRackAndKeepsNWithinRange)
{
    platform::Random random;
    LotteryGame game;
    game.newGame(30, random);
    game.release(random);
    game.release(random);
    game.newGame(5, random);
    EXPECT_EQ(game.maximum(), 10);
    EXPECT_EQ(game.nextTube(), 1);
    EXPECT_EQ(game.nextDraw(), 1);
    EXPECT_EQ(game.tube(1).state, TubeState::Empty);
    game.newGame(400, random);
    EXPECT_EQ(game.maximum(), 100);
}

TEST(LotteryMachine, BandsClimbAndFallBetweenNoRedAndFullRed)
{
    MachineBands bands;
    auto reds = bands.rowReds();
    EXPECT_EQ(reds[0], 0);
    EXPECT_EQ(reds[12], 240);
    EXPECT_EQ(reds[13], 220);
    EXPECT_EQ(reds[24], 0);
    EXPECT_EQ(reds[25], 20);

    bands.advance();
    bands.advance();
    bands.advance();
    EXPECT_EQ(bands.phase(), 3);
    EXPECT_EQ(bands.rowReds()[0], 60);
    EXPECT_EQ(bands.rowReds()[1], 80);

    for (int i = 0; i < 7; ++i)
        bands.advance();
    EXPECT_EQ(bands.phase(), 0);
    EXPECT_FALSE(bands.startsRising());
    // Twenty frames: every row of every frame stays a red of 0..240.
    for (int frame = 0; frame < 20; ++frame) {
        for (int red : bands.rowReds()) {
            ASSERT_GE(red, 0) << frame;
            ASSERT_LE(red, 240) << frame;
            ASSERT_EQ(red % 20, 0);
        }
        bands.advance();
    }
    bands.advance(); // phase 1, falling start
    ASSERT_EQ(bands.phase(), 1);
    ASSERT_FALSE(bands.startsRising());
    EXPECT_EQ(bands.rowReds()[0], 20);
    EXPECT_EQ(bands.rowReds()[1], 0);
    EXPECT_EQ(bands.rowReds()[2], 20);
}

} // namespace
