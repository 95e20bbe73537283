#pragma once
#include <QString>

#include <array>
#include <vector>

// The calculating core of the conversion window: three unit tables (length,
// liquid capacity, weight), the arithmetic that turns one entered value into
// a whole column of converted numbers, their display texts, the temperature
// formulas and the oven chart. No widgets here.
namespace units {

enum class Category { Length, Liquid, Weight };
enum class Scale { Celsius, Fahrenheit, Kelvin };

// What the entry boxes hold; the rules never read more than that.
constexpr int MaxEntryLength = 10;
constexpr int MaxTemperatureLength = 8;
// Larger results are written in scientific form.
constexpr long double FixedFormLimit = 100000000.0L;

// One row of a conversion table. Heading and blank rows have factor 0.
struct TableRow {
    QString label;
    QString abbreviation;
    double factor = 0; // base units in one of this unit
    int listPosition = -1; // where the unit sits in the unit list, -1 for none
    QString group;   // unit list group ("Metric", "Imperial", ...; empty for liquid)
    QString caption; // unit list caption
};

// The table of a category as the grid shows it: rows()[0] stands for the
// heading row 0 and carries the unit column heading; rows()[r] is grid row r.
struct UnitTable {
    Category category;
    QString unitHeading;
    QString numberHeading;
    QString abbreviationHeading;
    std::vector<TableRow> rows;
    // Start of each group in the unit list (one group for liquid).
    std::vector<int> groupOffsets;

    int rowCount() const { return int(rows.size()); }
    int lastRow() const { return rowCount() - 1; }
    int unitCount() const;
    // The unit at list position p, as its table row; nullptr if none.
    const TableRow* unitAt(int position) const;
    // Factor of the unit in grid row r (r >= 1); 0 for heading and blank rows.
    double rowFactor(int r) const;
    // Factor of the unit at list position p.
    double listFactor(int position) const;
    // Captions of the list group g, in list order.
    std::vector<QString> groupCaptions(int g) const;
    // The group a list position belongs to.
    int groupOf(int position) const;
};

const UnitTable& table(Category category);

// Convert table: the cleaned entry, the list position converted from (the
// second unit when none was selected), and the number cell text of every
// grid row (empty for row 0, headings and blank rows).
struct TableConversion {
    QString cleaned;
    int selected = 1;
    std::vector<QString> numbers;
};
TableConversion convertTable(Category category, const QString& entered, int selectedPosition);

struct TemperatureConversion {
    QString cleaned;
    QString celsius;
    QString fahrenheit;
    QString kelvin;
    long double celsiusValue = 0;
    long double fahrenheitValue = 0;
    long double kelvinValue = 0;
};
TemperatureConversion convertTemperature(const QString& entered, Scale scale);

// Keeps the digits and "." (and "-" when minusAllowed) of the text.
QString cleanEntry(const QString& text, bool minusAllowed = false);
// The value of a cleaned entry; empty text and text that still is not a
// number ("1.2.3", "4-2", "-") read as 0.
long double entryValue(const QString& cleaned);

// A fixed-point number text grouped in thousands ("1,000.0"), right-aligned
// in 29 characters.
QString groupedNumberText(const QString& fixedText);
// " 1.00000000000000E+0009": sign blank or "-", 15 significant digits, a
// signed four-digit exponent.
QString scientificText(long double value);
// Fixed-point text with the given number of decimals, no grouping.
QString fixedText(long double value, int decimals);

struct OvenRow {
    QString temperature;
    QString gasMark;
    QString celsius;
    QString fahrenheit;
};
inline const QString OvenTitle = QStringLiteral("Oven Temperatures");
inline const QString OvenFootnote = QStringLiteral("All Temperatures Approx. ");
const std::array<QString, 4>& ovenHeadings();
const std::array<OvenRow, 10>& ovenChart();

} // namespace units
