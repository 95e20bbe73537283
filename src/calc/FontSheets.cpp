#include "calc/FontSheets.h"

#include "calc/AltCodes.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

namespace fontsheets {

namespace {

const QString TitleFamily = QStringLiteral("Times New Roman");
const QString LabelFamily = QStringLiteral("Courier New");
constexpr int TitlePoints = 24;
constexpr int NotePoints = 10;
constexpr int LabelPoints = 8;
constexpr int SamplePoints = 18;
constexpr int NoteLength = 240;
constexpr int LargestCharacter = 48;
constexpr int SmallestCharacter = 6;
constexpr int FallbackCharacter = 4;
constexpr int SizeLineX = 20;

QFont font(const QString& family, int points, QFont::StyleHint hint = QFont::AnyStyle)
{
    QFont f(family, points);
    f.setStyleHint(hint);
    return f;
}

QFont titleFont() { return font(TitleFamily, TitlePoints, QFont::Serif); }

// The chosen font exactly, borrowing no glyphs from other faces: the table
// shows what this font has.
QFont chosenFont(const QString& family, int points)
{
    QFont f(family, points);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

// Text written with its top left corner at (x, y), as the page's text
// positions are given.
void textAt(QPainter& painter, int x, int y, const QString& text)
{
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

// Half of a difference, rounded to even on a tie.
int roundedHalf(int difference) { return int(std::nearbyint(difference / 2.0)); }

// Title and notes are centred over the grid.
void centredOverGrid(QPainter& painter, const CharacterGrid& grid, int y, const QString& text)
{
    textAt(painter, grid.left + roundedHalf(grid.width - painter.fontMetrics().horizontalAdvance(text)), y, text);
}

QFont noteFont() { return font(TitleFamily, NotePoints, QFont::Serif); }

// The grid as it lies on this device's page.
CharacterGrid gridOn(const QPagedPaintDevice& device)
{
    return characterGrid(device.width(), device.height(), QFontMetrics(titleFont(), &device).height(),
                         QFontMetrics(noteFont(), &device).height());
}

void paintTitleAndNotes(QPainter& painter, const CharacterGrid& grid, int pageHeight, const QString& family)
{
    painter.setFont(titleFont());
    centredOverGrid(painter, grid, 10, family);
    painter.setFont(noteFont());
    const int noteHeight = painter.fontMetrics().height();
    centredOverGrid(painter, grid, pageHeight - 2 * noteHeight, keyNote(family));
    centredOverGrid(painter, grid, pageHeight - noteHeight, altNote());
}

void paintCells(QPainter& painter, const QPagedPaintDevice& device, const CharacterGrid& grid, const QString& family)
{
    const QFont labelFont = font(LabelFamily, LabelPoints, QFont::TypeWriter);
    const QFontMetrics labelMetrics(labelFont, &device);
    const int labelHeight = labelMetrics.height();
    for (int code = 0; code <= altcodes::LastCode; ++code) {
        const QRect cell = grid.cell(code);
        // The label's top is TH("m") + 1 above the cell's bottom line.
        const int labelTop = cell.top() + grid.rowHeight - (labelHeight + 1);
        const QString label = altcodes::cellLabel(code);
        painter.setFont(labelFont);
        textAt(painter, cell.left() + (grid.cellWidth - labelMetrics.horizontalAdvance(label)) / 2, labelTop, label);

        // Below 32 the cell holds a space.
        const QString character =
            code < altcodes::FirstCode ? QStringLiteral(" ") : QString(altcodes::character(code));
        const int points = characterPointSize(
            [&](int size) {
                const QFontMetrics metrics(chosenFont(family, size), &device);
                return QSize(metrics.horizontalAdvance(character), metrics.height());
            },
            grid.rowSpace / 16 - labelHeight, grid.cellWidth);
        painter.setFont(chosenFont(family, points));
        const QFontMetrics metrics = painter.fontMetrics();
        textAt(painter, cell.left() + (grid.cellWidth - metrics.horizontalAdvance(character)) / 2,
               cell.top() + (labelTop - cell.top() - metrics.height()) / 2, character);
    }
}

// Every line twice, one device unit apart, so it shows well on any printer.
void paintGridLines(QPainter& painter, const CharacterGrid& grid)
{
    painter.setPen(QPen(Qt::black, 1));
    const int right = grid.left + grid.width;
    const auto across = [&](int y) {
        painter.drawLine(grid.left, y, right, y);
        painter.drawLine(grid.left, y - 1, right, y - 1);
    };
    across(grid.top);
    for (int i = 0; i <= 16; ++i) {
        const int x = grid.left + i * grid.cellWidth;
        painter.drawLine(x, grid.top, x, grid.bottom);
        painter.drawLine(x - 1, grid.top, x - 1, grid.bottom);
    }
    for (int i = 0; i <= 16; ++i)
        across(grid.top + i * grid.rowHeight);
}

// "Font Samples" or "Font Size Samples" in the middle of the top.
int paintPageTitle(QPainter& painter, int pageWidth, const QString& title)
{
    painter.setFont(titleFont());
    textAt(painter, (pageWidth - painter.fontMetrics().horizontalAdvance(title)) / 2, 1, title);
    return painter.fontMetrics().height();
}

} // namespace

QRect CharacterGrid::cell(int code) const
{
    return QRect(left + column(code) * cellWidth, top + row(code) * rowHeight, cellWidth, rowHeight);
}

CharacterGrid characterGrid(int pageWidth, int pageHeight, int titleHeight, int noteHeight)
{
    CharacterGrid grid;
    const int usable = pageWidth - 2;
    grid.width = usable / 16 * 16;
    grid.left = (usable - grid.width) / 2;
    grid.cellWidth = grid.width / 16;

    const int notes = 2 * noteHeight + 4;
    int top = titleHeight + 15;
    grid.rowSpace = (pageHeight - top - notes) / 16 * 16;
    // The grid moves down by what is left over; its bottom then sits a whole
    // number of sixteenths below the moved top.
    top += (pageHeight - top) % 16;
    grid.top = top;
    grid.bottom = pageHeight - (pageHeight - top - notes) % 16 - notes;
    grid.rowHeight = (grid.bottom - grid.top) / 16;
    return grid;
}

int characterPointSize(const std::function<QSize(int points)>& measure, int maxHeight, int maxWidth)
{
    for (int points = LargestCharacter; points >= SmallestCharacter; points -= 2) {
        const QSize size = measure(points);
        if (size.height() <= maxHeight && size.width() <= maxWidth)
            return points;
    }
    return FallbackCharacter;
}

QString keyNote(const QString& family)
{
    return (QStringLiteral("To use any of the above characters select ") + family
            + QStringLiteral(" font.  Where a key is shown press it (e.g. for \"0065 : A\" press \"A\")"))
        .left(NoteLength);
}

QString altNote()
{
    return QStringLiteral("Where no keyboard equivelant exists, hold ALT key whilst entering code on numeric keypad ")
           + QStringLiteral("(e.g. for character 0128 press ALT+0 ALT+1 ALT+2 ALT+8)");
}

QList<SamplePlace> placeSamples(int pageWidth, int pageHeight, int margin, int firstY, const QList<SampleLine>& lines)
{
    QList<SamplePlace> places;
    places.reserve(lines.size());
    SamplePlace at{0, margin, firstY};
    for (const SampleLine& line : lines) {
        for (;;) {
            const bool freshPage = at.x == margin && at.y == firstY;
            if (at.y + line.heightOfT < pageHeight - 20 || freshPage) {
                places.append(at);
                at.y += line.step;
                break;
            }
            if (at.x < pageWidth / 2) {
                at.x += pageWidth / 2;
                at.y = firstY;
            } else {
                at = {at.page + 1, margin, firstY};
            }
        }
    }
    return places;
}

QList<int> sampleSizes() { return {10, 12, 14, 16, 18, 20, 22, 24, 36, 48}; }

QString sizeLine(const QString& family, int points) { return family + QStringLiteral(" %1 Pt ").arg(points); }

bool printsSizeLine(int points, int lineWidth, int pageWidth)
{
    return points < 36 || lineWidth + SizeLineX < pageWidth;
}

bool paintCharacterTable(QPagedPaintDevice& device, const QString& family)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const CharacterGrid grid = gridOn(device);
    paintTitleAndNotes(painter, grid, device.height(), family);
    paintCells(painter, device, grid, family);
    paintGridLines(painter, grid);
    return painter.end();
}

bool paintTypefaceSamples(QPagedPaintDevice& device, const QStringList& families)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int pageWidth = device.width();
    const int pageHeight = device.height();
    const QFontMetrics titleMetrics(titleFont(), &device);
    const int margin = titleMetrics.horizontalAdvance(QLatin1Char('M'));
    const int firstY = titleMetrics.height() + pageHeight / 100 + 1;

