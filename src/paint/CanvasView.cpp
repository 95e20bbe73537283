#include "paint/CanvasView.h"

#include "paint/Picture.h"

#include <QPaintEvent>
#include <QPainter>

namespace paint {

CanvasView::CanvasView(const Picture& picture, QWidget* parent) : QWidget(parent), picture_(picture)
{
    setObjectName(QStringLiteral("canvasView"));
    // Every pixel is painted from the picture, so Qt need not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setAccessibleName(QStringLiteral("Picture"));
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect() & QRect(QPoint(0, 0), picture_.size());
    if (!area.isEmpty())
        painter.drawImage(area, picture_.image(), area);
}

} // namespace paint
