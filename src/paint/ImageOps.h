#pragma once
#include "paint/Picture.h"

#include <QSize>
#include <optional>

// The whole-picture operations of the Utilities menu. Each works on the raw
// pixels in the picture's own format; colours are compared in the form the
// picture stores them (Picture::storedPixel), leaving out the bits that carry
// no colour (the top bit of Rgb555, the fourth byte of Rgb32).
namespace paint::imageops {

// Every pixel equal to the first colour becomes the second; nothing else
// changes.
void replaceColour(Picture& picture, ColourValue first, ColourValue second);

// One pass, rows from the top, left to right: a pixel of the background
// (first) colour becomes the outline (second) colour when the pixel above or
// to the left is neither colour, or the pixel below or to the right is not
// the background colour. Neighbours outside the picture count as background.
void outline(Picture& picture, ColourValue background, ColourValue outlineColour);

// Bytewise complement of every pixel (for Rgb32 the three colour bytes, for
// Rgb555 the fifteen colour bits; the unused fourth byte and top bit stay).
// Twice gives back the same bytes.
void invert(Picture& picture);

// A white picture of the new size in the given format with the old picture
// either stretched over all of it (nearest pixel) or drawn unscaled at the
// top-left corner. nullopt when the new picture cannot be made. The pen is
// carried over.
std::optional<Picture> resized(const Picture& picture, QSize newSize, PixelFormat format,
                               bool stretch);

// Replace and outline are built for the processor's baseline instruction
// set and, on x86-64, also for later vector extensions, which are used when
// the processor has them. Passing false keeps to the baseline build, so
// tests can check both; the program itself never calls this.
void useLaterVectorExtensions(bool use);

} // namespace paint::imageops
