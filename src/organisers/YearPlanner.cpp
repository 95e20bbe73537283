#include "organisers/YearPlanner.h"

#include "common/LegacyText.h"
#include "common/OrdinalSuffix.h"
#include "common/WholeFile.h"

#include <QFile>

#include <array>

namespace planner {

namespace {

constexpr std::array<int, MonthCount> MonthLengths{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

const std::array<QString, MonthCount> MonthNames{
    QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
    QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
    QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
    QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};

// Point sizes of the printed list.
constexpr int TitlePointSize = 20;
constexpr int StampPointSize = 14;
constexpr int MonthPointSize = 12;
constexpr int DayPointSize = 10;

QString oneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

int daysInMonth(int month)
{
    return month >= 1 && month <= MonthCount ? MonthLengths[month - 1] : 0;
}

int dayIndex(int month, int day)
{
    if (day < 1 || day > daysInMonth(month))
        return -1;
    int index = day - 1;
    for (int m = 1; m < month; ++m)
        index += MonthLengths[m - 1];
    return index;
}

QString dayLabel(int day)
{
    if (day < 1 || day > 31)
        return {};
    return QStringLiteral("%1%2").arg(day, 2).arg(ordinalSuffix(day));
}

QString monthName(int month)
{
    return month >= 1 && month <= MonthCount ? MonthNames[month - 1] : QString();
}

YearPlanner::YearPlanner()
{
    entries_.fill(QString(), DaysInYear);
}

QString YearPlanner::entry(int month, int day) const
{
    const int index = dayIndex(month, day);
    return index < 0 ? QString() : entries_[index];
}

void YearPlanner::setEntry(int month, int day, const QString& text)
{
    const int index = dayIndex(month, day);
    if (index >= 0)
        entries_[index] = oneLine(text);
}

void YearPlanner::clear()
{
    for (QString& e : entries_)
        e.clear();
}

bool YearPlanner::monthHasEntries(int month) const
{
    for (int day = 1; day <= daysInMonth(month); ++day)
        if (!entry(month, day).isEmpty())
            return true;
    return false;
}

QByteArray YearPlanner::toFileBytes() const
{
    QString text;
    for (const QString& e : entries_)
        text += e + QLatin1String("\r\n");
    return legacytext::encode(text);
}

std::optional<YearPlanner> YearPlanner::fromFileBytes(const QByteArray& bytes)
{
    if (bytes.contains('\0'))
        return std::nullopt;
    // The whole file is one text, UTF-8 or Windows-1252, decided once.
    const QString text = legacytext::decode(bytes);
    YearPlanner planner;
    qsizetype start = 0;
    for (int index = 0; index < DaysInYear && start < text.size(); ++index) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        if (end > start && text.at(end - 1) == QLatin1Char('\r'))
            --end;
        planner.entries_[index] = text.mid(start, end - start);
        start = next;
    }
    return planner;
}

std::optional<YearPlanner> readPlannerFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Only the first 366 lines count; a huge file is not read to its end.
    QByteArray bytes;
    int lines = 0;
    while (lines < DaysInYear && !file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line.isEmpty() && file.error() != QFileDevice::NoError)
            return std::nullopt;
        bytes += line;
        ++lines;
    }
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return YearPlanner::fromFileBytes(bytes);
}

bool writePlannerFile(const QString& path, const YearPlanner& planner)
{
    const QByteArray bytes = planner.toFileBytes();
    return writeWholeFile(path, bytes);
}

QList<TextPrinter::Line> printLayout(const YearPlanner& planner, int firstMonth, int lastMonth,
                                     const QDateTime& now, const QLocale& locale)
{
    QList<TextPrinter::Line> lines{
        {QString(), DayPointSize}, {PrintTitle, TitlePointSize, false, true}, {QString(), TitlePointSize}};
    lines.append(TextPrinter::dateTimeStamp(now.date(), now.time(), locale));
    lines.append({QString(), StampPointSize});
    lines.append({QString(), StampPointSize});
    // The closing blank line is in whichever font was set last.
    int lastSize = StampPointSize;
    for (int month = qMax(1, firstMonth); month <= qMin(MonthCount, lastMonth); ++month) {
        if (!planner.monthHasEntries(month))
            continue;
        lines.append({monthName(month), MonthPointSize});
        for (int day = 1; day <= daysInMonth(month); ++day) {
            const QString text = planner.entry(month, day);
            if (!text.isEmpty())
                lines.append({dayLabel(day) + QStringLiteral("  ") + text, DayPointSize});
        }
        lastSize = DayPointSize;
    }
    lines.append({QString(), lastSize});
    return lines;
}

} // namespace planner
