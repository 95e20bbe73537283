#include "paint/BrushType.h"
#include "paint/CanvasRamps.h"
#include "paint/ColourStepper.h"
#include "paint/SizeUnits.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

using namespace paint;

namespace {

// The channel values a gradient mode gives over a number of steps.
std::vector<int> gradientRun(ColourMode mode, int steps, int shift)
{
    ColourStepper stepper;
    Pen pen;
    platform::Random random;
    stepper.setMode(mode, pen);
    std::vector<int> values;
    for (int i = 0; i < steps; ++i) {
        stepper.step(pen, random);
        EXPECT_EQ(pen.colour & ~(0xFFu << shift), 0u) << "only one channel is lit";
        values.push_back(int(pen.colour >> shift & 0xFF));
    }
    return values;
}

} // namespace

TEST(ColourStepperTest, RedGradientBouncesAndEndsAt210After300Steps)
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
    platform::Random random;
    stepper.setMode(ColourMode::RedGradient, pen);
    EXPECT_EQ(pen.colour, 0u);
    EXPECT_TRUE(stepper.rising());
    for (int i = 0; i < 300; ++i)
        stepper.step(pen, random);
    EXPECT_EQ(pen.colour, 210u);
    EXPECT_FALSE(stepper.rising());
    // A new canvas starts the ramp again, rising.
    stepper.restart(pen);
    EXPECT_EQ(pen.colour, 0u);
    EXPECT_TRUE(stepper.rising());
    stepper.setMode(ColourMode::Solid, pen);
    EXPECT_FALSE(stepper.rising());
}

TEST(ColourStepperTest, GreenAndBlueGradientsStartAtTwo)
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

TEST(ColourStepperTest, SolidAndRandomModes)
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

    // The colours come from the generator handed in, three draws a step.
    platform::Random random;
    random.seed(4711);
    platform::Random expected;
    expected.seed(4711);
    for (int i = 0; i < 3000; ++i) {
        stepper.step(pen, random);
        const int r = expected.below(255), g = expected.below(255), b = expected.below(255);
        ASSERT_EQ(pen.colour, ColourValue(r | g << 8 | b << 16)) << i;
        ASSERT_NE(pen.colour & 0xFF, 0xFFu);
        ASSERT_NE(pen.colour >> 8 & 0xFF, 0xFFu);
        ASSERT_NE(pen.colour >> 16 & 0xFF, 0xFFu);
    }

    stepper.setDrawColour(0x00FF00);
    stepper.setMode(ColourMode::Solid, pen);
    EXPECT_EQ(pen.colour, 0x00FF00u);
    // Solid and gradient steps draw nothing from the generator.
    const std::uint32_t before = random.seedValue();
    pen.colour = 7;
    stepper.step(pen, random);
    EXPECT_EQ(pen.colour, 0x00FF00u);
    stepper.setMode(ColourMode::GreenGradient, pen);
    stepper.step(pen, random);
    EXPECT_EQ(random.seedValue(), before);
}

TEST(CanvasRampTest, StripsRunEvenlyToAnExactMiddle)
{
    struct Expected {
        CanvasType type;
        int width, height;
        QRgb top, middle, bottom;
    };
    const Expected ramps[] = {
        {CanvasType::RedBlack, 4, 234, qRgb(255, 0, 0), qRgb(0, 0, 0), qRgb(255, 0, 0)},
        {CanvasType::GreenWhite, 5, 240, qRgb(0, 255, 0), qRgb(255, 255, 255), qRgb(0, 255, 0)},
        {CanvasType::BlueCyan, 5, 227, qRgb(0, 0, 255), qRgb(0, 247, 255), qRgb(0, 8, 255)},
        {CanvasType::OrangeYellow, 4, 239, qRgb(255, 99, 0), qRgb(255, 255, 0), qRgb(255, 99, 0)},
        {CanvasType::Magenta, 1, 255, qRgb(65, 0, 0), qRgb(255, 0, 255), qRgb(65, 0, 0)},
    };
    for (const Expected& e : ramps) {
        const QImage strip = ramps::strip(e.type);
        ASSERT_EQ(strip.size(), QSize(e.width, e.height)) << int(e.type);
        EXPECT_EQ(strip.format(), QImage::Format_RGB32);
        EXPECT_EQ(strip.pixel(0, 0), e.top);
        EXPECT_EQ(strip.pixel(0, e.height - 1), e.bottom);
        EXPECT_EQ(strip.pixel(0, (e.height - 1) / 2), e.middle);
        EXPECT_EQ(strip.pixel(0, e.height / 2), e.middle);
        for (int y = 0; y < e.height; ++y) {
            for (int x = 1; x < e.width; ++x)
                ASSERT_EQ(strip.pixel(x, y), strip.pixel(0, y)) << int(e.type) << " row " << y;
            // Each half changes evenly: no channel moves by more than the
            // rounding of its step from one row to the next.
            if (y > 0 && y != e.height / 2 && y != (e.height + 1) / 2) {
                const int half = e.height / 2;
                using Channel = int (*)(QRgb);
                for (Channel channel : std::initializer_list<Channel>{qRed, qGreen, qBlue}) {
                    const int from = channel(y < half ? e.top : e.bottom), to = channel(e.middle);
                    const int step = std::abs(channel(strip.pixel(0, y)) - channel(strip.pixel(0, y - 1)));
                    const double even = std::abs(to - from) / double((e.height - 1) / 2);
                    ASSERT_LE(std::abs(step - even), 1.0) << int(e.type) << " row " << y;
                }
            }
        }
    }
    EXPECT_EQ(qRed(ramps::strip(CanvasType::RedBlack).pixel(0, 58)), 127);
    EXPECT_TRUE(ramps::strip(CanvasType::SolidColour).isNull());
    EXPECT_TRUE(ramps::strip(CanvasType::LoadedImage).isNull());
}

