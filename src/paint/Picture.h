#pragma once
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QVector>
#include <cstdint>
#include <optional>

namespace paint {

// The pixel formats a picture can have. A new canvas takes its format from
// the display depth; an opened file keeps its own (1- and 4-bit files open
// as Indexed8).
enum class PixelFormat { Indexed8, Rgb555, Rgb565, Rgb24, Rgb32 };

// 8 -> Indexed8, 15 -> Rgb555, 16 -> Rgb565, 24 -> Rgb24, anything else -> Rgb32.
PixelFormat formatForDepth(int colourDepth);
// 1, 2, 2, 3, 4.
int bytesPerPixel(PixelFormat format);
// Bits per pixel as written into a bitmap file: 8, 16, 16, 24, 32.
int bitsPerPixel(PixelFormat format);
// The QImage format a picture of this pixel format is held in:
// Indexed8, RGB555, RGB16, RGB888, RGB32.
QImage::Format qtFormat(PixelFormat format);
// The inverse of qtFormat; nullopt for any other QImage format.
std::optional<PixelFormat> pixelFormatOf(QImage::Format format);

// The palette a new 8-bit picture gets: 3 bits red, 3 bits green, 2 bits
// blue (index = r << 5 | g << 2 | b), levels spread evenly from 0 to 255.
// The complement of an index is then the complement of its colour.
const QVector<QRgb>& standardPalette();

// How the pen combines its colour P with the colour D already in the
// picture, per 8-bit channel.
enum class RasterMode {
    Copy,        // P
    MergeNotDest, // P OR (NOT D)
    MaskNotDest,  // P AND (NOT D)
};

// Colour values as everywhere in the program: red in the low byte, green in
// the middle byte, blue in the high byte (a fourth byte is ignored).
using ColourValue = std::uint32_t;

struct Pen {
    ColourValue colour = 0;
    int width = 1;
    RasterMode mode = RasterMode::Copy;
};

// One bitmap in one of the five pixel formats, with the pen that draws on
// it. Pixels are held in a QImage of qtFormat(format()) so the window can
// paint it as it is; for Rgb32 the unused fourth byte is kept at 0xFF in
// memory (written as 0 to files).
class Picture {
public:
    Picture() = default;   // a null picture

    // A white picture; nullopt when the size is not positive or the memory
    // cannot be had.
    static std::optional<Picture> create(int width, int height, PixelFormat format);
    // Adopts an image that is already in one of the five QImage formats
    // (as the bitmap reader gives); nullopt for any other format. An
    // Indexed8 image with fewer than 256 palette entries is padded to 256,
    // so every index byte names a colour: entry 255 - i becomes the
    // complement of a given entry i, any other new entry black.
    static std::optional<Picture> fromImage(QImage image);

    bool isNull() const { return image_.isNull(); }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    QSize size() const { return image_.size(); }
    PixelFormat format() const { return format_; }
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

    Pen& pen() { return pen_; }
    const Pen& pen() const { return pen_; }

    // The raw pixel value the picture would store for a colour: the palette
    // index of the nearest palette colour (first of equals), the 5-5-5 or
    // 5-6-5 value keeping each channel's top bits, or the 24/32-bit value.
    std::uint32_t storedPixel(ColourValue colour) const;
    // The raw value of the pixel at (x, y); the point must be inside (a
    // point outside reads as 0 and is not written). For Rgb24 the raw value
    // is the three bytes in memory order, lowest first: red | green << 8 |
    // blue << 16.
    std::uint32_t pixelAt(int x, int y) const;
    void setPixelAt(int x, int y, std::uint32_t raw);
    // The colour a pixel shows (16-bit channels widened by repeating their
    // top bits, so 5-bit 15 reads as 123).
    ColourValue colourAt(int x, int y) const;
    // The colour a raw value shows.
    ColourValue colourOf(std::uint32_t raw) const;

    // Draws a solid line with round ends of the pen's width, colour and
    // raster mode from a to b: every pixel whose centre lies within half the
    // width of the segment is combined once. Parts outside the picture are
    // clipped. Returns the changed area (empty when nothing was inside).
    QRect drawLine(QPoint a, QPoint b);

    // Every pixel set to the stored form of the colour (raster mode ignored).
    void fill(ColourValue colour);

    // Stretches source over the whole picture, nearest pixel: target pixel
    // (x, y) takes source pixel (x * sw / W, y * sh / H), in whole numbers,
    // stored in this picture's format. A null source changes nothing.
    void stretchDraw(const QImage& source);

private:
    QImage image_;
    PixelFormat format_ = PixelFormat::Rgb32;
    Pen pen_;
};

} // namespace paint
