#include "calc/UnitTables.h"

#include "common/Real48.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace units {

namespace {

// The ångström and micron signs were bytes 197 and 181 of code page 1252;
// here they are the Unicode characters those bytes stand for.
const QString Angstrom = QString(QChar(0x00C5));
const QString Micron = QString(QChar(0x00B5));

TableRow heading(const QString& label) { return {label, QString(), 0, -1, QString(), QString()}; }
TableRow unit(const QString& label, const QString& abbreviation, double factor, int position,
              const QString& group, const QString& caption)
{
    return {label, abbreviation, factor, position, group, caption};
}

const QString UnitHeading = QStringLiteral("      UNIT");
const QString AbbreviationHeading = QStringLiteral("  ABBR.");

UnitTable makeLength()
{
    const QString metric = QStringLiteral("Metric");
    const QString imperial = QStringLiteral("Imperial");
    const QString lineal = QStringLiteral("Lineal");
    const QString nautical = QStringLiteral("Nautical");
    UnitTable t{Category::Length, UnitHeading, QStringLiteral("            NUMBER  "), AbbreviationHeading, {}, {0, 10, 19, 24}};
    t.rows = {
        heading(UnitHeading),
        heading(QStringLiteral("   * METRIC * ")),
        unit(QStringLiteral(" Angstroms"), QStringLiteral("       ") + Angstrom + QStringLiteral(" "), 1, 0, metric, QStringLiteral("Angstroms")),
        unit(QStringLiteral(" Nanometres"), QStringLiteral("      nm "), 10, 1, metric, QStringLiteral("Nanometres")),
        unit(QStringLiteral(" Microns"), QStringLiteral("       ") + Micron + QStringLiteral(" "), 1e4, 2, metric, QStringLiteral("Microns")),
        unit(QStringLiteral(" Millimetres"), QStringLiteral("      mm "), 1e7, 3, metric, QStringLiteral("Millimetres")),
        unit(QStringLiteral(" Centimetres"), QStringLiteral("      cm "), 1e8, 4, metric, QStringLiteral("Centimetres")),
        unit(QStringLiteral(" Decimetres"), QStringLiteral("      dm "), 1e9, 5, metric, QStringLiteral("Decimetres")),
        unit(QStringLiteral(" Metres"), QStringLiteral("       m "), 1e10, 6, metric, QStringLiteral("Metres")),
        unit(QStringLiteral(" Dekametres"), QStringLiteral("     dam "), 1e11, 7, metric, QStringLiteral("Dekametres")),
        unit(QStringLiteral(" Hectometres"), QStringLiteral("      hm "), 1e12, 8, metric, QStringLiteral("Hectometres")),
        unit(QStringLiteral(" Kilometres"), QStringLiteral("      km "), 1e13, 9, metric, QStringLiteral("Kilometres")),
        heading(QStringLiteral("  * IMPERIAL * ")),
        unit(QStringLiteral(" Mils"), QStringLiteral("     mil "), 254000, 10, imperial, QStringLiteral("Mils")),
        unit(QStringLiteral(" Inches"), QStringLiteral("      in "), 254000000, 11, imperial, QStringLiteral("Inches")),
        unit(QStringLiteral(" Feet"), QStringLiteral("      ft "), 3048000000, 12, imperial, QStringLiteral("Feet")),
        unit(QStringLiteral(" Yards"), QStringLiteral("      yd "), 9144000000, 13, imperial, QStringLiteral("Yards")),
        unit(QStringLiteral(" Rods"), QStringLiteral("      rd "), 50292000000, 14, imperial, QStringLiteral("Rods")),
        unit(QStringLiteral(" Furlongs"), QStringLiteral("     fur "), 2011680000000, 15, imperial, QStringLiteral("Furlongs")),
        unit(QStringLiteral(" Miles"), QStringLiteral("      mi "), 16093440000000, 16, imperial, QStringLiteral("Miles")),
        unit(QStringLiteral(" Leagues"), QStringLiteral("     lgs "), 48280320000000, 17, imperial, QStringLiteral("Leagues")),
        // Deliberately 9.46055e25, not the astronomers' 9.4607e25.
        unit(QStringLiteral(" Light Years"), QStringLiteral("      ly "), 9.46055e25, 18, imperial, QStringLiteral("Light Years")),
        heading(QStringLiteral("   * LINEAL *")),
        unit(QStringLiteral(" Inches"), QStringLiteral("      in "), 254000000, 19, lineal, QStringLiteral("Inches")),
        unit(QStringLiteral(" Links"), QStringLiteral("     lks "), 2011680000, 20, lineal, QStringLiteral("Links")),
        unit(QStringLiteral(" Chains"), QStringLiteral("     chn "), 201168000000, 21, lineal, QStringLiteral("Chains")),
        unit(QStringLiteral(" Furlongs"), QStringLiteral("     fur "), 2011680000000, 22, lineal, QStringLiteral("Furlongs")),
        unit(QStringLiteral(" Miles"), QStringLiteral("      mi "), 16093440000000, 23, lineal, QStringLiteral("Miles")),
        heading(QStringLiteral("  * NAUTICAL * ")),
        unit(QStringLiteral(" Feet "), QStringLiteral("      ft "), 3048000000, 24, nautical, QStringLiteral("Feet")),
        unit(QStringLiteral(" Fathoms "), QStringLiteral("      fh "), 18288000000, 25, nautical, QStringLiteral("Fathoms")),
        unit(QStringLiteral(" Cables "), QStringLiteral("      cb "), 1851842880000, 26, nautical, QStringLiteral("Cables")),
        unit(QStringLiteral(" Naut. Mile "), QStringLiteral("    nmuk "), 18518428800000, 27, nautical, QStringLiteral("Naut. Miles")),
    };
    return t;
}

UnitTable makeLiquid()
{
    const QString none;
    UnitTable t{Category::Liquid, UnitHeading, QStringLiteral("               NUMBER  "), AbbreviationHeading, {}, {0}};
    t.rows = {
        heading(UnitHeading),
        heading(QStringLiteral("   * METRIC * ")),
        unit(QStringLiteral(" Millilitres"), QStringLiteral("      ml "), 1, 0, none, QStringLiteral("Millilitres")),
        unit(QStringLiteral(" Centilitres"), QStringLiteral("      cl "), 10, 1, none, QStringLiteral("Centilitres")),
        unit(QStringLiteral(" Decilitres"), QStringLiteral("      dl "), 100, 2, none, QStringLiteral("Decilitres")),
        unit(QStringLiteral(" Litres"), QStringLiteral("       l "), 1000, 3, none, QStringLiteral("Litres")),
        unit(QStringLiteral(" Dekalitres"), QStringLiteral("     dal "), 10000, 4, none, QStringLiteral("Dekalitres")),
        unit(QStringLiteral(" Hectolitres"), QStringLiteral("      hl "), 100000, 5, none, QStringLiteral("Hectolitres")),
        unit(QStringLiteral(" Kilolitres"), QStringLiteral("      kl "), 1000000, 6, none, QStringLiteral("Kilolitres")),
        heading(QStringLiteral(" * UK MEASURES * ")),
        unit(QStringLiteral(" Fluid Ounces"), QStringLiteral("   fl oz "), 28.4130625, 7, none, QStringLiteral("UK : Fl oz")),
        unit(QStringLiteral(" Gills"), QStringLiteral("     "), 142.0653125, 8, none, QStringLiteral("UK : Gills")),
        unit(QStringLiteral(" Pints"), QStringLiteral("       p "), 568.26125, 9, none, QStringLiteral("UK : Pints")),
        unit(QStringLiteral(" Quarts"), QStringLiteral("      qt "), 1136.5225, 10, none, QStringLiteral("UK : Quarts")),
        unit(QStringLiteral(" Gallons"), QStringLiteral("     gal "), 4546.09, 11, none, QStringLiteral("UK : Gallons")),
        heading(QStringLiteral(" * US MEASURES * ")),
        unit(QStringLiteral(" Fluid Ounces"), QStringLiteral("   fl oz "), 29.57352956, 12, none, QStringLiteral("US : Fl oz")),
        unit(QStringLiteral(" Pints"), QStringLiteral("       p "), 473.176473, 13, none, QStringLiteral("US : Pints")),
        unit(QStringLiteral(" Quarts"), QStringLiteral("      qt"), 946.352946, 14, none, QStringLiteral("US : Quarts")),
        unit(QStringLiteral(" Gallons"), QStringLiteral("     gal "), 3785.411784, 15, none, QStringLiteral("US : Gallons")),
        heading(QStringLiteral("    * MISC * ")),
        unit(QStringLiteral(" Oil Barrels"), QStringLiteral("    brls"), 158987.2949, 16, none, QStringLiteral("Oil Barrels")),
    };
    return t;
}

UnitTable makeWeight()
{
    const QString metric = QStringLiteral("Metric");
    const QString avoirdupois = QStringLiteral("Avoirdupois");
    const QString troy = QStringLiteral("Troy");
    const QString apothecaries = QStringLiteral("Apothecaries");
    UnitTable t{Category::Weight, UnitHeading, QStringLiteral("            NUMBER  "), AbbreviationHeading, {}, {0, 8, 16, 21}};
    t.rows = {
        heading(UnitHeading),
        heading(QStringLiteral("   * METRIC * ")),
        unit(QStringLiteral(" Milligrams"), QStringLiteral("      mg "), 1, 0, metric, QStringLiteral("Milligrams")),
        unit(QStringLiteral(" Centigrams"), QStringLiteral("      cg "), 10, 1, metric, QStringLiteral("Centigrams")),
        unit(QStringLiteral(" Decigrams"), QStringLiteral("      dg "), 100, 2, metric, QStringLiteral("Decigrams")),
        unit(QStringLiteral(" Grams"), QStringLiteral("       g "), 1000, 3, metric, QStringLiteral("Grams")),
        unit(QStringLiteral(" Dekagrams"), QStringLiteral("     dag "), 10000, 4, metric, QStringLiteral("Dekagrams")),
        unit(QStringLiteral(" Hectograms"), QStringLiteral("      hg "), 100000, 5, metric, QStringLiteral("Hectograms")),
        unit(QStringLiteral(" Kilograms"), QStringLiteral("      kg "), 1000000, 6, metric, QStringLiteral("Kilograms")),
        unit(QStringLiteral(" Tonnes"), QStringLiteral("       t "), 1000000000, 7, metric, QStringLiteral("Tonnes")),
        heading(QStringLiteral(" * AVOIRDUPOIS * ")),
        unit(QStringLiteral(" Drams"), QStringLiteral("      dr "), 1771.8451953125, 8, avoirdupois, QStringLiteral("Drams")),
        unit(QStringLiteral(" Ounces"), QStringLiteral("      oz "), 28349.523125, 9, avoirdupois, QStringLiteral("Ounces")),
        unit(QStringLiteral(" Pounds"), QStringLiteral("      lb "), 453592.37, 10, avoirdupois, QStringLiteral("Pounds")),
        unit(QStringLiteral(" Stones"), QStringLiteral("      st "), 6350293.18, 11, avoirdupois, QStringLiteral("Stones")),
        unit(QStringLiteral(" Short Cwt"), QStringLiteral("     cwt "), 45359237, 12, avoirdupois, QStringLiteral("Short Cwts")),
        unit(QStringLiteral(" Long Cwt"), QStringLiteral("     cwt "), 50802345.44, 13, avoirdupois, QStringLiteral("Long Cwts")),
        unit(QStringLiteral(" Short Tons"), QStringLiteral("     ton "), 907184740, 14, avoirdupois, QStringLiteral("Short Tons")),
        unit(QStringLiteral(" Long Tons"), QStringLiteral("     ton "), 1016046908.8, 15, avoirdupois, QStringLiteral("Long Tons")),
        heading(QString()),
        heading(QStringLiteral("    * TROY *")),
        unit(QStringLiteral(" Grains"), QStringLiteral("      gr "), 64.79891001, 16, troy, QStringLiteral("Grains")),
        unit(QStringLiteral(" Pennyweights"), QStringLiteral(" pwt/dwt "), 1555.17384, 17, troy, QStringLiteral("Pennyweights")),
        unit(QStringLiteral(" Troy Ounces"), QStringLiteral("    oz t "), 31103.4768, 18, troy, QStringLiteral("Troy Ounces")),
        unit(QStringLiteral(" Troy Pounds"), QStringLiteral("    lb t "), 373241.7217, 19, troy, QStringLiteral("Troy Pounds")),
        unit(QStringLiteral(" Carat"), QStringLiteral("       k "), 200, 20, troy, QStringLiteral("Carats")),
        heading(QStringLiteral("* APOTHECARIES * ")),
        unit(QStringLiteral(" Grains "), QStringLiteral("      gr "), 64.79891001, 21, apothecaries, QStringLiteral("Grains")),
        // The avoirdupois dram cut short, not 60 grains.
        unit(QStringLiteral(" Drams "), QStringLiteral("   dr ap "), 1771.845195, 22, apothecaries, QStringLiteral("Drams")),
        unit(QStringLiteral(" Ap Ounces "), QStringLiteral("   oz ap "), 31103.4768, 23, apothecaries, QStringLiteral("Ap Ounces")),
        unit(QStringLiteral(" Ap Pounds "), QStringLiteral("   lb ap "), 373241.7217, 24, apothecaries, QStringLiteral("Ap Pounds")),
    };
    return t;
}

// Spaces in front of a number in scientific form, per category.
int scientificIndent(Category category)
{
    switch (category) {
    case Category::Liquid: return 9;
    case Category::Length: return 6;
    case Category::Weight: return 12;
    }
    return 0;
}

// A factor or value made ready for the arithmetic: stored as a 48-bit real,
// written with the given decimals, read back and stored again. The rounding
// this brings decides the last digits shown, so it is kept exactly.
long double throughText(long double value, int decimals)
{
    const long double stored = storeReal48(value);
    return storeReal48(entryValue(fixedText(stored, decimals)));
}

} // namespace

