#include "app/Artwork.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>

#include <cmath>
#include <utility>

namespace artwork {
namespace {

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QFont pixelFont(const QString& family, int pixels, bool bold, bool italic = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// A soft near-black outline reads better than pure black at icon sizes.
const QColor kInk(36, 30, 26);

QPen inkPen(qreal width = 1.0, const QColor& colour = kInk)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient downwards(qreal top, qreal bottom, const QColor& upper, const QColor& lower)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, upper);
    gradient.setColorAt(1, lower);
    return gradient;
}

// Shading of a sphere lit from the top left.
QRadialGradient sphere(QPointF centre, qreal radius, const QColor& colour)
{
    QRadialGradient gradient(centre, radius, centre + QPointF(-radius * 0.4, -radius * 0.45));
    gradient.setColorAt(0.0, mix(colour, Qt::white, 0.75));
    gradient.setColorAt(0.45, colour);
    gradient.setColorAt(1.0, colour.darker(170));
    return gradient;
}

// ---------------------------------------------------------------- icons

void drawPaintProgram(QPainter& p)
{
    QPainterPath board;
    board.addEllipse(QRectF(1.5, 5.5, 27, 21));
    QPainterPath thumbHole;
    thumbHole.addEllipse(QRectF(6.5, 16.5, 5, 4.5));
    board = board.subtracted(thumbHole);
    p.setPen(inkPen());
    p.setBrush(downwards(5, 27, QColor(246, 218, 164), QColor(198, 146, 84)));
    p.drawPath(board);

    const struct { QPointF at; QColor colour; } blobs[] = {
        {{8.0, 11.5}, QColor(226, 30, 30)},  {{13.5, 9.0}, QColor(255, 214, 0)},
        {{19.5, 9.0}, QColor(30, 170, 50)},  {{24.0, 13.0}, QColor(30, 80, 230)},
        {{22.5, 20.0}, QColor(150, 40, 190)},
    };
    for (const auto& blob : blobs) {
        p.setPen(inkPen(0.8, blob.colour.darker(200)));
        p.setBrush(sphere(blob.at, 2.6, blob.colour));
        p.drawEllipse(blob.at, 2.5, 2.2);
    }

    // The brush lies across the palette, tip up and to the left.
    p.save();
    p.translate(13.5, 14.5);
    p.rotate(45);
    QPainterPath bristles;
    bristles.moveTo(0, 0);
    bristles.quadTo(2, -2.4, 6.5, -1.9);
    bristles.lineTo(6.5, 1.9);
    bristles.quadTo(2, 2.4, 0, 0);
    QLinearGradient paint(0, 0, 6.5, 0);
    paint.setColorAt(0, QColor(220, 20, 20));
    paint.setColorAt(0.45, QColor(200, 20, 20));
    paint.setColorAt(0.55, QColor(70, 45, 30));
    paint.setColorAt(1, QColor(50, 35, 25));
    p.setPen(inkPen(0.8));
    p.setBrush(paint);
    p.drawPath(bristles);
    p.setBrush(downwards(-2, 2, QColor(240, 240, 245), QColor(120, 120, 135)));
    p.drawRect(QRectF(6.5, -2, 3, 4));
    p.setBrush(downwards(-1.7, 1.7, QColor(230, 90, 60), QColor(120, 20, 10)));
    p.drawRoundedRect(QRectF(9.5, -1.7, 12.5, 3.4), 1.7, 1.7);
    p.restore();
}

void drawGradientWallpaper(QPainter& p)
{
    p.setPen(inkPen());
    p.setBrush(downwards(3, 25, QColor(236, 234, 226), QColor(168, 164, 150)));
    p.drawRoundedRect(QRectF(1.5, 2.5, 29, 22), 2.5, 2.5);

    QLinearGradient screen(0, 5.5, 0, 21.5);
    screen.setColorAt(0.0, QColor(10, 20, 140));
    screen.setColorAt(0.5, QColor(170, 40, 170));
    screen.setColorAt(1.0, QColor(255, 170, 30));
    p.setPen(inkPen(1, QColor(70, 70, 70)));
    p.setBrush(screen);
    p.drawRect(QRectF(4.5, 5.5, 23, 16));
    // Glare across the glass.
    QPainterPath glare;
    glare.moveTo(5, 6);
    glare.lineTo(17, 6);
    glare.lineTo(5, 15);
    glare.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 55));
    p.drawPath(glare);
    p.setBrush(QColor(60, 220, 60));
    p.drawEllipse(QPointF(26.5, 23.0), 0.9, 0.9);

    p.setPen(inkPen());
    p.setBrush(QColor(150, 146, 134));
    p.drawRect(QRectF(12.5, 24.5, 7, 3));
    p.setBrush(downwards(27, 31, QColor(220, 218, 208), QColor(150, 146, 134)));
    p.drawRoundedRect(QRectF(6.5, 27.5, 19, 3), 1.5, 1.5);
}

