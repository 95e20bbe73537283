#include "paint/PaintSettings.h"

#include "common/SettingsStore.h"

#include <utility>

namespace paint::settings {

namespace {

const QString DefaultsSection = QStringLiteral("Defaults");

// The colour names the program writes and reads back. The first sixteen are
// the standard colours; the last four are only ever read.
const std::pair<const char*, ColourValue> NamedColours[] = {
    {"clBlack", 0x000000},  {"clMaroon", 0x000080}, {"clGreen", 0x008000},
    {"clOlive", 0x008080},  {"clNavy", 0x800000},   {"clPurple", 0x800080},
    {"clTeal", 0x808000},   {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},    {"clLime", 0x00FF00},   {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},   {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
};
constexpr int WrittenNames = 16;

std::optional<int> rangedNumber(const QString& text, int low, int high)
{
    const auto number = numberFromText(text);
    if (!number || *number < low || *number > high)
        return std::nullopt;
    return number;
}

} // namespace

QString colourToText(ColourValue colour)
{
    for (int i = 0; i < WrittenNames; ++i)
        if (NamedColours[i].second == colour)
            return QString::fromLatin1(NamedColours[i].first);
    return QStringLiteral("$%1").arg(colour, 8, 16, QChar(u'0')).toUpper();
}

std::optional<ColourValue> colourFromText(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const auto& [name, value] : NamedColours)
        if (trimmed.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return value;
    bool ok = false;
    qlonglong value = 0;
    if (trimmed.startsWith(u'$'))
        value = trimmed.mid(1).toLongLong(&ok, 16);
    else
        value = trimmed.toLongLong(&ok, 10);
    // Colours are 32-bit values; anything wider is not one of ours.
    if (!ok || value < -0x80000000LL || value > 0xFFFFFFFFLL)
        return std::nullopt;
    return ColourValue(std::uint32_t(value));
}

std::optional<int> numberFromText(const QString& text)
{
    bool ok = false;
    const int value = (QStringLiteral("0") + text).toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

Defaults readDefaults()
{
    SettingsStore store(ModuleKey);
    const auto read = [&](const char* name, const char* fallback) {
        return store.readString(DefaultsSection, QString::fromLatin1(name), QString::fromLatin1(fallback));
    };
    Defaults d;
    if (const auto colour = colourFromText(read("CanvasColor", "clYellow")))
        d.canvasColour = *colour & 0xFFFFFF;
    if (const auto canvas = rangedNumber(read("Canvas", "1"), int(CanvasType::SolidColour), int(CanvasType::LoadedImage)))
        d.canvasType = CanvasType(*canvas);
    d.canvasFileName = read("CanvasFileName", "");
    if (const auto brush = rangedNumber(read("Brush", "1"), int(BrushType::Normal), int(BrushType::MixDark)))
        d.brushType = BrushType(*brush);
    if (const auto width = rangedNumber(read("Width", "25"), 1, 75))
        d.brushWidth = *width;
    d.webbed = read("Webbed", "1") == QLatin1String("1");
    d.mirror = read("Mirror", "1") == QLatin1String("1");
    if (const auto colour = colourFromText(read("DrawColor", "clRed")))
        d.drawColour = *colour & 0xFFFFFF;
    if (const auto mode = rangedNumber(read("Paint", "2"), int(ColourMode::Solid), int(ColourMode::BlueGradient)))
        d.colourMode = ColourMode(*mode);
    return d;
}

void writeDefaults(const Defaults& d)
{
    SettingsStore store(ModuleKey);
    const auto write = [&](const char* name, const QString& value) {
        store.writeString(DefaultsSection, QString::fromLatin1(name), value);
    };
    write("CanvasColor", colourToText(d.canvasColour));
    write("Canvas", QString::number(int(d.canvasType)));
    write("CanvasFileName", d.canvasFileName);
    write("Brush", QString::number(int(d.brushType)));
    write("Width", QString::number(d.brushWidth));
    write("Webbed", d.webbed ? QStringLiteral("1") : QStringLiteral("2"));
    write("Mirror", d.mirror ? QStringLiteral("1") : QStringLiteral("2"));
    write("DrawColor", colourToText(d.drawColour));
    write("Paint", QString::number(int(d.colourMode)));
}

} // namespace paint::settings
