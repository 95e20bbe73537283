#include "paint/Picture.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace paint {

namespace {

// A picture larger than this is refused before QImage is asked for it.
constexpr qint64 MaxPictureBytes = qint64(1) << 30;

// Points are clamped to this range before drawing; it is far beyond any
// picture and keeps the exact coverage test inside 128-bit integers.
constexpr qint64 CoordinateLimit = qint64(1) << 30;
constexpr int MaxPenWidth = 65535;

int redOf(ColourValue c) { return int(c & 0xFF); }
int greenOf(ColourValue c) { return int((c >> 8) & 0xFF); }
int blueOf(ColourValue c) { return int((c >> 16) & 0xFF); }
ColourValue colourValue(int r, int g, int b) { return ColourValue(r) | ColourValue(g) << 8 | ColourValue(b) << 16; }
ColourValue colourValue(QRgb rgb) { return colourValue(qRed(rgb), qGreen(rgb), qBlue(rgb)); }

int widen5(std::uint32_t c) { return int((c << 3) | (c >> 2)); }
int widen6(std::uint32_t c) { return int((c << 2) | (c >> 4)); }

// Index into a level table of the standard palette for every channel value:
// the nearest level, the lower one when two are equally near. Built at
// compile time.
template <std::size_t Levels>
constexpr std::array<std::uint8_t, 256> nearestLevels(const std::array<int, Levels>& levels)
{
    std::array<std::uint8_t, 256> nearest{};
    for (int value = 0; value < 256; ++value) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < Levels; ++i) {
            const int distance = levels[i] > value ? levels[i] - value : value - levels[i];
            const int bestDistance = levels[best] > value ? levels[best] - value : value - levels[best];
            if (distance < bestDistance)
                best = i;
        }
        nearest[std::size_t(value)] = std::uint8_t(best);
    }
    return nearest;
}

// round(i * 255 / 7); never a half, so adding 7/14 and truncating rounds.
constexpr std::array<int, 8> threeBitLevels()
{
    std::array<int, 8> levels{};
    for (int i = 0; i < 8; ++i)
        levels[std::size_t(i)] = (i * 510 + 7) / 14;
    return levels;
}

// The standard palette is a full grid, so the nearest entry is the nearest
// level in each channel; taking the lower level on a tie gives the lowest
// index among equally near entries, as the linear search does.
std::uint8_t nearestStandardIndex(int r, int g, int b)
{
    static constexpr auto redGreen = nearestLevels(threeBitLevels());
    static constexpr auto blue = nearestLevels(std::array<int, 4>{0, 85, 170, 255});
    return std::uint8_t(redGreen[r] << 5 | redGreen[g] << 2 | blue[b]);
}

std::uint8_t nearestIndex(const QVector<QRgb>& table, int r, int g, int b)
{
    if (table == standardPalette())
        return nearestStandardIndex(r, g, b);
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < table.size(); ++i) {
        const int dr = qRed(table[i]) - r;
        const int dg = qGreen(table[i]) - g;
        const int db = qBlue(table[i]) - b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
            if (distance == 0)
                break;
        }
    }
    return std::uint8_t(best);
}

