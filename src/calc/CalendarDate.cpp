#include "calc/CalendarDate.h"

namespace datecalc {

namespace {

// Any date in the years 1..MaxYear; the calendar itself never holds another.
bool validDate(qint64 year, qint64 month, qint64 day)
{
    return year >= MinYear && year <= MaxYear && month >= 1 && month <= 12 && day >= 1
           && day <= daysInMonth(year, int(month));
}

} // namespace

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
    todayMode_ = false;
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

bool CalendarDate::setTodayMode(bool on, const QDate& today)
{
    const bool wasOn = todayMode_;
    todayMode_ = on;
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
