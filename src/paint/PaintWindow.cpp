#include "paint/PaintWindow.h"

#include "app/Panel.h"
#include "app/PictureStore.h"
#include "paint/BmpCodec.h"
#include "paint/CanvasView.h"
#include "paint/ImageOps.h"
#include "common/Colours.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "common/SettingsStore.h"
#include "platform/Dialogs.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>

using paint::BrushType;
using paint::CanvasType;
using paint::ColourMode;
using paint::ColourValue;
using paint::Picture;
using paint::sizeunits::Unit;
using platform::MessageKind;
using BarMenu = PaintWindow::BarMenu;
using PickUpTarget = PaintWindow::PickUpTarget;

namespace {

const QString Caption = QStringLiteral("Duza Zidova");
const QString CaptionWithFile = QStringLiteral("Duza Zidova - ");
const QString SaveQuestion = QStringLiteral("Do you wish to save your current pattern?");
const QString OutOfMemory = QStringLiteral("Out of Memory");
const QString GeneralError = QStringLiteral("An error occurred - please reload application and try again");
const QString CouldNotSave = QStringLiteral("Could not Save.  ") + QChar(u'\r')
                             + QStringLiteral("Possible Causes :- Disk Full, Unformatted, CD-ROM, ")
                             + QStringLiteral("Write Protected or Corrupted");
const QString NotValidBmp = QStringLiteral("File Corrupted or not a valid .BMP format file");
const QString UnableToLoad = QStringLiteral("Unable to load file");
const QString NoNewSize = QStringLiteral("You have not specified a new size");
const QString ResizeQuestion = QStringLiteral("Do you want the existing image resized to fit the new dimensions?");
// File names on Linux keep their letter case: both spellings are bitmaps.
const QString DialogFilter = QStringLiteral("Bitmaps (*.bmp *.BMP)");
const QString DefaultSuffix = QStringLiteral("bmp");
constexpr int SizeBoxLength = 6;
const QString NotInThisBuild = QStringLiteral("Not in this build yet");

const QString CrLf = QStringLiteral("\r\n");

// The bar's menus in BarMenu order: caption, and the start of the object
// names of their bar button and drop-down panel.
struct BarMenuText {
    const char* caption;
    const char* name;
};
const BarMenuText BarMenus[PaintWindow::BarMenuCount] = {
    {"File", "file"},         {"Canvas", "canvas"},  {"Brush", "brush"},
    {"Special-FX", "effects"}, {"Color", "colour"},   {"ZE-Vav", "zeVav"},
    {"Text-FX", "textEffects"}, {"Utilities", "utilities"},
};

// The canvas types in their order, with the start of the object names of
// their button, lamp and thumbnail.
const char* const CanvasNames[7] = {"solidCanvas", "redBlackCanvas", "greenWhiteCanvas", "blueCyanCanvas",
                                    "orangeYellowCanvas", "magentaCanvas", "imageCanvas"};

// The hint of every control that has one, by control name.
QList<QPair<QString, QString>> controlHints()
{
    const QString pickUpHow = QStringLiteral(
        "Just move the mouse pointer over the color you wish to use (it will be shown on the menu bar) and click.  ");
    const QString tryIt = QStringLiteral(
        "To get a better idea of what it does, try drawing with this option off and then with it on.  ");
    const auto ramp = [](const char* what) {
        return QStringLiteral("Creates %1 Gradient backdrop for future canvases.  Use \"New Canvas\" afterwards.  ")
            .arg(QString::fromLatin1(what));
    };
    const auto pickUpUtility = [&](const char* which) {
        return QStringLiteral("In pick up color mode you can select any color used in the drawing as the %1 in "
                              "Replacement/Outline functions.  ").arg(QString::fromLatin1(which))
               + CrLf + pickUpHow;
    };
    const QString width = QStringLiteral(
        "Move indicator to select brush width, move left for a smaller brush, or right for a larger one.  ");
    const QString recent = QStringLiteral("Click here to open this previously saved file.  ");
    return {
        {"solidCanvasButton", QStringLiteral("Selects a solid background color for future canvases.  ") + CrLf
            + QStringLiteral("Once selected, click \"New Canvas\" to create.  ")},
        {"pickUpCanvasColourButton", QStringLiteral("In pick up color mode you can select any color used in the drawing as the new canvas color.  ")
            + CrLf + pickUpHow + CrLf + QStringLiteral("Remember to click \"New Canvas\" afterwards.  ")},
        {"redBlackCanvasButton", ramp("a Red")},
        {"greenWhiteCanvasButton", ramp("a Green")},
        {"blueCyanCanvasButton", ramp("a Blue")},
        {"orangeYellowCanvasButton", ramp("an Orange/Yellow")},
        {"magentaCanvasButton", ramp("a Magenta")},
        {"loadCanvasButton", QStringLiteral("Allows you to select an existing image which will be stretched/shrunk to form your canvas.  Use \"New Canvas\" afterwards.  ")
            + CrLf + QStringLiteral("HINT - you can create your own gradients using the Razidi Rurid Wallpaper Maker module!  ")},
        {"newCanvasButton", QStringLiteral("Creates a new blank canvas of the selected color/pattern.  ")},
        {"normalBrushButton", QStringLiteral("Draw using selected color, regardless of what color is underneath.  ")},
        {"mixLightBrushButton", QStringLiteral("Mix selected paint color with color underneath (light) ")},
        {"mixDarkBrushButton", QStringLiteral("Mix selected paint color with color underneath (dark) ")},
        {"brushWidthLabel", width},
        {"brushWidthSlider", width},
        {"webbedButton", QStringLiteral("When the Webbed Pattern is turned on, lines are drawn from the point where you originally click.  ")
            + CrLf + CrLf + tryIt},
        {"mirrorButton", QStringLiteral("When the Mirror Pattern is turned on, identical lines are drawn in the other 3 corners of the canvas in the same position.  ")
            + CrLf + CrLf + tryIt},
        {"solidColourButton", QStringLiteral("Selects a solid draw color.  ")},
        {"pickUpDrawColourButton", QStringLiteral("In pick up color mode you can select any color used in the drawing as the new pen color.  ")
            + CrLf + pickUpHow},
        {"randomColourButton", QStringLiteral("Draws each line in a random color - use this for dazzling patterns!  ")},
        {"redGradientButton", QStringLiteral("Turns the Drawing color into a Red Gradient.  ")},
        {"greenGradientButton", QStringLiteral("Turns the Drawing color into a Green Gradient.  ")},
        {"blueGradientButton", QStringLiteral("Turns the Drawing color into a Blue Gradient.  ")},
        {"openButton", QStringLiteral("Opens a previous .bmp format drawing.   ")},
        {"saveButton", QStringLiteral("Saves the current drawing to disk in .bmp format.  ")},
        {"saveAsButton", QStringLiteral("Saves the current drawing to disk in .bmp format, under a different filename")},
        {"closeButton", QStringLiteral("Closes Duza Zidova, you will be prompted to save the current picture.  ")},
        {"recentFileButton1", recent},
        {"recentFileButton2", recent},
        {"recentFileButton3", recent},
        {"recentFileButton4", recent},
        {"firstColourShape", QStringLiteral("Select 1st color for replacement/outline functions")},
        {"pickUpFirstColourButton", pickUpUtility("1st Color")},
        {"secondColourShape", QStringLiteral("Select 2nd color for replacement/outline functions")},
        {"pickUpSecondColourButton", pickUpUtility("2nd Color")},
        {"cmButton", QStringLiteral("Shows current image size in cm.  ")},
        {"inchesButton", QStringLiteral("Shows current image size in inches.  ")},
        {"pixelsButton", QStringLiteral("Shows current image size in pixels.  ")},
        {"widthBox", QStringLiteral("Enter new Width here.  ")},
        {"heightBox", QStringLiteral("Enter new Height here.  ")},
        {"resetSizeButton", QStringLiteral("Click here to put back current image Width/Height ")},
        {"resizeButton", QStringLiteral("Resizes current image to given Width/Height ")},
        {"replaceColourButton", QStringLiteral("Replaces every instance of the \"1st Color\" with the \"2nd Color\".  ")},
        {"outlineButton", QStringLiteral("Draws a line in \"2nd Color\" around the edges of each object with a background of \"1st Color\".  ")},
        {"invertButton", QStringLiteral("Inverts the entire image.  To undo, do a second time.  ")},
    };
}

ColourValue fromQColor(const QColor& colour)
{
    return colours::colourValue(colour.red(), colour.green(), colour.blue());
}

QString describeColour(const QString& what, ColourValue value)
{
    const QColor c = colours::fromColourValue(value);
    return QStringLiteral("%1: red %2, green %3, blue %4").arg(what).arg(c.red()).arg(c.green()).arg(c.blue());
}

// Flat menu buttons with white bold captions on the grey panels.
QPushButton* menuButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; font-weight: bold; border: none; background: transparent;"
        " text-align: left; padding-left: 4px; }"
        "QPushButton:hover { background: rgba(0, 0, 0, 40); }"
        "QPushButton:pressed { background: rgba(0, 0, 0, 80); }"
        "QPushButton:disabled { color: rgb(120, 120, 112); }"));
    return button;
}

