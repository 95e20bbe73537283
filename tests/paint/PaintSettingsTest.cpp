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

TEST(PaintSettingsTest, ColoursAreWrittenByNameOrAsEightHexDigits)
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

TEST(PaintSettingsTest, NumbersAreReadWithANoughtInFront)
{
    EXPECT_EQ(numberFromText(""), 0);
    EXPECT_EQ(numberFromText("25"), 25);
    EXPECT_EQ(numberFromText("007"), 7);
    EXPECT_FALSE(numberFromText("-3"));   // "0-3" is no number
    EXPECT_FALSE(numberFromText("abc"));
}

TEST(PaintSettingsTest, FirstStartGivesTheDefaults)
{
    ScopedConfigDir config;
    const Defaults d = readDefaults();
    EXPECT_EQ(d.canvasColour, 0x00FFFFu);
    EXPECT_EQ(d.canvasType, paint::CanvasType::SolidColour);
    EXPECT_TRUE(d.canvasFileName.isEmpty());
    EXPECT_EQ(d.brushType, paint::BrushType::Normal);
    EXPECT_EQ(d.brushWidth, 25);
    EXPECT_TRUE(d.webbed);
    EXPECT_TRUE(d.mirror);
    EXPECT_EQ(d.drawColour, 0x0000FFu);
    EXPECT_EQ(d.colourMode, paint::ColourMode::Random);
}

TEST(PaintSettingsTest, DefaultsRoundTripInTheirStoredForm)
{
    ScopedConfigDir config;
    Defaults d;
    d.canvasColour = 0xFF8000;
    d.canvasType = paint::CanvasType::BlueCyan;
    d.canvasFileName = "/tmp/canvas.bmp";
    d.brushType = paint::BrushType::MixDark;
    d.brushWidth = 75;
    d.webbed = false;
    d.mirror = true;
    d.drawColour = 0x00FF00;
    d.colourMode = paint::ColourMode::BlueGradient;
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
    EXPECT_EQ(back.canvasType, paint::CanvasType::BlueCyan);
    EXPECT_EQ(back.canvasFileName, d.canvasFileName);
    EXPECT_EQ(back.brushType, paint::BrushType::MixDark);
    EXPECT_EQ(back.brushWidth, 75);
    EXPECT_FALSE(back.webbed);
    EXPECT_TRUE(back.mirror);
    EXPECT_EQ(back.drawColour, 0x00FF00u);
    EXPECT_EQ(back.colourMode, paint::ColourMode::BlueGradient);
}

TEST(PaintSettingsTest, UnreadableOrOutOfRangeValuesKeepTheirDefaults)
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
    EXPECT_EQ(d.canvasType, paint::CanvasType::SolidColour);
    EXPECT_EQ(d.brushWidth, 25);
    EXPECT_EQ(d.brushType, paint::BrushType::Normal);
    EXPECT_EQ(d.colourMode, paint::ColourMode::GreenGradient);
    EXPECT_FALSE(d.webbed);
    EXPECT_TRUE(d.mirror);
    EXPECT_EQ(d.canvasColour, 0x00FFFFu);
}

TEST(PaintSettingsTest, EveryStoredChoiceReadsBackUpToTheLastOne)
{
    ScopedConfigDir config;
    SettingsStore store(ModuleKey);
    const QString section = QStringLiteral("Defaults");
    const auto readWith = [&](const char* name, const QString& text) {
        store.writeString(section, name, text);
        return readDefaults();
    };
    for (int type = 1; type <= 7; ++type)
        EXPECT_EQ(int(readWith("Canvas", QString::number(type)).canvasType), type);
    EXPECT_EQ(readWith("Canvas", "7").canvasType, paint::CanvasType::LoadedImage);
    EXPECT_EQ(readWith("Canvas", "8").canvasType, paint::CanvasType::SolidColour);
    EXPECT_EQ(readWith("Canvas", "0").canvasType, paint::CanvasType::SolidColour);

    EXPECT_EQ(readWith("Brush", "2").brushType, paint::BrushType::MixLight);
    EXPECT_EQ(readWith("Brush", "3").brushType, paint::BrushType::MixDark);
    EXPECT_EQ(readWith("Brush", "4").brushType, paint::BrushType::Normal);

    EXPECT_EQ(readWith("Paint", "1").colourMode, paint::ColourMode::Solid);
    EXPECT_EQ(readWith("Paint", "5").colourMode, paint::ColourMode::BlueGradient);
    EXPECT_EQ(readWith("Paint", "6").colourMode, paint::ColourMode::Random);
    EXPECT_EQ(readWith("Paint", "0").colourMode, paint::ColourMode::Random);

    EXPECT_EQ(readWith("Width", "1").brushWidth, 1);
    EXPECT_EQ(readWith("Width", "75").brushWidth, 75);
    EXPECT_EQ(readWith("Width", "76").brushWidth, 25);
    EXPECT_EQ(readWith("Width", "0").brushWidth, 25);
}

} // namespace