TEST(CanvasRampTest, RedBlackIsRed123AQuarterDownIn16Bits)
{
    auto p16 = Picture::create(100, 400, PixelFormat::Rgb565);
    auto p32 = Picture::create(100, 400, PixelFormat::Rgb32);
    ASSERT_TRUE(p16 && p32);
    p16->stretchDraw(ramps::strip(CanvasType::RedBlack));
    p32->stretchDraw(ramps::strip(CanvasType::RedBlack));
    for (int x : {0, 50, 99}) {
        EXPECT_EQ(p16->colourAt(x, 100) & 0xFF, 123u);
        EXPECT_EQ(p32->colourAt(x, 100) & 0xFF, 127u);
    }
}

TEST(CanvasRampTest, Captions)
{
    const char* captions[] = {"Solid Color", "Red/Black", "Green/White", "Blue/Cyan", "Orange/Yellow", "Magenta",
                              "Load Canvas"};
    for (int type = 1; type <= 7; ++type)
        EXPECT_EQ(ramps::caption(CanvasType(type)), QString::fromLatin1(captions[type - 1]));
    EXPECT_TRUE(ramps::caption(CanvasType(0)).isEmpty());
    EXPECT_TRUE(ramps::caption(CanvasType(8)).isEmpty());
}

TEST(BrushTypeTest, EachBrushPaintsInItsRasterMode)
{
    EXPECT_EQ(rasterMode(BrushType::Normal), RasterMode::Copy);
    EXPECT_EQ(rasterMode(BrushType::MixLight), RasterMode::MergeNotDest);
    EXPECT_EQ(rasterMode(BrushType::MixDark), RasterMode::MaskNotDest);
}

using sizeunits::Unit;

TEST(SizeUnitTest, DisplayAndBackGiveTheSamePixels)
{
    EXPECT_EQ(sizeunits::display(640, Unit::Cm), "17.30");
    EXPECT_EQ(sizeunits::display(400, Unit::Cm), "10.81");
    EXPECT_EQ(sizeunits::display(640, Unit::Inches), "6.67");
    EXPECT_EQ(sizeunits::display(640, Unit::Pixels), "640");
    EXPECT_EQ(sizeunits::pixelsFrom("17.30", Unit::Cm), 640);
    EXPECT_EQ(sizeunits::pixelsFrom("10.81", Unit::Cm), 400);
    for (Unit unit : {Unit::Pixels, Unit::Cm, Unit::Inches})
        for (int pixels = 1; pixels <= 5000; ++pixels) {
            const QString shown = sizeunits::display(pixels, unit);
            ASSERT_EQ(sizeunits::cleaned(shown, unit), shown);
            ASSERT_EQ(sizeunits::pixelsFrom(shown, unit), pixels) << int(unit) << " " << pixels;
        }
}

TEST(SizeUnitTest, PixelsRoundHalvesToEvenAndRefuseNonsense)
{
    EXPECT_EQ(sizeunits::pixelsFrom("0.50", Unit::Cm), 18);  // 18.5
    EXPECT_EQ(sizeunits::pixelsFrom("1.50", Unit::Cm), 56);  // 55.5
    EXPECT_EQ(sizeunits::pixelsFrom("0.01", Unit::Inches), 1);
    EXPECT_EQ(sizeunits::pixelsFrom(".5", Unit::Inches), 48);
    EXPECT_EQ(sizeunits::pixelsFrom("", Unit::Pixels), 0);
    EXPECT_EQ(sizeunits::pixelsFrom(".", Unit::Cm), 0);
    EXPECT_EQ(sizeunits::pixelsFrom("1.2.3", Unit::Cm), 0);
    EXPECT_EQ(sizeunits::pixelsFrom("-5", Unit::Pixels), 0);
    EXPECT_EQ(sizeunits::pixelsFrom("1e3", Unit::Pixels), 0);
    EXPECT_EQ(sizeunits::pixelsFrom("99999999999", Unit::Inches), INT_MAX);
}

TEST(SizeUnitTest, KeyFilterAndChangeRule)
{
    EXPECT_FALSE(sizeunits::acceptsKey('.', "12", Unit::Pixels));
    EXPECT_TRUE(sizeunits::acceptsKey('.', "12", Unit::Cm));
    EXPECT_FALSE(sizeunits::acceptsKey('.', "1.2", Unit::Inches));
    EXPECT_TRUE(sizeunits::acceptsKey('a', "1.2", Unit::Inches));
    EXPECT_TRUE(sizeunits::acceptsKey('7', "", Unit::Pixels));

    EXPECT_EQ(sizeunits::cleaned("12a", Unit::Pixels), "12");
    EXPECT_EQ(sizeunits::cleaned("a", Unit::Pixels), "0");
    EXPECT_EQ(sizeunits::cleaned("1a2.5", Unit::Cm), "12.50");
    EXPECT_EQ(sizeunits::cleaned("12.5x", Unit::Inches), "12.50");
    // Only a removal rewrites the text.
    EXPECT_EQ(sizeunits::cleaned("12.5", Unit::Cm), "12.5");
    EXPECT_EQ(sizeunits::cleaned("", Unit::Cm), "");
    // The last stray character goes first; the rest, "12a.5", does not read
    // as a number, so the box shows 0.
    EXPECT_EQ(sizeunits::cleaned("12a.5b", Unit::Cm), "0.00");
    EXPECT_EQ(sizeunits::cleaned("1.5b", Unit::Pixels), "2");
}
