#include "desktop/MagnifierArea.h"

namespace desktop {

namespace {

// One axis: centred on the pointer, then kept on the screen.
int areaStart(int pointer, int size, int screen)
{
    int start = pointer - size / 2;
    if (start < 0)
        start = 0;
    else if (start + size > screen - 1)
        start = screen - 1 - size;
    // A screen narrower than the area would push it off the left or top edge.
    return start < 0 ? 0 : start;
}

} // namespace

QRect magnifiedArea(QPoint pointer, QSize area, QSize screen)
{
    return QRect(areaStart(pointer.x(), area.width(), screen.width()),
                 areaStart(pointer.y(), area.height(), screen.height()), area.width(), area.height());
}

QSize magnifiedSize(int xIndex, int yIndex) { return QSize((xIndex + 1) * 10, (yIndex + 1) * 10); }

} // namespace desktop
