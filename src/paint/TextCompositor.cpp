#include "paint/TextCompositor.h"

#include "paint/CanvasRamps.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace paint {

namespace {

// 96 dots per inch, as the screen the sizes were chosen on: 48 points are
// 64 pixels.
constexpr int DotsPerMeter = 3780;
constexpr std::uint32_t White32 = 0xFFFFFFFFu;   // white in a Format_RGB32 bitmap

QImage blankBitmap(QSize size, QImage::Format format)
{
    QImage image(size, format);
    if (image.isNull())
        return image;
    image.setDotsPerMeterX(DotsPerMeter);
    image.setDotsPerMeterY(DotsPerMeter);
    image.fill(White32);
    return image;
}

std::uint32_t materialValue(std::uint32_t rgb)
{
    const std::uint32_t colour = rgb & 0x00FFFFFFu;
    return colour == 0x00FFFFFFu ? TextCompositor::WhiteMaterial : colour;
}

} // namespace

QFont TextCompositor::startFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(48);
    return font;
}

QImage TextCompositor::materialPicture(int material, const QImage& loaded)
{
    switch (material) {
    case 1: return ramps::rampStrip(1, 202, qRgb(49, 24, 0), qRgb(255, 0, 0), qRgb(49, 24, 0));
    case 2: return ramps::strip(CanvasType::GreenWhite);
    case 3: return ramps::strip(CanvasType::BlueCyan);
    case 4: return ramps::strip(CanvasType::OrangeYellow);
    case 5: return ramps::strip(CanvasType::Magenta);
    case LoadedMaterial: return loaded;
    default: return {};
    }
}

QImage TextCompositor::textBitmap(const QString& text, const QFont& font, const QColor& colour)
{
    if (text.isEmpty())
        return {};
    QFont crisp = font;
    crisp.setStyleStrategy(QFont::NoAntialias);
    // Measured on a bitmap of the same resolution as the one drawn on.
    const QImage probe = blankBitmap(QSize(1, 1), QImage::Format_RGB32);
    const QFontMetrics metrics(crisp, &probe);
    const QSize size(metrics.horizontalAdvance(text), metrics.height());
    if (size.isEmpty())
        return {};
    QImage bitmap = blankBitmap(size, QImage::Format_RGB32);
    if (bitmap.isNull())
        return {};
    QPainter painter(&bitmap);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(crisp);
    painter.setPen(colour);
    painter.drawText(QPoint(0, metrics.ascent()), text);
    return bitmap;
}

QImage TextCompositor::materialBitmap(const QImage& material, QSize size)
{
    QImage bitmap = blankBitmap(size, QImage::Format_RGB32);
    if (bitmap.isNull() || material.isNull())
        return bitmap;
    const QImage source = material.convertToFormat(QImage::Format_RGB32);
    const int w = size.width();
    const int h = size.height();
    for (int y = 0; y < h; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(int(qint64(y) * source.height() / h)));
        auto* to = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
        for (int x = 0; x < w; ++x)
            to[x] = from[qint64(x) * source.width() / w] | 0xFF000000u;
    }
    return bitmap;
}

QImage TextCompositor::compose(const QImage& text, const QImage& material, bool outlined)
{
    if (text.isNull() || material.size() != text.size())
        return {};
    const QImage t = text.convertToFormat(QImage::Format_RGB32);
    const QImage m = material.convertToFormat(QImage::Format_RGB32);
    QImage result(text.size(), QImage::Format_ARGB32);
    if (result.isNull())
        return {};
    for (int y = 0; y < result.height(); ++y) {
        const auto* textRow = reinterpret_cast<const std::uint32_t*>(t.constScanLine(y));
        const auto* materialRow = reinterpret_cast<const std::uint32_t*>(m.constScanLine(y));
        auto* row = reinterpret_cast<std::uint32_t*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            row[x] = textRow[x] == White32 ? TransparentMarker : materialValue(materialRow[x]);
    }
    if (outlined)
        outline(result);
    return result;
}

QImage TextCompositor::compose(const QString& text, const QFont& font, const QColor& colour, const QImage& material,
                               bool outlined)
{
    const QImage t = textBitmap(text, font, colour);
    if (t.isNull())
        return {};
    return compose(t, materialBitmap(material, t.size()), outlined);
}

void TextCompositor::outline(QImage& composed)
{
    if (composed.isNull())
        return;
    const int w = composed.width();
    const int h = composed.height();
    const auto at = [&](int x, int y) { return reinterpret_cast<const std::uint32_t*>(composed.constScanLine(y))[x]; };
    const std::uint32_t background = at(0, 0);
    // Above and to the left: letters only, not the outline made so far.
    const auto showsText = [&](std::uint32_t v) { return v != background && v != OutlineBlack; };
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(composed.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (row[x] != background)
                continue;
            const bool nextToText = (y > 0 && showsText(at(x, y - 1))) || (x > 0 && showsText(row[x - 1]))
                                    || (y + 1 < h && at(x, y + 1) != background)
                                    || (x + 1 < w && row[x + 1] != background);
            if (nextToText)
                row[x] = OutlineBlack;
        }
    }
}

bool TextCompositor::isTransparent(std::uint32_t value)
{
    return (value & 0xFF) && (value & 0xFF00) && (value & 0xFF0000) && (value & 0xFF000000u);
}

QImage TextCompositor::previewImage(const QImage& composed)
{
    if (composed.isNull())
        return {};
    QImage shown(composed.size(), QImage::Format_RGB32);
    for (int y = 0; y < composed.height(); ++y) {
        const auto* from = reinterpret_cast<const std::uint32_t*>(composed.constScanLine(y));
        auto* to = reinterpret_cast<std::uint32_t*>(shown.scanLine(y));
        for (int x = 0; x < composed.width(); ++x)
            to[x] = from[x] | 0xFF000000u;
    }
    return shown;
}

QImage TextCompositor::floatingImage(const QImage& composed)
{
    if (composed.isNull())
        return {};
    QImage floating(composed.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < composed.height(); ++y) {
        const auto* from = reinterpret_cast<const std::uint32_t*>(composed.constScanLine(y));
        auto* to = reinterpret_cast<std::uint32_t*>(floating.scanLine(y));
        for (int x = 0; x < composed.width(); ++x)
            to[x] = isTransparent(from[x]) ? 0u : (from[x] | 0xFF000000u);
    }
    return floating;
}

QRect TextCompositor::drop(Picture& picture, const QImage& composed, QPoint at)
{
    if (picture.isNull() || composed.isNull())
        return {};
    // Only the part of the text that lies on the picture.
    const QRect onPicture = QRect(at, composed.size()) & QRect(QPoint(0, 0), picture.size());
    int left = picture.width(), right = -1, top = picture.height(), bottom = -1;
    for (int y = onPicture.top(); y <= onPicture.bottom(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(composed.constScanLine(y - at.y()));
        for (int x = onPicture.left(); x <= onPicture.right(); ++x) {
            const std::uint32_t value = row[x - at.x()];
            if (isTransparent(value))
                continue;
            // Colour values are red in the low byte; these are 0xRRGGBB.
            const ColourValue colour = ((value >> 16) & 0xFF) | (value & 0xFF00) | ((value & 0xFF) << 16);
            picture.setPixelAt(x, y, picture.storedPixel(colour));
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace paint