// The stored form of a colour in the formats that need no palette.
std::uint32_t packed(PixelFormat format, int r, int g, int b)
{
    switch (format) {
    case PixelFormat::Rgb555: return std::uint32_t((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3));
    case PixelFormat::Rgb565: return std::uint32_t((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
    case PixelFormat::Rgb24: return colourValue(r, g, b);
    case PixelFormat::Rgb32: return 0xFF000000u | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
    case PixelFormat::Indexed8: break;
    }
    return 0;
}

ColourValue combine(RasterMode mode, ColourValue pen, ColourValue dest)
{
    switch (mode) {
    case RasterMode::Copy: return pen & 0xFFFFFF;
    case RasterMode::MergeNotDest: return (pen | ~dest) & 0xFFFFFF;
    case RasterMode::MaskNotDest: return (pen & ~dest) & 0xFFFFFF;
    }
    return pen & 0xFFFFFF;
}

// The pen's round-ended segment: the pixel centres within half the width of
// a-b. Rows are found analytically in floating point and their ends settled
// by the exact integer test, so boundary pixels never depend on rounding.
class Capsule {
public:
    Capsule(QPoint a, QPoint b, int width)
        : ax_(std::clamp<qint64>(a.x(), -CoordinateLimit, CoordinateLimit)),
          ay_(std::clamp<qint64>(a.y(), -CoordinateLimit, CoordinateLimit)),
          bx_(std::clamp<qint64>(b.x(), -CoordinateLimit, CoordinateLimit)),
          by_(std::clamp<qint64>(b.y(), -CoordinateLimit, CoordinateLimit)),
          width_(std::clamp(width, 1, MaxPenWidth))
    {
        dx_ = bx_ - ax_;
        dy_ = by_ - ay_;
        length2_ = dx_ * dx_ + dy_ * dy_;
        const __int128 w2 = __int128(width_) * width_;
        capLimit_ = w2 / 4;
        bodyLimit_ = w2 * length2_ / 4;
        radius_ = width_ / 2.0;
        reach_ = width_ / 2;
        bodyReach_ = radius_ * std::sqrt(double(length2_));
        // Rows whose ends lie further than this from a whole pixel need no
        // exact check: far above the rounding error of the floating-point
        // span for any coordinates, and small for those of a picture.
        const double scale = double(std::max({std::abs(ax_), std::abs(ay_), std::abs(bx_), std::abs(by_)}))
                             + double(width_) + 1.0;
        margin_ = 1e-9 * scale * scale;
    }

    qint64 left() const { return std::min(ax_, bx_) - reach_; }
    qint64 right() const { return std::max(ax_, bx_) + reach_; }
    qint64 top() const { return std::min(ay_, by_) - reach_; }
    qint64 bottom() const { return std::max(ay_, by_) + reach_; }

    bool contains(qint64 x, qint64 y) const
    {
        const __int128 qx = x - ax_;
        const __int128 qy = y - ay_;
        const __int128 t = qx * dx_ + qy * dy_;
        if (t <= 0)
            return qx * qx + qy * qy <= capLimit_;
        if (t >= length2_) {
            const __int128 rx = x - bx_;
            const __int128 ry = y - by_;
            return rx * rx + ry * ry <= capLimit_;
        }
        const __int128 cross = qx * dy_ - qy * dx_;
        return cross * cross <= bodyLimit_;
    }

    // The covered pixels of row y, or false when there are none.
    bool span(qint64 y, qint64& first, qint64& last) const
    {
        double lo = std::numeric_limits<double>::infinity();
        double hi = -lo;
        auto take = [&](double from, double to) {
            if (from <= to) {
                lo = std::min(lo, from);
                hi = std::max(hi, to);
            }
        };
        for (const auto& [cx, cy] : {std::pair(ax_, ay_), std::pair(bx_, by_)}) {
            const qint64 dy = y - cy;
            if (__int128(dy) * dy <= capLimit_) {
                const double half = std::sqrt(std::max(0.0, radius_ * radius_ - double(dy) * double(dy)));
                take(double(cx) - half, double(cx) + half);
            }
        }
        if (length2_ > 0)
            bodySpan(y, take);
        if (lo > hi)
            return false;

        first = ceilOf(lo);
        last = floorOf(hi);
        // Both ends well inside their pixels: the exact test would agree.
        if (first <= last && double(first) - lo > margin_ && lo - double(first - 1) > margin_
            && hi - double(last) > margin_ && double(last + 1) - hi > margin_)
            return true;
        if (first > last) {
            const qint64 middle = qint64(std::llround((lo + hi) / 2));
            if (!contains(middle, y))
                return false;
            first = last = middle;
        }
        while (contains(first - 1, y))
            --first;
        while (first <= last && !contains(first, y))
            ++first;
        while (contains(last + 1, y))
            ++last;
        while (last >= first && !contains(last, y))
            --last;
        return first <= last;
    }

private:
    // The part of row y between the two end caps: the projection onto the
    // segment lies within it and the distance from its line is at most the
    // radius.
    template <typename Take>
    void bodySpan(qint64 y, Take& take) const
    {
        const double ry = double(y - ay_);
        const double dx = double(dx_);
        const double dy = double(dy_);
        const double l2 = double(length2_);
        const double reach = bodyReach_;
        double lo = -std::numeric_limits<double>::infinity();
        double hi = std::numeric_limits<double>::infinity();
        if (dx_ != 0) {
            const double x1 = double(ax_) + (0.0 - ry * dy) / dx;
            const double x2 = double(ax_) + (l2 - ry * dy) / dx;
            lo = std::max(lo, std::min(x1, x2));
            hi = std::min(hi, std::max(x1, x2));
        } else if (ry * dy < 0 || ry * dy > l2) {
            return;
        }
        if (dy_ != 0) {
            const double x1 = double(ax_) + (ry * dx - reach) / dy;
            const double x2 = double(ax_) + (ry * dx + reach) / dy;
            lo = std::max(lo, std::min(x1, x2));
            hi = std::min(hi, std::max(x1, x2));
        } else if (std::abs(ry * dx) > reach) {
            return;
        }
        take(lo, hi);
    }

    // Whole-number floor and ceiling of values far inside the qint64 range.
    static qint64 floorOf(double v)
    {
        const auto whole = qint64(v);
        return double(whole) > v ? whole - 1 : whole;
    }
    static qint64 ceilOf(double v)
    {
        const auto whole = qint64(v);
        return double(whole) < v ? whole + 1 : whole;
    }

    qint64 ax_, ay_, bx_, by_;
    int width_;
    double bodyReach_ = 0;
    double margin_ = 0;
    qint64 dx_ = 0, dy_ = 0, length2_ = 0;
    __int128 capLimit_ = 0, bodyLimit_ = 0;
    double radius_ = 0.5;
    qint64 reach_ = 0;
};

struct Span {
    int row;
    int first;
    int last;
};

// Applies change(pixel) to every pixel of every span. Called once per
// operation with the format and mode already decided, so the inner loop is
// plain pointer work.
template <typename Pixel, typename Change>
void changeSpans(QImage& image, const std::vector<Span>& spans, Change change)
{
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const Span& s : spans) {
        auto* row = reinterpret_cast<Pixel*>(bits + s.row * stride);
        for (int x = s.first; x <= s.last; ++x)
            row[x] = change(row[x]);
    }
}

template <typename Pixel>
void fillSpans(QImage& image, const std::vector<Span>& spans, Pixel value)
{
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const Span& s : spans) {
        auto* row = reinterpret_cast<Pixel*>(bits + s.row * stride);
        std::fill(row + s.first, row + s.last + 1, value);
    }
}

