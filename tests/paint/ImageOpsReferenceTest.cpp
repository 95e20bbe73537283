// The whole-row image operations against a plain pixel-by-pixel reading of
// their rules, on random pictures of every format and of widths that leave
// odd ends after any vector width; both with the later vector extensions
// the processor has and with the baseline build of the loops.
#include "paint/ImageOps.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>
#include <vector>

using namespace paint;

namespace {

const PixelFormat allFormats[] = {PixelFormat::Indexed8, PixelFormat::Rgb555, PixelFormat::Rgb565,
                                  PixelFormat::Rgb24, PixelFormat::Rgb32};
// Odd ends after any vector width, and rows that end exactly on the edge
// of a span the outline works in (64, 128 or 256 pixels) or one past it.
const int widths[] = {1, 2, 3, 16, 64, 65, 127, 256, 257, 1001};
const int heights[] = {1, 2, 7};

// The bits of a raw value that carry colour.
std::uint32_t colourBits(PixelFormat format)
{
    switch (format) {
    case PixelFormat::Indexed8: return 0xFF;
    case PixelFormat::Rgb555: return 0x7FFF;
    case PixelFormat::Rgb565: return 0xFFFF;
    case PixelFormat::Rgb24:
    case PixelFormat::Rgb32: return 0xFFFFFF;
    }
    return 0;
}

// Every bit a raw value can hold, colour or not.
std::uint32_t rawBits(PixelFormat format)
{
    switch (format) {
    case PixelFormat::Indexed8: return 0xFF;
    case PixelFormat::Rgb555:
    case PixelFormat::Rgb565: return 0xFFFF;
    case PixelFormat::Rgb24: return 0xFFFFFF;
    case PixelFormat::Rgb32: return 0xFFFFFFFF;
    }
    return 0;
}

void referenceReplace(Picture& picture, ColourValue first, ColourValue second)
{
    const std::uint32_t bits = colourBits(picture.format());
    const std::uint32_t from = picture.storedPixel(first) & bits;
    const std::uint32_t to = picture.storedPixel(second);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if ((picture.pixelAt(x, y) & bits) == from)
                picture.setPixelAt(x, y, to);
}

// One pass in place, top row first, left to right, reading each neighbour
// as it is at that moment.
void referenceOutline(Picture& picture, ColourValue background, ColourValue outlineColour)
{
    const std::uint32_t bits = colourBits(picture.format());
    const std::uint32_t bg = picture.storedPixel(background) & bits;
    const std::uint32_t raw = picture.storedPixel(outlineColour);
    const std::uint32_t drawn = raw & bits;
    const auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < picture.width() && y < picture.height(); };
    const auto seen = [&](int x, int y) { return picture.pixelAt(x, y) & bits; };
    const auto object = [&](int x, int y) { return inside(x, y) && seen(x, y) != bg && seen(x, y) != drawn; };
    const auto notBackground = [&](int x, int y) { return inside(x, y) && seen(x, y) != bg; };
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (seen(x, y) == bg
                && (object(x - 1, y) || object(x, y - 1) || notBackground(x + 1, y) || notBackground(x, y + 1)))
                picture.setPixelAt(x, y, raw);
}

// The image's whole buffer, row padding included, so a write past the end
// of a row shows too.
QByteArray allBytes(const Picture& picture)
{
    return QByteArray(reinterpret_cast<const char*>(picture.image().constBits()), picture.image().sizeInBytes());
}

struct RandomPicture {
    Picture picture;
    ColourValue first = 0;  // the background or the colour replaced
    ColourValue second = 0; // the outline or the replacement
};

// A picture in which the two colours are common and the rest are chosen to
// trip a careless comparison: the first colour with other unused bits (still
// the first colour), raw values one bit away from it, for 24 bits its three
// bytes rotated (so they line up with it across a pixel boundary), and
// anything at all.
RandomPicture randomPicture(std::mt19937& random, PixelFormat format, int width, int height)
{
    RandomPicture made;
    made.picture = *Picture::create(width, height, format);
    Picture& picture = made.picture;
    const auto anyColour = [&] { return ColourValue(random() & 0xFFFFFF); };
    made.first = anyColour();
    // Now and then both colours are the same.
    made.second = random() % 8 == 0 ? made.first : anyColour();
    const std::uint32_t colour = colourBits(format);
    const std::uint32_t all = rawBits(format);
    const std::uint32_t first = picture.storedPixel(made.first);
    const std::uint32_t second = picture.storedPixel(made.second);

    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t raw = 0;
            const unsigned kind = random() % 16;
            if (kind < 6)
                raw = first;
            else if (kind < 8)
                raw = second;
            else if (kind < 9)
                raw = (first & colour) | (std::uint32_t(random()) & all & ~colour);
            else if (kind < 11)
                raw = first ^ 1u << (random() % std::popcount(colour));
            else if (kind < 13 && format == PixelFormat::Rgb24)
                raw = random() % 2 ? (first >> 8 | first << 16) & colour : (first >> 16 | first << 8) & colour;
            else
                raw = std::uint32_t(random()) & all;
            picture.setPixelAt(x, y, raw);
        }
    return made;
}

std::string caseName(PixelFormat format, int width, int height, int trial)
{
    return "format " + std::to_string(int(format)) + ", " + std::to_string(width) + " x " + std::to_string(height)
           + ", picture " + std::to_string(trial);
}

// Restores the default on leaving, whatever the test did.
struct VectorExtensionsChoice {
    explicit VectorExtensionsChoice(bool use) { imageops::useLaterVectorExtensions(use); }
    ~VectorExtensionsChoice() { imageops::useLaterVectorExtensions(true); }
};

