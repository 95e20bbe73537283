#pragma once
#include <QString>
#include <QStringList>

// What the wallpaper browser reads of a folder: its bitmap files and the
// folders around it.
namespace desktop {

// Full paths of the folder's "*.bmp" files (any case of the extension),
// hidden files left out, sorted by file name without regard to case. Empty
// for a folder that cannot be read or has gone.
QStringList bitmapFiles(const QString& folder);

// The folder and the folders above it, from the root down:
// "/usr/share" gives "/", "/usr", "/usr/share".
QStringList folderChain(const QString& folder);

// Names of the folder's own subfolders, hidden ones left out, sorted
// without regard to case.
QStringList subfolders(const QString& folder);

// The folder itself when it exists, else the nearest folder above it that
// does (the root at worst).
QString nearestExistingFolder(const QString& folder);

} // namespace desktop
