#include "paint/PaintDocument.h"

#include "paint/BmpCodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using paint::PaintDocument;
using paint::Picture;
using paint::PixelFormat;

namespace {

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

class PaintDocumentTest : public ::testing::Test {
protected:
    QTemporaryDir files;
};

} // namespace

TEST_F(PaintDocumentTest, ANewDocumentHasNoFileAndNothingToSave)
{
    PaintDocument document;
    EXPECT_TRUE(document.saved());
    EXPECT_TRUE(document.fileName().isEmpty());
    EXPECT_TRUE(document.picture().isNull());
    document.markChanged();
    EXPECT_FALSE(document.saved());
}

TEST_F(PaintDocumentTest, SavedPicturesReadBackInTheirOwnFormat)
{
    for (PixelFormat format : {PixelFormat::Indexed8, PixelFormat::Rgb555, PixelFormat::Rgb565, PixelFormat::Rgb24,
                               PixelFormat::Rgb32}) {
        PaintDocument document;
        document.replacePicture(drawnPicture(format));
        document.markChanged();
        const QString path = files.filePath(QStringLiteral("drawing%1.bmp").arg(int(format)));
        ASSERT_TRUE(document.saveAs(path)) << int(format);
        EXPECT_EQ(document.fileName(), path);
        EXPECT_TRUE(document.saved());

        PaintDocument reopened;
        reopened.picture().pen() = paint::Pen{0x00FF00, 40, paint::RasterMode::MaskNotDest};
        ASSERT_TRUE(reopened.open(path)) << int(format);
        EXPECT_EQ(reopened.picture().format(), format);
        EXPECT_EQ(reopened.picture().image(), document.picture().image()) << int(format);
        EXPECT_EQ(reopened.fileName(), path);
        EXPECT_TRUE(reopened.saved());
        EXPECT_EQ(reopened.picture().pen().width, 40) << "the pen is the window's, not the file's";
        EXPECT_EQ(reopened.picture().pen().mode, paint::RasterMode::MaskNotDest);
    }
}

TEST_F(PaintDocumentTest, AFailedSaveForgetsTheFileAndStaysUnsaved)
{
    PaintDocument document;
    document.replacePicture(drawnPicture(PixelFormat::Rgb24));
    const QString good = files.filePath("good.bmp");
    ASSERT_TRUE(document.saveAs(good));
    const QByteArray before = [&] { QFile f(good); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    document.markChanged();
    EXPECT_FALSE(document.saveAs(files.filePath("no-such-folder/drawing.bmp")));
    EXPECT_TRUE(document.fileName().isEmpty());
    EXPECT_FALSE(document.saved());
    // A folder where the file should be cannot be written either.
    EXPECT_FALSE(document.saveAs(files.path()));
    EXPECT_FALSE(document.saved());
    QFile kept(good);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), before) << "the last saved file is untouched";
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

    // A refused file changes nothing of the document.
    PaintDocument document;
    document.replacePicture(drawnPicture(PixelFormat::Rgb24));
    ASSERT_TRUE(document.saveAs(files.filePath("mine.bmp")));
    document.markChanged();
    const QImage mine = document.picture().image().copy();
    for (const QString& path : {icon, noName, damaged}) {
        EXPECT_FALSE(document.open(path)) << path.toStdString();
        EXPECT_EQ(document.picture().image(), mine);
        EXPECT_EQ(document.fileName(), files.filePath("mine.bmp"));
        EXPECT_FALSE(document.saved());
    }
    EXPECT_TRUE(document.open(upper));
    EXPECT_EQ(document.picture().format(), PixelFormat::Rgb32);
}

TEST_F(PaintDocumentTest, ANewPictureKeepsThePenAndANewCanvasForgetsTheFile)
{
    PaintDocument document;
    document.picture().pen() = paint::Pen{0x123456, 17, paint::RasterMode::MergeNotDest};
    Picture other = *Picture::create(5, 5, PixelFormat::Rgb32);
    other.pen() = paint::Pen{0, 1, paint::RasterMode::Copy};
    document.replacePicture(std::move(other));
    EXPECT_EQ(document.picture().size(), QSize(5, 5));
    EXPECT_EQ(document.picture().pen().colour, 0x123456u);
    EXPECT_EQ(document.picture().pen().width, 17);
    EXPECT_EQ(document.picture().pen().mode, paint::RasterMode::MergeNotDest);

    ASSERT_TRUE(document.saveAs(files.filePath("named.bmp")));
    document.markChanged();
    document.startNew();
    EXPECT_TRUE(document.fileName().isEmpty());
    EXPECT_TRUE(document.saved());
}
