#include "paint/PaintWindow.h"

#include "TestServices.h"
#include "paint/BmpCodec.h"
#include "common/SettingsStore.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

using paint::ColourMode;
using paint::ColourValue;
using platform::MessageKind;

const QString SaveQuestion = "Do you wish to save your current pattern?";
const QString CouldNotSave = "Could not Save.  \rPossible Causes :- Disk Full, Unformatted, CD-ROM, "
                             "Write Protected or Corrupted";
constexpr ColourValue Yellow = 0x00FFFF;

class PatternWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Every case starts as on a first run: no stored defaults, no recent files.
        QFile::remove(SettingsStore::filePath());
        window = open();
        ASSERT_TRUE(window);
    }

    void TearDown() override
    {
        delete window.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The window as the program shows it: built, shown, activated, with its
    // first canvas made.
    PaintWindow* open()
    {
        auto* w = new PaintWindow(t.services);
        w->show();
        if (!QTest::qWaitForWindowExposed(w)) {
            delete w;
            return nullptr;
        }
        w->activated();
        w->createFirstCanvasIfPending();
        return w;
    }

    // A small picture of a known size in place of the window-sized one.
    void useCanvasOfSize(int width, int height)
    {
        window->picture() = *paint::Picture::create(width, height, paint::PixelFormat::Rgb32);
        window->picture().fill(0xFFFFFF);
        window->picture().pen().width = window->brushWidth();
        window->ResetClick();
    }

    QString clickedOnce(const char* name)
    {
        auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
        if (!button)
            return QStringLiteral("no button ") + name;
        button->click();
        return {};
    }

    QLabel* lampNamed(const char* name) { return window->findChild<QLabel*>(QString::fromLatin1(name)); }

    QTemporaryDir files;
    TestServices t;
    QPointer<PaintWindow> window;
};

TEST_F(PatternWindowTest, FirstStartPaintsAYellowCanvasWithRandomColoursWebAndMirror)
{
    EXPECT_EQ(window->windowTitle(), "Duza Zidova");
    EXPECT_TRUE(window->saved());
    EXPECT_FALSE(window->picture().isNull());
    EXPECT_EQ(window->picture().format(), paint::PixelFormat::Rgb24);
    EXPECT_EQ(window->picture().width(), window->pictureView()->parentWidget()->width() - 4);
    EXPECT_EQ(window->picture().height(), window->height() - PaintWindow::BarHeight - 4);
    EXPECT_EQ(window->picture().colourAt(0, 0), Yellow);
    EXPECT_EQ(window->picture().colourAt(window->picture().width() - 1, window->picture().height() - 1), Yellow);
    EXPECT_EQ(window->colours().mode(), ColourMode::Random);
    EXPECT_EQ(window->brushWidth(), 25);
    EXPECT_EQ(window->picture().pen().width, 25);
    EXPECT_TRUE(window->webbed());
    EXPECT_TRUE(window->mirrored());
    EXPECT_TRUE(lampNamed("Canvas01")->isVisibleTo(window->dropDown(1)));
    EXPECT_FALSE(lampNamed("Canvas02")->isVisibleTo(window->dropDown(1)));
    EXPECT_TRUE(lampNamed("Color02")->isVisibleTo(window->dropDown(4)));
    EXPECT_EQ(lampNamed("FX01")->accessibleName(), "Webbed Pattern: selected");
    EXPECT_EQ(lampNamed("Brush02")->accessibleName(), "Mix Paint - Light: not selected");
    EXPECT_EQ(window->findChild<QWidget*>("SelectedCanvasColor")->accessibleName(),
              "Canvas color: red 255, green 255, blue 0");
    EXPECT_FALSE(lampNamed("FX01")->pixmap().isNull()) << "lamps carry the shared lamp picture";
    // The window cannot be made smaller than 620 x 450.
    window->showNormal();
    window->resize(300, 200);
    EXPECT_GE(window->width(), 620);
    EXPECT_GE(window->height(), 450);
}

