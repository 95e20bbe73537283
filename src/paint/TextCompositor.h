#pragma once
#include "paint/Picture.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>

namespace paint {

// Text-FX: a line of text whose letters are filled with a material (a
// colour ramp or a loaded picture) and optionally outlined in black, made on
// 32-bit working bitmaps and dropped onto the picture.
//
// The composed text is a Format_ARGB32 image used as raw 32-bit values: the
// fourth byte is a marker, not an alpha. Around the letters stands the
// transparent marker (all four bytes 255); letter pixels hold the material's
// colour with the fourth byte 0, white material as (250, 250, 250) so it
// does not read as transparent; the outline is 0 (black). Any value whose
// four bytes are all non-zero is left out when the text is dropped.
class TextCompositor {
public:
    static constexpr std::uint32_t TransparentMarker = 0xFFFFFFFFu;
    static constexpr std::uint32_t WhiteMaterial = 0x00FAFAFAu;
    static constexpr std::uint32_t OutlineBlack = 0x00000000u;
    static constexpr int MaterialCount = 6;
    static constexpr int LoadedMaterial = 6;

    // Times New Roman, 48 points, black: the font the menu starts with.
    static QFont startFont();
    static QColor startFontColour() { return Qt::black; }

    // The picture of a material: 1 a 1 x 202 strip from dark brown through
    // red, 2..5 the "Green/White", "Blue/Cyan", "Orange/Yellow" and "Magenta"
    // canvas ramps, 6 the loaded picture as given. Null for other numbers.
    static QImage materialPicture(int material, const QImage& loaded);

    // The text drawn at (0, 0) in the font and colour on white, as large as
    // the text measures in that font (points at 96 dots per inch), without
    // anti-aliasing so every pixel is letter or background. Format_RGB32;
    // null for an empty text.
    static QImage textBitmap(const QString& text, const QFont& font, const QColor& colour);

    // The material stretched over the text bitmap's size (nearest pixel;
    // white where there is no material picture), Format_RGB32.
    static QImage materialBitmap(const QImage& material, QSize size);

    // The composed text (see the class comment) from the text and material
    // bitmaps of one size, outlined when asked. Null for a null text bitmap.
    static QImage compose(const QImage& text, const QImage& material, bool outline);
    // All three steps from the text, font and material picture.
    static QImage compose(const QString& text, const QFont& font, const QColor& colour, const QImage& material,
                          bool outline);

    // One pass, row by row from the top, left to right: a pixel equal to the
    // one at (0, 0) turns black when the pixel above or to its left shows
    // text (is neither that value nor black) or the pixel below or to its
    // right is not that value. Pixels turned black earlier in the pass do
    // not count above and to the left, so the outline is one pixel wide.
    static void outline(QImage& composed);

    static bool isTransparent(std::uint32_t value);

    // How the composed text looks in the preview (Format_RGB32: the marker
    // shows white) and as the floating copy over the picture
    // (Format_ARGB32_Premultiplied: transparent pixels see-through).
    static QImage previewImage(const QImage& composed);
    static QImage floatingImage(const QImage& composed);

    // Copies every pixel of the composed text that is not transparent to
    // the picture at at + (column, row), in the picture's own pixel format;
    // nothing is written beyond the picture's edges. Returns the changed
    // area.
    static QRect drop(Picture& picture, const QImage& composed, QPoint at);
};

} // namespace paint
