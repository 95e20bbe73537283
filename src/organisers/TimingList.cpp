#include "organisers/TimingList.h"

#include "common/LegacyText.h"
#include "common/WholeFile.h"

#include <QDateTime>
#include <QFile>

namespace timing {

namespace {

const QString FirstLine = QStringLiteral("    001");
constexpr int PrintLabelWidth = 50;
constexpr int TitlePointSize = 24;
constexpr int StampPointSize = 14;
constexpr int BodyPointSize = 12;

QString twoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

QString spaces(int count) { return QString(qMax(count, 0), QLatin1Char(' ')); }

// A cell's number, whatever spaces surround it; 0 when there is none.
int cellNumber(const QString& cell) { return cell.trimmed().toInt(); }

} // namespace

const std::array<QString, ColumnCount>& headerTexts()
{
    static const std::array<QString, ColumnCount> texts = {
        QStringLiteral("Timing"), QStringLiteral("Description"), QStringLiteral("  Start Time"),
        QStringLiteral("Hr(s)"),  QStringLiteral("Min(s)"),      QStringLiteral("Sec(s)"),
        QStringLiteral(" 1/100s"), QStringLiteral("   End Time"),
    };
    return texts;
}

const std::array<int, ColumnCount>& columnWidths()
{
    static const std::array<int, ColumnCount> widths = {45, 247, 72, 32, 39, 37, 47, 72};
    return widths;
}

Elapsed splitElapsed(qint64 milliseconds)
{
    // A clock set back mid-timing must not show negative digits.
    const qint64 ms = qMax<qint64>(milliseconds, 0);
    Elapsed e;
    e.hours = int((ms / 3600000) % 24);
    e.minutes = int((ms / 60000) % 60);
    e.seconds = int((ms / 1000) % 60);
    e.hundredths = int((ms % 1000) / 10);
    return e;
}

QString timeOfDay(const QTime& time)
{
    return twoDigits(time.hour()) + QLatin1Char(':') + twoDigits(time.minute()) + QLatin1Char(':')
           + twoDigits(time.second()) + QLatin1Char(':') + twoDigits(time.msec() / 10);
}

QString numberCell(int row) { return spaces(4) + QStringLiteral("%1").arg(row, 3, 10, QLatin1Char('0')); }

std::array<QString, 4> elapsedCells(const Elapsed& e)
{
    return {spaces(3) + twoDigits(e.hours), spaces(4) + twoDigits(e.minutes),
            spaces(3) + twoDigits(e.seconds), spaces(5) + twoDigits(e.hundredths)};
}

QString displayText(const Elapsed& e)
{
    return twoDigits(e.hours) + QLatin1Char(':') + twoDigits(e.minutes) + QLatin1Char(':')
           + twoDigits(e.seconds) + QLatin1Char(':') + twoDigits(e.hundredths);
}

// ---------------------------------------------------------------- the list

TimingList::TimingList() { clear(); }

void TimingList::clear()
{
    rows_.clear();
    appendRow();
}

void TimingList::appendRow()
{
    Row row;
    row[Number] = numberCell(rowCount() + 1);
    rows_.push_back(row);
}

QString TimingList::cleanLabel(const QString& label)
{
    QString clean = label;
    clean.replace(QLatin1String("\r\n"), QLatin1String(" "));
    clean.replace(QLatin1Char('\r'), QLatin1Char(' '));
    clean.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return clean;
}

void TimingList::setLabel(int row, const QString& label) { rows_[row - 1][Label] = cleanLabel(label); }

bool TimingList::rowBlank(int row) const
{
    return cell(Label, row).isEmpty() && cell(StartTime, row).isEmpty();
}

void TimingList::beginTiming(const QTime& now) { rows_.last()[StartTime] = timeOfDay(now); }

QVector<int> TimingList::showElapsed(const Elapsed& elapsed)
{
    QVector<int> changed;
    const auto texts = elapsedCells(elapsed);
    Row& row = rows_.last();
    for (int i = 0; i < 4; ++i) {
        if (row[Hours + i] != texts[i]) {
            row[Hours + i] = texts[i];
            changed.append(Hours + i);
        }
    }
    return changed;
}

void TimingList::endTiming(const QTime& now, const Elapsed& elapsed)
{
    rows_.last()[EndTime] = timeOfDay(now);
    showElapsed(elapsed);
    appendRow();
}

void TimingList::deleteRow(int r)
{
    if (r < 1 || r > lastRow())
        return;
    if (r == lastRow()) {
        // Removing the row for the next timing would leave the next start
        // to overwrite the timing above it: empty it instead.
        for (int column = Label; column < ColumnCount; ++column)
            rows_[r - 1][column].clear();
        return;
    }
    for (int a = r; a < lastRow(); ++a)
        for (int column = Label; column < ColumnCount; ++column)
            rows_[a - 1][column] = rows_[a][column];
    rows_.removeLast();
}

QStringList TimingList::toLines() const
{
    QStringList lines;
    lines.reserve(rowCount() * ColumnCount);
    for (const Row& row : rows_)
        for (const QString& cell : row)
            lines.append(cell);
    return lines;
}

std::optional<TimingList> TimingList::fromLines(const QStringList& lines)
{
    if (lines.isEmpty() || lines.first() != FirstLine)
        return std::nullopt;
    // Cells in order, a row appended after each end time; the last line is
    // the empty end time of the row for the next timing and is not placed.
    TimingList list;
    list.rows_.clear();
    list.rows_.push_back(Row{});
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const int column = int(i % ColumnCount);
        list.rows_.last()[column] = lines.at(i);
        if (column == EndTime)
            list.rows_.push_back(Row{});
    }
    // A file cut short inside the number column would leave a row without
    // its number; the numbering is the list's own, so give it back.
    for (int r = 1; r <= list.rowCount(); ++r)
        if (list.rows_[r - 1][Number].isEmpty())
            list.rows_[r - 1][Number] = numberCell(r);
    return list;
}

