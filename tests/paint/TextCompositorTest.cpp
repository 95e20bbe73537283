#include "paint/TextCompositor.h"

#include "paint/CanvasRamps.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace paint;

namespace {

constexpr std::uint32_t Marker = TextCompositor::TransparentMarker;

std::uint32_t raw(const QImage& image, int x, int y)
{
    return reinterpret_cast<const std::uint32_t*>(image.constScanLine(y))[x];
}

// A text bitmap drawn by hand: white with black rectangles where letters are.
QImage handMadeText(QSize size, std::initializer_list<QRect> letters)
{
    QImage text(size, QImage::Format_RGB32);
    text.fill(Qt::white);
    QPainter painter(&text);
    for (const QRect& r : letters)
        painter.fillRect(r, Qt::black);
    return text;
}

QImage solid(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

int countOf(const QImage& image, std::uint32_t value)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += raw(image, x, y) == value ? 1 : 0;
    return n;
}

} // namespace

TEST(TextCompositorTest, LettersShowTheMaterialAroundThemStandsTheMarker)
{
    const QImage text = handMadeText(QSize(12, 8), {QRect(2, 2, 3, 4)});
    // A material with red left, pure white right of x = 4.
    QImage material = solid(QSize(12, 8), qRgb(200, 10, 20));
    QPainter(&material).fillRect(QRect(4, 0, 8, 8), Qt::white);
    const QImage r = TextCompositor::compose(text, material, false);
    ASSERT_EQ(r.size(), QSize(12, 8));
    EXPECT_EQ(raw(r, 0, 0), Marker);
    EXPECT_EQ(raw(r, 11, 7), Marker);
    EXPECT_EQ(raw(r, 2, 2), 0x00C80A14u) << "material colour, fourth byte 0";
    // White in the material becomes (250, 250, 250): a letter, not a hole.
    EXPECT_EQ(raw(r, 4, 3), TextCompositor::WhiteMaterial);
    EXPECT_FALSE(TextCompositor::isTransparent(raw(r, 4, 3)));
    EXPECT_EQ(countOf(r, Marker), 12 * 8 - 12);

    EXPECT_TRUE(TextCompositor::isTransparent(Marker));
    EXPECT_TRUE(TextCompositor::isTransparent(0x01010101u)) << "any four non-zero bytes";
    EXPECT_FALSE(TextCompositor::isTransparent(0x00FFFFFFu));
    EXPECT_FALSE(TextCompositor::isTransparent(0xFF00FFFFu));
    EXPECT_FALSE(TextCompositor::isTransparent(TextCompositor::OutlineBlack));
}

TEST(TextCompositorTest, TheOutlineIsOnePixelWideOutsideTheLetters)
{
    const QImage text = handMadeText(QSize(12, 12), {QRect(3, 3, 4, 4)});
    const QImage material = solid(QSize(12, 12), qRgb(0, 0, 255));
    const QImage plain = TextCompositor::compose(text, material, false);
    const QImage outlined = TextCompositor::compose(text, material, true);
    int black = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool letter = QRect(3, 3, 4, 4).contains(x, y);
            const bool edge = !letter && (QRect(3, 2, 4, 6).contains(x, y) || QRect(2, 3, 6, 4).contains(x, y));
            const std::uint32_t v = raw(outlined, x, y);
            if (letter)
                EXPECT_EQ(v, raw(plain, x, y)) << x << "," << y << ": letters keep their colour";
            else if (edge)
                EXPECT_EQ(v, TextCompositor::OutlineBlack) << x << "," << y;
            else
                EXPECT_EQ(v, Marker) << x << "," << y << ": corners and the rest stay transparent";
            black += v == TextCompositor::OutlineBlack ? 1 : 0;
        }
    EXPECT_EQ(black, 16);

    // Letters in black material: black above or left counts as outline, so
    // only the edges below and to the right of the background pixels (the
    // top and left sides) are ringed.
    const QImage dark = TextCompositor::compose(text, solid(QSize(12, 12), qRgb(0, 0, 0)), true);
    EXPECT_EQ(raw(dark, 4, 2), TextCompositor::OutlineBlack);
    EXPECT_EQ(raw(dark, 2, 4), TextCompositor::OutlineBlack);
    EXPECT_EQ(raw(dark, 4, 7), Marker);
    EXPECT_EQ(raw(dark, 7, 4), Marker);
}

