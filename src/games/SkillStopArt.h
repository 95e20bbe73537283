#pragma once
#include <QPixmap>
#include <QSize>

// Pictures of the Vuroz Uzid window, drawn in code: the nine letters of the
// running light, unlit and lit, and the three colour bars.
namespace skillstopart {

inline constexpr QSize LetterSize(64, 115);

// Letter 'S', 'K', 'I', 'L', 'T', 'O' or 'P' as a sign lamp: dark red glass
// when unlit, glowing yellow when lit. Any other character draws the lamp
// without a letter.
QPixmap letter(QChar letter, bool lit);

// Colour bar 0, 1 or 2 (red, yellow, blue): a glossy tube shaded from top
// to bottom, uniform across, so it stretches to any width and height.
QPixmap colourBar(int bar);

} // namespace skillstopart