// Runs the operation and its reference on copies of many random pictures of
// every format and size; the bytes must agree exactly. Returns how many
// pictures the reference changed, so a caller can tell the cases were not
// all trivial.
template <typename Operation, typename Reference>
int compareOnRandomPictures(Operation operation, Reference reference, unsigned seed)
{
    std::mt19937 random(seed);
    int changed = 0;
    for (PixelFormat format : allFormats)
        for (int width : widths)
            for (int height : heights)
                for (int trial = 0; trial < 8; ++trial) {
                    const RandomPicture made = randomPicture(random, format, width, height);
                    Picture fast = made.picture;
                    Picture expected = made.picture;
                    operation(fast, made.first, made.second);
                    reference(expected, made.first, made.second);
                    const QByteArray got = allBytes(fast);
                    const QByteArray want = allBytes(expected);
                    if (got != want) {
                        qsizetype at = 0;
                        while (got[at] == want[at])
                            ++at;
                        ADD_FAILURE() << caseName(format, width, height, trial) << ": first wrong byte " << at;
                        return changed;
                    }
                    changed += want != allBytes(made.picture) ? 1 : 0;
                }
    return changed;
}

} // namespace

class ImageOpsReferenceTest : public testing::TestWithParam<bool> {
protected:
    VectorExtensionsChoice choice{GetParam()};
};

TEST_P(ImageOpsReferenceTest, ReplaceMatchesThePixelByPixelRule)
{
    const int changed = compareOnRandomPictures(imageops::replaceColour, referenceReplace, 2000);
    // 5 formats x 10 widths x 3 heights x 8 pictures; most contain the colour.
    EXPECT_GT(changed, 800);
}

TEST_P(ImageOpsReferenceTest, OutlineMatchesTheOnePassRule)
{
    const int changed = compareOnRandomPictures(imageops::outline, referenceOutline, 2001);
    EXPECT_GT(changed, 800);
}

TEST_P(ImageOpsReferenceTest, OutlineOfDenseObjectsMatchesTheOnePassRule)
{
    // Mostly background with the outline colour in runs: a pixel whose
    // neighbours were turned earlier in the same pass must read them as
    // turned, whatever order a row is worked in.
    std::mt19937 random(2002);
    for (PixelFormat format : allFormats)
        for (int width : widths) {
            Picture picture = *Picture::create(width, 9, format);
            const ColourValue background = 0xFFFFFF;
            const ColourValue outlineColour = 0x0000FF;
            for (int y = 0; y < 9; ++y)
                for (int x = 0; x < width; ++x) {
                    const unsigned kind = random() % 10;
                    const ColourValue colour = kind < 6 ? background : kind < 8 ? outlineColour : 0x102030;
                    picture.setPixelAt(x, y, picture.storedPixel(colour));
                }
            Picture fast = picture;
            Picture expected = picture;
            for (int run = 0; run < 3; ++run) {
                imageops::outline(fast, background, outlineColour);
                referenceOutline(expected, background, outlineColour);
                ASSERT_EQ(allBytes(fast), allBytes(expected)) << caseName(format, width, 9, run);
            }
        }
}

TEST_P(ImageOpsReferenceTest, OutlineAroundOnePixelAnywhereMatchesTheOnePassRule)
{
    // One object pixel at every place of a wide canvas in turn, so whatever
    // way a row is cut up for the work, the object sits on each side of
    // each cut.
    const ColourValue background = 0xFFFFFF;
    const ColourValue outlineColour = 0x0000FF;
    for (PixelFormat format : allFormats) {
        Picture canvas = *Picture::create(600, 3, format);
        canvas.fill(background);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 600; ++x) {
                Picture fast = canvas;
                fast.setPixelAt(x, y, fast.storedPixel(0x102030));
                Picture expected = fast;
                imageops::outline(fast, background, outlineColour);
                referenceOutline(expected, background, outlineColour);
                ASSERT_EQ(allBytes(fast), allBytes(expected)) << "format " << int(format) << " at " << x << "," << y;
            }
    }
}

TEST_P(ImageOpsReferenceTest, ReplaceFindsATwentyFourBitPixelAtEveryPlaceInARow)
{
    // 24-bit pixels are compared four at a time, each lying differently
    // across the words of the group: one pixel of the colour among pixels
    // made of its bytes in another order, at every place of rows of every
    // length up to three groups and a bit, must be the only one changed.
    const ColourValue colour = 0x302010;
    const std::uint32_t rotations[] = {0x103020, 0x201030};
    for (int width = 1; width <= 14; ++width)
        for (int at = 0; at < width; ++at) {
            Picture picture = *Picture::create(width, 2, PixelFormat::Rgb24);
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < width; ++x)
                    picture.setPixelAt(x, y, x == at && y == 1 ? colour : rotations[(x + y) % 2]);
            Picture expected = picture;
            imageops::replaceColour(picture, colour, 0xFFFFFF);
            referenceReplace(expected, colour, 0xFFFFFF);
            ASSERT_EQ(allBytes(picture), allBytes(expected)) << "width " << width << ", pixel " << at;
            ASSERT_EQ(picture.pixelAt(at, 1), 0xFFFFFFu) << "width " << width << ", pixel " << at;
        }
}

INSTANTIATE_TEST_SUITE_P(Builds, ImageOpsReferenceTest, testing::Values(true, false),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "LaterVectorExtensions" : "Baseline";
                         });
