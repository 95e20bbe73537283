#include "games/DiceRules.h"

#include "platform/Clock.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <set>
#include <QString>

namespace {

using dice::DiceState;

// Fixes the generator for a test and puts everything back afterwards.
class DiceRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Clock::install(&clock);
        random().setSeedLocked(false);
        random().seed(12345);
    }
    void TearDown() override
    {
        random().setSeedLocked(false);
        platform::Clock::install(nullptr);
    }
    static platform::Random& random() { return platform::Random::instance(); }

    static std::array<int, 6> faces(const DiceState& state)
    {
        std::array<int, 6> result{};
        for (int k = 1; k <= 6; ++k)
            result[k - 1] = state.face(k);
        return result;
    }

    platform::ManualClock clock{QDateTime(QDate(2000, 1, 1), QTime(10, 20, 30, 400))};
};

QString shownLetters(int value)
{
    QString letters;
    for (int pip = 0; pip < dice::PipCount; ++pip)
        if (dice::pipShown(value, pip))
            letters += QChar(dice::pipLetter(pip));
    return letters;
}

TEST(DicePips, FacesShowTheConventionalPips)
{
    EXPECT_EQ(shownLetters(0), "");
    EXPECT_EQ(shownLetters(1), "D");
    EXPECT_EQ(shownLetters(2), "AG");
    EXPECT_EQ(shownLetters(3), "CDE");
    EXPECT_EQ(shownLetters(4), "ACEG");
    EXPECT_EQ(shownLetters(5), "ACDEG");
    EXPECT_EQ(shownLetters(6), "ABCEFG");
    // Out-of-range values never light a pip.
    EXPECT_EQ(shownLetters(7), "");
    EXPECT_EQ(shownLetters(-1), "");
}

TEST(DicePips, OffsetsByLetter)
{
    const QPoint expected[] = {{12, 12}, {12, 40}, {12, 68}, {40, 40}, {68, 12}, {68, 40}, {68, 68}};
    for (int pip = 0; pip < dice::PipCount; ++pip)
        EXPECT_EQ(dice::pipOffset(pip), expected[pip]) << dice::pipLetter(pip);
}

// A drawn face must look the same upside down and its pip count must be its
// value; a pip put at the wrong offset or a wrong mask breaks one of these.
TEST(DicePips, EveryFaceIsPointSymmetricAndCountsItsValue)
{
    for (int value = 1; value <= 6; ++value) {
        // Pip centres, doubled to stay on whole pixels.
        std::set<std::pair<int, int>> centres;
        for (int pip = 0; pip < dice::PipCount; ++pip) {
            if (!dice::pipShown(value, pip))
                continue;
            const QPoint offset = dice::pipOffset(pip);
            ASSERT_GE(offset.x(), 0);
            ASSERT_GE(offset.y(), 0);
            ASSERT_LE(offset.x() + dice::PipSize, dice::DieSize);
            ASSERT_LE(offset.y() + dice::PipSize, dice::DieSize);
            centres.insert({2 * offset.x() + dice::PipSize, 2 * offset.y() + dice::PipSize});
        }
        EXPECT_EQ(int(centres.size()), value);
        for (const auto& [x, y] : centres)
            EXPECT_TRUE(centres.count({2 * dice::DieSize - x, 2 * dice::DieSize - y}))
                << "value " << value << " pip centre " << x / 2.0 << "," << y / 2.0;
    }
}

TEST(DiceButton, HitTestKeepsTheFarEdgesInside)
{
    EXPECT_FALSE(dice::outsideButton(0, 0));
    EXPECT_FALSE(dice::outsideButton(361, 73));
    EXPECT_FALSE(dice::outsideButton(180, 36));
    EXPECT_TRUE(dice::outsideButton(-1, 10));
    EXPECT_TRUE(dice::outsideButton(362, 10));
    EXPECT_TRUE(dice::outsideButton(10, -1));
    EXPECT_TRUE(dice::outsideButton(10, 74));
}

TEST_F(DiceRulesTest, FreshStateHasAllDiceOnAndTheButtonUp)
{
    DiceState state;
    state.dealFaces();
    EXPECT_FALSE(state.held());
    for (int k = 1; k <= 6; ++k) {
        EXPECT_TRUE(state.isOn(k));
        EXPECT_GE(state.face(k), 1);
        EXPECT_LE(state.face(k), 6);
        EXPECT_EQ(state.shownValue(k), state.face(k));
    }
}

TEST_F(DiceRulesTest, DealingTakesDieOneFirstFromTheGenerator)
{
    platform::Random expected = random();
    DiceState state;
    state.dealFaces();
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(state.face(k), expected.between(1, 6)) << "die " << k;
}

TEST_F(DiceRulesTest, SwitchingADieOffAndOnKeepsItsFace)
{
    DiceState state;
    state.dealFaces();
    const auto before = faces(state);
    state.toggle(3);
    EXPECT_FALSE(state.isOn(3));
    EXPECT_EQ(state.shownValue(3), 0);
    EXPECT_EQ(state.face(3), before[2]);
    EXPECT_TRUE(state.isOn(2));
    state.toggle(3);
    EXPECT_TRUE(state.isOn(3));
    EXPECT_EQ(state.shownValue(3), before[2]);
    EXPECT_EQ(faces(state), before);
}

