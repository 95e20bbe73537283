#pragma once
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;
class QSize;

// The three printed font sheets: the character table of one font (codes 0 to
// 255 in a grid of 16 by 16 cells), a sample line of every font, and one font
// in ten sizes. Positions and sizes are in device units of the page; the
// arithmetic is kept apart from the painting so it can be checked alone.
namespace fontsheets {

// ---------------------------------------------------------------- character table

// Where the grid of the character table lies on a page of the given
// printable size, under a title and above two lines of notes.
struct CharacterGrid {
    int left = 0;       // X0
    int width = 0;      // W, a multiple of 16
    int cellWidth = 0;  // W / 16
    int top = 0;        // T
    int bottom = 0;     // B
    int rowHeight = 0;  // (B - T) / 16
    int rowSpace = 0;   // G: the height the rows were measured in, a multiple of 16

    // The cell of code n: column n / 16, row n % 16.
    static int column(int code) { return code / 16; }
    static int row(int code) { return code % 16; }
    QRect cell(int code) const;
};

CharacterGrid characterGrid(int pageWidth, int pageHeight, int titleHeight, int noteHeight);

// The size a character is printed at: the largest of 48, 46, 44 ... 6
// points whose measured size (from measure) is no higher than maxHeight and
// no wider than maxWidth; 4 points when none is.
int characterPointSize(const std::function<QSize(int points)>& measure, int maxHeight, int maxWidth);

// The two notes under the table.
QString keyNote(const QString& family);
QString altNote();

// ---------------------------------------------------------------- typeface samples

// One font's sample line as it is measured on the page.
struct SampleLine {
    int step = 0;        // TH("Test") + page height / 100
    int heightOfT = 0;   // TH("T")
};

struct SamplePlace {
    int page = 0;
    int x = 0;
    int y = 0;
    friend bool operator==(const SamplePlace&, const SamplePlace&) = default;
};

// Places the sample lines down the first column from firstY, then the
// second column (half a page width further right), then a new page. margin
// is the first column's x. A line that does not fit even at the top of a
// fresh page is printed there all the same, so a huge face cannot make
// pages without end.
QList<SamplePlace> placeSamples(int pageWidth, int pageHeight, int margin, int firstY,
                                const QList<SampleLine>& lines);

// ---------------------------------------------------------------- size samples

// The ten sizes, in the order printed.
QList<int> sampleSizes();
// The line printed at a size: the family and " 12 Pt ".
QString sizeLine(const QString& family, int points);
// The 36 and 48 point lines are printed only when they fit across the page.
bool printsSizeLine(int points, int lineWidth, int pageWidth);

// ---------------------------------------------------------------- painting

// Each paints one whole job on the device, in the orientation it already
// has; false when the device could not be painted on.
bool paintCharacterTable(QPagedPaintDevice& device, const QString& family);
bool paintTypefaceSamples(QPagedPaintDevice& device, const QStringList& families);
bool paintSizeSamples(QPagedPaintDevice& device, const QString& family);

} // namespace fontsheets
