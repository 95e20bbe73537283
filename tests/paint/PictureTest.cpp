#include "paint/Picture.h"

#include <QSet>
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <vector>

using namespace paint;

namespace {

const PixelFormat allFormats[] = {PixelFormat::Indexed8, PixelFormat::Rgb555, PixelFormat::Rgb565,
                                  PixelFormat::Rgb24, PixelFormat::Rgb32};

ColourValue rgb(int r, int g, int b) { return ColourValue(r | g << 8 | b << 16); }
int red(ColourValue c) { return int(c & 0xFF); }
int green(ColourValue c) { return int(c >> 8 & 0xFF); }
int blue(ColourValue c) { return int(c >> 16 & 0xFF); }

Picture make(int w, int h, PixelFormat format)
{
    auto picture = Picture::create(w, h, format);
    EXPECT_TRUE(picture.has_value());
    return picture ? *picture : Picture();
}

// The brush modes written out channel by channel, as the user sees them.
ColourValue reference(RasterMode mode, ColourValue p, ColourValue d)
{
    auto channel = [&](int pc, int dc) {
        switch (mode) {
        case RasterMode::Copy: return pc;
        case RasterMode::MergeNotDest: return (pc | ~dc) & 0xFF;
        case RasterMode::MaskNotDest: return (pc & ~dc) & 0xFF;
        }
        return pc;
    };
    return rgb(channel(red(p), red(d)), channel(green(p), green(d)), channel(blue(p), blue(d)));
}

// The palette entry nearest to a colour by plain search, first of equals.
int bruteNearest(const QVector<QRgb>& table, ColourValue c)
{
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < table.size(); ++i) {
        const int dr = qRed(table[i]) - red(c), dg = qGreen(table[i]) - green(c), db = qBlue(table[i]) - blue(c);
        if (dr * dr + dg * dg + db * db < bestDistance) {
            bestDistance = dr * dr + dg * dg + db * db;
            best = i;
        }
    }
    return best;
}

// Whether pixel centre (x, y) lies within width/2 of segment a-b, in exact
// integer arithmetic (distances compared squared, times four).
bool inCapsule(int x, int y, QPoint a, QPoint b, int width)
{
    const qint64 dx = b.x() - a.x(), dy = b.y() - a.y();
    const qint64 qx = x - a.x(), qy = y - a.y();
    const qint64 w2 = qint64(width) * width;
    const qint64 l2 = dx * dx + dy * dy;
    const qint64 t = qx * dx + qy * dy;
    if (t <= 0)
        return 4 * (qx * qx + qy * qy) <= w2;
    if (t >= l2)
        return 4 * ((x - b.x()) * qint64(x - b.x()) + (y - b.y()) * qint64(y - b.y())) <= w2;
    const qint64 cross = qx * dy - qy * dx;
    return 4 * cross * cross <= w2 * l2;
}

} // namespace

TEST(PictureTest, NewPicturesAreWhiteInTheirQtFormat)
{
    for (PixelFormat format : allFormats) {
        const Picture picture = make(7, 5, format);
        EXPECT_EQ(picture.image().format(), qtFormat(format));
        EXPECT_EQ(picture.size(), QSize(7, 5));
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x)
                ASSERT_EQ(picture.colourAt(x, y), 0xFFFFFFu) << int(format);
    }
    EXPECT_EQ(make(3, 3, PixelFormat::Indexed8).image().colorTable(), standardPalette());
    EXPECT_EQ(make(3, 3, PixelFormat::Rgb32).pixelAt(1, 1), 0xFFFFFFFFu);

    EXPECT_FALSE(Picture::create(0, 5, PixelFormat::Rgb32));
    EXPECT_FALSE(Picture::create(5, -1, PixelFormat::Rgb32));
    // 2^31 pixels of four bytes is refused without trying.
    EXPECT_FALSE(Picture::create(65536, 32768, PixelFormat::Rgb32));
}

TEST(PictureTest, StandardPaletteComplementsByIndex)
{
    const QVector<QRgb>& palette = standardPalette();
    ASSERT_EQ(palette.size(), 256);
    EXPECT_EQ(palette[0], qRgb(0, 0, 0));
    EXPECT_EQ(palette[255], qRgb(255, 255, 255));
    EXPECT_EQ(palette[1 << 5 | 3 << 2 | 1], qRgb(36, 109, 85));
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(qRed(palette[255 - i]), 255 - qRed(palette[i]));
        EXPECT_EQ(qGreen(palette[255 - i]), 255 - qGreen(palette[i]));
        EXPECT_EQ(qBlue(palette[255 - i]), 255 - qBlue(palette[i]));
    }
}

