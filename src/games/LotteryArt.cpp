#include "games/LotteryArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <utility>

namespace lotteryart {

namespace {

constexpr QSize ButtonSize(lottery::ButtonWidth, lottery::ButtonHeight);
constexpr QSize RackSize(513, 345);
constexpr QSize MachineSize(429, 81);
constexpr int FirstBevel = 55;
constexpr int BevelWidth = 3;

QColor fillColour(lottery::BallColour colour)
{
    switch (colour) {
    case lottery::BallColour::Yellow: return QColor(255, 255, 0);
    case lottery::BallColour::Navy: return QColor(0, 0, 128);
    case lottery::BallColour::White: return QColor(255, 255, 255);
    case lottery::BallColour::Lime: return QColor(0, 255, 0);
    }
    return Qt::white;
}

// The same digit in white, for a dark ball.
QPixmap whitened(const QPixmap& digit)
{
    QImage image = digit.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setCompositionMode(QPainter::CompositionMode_SourceIn);
    p.fillRect(image.rect(), Qt::white);
    p.end();
    return QPixmap::fromImage(std::move(image));
}

// The words of a face, as large as the 200-pixel face allows, shadowed
// and outlined like the program's other big buttons.
void drawWords(QPixmap& face, const QString& text, const QColor& colour, int shift)
{
    const QRect inner = face.rect().adjusted(artwork::kButtonBevel, artwork::kButtonBevel,
                                             -artwork::kButtonBevel, -artwork::kButtonBevel);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    int pixels = int(inner.height() * 0.55);
    for (;; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetricsF(font).horizontalAdvance(text) <= inner.width() - 16 || pixels <= 8)
            break;
    }
    const QFontMetricsF metrics(font);
    const int baseline = int(std::round((face.height() + metrics.capHeight()) / 2)) + shift;
    const int left = int(std::round((face.width() - metrics.horizontalAdvance(text)) / 2)) + shift;

    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(inner);
    p.setFont(font);
    QColor shadow = colour.darker(500);
    shadow.setAlpha(170);
    p.setPen(shadow);
    p.drawText(left + 2, baseline + 2, text);
    p.setPen(colour.darker(300));
    for (const QPoint edge : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
        p.drawText(QPoint(left, baseline) + edge, text);
    p.setPen(Qt::white);
    p.drawText(left, baseline, text);
}

artwork::ButtonFaces wordedFaces(const QString& text, const QColor& colour)
{
    artwork::ButtonFaces faces = artwork::buttonFaces(ButtonSize, QString(), colour);
    drawWords(faces.released, text, colour, 0);
    drawWords(faces.pressed, text, colour, artwork::kButtonPressShift);
    return faces;
}

} // namespace

artwork::ButtonFaces dropBallFaces() { return wordedFaces(QStringLiteral("Drop Ball"), QColor(30, 80, 200)); }

QString restartText() { return QStringLiteral("New Game"); }

artwork::ButtonFaces restartFaces() { return wordedFaces(restartText(), QColor(210, 110, 10)); }

QPixmap ball(int number, const std::array<QPixmap, 10>& ballDigits)
{
    const int size = lottery::BallSize;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor fill = fillColour(lottery::ballColour(number));
    const QRectF circle(0.5, 0.5, size - 1, size - 1);
    p.setPen(QPen(QColor(0, 0, 255), 1));
    p.setBrush(fill);
    p.drawEllipse(circle);
    // A soft gleam at the top left, well clear of the digits.
    QRadialGradient gleam(QPointF(13, 11), 9);
    gleam.setColorAt(0, QColor(255, 255, 255, 170));
    gleam.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gleam);
    p.drawEllipse(QPointF(13, 11), 9, 9);

    std::array<int, 10> widths{};
    for (int d = 0; d < 10; ++d)
        widths[d] = ballDigits[d].width();
    const bool dark = lottery::ballColour(number) == lottery::BallColour::Navy;
    for (const lottery::DigitPlace& place : lottery::ballDigitPlaces(number, widths)) {
        const QPixmap& digit = ballDigits[place.digit];
        p.drawPixmap(place.left, (size - digit.height()) / 2, dark ? whitened(digit) : digit);
    }
    p.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap rack()
{
    QImage image(RackSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    // A faint glass sheen down each tube, so the rack reads as tubes.
    for (int tube = 1; tube <= lottery::TubeCount; ++tube) {
        const int left = lottery::ballLeft(tube) - 2;
        QLinearGradient glass(left, 0, left + lottery::TubeWidth - 4, 0);
        glass.setColorAt(0.0, QColor(0, 0, 0));
        glass.setColorAt(0.2, QColor(34, 34, 46));
        glass.setColorAt(0.5, QColor(8, 8, 12));
        glass.setColorAt(1.0, QColor(0, 0, 0));
        p.fillRect(QRect(left, 0, lottery::TubeWidth - 4, RackSize.height()), glass);
    }
    for (int i = 0; i < lottery::TubeCount - 1; ++i) {
        const int x = FirstBevel + i * lottery::TubeWidth - BevelWidth / 2;
        p.fillRect(QRect(x, 0, 1, RackSize.height()), QColor(230, 230, 230));
        p.fillRect(QRect(x + 1, 0, 1, RackSize.height()), QColor(160, 160, 160));
        p.fillRect(QRect(x + 2, 0, 1, RackSize.height()), QColor(80, 80, 80));
    }
    p.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap machine(const std::array<int, lottery::MachineBands::Rows>& reds)
{
    QImage image(MachineSize, QImage::Format_RGB32);
    for (int y = 0; y < MachineSize.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const QRgb colour = qRgb(reds[y], 0, 0);
        std::fill(row, row + MachineSize.width(), colour);
    }
    return QPixmap::fromImage(std::move(image));
}

} // namespace lotteryart
