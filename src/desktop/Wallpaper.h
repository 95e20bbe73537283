#pragma once
#include "platform/DesktopWallpaper.h"

#include <QString>
#include <optional>

namespace desktop {

using platform::WallpaperPlacement;

enum class OriginReset { Keep, Reset };

// Makes a picture the desktop wallpaper, the one way every window does it:
// the current user's "Control Panel\Desktop" values are written first
// ("Wallpaper" when a file is given, "TileWallpaper" "1" or "0",
// "WallpaperStyle" "0", and the origin "WallpaperOriginX"/"Y" "0" when asked),
// then the running desktop is asked to show the stored picture. Without a
// file the stored picture is shown again in the new placement. Nothing is
// reported: the desktop shows it, or it does not.
void setDesktopWallpaper(const std::optional<QString>& file, WallpaperPlacement placement,
                         OriginReset origin = OriginReset::Keep);

// The placement stored in "TileWallpaper": tiled when exactly "1", else centred.
WallpaperPlacement storedPlacement();

} // namespace desktop