void changeSpans24(QImage& image, const std::vector<Span>& spans, RasterMode mode, ColourValue pen)
{
    const uchar p[3] = {uchar(redOf(pen)), uchar(greenOf(pen)), uchar(blueOf(pen))};
    // A run of pen pixels to copy whole spans from, a block at a time.
    constexpr int RunPixels = 64;
    std::array<uchar, 3 * RunPixels> run{};
    if (mode == RasterMode::Copy)
        for (int i = 0; i < RunPixels; ++i)
            std::memcpy(run.data() + 3 * i, p, 3);
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (const Span& s : spans) {
        uchar* const row = bits + s.row * stride;
        uchar* pixel = row + 3 * s.first;
        uchar* const end = row + 3 * (s.last + 1);
        switch (mode) {
        case RasterMode::Copy:
            while (pixel != end) {
                const auto bytes = std::min<std::ptrdiff_t>(end - pixel, 3 * RunPixels);
                std::memcpy(pixel, run.data(), std::size_t(bytes));
                pixel += bytes;
            }
            break;
        case RasterMode::MergeNotDest:
            for (; pixel != end; pixel += 3)
                for (int i = 0; i < 3; ++i)
                    pixel[i] = uchar(p[i] | ~pixel[i]);
            break;
        case RasterMode::MaskNotDest:
            for (; pixel != end; pixel += 3)
                for (int i = 0; i < 3; ++i)
                    pixel[i] = uchar(p[i] & ~pixel[i]);
            break;
        }
    }
}

// 5- and 6-bit fields widened by repeating their top bits keep those top
// bits, so the per-channel operations on 8 bits reduce to the same
// operations on the fields.
void changeSpans16(QImage& image, const std::vector<Span>& spans, RasterMode mode, std::uint16_t pen,
                   std::uint16_t mask)
{
    switch (mode) {
    case RasterMode::Copy: fillSpans<std::uint16_t>(image, spans, pen); break;
    case RasterMode::MergeNotDest:
        changeSpans<std::uint16_t>(image, spans, [=](std::uint16_t d) { return std::uint16_t((pen | ~d) & mask); });
        break;
    case RasterMode::MaskNotDest:
        changeSpans<std::uint16_t>(image, spans, [=](std::uint16_t d) { return std::uint16_t(pen & ~d & mask); });
        break;
    }
}

