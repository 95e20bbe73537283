#include "paint/BmpCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <random>

namespace {

using paint::bmp::decode;
using paint::bmp::encode;

const QList<QImage::Format> PictureFormats = {QImage::Format_Indexed8, QImage::Format_RGB555,
                                              QImage::Format_RGB16, QImage::Format_RGB888,
                                              QImage::Format_RGB32};

quint32 u32At(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
void setU32(QByteArray& b, int at, quint32 v) { qToLittleEndian(v, b.data() + at); }
void setU16(QByteArray& b, int at, quint16 v) { qToLittleEndian(v, b.data() + at); }

QByteArray bytesOf(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b += char(v);
    return b;
}

bool haveMagick()
{
    return !QStandardPaths::findExecutable("convert").isEmpty()
           && !QStandardPaths::findExecutable("identify").isEmpty();
}

// How many pixels differ from what ImageMagick reads in the file (-1 when
// it reads nothing or another size). QImage::pixel widens 5- and 6-bit
// channels by repeating their top bits, as ImageMagick does.
int magickMismatches(const QString& path, const QImage& image)
{
    QProcess convert;
    convert.start("convert", {path, "-depth", "8", "ppm:-"});
    if (!convert.waitForFinished(30000) || convert.exitCode() != 0)
        return -1;
    const QByteArray out = convert.readAllStandardOutput();
    const QByteArray head = QByteArray("P6\n%1 %2\n255\n").replace("%1", QByteArray::number(image.width()))
                                .replace("%2", QByteArray::number(image.height()));
    if (!out.startsWith(head) || out.size() != head.size() + image.width() * image.height() * 3)
        return -1;
    const auto* rgb = reinterpret_cast<const uchar*>(out.constData()) + head.size();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x, rgb += 3)
            count += (image.pixel(x, y) & 0xFFFFFF) != (qRgb(rgb[0], rgb[1], rgb[2]) & 0xFFFFFF);
    return count;
}

TEST(BmpSuite, EveryGoodFileDecodesAsImageMagickShowsIt)
{
    QString folder;
    for (const QString& root : {qEnvironmentVariable("ORVIK_TESTDATA"), QStringLiteral(ORVIK_SOURCE_DIR "/../shared/testdata"),
                                QStringLiteral(ORVIK_SOURCE_DIR "/tests/data")})
        if (folder.isEmpty() && !root.isEmpty() && QFileInfo(root + "/bmpsuite-good").isDir())
            folder = root + "/bmpsuite-good";
    if (folder.isEmpty())
        FAIL() << "no bmpsuite-good folder: set ORVIK_TESTDATA or restore tests/data";
    if (!haveMagick())
        FAIL() << "ImageMagick is missing (scripts/install-deps installs it)";
    const QStringList files = QDir(folder).entryList({"*.bmp"}, QDir::Files);
    ASSERT_EQ(files.size(), 27);
    for (const QString& name : files) {
        QFile file(folder + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const auto image = decode(file.readAll());
        ASSERT_TRUE(image.has_value()) << qPrintable(name);
        const QImage::Format expected = name.startsWith("pal")         ? QImage::Format_Indexed8
                                        : name.startsWith("rgb16-565") ? QImage::Format_RGB16
                                        : name.startsWith("rgb16")     ? QImage::Format_RGB555
                                        : name.startsWith("rgb24")     ? QImage::Format_RGB888
                                                                       : QImage::Format_RGB32;
        EXPECT_EQ(image->format(), expected) << qPrintable(name);
        EXPECT_EQ(magickMismatches(file.fileName(), *image), 0) << qPrintable(name);
    }
}

// Random pixels (fixed seed); RGB555 keeps its unused top bit clear, as a
// decoded picture has it.
QImage randomImage(QImage::Format format, int width, int height, int colours = 256)
{
    std::mt19937 random(width * 31 + height + int(format));
    QImage image(width, height, format);
    if (format == QImage::Format_Indexed8) {
        QVector<QRgb> table;
        for (int i = 0; i < colours; ++i)
            table << qRgb(random() & 255, random() & 255, random() & 255);
        image.setColorTable(table);
    }
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int i = 0; i < image.bytesPerLine(); ++i)
            line[i] = uchar(format == QImage::Format_Indexed8 ? random() % colours : random());
        for (int x = 0; format == QImage::Format_RGB555 && x < width; ++x)
            reinterpret_cast<quint16*>(line)[x] &= 0x7FFF;
    }
    return image;
}

