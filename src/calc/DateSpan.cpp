#include "calc/DateSpan.h"

#include <QRegularExpression>

namespace datecalc {

namespace {

constexpr int DaysBefore[13] = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr qint64 YearValueLimit = 1'000'000'000'000LL;

// Any date in the year 1..MaxYear; the calendar itself never holds another.
bool validDate(qint64 year, qint64 month, qint64 day)
{
    return year >= MinYear && year <= MaxYear && month >= 1 && month <= 12 && day >= 1
           && day <= daysInMonth(year, int(month));
}

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
    if (key == QChar(8))
        return true;
    if (key < QLatin1Char('0') || key > QLatin1Char('9'))
        return false;
    return !(boxText.size() == 3 && yearValue(boxText) >= 800);
}

QString holderImageName(int digit, int set, int blank)
{
    switch (set) {
    case 1:
    case 2: {
        if (digit < 0 || digit > 9)
            return {};
        const QChar letter = set == 1 ? QLatin1Char('Y') : QLatin1Char('F');
        if (blank == 1 && digit == 0)
            return QString(letter) + QLatin1Char('B');
        return QString(letter) + QString::number(digit);
    }
    case 3:
        if (digit < 0 || digit > 6)
            return {};
        return QStringLiteral("R") + QString::number(digit);
    default:
        return {};
    }
}

CalendarDate::CalendarDate(const QDate& today)
    : year_(today.year()), month_(today.month()), day_(today.day())
{
    // A clock outside the calendar's years leaves the nearest valid day.
    if (!validDate(year_, month_, day_)) {
        year_ = year_ < MinYear ? MinYear : MaxYear;
        month_ = year_ == MinYear ? 1 : 12;
        day_ = year_ == MinYear ? 1 : 31;
    }
}

bool CalendarDate::accept(int year, int month, int day)
{
    if (year == year_ && month == month_ && day == day_)
        return false;
    year_ = year;
    month_ = month;
    day_ = day;
    useCurrentDate_ = false;
    return true;
}

bool CalendarDate::setYear(qint64 year)
{
    if (year == year_ || !validDate(year, month_, day_))
        return false;
    return accept(int(year), month_, day_);
}

bool CalendarDate::setMonth(qint64 month)
{
    if (month == month_ || !validDate(year_, month, day_))
        return false;
    return accept(year_, int(month), day_);
}

bool CalendarDate::setDay(qint64 day)
{
    if (day == day_ || !validDate(year_, month_, day))
        return false;
    return accept(year_, month_, int(day));
}

bool CalendarDate::setUseCurrentDate(bool on, const QDate& today)
{
    const bool wasOn = useCurrentDate_;
    useCurrentDate_ = on;
    if (!on || wasOn)
        return false;
    const CalendarDate now(today);
    const bool changed = now.year_ != year_ || now.month_ != month_ || now.day_ != day_;
    year_ = now.year_;
    month_ = now.month_;
    day_ = now.day_;
    return changed;
}

int CalendarDate::dayAt(int row, int column) const
{
    if (row < 0 || row > 5 || column < 0 || column > 6)
        return 0;
    const int day = row * 7 + column - weekday(year_, month_, 1) + 1;
    return day >= 1 && day <= daysInMonth(year_, month_) ? day : 0;
}

int CalendarDate::rowOf(int day) const { return (day - 1 + weekday(year_, month_, 1)) / 7; }

int CalendarDate::columnOf(int day) const { return (day - 1 + weekday(year_, month_, 1)) % 7; }

} // namespace datecalc
