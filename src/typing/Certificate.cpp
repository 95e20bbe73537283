#include "typing/Certificate.h"

#include "common/OrdinalSuffix.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <QtMath>

namespace certificate {

namespace {

const QColor Navy(20, 40, 110);
const QColor Gold(205, 160, 40);
const QColor Crimson(170, 20, 40);
const QColor Cream(250, 244, 222);

// The design is laid out on a 1000 x 1000 grid and stretched to the page.
struct Shape {
    QColor colour;
    QPolygonF outline;
};

QPolygonF quad(QPointF a, QPointF b, QPointF c, QPointF d) { return QPolygonF({a, b, c, d}); }

// The title stands a third of the way down the page and may be as wide as
// the page itself: the side bands leave its height free, from TitleBandTop to
// TitleBandBottom of the 1000-unit page (the title is about a tenth of the
// page high on A4 and Letter).
constexpr double TitleBandTop = 200;
constexpr double TitleBandBottom = 350;

// A square frame between two insets, as four mitred bands; the two side
// bands are broken where the title runs.
void frame(QList<Shape>& shapes, const QColor& colour, double outer, double inner)
{
    const double o2 = 1000 - outer, i2 = 1000 - inner;
    const double top = TitleBandTop, bottom = TitleBandBottom;
    shapes.append({colour, quad({outer, outer}, {o2, outer}, {i2, inner}, {inner, inner})});
    shapes.append({colour, quad({o2, outer}, {o2, top}, {i2, top}, {i2, inner})});
    shapes.append({colour, quad({o2, bottom}, {o2, o2}, {i2, i2}, {i2, bottom})});
    shapes.append({colour, quad({o2, o2}, {outer, o2}, {inner, i2}, {i2, i2})});
    shapes.append({colour, quad({outer, o2}, {outer, bottom}, {inner, bottom}, {inner, i2})});
    shapes.append({colour, quad({outer, top}, {outer, outer}, {inner, inner}, {inner, top})});
}

QPolygonF diamond(QPointF centre, double rx, double ry)
{
    return quad({centre.x(), centre.y() - ry}, {centre.x() + rx, centre.y()},
                {centre.x(), centre.y() + ry}, {centre.x() - rx, centre.y()});
}

QPolygonF star(QPointF centre, int points, double outer, double inner, double squash)
{
    QPolygonF polygon;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = M_PI * i / points - M_PI / 2;
        polygon << QPointF(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a) * squash);
    }
    return polygon;
}

const QList<Shape>& design()
{
    static const QList<Shape> shapes = [] {
        QList<Shape> s;
        s.append({Cream, quad({0, 0}, {1000, 0}, {1000, 1000}, {0, 1000})});
        frame(s, Navy, 25, 50);
        frame(s, Gold, 60, 68);
        const double corners[] = {59, 941};
        for (double x : corners)
            for (double y : corners) {
                s.append({Gold, diamond({x, y}, 40, 28)});
                s.append({Navy, diamond({x, y}, 20, 14)});
            }
        // A row of leaves under the top band and over the bottom band.
        for (int i = 0; i < 17; ++i) {
            const double x = 180 + i * 40;
            s.append({Gold, diamond({x, 110}, 16, 7)});
            s.append({Gold, diamond({x, 890}, 16, 7)});
        }
        // The seal with its ribbons, low in the middle.
        s.append({Crimson, quad({470, 820}, {500, 820}, {470, 905}, {450, 880})});
        s.append({Crimson, quad({500, 820}, {530, 820}, {550, 880}, {530, 905})});
        s.append({Gold, star({500, 800}, 16, 60, 48, 0.71)});
        s.append({Crimson, star({500, 800}, 8, 34, 26, 0.71)});
        return s;
    }();
    return shapes;
}

// Draws text centred across the page with its top at y; returns its height.
int centred(QPainter& painter, int pointSize, const QString& text, int y)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(pointSize);
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());
    const int x = (painter.device()->width() - metrics.horizontalAdvance(text)) / 2;
    painter.drawText(x, y + metrics.ascent(), text);
    return metrics.height();
}

} // namespace

QString dateLine(const QDate& date, const QLocale& locale)
{
    return QStringLiteral("%1 %2%3 %4 %5")
        .arg(locale.dayName(date.dayOfWeek(), QLocale::LongFormat))
        .arg(date.day())
        .arg(ordinalSuffix(date.day()), locale.monthName(date.month(), QLocale::LongFormat))
        .arg(date.year());
}

QList<Line> lines(const typing::ExerciseResult& result, const QString& name, const QDate& date,
                  const QLocale& locale)
{
    return {
        {24, QStringLiteral("This is to certify that on")},
        {24, dateLine(date, locale)},
        {36, name},
        {24, QStringLiteral("achieved an average typing speed of ")},
        {24, QString::number(result.wordsPerMinute()) + QStringLiteral(" words Per Minute")},
        {24, QStringLiteral("with an Accuracy level of ") + QString::number(result.accuracyPercent())
                 + QStringLiteral("%")},
    };
}

int titlePointSize(const std::function<int(int)>& titleWidthAt, int pageWidth)
{
    int size = TitleStartSize;
    while (size >= 8 && titleWidthAt(size) > pageWidth)
        size -= 2;
    return size;
}

void drawPageDesign(QPainter& painter, const QRect& page)
{
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(page.width() / 1000.0, page.height() / 1000.0);
    painter.setPen(Qt::NoPen);
    for (const Shape& shape : design()) {
        painter.setBrush(shape.colour);
        painter.drawPolygon(shape.outline);
    }
    painter.restore();
}

void draw(QPainter& painter, const typing::ExerciseResult& result, const QString& name,
          const QDate& date, const QLocale& locale)
{
    const int width = painter.device()->width();
    const int height = painter.device()->height();
    drawPageDesign(painter, QRect(0, 0, width, height));
    painter.setPen(Qt::black);

    QFont titleFont(QStringLiteral("Times New Roman"));
    const int titleSize = titlePointSize(
        [&](int size) {
            titleFont.setPointSize(size);
            return QFontMetrics(titleFont, painter.device()).horizontalAdvance(Title);
        },
        width);
    titleFont.setPointSize(titleSize);
    const int u = width / 34;
    const int titleHeight = QFontMetrics(titleFont, painter.device()).height();
    int y = height / 3 - titleHeight;
    y += centred(painter, titleSize, Title, y);
    for (const Line& line : lines(result, name, date, locale)) {
        y += u;
        y += centred(painter, line.pointSize, line.text, y);
    }
}

} // namespace certificate
