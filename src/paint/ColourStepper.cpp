#include "paint/ColourStepper.h"

#include "platform/Random.h"

namespace paint {

namespace {

// Bit position of the one channel a gradient mode runs.
int gradientShift(ColourMode mode)
{
    switch (mode) {
    case ColourMode::GreenGradient: return 8;
    case ColourMode::BlueGradient: return 16;
    default: return 0;
    }
}

} // namespace

void ColourStepper::setMode(ColourMode mode, Pen& pen)
{
    mode_ = mode;
    switch (mode) {
    case ColourMode::Solid: pen.colour = drawColour_; break;
    case ColourMode::Random: break; // every segment draws its own colour
    case ColourMode::RedGradient:
        pen.colour = 0;
        redRising_ = true;
        break;
    case ColourMode::GreenGradient:
        pen.colour = 1u << 8;
        greenRising_ = true;
        break;
    case ColourMode::BlueGradient:
        pen.colour = 1u << 16;
        blueRising_ = true;
        break;
    }
}

void ColourStepper::restart(Pen& pen) { setMode(mode_, pen); }

void ColourStepper::step(Pen& pen, platform::Random& random)
{
    switch (mode_) {
    case ColourMode::Solid: pen.colour = drawColour_; return;
    case ColourMode::Random: {
        // Red, green, blue in this order, each 0..254: 255 never occurs.
        const int red = random.below(255);
        const int green = random.below(255);
        const int blue = random.below(255);
        pen.colour = ColourValue(red) | ColourValue(green) << 8 | ColourValue(blue) << 16;
        return;
    }
    case ColourMode::RedGradient:
    case ColourMode::GreenGradient:
    case ColourMode::BlueGradient: break;
    }

    const int shift = gradientShift(mode_);
    bool& rising = mode_ == ColourMode::RedGradient     ? redRising_
                   : mode_ == ColourMode::GreenGradient ? greenRising_
                                                        : blueRising_;
    int value = int((pen.colour >> shift) & 0xFF);
    if (rising) {
        if (++value == 256) {
            value = 254;
            rising = false;
        }
    } else if (--value == 0) {
        value = 2;
        rising = true;
    }
    pen.colour = ColourValue(value) << shift;
}

void ColourStepper::stepForPattern(Pen& pen, platform::Random& random)
{
    if (mode_ == ColourMode::Random)
        pen.colour = ColourValue(random.below(0xFFFFFF));
    else
        step(pen, random);
}

bool ColourStepper::rising() const
{
    switch (mode_) {
    case ColourMode::RedGradient: return redRising_;
    case ColourMode::GreenGradient: return greenRising_;
    case ColourMode::BlueGradient: return blueRising_;
    default: return false;
    }
}

} // namespace paint
