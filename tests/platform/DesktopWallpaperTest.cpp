#include "platform/DesktopWallpaper.h"

#include <gtest/gtest.h>

using platform::RecordingDesktopRunner;
using platform::WallpaperPlacement;

TEST(DesktopWallpaper, GnomeFamilyIsToldThroughGSettingsWithAFileAddress)
{
    RecordingDesktopRunner runner;
    platform::applyWallpaper(runner, "ubuntu:GNOME", "/home/ann/My Pictures/sky.bmp", WallpaperPlacement::Tiled);
    EXPECT_EQ(runner.requests,
              QStringList({"gsettings set org.gnome.desktop.background picture-uri file:///home/ann/My%20Pictures/sky.bmp",
                           "gsettings set org.gnome.desktop.background picture-uri-dark file:///home/ann/My%20Pictures/sky.bmp",
                           "gsettings set org.gnome.desktop.background picture-options wallpaper"}));

    runner.requests.clear();
    platform::applyWallpaper(runner, "X-Cinnamon", "/p.bmp", WallpaperPlacement::Centred);
    EXPECT_EQ(runner.requests.last(), "gsettings set org.cinnamon.desktop.background picture-options centered");
}

TEST(DesktopWallpaper, MateTakesAPlainFileName)
{
    RecordingDesktopRunner runner;
    platform::applyWallpaper(runner, "MATE", "/p.bmp", WallpaperPlacement::Centred);
    EXPECT_EQ(runner.requests, QStringList({"gsettings set org.mate.background picture-filename /p.bmp",
                                            "gsettings set org.mate.background picture-options centered"}));
}

TEST(DesktopWallpaper, PlasmaScriptQuotesThePathAndChoosesTheFillMode)
{
    RecordingDesktopRunner runner;
    platform::applyWallpaper(runner, "KDE", "/tmp/a\"b.bmp", WallpaperPlacement::Centred);
    ASSERT_EQ(runner.requests.size(), 1);
    const QString script = runner.requests.first();
    EXPECT_TRUE(script.startsWith("plasma: "));
    EXPECT_TRUE(script.contains("d.writeConfig(\"Image\", \"file:///tmp/a%22b.bmp\")")) << script.toStdString();
    EXPECT_TRUE(script.contains("d.writeConfig(\"FillMode\", 6)"));

    runner.requests.clear();
    platform::applyWallpaper(runner, "KDE", QString(), WallpaperPlacement::Tiled);
    EXPECT_FALSE(runner.requests.first().contains("\"Image\""));
    EXPECT_TRUE(runner.requests.first().contains("d.writeConfig(\"FillMode\", 3)"));
}

TEST(DesktopWallpaper, XfceSetsEveryMonitorItLists)
{
    RecordingDesktopRunner runner;
    runner.capturedOutput = "/backdrop/screen0/monitor0/workspace0/last-image\n"
                            "/backdrop/screen0/monitor0/workspace0/image-style\n"
                            "/backdrop/screen0/monitorHDMI-1/workspace0/last-image\n"
                            "/desktop-icons/style\n";
    platform::applyWallpaper(runner, "XFCE", "/p.bmp", WallpaperPlacement::Tiled);
    EXPECT_EQ(runner.requests,
              QStringList({"capture: xfconf-query -c xfce4-desktop -l",
                           "xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitor0/workspace0/last-image -s /p.bmp",
                           "xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitor0/workspace0/image-style -s 2",
                           "xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitorHDMI-1/workspace0/last-image -s /p.bmp"}));
}

TEST(DesktopWallpaper, OtherDesktopsUseARootWindowToolWhenOneIsInstalled)
{
    RecordingDesktopRunner runner;
    platform::applyWallpaper(runner, "", "/p.bmp", WallpaperPlacement::Tiled);
    EXPECT_TRUE(runner.requests.isEmpty()); // nothing installed: nothing to ask

    runner.installed = {"xwallpaper"};
    platform::applyWallpaper(runner, "openbox", "/p.bmp", WallpaperPlacement::Centred);
    EXPECT_EQ(runner.requests, QStringList({"xwallpaper --center /p.bmp"}));

    runner.requests.clear();
    runner.installed = {"feh", "xwallpaper"};
    platform::applyWallpaper(runner, "", "/p.bmp", WallpaperPlacement::Tiled);
    EXPECT_EQ(runner.requests, QStringList({"feh --bg-tile /p.bmp"}));

    runner.requests.clear();
    platform::applyWallpaper(runner, "", QString(), WallpaperPlacement::Tiled);
    EXPECT_TRUE(runner.requests.isEmpty()); // no picture stored yet
}
