#include "desktop/WallpaperFolder.h"
#include "platform/Drives.h"
#include "platform/PictureFolder.h"

#include "DesktopTestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

using platform::MountedVolume;

TEST(WallpaperFolder, BitmapsOfAnyCaseSortedByNameWithoutRegardToCase)
{
    QTemporaryDir dir;
    QDir folder(dir.path());
    testfiles::writeBitmap(folder, "b.bmp", Qt::red);
    testfiles::writeBitmap(folder, "A.bmp", Qt::red);
    testfiles::writeBitmap(folder, "c.BMP", Qt::red);
    testfiles::writeBitmap(folder, ".hidden.bmp", Qt::red);
    testfiles::writeBitmap(folder, "d.png", Qt::red);
    testfiles::writeBitmap(folder, "e.bmp.txt", Qt::red);
    folder.mkdir("folder.bmp");

    EXPECT_EQ(desktop::bitmapFiles(dir.path()),
              QStringList({folder.filePath("A.bmp"), folder.filePath("b.bmp"), folder.filePath("c.BMP")}));
    EXPECT_TRUE(desktop::bitmapFiles(folder.filePath("missing")).isEmpty());
}

TEST(WallpaperFolder, ChainFromTheRootAndSubfoldersBelow)
{
    EXPECT_EQ(desktop::folderChain("/usr/share/"), QStringList({"/", "/usr", "/usr/share"}));
    EXPECT_EQ(desktop::folderChain("/"), QStringList({"/"}));

    QTemporaryDir dir;
    QDir folder(dir.path());
    for (const char* name : {"beta", "Alpha", ".secret", "gamma"})
        folder.mkdir(name);
    testfiles::writeBitmap(folder, "file.bmp", Qt::red);
    EXPECT_EQ(desktop::subfolders(dir.path()), QStringList({"Alpha", "beta", "gamma"}));

    // A folder that has gone leaves the nearest one above it that is still there.
    EXPECT_EQ(desktop::nearestExistingFolder(folder.filePath("beta/x/y")), folder.filePath("beta"));
    EXPECT_EQ(desktop::nearestExistingFolder(dir.path()), dir.path());
}

TEST(Drives, RealFileSystemsOnlyRootFirst)
{
    const QList<MountedVolume> mounted = {
        {"/proc", "proc", "proc", "", true},
        {"/media/stick", "/dev/sdb1", "vfat", "STICK", true},
        {"/", "overlay", "overlay", "", true},
        {"/sys", "sysfs", "sysfs", "", true},
        {"/run", "tmpfs", "tmpfs", "", true},
        {"/snap/core/1", "/dev/loop3", "squashfs", "", true},
        {"/media/cd", "/dev/sr0", "iso9660", "DISC", false}, // no disc in it
        {"/home", "/dev/sda2", "ext4", "", true},
        {"/mnt/share", "server:/export", "nfs4", "", true},
        {"/home", "/dev/sda2", "ext4", "", true}, // mounted twice
    };
    QStringList roots;
    for (const MountedVolume& drive : platform::realFileSystems(mounted))
        roots << drive.rootPath;
    EXPECT_EQ(roots, QStringList({"/", "/home", "/media/stick", "/mnt/share"}));
}

TEST(Drives, AFolderLiesOnTheDriveWithTheLongestMountPointHoldingIt)
{
    const QList<MountedVolume> drives = {
        {"/", "/dev/sda1", "ext4", "", true},
        {"/home", "/dev/sda2", "ext4", "", true},
        {"/media/stick", "/dev/sdb1", "vfat", "STICK", true},
    };
    EXPECT_EQ(platform::driveOf("/home/ann/Pictures", drives), 1);
    EXPECT_EQ(platform::driveOf("/home", drives), 1);
    EXPECT_EQ(platform::driveOf("/homework", drives), 0);
    EXPECT_EQ(platform::driveOf("/media/stick/", drives), 2);
    EXPECT_EQ(platform::driveOf("/usr", drives), 0);
    EXPECT_EQ(platform::driveOf("/usr", drives.mid(1)), -1);

    EXPECT_EQ(platform::driveText(drives[2]), "/media/stick  [STICK]");
    EXPECT_EQ(platform::driveText(drives[0]), "/");
    // This machine has a root at least, and it is listed.
    EXPECT_GE(platform::driveOf("/", platform::drives()), 0);
}

TEST(PictureFolder, TheFirstFolderThereIsTaken)
{
    QTemporaryDir dir;
    QDir folder(dir.path());
    folder.mkdir("pictures");
    EXPECT_EQ(platform::firstExistingFolder({folder.filePath("none"), folder.filePath("pictures"), dir.path()}),
              folder.filePath("pictures"));
    EXPECT_EQ(platform::firstExistingFolder({folder.filePath("none"), folder.filePath("home")}),
              folder.filePath("home"));
    EXPECT_TRUE(QDir(platform::systemPictureFolder()).exists());
}
