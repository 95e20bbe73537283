#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// Windows bitmap files, written in a picture's own pixel format and read
// back into the same format.
namespace paint::bmp {

// The largest pictures a bitmap file is read or written for.
constexpr qint64 MaxSide = 32768;
constexpr qint64 MaxPixels = 200'000'000;

// Reads a bitmap file's bytes into one of the picture formats of
// paint::qtFormat: 1-, 4- and 8-bit palettes (also RLE4 and RLE8) into
// Indexed8 with the file's palette (as long as the file has it); 16-bit
// 5-5-5 into RGB555 and 5-6-5 into RGB16 (with or without bit fields);
// 24-bit into RGB888; 32-bit into RGB32 (fourth byte 0xFF in memory). Other
// 16- and 32-bit bit fields are widened to 8 bits a channel into RGB32.
// Core (OS/2), info (also 52 and 56 bytes), V4 and V5 headers; bottom-up
// and top-down rows. Pixels a run-length stream skips or leaves out keep
// index 0. Anything else, and every damaged, truncated or inconsistent file
// (an index past the palette, runs past a row, pixels past the end of the
// file), gives nullopt. Pictures above 32768 on a side or 200 million
// pixels are refused; nothing is allocated beyond what the file could
// describe.
std::optional<QImage> decode(const QByteArray& bytes);

// The file bytes of an image in one of those five formats: info header,
// BI_RGB (BI_BITFIELDS with the 5-6-5 masks for RGB16), bottom-up rows
// padded to four bytes, 96 dpi, the image's colour table for Indexed8
// (lengthened with black entries when pixels index past it, so the file
// always reads back). Empty for a null image, any other format, or a size
// decode would refuse.
QByteArray encode(const QImage& image);

// Reads a file; nullopt when it is not a regular file, is larger than
// 1 GiB, cannot be read or is not a valid bitmap.
std::optional<QImage> readFile(const QString& path);

// Writes a file so that a failure never harms the file already there: the
// bytes go to a temporary file that replaces the old one only after the
// write succeeded. False on any failure.
bool writeFile(const QString& path, const QImage& image);

} // namespace paint::bmp
