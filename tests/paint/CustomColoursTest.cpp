#include "paint/CustomColours.h"

#include "../common/ScopedConfigDir.h"
#include "paint/PaintSettings.h"
#include "common/SettingsStore.h"

#include <gtest/gtest.h>

namespace {

using namespace paint::settings;

QString stored(const QString& section, const QString& name)
{
    return SettingsStore(ModuleKey).readString(section, name, QStringLiteral("<missing>"));
}

TEST(CustomColoursTest, CustomColoursDefaultToWhiteEntriesAndRoundTrip)
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

TEST(CustomColoursTest, ADamagedCustomColourEntryShowsWhite)
{
    ScopedConfigDir config;
    SettingsStore(ModuleKey).writeString("Colors", "Color3", "ColorD=not hex");
    CustomColours custom;
    custom.read();
    EXPECT_EQ(custom.entries().at(3), "ColorD=not hex");
    EXPECT_EQ(custom.colours()[3], QColor(Qt::white));
}

} // namespace
