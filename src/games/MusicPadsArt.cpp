#include "games/MusicPadsArt.h"

#include "games/MusicPads.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace padart {

namespace {

// The colour of each row's pads: coral, jade and violet.
const QColor RowColours[pads::RowCount] = {QColor(236, 96, 64), QColor(40, 176, 120), QColor(128, 88, 220)};
constexpr qreal Corner = 9;
constexpr qreal Inset = 1.5;

} // namespace

QPixmap padPicture(int row, bool down)
{
    const QColor base = RowColours[qBound(0, row, pads::RowCount - 1)];
    QImage image(pads::PadWidth, pads::PadHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF outer = QRectF(image.rect()).adjusted(Inset, Inset, -Inset, -Inset);
    QPainterPath body;
    body.addRoundedRect(outer, Corner, Corner);

    // A dark rim, then the face: lit from above when up, glowing and sunk
    // when held in.
    p.setPen(QPen(base.darker(260), 2));
    QLinearGradient face(outer.topLeft(), outer.bottomLeft());
    if (down) {
        face.setColorAt(0.0, base.darker(150));
        face.setColorAt(0.5, base.lighter(115));
        face.setColorAt(1.0, base.lighter(135));
    } else {
        face.setColorAt(0.0, base.lighter(150));
        face.setColorAt(0.55, base);
        face.setColorAt(1.0, base.darker(150));
    }
    p.setBrush(face);
    p.drawPath(body);

    // Bevel lines: light top-left and dark bottom-right when up, the other
    // way round when held in.
    const QRectF bevel = outer.adjusted(3, 3, -3, -3);
    const QColor light(255, 255, 255, down ? 70 : 150);
    const QColor shadow(0, 0, 0, down ? 150 : 90);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(down ? shadow : light, 2));
    p.drawLine(bevel.topLeft() + QPointF(Corner - 3, 0), bevel.topRight() - QPointF(Corner - 3, 0));
    p.drawLine(bevel.topLeft() + QPointF(0, Corner - 3), bevel.bottomLeft() - QPointF(0, Corner - 3));
    p.setPen(QPen(down ? light : shadow, 2));
    p.drawLine(bevel.bottomLeft() + QPointF(Corner - 3, 0), bevel.bottomRight() - QPointF(Corner - 3, 0));
    p.drawLine(bevel.topRight() + QPointF(0, Corner - 3), bevel.bottomRight() - QPointF(0, Corner - 3));

    // Fine grooves across the face: the pitch rises towards the bottom.
    for (int i = 1; i <= 5; ++i) {
        const qreal y = outer.top() + outer.height() * i / 6.0;
        p.setPen(QPen(QColor(0, 0, 0, 40 + i * 8), 1));
        p.drawLine(QPointF(outer.left() + 10, y), QPointF(outer.right() - 10, y));
    }

    if (down) {
        // The held pad glows from the middle.
        QRadialGradient glow(outer.center(), outer.width() * 0.55);
        glow.setColorAt(0.0, QColor(255, 255, 230, 150));
        glow.setColorAt(1.0, QColor(255, 255, 230, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawPath(body);
    } else {
        // A gloss across the top half.
        QPainterPath gloss;
        gloss.addRoundedRect(outer.adjusted(5, 4, -5, -outer.height() * 0.55), Corner - 3, Corner - 3);
        QLinearGradient shine(outer.topLeft(), QPointF(outer.left(), outer.top() + outer.height() * 0.45));
        shine.setColorAt(0.0, QColor(255, 255, 255, 110));
        shine.setColorAt(1.0, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawPath(gloss);
    }
    p.end();
    return QPixmap::fromImage(std::move(image));
}

} // namespace padart
