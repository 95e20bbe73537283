#pragma once
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
    // in the local 8-bit encoding.
    QByteArray toFileBytes() const;
    // Line k of the text fills day k; missing lines leave their days empty,
    // lines past the 366th are ignored. Lines may end in CR LF or LF.
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

// A printed anniversary list, line by line; the style gives the font size.
struct PrintLine {
    enum class Style { Title, Stamp, MonthName, Day };
    Style style;
    QString text; // empty: a blank line in that style's font

    friend bool operator==(const PrintLine&, const PrintLine&) = default;
};

inline const QString PrintFontFamily = QStringLiteral("Courier New");
int pointSize(PrintLine::Style style);

inline const QString PrintTitle = QStringLiteral("* Anniversary List *");

// "Date : " and the date as weekday, day, month name and year in the
// locale's names ("Date : Tuesday 8 December 2026").
QString printedDate(const QDate& date, const QLocale& locale);
// "Time : " and the time on the 12-hour clock ("Time : 03:05 PM").
QString printedTime(const QTime& time);

// The list of months first..last (the same month for one month): title,
// date and time, then every month that has entries, its name and its days
// with entries (label, two spaces, entry). The title line holds the bare
// title; the printer centres it with titleSpaces().
QList<PrintLine> printLayout(const YearPlanner& planner, int firstMonth, int lastMonth,
                             const QDateTime& now, const QLocale& locale);

// Spaces put before the title to centre it: k + 1 where
// k = ((pageWidth - titleWidth) / 2) / spaceWidth, none when k is negative.
int titleSpaces(int pageWidth, int titleWidth, int spaceWidth);

} // namespace planner
