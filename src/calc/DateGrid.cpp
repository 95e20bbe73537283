#include "calc/DateGrid.h"

#include "common/AccessibleValue.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor Navy(0, 0, 128);

QString accessibleDate(const datecalc::CalendarDate& date)
{
    return QStringLiteral("%1 %2 %3").arg(date.day()).arg(QLocale().monthName(date.month())).arg(date.year());
}

} // namespace

DateGrid::DateGrid(const QDate& today, QWidget* parent) : QWidget(parent), date_(today)
{
    QFont grid(QStringLiteral("Times New Roman"));
    grid.setPixelSize(19);
    setFont(grid);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    describe();
}

void DateGrid::setAccessibleLabel(const QString& label)
{
    accessibleLabel_ = label;
    describe();
}

void DateGrid::describe() { accessible::showValue(this, accessibleLabel_, accessibleDate(date_)); }

void DateGrid::setYear(qint64 year) { redrawIfTaken(date_.setYear(year)); }

void DateGrid::setMonth(qint64 month) { redrawIfTaken(date_.setMonth(month)); }

void DateGrid::setDay(qint64 day) { redrawIfTaken(date_.setDay(day)); }

void DateGrid::setTodayMode(bool on, const QDate& today) { redrawIfTaken(date_.setTodayMode(on, today)); }

void DateGrid::redrawIfTaken(bool accepted)
{
    if (!accepted)
        return;
    describe();
    update();
    emit changed();
}

QRect DateGrid::cellRect(int row, int column) const
{
    const int w = width() / 7;
    const int h = height() / 7;
    return QRect(column * w, row * h, w, h);
}

QRect DateGrid::dayRect(int day) const { return cellRect(date_.rowOf(day) + 1, date_.columnOf(day)); }

void DateGrid::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void DateGrid::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void DateGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const QLocale locale;
    painter.setPen(Qt::black);
    for (int column = 0; column < 7; ++column) {
        // Qt counts Monday as 1 and Sunday as 7.
        const int qtDay = column == 0 ? 7 : column;
        const QRect cell = cellRect(0, column);
        painter.fillRect(cell, QColor(182, 182, 170));
        painter.drawText(cell, Qt::AlignCenter, locale.dayName(qtDay, QLocale::ShortFormat));
    }
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column) {
            const int day = date_.dayAt(row, column);
            if (day == 0)
                continue;
            const QRect cell = cellRect(row + 1, column);
            const bool selected = day == date_.day();
            if (selected)
                painter.fillRect(cell, Navy);
            painter.setPen(selected ? Qt::white : Qt::black);
            painter.drawText(cell, Qt::AlignCenter, QString::number(day));
        }
    painter.setPen(Qt::gray);
    for (int i = 1; i < 7; ++i) {
        painter.drawLine(cellRect(0, i).topLeft(), cellRect(6, i).bottomLeft());
        painter.drawLine(cellRect(i, 0).topLeft(), cellRect(i, 6).topRight());
    }
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(dayRect(date_.day()).adjusted(1, 1, -2, -2));
    }
}

void DateGrid::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    int day = 0;
    for (int row = 1; row < 7 && day == 0; ++row)
        for (int column = 0; column < 7; ++column)
            if (cellRect(row, column).contains(at)) {
                day = date_.dayAt(row - 1, column);
                break;
            }
    emit clicked();
    if (day != 0)
        setDay(day);
}

void DateGrid::keyPressEvent(QKeyEvent* event)
{
    // The arrows walk the days of the shown month, as in a grid.
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -7; break;
    case Qt::Key_Down: step = 7; break;
    default: QWidget::keyPressEvent(event); return;
    }
    setDay(date_.day() + step);
}
