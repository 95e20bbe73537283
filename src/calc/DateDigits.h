#pragma once
#include <QColor>
#include <QPixmap>

// The 25 x 37 seven-segment digit pictures of the Date Calculator, drawn in
// code: lit segments in one colour, unlit ones faintly on the background.
namespace datedigits {

inline constexpr int Width = 25;
inline constexpr int Height = 37;
// The picture with every segment unlit, standing for a leading blank.
inline constexpr int Blank = -1;

// Each display has its own colours: days yellow on olive, whole weeks
// magenta on purple, the remaining days red on dark red.
enum class Set { Days, Weeks, RemainingDays };

// Whether a set has a picture for the digit: days and weeks 0..9 and Blank,
// the remaining days 0..6 and no blank (that cell always shows a digit).
bool hasPicture(Set set, int digit);
// The digit in the set's colours; a digit the set has no picture for gives
// a null pixmap.
QPixmap picture(Set set, int digit);

// digit 0..9, or Blank.
QPixmap sevenSegment(int digit, const QColor& lit, const QColor& background);

} // namespace datedigits
