#include "desktop/GradientWallpaperWindow.h"

#include "TestServices.h"
#include "app/Panel.h"
#include "common/AccessibleValue.h"
#include "common/ScopedConfigDir.h"
#include "common/SettingsStore.h"
#include "desktop/GradientStripView.h"
#include "desktop/Wallpaper.h"
#include "paint/BmpCodec.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

using Direction = GradientWallpaper::Direction;
using SizeMode = GradientWallpaper::SizeMode;

namespace {

class GradientWallpaperWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        desktopNames_ = qgetenv("XDG_CURRENT_DESKTOP");
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        previousRunner_ = platform::DesktopRunner::install(&runner);
        window = new GradientWallpaperWindow(t.services);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }
    void TearDown() override
    {
        delete window.data();
        platform::DesktopRunner::install(previousRunner_);
        qputenv("XDG_CURRENT_DESKTOP", desktopNames_);
    }

    template <typename T> T* child(const QString& name) const
    {
        T* found = window->findChild<T*>(name);
        EXPECT_TRUE(found) << name.toStdString();
        return found;
    }
    QSlider* slider(const QString& name) const { return child<QSlider>(name + "Slider"); }
    QPushButton* button(const QString& name) const { return child<QPushButton>(name); }
    bool lit(const QString& option) const { return !child<QLabel>(option + "Lamp")->pixmap().isNull(); }
    QLineEdit* sizeBox() const { return child<QLineEdit>("sizeBox"); }
    QImage shown(const QString& view) const { return child<GradientStripView>(view)->strip(); }
    void click(const QString& name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    // Runs a command of the File panel as a user does: point at File, click.
    void fileCommand(const QString& name)
    {
        QTest::mouseMove(child<QWidget>("previewPanel"));
        ASSERT_FALSE(child<QWidget>("filePanel")->isVisible());
        QTest::mouseMove(button("fileButton"));
        ASSERT_TRUE(child<QWidget>("filePanel")->isVisible());
        click(name);
    }

    TestServices t;
    ScopedConfigDir config;
    QTemporaryDir folder;
    platform::RecordingDesktopRunner runner;
    platform::DesktopRunner* previousRunner_ = nullptr;
    QByteArray desktopNames_;
    QPointer<GradientWallpaperWindow> window;
};

} // namespace

TEST_F(GradientWallpaperWindowTest, OpensOnBlackToBlueWithItsFrameAndOptions)
{
    EXPECT_EQ(window->windowTitle(), "Gradient Wallpaper Maker");
    EXPECT_EQ(window->size(), QSize(629, 438));
    EXPECT_EQ(window->helpText(), gradienttexts::helpText());
    EXPECT_TRUE(lit("horizontal"));
    EXPECT_FALSE(lit("vertical"));
    EXPECT_TRUE(lit("middle"));
    EXPECT_TRUE(lit("autoSize"));
    EXPECT_FALSE(lit("manualSize"));
    EXPECT_TRUE(button("horizontalButton")->isChecked());
    EXPECT_FALSE(button("manualSizeButton")->isChecked());
    EXPECT_FALSE(sizeBox()->isEnabled());
    EXPECT_EQ(sizeBox()->text(), "255");

    // The preview has horizontal bands; the side borders run across, the
    // top and bottom ones down.
    EXPECT_EQ(shown("sample").size(), QSize(1, 255));
    EXPECT_EQ(shown("leftBorder").size(), QSize(255, 15));
    EXPECT_EQ(shown("rightBorder").size(), QSize(255, 15));
    EXPECT_EQ(shown("topBorder").size(), QSize(1, 255));
    EXPECT_EQ(shown("bottomBorder").size(), QSize(1, 255));
    EXPECT_EQ(shown("sample").pixel(0, 127), qRgb(0, 0, 254));
}

