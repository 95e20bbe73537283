#pragma once
#include <QString>
#include <QStringList>

namespace platform {

// Where the system keeps its pictures, the folder the wallpaper browser
// starts in: the first of /usr/share/backgrounds, /usr/share/wallpapers, the
// user's Pictures folder and the home folder that exists.
QString systemPictureFolder();

// The first of the folders that exists, else the last one (the home folder
// is always taken, even if it has gone).
QString firstExistingFolder(const QStringList& candidates);

} // namespace platform
