#pragma once
#include "paint/Picture.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// What the paint window keeps in the settings store under
// "Orvik 2000\Duza Zidova": its defaults (section "Defaults") and the
// colour dialog's sixteen custom colours (section "Colors").
namespace paint::settings {

inline const QString ModuleKey = QStringLiteral("Orvik 2000\\Duza Zidova");

// A colour as stored: its standard name where it has one ("clRed",
// "clYellow"), otherwise "$" and eight hexadecimal digits ("$00FF8000").
QString colourToText(ColourValue colour);
// The reverse; also reads decimal numbers. nullopt for text that is neither.
std::optional<ColourValue> colourFromText(const QString& text);

// A stored number, read with "0" put in front, so empty text reads as 0;
// nullopt when it is not a whole number.
std::optional<int> numberFromText(const QString& text);

struct Defaults {
    ColourValue canvasColour = 0x00FFFF; // yellow
    int canvas = 1;                      // 1..7
    QString canvasFileName;
    int brush = 1;                       // 1..3
    int width = 25;                      // 1..75
    bool webbed = true;
    bool mirror = true;
    ColourValue drawColour = 0x0000FF;   // red
    int paint = 2;                       // 1..5
};

// Reads the defaults in their stored order. A value that does not convert
// or is out of range keeps its default.
Defaults readDefaults();
// Writes all nine; "Webbed" and "Mirror" as "1" on, "2" off.
void writeDefaults(const Defaults& defaults);

// The custom-colour list of the colour dialog: entry lines "ColorA=FFFFFF"
// (letter A..P, six hexadecimal digits of the colour value).
class CustomColours {
public:
    // Clears the list, then appends "Color0".."Color15" in order; a missing
    // value reads as its letter and white ("ColorA=FFFFFF").
    void read();
    // Entry i goes to "Color" + i; nothing is written for an empty list.
    void write() const;

    const QStringList& entries() const { return entries_; }
    // The colours of the sixteen entries (white for an entry that does not
    // read as a colour), and back.
    std::array<QColor, 16> colours() const;
    void setColours(const std::array<QColor, 16>& colours);

private:
    QStringList entries_;
};

} // namespace paint::settings
