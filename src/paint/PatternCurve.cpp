#include "paint/PatternCurve.h"

#include "common/Real48.h"
#include "platform/Random.h"

#include <cmath>
#include <math.h>
#include <numbers>

namespace paint {

PatternCurve::PatternCurve(const PatternParameters& parameters) : parameters_(parameters) {}

int PatternCurve::greatestCommonDivisor(int a, int b)
{
    while (b != 0) {
        const int rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

int PatternCurve::segmentCount() const
{
    const PatternParameters& p = parameters_;
    return 2 * p.quality * (p.wheel / greatestCommonDivisor(p.ring, p.wheel));
}

QPoint PatternCurve::centreFor(QSize clientArea, int barHeight)
{
    return QPoint(clientArea.width() / 2, (clientArea.height() - barHeight - 5) / 2);
}

QPoint PatternCurve::startPoint(QPoint centre) const
{
    const PatternParameters& p = parameters_;
    return QPoint(p.ring - p.wheel + p.penDistance + centre.x(), centre.y());
}

int PatternCurve::roundHalfEven(long double value)
{
    const long double below = std::floor(value);
    const long double fraction = value - below;
    const auto whole = static_cast<long long>(below);
    if (fraction > 0.5L || (fraction == 0.5L && (whole & 1) != 0))
        return int(whole + 1);
    return int(whole);
}

void PatternCurve::walk(QPoint centre, const std::function<void(QPoint)>& visit) const
{
    const PatternParameters& p = parameters_;
    const long double rolling = p.ring - p.wheel;   // A - B
    const long double pen = p.penDistance;
    const long double dt = storeReal48(std::numbers::pi_v<long double> / p.quality);
    const long double k = storeReal48(static_cast<long double>(p.ring) / p.wheel);
    const int count = segmentCount();
    long double t = 0.0L;
    for (int i = 0; i < count; ++i) {
        t = storeReal48(t + dt);
        const long double u = storeReal48(t * k);
        // Sine and cosine together: the same extended values, half the calls.
        long double sinT = 0, cosT = 0, sinU = 0, cosU = 0;
        ::sincosl(t, &sinT, &cosT);
        ::sincosl(u, &sinU, &cosU);
        const long double x = storeReal48(rolling * cosT + pen * cosU);
        const long double y = storeReal48(rolling * sinT - pen * sinU);
        visit(QPoint(roundHalfEven(x) + centre.x(), roundHalfEven(y) + centre.y()));
    }
}

std::vector<QPoint> PatternCurve::points(QPoint centre) const
{
    std::vector<QPoint> result;
    result.reserve(std::size_t(segmentCount()));
    walk(centre, [&](QPoint point) { result.push_back(point); });
    return result;
}

QRect PatternCurve::draw(Picture& picture, ColourStepper& colours, platform::Random& random, QPoint centre) const
{
    picture.pen().width = parameters_.width;
    QPoint from = startPoint(centre);
    QRect changed;
    walk(centre, [&](QPoint to) {
        colours.stepForPattern(picture.pen(), random);
        changed |= picture.drawLine(from, to);
        from = to;
    });
    return changed;
}

PatternParameters PatternCurve::randomParameters(platform::Random& random)
{
    PatternParameters p;
    p.ring = random.between(RingRange.lowest, RingRange.highest);
    p.wheel = random.between(WheelRange.lowest, WheelRange.highest);
    p.penDistance = random.between(PenDistanceRange.lowest, PenDistanceRange.highest);
    p.quality = random.between(QualityRange.lowest, QualityRange.highest);
    p.width = random.between(WidthRange.lowest, WidthRange.highest);
    return p;
}

const std::vector<PatternSample>& PatternCurve::samples()
{
    static const std::vector<PatternSample> list = [] {
        const auto sample = [](const char* name, int a, int b, int d, int q, int w, ColourMode mode) {
            return PatternSample{QString::fromLatin1(name), PatternParameters{a, b, d, q, w}, mode};
        };
        const ColourMode random = ColourMode::Random;
        return std::vector<PatternSample>{
            {QStringLiteral("None"), std::nullopt, std::nullopt},
            sample("Donut", 205, 48, 30, 30, 30, random),
            sample("Pastry Shaper", 170, 53, 31, 5, 1, random),
            sample("Nest", 93, 48, 147, 5, 8, random),
            sample("Ring", 93, 48, 128, 19, 1, random),
            sample("Flower", 60, 105, 99, 7, 3, random),
            sample("Cross", 68, 12, 99, 2, 25, random),
            sample("Chain", 68, 12, 99, 3, 8, random),
            sample("Stained Glass", 68, 12, 100, 4, 8, random),
            sample("Spinning Top", 68, 12, 100, 8, 8, random),
            sample("Cushion", 205, 112, 96, 22, 1, random),
            sample("Red Gradient", 190, 48, 30, 30, 30, ColourMode::RedGradient),
            sample("Green Gradient", 205, 75, 174, 128, 22, ColourMode::GreenGradient),
            sample("Blue Gradient", 97, 32, 174, 71, 11, ColourMode::BlueGradient),
        };
    }();
    return list;
}

} // namespace paint
