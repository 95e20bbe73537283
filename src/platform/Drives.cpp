#include "platform/Drives.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>

namespace platform {

namespace {

bool isNetworkShare(const QByteArray& type)
{
    static const QList<QByteArray> network = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "9p"};
    return network.contains(type);
}

bool contains(const QString& root, const QString& folder)
{
    if (root == QLatin1String("/"))
        return folder.startsWith(u'/');
    return folder == root || folder.startsWith(root + u'/');
}

} // namespace

bool isRealFileSystem(const MountedVolume& volume)
{
    if (volume.rootPath == QLatin1String("/"))
        return true;
    if (!volume.ready)
        return false;
    if (isNetworkShare(volume.fileSystemType))
        return true;
    return volume.device.startsWith("/dev/") && !volume.device.startsWith("/dev/loop")
           && volume.fileSystemType != "squashfs";
}

QList<MountedVolume> realFileSystems(const QList<MountedVolume>& volumes)
{
    QList<MountedVolume> real;
    for (const MountedVolume& volume : volumes)
        if (isRealFileSystem(volume)
            && std::none_of(real.cbegin(), real.cend(),
                            [&](const MountedVolume& seen) { return seen.rootPath == volume.rootPath; }))
            real.append(volume);
    std::sort(real.begin(), real.end(),
              [](const MountedVolume& a, const MountedVolume& b) { return a.rootPath < b.rootPath; });
    return real;
}

QList<MountedVolume> drives()
{
    QList<MountedVolume> volumes;
    for (const QStorageInfo& info : QStorageInfo::mountedVolumes())
        volumes.append({info.rootPath(), info.device(), info.fileSystemType(), info.name(),
                        info.isValid() && info.isReady()});
    return realFileSystems(volumes);
}

int driveOf(const QString& folder, const QList<MountedVolume>& drives)
{
    const QString clean = QDir::cleanPath(folder);
    int best = -1;
    for (int i = 0; i < drives.size(); ++i)
        if (contains(drives[i].rootPath, clean)
            && (best < 0 || drives[i].rootPath.size() > drives[best].rootPath.size()))
            best = i;
    return best;
}

QString driveText(const MountedVolume& drive)
{
    if (drive.label.isEmpty())
        return drive.rootPath;
    return drive.rootPath + QStringLiteral("  [") + drive.label + u']';
}

} // namespace platform
