#include "paint/ImageOps.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace paint;

namespace {

const PixelFormat allFormats[] = {PixelFormat::Indexed8, PixelFormat::Rgb555, PixelFormat::Rgb565,
                                  PixelFormat::Rgb24, PixelFormat::Rgb32};

constexpr ColourValue White = 0xFFFFFF;
constexpr ColourValue Black = 0x000000;
constexpr ColourValue Red = 0x0000FF;

Picture make(int w, int h, PixelFormat format)
{
    auto picture = Picture::create(w, h, format);
    EXPECT_TRUE(picture.has_value());
    return picture ? *picture : Picture();
}

// The pixel bytes of every row, without row padding.
QByteArray pixelBytes(const Picture& picture)
{
    QByteArray bytes;
    const int rowBytes = picture.width() * bytesPerPixel(picture.format());
    for (int y = 0; y < picture.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(picture.image().constScanLine(y)), rowBytes);
    return bytes;
}

// Raw values from a fixed scramble, valid for the format.
void scramble(Picture& picture)
{
    std::uint32_t state = 12345;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            picture.setPixelAt(x, y, picture.storedPixel(state >> 8));
        }
}

// Which pixels are not the colour, as rows of '#' and '.'.
std::vector<std::string> maskOf(const Picture& picture, ColourValue colour)
{
    std::vector<std::string> rows;
    for (int y = 0; y < picture.height(); ++y) {
        std::string row;
        for (int x = 0; x < picture.width(); ++x)
            row += picture.pixelAt(x, y) == picture.storedPixel(colour) ? '.' : '#';
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(ImageOpsTest, ReplaceChangesExactlyTheStoredFirstColour)
{
    for (PixelFormat format : allFormats) {
        Picture picture = make(6, 4, format);
        scramble(picture);
        picture.setPixelAt(1, 1, picture.storedPixel(0x3264C8));
        picture.setPixelAt(4, 3, picture.storedPixel(0x3264C8));
        const Picture before = picture;

        // In 16 bits a colour of the same stored form counts as the same colour.
        const bool sixteen = format == PixelFormat::Rgb555 || format == PixelFormat::Rgb565;
        const ColourValue first = sixteen ? 0x3365C9 : 0x3264C8;
        imageops::replaceColour(picture, first, Red);
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x) {
                const bool wasFirst = before.pixelAt(x, y) == before.storedPixel(first);
                EXPECT_EQ(picture.pixelAt(x, y), wasFirst ? picture.storedPixel(Red) : before.pixelAt(x, y))
                    << int(format) << " " << x << "," << y;
            }
        EXPECT_EQ(picture.pixelAt(1, 1), picture.storedPixel(Red));

        // A colour that is not there changes nothing.
        Picture plain = make(6, 4, format);
        const QByteArray bytes = pixelBytes(plain);
        imageops::replaceColour(plain, Black, Red);
        EXPECT_EQ(pixelBytes(plain), bytes) << int(format);
    }

    // A 32-bit pixel whose unused byte a file left at 0 still matches.
    Picture rgb32 = make(2, 1, PixelFormat::Rgb32);
    rgb32.setPixelAt(0, 0, 0x00FFFFFF);
    imageops::replaceColour(rgb32, White, Black);
    EXPECT_EQ(rgb32.pixelAt(0, 0), 0xFF000000u);
    EXPECT_EQ(rgb32.pixelAt(1, 0), 0xFF000000u);
}

TEST(ImageOpsTest, OutlineRingsADiscThenThickensUpAndLeft)
{
    for (PixelFormat format : allFormats) {
        Picture picture = make(40, 36, format);
        picture.pen() = {Black, 15, RasterMode::Copy};
        picture.drawLine({20, 18}, {20, 18});
        const std::vector<std::string> disc = maskOf(picture, White);

        // First run: the white pixels with a disc pixel as one of their four
        // neighbours, nothing else.
        imageops::outline(picture, White, Red);
        int ring = 0;
        for (int y = 0; y < 36; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool black = disc[y][x] == '#';
                const bool nextToDisc = !black
                                        && ((x > 0 && disc[y][x - 1] == '#') || (x < 39 && disc[y][x + 1] == '#')
                                            || (y > 0 && disc[y - 1][x] == '#') || (y < 35 && disc[y + 1][x] == '#'));
                ring += nextToDisc ? 1 : 0;
                const ColourValue expected = black ? Black : nextToDisc ? Red : White;
                ASSERT_EQ(picture.pixelAt(x, y), picture.storedPixel(expected))
                    << int(format) << " " << x << "," << y;
            }
        EXPECT_GT(ring, 40);

        // Second run: a white pixel turns red when the pixel below or to the
        // right is red; red above or to the left does not count.
        Picture again = picture;
        imageops::outline(again, White, Red);
        int added = 0;
        for (int y = 0; y < 36; ++y)
            for (int x = 0; x < 40; ++x) {
                const auto at = [&](int px, int py) { return picture.colourAt(px, py); };
                const bool grows = at(x, y) == picture.colourOf(picture.storedPixel(White))
                                   && ((x < 39 && at(x + 1, y) != at(x, y)) || (y < 35 && at(x, y + 1) != at(x, y)));
                added += grows ? 1 : 0;
                ASSERT_EQ(again.pixelAt(x, y), grows ? again.storedPixel(Red) : picture.pixelAt(x, y))
                    << int(format) << " " << x << "," << y;
            }
        EXPECT_GT(added, 10);
    }
}

TEST(ImageOpsTest, OutlineAtTheEdgesTreatsOutsideAsBackground)
{
    Picture picture = make(4, 3, PixelFormat::Rgb24);
    picture.setPixelAt(0, 0, picture.storedPixel(Black));
    picture.setPixelAt(3, 2, picture.storedPixel(Black));
    imageops::outline(picture, White, Red);
    const std::vector<std::string> expected = {"##..", "#..#", "..##"};
    // '.' white; '#' black or red: both ends are ringed on their inner sides only.
    EXPECT_EQ(maskOf(picture, White), expected);
    EXPECT_EQ(picture.colourAt(1, 0), Red);
    EXPECT_EQ(picture.colourAt(0, 1), Red);
    EXPECT_EQ(picture.colourAt(2, 2), Red);
    EXPECT_EQ(picture.colourAt(3, 1), Red);
    EXPECT_EQ(picture.colourAt(3, 0), White);

    // With no background at all nothing changes.
    Picture dark = make(5, 5, PixelFormat::Rgb32);
    dark.fill(Black);
    const QByteArray bytes = pixelBytes(dark);
    imageops::outline(dark, White, Red);
    EXPECT_EQ(pixelBytes(dark), bytes);
}

TEST(ImageOpsTest, InvertComplementsAndTwiceRestoresEveryByte)
{
    for (PixelFormat format : allFormats) {
        Picture picture = make(7, 5, format);
        scramble(picture);
        const Picture before = picture;
        const QByteArray bytes = pixelBytes(picture);
        imageops::invert(picture);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 7; ++x) {
                const ColourValue was = before.colourAt(x, y);
                // Every format but 16-bit shows the exact complement colour.
                if (format != PixelFormat::Rgb555 && format != PixelFormat::Rgb565) {
                    ASSERT_EQ(picture.colourAt(x, y), ~was & 0xFFFFFF) << int(format);
                }
            }
        EXPECT_NE(pixelBytes(picture), bytes);
        imageops::invert(picture);
        EXPECT_EQ(pixelBytes(picture), bytes) << int(format);
    }

    Picture rgb32 = make(1, 1, PixelFormat::Rgb32);
    rgb32.setPixelAt(0, 0, 0xFF123456);
    imageops::invert(rgb32);
    EXPECT_EQ(rgb32.pixelAt(0, 0), 0xFFEDCBA9u);
    Picture rgb555 = make(1, 1, PixelFormat::Rgb555);
    rgb555.setPixelAt(0, 0, 0x1234);
    imageops::invert(rgb555);
    EXPECT_EQ(rgb555.pixelAt(0, 0), 0x6DCBu);
    Picture rgb565 = make(1, 1, PixelFormat::Rgb565);
    rgb565.setPixelAt(0, 0, 0x1234);
    imageops::invert(rgb565);
    EXPECT_EQ(rgb565.pixelAt(0, 0), 0xEDCBu);

    // A two-colour picture (as a 1-bit file opens) inverts to the inverse
    // colours, not to black.
    QImage twoColours(3, 1, QImage::Format_Indexed8);
    twoColours.setColorTable({qRgb(0, 0, 128), qRgb(255, 255, 0)});
    twoColours.setPixel(0, 0, 0);
    twoColours.setPixel(1, 0, 1);
    twoColours.setPixel(2, 0, 1);
    auto opened = Picture::fromImage(twoColours);
    ASSERT_TRUE(opened);
    imageops::invert(*opened);
    EXPECT_EQ(opened->colourAt(0, 0), 0x7FFFFFu);
    EXPECT_EQ(opened->colourAt(1, 0), 0xFF0000u);
    imageops::invert(*opened);
    EXPECT_EQ(opened->colourAt(0, 0), 0x800000u);
    EXPECT_EQ(opened->colourAt(2, 0), 0x00FFFFu);
}

