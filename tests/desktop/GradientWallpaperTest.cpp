#include "desktop/GradientWallpaper.h"

#include "common/ScopedConfigDir.h"
#include "common/SettingsStore.h"
#include "desktop/JpegWriter.h"
#include "desktop/Wallpaper.h"
#include "paint/BmpCodec.h"
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using Direction = GradientWallpaper::Direction;
using SizeMode = GradientWallpaper::SizeMode;

namespace {

const QString SaveFailed = QStringLiteral(
    "Could not Save.  \rPossible Causes :- Disk Full, Unformatted, CD-ROM, Write Protected or Corrupted");

// What ImageMagick, an independent reader, makes of a picture file: its
// pixels, or a null image when it reads nothing.
QImage readWithMagick(const QString& path)
{
    QProcess convert;
    convert.start(QStringLiteral("convert"), {path, QStringLiteral("-depth"), QStringLiteral("8"), QStringLiteral("ppm:-")});
    if (!convert.waitForFinished(30000) || convert.exitCode() != 0)
        return {};
    const QByteArray out = convert.readAllStandardOutput();
    const QList<QByteArray> head = out.left(64).split('\n');
    if (head.size() < 4 || head[0] != "P6")
        return {};
    const QList<QByteArray> size = head[1].split(' ');
    const int width = size.value(0).toInt();
    const int height = size.value(1).toInt();
    const qsizetype start = head[0].size() + head[1].size() + head[2].size() + 3;
    if (out.size() - start != qsizetype(width) * height * 3)
        return {};
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        memcpy(image.scanLine(y), out.constData() + start + qsizetype(y) * width * 3, size_t(width) * 3);
    return image;
}

QString identify(const QString& path, const QString& format)
{
    QProcess process;
    process.start(QStringLiteral("identify"), {QStringLiteral("-format"), format, path});
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromLatin1(process.readAllStandardOutput()).trimmed();
}

QString desktopValue(const QString& name)
{
    return SettingsStore(QStringLiteral("Control Panel\\Desktop")).readString({}, name, QStringLiteral("<missing>"));
}

class GradientWallpaperTest : public ::testing::Test {
protected:
    GradientWallpaperTest() : desktopNames_(qgetenv("XDG_CURRENT_DESKTOP"))
    {
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        previousRunner_ = platform::DesktopRunner::install(&runner);
    }
    ~GradientWallpaperTest() override
    {
        platform::DesktopRunner::install(previousRunner_);
        qputenv("XDG_CURRENT_DESKTOP", desktopNames_);
    }

    QString file(const QString& name) const { return folder.filePath(name); }
    // The dialog answers name (empty: Cancel).
    void answer(const QString& name) { dialogs.fileNames.append(name.isEmpty() ? QString() : file(name)); }
    QStringList messages() const
    {
        QStringList texts;
        for (const auto& asked : dialogs.asked) {
            EXPECT_EQ(asked.kind, platform::MessageKind::Information);
            EXPECT_EQ(asked.buttons, platform::Ok);
            texts.append(asked.text);
        }
        return texts;
    }

    ScopedConfigDir config;
    QTemporaryDir folder;
    QByteArray desktopNames_;
    platform::RecordingDesktopRunner runner;
    platform::DesktopRunner* previousRunner_ = nullptr;
    platform::ScriptedDialogs dialogs;
};

} // namespace

TEST_F(GradientWallpaperTest, StartsBlackToBlueHorizontalMeetingInTheMiddleAtAutoSize)
{
    const GradientWallpaper gradient;
    EXPECT_EQ(gradient.firstColour(), (gradient::Rgb{0, 0, 0}));
    EXPECT_EQ(gradient.secondColour(), (gradient::Rgb{0, 0, 255}));
    EXPECT_EQ(gradient.direction(), Direction::Horizontal);
    EXPECT_TRUE(gradient.meetInMiddle());
    EXPECT_EQ(gradient.sizeMode(), SizeMode::Auto);
    EXPECT_EQ(gradient.steps(), 255);
    EXPECT_EQ(gradient.sizeText(), "255");
    EXPECT_EQ(gradient.previewStrip().size(), QSize(1, 255));
    EXPECT_TRUE(gradient.bitmapFile().isEmpty());
}

