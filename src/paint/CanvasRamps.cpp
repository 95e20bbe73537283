#include "paint/CanvasRamps.h"

#include <algorithm>
#include <array>

namespace paint::ramps {

namespace {

struct Ramp {
    int width;
    int height;
    QRgb top;
    QRgb middle;
    QRgb bottom;
};

const std::array<Ramp, int(LastRamp) - int(FirstRamp) + 1> rampTable = {{
    {4, 234, qRgb(255, 0, 0), qRgb(0, 0, 0), qRgb(255, 0, 0)},
    {5, 240, qRgb(0, 255, 0), qRgb(255, 255, 255), qRgb(0, 255, 0)},
    {5, 227, qRgb(0, 0, 255), qRgb(0, 247, 255), qRgb(0, 8, 255)},
    {4, 239, qRgb(255, 99, 0), qRgb(255, 255, 0), qRgb(255, 99, 0)},
    {1, 255, qRgb(65, 0, 0), qRgb(255, 0, 255), qRgb(65, 0, 0)},
}};

// The channel `along` steps of `steps` from end value a to middle value m.
// Both weights are non-negative, so the division truncates the exact value.
int between(int a, int m, int along, int steps)
{
    return steps == 0 ? m : (a * (steps - along) + m * along) / steps;
}

QRgb blend(QRgb end, QRgb middle, int along, int steps)
{
    return qRgb(between(qRed(end), qRed(middle), along, steps), between(qGreen(end), qGreen(middle), along, steps),
                between(qBlue(end), qBlue(middle), along, steps));
}

} // namespace

QImage strip(CanvasType canvasType)
{
    if (canvasType < FirstRamp || canvasType > LastRamp)
        return {};
    const Ramp& ramp = rampTable[std::size_t(int(canvasType) - int(FirstRamp))];
    return rampStrip(ramp.width, ramp.height, ramp.top, ramp.middle, ramp.bottom);
}

QImage rampStrip(int width, int height, QRgb top, QRgb middle, QRgb bottom)
{
    if (width <= 0 || height <= 0)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return {};

    // An even height has two middle rows, both exactly the middle colour.
    const int upperMiddle = (height - 1) / 2;
    const int lowerMiddle = height / 2;
    const int last = height - 1;
    for (int y = 0; y < height; ++y) {
        QRgb colour = middle;
        if (y < upperMiddle)
            colour = blend(top, middle, y, upperMiddle);
        else if (y > lowerMiddle)
            colour = blend(bottom, middle, last - y, last - lowerMiddle);
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row, row + width, colour);
    }
    return image;
}

QString caption(CanvasType canvasType)
{
    switch (canvasType) {
    case CanvasType::SolidColour: return QStringLiteral("Solid Color");
    case CanvasType::RedBlack: return QStringLiteral("Red/Black");
    case CanvasType::GreenWhite: return QStringLiteral("Green/White");
    case CanvasType::BlueCyan: return QStringLiteral("Blue/Cyan");
    case CanvasType::OrangeYellow: return QStringLiteral("Orange/Yellow");
    case CanvasType::Magenta: return QStringLiteral("Magenta");
    case CanvasType::LoadedImage: return QStringLiteral("Load Canvas");
    }
    return {};
}

} // namespace paint::ramps
