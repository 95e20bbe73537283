#include "paint/BmpCodec.h"

#include "common/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QVector>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>

namespace paint::bmp {

namespace {

// Limits on what a file may claim. Sizes are checked against them before
// anything is allocated, so a hostile header costs nothing.
constexpr qint64 MaxFileBytes = qint64(1) << 30;

// A run-length stream cannot plausibly describe more than this many pixels
// per byte it holds (a two-byte run gives at most 255 pixels, so real
// encoders stay far below). The slack lets small pictures that end early or
// skip ahead with deltas through.
constexpr qint64 RlePixelsPerByte = 256;
constexpr qint64 RleSlackPixels = 65536;

constexpr qint64 FileHeaderSize = 14;
constexpr qint64 InfoHeaderSize = 40;
constexpr qint64 CoreHeaderSize = 12;
constexpr qint64 MasksOffset = FileHeaderSize + InfoHeaderSize;

// 96 dots per inch, what a screen picture is taken to have.
constexpr quint32 PelsPerMeter = 3780;

constexpr quint32 CompressionRgb = 0;
constexpr quint32 CompressionRle8 = 1;
constexpr quint32 CompressionRle4 = 2;
constexpr quint32 CompressionBitFields = 3;

constexpr std::array<quint32, 3> Masks555 = {0x7C00, 0x03E0, 0x001F};
constexpr std::array<quint32, 3> Masks565 = {0xF800, 0x07E0, 0x001F};
constexpr std::array<quint32, 3> Masks888 = {0x00FF0000, 0x0000FF00, 0x000000FF};

// Reads little-endian values out of the file's bytes; callers check the
// range with has() first.
class Bytes {
public:
    explicit Bytes(const QByteArray& bytes)
        : data_(reinterpret_cast<const uchar*>(bytes.constData())), size_(bytes.size())
    {
    }

