#include "desktop/WallpaperHangerWindow.h"

#include "DesktopTestFiles.h"
#include "TestServices.h"
#include "common/AccessibleValue.h"
#include "common/ScopedConfigDir.h"
#include "common/SettingsStore.h"
#include "desktop/PreviewPanel.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QString DesktopKey = "Control Panel\\Desktop";

QString desktopValue(const QString& name) { return SettingsStore(DesktopKey).readString({}, name, "<missing>"); }

// Each test has its own settings, a folder of pictures, and a recording
// stand-in for the desktop, so no test changes a real wallpaper.
struct WallpaperHangerWindowTest : ::testing::Test {
    WallpaperHangerWindowTest() : desktopNames_(qgetenv("XDG_CURRENT_DESKTOP"))
    {
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        previousRunner_ = platform::DesktopRunner::install(&runner);
    }
    ~WallpaperHangerWindowTest() override
    {
        delete window.data();
        QThreadPool::globalInstance()->waitForDone();
        platform::DesktopRunner::install(previousRunner_);
        qputenv("XDG_CURRENT_DESKTOP", desktopNames_);
    }

    // Built, pointed at the test's folder, then shown (which loads the previews).
    void open(const QString& folder)
    {
        window = new WallpaperHangerWindow(t.services);
        window->openFolder(folder);
        QSignalSpy loaded(window.data(), &WallpaperHangerWindow::previewsLoaded);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        ASSERT_TRUE(!loaded.isEmpty() || loaded.wait(20000));
    }
    QToolButton* button(const char* name) const { return window->findChild<QToolButton*>(name); }
    bool lit(const char* name) const { return window->findChild<QLabel*>(name)->isVisibleTo(window); }
    QTreeWidget* folderList() const { return window->findChild<QTreeWidget*>("folderList"); }

    ScopedConfigDir config;
    QByteArray desktopNames_;
    platform::RecordingDesktopRunner runner;
    platform::DesktopRunner* previousRunner_ = nullptr;
    TestServices t;
    QTemporaryDir dir;
    QDir folder{dir.path()};
    QPointer<WallpaperHangerWindow> window;
};

} // namespace

TEST_F(WallpaperHangerWindowTest, OpensCentredWhenNothingSaysTileAndWritesThatBack)
{
    open(dir.path());
    EXPECT_EQ(window->windowTitle(), "Wallpaper Hanger");
    EXPECT_EQ(window->size(), QSize(341, 468));
    EXPECT_EQ(window->findChild<QTreeWidget*>("folderList")->size(), QSize(169, 297));
    EXPECT_EQ(window->findChild<QScrollArea*>("previewArea")->size(), QSize(105, 427));
    EXPECT_EQ(button("tileButton")->text(), "&Tile Wallpaper");
    EXPECT_EQ(button("centreButton")->text(), "&Center Wallpaper");
    EXPECT_TRUE(lit("centreLight"));
    EXPECT_FALSE(lit("tileLight"));
    EXPECT_EQ(window->placement(), desktop::WallpaperPlacement::Centred);
    // Opening alone wrote the placement and asked the desktop to show it.
    EXPECT_EQ(desktopValue("TileWallpaper"), "0");
    EXPECT_EQ(desktopValue("WallpaperStyle"), "0");
    EXPECT_EQ(desktopValue("Wallpaper"), "<missing>");
    EXPECT_EQ(runner.requests, QStringList{"gsettings set org.gnome.desktop.background picture-options centered"});
    EXPECT_EQ(window->helpText(),
              "Wallpaper Hanger\r\n\r\n"
              "This module allows you to try out different wallpaper quickly and \r\n"
              "easily.  To use, simply select the drive / folder where your \r\n"
              "wallpaper files are located.  A sample of each image is displayed \r\n"
              "in the preview panel.  Click on an image to make it the current \r\n"
              "wallpaper file.  Select between the Tile Wallpaper / \r\n"
              "Center Wallpaper options as desired.  Happy Wallpapering!    \r\n\r\n");
}