void changeSpans32(QImage& image, const std::vector<Span>& spans, RasterMode mode, std::uint32_t pen)
{
    switch (mode) {
    case RasterMode::Copy: fillSpans<std::uint32_t>(image, spans, pen); break;
    case RasterMode::MergeNotDest:
        changeSpans<std::uint32_t>(image, spans, [=](std::uint32_t d) { return pen | ~d | 0xFF000000u; });
        break;
    case RasterMode::MaskNotDest:
        changeSpans<std::uint32_t>(image, spans,
                                   [=](std::uint32_t d) { return (pen & ~d & 0x00FFFFFFu) | 0xFF000000u; });
        break;
    }
}

} // namespace

PixelFormat formatForDepth(int colourDepth)
{
    switch (colourDepth) {
    case 8: return PixelFormat::Indexed8;
    case 15: return PixelFormat::Rgb555;
    case 16: return PixelFormat::Rgb565;
    case 24: return PixelFormat::Rgb24;
    default: return PixelFormat::Rgb32;
    }
}

int bytesPerPixel(PixelFormat format)
{
    switch (format) {
    case PixelFormat::Indexed8: return 1;
    case PixelFormat::Rgb555:
    case PixelFormat::Rgb565: return 2;
    case PixelFormat::Rgb24: return 3;
    case PixelFormat::Rgb32: return 4;
    }
    return 4;
}

int bitsPerPixel(PixelFormat format) { return 8 * bytesPerPixel(format); }

QImage::Format qtFormat(PixelFormat format)
{
    switch (format) {
    case PixelFormat::Indexed8: return QImage::Format_Indexed8;
    case PixelFormat::Rgb555: return QImage::Format_RGB555;
    case PixelFormat::Rgb565: return QImage::Format_RGB16;
    case PixelFormat::Rgb24: return QImage::Format_RGB888;
    case PixelFormat::Rgb32: return QImage::Format_RGB32;
    }
    return QImage::Format_RGB32;
}

std::optional<PixelFormat> pixelFormatOf(QImage::Format format)
{
    switch (format) {
    case QImage::Format_Indexed8: return PixelFormat::Indexed8;
    case QImage::Format_RGB555: return PixelFormat::Rgb555;
    case QImage::Format_RGB16: return PixelFormat::Rgb565;
    case QImage::Format_RGB888: return PixelFormat::Rgb24;
    case QImage::Format_RGB32: return PixelFormat::Rgb32;
    default: return std::nullopt;
    }
}

const QVector<QRgb>& standardPalette()
{
    static const QVector<QRgb> palette = [] {
        constexpr auto levels = threeBitLevels();
        QVector<QRgb> table;
        table.reserve(256);
        for (int index = 0; index < 256; ++index)
            table.append(qRgb(levels[index >> 5], levels[(index >> 2) & 7], (index & 3) * 85));
        return table;
    }();
    return palette;
}

std::optional<Picture> Picture::create(int width, int height, PixelFormat format)
{
    if (width <= 0 || height <= 0)
        return std::nullopt;
    // QImage pads every row to four bytes; refuse what cannot sensibly be
    // held before asking for it.
    const qint64 rowBytes = (qint64(width) * bitsPerPixel(format) + 31) / 32 * 4;
    if (rowBytes * height > MaxPictureBytes)
        return std::nullopt;

    Picture picture;
    picture.image_ = QImage(width, height, qtFormat(format));
    if (picture.image_.isNull())
        return std::nullopt;
    picture.format_ = format;
    if (format == PixelFormat::Indexed8)
        picture.image_.setColorTable(standardPalette());
    picture.fill(0xFFFFFF);
    return picture;
}

std::optional<Picture> Picture::fromImage(QImage image)
{
    const auto format = pixelFormatOf(image.format());
    if (!format || image.isNull())
        return std::nullopt;
    if (*format == PixelFormat::Indexed8 && image.colorCount() < 256) {
        // Every index byte must name a colour. The new entries are the
        // complements of the entries at the complemented index, so inverting
        // (which complements the index) shows the inverse colours of a short
        // palette, as it does for the standard one; the rest are black.
        const QVector<QRgb> given = image.colorTable();
        QVector<QRgb> table = given;
        table.resize(256);
        for (int i = int(given.size()); i < 256; ++i) {
            const int mirror = 255 - i;
            table[i] = mirror < given.size() ? qRgb(255 - qRed(given[mirror]), 255 - qGreen(given[mirror]),
                                                    255 - qBlue(given[mirror]))
                                             : qRgb(0, 0, 0);
        }
        image.setColorTable(table);
    }
    Picture picture;
    picture.image_ = std::move(image);
    picture.format_ = *format;
    return picture;
}

