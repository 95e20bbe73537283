#include "common/DigitDisplay.h"

#include "common/AccessibleValue.h"

#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QPixmap glyph(QColor colour)
{
    QPixmap picture(10, 16);
    picture.fill(colour);
    return picture;
}

QColor colourAt(const DigitDisplay& display, int position)
{
    return display.position(position)->pixmap().toImage().pixelColor(0, 0);
}

} // namespace

TEST(DigitDisplay, RedrawsOnlyThePositionsThatChange)
{
    DigitDisplay display(4, QSize(10, 16), nullptr, 2);
    EXPECT_EQ(display.size(), QSize(46, 16));
    display.setGlyph('1', glyph(Qt::red));
    display.setGlyph('2', glyph(Qt::green));
    display.setGlyph(' ', glyph(Qt::black));

    EXPECT_EQ(display.display("1212"), 4);
    EXPECT_EQ(display.display("1212"), 0);
    EXPECT_EQ(display.display("1221"), 2);
    EXPECT_EQ(display.text(), "1221");
    EXPECT_EQ(colourAt(display, 2), QColor(Qt::green));
    EXPECT_EQ(colourAt(display, 3), QColor(Qt::red));

    // Short text blanks the rest; unknown characters show the blank glyph.
    EXPECT_EQ(display.display("1x"), 3);
    EXPECT_EQ(colourAt(display, 1), QColor(Qt::black));
    EXPECT_EQ(colourAt(display, 3), QColor(Qt::black));
}

TEST(DigitDisplay, ANewGlyphReachesThePositionsAlreadyShowingIt)
{
    DigitDisplay display(3, QSize(10, 16));
    display.setGlyph('7', glyph(Qt::red));
    display.display("777");
    display.setGlyph('7', glyph(Qt::blue));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(colourAt(display, i), QColor(Qt::blue));
}

TEST(DigitDisplay, AReaderHearsTheLabelAndTheDigitsShown)
{
    DigitDisplay display(5, QSize(10, 16));
    display.setGlyph('1', glyph(Qt::red));
    // Nothing drawn yet: the label alone.
    display.setAccessibleLabel("Score");
    EXPECT_EQ(accessible::readName(&display), "Score");

    display.display("12:1");
    EXPECT_EQ(accessible::readName(&display), "Score: 12:1");
    // A redraw of the same text changes nothing; new text renames.
    display.display("12:1");
    display.display(" 1");
    EXPECT_EQ(accessible::readName(&display), "Score: 1");
    // The positions themselves stay quiet, so the digits are read once.
    display.show();
    for (int i = 0; i < display.positionCount(); ++i) {
        EXPECT_EQ(accessible::readName(display.position(i)), "");
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(display.position(i))->state().invisible) << i;
    }
}