int UnitTable::unitCount() const
{
    int count = 0;
    for (const TableRow& row : rows)
        if (row.listPosition >= 0)
            ++count;
    return count;
}

const TableRow* UnitTable::unitAt(int position) const
{
    for (const TableRow& row : rows)
        if (row.listPosition == position && position >= 0)
            return &row;
    return nullptr;
}

double UnitTable::rowFactor(int r) const
{
    return r >= 1 && r < rowCount() ? rows[std::size_t(r)].factor : 0.0;
}

double UnitTable::listFactor(int position) const
{
    const TableRow* row = unitAt(position);
    return row ? row->factor : 0.0;
}

std::vector<QString> UnitTable::groupCaptions(int g) const
{
    std::vector<QString> captions;
    if (g < 0 || g >= int(groupOffsets.size()))
        return captions;
    const int first = groupOffsets[std::size_t(g)];
    const int end = g + 1 < int(groupOffsets.size()) ? groupOffsets[std::size_t(g) + 1] : unitCount();
    for (int p = first; p < end; ++p)
        captions.push_back(unitAt(p)->caption);
    return captions;
}

int UnitTable::groupOf(int position) const
{
    int group = 0;
    for (int g = 0; g < int(groupOffsets.size()); ++g)
        if (position >= groupOffsets[std::size_t(g)])
            group = g;
    return group;
}

