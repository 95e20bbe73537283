#include "app/Panel.h"

#include "app/Artwork.h"

#include "common/Colours.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

Panel::Panel(QWidget* parent) : QFrame(parent), colour_(palette().color(QPalette::Window))
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Panel::setColour(const QColor& colour)
{
    colour_ = colour;
    update();
}

void Panel::setBevel(Bevel bevel, int width)
{
    bevel_ = bevel;
    bevelWidth_ = width;
    update();
}

void Panel::setSingleBorder(bool on)
{
    singleBorder_ = on;
    update();
}

void Panel::setCaption(const QString& caption)
{
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

void Panel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect area = rect();
    painter.fillRect(area, colour_);
    if (singleBorder_) {
        painter.setPen(Qt::black);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        area.adjust(1, 1, -1, -1);
    }
    if (bevel_ != Bevel::None) {
        const QColor light = colour_.lighter(160);
        const QColor dark = colour_.darker(170);
        const QColor& topLeft = bevel_ == Bevel::Raised ? light : dark;
        const QColor& bottomRight = bevel_ == Bevel::Raised ? dark : light;
        for (int i = 0; i < bevelWidth_; ++i) {
            const QRect r = area.adjusted(i, i, -i - 1, -i - 1);
            painter.setPen(topLeft);
            painter.drawLine(r.topLeft(), r.topRight());
            painter.drawLine(r.topLeft(), r.bottomLeft());
            painter.setPen(bottomRight);
            painter.drawLine(r.bottomLeft(), r.bottomRight());
            painter.drawLine(r.topRight(), r.bottomRight());
        }
    }
    if (!caption_.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, caption_);
    }
}

void Panel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    pressedInside_ = event->button() == Qt::LeftButton;
    emit pressed(event->button());
}

void Panel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click = pressedInside_ && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    pressedInside_ = false;
    if (click)
        emit clicked();
}

namespace {

Panel* makeCornerPanel(QWidget* parent, const QPoint& at, const QColor& colour, const QString& caption)
{
    auto* panel = new Panel(parent);
    panel->setGeometry(QRect(at, QSize(19, 20)));
    panel->setColour(colour);
    panel->setSingleBorder(true);
    panel->setBevel(Panel::Bevel::Raised, 2);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    panel->setFont(font);
    panel->setCaption(caption);
    return panel;
}

} // namespace

Panel* makeHelpPanel(QWidget* parent, const QPoint& at)
{
    Panel* panel = makeCornerPanel(parent, at, colours::HelpYellow, QStringLiteral("?"));
    panel->setObjectName(QStringLiteral("HelpPanel"));
    panel->setAccessibleName(QStringLiteral("Help"));
    return panel;
}

Panel* makeClosePanel(QWidget* parent, const QPoint& at, const QString& accessibleName)
{
    Panel* panel = makeCornerPanel(parent, at, colours::MenuGrey, QStringLiteral("X"));
    panel->setAccessibleName(accessibleName);
    return panel;
}

QLabel* pictureLabel(QWidget* parent, const QString& name, const QRect& geometry, const QPixmap& pixmap)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setPixmap(pixmap);
    label->setScaledContents(true);
    return label;
}

void addBorderStrips(QWidget* window, QSize size)
{
    constexpr int StripWidth = 21;
    const QSize down(StripWidth, size.height());
    const QSize across(size.width() - 2 * StripWidth, StripWidth);
    pictureLabel(window, QStringLiteral("leftBorder"), QRect(QPoint(0, 0), down),
                 artwork::borderStrip(down, Qt::Vertical));
    pictureLabel(window, QStringLiteral("rightBorder"), QRect(QPoint(size.width() - StripWidth, 0), down),
                 artwork::borderStrip(down, Qt::Vertical));
    pictureLabel(window, QStringLiteral("topBorder"), QRect(QPoint(StripWidth, 0), across),
                 artwork::borderStrip(across, Qt::Horizontal));
    pictureLabel(window, QStringLiteral("bottomBorder"), QRect(QPoint(StripWidth, size.height() - StripWidth), across),
                 artwork::borderStrip(across, Qt::Horizontal));
}