    QList<SampleLine> lines;
    lines.reserve(families.size());
    for (const QString& family : families) {
        const QFontMetrics metrics(QFont(family, SamplePoints), &device);
        lines.append({metrics.height() + pageHeight / 100, metrics.height()});
    }
    const QList<SamplePlace> places = placeSamples(pageWidth, pageHeight, margin, firstY, lines);

    int page = 0;
    paintPageTitle(painter, pageWidth, QStringLiteral("Font Samples"));
    for (qsizetype i = 0; i < families.size(); ++i) {
        for (; page < places[i].page; ++page) {
            if (!device.newPage())
                return false;
            paintPageTitle(painter, pageWidth, QStringLiteral("Font Samples"));
        }
        painter.setFont(QFont(families[i], SamplePoints));
        textAt(painter, places[i].x, places[i].y, families[i]);
    }
    return painter.end();
}

bool paintSizeSamples(QPagedPaintDevice& device, const QString& family)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const int pageWidth = device.width();
    const int pageHeight = device.height();
    int y = 1 + paintPageTitle(painter, pageWidth, QStringLiteral("Font Size Samples")) + pageHeight / 100;
    for (int points : sampleSizes()) {
        painter.setFont(QFont(family, points));
        const QString line = sizeLine(family, points);
        if (printsSizeLine(points, painter.fontMetrics().horizontalAdvance(line), pageWidth))
            textAt(painter, SizeLineX, y, line);
        y += painter.fontMetrics().height() + pageHeight / 100;
    }
    return painter.end();
}

} // namespace fontsheets
