#include "calc/UnitTables.h"

#include "common/Real48.h"

#include <gtest/gtest.h>

using namespace units;

namespace {

QString r29(const char* text) { return QString::fromUtf8(text).rightJustified(29, u' '); }
QString sci(int indent, const char* text) { return QString(indent, u' ') + QString::fromLatin1(text); }

int rowOf(Category category, const char* label, int from = 1)
{
    const UnitTable& t = table(category);
    for (int r = from; r < t.rowCount(); ++r)
        if (t.rows[std::size_t(r)].label == QString::fromUtf8(label))
            return r;
    return -1;
}

std::vector<QString> convert(Category category, const char* text, int position)
{
    return convertTable(category, QString::fromUtf8(text), position).numbers;
}

TEST(UnitTablesTest, ShapesHeadingsAndTrickyCells)
{
    const UnitTable& length = table(Category::Length);
    const UnitTable& liquid = table(Category::Liquid);
    const UnitTable& weight = table(Category::Weight);
    EXPECT_EQ(length.rowCount(), 33);
    EXPECT_EQ(liquid.rowCount(), 22);
    EXPECT_EQ(weight.rowCount(), 31);
    EXPECT_EQ(length.unitCount(), 28);
    EXPECT_EQ(liquid.unitCount(), 17);
    EXPECT_EQ(weight.unitCount(), 25);

    EXPECT_EQ(length.unitHeading, "      UNIT");
    EXPECT_EQ(length.numberHeading, "            NUMBER  ");
    EXPECT_EQ(weight.numberHeading, "            NUMBER  ");
    EXPECT_EQ(liquid.numberHeading, "               NUMBER  ");
    EXPECT_EQ(liquid.abbreviationHeading, "  ABBR.");

    EXPECT_EQ(length.rows[2].abbreviation, QStringLiteral("       \u00C5 "));
    EXPECT_EQ(length.rows[4].abbreviation, QStringLiteral("       \u00B5 "));
    EXPECT_EQ(length.rows[32].label, " Naut. Mile ");
    EXPECT_EQ(length.rows[32].abbreviation, "    nmuk ");
    EXPECT_EQ(length.rows[22].label, "   * LINEAL *");
    EXPECT_EQ(liquid.rows[11].abbreviation, "     ");
    EXPECT_EQ(liquid.rows[18].abbreviation, "      qt");
    EXPECT_EQ(liquid.rows[21].abbreviation, "    brls");
    EXPECT_EQ(liquid.rows[15].label, " * US MEASURES * ");
    EXPECT_EQ(weight.rows[22].abbreviation, " pwt/dwt ");
    EXPECT_EQ(weight.rows[26].label, "* APOTHECARIES * ");
    // Row 19 of the weight table is blank and never converted.
    EXPECT_TRUE(weight.rows[19].label.isEmpty());
    EXPECT_EQ(weight.rowFactor(19), 0.0);
}

TEST(UnitTablesTest, ListPositionsRunInRowOrderAndGroupsStartAfterHeadings)
{
    for (Category c : {Category::Length, Category::Liquid, Category::Weight}) {
        const UnitTable& t = table(c);
        int expected = 0;
        for (int r = 1; r < t.rowCount(); ++r) {
            const TableRow& row = t.rows[std::size_t(r)];
            if (row.factor == 0) {
                EXPECT_EQ(row.listPosition, -1) << r;
                continue;
            }
            EXPECT_EQ(row.listPosition, expected++) << r;
        }
    }
    const UnitTable& length = table(Category::Length);
    EXPECT_EQ(length.groupOffsets, (std::vector<int>{0, 10, 19, 24}));
    EXPECT_EQ(length.groupCaptions(2),
              (std::vector<QString>{"Inches", "Links", "Chains", "Furlongs", "Miles"}));
    EXPECT_EQ(length.groupCaptions(3).back(), "Naut. Miles");
    EXPECT_EQ(length.groupCaptions(0).size(), 10u);
    const UnitTable& weight = table(Category::Weight);
    EXPECT_EQ(weight.groupOffsets, (std::vector<int>{0, 8, 16, 21}));
    EXPECT_EQ(weight.groupCaptions(1).front(), "Drams");
    EXPECT_EQ(weight.groupCaptions(2).back(), "Carats");
    EXPECT_EQ(weight.groupOf(20), 2);
    EXPECT_EQ(weight.groupOf(21), 3);
    EXPECT_EQ(table(Category::Liquid).groupCaptions(0)[7], "UK : Fl oz");
}

// One of a unit converted into the base unit shows the unit's factor.
TEST(UnitTablesTest, FactorsThatAreEasyToGetWrong)
{
    EXPECT_EQ(convert(Category::Length, "1", 18)[2], sci(6, " 9.46055000000000E+0025"));
    EXPECT_EQ(convert(Category::Length, "1", 26)[2], sci(6, " 1.85184288000000E+0012"));
    EXPECT_EQ(convert(Category::Length, "1", 27)[2], sci(6, " 1.85184288000000E+0013"));
    EXPECT_EQ(convert(Category::Weight, "1000000", 22)[2], sci(12, " 1.77184519500000E+0009"));
    EXPECT_EQ(convert(Category::Weight, "1000000", 8)[2], sci(12, " 1.77184519531250E+0009"));
    EXPECT_EQ(convert(Category::Weight, "1", 8)[2], r29("1,771.8452"));
    EXPECT_EQ(convert(Category::Weight, "1", 15)[2], sci(12, " 1.01604690880000E+0009"));
    EXPECT_EQ(convert(Category::Weight, "1", 16)[2], r29("64.7989"));
    EXPECT_EQ(convert(Category::Liquid, "1", 16)[2], "   " + r29("158,987.2949"));
    EXPECT_EQ(convert(Category::Liquid, "1", 15)[2], "   " + r29("3,785.4118"));
    EXPECT_EQ(convert(Category::Liquid, "1", 11)[2], "   " + r29("4,546.09"));
}

TEST(UnitTablesTest, ZeroFillsEveryUnitRowAndLeavesHeadingsEmpty)
{
    for (Category c : {Category::Length, Category::Liquid, Category::Weight}) {
        const UnitTable& t = table(c);
        const TableConversion out = convertTable(c, QStringLiteral("0"), 0);
        ASSERT_EQ(int(out.numbers.size()), t.rowCount());
        const QString zero = r29("0.0").rightJustified(c == Category::Liquid ? 32 : 29, u' ');
        for (int r = 0; r < t.rowCount(); ++r)
            EXPECT_EQ(out.numbers[std::size_t(r)], t.rowFactor(r) ? zero : QString()) << r;
    }
}

TEST(UnitTablesTest, OneMetreAcrossTheLengthTable)
{
    const auto n = convert(Category::Length, "1", 6);
    EXPECT_EQ(n[rowOf(Category::Length, " Angstroms")], sci(6, " 1.00000000000000E+0010"));
    EXPECT_EQ(n[rowOf(Category::Length, " Nanometres")], sci(6, " 1.00000000000000E+0009"));
    EXPECT_EQ(n[rowOf(Category::Length, " Microns")], r29("1,000,000.0"));
    EXPECT_EQ(n[rowOf(Category::Length, " Millimetres")], r29("1,000.0"));
    EXPECT_EQ(n[rowOf(Category::Length, " Metres")], r29("1.0"));
    EXPECT_EQ(n[rowOf(Category::Length, " Kilometres")], r29("0.001"));
    EXPECT_EQ(n[rowOf(Category::Length, " Mils")], r29("39,370.0787"));
    EXPECT_EQ(n[rowOf(Category::Length, " Furlongs")], r29("0.005"));
    EXPECT_EQ(n[rowOf(Category::Length, " Light Years")], r29("0.0"));
    EXPECT_EQ(n[1], QString());
    EXPECT_EQ(n[28], QString());

    // Imperial and nautical feet are the same unit.
    EXPECT_EQ(convert(Category::Length, "1", 12), convert(Category::Length, "1", 24));
    EXPECT_EQ(convert(Category::Length, "1", 12)[rowOf(Category::Length, " Fathoms ")], r29("0.1667"));
}

TEST(UnitTablesTest, OneShortTonAndTheScientificIndentPerCategory)
{
    const auto n = convert(Category::Weight, "1", 14);
    EXPECT_EQ(n[rowOf(Category::Weight, " Short Tons")], r29("1.0"));
    EXPECT_EQ(n[rowOf(Category::Weight, " Pounds")], r29("2,000.0"));
    EXPECT_EQ(n[rowOf(Category::Weight, " Milligrams")], sci(12, " 9.07184740000000E+0008"));
    EXPECT_EQ(n[rowOf(Category::Weight, " Tonnes")], r29("0.9072"));
    EXPECT_EQ(convert(Category::Liquid, "1000", 6)[2], sci(9, " 1.00000000000000E+0009"));
}

TEST(UnitTablesTest, OneHundredMillionIsTheLastFixedNumber)
{
    EXPECT_EQ(convert(Category::Length, "100000000", 0)[2], r29("100,000,000.0"));
    EXPECT_EQ(convert(Category::Length, "1", 4)[2], r29("100,000,000.0"));
    EXPECT_EQ(convert(Category::Length, "10", 3)[2], r29("100,000,000.0"));
    EXPECT_EQ(convert(Category::Length, "100000001", 0)[2], sci(6, " 1.00000001000000E+0008"));
    EXPECT_EQ(convert(Category::Liquid, "100000000", 0)[2], "   " + r29("100,000,000.0"));
}

TEST(UnitTablesTest, EntryCleaningAndTextsThatAreNoNumber)
{
    const TableConversion cleaned = convertTable(Category::Length, QStringLiteral("12a.5b"), 6);
    EXPECT_EQ(cleaned.cleaned, "12.5");
    EXPECT_EQ(cleaned.numbers[5], r29("12,500.0"));
    EXPECT_EQ(cleanEntry(QStringLiteral("-1 0,5e3")), "1053");
    EXPECT_EQ(cleanEntry(QStringLiteral("-4x0.5"), true), "-40.5");

    const std::vector<QString> zeros = convert(Category::Weight, "0", 3);
    for (const char* text : {"1.2.3", "", ".", "abc", "..5"}) {
        const TableConversion out = convertTable(Category::Weight, QString::fromUtf8(text), 3);
        EXPECT_EQ(out.numbers, zeros) << text;
    }
    EXPECT_EQ(convertTable(Category::Weight, QStringLiteral("1.2.3"), 3).cleaned, "1.2.3");
    EXPECT_EQ(entryValue(QStringLiteral(".5")), 0.5L);
    EXPECT_EQ(entryValue(QStringLiteral("5.")), 5.0L);
    EXPECT_EQ(entryValue(QStringLiteral("-2.5")), -2.5L);
    for (const char* text : {"-", "4-2", "--1", "1.2.3", "-."})
        EXPECT_EQ(entryValue(QString::fromUtf8(text)), 0.0L) << text;

    // More than the box holds is read as far as the box goes: no overflow.
    std::vector<QString> huge;
    EXPECT_NO_THROW(huge = convert(Category::Length, "99999999999999999999", 18));
    EXPECT_EQ(huge, convert(Category::Length, "9999999999", 18));
}

TEST(UnitTablesTest, NoSelectionConvertsFromTheSecondUnit)
{
    for (int position : {-1, 28, 1000}) {
        const TableConversion out = convertTable(Category::Length, QStringLiteral("1"), position);
        EXPECT_EQ(out.selected, 1);
        EXPECT_EQ(out.numbers[3], r29("1.0"));
    }
    EXPECT_EQ(convertTable(Category::Liquid, QStringLiteral("1"), 17).selected, 1);
    EXPECT_EQ(convertTable(Category::Liquid, QStringLiteral("1"), 16).selected, 16);
}

TEST(UnitTablesTest, GroupedNumbersAndNumberForms)
{
    EXPECT_EQ(groupedNumberText(QStringLiteral("0.0000")), r29("0.0"));
    EXPECT_EQ(groupedNumberText(QStringLiteral("999.1230")), r29("999.123"));
    EXPECT_EQ(groupedNumberText(QStringLiteral("   1000.0500")), r29("1,000.05"));
    EXPECT_EQ(groupedNumberText(QStringLiteral("123456.7")), r29("123,456.7"));
    EXPECT_EQ(groupedNumberText(QStringLiteral("1234567.5000")), r29("1,234,567.5"));
    EXPECT_EQ(groupedNumberText(QStringLiteral("1000")), r29("1,000.0"));
    const QString wide = groupedNumberText(QStringLiteral("1234567890123456789012.25"));
    EXPECT_EQ(wide, "1,234,567,890,123,456,789,012.25");

    EXPECT_EQ(scientificText(1e9L), " 1.00000000000000E+0009");
    EXPECT_EQ(scientificText(1.5e-5L), " 1.50000000000000E-0005");
    EXPECT_EQ(scientificText(-2500.0L), "-2.50000000000000E+0003");
    EXPECT_EQ(scientificText(123456789012345678.0L), " 1.23456789012346E+0017");
    EXPECT_EQ(fixedText(-0.0004L, 3), "0.000");
    EXPECT_EQ(fixedText(-0.0006L, 3), "-0.001");
}

TEST(UnitTablesTest, TemperatureTextsAndFormulas)
{
    const auto c100 = convertTemperature(QStringLiteral("100"), Scale::Celsius);
    EXPECT_EQ(c100.celsius, "   100.000 ");
    EXPECT_EQ(c100.fahrenheit, "   212.000 ");
    EXPECT_EQ(c100.kelvin, "   373.160 ");
    const auto f40 = convertTemperature(QStringLiteral("-40"), Scale::Fahrenheit);
    EXPECT_EQ(f40.celsius, "   -40.000 ");
    EXPECT_EQ(f40.kelvin, "   233.160 ");
    const auto f212 = convertTemperature(QStringLiteral("212"), Scale::Fahrenheit);
    EXPECT_EQ(f212.celsius, "   100.000 ");
    EXPECT_EQ(f212.kelvin, "   373.160 ");
    // Every result went through the 48-bit real.
    EXPECT_EQ(f212.celsiusValue, storeReal48(f212.celsiusValue));
    EXPECT_EQ(f212.kelvinValue, storeReal48(373.16L));

    const auto k0 = convertTemperature(QStringLiteral("0"), Scale::Kelvin);
    EXPECT_EQ(k0.celsius, "  -273.160 ");
    EXPECT_EQ(k0.fahrenheit, "  -459.688 ");
    EXPECT_EQ(k0.kelvin, "     0.000 ");

    const auto empty = convertTemperature(QString(), Scale::Celsius);
    EXPECT_EQ(empty.celsius, "     0.000 ");
    EXPECT_EQ(empty.fahrenheit, "    32.000 ");
    EXPECT_EQ(empty.kelvin, "   273.160 ");
    for (const char* text : {"5-3", "-", "1.2.3", "x"}) {
        const auto out = convertTemperature(QString::fromUtf8(text), Scale::Fahrenheit);
        EXPECT_EQ(out.celsius, "   -17.778 ") << text;
        EXPECT_EQ(out.fahrenheit, "     0.000 ") << text;
    }
    const auto cleaned = convertTemperature(QStringLiteral("-4o0"), Scale::Celsius);
    EXPECT_EQ(cleaned.cleaned, "-40");
    EXPECT_EQ(cleaned.fahrenheit, "   -40.000 ");
    // Nine digits are more than the box holds; the eighth is the last read.
    EXPECT_EQ(convertTemperature(QStringLiteral("123456789"), Scale::Celsius).celsius, "12345678.000 ");
}

TEST(UnitTablesTest, OvenChart)
{
    EXPECT_EQ(OvenTitle, "Oven Temperatures");
    EXPECT_EQ(OvenFootnote, "All Temperatures Approx. ");
    EXPECT_EQ(ovenHeadings(), (std::array<QString, 4>{"Temperature", "Gas Mark", "oC", "oF"}));
    const auto& chart = ovenChart();
    EXPECT_EQ(chart[0].temperature, "Low Cool");
    EXPECT_EQ(chart[0].gasMark, QStringLiteral("\u00BD"));
    EXPECT_EQ(chart[0].celsius, "130");
    EXPECT_EQ(chart[4].temperature, "Moderate");
    EXPECT_EQ(chart[4].celsius, "176");
    EXPECT_EQ(chart[5].temperature, chart[6].temperature);
    EXPECT_EQ(chart[6].celsius, "204");
    EXPECT_EQ(chart[9].temperature, "Very Hot");
    EXPECT_EQ(chart[9].gasMark, "9");
    EXPECT_EQ(chart[9].fahrenheit, "475");
    for (std::size_t i = 1; i < chart.size(); ++i)
        EXPECT_EQ(chart[i].fahrenheit.toInt(), 250 + 25 * int(i));
}

} // namespace
