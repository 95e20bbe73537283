#include "desktop/GradientStrip.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <algorithm>
#include <vector>

using gradient::GradientStrip;
using gradient::Rgb;

namespace {

std::vector<int> channel(const GradientStrip& strip, int (*part)(QRgb))
{
    std::vector<int> values;
    for (QRgb row : strip.rows())
        values.push_back(part(row));
    return values;
}
std::vector<int> reds(const GradientStrip& s) { return channel(s, qRed); }
std::vector<int> greens(const GradientStrip& s) { return channel(s, qGreen); }
std::vector<int> blues(const GradientStrip& s) { return channel(s, qBlue); }

std::vector<int> counting(int from, int count, int by = 1)
{
    std::vector<int> values;
    for (int i = 0; i < count; ++i)
        values.push_back(from + i * by);
    return values;
}

} // namespace

TEST(GradientStrip, BlackToRedClimbsOneStepARowAndNeverReachesRed)
{
    const GradientStrip strip({0, 0, 0}, {255, 0, 0}, false);
    ASSERT_EQ(strip.steps(), 255);
    EXPECT_EQ(reds(strip), counting(0, 255));
    EXPECT_EQ(greens(strip), std::vector<int>(255, 0));
    EXPECT_EQ(blues(strip), std::vector<int>(255, 0));
}

TEST(GradientStrip, HalfStepsRoundUp)
{
    const GradientStrip strip({0, 0, 0}, {100, 50, 0}, false);
    ASSERT_EQ(strip.steps(), 100);
    EXPECT_EQ(reds(strip), counting(0, 100));
    // 0, 0.5, 1, 1.5, ... written without decimals: 0, 1, 1, 2, 2, 3, ...
    const std::vector<int> g = greens(strip);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(g[size_t(i)], (i + 1) / 2) << "row " << i;
    EXPECT_EQ(g.back(), 50);
}

TEST(GradientStrip, LinesMeetInMiddleTurnAtHalfTheSteps)
{
    // n = 255, n div 2 = 127: blue 2k up to 254 at row 127, then 508 - 2k.
    const GradientStrip blue({0, 0, 0}, {0, 0, 255}, true);
    ASSERT_EQ(blue.steps(), 255);
    const std::vector<int> b = blues(blue);
    for (int k = 0; k <= 127; ++k)
        EXPECT_EQ(b[size_t(k)], 2 * k) << "row " << k;
    for (int k = 128; k <= 254; ++k)
        EXPECT_EQ(b[size_t(k)], 508 - 2 * k) << "row " << k;
    EXPECT_EQ(*std::max_element(b.begin(), b.end()), 254); // blue itself is never drawn

    // n = 5: first, +2 steps, +4 steps, +2 steps, first.
    const GradientStrip five({10, 20, 30}, {15, 20, 30}, true);
    EXPECT_EQ(reds(five), (std::vector<int>{10, 12, 14, 12, 10}));
    EXPECT_EQ(greens(five), std::vector<int>(5, 20));

    // An even n turns exactly on the second colour: 0, 2, 4 (= second), 2.
    const GradientStrip four({0, 0, 0}, {0, 4, 0}, true);
    EXPECT_EQ(greens(four), (std::vector<int>{0, 2, 4, 2}));
}

TEST(GradientStrip, EqualColoursGiveOneRowOfThatColour)
{
    for (bool middle : {false, true}) {
        const GradientStrip strip({40, 80, 120}, {40, 80, 120}, middle);
        ASSERT_EQ(strip.steps(), 1);
        EXPECT_EQ(strip.rows().front(), qRgb(40, 80, 120));
        const QImage horizontal = strip.horizontal();
        const QImage vertical = strip.vertical();
        EXPECT_EQ(horizontal.size(), QSize(1, 1));
        EXPECT_EQ(vertical.size(), QSize(1, 15));
        EXPECT_EQ(horizontal.pixel(0, 0), qRgb(40, 80, 120));
        EXPECT_EQ(vertical.pixel(0, 14), qRgb(40, 80, 120));
    }
    // A difference of one is still one step.
    EXPECT_EQ(GradientStrip({0, 0, 0}, {1, 1, 0}, false).steps(), 1);
}

// The expected rows below come from a separate model of the arithmetic in
// exact fractions: each sum rounded to the 64-bit extended mantissa, then to
// the 40 bits of a 48-bit real by adding the first dropped bit. In exact
// (or double) arithmetic each marked row lands on a half and rounds up; the
// 48-bit running value lies just below the half and the row stays down.
TEST(GradientStrip, RunningValuesKeepTheRoundingOfFortyEightBitReals)
{
    const GradientStrip climbing({0, 0, 0}, {12, 7, 0}, false);
    EXPECT_EQ(reds(climbing), counting(0, 12));
    EXPECT_EQ(greens(climbing), (std::vector<int>{0, 1, 1, 2, 2, 3, /* 3.5 */ 3, 4, 5, 5, 6, 6}));

    const GradientStrip turning({0, 0, 0}, {12, 1, 0}, true);
    EXPECT_EQ(reds(turning), (std::vector<int>{0, 2, 4, 6, 8, 10, 12, 10, 8, 6, 4, 2}));
    EXPECT_EQ(greens(turning), (std::vector<int>{0, 0, 0, 1, 1, 1, 1, 1, 1, /* 0.5 */ 0, 0, 0}));

    const GradientStrip falling({200, 100, 50}, {188, 93, 50}, false);
    EXPECT_EQ(reds(falling), counting(200, 12, -1));
    EXPECT_EQ(greens(falling), (std::vector<int>{100, 99, 99, 98, 98, 97, /* 96.5 */ 96, 96, 95, 95, 94, 94}));
    EXPECT_EQ(blues(falling), std::vector<int>(12, 50));
}

