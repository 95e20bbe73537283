#include "desktop/Wallpaper.h"

#include "common/ScopedConfigDir.h"
#include "common/SettingsStore.h"

#include <gtest/gtest.h>

namespace {

QString desktopValue(const QString& name)
{
    return SettingsStore("Control Panel\\Desktop").readString({}, name, "<missing>");
}

// Each test starts with no settings; the recording runner keeps the real
// desktop out of it.
struct WallpaperTest : ::testing::Test {
    WallpaperTest() : desktopNames_(qgetenv("XDG_CURRENT_DESKTOP"))
    {
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        previousRunner_ = platform::DesktopRunner::install(&runner);
    }
    ~WallpaperTest() override
    {
        platform::DesktopRunner::install(previousRunner_);
        qputenv("XDG_CURRENT_DESKTOP", desktopNames_);
    }
    ScopedConfigDir config;
    QByteArray desktopNames_;
    platform::RecordingDesktopRunner runner;
    platform::DesktopRunner* previousRunner_ = nullptr;
};

} // namespace

TEST_F(WallpaperTest, StoresTheDesktopValuesAsStringsThenAsksTheDesktop)
{
    desktop::setDesktopWallpaper(QString("/pics/a.bmp"), desktop::WallpaperPlacement::Centred);
    EXPECT_EQ(desktopValue("Wallpaper"), "/pics/a.bmp");
    EXPECT_EQ(desktopValue("TileWallpaper"), "0");
    EXPECT_EQ(desktopValue("WallpaperStyle"), "0");
    EXPECT_EQ(desktopValue("WallpaperOriginX"), "<missing>"); // the origin is left alone
    ASSERT_FALSE(runner.requests.isEmpty());
    EXPECT_EQ(runner.requests.first(),
              "gsettings set org.gnome.desktop.background picture-uri file:///pics/a.bmp");
    EXPECT_EQ(desktop::storedPlacement(), desktop::WallpaperPlacement::Centred);
}

TEST_F(WallpaperTest, WithoutAFileTheStoredPictureIsShownInTheNewPlacement)
{
    desktop::setDesktopWallpaper(QString("/pics/a.bmp"), desktop::WallpaperPlacement::Centred);
    runner.requests.clear();
    desktop::setDesktopWallpaper(std::nullopt, desktop::WallpaperPlacement::Tiled, desktop::OriginReset::Reset);
    EXPECT_EQ(desktopValue("Wallpaper"), "/pics/a.bmp");
    EXPECT_EQ(desktopValue("TileWallpaper"), "1");
    EXPECT_EQ(desktopValue("WallpaperOriginX"), "0");
    EXPECT_EQ(desktopValue("WallpaperOriginY"), "0");
    EXPECT_TRUE(runner.requests.contains("gsettings set org.gnome.desktop.background picture-uri file:///pics/a.bmp"));
    EXPECT_EQ(runner.requests.last(), "gsettings set org.gnome.desktop.background picture-options wallpaper");
    EXPECT_EQ(desktop::storedPlacement(), desktop::WallpaperPlacement::Tiled);
}

TEST_F(WallpaperTest, OnlyExactlyOneMeansTiled)
{
    EXPECT_EQ(desktop::storedPlacement(), desktop::WallpaperPlacement::Centred); // missing
    SettingsStore("Control Panel\\Desktop").writeString({}, "TileWallpaper", "2");
    EXPECT_EQ(desktop::storedPlacement(), desktop::WallpaperPlacement::Centred);
    SettingsStore("Control Panel\\Desktop").writeString({}, "TileWallpaper", "1");
    EXPECT_EQ(desktop::storedPlacement(), desktop::WallpaperPlacement::Tiled);
}
