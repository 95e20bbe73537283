#include "paint/PaintDocument.h"

#include "../common/ScopedConfigDir.h"
#include "paint/BmpCodec.h"
#include "common/RecentFiles.h"
#include "platform/Dialogs.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using paint::PaintDocument;
using paint::Picture;
using paint::PixelFormat;

namespace {

const QString Failure = QStringLiteral("Could not Save.");

Picture drawnPicture(PixelFormat format)
{
    Picture picture = *Picture::create(9, 7, format);
    picture.pen() = paint::Pen{0x0000FF, 3, paint::RasterMode::Copy};
    picture.drawLine(QPoint(1, 1), QPoint(7, 5));
    return picture;
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class PaintDocumentTest : public ::testing::Test {
protected:
    DocumentFile::Texts texts() const
    {
        DocumentFile::Texts t;
        t.saveQuestion = QStringLiteral("Save?");
        t.questionOffersCancel = true;
        t.couldNotSave = Failure;
        t.saveDialogTitle = QStringLiteral("Pictures");
        t.fileFilter = QStringLiteral("Bitmaps (*.bmp)");
        t.extension = QStringLiteral("bmp");
        return t;
    }

    ScopedConfigDir config;
    QTemporaryDir files;
    platform::ScriptedDialogs dialogs;
};

} // namespace

TEST_F(PaintDocumentTest, ANewDocumentHasNoFileAndNothingToSave)
{
    PaintDocument document(dialogs, nullptr, texts());
    EXPECT_TRUE(document.saved());
    EXPECT_TRUE(document.fileName().isEmpty());
    EXPECT_TRUE(document.picture().isNull());
    document.markChanged();
    EXPECT_FALSE(document.saved());
    EXPECT_FALSE(document.file().isSaved()) << "the document's state is its file's";
}

TEST_F(PaintDocumentTest, SavedPicturesReadBackInTheirOwnFormat)
{
    for (PixelFormat format : {PixelFormat::Indexed8, PixelFormat::Rgb555, PixelFormat::Rgb565, PixelFormat::Rgb24,
                               PixelFormat::Rgb32}) {
        PaintDocument document(dialogs, nullptr, texts());
        document.replacePicture(drawnPicture(format));
        document.markChanged();
        // Saved the way the window saves: the file asks for a name and the
        // document writes the bitmap.
        const QString base = files.filePath(QStringLiteral("drawing%1").arg(int(format)));
        dialogs.fileNames = {base};
        ASSERT_TRUE(document.file().saveAs()) << int(format);
        EXPECT_EQ(document.fileName(), base + ".bmp");
        EXPECT_TRUE(document.saved());

        PaintDocument reopened(dialogs, nullptr, texts());
        reopened.picture().pen() = paint::Pen{0x00FF00, 40, paint::RasterMode::MaskNotDest};
        ASSERT_TRUE(reopened.open(base + ".bmp")) << int(format);
        EXPECT_EQ(reopened.picture().format(), format);
        EXPECT_EQ(reopened.picture().image(), document.picture().image()) << int(format);
        EXPECT_EQ(reopened.fileName(), base + ".bmp");
        EXPECT_TRUE(reopened.saved());
        EXPECT_EQ(reopened.picture().pen().width, 40) << "the pen is the window's, not the file's";
        EXPECT_EQ(reopened.picture().pen().mode, paint::RasterMode::MaskNotDest);
    }
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(PaintDocumentTest, AFailedWriteLeavesTheLastFileAndTheFileForgetsItsName)
{
    PaintDocument document(dialogs, nullptr, texts());
    document.replacePicture(drawnPicture(PixelFormat::Rgb24));
    const QString good = files.filePath("good.bmp");
    ASSERT_TRUE(document.write(good));
    const QByteArray before = readBytes(good);
    ASSERT_FALSE(before.isEmpty());

    EXPECT_FALSE(document.write(files.filePath("no-such-folder/drawing.bmp")));
    EXPECT_FALSE(document.write(files.path())) << "a folder where the file should be";
    Picture other = drawnPicture(PixelFormat::Rgb32);
    other.fill(0x00FF00);
    document.replacePicture(std::move(other));
    dialogs.fileNames = {files.filePath("no-such-folder/drawing.bmp")};
    document.markChanged();
    EXPECT_FALSE(document.file().save());
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].text, Failure);
    EXPECT_TRUE(document.fileName().isEmpty());
    EXPECT_FALSE(document.saved());
    EXPECT_EQ(readBytes(good), before) << "the last saved file is untouched";
}

