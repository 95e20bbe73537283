#pragma once
#include <QPixmap>

// Pictures of the Derur Ivuva Zedod pads, drawn in code at 81 x 73: each row
// of pads has its own colour, in an up and a down state.
namespace padart {

// row 0 .. 2 (top to bottom); down is the pad held in.
QPixmap padPicture(int row, bool down);

} // namespace padart