TEST(BmpRoundTrip, AllFiveFormatsKeepEveryPixelByteForByte)
{
    for (const QImage::Format format : PictureFormats)
        for (const int width : {127, 1, 2, 3}) {
            const QImage image = randomImage(format, width, 5, width == 3 ? 5 : 256);
            const QByteArray bytes = encode(image);
            const auto back = decode(bytes);
            ASSERT_TRUE(back.has_value()) << format << " width " << width;
            EXPECT_EQ(encode(*back), bytes);
            EXPECT_EQ(back->format(), format);
            EXPECT_EQ(back->colorTable(), image.colorTable());
            for (int y = 0; y < 5; ++y)
                for (int i = 0; i < width * image.depth() / 8; ++i) {
                    // RGB32's fourth byte is 0 in the file and 0xFF in memory.
                    const bool unused = format == QImage::Format_RGB32 && i % 4 == 3;
                    ASSERT_EQ(int(back->constScanLine(y)[i]), unused ? 0xFF : int(image.constScanLine(y)[i]))
                        << format << " width " << width << " row " << y << " byte " << i;
                }
            const bool fields = format == QImage::Format_RGB16;
            EXPECT_EQ(u32At(bytes, 10), 54u + (fields ? 12 : 0) + 4 * image.colorCount());
            EXPECT_EQ(u32At(bytes, 30), fields ? 3u : 0u);
            EXPECT_EQ(u32At(bytes, 38), 3780u);
            EXPECT_EQ(u32At(bytes, 46), quint32(image.colorCount()));
        }

    // A colour table too short for the pixels gets black entries, so the
    // file reads back instead of being a damaged one.
    QImage shortTable(2, 1, QImage::Format_Indexed8);
    shortTable.setColorTable({qRgb(1, 2, 3)});
    shortTable.scanLine(0)[0] = 0;
    shortTable.scanLine(0)[1] = 2;
    const auto back = decode(encode(shortTable));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->colorTable(), (QVector<QRgb>{qRgb(1, 2, 3), qRgb(0, 0, 0), qRgb(0, 0, 0)}));
    EXPECT_TRUE(encode(QImage()).isEmpty());
    EXPECT_TRUE(encode(QImage(4, 4, QImage::Format_ARGB32)).isEmpty());
}

TEST(BmpRoundTrip, ImageMagickReadsWhatWeWrite)
{
    if (!haveMagick())
        FAIL() << "ImageMagick is missing (scripts/install-deps installs it)";
    QTemporaryDir dir;
    for (const QImage::Format format : PictureFormats) {
        const QImage image = randomImage(format, 127, 9);
        const QString path = dir.filePath(QStringLiteral("f%1.bmp").arg(int(format)));
        ASSERT_TRUE(paint::bmp::writeFile(path, image));
        QProcess identify;
        identify.start("identify", {"-format", "%w %h %z %r", path});
        ASSERT_TRUE(identify.waitForFinished(30000));
        const QString seen = QString::fromLatin1(identify.readAllStandardOutput());
        EXPECT_TRUE(seen.startsWith(format == QImage::Format_Indexed8 ? "127 9 8 PseudoClass" : "127 9 8 DirectClass"))
            << qPrintable(seen);
        EXPECT_EQ(magickMismatches(path, image), 0) << format;
    }
}

