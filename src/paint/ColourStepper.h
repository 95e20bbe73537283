#pragma once
#include "paint/Picture.h"

namespace platform {
class Random;
}

namespace paint {

// The five colour modes of the freehand tools, as numbered in the settings.
enum class ColourMode { Solid = 1, Random = 2, RedGradient = 3, GreenGradient = 4, BlueGradient = 5 };

// Steps the pen colour once per drawn segment.
//   Solid: the draw colour.
//   Random: red, green and blue each uniform 0..254 from the generator the
//   caller hands in.
//   Gradients: one channel v, rising by 1 until it reaches 256, which turns
//   it into 254 falling; falling by 1 until it reaches 0, which turns it into
//   2 rising. Starting values: red 0, green 1, blue 1, rising.
class ColourStepper {
public:
    ColourMode mode() const { return mode_; }
    ColourValue drawColour() const { return drawColour_; }
    void setDrawColour(ColourValue colour) { drawColour_ = colour; }

    // Chooses a mode and sets the pen colour as choosing it from the Color
    // menu does: solid -> draw colour; gradients -> starting value, rising;
    // random -> colour left as it is.
    void setMode(ColourMode mode, Pen& pen);
    // The pen colour of the mode's start, as after a new canvas or an opened
    // file (gradients restart rising; random leaves the pen alone).
    void restart(Pen& pen);
    // One step before a segment; only the random mode draws on random.
    void step(Pen& pen, platform::Random& random);
    // One step before a segment of a ZE-Vav pattern: as step(), except that
    // random colours are one whole number 0..16,777,214 for all three
    // channels at once.
    void stepForPattern(Pen& pen, platform::Random& random);

    bool rising() const;   // direction of the present gradient mode (false in the others)

private:
    ColourMode mode_ = ColourMode::Random;
    ColourValue drawColour_ = 0x0000FF; // red
    bool redRising_ = true;
    bool greenRising_ = true;
    bool blueRising_ = true;
};

} // namespace paint
