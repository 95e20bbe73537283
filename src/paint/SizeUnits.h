#pragma once
#include <QString>

// The size boxes of the Utilities menu: picture width and height shown in
// pixels, centimetres or inches.
namespace paint::sizeunits {

enum class Unit { Pixels, Cm, Inches };

// Pixels per unit: 1, 37, 96.
int factor(Unit unit);

// A size in pixels as the box shows it in the unit: "640" for pixels,
// "17.30" (two decimals) for cm and inches.
QString display(int pixels, Unit unit);

// Whether a typed character may go in: a full stop is refused for pixels
// and when the text already holds one; every other character passes (the
// change rule cleans up).
bool acceptsKey(QChar typed, const QString& text, Unit unit);

// The change rule. Scanning from the last character to the first, every
// character that is neither a digit nor a full stop is removed, and after
// each removal the text becomes the number read from what remains (whole
// number for pixels, two decimals otherwise; unreadable text reads as 0).
// Returns the text the box ends up with ("12a" -> "12").
QString cleaned(const QString& text, Unit unit);

// The number the (cleaned) text holds times the factor, rounded to the
// nearest whole number with halves to even. Unreadable text gives 0.
int pixelsFrom(const QString& text, Unit unit);

} // namespace paint::sizeunits