TEST(TextCompositorTest, WhiteTextIsAllTransparentAndDropsNothing)
{
    const QImage t = TextCompositor::textBitmap(QStringLiteral("Orvik"), TextCompositor::startFont(), Qt::white);
    ASSERT_FALSE(t.isNull());
    const QImage r = TextCompositor::compose(t, TextCompositor::materialBitmap(
                                                   TextCompositor::materialPicture(3, {}), t.size()),
                                             true);
    EXPECT_EQ(countOf(r, Marker), r.width() * r.height()) << "no letter, no outline";

    Picture picture = *Picture::create(300, 200, PixelFormat::Rgb24);
    picture.fill(0x123456);
    const QImage before = picture.image().copy();
    EXPECT_TRUE(TextCompositor::drop(picture, r, QPoint(10, 10)).isEmpty());
    EXPECT_EQ(picture.image(), before);
}

TEST(TextCompositorTest, TheTextBitmapMeasuresTheTextInTheFont)
{
    EXPECT_TRUE(TextCompositor::textBitmap(QString(), TextCompositor::startFont(), Qt::black).isNull());
    EXPECT_TRUE(TextCompositor::compose(QString(), TextCompositor::startFont(), Qt::black,
                                        TextCompositor::materialPicture(1, {}), true)
                    .isNull());
    const QFont font = TextCompositor::startFont();
    EXPECT_EQ(font.family(), "Times New Roman");
    EXPECT_EQ(font.pointSize(), 48);
    const QImage one = TextCompositor::textBitmap(QStringLiteral("W"), font, Qt::black);
    const QImage three = TextCompositor::textBitmap(QStringLiteral("WWW"), font, Qt::black);
    ASSERT_FALSE(one.isNull());
    // 48 points at 96 dots per inch: a line about 64 pixels high or more.
    EXPECT_GE(one.height(), 60);
    EXPECT_LE(one.height(), 90);
    EXPECT_EQ(three.height(), one.height());
    EXPECT_NEAR(three.width(), 3 * one.width(), 3);
    // Only white and the font colour: every pixel is letter or background.
    const QImage red = TextCompositor::textBitmap(QStringLiteral("Orvik"), font, QColor(255, 0, 0));
    int letters = 0;
    for (int y = 0; y < red.height(); ++y)
        for (int x = 0; x < red.width(); ++x) {
            const QRgb v = red.pixel(x, y) & 0xFFFFFF;
            ASSERT_TRUE(v == 0xFFFFFF || v == 0xFF0000) << std::hex << v;
            letters += v == 0xFF0000 ? 1 : 0;
        }
    EXPECT_GT(letters, 200);
}

