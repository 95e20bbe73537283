#include "paint/PaintWindow.h"

#include "TestServices.h"
#include "../common/ScopedConfigDir.h"
#include "paint/BmpCodec.h"
#include "paint/CanvasView.h"
#include "common/SettingsStore.h"
#include "platform/Random.h"
#include "app/UtilityWindow.h"
#include "common/DocumentFile.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
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
static void PrintTo(const QPoint& point, std::ostream* out) { *out << "(" << point.x() << ", " << point.y() << ")"; }

namespace {

using paint::CanvasType;
using paint::ColourMode;
using paint::ColourValue;
using platform::MessageKind;
using BarMenu = PaintWindow::BarMenu;
using PickUpTarget = PaintWindow::PickUpTarget;

const QString SaveQuestion = "Do you wish to save your current pattern?";
const QString CouldNotSave = "Could not Save.  \rPossible Causes :- Disk Full, Unformatted, CD-ROM, "
                             "Write Protected or Corrupted";
constexpr ColourValue Yellow = 0x00FFFF;

class PaintWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
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
        window->canvasView()->resize(window->picture().size());
        window->resetSizes();
    }

    QLabel* lampNamed(const char* name) { return window->findChild<QLabel*>(QString::fromLatin1(name)); }

    // The mouse on the picture, as the system sends it to the canvas widget.
    QWidget* view() const { return window->canvasView(); }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mousePress(view(), button, {}, at); }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseRelease(view(), button, {}, at); }
    void click(QPoint at) { press(at); release(at); }
    // A move of the pointer with the buttons held (none for a plain move).
    static void moveMouse(QWidget* target, QPoint at, Qt::MouseButtons held)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::NoButton, held,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }
    void drag(QPoint at, Qt::MouseButtons held = Qt::LeftButton) { moveMouse(view(), at, held); }
    void hover(QPoint at) { moveMouse(view(), at, Qt::NoButton); }

    // Every case starts as on a first run: no stored defaults, no recent files.
    ScopedConfigDir config;
    QTemporaryDir files;
    TestServices t;
    QPointer<PaintWindow> window;
};

TEST_F(PaintWindowTest, FirstStartPaintsAYellowCanvasWithRandomColoursWebAndMirror)
{
    EXPECT_EQ(window->windowTitle(), "Duza Zidova");
    EXPECT_TRUE(window->saved());
    EXPECT_FALSE(window->picture().isNull());
    EXPECT_EQ(window->picture().format(), paint::PixelFormat::Rgb24);
    EXPECT_EQ(window->picture().width(), window->canvasView()->parentWidget()->width() - 4);
    EXPECT_EQ(window->picture().height(), window->height() - PaintWindow::BarHeight - 4);
    EXPECT_EQ(window->picture().colourAt(0, 0), Yellow);
    EXPECT_EQ(window->picture().colourAt(window->picture().width() - 1, window->picture().height() - 1), Yellow);
    EXPECT_EQ(window->colours().mode(), ColourMode::Random);
    EXPECT_EQ(window->brushWidth(), 25);
    EXPECT_EQ(window->picture().pen().width, 25);
    EXPECT_TRUE(window->webbed());
    EXPECT_TRUE(window->mirrored());
    EXPECT_TRUE(lampNamed("solidCanvasLamp")->isVisibleTo(window->dropDown(BarMenu::Canvas)));
    EXPECT_FALSE(lampNamed("redBlackCanvasLamp")->isVisibleTo(window->dropDown(BarMenu::Canvas)));
    EXPECT_TRUE(lampNamed("randomColourLamp")->isVisibleTo(window->dropDown(BarMenu::Colour)));
    EXPECT_EQ(lampNamed("webbedLamp")->accessibleName(), "Webbed Pattern: selected");
    EXPECT_EQ(lampNamed("mixLightBrushLamp")->accessibleName(), "Mix Paint - Light: not selected");
    EXPECT_EQ(window->findChild<QWidget*>("canvasColourShape")->accessibleName(),
              "Canvas color: red 255, green 255, blue 0");
    EXPECT_FALSE(lampNamed("webbedLamp")->pixmap().isNull()) << "lamps carry the shared lamp picture";
    // The window cannot be made smaller than 620 x 450.
    window->showNormal();
    window->resize(300, 200);
    EXPECT_GE(window->width(), 620);
    EXPECT_GE(window->height(), 450);
}