TEST_F(DiceRulesTest, RollStepDoesNothingUntilHeld)
{
    DiceState state;
    state.dealFaces();
    const auto before = faces(state);
    const auto seedBefore = random().seedValue();
    EXPECT_FALSE(state.rollStep());
    EXPECT_EQ(faces(state), before);
    // Not even the generator was touched: no re-seed while idle.
    EXPECT_EQ(random().seedValue(), seedBefore);
}

TEST_F(DiceRulesTest, FirstPressHoldsWithoutRollingAndRepeatsRollOnce)
{
    DiceState state;
    state.dealFaces();
    const auto before = faces(state);

    auto first = state.press(0, 0);
    EXPECT_FALSE(first.letGo);
    EXPECT_FALSE(first.stepped);
    EXPECT_FALSE(first.warnNoneActive);
    EXPECT_TRUE(state.held());
    EXPECT_EQ(faces(state), before);

    // An auto-repeated key press while held: one step, reseeded from the clock.
    platform::Random expected;
    expected.seed(std::uint32_t(clock.now().time().msecsSinceStartOfDay()));
    auto repeat = state.press(0, 0);
    EXPECT_TRUE(repeat.stepped);
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(state.face(k), expected.between(1, 6)) << "die " << k;
}

TEST_F(DiceRulesTest, RollStepReseedsFromTheClockEveryTime)
{
    DiceState state;
    state.press(10, 10);
    ASSERT_TRUE(state.rollStep());
    const auto first = faces(state);
    // Same clock reading, same seed, same throw.
    ASSERT_TRUE(state.rollStep());
    EXPECT_EQ(faces(state), first);

    clock.advance(5);
    platform::Random expected;
    expected.seed(std::uint32_t(clock.now().time().msecsSinceStartOfDay()));
    ASSERT_TRUE(state.rollStep());
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(state.face(k), expected.between(1, 6)) << "die " << k;
}

TEST_F(DiceRulesTest, OffDiceAreSkippedAndDrawNothingFromTheGenerator)
{
    DiceState state;
    state.dealFaces();
    const auto before = faces(state);
    state.toggle(2);
    state.toggle(5);
    random().setSeedLocked(true);
    random().seed(777);
    platform::Random expected = random();
    state.press(1, 1);
    ASSERT_TRUE(state.rollStep());
    EXPECT_EQ(state.face(1), expected.between(1, 6));
    EXPECT_EQ(state.face(2), before[1]);
    EXPECT_EQ(state.face(3), expected.between(1, 6));
    EXPECT_EQ(state.face(4), expected.between(1, 6));
    EXPECT_EQ(state.face(5), before[4]);
    EXPECT_EQ(state.face(6), expected.between(1, 6));
    EXPECT_EQ(state.shownValue(2), 0);
    EXPECT_EQ(state.shownValue(5), 0);
}

TEST_F(DiceRulesTest, PressOutsideLetsGoWithoutRolling)
{
    DiceState state;
    state.dealFaces();
    state.press(5, 5);
    ASSERT_TRUE(state.held());
    const auto before = faces(state);
    const auto outcome = state.press(362, 5);
    EXPECT_TRUE(outcome.letGo);
    EXPECT_FALSE(outcome.stepped);
    EXPECT_FALSE(outcome.warnNoneActive);
    EXPECT_FALSE(state.held());
    EXPECT_EQ(faces(state), before);
    EXPECT_FALSE(state.rollStep());
}

TEST_F(DiceRulesTest, AllOffWarnsOnEveryPressAndNeverChangesAFace)
{
    DiceState state;
    state.dealFaces();
    const auto before = faces(state);
    for (int k = 1; k <= 6; ++k)
        state.toggle(k);
    ASSERT_TRUE(state.allOff());

    const auto first = state.press(0, 0);
    EXPECT_TRUE(first.warnNoneActive);
    EXPECT_TRUE(state.held());
    const auto second = state.press(0, 0);
    EXPECT_TRUE(second.warnNoneActive);
    EXPECT_TRUE(second.stepped); // the tick still sounds
    for (int i = 0; i < 20; ++i) {
        clock.advance(5);
        EXPECT_TRUE(state.rollStep());
    }
    EXPECT_EQ(faces(state), before);

    // One die back on: no warning any more.
    state.toggle(4);
    EXPECT_FALSE(state.press(0, 0).warnNoneActive);
}

// The real timer re-seeds from a clock that moves 5 ms a tick; the faces
// that come out of that must still cover 1..6 evenly.
TEST_F(DiceRulesTest, FacesStayUniformUnderTickReseeding)
{
    DiceState state;
    state.press(0, 0);
    std::array<int, 7> count{};
    const int steps = 3000;
    for (int i = 0; i < steps; ++i) {
        clock.advance(5);
        state.rollStep();
        for (int k = 1; k <= 6; ++k) {
            const int face = state.face(k);
            ASSERT_GE(face, 1);
            ASSERT_LE(face, 6);
            ++count[face];
        }
    }
    for (int face = 1; face <= 6; ++face) {
        EXPECT_GT(count[face], steps * 85 / 100) << "face " << face;
        EXPECT_LT(count[face], steps * 115 / 100) << "face " << face;
    }
}

} // namespace
