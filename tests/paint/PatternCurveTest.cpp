#include "paint/PatternCurve.h"

#include "platform/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace paint;

namespace {

const QPoint Centre(400, 300);

PatternParameters parameters(int a, int b, int d, int q, int w = 1)
{
    return PatternParameters{a, b, d, q, w};
}

double distance(QPoint a, QPoint b) { return std::hypot(double(a.x() - b.x()), double(a.y() - b.y())); }

} // namespace

TEST(PatternCurveTest, EqualRadiiGiveACircleOfTwoQSegmentsAboutTheCentre)
{
    for (const int q : {1, 7, 30, 200}) {
        const PatternCurve curve(parameters(100, 100, 57, q));
        EXPECT_EQ(curve.segmentCount(), 2 * q) << q;
        const std::vector<QPoint> points = curve.points(Centre);
        ASSERT_EQ(points.size(), std::size_t(2 * q)) << q;
        EXPECT_EQ(curve.startPoint(Centre), QPoint(Centre.x() + 57, Centre.y()));
        for (const QPoint& p : points)
            EXPECT_NEAR(distance(p, Centre), 57.0, 0.75) << q << " at " << p.x() << "," << p.y();
        // Once round: it ends where it started.
        EXPECT_EQ(points.back(), curve.startPoint(Centre)) << q;
    }
    // The pen turns against the wheel: the first step of a circle goes up
    // (y falls), a quarter of the way round it is straight above the centre.
    const std::vector<QPoint> quarter = PatternCurve(parameters(80, 80, 40, 2)).points(Centre);
    EXPECT_EQ(quarter[0], QPoint(Centre.x(), Centre.y() - 40));
    EXPECT_EQ(quarter[1], QPoint(Centre.x() - 40, Centre.y()));
    EXPECT_EQ(quarter[2], QPoint(Centre.x(), Centre.y() + 40));
}

TEST(PatternCurveTest, SegmentCountsOfTheStartValuesTheSamplesAndTheLargestWork)
{
    EXPECT_EQ(PatternCurve::greatestCommonDivisor(192, 48), 48);
    EXPECT_EQ(PatternCurve::greatestCommonDivisor(190, 48), 2);
    EXPECT_EQ(PatternCurve::greatestCommonDivisor(48, 190), 2);
    EXPECT_EQ(PatternCurve::greatestCommonDivisor(175, 176), 1);
    EXPECT_EQ(PatternCurve::greatestCommonDivisor(7, 7), 7);

    const PatternParameters start;
    EXPECT_EQ(start, parameters(192, 48, 30, 30, 30));
    EXPECT_EQ(PatternCurve(start).segmentCount(), 60);
    EXPECT_EQ(PatternCurve(parameters(190, 48, 30, 30)).segmentCount(), 1440);   // "Red Gradient"
    EXPECT_EQ(PatternCurve(parameters(175, 176, 240, 200)).segmentCount(), 70400);
    EXPECT_EQ(PatternCurve(parameters(247, 176, 1, 200)).segmentCount(), 70400);
    EXPECT_EQ(PatternCurve(parameters(60, 105, 99, 7)).segmentCount(), 98);      // "Flower": g = 15
    EXPECT_EQ(PatternCurve(parameters(1, 1, 1, 1)).segmentCount(), 2);

    // The curve closes: after N steps both t and u are whole turns.
    for (const PatternParameters& p : {start, parameters(190, 48, 30, 30), parameters(60, 105, 99, 7),
                                       parameters(68, 12, 99, 2)}) {
        const PatternCurve curve(p);
        const std::vector<QPoint> points = curve.points(Centre);
        ASSERT_EQ(int(points.size()), curve.segmentCount());
        EXPECT_LE(distance(points.back(), curve.startPoint(Centre)), 1.0) << p.ring << "/" << p.wheel;
    }
}

TEST(PatternCurveTest, AWheelLargerThanTheRingUsesTheFormulaUnchanged)
{
    // "Flower": A - B = -45, so the pen starts at -45 + 99 = 54 right of the centre.
    const PatternCurve flower(parameters(60, 105, 99, 7));
    EXPECT_EQ(flower.startPoint(Centre), QPoint(Centre.x() + 54, Centre.y()));
    const std::vector<QPoint> points = flower.points(Centre);
    // t = pi/7, u = t * 60/105: x = -45 cos t + 99 cos u, y = -45 sin t - 99 sin u.
    const double t = std::numbers::pi / 7;
    const double u = t * 60.0 / 105.0;
    EXPECT_EQ(points[0], QPoint(Centre.x() + int(std::lround(-45 * std::cos(t) + 99 * std::cos(u))),
                                Centre.y() + int(std::lround(-45 * std::sin(t) - 99 * std::sin(u)))));
    // Everything stays within |A - B| + D of the centre.
    for (const QPoint& p : points)
        EXPECT_LE(distance(p, Centre), 45 + 99 + 1.0);
}

