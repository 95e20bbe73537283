#include "calc/DateSpan.h"

#include <QRegularExpression>

namespace datecalc {

namespace {

constexpr int DaysBefore[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr qint64 YearValueLimit = 1'000'000'000'000LL;

} // namespace

bool isLeapYear(qint64 year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(qint64 year, int month)
{
    static constexpr int Lengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : Lengths[month];
}

qint64 serialDay(int year, int month, int day)
{
    const qint64 before = qint64(year) - 1;
    qint64 days = before * 365 + before / 4 - before / 100 + before / 400;
    days += DaysBefore[month];
    if (month > 2 && isLeapYear(year))
        ++days;
    return days + day;
}

int weekday(int year, int month, int day)
{
    // 1 January of year 1 was a Monday in the proleptic calendar.
    return int(serialDay(year, month, day) % 7);
}

Span spanBetween(qint64 fromSerial, qint64 toSerial)
{
    Span span;
    span.days = fromSerial > toSerial ? fromSerial - toSerial : toSerial - fromSerial;
    span.weeks = span.days / 7;
    span.remainder = int(span.days % 7);
    return span;
}

QString daysText(qint64 days) { return QString::number(days).rightJustified(DayDigits, QLatin1Char(' ')); }

QString weeksText(qint64 weeks) { return QString::number(weeks).rightJustified(WeekDigits, QLatin1Char(' ')); }

bool isWholeNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    return number.match(text.trimmed()).hasMatch();
}

qint64 yearValue(const QString& text)
{
    if (!isWholeNumber(text))
        return 0;
    const QString digits = text.trimmed();
    const bool negative = digits.startsWith(QLatin1Char('-'));
    qint64 value = 0;
    for (QChar c : digits) {
        if (!c.isDigit())
            continue;
        value = value * 10 + c.digitValue();
        if (value >= YearValueLimit) {
            value = YearValueLimit;
            break;
        }
    }
    return negative ? -value : value;
}

bool yearKeyAccepted(const QString& boxText, QChar key)
{
    if (key == Backspace)
        return true;
    if (key < QLatin1Char('0') || key > QLatin1Char('9'))
        return false;
    return !(boxText.size() == 3 && yearValue(boxText) >= 800);
}

} // namespace datecalc
