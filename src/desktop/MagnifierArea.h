#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

namespace desktop {

// The part of the screen the magnifier copies: an area of the given size
// centred on the pointer (half the size to the left and above, rounded
// toward zero), moved to stay on a screen of the given size. Near the right
// and bottom edges it ends a pixel short of the edge, so an area w wide
// starts at no more than width - 1 - w. An area larger than the screen
// starts at the screen's edge. The pointer is in screen coordinates.
QRect magnifiedArea(QPoint pointer, QSize area, QSize screen);

// The size chosen with the X and Y lists: (index + 1) x 10 pixels each way.
QSize magnifiedSize(int xIndex, int yIndex);

} // namespace desktop