TEST_F(PatternWindowTest, APressPaintsFourMirroredDotsAndCountsAsOneColourStep)
{
    useCanvasOfSize(400, 300);
    window->ColourModeClick(ColourMode::RedGradient);
    window->drwMouseDown(QPoint(50, 40));
    window->drwMouseUp();
    EXPECT_FALSE(window->saved());
    EXPECT_FALSE(window->penDown());
    const paint::Picture& p = window->picture();
    // Red gradient's first step is red 1.
    for (QPoint centre : {QPoint(50, 40), QPoint(350, 40), QPoint(50, 260), QPoint(350, 260)})
        EXPECT_EQ(p.colourAt(centre.x(), centre.y()), 0x000001u) << centre.x() << "," << centre.y();
    // A dot of width 25 reaches 12 pixels out, not 14.
    EXPECT_EQ(p.colourAt(50 + 12, 40), 0x000001u);
    EXPECT_EQ(p.colourAt(50 + 14, 40), 0xFFFFFFu);
    EXPECT_EQ(p.colourAt(200, 150), 0xFFFFFFu);
}

TEST_F(PatternWindowTest, WebbedStrokesFanFromThePressPointAndPlainOnesFollowThePointer)
{
    useCanvasOfSize(400, 300);
    window->MirrorPatternClick();
    ASSERT_FALSE(window->mirrored());
    window->drwMouseDown(QPoint(20, 20));
    window->drwMouseMove(QPoint(100, 20));
    window->drwMouseMove(QPoint(20, 100));
    EXPECT_EQ(window->lastPoint(), QPoint(20, 20));
    window->drwMouseUp();
    // Without the mirror the other quarters stay white.
    EXPECT_EQ(window->picture().colourAt(380, 280), 0xFFFFFFu);

    window->WebPatternClick();
    ASSERT_FALSE(window->webbed());
    window->drwMouseDown(QPoint(200, 200));
    window->drwMouseMove(QPoint(250, 210));
    EXPECT_EQ(window->lastPoint(), QPoint(250, 210));
    window->drwMouseMove(QPoint(300, 220));
    EXPECT_EQ(window->lastPoint(), QPoint(300, 220));
    window->drwMouseUp();
    // Moving without the button draws nothing and keeps the last point.
    const QImage before = window->picture().image().copy();
    window->drwMouseMove(QPoint(10, 290));
    EXPECT_EQ(window->picture().image(), before);
}

TEST_F(PatternWindowTest, HoverOpensOnePanelAndThePictureClosesThem)
{
    window->SpeedButtonMouseMove(1);
    EXPECT_EQ(window->openPanel(), 1);
    window->SpeedButtonMouseMove(7);
    EXPECT_EQ(window->openPanel(), 7);
    window->drwMouseMove(QPoint(5, 5));
    EXPECT_EQ(window->openPanel(), -1);
    // Real pointer movement over a bar button does the same.
    QTest::mouseMove(window->barButton(2), QPoint(10, 10));
    EXPECT_EQ(window->openPanel(), 2);
    // The pattern and text menus are not in this build: greyed, and they say so.
    EXPECT_FALSE(window->barButton(5)->isEnabled());
    EXPECT_EQ(window->barButton(6)->toolTip(), "Not in this build yet");
}