QLabel* lamp(QWidget* parent, const QString& name, int x, int y)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(x, y, 12, 12);
    label->setScaledContents(true);
    label->hide();
    return label;
}

Panel* colourShape(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* shape = new Panel(parent);
    shape->setObjectName(name);
    shape->setGeometry(geometry);
    shape->setSingleBorder(true);
    shape->setCursor(Qt::PointingHandCursor);
    return shape;
}

QLabel* thumbnail(QWidget* parent, const QString& name, int x, int y, const QImage& image)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(x, y, 36, 36);
    label->setFrameShape(QFrame::Box);
    if (!image.isNull())
        label->setPixmap(QPixmap::fromImage(image.scaled(36, 36, Qt::IgnoreAspectRatio)));
    return label;
}

} // namespace

PaintWindow::PaintWindow(const UtilityServices& services, QWidget* owner)
    : QWidget(owner, Qt::Window), services_(services), recent_(paint::settings::ModuleKey)
{
    setObjectName(QStringLiteral("PaintWindow"));
    setWindowTitle(Caption);
    // The client area never gets smaller than 620 x 450.
    setMinimumSize(620, 450);
    resize(760, 540);
    buildLayout();
    readStoredChoices();
}

PaintWindow::~PaintWindow() = default;

int PaintWindow::colourDepth() const
{
    return services_.colourDepth > 0 ? services_.colourDepth : 32;
}

void PaintWindow::readStoredChoices()
{
    recent_.read();
    refreshRecentButtons();
    custom_.read();

    const paint::settings::Defaults d = paint::settings::readDefaults();
    canvasColour_ = d.canvasColour;
    canvasType_ = d.canvasType;
    canvasFileName_ = d.canvasFileName;
    if (!canvasFileName_.isEmpty())
        loadCanvasImage(canvasFileName_);
    brushType_ = d.brushType;
    brushWidthSlider_->setValue(d.brushWidth);
    webbed_ = d.webbed;
    mirror_ = d.mirror;
    stepper_.setDrawColour(d.drawColour);
    stepper_.setMode(d.colourMode, picture_.pen());
    picture_.pen().width = brushWidth();
    refreshLamps();
    refreshColourShapes();
    setHints();
}

void PaintWindow::storeChoices() const
{
    paint::settings::Defaults d;
    d.canvasColour = canvasColour_;
    d.canvasType = canvasType_;
    d.canvasFileName = canvasFileName_;
    d.brushType = brushType_;
    d.brushWidth = brushWidth();
    d.webbed = webbed_;
    d.mirror = mirror_;
    d.drawColour = stepper_.drawColour();
    d.colourMode = stepper_.mode();
    paint::settings::writeDefaults(d);
}

// ---------------------------------------------------------------- layout

