#include "calc/DateDigits.h"

#include <QPainter>
#include <QPolygon>

namespace datedigits {

namespace {

// Segments a..g (top, top right, bottom right, bottom, bottom left, top
// left, middle) as bits 0..6.
constexpr int Segments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

QPolygon horizontal(int left, int right, int y, int half)
{
    return QPolygon({QPoint(left, y), QPoint(left + half, y - half), QPoint(right - half, y - half),
                     QPoint(right, y), QPoint(right - half, y + half), QPoint(left + half, y + half)});
}

QPolygon vertical(int x, int top, int bottom, int half)
{
    return QPolygon({QPoint(x, top), QPoint(x + half, top + half), QPoint(x + half, bottom - half),
                     QPoint(x, bottom), QPoint(x - half, bottom - half), QPoint(x - half, top + half)});
}

} // namespace

bool hasPicture(Set set, int digit)
{
    if (set == Set::RemainingDays)
        return digit >= 0 && digit <= 6;
    return digit == Blank || (digit >= 0 && digit <= 9);
}

QPixmap picture(Set set, int digit)
{
    if (!hasPicture(set, digit))
        return {};
    switch (set) {
    case Set::Days: return sevenSegment(digit, QColor(255, 255, 0), QColor(128, 128, 0));
    case Set::Weeks: return sevenSegment(digit, QColor(255, 0, 255), QColor(128, 0, 128));
    case Set::RemainingDays: return sevenSegment(digit, QColor(255, 0, 0), QColor(128, 0, 0));
    }
    return {};
}

QPixmap sevenSegment(int digit, const QColor& lit, const QColor& background)
{
    QPixmap picture(Width, Height);
    picture.fill(background);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    constexpr int half = 2;
    constexpr int left = 5, right = 20, top = 4, middle = 18, bottom = 32;
    const QPolygon shapes[7] = {
        horizontal(left + 1, right - 1, top, half),      vertical(right, top + 1, middle - 1, half),
        vertical(right, middle + 1, bottom - 1, half),   horizontal(left + 1, right - 1, bottom, half),
        vertical(left, middle + 1, bottom - 1, half),    vertical(left, top + 1, middle - 1, half),
        horizontal(left + 1, right - 1, middle, half),
    };
    // Unlit segments just show through, as on a real display.
    QColor unlit = background;
    unlit.setRgb((background.red() * 7 + lit.red()) / 8, (background.green() * 7 + lit.green()) / 8,
                 (background.blue() * 7 + lit.blue()) / 8);
    const int on = digit >= 0 && digit <= 9 ? Segments[digit] : 0;
    for (int s = 0; s < 7; ++s) {
        painter.setBrush((on >> s) & 1 ? lit : unlit);
        painter.drawPolygon(shapes[s]);
    }
    return picture;
}

} // namespace datedigits