TEST(GradientStrip, EveryRowLiesBetweenTheTwoColoursAndStartsAtTheFirst)
{
    QRandomGenerator random(7);
    for (int trial = 0; trial < 300; ++trial) {
        const Rgb first{random.bounded(256), random.bounded(256), random.bounded(256)};
        const Rgb second{random.bounded(256), random.bounded(256), random.bounded(256)};
        const bool middle = trial % 2 == 1;
        const GradientStrip strip(first, second, middle);
        ASSERT_EQ(strip.steps(), gradient::stepCount(first, second));
        EXPECT_EQ(strip.rows().front(), qRgb(first.red, first.green, first.blue));
        const auto within = [](int v, int a, int b) { return v >= std::min(a, b) && v <= std::max(a, b); };
        for (QRgb row : strip.rows()) {
            ASSERT_TRUE(within(qRed(row), first.red, second.red));
            ASSERT_TRUE(within(qGreen(row), first.green, second.green));
            ASSERT_TRUE(within(qBlue(row), first.blue, second.blue));
        }
        if (middle && strip.steps() > 2) {
            // Both ends lie within one step of the first colour: no seam.
            const QRgb last = strip.rows().back();
            EXPECT_LE(std::abs(qRed(last) - first.red), 2);
            EXPECT_LE(std::abs(qBlue(last) - first.blue), 2);
        }
    }
}

TEST(GradientStrip, PicturesHoldOneRowOrColumnPerStepInTwentyFourBits)
{
    const GradientStrip strip({0, 0, 0}, {0, 30, 0}, false);
    const QImage horizontal = strip.horizontal();
    const QImage vertical = strip.vertical();
    EXPECT_EQ(horizontal.format(), QImage::Format_RGB888);
    EXPECT_EQ(vertical.format(), QImage::Format_RGB888);
    ASSERT_EQ(horizontal.size(), QSize(1, 30));
    ASSERT_EQ(vertical.size(), QSize(30, 15));
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(horizontal.pixel(0, i), qRgb(0, i, 0));
        EXPECT_EQ(vertical.pixel(i, 0), qRgb(0, i, 0));
        EXPECT_EQ(vertical.pixel(i, 14), qRgb(0, i, 0));
    }
}

TEST(GradientStrip, StretchingRepeatsOrDropsWholeRowsWithoutBlending)
{
    const QImage strip = GradientStrip({0, 0, 0}, {0, 0, 4}, false).horizontal(); // blue 0..3
    const QImage doubled = gradient::stretchNearest(strip, QSize(5, 8), QImage::Format_RGB32);
    ASSERT_EQ(doubled.size(), QSize(5, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(doubled.pixel(x, y), qRgb(0, 0, y / 2)) << x << "," << y;

    const QImage halved = gradient::stretchNearest(strip, QSize(1, 2), QImage::Format_RGB888);
    EXPECT_EQ(halved.format(), QImage::Format_RGB888);
    EXPECT_EQ(halved.pixel(0, 0), qRgb(0, 0, 1)); // centres of rows 0-1 and 2-3
    EXPECT_EQ(halved.pixel(0, 1), qRgb(0, 0, 3));

    // 255 columns (red 0..254) over 1000: in order, each repeated 3 or 4 times.
    const GradientStrip red({0, 0, 0}, {255, 0, 0}, false);
    const QImage across = gradient::stretchNearest(red.vertical(), QSize(1000, 5), QImage::Format_RGB32);
    std::vector<int> repeats(255, 0);
    int previous = 0;
    for (int x = 0; x < 1000; ++x) {
        const QRgb pixel = across.pixel(x, 4);
        ASSERT_EQ(pixel, qRgb(qRed(pixel), 0, 0));
        ASSERT_GE(qRed(pixel), previous);
        previous = qRed(pixel);
        ++repeats[size_t(qRed(pixel))];
    }
    for (int r = 0; r < 255; ++r)
        EXPECT_TRUE(repeats[size_t(r)] == 3 || repeats[size_t(r)] == 4) << r << ": " << repeats[size_t(r)];
    EXPECT_EQ(gradient::stretchNearest(red.vertical(), QSize(1000, 5), QImage::Format_RGB16).format(),
              QImage::Format_RGB16);

    const GradientStrip wide({0, 0, 0}, {255, 128, 7}, true);

    // A gradient fits an 8-bit palette exactly.
    const QImage indexed = gradient::stretchNearest(wide.horizontal(), QSize(5, 255), QImage::Format_Indexed8);
    ASSERT_EQ(indexed.format(), QImage::Format_Indexed8);
    for (int y = 0; y < 255; ++y)
        ASSERT_EQ(indexed.pixel(2, y), wide.rows()[size_t(y)]) << y;
}

TEST(GradientStrip, NothingToStretchToGivesNoPicture)
{
    const QImage strip = GradientStrip({0, 0, 0}, {9, 0, 0}, false).horizontal();
    EXPECT_TRUE(gradient::stretchNearest(strip, QSize(5, 0), QImage::Format_RGB32).isNull());
    EXPECT_TRUE(gradient::stretchNearest(strip, QSize(0, 5), QImage::Format_RGB32).isNull());
    EXPECT_TRUE(gradient::stretchNearest(QImage(), QSize(5, 5), QImage::Format_RGB32).isNull());
}