TEST(ImageOpsTest, ResizedStretchesOrCopiesOntoWhite)
{
    Picture picture = make(4, 2, PixelFormat::Rgb32);
    scramble(picture);
    picture.pen() = {0x123456, 33, RasterMode::MaskNotDest};

    const auto stretched = imageops::resized(picture, QSize(8, 6), PixelFormat::Rgb32, true);
    ASSERT_TRUE(stretched);
    EXPECT_EQ(stretched->size(), QSize(8, 6));
    EXPECT_EQ(stretched->pen().colour, 0x123456u);
    EXPECT_EQ(stretched->pen().width, 33);
    EXPECT_EQ(stretched->pen().mode, RasterMode::MaskNotDest);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(stretched->pixelAt(x, y), picture.pixelAt(x / 2, y / 3));

    const auto larger = imageops::resized(picture, QSize(6, 3), PixelFormat::Rgb32, false);
    ASSERT_TRUE(larger);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(larger->pixelAt(x, y), x < 4 && y < 2 ? picture.pixelAt(x, y) : 0xFFFFFFFFu);

    // Into another format each pixel takes that format's stored form; a
    // smaller size cuts the picture off.
    for (PixelFormat format : allFormats) {
        const auto converted = imageops::resized(picture, QSize(3, 3), format, false);
        ASSERT_TRUE(converted);
        EXPECT_EQ(converted->format(), format);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 3; ++x)
                ASSERT_EQ(converted->pixelAt(x, y), converted->storedPixel(y < 2 ? picture.colourAt(x, y) : White))
                    << int(format);
    }

    EXPECT_FALSE(imageops::resized(picture, QSize(0, 10), PixelFormat::Rgb32, true));
    EXPECT_FALSE(imageops::resized(picture, QSize(100000, 100000), PixelFormat::Rgb32, false));
}
