#include "desktop/MagnifierView.h"

#include <QPainter>

namespace desktop {

MagnifierView::MagnifierView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void MagnifierView::showCopy(const QPixmap& copy)
{
    copy_ = copy;
    update();
}

void MagnifierView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (copy_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // The source rectangle is in the copy's own pixels, whatever its
    // device pixel ratio.
    painter.drawPixmap(QRectF(rect()), copy_, QRectF(QPointF(0, 0), QSizeF(copy_.size())));
}

} // namespace desktop