TEST(PictureTest, StoredPixelAndColourOfEachFormat)
{
    const ColourValue c = rgb(200, 100, 50);
    EXPECT_EQ(make(1, 1, PixelFormat::Rgb555).storedPixel(c), std::uint32_t(25 << 10 | 12 << 5 | 6));
    EXPECT_EQ(make(1, 1, PixelFormat::Rgb565).storedPixel(c), std::uint32_t(25 << 11 | 25 << 5 | 6));
    EXPECT_EQ(make(1, 1, PixelFormat::Rgb32).storedPixel(c), 0xFFC86432u);

    // 24-bit pixels lie in memory as red, green, blue.
    Picture rgb24 = make(2, 1, PixelFormat::Rgb24);
    rgb24.setPixelAt(1, 0, rgb24.storedPixel(c));
    const uchar* bytes = rgb24.image().constScanLine(0) + 3;
    EXPECT_EQ(bytes[0], 200);
    EXPECT_EQ(bytes[1], 100);
    EXPECT_EQ(bytes[2], 50);
    EXPECT_EQ(rgb24.colourAt(1, 0), c);

    // 16-bit channels widen by repeating their top bits.
    const Picture p555 = make(1, 1, PixelFormat::Rgb555);
    EXPECT_EQ(p555.colourOf(15 << 10 | 31 << 5 | 0), rgb(123, 255, 0));
    const Picture p565 = make(1, 1, PixelFormat::Rgb565);
    EXPECT_EQ(p565.colourOf(15 << 11 | 63 << 5 | 1), rgb(123, 255, 8));
    EXPECT_EQ(p565.colourOf(32 << 5), rgb(0, 130, 0));

    // What QImage shows agrees with colourAt in every format.
    for (PixelFormat format : allFormats) {
        Picture picture = make(1, 1, format);
        picture.fill(c);
        const QRgb shown = picture.image().pixel(0, 0);
        EXPECT_EQ(rgb(qRed(shown), qGreen(shown), qBlue(shown)), picture.colourAt(0, 0)) << int(format);
    }
}

TEST(PictureTest, PaletteColoursMapToTheFirstNearestEntry)
{
    const Picture standard = make(1, 1, PixelFormat::Indexed8);
    // Red 18 is as near to level 0 as to level 36; the first entry wins.
    for (ColourValue c : {rgb(18, 0, 0), rgb(91, 164, 237), rgb(127, 128, 42), rgb(255, 0, 255), rgb(1, 2, 3)})
        EXPECT_EQ(int(standard.storedPixel(c)), bruteNearest(standardPalette(), c));
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(int(standard.storedPixel(standard.colourOf(std::uint32_t(i)))), i);
    for (int v = 0; v < 4096; ++v) {
        const ColourValue c = rgb((v * 37) & 255, (v * 11 + 5) & 255, (v >> 4) & 255);
        ASSERT_EQ(int(standard.storedPixel(c)), bruteNearest(standardPalette(), c)) << v;
    }

    // A short file palette is padded to 256: the entry at a complemented
    // index is the complement colour, the rest black; duplicates resolve to
    // the first.
    QImage image(2, 1, QImage::Format_Indexed8);
    image.setColorTable({qRgb(10, 10, 10), qRgb(250, 0, 0), qRgb(10, 10, 10)});
    image.fill(1);
    const auto opened = Picture::fromImage(image);
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->image().colorCount(), 256);
    EXPECT_EQ(opened->image().color(255), qRgb(245, 245, 245));
    EXPECT_EQ(opened->image().color(254), qRgb(5, 255, 255));
    EXPECT_EQ(opened->image().color(252), qRgb(0, 0, 0));
    EXPECT_EQ(opened->colourAt(1, 0), rgb(250, 0, 0));
    EXPECT_EQ(opened->storedPixel(rgb(12, 12, 12)), 0u);
    EXPECT_EQ(opened->storedPixel(rgb(3, 3, 3)), 3u);
    EXPECT_EQ(opened->colourOf(200), 0u);
}

