#include "app/Panel.h"

#include "common/Colours.h"

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