TEST_F(PaintWindowTest, BuiltFromTheServicesAloneItShowsTheBarAndThePicture)
{
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->minimumSize(), QSize(620, 450));
    // Eight bar buttons, left to right, on a bar 24 high across the window.
    const char* captions[] = {"File", "Canvas", "Brush", "Special-FX", "Color", "ZE-Vav", "Text-FX", "Utilities"};
    int lastRight = 0;
    for (int i = 0; i < PaintWindow::BarMenuCount; ++i) {
        QPushButton* button = window->barButton(BarMenu(i));
        ASSERT_TRUE(button) << i;
        EXPECT_EQ(button->text(), captions[i]);
        EXPECT_TRUE(button->isVisible()) << captions[i];
        EXPECT_GT(button->x(), lastRight) << captions[i];
        lastRight = button->geometry().right();
    }
    QWidget* bar = window->barButton(BarMenu::File)->parentWidget();
    EXPECT_EQ(bar->geometry(), QRect(0, 0, window->width(), PaintWindow::BarHeight));
    auto* help = window->findChild<QWidget*>("HelpPanel");
    ASSERT_TRUE(help);
    EXPECT_EQ(help->x(), bar->width() - 23);
    EXPECT_TRUE(help->toolTip().startsWith("Duza Zidova\r\n\r\n"));
    // The picture sits at the top left, below the bar, as large as the bitmap.
    EXPECT_EQ(window->canvasView()->accessibleName(), "Picture");
    EXPECT_EQ(window->canvasView()->size(), window->picture().size());
    EXPECT_EQ(window->canvasView()->mapTo(window, QPoint(0, 0)), QPoint(0, PaintWindow::BarHeight));
    // The lamps show the shared lamp picture of the services.
    EXPECT_EQ(lampNamed("webbedLamp")->pixmap().toImage(), t.pictures.picture("BackLight").toImage());
}

TEST_F(PaintWindowTest, NewCanvasesTakeThePixelFormatOfTheServicesColourDepth)
{
    const std::pair<int, paint::PixelFormat> depths[] = {
        {8, paint::PixelFormat::Indexed8}, {15, paint::PixelFormat::Rgb555}, {16, paint::PixelFormat::Rgb565},
        {32, paint::PixelFormat::Rgb32},   {0, paint::PixelFormat::Rgb32},
    };
    for (const auto& [depth, format] : depths) {
        TestServices other(depth);
        PaintWindow deep(other.services);
        ASSERT_TRUE(deep.createCanvas()) << depth;
        EXPECT_EQ(deep.picture().format(), format) << depth;
        EXPECT_EQ(deep.picture().colourAt(3, 3), Yellow) << depth;
    }
}

TEST_F(PaintWindowTest, RandomColoursComeFromTheServicesGenerator)
{
    useCanvasOfSize(120, 90);
    window->toggleMirror();
    ASSERT_EQ(window->colours().mode(), ColourMode::Random);
    platform::Random::instance().seed(5);
    t.random.seed(777);
    platform::Random expected;
    expected.seed(777);
    for (int stroke = 0; stroke < 3; ++stroke) {
        const QPoint at(20 + 30 * stroke, 40);
        click(at);
        const int red = expected.below(255), green = expected.below(255), blue = expected.below(255);
        const ColourValue colour = ColourValue(red | green << 8 | blue << 16);
        EXPECT_EQ(window->picture().pen().colour, colour) << stroke;
        EXPECT_EQ(window->picture().colourAt(at.x(), at.y()), colour) << stroke;
    }
    EXPECT_EQ(platform::Random::instance().seedValue(), 5u) << "the program-wide generator is not used";
}

TEST_F(PaintWindowTest, TheRealMouseDrawsPicksUpAndClosesTheMenus)
{
    useCanvasOfSize(200, 150);
    window->toggleMirror();
    window->selectColourMode(ColourMode::Solid);
    QWidget* view = window->canvasView();
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_TRUE(window->penDown());
    EXPECT_EQ(window->lineStart(), QPoint(40, 40));
    EXPECT_EQ(window->picture().colourAt(40, 40), 0x0000FFu) << "a red dot";
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(40, 40));
    EXPECT_FALSE(window->penDown());
    EXPECT_FALSE(window->saved());

    window->hoverBarButton(BarMenu::Colour);
    ASSERT_EQ(window->openDropDown(), BarMenu::Colour);
    QTest::mouseMove(view, QPoint(150, 120));
    EXPECT_EQ(window->openDropDown(), BarMenu::None);

    // Picking up the red of the dot as the 1st colour: the bar previews it.
    window->startPickUp(PickUpTarget::FirstColour);
    QTest::mouseMove(view, QPoint(41, 40));
    EXPECT_EQ(window->barColour(), QColor(255, 0, 0));
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(41, 40));
    EXPECT_EQ(window->firstColour(), 0x0000FFu);
    EXPECT_EQ(window->pickUpTarget(), PickUpTarget::None);
    EXPECT_EQ(window->findChild<QWidget*>("firstColourShape")->accessibleName(), "1st Color: red 255, green 0, blue 0");
}

