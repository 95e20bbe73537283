#include "common/WholeFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(WholeFile, ReplacesAFileWholeAndLeavesNothingBesideIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    ASSERT_TRUE(writeWholeFile(path, QByteArray(5000, 'a')));
    ASSERT_TRUE(writeWholeFile(path, QByteArray("BM\0\1", 4)));
    EXPECT_EQ(contentOf(path), QByteArray("BM\0\1", 4));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("picture.bmp")});
}

TEST(WholeFile, AFailedWriteSaysSoAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    EXPECT_FALSE(writeWholeFile(dir.filePath(QStringLiteral("missing/folder/list.tim")), "    001\r\n"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing"))));

    // A folder where the file should be: nothing can take its place.
    const QString taken = dir.filePath(QStringLiteral("taken.adb"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.adb")));
    EXPECT_FALSE(writeWholeFile(taken, "1999"));
    EXPECT_TRUE(QFileInfo(taken).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}
