#include "paint/FloatingText.h"

#include <QPaintEvent>
#include <QPainter>

namespace paint {

FloatingText::FloatingText(QWidget* picture) : QWidget(picture)
{
    setObjectName(QStringLiteral("floatingText"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QStringLiteral("Text to place: click where it goes"));
    hide();
}

void FloatingText::start(const QImage& floating)
{
    floating_ = floating;
    shown_ = false;
    setGeometry(parentWidget()->rect());
    show();
    raise();
}

void FloatingText::moveTextTo(QPoint at)
{
    const QRect before(position_, floating_.size());
    position_ = at;
    const bool wasShown = shown_;
    shown_ = true;
    update(QRect(position_, floating_.size()));
    if (wasShown)
        update(before);
}

void FloatingText::stop()
{
    hide();
    floating_ = QImage();
    shown_ = false;
}

void FloatingText::paintEvent(QPaintEvent*)
{
    if (!shown_ || floating_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(position_, floating_);
}

} // namespace paint