TEST_F(PatternWindowTest, NewCanvasAsksAboutUnsavedWorkAndCancelKeepsEverything)
{
    useCanvasOfSize(200, 100);
    window->drwMouseDown(QPoint(30, 30));
    window->drwMouseUp();
    const QImage drawn = window->picture().image().copy();
    t.dialogs.answers = {platform::Cancel};
    EXPECT_FALSE(window->createCanvas());
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, SaveQuestion);
    EXPECT_EQ(t.dialogs.asked[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(window->picture().image(), drawn);
    EXPECT_FALSE(window->saved());
    EXPECT_EQ(window->windowTitle(), "Duza Zidova");

    // No: a fresh canvas of the selected ramp, and a gradient restarts rising.
    window->ColourModeClick(ColourMode::GreenGradient);
    for (int i = 0; i < 300; ++i)
        window->drwMouseMove(QPoint(30 + i % 7, 30));
    window->drwMouseDown(QPoint(10, 10));
    window->drwMouseUp();
    window->CanvasTypeClick(2);
    t.dialogs.answers = {platform::No};
    EXPECT_TRUE(window->createCanvas());
    EXPECT_TRUE(window->saved());
    EXPECT_EQ(window->picture().pen().colour, 256u);
    EXPECT_TRUE(window->colours().rising());
    EXPECT_EQ(window->picture().colourAt(0, 0), 0x0000FFu);   // red at the top of "Red/Black"
    EXPECT_EQ(window->newSize(), window->picture().size());
}

TEST_F(PatternWindowTest, PickingUpAColourPreviewsOnTheBarAndDrawsNothing)
{
    useCanvasOfSize(200, 100);
    window->picture().pen().mode = paint::RasterMode::Copy;
    window->picture().fill(0x336699);
    window->PickUpColorClick(2);
    EXPECT_EQ(window->pickUpMode(), 2);
    EXPECT_TRUE(window->barButton(0)->isHidden());
    window->drwMouseMove(QPoint(20, 20));
    EXPECT_EQ(window->barColour(), QColor(0x99, 0x66, 0x33));
    const QImage before = window->picture().image().copy();
    window->drwMouseDown(QPoint(20, 20));
    window->drwMouseUp();
    EXPECT_EQ(window->pickUpMode(), 0);
    EXPECT_FALSE(window->barButton(0)->isHidden());
    EXPECT_EQ(window->barColour(), QColor(182, 182, 170));
    EXPECT_EQ(window->canvasType(), 1);
    EXPECT_EQ(window->canvasColour(), 0x336699u);
    EXPECT_EQ(window->picture().image(), before);
    EXPECT_TRUE(window->saved());

    // Mode 1 makes it the solid draw colour; modes 3 and 4 the utility colours.
    window->PickUpColorClick(1);
    window->drwMouseMove(QPoint(5, 5));
    window->drwMouseDown(QPoint(5, 5));
    EXPECT_EQ(window->colours().mode(), ColourMode::Solid);
    EXPECT_EQ(window->colours().drawColour(), 0x336699u);
    EXPECT_EQ(window->picture().pen().colour, 0x336699u);
    window->PickUpColorClick(4);
    window->drwMouseMove(QPoint(5, 5));
    window->drwMouseDown(QPoint(5, 5));
    EXPECT_EQ(window->secondColour(), 0x336699u);
}

TEST_F(PatternWindowTest, ColourDialogsSetColoursAndKeepTheCustomColours)
{
    window->ColourModeClick(ColourMode::Solid);
    t.dialogs.colours = {QColor(10, 20, 30)};
    t.dialogs.customColour = QColor(255, 0, 0);
    window->ChangeDrawColorClick();
    EXPECT_EQ(t.dialogs.colourDialogs, 1);
    EXPECT_EQ(window->colours().drawColour(), 0x1E140Au);
    EXPECT_EQ(window->picture().pen().colour, 0x1E140Au);
    EXPECT_EQ(SettingsStore(paint::settings::ModuleKey).readString("Colors", "Color0", ""), "ColorA=0000FF");
    EXPECT_EQ(SettingsStore(paint::settings::ModuleKey).readString("Colors", "Color1", ""), "ColorB=FFFFFF");

    // Cancel changes nothing.
    t.dialogs.colours = {QColor()};
    window->SetFirstColorClick();
    EXPECT_EQ(window->firstColour(), 0x000000u);

    // "Solid Color" on the canvas menu first only selects the solid type.
    window->CanvasTypeClick(3);
    window->CanvasColorClick();
    EXPECT_EQ(window->canvasType(), 1);
    EXPECT_EQ(t.dialogs.colourDialogs, 2);
    t.dialogs.colours = {QColor(0, 0, 255)};
    window->CanvasColorClick();
    EXPECT_EQ(window->canvasColour(), 0xFF0000u);
}

TEST_F(PatternWindowTest, LoadCanvasSelectsALoadedImageBeforeAskingForAnother)
{
    const QString path = files.filePath("canvas.bmp");
    QImage strip(2, 2, QImage::Format_RGB32);
    strip.fill(QColor(0, 128, 0));
    ASSERT_TRUE(paint::bmp::writeFile(path, strip));
    t.dialogs.fileNames = {path};
    window->LoadCanvasClick();
    EXPECT_TRUE(window->canvasImageLoaded());
    EXPECT_EQ(window->canvasFileName(), path);
    EXPECT_EQ(window->canvasType(), 1) << "loading does not change the type";
    EXPECT_EQ(t.dialogs.fileDialogs, QStringList{"Duza Zidova"});

    window->LoadCanvasClick();
    EXPECT_EQ(window->canvasType(), 7);
    EXPECT_EQ(t.dialogs.fileDialogs.size(), 1);
    window->createCanvas();
    EXPECT_EQ(window->picture().colourAt(window->picture().width() / 2, 3), 0x008000u);

    // A file that is no bitmap fails silently and clears the stored name.
    SettingsStore(paint::settings::ModuleKey).writeString("Defaults", "CanvasFileName", path);
    const QString junk = files.filePath("junk.bmp");
    QFile out(junk);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("not a bitmap");
    out.close();
    t.dialogs.fileNames = {junk};
    window->LoadCanvasClick();
    EXPECT_FALSE(window->canvasImageLoaded());
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
    EXPECT_EQ(SettingsStore(paint::settings::ModuleKey).readString("Defaults", "CanvasFileName", "x"), "");
    EXPECT_EQ(window->canvasFileName(), path) << "the window keeps its previous name";
}

TEST_F(PatternWindowTest, SaveAsWritesTheBitmapAndOpenReadsItBack)
{
    useCanvasOfSize(64, 48);
    window->drwMouseDown(QPoint(10, 10));
    window->drwMouseUp();
    const QString path = files.filePath("drawing");
    t.dialogs.fileNames = {path};
    EXPECT_TRUE(window->SaveFileClick());
    EXPECT_EQ(window->fileName(), path + ".bmp");
    EXPECT_EQ(window->windowTitle(), "Duza Zidova - " + path + ".bmp");
    EXPECT_TRUE(window->saved());
    EXPECT_EQ(window->recentFiles().slot(1), path + ".bmp");
    EXPECT_TRUE(window->findChild<QPushButton*>("File1")->isEnabled());
    EXPECT_EQ(window->findChild<QPushButton*>("File1")->text(), "1. " + path + ".bmp");
    EXPECT_FALSE(window->findChild<QPushButton*>("File2")->isEnabled());
    const QImage drawn = window->picture().image().copy();

    window->InvertImageClick();
    EXPECT_FALSE(window->saved());
    t.dialogs.answers = {platform::No};
    t.dialogs.fileNames = {path + ".bmp"};
    window->OpenFileClick();
    EXPECT_TRUE(window->saved());
    EXPECT_EQ(window->picture().image(), drawn);
    EXPECT_EQ(window->picture().format(), paint::PixelFormat::Rgb32);
    EXPECT_EQ(window->picture().pen().width, 25);
}

TEST_F(PatternWindowTest, AFailedSaveSaysSoForgetsTheNameAndKeepsTheWindowOpen)
{
    useCanvasOfSize(32, 32);
    window->drwMouseDown(QPoint(10, 10));
    window->drwMouseUp();
    const QString path = files.filePath("missing-folder/drawing.bmp");
    t.dialogs.fileNames = {path};
    EXPECT_FALSE(window->SaveFileAsClick());
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, CouldNotSave);
    EXPECT_TRUE(window->saveCancelled());
    EXPECT_FALSE(window->saved());
    EXPECT_TRUE(window->fileName().isEmpty());
    EXPECT_EQ(window->windowTitle(), "Duza Zidova");

    // Closing: Yes, and the save dialog cancelled, keeps the window up.
    QSignalSpy released(window.data(), &PaintWindow::released);
    t.dialogs.asked.clear();
    t.dialogs.answers = {platform::Yes};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(released.count(), 0);
    // Cancel keeps it too; No lets it go, once, and the window is destroyed.
    t.dialogs.answers = {platform::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_EQ(released.count(), 0);
    t.dialogs.answers = {platform::No};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(released.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(PatternWindowTest, OpenRefusesOtherFilesAndAlwaysRestoresThePen)
{
    const QString icon = files.filePath("picture.ico");
    ASSERT_TRUE(paint::bmp::writeFile(icon, QImage(4, 4, QImage::Format_RGB32)));
    window->ColourModeClick(ColourMode::RedGradient);
    for (int i = 0; i < 5; ++i)
        window->drwMouseMove(QPoint(3, 3));   // no stroke: the pen is not stepped
    window->drwMouseDown(QPoint(3, 3));
    window->drwMouseUp();
    EXPECT_EQ(window->picture().pen().colour, 1u);
    const QImage drawn = window->picture().image().copy();
    t.dialogs.answers = {platform::No};
    t.dialogs.fileNames = {icon};
    window->OpenFileClick();
    ASSERT_EQ(t.dialogs.asked.size(), 2);
    EXPECT_EQ(t.dialogs.asked[1].text, "File Corrupted or not a valid .BMP format file");
    EXPECT_EQ(window->picture().image(), drawn);
    EXPECT_FALSE(window->saved());
    EXPECT_EQ(window->picture().pen().colour, 0u) << "the red gradient starts again";

    // Cancel at the save question: nothing opened, the pen still restored.
    window->drwMouseDown(QPoint(3, 3));
    window->drwMouseUp();
    t.dialogs.answers = {platform::Cancel};
    window->OpenFileClick();
    EXPECT_EQ(window->picture().pen().colour, 0u);
    EXPECT_EQ(t.dialogs.fileDialogs.size(), 1);
}

TEST_F(PatternWindowTest, ASaveThatDoesNotHappenKeepsTheDrawing)
{
    useCanvasOfSize(60, 40);
    window->drwMouseDown(QPoint(20, 20));
    window->drwMouseUp();
    const QImage drawn = window->picture().image().copy();
    // Yes, then the save dialog cancelled: no new canvas.
    t.dialogs.answers = {platform::Yes};
    EXPECT_FALSE(window->createCanvas());
    EXPECT_EQ(window->picture().image(), drawn);
    // Yes, then a save that fails: no new canvas either.
    t.dialogs.answers = {platform::Yes};
    t.dialogs.fileNames = {files.filePath("gone/drawing.bmp")};
    EXPECT_FALSE(window->createCanvas());
    EXPECT_EQ(window->picture().image(), drawn);
    EXPECT_EQ(t.dialogs.asked.last().text, CouldNotSave);
    // Before Open: the open dialog is not shown, the pen is still restored.
    window->ColourModeClick(ColourMode::BlueGradient);
    window->drwMouseDown(QPoint(20, 20));
    window->drwMouseUp();
    t.dialogs.answers = {platform::Yes};
    t.dialogs.fileDialogs.clear();
    window->OpenFileClick();
    EXPECT_EQ(t.dialogs.fileDialogs, QStringList{"Duza Zidova"}) << "only the save dialog";
    EXPECT_EQ(window->picture().pen().colour, 65536u);
    EXPECT_FALSE(window->saved());

    // Yes and a save that works: the new canvas follows.
    const QString path = files.filePath("kept.bmp");
    t.dialogs.answers = {platform::Yes};
    t.dialogs.fileNames = {path};
    EXPECT_TRUE(window->createCanvas());
    EXPECT_TRUE(window->saved());
    EXPECT_EQ(window->windowTitle(), "Duza Zidova");
    const auto written = paint::bmp::readFile(path);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), drawn.size());
}

TEST_F(PatternWindowTest, HintsAndHelpReadAsWritten)
{
    const QString crlf = "\r\n";
    const std::pair<const char*, QString> hints[] = {
        {"OpenFile", "Opens a previous .bmp format drawing.   "},
        {"SaveFileAs", "Saves the current drawing to disk in .bmp format, under a different filename"},
        {"File3", "Click here to open this previously saved file.  "},
        {"MixLight", "Mix selected paint color with color underneath (light) "},
        {"BrushWidth", "Move indicator to select brush width, move left for a smaller brush, or right for a larger one.  "},
        {"SunsetGradientCanvas", "Creates an Orange/Yellow Gradient backdrop for future canvases.  Use \"New Canvas\" afterwards.  "},
        {"CanvasColor", "Selects a solid background color for future canvases.  " + crlf
                            + "Once selected, click \"New Canvas\" to create.  "},
        {"WebPattern", "When the Webbed Pattern is turned on, lines are drawn from the point where you originally click.  "
                           + crlf + crlf
                           + "To get a better idea of what it does, try drawing with this option off and then with it on.  "},
        {"PickUpColor4", "In pick up color mode you can select any color used in the drawing as the 2nd Color in "
                         "Replacement/Outline functions.  " + crlf
                         + "Just move the mouse pointer over the color you wish to use (it will be shown on the menu bar) and click.  "},
        {"Reset", "Click here to put back current image Width/Height "},
        {"InvertImage", "Inverts the entire image.  To undo, do a second time.  "},
    };
    for (const auto& [name, text] : hints) {
        auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_TRUE(widget) << name;
        EXPECT_EQ(widget->toolTip(), text) << name;
    }
    EXPECT_EQ(window->findChild<QWidget*>("HelpPanel")->toolTip(),
              "Duza Zidova" + crlf + crlf
                  + "This module allows you to create dazzling multi-colored patterns regardless of artistic ability!  " + crlf
                  + "To start drawing, simply click anywhere on the canvas and move the mouse with the button held down.  " + crlf
                  + "To learn about the various menu options just pause the mouse over them.  " + crlf);
}

TEST_F(PatternWindowTest, RecentFilesOpenAndMoveToTheTop)
{
    useCanvasOfSize(16, 16);
    QStringList paths;
    for (int i = 1; i <= 4; ++i) {
        paths << files.filePath(QStringLiteral("f%1.bmp").arg(i));
        t.dialogs.fileNames = {paths.last()};
        ASSERT_TRUE(window->SaveFileAsClick());
    }
    // f3 is in slot 3: it swaps with slot 1.
    window->FileSlotClick(3);
    EXPECT_EQ(window->fileName(), paths[2]);
    EXPECT_EQ(window->recentFiles().slot(1), paths[2]);
    EXPECT_EQ(window->recentFiles().slot(2), paths[1]);
    EXPECT_EQ(window->recentFiles().slot(3), paths[0]);
    EXPECT_EQ(window->recentFiles().slot(4), paths[3]);

    // A listed file that has gone says so and stays listed.
    QFile::remove(paths[3]);
    window->FileSlotClick(4);
    ASSERT_FALSE(t.dialogs.asked.isEmpty());
    EXPECT_EQ(t.dialogs.asked.last().text, "Unable to load file");
    EXPECT_EQ(window->recentFiles().slot(4), paths[3]);
    EXPECT_EQ(window->fileName(), paths[2]);
}

TEST_F(PatternWindowTest, SizeBoxesShowThePictureInEachUnit)
{
    useCanvasOfSize(640, 400);
    EXPECT_EQ(window->widthBox()->text(), "640");
    EXPECT_EQ(window->heightBox()->text(), "400");
    window->SetUnitClick(paint::sizeunits::Unit::Cm);
    EXPECT_EQ(window->widthBox()->text(), "17.30");
    EXPECT_EQ(window->heightBox()->text(), "10.81");
    EXPECT_EQ(window->newSize(), QSize(640, 400));
    window->SetUnitClick(paint::sizeunits::Unit::Pixels);
    EXPECT_EQ(window->widthBox()->text(), "640");
    EXPECT_EQ(window->heightBox()->text(), "400");

    // Typing: a full stop never goes in for pixels, letters are cleaned out.
    QLineEdit* box = window->widthBox();
    window->SpeedButtonMouseMove(7);
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "1.2a");
    EXPECT_EQ(box->text(), "12");
    EXPECT_EQ(window->newSize(), QSize(12, 400));

    t.dialogs.answers = {platform::Yes};
    window->ResizeClick();
    EXPECT_EQ(window->picture().size(), QSize(12, 400));
    EXPECT_FALSE(window->saved());

    window->ResetClick();
    t.dialogs.asked.clear();
    window->ResizeClick();
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, "You have not specified a new size");
}

