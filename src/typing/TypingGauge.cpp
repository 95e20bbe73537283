#include "typing/TypingGauge.h"

#include "common/AccessibleValue.h"

#include <QPainter>

TypingGauge::TypingGauge(const QString& title, const QColor& bar, Percentage percentage,
                         QWidget* parent)
    : QWidget(parent), title_(title), bar_(bar), percentage_(percentage)
{
    showReading();
}

void TypingGauge::setMaximum(int maximum)
{
    reading_.setMaximum(maximum);
    showReading();
}

void TypingGauge::setValue(int value)
{
    reading_.setValue(value);
    showReading();
}

void TypingGauge::setReading(const typing::GaugeReading& reading)
{
    reading_.setMaximum(reading.maximum());
    reading_.setValue(reading.value());
    showReading();
}

void TypingGauge::showReading()
{
    accessible::showValue(this, title_, QStringLiteral("%1%").arg(reading_.percent()));
    update();
}

void TypingGauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);
    p.fillRect(rect(), Qt::white);
    const int filled = (width() - 2) * reading_.percent() / 100;
    p.fillRect(QRect(1, 1, filled, height() - 2), bar_);
    p.setPen(QColor(96, 96, 96));
    p.drawRect(frame);
    if (percentage_ == Percentage::Shown) {
        QFont font = p.font();
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("%1%").arg(reading_.percent()));
    }
}
