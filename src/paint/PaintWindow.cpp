#include "paint/PaintWindow.h"

#include "app/Panel.h"
#include "app/PictureStore.h"
#include "paint/BmpCodec.h"
#include "paint/CanvasRamps.h"
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
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>

using paint::ColourMode;
using paint::ColourValue;
using paint::Picture;
using paint::sizeunits::Unit;
using platform::MessageKind;

namespace paint {

// The picture on screen: sized to the bitmap, it paints what changed.
class PictureView : public QWidget {
public:
    PictureView(const Picture& picture, QWidget* parent) : QWidget(parent), picture_(picture)
    {
        setObjectName(QStringLiteral("drw"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
        setAccessibleName(QStringLiteral("Picture"));
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        const QRect area = event->rect() & QRect(QPoint(0, 0), picture_.size());
        if (!area.isEmpty())
            painter.drawImage(area, picture_.image(), area);
    }

private:
    const Picture& picture_;
};

} // namespace paint

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

const char* const BarCaptions[PaintWindow::BarButtons] = {
    "File", "Canvas", "Brush", "Special-FX", "Color", "ZE-Vav", "Text-FX", "Utilities"};
const char* const PanelNames[PaintWindow::BarButtons] = {
    "SpeedMenu0", "SpeedMenu01", "SpeedMenu02", "SpeedMenu03",
    "SpeedMenu04", "SpeedMenu05", "SpeedMenu06", "SpeedMenu07"};

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
        {"CanvasColor", QStringLiteral("Selects a solid background color for future canvases.  ") + CrLf
                            + QStringLiteral("Once selected, click \"New Canvas\" to create.  ")},
        {"PickUpColor2", QStringLiteral("In pick up color mode you can select any color used in the drawing as the new canvas color.  ")
                             + CrLf + pickUpHow + CrLf + QStringLiteral("Remember to click \"New Canvas\" afterwards.  ")},
        {"RedGradientCanvas", ramp("a Red")},
        {"GreenGradientCanvas", ramp("a Green")},
        {"BlueGradientCanvas", ramp("a Blue")},
        {"SunsetGradientCanvas", ramp("an Orange/Yellow")},
        {"PurpleGradientCanvas", ramp("a Magenta")},
        {"LoadCanvas", QStringLiteral("Allows you to select an existing image which will be stretched/shrunk to form your canvas.  Use \"New Canvas\" afterwards.  ")
                           + CrLf + QStringLiteral("HINT - you can create your own gradients using the Razidi Rurid Wallpaper Maker module!  ")},
        {"CreateNewCanvas", QStringLiteral("Creates a new blank canvas of the selected color/pattern.  ")},
        {"Normal", QStringLiteral("Draw using selected color, regardless of what color is underneath.  ")},
        {"MixLight", QStringLiteral("Mix selected paint color with color underneath (light) ")},
        {"MixDark", QStringLiteral("Mix selected paint color with color underneath (dark) ")},
        {"WidthPanel", width},
        {"BrushWidth", width},
        {"WebPattern", QStringLiteral("When the Webbed Pattern is turned on, lines are drawn from the point where you originally click.  ")
                           + CrLf + CrLf + tryIt},
        {"MirrorPattern", QStringLiteral("When the Mirror Pattern is turned on, identical lines are drawn in the other 3 corners of the canvas in the same position.  ")
                              + CrLf + CrLf + tryIt},
        {"ChangeDrawColor", QStringLiteral("Selects a solid draw color.  ")},
        {"PickUpColor1", QStringLiteral("In pick up color mode you can select any color used in the drawing as the new pen color.  ")
                             + CrLf + pickUpHow},
        {"RandomColor", QStringLiteral("Draws each line in a random color - use this for dazzling patterns!  ")},
        {"RedGradient", QStringLiteral("Turns the Drawing color into a Red Gradient.  ")},
        {"GreenGradient", QStringLiteral("Turns the Drawing color into a Green Gradient.  ")},
        {"BlueGradient", QStringLiteral("Turns the Drawing color into a Blue Gradient.  ")},
        {"OpenFile", QStringLiteral("Opens a previous .bmp format drawing.   ")},
        {"SaveFile", QStringLiteral("Saves the current drawing to disk in .bmp format.  ")},
        {"SaveFileAs", QStringLiteral("Saves the current drawing to disk in .bmp format, under a different filename")},
        {"CloseButton", QStringLiteral("Closes Duza Zidova, you will be prompted to save the current picture.  ")},
        {"File1", recent},
        {"File2", recent},
        {"File3", recent},
        {"File4", recent},
        {"SetFirstColor", QStringLiteral("Select 1st color for replacement/outline functions")},
        {"PickUpColor3", pickUpUtility("1st Color")},
        {"SetSecondColor", QStringLiteral("Select 2nd color for replacement/outline functions")},
        {"PickUpColor4", pickUpUtility("2nd Color")},
        {"SetCM", QStringLiteral("Shows current image size in cm.  ")},
        {"SetInches", QStringLiteral("Shows current image size in inches.  ")},
        {"SetPixels", QStringLiteral("Shows current image size in pixels.  ")},
        {"WidthBox", QStringLiteral("Enter new Width here.  ")},
        {"HeightBox", QStringLiteral("Enter new Height here.  ")},
        {"Reset", QStringLiteral("Click here to put back current image Width/Height ")},
        {"Resize", QStringLiteral("Resizes current image to given Width/Height ")},
        {"ReplaceColor", QStringLiteral("Replaces every instance of the \"1st Color\" with the \"2nd Color\".  ")},
        {"OutlineObjects", QStringLiteral("Draws a line in \"2nd Color\" around the edges of each object with a background of \"1st Color\".  ")},
        {"InvertImage", QStringLiteral("Inverts the entire image.  To undo, do a second time.  ")},
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
    : QWidget(owner, Qt::Window), recent_(paint::settings::ModuleKey), services_(services)
{
    setObjectName(QStringLiteral("PaintWindow"));
    setWindowTitle(Caption);
    // The client area never gets smaller than 620 x 450.
    setMinimumSize(620, 450);
    resize(760, 540);
    buildLayout();
    FormCreate();
}

PaintWindow::~PaintWindow() = default;

int PaintWindow::colourDepth() const
{
    return services_.colourDepth > 0 ? services_.colourDepth : 32;
}

void PaintWindow::FormCreate()
{
    recent_.read();
    refreshRecentButtons();
    custom_.read();

    const paint::settings::Defaults d = paint::settings::readDefaults();
    canvasColour_ = d.canvasColour;
    canvasType_ = d.canvas;
    canvasFileName_ = d.canvasFileName;
    if (!canvasFileName_.isEmpty())
        loadCanvasImage(canvasFileName_);
    brushType_ = d.brush;
    BrushWidth->setValue(d.width);
    webbed_ = d.webbed;
    mirror_ = d.mirror;
    stepper_.setDrawColour(d.drawColour);
    stepper_.setMode(ColourMode(d.paint), picture_.pen());
    picture_.pen().width = brushWidth();
    refreshLamps();
    refreshColourShapes();
    setHints();
}

// ---------------------------------------------------------------- layout

void PaintWindow::buildLayout()
{
    setAutoFillBackground(true);
    setPaletteColour(this, QPalette::Window, colours::MenuGrey);

    FunctionPanel = new Panel(this);
    FunctionPanel->setObjectName(QStringLiteral("FunctionPanel"));
    FunctionPanel->setColour(colours::MenuGrey);
    FunctionPanel->setGeometry(0, 0, width(), BarHeight);
    QFont barFont = font();
    barFont.setBold(true);
    const QFontMetrics barMetrics(barFont);
    int x = 2;
    for (int i = 0; i < BarButtons; ++i) {
        const QString caption = QString::fromLatin1(BarCaptions[i]);
        const int buttonWidth = std::max(74, barMetrics.horizontalAdvance(caption) + 16);
        QPushButton* button = menuButton(FunctionPanel, QStringLiteral("SpeedButton%1").arg(i), caption,
                                         QRect(x, 2, buttonWidth, 20));
        x += buttonWidth + 2;
        button->setMouseTracking(true);
        button->installEventFilter(this);
        barButtons_[size_t(i)] = button;
    }
    HelpPanel = makeHelpPanel(FunctionPanel, QPoint(width() - 23, 2));
    HelpPanel->setToolTip(buildHelpText(Caption, {
        {QStringLiteral("This module allows you to create dazzling multi-colored patterns regardless of artistic ability!  ")},
        {QStringLiteral("To start drawing, simply click anywhere on the canvas and move the mouse with the button held down.  ")},
        {QStringLiteral("To learn about the various menu options just pause the mouse over them.  ")},
    }));

    SB1 = new QScrollArea(this);
    SB1->setObjectName(QStringLiteral("SB1"));
    SB1->setFrameShape(QFrame::NoFrame);
    SB1->setWidgetResizable(false);
    SB1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SB1->viewport()->setMouseTracking(true);
    SB1->viewport()->installEventFilter(this);
    setPaletteColour(SB1->viewport(), QPalette::Window, colours::MenuGrey);
    drw = new paint::PictureView(picture_, SB1);
    drw->installEventFilter(this);
    SB1->setWidget(drw);
    SB1->setGeometry(0, BarHeight, width(), height() - BarHeight);

    for (int i = 0; i < BarButtons; ++i) {
        auto* panel = new Panel(this);
        panel->setObjectName(QString::fromLatin1(PanelNames[i]));
        panel->setColour(colours::MenuGrey);
        panel->setBevel(Panel::Bevel::Raised, 1);
        panel->hide();
        SpeedMenu_[size_t(i)] = panel;
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
    Panel* menu = SpeedMenu_[0];
    menu->resize(330, 8 * 22 + 8);
    const auto row = [&](int index, const char* name, const QString& caption) {
        return menuButton(menu, QString::fromLatin1(name), caption, QRect(4, 4 + index * 22, 322, 22));
    };
    connect(row(0, "OpenFile", QStringLiteral("Open")), &QPushButton::clicked, this, &PaintWindow::OpenFileClick);
    connect(row(1, "SaveFile", QStringLiteral("Save")), &QPushButton::clicked, this, &PaintWindow::SaveFileClick);
    connect(row(2, "SaveFileAs", QStringLiteral("Save As")), &QPushButton::clicked, this, &PaintWindow::SaveFileAsClick);
    connect(row(3, "CloseButton", QStringLiteral("Close")), &QPushButton::clicked, this, &PaintWindow::CloseButtonClick);
    for (int slot = 1; slot <= RecentFiles::SlotCount; ++slot) {
        QPushButton* button = row(3 + slot, QStringLiteral("File%1").arg(slot).toLatin1().constData(),
                                  QStringLiteral("%1. ").arg(slot));
        connect(button, &QPushButton::clicked, this, [this, slot] { FileSlotClick(slot); });
        FileButtons[size_t(slot - 1)] = button;
    }
}

void PaintWindow::buildCanvasMenu()
{
    Panel* menu = SpeedMenu_[1];
    menu->resize(210, 4 + 24 + 5 * 40 + 40 + 24 + 24 + 4);
    int y = 4;
    QPushButton* solid = menuButton(menu, QStringLiteral("CanvasColor"), paint::ramps::caption(1), QRect(18, y, 140, 22));
    connect(solid, &QPushButton::clicked, this, &PaintWindow::CanvasColorClick);
    CanvasLamps[0] = lamp(menu, QStringLiteral("Canvas01"), 4, y + 5);
    SelectedCanvasColor = colourShape(menu, QStringLiteral("SelectedCanvasColor"), QRect(166, y + 1, 36, 20));
    connect(SelectedCanvasColor, &Panel::clicked, this, &PaintWindow::CanvasColorClick);
    y += 24;
    const char* const names[5] = {"RedGradientCanvas", "GreenGradientCanvas", "BlueGradientCanvas",
                                   "SunsetGradientCanvas", "PurpleGradientCanvas"};
    for (int type = paint::ramps::FirstRampType; type <= paint::ramps::LastRampType; ++type) {
        const int i = type - paint::ramps::FirstRampType;
        QPushButton* button = menuButton(menu, QString::fromLatin1(names[i]), paint::ramps::caption(type),
                                         QRect(18, y + 8, 140, 22));
        connect(button, &QPushButton::clicked, this, [this, type] { CanvasTypeClick(type); });
        CanvasLamps[size_t(type - 1)] = lamp(menu, QStringLiteral("Canvas0%1").arg(type), 4, y + 13);
        thumbnail(menu, QStringLiteral("Thumb0%1").arg(type), 166, y + 1, paint::ramps::strip(type));
        y += 40;
    }
    QPushButton* load = menuButton(menu, QStringLiteral("LoadCanvas"), paint::ramps::caption(7), QRect(18, y + 8, 140, 22));
    connect(load, &QPushButton::clicked, this, &PaintWindow::LoadCanvasClick);
    CanvasLamps[6] = lamp(menu, QStringLiteral("Canvas07"), 4, y + 13);
    LoadedImage = thumbnail(menu, QStringLiteral("LoadedImage"), 166, y + 1, QImage());
    y += 40;
    connect(menuButton(menu, QStringLiteral("CreateNewCanvas"), QStringLiteral("New Canvas"), QRect(18, y, 184, 22)),
            &QPushButton::clicked, this, &PaintWindow::CreateNewCanvasClick);
    y += 24;
    connect(menuButton(menu, QStringLiteral("PickUpColor2"), QStringLiteral("Pick up color..."), QRect(18, y, 184, 22)),
            &QPushButton::clicked, this, [this] { PickUpColorClick(2); });
}

void PaintWindow::buildBrushMenu()
{
    Panel* menu = SpeedMenu_[2];
    menu->resize(200, 4 + 3 * 24 + 26 + 30 + 4);
    const char* const names[3] = {"Normal", "MixLight", "MixDark"};
    const char* const captions[3] = {"Normal Paint", "Mix Paint - Light", "Mix Paint - Dark"};
    for (int type = 1; type <= 3; ++type) {
        const int y = 4 + (type - 1) * 24;
        connect(menuButton(menu, QString::fromLatin1(names[type - 1]), QString::fromLatin1(captions[type - 1]),
                           QRect(18, y, 178, 22)),
                &QPushButton::clicked, this, [this, type] { BrushClick(type); });
        BrushLamps[size_t(type - 1)] = lamp(menu, QStringLiteral("Brush0%1").arg(type), 4, y + 5);
    }
    auto* widthPanel = new QLabel(QStringLiteral("Width"), menu);
    widthPanel->setObjectName(QStringLiteral("WidthPanel"));
    widthPanel->setGeometry(18, 4 + 3 * 24 + 2, 178, 22);
    widthPanel->setStyleSheet(QStringLiteral("color: white; font-weight: bold; padding-left: 4px;"));
    BrushWidth = new QSlider(Qt::Horizontal, menu);
    BrushWidth->setObjectName(QStringLiteral("BrushWidth"));
    BrushWidth->setAccessibleName(QStringLiteral("Brush width"));
    BrushWidth->setRange(1, 75);
    BrushWidth->setSingleStep(1);
    BrushWidth->setPageStep(5);
    BrushWidth->setTickInterval(1);
    BrushWidth->setTickPosition(QSlider::TicksBelow);
    BrushWidth->setGeometry(8, 4 + 3 * 24 + 26, 184, 28);
    BrushWidth->setValue(25);
    connect(BrushWidth, &QSlider::valueChanged, this, &PaintWindow::BrushWidthChange);
}

void PaintWindow::buildEffectsMenu()
{
    Panel* menu = SpeedMenu_[3];
    menu->resize(190, 4 + 2 * 24 + 4);
    connect(menuButton(menu, QStringLiteral("WebPattern"), QStringLiteral("Webbed Pattern"), QRect(18, 4, 168, 22)),
            &QPushButton::clicked, this, &PaintWindow::WebPatternClick);
    FX01 = lamp(menu, QStringLiteral("FX01"), 4, 9);
    connect(menuButton(menu, QStringLiteral("MirrorPattern"), QStringLiteral("Mirror Effect"), QRect(18, 28, 168, 22)),
            &QPushButton::clicked, this, &PaintWindow::MirrorPatternClick);
    FX02 = lamp(menu, QStringLiteral("FX02"), 4, 33);
}

void PaintWindow::buildColourMenu()
{
    Panel* menu = SpeedMenu_[4];
    menu->resize(210, 4 + 6 * 24 + 4);
    QPushButton* solid = menuButton(menu, QStringLiteral("ChangeDrawColor"), QStringLiteral("Solid Color"), QRect(18, 4, 140, 22));
    connect(solid, &QPushButton::clicked, this, &PaintWindow::ChangeDrawColorClick);
    ColorLamps[0] = lamp(menu, QStringLiteral("Color01"), 4, 9);
    PrimaryDrawColor = colourShape(menu, QStringLiteral("PrimaryDrawColor"), QRect(166, 5, 36, 20));
    connect(PrimaryDrawColor, &Panel::clicked, this, &PaintWindow::ChangeDrawColorClick);
    const char* const names[4] = {"RandomColor", "RedGradient", "GreenGradient", "BlueGradient"};
    const char* const captions[4] = {"Random Color", "Red Gradient", "Green Gradient", "Blue Gradient"};
    for (int i = 0; i < 4; ++i) {
        const int y = 4 + (i + 1) * 24;
        const auto mode = ColourMode(i + 2);
        connect(menuButton(menu, QString::fromLatin1(names[i]), QString::fromLatin1(captions[i]), QRect(18, y, 184, 22)),
                &QPushButton::clicked, this, [this, mode] { ColourModeClick(mode); });
        ColorLamps[size_t(i + 1)] = lamp(menu, QStringLiteral("Color0%1").arg(i + 2), 4, y + 5);
    }
    connect(menuButton(menu, QStringLiteral("PickUpColor1"), QStringLiteral("Pick up color..."), QRect(18, 4 + 5 * 24, 184, 22)),
            &QPushButton::clicked, this, [this] { PickUpColorClick(1); });
}

// The pattern generator and the text effects come in a later build: their
// bar buttons keep their places, greyed, and say so.
void PaintWindow::buildUnbuiltMenus()
{
    for (int index : {5, 6}) {
        QPushButton* button = barButtons_[size_t(index)];
        button->setEnabled(false);
        button->setToolTip(NotInThisBuild);
        button->setAccessibleDescription(NotInThisBuild);
        SpeedMenu_[size_t(index)]->resize(200, 30);
    }
}

void PaintWindow::buildUtilitiesMenu()
{
    Panel* menu = SpeedMenu_[7];
    menu->resize(250, 330);
    menu->setCursor(Qt::ArrowCursor);
    connect(menu, &Panel::clicked, this, [this] { SetUnitClick(Unit::Pixels); });
    const auto label = [&](const QString& text, const QRect& geometry) {
        auto* l = new QLabel(text, menu);
        l->setGeometry(geometry);
        l->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        return l;
    };
    label(QStringLiteral("1st"), QRect(8, 4, 40, 14));
    label(QStringLiteral("Color"), QRect(8, 17, 40, 14));
    SetFirstColor = colourShape(menu, QStringLiteral("SetFirstColor"), QRect(52, 6, 40, 24));
    connect(SetFirstColor, &Panel::clicked, this, &PaintWindow::SetFirstColorClick);
    connect(menuButton(menu, QStringLiteral("PickUpColor3"), QStringLiteral("Pick up color..."), QRect(100, 7, 146, 22)),
            &QPushButton::clicked, this, [this] { PickUpColorClick(3); });
    label(QStringLiteral("2nd"), QRect(8, 38, 40, 14));
    label(QStringLiteral("Color"), QRect(8, 51, 40, 14));
    SetSecondColor = colourShape(menu, QStringLiteral("SetSecondColor"), QRect(52, 40, 40, 24));
    connect(SetSecondColor, &Panel::clicked, this, &PaintWindow::SetSecondColorClick);
    connect(menuButton(menu, QStringLiteral("PickUpColor4"), QStringLiteral("Pick up color..."), QRect(100, 41, 146, 22)),
            &QPushButton::clicked, this, [this] { PickUpColorClick(4); });

    label(QStringLiteral("Units:"), QRect(8, 74, 50, 20));
    const struct { const char* name; const char* caption; Unit unit; int x; } units[3] = {
        {"SetCM", "cm", Unit::Cm, 58}, {"SetInches", "Inches", Unit::Inches, 112}, {"SetPixels", "Pixels", Unit::Pixels, 182}};
    for (const auto& u : units) {
        const Unit unit = u.unit;
        connect(menuButton(menu, QString::fromLatin1(u.name), QString::fromLatin1(u.caption), QRect(u.x + 14, 73, 52, 22)),
                &QPushButton::clicked, this, [this, unit] { SetUnitClick(unit); });
    }
    Cm = lamp(menu, QStringLiteral("Cm"), 58, 78);
    Inches = lamp(menu, QStringLiteral("Inches"), 112, 78);
    Pixels = lamp(menu, QStringLiteral("Pixels"), 182, 78);

    const auto sizeBox = [&](const char* buttonName, const char* caption, const char* boxName, int y) {
        QPushButton* button = menuButton(menu, QString::fromLatin1(buttonName), QString::fromLatin1(caption), QRect(8, y, 80, 22));
        auto* box = new QLineEdit(menu);
        box->setObjectName(QString::fromLatin1(boxName));
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
    WidthBox = sizeBox("WidthButton", "Width", "WidthBox", 102);
    HeightBox = sizeBox("HeightButton", "Height", "HeightBox", 128);

    const struct { const char* name; const char* caption; void (PaintWindow::*handler)(); } actions[5] = {
        {"Reset", "Reset", &PaintWindow::ResetClick},
        {"Resize", "Resize Image", &PaintWindow::ResizeClick},
        {"ReplaceColor", "Replace 1st Color with 2nd", &PaintWindow::ReplaceColorClick},
        {"OutlineObjects", "Outline ...", &PaintWindow::OutlineObjectsClick},
        {"InvertImage", "Invert image", &PaintWindow::InvertImageClick},
    };
    for (int i = 0; i < 5; ++i)
        connect(menuButton(menu, QString::fromLatin1(actions[i].name), QString::fromLatin1(actions[i].caption),
                           QRect(8, 160 + i * 24, 238, 22)),
                &QPushButton::clicked, this, actions[i].handler);
    menu->resize(250, 160 + 5 * 24 + 6);
}

void PaintWindow::setHints()
{
    for (const auto& [name, hint] : controlHints())
        if (auto* widget = findChild<QWidget*>(name))
            widget->setToolTip(hint);
}

// ---------------------------------------------------------------- state shown

int PaintWindow::brushWidth() const { return BrushWidth->value(); }

QWidget* PaintWindow::dropDown(int index) const { return SpeedMenu_[size_t(index)]; }

QWidget* PaintWindow::pictureView() const { return drw; }

QColor PaintWindow::barColour() const { return FunctionPanel->colour(); }

int PaintWindow::openPanel() const
{
    for (int i = 0; i < BarButtons; ++i)
        if (!SpeedMenu_[size_t(i)]->isHidden())
            return i;
    return -1;
}

void PaintWindow::refreshLamps()
{
    const auto light = [](QLabel* lampLabel, bool on, const QString& choice) {
        lampLabel->setVisible(on);
        lampLabel->setAccessibleName(choice + (on ? QStringLiteral(": selected") : QStringLiteral(": not selected")));
    };
    for (int type = 1; type <= 7; ++type)
        light(CanvasLamps[size_t(type - 1)], canvasType_ == type, paint::ramps::caption(type));
    const char* const brushes[3] = {"Normal Paint", "Mix Paint - Light", "Mix Paint - Dark"};
    for (int type = 1; type <= 3; ++type)
        light(BrushLamps[size_t(type - 1)], brushType_ == type, QString::fromLatin1(brushes[type - 1]));
    light(FX01, webbed_, QStringLiteral("Webbed Pattern"));
    light(FX02, mirror_, QStringLiteral("Mirror Effect"));
    const char* const modes[5] = {"Solid Color", "Random Color", "Red Gradient", "Green Gradient", "Blue Gradient"};
    for (int mode = 1; mode <= 5; ++mode)
        light(ColorLamps[size_t(mode - 1)], int(stepper_.mode()) == mode, QString::fromLatin1(modes[mode - 1]));
    light(Cm, unit_ == Unit::Cm, QStringLiteral("cm"));
    light(Inches, unit_ == Unit::Inches, QStringLiteral("Inches"));
    light(Pixels, unit_ == Unit::Pixels, QStringLiteral("Pixels"));
}

void PaintWindow::loadLampPictures()
{
    const QPixmap backLight = services_.pictures.picture(QStringLiteral("BackLight"));
    for (QLabel* lampLabel : lamps())
        lampLabel->setPixmap(backLight);
}

QList<QLabel*> PaintWindow::lamps() const
{
    QList<QLabel*> all(CanvasLamps.begin(), CanvasLamps.end());
    all.append(QList<QLabel*>(BrushLamps.begin(), BrushLamps.end()));
    all.append({FX01, FX02});
    all.append(QList<QLabel*>(ColorLamps.begin(), ColorLamps.end()));
    all.append({Cm, Inches, Pixels});
    return all;
}

void PaintWindow::refreshColourShapes()
{
    const auto paint = [](Panel* shape, const QString& what, ColourValue value) {
        shape->setColour(colours::fromColourValue(value));
        shape->setAccessibleName(describeColour(what, value));
    };
    paint(SelectedCanvasColor, QStringLiteral("Canvas color"), canvasColour_);
    paint(PrimaryDrawColor, QStringLiteral("Draw color"), stepper_.drawColour());
    paint(SetFirstColor, QStringLiteral("1st Color"), firstColour_);
    paint(SetSecondColor, QStringLiteral("2nd Color"), secondColour_);
}

void PaintWindow::refreshRecentButtons()
{
    for (int slot = 1; slot <= RecentFiles::SlotCount; ++slot) {
        QPushButton* button = FileButtons[size_t(slot - 1)];
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
    FunctionPanel->setGeometry(0, 0, width(), BarHeight);
    HelpPanel->move(FunctionPanel->width() - 23, 2);
    SB1->setGeometry(0, BarHeight, width(), height() - BarHeight);
    if (firstCanvasPending_ && isMaximized())
        QTimer::singleShot(0, this, &PaintWindow::createFirstCanvasIfPending);
}

void PaintWindow::closeEvent(QCloseEvent* event)
{
    if (released_ || releaseWindow())
        event->accept();
    else
        event->ignore();
}

bool PaintWindow::releaseWindow()
{
    SaveCancelled = false;
    if (!Saved) {
        const int answer = platform::showMessage(this, MessageKind::Confirmation, SaveQuestion,
                                                 platform::Yes | platform::No | platform::Cancel);
        if (answer == platform::Cancel)
            return false;
        if (answer == platform::Yes) {
            SaveFileClick();
            if (SaveCancelled)
                return false;
        }
    }
    paint::settings::Defaults d;
    d.canvasColour = canvasColour_;
    d.canvas = canvasType_;
    d.canvasFileName = canvasFileName_;
    d.brush = brushType_;
    d.width = brushWidth();
    d.webbed = webbed_;
    d.mirror = mirror_;
    d.drawColour = stepper_.drawColour();
    d.paint = int(stepper_.mode());
    paint::settings::writeDefaults(d);
    released_ = true;
    emit released();
    deleteLater();
    return true;
}

bool PaintWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    for (int i = 0; i < BarButtons; ++i) {
        if (watched == barButtons_[size_t(i)] && (type == QEvent::MouseMove || type == QEvent::Enter)) {
            SpeedButtonMouseMove(i);
            return false;
        }
    }
    if (SB1 && (watched == drw || watched == SB1->viewport())) {
        const auto* widget = static_cast<QWidget*>(watched);
        const auto at = [&](QEvent* e) {
            return drw->mapFrom(widget, static_cast<QMouseEvent*>(e)->position().toPoint());
        };
        switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            drwMouseDown(at(event));
            return true;
        case QEvent::MouseMove:
            drwMouseMove(at(event));
            return true;
        case QEvent::MouseButtonRelease:
            drwMouseUp();
            return true;
        default:
            break;
        }
    }
    if ((watched == WidthBox || watched == HeightBox)) {
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

void PaintWindow::SpeedButtonMouseMove(int button)
{
    if (PickUpMode != 0)
        return;
    showPanel(button);
}

void PaintWindow::showPanel(int index)
{
    for (int i = 0; i < BarButtons; ++i) {
        Panel* panel = SpeedMenu_[size_t(i)];
        if (i == index) {
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

void PaintWindow::hideAllPanels()
{
    for (Panel* panel : SpeedMenu_)
        panel->hide();
}

// ---------------------------------------------------------------- freehand

void PaintWindow::drwMouseDown(QPoint at)
{
    if (PickUpMode != 0) {
        unsetCursor();
        drw->unsetCursor();
        for (QPushButton* button : barButtons_)
            button->show();
        const ColourValue picked = fromQColor(FunctionPanel->colour());
        switch (PickUpMode) {
        case 1:
            stepper_.setDrawColour(picked);
            stepper_.setMode(ColourMode::Solid, picture_.pen());
            break;
        case 2:
            canvasType_ = 1;
            canvasColour_ = picked;
            break;
        case 3: firstColour_ = picked; break;
        case 4: secondColour_ = picked; break;
        default: break;
        }
        PickUpMode = 0;
        FunctionPanel->setColour(colours::MenuGrey);
        refreshLamps();
        refreshColourShapes();
        return;
    }
    PenDown = true;
    X1 = at.x();
    Y1 = at.y();
    drwMouseMove(at);
}

void PaintWindow::drwMouseMove(QPoint at)
{
    if (PickUpMode != 0) {
        if (!picture_.isNull() && QRect(QPoint(0, 0), picture_.size()).contains(at))
            FunctionPanel->setColour(colours::fromColourValue(picture_.colourAt(at.x(), at.y())));
        return;
    }
    hideAllPanels();
    if (!PenDown || picture_.isNull())
        return;
    drawSegment(at);
}

void PaintWindow::drawSegment(QPoint to)
{
    const int w = picture_.width();
    const int h = picture_.height();
    const QPoint from(X1, Y1);
    stepper_.step(picture_.pen());
    Saved = false;
    QRect changed = picture_.drawLine(from, to);
    if (mirror_) {
        changed |= picture_.drawLine(QPoint(w - from.x(), from.y()), QPoint(w - to.x(), to.y()));
        changed |= picture_.drawLine(QPoint(from.x(), h - from.y()), QPoint(to.x(), h - to.y()));
        changed |= picture_.drawLine(QPoint(w - from.x(), h - from.y()), QPoint(w - to.x(), h - to.y()));
    }
    if (!webbed_) {
        X1 = to.x();
        Y1 = to.y();
    }
    if (!changed.isEmpty())
        drw->update(changed);
}

void PaintWindow::drwMouseUp() { PenDown = false; }

// ---------------------------------------------------------------- canvas

bool PaintWindow::chooseColour(ColourValue& colour)
{
    QColor chosen = colours::fromColourValue(colour);
    std::array<QColor, 16> custom = custom_.colours();
    if (!platform::Dialogs::instance().chooseColour(this, chosen, custom))
        return false;
    custom_.setColours(custom);
    custom_.write();
    colour = fromQColor(chosen);
    return true;
}

void PaintWindow::CanvasColorClick()
{
    if (canvasType_ != 1) {
        canvasType_ = 1;
        refreshLamps();
        return;
    }
    if (chooseColour(canvasColour_))
        refreshColourShapes();
}

void PaintWindow::CanvasTypeClick(int type)
{
    canvasType_ = type;
    refreshLamps();
}

void PaintWindow::LoadCanvasClick()
{
    if (CanvasImageLoaded && canvasType_ != 7) {
        canvasType_ = 7;
        refreshLamps();
        return;
    }
    loadCanvasImage(QString());
}

void PaintWindow::loadCanvasImage(const QString& name)
{
    QString path = name;
    if (path.isEmpty()) {
        path = platform::Dialogs::instance().openFileName(this, Caption, openDialogName_, DialogFilter);
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
        CanvasImageLoaded = false;
        return;
    }
    CanvasImage = *image;
    canvasFileName_ = path;
    CanvasImageLoaded = true;
    LoadedImage->setPixmap(QPixmap::fromImage(CanvasImage.scaled(36, 36, Qt::IgnoreAspectRatio)));
}

void PaintWindow::CreateNewCanvasClick()
{
    hideAllPanels();
    createCanvas();
}

bool PaintWindow::askToSave()
{
    if (Saved)
        return true;
    const int answer = platform::showMessage(this, MessageKind::Confirmation, SaveQuestion,
                                             platform::Yes | platform::No | platform::Cancel);
    if (answer == platform::Cancel)
        return false;
    // A save that failed or was cancelled must not let the drawing go: the
    // user said it was worth keeping.
    if (answer == platform::Yes && !SaveFileClick())
        return false;
    return true;
}

bool PaintWindow::createCanvas()
{
    if (!askToSave())
        return false;
    firstCanvasPending_ = false;
    const QSize wanted(std::max(1, SB1->width() - 4), std::max(1, height() - BarHeight - 4));
    if (auto fresh = Picture::create(wanted.width(), wanted.height(), paint::formatForDepth(colourDepth()))) {
        fresh->pen() = picture_.pen();
        picture_ = std::move(*fresh);
    } else {
        platform::showMessage(this, MessageKind::Information, OutOfMemory);
        if (picture_.isNull()) {
            platform::showMessage(this, MessageKind::Warning, GeneralError);
            return true;
        }
    }
    stepper_.restart(picture_.pen());
    fileName_.clear();
    Saved = true;
    setCaptionFromFile();
    ResetClick();
    picture_.pen().mode = paint::RasterMode(brushType_ - 1);
    if (canvasType_ == 1)
        picture_.fill(canvasColour_);
    else if (canvasType_ == 7)
        picture_.stretchDraw(CanvasImage);
    else
        picture_.stretchDraw(paint::ramps::strip(canvasType_));
    picture_.pen().width = brushWidth();
    drw->resize(picture_.size());
    drw->update();
    return true;
}

void PaintWindow::PickUpColorClick(int mode)
{
    setCursor(Qt::CrossCursor);
    drw->setCursor(Qt::CrossCursor);
    for (QPushButton* button : barButtons_)
        button->hide();
    hideAllPanels();
    PickUpMode = mode;
}

// ---------------------------------------------------------------- brush, effects, colour

void PaintWindow::BrushClick(int type)
{
    brushType_ = type;
    picture_.pen().mode = paint::RasterMode(type - 1);
    refreshLamps();
}

void PaintWindow::BrushWidthChange(int width) { picture_.pen().width = width; }

void PaintWindow::WebPatternClick()
{
    webbed_ = !webbed_;
    refreshLamps();
}

void PaintWindow::MirrorPatternClick()
{
    mirror_ = !mirror_;
    refreshLamps();
}

void PaintWindow::ChangeDrawColorClick()
{
    hideAllPanels();
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

void PaintWindow::ColourModeClick(ColourMode mode)
{
    hideAllPanels();
    stepper_.setMode(mode, picture_.pen());
    refreshLamps();
}

void PaintWindow::restorePen()
{
    stepper_.restart(picture_.pen());
    picture_.pen().width = brushWidth();
    picture_.pen().mode = paint::RasterMode(brushType_ - 1);
}

// ---------------------------------------------------------------- files

bool PaintWindow::SaveFileClick()
{
    SpeedMenu_[0]->hide();
    if (fileName_.isEmpty())
        return SaveFileAsClick();
    if (paint::bmp::writeFile(fileName_, picture_.image())) {
        Saved = true;
        setCaptionFromFile();
        if (recent_.add(fileName_))
            refreshRecentButtons();
        return true;
    }
    SaveCancelled = true;
    fileName_.clear();
    Saved = false;
    setCaptionFromFile();
    platform::showMessage(this, MessageKind::Information, CouldNotSave);
    return false;
}

bool PaintWindow::SaveFileAsClick()
{
    SpeedMenu_[0]->hide();
    QString path = platform::Dialogs::instance().saveFileName(this, Caption, fileName_, DialogFilter, DefaultSuffix);
    if (path.isEmpty()) {
        SaveCancelled = true;
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + DefaultSuffix;
    fileName_ = path;
    return SaveFileClick();
}

void PaintWindow::OpenFileClick()
{
    SpeedMenu_[0]->hide();
    if (askToSave()) {
        const QString path = platform::Dialogs::instance().openFileName(this, Caption, openDialogName_, DialogFilter);
        if (!path.isEmpty())
            openPicture(path, false);
    }
    restorePen();
}

void PaintWindow::FileSlotClick(int slot)
{
    SpeedMenu_[0]->hide();
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
        platform::showMessage(this, MessageKind::Information, fromRecentSlot ? UnableToLoad : NotValidBmp);
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
    Saved = true;
    if (!fromRecentSlot && recent_.add(path))
        refreshRecentButtons();
    return true;
}

void PaintWindow::replacePicture(Picture picture)
{
    firstCanvasPending_ = false;   // an opened picture is not replaced by the first canvas
    picture_ = std::move(picture);
    drw->resize(picture_.size());
    drw->update();
}

void PaintWindow::CloseButtonClick()
{
    SpeedMenu_[0]->hide();
    close();
}

// ---------------------------------------------------------------- utilities

void PaintWindow::SetFirstColorClick()
{
    if (chooseColour(firstColour_))
        refreshColourShapes();
}

void PaintWindow::SetSecondColorClick()
{
    if (chooseColour(secondColour_))
        refreshColourShapes();
}

void PaintWindow::SetUnitClick(Unit unit)
{
    unit_ = unit;
    refreshLamps();
    showUnitValues();
}

void PaintWindow::showUnitValues()
{
    // Writing a box runs its change rule, which turns the shown value back
    // into pixels: the same numbers again for every unit.
    WidthBox->setText(paint::sizeunits::display(newWidth_, unit_));
    HeightBox->setText(paint::sizeunits::display(newHeight_, unit_));
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
    if (box == WidthBox)
        newWidth_ = pixels;
    else
        newHeight_ = pixels;
}

void PaintWindow::ResetClick()
{
    newWidth_ = picture_.width();
    newHeight_ = picture_.height();
    SetUnitClick(unit_);
}

void PaintWindow::ResizeClick()
{
    if (QSize(newWidth_, newHeight_) == picture_.size()) {
        platform::showMessage(this, MessageKind::Information, NoNewSize);
        return;
    }
    Saved = false;
    // A size no bitmap file can hold would make a picture that can never be
    // saved; it fails as a picture too big for memory does, before the
    // question.
    const qint64 w = newWidth_;
    const qint64 h = newHeight_;
    if (w <= 0 || h <= 0 || w > paint::bmp::MaxSide || h > paint::bmp::MaxSide || w * h > paint::bmp::MaxPixels) {
        platform::showMessage(this, MessageKind::Information, OutOfMemory);
        return;
    }
    const bool stretch = platform::showMessage(this, MessageKind::Confirmation, ResizeQuestion,
                                               platform::Yes | platform::No)
                         == platform::Yes;
    auto result = paint::imageops::resized(picture_, QSize(newWidth_, newHeight_),
                                          paint::formatForDepth(colourDepth()), stretch);
    if (!result) {
        platform::showMessage(this, MessageKind::Information, OutOfMemory);
        return;
    }
    replacePicture(std::move(*result));
}

void PaintWindow::ReplaceColorClick()
{
    Saved = false;
    paint::imageops::replaceColour(picture_, firstColour_, secondColour_);
    drw->update();
}

void PaintWindow::OutlineObjectsClick()
{
    Saved = false;
    paint::imageops::outline(picture_, firstColour_, secondColour_);
    drw->update();
}

void PaintWindow::InvertImageClick()
{
    Saved = false;
    paint::imageops::invert(picture_);
    drw->update();
}
