#include "platform/PictureFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QString firstExistingFolder(const QStringList& candidates)
{
    for (const QString& folder : candidates)
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return QDir::cleanPath(folder);
    return candidates.isEmpty() ? QDir::rootPath() : candidates.last();
}

QString systemPictureFolder()
{
    return firstExistingFolder({QStringLiteral("/usr/share/backgrounds"), QStringLiteral("/usr/share/wallpapers"),
                                QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                QDir::homePath()});
}

} // namespace platform
