#include "games/SkillStopArt.h"

#include <QFont>
#include <QHash>
#include <QPair>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <utility>

namespace skillstopart {

namespace {

// Room left round the letter inside its lamp.
constexpr qreal LetterMarginX = 8;
constexpr qreal LetterMarginY = 12;
constexpr QSize BarSize(4, 48);

const QColor LampBack(18, 6, 6);
const QColor UnlitGlass(70, 16, 12);
const QColor UnlitEdge(110, 34, 26);
const QColor LitGlass(255, 214, 40);
const QColor LitCore(255, 250, 210);
const QColor LitGlow(255, 120, 0);

// The letter's outline, stretched to fill the lamp less its margins, so
// every letter stands equally tall and wide like the segments of a sign.
QPainterPath letterShape(QChar letter)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(200);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, QString(letter));
    const QRectF box = path.boundingRect();
    if (box.isEmpty())
        return {};
    const qreal width = LetterSize.width() - 2 * LetterMarginX;
    const qreal height = LetterSize.height() - 2 * LetterMarginY;
    // Narrow letters (I) keep their own width rather than become blocks.
    const qreal sy = height / box.height();
    const qreal sx = qMin(width / box.width(), sy * 0.9);
    QTransform fit;
    fit.translate(LetterSize.width() / 2.0, LetterMarginY);
    fit.scale(sx, sy);
    fit.translate(-box.center().x(), -box.top());
    return fit.map(path);
}

QPixmap drawLetter(QChar character, bool lit)
{
    QImage image(LetterSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // The lamp's housing: a dark rounded box with a thin rim.
    const QRectF housing = QRectF(image.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QRadialGradient back(housing.center(), housing.height() * 0.6);
    back.setColorAt(0, lit ? QColor(90, 30, 0) : LampBack.lighter(130));
    back.setColorAt(1, LampBack);
    p.setPen(QPen(QColor(70, 70, 70), 1.5));
    p.setBrush(back);
    p.drawRoundedRect(housing, 6, 6);

    const QPainterPath shape = letterShape(character);
    if (!shape.isEmpty()) {
        if (lit) {
            // Glow spills round the letter before the glass itself is drawn.
            for (int width : {9, 6, 3}) {
                p.setPen(QPen(QColor(LitGlow.red(), LitGlow.green(), LitGlow.blue(), 40 + 10 * (9 - width)),
                              width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(Qt::NoBrush);
                p.drawPath(shape);
            }
            QLinearGradient glass(0, LetterMarginY, 0, LetterSize.height() - LetterMarginY);
            glass.setColorAt(0, LitCore);
            glass.setColorAt(0.45, LitGlass);
            glass.setColorAt(1, LitGlass.darker(120));
            p.setPen(QPen(LitCore, 1));
            p.setBrush(glass);
        } else {
            p.setPen(QPen(UnlitEdge, 1));
            p.setBrush(UnlitGlass);
        }
        p.drawPath(shape);
    }
    p.end();
    return QPixmap::fromImage(std::move(image));
}

} // namespace

QPixmap letter(QChar character, bool lit)
{
    // Drawn once per run: every window, and every test, sees the same lamp.
    static QHash<QPair<QChar, bool>, QPixmap> drawn;
    const QPair<QChar, bool> key(character, lit);
    auto it = drawn.constFind(key);
    if (it == drawn.constEnd())
        it = drawn.insert(key, drawLetter(character, lit));
    return *it;
}

QPixmap colourBar(int bar)
{
    static const QColor Colours[] = {QColor(220, 20, 20), QColor(250, 210, 0), QColor(20, 70, 230)};
    const QColor colour = Colours[qBound(0, bar, 2)];
    QImage image(BarSize, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient tube(0, 0, 0, BarSize.height());
    tube.setColorAt(0.0, colour.darker(300));
    tube.setColorAt(0.25, colour.lighter(150));
    tube.setColorAt(0.4, colour);
    tube.setColorAt(1.0, colour.darker(250));
    p.fillRect(image.rect(), tube);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

} // namespace skillstopart
