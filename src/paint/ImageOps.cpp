#include "paint/ImageOps.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace paint::imageops {

namespace {

// Raw pixel access for one format, chosen once per operation. `Mask` keeps
// the bits that carry colour: the unused top bit of 5-5-5 pixels and the
// fourth byte of 32-bit pixels take no part in comparisons, so a file that
// left them set still matches the colour it shows.
template <typename Pixel, std::uint32_t Mask>
struct Packed {
    static std::uint32_t load(const uchar* row, int x) { return reinterpret_cast<const Pixel*>(row)[x] & Mask; }
    static void store(uchar* row, int x, std::uint32_t raw) { reinterpret_cast<Pixel*>(row)[x] = Pixel(raw); }
};

struct ThreeBytes {
    static std::uint32_t load(const uchar* row, int x)
    {
        const uchar* p = row + 3 * x;
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
    }
    static void store(uchar* row, int x, std::uint32_t raw)
    {
        uchar* p = row + 3 * x;
        p[0] = uchar(raw);
        p[1] = uchar(raw >> 8);
        p[2] = uchar(raw >> 16);
    }
};

using Index8 = Packed<uchar, 0xFF>;
using Rgb555Pixel = Packed<std::uint16_t, 0x7FFF>;
using Rgb565Pixel = Packed<std::uint16_t, 0xFFFF>;
using Rgb32Pixel = Packed<std::uint32_t, 0x00FFFFFF>;

// Calls body with the access type of the picture's format.
template <typename Body>
void withAccess(PixelFormat format, Body body)
{
    switch (format) {
    case PixelFormat::Indexed8: body(Index8()); break;
    case PixelFormat::Rgb555: body(Rgb555Pixel()); break;
    case PixelFormat::Rgb565: body(Rgb565Pixel()); break;
    case PixelFormat::Rgb24: body(ThreeBytes()); break;
    case PixelFormat::Rgb32: body(Rgb32Pixel()); break;
    }
}

// What a comparison sees of a stored value.
std::uint32_t comparable(PixelFormat format, std::uint32_t raw)
{
    switch (format) {
    case PixelFormat::Indexed8: return raw & 0xFF;
    case PixelFormat::Rgb555: return raw & 0x7FFF;
    case PixelFormat::Rgb565: return raw & 0xFFFF;
    case PixelFormat::Rgb24:
    case PixelFormat::Rgb32: return raw & 0xFFFFFF;
    }
    return raw;
}

template <typename Access>
void replaceRows(QImage& image, std::uint32_t first, std::uint32_t second)
{
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < w; ++x)
            if (Access::load(row, x) == first)
                Access::store(row, x, second);
    }
}

// Rows are changed in place, top to bottom and left to right, so the row
// above and the pixel to the left already hold this pass's results while
// the row below and the pixel to the right do not: exactly the one-pass
// rule, with no copy of the picture.
template <typename Access>
void outlineRows(QImage& image, std::uint32_t background, std::uint32_t outlineRaw, std::uint32_t outlineSeen)
{
    const int w = image.width();
    const int h = image.height();
    auto isObjectAboveOrLeft = [&](std::uint32_t v) { return v != background && v != outlineSeen; };
    for (int y = 0; y < h; ++y) {
        uchar* row = image.scanLine(y);
        const uchar* above = y > 0 ? image.constScanLine(y - 1) : nullptr;
        const uchar* below = y + 1 < h ? image.constScanLine(y + 1) : nullptr;
        for (int x = 0; x < w; ++x) {
            if (Access::load(row, x) != background)
                continue;
            const bool touches = (x > 0 && isObjectAboveOrLeft(Access::load(row, x - 1)))
                                 || (x + 1 < w && Access::load(row, x + 1) != background)
                                 || (above && isObjectAboveOrLeft(Access::load(above, x)))
                                 || (below && Access::load(below, x) != background);
            if (touches)
                Access::store(row, x, outlineRaw);
        }
    }
}

template <typename Word>
void xorRows(QImage& image, Word pattern)
{
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<Word*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] ^= pattern;
    }
}

void invertBytes(QImage& image, int bytesPerRow)
{
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (int i = 0; i < bytesPerRow; ++i)
            row[i] = uchar(~row[i]);
    }
}

} // namespace

void replaceColour(Picture& picture, ColourValue first, ColourValue second)
{
    if (picture.isNull())
        return;
    const PixelFormat format = picture.format();
    const std::uint32_t from = comparable(format, picture.storedPixel(first));
    const std::uint32_t to = picture.storedPixel(second);
    withAccess(format, [&](auto access) { replaceRows<decltype(access)>(picture.image(), from, to); });
}

void outline(Picture& picture, ColourValue background, ColourValue outlineColour)
{
    if (picture.isNull())
        return;
    const PixelFormat format = picture.format();
    const std::uint32_t backgroundSeen = comparable(format, picture.storedPixel(background));
    const std::uint32_t outlineRaw = picture.storedPixel(outlineColour);
    const std::uint32_t outlineSeen = comparable(format, outlineRaw);
    withAccess(format, [&](auto access) {
        outlineRows<decltype(access)>(picture.image(), backgroundSeen, outlineRaw, outlineSeen);
    });
}

void invert(Picture& picture)
{
    if (picture.isNull())
        return;
    QImage& image = picture.image();
    switch (picture.format()) {
    case PixelFormat::Indexed8: invertBytes(image, image.width()); break;
    case PixelFormat::Rgb24: invertBytes(image, 3 * image.width()); break;
    case PixelFormat::Rgb555: xorRows<std::uint16_t>(image, 0x7FFF); break;
    case PixelFormat::Rgb565: xorRows<std::uint16_t>(image, 0xFFFF); break;
    case PixelFormat::Rgb32: xorRows<std::uint32_t>(image, 0x00FFFFFFu); break;
    }
}

std::optional<Picture> resized(const Picture& picture, QSize newSize, PixelFormat format, bool stretch)
{
    auto result = Picture::create(newSize.width(), newSize.height(), format);
    if (!result)
        return std::nullopt;
    result->pen() = picture.pen();
    if (picture.isNull())
        return result;
    if (stretch) {
        result->stretchDraw(picture.image());
        return result;
    }

    const int w = std::min(picture.width(), result->width());
    const int h = std::min(picture.height(), result->height());
    // The same format and palette copies rows as they are; anything else is
    // converted pixel by pixel through a picture of the overlap's size.
    Picture converted;
    const Picture* source = &picture;
    if (picture.format() != format
        || (format == PixelFormat::Indexed8 && picture.image().colorTable() != result->image().colorTable())) {
        auto part = Picture::create(w, h, format);
        const QImage overlap = picture.image().copy(0, 0, w, h);
        if (!part || overlap.isNull())
            return std::nullopt;
        part->stretchDraw(overlap);
        converted = std::move(*part);
        source = &converted;
    }
    const std::size_t rowBytes = std::size_t(w) * std::size_t(bytesPerPixel(format));
    for (int y = 0; y < h; ++y)
        std::memcpy(result->image().scanLine(y), source->image().constScanLine(y), rowBytes);
    return result;
}

} // namespace paint::imageops
