#pragma once
#include <QWidget>

namespace paint {

class Picture;

// The picture on screen: sized to the bitmap by its owner, it paints only
// what changed. The mouse is the owner's business (it watches this widget
// and the area around it alike).
class CanvasView : public QWidget {
    Q_OBJECT
public:
    CanvasView(const Picture& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Picture& picture_;
};

} // namespace paint
