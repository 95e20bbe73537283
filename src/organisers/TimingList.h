#pragma once
#include "common/TextPrinter.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVector>
#include <array>
#include <optional>

// The Stopwatch's timing list without any widget: the rows of the grid and
// their cell texts, the .tim file format, the delete rule and the printed
// layout.
namespace timing {

constexpr int ColumnCount = 8;
enum Column { Number = 0, Label, StartTime, Hours, Minutes, Seconds, Hundredths, EndTime };

// Header texts and pixel widths of the grid's columns.
const std::array<QString, ColumnCount>& headerTexts();
const std::array<int, ColumnCount>& columnWidths();

// An elapsed time as the list shows it; hours wrap at 24.
struct Elapsed {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int hundredths = 0;
    bool operator==(const Elapsed&) const = default;
};
Elapsed splitElapsed(qint64 milliseconds);

// "hh:mm:ss:cc", cc being hundredths of a second.
QString timeOfDay(const QTime& time);
// "    001"; more digits from 1000 on.
QString numberCell(int row);
// The cells of columns 3 to 6: the number after 3, 4, 3 and 5 spaces.
std::array<QString, 4> elapsedCells(const Elapsed& elapsed);
// "HH:MM:SS:cc", the digit display's text.
QString displayText(const Elapsed& elapsed);

using Row = std::array<QString, ColumnCount>;

// Rows 1 and below of the grid (the header row is not kept here). The last
// row is always the row for the next timing.
class TimingList {
public:
    TimingList();

    int rowCount() const { return int(rows_.size()); }
    int lastRow() const { return rowCount(); }
    // Rows are numbered from 1, as in the grid.
    const QString& cell(int column, int row) const { return rows_.at(row - 1).at(column); }
    const Row& row(int row) const { return rows_.at(row - 1); }

    // Line breaks in a label would break the file's one-cell-a-line layout,
    // so they become spaces.
    void setLabel(int row, const QString& label);
    static QString cleanLabel(const QString& label);

    // Neither a label nor a start time.
    bool rowBlank(int row) const;
    // One row, and that one blank.
    bool isEmpty() const { return rowCount() == 1 && rowBlank(1); }

    // Back to one numbered row.
    void clear();

    // A timing in the last row: its start, its running time, its stop.
    void beginTiming(const QTime& now);
    // Rewrites the elapsed cells of the last row that differ; returns the
    // columns that changed.
    QVector<int> showElapsed(const Elapsed& elapsed);
    // Fills the end time and the elapsed cells and appends the next row.
    void endTiming(const QTime& now, const Elapsed& elapsed);

    // Removes timing row r, moving the rows below up while the numbers stay
    // where they are. Deleting the row for the next timing clears it instead,
    // so there always is one.
    void deleteRow(int r);

    // The file: every row's 8 cells, one a line, the row for the next
    // timing included.
    QStringList toLines() const;
    // Rebuilds the list from a file's lines; nullopt when they are not a
    // timing list (no lines, or a first line other than "    001").
    static std::optional<TimingList> fromLines(const QStringList& lines);

private:
    void appendRow();

    QVector<Row> rows_;
};

// --- the .tim file ---------------------------------------------------------

// Larger than any list a person could time; anything bigger is not ours.
constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

// Lines joined with CR LF (the last one ended too), in Windows-1252 when
// every character fits, else UTF-8 (see LegacyText.h).
QByteArray encodeLines(const QStringList& lines);
// Lines of a file, UTF-8 or Windows-1252; a final line break does not make
// an extra line. nullopt when the bytes cannot be text (NUL or other control
// characters).
std::optional<QStringList> decodeLines(const QByteArray& bytes);

// Reads a timing file; nullopt when it cannot be read or is not a timing list.
std::optional<TimingList> readTimingFile(const QString& path);
// Writes through a temporary file renamed over the old one only once the
// whole list is on disk, so a failed save leaves the old file as it was.
bool writeTimingFile(const QString& path, const TimingList& list);

// --- printing --------------------------------------------------------------

inline const QString PrintTitle = QStringLiteral("* Timing List *");
inline const QString PrintHeading = QStringLiteral(
    "Timing  Description                                          Start  Time  End  Time    Elapsed");

// A label split for print: the first part on the timing line, then the
// continuation lines, each at most 50 characters, broken after the last
// space at or before the 50th character.
QStringList splitLabel(const QString& label);

// The printed lines of one timing row (underlined, fixed-width fields).
QList<TextPrinter::Line> printRowLines(const Row& row);

// Everything one print job writes, line by line.
QList<TextPrinter::Line> printLines(const TimingList& list, const QDateTime& now, const QLocale& locale);

} // namespace timing
