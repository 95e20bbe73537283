#include "games/DiceRules.h"

#include "platform/Random.h"

#include <QTime>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using dice::DiceState;

QString shownLetters(int value)
{
    QString letters;
    for (int pip = 0; pip < dice::PipCount; ++pip)
        if (dice::pipShown(value, pip))
            letters += QChar(dice::pipLetter(pip));
    return letters;
}

TEST(DiceFaces, PipTableAndLayout)
{
    const char* expected[] = {"", "D", "AG", "CDE", "ACEG", "ACDEG", "ABCEFG"};
    for (int value = 0; value <= 6; ++value)
        EXPECT_EQ(shownLetters(value), expected[value]) << "value " << value;
    EXPECT_EQ(shownLetters(7), "");
    EXPECT_EQ(dice::pipOffset(0), QPoint(12, 12)); // A
    EXPECT_EQ(dice::pipOffset(5), QPoint(68, 40)); // F

    // Every face reads the same upside down: a pip at the wrong offset shows.
    for (int value = 1; value <= 6; ++value) {
        std::set<std::pair<int, int>> centres; // doubled, to stay on whole pixels
        for (int pip = 0; pip < dice::PipCount; ++pip)
            if (dice::pipShown(value, pip)) {
                const QPoint at = dice::pipOffset(pip);
                centres.insert({2 * at.x() + dice::PipSize, 2 * at.y() + dice::PipSize});
            }
        for (const auto& [x, y] : centres)
            EXPECT_TRUE(centres.count({2 * dice::DieSize - x, 2 * dice::DieSize - y})) << "value " << value;
    }
}

TEST(DiceFaces, ButtonHitTestKeepsTheFarEdgesInside)
{
    EXPECT_FALSE(dice::outsideButton(0, 0));
    EXPECT_FALSE(dice::outsideButton(361, 73));
    EXPECT_TRUE(dice::outsideButton(-1, 10));
    EXPECT_TRUE(dice::outsideButton(362, 10));
    EXPECT_TRUE(dice::outsideButton(10, -1));
    EXPECT_TRUE(dice::outsideButton(10, 74));
}

// Draws as the rules must: the generator seeded with `seed`, then one face
// per die asked for, in the order asked.
std::vector<int> expectedDraws(std::uint32_t seed, std::size_t count)
{
    platform::Random expected;
    expected.seed(seed);
    std::vector<int> draws;
    for (std::size_t i = 0; i < count; ++i)
        draws.push_back(expected.between(1, 6));
    return draws;
}

std::uint32_t seedOf(const QTime& time) { return std::uint32_t(time.msecsSinceStartOfDay()); }

class DiceRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        random.seed(12345);
        state.dealFaces(random);
        before = faces();
    }

    std::array<int, 6> faces() const
    {
        std::array<int, 6> result{};
        for (int k = 1; k <= 6; ++k)
            result[k - 1] = state.face(k);
        return result;
    }
    platform::Random random;
    QTime now{10, 20, 30, 400};
    DiceState state;
    std::array<int, 6> before{};
};

TEST_F(DiceRulesTest, DealsEveryDieFromTheGivenGeneratorDieOneFirst)
{
    const auto draws = expectedDraws(12345, 6);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(state.face(k), draws[k - 1]) << "die " << k;
        EXPECT_EQ(state.shownValue(k), draws[k - 1]) << "die " << k;
    }

    // Dice that are off are dealt too: a new window starts with all on, but
    // dealing never skips one.
    state.toggle(4);
    random.seed(777);
    state.dealFaces(random);
    EXPECT_EQ(state.face(4), expectedDraws(777, 6)[3]);
    EXPECT_EQ(state.shownValue(4), 0);
}