TEST(TextCompositorTest, MaterialsAreTheRampsAStripOfTheirOwnAndTheLoadedPicture)
{
    const QImage first = TextCompositor::materialPicture(1, {});
    ASSERT_EQ(first.size(), QSize(1, 202));
    EXPECT_EQ(first.pixel(0, 0) & 0xFFFFFF, 0x311800u);    // (49, 24, 0)
    EXPECT_EQ(first.pixel(0, 201) & 0xFFFFFF, 0x311800u);
    EXPECT_EQ(first.pixel(0, 100) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(TextCompositor::materialPicture(2, {}), ramps::strip(CanvasType::GreenWhite));
    EXPECT_EQ(TextCompositor::materialPicture(3, {}), ramps::strip(CanvasType::BlueCyan));
    EXPECT_EQ(TextCompositor::materialPicture(4, {}), ramps::strip(CanvasType::OrangeYellow));
    EXPECT_EQ(TextCompositor::materialPicture(5, {}), ramps::strip(CanvasType::Magenta));
    const QImage loaded = solid(QSize(3, 3), qRgb(1, 2, 3));
    EXPECT_EQ(TextCompositor::materialPicture(6, loaded), loaded);
    EXPECT_TRUE(TextCompositor::materialPicture(7, loaded).isNull());

    // Stretched over the text, nearest pixel; no picture leaves it white.
    QImage twoRows(1, 2, QImage::Format_RGB32);
    twoRows.setPixel(0, 0, qRgb(10, 0, 0));
    twoRows.setPixel(0, 1, qRgb(20, 0, 0));
    const QImage m = TextCompositor::materialBitmap(twoRows, QSize(5, 4));
    EXPECT_EQ(m.pixel(4, 1) & 0xFFFFFF, 0x0A0000u);
    EXPECT_EQ(m.pixel(0, 2) & 0xFFFFFF, 0x140000u);
    EXPECT_EQ(TextCompositor::materialBitmap(QImage(), QSize(5, 4)).pixel(2, 2) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(TextCompositorTest, DroppingCopiesTheLettersAndCutsThemAtTheRightAndBottomEdges)
{
    const QImage text = handMadeText(QSize(20, 10), {QRect(0, 0, 20, 10)});
    QImage material = solid(QSize(20, 10), qRgb(0, 128, 0));
    QPainter(&material).fillRect(QRect(0, 0, 2, 10), Qt::white);
    const QImage r = TextCompositor::compose(text, material, false);

    for (const PixelFormat format : {PixelFormat::Rgb32, PixelFormat::Rgb24, PixelFormat::Rgb565,
                                     PixelFormat::Indexed8}) {
        Picture picture = *Picture::create(50, 40, format);
        picture.fill(0x0000FF);   // red
        const QRect changed = TextCompositor::drop(picture, r, QPoint(45, 37));
        EXPECT_EQ(changed, QRect(45, 37, 5, 3)) << int(format);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 50; ++x) {
                const bool covered = x >= 45 && y >= 37;
                const ColourValue expected = !covered    ? 0x0000FF
                                             : x < 47    ? 0xFAFAFA   // white material
                                                         : 0x008000;  // green
                ASSERT_EQ(picture.colourAt(x, y), picture.colourOf(picture.storedPixel(expected)))
                    << int(format) << " at " << x << "," << y;
            }
    }

    // Marker pixels are left out; the rest of the picture is untouched.
    const QImage letters = TextCompositor::compose(handMadeText(QSize(6, 6), {QRect(1, 1, 2, 2)}),
                                                   solid(QSize(6, 6), qRgb(9, 9, 9)), true);
    Picture picture = *Picture::create(10, 10, PixelFormat::Rgb32);
    picture.fill(0x0000FF);
    TextCompositor::drop(picture, letters, QPoint(2, 2));
    EXPECT_EQ(picture.colourAt(3, 3), 0x090909u);
    EXPECT_EQ(picture.colourAt(3, 2), 0x000000u) << "outline";
    EXPECT_EQ(picture.colourAt(2, 2), 0x0000FFu) << "marker";
    EXPECT_EQ(picture.colourAt(7, 7), 0x0000FFu);
    // Past the edges entirely: nothing.
    EXPECT_TRUE(TextCompositor::drop(picture, letters, QPoint(10, 0)).isEmpty());
}

TEST(TextCompositorTest, PreviewShowsTheMarkerWhiteAndTheFloatingCopyLetsItThrough)
{
    const QImage r = TextCompositor::compose(handMadeText(QSize(4, 1), {QRect(1, 0, 2, 1)}),
                                             solid(QSize(4, 1), qRgb(255, 255, 255)), false);
    const QImage preview = TextCompositor::previewImage(r);
    EXPECT_EQ(preview.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(preview.pixel(1, 0), qRgb(250, 250, 250));
    const QImage floating = TextCompositor::floatingImage(r);
    EXPECT_EQ(qAlpha(floating.pixel(0, 0)), 0);
    EXPECT_EQ(floating.pixel(1, 0), qRgb(250, 250, 250));
}
