#pragma once
#include <QChar>
#include <QString>

// The arithmetic of the Date Calculator: proleptic Gregorian dates from year 1
// to 7999, the span between two of them, the texts the digit displays show,
// and the year box's key filter.
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

// The character a Backspace key types.
inline constexpr QChar Backspace{char16_t(8)};

// The key filter of a year box: digits, unless a fourth digit would pass
// 7999 (the box holds three characters worth 800 or more), and Backspace.
bool yearKeyAccepted(const QString& boxText, QChar key);

} // namespace datecalc