void PaintWindow::buildLayout()
{
    setAutoFillBackground(true);
    setPaletteColour(this, QPalette::Window, colours::MenuGrey);

    menuBar_ = new Panel(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    menuBar_->setColour(colours::MenuGrey);
    menuBar_->setGeometry(0, 0, width(), BarHeight);
    QFont barFont = font();
    barFont.setBold(true);
    const QFontMetrics barMetrics(barFont);
    int x = 2;
    for (int i = 0; i < BarMenuCount; ++i) {
        const QString caption = QString::fromLatin1(BarMenus[i].caption);
        const int buttonWidth = std::max(74, barMetrics.horizontalAdvance(caption) + 16);
        QPushButton* button = menuButton(menuBar_, QString::fromLatin1(BarMenus[i].name) + QStringLiteral("BarButton"),
                                         caption, QRect(x, 2, buttonWidth, 20));
        x += buttonWidth + 2;
        button->setMouseTracking(true);
        button->installEventFilter(this);
        barButtons_[size_t(i)] = button;
    }
    helpPanel_ = makeHelpPanel(menuBar_, QPoint(width() - 23, 2));
    helpPanel_->setToolTip(buildHelpText(Caption, {
        {QStringLiteral("This module allows you to create dazzling multi-colored patterns regardless of artistic ability!  ")},
        {QStringLiteral("To start drawing, simply click anywhere on the canvas and move the mouse with the button held down.  ")},
        {QStringLiteral("To learn about the various menu options just pause the mouse over them.  ")},
    }));

    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("scrollArea"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(false);
    scrollArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scrollArea_->viewport()->setMouseTracking(true);
    scrollArea_->viewport()->installEventFilter(this);
    setPaletteColour(scrollArea_->viewport(), QPalette::Window, colours::MenuGrey);
    canvasView_ = new paint::CanvasView(picture_, scrollArea_);
    canvasView_->installEventFilter(this);
    scrollArea_->setWidget(canvasView_);
    scrollArea_->setGeometry(0, BarHeight, width(), height() - BarHeight);

    for (int i = 0; i < BarMenuCount; ++i) {
        auto* panel = new Panel(this);
        panel->setObjectName(QString::fromLatin1(BarMenus[i].name) + QStringLiteral("DropDown"));
        panel->setColour(colours::MenuGrey);
        panel->setBevel(Panel::Bevel::Raised, 1);
        panel->hide();
        dropDowns_[size_t(i)] = panel;
    }
    buildFileMenu();
    buildCanvasMenu();
    buildBrushMenu();
    buildEffectsMenu();
    buildColourMenu();
    buildUnbuiltMenus();
    buildUtilitiesMenu();
}

void PaintWindow::buildFileMenu()
{
    Panel* menu = dropDowns_[size_t(BarMenu::File)];
    menu->resize(330, 8 * 22 + 8);
    const auto row = [&](int index, const QString& name, const QString& caption) {
        return menuButton(menu, name, caption, QRect(4, 4 + index * 22, 322, 22));
    };
    connect(row(0, QStringLiteral("openButton"), QStringLiteral("Open")), &QPushButton::clicked, this,
            &PaintWindow::openFile);
    connect(row(1, QStringLiteral("saveButton"), QStringLiteral("Save")), &QPushButton::clicked, this,
            &PaintWindow::save);
    connect(row(2, QStringLiteral("saveAsButton"), QStringLiteral("Save As")), &QPushButton::clicked, this,
            &PaintWindow::saveAs);
    connect(row(3, QStringLiteral("closeButton"), QStringLiteral("Close")), &QPushButton::clicked, this,
            &PaintWindow::closeFromMenu);
    for (int slot = 1; slot <= RecentFiles::SlotCount; ++slot) {
        QPushButton* button = row(3 + slot, QStringLiteral("recentFileButton%1").arg(slot), QStringLiteral("%1. ").arg(slot));
        connect(button, &QPushButton::clicked, this, [this, slot] { openRecentFile(slot); });
        recentFileButtons_[size_t(slot - 1)] = button;
    }
}

void PaintWindow::buildCanvasMenu()
{
    Panel* menu = dropDowns_[size_t(BarMenu::Canvas)];
    menu->resize(210, 4 + 24 + 5 * 40 + 40 + 24 + 24 + 4);
    const auto name = [](CanvasType type, const char* what) {
        return QString::fromLatin1(CanvasNames[int(type) - 1]) + QString::fromLatin1(what);
    };
    const auto lampOf = [this](CanvasType type) -> QLabel*& { return canvasLamps_[size_t(int(type) - 1)]; };
    int y = 4;
    QPushButton* solid = menuButton(menu, name(CanvasType::SolidColour, "Button"),
                                    paint::ramps::caption(CanvasType::SolidColour), QRect(18, y, 140, 22));
    connect(solid, &QPushButton::clicked, this, &PaintWindow::selectSolidCanvas);
    lampOf(CanvasType::SolidColour) = lamp(menu, name(CanvasType::SolidColour, "Lamp"), 4, y + 5);
    canvasColourShape_ = colourShape(menu, QStringLiteral("canvasColourShape"), QRect(166, y + 1, 36, 20));
    connect(canvasColourShape_, &Panel::clicked, this, &PaintWindow::selectSolidCanvas);
    y += 24;
    for (int number = int(paint::ramps::FirstRamp); number <= int(paint::ramps::LastRamp); ++number) {
        const auto type = CanvasType(number);
        QPushButton* button = menuButton(menu, name(type, "Button"), paint::ramps::caption(type), QRect(18, y + 8, 140, 22));
        connect(button, &QPushButton::clicked, this, [this, type] { selectCanvasType(type); });
        lampOf(type) = lamp(menu, name(type, "Lamp"), 4, y + 13);
        thumbnail(menu, name(type, "Thumbnail"), 166, y + 1, paint::ramps::strip(type));
        y += 40;
    }
    QPushButton* load = menuButton(menu, QStringLiteral("loadCanvasButton"), paint::ramps::caption(CanvasType::LoadedImage),
                                   QRect(18, y + 8, 140, 22));
    connect(load, &QPushButton::clicked, this, &PaintWindow::selectCanvasImage);
    lampOf(CanvasType::LoadedImage) = lamp(menu, name(CanvasType::LoadedImage, "Lamp"), 4, y + 13);
    canvasImageThumbnail_ = thumbnail(menu, QStringLiteral("canvasImageThumbnail"), 166, y + 1, QImage());
    y += 40;
    connect(menuButton(menu, QStringLiteral("newCanvasButton"), QStringLiteral("New Canvas"), QRect(18, y, 184, 22)),
            &QPushButton::clicked, this, &PaintWindow::newCanvas);
    y += 24;
    connect(menuButton(menu, QStringLiteral("pickUpCanvasColourButton"), QStringLiteral("Pick up color..."),
                       QRect(18, y, 184, 22)),
            &QPushButton::clicked, this, [this] { startPickUp(PickUpTarget::CanvasColour); });
}

void PaintWindow::buildBrushMenu()
{
    Panel* menu = dropDowns_[size_t(BarMenu::Brush)];
    menu->resize(200, 4 + 3 * 24 + 26 + 30 + 4);
    const struct { const char* name; const char* caption; BrushType brush; } brushes[3] = {
        {"normalBrush", "Normal Paint", BrushType::Normal},
        {"mixLightBrush", "Mix Paint - Light", BrushType::MixLight},
        {"mixDarkBrush", "Mix Paint - Dark", BrushType::MixDark},
    };
    for (int i = 0; i < 3; ++i) {
        const int y = 4 + i * 24;
        const BrushType brush = brushes[i].brush;
        const QString name = QString::fromLatin1(brushes[i].name);
        connect(menuButton(menu, name + QStringLiteral("Button"), QString::fromLatin1(brushes[i].caption),
                           QRect(18, y, 178, 22)),
                &QPushButton::clicked, this, [this, brush] { selectBrush(brush); });
        brushLamps_[size_t(i)] = lamp(menu, name + QStringLiteral("Lamp"), 4, y + 5);
    }
    auto* widthLabel = new QLabel(QStringLiteral("Width"), menu);
    widthLabel->setObjectName(QStringLiteral("brushWidthLabel"));
    widthLabel->setGeometry(18, 4 + 3 * 24 + 2, 178, 22);
    widthLabel->setStyleSheet(QStringLiteral("color: white; font-weight: bold; padding-left: 4px;"));
    brushWidthSlider_ = new QSlider(Qt::Horizontal, menu);
    brushWidthSlider_->setObjectName(QStringLiteral("brushWidthSlider"));
    brushWidthSlider_->setAccessibleName(QStringLiteral("Brush width"));
    brushWidthSlider_->setRange(1, 75);
    brushWidthSlider_->setSingleStep(1);
    brushWidthSlider_->setPageStep(5);
    brushWidthSlider_->setTickInterval(1);
    brushWidthSlider_->setTickPosition(QSlider::TicksBelow);
    brushWidthSlider_->setGeometry(8, 4 + 3 * 24 + 26, 184, 28);
    brushWidthSlider_->setValue(25);
    connect(brushWidthSlider_, &QSlider::valueChanged, this, &PaintWindow::applyBrushWidth);
}

void PaintWindow::buildEffectsMenu()
{
    Panel* menu = dropDowns_[size_t(BarMenu::Effects)];
    menu->resize(190, 4 + 2 * 24 + 4);
    connect(menuButton(menu, QStringLiteral("webbedButton"), QStringLiteral("Webbed Pattern"), QRect(18, 4, 168, 22)),
            &QPushButton::clicked, this, &PaintWindow::toggleWebbed);
    webbedLamp_ = lamp(menu, QStringLiteral("webbedLamp"), 4, 9);
    connect(menuButton(menu, QStringLiteral("mirrorButton"), QStringLiteral("Mirror Effect"), QRect(18, 28, 168, 22)),
            &QPushButton::clicked, this, &PaintWindow::toggleMirror);
    mirrorLamp_ = lamp(menu, QStringLiteral("mirrorLamp"), 4, 33);
}

void PaintWindow::buildColourMenu()
{
    Panel* menu = dropDowns_[size_t(BarMenu::Colour)];
    menu->resize(210, 4 + 6 * 24 + 4);
    QPushButton* solid = menuButton(menu, QStringLiteral("solidColourButton"), QStringLiteral("Solid Color"),
                                    QRect(18, 4, 140, 22));
    connect(solid, &QPushButton::clicked, this, &PaintWindow::selectSolidColour);
    colourModeLamps_[0] = lamp(menu, QStringLiteral("solidColourLamp"), 4, 9);
    drawColourShape_ = colourShape(menu, QStringLiteral("drawColourShape"), QRect(166, 5, 36, 20));
    connect(drawColourShape_, &Panel::clicked, this, &PaintWindow::selectSolidColour);
    const struct { const char* name; const char* caption; ColourMode mode; } modes[4] = {
        {"randomColour", "Random Color", ColourMode::Random},
        {"redGradient", "Red Gradient", ColourMode::RedGradient},
        {"greenGradient", "Green Gradient", ColourMode::GreenGradient},
        {"blueGradient", "Blue Gradient", ColourMode::BlueGradient},
    };
    for (int i = 0; i < 4; ++i) {
        const int y = 4 + (i + 1) * 24;
        const ColourMode mode = modes[i].mode;
        const QString name = QString::fromLatin1(modes[i].name);
        connect(menuButton(menu, name + QStringLiteral("Button"), QString::fromLatin1(modes[i].caption),
                           QRect(18, y, 184, 22)),
                &QPushButton::clicked, this, [this, mode] { selectColourMode(mode); });
        colourModeLamps_[size_t(int(mode) - 1)] = lamp(menu, name + QStringLiteral("Lamp"), 4, y + 5);
    }
    connect(menuButton(menu, QStringLiteral("pickUpDrawColourButton"), QStringLiteral("Pick up color..."),
                       QRect(18, 4 + 5 * 24, 184, 22)),
            &QPushButton::clicked, this, [this] { startPickUp(PickUpTarget::DrawColour); });
}

// The pattern generator and the text effects come in a later build: their
// bar buttons keep their places, greyed, and say so.
void PaintWindow::buildUnbuiltMenus()
{
    for (BarMenu menu : {BarMenu::ZeVav, BarMenu::TextEffects}) {
        QPushButton* button = barButtons_[size_t(menu)];
        button->setEnabled(false);
        button->setToolTip(NotInThisBuild);
        button->setAccessibleDescription(NotInThisBuild);
        dropDowns_[size_t(menu)]->resize(200, 30);
    }
}

void PaintWindow::buildUtilitiesMenu()
{
    Panel* menu = dropDowns_[size_t(BarMenu::Utilities)];
    menu->resize(250, 330);
    menu->setCursor(Qt::ArrowCursor);
    connect(menu, &Panel::clicked, this, [this] { showSizesIn(Unit::Pixels); });
    const auto label = [&](const QString& text, const QRect& geometry) {
        auto* l = new QLabel(text, menu);
        l->setGeometry(geometry);
        l->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        return l;
    };
    label(QStringLiteral("1st"), QRect(8, 4, 40, 14));
    label(QStringLiteral("Color"), QRect(8, 17, 40, 14));
    firstColourShape_ = colourShape(menu, QStringLiteral("firstColourShape"), QRect(52, 6, 40, 24));
    connect(firstColourShape_, &Panel::clicked, this, &PaintWindow::chooseFirstColour);
    connect(menuButton(menu, QStringLiteral("pickUpFirstColourButton"), QStringLiteral("Pick up color..."),
                       QRect(100, 7, 146, 22)),
            &QPushButton::clicked, this, [this] { startPickUp(PickUpTarget::FirstColour); });
    label(QStringLiteral("2nd"), QRect(8, 38, 40, 14));
    label(QStringLiteral("Color"), QRect(8, 51, 40, 14));
    secondColourShape_ = colourShape(menu, QStringLiteral("secondColourShape"), QRect(52, 40, 40, 24));
    connect(secondColourShape_, &Panel::clicked, this, &PaintWindow::chooseSecondColour);
    connect(menuButton(menu, QStringLiteral("pickUpSecondColourButton"), QStringLiteral("Pick up color..."),
                       QRect(100, 41, 146, 22)),
            &QPushButton::clicked, this, [this] { startPickUp(PickUpTarget::SecondColour); });

    label(QStringLiteral("Units:"), QRect(8, 74, 50, 20));
    const struct { const char* name; const char* caption; Unit unit; int x; } units[3] = {
        {"cm", "cm", Unit::Cm, 58}, {"inches", "Inches", Unit::Inches, 112}, {"pixels", "Pixels", Unit::Pixels, 182}};
    std::array<QLabel*, 3> unitLamps{};
    for (size_t i = 0; i < std::size(units); ++i) {
        const Unit unit = units[i].unit;
        const QString name = QString::fromLatin1(units[i].name);
        connect(menuButton(menu, name + QStringLiteral("Button"), QString::fromLatin1(units[i].caption),
                           QRect(units[i].x + 14, 73, 52, 22)),
                &QPushButton::clicked, this, [this, unit] { showSizesIn(unit); });
        unitLamps[i] = lamp(menu, name + QStringLiteral("Lamp"), units[i].x, 78);
    }
    cmLamp_ = unitLamps[0];
    inchesLamp_ = unitLamps[1];
    pixelsLamp_ = unitLamps[2];

    const auto sizeBox = [&](const char* name, const char* caption, int y) {
        QPushButton* button = menuButton(menu, QString::fromLatin1(name) + QStringLiteral("Button"),
                                         QString::fromLatin1(caption), QRect(8, y, 80, 22));
        auto* box = new QLineEdit(menu);
        box->setObjectName(QString::fromLatin1(name) + QStringLiteral("Box"));
        box->setAccessibleName(QStringLiteral("New %1").arg(QString::fromLatin1(caption).toLower()));
        box->setGeometry(96, y, 80, 22);
        box->installEventFilter(this);
        connect(button, &QPushButton::clicked, box, [box] { box->setFocus(Qt::OtherFocusReason); });
        // Six characters is a limit on typing only: the program writes the
        // size of any picture in full.
        connect(box, &QLineEdit::textEdited, this, [box](const QString& text) {
            if (text.size() > SizeBoxLength)
                box->setText(text.left(SizeBoxLength));
        });
        connect(box, &QLineEdit::textChanged, this, [this, box] { sizeBoxChanged(box); });
        return box;
    };
    widthBox_ = sizeBox("width", "Width", 102);
    heightBox_ = sizeBox("height", "Height", 128);

    const struct { const char* name; const char* caption; void (PaintWindow::*action)(); } actions[5] = {
        {"resetSizeButton", "Reset", &PaintWindow::resetSizes},
        {"resizeButton", "Resize Image", &PaintWindow::resizePicture},
        {"replaceColourButton", "Replace 1st Color with 2nd", &PaintWindow::replaceFirstColour},
        {"outlineButton", "Outline ...", &PaintWindow::outlineObjects},
        {"invertButton", "Invert image", &PaintWindow::invertPicture},
    };
    for (int i = 0; i < 5; ++i)
        connect(menuButton(menu, QString::fromLatin1(actions[i].name), QString::fromLatin1(actions[i].caption),
                           QRect(8, 160 + i * 24, 238, 22)),
                &QPushButton::clicked, this, actions[i].action);
    menu->resize(250, 160 + 5 * 24 + 6);
}

void PaintWindow::setHints()
{
    for (const auto& [name, hint] : controlHints())
        if (auto* widget = findChild<QWidget*>(name))
            widget->setToolTip(hint);
}

// ---------------------------------------------------------------- state shown

int PaintWindow::brushWidth() const { return brushWidthSlider_->value(); }

QPushButton* PaintWindow::barButton(BarMenu menu) const { return barButtons_[size_t(menu)]; }

QWidget* PaintWindow::dropDown(BarMenu menu) const { return dropDowns_[size_t(menu)]; }

QColor PaintWindow::barColour() const { return menuBar_->colour(); }

PaintWindow::BarMenu PaintWindow::openDropDown() const
{
    for (int i = 0; i < BarMenuCount; ++i)
        if (!dropDowns_[size_t(i)]->isHidden())
            return BarMenu(i);
    return BarMenu::None;
}

void PaintWindow::refreshLamps()
{
    const auto light = [](QLabel* lampLabel, bool on, const QString& choice) {
        lampLabel->setVisible(on);
        lampLabel->setAccessibleName(choice + (on ? QStringLiteral(": selected") : QStringLiteral(": not selected")));
    };
    for (int number = 1; number <= 7; ++number) {
        const auto type = CanvasType(number);
        light(canvasLamps_[size_t(number - 1)], canvasType_ == type, paint::ramps::caption(type));
    }
    const char* const brushes[3] = {"Normal Paint", "Mix Paint - Light", "Mix Paint - Dark"};
    for (int number = 1; number <= 3; ++number)
        light(brushLamps_[size_t(number - 1)], brushType_ == BrushType(number),
              QString::fromLatin1(brushes[number - 1]));
    light(webbedLamp_, webbed_, QStringLiteral("Webbed Pattern"));
    light(mirrorLamp_, mirror_, QStringLiteral("Mirror Effect"));
    const char* const modes[5] = {"Solid Color", "Random Color", "Red Gradient", "Green Gradient", "Blue Gradient"};
    for (int number = 1; number <= 5; ++number)
        light(colourModeLamps_[size_t(number - 1)], stepper_.mode() == ColourMode(number),
              QString::fromLatin1(modes[number - 1]));
    light(cmLamp_, unit_ == Unit::Cm, QStringLiteral("cm"));
    light(inchesLamp_, unit_ == Unit::Inches, QStringLiteral("Inches"));
    light(pixelsLamp_, unit_ == Unit::Pixels, QStringLiteral("Pixels"));
}

void PaintWindow::loadLampPictures()
{
    const QPixmap backLight = services_.pictures.picture(QStringLiteral("BackLight"));
    for (QLabel* lampLabel : lamps())
        lampLabel->setPixmap(backLight);
}

QList<QLabel*> PaintWindow::lamps() const
{
    QList<QLabel*> all(canvasLamps_.begin(), canvasLamps_.end());
    all.append(QList<QLabel*>(brushLamps_.begin(), brushLamps_.end()));
    all.append({webbedLamp_, mirrorLamp_});
    all.append(QList<QLabel*>(colourModeLamps_.begin(), colourModeLamps_.end()));
    all.append({cmLamp_, inchesLamp_, pixelsLamp_});
    return all;
}

void PaintWindow::refreshColourShapes()
{
    const auto show = [](Panel* shape, const QString& what, ColourValue value) {
        shape->setColour(colours::fromColourValue(value));
        shape->setAccessibleName(describeColour(what, value));
    };
    show(canvasColourShape_, QStringLiteral("Canvas color"), canvasColour_);
    show(drawColourShape_, QStringLiteral("Draw color"), stepper_.drawColour());
    show(firstColourShape_, QStringLiteral("1st Color"), firstColour_);
    show(secondColourShape_, QStringLiteral("2nd Color"), secondColour_);
}

void PaintWindow::refreshRecentButtons()
{
    for (int slot = 1; slot <= RecentFiles::SlotCount; ++slot) {
        QPushButton* button = recentFileButtons_[size_t(slot - 1)];
        button->setText(recent_.caption(slot));
        button->setEnabled(!recent_.slot(slot).isEmpty());
    }
}

void PaintWindow::setCaptionFromFile()
{
    setWindowTitle(fileName_.isEmpty() ? Caption : CaptionWithFile + fileName_);
}

// ---------------------------------------------------------------- window events

void PaintWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
}

void PaintWindow::activated()
{
    loadLampPictures();
    if (activatedOnce_)
        return;
    activatedOnce_ = true;
    // The first canvas fills the maximised window; with a window manager the
    // maximised size arrives with a later resize, without one it never does.
    firstCanvasPending_ = true;
    setWindowState(windowState() | Qt::WindowMaximized);
    QTimer::singleShot(400, this, &PaintWindow::createFirstCanvasIfPending);
}

void PaintWindow::createFirstCanvasIfPending()
{
    if (!firstCanvasPending_)
        return;
    firstCanvasPending_ = false;
    createCanvas();
}

void PaintWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    menuBar_->setGeometry(0, 0, width(), BarHeight);
    helpPanel_->move(menuBar_->width() - 23, 2);
    scrollArea_->setGeometry(0, BarHeight, width(), height() - BarHeight);
    if (firstCanvasPending_ && isMaximized())
        QTimer::singleShot(0, this, &PaintWindow::createFirstCanvasIfPending);
}