// ---------------------------------------------------------------- the file

QByteArray encodeLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1String("\r\n");
    return legacytext::encode(text);
}

std::optional<QStringList> decodeLines(const QByteArray& bytes)
{
    const QString text = legacytext::decode(bytes);
    for (QChar c : text)
        if (c.unicode() < 0x20 && c != QLatin1Char('\r') && c != QLatin1Char('\n')
            && c != QLatin1Char('\t'))
            return std::nullopt;

    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\r') && text.at(i) != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (text.at(i) == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

std::optional<TimingList> readTimingFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return std::nullopt;
    // size() is 0 for some special files; read no further than the limit.
    const QByteArray bytes = file.read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize || file.error() != QFile::NoError)
        return std::nullopt;
    const auto lines = decodeLines(bytes);
    if (!lines)
        return std::nullopt;
    return TimingList::fromLines(*lines);
}

bool writeTimingFile(const QString& path, const TimingList& list)
{
    const QByteArray bytes = encodeLines(list.toLines());
    return writeWholeFile(path, bytes);
}

// ---------------------------------------------------------------- printing

QStringList splitLabel(const QString& label)
{
    QStringList parts;
    QString rest = label;
    // A label of any length is printed whole: long ones go on over as many
    // continuation lines as they need.
    while (rest.size() > PrintLabelWidth) {
        const qsizetype space = rest.lastIndexOf(QLatin1Char(' '), PrintLabelWidth - 1);
        const qsizetype cut = space >= 0 ? space + 1 : PrintLabelWidth;
        parts.append(rest.left(cut));
        rest = rest.mid(cut);
    }
    parts.append(rest);
    return parts;
}

QList<TextPrinter::Line> printRowLines(const Row& row)
{
    const QStringList label = splitLabel(row[Label]);
    const QString elapsed = twoDigits(cellNumber(row[Hours])) + QLatin1Char(':')
                            + twoDigits(cellNumber(row[Minutes])) + QLatin1Char(':')
                            + twoDigits(cellNumber(row[Seconds])) + QLatin1Char(':')
                            + twoDigits(cellNumber(row[Hundredths]));
    // The number with the space before it; from 1000 on it keeps every digit.
    QList<TextPrinter::Line> lines;
    lines.append({QLatin1Char(' ') + row[Number].mid(3).leftJustified(7) + label.first().leftJustified(53)
                      + row[StartTime].leftJustified(12) + row[EndTime].leftJustified(12) + elapsed,
                  BodyPointSize, true});
    for (qsizetype i = 1; i < label.size(); ++i)
        lines.append({(spaces(8) + label.at(i)).leftJustified(88), BodyPointSize, true});
    return lines;
}

QList<TextPrinter::Line> printLines(const TimingList& list, const QDateTime& now, const QLocale& locale)
{
    using Line = TextPrinter::Line;
    QList<Line> lines{{PrintTitle, TitlePointSize, false, true}, {QString(), TitlePointSize}};
    lines.append(TextPrinter::dateTimeStamp(now.date(), now.time(), locale));
    lines.append(QList<Line>{{QString(), StampPointSize}, {PrintHeading, BodyPointSize}, {QString(), BodyPointSize}});
    for (int r = 1; r < list.lastRow(); ++r)
        lines.append(printRowLines(list.row(r)));
    lines.append({QString(), BodyPointSize});
    return lines;
}

} // namespace timing
