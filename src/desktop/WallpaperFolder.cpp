#include "desktop/WallpaperFolder.h"

#include <QDir>
#include <QFileInfo>

namespace desktop {

QStringList bitmapFiles(const QString& folder)
{
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.bmp")});
    dir.setFilter(QDir::Files | QDir::Readable);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList files;
    for (const QString& name : dir.entryList())
        files.append(dir.filePath(name));
    return files;
}

QStringList folderChain(const QString& folder)
{
    QString path = QDir::cleanPath(QDir(folder).absolutePath());
    QStringList chain;
    for (;;) {
        chain.prepend(path);
        if (QDir(path).isRoot() || path.isEmpty())
            break;
        const QString up = QFileInfo(path).path();
        if (up == path)
            break;
        path = up;
    }
    return chain;
}

QStringList subfolders(const QString& folder)
{
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QString nearestExistingFolder(const QString& folder)
{
    const QStringList chain = folderChain(folder);
    for (auto it = chain.crbegin(); it != chain.crend(); ++it)
        if (QFileInfo(*it).isDir())
            return *it;
    return QDir::rootPath();
}

} // namespace desktop