std::uint32_t Picture::storedPixel(ColourValue colour) const
{
    const int r = redOf(colour);
    const int g = greenOf(colour);
    const int b = blueOf(colour);
    if (format_ == PixelFormat::Indexed8)
        return nearestIndex(image_.colorTable(), r, g, b);
    return packed(format_, r, g, b);
}

std::uint32_t Picture::pixelAt(int x, int y) const
{
    // Reading outside would read foreign memory; it reads as 0 instead.
    if (!image_.valid(x, y))
        return 0;
    const uchar* row = image_.constScanLine(y);
    switch (format_) {
    case PixelFormat::Indexed8: return row[x];
    case PixelFormat::Rgb555:
    case PixelFormat::Rgb565: return reinterpret_cast<const std::uint16_t*>(row)[x];
    case PixelFormat::Rgb24: {
        const uchar* p = row + 3 * x;
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
    }
    case PixelFormat::Rgb32: return reinterpret_cast<const std::uint32_t*>(row)[x];
    }
    return 0;
}

void Picture::setPixelAt(int x, int y, std::uint32_t raw)
{
    if (!image_.valid(x, y))
        return;
    uchar* row = image_.scanLine(y);
    switch (format_) {
    case PixelFormat::Indexed8: row[x] = uchar(raw); break;
    case PixelFormat::Rgb555:
    case PixelFormat::Rgb565: reinterpret_cast<std::uint16_t*>(row)[x] = std::uint16_t(raw); break;
    case PixelFormat::Rgb24: {
        uchar* p = row + 3 * x;
        p[0] = uchar(raw);
        p[1] = uchar(raw >> 8);
        p[2] = uchar(raw >> 16);
        break;
    }
    case PixelFormat::Rgb32: reinterpret_cast<std::uint32_t*>(row)[x] = raw; break;
    }
}

ColourValue Picture::colourAt(int x, int y) const { return colourOf(pixelAt(x, y)); }

ColourValue Picture::colourOf(std::uint32_t raw) const
{
    switch (format_) {
    case PixelFormat::Indexed8: {
        const int index = int(raw & 0xFF);
        return index < image_.colorCount() ? colourValue(image_.color(index)) : 0;
    }
    case PixelFormat::Rgb555: return colourValue(widen5((raw >> 10) & 31), widen5((raw >> 5) & 31), widen5(raw & 31));
    case PixelFormat::Rgb565: return colourValue(widen5((raw >> 11) & 31), widen6((raw >> 5) & 63), widen5(raw & 31));
    case PixelFormat::Rgb24: return raw & 0xFFFFFF;
    case PixelFormat::Rgb32: return colourValue(QRgb(raw));
    }
    return 0;
}

QRect Picture::drawLine(QPoint a, QPoint b)
{
    if (isNull())
        return {};
    const Capsule capsule(a, b, pen_.width);
    const qint64 top = std::max<qint64>(capsule.top(), 0);
    const qint64 bottom = std::min<qint64>(capsule.bottom(), height() - 1);
    if (top > bottom || capsule.right() < 0 || capsule.left() >= width())
        return {};

    std::vector<Span> spans;
    spans.reserve(std::size_t(bottom - top + 1));
    qint64 changedLeft = width();
    qint64 changedRight = -1;
    for (qint64 y = top; y <= bottom; ++y) {
        qint64 first = 0;
        qint64 last = 0;
        if (!capsule.span(y, first, last))
            continue;
        first = std::max<qint64>(first, 0);
        last = std::min<qint64>(last, width() - 1);
        if (first > last)
            continue;
        spans.push_back({int(y), int(first), int(last)});
        changedLeft = std::min(changedLeft, first);
        changedRight = std::max(changedRight, last);
    }
    if (spans.empty())
        return {};
    const QRect changed(QPoint(int(changedLeft), spans.front().row), QPoint(int(changedRight), spans.back().row));

    const ColourValue pen = pen_.colour & 0xFFFFFF;
    switch (format_) {
    case PixelFormat::Indexed8: {
        // The result depends only on the index underneath, so each of the
        // 256 outcomes is worked out once.
        const QVector<QRgb> table = image_.colorTable();
        std::array<uchar, 256> result{};
        for (int index = 0; index < 256; ++index) {
            const ColourValue c = combine(pen_.mode, pen, index < table.size() ? colourValue(table[index]) : 0);
            result[index] = nearestIndex(table, redOf(c), greenOf(c), blueOf(c));
        }
        changeSpans<uchar>(image_, spans, [&](uchar d) { return result[d]; });
        break;
    }
    case PixelFormat::Rgb555:
        changeSpans16(image_, spans, pen_.mode, std::uint16_t(storedPixel(pen)), 0x7FFF);
        break;
    case PixelFormat::Rgb565:
        changeSpans16(image_, spans, pen_.mode, std::uint16_t(storedPixel(pen)), 0xFFFF);
        break;
    case PixelFormat::Rgb24: changeSpans24(image_, spans, pen_.mode, pen); break;
    case PixelFormat::Rgb32: changeSpans32(image_, spans, pen_.mode, storedPixel(pen)); break;
    }
    return changed;
}