TEST_F(WallpaperHangerWindowTest, StoredTileLightsTileAndTheButtonsSwitchWithoutChangingThePicture)
{
    SettingsStore(DesktopKey).writeString({}, "TileWallpaper", "1");
    SettingsStore(DesktopKey).writeString({}, "Wallpaper", "/pics/old.bmp");
    open(dir.path());
    EXPECT_TRUE(lit("tileLight"));
    EXPECT_FALSE(lit("centreLight"));
    EXPECT_EQ(window->placement(), desktop::WallpaperPlacement::Tiled);

    runner.requests.clear();
    QTest::mouseClick(button("centreButton"), Qt::LeftButton);
    EXPECT_TRUE(lit("centreLight"));
    EXPECT_FALSE(lit("tileLight"));
    EXPECT_EQ(desktopValue("TileWallpaper"), "0");
    EXPECT_EQ(runner.requests.last(), "gsettings set org.gnome.desktop.background picture-options centered");

    // Tile pressed while the desktop shows a centred picture: the same picture, tiled.
    runner.requests.clear();
    QTest::mouseClick(button("tileButton"), Qt::LeftButton);
    EXPECT_TRUE(lit("tileLight"));
    EXPECT_FALSE(lit("centreLight"));
    EXPECT_EQ(desktopValue("TileWallpaper"), "1");
    EXPECT_EQ(desktopValue("Wallpaper"), "/pics/old.bmp");
    EXPECT_TRUE(runner.requests.contains("gsettings set org.gnome.desktop.background picture-uri file:///pics/old.bmp"));
    EXPECT_EQ(runner.requests.last(), "gsettings set org.gnome.desktop.background picture-options wallpaper");
    // Pressing the lit one again applies it again.
    runner.requests.clear();
    QTest::mouseClick(button("tileButton"), Qt::LeftButton);
    EXPECT_TRUE(lit("tileLight"));
    EXPECT_FALSE(runner.requests.isEmpty());
}

TEST_F(WallpaperHangerWindowTest, ADamagedFileIsSkippedAndTheNextTakesItsPlace)
{
    const QString first = testfiles::writeBitmap(folder, "1 first.bmp", Qt::red);
    testfiles::writeDamagedBitmap(folder, "2 damaged.bmp");
    const QString third = testfiles::writeBitmap(folder, "3 third.BMP", Qt::blue);
    testfiles::writeBitmap(folder, "4 not a bitmap.png", Qt::blue);
    open(dir.path());

    const QList<desktop::PreviewPanel*> previews = window->previews();
    ASSERT_EQ(previews.size(), 2);
    EXPECT_EQ(window->previewFiles(), QStringList({first, third}));
    EXPECT_EQ(previews[0]->geometry(), QRect(0, 0, 85, 85));
    EXPECT_EQ(previews[1]->geometry(), QRect(0, 85, 85, 85));
    EXPECT_EQ(previews[1]->objectName(), "preview1");
    EXPECT_EQ(previews[1]->toolTip(), third);
    EXPECT_EQ(accessible::readName(previews[1]), "3 third.BMP");
    EXPECT_EQ(window->scrollRange(), 170);
    // The picture fills the panel inside its bevel.
    auto* image = previews[1]->findChild<QLabel*>("previewPicture1");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->geometry(), QRect(2, 2, 81, 81));
    EXPECT_EQ(previews[1]->grab().toImage().pixelColor(42, 42), QColor(Qt::blue));

    runner.requests.clear();
    QTest::mouseClick(image, Qt::LeftButton);
    EXPECT_EQ(desktopValue("Wallpaper"), third);
    EXPECT_EQ(desktopValue("TileWallpaper"), "0");
    EXPECT_EQ(desktopValue("WallpaperStyle"), "0");
    EXPECT_EQ(desktopValue("WallpaperOriginX"), "<missing>");
    EXPECT_EQ(runner.requests.first(),
              "gsettings set org.gnome.desktop.background picture-uri " + QUrl::fromLocalFile(third).toString(QUrl::FullyEncoded));
    EXPECT_EQ(window->previews().size(), 2); // nothing in the window changes

    // The keyboard chooses too.
    previews[0]->setFocus();
    QTest::keyClick(previews[0], Qt::Key_Space);
    EXPECT_EQ(desktopValue("Wallpaper"), first);
}

