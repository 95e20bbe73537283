#include "typing/TypingGauge.h"

#include <QPainter>

TypingGauge::TypingGauge(const QString& title, const QColor& bar, bool showsText, QWidget* parent)
    : QWidget(parent), title_(title), bar_(bar), showsText_(showsText)
{
    setAccessibleName(title);
    changed();
}

void TypingGauge::setMaximum(int maximum)
{
    gauge_.setMaximum(maximum);
    changed();
}

void TypingGauge::setValue(int value)
{
    gauge_.setValue(value);
    changed();
}

void TypingGauge::setReading(const typing::Gauge& gauge)
{
    gauge_.setMaximum(gauge.maximum());
    gauge_.setValue(gauge.value());
    changed();
}

void TypingGauge::changed()
{
    setAccessibleDescription(QStringLiteral("%1%").arg(gauge_.percent()));
    update();
}

void TypingGauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    p.fillRect(rect(), Qt::white);
    const int filled = (width() - 2) * gauge_.percent() / 100;
    p.fillRect(QRect(1, 1, filled, height() - 2), bar_);
    p.setPen(QColor(96, 96, 96));
    p.drawRect(frame);
    if (showsText_) {
        QFont font = p.font();
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("%1%").arg(gauge_.percent()));
    }
}
