#pragma once
#include <QApplication>
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

// Gives a window its background colour through one palette shared by every
// window of its class, its controls included. The style keeps what it draws
// of each control (buttons, headers, scroll bars) in Qt's pixmap cache under
// a name made from the control's palette. A palette set on the window itself
// is a new palette for every control at every opening, and the cache's table
// of names (Qt 6.4) keeps every name it was ever given, emptied or not: a
// few kilobytes more for each opening. With the class's palette the names
// repeat from one opening to the next.
inline void setWindowColour(QWidget* window, const QColor& colour)
{
    const char* className = window->metaObject()->className();
    if (QApplication::palette(className).color(QPalette::Window) != colour) {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Window, colour);
        // Nothing marked as set on purpose: the window and its controls then
        // take this palette as it is instead of making one of their own each.
        palette.setResolveMask(0);
        QApplication::setPalette(palette, className);
    }
    // Qt hands a class's palette to a window only when it is first shown;
    // an empty palette takes it now, so what is built next sees the colour.
    window->setPalette(QPalette());
}
