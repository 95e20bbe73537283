#pragma once
#include <QPixmap>

// Pictures of the dice window, drawn in code at the sizes the window lays
// out: 105 x 105 faces with 25 x 25 pips at fixed offsets inside them.
namespace diceart {

// Blank ivory face with rounded corners and a raised bevel. The corners
// outside the rounding are transparent; the face is one flat colour over
// the whole area the pips can cover (12..92 on both axes).
QPixmap dieFace();

// A dark spot with a slight dimple shading, centred in 25 x 25 with a
// transparent surround, so it sits cleanly on the face at any pip offset.
QPixmap pip();

// The "Roll Dice" button face, released or pressed in (the words sunk).
QPixmap rollButtonFace(bool pressed);

} // namespace diceart