TEST_F(GradientWallpaperTest, AutoSizeShowsTheStepCountManualKeepsWhatWasTyped)
{
    GradientWallpaper gradient;
    gradient.setSecondColour({0, 40, 0});
    EXPECT_EQ(gradient.sizeText(), "40");
    gradient.setSizeMode(SizeMode::Manual);
    gradient.setSizeText("1200");
    gradient.setFirstColour({0, 0, 100});
    EXPECT_EQ(gradient.steps(), 100);
    EXPECT_EQ(gradient.sizeText(), "1200");
    EXPECT_EQ(gradient.size(), 1200);
    gradient.setSizeMode(SizeMode::Auto);
    EXPECT_EQ(gradient.sizeText(), "100");

    gradient.setSizeText("");
    EXPECT_EQ(gradient.size(), std::nullopt);
    gradient.setSizeText("0");
    EXPECT_EQ(gradient.size(), std::nullopt);
    gradient.setSizeText("0042");
    EXPECT_EQ(gradient.size(), 42);
}

TEST_F(GradientWallpaperTest, AutoBitmapIsTheStripItselfInTwentyFourBits)
{
    GradientWallpaper gradient(32);
    gradient.setMeetInMiddle(false);
    answer("across.bmp");
    ASSERT_TRUE(gradient.saveAsBitmap(dialogs, nullptr));
    EXPECT_EQ(dialogs.fileDialogs, QStringList{"Orvik 2 : File Save"});
    EXPECT_EQ(gradient.bitmapFile(), file("across.bmp"));
    const std::optional<QImage> across = paint::bmp::readFile(file("across.bmp"));
    ASSERT_TRUE(across);
    EXPECT_EQ(across->size(), QSize(1, 255));
    EXPECT_EQ(across->format(), QImage::Format_RGB888);
    EXPECT_EQ(across->pixel(0, 254), qRgb(0, 0, 254));

    gradient.setDirection(Direction::Vertical);
    answer("down.bmp");
    ASSERT_TRUE(gradient.saveAsBitmap(dialogs, nullptr));
    EXPECT_EQ(identify(file("down.bmp"), "%w %h %z"), "255 15 8");
    const QImage down = readWithMagick(file("down.bmp"));
    ASSERT_EQ(down.size(), QSize(255, 15));
    EXPECT_EQ(down.pixel(100, 14), qRgb(0, 0, 100));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(GradientWallpaperTest, ManualBitmapIsFiveAcrossTheBandsInTheScreensFormat)
{
    GradientWallpaper gradient(16);
    gradient.setMeetInMiddle(false);
    gradient.setSecondColour({0, 248, 0});
    gradient.setSizeMode(SizeMode::Manual);
    gradient.setSizeText("496");
    answer("tall.bmp");
    ASSERT_TRUE(gradient.saveAsBitmap(dialogs, nullptr));
    const std::optional<QImage> tall = paint::bmp::readFile(file("tall.bmp"));
    ASSERT_TRUE(tall);
    EXPECT_EQ(tall->size(), QSize(5, 496));
    EXPECT_EQ(tall->format(), QImage::Format_RGB16);
    // 248 rows stretched to 496: every row twice, in the screen's colours.
    const QImage rows = gradient.horizontalStrip().convertToFormat(QImage::Format_RGB16);
    for (int y = 0; y < 496; ++y)
        for (int x = 0; x < 5; ++x)
            ASSERT_EQ(tall->pixel(x, y), rows.pixel(0, y / 2)) << x << "," << y;

    gradient.setDirection(Direction::Vertical);
    gradient.setSizeText("7");
    answer("wide.bmp");
    ASSERT_TRUE(gradient.saveAsBitmap(dialogs, nullptr));
    EXPECT_EQ(identify(file("wide.bmp"), "%w %h"), "7 5");
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(GradientWallpaperTest, JpegIsOneAcrossTheBandsAtBestBaselineQuality)
{
    GradientWallpaper gradient;
    gradient.setDirection(Direction::Vertical);
    answer("auto.jpg");
    ASSERT_TRUE(gradient.saveAsJpeg(dialogs, nullptr));
    EXPECT_EQ(dialogs.fileDialogs, QStringList{"Save As"});
    // The auto-size BMP of a vertical gradient is n x 15; its JPEG is n x 1.
    EXPECT_EQ(identify(file("auto.jpg"), "%m %w %h %Q %[interlace]"), "JPEG 255 1 100 None");
    const QImage decoded = readWithMagick(file("auto.jpg"));
    ASSERT_EQ(decoded.size(), QSize(255, 1));
    for (int x = 0; x < 255; ++x) {
        const QRgb expected = gradient.strip().rows()[size_t(x)];
        ASSERT_LE(std::abs(qBlue(decoded.pixel(x, 0)) - qBlue(expected)), 3) << x;
        ASSERT_LE(qRed(decoded.pixel(x, 0)) + qGreen(decoded.pixel(x, 0)), 6) << x;
    }

    gradient.setDirection(Direction::Horizontal);
    gradient.setSizeMode(SizeMode::Manual);
    gradient.setSizeText("9999");
    answer("manual.jpg");
    ASSERT_TRUE(gradient.saveAsJpeg(dialogs, nullptr));
    EXPECT_EQ(identify(file("manual.jpg"), "%w %h %[jpeg:sampling-factor]"), "1 9999 1x1,1x1,1x1");
    EXPECT_EQ(gradient.resizedPicture().size(), QSize(1, 9999));
    EXPECT_TRUE(messages().isEmpty());
    // A JPEG save is not the bitmap the wallpaper needs.
    EXPECT_TRUE(gradient.bitmapFile().isEmpty());
}

TEST_F(GradientWallpaperTest, AnEmptySizeBoxFailsThePictureButTheDialogStillOpens)
{
    GradientWallpaper gradient;
    gradient.setSizeMode(SizeMode::Manual);
    gradient.setSizeText("");
    QFile old(file("old.bmp"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the picture saved yesterday");
    old.close();

    // No picture was ever made: nothing to write, and the old file stays.
    answer("old.bmp");
    EXPECT_FALSE(gradient.saveAsBitmap(dialogs, nullptr));
    EXPECT_EQ(dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(messages(), (QStringList{SaveFailed, SaveFailed}));
    EXPECT_TRUE(gradient.bitmapFile().isEmpty());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the picture saved yesterday");
    old.close();

    // After a JPEG of 1 x 30 the empty box writes that earlier picture.
    gradient.setSizeText("30");
    answer("strip.jpg");
    ASSERT_TRUE(gradient.saveAsJpeg(dialogs, nullptr));
    gradient.setSizeText("");
    dialogs.asked.clear();
    answer("earlier.bmp");
    EXPECT_TRUE(gradient.saveAsBitmap(dialogs, nullptr));
    EXPECT_EQ(messages(), QStringList{SaveFailed});
    EXPECT_EQ(identify(file("earlier.bmp"), "%w %h"), "1 30");

    // Cancel after the failure writes nothing.
    dialogs.asked.clear();
    answer("");
    EXPECT_FALSE(gradient.saveAsJpeg(dialogs, nullptr));
    EXPECT_EQ(messages(), QStringList{SaveFailed});
}

TEST_F(GradientWallpaperTest, AFailedWriteShowsTheMessageAndForgetsTheName)
{
    GradientWallpaper gradient;
    answer("first.bmp");
    ASSERT_TRUE(gradient.saveAsBitmap(dialogs, nullptr));
    ASSERT_EQ(gradient.bitmapFile(), file("first.bmp"));

    // A folder of that name cannot be replaced by a file.
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.bmp"));
    answer("taken.bmp");
    EXPECT_FALSE(gradient.saveAsBitmap(dialogs, nullptr));
    EXPECT_EQ(messages(), QStringList{SaveFailed});
    EXPECT_TRUE(gradient.bitmapFile().isEmpty());
    EXPECT_TRUE(QFileInfo(file("taken.bmp")).isDir());

    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.jpg"));
    answer("taken.jpg");
    EXPECT_FALSE(gradient.saveAsJpeg(dialogs, nullptr));
    answer("no such folder/x.jpg");
    EXPECT_FALSE(gradient.saveAsJpeg(dialogs, nullptr));
    EXPECT_EQ(messages().size(), 3);
    EXPECT_FALSE(QFile::exists(file("no such folder/x.jpg")));
}

TEST_F(GradientWallpaperTest, EveryChangeAndEveryBitmapSaveForgetTheSavedName)
{
    GradientWallpaper gradient;
    const auto savedThenChanged = [&](const std::function<void()>& change) {
        answer("g.bmp");
        EXPECT_TRUE(gradient.saveAsBitmap(dialogs, nullptr));
        EXPECT_FALSE(gradient.bitmapFile().isEmpty());
        change();
        return gradient.bitmapFile().isEmpty();
    };
    EXPECT_TRUE(savedThenChanged([&] { gradient.setFirstColour({1, 0, 0}); }));
    EXPECT_TRUE(savedThenChanged([&] { gradient.setSecondColour({1, 0, 9}); }));
    EXPECT_TRUE(savedThenChanged([&] { gradient.setDirection(Direction::Vertical); }));
    EXPECT_TRUE(savedThenChanged([&] { gradient.setMeetInMiddle(false); }));
    EXPECT_TRUE(savedThenChanged([&] { gradient.setSizeMode(SizeMode::Manual); }));
    // A second save that is cancelled leaves no name either.
    EXPECT_TRUE(savedThenChanged([&] {
        answer("");
        gradient.saveAsBitmap(dialogs, nullptr);
    }));
}

TEST_F(GradientWallpaperTest, SetAsWallpaperTilesTheSavedBitmapFromTheTopLeftCorner)
{
    GradientWallpaper gradient;
    answer("wall.bmp");
    ASSERT_TRUE(gradient.saveAsBitmap(dialogs, nullptr));
    gradient.setAsWallpaper(dialogs, nullptr);
    EXPECT_EQ(dialogs.fileDialogs.size(), 1); // the saved file is used as it is
    EXPECT_EQ(desktopValue("Wallpaper"), file("wall.bmp"));
    EXPECT_EQ(desktopValue("TileWallpaper"), "1");
    EXPECT_EQ(desktopValue("WallpaperStyle"), "0");
    EXPECT_EQ(desktopValue("WallpaperOriginX"), "0");
    EXPECT_EQ(desktopValue("WallpaperOriginY"), "0");
    EXPECT_TRUE(runner.requests.contains("gsettings set org.gnome.desktop.background picture-uri file://"
                                         + file("wall.bmp")));
    EXPECT_EQ(runner.requests.last(), "gsettings set org.gnome.desktop.background picture-options wallpaper");
}

TEST_F(GradientWallpaperTest, SetAsWallpaperSavesFirstWhenTheGradientHasNoFile)
{
    GradientWallpaper gradient;
    gradient.setSecondColour({255, 0, 0});
    answer("");
    gradient.setAsWallpaper(dialogs, nullptr);
    EXPECT_EQ(dialogs.fileDialogs, QStringList{"Orvik 2 : File Save"});
    EXPECT_TRUE(runner.requests.isEmpty());
    EXPECT_EQ(desktopValue("TileWallpaper"), "<missing>");

    answer("red.bmp");
    gradient.setAsWallpaper(dialogs, nullptr);
    EXPECT_EQ(dialogs.fileDialogs.size(), 2);
    EXPECT_EQ(desktopValue("Wallpaper"), file("red.bmp"));
    EXPECT_EQ(identify(file("red.bmp"), "%w %h"), "1 255");
    EXPECT_FALSE(runner.requests.isEmpty());

    // A save that fails sets nothing.
    runner.requests.clear();
    gradient.setFirstColour({0, 9, 0});
    ASSERT_TRUE(QDir(folder.path()).mkdir("dir.bmp"));
    answer("dir.bmp");
    gradient.setAsWallpaper(dialogs, nullptr);
    EXPECT_EQ(messages(), QStringList{SaveFailed});
    EXPECT_TRUE(runner.requests.isEmpty());
    EXPECT_EQ(desktopValue("Wallpaper"), file("red.bmp"));
}

TEST(GradientSizeBox, TakesDigitsAndBackspaceOnly)
{
    for (char c = '1'; c <= '9'; ++c)
        EXPECT_TRUE(sizeBoxTakesKey(QChar(c), "", 0, 0)) << c;
    EXPECT_TRUE(sizeBoxTakesKey(QChar(u'\b'), "12", 2, 0));
    EXPECT_TRUE(sizeBoxTakesKey(QChar(u'\b'), "", 0, 0));
    for (QChar c : {QChar(u'a'), QChar(u'-'), QChar(u' '), QChar(u'+'), QChar(u'.'), QChar(0x0662) /* Arabic 2 */})
        EXPECT_FALSE(sizeBoxTakesKey(c, "12", 2, 0)) << int(c.unicode());
}

TEST(GradientSizeBox, NoZeroLengthAndNoLeadingZero)
{
    EXPECT_FALSE(sizeBoxTakesKey(QChar(u'0'), "", 0, 0));
    EXPECT_TRUE(sizeBoxTakesKey(QChar(u'0'), "1", 1, 0));
    EXPECT_TRUE(sizeBoxTakesKey(QChar(u'0'), "10", 2, 0));
    EXPECT_TRUE(sizeBoxTakesKey(QChar(u'0'), "15", 1, 0));  // 105
    EXPECT_FALSE(sizeBoxTakesKey(QChar(u'0'), "15", 0, 0)); // 015
    EXPECT_FALSE(sizeBoxTakesKey(QChar(u'0'), "15", 0, 2)); // all selected: 0
}

TEST(GradientSizeBox, AFullBoxTakesMoreOnlyOverASelection)
{
    EXPECT_TRUE(sizeBoxTakesKey(QChar(u'9'), "999", 3, 0));
    EXPECT_FALSE(sizeBoxTakesKey(QChar(u'9'), "9999", 4, 0));
    EXPECT_FALSE(sizeBoxTakesKey(QChar(u'9'), "9999", 0, 0));
    EXPECT_TRUE(sizeBoxTakesKey(QChar(u'1'), "9999", 0, 1));
    EXPECT_TRUE(sizeBoxTakesKey(QChar(u'\b'), "9999", 4, 0));
}

TEST(GradientTexts, FailureMessageAndHelpTextAreTheProgramsOwn)
{
    EXPECT_EQ(gradienttexts::SaveFailed, SaveFailed);
    const QString help = gradienttexts::helpText();
    EXPECT_TRUE(help.startsWith("Gradient Wallpaper Maker\r\n\r\nThis module creates smooth transitions from one "
                                "color to another, which may be used as windows wallpaper, a backdrop for\r\n"
                                "your webpage or your own programs.  \r\n\r\n"
                                "Use the slider controls to select the amount of Red/Green/Blue in the first and "
                                "second color.   \r\n\r\n"
                                "The effect of Horizontal / Vertical / Lines meet in middle, can be seen in the "
                                "preview frame.  Set Size to \"Auto\" unless, \r\n"
                                "for example, you want the image to be stretched to cover the entire area of your "
                                "web page.  \r\n\r\n"
                                "Save as JPEG format to use as a webpage backdrop, or BMP format for Windows "
                                "wallpaper or for a backdrop in your own\r\nprograms."))
        << qPrintable(help);
    EXPECT_TRUE(help.endsWith("  \r\n\r\n"));
    EXPECT_EQ(help.count("\r\n"), 14);
}

TEST(JpegWriter, RefusesNothingToEncode)
{
    EXPECT_TRUE(jpeg::encode(QImage()).isEmpty());
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(qRgb(255, 0, 0));
    const QByteArray bytes = jpeg::encode(one);
    ASSERT_GT(bytes.size(), 100);
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8"));
    EXPECT_TRUE(bytes.endsWith("\xFF\xD9"));
    // Larger than JPEG allows: the library's error comes back as no bytes,
    // not as the end of the program.
    QImage tooWide(70000, 1, QImage::Format_RGB888);
    tooWide.fill(Qt::black);
    EXPECT_TRUE(jpeg::encode(tooWide).isEmpty());
}
