#pragma once
#include <QImage>
#include <QString>

// The five colour-ramp canvases: narrow vertical strips that are stretched
// over the whole picture (and to 36 x 36 for the thumbnails).
namespace paint::ramps {

// Canvas types 2..6.
constexpr int FirstRampType = 2;
constexpr int LastRampType = 6;

// The strip of canvas type 2..6 (Format_RGB32), null for other types.
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
QImage strip(int canvasType);

// The button caption of canvas type 1..7.
QString caption(int canvasType);

} // namespace paint::ramps