TEST_F(PaintWindowTest, APressPaintsFourMirroredDotsAndCountsAsOneColourStep)
{
    useCanvasOfSize(400, 300);
    window->selectColourMode(ColourMode::RedGradient);
    click(QPoint(50, 40));
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

TEST_F(PaintWindowTest, WebbedStrokesFanFromThePressPointAndPlainOnesFollowThePointer)
{
    useCanvasOfSize(400, 300);
    window->toggleMirror();
    ASSERT_FALSE(window->mirrored());
    window->selectColourMode(ColourMode::Solid);
    press(QPoint(20, 20));
    drag(QPoint(100, 20));
    drag(QPoint(20, 100));
    EXPECT_EQ(window->lineStart(), QPoint(20, 20));
    release(QPoint(20, 100));
    // Both segments start at the press point: the fan's two arms are drawn,
    // the line that would join their ends is not.
    EXPECT_EQ(window->picture().colourAt(95, 20), 0x0000FFu);
    EXPECT_EQ(window->picture().colourAt(20, 95), 0x0000FFu);
    EXPECT_EQ(window->picture().colourAt(60, 60), 0xFFFFFFu);
    // Without the mirror the other quarters stay white.
    EXPECT_EQ(window->picture().colourAt(380, 280), 0xFFFFFFu);

    window->toggleWebbed();
    ASSERT_FALSE(window->webbed());
    press(QPoint(200, 200));
    drag(QPoint(250, 210));
    EXPECT_EQ(window->lineStart(), QPoint(250, 210));
    drag(QPoint(300, 150));
    EXPECT_EQ(window->lineStart(), QPoint(300, 150));
    release(QPoint(300, 150));
    EXPECT_EQ(window->picture().colourAt(275, 180), 0x0000FFu) << "the second segment starts where the first ended";
    EXPECT_EQ(window->picture().colourAt(250, 175), 0xFFFFFFu);
    // Moving without the button draws nothing and keeps the last point.
    const QImage before = window->picture().image().copy();
    hover(QPoint(10, 290));
    EXPECT_EQ(window->picture().image(), before);
}

TEST_F(PaintWindowTest, HoverOpensOneDropDownAndThePictureClosesThem)
{
    window->hoverBarButton(BarMenu::Canvas);
    EXPECT_EQ(window->openDropDown(), BarMenu::Canvas);
    window->hoverBarButton(BarMenu::Utilities);
    EXPECT_EQ(window->openDropDown(), BarMenu::Utilities);
    hover(QPoint(5, 5));
    EXPECT_EQ(window->openDropDown(), BarMenu::None);
    // Real pointer movement over a bar button does the same.
    QTest::mouseMove(window->barButton(BarMenu::Brush), QPoint(10, 10));
    EXPECT_EQ(window->openDropDown(), BarMenu::Brush);
    // The pattern and text menus open like the others; the text menu puts
    // the keyboard focus into its text box.
    EXPECT_TRUE(window->barButton(BarMenu::ZeVav)->isEnabled());
    EXPECT_TRUE(window->barButton(BarMenu::TextEffects)->isEnabled());
    QTest::mouseMove(window->barButton(BarMenu::ZeVav), QPoint(10, 10));
    EXPECT_EQ(window->openDropDown(), BarMenu::ZeVav);
    QTest::mouseMove(window->barButton(BarMenu::TextEffects), QPoint(10, 10));
    EXPECT_EQ(window->openDropDown(), BarMenu::TextEffects);
    EXPECT_EQ(QApplication::focusWidget(), window->textBox());
}

TEST_F(PaintWindowTest, NewCanvasAsksAboutUnsavedWorkAndCancelKeepsEverything)
{
    useCanvasOfSize(200, 100);
    click(QPoint(30, 30));
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
    window->selectColourMode(ColourMode::GreenGradient);
    press(QPoint(10, 10));
    for (int i = 0; i < 300; ++i)
        drag(QPoint(30 + i % 7, 30));
    release(QPoint(36, 30));
    ASSERT_FALSE(window->colours().rising()) << "301 steps went past the top of the ramp";
    window->selectCanvasType(CanvasType::RedBlack);
    t.dialogs.answers = {platform::No};
    EXPECT_TRUE(window->createCanvas());
    EXPECT_TRUE(window->saved());
    EXPECT_EQ(window->picture().pen().colour, 256u);
    EXPECT_TRUE(window->colours().rising());
    EXPECT_EQ(window->picture().colourAt(0, 0), 0x0000FFu);   // red at the top of "Red/Black"
    EXPECT_EQ(window->newSize(), window->picture().size());
}

TEST_F(PaintWindowTest, PickingUpAColourPreviewsOnTheBarAndDrawsNothing)
{
    useCanvasOfSize(200, 100);
    window->picture().pen().mode = paint::RasterMode::Copy;
    window->picture().fill(0x336699);
    window->startPickUp(PickUpTarget::CanvasColour);
    EXPECT_EQ(window->pickUpTarget(), PickUpTarget::CanvasColour);
    EXPECT_TRUE(window->barButton(BarMenu::File)->isHidden());
    hover(QPoint(20, 20));
    EXPECT_EQ(window->barColour(), QColor(0x99, 0x66, 0x33));
    const QImage before = window->picture().image().copy();
    click(QPoint(20, 20));
    EXPECT_EQ(window->pickUpTarget(), PickUpTarget::None);
    EXPECT_FALSE(window->barButton(BarMenu::File)->isHidden());
    EXPECT_EQ(window->barColour(), QColor(182, 182, 170));
    EXPECT_EQ(window->canvasType(), CanvasType::SolidColour);
    EXPECT_EQ(window->canvasColour(), 0x336699u);
    EXPECT_EQ(window->picture().image(), before);
    EXPECT_TRUE(window->saved());

    // Picked up for the draw colour it becomes the solid colour; for the 2nd colour, that one.
    window->startPickUp(PickUpTarget::DrawColour);
    hover(QPoint(5, 5));
    click(QPoint(5, 5));
    EXPECT_EQ(window->colours().mode(), ColourMode::Solid);
    EXPECT_EQ(window->colours().drawColour(), 0x336699u);
    EXPECT_EQ(window->picture().pen().colour, 0x336699u);
    window->startPickUp(PickUpTarget::SecondColour);
    hover(QPoint(5, 5));
    click(QPoint(5, 5));
    EXPECT_EQ(window->secondColour(), 0x336699u);
    EXPECT_EQ(window->picture().image(), before) << "the presses of a pick-up draw nothing";
}

TEST_F(PaintWindowTest, ColourDialogsSetColoursAndKeepTheCustomColours)
{
    window->selectColourMode(ColourMode::Solid);
    t.dialogs.colours = {QColor(10, 20, 30)};
    t.dialogs.customColour = QColor(255, 0, 0);
    window->selectSolidColour();
    EXPECT_EQ(t.dialogs.colourDialogs, 1);
    EXPECT_EQ(window->colours().drawColour(), 0x1E140Au);
    EXPECT_EQ(window->picture().pen().colour, 0x1E140Au);
    EXPECT_EQ(SettingsStore(paint::settings::ModuleKey).readString("Colors", "Color0", ""), "ColorA=0000FF");
    EXPECT_EQ(SettingsStore(paint::settings::ModuleKey).readString("Colors", "Color1", ""), "ColorB=FFFFFF");

    // Cancel changes nothing.
    t.dialogs.colours = {QColor()};
    window->chooseFirstColour();
    EXPECT_EQ(window->firstColour(), 0x000000u);

    // "Solid Color" on the canvas menu first only selects the solid type.
    window->selectCanvasType(CanvasType::GreenWhite);
    window->selectSolidCanvas();
    EXPECT_EQ(window->canvasType(), CanvasType::SolidColour);
    EXPECT_EQ(t.dialogs.colourDialogs, 2);
    t.dialogs.colours = {QColor(0, 0, 255)};
    window->selectSolidCanvas();
    EXPECT_EQ(window->canvasColour(), 0xFF0000u);
}

TEST_F(PaintWindowTest, LoadCanvasSelectsALoadedImageBeforeAskingForAnother)
{
    const QString path = files.filePath("canvas.bmp");
    QImage strip(2, 2, QImage::Format_RGB32);
    strip.fill(QColor(0, 128, 0));
    ASSERT_TRUE(paint::bmp::writeFile(path, strip));
    t.dialogs.fileNames = {path};
    window->selectCanvasImage();
    EXPECT_TRUE(window->canvasImageLoaded());
    EXPECT_EQ(window->canvasFileName(), path);
    EXPECT_EQ(window->canvasType(), CanvasType::SolidColour) << "loading does not change the type";
    EXPECT_EQ(t.dialogs.fileDialogs, QStringList{"Duza Zidova"});

    window->selectCanvasImage();
    EXPECT_EQ(window->canvasType(), CanvasType::LoadedImage);
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
    window->selectCanvasImage();
    EXPECT_FALSE(window->canvasImageLoaded());
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
    EXPECT_EQ(SettingsStore(paint::settings::ModuleKey).readString("Defaults", "CanvasFileName", "x"), "");
    EXPECT_EQ(window->canvasFileName(), path) << "the window keeps its previous name";
}

TEST_F(PaintWindowTest, SaveAsWritesTheBitmapAndOpenReadsItBack)
{
    useCanvasOfSize(64, 48);
    click(QPoint(10, 10));
    const QString path = files.filePath("drawing");
    t.dialogs.fileNames = {path};
    EXPECT_TRUE(window->save());
    EXPECT_EQ(window->fileName(), path + ".bmp");
    EXPECT_EQ(window->windowTitle(), "Duza Zidova - " + path + ".bmp");
    EXPECT_TRUE(window->saved());
    EXPECT_EQ(window->recentFiles().slot(1), path + ".bmp");
    EXPECT_TRUE(window->findChild<QPushButton*>("recentFileButton1")->isEnabled());
    EXPECT_EQ(window->findChild<QPushButton*>("recentFileButton1")->text(), "1. " + path + ".bmp");
    EXPECT_FALSE(window->findChild<QPushButton*>("recentFileButton2")->isEnabled());
    const QImage drawn = window->picture().image().copy();

    window->invertPicture();
    EXPECT_FALSE(window->saved());
    t.dialogs.answers = {platform::No};
    t.dialogs.fileNames = {path + ".bmp"};
    window->openFile();
    EXPECT_TRUE(window->saved());
    EXPECT_EQ(window->picture().image(), drawn);
    EXPECT_EQ(window->picture().format(), paint::PixelFormat::Rgb32);
    EXPECT_EQ(window->picture().pen().width, 25);
}

TEST_F(PaintWindowTest, AFailedSaveSaysSoForgetsTheNameAndKeepsTheWindowOpen)
{
    useCanvasOfSize(32, 32);
    click(QPoint(10, 10));
    const QString path = files.filePath("missing-folder/drawing.bmp");
    t.dialogs.fileNames = {path};
    EXPECT_FALSE(window->saveAs());
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, CouldNotSave);
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

TEST_F(PaintWindowTest, OpenRefusesOtherFilesAndAlwaysRestoresThePen)
{
    const QString icon = files.filePath("picture.ico");
    ASSERT_TRUE(paint::bmp::writeFile(icon, QImage(4, 4, QImage::Format_RGB32)));
    window->selectColourMode(ColourMode::RedGradient);
    for (int i = 0; i < 5; ++i)
        hover(QPoint(3, 3));   // no stroke: the pen is not stepped
    click(QPoint(3, 3));
    EXPECT_EQ(window->picture().pen().colour, 1u);
    const QImage drawn = window->picture().image().copy();
    t.dialogs.answers = {platform::No};
    t.dialogs.fileNames = {icon};
    window->openFile();
    ASSERT_EQ(t.dialogs.asked.size(), 2);
    EXPECT_EQ(t.dialogs.asked[1].text, "File Corrupted or not a valid .BMP format file");
    EXPECT_EQ(window->picture().image(), drawn);
    EXPECT_FALSE(window->saved());
    EXPECT_EQ(window->picture().pen().colour, 0u) << "the red gradient starts again";

    // Cancel at the save question: nothing opened, the pen still restored.
    click(QPoint(3, 3));
    t.dialogs.answers = {platform::Cancel};
    window->openFile();
    EXPECT_EQ(window->picture().pen().colour, 0u);
    EXPECT_EQ(t.dialogs.fileDialogs.size(), 1);
}

TEST_F(PaintWindowTest, ASaveThatDoesNotHappenKeepsTheDrawing)
{
    useCanvasOfSize(60, 40);
    click(QPoint(20, 20));
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
    window->selectColourMode(ColourMode::BlueGradient);
    click(QPoint(20, 20));
    t.dialogs.answers = {platform::Yes};
    t.dialogs.fileDialogs.clear();
    window->openFile();
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

TEST_F(PaintWindowTest, HintsAndHelpReadAsWritten)
{
    const QString crlf = "\r\n";
    const std::pair<const char*, QString> hints[] = {
        {"openButton", "Opens a previous .bmp format drawing.   "},
        {"saveAsButton", "Saves the current drawing to disk in .bmp format, under a different filename"},
        {"recentFileButton3", "Click here to open this previously saved file.  "},
        {"mixLightBrushButton", "Mix selected paint color with color underneath (light) "},
        {"brushWidthSlider", "Move indicator to select brush width, move left for a smaller brush, or right for a larger one.  "},
        {"orangeYellowCanvasButton", "Creates an Orange/Yellow Gradient backdrop for future canvases.  Use \"New Canvas\" afterwards.  "},
        {"solidCanvasButton", "Selects a solid background color for future canvases.  " + crlf
                            + "Once selected, click \"New Canvas\" to create.  "},
        {"webbedButton", "When the Webbed Pattern is turned on, lines are drawn from the point where you originally click.  "
                           + crlf + crlf
                           + "To get a better idea of what it does, try drawing with this option off and then with it on.  "},
        {"pickUpSecondColourButton", "In pick up color mode you can select any color used in the drawing as the 2nd Color in "
                         "Replacement/Outline functions.  " + crlf
                         + "Just move the mouse pointer over the color you wish to use (it will be shown on the menu bar) and click.  "},
        {"resetSizeButton", "Click here to put back current image Width/Height "},
        {"invertButton", "Inverts the entire image.  To undo, do a second time.  "},
    };
    for (const auto& [name, text] : hints) {
        auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_TRUE(widget) << name;
        EXPECT_EQ(widget->toolTip(), text) << name;
    }
    // No control of the built drop-downs lost its hint: every choice, box
    // and colour shape has one, except the size captions and the colour
    // samples beside the two "Solid Color" buttons.
    int controls = 0;
    for (BarMenu menu : {BarMenu::File, BarMenu::Canvas, BarMenu::Brush, BarMenu::Effects, BarMenu::Colour,
                         BarMenu::Utilities}) {
        for (QWidget* control : window->dropDown(menu)->findChildren<QWidget*>()) {
            const QString name = control->objectName();
            const bool choice = qobject_cast<QPushButton*>(control) || qobject_cast<QLineEdit*>(control)
                                || qobject_cast<QSlider*>(control) || name.endsWith("Shape");
            if (!choice || name == "widthButton" || name == "heightButton" || name == "canvasColourShape"
                || name == "drawColourShape")
                continue;
            ++controls;
            EXPECT_FALSE(control->toolTip().isEmpty()) << name.toStdString();
        }
    }
    EXPECT_EQ(controls, 8 + 9 + 3 + 1 + 2 + 6 + 4 + 3 + 2 + 5) << "controls in the drop-downs";
    EXPECT_EQ(window->findChild<QWidget*>("HelpPanel")->toolTip(),
              "Duza Zidova" + crlf + crlf
                  + "This module allows you to create dazzling multi-colored patterns regardless of artistic ability!  " + crlf
                  + "To start drawing, simply click anywhere on the canvas and move the mouse with the button held down.  " + crlf
                  + "To learn about the various menu options just pause the mouse over them.  " + crlf);
}

TEST_F(PaintWindowTest, RecentFilesOpenAndMoveToTheTop)
{
    useCanvasOfSize(16, 16);
    QStringList paths;
    for (int i = 1; i <= 4; ++i) {
        paths << files.filePath(QStringLiteral("f%1.bmp").arg(i));
        t.dialogs.fileNames = {paths.last()};
        ASSERT_TRUE(window->saveAs());
    }
    // f3 is in slot 3: it swaps with slot 1.
    window->openRecentFile(3);
    EXPECT_EQ(window->fileName(), paths[2]);
    EXPECT_EQ(window->recentFiles().slot(1), paths[2]);
    EXPECT_EQ(window->recentFiles().slot(2), paths[1]);
    EXPECT_EQ(window->recentFiles().slot(3), paths[0]);
    EXPECT_EQ(window->recentFiles().slot(4), paths[3]);

    // A listed file that has gone says so and stays listed.
    QFile::remove(paths[3]);
    window->openRecentFile(4);
    ASSERT_FALSE(t.dialogs.asked.isEmpty());
    EXPECT_EQ(t.dialogs.asked.last().text, "Unable to load file");
    EXPECT_EQ(window->recentFiles().slot(4), paths[3]);
    EXPECT_EQ(window->fileName(), paths[2]);
}

TEST_F(PaintWindowTest, SizeBoxesShowThePictureInEachUnit)
{
    useCanvasOfSize(640, 400);
    EXPECT_EQ(window->widthBox()->text(), "640");
    EXPECT_EQ(window->heightBox()->text(), "400");
    window->showSizesIn(paint::sizeunits::Unit::Cm);
    EXPECT_EQ(window->widthBox()->text(), "17.30");
    EXPECT_EQ(window->heightBox()->text(), "10.81");
    EXPECT_EQ(window->newSize(), QSize(640, 400));
    window->showSizesIn(paint::sizeunits::Unit::Pixels);
    EXPECT_EQ(window->widthBox()->text(), "640");
    EXPECT_EQ(window->heightBox()->text(), "400");

    // Typing: a full stop never goes in for pixels, letters are cleaned out.
    QLineEdit* box = window->widthBox();
    window->hoverBarButton(BarMenu::Utilities);
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "1.2a");
    EXPECT_EQ(box->text(), "12");
    EXPECT_EQ(window->newSize(), QSize(12, 400));

    t.dialogs.answers = {platform::Yes};
    window->resizePicture();
    EXPECT_EQ(window->picture().size(), QSize(12, 400));
    EXPECT_FALSE(window->saved());

    window->resetSizes();
    t.dialogs.asked.clear();
    window->resizePicture();
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, "You have not specified a new size");
}