TEST_F(GradientWallpaperWindowTest, SlidersSetTheColoursAndTheGradientFollows)
{
    QSlider* firstRed = slider("firstRed");
    firstRed->setFocus();
    QTest::keyClick(firstRed, Qt::Key_End);
    EXPECT_EQ(window->gradient().firstColour(), (gradient::Rgb{255, 0, 0}));
    EXPECT_EQ(child<Panel>("firstRedValue")->caption(), "255");
    EXPECT_EQ(accessible::readName(child<Panel>("firstRedValue")), "First Color Red: 255");
    EXPECT_EQ(child<Panel>("firstExample")->colour(), QColor(255, 0, 0));
    EXPECT_EQ(accessible::readName(child<Panel>("firstExample")), "First Color: red 255, green 0, blue 0");
    EXPECT_EQ(shown("sample").pixel(0, 0), qRgb(255, 0, 0));

    // Second colour green 40 of 255 and no blue: n = 255 still; with the
    // middle option off the last row is one step short of the second colour.
    QSlider* secondGreen = slider("secondGreen");
    secondGreen->setFocus();
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(secondGreen, Qt::Key_Right);
    QSlider* secondBlue = slider("secondBlue");
    secondBlue->setFocus();
    QTest::keyClick(secondBlue, Qt::Key_Home);
    EXPECT_EQ(accessible::readName(child<Panel>("secondExample")), "Second Color: red 0, green 40, blue 0");
    EXPECT_EQ(accessible::readName(child<Panel>("secondBlueValue")), "Second Color Blue: 0");
    click("middleButton");
    EXPECT_FALSE(lit("middle"));
    EXPECT_EQ(sizeBox()->text(), "255");
    EXPECT_EQ(shown("sample").pixel(0, 254), qRgb(1, 40, 0));
    EXPECT_EQ(accessible::readName(child<QWidget>("sample")),
              "Preview: 255 steps from red 255, green 0, blue 0 to red 0, green 40, blue 0, horizontal bands");

    // Equal colours: one step.
    QTest::keyClick(firstRed, Qt::Key_Home);
    secondGreen->setValue(0);
    EXPECT_EQ(sizeBox()->text(), "1");
    EXPECT_EQ(shown("sample").size(), QSize(1, 1));
}

TEST_F(GradientWallpaperWindowTest, OptionButtonsLightTheirLampsAndChangeThePreview)
{
    click("verticalButton");
    EXPECT_TRUE(lit("vertical"));
    EXPECT_FALSE(lit("horizontal"));
    EXPECT_TRUE(button("verticalButton")->isChecked());
    EXPECT_FALSE(button("horizontalButton")->isChecked());
    EXPECT_EQ(shown("sample").size(), QSize(255, 15));
    EXPECT_EQ(shown("topBorder").size(), QSize(1, 255)); // the borders stay as they are

    // Clicking the lit choice again keeps it lit.
    click("verticalButton");
    EXPECT_TRUE(lit("vertical"));
    EXPECT_TRUE(button("verticalButton")->isChecked());

    click("middleButton");
    EXPECT_FALSE(lit("middle"));
    EXPECT_FALSE(button("middleButton")->isChecked());
    EXPECT_EQ(shown("sample").pixel(254, 7), qRgb(0, 0, 254));
    click("middleButton");
    EXPECT_TRUE(lit("middle"));
    EXPECT_EQ(shown("sample").pixel(254, 7), qRgb(0, 0, 0));

    click("horizontalButton");
    EXPECT_TRUE(lit("horizontal"));
    EXPECT_EQ(shown("sample").size(), QSize(1, 255));
}

