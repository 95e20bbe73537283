#include "arty/BmpCodec.h"

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

using arty::bmp::decode;
using arty::bmp::encode;

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

// The public bitmap test suite: from ORVIK_TESTDATA, the shared folder beside
// the repository, or the copy in the repository; empty when none is there.
QString suiteFolder()
{
    QStringList roots;
    if (!qEnvironmentVariableIsEmpty("ORVIK_TESTDATA"))
        roots << qEnvironmentVariable("ORVIK_TESTDATA");
    roots << QStringLiteral(ORVIK_SOURCE_DIR "/../shared/testdata") << QStringLiteral(ORVIK_SOURCE_DIR "/tests/data");
    for (const QString& root : roots)
        if (QFileInfo(root + "/bmpsuite-good").isDir())
            return QDir::cleanPath(root + "/bmpsuite-good");
    return {};
}

// What ImageMagick makes of a file: its size and 8-bit RGB, top row first.
struct Reference {
    QSize size;
    QByteArray rgb;
};

std::optional<Reference> magickPixels(const QString& path)
{
    QProcess convert;
    convert.start("convert", {path, "-depth", "8", "ppm:-"});
    if (!convert.waitForFinished(30000) || convert.exitCode() != 0)
        return std::nullopt;
    const QByteArray out = convert.readAllStandardOutput();
    // "P6\n<w> <h>\n255\n" and the samples.
    const QList<QByteArray> head = out.left(40).split('\n');
    if (head.size() < 4 || head[0] != "P6")
        return std::nullopt;
    const QList<QByteArray> dims = head[1].split(' ');
    const qsizetype start = head[0].size() + head[1].size() + head[2].size() + 3;
    return Reference{QSize(dims.value(0).toInt(), dims.value(1).toInt()), out.mid(start)};
}

// The colour a decoded pixel shows; 5- and 6-bit channels widen by
// repeating their top bits, as ImageMagick widens them too.
QRgb shown(const QImage& image, int x, int y)
{
    auto widen = [](uint v, int bits) { return bits == 5 ? (v << 3 | v >> 2) : (v << 2 | v >> 4); };
    const uchar* line = image.constScanLine(y);
    switch (image.format()) {
    case QImage::Format_Indexed8: return image.colorTable().value(line[x], 0x12345678);
    case QImage::Format_RGB888: return qRgb(line[3 * x], line[3 * x + 1], line[3 * x + 2]);
    case QImage::Format_RGB32: return reinterpret_cast<const QRgb*>(line)[x] & 0xFFFFFF;
    case QImage::Format_RGB555: {
        const uint v = reinterpret_cast<const quint16*>(line)[x];
        return qRgb(widen(v >> 10 & 31, 5), widen(v >> 5 & 31, 5), widen(v & 31, 5));
    }
    default: {
        const uint v = reinterpret_cast<const quint16*>(line)[x];
        return qRgb(widen(v >> 11, 5), widen(v >> 5 & 63, 6), widen(v & 31, 5));
    }
    }
}

int mismatches(const QImage& image, const Reference& reference)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const auto* p = reinterpret_cast<const uchar*>(reference.rgb.constData()) + (y * image.width() + x) * 3;
            if ((shown(image, x, y) & 0xFFFFFF) != (qRgb(p[0], p[1], p[2]) & 0xFFFFFF))
                ++count;
        }
    return count;
}

QImage::Format expectedFormat(const QString& name)
{
    if (name.startsWith("pal"))
        return QImage::Format_Indexed8;
    if (name.startsWith("rgb16-565"))
        return QImage::Format_RGB16;
    if (name.startsWith("rgb16"))
        return QImage::Format_RGB555;
    return name.startsWith("rgb24") ? QImage::Format_RGB888 : QImage::Format_RGB32;
}

bool haveMagick() { return !QStandardPaths::findExecutable("convert").isEmpty(); }