const UnitTable& table(Category category)
{
    static const UnitTable length = makeLength();
    static const UnitTable liquid = makeLiquid();
    static const UnitTable weight = makeWeight();
    switch (category) {
    case Category::Length: return length;
    case Category::Liquid: return liquid;
    case Category::Weight: return weight;
    }
    return length;
}

QString cleanEntry(const QString& text, bool minusAllowed)
{
    QString cleaned = text;
    for (qsizetype i = cleaned.size() - 1; i >= 0; --i) {
        const QChar c = cleaned.at(i);
        const bool keep = (c >= u'0' && c <= u'9') || c == u'.' || (minusAllowed && c == u'-');
        if (!keep)
            cleaned.remove(i, 1);
    }
    return cleaned;
}

long double entryValue(const QString& cleaned)
{
    // Only an optional leading minus, digits and at most one point make a
    // number; anything else the cleaning let through counts as 0.
    const std::string text = cleaned.toStdString();
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    int digits = 0;
    int points = 0;
    for (std::size_t j = i; j < text.size(); ++j) {
        if (text[j] >= '0' && text[j] <= '9')
            ++digits;
        else if (text[j] == '.')
            ++points;
        else
            return 0.0L;
    }
    if (digits == 0 || points > 1)
        return 0.0L;
    long double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return 0.0L;
    return value;
}

