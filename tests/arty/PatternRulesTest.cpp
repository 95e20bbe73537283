#include "arty/ColourModes.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/Random.h"

using namespace arty;

namespace {

// The channel values a gradient mode gives over a number of steps.
std::vector<int> gradientRun(ColourMode mode, int steps, int shift)
{
    ColourStepper stepper;
    Pen pen;
    stepper.setMode(mode, pen);
    std::vector<int> values;
    for (int i = 0; i < steps; ++i) {
        stepper.step(pen);
        EXPECT_EQ(pen.colour & ~(0xFFu << shift), 0u) << "only one channel is lit";
        values.push_back(int(pen.colour >> shift & 0xFF));
    }
    return values;
}

} // namespace

TEST(ColourStepTest, RedGradientBouncesAndEndsAt210After300Steps)
{
    const std::vector<int> red = gradientRun(ColourMode::RedGradient, 600, 0);
    EXPECT_EQ(red[0], 1);
    EXPECT_EQ(red[254], 255);
    EXPECT_EQ(red[255], 254);
    EXPECT_EQ(red[299], 210);
    // Down to 1, then 2 rising: each end value is drawn once.
    EXPECT_EQ(red[507], 2);
    EXPECT_EQ(red[508], 1);
    EXPECT_EQ(red[509], 2);
    EXPECT_EQ(red[510], 3);

    ColourStepper stepper;
    Pen pen;
    stepper.setMode(ColourMode::RedGradient, pen);
    EXPECT_EQ(pen.colour, 0u);
    EXPECT_TRUE(stepper.rising());
    for (int i = 0; i < 300; ++i)
        stepper.step(pen);
    EXPECT_EQ(pen.colour, 210u);
    EXPECT_FALSE(stepper.rising());
    // A new canvas starts the ramp again, rising.
    stepper.restart(pen);
    EXPECT_EQ(pen.colour, 0u);
    EXPECT_TRUE(stepper.rising());
}

TEST(ColourStepTest, GreenAndBlueGradientsStartAtTwo)
{
    for (const auto& [mode, shift] : {std::pair(ColourMode::GreenGradient, 8), std::pair(ColourMode::BlueGradient, 16)}) {
        ColourStepper stepper;
        Pen pen;
        stepper.setMode(mode, pen);
        EXPECT_EQ(pen.colour, 1u << shift);
        const std::vector<int> values = gradientRun(mode, 520, shift);
        EXPECT_EQ(values[0], 2);
        EXPECT_EQ(values[253], 255);
        EXPECT_EQ(values[254], 254);
        EXPECT_EQ(values[507], 1);
        EXPECT_EQ(values[508], 2);
        EXPECT_EQ(values[509], 3);
    }
}

TEST(ColourStepTest, EachGradientKeepsItsOwnDirection)
{
    ColourStepper stepper;
    Pen pen;
    stepper.setMode(ColourMode::RedGradient, pen);
    for (int i = 0; i < 260; ++i)
        stepper.step(pen);
    EXPECT_FALSE(stepper.rising());
    // Switching to green starts green rising; red keeps falling where it was.
    stepper.setMode(ColourMode::GreenGradient, pen);
    EXPECT_TRUE(stepper.rising());
    stepper.setMode(ColourMode::Solid, pen);
    EXPECT_FALSE(stepper.rising());
}

TEST(ColourStepTest, SolidAndRandomModes)
{
    ColourStepper stepper;
    Pen pen;
    pen.colour = 0x123456;
    EXPECT_EQ(stepper.mode(), ColourMode::Random);
    EXPECT_EQ(stepper.drawColour(), 0x0000FFu);

    // Choosing random leaves the pen as it is.
    stepper.setMode(ColourMode::Random, pen);
    EXPECT_EQ(pen.colour, 0x123456u);
    stepper.restart(pen);
    EXPECT_EQ(pen.colour, 0x123456u);

    auto& random = platform::Random::instance();
    random.seed(4711);
    platform::Random expected;
    expected.seed(4711);
    for (int i = 0; i < 3000; ++i) {
        stepper.step(pen);
        const int r = expected.below(255), g = expected.below(255), b = expected.below(255);
        ASSERT_EQ(pen.colour, ColourValue(r | g << 8 | b << 16)) << i;
        ASSERT_NE(pen.colour & 0xFF, 0xFFu);
        ASSERT_NE(pen.colour >> 8 & 0xFF, 0xFFu);
        ASSERT_NE(pen.colour >> 16 & 0xFF, 0xFFu);
    }

    stepper.setDrawColour(0x00FF00);
    stepper.setMode(ColourMode::Solid, pen);
    EXPECT_EQ(pen.colour, 0x00FF00u);
    pen.colour = 7;
    stepper.step(pen);
    EXPECT_EQ(pen.colour, 0x00FF00u);
}