TEST(BmpSuite, EveryGoodFileDecodesAsImageMagickShowsIt)
{
    const QString folder = suiteFolder();
    if (folder.isEmpty())
        GTEST_SKIP() << "no bmpsuite-good folder (set ORVIK_TESTDATA or restore tests/data)";
    if (!haveMagick())
        GTEST_SKIP() << "ImageMagick's convert is missing (scripts/install-deps installs it)";
    const QStringList files = QDir(folder).entryList({"*.bmp"}, QDir::Files);
    ASSERT_EQ(files.size(), 27);
    for (const QString& name : files) {
        QFile file(folder + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const auto image = decode(file.readAll());
        ASSERT_TRUE(image.has_value()) << qPrintable(name);
        EXPECT_EQ(image->format(), expectedFormat(name)) << qPrintable(name);
        const auto reference = magickPixels(file.fileName());
        ASSERT_TRUE(reference.has_value()) << qPrintable(name);
        ASSERT_EQ(image->size(), reference->size) << qPrintable(name);
        EXPECT_EQ(mismatches(*image, *reference), 0) << qPrintable(name);
    }
}

// Random pixels (fixed seed) in a picture of the given format; RGB555 keeps
// its unused top bit clear, as a decoded picture has it.
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
        if (format == QImage::Format_RGB555)
            for (int x = 0; x < width; ++x)
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
            const int rowBytes = width * image.depth() / 8;
            for (int y = 0; y < 5; ++y)
                for (int i = 0; i < rowBytes; ++i) {
                    // RGB32's fourth byte is 0 in the file and 0xFF in memory.
                    const bool unused = format == QImage::Format_RGB32 && i % 4 == 3;
                    ASSERT_EQ(int(back->constScanLine(y)[i]), unused ? 0xFF : int(image.constScanLine(y)[i]))
                        << format << " width " << width << " row " << y << " byte " << i;
                }

            // Header: size, bottom-up, depth, masks for 5-6-5 only, palette length.
            const bool fields = format == QImage::Format_RGB16;
            const int stride = (width * image.depth() + 31) / 32 * 4;
            const int offset = 54 + (fields ? 12 : 0) + 4 * image.colorCount();
            EXPECT_EQ(bytes.size(), offset + 5 * stride);
            EXPECT_EQ(u32At(bytes, 2), quint32(bytes.size()));
            EXPECT_EQ(u32At(bytes, 10), quint32(offset));
            EXPECT_EQ(u32At(bytes, 22), 5u);
            EXPECT_EQ(u32At(bytes, 30), fields ? 3u : 0u);
            EXPECT_EQ(u32At(bytes, 34), quint32(5 * stride));
            EXPECT_EQ(u32At(bytes, 38), 3780u);
            EXPECT_EQ(u32At(bytes, 46), quint32(image.colorCount()));
            if (fields) {
                EXPECT_EQ(bytes.mid(54, 12), bytesOf({0, 0xF8, 0, 0, 0xE0, 7, 0, 0, 0x1F, 0, 0, 0}));
            }
            for (int y = 0; y < 5; ++y)
                EXPECT_EQ(bytes.mid(offset + y * stride + rowBytes, stride - rowBytes),
                          QByteArray(stride - rowBytes, '\0'));
        }
}

TEST(BmpRoundTrip, ImageMagickReadsWhatWeWrite)
{
    if (!haveMagick() || QStandardPaths::findExecutable("identify").isEmpty())
        GTEST_SKIP() << "ImageMagick is missing (scripts/install-deps installs it)";
    QTemporaryDir dir;
    for (const QImage::Format format : PictureFormats) {
        const QImage image = randomImage(format, 127, 9);
        const QString path = dir.filePath(QStringLiteral("f%1.bmp").arg(int(format)));
        ASSERT_TRUE(arty::bmp::writeFile(path, image));
        QProcess identify;
        identify.start("identify", {"-format", "%w %h %z %r", path});
        ASSERT_TRUE(identify.waitForFinished(30000));
        const QString seen = QString::fromLatin1(identify.readAllStandardOutput());
        EXPECT_TRUE(seen.startsWith(format == QImage::Format_Indexed8 ? "127 9 8 PseudoClass" : "127 9 8 DirectClass"))
            << qPrintable(seen);
        const auto reference = magickPixels(path);
        ASSERT_TRUE(reference.has_value());
        EXPECT_EQ(mismatches(image, *reference), 0) << format;
    }
}

TEST(BmpRoundTrip, IndexesPastTheColourTableGetBlackEntriesSoTheFileReadsBack)
{
    QImage image(2, 1, QImage::Format_Indexed8);
    image.setColorTable({qRgb(1, 2, 3)});
    image.scanLine(0)[0] = 0;
    image.scanLine(0)[1] = 4;
    const auto back = decode(encode(image));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->colorTable(), (QVector<QRgb>{qRgb(1, 2, 3), 0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000}));
    EXPECT_EQ(back->pixelIndex(1, 0), 4);
    EXPECT_TRUE(encode(QImage()).isEmpty());
    EXPECT_TRUE(encode(QImage(4, 4, QImage::Format_ARGB32)).isEmpty());
}