QString fixedText(long double value, int decimals)
{
    char buffer[128];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return QString();
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    // A tiny negative rounds to "-0.000": that is plain 0.
    if (text.startsWith(u'-')
        && std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'1' && c <= u'9'; }))
        text.remove(0, 1);
    return text;
}

QString scientificText(long double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    if (result.ec != std::errc())
        return QString();
    const QString raw = QString::fromLatin1(buffer, result.ptr - buffer);
    const qsizetype e = raw.indexOf(u'e');
    QString mantissa = raw.left(e);
    const QString sign = mantissa.startsWith(u'-') ? QStringLiteral("-") : QStringLiteral(" ");
    if (mantissa.startsWith(u'-'))
        mantissa.remove(0, 1);
    const QChar exponentSign = raw.at(e + 1);
    const QString exponentDigits = raw.mid(e + 2);
    return sign + mantissa + u'E' + exponentSign + exponentDigits.rightJustified(4, u'0');
}

QString groupedNumberText(const QString& fixed)
{
    const qsizetype point = fixed.indexOf(u'.');
    QString integer = (point < 0 ? fixed : fixed.left(point));
    QString fraction = point < 0 ? QString() : fixed.mid(point + 1);
    integer.remove(u' ');
    fraction.remove(u' ');
    while (fraction.endsWith(u'0'))
        fraction.chop(1);

    // A sign is not a digit to group.
    QString sign;
    if (integer.startsWith(u'-')) {
        sign = QStringLiteral("-");
        integer.remove(0, 1);
    }
    QString grouped;
    for (qsizetype i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            grouped += u',';
        grouped += integer.at(i);
    }
    const QString result = sign + grouped + u'.' + (fraction.isEmpty() ? QStringLiteral("0") : fraction);
    return result.rightJustified(29, u' ');
}

