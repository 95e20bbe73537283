#include "games/DiceRules.h"

#include "platform/Clock.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <set>

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

class DiceRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Clock::install(&clock);
        platform::Random::instance().seed(12345);
        state.dealFaces();
        before = faces();
    }
    void TearDown() override { platform::Clock::install(nullptr); }

    std::array<int, 6> faces() const
    {
        std::array<int, 6> result{};
        for (int k = 1; k <= 6; ++k)
            result[k - 1] = state.face(k);
        return result;
    }
    platform::ManualClock clock{QDateTime(QDate(2000, 1, 1), QTime(10, 20, 30, 400))};
    DiceState state;
    std::array<int, 6> before{};
};

TEST_F(DiceRulesTest, RollsOnlyWhileHeldAndOnlyTheDiceThatAreOn)
{
    const auto seed = platform::Random::instance().seedValue();
    EXPECT_FALSE(state.rollStep());
    EXPECT_EQ(platform::Random::instance().seedValue(), seed); // idle: no re-seed either

    const auto first = state.press(0, 0);
    EXPECT_TRUE(state.held());
    EXPECT_FALSE(first.stepped); // the press itself does not roll
    EXPECT_EQ(faces(), before);

    // Each step re-seeds from the clock and rolls dice 1..6 in order,
    // skipping the ones that are off without drawing for them.
    state.toggle(2);
    state.toggle(5);
    clock.advance(5);
    platform::Random expected;
    expected.seed(std::uint32_t(clock.now().time().msecsSinceStartOfDay()));
    EXPECT_TRUE(state.press(0, 0).stepped); // a key repeat while held
    for (int k : {1, 3, 4, 6})
        EXPECT_EQ(state.face(k), expected.between(1, 6)) << "die " << k;
    EXPECT_EQ(state.face(2), before[1]);
    EXPECT_EQ(state.face(5), before[4]);

    const auto outside = state.press(362, 0);
    EXPECT_TRUE(outside.letGo);
    EXPECT_FALSE(outside.stepped);
    EXPECT_FALSE(state.held());
    EXPECT_FALSE(state.rollStep());
}

// The timer re-seeds from a clock that moves 5 ms a tick; the faces must
// still come out even.
TEST_F(DiceRulesTest, FacesStayUniformUnderTickReseeding)
{
    state.press(0, 0);
    std::array<int, 7> count{};
    const int steps = 3000;
    for (int i = 0; i < steps; ++i) {
        clock.advance(5);
        state.rollStep();
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
