#include "paint/PaintWindow.h"

#include "TestServices.h"
#include "../common/ScopedConfigDir.h"
#include "app/Panel.h"
#include "paint/BmpCodec.h"
#include "paint/CanvasView.h"
#include "paint/TextCompositor.h"
#include "common/AccessibleValue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

using paint::ColourMode;
using paint::ColourValue;
using paint::PatternCurve;
using paint::PatternParameters;
using paint::TextCompositor;
using platform::MessageKind;
using BarMenu = PaintWindow::BarMenu;

const QString NotValidBmp = "File Corrupted or not a valid .BMP format file";

// The paint window as the program shows it, first canvas made, with the
// helpers to reach the two menus' controls the way a user does.
class PatternAndTextWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = new PaintWindow(t.services);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        window->activated();
        window->createFirstCanvasIfPending();
    }

    void TearDown() override
    {
        delete window.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename T = QWidget>
    T* child(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }

    // Opens a menu by moving the pointer over its bar button, then clicks one
    // of its buttons with the mouse.
    void clickIn(BarMenu menu, const char* button)
    {
        QTest::mouseMove(window->barButton(menu), QPoint(10, 10));
        auto* target = child<QPushButton>(button);
        ASSERT_TRUE(target->isVisible()) << button << " menu open: " << int(window->openDropDown());
        QTest::mouseClick(target, Qt::LeftButton);
    }

    void clickSample(const char* name)
    {
        QTest::mouseMove(window->barButton(BarMenu::ZeVav), QPoint(10, 10));
        auto* list = child<QListWidget>("samplesList");
        const auto items = list->findItems(QString::fromLatin1(name), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name;
        list->scrollToItem(items.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
    }

    QWidget* view() const { return window->canvasView(); }
    void moveOnPicture(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(view()->mapToGlobal(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view(), &move);
    }

    // Waits for the pattern timer's tick to draw what is waiting.
    bool waitForPattern() { return QTest::qWaitFor([&] { return !window->patternWaiting(); }, 2000); }

    QString readOut(const char* name) { return accessible::readName(child(name)); }

    ScopedConfigDir config;
    QTemporaryDir files;
    TestServices t;
    QPointer<PaintWindow> window;
};

// ---------------------------------------------------------------- ZE-Vav

TEST_F(PatternAndTextWindowTest, ScrollBarsStartAtTheInitialValuesAndTheirReadOutsSayThem)
{
    EXPECT_EQ(window->patternParameters(), PatternParameters({192, 48, 30, 30, 30}));
    const struct { const char* bar; const char* readout; int lowest; int highest; const char* spoken; } bars[5] = {
        {"ringScrollBar", "ringReadout", 1, 247, "Ring radius A: 192"},
        {"wheelScrollBar", "wheelReadout", 1, 176, "Wheel radius B: 48"},
        {"penDistanceScrollBar", "penDistanceReadout", 1, 240, "Pen distance D: 30"},
        {"qualityScrollBar", "qualityReadout", 1, 200, "Quality Q: 30"},
        {"widthScrollBar", "widthReadout", 1, 40, "Line width W: 30"},
    };
    for (const auto& b : bars) {
        auto* bar = child<QScrollBar>(b.bar);
        EXPECT_EQ(bar->minimum(), b.lowest) << b.bar;
        EXPECT_EQ(bar->maximum(), b.highest) << b.bar;
        EXPECT_EQ(readOut(b.readout), b.spoken);
        EXPECT_EQ(child<QLabel>(b.readout)->text(), QString::number(bar->value()));
    }
    auto* list = child<QListWidget>("samplesList");
    EXPECT_EQ(list->count(), 14);
    EXPECT_EQ(list->currentItem()->text(), "None");

    // A step with the keyboard: the read-out follows, for the eye and the ear.
    auto* ring = child<QScrollBar>("ringScrollBar");
    QTest::keyClick(ring, Qt::Key_Right);
    EXPECT_EQ(ring->value(), 193);
    EXPECT_EQ(child<QLabel>("ringReadout")->text(), "193");
    EXPECT_EQ(readOut("ringReadout"), "Ring radius A: 193");
}

TEST_F(PatternAndTextWindowTest, ASampleSetsValuesAndColourModeWithoutDrawingAndAnyBarGoesBackToNone)
{
    const QImage before = window->picture().image().copy();
    clickSample("Red Gradient");
    EXPECT_EQ(window->patternParameters(), PatternParameters({190, 48, 30, 30, 30}));
    EXPECT_EQ(window->colours().mode(), ColourMode::RedGradient);
    EXPECT_EQ(window->picture().pen().colour, 0u) << "the ramp's start, as the Color menu sets it";
    EXPECT_TRUE(window->colours().rising());
    EXPECT_TRUE(child<QLabel>("redGradientLamp")->isVisibleTo(window->dropDown(BarMenu::Colour)));
    EXPECT_EQ(child<QListWidget>("samplesList")->currentItem()->text(), "Red Gradient");
    EXPECT_EQ(window->picture().image(), before) << "choosing a sample draws nothing";
    EXPECT_TRUE(window->saved());
    EXPECT_EQ(readOut("ringReadout"), "Ring radius A: 190");

    clickSample("Flower");
    EXPECT_EQ(window->patternParameters(), PatternParameters({60, 105, 99, 7, 3}));
    EXPECT_EQ(window->colours().mode(), ColourMode::Random);
    EXPECT_EQ(window->chosenSample(), 5);

    QTest::keyClick(child<QScrollBar>("widthScrollBar"), Qt::Key_Left);
    EXPECT_EQ(window->chosenSample(), 0);
    EXPECT_EQ(child<QListWidget>("samplesList")->currentItem()->text(), "None");
    // "None" changes nothing.
    clickSample("None");
    EXPECT_EQ(window->patternParameters(), PatternParameters({60, 105, 99, 7, 2}));
    EXPECT_EQ(window->colours().mode(), ColourMode::Random);
}

TEST_F(PatternAndTextWindowTest, RandomizeTakesAllFiveFromTheServicesGenerator)
{
    clickSample("Cushion");
    t.random.seed(4242);
    platform::Random expected;
    expected.seed(4242);
    clickIn(BarMenu::ZeVav, "randomizeValuesButton");
    const PatternParameters p = window->patternParameters();
    EXPECT_EQ(p.ring, expected.between(1, 247));
    EXPECT_EQ(p.wheel, expected.between(1, 176));
    EXPECT_EQ(p.penDistance, expected.between(1, 240));
    EXPECT_EQ(p.quality, expected.between(1, 200));
    EXPECT_EQ(p.width, expected.between(1, 40));
    EXPECT_EQ(window->chosenSample(), 0);
}

TEST_F(PatternAndTextWindowTest, DrawPatternShowsTheHourglassThenDrawsTheWholeCurveInOneTick)
{
    // A picture saved to a file first: drawing a pattern lets go of the file.
    const QString path = files.filePath("before.bmp");
    t.dialogs.fileNames = {path};
    ASSERT_TRUE(window->saveAs());
    ASSERT_EQ(window->windowTitle(), "Duza Zidova - " + path);

    clickSample("Red Gradient");
    const QImage before = window->picture().image().copy();
    clickIn(BarMenu::ZeVav, "drawPatternButton");
    EXPECT_EQ(window->openDropDown(), BarMenu::None);
    EXPECT_FALSE(child("drawPatternButton")->isVisibleTo(window->dropDown(BarMenu::ZeVav)));
    EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
    EXPECT_TRUE(window->patternWaiting());
    EXPECT_FALSE(window->saved());
    EXPECT_TRUE(window->fileName().isEmpty()) << "the next Save asks for a name";
    EXPECT_EQ(window->windowTitle(), "Duza Zidova");
    EXPECT_EQ(window->picture().image(), before) << "drawn at the timer's tick, not in the click";

    ASSERT_TRUE(waitForPattern());
    EXPECT_NE(window->picture().image(), before);
    EXPECT_TRUE(child("drawPatternButton")->isVisibleTo(window->dropDown(BarMenu::ZeVav)));
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // 1440 red steps from the start of the ramp.
    paint::ColourStepper expected;
    paint::Pen pen;
    expected.setMode(ColourMode::RedGradient, pen);
    for (int i = 0; i < 1440; ++i)
        expected.step(pen, t.random);
    EXPECT_EQ(window->picture().pen().colour, pen.colour);
    // The curve closes at its start point, right of the window's centre.
    const QPoint centre = PatternCurve::centreFor(window->size(), PaintWindow::BarHeight);
    EXPECT_EQ(window->picture().colourAt(centre.x() + 190 - 48 + 30, centre.y()), pen.colour);
    EXPECT_EQ(window->picture().colourAt(centre.x(), centre.y()), 0x00FFFFu) << "the middle stays canvas yellow";
}

TEST_F(PatternAndTextWindowTest, AfterAPatternFreehandDrawsWithThePatternsWidthUntilTheBrushWidthChanges)
{
    window->toggleMirror();
    window->setPatternParameters({100, 100, 20, 5, 40});
    window->drawPattern();
    ASSERT_TRUE(waitForPattern());
    EXPECT_EQ(window->picture().pen().width, 40);
    EXPECT_EQ(window->brushWidth(), 25) << "the Brush menu still shows its own width";

    // A dot at (60, 60): width 40 reaches 19 pixels out, width 25 only 12.
    window->selectColourMode(ColourMode::Solid);
    const QPoint at(60, 60);
    QTest::mouseClick(view(), Qt::LeftButton, {}, at);
    EXPECT_EQ(window->picture().colourAt(at.x() + 19, at.y()), 0x0000FFu);

    child<QSlider>("brushWidthSlider")->setValue(24);
    EXPECT_EQ(window->picture().pen().width, 24);
    // A new canvas from the ZE-Vav menu takes the brush width too.
    window->setPatternParameters({100, 100, 20, 5, 33});
    window->drawPattern();
    ASSERT_TRUE(waitForPattern());
    t.dialogs.answers = {platform::No};
    window->hoverBarButton(BarMenu::ZeVav);
    QTest::mouseClick(child<QPushButton>("patternNewCanvasButton"), Qt::LeftButton);
    EXPECT_EQ(t.dialogs.asked.last().text, "Do you wish to save your current pattern?");
    EXPECT_EQ(window->picture().pen().width, 24);
    EXPECT_TRUE(window->saved());
}

// ---------------------------------------------------------------- Text-FX

TEST_F(PatternAndTextWindowTest, TextMenuStartsInTimesNewRoman48WithBlueCyanOutlineAndPreview)
{
    EXPECT_EQ(window->textFont().family(), "Times New Roman");
    EXPECT_EQ(window->textFont().pointSize(), 48);
    EXPECT_EQ(window->material(), 3);
    EXPECT_TRUE(window->textOutlined());
    EXPECT_TRUE(window->autoPreview());
    EXPECT_TRUE(window->composedText().isNull());
    QWidget* menu = window->dropDown(BarMenu::TextEffects);
    EXPECT_TRUE(child("textOutlineLamp")->isVisibleTo(menu));
    EXPECT_TRUE(child("autoPreviewLamp")->isVisibleTo(menu));
    EXPECT_FALSE(child<QLabel>("textOutlineLamp")->pixmap().isNull()) << "lamps carry the shared lamp picture";
    EXPECT_FALSE(child<QLabel>("autoPreviewLamp")->pixmap().isNull());
    EXPECT_EQ(child<Panel>("materialBack3")->colour(), QColor(Qt::yellow));
    EXPECT_EQ(child<Panel>("materialBack1")->colour(), QColor(Qt::black));
    EXPECT_EQ(accessible::readName(child("material3Button")), "Material 3, Blue/Cyan: selected");
    EXPECT_EQ(accessible::readName(child("material1Button")), "Material 1, Red: not selected");

    clickIn(BarMenu::TextEffects, "textOutlineButton");
    EXPECT_FALSE(window->textOutlined());
    EXPECT_FALSE(child("textOutlineLamp")->isVisibleTo(menu));
    EXPECT_EQ(accessible::readName(child("textOutlineLamp")), "Outline: not selected");
}

TEST_F(PatternAndTextWindowTest, TypingComposesThePreviewUnlessAutoPreviewIsOff)
{
    QTest::mouseMove(window->barButton(BarMenu::TextEffects), QPoint(10, 10));
    QTest::keyClicks(window->textBox(), "Orvik");
    ASSERT_FALSE(window->composedText().isNull());
    const QImage five = window->composedText();
    EXPECT_EQ(five, TextCompositor::compose("Orvik", TextCompositor::startFont(), Qt::black,
                                            TextCompositor::materialPicture(3, {}), true));
    EXPECT_EQ(child<QLabel>("textPreview")->pixmap().size(), five.size());

    clickIn(BarMenu::TextEffects, "autoPreviewButton");
    EXPECT_FALSE(window->autoPreview());
    QTest::keyClicks(window->textBox(), " 2000");
    EXPECT_EQ(window->composedText(), five) << "auto preview off: typing changes nothing";
    clickIn(BarMenu::TextEffects, "material1Button");
    EXPECT_EQ(window->material(), 1);
    EXPECT_EQ(window->composedText(), five);

    // Adding the text still composes what is there now.
    clickIn(BarMenu::TextEffects, "addTextButton");
    EXPECT_TRUE(window->placingText());
    EXPECT_EQ(window->composedText(), TextCompositor::compose("Orvik 2000", TextCompositor::startFont(), Qt::black,
                                                              TextCompositor::materialPicture(1, {}), true));
    EXPECT_FALSE(window->autoPreview()) << "the lamp stays as it was";
    EXPECT_EQ(window->openDropDown(), BarMenu::None);
}

TEST_F(PatternAndTextWindowTest, TheFontDialogChangesTheFontOnOkOnly)
{
    window->textBox()->setText("Hi");
    const QImage before = window->composedText();
    clickIn(BarMenu::TextEffects, "fontButton");   // no answer: Cancel
    EXPECT_EQ(t.dialogs.fontDialogs, 1);
    EXPECT_EQ(window->textFont().pointSize(), 48);
    EXPECT_EQ(window->composedText(), before);

    QFont small(QStringLiteral("Courier New"));
    small.setPointSize(12);
    t.dialogs.fontAnswers = {{true, small, QColor(0, 0, 255)}};
    clickIn(BarMenu::TextEffects, "fontButton");
    EXPECT_EQ(window->textFont().family(), "Courier New");
    EXPECT_EQ(window->textColour(), QColor(0, 0, 255));
    EXPECT_LT(window->composedText().height(), before.height());
}

TEST_F(PatternAndTextWindowTest, LoadingAMaterialTakesABitmapAndAFailureFallsBackToTheRedMaterial)
{
    window->textBox()->setText("Hi");
    // Cancel: material 6 selected, with no picture yet.
    clickIn(BarMenu::TextEffects, "loadMaterialButton");
    EXPECT_EQ(window->material(), 6);
    EXPECT_EQ(t.dialogs.fileDialogs.last(), "Duza Zidova");

    // Pure white material: the letters come out (250, 250, 250), not holes.
    QImage white(8, 8, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QString whitePath = files.filePath("white.bmp");
    ASSERT_TRUE(paint::bmp::writeFile(whitePath, white));
    t.dialogs.fileNames = {whitePath};
    clickIn(BarMenu::TextEffects, "loadMaterialButton");
    EXPECT_EQ(window->material(), 6);
    EXPECT_EQ(child<Panel>("materialBack6")->colour(), QColor(Qt::yellow));
    int whiteMaterial = 0;
    const QImage& composed = window->composedText();
    for (int y = 0; y < composed.height(); ++y)
        for (int x = 0; x < composed.width(); ++x)
            whiteMaterial += composed.pixel(x, y) == TextCompositor::WhiteMaterial ? 1 : 0;
    EXPECT_GT(whiteMaterial, 50);

    // Not a bitmap: the message, and the red material instead.
    const QString junk = files.filePath("junk.bmp");
    QFile file(junk);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    t.dialogs.fileNames = {junk};
    clickIn(BarMenu::TextEffects, "loadMaterialButton");
    ASSERT_FALSE(t.dialogs.asked.isEmpty());
    EXPECT_EQ(t.dialogs.asked.last().text, NotValidBmp);
    EXPECT_EQ(t.dialogs.asked.last().kind, MessageKind::Information);
    EXPECT_EQ(window->material(), 1);
    EXPECT_EQ(child<Panel>("materialBack1")->colour(), QColor(Qt::yellow));
    EXPECT_EQ(child<Panel>("materialBack6")->colour(), QColor(Qt::black));
    EXPECT_EQ(window->composedText(), TextCompositor::compose("Hi", TextCompositor::startFont(), Qt::black,
                                                              TextCompositor::materialPicture(1, {}), true));
}

TEST_F(PatternAndTextWindowTest, TheFloatingTextFollowsThePointerAndDropsClippedAtTheEdges)
{
    window->textBox()->setText("Orvik");
    const QImage composed = window->composedText();
    const QImage before = window->picture().image().copy();
    clickIn(BarMenu::TextEffects, "addTextButton");
    ASSERT_TRUE(window->placingText());
    auto* floating = child("floatingText");
    EXPECT_TRUE(floating->isVisible());
    EXPECT_EQ(floating->geometry(), view()->rect());

    const QSize size = window->picture().size();
    const QPoint at(size.width() - composed.width() / 2, size.height() - composed.height() / 3);
    moveOnPicture(at - QPoint(30, 30));
    EXPECT_EQ(window->picture().image(), before) << "moving draws nothing yet";
    moveOnPicture(at);
    QTest::mouseClick(view(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(window->placingText());
    EXPECT_FALSE(floating->isVisible());
    EXPECT_FALSE(window->saved());

    // Inside the picture every text pixel that is not transparent has landed
    // at (X + column, Y + row); everything else is as it was.
    const paint::Picture& picture = window->picture();
    int landed = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const QPoint inText = QPoint(x, y) - at;
            const bool covered = inText.x() >= 0 && inText.y() >= 0 && inText.x() < composed.width()
                                 && inText.y() < composed.height();
            const std::uint32_t value = covered ? composed.pixel(inText) : TextCompositor::TransparentMarker;
            if (TextCompositor::isTransparent(value)) {
                ASSERT_EQ(picture.image().pixel(x, y), before.pixel(x, y)) << x << "," << y;
            } else {
                const ColourValue colour = ((value >> 16) & 0xFF) | (value & 0xFF00) | ((value & 0xFF) << 16);
                ASSERT_EQ(picture.colourAt(x, y), colour) << x << "," << y;
                ++landed;
            }
        }
    EXPECT_GT(landed, 100);
}

TEST_F(PatternAndTextWindowTest, EscapeLetsGoOfTheTextAndAWhiteFontDropsNothing)
{
    window->textBox()->setText("Orvik");
    window->startPlacingText();
    ASSERT_TRUE(window->placingText());
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->placingText());
    EXPECT_TRUE(window->saved());

    t.dialogs.fontAnswers = {{true, TextCompositor::startFont(), QColor(Qt::white)}};
    window->chooseTextFont();
    const QImage before = window->picture().image().copy();
    window->startPlacingText();
    QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(window->picture().image(), before);
}

TEST_F(PatternAndTextWindowTest, HintsReadAsWritten)
{
    const QString parameter =
        "Play around with the values of each parameter and click \"Draw Pattern\" to see the new pattern.  ";
    const std::pair<const char*, QString> hints[] = {
        {"randomizeValuesButton",
         "Selects random values for all 5 parameters.  Remember to click \"Draw Pattern\" afterwards.  "},
        {"ringScrollBar", parameter},
        {"wheelScrollBar", parameter},
        {"penDistanceScrollBar", parameter},
        {"qualityScrollBar", parameter},
        {"widthScrollBar", parameter},
        {"samplePanel", "These samples show what is possible, just highlight one and click \"Draw Pattern\".  "},
        {"patternNewCanvasButton",
         "Creates a new blank canvas of the selected color/pattern (Duplicated on this menu for convenience).  "},
        {"drawPatternButton", "Draws pattern based on values of above parameters.  Can be time consuming.  "},
        {"textPanel", "Enter text here.  "},
        {"fontButton", "Select typeface, size etc.  "},
        {"textOutlineButton", "Turn text outline on/off.  "},
        {"materialPanel", "Select material for body of text, you can also load an existing image.  \r\n"
                          "HINT - Use Razidi Rurid Wallpaper Maker to create your own gradient material!  "},
        {"autoPreviewButton", "If your PC is slow you may wish to turn \"Auto Preview\" off whilst typing.  "},
        {"addTextButton", "Adds the text to your picture.  Simply move the mouse to where you want the text to "
                          "appear and click.  "},
        {"textPreviewArea", "This is what your text will look like.  "},
    };
    for (const auto& [name, hint] : hints)
        EXPECT_EQ(child(name)->toolTip(), hint) << name;
    // Captions as the user sees them.
    const std::pair<const char*, const char*> captions[] = {
        {"randomizeValuesButton", "Randomize Values"}, {"patternNewCanvasButton", "New canvas"},
        {"drawPatternButton", "Draw Pattern"},         {"fontButton", "Font"},
        {"textOutlineButton", "Outline"},              {"loadMaterialButton", "Load"},
        {"autoPreviewButton", "* Auto Preview *"},     {"addTextButton", "Add text to picture"},
    };
    for (const auto& [name, text] : captions)
        EXPECT_EQ(child<QPushButton>(name)->text(), text) << name;
}

TEST_F(PatternAndTextWindowTest, EveryNewControlHasANameForScreenReaders)
{
    for (const BarMenu menu : {BarMenu::ZeVav, BarMenu::TextEffects}) {
        const QList<QWidget*> controls = window->dropDown(menu)->findChildren<QWidget*>();
        int named = 0;
        for (QWidget* control : controls) {
            const bool interactive = qobject_cast<QAbstractButton*>(control) || qobject_cast<QScrollBar*>(control)
                                     || qobject_cast<QListWidget*>(control) || qobject_cast<QLineEdit*>(control)
                                     || qobject_cast<QScrollArea*>(control);
            // The scroll bars Qt puts inside scroll areas and lists are part
            // of those controls and named by Qt.
            const bool partOfAnother = control->parentWidget()->objectName().startsWith("qt_");
            if (!interactive || partOfAnother)
                continue;
            EXPECT_FALSE(accessible::readName(control).isEmpty())
                << control->objectName().toStdString() << " in " << control->parentWidget()->objectName().toStdString();
            ++named;
        }
        EXPECT_GE(named, 8) << int(menu);
    }
}

} // namespace