TableConversion convertTable(Category category, const QString& entered, int selectedPosition)
{
    const UnitTable& units = table(category);
    TableConversion out;
    out.cleaned = cleanEntry(entered);

    // Never more than the box holds, so no result can overflow the 48-bit real.
    const long double v = entryValue(out.cleaned.left(MaxEntryLength));
    const long double r = throughText(v, 8);

    out.selected = units.unitAt(selectedPosition) ? selectedPosition : 1;
    const double listFactor = units.listFactor(out.selected);
    const long double fs = throughText(listFactor, 7);

    out.numbers.assign(std::size_t(units.rowCount()), QString());
    for (int i = 1; i < units.rowCount(); ++i) {
        const double rowFactor = units.rowFactor(i);
        if (rowFactor == 0)
            continue;
        const long double fr = throughText(rowFactor, 7);
        const long double k = storeReal48(fs / fr);
        const long double x = storeReal48(k * r);
        QString cell;
        if (x > FixedFormLimit) {
            // Big numbers are worked out again from the exact factors.
            const long double y = static_cast<long double>(listFactor) / static_cast<long double>(rowFactor) * r;
            cell = QString(scientificIndent(category), u' ') + scientificText(y);
        } else {
            cell = groupedNumberText(fixedText(x, 4));
            if (category == Category::Liquid)
                cell.prepend(QStringLiteral("   "));
        }
        out.numbers[std::size_t(i)] = cell;
    }
    return out;
}