TEST(PatternCurveTest, ValuesAreStoredAs48BitRealsWithTAccumulatedByAddition)
{
    // The largest work: 70,400 steps. Worked in doubles with t = i * dt the
    // curve is nearly the same; the 40-bit values and the running sum of t
    // move a few points by one pixel, never more.
    const PatternParameters largest = parameters(175, 176, 240, 200);
    const std::vector<QPoint> points = PatternCurve(largest).points(Centre);
    ASSERT_EQ(points.size(), 70400u);
    const double dt = std::numbers::pi / 200;
    int moved = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double t = double(i + 1) * dt;
        const double u = t * 175.0 / 176.0;
        const QPoint ideal(Centre.x() + int(std::lround(-1 * std::cos(t) + 240 * std::cos(u))),
                           Centre.y() + int(std::lround(-1 * std::sin(t) - 240 * std::sin(u))));
        const QPoint diff = points[i] - ideal;
        ASSERT_LE(std::abs(diff.x()) + std::abs(diff.y()), 2) << i;
        moved += diff.isNull() ? 0 : 1;
    }
    EXPECT_GT(moved, 0) << "the stored precision shows somewhere";
    EXPECT_LT(moved, 3000);

    // The same parameters always give the same pixels.
    long long sum = 0;
    for (std::size_t i = 0; i < points.size(); ++i)
        sum += (long long)(i % 977 + 1) * (points[i].x() * 7 + points[i].y() * 13);
    EXPECT_EQ(sum, 230401917716LL);
}

TEST(PatternCurveTest, RoundingTakesHalvesToTheEvenNumber)
{
    EXPECT_EQ(PatternCurve::roundHalfEven(0.5L), 0);
    EXPECT_EQ(PatternCurve::roundHalfEven(1.5L), 2);
    EXPECT_EQ(PatternCurve::roundHalfEven(2.5L), 2);
    EXPECT_EQ(PatternCurve::roundHalfEven(-0.5L), 0);
    EXPECT_EQ(PatternCurve::roundHalfEven(-1.5L), -2);
    EXPECT_EQ(PatternCurve::roundHalfEven(-2.5L), -2);
    EXPECT_EQ(PatternCurve::roundHalfEven(2.4999L), 2);
    EXPECT_EQ(PatternCurve::roundHalfEven(2.5001L), 3);
    EXPECT_EQ(PatternCurve::roundHalfEven(-2.5001L), -3);
    EXPECT_EQ(PatternCurve::roundHalfEven(-0.2L), 0);
}

TEST(PatternCurveTest, TheCentreSitsInTheMiddleOfTheAreaBelowTheBar)
{
    EXPECT_EQ(PatternCurve::centreFor(QSize(1000, 700), 24), QPoint(500, 335));
    EXPECT_EQ(PatternCurve::centreFor(QSize(621, 450), 24), QPoint(310, 210));
}

