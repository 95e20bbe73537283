#pragma once
#include <QLine>
#include <QList>
#include <QPoint>
#include <QSize>

namespace paint {

// Where the lines of a freehand stroke go. Every move of the pointer with
// the button down draws one segment from the stroke's line start to the
// pointer. With the web on, the line start stays at the press point, so the
// segments fan out from there; with it off, it follows the pointer. With
// the mirror on, every segment is repeated in the other three quarters of
// the picture (x -> W - x, y -> H - y; not W - 1 - x, so a point on the
// left edge lands just outside the right one).
class FreehandStroke {
public:
    bool webbed() const { return webbed_; }
    void setWebbed(bool on) { webbed_ = on; }
    bool mirrored() const { return mirrored_; }
    void setMirrored(bool on) { mirrored_ = on; }

    bool penDown() const { return penDown_; }
    // Where the next segment starts.
    QPoint lineStart() const { return lineStart_; }

    // The button went down: the stroke starts at that point. The caller
    // then moves to the same point, which draws the stroke's first dot.
    void press(QPoint at);
    // The pointer reached a point: the lines to draw there, in drawing
    // order (none while the pen is up).
    QList<QLine> moveTo(QPoint at, QSize picture);
    void release() { penDown_ = false; }

    // A segment and, with the mirror on, its three mirror images: across
    // the vertical middle, the horizontal middle, and both.
    static QList<QLine> withMirrorImages(QLine segment, QSize picture, bool mirrored);

private:
    bool webbed_ = true;
    bool mirrored_ = true;
    bool penDown_ = false;
    QPoint lineStart_;
};

} // namespace paint
