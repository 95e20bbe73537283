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

const std::array<Ramp, LastRampType - FirstRampType + 1> rampTable = {{
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

QImage strip(int canvasType)
{
    if (canvasType < FirstRampType || canvasType > LastRampType)
        return {};
    const Ramp& ramp = rampTable[std::size_t(canvasType - FirstRampType)];
    QImage image(ramp.width, ramp.height, QImage::Format_RGB32);
    if (image.isNull())
        return {};

    // An even height has two middle rows, both exactly the middle colour.
    const int upperMiddle = (ramp.height - 1) / 2;
    const int lowerMiddle = ramp.height / 2;
    const int last = ramp.height - 1;
    for (int y = 0; y < ramp.height; ++y) {
        QRgb colour = ramp.middle;
        if (y < upperMiddle)
            colour = blend(ramp.top, ramp.middle, y, upperMiddle);
        else if (y > lowerMiddle)
            colour = blend(ramp.bottom, ramp.middle, last - y, last - lowerMiddle);
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(row, row + ramp.width, colour);
    }
    return image;
}

QString caption(int canvasType)
{
    switch (canvasType) {
    case 1: return QStringLiteral("Solid Color");
    case 2: return QStringLiteral("Red/Black");
    case 3: return QStringLiteral("Green/White");
    case 4: return QStringLiteral("Blue/Cyan");
    case 5: return QStringLiteral("Orange/Yellow");
    case 6: return QStringLiteral("Magenta");
    case 7: return QStringLiteral("Load Canvas");
    default: return {};
    }
}

} // namespace paint::ramps
