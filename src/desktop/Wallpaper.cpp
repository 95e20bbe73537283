#include "desktop/Wallpaper.h"

#include "common/SettingsStore.h"

namespace desktop {

namespace {
const QString DesktopKey = QStringLiteral("Control Panel\\Desktop");
} // namespace

void setDesktopWallpaper(const std::optional<QString>& file, WallpaperPlacement placement,
                         OriginReset origin)
{
    SettingsStore desktopValues(DesktopKey);
    if (file)
        desktopValues.writeString({}, QStringLiteral("Wallpaper"), *file);
    desktopValues.writeString({}, QStringLiteral("TileWallpaper"),
                              placement == WallpaperPlacement::Tiled ? QStringLiteral("1")
                                                                     : QStringLiteral("0"));
    desktopValues.writeString({}, QStringLiteral("WallpaperStyle"), QStringLiteral("0"));
    if (origin == OriginReset::Reset) {
        desktopValues.writeString({}, QStringLiteral("WallpaperOriginX"), QStringLiteral("0"));
        desktopValues.writeString({}, QStringLiteral("WallpaperOriginY"), QStringLiteral("0"));
    }

    const QString shown = desktopValues.readString({}, QStringLiteral("Wallpaper"), QString());
    platform::applyWallpaper(platform::DesktopRunner::instance(),
                             qEnvironmentVariable("XDG_CURRENT_DESKTOP"), shown, placement);
}

WallpaperPlacement storedPlacement()
{
    const QString tile = SettingsStore(DesktopKey).readString({}, QStringLiteral("TileWallpaper"), QString());
    return tile == QLatin1String("1") ? WallpaperPlacement::Tiled : WallpaperPlacement::Centred;
}

} // namespace desktop