TEST(BmpRefusal, DamagedAndHostileFilesGiveNothing)
{
    QImage image(4, 2, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(1);
    const QByteArray good = encode(image);
    ASSERT_TRUE(decode(good).has_value());
    auto with = [&](int at, int size, quint32 value) {
        QByteArray b = good;
        size == 2 ? setU16(b, at, quint16(value)) : setU32(b, at, value);
        return b;
    };
    EXPECT_FALSE(decode(with(0, 2, 'B' | 'A' << 8)));             // magic
    EXPECT_FALSE(decode(good.left(30)));                           // cut in the header
    EXPECT_FALSE(decode(good.chopped(1)));                         // cut in the pixels
    EXPECT_FALSE(decode(with(14, 4, 64)));                         // OS/2 2.x header
    EXPECT_FALSE(decode(with(18, 4, 0)));                          // zero width
    EXPECT_FALSE(decode(with(22, 4, 0x80000000u)));                // most negative height
    EXPECT_FALSE(decode(with(26, 2, 2)));                          // two planes
    EXPECT_FALSE(decode(with(28, 2, 2)));                          // 2 bits a pixel
    EXPECT_FALSE(decode(with(28, 2, 7)));                          // 7 bits a pixel
    EXPECT_FALSE(decode(with(30, 4, 3)));                          // bit fields on a palette
    EXPECT_FALSE(decode(with(46, 4, 1)));                          // index 1 past a 1-entry palette
    EXPECT_FALSE(decode(with(46, 4, 3)));                          // palette runs into the pixels
    EXPECT_FALSE(decode(with(10, 4, 40)));                         // pixels inside the header
    EXPECT_FALSE(decode(with(10, 4, quint32(good.size()) + 1)));   // pixels past the end
    // 100000 x 100000 from a few dozen bytes: refused from the header alone,
    // before any picture is allocated; so is a legal size the data cannot hold.
    QByteArray huge = with(18, 4, 100000);
    setU32(huge, 22, 100000);
    EXPECT_FALSE(decode(huge));
    EXPECT_FALSE(decode(with(22, 4, 30000)));
}

// A bottom-up run-length file around the given stream, four colours.
QByteArray rleFile(int width, int height, int bitsPerPixel, const QByteArray& stream)
{
    QImage shell(1, 1, QImage::Format_Indexed8);
    shell.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)});
    shell.fill(0);
    QByteArray b = encode(shell).chopped(4) + stream;
    setU32(b, 18, quint32(width));
    setU32(b, 22, quint32(height));
    setU16(b, 28, quint16(bitsPerPixel));
    setU32(b, 30, bitsPerPixel == 8 ? 1 : 2);
    setU32(b, 34, quint32(stream.size()));
    return b;
}

std::vector<int> row(const QImage& image, int y)
{
    return std::vector<int>(image.constScanLine(y), image.constScanLine(y) + image.width());
}

TEST(BmpRle, RunsAbsoluteRunsAndDeltasWithHolesAtIndexZero)
{
    // Bottom row: two of 1, absolute 2 3 1 (padded), end of line; a delta to
    // x = 3 of the top row, one 2, end of bitmap.
    const auto rle8 = decode(rleFile(6, 2, 8, bytesOf({2, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 3, 0, 1, 2, 0, 1})));
    ASSERT_TRUE(rle8.has_value());
    EXPECT_EQ(row(*rle8, 1), (std::vector<int>{1, 1, 2, 3, 1, 0}));
    EXPECT_EQ(row(*rle8, 0), (std::vector<int>{0, 0, 0, 2, 0, 0}));
    // RLE4 alternates the two nibbles, in runs and absolute runs.
    const auto rle4 = decode(rleFile(8, 1, 4, bytesOf({5, 0x12, 0, 3, 0x32, 0x10, 0, 1})));
    ASSERT_TRUE(rle4.has_value());
    EXPECT_EQ(row(*rle4, 0), (std::vector<int>{1, 2, 1, 2, 1, 3, 2, 1}));
    // Ending early leaves the rest at 0; once every row is closed the end
    // mark may be missing.
    const auto early = decode(rleFile(16, 16, 8, bytesOf({0, 1})));
    ASSERT_TRUE(early.has_value());
    EXPECT_EQ(row(*early, 15), std::vector<int>(16, 0));
    EXPECT_TRUE(decode(rleFile(2, 1, 8, bytesOf({2, 1, 0, 0}))).has_value());
}