// A 4 x 2 8-bit file with a two-colour palette, every pixel index 1.
QByteArray smallFile()
{
    QImage image(4, 2, QImage::Format_Indexed8);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(1);
    return encode(image);
}

TEST(BmpRefusal, DamagedAndHostileFilesGiveNothing)
{
    const QByteArray good = smallFile();
    ASSERT_TRUE(decode(good).has_value());
    auto with = [&](int at, int size, quint32 value) {
        QByteArray b = good;
        size == 2 ? setU16(b, at, quint16(value)) : setU32(b, at, value);
        return b;
    };
    EXPECT_FALSE(decode(with(0, 2, 'B' | 'A' << 8)));          // magic
    EXPECT_FALSE(decode(good.left(30)));                        // cut in the header
    EXPECT_FALSE(decode(good.chopped(1)));                      // cut in the pixels
    EXPECT_FALSE(decode(with(14, 4, 64)));                      // OS/2 2.x header
    EXPECT_FALSE(decode(with(18, 4, 0)));                       // zero width
    EXPECT_FALSE(decode(with(22, 4, 0)));                       // zero height
    EXPECT_FALSE(decode(with(22, 4, 0x80000000u)));             // most negative height
    EXPECT_FALSE(decode(with(26, 2, 2)));                       // two planes
    EXPECT_FALSE(decode(with(28, 2, 2)));                       // 2 bits a pixel
    EXPECT_FALSE(decode(with(28, 2, 7)));                       // 7 bits a pixel
    EXPECT_FALSE(decode(with(30, 4, 3)));                       // bit fields on a palette
    EXPECT_FALSE(decode(with(30, 4, 2)));                       // RLE4 on 8 bits
    EXPECT_FALSE(decode(with(46, 4, 1)));                       // index 1 past a 1-entry palette
    EXPECT_FALSE(decode(with(46, 4, 257)));                     // more colours than 8 bits hold
    EXPECT_FALSE(decode(with(46, 4, 3)));                       // palette runs into the pixels
    EXPECT_FALSE(decode(with(10, 4, 40)));                      // pixels inside the header
    EXPECT_FALSE(decode(with(10, 4, quint32(good.size()) + 1))); // pixels past the end
    QByteArray fields24 = encode(QImage(2, 2, QImage::Format_RGB888));
    setU32(fields24, 30, 3);
    EXPECT_FALSE(decode(fields24));

    // 100000 x 100000 claimed by a few dozen bytes: refused from the header
    // alone, before any picture is allocated; also below the side limit but
    // beyond what the data could hold.
    EXPECT_FALSE(decode(with(18, 4, 100000)));
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
    QByteArray b = encode(shell);
    b.truncate(u32At(b, 10));
    b += stream;
    setU32(b, 18, quint32(width));
    setU32(b, 22, quint32(height));
    setU16(b, 28, quint16(bitsPerPixel));
    setU32(b, 30, bitsPerPixel == 8 ? 1 : 2);
    setU32(b, 34, quint32(stream.size()));
    return b;
}

std::vector<int> indexes(const QImage& image, int y)
{
    return std::vector<int>(image.constScanLine(y), image.constScanLine(y) + image.width());
}

TEST(BmpRle, RunsAbsoluteRunsAndDeltasWithHolesAtIndexZero)
{
    // Bottom row: two of 1, absolute 2 3 1 (padded); end of line; delta to
    // x = 3 of the top row; one 2; end of bitmap.
    const auto rle8 = decode(rleFile(6, 2, 8, bytesOf({2, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 3, 0, 1, 2, 0, 1})));
    ASSERT_TRUE(rle8.has_value());
    EXPECT_EQ(indexes(*rle8, 1), (std::vector<int>{1, 1, 2, 3, 1, 0}));
    EXPECT_EQ(indexes(*rle8, 0), (std::vector<int>{0, 0, 0, 2, 0, 0}));

    // RLE4 alternates the two nibbles, in runs and absolute runs.
    const auto rle4 = decode(rleFile(8, 1, 4, bytesOf({5, 0x12, 0, 3, 0x32, 0x10, 0, 1})));
    ASSERT_TRUE(rle4.has_value());
    EXPECT_EQ(indexes(*rle4, 0), (std::vector<int>{1, 2, 1, 2, 1, 3, 2, 1}));

    // Ending early leaves the rest at 0; a stream that closed every row needs
    // no end mark.
    const auto early = decode(rleFile(16, 16, 8, bytesOf({0, 1})));
    ASSERT_TRUE(early.has_value());
    EXPECT_EQ(indexes(*early, 15), std::vector<int>(16, 0));
    EXPECT_TRUE(decode(rleFile(2, 1, 8, bytesOf({2, 1, 0, 0}))).has_value());
}

