#include "desktop/GradientStripView.h"

#include <QPainter>

GradientStripView::GradientStripView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientStripView::setStrip(const QImage& strip)
{
    strip_ = strip;
    update();
}

void GradientStripView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (strip_.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(rect(), strip_);
}
