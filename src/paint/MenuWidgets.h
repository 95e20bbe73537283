#pragma once
#include <QImage>
#include <QRect>
#include <QString>

class Panel;
class QLabel;
class QPushButton;
class QWidget;

// The pieces the paint window's drop-down menus are made of, all drawn the
// same way: flat buttons with white bold captions on the grey panels, the
// small selection lamps, the colour shapes that open a colour dialog, the
// 36 x 36 thumbnails and the white captions.
namespace paint::menuwidgets {

QPushButton* menuButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);
// Hidden until its choice is selected; it takes the shared lamp picture.
QLabel* lamp(QWidget* parent, const QString& name, int x, int y);
Panel* colourShape(QWidget* parent, const QString& name, const QRect& geometry);
QLabel* thumbnail(QWidget* parent, const QString& name, int x, int y, const QImage& image);
void showThumbnail(QLabel* thumbnail, const QImage& image);
// A caption that lets the mouse through to the panel below it.
QLabel* caption(QWidget* parent, const QString& text, const QRect& geometry);

} // namespace paint::menuwidgets
