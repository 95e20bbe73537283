#pragma once
#include <QPalette>
#include <QWidget>

// Gives one colour role of a widget's palette a new colour: the window's
// background, a label's text.
inline void setPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}
