#pragma once
#include "common/TextPrinter.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The perpetual year planner behind the Anniversary Database: one line of
// text for every day of the calendar, 29 February included, with no year.
namespace planner {

inline constexpr int DaysInYear = 366;
inline constexpr int MonthCount = 12;

// Days of month 1..12 in the planner's year (February has 29); 0 outside.
int daysInMonth(int month);
// Position of a day in the year and in the file, 0-based: 1 January is 0,
// 29 February 59, 1 March 60, 31 December 365; -1 for no such day.
int dayIndex(int month, int day);
// " 1st" .. " 9th", then "10th" .. "31st"; empty outside 1..31.
QString dayLabel(int day);
// "January" .. "December"; empty outside 1..12.
QString monthName(int month);

class YearPlanner {
public:
    YearPlanner();

    // Empty for a day that does not exist.
    QString entry(int month, int day) const;
    // Line breaks become spaces: an entry is one line of the file, and a
    // break inside it would shift every later day by a line.
    void setEntry(int month, int day, const QString& text);
    void clear();
    bool monthHasEntries(int month) const;
    // The 366 entries in calendar order.
    const QStringList& entries() const { return entries_; }

    // The .adb file: 366 lines in calendar order, each ended by CR LF,
    // in Windows-1252 when every character fits, else UTF-8.
    QByteArray toFileBytes() const;
    // Line k of the text fills day k; missing lines leave their days empty,
    // lines past the 366th are ignored. Lines may end in CR LF or LF. UTF-8
    // when the bytes are valid UTF-8, else Windows-1252.
    // Text with a NUL byte in it is no planner file: nullopt.
    static std::optional<YearPlanner> fromFileBytes(const QByteArray& bytes);

    friend bool operator==(const YearPlanner&, const YearPlanner&) = default;

private:
    QStringList entries_;
};

// Reading fails (nullopt) when the file cannot be opened or read, or is not
// text. Writing goes through a temporary file renamed over the old one, so a
// failed write leaves the file that was there as it was.
std::optional<YearPlanner> readPlannerFile(const QString& path);
bool writePlannerFile(const QString& path, const YearPlanner& planner);

inline const QString PrintTitle = QStringLiteral("* Anniversary List *");

// The printed list of months first..last (the same month for one month):
// the centred title, the date and time stamp, then every month that has
// entries, its name and its days with entries (label, two spaces, entry).
QList<TextPrinter::Line> printLayout(const YearPlanner& planner, int firstMonth, int lastMonth,
                                     const QDateTime& now, const QLocale& locale);

} // namespace planner
