#include "games/TargetGameArt.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace targetart {

namespace {

// The target's centre and size: the middle of the band between the panels.
constexpr QPointF TargetCentre(199.5, 174.5);
constexpr qreal TargetRadius = 118;
constexpr int RingCount = 5;

void drawBackdrop(QPainter& p, const QRect& area)
{
    QLinearGradient wall(area.topLeft(), area.bottomLeft());
    wall.setColorAt(0.0, QColor(8, 10, 28));
    wall.setColorAt(0.5, QColor(22, 28, 64));
    wall.setColorAt(1.0, QColor(6, 6, 16));
    p.fillRect(area, wall);

    // Planks of the gallery's back wall, faint.
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int x = 0; x < area.width(); x += 38)
        p.drawLine(x, 0, x, area.height());

    QRadialGradient spot(TargetCentre, TargetRadius * 1.55);
    spot.setColorAt(0.0, QColor(255, 240, 190, 120));
    spot.setColorAt(0.6, QColor(255, 220, 150, 40));
    spot.setColorAt(1.0, QColor(255, 220, 150, 0));
    p.fillRect(area, spot);
}

void drawTarget(QPainter& p)
{
    // Shadow on the wall behind it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(TargetCentre + QPointF(6, 7), TargetRadius + 2, TargetRadius + 2);

    p.setBrush(QColor(40, 24, 10));
    p.drawEllipse(TargetCentre, TargetRadius + 4, TargetRadius + 4);

    const QColor red(200, 24, 28);
    const QColor cream(246, 238, 214);
    for (int ring = 0; ring < RingCount; ++ring) {
        const qreal r = TargetRadius * (RingCount - ring) / RingCount;
        QRadialGradient shade(TargetCentre - QPointF(r * 0.3, r * 0.3), r * 1.6);
        const QColor base = ring % 2 == 0 ? red : cream;
        shade.setColorAt(0.0, base.lighter(118));
        shade.setColorAt(1.0, base.darker(125));
        p.setBrush(shade);
        p.setPen(QPen(QColor(30, 10, 10, 160), 1.2));
        p.drawEllipse(TargetCentre, r, r);
    }
    // The bull's-eye.
    QRadialGradient gold(TargetCentre - QPointF(5, 5), 16);
    gold.setColorAt(0.0, QColor(255, 246, 170));
    gold.setColorAt(1.0, QColor(214, 150, 20));
    p.setBrush(gold);
    p.setPen(QPen(QColor(90, 50, 0), 1.2));
    p.drawEllipse(TargetCentre, 11, 11);

    // Sights across the face.
    p.setPen(QPen(QColor(20, 20, 20, 150), 1.5));
    p.drawLine(TargetCentre + QPointF(-TargetRadius - 14, 0), TargetCentre + QPointF(-16, 0));
    p.drawLine(TargetCentre + QPointF(16, 0), TargetCentre + QPointF(TargetRadius + 14, 0));
    p.drawLine(TargetCentre + QPointF(0, -TargetRadius - 14), TargetCentre + QPointF(0, -16));
    p.drawLine(TargetCentre + QPointF(0, 16), TargetCentre + QPointF(0, TargetRadius + 14));

    // A few holes from earlier games.
    for (const QPointF hole : {QPointF(37, -52), QPointF(-64, 20), QPointF(12, 71), QPointF(-22, -18)}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 240, 210, 150));
        p.drawEllipse(TargetCentre + hole, 4.2, 4.2);
        p.setBrush(QColor(10, 6, 4));
        p.drawEllipse(TargetCentre + hole, 3, 3);
    }
}

} // namespace

QPixmap gamePicture()
{
    QImage image(PictureSize, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawBackdrop(p, image.rect());
    drawTarget(p);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap topStrip(QSize size)
{
    if (size.isEmpty())
        return QPixmap();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient metal(0, 0, 0, size.height());
    metal.setColorAt(0.0, QColor(150, 156, 170));
    metal.setColorAt(0.35, QColor(90, 96, 110));
    metal.setColorAt(1.0, QColor(30, 32, 40));
    p.fillRect(image.rect(), metal);
    p.fillRect(QRect(0, size.height() - 1, size.width(), 1), QColor(0, 0, 0));

    // A row of amber lamps between the corner panels.
    const qreal radius = qMax<qreal>(2, size.height() * 0.18);
    const qreal y = size.height() / 2.0;
    for (int x = 40; x < size.width() - 36; x += 24) {
        QRadialGradient lamp(QPointF(x - radius / 3, y - radius / 3), radius * 1.6);
        lamp.setColorAt(0.0, QColor(255, 240, 170));
        lamp.setColorAt(0.5, QColor(250, 170, 30));
        lamp.setColorAt(1.0, QColor(120, 60, 0));
        p.setPen(QPen(QColor(20, 20, 20), 1));
        p.setBrush(lamp);
        p.drawEllipse(QPointF(x, y), radius, radius);
    }
    p.end();
    return QPixmap::fromImage(std::move(image));
}

} // namespace targetart
