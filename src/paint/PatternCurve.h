#pragma once
#include "paint/ColourStepper.h"
#include "paint/Picture.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace platform {
class Random;
}

namespace paint {

// The five whole numbers a ZE-Vav pattern is made from: the curve a pen
// traces when a wheel of radius wheel rolls inside a ring of radius ring,
// the pen penDistance from the wheel's centre; quality segments per half
// turn of the wheel's centre; the line width in pixels.
struct PatternParameters {
    int ring = 192;         // A, 1..247
    int wheel = 48;         // B, 1..176
    int penDistance = 30;   // D, 1..240
    int quality = 30;       // Q, 1..200
    int width = 30;         // W, 1..40

    friend bool operator==(const PatternParameters&, const PatternParameters&) = default;
};

// One entry of the samples list: its caption, and the parameters and colour
// mode it sets ("None" sets nothing).
struct PatternSample {
    QString name;
    std::optional<PatternParameters> parameters;
    std::optional<ColourMode> colourMode;
};

// The ZE-Vav curve and how it is drawn. The arithmetic keeps every
// intermediate value (dt, k, t, u, x, y) as a 48-bit real, t growing by
// repeated addition of dt, with pi, sine and cosine at extended precision,
// so the points land on the same pixels as the pattern always has.
class PatternCurve {
public:
    struct Range {
        int lowest;
        int highest;
    };
    static constexpr Range RingRange{1, 247};
    static constexpr Range WheelRange{1, 176};
    static constexpr Range PenDistanceRange{1, 240};
    static constexpr Range QualityRange{1, 200};
    static constexpr Range WidthRange{1, 40};

    explicit PatternCurve(const PatternParameters& parameters);

    const PatternParameters& parameters() const { return parameters_; }

    // Euclid's algorithm; both numbers positive.
    static int greatestCommonDivisor(int a, int b);
    // N = 2 Q (B div gcd(A, B)): the curve closes after N steps of pi / Q.
    int segmentCount() const;

    // The centre of the pattern in picture coordinates for a window whose
    // client area has this size: half the width, and half of what is left
    // below the menu bar less 5, both truncated.
    static QPoint centreFor(QSize clientArea, int barHeight);

    // The point at angle 0, where the pen starts.
    QPoint startPoint(QPoint centre) const;
    // The end points of the N segments in drawing order (the first segment
    // starts at startPoint).
    std::vector<QPoint> points(QPoint centre) const;

    // Draws the curve on the picture with its pen: width := W (kept
    // afterwards), the raster mode as it is, the colour stepped once before
    // each segment by the stepper's pattern rule. Returns the changed area.
    QRect draw(Picture& picture, ColourStepper& colours, platform::Random& random, QPoint centre) const;

    // Rounds to the nearest whole number, halves to the even one.
    static int roundHalfEven(long double value);

    // Uniform and independent, in the order A, B, D, Q, W.
    static PatternParameters randomParameters(platform::Random& random);

    // The samples list, "None" first.
    static const std::vector<PatternSample>& samples();

private:
    // Calls visit(point) for each segment's end point, in order.
    void walk(QPoint centre, const std::function<void(QPoint)>& visit) const;

    PatternParameters parameters_;
};

} // namespace paint