TEST_F(PaintWindowTest, ResizeAsksHowAndRefusesSizesNoFileCanHold)
{
    useCanvasOfSize(40, 30);
    window->picture().setPixelAt(39, 29, window->picture().storedPixel(0x0000FF));
    window->widthBox()->setText("80");
    t.dialogs.answers = {platform::No};
    window->resizePicture();
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, "Do you want the existing image resized to fit the new dimensions?");
    EXPECT_EQ(t.dialogs.asked[0].buttons, platform::Yes | platform::No);
    EXPECT_EQ(window->picture().size(), QSize(80, 30));
    EXPECT_EQ(window->picture().colourAt(39, 29), 0x0000FFu) << "drawn unscaled at the top left";
    EXPECT_EQ(window->picture().colourAt(79, 29), 0xFFFFFFu) << "white where it grew";

    // Too wide for any bitmap file: refused before the question.
    t.dialogs.asked.clear();
    window->widthBox()->setText("99999");
    window->resizePicture();
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, "Out of Memory");
    EXPECT_EQ(window->picture().size(), QSize(80, 30));
}

TEST_F(PaintWindowTest, SizeBoxesLimitTypingButShowAnySizeInFull)
{
    useCanvasOfSize(40000, 1);
    window->showSizesIn(paint::sizeunits::Unit::Cm);
    EXPECT_EQ(window->widthBox()->text(), "1081.08");
    EXPECT_EQ(window->newSize(), QSize(40000, 1));
    window->resetSizes();
    t.dialogs.asked.clear();
    window->resizePicture();
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, "You have not specified a new size");

    // Typing stops at six characters; in cm one full stop goes in.
    QLineEdit* box = window->heightBox();
    window->hoverBarButton(BarMenu::Utilities);
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, "12.3.4567");
    EXPECT_EQ(box->text(), "12.345");
    EXPECT_EQ(window->newSize().height(), qRound(12.345 * 37));
}

