#include "paint/PaintSettings.h"

#include "../common/ScopedConfigDir.h"
#include "common/SettingsStore.h"

#include <gtest/gtest.h>

namespace {

using namespace paint::settings;

QString stored(const QString& section, const QString& name)
{
    return SettingsStore(ModuleKey).readString(section, name, QStringLiteral("<missing>"));
}

TEST(PatternSettings, ColoursAreWrittenByNameOrAsEightHexDigits)
{
    EXPECT_EQ(colourToText(0x0000FF), "clRed");
    EXPECT_EQ(colourToText(0x00FFFF), "clYellow");
    EXPECT_EQ(colourToText(0x000000), "clBlack");
    EXPECT_EQ(colourToText(0xFFFFFF), "clWhite");
    EXPECT_EQ(colourToText(0xFF8000), "$00FF8000");
    EXPECT_EQ(colourToText(0x000001), "$00000001");

    EXPECT_EQ(colourFromText("clRed"), 0x0000FFu);
    EXPECT_EQ(colourFromText("clYellow"), 0x00FFFFu);
    EXPECT_EQ(colourFromText("clMoneyGreen"), 0xC0DCC0u);
    EXPECT_EQ(colourFromText("$00FF8000"), 0xFF8000u);
    EXPECT_EQ(colourFromText("255"), 0xFFu);
    EXPECT_FALSE(colourFromText("clTartan"));
    EXPECT_FALSE(colourFromText("$12345678901"));
    EXPECT_FALSE(colourFromText(""));
}

TEST(PatternSettings, NumbersAreReadWithANoughtInFront)
{
    EXPECT_EQ(numberFromText(""), 0);
    EXPECT_EQ(numberFromText("25"), 25);
    EXPECT_EQ(numberFromText("007"), 7);
    EXPECT_FALSE(numberFromText("-3"));   // "0-3" is no number
    EXPECT_FALSE(numberFromText("abc"));
}

TEST(PatternSettings, FirstStartGivesTheDefaults)
{
    ScopedConfigDir config;
    const Defaults d = readDefaults();
    EXPECT_EQ(d.canvasColour, 0x00FFFFu);
    EXPECT_EQ(d.canvas, 1);
    EXPECT_TRUE(d.canvasFileName.isEmpty());
    EXPECT_EQ(d.brush, 1);
    EXPECT_EQ(d.width, 25);
    EXPECT_TRUE(d.webbed);
    EXPECT_TRUE(d.mirror);
    EXPECT_EQ(d.drawColour, 0x0000FFu);
    EXPECT_EQ(d.paint, 2);
}

TEST(PatternSettings, DefaultsRoundTripInTheirStoredForm)
{
    ScopedConfigDir config;
    Defaults d;
    d.canvasColour = 0xFF8000;
    d.canvas = 4;
    d.canvasFileName = "/tmp/canvas.bmp";
    d.brush = 3;
    d.width = 75;
    d.webbed = false;
    d.mirror = true;
    d.drawColour = 0x00FF00;
    d.paint = 5;
    writeDefaults(d);

    const QString section = QStringLiteral("Defaults");
    EXPECT_EQ(stored(section, "CanvasColor"), "$00FF8000");
    EXPECT_EQ(stored(section, "Canvas"), "4");
    EXPECT_EQ(stored(section, "Brush"), "3");
    EXPECT_EQ(stored(section, "Webbed"), "2");
    EXPECT_EQ(stored(section, "Mirror"), "1");
    EXPECT_EQ(stored(section, "DrawColor"), "clLime");
    EXPECT_EQ(stored(section, "Paint"), "5");

    const Defaults back = readDefaults();
    EXPECT_EQ(back.canvasColour, d.canvasColour);
    EXPECT_EQ(back.canvas, 4);
    EXPECT_EQ(back.canvasFileName, d.canvasFileName);
    EXPECT_EQ(back.brush, 3);
    EXPECT_EQ(back.width, 75);
    EXPECT_FALSE(back.webbed);
    EXPECT_TRUE(back.mirror);
    EXPECT_EQ(back.drawColour, 0x00FF00u);
    EXPECT_EQ(back.paint, 5);
}

TEST(PatternSettings, UnreadableOrOutOfRangeValuesKeepTheirDefaults)
{
    ScopedConfigDir config;
    SettingsStore store(ModuleKey);
    const QString section = QStringLiteral("Defaults");
    store.writeString(section, "Canvas", "letters");
    store.writeString(section, "Width", "200");
    store.writeString(section, "Brush", "");   // reads as 0: out of range
    store.writeString(section, "Paint", "4");
    store.writeString(section, "Webbed", "yes"); // only "1" means on
    store.writeString(section, "CanvasColor", "clNoSuchColour");
    const Defaults d = readDefaults();
    EXPECT_EQ(d.canvas, 1);
    EXPECT_EQ(d.width, 25);
    EXPECT_EQ(d.brush, 1);
    EXPECT_EQ(d.paint, 4);
    EXPECT_FALSE(d.webbed);
    EXPECT_TRUE(d.mirror);
    EXPECT_EQ(d.canvasColour, 0x00FFFFu);
}

TEST(PatternSettings, CustomColoursDefaultToWhiteEntriesAndRoundTrip)
{
    ScopedConfigDir config;
    CustomColours custom;
    custom.read();
    ASSERT_EQ(custom.entries().size(), 16);
    EXPECT_EQ(custom.entries().first(), "ColorA=FFFFFF");
    EXPECT_EQ(custom.entries().last(), "ColorP=FFFFFF");
    EXPECT_EQ(custom.colours()[5], QColor(Qt::white));

    std::array<QColor, 16> colours = custom.colours();
    colours[0] = QColor(255, 128, 0);
    colours[15] = QColor(1, 2, 3);
    custom.setColours(colours);
    EXPECT_EQ(custom.entries().first(), "ColorA=0080FF");   // red in the low byte
    EXPECT_EQ(custom.entries().last(), "ColorP=030201");
    custom.write();
    EXPECT_EQ(stored("Colors", "Color0"), "ColorA=0080FF");
    EXPECT_EQ(stored("Colors", "Color15"), "ColorP=030201");

    CustomColours again;
    again.read();
    EXPECT_EQ(again.colours()[0], QColor(255, 128, 0));
    EXPECT_EQ(again.colours()[15], QColor(1, 2, 3));
}

TEST(PatternSettings, ADamagedCustomColourEntryShowsWhite)
{
    ScopedConfigDir config;
    SettingsStore(ModuleKey).writeString("Colors", "Color3", "ColorD=not hex");
    CustomColours custom;
    custom.read();
    EXPECT_EQ(custom.entries().at(3), "ColorD=not hex");
    EXPECT_EQ(custom.colours()[3], QColor(Qt::white));
}

} // namespace
