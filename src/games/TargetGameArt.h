#pragma once
#include <QPixmap>
#include <QSize>

// Pictures of the VU Dazuzi window, drawn in code at the sizes it lays out.
namespace targetart {

inline constexpr QSize PictureSize(399, 349);

// The game picture: a shooting-gallery target under a spotlight on a dark
// backdrop. Its top and bottom edges run under the button panels, so the
// target sits in the middle of the band that stays in view.
QPixmap gamePicture();

// The strip along the top of the window: a gunmetal bar with a row of
// small lamps; the frame's "?" and "X" panels sit on its ends.
QPixmap topStrip(QSize size);

} // namespace targetart
