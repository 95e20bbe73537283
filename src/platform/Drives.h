#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {

// A mounted volume as the drive box shows it: where it is mounted, what
// backs it and its label.
struct MountedVolume {
    QString rootPath;    // "/", "/media/stick"
    QByteArray device;   // "/dev/sda1", "proc", "tmpfs"
    QByteArray fileSystemType;
    QString label;       // the file system's name; may be empty
    bool ready = true;
};

// Whether the volume holds real files a user keeps: the root always, else a
// ready volume on a block device ("/dev/...") or a network share, but no
// snap or loop image (squashfs) and none of the kernel's own file systems
// (proc, sysfs, tmpfs, cgroup, ...).
bool isRealFileSystem(const MountedVolume& volume);

// The real file systems of the list, sorted by where they are mounted.
QList<MountedVolume> realFileSystems(const QList<MountedVolume>& volumes);

// The mounted volumes of this machine (QStorageInfo::mountedVolumes()),
// real file systems only.
QList<MountedVolume> drives();

// The drive a folder lies on: the one with the longest mount point that
// contains it, or -1 when none does.
int driveOf(const QString& folder, const QList<MountedVolume>& drives);

// The text of a drive in the drive box: its mount point and, when it has
// one, its label in brackets ("/media/stick  [STICK]").
QString driveText(const MountedVolume& drive);

} // namespace platform
