#include "app/Artwork.h"
#include "games/DiceArt.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage argb(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Pip offsets inside a die, top-left corners of the 25 x 25 pip images.
const QPoint kPipOffsets[] = {{12, 12}, {68, 12}, {12, 40}, {40, 40}, {68, 40}, {12, 68}, {68, 68}};

} // namespace

TEST(DiceArt, FaceIsRoundedWithTransparentCorners)
{
    const QImage face = argb(diceart::dieFace());
    ASSERT_EQ(face.size(), QSize(105, 105));
    for (const QPoint corner : {QPoint(0, 0), QPoint(104, 0), QPoint(0, 104), QPoint(104, 104)})
        EXPECT_EQ(qAlpha(face.pixel(corner)), 0);
    // Opaque along the middle of every edge.
    for (const QPoint edge : {QPoint(52, 1), QPoint(1, 52), QPoint(103, 52), QPoint(52, 103)})
        EXPECT_EQ(qAlpha(face.pixel(edge)), 255);
    // Ivory: light and warm.
    const QRgb centre = face.pixel(52, 52);
    EXPECT_GT(qGray(centre), 200);
    EXPECT_GT(qRed(centre), qBlue(centre));
}

TEST(DiceArt, FaceIsOneFlatColourWhereverAPipCanLie)
{
    const QImage face = argb(diceart::dieFace());
    const QRgb flat = face.pixel(52, 52);
    int others = 0;
    for (const QPoint offset : kPipOffsets)
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 25; ++x)
                others += face.pixel(offset + QPoint(x, y)) != flat;
    EXPECT_EQ(others, 0);
    // The bevel makes the rim differ from the flat top.
    EXPECT_NE(face.pixel(3, 52), flat);
    EXPECT_NE(face.pixel(101, 52), flat);
    EXPECT_GT(qGray(face.pixel(3, 52)), qGray(face.pixel(101, 52)));
}

TEST(DiceArt, PipIsACentredDarkSpotWithAClearSurround)
{
    const QImage pip = argb(diceart::pip());
    ASSERT_EQ(pip.size(), QSize(25, 25));
    for (int i = 0; i < 25; ++i) {
        EXPECT_EQ(qAlpha(pip.pixel(i, 0)), 0) << i;
        EXPECT_EQ(qAlpha(pip.pixel(i, 24)), 0) << i;
        EXPECT_EQ(qAlpha(pip.pixel(0, i)), 0) << i;
        EXPECT_EQ(qAlpha(pip.pixel(24, i)), 0) << i;
    }
    const QRgb centre = pip.pixel(12, 12);
    EXPECT_EQ(qAlpha(centre), 255);
    EXPECT_LT(qGray(centre), 110);
    // Centred: the outline of the spot is the same turned half round.
    int opaque = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x) {
            EXPECT_NEAR(qAlpha(pip.pixel(x, y)), qAlpha(pip.pixel(24 - x, 24 - y)), 2) << x << "," << y;
            opaque += qAlpha(pip.pixel(x, y)) == 255;
        }
    // A real spot, not a dot: most of a 19 px disc.
    EXPECT_GT(opaque, 200);
}

TEST(DiceArt, SixOnTheFaceShowsSeparateSpotsOnIvory)
{
    QImage die = argb(diceart::dieFace());
    const QRgb ivory = die.pixel(52, 52);
    const QPixmap pip = diceart::pip();
    {
        QPainter painter(&die);
        for (const QPoint offset : kPipOffsets)
            painter.drawPixmap(offset, pip);
    }
    for (const QPoint offset : kPipOffsets)
        EXPECT_LT(qGray(die.pixel(offset + QPoint(12, 12))), 110);
    // Between neighbouring spots and at the die's middle edge the face shows.
    for (const QPoint gap : {QPoint(24, 38), QPoint(24, 66), QPoint(38, 24), QPoint(66, 24), QPoint(52, 24),
                             QPoint(52, 80)})
        EXPECT_EQ(die.pixel(gap), ivory) << gap.x() << "," << gap.y();
}

TEST(DiceArt, RollButtonPressedShowsTheSameWordsSunk)
{
    const QImage released = argb(diceart::rollButtonFace(false));
    const QImage pressed = argb(diceart::rollButtonFace(true));
    ASSERT_EQ(released.size(), QSize(361, 73));
    ASSERT_EQ(pressed.size(), QSize(361, 73));
    EXPECT_NE(released, pressed);
    const int b = artwork::kButtonBevel;
    const int s = artwork::kButtonPressShift;
    int mismatches = 0;
    for (int y = b; y < 73 - b - s; ++y)
        for (int x = b; x < 361 - b - s; ++x)
            mismatches += released.pixel(x, y) != pressed.pixel(x + s, y + s);
    EXPECT_EQ(mismatches, 0);
    // Words on the face: the middle row carries near-white letters.
    int letters = 0;
    for (int x = 0; x < 361; ++x)
        letters += qGray(released.pixel(x, 40)) > 200;
    EXPECT_GT(letters, 40);
}
