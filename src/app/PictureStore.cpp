#include "app/PictureStore.h"

#include "app/Artwork.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <array>
#include <utility>

namespace {

constexpr QSize kDigitSize(25, 41);
constexpr QSize kBallDigitSize(12, 26);
constexpr int kBallOneWidth = 6;
constexpr QSize kButtonSize(361, 73);
constexpr QSize kBackLightSize(105, 105);
constexpr int kRedGradientHeight = 227;
// Below this many bits per pixel a smooth gradient would band badly.
constexpr int kGradientDepth = 16;

// ------------------------------------------------------------ LED digits

// Seven segments, a to g in the usual order: top, top right, bottom right,
// bottom, bottom left, top left, middle.
enum Segment { A, B, C, D, E, F, G };

constexpr std::array<unsigned, 10> kDigitSegments = {
    0b0111111, // 0: abcdef
    0b0000110, // 1: bc
    0b1011011, // 2: abdeg
    0b1001111, // 3: abcdg
    0b1100110, // 4: bcfg
    0b1101101, // 5: acdfg
    0b1111101, // 6: acdefg
    0b0000111, // 7: abc
    0b1111111, // 8
    0b1101111, // 9: abcdfg
};

// Segment centre lines sit on whole pixels with even thickness, so every
// straight edge falls on a pixel boundary and stays sharp.
constexpr qreal kThick = 4;
constexpr qreal kGap = 1.2;
constexpr qreal kLeft = 5;   // centre line of the left segments
constexpr qreal kRight = 20; // centre line of the right segments
constexpr qreal kTop = 5;
constexpr qreal kMiddle = 20;
constexpr qreal kBottom = 35;

QPolygonF horizontalSegment(qreal y)
{
    const qreal h = kThick / 2;
    return QPolygonF({QPointF(kLeft + kGap, y), QPointF(kLeft + kGap + h, y - h),
                      QPointF(kRight - kGap - h, y - h), QPointF(kRight - kGap, y),
                      QPointF(kRight - kGap - h, y + h), QPointF(kLeft + kGap + h, y + h)});
}

QPolygonF verticalSegment(qreal x, qreal top, qreal bottom)
{
    const qreal h = kThick / 2;
    return QPolygonF({QPointF(x, top + kGap), QPointF(x + h, top + kGap + h),
                      QPointF(x + h, bottom - kGap - h), QPointF(x, bottom - kGap),
                      QPointF(x - h, bottom - kGap - h), QPointF(x - h, top + kGap + h)});
}

QPolygonF segmentShape(Segment segment)
{
    switch (segment) {
    case A: return horizontalSegment(kTop);
    case B: return verticalSegment(kRight, kTop, kMiddle);
    case C: return verticalSegment(kRight, kMiddle, kBottom);
    case D: return horizontalSegment(kBottom);
    case E: return verticalSegment(kLeft, kMiddle, kBottom);
    case F: return verticalSegment(kLeft, kTop, kMiddle);
    case G: return horizontalSegment(kMiddle);
    }
    return {};
}

const QColor kDisplayBlack(0, 0, 0);
const QColor kUnlit(62, 10, 8);
const QColor kLit(255, 36, 20);

void paintLit(QPainter& p, const QPolygonF& shape)
{
    // A faint halo first, as a real LED bleeds into its window.
    p.setPen(QPen(QColor(255, 0, 0, 70), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(kLit);
    p.drawPolygon(shape);
}

// Every segment is drawn once, unlit on the blank display and lit on a layer
// of its own; a digit is then the blank display with its lit layers laid
// over it, which keeps the start-up cost to a few cheap copies.
QImage blankDisplay()
{
    QImage image(kDigitSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(kDisplayBlack);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kUnlit);
    for (int s = A; s <= G; ++s)
        p.drawPolygon(segmentShape(Segment(s)));
    return image;
}

QImage litSegment(Segment segment)
{
    QImage image(kDigitSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF shape = segmentShape(segment);
    paintLit(p, shape);
    // A hotter core along the middle of the segment, between its two tips.
    p.setPen(QPen(QColor(255, 170, 140, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine((shape[0] * 3 + shape[3]) / 4, (shape[0] + shape[3] * 3) / 4);
    return image;
}

QPixmap ledDigit(const QImage& blank, const std::array<QImage, 7>& lit, unsigned segments)
{
    QImage image = blank.copy();
    QPainter p(&image);
    for (int s = A; s <= G; ++s)
        if (segments & (1u << s))
            p.drawImage(0, 0, lit[s]);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap ledColon()
{
    QImage image(kDigitSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(kDisplayBlack);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (const QRectF dot : {QRectF(10, 11, 5, 5), QRectF(10, 24, 5, 5)}) {
        QPolygonF shape(dot);
        shape.removeLast();
        paintLit(p, shape);
    }
    p.end();
    return QPixmap::fromImage(std::move(image));
}

// ------------------------------------------------------------ ball digits

// The digits are one bold sans face squeezed to the tall proportions of a
// lottery ball's print: every glyph gets the same two scale factors, taken
// so that 0 fills the 12 x 26 cell less a pixel of margin all round.
std::array<QPixmap, 10> ballDigits()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(100);
    font.setBold(true);
    // The outlines are rescaled anyway; running the hinter would only cost time.
    font.setHintingPreference(QFont::PreferNoHinting);
    std::array<QPainterPath, 10> glyphs;
    for (int d = 0; d < 10; ++d)
        glyphs[d].addText(0, 0, font, QString::number(d));
    const QRectF zero = glyphs[0].boundingRect();
    const qreal sx = (kBallDigitSize.width() - 2) / zero.width();
    const qreal sy = (kBallDigitSize.height() - 2) / zero.height();

    std::array<QPixmap, 10> result;
    for (int d = 0; d < 10; ++d) {
        const int width = d == 1 ? kBallOneWidth : kBallDigitSize.width();
        QImage image(width, kBallDigitSize.height(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        const QRectF box = glyphs[d].boundingRect();
        QTransform fit;
        fit.translate((width - box.width() * sx) / 2, 1);
        fit.scale(sx, sy);
        fit.translate(-box.left(), -zero.top());
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(24, 20, 40));
        p.drawPath(fit.map(glyphs[d]));
        p.end();
        result[d] = QPixmap::fromImage(std::move(image));
    }
    return result;
}

// ------------------------------------------------------------ red lamp

QImage redGradient()
{
    QImage image(1, kRedGradientHeight, QImage::Format_RGB32);
    QPainter p(&image);
    // Lit like a glass tube: dark at both edges, a hot streak above the middle.
    QLinearGradient tube(0, 0, 0, kRedGradientHeight);
    tube.setColorAt(0.00, QColor(90, 0, 0));
    tube.setColorAt(0.30, QColor(255, 70, 50));
    tube.setColorAt(0.38, QColor(255, 170, 150));
    tube.setColorAt(0.50, QColor(250, 30, 20));
    tube.setColorAt(1.00, QColor(80, 0, 0));
    p.fillRect(image.rect(), tube);
    p.end();
    return image;
}

QImage redSolid()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    return image;
}

// ------------------------------------------------------------ tray hand

// An open hand with a blue cuff, drawn on a 32-unit grid and scaled, so
// every tray size gets a sharp rendering of its own instead of a resample.
QPainterPath handOutline()
{
    // Palm, four fingers and the thumb merged into one outline.
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);
    shape.addRoundedRect(QRectF(7.5, 13.5, 19.5, 15), 5, 5);
    shape.addRoundedRect(QRectF(8, 5, 5, 15), 2.5, 2.5);
    shape.addRoundedRect(QRectF(13, 2.5, 5, 17), 2.5, 2.5);
    shape.addRoundedRect(QRectF(18, 3.5, 5, 16), 2.5, 2.5);
    shape.addRoundedRect(QRectF(23, 8, 4.5, 13), 2.25, 2.25);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2.75, -11, 5.5, 13), 2.75, 2.75);
    shape.addPath(QTransform().translate(10.5, 23).rotate(-42).map(thumb));
    return shape.simplified();
}

QPixmap hand(int size, const QPainterPath& shape)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    QPen outline(QColor(90, 45, 20));
    outline.setCosmetic(true);
    outline.setWidthF(1.0);
    outline.setJoinStyle(Qt::RoundJoin);
    QLinearGradient skin(4, 0, 28, 0);
    skin.setColorAt(0, QColor(255, 226, 190));
    skin.setColorAt(1, QColor(226, 160, 110));
    p.setPen(outline);
    p.setBrush(skin);
    p.drawPath(shape);

    QPen crease(QColor(170, 100, 60));
    crease.setCosmetic(true);
    crease.setCapStyle(Qt::RoundCap);
    p.setPen(crease);
    p.drawLine(QPointF(13, 7), QPointF(13, 15));
    p.drawLine(QPointF(18, 6), QPointF(18, 15));
    p.drawLine(QPointF(23, 10), QPointF(23, 15.5));

    p.setPen(outline);
    QLinearGradient cuff(0, 26, 0, 32);
    cuff.setColorAt(0, QColor(90, 140, 255));
    cuff.setColorAt(1, QColor(20, 50, 170));
    p.setBrush(cuff);
    p.drawRoundedRect(QRectF(9.5, 26.5, 16, 5), 1, 1);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

} // namespace

PictureStore::PictureStore(int colourDepth) : colourDepth_(colourDepth) {}

void PictureStore::draw() const
{
    if (drawn_)
        return;
    drawn_ = true;
    auto* self = const_cast<PictureStore*>(this);
    self->drawAll(colourDepth_);
}

void PictureStore::drawAll(int colourDepth)
{
    const QImage blank = blankDisplay();
    std::array<QImage, 7> lit;
    for (int s = A; s <= G; ++s)
        lit[s] = litSegment(Segment(s));
    for (int d = 0; d < 10; ++d)
        add(QStringLiteral("N%1").arg(d), ledDigit(blank, lit, kDigitSegments[d]));
    add(QStringLiteral("NB"), QPixmap::fromImage(blank));
    add(QStringLiteral("NC"), ledColon());

    const std::array<QPixmap, 10> balls = ballDigits();
    for (int d = 0; d < 10; ++d)
        add(QStringLiteral("Ball%1").arg(d), balls[d]);
    QPixmap emptyBall(kBallDigitSize);
    emptyBall.fill(Qt::transparent);
    add(QStringLiteral("RBlank"), emptyBall);

    const artwork::ButtonFaces start = artwork::buttonFaces(kButtonSize, QStringLiteral("Start"), QColor(20, 150, 50));
    const artwork::ButtonFaces stop = artwork::buttonFaces(kButtonSize, QStringLiteral("Stop"), QColor(200, 20, 20));
    add(QStringLiteral("StartOut"), start.released);
    add(QStringLiteral("StartIn"), start.pressed);
    add(QStringLiteral("StopOut"), stop.released);
    add(QStringLiteral("StopIn"), stop.pressed);

    const QImage gradient = redGradient();
    const QImage solid = redSolid();
    add(QStringLiteral("RedGradient"), QPixmap::fromImage(gradient));
    add(QStringLiteral("RedSolid"), QPixmap::fromImage(solid));
    const QImage& lamp = colourDepth >= kGradientDepth ? gradient : solid;
    add(QStringLiteral("BackLight"),
        QPixmap::fromImage(lamp.scaled(kBackLightSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));

    const QPainterPath outline = handOutline();
    const QPixmap tray = hand(32, outline);
    add(QStringLiteral("TrayIcon1"), tray);
    trayIcon_.addPixmap(tray);
    for (int size : {16, 22, 24, 48, 64})
        trayIcon_.addPixmap(hand(size, outline));
}

void PictureStore::add(const QString& name, const QPixmap& pixmap)
{
    pictures_.insert(name, pixmap);
    names_.append(name);
}

QPixmap PictureStore::picture(const QString& name) const
{
    draw();
    return pictures_.value(name);
}

QStringList PictureStore::names() const
{
    draw();
    return names_;
}

QIcon PictureStore::trayIcon() const
{
    draw();
    return trayIcon_;
}
