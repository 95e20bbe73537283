#pragma once
#include <QImage>
#include <QString>

namespace paint {

// What a new canvas starts as, numbered as the settings store them: a solid
// colour, one of the five colour ramps, or a loaded image.
enum class CanvasType {
    SolidColour = 1,
    RedBlack = 2,
    GreenWhite = 3,
    BlueCyan = 4,
    OrangeYellow = 5,
    Magenta = 6,
    LoadedImage = 7,
};

} // namespace paint

// The five colour-ramp canvases: narrow vertical strips that are stretched
// over the whole picture (and to 36 x 36 for the thumbnails).
namespace paint::ramps {

constexpr CanvasType FirstRamp = CanvasType::RedBlack;
constexpr CanvasType LastRamp = CanvasType::Magenta;

// The strip of a ramp canvas type (Format_RGB32), null for the others.
// Each column is the same; rows change evenly from the top colour to the
// middle colour and from it to the bottom colour; the middle row (both
// middle rows when the height is even) has the middle colour exactly and the
// first and last rows the top and bottom colours. Channel values in between
// are truncated:
//   2 "Red/Black"     4 x 234  (255,0,0) / (0,0,0)       / (255,0,0)
//   3 "Green/White"   5 x 240  (0,255,0) / (255,255,255) / (0,255,0)
//   4 "Blue/Cyan"     5 x 227  (0,0,255) / (0,247,255)   / (0,8,255)
//   5 "Orange/Yellow" 4 x 239  (255,99,0)/ (255,255,0)   / (255,99,0)
//   6 "Magenta"       1 x 255  (65,0,0)  / (255,0,255)   / (65,0,0)
QImage strip(CanvasType canvasType);

// A ramp strip of any size by the same rule: top colour, middle colour and
// bottom colour, evenly between.
QImage rampStrip(int width, int height, QRgb top, QRgb middle, QRgb bottom);

// The button caption of a canvas type; empty for a number that is none.
QString caption(CanvasType canvasType);

} // namespace paint::ramps
