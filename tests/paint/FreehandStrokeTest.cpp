#include "paint/FreehandStroke.h"

#include <gtest/gtest.h>

using paint::FreehandStroke;

namespace {

const QSize Picture(400, 300);

FreehandStroke stroke(bool webbed, bool mirrored)
{
    FreehandStroke s;
    s.setWebbed(webbed);
    s.setMirrored(mirrored);
    return s;
}

} // namespace

TEST(FreehandStrokeTest, NothingIsDrawnWhileThePenIsUp)
{
    FreehandStroke s;
    EXPECT_TRUE(s.webbed()) << "both effects are on by default";
    EXPECT_TRUE(s.mirrored());
    EXPECT_FALSE(s.penDown());
    EXPECT_TRUE(s.moveTo(QPoint(10, 10), Picture).isEmpty());

    s.press(QPoint(10, 10));
    EXPECT_TRUE(s.penDown());
    EXPECT_FALSE(s.moveTo(QPoint(20, 10), Picture).isEmpty());
    s.release();
    EXPECT_FALSE(s.penDown());
    EXPECT_TRUE(s.moveTo(QPoint(30, 10), Picture).isEmpty());
    EXPECT_EQ(s.lineStart(), QPoint(10, 10)) << "a move with the pen up does not move the line start";
}

TEST(FreehandStrokeTest, APressThenAMoveToItsOwnPointIsADotInEachQuarter)
{
    FreehandStroke s = stroke(true, true);
    s.press(QPoint(50, 40));
    const QList<QLine> dots = s.moveTo(QPoint(50, 40), Picture);
    const QList<QLine> expected = {QLine(50, 40, 50, 40), QLine(350, 40, 350, 40), QLine(50, 260, 50, 260),
                                   QLine(350, 260, 350, 260)};
    EXPECT_EQ(dots, expected);
}

TEST(FreehandStrokeTest, MirrorImagesUseWidthMinusXAndHeightMinusYInAFixedOrder)
{
    // Across the vertical middle, then the horizontal middle, then both.
    const QList<QLine> lines = FreehandStroke::withMirrorImages(QLine(0, 0, 100, 30), Picture, true);
    const QList<QLine> expected = {QLine(0, 0, 100, 30), QLine(400, 0, 300, 30), QLine(0, 300, 100, 270),
                                   QLine(400, 300, 300, 270)};
    EXPECT_EQ(lines, expected) << "the left edge mirrors to x = W, just outside the picture";
    EXPECT_EQ(FreehandStroke::withMirrorImages(QLine(0, 0, 100, 30), Picture, false), QList<QLine>{QLine(0, 0, 100, 30)});
    // Points outside the picture mirror by the same rule.
    EXPECT_EQ(FreehandStroke::withMirrorImages(QLine(-5, 310, 410, -2), QSize(10, 20), true).at(3),
              QLine(15, -290, -400, 22));
}

TEST(FreehandStrokeTest, WebbedSegmentsAllStartAtThePressPointAndANewPressStartsANewFan)
{
    FreehandStroke s = stroke(true, false);
    s.press(QPoint(20, 20));
    EXPECT_EQ(s.moveTo(QPoint(20, 20), Picture), QList<QLine>{QLine(20, 20, 20, 20)});
    EXPECT_EQ(s.moveTo(QPoint(100, 20), Picture), QList<QLine>{QLine(20, 20, 100, 20)});
    EXPECT_EQ(s.moveTo(QPoint(20, 100), Picture), QList<QLine>{QLine(20, 20, 20, 100)});
    EXPECT_EQ(s.lineStart(), QPoint(20, 20));
    s.release();
    s.press(QPoint(200, 150));
    EXPECT_EQ(s.moveTo(QPoint(250, 160), Picture), QList<QLine>{QLine(200, 150, 250, 160)});

    // Webbed and mirrored: every quarter fans from its own image of the press point.
    FreehandStroke both = stroke(true, true);
    both.press(QPoint(20, 20));
    both.moveTo(QPoint(20, 20), Picture);
    both.moveTo(QPoint(60, 30), Picture);
    const QList<QLine> fan = both.moveTo(QPoint(30, 60), Picture);
    ASSERT_EQ(fan.size(), 4);
    EXPECT_EQ(fan[3], QLine(380, 280, 370, 240));
}

TEST(FreehandStrokeTest, WithoutTheWebEachSegmentStartsWhereTheLastEnded)
{
    FreehandStroke s = stroke(false, false);
    s.press(QPoint(200, 200));
    EXPECT_EQ(s.moveTo(QPoint(200, 200), Picture), QList<QLine>{QLine(200, 200, 200, 200)});
    EXPECT_EQ(s.moveTo(QPoint(250, 210), Picture), QList<QLine>{QLine(200, 200, 250, 210)});
    EXPECT_EQ(s.lineStart(), QPoint(250, 210));
    EXPECT_EQ(s.moveTo(QPoint(300, 220), Picture), QList<QLine>{QLine(250, 210, 300, 220)});
    // Switching the web on in mid-stroke keeps the start where it is now.
    s.setWebbed(true);
    EXPECT_EQ(s.moveTo(QPoint(10, 10), Picture), QList<QLine>{QLine(300, 220, 10, 10)});
    EXPECT_EQ(s.moveTo(QPoint(20, 20), Picture), QList<QLine>{QLine(300, 220, 20, 20)});
}