TEST_F(PaintDocumentTest, OnlyBitmapNamesAndSoundBitmapsOpen)
{
    const QImage image = drawnPicture(PixelFormat::Rgb32).image();
    const QString upper = files.filePath("UPPER.BMP");
    const QString icon = files.filePath("picture.ico");
    const QString noName = files.filePath("bitmap");
    const QString damaged = files.filePath("damaged.bmp");
    ASSERT_TRUE(paint::bmp::writeFile(upper, image));
    ASSERT_TRUE(paint::bmp::writeFile(icon, image));
    ASSERT_TRUE(paint::bmp::writeFile(noName, image));
    ASSERT_TRUE(writeBytes(damaged, paint::bmp::encode(image).left(60)));

    EXPECT_TRUE(PaintDocument::hasBitmapName(upper));
    EXPECT_TRUE(PaintDocument::hasBitmapName("a.Bmp"));
    EXPECT_FALSE(PaintDocument::hasBitmapName(icon));
    EXPECT_FALSE(PaintDocument::hasBitmapName("bmp"));
    EXPECT_TRUE(PaintDocument::readBitmap(upper).has_value());
    EXPECT_FALSE(PaintDocument::readBitmap(icon).has_value()) << "a bitmap inside counts for nothing";
    EXPECT_FALSE(PaintDocument::readBitmap(noName).has_value());
    EXPECT_FALSE(PaintDocument::readBitmap(damaged).has_value());
    EXPECT_FALSE(PaintDocument::readBitmap(files.filePath("missing.bmp")).has_value());

    // A refused file changes nothing of the document, nor the recent list.
    RecentFiles recent(QStringLiteral("Test\\Paint"));
    PaintDocument document(dialogs, nullptr, texts());
    document.file().setRecentFiles(&recent);
    const QString mine = files.filePath("mine.bmp");
    ASSERT_TRUE(paint::bmp::writeFile(mine, drawnPicture(PixelFormat::Rgb24).image()));
    ASSERT_TRUE(document.open(mine));
    EXPECT_EQ(recent.slot(1), mine);
    document.markChanged();
    const QImage drawn = document.picture().image().copy();
    for (const QString& path : {icon, noName, damaged}) {
        EXPECT_FALSE(document.open(path)) << path.toStdString();
        EXPECT_EQ(document.picture().image(), drawn);
        EXPECT_EQ(document.fileName(), mine);
        EXPECT_FALSE(document.saved());
    }
    EXPECT_TRUE(recent.slot(2).isEmpty());
    EXPECT_TRUE(document.open(upper));
    EXPECT_EQ(document.picture().format(), PixelFormat::Rgb32);
    EXPECT_EQ(recent.slot(2), upper);
    EXPECT_TRUE(dialogs.asked.isEmpty()) << "opening asks nothing; the window says what failed";
}

TEST_F(PaintDocumentTest, ANewPictureKeepsThePenAndANewCanvasForgetsTheFile)
{
    PaintDocument document(dialogs, nullptr, texts());
    document.picture().pen() = paint::Pen{0x123456, 17, paint::RasterMode::MergeNotDest};
    Picture other = *Picture::create(5, 5, PixelFormat::Rgb32);
    other.pen() = paint::Pen{0, 1, paint::RasterMode::Copy};
    document.replacePicture(std::move(other));
    EXPECT_EQ(document.picture().size(), QSize(5, 5));
    EXPECT_EQ(document.picture().pen().colour, 0x123456u);
    EXPECT_EQ(document.picture().pen().width, 17);
    EXPECT_EQ(document.picture().pen().mode, paint::RasterMode::MergeNotDest);

    dialogs.fileNames = {files.filePath("named.bmp")};
    ASSERT_TRUE(document.file().save());
    document.markChanged();
    document.startNew();
    EXPECT_TRUE(document.fileName().isEmpty());
    EXPECT_TRUE(document.saved());
}