TEST_F(PatternWindowTest, ResizeAsksHowAndRefusesSizesNoFileCanHold)
{
    useCanvasOfSize(40, 30);
    window->picture().setPixelAt(39, 29, window->picture().storedPixel(0x0000FF));
    window->widthBox()->setText("80");
    t.dialogs.answers = {platform::No};
    window->ResizeClick();
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, "Do you want the existing image resized to fit the new dimensions?");
    EXPECT_EQ(t.dialogs.asked[0].buttons, platform::Yes | platform::No);
    EXPECT_EQ(window->picture().size(), QSize(80, 30));
    EXPECT_EQ(window->picture().colourAt(39, 29), 0x0000FFu) << "drawn unscaled at the top left";
    EXPECT_EQ(window->picture().colourAt(79, 29), 0xFFFFFFu) << "white where it grew";

    // Too wide for any bitmap file: refused before the question.
    t.dialogs.asked.clear();
    window->widthBox()->setText("99999");
    window->ResizeClick();
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, "Out of Memory");
    EXPECT_EQ(window->picture().size(), QSize(80, 30));
}

TEST_F(PatternWindowTest, SizeBoxesLimitTypingButShowAnySizeInFull)
{
    useCanvasOfSize(40000, 1);
    window->SetUnitClick(paint::sizeunits::Unit::Cm);
    EXPECT_EQ(window->widthBox()->text(), "1081.08");
    EXPECT_EQ(window->newSize(), QSize(40000, 1));
    window->ResetClick();
    t.dialogs.asked.clear();
    window->ResizeClick();
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, "You have not specified a new size");

    // Typing stops at six characters; in cm one full stop goes in.
    QLineEdit* box = window->heightBox();
    window->SpeedButtonMouseMove(7);
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "12.3.4567");
    EXPECT_EQ(box->text(), "12.345");
    EXPECT_EQ(window->newSize().height(), qRound(12.345 * 37));
}

