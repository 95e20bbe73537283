#pragma once
#include <QChar>
#include <QDate>
#include <QString>

// The arithmetic of the Date Calculator: proleptic Gregorian dates from year 1
// to 7999, the span between two of them, the texts the digit displays show,
// the year box's key filter and the date a month-grid calendar holds.
namespace datecalc {

inline constexpr int MinYear = 1;
// The window caps the year box here; seven day digits then always suffice.
inline constexpr int MaxYear = 7999;
inline constexpr int DayDigits = 7;
inline constexpr int WeekDigits = 6;

bool isLeapYear(qint64 year);
// 0 for a month outside 1..12.
int daysInMonth(qint64 year, int month);
// Day number counted from 1 January of year 1 (= 1); the date must be valid.
qint64 serialDay(int year, int month, int day);
// 0 = Sunday .. 6 = Saturday.
int weekday(int year, int month, int day);

struct Span {
    qint64 days = 0;
    qint64 weeks = 0;
    int remainder = 0; // 0..6
};
// Never negative, whichever date is the later.
Span spanBetween(qint64 fromSerial, qint64 toSerial);

// The days as the seven cells show them, spaces on the left; likewise the
// whole weeks in six cells.
QString daysText(qint64 days);
QString weeksText(qint64 weeks);

// The value a year box stands for. Surrounding blanks are ignored; anything
// else that is not a whole number (pasted text) counts as 0. Huge numbers
// are held at +-10^12, so stepping them never overflows.
bool isWholeNumber(const QString& text);
qint64 yearValue(const QString& text);

// The key filter of a year box: digits, unless a fourth digit would pass
// 7999 (the box holds three characters worth 800 or more), and Backspace.
bool yearKeyAccepted(const QString& boxText, QChar key);

// Which digit picture LoadHolder picks: set 1 days ("Y"), 2 weeks ("F"),
// 3 remaining days ("R", no blank). An empty name for a digit outside the
// set's range.
QString holderImageName(int digit, int set, int blank);

// The date a month-grid calendar holds. Every setter refuses a part below 1,
// a month above 12, a day past the end of the month, a year past MaxYear, a
// change that would leave an impossible date (29 February in a common year)
// and a value equal to the present one; it says whether it took the change.
class CalendarDate {
public:
    // Starts at today with the current-date mode on.
    explicit CalendarDate(const QDate& today);

    int year() const { return year_; }
    int month() const { return month_; }
    int day() const { return day_; }
    qint64 serial() const { return serialDay(year_, month_, day_); }

    bool setYear(qint64 year);
    bool setMonth(qint64 month);
    bool setDay(qint64 day);

    bool useCurrentDate() const { return useCurrentDate_; }
    // Switching the mode on while it was off moves the date to today;
    // returns whether the date changed.
    bool setUseCurrentDate(bool on, const QDate& today);

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
    bool useCurrentDate_ = true;
};

} // namespace datecalc