void drawWallpaperHanger(QPainter& p)
{
    p.setPen(inkPen(1, QColor(90, 70, 50)));
    p.drawLine(QPointF(16, 3.5), QPointF(6, 11.5));
    p.drawLine(QPointF(16, 3.5), QPointF(26, 11.5));
    p.setPen(inkPen(0.8));
    p.setBrush(sphere({16, 3.5}, 2, QColor(160, 160, 170)));
    p.drawEllipse(QPointF(16, 3.5), 1.8, 1.8);

    p.setPen(inkPen());
    QLinearGradient gold(0, 10, 32, 30);
    gold.setColorAt(0, QColor(255, 236, 140));
    gold.setColorAt(0.5, QColor(214, 160, 40));
    gold.setColorAt(1, QColor(140, 90, 10));
    p.setBrush(gold);
    p.drawRect(QRectF(2.5, 10.5, 27, 19));

    const QRectF picture(5.5, 13.5, 21, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(downwards(13, 27, QColor(80, 150, 250), QColor(200, 230, 255)));
    p.drawRect(picture);
    p.save();
    p.setClipRect(picture);
    p.setBrush(sphere({22.5, 17.5}, 2.6, QColor(255, 210, 0)));
    p.drawEllipse(QPointF(22.5, 17.5), 2.5, 2.5);
    QPainterPath farHill;
    farHill.moveTo(5, 23);
    farHill.quadTo(12, 15, 20, 22);
    farHill.lineTo(27, 27);
    farHill.lineTo(5, 27);
    p.setBrush(QColor(40, 130, 50));
    p.drawPath(farHill);
    QPainterPath nearHill;
    nearHill.moveTo(5, 26);
    nearHill.quadTo(18, 18, 27, 23);
    nearHill.lineTo(27, 27);
    nearHill.lineTo(5, 27);
    p.setBrush(downwards(20, 27, QColor(110, 210, 70), QColor(50, 150, 40)));
    p.drawPath(nearHill);
    p.restore();
    p.setPen(inkPen(1, QColor(120, 80, 10)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(picture);
}

void drawMusicPads(QPainter& p)
{
    p.setPen(QPen(QColor(120, 130, 170), 1));
    for (int line = 0; line < 5; ++line)
        p.drawLine(QPointF(1, 8.5 + line * 5), QPointF(31, 8.5 + line * 5));

    const QColor navy(20, 30, 120);
    // Beam first, stems and heads over it.
    QPainterPath beam;
    beam.moveTo(11.2, 4.5);
    beam.lineTo(25.2, 1.5);
    beam.lineTo(25.2, 5.5);
    beam.lineTo(11.2, 8.5);
    beam.closeSubpath();
    p.setPen(inkPen(0.8));
    p.setBrush(navy);
    p.drawPath(beam);
    p.setPen(QPen(navy.darker(130), 1.6));
    p.drawLine(QPointF(11.2, 6), QPointF(11.2, 24));
    p.drawLine(QPointF(25.2, 3), QPointF(25.2, 21));

    for (const QPointF at : {QPointF(8.2, 24.5), QPointF(22.2, 21.5)}) {
        p.save();
        p.translate(at);
        p.rotate(-25);
        p.setPen(inkPen(0.8));
        p.setBrush(sphere({-1, -1}, 4.5, QColor(40, 60, 190)));
        p.drawEllipse(QPointF(0, 0), 3.8, 2.7);
        p.restore();
    }
}

void drawDie(QPainter& p, QPointF centre, qreal size, qreal angle, const QColor& face,
             const QColor& spot, int value)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const qreal half = size / 2;
    QLinearGradient shade(-half, -half, half, half);
    shade.setColorAt(0, mix(face, Qt::white, 0.6));
    shade.setColorAt(1, face.darker(125));
    p.setPen(inkPen());
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(-half, -half, size, size), size * 0.2, size * 0.2);

    const qreal d = size * 0.27;
    const qreal r = size * 0.095;
    QList<QPointF> spots;
    if (value % 2 == 1)
        spots << QPointF(0, 0);
    if (value >= 2)
        spots << QPointF(-d, -d) << QPointF(d, d);
    if (value >= 4)
        spots << QPointF(d, -d) << QPointF(-d, d);
    if (value == 6)
        spots << QPointF(-d, 0) << QPointF(d, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(spot);
    for (const QPointF& s : spots)
        p.drawEllipse(s, r, r);
    p.restore();
}

void drawDice(QPainter& p)
{
    drawDie(p, {21, 11.5}, 15, 18, QColor(210, 30, 30), Qt::white, 3);
    drawDie(p, {12.5, 20.5}, 17, -10, QColor(250, 244, 220), QColor(20, 20, 20), 5);
}

void drawReactionGame(QPainter& p)
{
    p.setPen(inkPen());
    p.setBrush(downwards(14, 31, QColor(120, 120, 130), QColor(40, 40, 48)));
    p.drawEllipse(QRectF(1.5, 14.5, 29, 15));
    // The cap: its side, then its top.
    p.setBrush(QColor(140, 10, 10));
    p.drawRoundedRect(QRectF(5.5, 13, 21, 11), 10.5, 5.5);
    QRadialGradient top(QPointF(16, 14), 12, QPointF(12, 11));
    top.setColorAt(0, QColor(255, 150, 140));
    top.setColorAt(0.4, QColor(235, 30, 30));
    top.setColorAt(1, QColor(160, 10, 10));
    p.setBrush(top);
    p.drawEllipse(QRectF(5.5, 8.5, 21, 11));

    QPainterPath bolt;
    bolt.moveTo(20.5, 0.5);
    bolt.lineTo(10.5, 14.5);
    bolt.lineTo(16, 14.5);
    bolt.lineTo(12, 27.5);
    bolt.lineTo(24.5, 11.5);
    bolt.lineTo(18.5, 11.5);
    bolt.lineTo(24.5, 0.5);
    bolt.closeSubpath();
    p.setPen(inkPen(1, QColor(120, 70, 0)));
    p.setBrush(downwards(0, 28, QColor(255, 250, 150), QColor(255, 180, 0)));
    p.drawPath(bolt);
}

void drawLotteryBall(QPainter& p, QPointF centre, qreal radius, const QColor& colour,
                     const QString& number)
{
    p.setPen(inkPen(0.9));
    p.setBrush(sphere(centre, radius, colour));
    p.drawEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(centre + QPointF(0.3, 0.5), radius * 0.55, radius * 0.55);
    p.setPen(QColor(20, 20, 20));
    p.setFont(pixelFont(QStringLiteral("Arial"), 8, true));
    p.drawText(QRectF(centre.x() - radius + 0.3, centre.y() - radius + 0.5, radius * 2, radius * 2),
               Qt::AlignCenter, number);
}

void drawLottery(QPainter& p)
{
    drawLotteryBall(p, {16, 9.5}, 8, QColor(40, 90, 230), QStringLiteral("7"));
    drawLotteryBall(p, {8.5, 22}, 8, QColor(225, 30, 30), QStringLiteral("3"));
    drawLotteryBall(p, {23.5, 22}, 8, QColor(250, 200, 0), QStringLiteral("5"));
}

void drawCalendar(QPainter& p)
{
    const QRectF page(3.5, 5.5, 25, 24);
    QPainterPath sheet;
    sheet.addRoundedRect(page, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(downwards(5, 30, Qt::white, QColor(214, 214, 220)));
    p.drawPath(sheet);
    QPainterPath header;
    header.addRect(QRectF(page.left(), page.top(), page.width(), 7.5));
    p.setBrush(downwards(5, 13, QColor(250, 80, 70), QColor(180, 10, 10)));
    p.drawPath(sheet.intersected(header));
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(sheet);
    p.drawLine(QPointF(page.left(), 13), QPointF(page.right(), 13));

    for (qreal x : {10.0, 22.0}) {
        p.setBrush(downwards(2, 9, QColor(240, 240, 245), QColor(110, 110, 125)));
        p.drawRoundedRect(QRectF(x - 1.5, 2.5, 3, 6), 1.2, 1.2);
    }
    p.setPen(QColor(30, 30, 40));
    p.setFont(pixelFont(QStringLiteral("Arial"), 14, true));
    p.drawText(QRectF(page.left(), 13.5, page.width(), 16), Qt::AlignCenter, QStringLiteral("31"));
}

void drawTypingTutor(QPainter& p)
{
    QPainterPath cable;
    cable.moveTo(16, 10);
    cable.cubicTo(16, 5, 24, 7, 25, 1);
    p.setPen(QPen(QColor(70, 70, 80), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);

    p.setPen(inkPen());
    p.setBrush(downwards(9, 28, QColor(236, 232, 218), QColor(178, 172, 156)));
    p.drawRoundedRect(QRectF(0.5, 9.5, 31, 19), 2.5, 2.5);

    auto key = [&p](QRectF r, const QColor& colour) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour.darker(170));
        p.drawRoundedRect(r.translated(0.5, 0.6), 0.8, 0.8);
        p.setBrush(downwards(r.top(), r.bottom(), mix(colour, Qt::white, 0.6), colour));
        p.drawRoundedRect(r, 0.8, 0.8);
    };
    const QColor keyColour(222, 220, 212);
    for (int row = 0; row < 3; ++row) {
        const qreal y = 12 + row * 4.2;
        const qreal x0 = 3 + row * 1.3;
        for (int column = 0; column < 7 - (row == 2 ? 1 : 0); ++column) {
            const bool homeKey = row == 1 && (column == 0 || column == 3);
            key(QRectF(x0 + column * 3.8, y, 3.0, 3.0),
                homeKey ? QColor(230, 60, 40) : keyColour);
        }
    }
    key(QRectF(8, 24.2, 15, 2.4), keyColour);
}

void drawFontUtilities(QPainter& p)
{
    QPainterPath capital;
    capital.addText(QPointF(0.5, 27), pixelFont(QStringLiteral("Times New Roman"), 30, true),
                    QStringLiteral("A"));
    p.setPen(inkPen(0.8, QColor(90, 0, 0)));
    p.setBrush(downwards(6, 27, QColor(240, 60, 50), QColor(140, 0, 0)));
    p.drawPath(capital);

    QPainterPath small;
    small.addText(QPointF(19, 28), pixelFont(QStringLiteral("Arial"), 18, true), QStringLiteral("a"));
    p.setPen(inkPen(0.8, QColor(0, 20, 90)));
    p.setBrush(downwards(14, 28, QColor(80, 140, 255), QColor(10, 40, 170)));
    p.drawPath(small);
}

void drawArrow(QPainter& p, qreal y, qreal from, qreal to, const QColor& colour)
{
    const qreal dir = to > from ? 1 : -1;
    const qreal neck = to - dir * 6;
    QPainterPath arrow;
    arrow.moveTo(from, y - 1.5);
    arrow.lineTo(neck, y - 1.5);
    arrow.lineTo(neck, y - 4.5);
    arrow.lineTo(to, y);
    arrow.lineTo(neck, y + 4.5);
    arrow.lineTo(neck, y + 1.5);
    arrow.lineTo(from, y + 1.5);
    arrow.closeSubpath();
    p.setPen(inkPen(0.9));
    p.setBrush(downwards(y - 4.5, y + 4.5, mix(colour, Qt::white, 0.5), colour.darker(130)));
    p.drawPath(arrow);
}

void drawConversions(QPainter& p)
{
    p.setPen(inkPen());
    p.setBrush(downwards(19, 29, QColor(255, 236, 110), QColor(226, 170, 20)));
    p.drawRect(QRectF(1.5, 19.5, 29, 9));
    p.setPen(QPen(QColor(70, 50, 0), 1));
    for (int i = 0; i <= 8; ++i) {
        const qreal x = 4.5 + i * 3;
        p.drawLine(QPointF(x, 20), QPointF(x, i % 2 == 0 ? 24 : 22));
    }
    drawArrow(p, 5.5, 2.5, 29.5, QColor(30, 90, 230));
    drawArrow(p, 14, 29.5, 2.5, QColor(20, 160, 40));
}

void drawStateCodes(QPainter& p)
{
    p.setPen(inkPen(0.8));
    QLinearGradient pole(1.5, 0, 4.5, 0);
    pole.setColorAt(0, QColor(220, 220, 225));
    pole.setColorAt(1, QColor(110, 110, 120));
    p.setBrush(pole);
    p.drawRect(QRectF(1.8, 3, 2.2, 28.5));
    p.setBrush(sphere({2.9, 2.5}, 2, QColor(240, 190, 30)));
    p.drawEllipse(QPointF(2.9, 2.5), 2, 2);

    const QRectF flag(4, 4, 27, 21);
    p.setPen(Qt::NoPen);
    for (int stripe = 0; stripe < 7; ++stripe) {
        p.setBrush(stripe % 2 == 0 ? QColor(210, 20, 40) : QColor(255, 255, 255));
        p.drawRect(QRectF(flag.left(), flag.top() + stripe * 3, flag.width(), 3));
    }
    p.setBrush(QColor(20, 40, 130));
    p.drawRect(QRectF(flag.left(), flag.top(), 12, 12));
    p.setBrush(Qt::white);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            p.drawEllipse(QPointF(flag.left() + 2.2 + column * 3.8 + (row % 2) * 0.9,
                                  flag.top() + 2.2 + row * 3.8),
                          0.85, 0.85);
    // Folds of the cloth.
    QLinearGradient folds(flag.left(), 0, flag.right(), 0);
    folds.setColorAt(0.00, QColor(255, 255, 255, 0));
    folds.setColorAt(0.25, QColor(255, 255, 255, 60));
    folds.setColorAt(0.50, QColor(0, 0, 0, 50));
    folds.setColorAt(0.75, QColor(255, 255, 255, 50));
    folds.setColorAt(1.00, QColor(0, 0, 0, 45));
    p.setBrush(folds);
    p.drawRect(flag);
    p.setPen(inkPen(1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(flag.adjusted(0, 0.5, -0.5, -0.5));
}

void drawStopwatch(QPainter& p)
{
    p.setPen(inkPen(0.8));
    p.setBrush(downwards(1, 7, QColor(240, 240, 245), QColor(120, 120, 130)));
    p.drawRect(QRectF(14.5, 4, 3, 3));
    p.drawRoundedRect(QRectF(12.5, 1, 7, 3), 1, 1);
    p.save();
    p.translate(25.5, 8.5);
    p.rotate(45);
    p.drawRoundedRect(QRectF(-1.5, -2.5, 3, 4), 0.8, 0.8);
    p.restore();

    const QPointF centre(16, 18.5);
    p.setPen(inkPen());
    p.setBrush(sphere(centre, 13, QColor(180, 182, 195)));
    p.drawEllipse(centre, 12.5, 12.5);
    p.setPen(QPen(QColor(90, 90, 100), 0.8));
    p.setBrush(downwards(8, 29, Qt::white, QColor(222, 226, 236)));
    p.drawEllipse(centre, 10, 10);

    for (int tick = 0; tick < 12; ++tick) {
        const qreal a = qDegreesToRadians(tick * 30.0);
        const qreal inner = tick % 3 == 0 ? 6.8 : 8.0;
        const QPointF unit(qSin(a), -qCos(a));
        p.setPen(QPen(QColor(40, 40, 50), tick % 3 == 0 ? 1.4 : 0.9));
        p.drawLine(centre + unit * inner, centre + unit * 9.2);
    }
    const qreal hand = qDegreesToRadians(50.0);
    p.setPen(inkPen(1.4, QColor(210, 20, 20)));
    p.drawLine(centre - QPointF(qSin(hand), -qCos(hand)) * 2, centre + QPointF(qSin(hand), -qCos(hand)) * 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 50));
    p.drawEllipse(centre, 1.4, 1.4);
}

void drawMouseGame(QPainter& p)
{
    QPainterPath cable;
    cable.moveTo(16, 8);
    cable.cubicTo(16, 3, 23, 6, 25, 0.5);
    p.setPen(QPen(QColor(70, 70, 80), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);

    QPainterPath body;
    body.addRoundedRect(QRectF(7.5, 7.5, 17, 24), 8.5, 9);
    p.setPen(inkPen());
    QLinearGradient shade(7, 0, 25, 0);
    shade.setColorAt(0, QColor(255, 254, 248));
    shade.setColorAt(0.6, QColor(228, 224, 212));
    shade.setColorAt(1, QColor(170, 165, 150));
    p.setBrush(shade);
    p.drawPath(body);

    QPainterPath leftButton;
    leftButton.addRect(QRectF(7, 7, 9, 10.5));
    p.setPen(Qt::NoPen);
    p.setBrush(downwards(7, 18, QColor(255, 110, 90), QColor(200, 20, 20)));
    p.drawPath(body.intersected(leftButton));
    p.setPen(inkPen(0.9));
    p.drawLine(QPointF(16, 7.5), QPointF(16, 17.5));
    QPainterPath seam;
    seam.moveTo(7.8, 17);
    seam.quadTo(16, 19, 24.2, 17);
    p.setBrush(Qt::NoBrush);
    p.drawPath(seam);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(QRectF(9.5, 20, 3, 8));
}

void drawMagnifier(QPainter& p)
{
    QPen handleOutline(kInk, 6);
    handleOutline.setCapStyle(Qt::RoundCap);
    p.setPen(handleOutline);
    p.drawLine(QPointF(20, 20), QPointF(28.5, 28.5));
    QPen handle(QColor(120, 60, 20), 4);
    handle.setCapStyle(Qt::RoundCap);
    p.setPen(handle);
    p.drawLine(QPointF(20, 20), QPointF(28.5, 28.5));
    p.setPen(QPen(QColor(200, 130, 70), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 20.4), QPointF(28, 27.4));

    const QPointF centre(12.5, 12.5);
    p.setPen(inkPen());
    p.setBrush(sphere(centre, 11.5, QColor(170, 172, 185)));
    p.drawEllipse(centre, 11, 11);
    QRadialGradient lens(centre, 9, centre + QPointF(-3, -3));
    lens.setColorAt(0, QColor(240, 250, 255));
    lens.setColorAt(0.6, QColor(170, 210, 245));
    lens.setColorAt(1, QColor(100, 150, 215));
    p.setPen(inkPen(0.8, QColor(60, 60, 70)));
    p.setBrush(lens);
    p.drawEllipse(centre, 8, 8);
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - 5.5, centre.y() - 5.5, 11, 11), 100 * 16, 60 * 16);
}

void drawAnniversaries(QPainter& p)
{
    p.setPen(inkPen(0.8));
    p.setBrush(downwards(27, 31, QColor(250, 250, 255), QColor(170, 170, 185)));
    p.drawEllipse(QRectF(1, 26.5, 30, 5));

    const QColor sponge(236, 150, 176);
    auto tier = [&](QRectF r) {
        p.setPen(inkPen());
        p.setBrush(downwards(r.top(), r.bottom(), sponge.lighter(110), sponge.darker(125)));
        p.drawRoundedRect(r, 1.5, 1.5);
        QPainterPath icing;
        icing.moveTo(r.left(), r.top() + 1.5);
        icing.quadTo(r.left(), r.top(), r.left() + 1.5, r.top());
        icing.lineTo(r.right() - 1.5, r.top());
        icing.quadTo(r.right(), r.top(), r.right(), r.top() + 1.5);
        const int drips = int(r.width() / 4);
        const qreal step = r.width() / drips;
        for (int i = drips; i > 0; --i) {
            const qreal x = r.left() + i * step;
            icing.quadTo(x - step / 2, r.top() + 5.5, x - step, r.top() + 2.2);
        }
        icing.closeSubpath();
        p.setPen(inkPen(0.7, QColor(150, 120, 120)));
        p.setBrush(QColor(255, 252, 246));
        p.drawPath(icing);
    };
    tier(QRectF(4.5, 18.5, 23, 10));
    tier(QRectF(8.5, 12.5, 15, 6.5));

    for (qreal x : {11.5, 16.0, 20.5}) {
        p.setPen(inkPen(0.7));
        QLinearGradient wax(x - 1, 0, x + 1, 0);
        wax.setColorAt(0, QColor(160, 200, 255));
        wax.setColorAt(1, QColor(40, 90, 210));
        p.setBrush(wax);
        p.drawRect(QRectF(x - 1, 6.5, 2, 6));
        QPainterPath flame;
        flame.moveTo(x, 0.8);
        flame.quadTo(x + 2.2, 3.8, x, 5.6);
        flame.quadTo(x - 2.2, 3.8, x, 0.8);
        QRadialGradient glow(QPointF(x, 4.2), 2.6);
        glow.setColorAt(0, QColor(255, 255, 200));
        glow.setColorAt(0.5, QColor(255, 200, 0));
        glow.setColorAt(1, QColor(240, 90, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawPath(flame);
    }
}

// ---------------------------------------------------------------- bevels

// A 1-pixel ring of a bevel: top and left in one colour, bottom and right in another.
void bevelRing(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    p.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 1), bottomRight);
}

QImage buttonContent(QSize size, const QString& text, const QColor& colour)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = size.height();

    QLinearGradient face(0, 0, 0, h);
    face.setColorAt(0.00, mix(colour, Qt::white, 0.55));
    face.setColorAt(0.48, mix(colour, Qt::white, 0.12));
    face.setColorAt(0.52, colour);
    face.setColorAt(1.00, colour.darker(150));
    p.fillRect(image.rect(), face);
    // Soft sheen over the upper half.
    QLinearGradient sheen(0, 0, 0, h * 0.5);
    sheen.setColorAt(0, QColor(255, 255, 255, 90));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, size.width(), h * 0.5), sheen);

    // Glyphs go through the font cache rather than as outline paths: the
    // store draws its buttons at start-up, when every millisecond shows.
    const QFont font = pixelFont(QStringLiteral("Arial"), qMax(8, int(h * 0.68)), true);
    const QFontMetricsF metrics(font);
    // Centre the capitals, not the descenders, so "Stop" sits where "Start" does.
    const qreal capHeight = metrics.capHeight();
    const int baseline = int(std::round((h + capHeight) / 2));
    const int left = int(std::round((size.width() - metrics.horizontalAdvance(text)) / 2));
    p.setFont(font);
    p.setPen(withAlpha(colour.darker(500), 170));
    p.drawText(left + 3, baseline + 3, text);
    p.setPen(colour.darker(300));
    for (const QPoint edge : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
        p.drawText(QPoint(left, baseline) + edge, text);
    p.setPen(QPen(QBrush(downwards(baseline - capHeight, baseline, Qt::white, QColor(214, 218, 230))), 1));
    p.drawText(left, baseline, text);
    return image;
}

} // namespace

