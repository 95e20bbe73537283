#pragma once
#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

// Pictures of the launcher windows, drawn in code so the program carries no
// image files. Every function draws afresh; callers keep what they need.
namespace artwork {

// 32 x 32 icon of program menu entry 1, 3..12 or 14..18; a null pixmap for
// any other number (2 and 13 are not used by the menu).
QPixmap menuIcon(int entry);

// The title picture of the menu header, "Orvik 2000", fitted to size.
QPixmap menuTitle(QSize size);

// 32 x 32 picture of the "Support Linkware - FREE Software!" panel.
QPixmap sponsorPicture();

// 497 x 79 product logo of the splash window.
QPixmap splashLogo();

// Decorative edge strip of a tool window: Qt::Vertical for the left and
// right edges (the strip runs down), Qt::Horizontal for the top and bottom.
QPixmap borderStrip(QSize size, Qt::Orientation orientation);

// A big push-button face in both states, the words centred on a glossy
// face of the given colour. The pressed face shows the very same content
// moved 2 px right and down inside a sunken bevel.
inline constexpr int kButtonBevel = 3;
inline constexpr int kButtonPressShift = 2;
struct ButtonFaces {
    QPixmap released;
    QPixmap pressed;
};
ButtonFaces buttonFaces(QSize size, const QString& text, const QColor& colour);

} // namespace artwork