void Picture::fill(ColourValue colour)
{
    if (isNull())
        return;
    std::vector<Span> rows;
    rows.reserve(std::size_t(height()));
    for (int y = 0; y < height(); ++y)
        rows.push_back({y, 0, width() - 1});
    const std::uint32_t raw = storedPixel(colour);
    switch (format_) {
    case PixelFormat::Indexed8: fillSpans<uchar>(image_, rows, uchar(raw)); break;
    case PixelFormat::Rgb555:
    case PixelFormat::Rgb565: fillSpans<std::uint16_t>(image_, rows, std::uint16_t(raw)); break;
    case PixelFormat::Rgb24: changeSpans24(image_, rows, RasterMode::Copy, raw); break;
    case PixelFormat::Rgb32: fillSpans<std::uint32_t>(image_, rows, raw); break;
    }
}

void Picture::stretchDraw(const QImage& source)
{
    if (isNull() || source.isNull())
        return;
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    if (rgb.isNull())
        return;
    const int w = width();
    const int h = height();
    std::vector<int> sourceColumn(static_cast<std::size_t>(w));
    for (int x = 0; x < w; ++x)
        sourceColumn[std::size_t(x)] = int(qint64(x) * rgb.width() / w);

    // A palette picture asks for the nearest entry once per distinct colour.
    const QVector<QRgb> table = format_ == PixelFormat::Indexed8 ? image_.colorTable() : QVector<QRgb>();
    QHash<QRgb, uchar> nearest;
    auto stored = [&](QRgb rgbValue) -> std::uint32_t {
        rgbValue |= 0xFF000000u;
        if (format_ != PixelFormat::Indexed8)
            return packed(format_, qRed(rgbValue), qGreen(rgbValue), qBlue(rgbValue));
        auto found = nearest.constFind(rgbValue);
        if (found == nearest.constEnd())
            found = nearest.insert(rgbValue, nearestIndex(table, qRed(rgbValue), qGreen(rgbValue), qBlue(rgbValue)));
        return *found;
    };

    std::vector<std::uint32_t> rowValues(static_cast<std::size_t>(w));
    int previousSourceRow = -1;
    for (int y = 0; y < h; ++y) {
        const int sourceRow = int(qint64(y) * rgb.height() / h);
        if (sourceRow != previousSourceRow) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(sourceRow));
            for (int x = 0; x < w; ++x)
                rowValues[std::size_t(x)] = stored(line[sourceColumn[std::size_t(x)]]);
            previousSourceRow = sourceRow;
        }
        uchar* row = image_.scanLine(y);
        switch (format_) {
        case PixelFormat::Indexed8:
            for (int x = 0; x < w; ++x)
                row[x] = uchar(rowValues[std::size_t(x)]);
            break;
        case PixelFormat::Rgb555:
        case PixelFormat::Rgb565:
            for (int x = 0; x < w; ++x)
                reinterpret_cast<std::uint16_t*>(row)[x] = std::uint16_t(rowValues[std::size_t(x)]);
            break;
        case PixelFormat::Rgb24:
            for (int x = 0; x < w; ++x) {
                const std::uint32_t v = rowValues[std::size_t(x)];
                row[3 * x] = uchar(v);
                row[3 * x + 1] = uchar(v >> 8);
                row[3 * x + 2] = uchar(v >> 16);
            }
            break;
        case PixelFormat::Rgb32:
            std::memcpy(row, rowValues.data(), std::size_t(w) * 4);
            break;
        }
    }
}

} // namespace paint