TEST(PictureTest, FromImageAcceptsOnlyTheFiveFormats)
{
    for (PixelFormat format : allFormats) {
        QImage image(4, 3, qtFormat(format));
        image.fill(0);
        const auto picture = Picture::fromImage(image);
        ASSERT_TRUE(picture) << int(format);
        EXPECT_EQ(picture->format(), format);
    }
    EXPECT_FALSE(Picture::fromImage(QImage(4, 3, QImage::Format_ARGB32)));
    EXPECT_FALSE(Picture::fromImage(QImage(4, 3, QImage::Format_Mono)));
    EXPECT_FALSE(Picture::fromImage(QImage()));
}

TEST(PictureTest, OutsidePixelsAreNeitherReadNorWritten)
{
    Picture picture = make(3, 2, PixelFormat::Rgb24);
    const QImage before = picture.image().copy();
    picture.setPixelAt(3, 0, 0);
    picture.setPixelAt(-1, 1, 0);
    picture.setPixelAt(0, 2, 0);
    EXPECT_EQ(picture.image(), before);
    EXPECT_EQ(picture.pixelAt(0, -1), 0u);
    EXPECT_EQ(Picture().drawLine({0, 0}, {5, 5}), QRect());
}

TEST(PictureTest, LineCoversEachPixelOfItsCapsuleOnce)
{
    struct Case {
        QPoint a, b;
        int width;
    };
    const Case cases[] = {
        {{10, 10}, {10, 10}, 1}, {{10, 10}, {10, 10}, 2},  {{10, 10}, {10, 10}, 7},  {{5, 5}, {35, 5}, 2},
        {{5, 5}, {5, 30}, 4},    {{3, 4}, {30, 25}, 1},    {{3, 25}, {33, 4}, 6},    {{2, 2}, {37, 9}, 9},
        {{20, 15}, {24, 18}, 10}, {{-8, 12}, {50, 20}, 5}, {{-30, -30}, {70, 60}, 3}, {{20, 15}, {21, 15}, 75},
        {{1, 0}, {38, 29}, 2},   {{39, 0}, {0, 29}, 3},    {{40, 5}, {40, 25}, 4},   {{0, 0}, {0, 0}, 1},
    };
    std::vector<Case> all(std::begin(cases), std::end(cases));
    // And a fixed spread of others: short and long, thin and wide, partly outside.
    std::uint32_t state = 99;
    auto next = [&](int range) {
        state = state * 1664525u + 1013904223u;
        return int((state >> 8) % std::uint32_t(range));
    };
    for (int i = 0; i < 300; ++i) {
        const QPoint a(next(80) - 20, next(70) - 20);
        const QPoint b = i % 9 == 0 ? a : QPoint(next(80) - 20, next(70) - 20);
        all.push_back({a, b, i % 4 == 0 ? 1 + next(40) : 1 + next(8)});
    }
    for (const Case& c : all) {
        // A black pen merging with NOT white leaves black once and white
        // again where a pixel is combined twice.
        Picture picture = make(40, 30, PixelFormat::Rgb32);
        picture.pen() = {0, c.width, RasterMode::MergeNotDest};
        const QRect changed = picture.drawLine(c.a, c.b);
        QRect expected;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool covered = inCapsule(x, y, c.a, c.b, c.width);
                if (covered)
                    expected |= QRect(x, y, 1, 1);
                ASSERT_EQ(picture.colourAt(x, y), covered ? 0u : 0xFFFFFFu)
                    << "pixel " << x << "," << y << " of " << c.a.x() << "," << c.a.y() << "-" << c.b.x() << ","
                    << c.b.y() << " width " << c.width;
            }
        EXPECT_EQ(changed, expected);
    }
}

TEST(PictureTest, ShortWideSegmentsOfAPatternCoverExactlyTheirCapsules)
{
    // A pattern's segments: a few pixels long, up to 40 wide, chained end to
    // end, with ends on and off whole half-widths. Each is checked alone
    // against the exact test.
    std::uint32_t state = 7;
    auto next = [&](int range) {
        state = state * 1664525u + 1013904223u;
        return int((state >> 8) % std::uint32_t(range));
    };
    QPoint from(60, 45);
    for (int i = 0; i < 250; ++i) {
        // Mostly a few pixels on, now and then far across (spans longer
        // than a block of 64).
        const QPoint to = i % 7 == 0    ? from
                          : i % 5 == 0 ? QPoint(next(120), next(90))
                                       : from + QPoint(next(9) - 4, next(9) - 4);
        const int width = i % 3 == 0 ? 40 : 1 + next(40);
        // Every other one copies onto a 24-bit picture, whose spans are
        // written in blocks.
        const bool copy24 = i % 2 == 1;
        Picture picture = make(120, 90, copy24 ? PixelFormat::Rgb24 : PixelFormat::Rgb32);
        picture.pen() = {0, width, copy24 ? RasterMode::Copy : RasterMode::MergeNotDest};
        picture.drawLine(from, to);
        for (int y = 0; y < 90; ++y)
            for (int x = 0; x < 120; ++x)
                ASSERT_EQ(picture.colourAt(x, y), inCapsule(x, y, from, to, width) ? 0u : 0xFFFFFFu)
                    << "pixel " << x << "," << y << " of " << from.x() << "," << from.y() << "-" << to.x() << ","
                    << to.y() << " width " << width;
        from = to;
    }
}

