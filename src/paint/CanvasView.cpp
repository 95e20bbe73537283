#include "paint/CanvasView.h"

#include "paint/Picture.h"

#include <QMouseEvent>
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

void CanvasView::watchSurroundings(QWidget* area)
{
    surroundings_ = area;
    area->setMouseTracking(true);
    area->installEventFilter(this);
}

QPoint CanvasView::picturePoint(const QWidget* from, QPointF position) const
{
    return mapFrom(from, position.toPoint());
}

void CanvasView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect() & QRect(QPoint(0, 0), picture_.size());
    if (!area.isEmpty())
        painter.drawImage(area, picture_.image(), area);
}

void CanvasView::mousePressEvent(QMouseEvent* event) { forward(this, event); }
void CanvasView::mouseDoubleClickEvent(QMouseEvent* event) { forward(this, event); }
void CanvasView::mouseMoveEvent(QMouseEvent* event) { forward(this, event); }
void CanvasView::mouseReleaseEvent(QMouseEvent* event) { forward(this, event); }

bool CanvasView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == surroundings_ && forward(surroundings_, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool CanvasView::forward(const QWidget* from, QEvent* event)
{
    const auto at = [&] { return picturePoint(from, static_cast<QMouseEvent*>(event)->position()); };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        emit pressed(at());
        break;
    case QEvent::MouseMove:
        emit moved(at());
        break;
    case QEvent::MouseButtonRelease:
        emit released(at());
        break;
    default:
        return false;
    }
    event->accept();
    return true;
}

} // namespace paint
