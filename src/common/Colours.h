#pragma once
#include <QColor>
#include <cstdint>

// Colours shared by the launcher and the utility windows.
namespace colours {

inline const QColor MenuGrey{182, 182, 170};   // panel colour of most windows
inline const QColor LightBlue{192, 192, 255};  // splash panel, menu highlight, dice background
inline const QColor HelpYellow{255, 255, 0};   // the "?" panels

// A stored colour value: red in the low byte, then green, then blue; the top
// byte 0 for an exact colour, 2 for a palette-relative one.
constexpr std::uint32_t colourValue(int red, int green, int blue, bool paletteRelative = false)
{
    return (paletteRelative ? 0x02000000u : 0u) | (std::uint32_t(blue & 0xFF) << 16)
           | (std::uint32_t(green & 0xFF) << 8) | std::uint32_t(red & 0xFF);
}

// The colour a stored value shows; the palette flag does not change it on a
// true-colour display.
inline QColor fromColourValue(std::uint32_t value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace colours