TEST_F(PaintWindowTest, StoredDefaultsAreWrittenWhenTheWindowGoesAndReadNextTime)
{
    window->selectCanvasType(CanvasType::OrangeYellow);
    window->selectBrush(paint::BrushType::MixLight);
    window->findChild<QSlider*>("brushWidthSlider")->setValue(40);
    window->toggleWebbed();
    window->selectColourMode(ColourMode::BlueGradient);
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
    EXPECT_EQ(window->canvasType(), CanvasType::OrangeYellow);
    EXPECT_EQ(window->brushType(), paint::BrushType::MixLight);
    EXPECT_EQ(window->picture().pen().mode, paint::RasterMode::MergeNotDest);
    EXPECT_EQ(window->picture().pen().width, 40);
    EXPECT_FALSE(window->webbed());
    EXPECT_EQ(window->colours().mode(), ColourMode::BlueGradient);
    EXPECT_EQ(window->picture().colourAt(0, 0), 0x0063FFu) << "orange at the top of Orange/Yellow";
}

TEST_F(PaintWindowTest, UtilitiesReplaceOutlineAndInvertMarkThePictureChanged)
{
    useCanvasOfSize(50, 40);
    window->replaceFirstColour();   // black does not occur: nothing changes but the flag
    EXPECT_FALSE(window->saved());
    EXPECT_EQ(window->picture().colourAt(10, 10), 0xFFFFFFu);
    const QImage before = window->picture().image().copy();
    window->invertPicture();
    EXPECT_EQ(window->picture().colourAt(10, 10), 0x000000u);
    window->invertPicture();
    EXPECT_EQ(window->picture().image(), before);
}