TEST_F(PatternWindowTest, StoredDefaultsAreWrittenWhenTheWindowGoesAndReadNextTime)
{
    window->CanvasTypeClick(5);
    window->BrushClick(2);
    window->findChild<QSlider*>("BrushWidth")->setValue(40);
    window->WebPatternClick();
    window->ColourModeClick(ColourMode::BlueGradient);
    ASSERT_TRUE(window->saved());
    EXPECT_TRUE(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SettingsStore store(paint::settings::ModuleKey);
    EXPECT_EQ(store.readString("Defaults", "Canvas", ""), "5");
    EXPECT_EQ(store.readString("Defaults", "Brush", ""), "2");
    EXPECT_EQ(store.readString("Defaults", "Width", ""), "40");
    EXPECT_EQ(store.readString("Defaults", "Webbed", ""), "2");
    EXPECT_EQ(store.readString("Defaults", "Mirror", ""), "1");
    EXPECT_EQ(store.readString("Defaults", "Paint", ""), "5");
    EXPECT_EQ(store.readString("Defaults", "CanvasColor", ""), "clYellow");
    EXPECT_EQ(store.readString("Defaults", "DrawColor", ""), "clRed");

    window = open();
    ASSERT_TRUE(window);
    EXPECT_EQ(window->canvasType(), 5);
    EXPECT_EQ(window->brushType(), 2);
    EXPECT_EQ(window->picture().pen().mode, paint::RasterMode::MergeNotDest);
    EXPECT_EQ(window->picture().pen().width, 40);
    EXPECT_FALSE(window->webbed());
    EXPECT_EQ(window->colours().mode(), ColourMode::BlueGradient);
    EXPECT_EQ(window->picture().colourAt(0, 0), 0x0063FFu) << "orange at the top of Orange/Yellow";
}

TEST_F(PatternWindowTest, UtilitiesReplaceOutlineAndInvertMarkThePictureChanged)
{
    useCanvasOfSize(50, 40);
    window->ReplaceColorClick();   // black does not occur: nothing changes but the flag
    EXPECT_FALSE(window->saved());
    EXPECT_EQ(window->picture().colourAt(10, 10), 0xFFFFFFu);
    const QImage before = window->picture().image().copy();
    window->InvertImageClick();
    EXPECT_EQ(window->picture().colourAt(10, 10), 0x000000u);
    window->InvertImageClick();
    EXPECT_EQ(window->picture().image(), before);
}

} // namespace