TEST(BmpRle, StreamsThatOverrunOrStopShortAreRefused)
{
    EXPECT_FALSE(decode(rleFile(2, 1, 8, bytesOf({3, 1, 0, 1}))));             // run past the row
    EXPECT_FALSE(decode(rleFile(2, 1, 8, bytesOf({0, 3, 1, 1, 1, 0, 0, 1})))); // absolute run past it
    EXPECT_FALSE(decode(rleFile(2, 1, 4, bytesOf({2, 0x15, 0, 1}))));         // nibble past the palette
    EXPECT_FALSE(decode(rleFile(4, 2, 8, bytesOf({0, 2, 5, 0, 0, 1}))));       // delta past the row
    EXPECT_FALSE(decode(rleFile(4, 2, 8, bytesOf({0, 2, 0, 3, 0, 1}))));       // delta past the top
    EXPECT_FALSE(decode(rleFile(4, 2, 8, bytesOf({0, 0, 0, 0, 0, 0, 0, 1})))); // lines past the top
    EXPECT_FALSE(decode(rleFile(8, 1, 8, bytesOf({0, 6, 1, 1}))));             // absolute run cut short
    EXPECT_FALSE(decode(rleFile(4, 2, 8, bytesOf({4, 1, 0, 0}))));             // no end, a row still open
    QByteArray topDown = rleFile(2, 1, 8, bytesOf({2, 1, 0, 1}));
    setU32(topDown, 22, quint32(-1));
    EXPECT_FALSE(decode(topDown));
    EXPECT_FALSE(decode(rleFile(30000, 6000, 8, bytesOf({0, 0, 0, 1}))));      // far more than 4 bytes describe
}

TEST(BmpCodec, OtherBitFieldsWidenToRgb32AndBrokenMasksAreRefused)
{
    // One pixel after a 40-byte header and three masks.
    auto fields = [](int bitsPerPixel, quint32 red, quint32 green, quint32 blue, quint32 pixel) {
        QByteArray b = encode(QImage(1, 1, QImage::Format_RGB16));
        setU32(b, 54, red);
        setU32(b, 58, green);
        setU32(b, 62, blue);
        setU32(b, 66, pixel);
        setU16(b, 28, quint16(bitsPerPixel));
        return decode(b);
    };
    const auto wide = fields(32, 0x3FF00000, 0x000FFC00, 0x000003FF, 0x3FFu << 20 | 0x200u << 10 | 4);
    ASSERT_TRUE(wide.has_value());
    EXPECT_EQ(wide->format(), QImage::Format_RGB32);
    EXPECT_EQ(wide->pixel(0, 0), qRgb(255, 128, 1));
    const auto rgb444 = fields(16, 0x0F00, 0x00F0, 0x000F, 0xF81);
    ASSERT_TRUE(rgb444.has_value());
    EXPECT_EQ(rgb444->pixel(0, 0), qRgb(255, 0x88, 0x11));
    EXPECT_FALSE(fields(32, 0, 0xFF00, 0xFF, 0));           // no red
    EXPECT_FALSE(fields(32, 0xF0F00000, 0xFF00, 0xFF, 0));  // red with a hole
    EXPECT_FALSE(fields(32, 0xFFFF00, 0xFF00, 0xFF, 0));    // overlapping
    EXPECT_FALSE(fields(16, 0x1F0000, 0x7E0, 0x1F, 0));     // past a 16-bit pixel
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(BmpFile, FailedWritesLeaveWhatWasThere)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.bmp");
    const QImage image = randomImage(QImage::Format_RGB16, 7, 5);
    ASSERT_TRUE(paint::bmp::writeFile(path, image));
    const auto read = paint::bmp::readFile(path);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(encode(*read), encode(image));
    const QByteArray before = contents(path);

    // Failures root cannot get past either: nothing a bitmap holds, a
    // missing folder, a parent that is a file, a target that is a folder.
    EXPECT_FALSE(paint::bmp::writeFile(path, QImage(2, 2, QImage::Format_ARGB32)));
    EXPECT_FALSE(paint::bmp::writeFile(path, QImage()));
    EXPECT_FALSE(paint::bmp::writeFile(dir.filePath("no/such/folder/picture.bmp"), image));
    EXPECT_FALSE(paint::bmp::writeFile(path + "/picture.bmp", image));
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.bmp"));
    EXPECT_FALSE(paint::bmp::writeFile(dir.filePath("taken.bmp"), image));
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.bmp")).isDir());
    EXPECT_EQ(contents(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"picture.bmp"});   // no temporaries left

    EXPECT_FALSE(paint::bmp::readFile(dir.filePath("missing.bmp")));
    EXPECT_FALSE(paint::bmp::readFile(dir.path()));
    EXPECT_FALSE(paint::bmp::readFile("/dev/zero"));   // endless, not a file
}

} // namespace