TEST(BmpRle, StreamsThatOverrunOrStopShortAreRefused)
{
    EXPECT_FALSE(decode(rleFile(2, 1, 8, bytesOf({3, 1, 0, 1}))));           // run past the row
    EXPECT_FALSE(decode(rleFile(2, 1, 8, bytesOf({0, 3, 1, 1, 1, 0, 0, 1})))); // absolute run past the row
    EXPECT_FALSE(decode(rleFile(2, 1, 4, bytesOf({3, 0x11, 0, 1}))));       // RLE4 run past the row
    EXPECT_FALSE(decode(rleFile(2, 1, 8, bytesOf({2, 4, 0, 1}))));           // index past the palette
    EXPECT_FALSE(decode(rleFile(2, 1, 4, bytesOf({2, 0x15, 0, 1}))));       // second nibble past it
    EXPECT_FALSE(decode(rleFile(4, 2, 8, bytesOf({0, 2, 5, 0, 0, 1}))));     // delta past the row
    EXPECT_FALSE(decode(rleFile(4, 2, 8, bytesOf({0, 2, 0, 3, 0, 1}))));     // delta past the top
    EXPECT_FALSE(decode(rleFile(4, 2, 8, bytesOf({0, 0, 0, 0, 0, 0, 0, 1})))); // lines past the picture
    EXPECT_FALSE(decode(rleFile(4, 2, 8, bytesOf({0, 2, 1}))));              // delta cut short
    EXPECT_FALSE(decode(rleFile(8, 1, 8, bytesOf({0, 6, 1, 1}))));           // absolute run cut short
    EXPECT_FALSE(decode(rleFile(4, 2, 8, bytesOf({4, 1, 0, 0}))));           // no end, a row still open
    QByteArray topDown = rleFile(2, 1, 8, bytesOf({2, 1, 0, 1}));
    setU32(topDown, 22, quint32(-1));
    EXPECT_FALSE(decode(topDown));
    // Far more pixels than a four-byte stream could describe.
    EXPECT_FALSE(decode(rleFile(30000, 6000, 8, bytesOf({0, 0, 0, 1}))));
}

// A one-pixel 32-bit file with the given masks after a 40-byte header.
QByteArray fields32(quint32 red, quint32 green, quint32 blue, quint32 pixel, int bitsPerPixel = 32)
{
    QByteArray b = encode(QImage(1, 1, QImage::Format_RGB32));
    QByteArray masks(12, '\0');
    setU32(masks, 0, red);
    setU32(masks, 4, green);
    setU32(masks, 8, blue);
    b.insert(54, masks);
    setU32(b, 10, 66);
    setU16(b, 28, quint16(bitsPerPixel));
    setU32(b, 30, 3);
    setU32(b, 66, pixel);
    return b;
}

TEST(BmpCodec, OtherBitFieldsWidenToRgb32AndBrokenMasksAreRefused)
{
    const auto wide = decode(fields32(0x3FF00000, 0x000FFC00, 0x000003FF, 0x3FFu << 20 | 0x200u << 10 | 4));
    ASSERT_TRUE(wide.has_value());
    EXPECT_EQ(wide->format(), QImage::Format_RGB32);
    EXPECT_EQ(wide->pixel(0, 0), qRgb(255, 128, 1));
    const auto rgb444 = decode(fields32(0x0F00, 0x00F0, 0x000F, 0xF81, 16));
    ASSERT_TRUE(rgb444.has_value());
    EXPECT_EQ(rgb444->pixel(0, 0), qRgb(255, 0x88, 0x11));
    EXPECT_FALSE(decode(fields32(0, 0xFF00, 0xFF, 0)));              // no red
    EXPECT_FALSE(decode(fields32(0xF0F00000, 0xFF00, 0xFF, 0)));     // red with a hole
    EXPECT_FALSE(decode(fields32(0xFFFF00, 0xFF00, 0xFF, 0)));       // overlapping
    EXPECT_FALSE(decode(fields32(0x1F0000, 0x7E0, 0x1F, 0, 16)));    // past a 16-bit pixel
}