TEST_F(PaintWindowTest, TheCanvasTurnsWindowPositionsIntoPicturePointsScrolledOrNot)
{
    useCanvasOfSize(1500, 1200);
    window->toggleMirror();
    window->selectColourMode(ColourMode::Solid);
    auto* area = window->findChild<QScrollArea*>("scrollArea");
    ASSERT_TRUE(area);
    ASSERT_GE(area->horizontalScrollBar()->maximum(), 300);
    ASSERT_GE(area->verticalScrollBar()->maximum(), 200);
    area->horizontalScrollBar()->setValue(300);
    area->verticalScrollBar()->setValue(200);
    // Through the window system, as a user's mouse comes: the window finds
    // the canvas under the pointer and the canvas adds the scrolling.
    QWindow* handle = window->windowHandle();
    const QPoint inWindow(100, PaintWindow::BarHeight + 80);
    QTest::mousePress(handle, Qt::LeftButton, {}, inWindow);
    EXPECT_TRUE(window->penDown());
    EXPECT_EQ(window->lineStart(), QPoint(400, 280));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, inWindow);
    EXPECT_FALSE(window->penDown());
    EXPECT_EQ(window->picture().colourAt(400, 280), 0x0000FFu);
    EXPECT_EQ(window->picture().colourAt(100, 80), 0xFFFFFFu) << "not where the picture would be unscrolled";

    // Unscrolled, beside a small picture: the grey around it answers the
    // mouse as the picture does, in picture coordinates past its edge.
    useCanvasOfSize(200, 150);
    ASSERT_EQ(area->horizontalScrollBar()->value(), 0);
    const QPoint besidePicture(210, PaintWindow::BarHeight + 40);
    QTest::mousePress(handle, Qt::LeftButton, {}, besidePicture);
    EXPECT_EQ(window->lineStart(), QPoint(210, 40));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, besidePicture);
    EXPECT_EQ(window->picture().colourAt(199, 40), 0x0000FFu) << "the dot's edge reaches into the picture";
    EXPECT_EQ(window->picture().colourAt(199, 60), 0xFFFFFFu);

    // Scrolled sideways, below a wide, low picture: the grey adds the scrolling too.
    useCanvasOfSize(1500, 150);
    area->horizontalScrollBar()->setValue(300);
    ASSERT_EQ(area->horizontalScrollBar()->value(), 300);
    const QPoint belowPicture(100, PaintWindow::BarHeight + 160);
    QTest::mousePress(handle, Qt::LeftButton, {}, belowPicture);
    EXPECT_EQ(window->lineStart(), QPoint(400, 160));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, belowPicture);
    EXPECT_EQ(window->picture().colourAt(400, 149), 0x0000FFu);
    EXPECT_EQ(window->picture().colourAt(100, 149), 0xFFFFFFu);

    // A move over the grey closes the drop-downs as one over the picture does.
    window->hoverBarButton(BarMenu::Colour);
    moveMouse(area->viewport(), QPoint(400, 300), Qt::NoButton);
    EXPECT_EQ(window->openDropDown(), BarMenu::None);
}

