#include "desktop/GradientStrip.h"

#include "common/Real48.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace gradient {

namespace {

// One channel on its way from the first colour to the second. The step and
// the running value are what a 48-bit real holds; the sums are formed at
// extended precision and stored again after every move.
struct Channel {
    Channel(int from, int to, int steps)
        : step(storeReal48(static_cast<long double>(to - from) / steps)), running(from)
    {
    }
    void climb(long double factor) { running = storeReal48(running + factor * step); }
    // The running value written without decimals and read back: halves go
    // away from zero.
    int whole() const { return static_cast<int>(std::lround(running)); }

    long double step;
    long double running;
};

} // namespace

int stepCount(Rgb first, Rgb second)
{
    return std::max({std::abs(second.red - first.red), std::abs(second.green - first.green),
                     std::abs(second.blue - first.blue), 1});
}

GradientStrip::GradientStrip(Rgb first, Rgb second, bool meetInMiddle)
{
    const int n = stepCount(first, second);
    Channel red(first.red, second.red, n);
    Channel green(first.green, second.green, n);
    Channel blue(first.blue, second.blue, n);
    const int turningRow = n / 2;
    bool falling = false;

    rows_.reserve(std::size_t(n));
    Rgb current = first;
    for (int i = 0; i < n; ++i) {
        rows_.push_back(qRgb(current.red, current.green, current.blue));
        long double factor = 1.0L;
        if (meetInMiddle) {
            factor = falling ? -2.0L : 2.0L;
            if (!falling && i + 1 >= turningRow)
                falling = true;
        }
        red.climb(factor);
        green.climb(factor);
        blue.climb(factor);
        current = {red.whole(), green.whole(), blue.whole()};
    }
}

QImage GradientStrip::horizontal() const
{
    QImage strip(1, steps(), QImage::Format_RGB888);
    for (int i = 0; i < steps(); ++i)
        strip.setPixel(0, i, rows_[std::size_t(i)]);
    return strip;
}

QImage GradientStrip::vertical() const
{
    QImage strip(steps(), VerticalStripHeight, QImage::Format_RGB888);
    for (int y = 0; y < VerticalStripHeight; ++y) {
        uchar* line = strip.scanLine(y);
        for (int i = 0; i < steps(); ++i) {
            const QRgb colour = rows_[std::size_t(i)];
            line[3 * i] = uchar(qRed(colour));
            line[3 * i + 1] = uchar(qGreen(colour));
            line[3 * i + 2] = uchar(qBlue(colour));
        }
    }
    return strip;
}

QImage stretchNearest(const QImage& source, QSize size, QImage::Format format)
{
    if (source.isNull() || size.isEmpty())
        return {};
    const QImage from = source.convertToFormat(QImage::Format_RGB32);
    QImage to(size, QImage::Format_RGB32);
    if (from.isNull() || to.isNull())
        return {};

    // The source pixel under the centre of each target pixel.
    const auto under = [](qint64 target, qint64 targetLength, qint64 sourceLength) {
        return int((2 * target + 1) * sourceLength / (2 * targetLength));
    };
    std::vector<int> columns(std::size_t(size.width()));
    for (int x = 0; x < size.width(); ++x)
        columns[std::size_t(x)] = under(x, size.width(), from.width());
    for (int y = 0; y < size.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(under(y, size.height(), from.height())));
        auto* out = reinterpret_cast<QRgb*>(to.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            out[x] = in[columns[std::size_t(x)]];
    }
    // A gradient has at most 256 colours, so even an 8-bit palette holds
    // every one of them exactly.
    return format == QImage::Format_RGB32 ? to : to.convertToFormat(format, Qt::AvoidDither);
}

} // namespace gradient