    qint64 size() const { return size_; }
    bool has(qint64 offset, qint64 count) const
    {
        return offset >= 0 && count >= 0 && offset <= size_ && count <= size_ - offset;
    }
    const uchar* at(qint64 offset) const { return data_ + offset; }
    quint16 u16(qint64 offset) const { return qFromLittleEndian<quint16>(data_ + offset); }
    quint32 u32(qint64 offset) const { return qFromLittleEndian<quint32>(data_ + offset); }
    qint32 s32(qint64 offset) const { return qFromLittleEndian<qint32>(data_ + offset); }

private:
    const uchar* data_;
    qint64 size_;
};

struct Header {
    qint64 width = 0;
    qint64 height = 0;       // always positive; topDown says which way rows go
    bool topDown = false;
    int bitsPerPixel = 0;
    quint32 compression = CompressionRgb;
    std::array<quint32, 3> masks{};
    QVector<QRgb> palette;   // only for 1, 4 and 8 bits
    qint64 dataOffset = 0;
    qint64 dataEnd = 0;      // end of the pixel data (or run-length stream)
};

qint64 rowStride(qint64 width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// One colour channel of a bit-field mask.
struct Channel {
    int shift = 0;
    int bits = 0;
};

std::optional<Channel> channelOf(quint32 mask)
{
    if (mask == 0)
        return std::nullopt;
    const int shift = std::countr_zero(mask);
    const quint32 bits = mask >> shift;
    // A channel with holes in it has no sensible reading.
    if ((bits & (bits + 1)) != 0)
        return std::nullopt;
    return Channel{shift, std::popcount(bits)};
}

// Widens a channel to 8 bits by repeating its top bits, so full scale stays
// full scale (5-bit 31 gives 255); wider channels keep their top 8 bits.
quint32 widen(quint32 value, int bits)
{
    if (bits >= 8)
        return value >> (bits - 8);
    quint32 out = 0;
    int filled = 0;
    while (filled < 8) {
        out = (out << bits) | value;
        filled += bits;
    }
    return out >> (filled - 8);
}

std::optional<Header> readHeader(const Bytes& in)
{
    if (!in.has(0, FileHeaderSize + 4) || in.at(0)[0] != 'B' || in.at(0)[1] != 'M')
        return std::nullopt;

    Header h;
    h.dataOffset = in.u32(10);
    const qint64 infoSize = in.u32(14);
    const bool core = infoSize == CoreHeaderSize;
    // Info (40), its 52- and 56-byte extensions, V4 (108) and V5 (124).
    // OS/2 2.x (64 bytes) and anything else is not ours.
    if (!core && infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108
        && infoSize != 124)
        return std::nullopt;
    if (!in.has(FileHeaderSize, infoSize))
        return std::nullopt;

    int planes = 0;
    qint64 paletteCount = 0;
    if (core) {
        h.width = in.u16(18);
        h.height = in.u16(20);
        planes = in.u16(22);
        h.bitsPerPixel = in.u16(24);
        if (h.bitsPerPixel != 1 && h.bitsPerPixel != 4 && h.bitsPerPixel != 8 && h.bitsPerPixel != 24)
            return std::nullopt;
    } else {
        h.width = in.s32(18);
        const qint64 height = in.s32(22);
        h.topDown = height < 0;
        h.height = height < 0 ? -height : height;
        planes = in.u16(26);
        h.bitsPerPixel = in.u16(28);
        h.compression = in.u32(30);
        paletteCount = in.u32(46);
    }

    const int bpp = h.bitsPerPixel;
    if (planes != 1)
        return std::nullopt;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        return std::nullopt;
    if (h.width <= 0 || h.height <= 0 || h.width > MaxSide || h.height > MaxSide
        || h.width * h.height > MaxPixels)
        return std::nullopt;

    switch (h.compression) {
    case CompressionRgb:
        break;
    case CompressionRle8:
    case CompressionRle4:
        // Run-length pictures are always stored bottom-up.
        if (bpp != (h.compression == CompressionRle8 ? 8 : 4) || h.topDown)
            return std::nullopt;
        break;
    case CompressionBitFields:
        if (bpp != 16 && bpp != 32)
            return std::nullopt;
        break;
    default:
        return std::nullopt;
    }

    // The bit fields sit right after the 40-byte part of the header: inside
    // the larger headers, in three extra double words after the plain one.
    qint64 tablesStart = FileHeaderSize + infoSize;
    if (h.compression == CompressionBitFields) {
        if (!in.has(MasksOffset, 12))
            return std::nullopt;
        for (int i = 0; i < 3; ++i)
            h.masks[i] = in.u32(MasksOffset + 4 * i);
        tablesStart = std::max(tablesStart, MasksOffset + 12);
    }
    if (h.dataOffset < tablesStart || h.dataOffset > in.size())
        return std::nullopt;

    // Direct-colour files may carry a palette as a hint for 8-bit displays;
    // it means nothing to us and is skipped with the data offset.
    if (bpp <= 8) {
        const qint64 fullCount = qint64(1) << bpp;
        const qint64 entrySize = core ? 3 : 4;
        if (core) {
            // The core header has no count: the palette fills the space up
            // to the pixels, at most 2^bpp entries.
            paletteCount = std::min(fullCount, (h.dataOffset - tablesStart) / entrySize);
        } else if (paletteCount == 0) {
            paletteCount = fullCount;
        }
        if (paletteCount < 1 || paletteCount > fullCount
            || tablesStart + paletteCount * entrySize > h.dataOffset)
            return std::nullopt;
        h.palette.resize(paletteCount);
        for (qint64 i = 0; i < paletteCount; ++i) {
            const uchar* entry = in.at(tablesStart + i * entrySize);
            h.palette[i] = qRgb(entry[2], entry[1], entry[0]);
        }
    }

    if (h.compression == CompressionRle8 || h.compression == CompressionRle4) {
        const qint64 streamSize = in.u32(34);   // 0 is allowed: the rest of the file
        h.dataEnd = streamSize == 0 ? in.size() : h.dataOffset + streamSize;
        if (h.dataEnd > in.size())
            return std::nullopt;
        if (h.width * h.height > RlePixelsPerByte * (h.dataEnd - h.dataOffset) + RleSlackPixels)
            return std::nullopt;
    } else {
        h.dataEnd = h.dataOffset + rowStride(h.width, bpp) * h.height;
        if (h.dataEnd > in.size())
            return std::nullopt;
    }
    return h;
}

QImage newImage(const Header& h, QImage::Format format)
{
    // A null image here means the memory could not be had.
    QImage image(int(h.width), int(h.height), format);
    if (!image.isNull() && format == QImage::Format_Indexed8)
        image.setColorTable(h.palette);
    return image;
}

int imageRow(const Header& h, qint64 fileRow)
{
    return int(h.topDown ? fileRow : h.height - 1 - fileRow);
}

std::optional<QImage> decodeIndexed(const Bytes& in, const Header& h)
{
    QImage image = newImage(h, QImage::Format_Indexed8);
    if (image.isNull())
        return std::nullopt;
    const int bpp = h.bitsPerPixel;
    const int perByte = 8 / bpp;
    const uint valueMask = (1u << bpp) - 1;
    const uint count = uint(h.palette.size());
    const qint64 stride = rowStride(h.width, bpp);
    for (qint64 r = 0; r < h.height; ++r) {
        const uchar* src = in.at(h.dataOffset + r * stride);
        uchar* dst = image.scanLine(imageRow(h, r));
        for (qint64 x = 0; x < h.width; ++x) {
            const int shift = 8 - bpp * int(x % perByte + 1);
            const uint index = (src[x / perByte] >> shift) & valueMask;
            if (index >= count)
                return std::nullopt;
            dst[x] = uchar(index);
        }
    }
    return image;
}

// Pixels the stream never reaches (skipped by a delta, or left after an
// early end of bitmap) keep index 0. Every index that lands on a pixel must
// name a palette entry; the unused half of a last RLE4 byte does not count.
std::optional<QImage> decodeRle(const Bytes& in, const Header& h)
{
    QImage image = newImage(h, QImage::Format_Indexed8);
    if (image.isNull())
        return std::nullopt;
    image.fill(0);
    const bool four = h.compression == CompressionRle4;
    const uint count = uint(h.palette.size());
    const qint64 end = h.dataEnd;
    qint64 p = h.dataOffset;
    qint64 x = 0;
    qint64 y = 0;   // counted from the bottom row

    auto put = [&](qint64 at, uint index) {
        if (index >= count)
            return false;
        image.scanLine(int(h.height - 1 - y))[at] = uchar(index);
        return true;
    };

    for (;;) {
        if (end - p < 2) {
            // A stream without its end mark is cut short, unless every row
            // was already closed.
            return p == end && y >= h.height ? std::optional<QImage>(image) : std::nullopt;
        }
        const uint first = in.at(p)[0];
        const uint second = in.at(p)[1];
        p += 2;

        if (first > 0) {
            if (y >= h.height || x + first > h.width)
                return std::nullopt;
            for (uint i = 0; i < first; ++i) {
                const uint index = four ? (i % 2 == 0 ? second >> 4 : second & 0x0F) : second;
                if (!put(x + i, index))
                    return std::nullopt;
            }
            x += first;
            continue;
        }

        switch (second) {
        case 0:   // end of line
            x = 0;
            if (++y > h.height)
                return std::nullopt;
            break;
        case 1:   // end of bitmap
            return image;
        case 2:   // delta
            if (end - p < 2)
                return std::nullopt;
            x += in.at(p)[0];
            y += in.at(p)[1];
            p += 2;
            if (x > h.width || y > h.height)
                return std::nullopt;
            break;
        default: {   // absolute run, padded to a whole word
            const qint64 run = second;
            const qint64 bytes = four ? (run + 1) / 2 : run;
            const qint64 padded = bytes + (bytes & 1);
            if (end - p < padded || y >= h.height || x + run > h.width)
                return std::nullopt;
            const uchar* src = in.at(p);
            for (qint64 i = 0; i < run; ++i) {
                const uint index = four ? (i % 2 == 0 ? src[i / 2] >> 4 : src[i / 2] & 0x0F) : src[i];
                if (!put(x + i, index))
                    return std::nullopt;
            }
            x += run;
            p += padded;
            break;
        }
        }
    }
}

bool sameMasks(const Header& h, const std::array<quint32, 3>& masks) { return h.masks == masks; }

// Bit fields other than the picture formats' own: each channel is widened
// to 8 bits into RGB32, which holds every such file without loss up to
// 8 bits a channel. Masks that overlap, have holes or reach past the pixel
// are refused.
std::optional<QImage> decodeOtherFields(const Bytes& in, const Header& h)
{
    std::array<Channel, 3> channels;
    for (int i = 0; i < 3; ++i) {
        const auto channel = channelOf(h.masks[i]);
        if (!channel || (h.bitsPerPixel == 16 && h.masks[i] > 0xFFFF))
            return std::nullopt;
        channels[i] = *channel;
    }
    if ((h.masks[0] & h.masks[1]) || (h.masks[0] & h.masks[2]) || (h.masks[1] & h.masks[2]))
        return std::nullopt;

    QImage image = newImage(h, QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    const qint64 stride = rowStride(h.width, h.bitsPerPixel);
    const int bytesPerPixel = h.bitsPerPixel / 8;
    for (qint64 r = 0; r < h.height; ++r) {
        const uchar* src = in.at(h.dataOffset + r * stride);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(imageRow(h, r)));
        for (qint64 x = 0; x < h.width; ++x) {
            const uchar* s = src + x * bytesPerPixel;
            const quint32 v = bytesPerPixel == 2 ? qFromLittleEndian<quint16>(s) : qFromLittleEndian<quint32>(s);
            std::array<quint32, 3> c;
            for (int i = 0; i < 3; ++i)
                c[i] = widen((v & h.masks[i]) >> channels[i].shift, channels[i].bits);
            dst[x] = qRgb(int(c[0]), int(c[1]), int(c[2]));
        }
    }
    return image;
}

std::optional<QImage> decodeDirect(const Bytes& in, const Header& h)
{
    const int bpp = h.bitsPerPixel;
    const bool fields = h.compression == CompressionBitFields;
    QImage::Format format = QImage::Format_Invalid;
    if (bpp == 16 && (!fields || sameMasks(h, Masks555)))
        format = QImage::Format_RGB555;
    else if (bpp == 16 && sameMasks(h, Masks565))
        format = QImage::Format_RGB16;
    else if (bpp == 24)
        format = QImage::Format_RGB888;
    else if (bpp == 32 && (!fields || sameMasks(h, Masks888)))
        format = QImage::Format_RGB32;
    else
        return decodeOtherFields(in, h);

    QImage image = newImage(h, format);
    if (image.isNull())
        return std::nullopt;
    const qint64 stride = rowStride(h.width, bpp);
    const int w = int(h.width);
    for (qint64 r = 0; r < h.height; ++r) {
        const uchar* src = in.at(h.dataOffset + r * stride);
        uchar* line = image.scanLine(imageRow(h, r));
        switch (format) {
        case QImage::Format_RGB555:
        case QImage::Format_RGB16: {
            // The top bit of a 5-5-5 pixel is unused and kept clear.
            const quint16 keep = format == QImage::Format_RGB555 ? 0x7FFF : 0xFFFF;
            auto* dst = reinterpret_cast<quint16*>(line);
            for (int x = 0; x < w; ++x)
                dst[x] = qFromLittleEndian<quint16>(src + 2 * x) & keep;
            break;
        }
        case QImage::Format_RGB888:
            for (int x = 0; x < w; ++x) {
                line[3 * x] = src[3 * x + 2];
                line[3 * x + 1] = src[3 * x + 1];
                line[3 * x + 2] = src[3 * x];
            }
            break;
        default: {
            auto* dst = reinterpret_cast<QRgb*>(line);
            for (int x = 0; x < w; ++x)
                dst[x] = qFromLittleEndian<quint32>(src + 4 * x) | 0xFF000000u;
            break;
        }
        }
    }
    return image;
}

void putU16(uchar* at, quint16 value) { qToLittleEndian(value, at); }
void putU32(uchar* at, quint32 value) { qToLittleEndian(value, at); }

} // namespace

std::optional<QImage> decode(const QByteArray& bytes)
{
    const Bytes in(bytes);
    const auto header = readHeader(in);
    if (!header)
        return std::nullopt;
    if (header->compression == CompressionRle8 || header->compression == CompressionRle4)
        return decodeRle(in, *header);
    if (header->bitsPerPixel <= 8)
        return decodeIndexed(in, *header);
    return decodeDirect(in, *header);
}

QByteArray encode(const QImage& image)
{
    if (image.isNull())
        return {};
    int bpp = 0;
    switch (image.format()) {
    case QImage::Format_Indexed8: bpp = 8; break;
    case QImage::Format_RGB555:
    case QImage::Format_RGB16: bpp = 16; break;
    case QImage::Format_RGB888: bpp = 24; break;
    case QImage::Format_RGB32: bpp = 32; break;
    default: return {};
    }
    const qint64 width = image.width();
    const qint64 height = image.height();
    // Never write a file this codec would refuse to read back.
    if (width > MaxSide || height > MaxSide || width * height > MaxPixels)
        return {};

    const bool fields = image.format() == QImage::Format_RGB16;
    QVector<QRgb> palette;
    if (bpp == 8) {
        // Every index in the pixels must name an entry, or the file is
        // damaged; a colour table too short for its pixels is made long
        // enough with black entries. At least one entry, since a count of
        // 0 would mean a full 256.
        int highest = 0;
        for (int y = 0; y < image.height(); ++y) {
            const uchar* line = image.constScanLine(y);
            highest = std::max<int>(highest, *std::max_element(line, line + width));
        }
        palette = image.colorTable().mid(0, 256);
        if (palette.size() <= highest)
            palette.resize(highest + 1, qRgb(0, 0, 0));
    }

    const qint64 stride = rowStride(width, bpp);
    const qint64 dataOffset = FileHeaderSize + InfoHeaderSize + (fields ? 12 : 0) + 4 * palette.size();
    const qint64 fileSize = dataOffset + stride * height;

    QByteArray out(fileSize, '\0');   // zeros are the row padding
    auto* data = reinterpret_cast<uchar*>(out.data());
    data[0] = 'B';
    data[1] = 'M';
    putU32(data + 2, quint32(fileSize));
    putU32(data + 10, quint32(dataOffset));
    putU32(data + 14, quint32(InfoHeaderSize));
    putU32(data + 18, quint32(width));
    putU32(data + 22, quint32(height));   // positive: bottom-up
    putU16(data + 26, 1);
    putU16(data + 28, quint16(bpp));
    putU32(data + 30, fields ? CompressionBitFields : CompressionRgb);
    putU32(data + 34, quint32(stride * height));
    putU32(data + 38, PelsPerMeter);
    putU32(data + 42, PelsPerMeter);
    putU32(data + 46, quint32(palette.size()));
    if (fields) {
        for (int i = 0; i < 3; ++i)
            putU32(data + MasksOffset + 4 * i, Masks565[i]);
    }
    uchar* entry = data + FileHeaderSize + InfoHeaderSize;
    for (const QRgb colour : palette) {
        entry[0] = uchar(qBlue(colour));
        entry[1] = uchar(qGreen(colour));
        entry[2] = uchar(qRed(colour));
        entry += 4;   // the fourth byte stays 0
    }

    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const uchar* src = image.constScanLine(y);
        uchar* dst = data + dataOffset + (height - 1 - y) * stride;
        switch (image.format()) {
        case QImage::Format_Indexed8:
            std::copy(src, src + w, dst);
            break;
        case QImage::Format_RGB555:
        case QImage::Format_RGB16: {
            const quint16 keep = image.format() == QImage::Format_RGB555 ? 0x7FFF : 0xFFFF;
            const auto* pixels = reinterpret_cast<const quint16*>(src);
            for (int x = 0; x < w; ++x)
                putU16(dst + 2 * x, pixels[x] & keep);
            break;
        }
        case QImage::Format_RGB888:
            for (int x = 0; x < w; ++x) {
                dst[3 * x] = src[3 * x + 2];
                dst[3 * x + 1] = src[3 * x + 1];
                dst[3 * x + 2] = src[3 * x];
            }
            break;
        default: {
            // The fourth byte is not alpha in a bitmap; it is written as 0.
            const auto* pixels = reinterpret_cast<const QRgb*>(src);
            for (int x = 0; x < w; ++x)
                putU32(dst + 4 * x, pixels[x] & 0x00FFFFFFu);
            break;
        }
        }
    }
    return out;
}

std::optional<QImage> readFile(const QString& path)
{
    // Only regular files: a device or a pipe could feed bytes for ever.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > MaxFileBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Asked for more than the file holds, Qt sets the whole amount aside
    // first; one byte past its size still tells a file that grew meanwhile.
    const QByteArray bytes = file.read(std::min(file.size(), MaxFileBytes) + 1);
    if (bytes.size() > MaxFileBytes || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return decode(bytes);
}

bool writeFile(const QString& path, const QImage& image)
{
    const QByteArray bytes = encode(image);
    if (bytes.isEmpty())
        return false;
    return writeWholeFile(path, bytes);
}

} // namespace paint::bmp