TEST_F(PaintWindowTest, AnyButtonDrawsAndADoubleClickIsAPressToo)
{
    useCanvasOfSize(300, 200);
    window->toggleMirror();
    window->toggleWebbed();
    window->selectColourMode(ColourMode::Solid);
    for (const auto& [button, y] : {std::pair(Qt::RightButton, 30), std::pair(Qt::MiddleButton, 90)}) {
        press(QPoint(30, y), button);
        EXPECT_TRUE(window->penDown()) << y;
        drag(QPoint(150, y), button);
        release(QPoint(150, y), button);
        EXPECT_FALSE(window->penDown()) << y;
        EXPECT_EQ(window->picture().colourAt(90, y), 0x0000FFu) << y;
    }
    // The second press of a double click starts a stroke of its own.
    click(QPoint(250, 150));
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(270, 180), QPointF(view()->mapToGlobal(QPoint(270, 180))),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view(), &doubleClick);
    EXPECT_TRUE(window->penDown());
    EXPECT_EQ(window->lineStart(), QPoint(270, 180));
    EXPECT_EQ(window->picture().colourAt(270, 180), 0x0000FFu);
    release(QPoint(270, 180));
    EXPECT_FALSE(window->penDown());
}

TEST_F(PaintWindowTest, ClosingWithUnsavedWorkKeepsTheDrawingUnlessItIsSavedOrGivenUp)
{
    useCanvasOfSize(60, 40);
    click(QPoint(20, 20));
    const QImage drawn = window->picture().image().copy();
    QSignalSpy released(window.data(), &PaintWindow::released);
    // Yes, then the save dialog cancelled: the window and the drawing stay.
    t.dialogs.answers = {platform::Yes};
    EXPECT_FALSE(window->close());
    ASSERT_EQ(t.dialogs.asked.size(), 1);
    EXPECT_EQ(t.dialogs.asked[0].text, SaveQuestion);
    EXPECT_EQ(t.dialogs.asked[0].buttons, platform::Yes | platform::No | platform::Cancel);
    EXPECT_EQ(t.dialogs.fileDialogs, QStringList{"Duza Zidova"});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->picture().image(), drawn);
    EXPECT_FALSE(window->saved());
    EXPECT_EQ(released.count(), 0);

    // Yes and a save that works: the file holds the drawing and the window goes.
    const QString path = files.filePath("kept.bmp");
    t.dialogs.answers = {platform::Yes};
    t.dialogs.fileNames = {path};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(released.count(), 1);
    const auto written = paint::bmp::readFile(path);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->convertToFormat(QImage::Format_RGB32), drawn.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(SettingsStore(paint::settings::ModuleKey).readString("Files", "File1", ""), path);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(PaintWindowTest, TheProgramsShutDownAsksThenReleasesWithoutAskingAgain)
{
    UtilityWindow* utility = window.data();
    EXPECT_TRUE(utility->queryClose()) << "nothing to save, nothing asked";
    EXPECT_TRUE(t.dialogs.asked.isEmpty());

    useCanvasOfSize(60, 40);
    click(QPoint(20, 20));
    QSignalSpy released(window.data(), &PaintWindow::released);
    t.dialogs.answers = {platform::Cancel};
    EXPECT_FALSE(utility->queryClose());
    t.dialogs.answers = {platform::Yes};
    t.dialogs.fileNames = {files.filePath("gone/drawing.bmp")};
    EXPECT_FALSE(utility->queryClose()) << "a save that fails keeps the window";
    EXPECT_EQ(t.dialogs.asked.last().text, CouldNotSave);
    t.dialogs.answers = {platform::No};
    EXPECT_TRUE(utility->queryClose());
    EXPECT_EQ(released.count(), 0) << "asking lets nothing go";
    EXPECT_TRUE(window->isVisible());
    const qsizetype questions = t.dialogs.asked.size();

    window->toggleWebbed();
    utility->release();
    EXPECT_EQ(released.count(), 1);
    EXPECT_EQ(t.dialogs.asked.size(), questions) << "release asks nothing";
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(SettingsStore(paint::settings::ModuleKey).readString("Defaults", "Webbed", ""), "2");
    utility->release();
    EXPECT_EQ(released.count(), 1) << "once only";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(PaintWindowTest, ThePicturesFileIsADocumentFileThatTheCaptionAndRecentButtonsFollow)
{
    useCanvasOfSize(20, 20);
    click(QPoint(5, 5));
    DocumentFile& file = window->document().file();
    EXPECT_FALSE(file.isSaved());
    // Saved through the file itself: the window's caption and recent
    // buttons follow it, and the bitmap is written.
    const QString path = files.filePath("wired");
    t.dialogs.fileNames = {path};
    ASSERT_TRUE(file.saveAs());
    EXPECT_EQ(t.dialogs.fileDialogs, QStringList{"Duza Zidova"});
    EXPECT_EQ(window->windowTitle(), "Duza Zidova - " + path + ".bmp");
    EXPECT_EQ(window->findChild<QPushButton*>("recentFileButton1")->text(), "1. " + path + ".bmp");
    EXPECT_TRUE(window->saved());
    EXPECT_TRUE(paint::bmp::readFile(path + ".bmp").has_value());
    file.reset();
    EXPECT_EQ(window->windowTitle(), "Duza Zidova");

    // The File menu's Save, clicked, goes through the same file: with no
    // name it asks for one, and a failure is the file's message.
    click(QPoint(5, 5));
    window->hoverBarButton(BarMenu::File);
    t.dialogs.fileNames = {files.filePath("gone/wired.bmp")};
    QTest::mouseClick(window->findChild<QPushButton*>("saveButton"), Qt::LeftButton);
    EXPECT_EQ(window->openDropDown(), BarMenu::None);
    EXPECT_EQ(t.dialogs.fileDialogs.size(), 2);
    ASSERT_FALSE(t.dialogs.asked.isEmpty());
    EXPECT_EQ(t.dialogs.asked.last().text, CouldNotSave);
    EXPECT_FALSE(file.isSaved());
    // And the save question before a new canvas is the file's, in the window's words.
    t.dialogs.answers = {platform::Cancel};
    EXPECT_FALSE(window->createCanvas());
    EXPECT_EQ(t.dialogs.asked.last().text, SaveQuestion);
    EXPECT_EQ(t.dialogs.asked.last().buttons, platform::Yes | platform::No | platform::Cancel);
}

} // namespace