TEST_F(GradientWallpaperWindowTest, ManualSizeOpensTheSizeBoxToTheRules)
{
    click("manualSizeButton");
    EXPECT_TRUE(lit("manualSize"));
    EXPECT_FALSE(lit("autoSize"));
    QLineEdit* box = sizeBox();
    EXPECT_TRUE(box->isEnabled());
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(box->cursorPosition(), 3);
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(Qt::white));

    QTest::keyClicks(box, "7x-");
    EXPECT_EQ(box->text(), "2557"); // a fifth digit is refused
    QTest::keyClick(box, Qt::Key_8);
    EXPECT_EQ(box->text(), "2557");
    EXPECT_EQ(window->gradient().size(), 2557);

    for (int i = 0; i < 4; ++i)
        QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "");
    QTest::keyClicks(box, "0");
    EXPECT_EQ(box->text(), ""); // no size 0
    QTest::keyClicks(box, "1080");
    EXPECT_EQ(box->text(), "1080");

    // Over a selection a full box takes the digit, but not a leading 0.
    box->selectAll();
    QTest::keyClick(box, Qt::Key_0);
    EXPECT_EQ(box->text(), "1080");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_9);
    EXPECT_EQ(box->text(), "9");
    EXPECT_EQ(window->gradient().sizeText(), "9");

    // Nothing pasted in.
    QApplication::clipboard()->setText("12");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "9");

    // A colour change keeps the typed size; Auto Size puts the steps back.
    slider("firstGreen")->setValue(100);
    EXPECT_EQ(box->text(), "9");
    click("autoSizeButton");
    EXPECT_TRUE(lit("autoSize"));
    EXPECT_FALSE(box->isEnabled());
    EXPECT_EQ(box->text(), "255");
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(182, 182, 170));
}

TEST_F(GradientWallpaperWindowTest, FilePanelShowsWhilePointingAtFile)
{
    QWidget* filePanel = child<QWidget>("filePanel");
    EXPECT_FALSE(filePanel->isVisible());
    QTest::mouseMove(button("fileButton"));
    EXPECT_TRUE(filePanel->isVisible());
    QTest::mouseMove(button("saveJpegButton"));
    EXPECT_TRUE(filePanel->isVisible());
    QTest::mouseMove(child<QWidget>("optionsPanel"), QPoint(200, 10));
    EXPECT_FALSE(filePanel->isVisible());
    // The keyboard reaches it too.
    button("fileButton")->setFocus();
    QTest::keyClick(button("fileButton"), Qt::Key_Space);
    EXPECT_TRUE(filePanel->isVisible());
}

TEST_F(GradientWallpaperWindowTest, SavesAndSetsTheWallpaperFromTheFilePanel)
{
    click("verticalButton");
    t.dialogs.fileNames = {folder.filePath("down.bmp")};
    fileCommand("setWallpaperButton");
    EXPECT_EQ(t.dialogs.fileDialogs, QStringList{"Orvik 2 : File Save"});
    const std::optional<QImage> saved = paint::bmp::readFile(folder.filePath("down.bmp"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->size(), QSize(255, 15));
    const SettingsStore desktopValues(QStringLiteral("Control Panel\\Desktop"));
    EXPECT_EQ(desktopValues.readString({}, "Wallpaper", ""), folder.filePath("down.bmp"));
    EXPECT_EQ(desktopValues.readString({}, "TileWallpaper", ""), "1");
    EXPECT_EQ(desktopValues.readString({}, "WallpaperOriginX", ""), "0");
    EXPECT_FALSE(runner.requests.isEmpty());

    // After a slider change the wallpaper needs a new file.
    slider("secondRed")->setValue(10);
    t.dialogs.fileNames = {QString()};
    fileCommand("setWallpaperButton");
    EXPECT_EQ(t.dialogs.fileDialogs.size(), 2);

    t.dialogs.fileNames = {folder.filePath("down.jpg")};
    fileCommand("saveJpegButton");
    EXPECT_TRUE(QFile::exists(folder.filePath("down.jpg")));
    EXPECT_TRUE(t.dialogs.asked.isEmpty());

    // A save that cannot be written says so.
    t.dialogs.fileNames = {folder.filePath("missing/down.bmp")};
    fileCommand("saveBmpButton");
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, gradienttexts::SaveFailed);
    EXPECT_EQ(window->gradient().bitmapFile(), QString());
}

TEST_F(GradientWallpaperWindowTest, CloseButtonAndClosePanelReleaseTheWindow)
{
    QSignalSpy released(window.data(), &GradientWallpaperWindow::released);
    fileCommand("closeButton");
    EXPECT_EQ(released.count(), 1);
    QTest::qWait(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);

    window = new GradientWallpaperWindow(t.services);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QSignalSpy releasedAgain(window.data(), &GradientWallpaperWindow::released);
    QTest::mouseClick(window->closePanel(), Qt::LeftButton);
    EXPECT_EQ(releasedAgain.count(), 1);
}