void PaintWindow::closeEvent(QCloseEvent* event)
{
    if (released_ || releaseIfAllowed())
        event->accept();
    else
        event->ignore();
}

bool PaintWindow::releaseIfAllowed()
{
    saveCancelled_ = false;
    if (!saved_) {
        const int answer = services_.dialogs.message(this, MessageKind::Confirmation, SaveQuestion,
                                                     platform::Yes | platform::No | platform::Cancel);
        if (answer == platform::Cancel)
            return false;
        if (answer == platform::Yes) {
            save();
            if (saveCancelled_)
                return false;
        }
    }
    storeChoices();
    released_ = true;
    emit released();
    deleteLater();
    return true;
}

bool PaintWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    for (int i = 0; i < BarMenuCount; ++i) {
        if (watched == barButtons_[size_t(i)] && (type == QEvent::MouseMove || type == QEvent::Enter)) {
            hoverBarButton(BarMenu(i));
            return false;
        }
    }
    if (scrollArea_ && (watched == canvasView_ || watched == scrollArea_->viewport())) {
        const auto* widget = static_cast<QWidget*>(watched);
        const auto at = [&](QEvent* e) {
            return canvasView_->mapFrom(widget, static_cast<QMouseEvent*>(e)->position().toPoint());
        };
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            pressOnCanvas(at(event));
            return true;
        case QEvent::MouseMove:
            moveOverCanvas(at(event));
            return true;
        case QEvent::MouseButtonRelease:
            releaseOnCanvas();
            return true;
        default:
            break;
        }
    }
    if (watched == widthBox_ || watched == heightBox_) {
        auto* box = static_cast<QLineEdit*>(watched);
        if (type == QEvent::KeyPress) {
            const QString typed = static_cast<QKeyEvent*>(event)->text();
            const bool full = box->text().size() - box->selectedText().size() >= SizeBoxLength;
            if (typed.size() == 1 && typed.at(0).isPrint()
                && (full || !paint::sizeunits::acceptsKey(typed.at(0), box->text(), unit_)))
                return true;
        } else if (type == QEvent::FocusIn) {
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        } else if (type == QEvent::FocusOut) {
            box->deselect();
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- hover menus

void PaintWindow::hoverBarButton(BarMenu menu)
{
    if (pickUpTarget_ != PickUpTarget::None)
        return;
    showDropDown(menu);
}

void PaintWindow::showDropDown(BarMenu menu)
{
    for (int i = 0; i < BarMenuCount; ++i) {
        Panel* panel = dropDowns_[size_t(i)];
        if (BarMenu(i) == menu) {
            // Below its button, but never past the window's right edge.
            const int x = std::max(0, std::min(barButtons_[size_t(i)]->x(), width() - panel->width()));
            panel->move(x, BarHeight);
            panel->show();
            panel->raise();
        } else {
            panel->hide();
        }
    }
}

void PaintWindow::hideDropDowns()
{
    for (Panel* panel : dropDowns_)
        panel->hide();
}

// ---------------------------------------------------------------- freehand

void PaintWindow::pressOnCanvas(QPoint at)
{
    if (pickUpTarget_ != PickUpTarget::None) {
        unsetCursor();
        canvasView_->unsetCursor();
        for (QPushButton* button : barButtons_)
            button->show();
        const ColourValue picked = fromQColor(menuBar_->colour());
        switch (pickUpTarget_) {
        case PickUpTarget::DrawColour:
            stepper_.setDrawColour(picked);
            stepper_.setMode(ColourMode::Solid, picture_.pen());
            break;
        case PickUpTarget::CanvasColour:
            canvasType_ = CanvasType::SolidColour;
            canvasColour_ = picked;
            break;
        case PickUpTarget::FirstColour: firstColour_ = picked; break;
        case PickUpTarget::SecondColour: secondColour_ = picked; break;
        case PickUpTarget::None: break;
        }
        pickUpTarget_ = PickUpTarget::None;
        menuBar_->setColour(colours::MenuGrey);
        refreshLamps();
        refreshColourShapes();
        return;
    }
    penDown_ = true;
    lineStart_ = at;
    moveOverCanvas(at);
}

void PaintWindow::moveOverCanvas(QPoint at)
{
    if (pickUpTarget_ != PickUpTarget::None) {
        if (!picture_.isNull() && QRect(QPoint(0, 0), picture_.size()).contains(at))
            menuBar_->setColour(colours::fromColourValue(picture_.colourAt(at.x(), at.y())));
        return;
    }
    hideDropDowns();
    if (!penDown_ || picture_.isNull())
        return;
    drawSegment(at);
}

void PaintWindow::drawSegment(QPoint to)
{
    const int w = picture_.width();
    const int h = picture_.height();
    const QPoint from = lineStart_;
    stepper_.step(picture_.pen(), services_.random);
    saved_ = false;
    QRect changed = picture_.drawLine(from, to);
    if (mirror_) {
        changed |= picture_.drawLine(QPoint(w - from.x(), from.y()), QPoint(w - to.x(), to.y()));
        changed |= picture_.drawLine(QPoint(from.x(), h - from.y()), QPoint(to.x(), h - to.y()));
        changed |= picture_.drawLine(QPoint(w - from.x(), h - from.y()), QPoint(w - to.x(), h - to.y()));
    }
    if (!webbed_)
        lineStart_ = to;
    if (!changed.isEmpty())
        canvasView_->update(changed);
}

void PaintWindow::releaseOnCanvas() { penDown_ = false; }

// ---------------------------------------------------------------- canvas

bool PaintWindow::chooseColour(ColourValue& colour)
{
    QColor chosen = colours::fromColourValue(colour);
    std::array<QColor, 16> custom = custom_.colours();
    if (!services_.dialogs.chooseColour(this, chosen, custom))
        return false;
    custom_.setColours(custom);
    custom_.write();
    colour = fromQColor(chosen);
    return true;
}

void PaintWindow::selectSolidCanvas()
{
    if (canvasType_ != CanvasType::SolidColour) {
        canvasType_ = CanvasType::SolidColour;
        refreshLamps();
        return;
    }
    if (chooseColour(canvasColour_))
        refreshColourShapes();
}

void PaintWindow::selectCanvasType(CanvasType type)
{
    canvasType_ = type;
    refreshLamps();
}

void PaintWindow::selectCanvasImage()
{
    if (canvasImageLoaded_ && canvasType_ != CanvasType::LoadedImage) {
        canvasType_ = CanvasType::LoadedImage;
        refreshLamps();
        return;
    }
    loadCanvasImage(QString());
}

void PaintWindow::loadCanvasImage(const QString& name)
{
    QString path = name;
    if (path.isEmpty()) {
        path = services_.dialogs.openFileName(this, Caption, openDialogName_, DialogFilter);
        if (path.isEmpty())
            return;
    }
    const auto image = QFileInfo(path).suffix().compare(QStringLiteral("bmp"), Qt::CaseInsensitive) == 0
                           ? paint::bmp::readFile(path)
                           : std::nullopt;
    if (!image) {
        // The stored name is forgotten at once, so a damaged canvas file is
        // not tried again at the next start.
        SettingsStore(paint::settings::ModuleKey)
            .writeString(QStringLiteral("Defaults"), QStringLiteral("CanvasFileName"), QString());
        canvasImageLoaded_ = false;
        return;
    }
    canvasImage_ = *image;
    canvasFileName_ = path;
    canvasImageLoaded_ = true;
    canvasImageThumbnail_->setPixmap(QPixmap::fromImage(canvasImage_.scaled(36, 36, Qt::IgnoreAspectRatio)));
}

void PaintWindow::newCanvas()
{
    hideDropDowns();
    createCanvas();
}

bool PaintWindow::askToSave()
{
    if (saved_)
        return true;
    const int answer = services_.dialogs.message(this, MessageKind::Confirmation, SaveQuestion,
                                                 platform::Yes | platform::No | platform::Cancel);
    if (answer == platform::Cancel)
        return false;
    // A save that failed or was cancelled must not let the drawing go: the
    // user said it was worth keeping.
    if (answer == platform::Yes && !save())
        return false;
    return true;
}

bool PaintWindow::createCanvas()
{
    if (!askToSave())
        return false;
    firstCanvasPending_ = false;
    const QSize wanted(std::max(1, scrollArea_->width() - 4), std::max(1, height() - BarHeight - 4));
    if (auto fresh = Picture::create(wanted.width(), wanted.height(), paint::formatForDepth(colourDepth()))) {
        fresh->pen() = picture_.pen();
        picture_ = std::move(*fresh);
    } else {
        services_.dialogs.message(this, MessageKind::Information, OutOfMemory, platform::Ok);
        if (picture_.isNull()) {
            services_.dialogs.message(this, MessageKind::Warning, GeneralError, platform::Ok);
            return true;
        }
    }
    stepper_.restart(picture_.pen());
    fileName_.clear();
    saved_ = true;
    setCaptionFromFile();
    resetSizes();
    picture_.pen().mode = paint::rasterMode(brushType_);
    if (canvasType_ == CanvasType::SolidColour)
        picture_.fill(canvasColour_);
    else if (canvasType_ == CanvasType::LoadedImage)
        picture_.stretchDraw(canvasImage_);
    else
        picture_.stretchDraw(paint::ramps::strip(canvasType_));
    picture_.pen().width = brushWidth();
    canvasView_->resize(picture_.size());
    canvasView_->update();
    return true;
}

void PaintWindow::startPickUp(PickUpTarget target)
{
    setCursor(Qt::CrossCursor);
    canvasView_->setCursor(Qt::CrossCursor);
    for (QPushButton* button : barButtons_)
        button->hide();
    hideDropDowns();
    pickUpTarget_ = target;
}

// ---------------------------------------------------------------- brush, effects, colour

void PaintWindow::selectBrush(BrushType brush)
{
    brushType_ = brush;
    picture_.pen().mode = paint::rasterMode(brush);
    refreshLamps();
}

void PaintWindow::applyBrushWidth(int width) { picture_.pen().width = width; }

void PaintWindow::toggleWebbed()
{
    webbed_ = !webbed_;
    refreshLamps();
}

void PaintWindow::toggleMirror()
{
    mirror_ = !mirror_;
    refreshLamps();
}

void PaintWindow::selectSolidColour()
{
    hideDropDowns();
    if (stepper_.mode() == ColourMode::Solid) {
        ColourValue colour = stepper_.drawColour();
        if (chooseColour(colour)) {
            stepper_.setDrawColour(colour);
            picture_.pen().colour = colour;
        }
    } else {
        stepper_.setMode(ColourMode::Solid, picture_.pen());
    }
    refreshLamps();
    refreshColourShapes();
}

void PaintWindow::selectColourMode(ColourMode mode)
{
    hideDropDowns();
    stepper_.setMode(mode, picture_.pen());
    refreshLamps();
}

void PaintWindow::restorePen()
{
    stepper_.restart(picture_.pen());
    picture_.pen().width = brushWidth();
    picture_.pen().mode = paint::rasterMode(brushType_);
}

// ---------------------------------------------------------------- files

bool PaintWindow::save()
{
    dropDowns_[size_t(BarMenu::File)]->hide();
    if (fileName_.isEmpty())
        return saveAs();
    if (paint::bmp::writeFile(fileName_, picture_.image())) {
        saved_ = true;
        setCaptionFromFile();
        if (recent_.add(fileName_))
            refreshRecentButtons();
        return true;
    }
    saveCancelled_ = true;
    fileName_.clear();
    saved_ = false;
    setCaptionFromFile();
    services_.dialogs.message(this, MessageKind::Information, CouldNotSave, platform::Ok);
    return false;
}

bool PaintWindow::saveAs()
{
    dropDowns_[size_t(BarMenu::File)]->hide();
    QString path = services_.dialogs.saveFileName(this, Caption, fileName_, DialogFilter, DefaultSuffix);
    if (path.isEmpty()) {
        saveCancelled_ = true;
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + DefaultSuffix;
    fileName_ = path;
    return save();
}

void PaintWindow::openFile()
{
    dropDowns_[size_t(BarMenu::File)]->hide();
    if (askToSave()) {
        const QString path = services_.dialogs.openFileName(this, Caption, openDialogName_, DialogFilter);
        if (!path.isEmpty())
            openPicture(path, false);
    }
    restorePen();
}

void PaintWindow::openRecentFile(int slot)
{
    dropDowns_[size_t(BarMenu::File)]->hide();
    const QString path = recent_.slot(slot);
    if (!path.isEmpty() && askToSave())
        openPicture(path, true);
    restorePen();
}

bool PaintWindow::openPicture(const QString& path, bool fromRecentSlot)
{
    openDialogName_ = path;
    // Only bitmap files are pictures here, whatever else a file may hold.
    const bool bitmapName = QFileInfo(path).suffix().compare(QStringLiteral("bmp"), Qt::CaseInsensitive) == 0;
    const auto image = bitmapName ? paint::bmp::readFile(path) : std::nullopt;
    auto loaded = image ? Picture::fromImage(*image) : std::nullopt;
    if (!loaded) {
        openDialogName_.clear();
        services_.dialogs.message(this, MessageKind::Information, fromRecentSlot ? UnableToLoad : NotValidBmp,
                                  platform::Ok);
        return false;
    }
    // A recent file goes to the top of the list before it is shown; an
    // opened one after.
    if (fromRecentSlot && recent_.add(path))
        refreshRecentButtons();
    loaded->pen() = picture_.pen();
    replacePicture(std::move(*loaded));
    fileName_ = path;
    setCaptionFromFile();
    saved_ = true;
    if (!fromRecentSlot && recent_.add(path))
        refreshRecentButtons();
    return true;
}

void PaintWindow::replacePicture(Picture picture)
{
    firstCanvasPending_ = false;   // an opened picture is not replaced by the first canvas
    picture_ = std::move(picture);
    canvasView_->resize(picture_.size());
    canvasView_->update();
}

void PaintWindow::closeFromMenu()
{
    dropDowns_[size_t(BarMenu::File)]->hide();
    close();
}

// ---------------------------------------------------------------- utilities

void PaintWindow::chooseFirstColour()
{
    if (chooseColour(firstColour_))
        refreshColourShapes();
}

void PaintWindow::chooseSecondColour()
{
    if (chooseColour(secondColour_))
        refreshColourShapes();
}

void PaintWindow::showSizesIn(Unit unit)
{
    unit_ = unit;
    refreshLamps();
    showUnitValues();
}

void PaintWindow::showUnitValues()
{
    // Writing a box runs its change rule, which turns the shown value back
    // into pixels: the same numbers again for every unit.
    widthBox_->setText(paint::sizeunits::display(newWidth_, unit_));
    heightBox_->setText(paint::sizeunits::display(newHeight_, unit_));
}

void PaintWindow::sizeBoxChanged(QLineEdit* box)
{
    const QString text = box->text();
    const QString clean = paint::sizeunits::cleaned(text, unit_);
    if (clean != text) {
        box->setText(clean);   // runs this rule again on the clean text
        return;
    }
    const int pixels = paint::sizeunits::pixelsFrom(clean, unit_);
    if (box == widthBox_)
        newWidth_ = pixels;
    else
        newHeight_ = pixels;
}

void PaintWindow::resetSizes()
{
    newWidth_ = picture_.width();
    newHeight_ = picture_.height();
    showSizesIn(unit_);
}

void PaintWindow::resizePicture()
{
    if (QSize(newWidth_, newHeight_) == picture_.size()) {
        services_.dialogs.message(this, MessageKind::Information, NoNewSize, platform::Ok);
        return;
    }
    saved_ = false;
    // A size no bitmap file can hold would make a picture that can never be
    // saved; it fails as a picture too big for memory does, before the
    // question.
    const qint64 w = newWidth_;
    const qint64 h = newHeight_;
    if (w <= 0 || h <= 0 || w > paint::bmp::MaxSide || h > paint::bmp::MaxSide || w * h > paint::bmp::MaxPixels) {
        services_.dialogs.message(this, MessageKind::Information, OutOfMemory, platform::Ok);
        return;
    }
    const bool stretch = services_.dialogs.message(this, MessageKind::Confirmation, ResizeQuestion,
                                                   platform::Yes | platform::No)
                         == platform::Yes;
    auto result = paint::imageops::resized(picture_, QSize(newWidth_, newHeight_),
                                          paint::formatForDepth(colourDepth()), stretch);
    if (!result) {
        services_.dialogs.message(this, MessageKind::Information, OutOfMemory, platform::Ok);
        return;
    }
    replacePicture(std::move(*result));
}

void PaintWindow::replaceFirstColour()
{
    saved_ = false;
    paint::imageops::replaceColour(picture_, firstColour_, secondColour_);
    canvasView_->update();
}

void PaintWindow::outlineObjects()
{
    saved_ = false;
    paint::imageops::outline(picture_, firstColour_, secondColour_);
    canvasView_->update();
}

void PaintWindow::invertPicture()
{
    saved_ = false;
    paint::imageops::invert(picture_);
    canvasView_->update();
}