TEST(PictureTest, ThinLinesAreConnectedAndClipped)
{
    Picture picture = make(20, 10, PixelFormat::Rgb32);
    picture.pen() = {0, 1, RasterMode::Copy};
    EXPECT_EQ(picture.drawLine({0, 0}, {9, 3}), QRect(0, 0, 10, 4));
    for (int x = 0; x <= 9; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 10; ++y)
            inColumn += picture.colourAt(x, y) == 0 ? 1 : 0;
        EXPECT_EQ(inColumn, 1) << x;
    }
    // A mirrored point on the far edge (x = W) lies just outside.
    const QImage before = picture.image().copy();
    EXPECT_TRUE(picture.drawLine({20, 0}, {20, 9}).isEmpty());
    EXPECT_TRUE(picture.drawLine({-100, -50}, {-3, 40}).isEmpty());
    EXPECT_EQ(picture.image(), before);
    // Absurd coordinates neither crash nor draw outside.
    EXPECT_EQ(picture.drawLine({-2000000000, 5}, {2000000000, 5}), QRect(0, 5, 20, 1));
}

TEST(PictureTest, RasterModesWorkPerChannelInEveryFormat)
{
    const ColourValue pens[] = {rgb(200, 100, 50), rgb(0, 0, 0), rgb(255, 255, 255), rgb(7, 130, 250)};
    for (PixelFormat format : allFormats) {
        const int bits = format == PixelFormat::Indexed8 ? 8 : 16;
        const int w = 256, h = 1 << (bits - 8);
        for (RasterMode mode : {RasterMode::Copy, RasterMode::MergeNotDest, RasterMode::MaskNotDest})
            for (ColourValue pen : pens) {
                Picture picture = make(w, h, format);
                // Every 8- or 16-bit raw value once; spread colours for 24/32 bits.
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        const std::uint32_t v = std::uint32_t(y << 8 | x);
                        std::uint32_t raw = v;
                        if (format == PixelFormat::Rgb555)
                            raw &= 0x7FFF;
                        else if (format == PixelFormat::Rgb24 || format == PixelFormat::Rgb32)
                            raw = picture.storedPixel(v * 2654435761u);
                        picture.setPixelAt(x, y, raw);
                    }
                const Picture before = picture;
                picture.pen() = {pen, 1000, mode};
                picture.drawLine({w / 2, h / 2}, {w / 2, h / 2});
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        const ColourValue d = before.colourAt(x, y);
                        ASSERT_EQ(picture.pixelAt(x, y), before.storedPixel(reference(mode, pen, d)))
                            << "format " << int(format) << " mode " << int(mode) << " pen " << pen << " at " << x
                            << "," << y;
                    }
            }
    }
}

TEST(PictureTest, StretchTakesTheNearestSourcePixel)
{
    QImage source(3, 2, QImage::Format_ARGB32);
    const QRgb colours[2][3] = {{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)},
                                {qRgb(10, 20, 30), qRgb(255, 255, 255), qRgb(0, 0, 0)}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            source.setPixel(x, y, colours[y][x]);
    for (PixelFormat format : allFormats) {
        Picture picture = make(7, 5, format);
        picture.stretchDraw(source);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                const QRgb s = colours[y * 2 / 5][x * 3 / 7];
                ASSERT_EQ(picture.pixelAt(x, y), picture.storedPixel(rgb(qRed(s), qGreen(s), qBlue(s))))
                    << int(format) << " " << x << "," << y;
            }
        const QImage before = picture.image().copy();
        picture.stretchDraw(QImage());
        EXPECT_EQ(picture.image(), before);
    }
}