QPixmap menuIcon(int entry)
{
    using Draw = void (*)(QPainter&);
    Draw draw = nullptr;
    switch (entry) {
    case 1: draw = drawPaintProgram; break;
    case 3: draw = drawGradientWallpaper; break;
    case 4: draw = drawWallpaperHanger; break;
    case 5: draw = drawMusicPads; break;
    case 6: draw = drawDice; break;
    case 7: draw = drawReactionGame; break;
    case 8: draw = drawLottery; break;
    case 9: draw = drawCalendar; break;
    case 10: draw = drawTypingTutor; break;
    case 11: draw = drawFontUtilities; break;
    case 12: draw = drawConversions; break;
    case 14: draw = drawStateCodes; break;
    case 15: draw = drawStopwatch; break;
    case 16: draw = drawMouseGame; break;
    case 17: draw = drawMagnifier; break;
    case 18: draw = drawAnniversaries; break;
    default: return QPixmap();
    }
    QImage image = transparentImage(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap menuTitle(QSize size)
{
    if (size.isEmpty())
        return QPixmap();
    const int w = size.width();
    const int h = size.height();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient band(0, 0, w, 0);
    band.setColorAt(0, QColor(0, 0, 110));
    band.setColorAt(0.6, QColor(20, 90, 200));
    band.setColorAt(1, QColor(60, 160, 230));
    p.fillRect(image.rect(), band);
    QLinearGradient gloss(0, 0, 0, h);
    gloss.setColorAt(0, QColor(255, 255, 255, 70));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 10));
    gloss.setColorAt(0.5, QColor(0, 0, 0, 0));
    gloss.setColorAt(1, QColor(0, 0, 0, 50));
    p.fillRect(image.rect(), gloss);
    bevelRing(p, image.rect(), QColor(130, 170, 255), QColor(0, 0, 50));

    QPainterPath words;
    words.addText(0, 0, pixelFont(QStringLiteral("Times New Roman"), qMax(6, int(h * 0.78)), true, true),
                  QStringLiteral("Orvik 2000"));
    QRectF box = words.boundingRect();
    // Shrink to fit narrow headers.
    const qreal room = w - 12.0;
    if (box.width() > room && box.width() > 0) {
        const qreal scale = room / box.width();
        words = QTransform::fromScale(scale, scale).map(words);
        box = words.boundingRect();
    }
    words.translate(QPointF((w - box.width()) / 2 - box.left(), (h - box.height()) / 2 - box.top()).toPoint());
    box = words.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 30, 190));
    p.drawPath(words.translated(2, 2));
    QLinearGradient gold(0, box.top(), 0, box.bottom());
    gold.setColorAt(0, QColor(255, 255, 210));
    gold.setColorAt(0.45, QColor(255, 215, 60));
    gold.setColorAt(1, QColor(200, 120, 0));
    p.setPen(QPen(QColor(90, 40, 0), 1));
    p.setBrush(gold);
    p.drawPath(words);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap sponsorPicture()
{
    QImage image = transparentImage(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QPointF centre(14, 14);
    const qreal radius = 12.5;
    QPainterPath globe;
    globe.addEllipse(centre, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(sphere(centre, radius, QColor(30, 110, 220)));
    p.drawPath(globe);

    p.save();
    p.setClipPath(globe);
    p.setBrush(QColor(50, 170, 60));
    QPainterPath land;
    land.moveTo(5, 6);
    land.cubicTo(9, 2, 15, 4, 14, 8);
    land.cubicTo(13, 11, 9, 10, 10, 15);
    land.cubicTo(11, 20, 7, 22, 5, 19);
    land.cubicTo(2, 15, 2, 9, 5, 6);
    land.moveTo(18, 11);
    land.cubicTo(22, 9, 27, 12, 26, 17);
    land.cubicTo(25, 22, 20, 26, 18, 22);
    land.cubicTo(17, 19, 15, 14, 18, 11);
    p.drawPath(land);
    p.setPen(QPen(QColor(255, 255, 255, 80), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.45, radius);
    p.drawLine(QPointF(centre.x(), 0), QPointF(centre.x(), 28));
    p.drawLine(QPointF(0, centre.y()), QPointF(28, centre.y()));
    p.drawLine(QPointF(0, centre.y() - 6), QPointF(28, centre.y() - 6));
    p.drawLine(QPointF(0, centre.y() + 6), QPointF(28, centre.y() + 6));
    // Sheen of the sphere over the land.
    QRadialGradient sheen(centre + QPointF(-4, -5), 8);
    sheen.setColorAt(0, QColor(255, 255, 255, 120));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawPath(globe);
    p.restore();
    p.setPen(inkPen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(globe);

    // Two interlocked links of a chain: the web link of Linkware.
    auto link = [&p](QPointF at, qreal angle) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        const QRectF ring(-5.5, -2.8, 11, 5.6);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kInk, 4.2));
        p.drawRoundedRect(ring, 2.8, 2.8);
        p.setPen(QPen(QColor(220, 160, 20), 2.4));
        p.drawRoundedRect(ring, 2.8, 2.8);
        p.setPen(QPen(QColor(255, 240, 150), 0.9));
        p.drawArc(QRectF(-5.5, -2.8, 5.6, 5.6), 90 * 16, 90 * 16);
        p.restore();
    };
    link({20.5, 25.5}, -35);
    link({26.5, 20}, -35);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap splashLogo()
{
    const int w = 497;
    const int h = 79;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient night(0, 0, 0, h);
    night.setColorAt(0, QColor(0, 0, 40));
    night.setColorAt(0.55, QColor(10, 30, 120));
    night.setColorAt(1, QColor(0, 0, 50));
    p.fillRect(image.rect(), night);
    // A soft glow behind the letters and two sweeps of light through it.
    QRadialGradient glow(QPointF(w / 2.0, h * 0.55), w * 0.42);
    glow.setColorAt(0, QColor(70, 120, 255, 150));
    glow.setColorAt(1, QColor(70, 120, 255, 0));
    p.fillRect(image.rect(), glow);
    const struct { qreal lift; qreal thickness; QColor colour; } sweeps[] = {
        {0, 7, QColor(255, 170, 40)},
        {9, 3, QColor(200, 230, 255)},
    };
    for (const auto& sweep : sweeps) {
        QPainterPath band;
        band.moveTo(-10, 70 - sweep.lift);
        band.cubicTo(150, 44 - sweep.lift, 330, 72 - sweep.lift, 510, 14 - sweep.lift);
        band.cubicTo(330, 72 - sweep.lift + sweep.thickness * 1.6, 150, 44 - sweep.lift + sweep.thickness,
                     -10, 70 - sweep.lift + sweep.thickness * 0.4);
        band.closeSubpath();
        QLinearGradient fade(0, 0, w, 0);
        fade.setColorAt(0, withAlpha(sweep.colour, 0));
        fade.setColorAt(0.6, withAlpha(sweep.colour, 170));
        fade.setColorAt(1, withAlpha(sweep.colour, 240));
        p.setPen(Qt::NoPen);
        p.setBrush(fade);
        p.drawPath(band);
    }
    // A scatter of stars, placed by a fixed rule so the logo never changes.
    for (int i = 0; i < 40; ++i) {
        const qreal x = (i * 97 + 13) % w;
        const qreal y = (i * 53 + 7) % (h - 4) + 2;
        const int glow = 110 + (i * 37) % 140;
        p.setBrush(QColor(255, 255, 255, glow));
        p.drawEllipse(QPointF(x + 0.5, y + 0.5), 0.8, 0.8);
    }

    QPainterPath orvik;
    orvik.addText(0, 0, pixelFont(QStringLiteral("Times New Roman"), 80, true, true), QStringLiteral("Orvik"));
    QPainterPath year;
    year.addText(0, 0, pixelFont(QStringLiteral("Arial"), 62, true, true), QStringLiteral("2000"));
    const QRectF a = orvik.boundingRect();
    const QRectF b = year.boundingRect();
    const qreal gap = 22;
    const qreal left = (w - a.width() - gap - b.width()) / 2;
    const qreal baseline = h - 13;
    orvik.translate(left - a.left(), baseline);
    year.translate(left + a.width() + gap - b.left(), baseline);

    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPath(orvik.translated(4, 4));
    p.drawPath(year.translated(4, 4));

    QLinearGradient gold(0, baseline - a.height(), 0, baseline);
    gold.setColorAt(0.0, QColor(255, 255, 220));
    gold.setColorAt(0.45, QColor(255, 210, 40));
    gold.setColorAt(0.55, QColor(210, 130, 0));
    gold.setColorAt(1.0, QColor(255, 200, 60));
    p.setPen(QPen(QColor(70, 20, 0), 2));
    p.setBrush(gold);
    p.drawPath(orvik);

    QLinearGradient chrome(0, baseline - b.height(), 0, baseline);
    chrome.setColorAt(0.0, QColor(255, 255, 255));
    chrome.setColorAt(0.48, QColor(170, 190, 230));
    chrome.setColorAt(0.52, QColor(60, 70, 120));
    chrome.setColorAt(1.0, QColor(220, 230, 255));
    p.setPen(QPen(QColor(0, 0, 30), 2));
    p.setBrush(chrome);
    p.drawPath(year);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap borderStrip(QSize size, Qt::Orientation orientation)
{
    if (size.isEmpty())
        return QPixmap();
    // Drawn running down; the horizontal strip is the same picture turned.
    const bool down = orientation == Qt::Vertical;
    const int thickness = down ? size.width() : size.height();
    const int length = down ? size.height() : size.width();
    QImage image(thickness, length, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient bar(0, 0, thickness, 0);
    bar.setColorAt(0.00, QColor(30, 60, 150));
    bar.setColorAt(0.30, QColor(150, 195, 255));
    bar.setColorAt(0.45, QColor(90, 140, 235));
    bar.setColorAt(1.00, QColor(10, 25, 90));
    p.fillRect(image.rect(), bar);
    p.fillRect(QRect(0, 0, 1, length), QColor(200, 225, 255));
    p.fillRect(QRect(thickness - 1, 0, 1, length), QColor(0, 0, 40));

    // Gold studs at even spacing, centred on the bar, joined by an engraved
    // groove (a dark line with a light one beside it).
    const qreal stud = qMax<qreal>(1.5, thickness * 0.2);
    const int spacing = qMax(8, thickness * 2);
    const qreal cx = thickness / 2.0;
    const qreal groove = stud + 2.5;
    for (int y = spacing / 2; y < length; y += spacing) {
        const QPointF at(cx, y + 0.5);
        p.setPen(QPen(QColor(60, 30, 0), 0.8));
        p.setBrush(sphere(at, stud + 0.5, QColor(235, 175, 30)));
        p.drawEllipse(at, stud, stud);
        p.setPen(QPen(QColor(0, 10, 60, 160), 1));
        p.drawLine(QPointF(cx - 0.5, at.y() + groove), QPointF(cx - 0.5, at.y() + spacing - groove));
        p.setPen(QPen(QColor(190, 215, 255, 150), 1));
        p.drawLine(QPointF(cx + 0.5, at.y() + groove), QPointF(cx + 0.5, at.y() + spacing - groove));
    }
    p.end();
    if (!down)
        image = image.transformed(QTransform().rotate(90));
    return QPixmap::fromImage(std::move(image));
}

ButtonFaces buttonFaces(QSize size, const QString& text, const QColor& colour)
{
    ButtonFaces faces;
    if (size.width() <= 2 * kButtonBevel || size.height() <= 2 * kButtonBevel)
        return faces;
    const QRect inner = QRect(QPoint(0, 0), size).adjusted(kButtonBevel, kButtonBevel, -kButtonBevel, -kButtonBevel);
    const QImage content = buttonContent(inner.size(), text, colour);

    QImage released(size, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&released);
        p.drawImage(inner.topLeft(), content);
        bevelRing(p, released.rect(), mix(colour, Qt::white, 0.85), QColor(0, 0, 0));
        bevelRing(p, released.rect().adjusted(1, 1, -1, -1), mix(colour, Qt::white, 0.6), colour.darker(260));
        bevelRing(p, released.rect().adjusted(2, 2, -2, -2), mix(colour, Qt::white, 0.35), colour.darker(180));
    }
    QImage pressed(size, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter p(&pressed);
        // The face sinks: what shows at the top and left is its shadow.
        p.fillRect(inner, colour.darker(220));
        p.setClipRect(inner);
        p.drawImage(inner.topLeft() + QPoint(kButtonPressShift, kButtonPressShift), content);
        p.setClipping(false);
        bevelRing(p, pressed.rect(), colour.darker(300), mix(colour, Qt::white, 0.85));
        bevelRing(p, pressed.rect().adjusted(1, 1, -1, -1), QColor(0, 0, 0), mix(colour, Qt::white, 0.5));
        bevelRing(p, pressed.rect().adjusted(2, 2, -2, -2), colour.darker(250), colour.lighter(110));
    }
    faces.released = QPixmap::fromImage(std::move(released));
    faces.pressed = QPixmap::fromImage(std::move(pressed));
    return faces;
}

} // namespace artwork