TEST(BmpCodec, CoreHeaderAndTopDownRows)
{
    QByteArray core = bytesOf({'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0, //
                               12, 0, 0, 0, 3, 0, 1, 0, 1, 0, 1, 0,           // 3 x 1, 1 bit
                               0x10, 0x20, 0x30, 0x40, 0x50, 0x60,            // B G R, two colours
                               0xA0, 0, 0, 0});                               // 1 0 1
    const auto os2 = decode(core);
    ASSERT_TRUE(os2.has_value());
    EXPECT_EQ(os2->colorTable(), (QVector<QRgb>{qRgb(0x30, 0x20, 0x10), qRgb(0x60, 0x50, 0x40)}));
    EXPECT_EQ(indexes(*os2, 0), (std::vector<int>{1, 0, 1}));

    const QImage image = randomImage(QImage::Format_RGB888, 5, 4);
    const QByteArray bottomUp = encode(image);
    QByteArray topDown = bottomUp.left(54);
    for (int r = 3; r >= 0; --r)
        topDown += bottomUp.mid(54 + r * 16, 16);
    setU32(topDown, 22, quint32(-4));
    const auto back = decode(topDown);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(encode(*back), bottomUp);
}

// Random damage never crashes the reader (run with ORVIK_SANITIZE to check
// every read stays inside the bytes), and an accepted picture's indexes
// all name colours.
TEST(BmpCodec, RandomlyDamagedFilesNeverCrash)
{
    std::mt19937 random(2000);
    QList<QByteArray> originals = {rleFile(6, 2, 8, bytesOf({2, 1, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 3, 0, 1, 2, 0, 1})),
                                   rleFile(8, 1, 4, bytesOf({5, 0x12, 0, 3, 0x32, 0x10, 0, 1})), smallFile()};
    for (const QImage::Format format : PictureFormats)
        originals << encode(randomImage(format, 7, 3, 16));
    for (const QByteArray& original : originals)
        for (int trial = 0; trial < 500; ++trial) {
            QByteArray b = original;
            for (int i = 0; i < 3; ++i)
                b[random() % b.size()] = char(random());
            if (const auto image = decode(b); image && image->format() == QImage::Format_Indexed8) {
                for (int y = 0; y < image->height(); ++y)
                    for (int x = 0; x < image->width(); ++x)
                        ASSERT_LT(image->pixelIndex(x, y), image->colorCount());
            }
        }
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
    ASSERT_TRUE(arty::bmp::writeFile(path, image));
    ASSERT_TRUE(arty::bmp::readFile(path).has_value());
    EXPECT_EQ(encode(*arty::bmp::readFile(path)), encode(image));
    const QByteArray before = contents(path);

    // Nothing a bitmap can hold: the old file stays byte for byte.
    EXPECT_FALSE(arty::bmp::writeFile(path, QImage(2, 2, QImage::Format_ARGB32)));
    EXPECT_FALSE(arty::bmp::writeFile(path, QImage()));
    EXPECT_EQ(contents(path), before);
    // Failures even root cannot get past: a missing folder, a parent that
    // is a file, a target that is a folder.
    EXPECT_FALSE(arty::bmp::writeFile(dir.filePath("no/such/folder/picture.bmp"), image));
    EXPECT_FALSE(arty::bmp::writeFile(path + "/picture.bmp", image));
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.bmp"));
    EXPECT_FALSE(arty::bmp::writeFile(dir.filePath("taken.bmp"), image));
    EXPECT_TRUE(QFileInfo(dir.filePath("taken.bmp")).isDir());
    EXPECT_EQ(contents(path), before);
    // No temporary files left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"picture.bmp"});

    EXPECT_FALSE(arty::bmp::readFile(dir.filePath("missing.bmp")));
    EXPECT_FALSE(arty::bmp::readFile(dir.path()));
    EXPECT_FALSE(arty::bmp::readFile("/dev/zero"));   // endless, not a file
}

} // namespace
