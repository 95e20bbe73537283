#include "paint/ShadowedLabel.h"

#include <QPainter>

namespace paint {

ShadowedLabel::ShadowedLabel(QWidget* parent) : QLabel(parent) {}

void ShadowedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect().adjusted(1, 1, 0, 0);
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, text());
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::white);
    painter.drawText(area.translated(-1, -1), Qt::AlignLeft | Qt::AlignVCenter, text());
}

} // namespace paint