TEST(PatternCurveTest, DrawingStepsTheColourOncePerSegmentAndKeepsTheWidth)
{
    Picture picture = *Picture::create(800, 600, PixelFormat::Rgb32);
    picture.pen().width = 25;
    picture.pen().mode = RasterMode::Copy;
    platform::Random random;

    // Red gradient over the "Red Gradient" sample's 1440 segments: the ramp
    // (1..255..1, 508 steps) runs through almost three times, one step per
    // segment.
    ColourStepper colours;
    colours.setMode(ColourMode::RedGradient, picture.pen());
    const PatternCurve red(parameters(190, 48, 30, 30, 30));
    const QRect changed = red.draw(picture, colours, random, Centre);
    ColourStepper expected;
    Pen expectedPen;
    expected.setMode(ColourMode::RedGradient, expectedPen);
    for (int i = 0; i < 1440; ++i)
        expected.step(expectedPen, random);
    EXPECT_EQ(picture.pen().colour, expectedPen.colour);
    EXPECT_EQ(colours.rising(), expected.rising());
    EXPECT_EQ(picture.pen().width, 30) << "the pattern's width stays on the pen";
    EXPECT_FALSE(changed.isEmpty());
    // The last segment ends at the start point, in the last colour.
    const QPoint start = red.startPoint(Centre);
    EXPECT_EQ(picture.colourAt(start.x(), start.y()), expectedPen.colour);
    EXPECT_TRUE(changed.contains(start));
    EXPECT_EQ(picture.colourAt(0, 0), 0xFFFFFFu) << "nothing outside the curve";

    // Random: one whole number 0..16,777,214 per segment, not three channels.
    colours.setMode(ColourMode::Random, picture.pen());
    random.seed(99);
    platform::Random same;
    same.seed(99);
    const PatternCurve small(parameters(192, 48, 30, 3, 4));
    small.draw(picture, colours, random, Centre);
    ColourValue last = 0;
    for (int i = 0; i < small.segmentCount(); ++i)
        last = ColourValue(same.below(16777215));
    EXPECT_EQ(picture.pen().colour, last);
    EXPECT_EQ(random.seedValue(), same.seedValue()) << "one draw per segment";
    EXPECT_EQ(picture.pen().width, 4);

    // Solid: the draw colour; the brush's raster mode applies.
    colours.setDrawColour(0x00FF00);
    colours.setMode(ColourMode::Solid, picture.pen());
    picture.fill(0xFFFFFF);
    picture.pen().mode = RasterMode::MaskNotDest;   // P AND NOT white = black
    PatternCurve(parameters(100, 100, 50, 10, 5)).draw(picture, colours, random, Centre);
    EXPECT_EQ(picture.pen().colour, 0x00FF00u);
    // Halfway along the first segment, (50, 0) to (48, -15), only that
    // segment covers the picture.
    EXPECT_EQ(picture.colourAt(Centre.x() + 49, Centre.y() - 7), 0x000000u);
    EXPECT_EQ(picture.pen().mode, RasterMode::MaskNotDest);
}

TEST(PatternCurveTest, RandomParametersFallInTheirRangesInTheOrderABDQW)
{
    platform::Random random;
    random.seed(12345);
    platform::Random expected;
    expected.seed(12345);
    for (int i = 0; i < 500; ++i) {
        const PatternParameters p = PatternCurve::randomParameters(random);
        EXPECT_EQ(p.ring, expected.between(1, 247));
        EXPECT_EQ(p.wheel, expected.between(1, 176));
        EXPECT_EQ(p.penDistance, expected.between(1, 240));
        EXPECT_EQ(p.quality, expected.between(1, 200));
        EXPECT_EQ(p.width, expected.between(1, 40));
    }
}

TEST(PatternCurveTest, FourteenSamplesNoneFirst)
{
    const std::vector<PatternSample>& samples = PatternCurve::samples();
    ASSERT_EQ(samples.size(), 14u);
    EXPECT_EQ(samples[0].name, "None");
    EXPECT_FALSE(samples[0].parameters);
    EXPECT_FALSE(samples[0].colourMode);
    const char* names[] = {"None", "Donut", "Pastry Shaper", "Nest", "Ring", "Flower", "Cross", "Chain",
                           "Stained Glass", "Spinning Top", "Cushion", "Red Gradient", "Green Gradient",
                           "Blue Gradient"};
    for (std::size_t i = 0; i < 14; ++i)
        EXPECT_EQ(samples[i].name, names[i]);
    for (std::size_t i = 1; i <= 10; ++i)
        EXPECT_EQ(samples[i].colourMode, ColourMode::Random) << i;
    EXPECT_EQ(samples[2].parameters, parameters(170, 53, 31, 5, 1));
    EXPECT_EQ(samples[10].parameters, parameters(205, 112, 96, 22, 1));
    EXPECT_EQ(samples[11].parameters, parameters(190, 48, 30, 30, 30));
    EXPECT_EQ(samples[11].colourMode, ColourMode::RedGradient);
    EXPECT_EQ(samples[12].parameters, parameters(205, 75, 174, 128, 22));
    EXPECT_EQ(samples[12].colourMode, ColourMode::GreenGradient);
    EXPECT_EQ(samples[13].parameters, parameters(97, 32, 174, 71, 11));
    EXPECT_EQ(samples[13].colourMode, ColourMode::BlueGradient);
    // Every sample lies within the scroll bars' ranges.
    for (std::size_t i = 1; i < 14; ++i) {
        const PatternParameters& p = *samples[i].parameters;
        EXPECT_TRUE(p.ring >= 1 && p.ring <= 247 && p.wheel >= 1 && p.wheel <= 176 && p.penDistance >= 1
                    && p.penDistance <= 240 && p.quality >= 1 && p.quality <= 200 && p.width >= 1 && p.width <= 40)
            << i;
    }
}