TEST_F(WallpaperHangerWindowTest, AFolderWithoutBitmapsShowsAnEmptyColumnWithNoScrolling)
{
    testfiles::writeBitmap(folder, "picture.png", Qt::red);
    open(dir.path());
    EXPECT_TRUE(window->previews().isEmpty());
    EXPECT_EQ(window->scrollRange(), 0);
    EXPECT_EQ(window->findChild<QScrollArea*>("previewArea")->verticalScrollBar()->maximum(), 0);
}

TEST_F(WallpaperHangerWindowTest, ShowingAgainKeepsThePreviewsAndAnotherFolderRebuildsThem)
{
    testfiles::writeBitmap(folder, "a.bmp", Qt::red);
    folder.mkdir("more");
    QDir more(folder.filePath("more"));
    for (const char* name : {"x.bmp", "y.bmp", "z.bmp"})
        testfiles::writeBitmap(more, name, Qt::green);
    open(dir.path());
    ASSERT_EQ(window->previews().size(), 1);
    QPointer<desktop::PreviewPanel> kept = window->previews().first();

    window->hide();
    testfiles::writeBitmap(folder, "b.bmp", Qt::red);
    window->show();
    QTest::qWait(100);
    EXPECT_EQ(window->previews().size(), 1);
    EXPECT_EQ(window->previews().first(), kept.data());

    // A double click on a subfolder in the folder list opens it.
    QTreeWidgetItem* sub = folderList()->findItems("more", Qt::MatchExactly | Qt::MatchRecursive).value(0);
    ASSERT_TRUE(sub);
    const QRect row = folderList()->visualItemRect(sub);
    QSignalSpy loaded(window.data(), &WallpaperHangerWindow::previewsLoaded);
    QTest::mouseClick(folderList()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(window->currentFolder(), dir.path()); // one click only selects
    QTest::mouseDClick(folderList()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(window->currentFolder(), more.path());
    ASSERT_TRUE(!loaded.isEmpty() || loaded.wait(20000));
    EXPECT_TRUE(kept.isNull());
    EXPECT_EQ(window->previewFiles(),
              QStringList({more.filePath("x.bmp"), more.filePath("y.bmp"), more.filePath("z.bmp")}));
    EXPECT_EQ(window->scrollRange(), 255);
    // The folder list now shows the chain down to it, the current one selected.
    EXPECT_EQ(folderList()->currentItem()->text(0), "more");
    // and the drive box the drive it is on.
    EXPECT_GE(window->findChild<QComboBox*>("driveBox")->currentIndex(), 0);
}

TEST_F(WallpaperHangerWindowTest, LeavingTheFolderOrClosingWhileLoadingIsSafe)
{
    for (int i = 0; i < 40; ++i)
        testfiles::writeBitmap(folder, QString("big%1.bmp").arg(i, 2, 10, QChar('0')), Qt::gray, QSize(640, 480));
    folder.mkdir("small");
    QDir small(folder.filePath("small"));
    testfiles::writeBitmap(small, "only.bmp", Qt::green);

    window = new WallpaperHangerWindow(t.services);
    window->openFolder(dir.path());
    QSignalSpy loaded(window.data(), &WallpaperHangerWindow::previewsLoaded);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_TRUE(window->loadingPreviews());
    // Leaving mid-way: only the new folder's previews end up in the column.
    window->openFolder(small.path());
    ASSERT_TRUE(loaded.wait(20000));
    QTest::qWait(50);
    EXPECT_EQ(window->previewFiles(), QStringList{small.filePath("only.bmp")});
    EXPECT_EQ(loaded.count(), 1);

    // Back to the big folder, then the window goes while previews are read.
    window->openFolder(dir.path());
    EXPECT_TRUE(window->loadingPreviews());
    window->close();
    EXPECT_FALSE(window->loadingPreviews());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(50); // anything still posted would land now
}

TEST_F(WallpaperHangerWindowTest, AFolderThatHasGoneLeavesItsParent)
{
    folder.mkdir("gone");
    open(dir.path());
    ASSERT_TRUE(QDir(folder.filePath("gone")).removeRecursively());
    window->openFolder(folder.filePath("gone"));
    EXPECT_EQ(window->currentFolder(), dir.path());
    EXPECT_TRUE(folderList()->findItems("gone", Qt::MatchExactly | Qt::MatchRecursive).isEmpty());
}
