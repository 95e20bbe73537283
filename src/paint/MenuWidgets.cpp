#include "paint/MenuWidgets.h"

#include "app/Panel.h"

#include <QLabel>
#include <QPushButton>

namespace paint::menuwidgets {

QPushButton* menuButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; font-weight: bold; border: none; background: transparent;"
        " text-align: left; padding-left: 4px; }"
        "QPushButton:hover { background: rgba(0, 0, 0, 40); }"
        "QPushButton:pressed { background: rgba(0, 0, 0, 80); }"
        "QPushButton:disabled { color: rgb(120, 120, 112); }"));
    return button;
}

QLabel* lamp(QWidget* parent, const QString& name, int x, int y)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(x, y, 12, 12);
    label->setScaledContents(true);
    label->hide();
    return label;
}

Panel* colourShape(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* shape = new Panel(parent);
    shape->setObjectName(name);
    shape->setGeometry(geometry);
    shape->setSingleBorder(true);
    shape->setCursor(Qt::PointingHandCursor);
    return shape;
}

QLabel* thumbnail(QWidget* parent, const QString& name, int x, int y, const QImage& image)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(x, y, 36, 36);
    label->setFrameShape(QFrame::Box);
    showThumbnail(label, image);
    return label;
}

void showThumbnail(QLabel* thumbnail, const QImage& image)
{
    if (!image.isNull())
        thumbnail->setPixmap(QPixmap::fromImage(image.scaled(36, 36, Qt::IgnoreAspectRatio)));
}

QLabel* caption(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace paint::menuwidgets
