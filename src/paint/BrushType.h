#pragma once
#include "paint/Picture.h"

namespace paint {

// The three brushes of the Brush menu, numbered as the settings store them.
// A brush is the way the pen meets the colour already in the picture.
enum class BrushType {
    Normal = 1,   // "Normal Paint"
    MixLight = 2, // "Mix Paint - Light"
    MixDark = 3,  // "Mix Paint - Dark"
};

inline RasterMode rasterMode(BrushType brush)
{
    switch (brush) {
    case BrushType::MixLight: return RasterMode::MergeNotDest;
    case BrushType::MixDark: return RasterMode::MaskNotDest;
    case BrushType::Normal: break;
    }
    return RasterMode::Copy;
}

} // namespace paint
