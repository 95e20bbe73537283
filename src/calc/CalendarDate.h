#pragma once
#include "calc/DateSpan.h"

#include <QDate>

namespace datecalc {

// The date a month-grid calendar holds. Every setter refuses a part below 1,
// a month above 12, a day past the end of the month, a year past MaxYear, a
// change that would leave an impossible date (29 February in a common year)
// and a value equal to the present one; it says whether it took the change.
class CalendarDate {
public:
    // Starts at today with the today mode on.
    explicit CalendarDate(const QDate& today);

    int year() const { return year_; }
    int month() const { return month_; }
    int day() const { return day_; }
    qint64 serial() const { return serialDay(year_, month_, day_); }

    bool setYear(qint64 year);
    bool setMonth(qint64 month);
    bool setDay(qint64 day);

    // The today mode is on from the start until a change is taken.
    // Switching it on while it was off moves the date to today; returns
    // whether the date changed.
    bool todayMode() const { return todayMode_; }
    bool setTodayMode(bool on, const QDate& today);

    // The day shown in a cell of the six week rows (row 0..5, column 0 =
    // Sunday), 0 for a cell outside the month.
    int dayAt(int row, int column) const;
    // Cell of a day of the shown month.
    int rowOf(int day) const;
    int columnOf(int day) const;

private:
    bool accept(int year, int month, int day);

    int year_;
    int month_;
    int day_;
    bool todayMode_ = true;
};

} // namespace datecalc
