#include "games/DiceArt.h"

#include "app/Artwork.h"
#include "games/DiceRules.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <utility>

namespace diceart {
namespace {

constexpr int kFaceSize = dice::DieSize;
constexpr int kPipSize = dice::PipSize;
constexpr int kBevel = 7;
const QColor kIvory(250, 243, 220);

} // namespace

QPixmap dieFace()
{
    QImage image(kFaceSize, kFaceSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF outer(0.5, 0.5, kFaceSize - 1, kFaceSize - 1);
    QLinearGradient bevel(0, 0, kFaceSize, kFaceSize);
    bevel.setColorAt(0.0, QColor(255, 255, 250));
    bevel.setColorAt(0.45, kIvory);
    bevel.setColorAt(1.0, QColor(176, 160, 122));
    p.setPen(QPen(QColor(96, 84, 60), 1));
    p.setBrush(bevel);
    p.drawRoundedRect(outer, 16, 16);

    // The flat top of the die: a soft ridge line round it, then one colour.
    const QRectF top = QRectF(0, 0, kFaceSize, kFaceSize).adjusted(kBevel, kBevel, -kBevel, -kBevel);
    QLinearGradient ridge(top.topLeft(), top.bottomRight());
    ridge.setColorAt(0, QColor(214, 200, 166));
    ridge.setColorAt(1, QColor(255, 255, 248));
    p.setPen(QPen(QBrush(ridge), 1.5));
    p.setBrush(kIvory);
    p.drawRoundedRect(top, 10, 10);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap pip()
{
    QImage image(kPipSize, kPipSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kPipSize / 2.0, kPipSize / 2.0);
    const qreal radius = 9.5;

    // A dimple lit from the top left: its upper left wall is in shadow and
    // its lower right wall catches the light.
    QRadialGradient hollow(centre, radius, centre + QPointF(3, 3.5));
    hollow.setColorAt(0.0, QColor(78, 74, 84));
    hollow.setColorAt(0.55, QColor(30, 28, 34));
    hollow.setColorAt(1.0, QColor(8, 8, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(hollow);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - radius + 1.2, centre.y() - radius + 1.2, 2 * radius - 2.4, 2 * radius - 2.4),
              -10 * 16, -80 * 16);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap rollButtonFace(bool pressed)
{
    const artwork::ButtonFaces faces = artwork::buttonFaces(
        QSize(dice::ButtonWidth, dice::ButtonHeight), QStringLiteral("Roll Dice"), QColor(30, 80, 200));
    return pressed ? faces.pressed : faces.released;
}

} // namespace diceart
