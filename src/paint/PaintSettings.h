#pragma once
#include "paint/BrushType.h"
#include "paint/CanvasRamps.h"
#include "paint/ColourStepper.h"
#include "paint/Picture.h"

#include <QString>
#include <optional>

// What the paint window keeps in the settings store under
// "Orvik 2000\Duza Zidova": its defaults (section "Defaults") here, the
// colour dialog's sixteen custom colours (section "Colors") in CustomColours.
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

// The window's choices as stored: "CanvasColor", "Canvas", "CanvasFileName",
// "Brush", "Width", "Webbed", "Mirror", "DrawColor", "Paint". The three
// enumerations are stored as their numbers.
struct Defaults {
    ColourValue canvasColour = 0x00FFFF; // yellow
    CanvasType canvasType = CanvasType::SolidColour;
    QString canvasFileName;
    BrushType brushType = BrushType::Normal;
    int brushWidth = 25;                 // 1..75
    bool webbed = true;
    bool mirror = true;
    ColourValue drawColour = 0x0000FF;   // red
    ColourMode colourMode = ColourMode::Random;
};

// Reads the defaults in their stored order. A value that does not convert
// or is out of range keeps its default.
Defaults readDefaults();
// Writes all nine; "Webbed" and "Mirror" as "1" on, "2" off.
void writeDefaults(const Defaults& defaults);

} // namespace paint::settings
