#pragma once
#include <QColor>
#include <QPixmap>

// The 25 x 37 seven-segment digit pictures of the Date Calculator, drawn in
// code: lit segments in one colour, unlit ones faintly on the background.
namespace datedigits {

inline constexpr int Width = 25;
inline constexpr int Height = 37;

// digit 0..9, or -1 for the blank picture (every segment unlit).
QPixmap sevenSegment(int digit, const QColor& lit, const QColor& background);

} // namespace datedigits
