#include "paint/FreehandStroke.h"

namespace paint {

void FreehandStroke::press(QPoint at)
{
    penDown_ = true;
    lineStart_ = at;
}

QList<QLine> FreehandStroke::moveTo(QPoint at, QSize picture)
{
    if (!penDown_)
        return {};
    const QList<QLine> lines = withMirrorImages(QLine(lineStart_, at), picture, mirrored_);
    if (!webbed_)
        lineStart_ = at;
    return lines;
}

QList<QLine> FreehandStroke::withMirrorImages(QLine segment, QSize picture, bool mirrored)
{
    if (!mirrored)
        return {segment};
    const int w = picture.width();
    const int h = picture.height();
    const QPoint a = segment.p1();
    const QPoint b = segment.p2();
    return {
        segment,
        QLine(w - a.x(), a.y(), w - b.x(), b.y()),
        QLine(a.x(), h - a.y(), b.x(), h - b.y()),
        QLine(w - a.x(), h - a.y(), w - b.x(), h - b.y()),
    };
}

} // namespace paint
