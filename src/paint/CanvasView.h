#pragma once
#include <QWidget>

namespace paint {

class Picture;

// The picture on screen, one widget pixel to one picture pixel, sized to the
// bitmap by its owner; it paints only what changed. It turns the mouse into
// picture coordinates, wherever the scroll area has put it, and so does the
// area around it that it is told to watch: a press there draws as a press on
// the picture does.
class CanvasView : public QWidget {
    Q_OBJECT
public:
    CanvasView(const Picture& picture, QWidget* parent);

    // The widget around the picture (the scroll area's viewport), whose
    // mouse counts as the picture's.
    void watchSurroundings(QWidget* area);
    // A position in a widget of this window, in picture coordinates.
    QPoint picturePoint(const QWidget* from, QPointF position) const;

signals:
    // Any button; a double click is a press as well.
    void pressed(QPoint at);
    // With a button held or not.
    void moved(QPoint at);
    void released(QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Passes a mouse event of a watched widget on as the picture's; false
    // for events that are not the mouse's.
    bool forward(const QWidget* from, QEvent* event);

    const Picture& picture_;
    QWidget* surroundings_ = nullptr;
};

} // namespace paint