TEST_F(DiceRulesTest, TogglingKeepsTheFaceAndOnlyAllSixOffIsAllOff)
{
    EXPECT_FALSE(state.allOff());
    for (int k = 1; k <= 5; ++k)
        state.toggle(k);
    EXPECT_FALSE(state.allOff());
    state.toggle(6);
    EXPECT_TRUE(state.allOff());
    for (int k = 1; k <= 6; ++k) {
        EXPECT_FALSE(state.isOn(k));
        EXPECT_EQ(state.shownValue(k), 0);
        EXPECT_EQ(state.face(k), before[k - 1]);
    }
    state.toggle(3);
    EXPECT_TRUE(state.isOn(3));
    EXPECT_EQ(state.shownValue(3), before[2]);

    // Numbers outside 1..6 name no die and change nothing.
    state.toggle(0);
    state.toggle(7);
    EXPECT_EQ(faces(), before);
    EXPECT_FALSE(state.isOn(0));
    EXPECT_EQ(state.face(7), 0);
}

TEST_F(DiceRulesTest, RollsOnlyWhileHeldAndOnlyTheDiceThatAreOn)
{
    const auto seed = random.seedValue();
    EXPECT_FALSE(state.rollStep(random, now));
    EXPECT_EQ(random.seedValue(), seed); // idle: no re-seed either

    const auto first = state.press(0, 0, random, now);
    EXPECT_TRUE(state.held());
    EXPECT_FALSE(first.stepped); // the press itself does not roll
    EXPECT_FALSE(first.warnNoneActive);
    EXPECT_EQ(faces(), before);

    // Each step re-seeds from the time and rolls dice 1..6 in order,
    // skipping the ones that are off without drawing for them.
    state.toggle(2);
    state.toggle(5);
    now = now.addMSecs(5);
    EXPECT_TRUE(state.press(0, 0, random, now).stepped); // a key repeat while held
    const auto draws = expectedDraws(seedOf(now), 4);
    int next = 0;
    for (int k : {1, 3, 4, 6})
        EXPECT_EQ(state.face(k), draws[next++]) << "die " << k;
    EXPECT_EQ(state.face(2), before[1]);
    EXPECT_EQ(state.face(5), before[4]);

    const auto outside = state.press(362, 0, random, now);
    EXPECT_TRUE(outside.letGo);
    EXPECT_FALSE(outside.stepped);
    EXPECT_FALSE(state.held());
    EXPECT_FALSE(state.rollStep(random, now));
}

TEST_F(DiceRulesTest, AllOffWarnsOnEveryPressAndStillStepsWithoutChangingFaces)
{
    for (int k = 1; k <= 6; ++k)
        state.toggle(k);
    EXPECT_TRUE(state.press(0, 0, random, now).warnNoneActive);
    const auto repeat = state.press(0, 0, random, now);
    EXPECT_TRUE(repeat.stepped);
    EXPECT_TRUE(repeat.warnNoneActive);
    EXPECT_TRUE(state.rollStep(random, now)); // the tick still sounds
    EXPECT_EQ(faces(), before);
    EXPECT_EQ(random.seedValue(), seedOf(now)); // re-seeded, nothing drawn
}

TEST(DiceSeeding, TheSeedIsTheTimeOfDayInMilliseconds)
{
    platform::Random random;
    dice::reseedFromTime(random, QTime(0, 0));
    EXPECT_EQ(random.seedValue(), 0u);
    dice::reseedFromTime(random, QTime(23, 59, 59, 999));
    EXPECT_EQ(random.seedValue(), 86399999u);
    dice::reseedFromTime(random, QTime(10, 20, 30, 400));
    EXPECT_EQ(random.seedValue(), 37230400u);
}

// The timer re-seeds from a clock that moves 5 ms a tick; the faces must
// still come out even.
TEST_F(DiceRulesTest, FacesStayUniformUnderTickReseeding)
{
    state.press(0, 0, random, now);
    std::array<int, 7> count{};
    const int steps = 3000;
    for (int i = 0; i < steps; ++i) {
        now = now.addMSecs(5);
        state.rollStep(random, now);
        for (int k = 1; k <= 6; ++k)
            ++count[state.face(k)];
    }
    EXPECT_EQ(count[0], 0);
    for (int face = 1; face <= 6; ++face) {
        EXPECT_GT(count[face], steps * 85 / 100) << "face " << face;
        EXPECT_LT(count[face], steps * 115 / 100) << "face " << face;
    }
}

} // namespace