TemperatureConversion convertTemperature(const QString& entered, Scale scale)
{
    TemperatureConversion out;
    out.cleaned = cleanEntry(entered, true);
    const QString text = out.cleaned.left(MaxTemperatureLength);
    const long double t = text.isEmpty() ? 0.0L : storeReal48(entryValue(text));

    constexpr long double KelvinOffset = 273.16L;
    constexpr long double FiveNinths = 0.5555555555555556L;
    long double c = 0;
    long double f = 0;
    long double k = 0;
    switch (scale) {
    case Scale::Celsius:
        c = t;
        f = storeReal48(c * 1.8L + 32);
        k = storeReal48(c + KelvinOffset);
        break;
    case Scale::Fahrenheit:
        f = t;
        c = storeReal48((f - 32) * FiveNinths);
        k = storeReal48(c + KelvinOffset);
        break;
    case Scale::Kelvin:
        k = t;
        c = storeReal48(k - KelvinOffset);
        f = storeReal48(c * 1.8L + 32);
        break;
    }
    const auto show = [](long double value) { return fixedText(value, 3).rightJustified(10, u' ') + u' '; };
    out.celsiusValue = c;
    out.fahrenheitValue = f;
    out.kelvinValue = k;
    out.celsius = show(c);
    out.fahrenheit = show(f);
    out.kelvin = show(k);
    return out;
}

const std::array<QString, 4>& ovenHeadings()
{
    static const std::array<QString, 4> headings{QStringLiteral("Temperature"), QStringLiteral("Gas Mark"),
                                                 QStringLiteral("oC"), QStringLiteral("oF")};
    return headings;
}

const std::array<OvenRow, 10>& ovenChart()
{
    static const std::array<OvenRow, 10> chart{{
        {QStringLiteral("Low Cool"), QString(QChar(0x00BD)), QStringLiteral("130"), QStringLiteral("250")},
        {QStringLiteral("Medium Cool"), QStringLiteral("1"), QStringLiteral("140"), QStringLiteral("275")},
        {QStringLiteral("High Cool"), QStringLiteral("2"), QStringLiteral("150"), QStringLiteral("300")},
        {QStringLiteral("Warm"), QStringLiteral("3"), QStringLiteral("165"), QStringLiteral("325")},
        {QStringLiteral("Moderate"), QStringLiteral("4"), QStringLiteral("176"), QStringLiteral("350")},
        {QStringLiteral("Low Hot"), QStringLiteral("5"), QStringLiteral("190"), QStringLiteral("375")},
        {QStringLiteral("Low Hot"), QStringLiteral("6"), QStringLiteral("204"), QStringLiteral("400")},
        {QStringLiteral("Medium Hot"), QStringLiteral("7"), QStringLiteral("220"), QStringLiteral("425")},
        {QStringLiteral("High Hot"), QStringLiteral("8"), QStringLiteral("230"), QStringLiteral("450")},
        {QStringLiteral("Very Hot"), QStringLiteral("9"), QStringLiteral("245"), QStringLiteral("475")},
    }};
    return chart;
}

} // namespace units
