#include "paint/PaintWindow.h"

#include "app/Panel.h"
#include "app/PictureStore.h"
#include "paint/BmpCodec.h"
#include "paint/CanvasView.h"
#include "paint/FloatingText.h"
#include "paint/ImageOps.h"
#include "paint/MenuWidgets.h"
#include "paint/PaintHints.h"
#include "paint/ShadowedLabel.h"
#include "paint/TextCompositor.h"
#include "common/AccessibleValue.h"
#include "common/Colours.h"
#include "common/Palette.h"
#include "common/SettingsStore.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>

using paint::BrushType;
using paint::CanvasType;
using paint::ColourMode;
using paint::ColourValue;
using paint::PatternCurve;
using paint::PatternParameters;
using paint::Picture;
using paint::TextCompositor;
using paint::sizeunits::Unit;
using paint::menuwidgets::caption;
using paint::menuwidgets::colourShape;
using paint::menuwidgets::lamp;
using paint::menuwidgets::menuButton;
using paint::menuwidgets::thumbnail;
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

// The picture's file: the save question offers Cancel, and the save dialog
// adds the extension itself and never asks about replacing a file.
DocumentFile::Texts fileTexts()
{
    DocumentFile::Texts texts;
    texts.saveQuestion = SaveQuestion;
    texts.questionOffersCancel = true;
    texts.couldNotSave = CouldNotSave;
    texts.saveDialogTitle = Caption;
    texts.fileFilter = DialogFilter;
    texts.extension = DefaultSuffix;
    return texts;
}

ColourValue fromQColor(const QColor& colour)
{
    return colours::colourValue(colour.red(), colour.green(), colour.blue());
}

const QString NewWidthName = QStringLiteral("New width");
const QString NewHeightName = QStringLiteral("New height");
const QString BrushWidthName = QStringLiteral("Brush width");

QString describeColour(ColourValue value)
{
    const QColor c = colours::fromColourValue(value);
    return QStringLiteral("red %1, green %2, blue %3").arg(c.red()).arg(c.green()).arg(c.blue());
}

// A size box is read with its number and the unit it is in: the unit shows
// only as a lamp.
void describeSizeBox(QLineEdit* box, const QString& label, paint::sizeunits::Unit unit)
{
    using paint::sizeunits::Unit;
    const QString unitName = unit == Unit::Cm ? QStringLiteral("cm")
                             : unit == Unit::Inches ? QStringLiteral("Inches")
                                                    : QStringLiteral("Pixels");
    accessible::showValue(box, label, box->text().isEmpty() ? QString() : box->text() + QLatin1Char(' ') + unitName);
}

} // namespace

PaintWindow::PaintWindow(const UtilityServices& services, QWidget* owner)
    : QWidget(owner, Qt::Window)
    , services_(services)
    , document_(services.dialogs, this, fileTexts())
    , recent_(paint::settings::ModuleKey)
{
    setObjectName(QStringLiteral("PaintWindow"));
    setWindowTitle(Caption);
    // The client area never gets smaller than 620 x 450.
    setMinimumSize(620, 450);
    resize(760, 540);
    setAutoFillBackground(true);
    setWindowColour(this, colours::MenuGrey);
    buildMenuBar();
    buildCanvasArea();
    buildDropDowns();
    readStoredChoices();
    document_.file().setRecentFiles(&recent_);
    document_.file().changed = [this] { setCaptionFromFile(); };
    document_.file().recentChanged = [this] { refreshRecentButtons(); };
    refreshMaterials();
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
    stroke_.setWebbed(d.webbed);
    stroke_.setMirrored(d.mirror);
    stepper_.setDrawColour(d.drawColour);
    stepper_.setMode(d.colourMode, picture().pen());
    picture().pen().width = brushWidth();
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
    d.webbed = stroke_.webbed();
    d.mirror = stroke_.mirrored();
    d.drawColour = stepper_.drawColour();
    d.colourMode = stepper_.mode();
    paint::settings::writeDefaults(d);
}

// ---------------------------------------------------------------- building

void PaintWindow::buildMenuBar()
{
    menuBar_ = new Panel(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    menuBar_->setColour(colours::MenuGrey);
    menuBar_->setGeometry(0, 0, width(), BarHeight);
    QFont barFont = font();
    barFont.setBold(true);
    const QFontMetrics barMetrics(barFont);
    int x = 2;
    for (int i = 0; i < BarMenuCount; ++i) {
        const QString text = QString::fromLatin1(BarMenus[i].caption);
        const int buttonWidth = std::max(74, barMetrics.horizontalAdvance(text) + 16);
        QPushButton* button = menuButton(menuBar_, QString::fromLatin1(BarMenus[i].name) + QStringLiteral("BarButton"),
                                         text, QRect(x, 2, buttonWidth, 20));
        x += buttonWidth + 2;
        button->setMouseTracking(true);
        button->installEventFilter(this);
        barButtons_[size_t(i)] = button;
    }
    helpPanel_ = makeHelpPanel(menuBar_, QPoint(width() - 23, 2));
    helpPanel_->setToolTip(paint::hints::helpText());
}

void PaintWindow::buildCanvasArea()
{
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("scrollArea"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(false);
    scrollArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setPaletteColour(scrollArea_->viewport(), QPalette::Window, colours::MenuGrey);
    canvasView_ = new paint::CanvasView(picture(), scrollArea_);
    // The grey around the picture draws as the picture does.
    canvasView_->watchSurroundings(scrollArea_->viewport());
    connect(canvasView_, &paint::CanvasView::pressed, this, &PaintWindow::pressOnCanvas);
    connect(canvasView_, &paint::CanvasView::moved, this, &PaintWindow::moveOverCanvas);
    connect(canvasView_, &paint::CanvasView::released, this, &PaintWindow::releaseOnCanvas);
    scrollArea_->setWidget(canvasView_);
    scrollArea_->setGeometry(0, BarHeight, width(), height() - BarHeight);
}

void PaintWindow::buildDropDowns()
{
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
    buildZeVavMenu();
    buildTextEffectsMenu();
    buildUtilitiesMenu();
}

void PaintWindow::buildFileMenu()
{
    Panel* menu = dropDowns_[size_t(BarMenu::File)];
    menu->resize(330, 8 * 22 + 8);
    const auto row = [&](int index, const QString& name, const QString& text) {
        return menuButton(menu, name, text, QRect(4, 4 + index * 22, 322, 22));
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
    brushWidthSlider_->setRange(1, 75);
    brushWidthSlider_->setSingleStep(1);
    brushWidthSlider_->setPageStep(5);
    brushWidthSlider_->setTickInterval(1);
    brushWidthSlider_->setTickPosition(QSlider::TicksBelow);
    brushWidthSlider_->setGeometry(8, 4 + 3 * 24 + 26, 184, 28);
    brushWidthSlider_->setValue(25);
    accessible::showValue(brushWidthSlider_, BrushWidthName, QString::number(brushWidthSlider_->value()));
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

void PaintWindow::buildZeVavMenu()
{
    Panel* menu = dropDowns_[size_t(BarMenu::ZeVav)];
    menu->setCursor(Qt::ArrowCursor);
    connect(menuButton(menu, QStringLiteral("randomizeValuesButton"), QStringLiteral("Randomize Values"),
                       QRect(8, 4, 234, 22)),
            &QPushButton::clicked, this, &PaintWindow::randomizePattern);
    buildPatternParameters(menu);
    buildSamples(menu);
    connect(menuButton(menu, QStringLiteral("patternNewCanvasButton"), QStringLiteral("New canvas"),
                       QRect(8, 326, 234, 22)),
            &QPushButton::clicked, this, &PaintWindow::newCanvas);
    drawPatternButton_ = menuButton(menu, QStringLiteral("drawPatternButton"), QStringLiteral("Draw Pattern"),
                                    QRect(8, 350, 234, 22));
    connect(drawPatternButton_, &QPushButton::clicked, this, &PaintWindow::drawPattern);
    menu->resize(250, 378);

    // The pattern is drawn at the timer's next tick, after the hidden menu
    // and the hourglass have been shown; idle, the timer does not run.
    patternTimer_ = new QTimer(this);
    patternTimer_->setObjectName(QStringLiteral("patternTimer"));
    patternTimer_->setInterval(10);
    patternTimer_->setSingleShot(true);
    connect(patternTimer_, &QTimer::timeout, this, &PaintWindow::drawWaitingPattern);
}

void PaintWindow::buildPatternParameters(Panel* menu)
{
    using Range = paint::PatternCurve::Range;
    const struct { const char* name; const char* letter; const char* what; Range range; } bars[5] = {
        {"ring", "A", "Ring radius A", paint::PatternCurve::RingRange},
        {"wheel", "B", "Wheel radius B", paint::PatternCurve::WheelRange},
        {"penDistance", "D", "Pen distance D", paint::PatternCurve::PenDistanceRange},
        {"quality", "Q", "Quality Q", paint::PatternCurve::QualityRange},
        {"width", "W", "Line width W", paint::PatternCurve::WidthRange},
    };
    for (int i = 0; i < 5; ++i) {
        const int y = 30 + i * 24;
        const QString name = QString::fromLatin1(bars[i].name);
        caption(menu, QString::fromLatin1(bars[i].letter), QRect(10, y, 16, 20));
        auto* bar = new QScrollBar(Qt::Horizontal, menu);
        bar->setObjectName(name + QStringLiteral("ScrollBar"));
        bar->setAccessibleName(QString::fromLatin1(bars[i].what));
        bar->setRange(bars[i].range.lowest, bars[i].range.highest);
        bar->setSingleStep(1);
        bar->setPageStep(10);
        bar->setInvertedControls(false);   // the right arrow key goes up, as the bar does
        bar->setGeometry(28, y + 1, 168, 18);
        auto* readout = new paint::ShadowedLabel(menu);
        readout->setObjectName(name + QStringLiteral("Readout"));
        readout->setGeometry(204, y, 40, 20);
        patternBars_[size_t(i)] = bar;
        patternReadouts_[size_t(i)] = readout;
        connect(bar, &QScrollBar::valueChanged, this, [this, i] { patternParameterChanged(i); });
    }
    setPatternParameters(paint::PatternParameters{});
    for (int i = 0; i < 5; ++i)
        patternParameterChanged(i);   // the read-outs of values that did not change
}

void PaintWindow::buildSamples(Panel* menu)
{
    auto* samplePanel = new Panel(menu);
    samplePanel->setObjectName(QStringLiteral("samplePanel"));
    samplePanel->setColour(colours::MenuGrey);
    samplePanel->setBevel(Panel::Bevel::Lowered, 1);
    samplePanel->setGeometry(8, 152, 234, 170);
    caption(samplePanel, QStringLiteral("Samples"), QRect(6, 2, 120, 16));
    samplesList_ = new QListWidget(samplePanel);
    samplesList_->setObjectName(QStringLiteral("samplesList"));
    samplesList_->setAccessibleName(QStringLiteral("Samples"));
    samplesList_->setGeometry(4, 20, 226, 146);
    for (const paint::PatternSample& sample : paint::PatternCurve::samples())
        samplesList_->addItem(sample.name);
    samplesList_->setCurrentRow(0);
    connect(samplesList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!choosingSample_ && row >= 0)
            chooseSample(row);
    });
}

void PaintWindow::buildTextEffectsMenu()
{
    Panel* menu = dropDowns_[size_t(BarMenu::TextEffects)];
    menu->setCursor(Qt::ArrowCursor);
    auto* textPanel = new Panel(menu);
    textPanel->setObjectName(QStringLiteral("textPanel"));
    textPanel->setColour(colours::MenuGrey);
    textPanel->setGeometry(4, 4, 292, 26);
    caption(textPanel, QStringLiteral("Text"), QRect(6, 2, 40, 22));
    textBox_ = new QLineEdit(textPanel);
    textBox_->setObjectName(QStringLiteral("textBox"));
    textBox_->setAccessibleName(QStringLiteral("Text"));
    textBox_->setGeometry(48, 2, 240, 22);
    connect(textBox_, &QLineEdit::textChanged, this, &PaintWindow::composeText);

    connect(menuButton(menu, QStringLiteral("fontButton"), QStringLiteral("Font"), QRect(8, 34, 100, 22)),
            &QPushButton::clicked, this, &PaintWindow::chooseTextFont);
    outlineLamp_ = lamp(menu, QStringLiteral("textOutlineLamp"), 120, 39);
    connect(menuButton(menu, QStringLiteral("textOutlineButton"), QStringLiteral("Outline"), QRect(134, 34, 120, 22)),
            &QPushButton::clicked, this, &PaintWindow::toggleTextOutline);
    buildMaterials(menu);
    autoPreviewLamp_ = lamp(menu, QStringLiteral("autoPreviewLamp"), 8, 155);
    connect(menuButton(menu, QStringLiteral("autoPreviewButton"), QStringLiteral("* Auto Preview *"),
                       QRect(22, 150, 200, 22)),
            &QPushButton::clicked, this, &PaintWindow::toggleAutoPreview);

    previewArea_ = new QScrollArea(menu);
    previewArea_->setObjectName(QStringLiteral("textPreviewArea"));
    previewArea_->setAccessibleName(QStringLiteral("Text preview"));
    previewArea_->setGeometry(8, 176, 284, 110);
    previewArea_->setWidgetResizable(false);
    previewArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    previewArea_->setFocusPolicy(Qt::NoFocus);
    setPaletteColour(previewArea_->viewport(), QPalette::Window, colours::MenuGrey);
    previewLabel_ = new QLabel;
    previewLabel_->setObjectName(QStringLiteral("textPreview"));
    previewLabel_->setAccessibleName(QStringLiteral("Text preview"));
    previewArea_->setWidget(previewLabel_);

    connect(menuButton(menu, QStringLiteral("addTextButton"), QStringLiteral("Add text to picture"),
                       QRect(8, 290, 284, 22)),
            &QPushButton::clicked, this, &PaintWindow::startPlacingText);
    menu->resize(300, 318);

    textFont_ = paint::TextCompositor::startFont();
    textColour_ = paint::TextCompositor::startFontColour();
    floatingText_ = new paint::FloatingText(canvasView_);
}

void PaintWindow::buildMaterials(Panel* menu)
{
    auto* materialPanel = new Panel(menu);
    materialPanel->setObjectName(QStringLiteral("materialPanel"));
    materialPanel->setColour(colours::MenuGrey);
    materialPanel->setBevel(Panel::Bevel::Lowered, 1);
    materialPanel->setGeometry(4, 60, 292, 86);
    caption(materialPanel, QStringLiteral("Material"), QRect(6, 2, 120, 16));
    for (int number = 1; number <= paint::TextCompositor::MaterialCount; ++number) {
        const int x = 8 + (number - 1) * 47;
        auto* back = new Panel(materialPanel);
        back->setObjectName(QStringLiteral("materialBack%1").arg(number));
        back->setGeometry(x, 20, 40, 40);
        materialBacks_[size_t(number - 1)] = back;
        if (number == paint::TextCompositor::LoadedMaterial) {
            loadedMaterialThumbnail_ = thumbnail(back, QStringLiteral("loadedMaterialThumbnail"), 2, 2, QImage());
            loadedMaterialThumbnail_->setFrameShape(QFrame::NoFrame);
            QPushButton* load = menuButton(materialPanel, QStringLiteral("loadMaterialButton"), QStringLiteral("Load"),
                                           QRect(x - 2, 62, 44, 20));
            connect(load, &QPushButton::clicked, this, &PaintWindow::loadMaterial);
            materialButtons_[size_t(number - 1)] = load;
            continue;
        }
        auto* button = new QPushButton(back);
        button->setObjectName(QStringLiteral("material%1Button").arg(number));
        button->setGeometry(2, 2, 36, 36);
        button->setFlat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(36, 36));
        button->setIcon(QPixmap::fromImage(
            paint::TextCompositor::materialPicture(number, QImage()).scaled(36, 36, Qt::IgnoreAspectRatio)));
        button->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; }"));
        connect(button, &QPushButton::clicked, this, [this, number] { selectMaterial(number); });
        materialButtons_[size_t(number - 1)] = button;
    }
}

void PaintWindow::buildUtilitiesMenu()
{
    Panel* menu = dropDowns_[size_t(BarMenu::Utilities)];
    menu->setCursor(Qt::ArrowCursor);
    connect(menu, &Panel::clicked, this, [this] { showSizesIn(Unit::Pixels); });
    buildUtilityColours(menu);
    buildUnitChoices(menu);
    widthBox_ = buildSizeBox(menu, "width", "Width", 102);
    heightBox_ = buildSizeBox(menu, "height", "Height", 128);
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

void PaintWindow::buildUtilityColours(Panel* menu)
{
    caption(menu, QStringLiteral("1st"), QRect(8, 4, 40, 14));
    caption(menu, QStringLiteral("Color"), QRect(8, 17, 40, 14));
    firstColourShape_ = colourShape(menu, QStringLiteral("firstColourShape"), QRect(52, 6, 40, 24));
    connect(firstColourShape_, &Panel::clicked, this, &PaintWindow::chooseFirstColour);
    connect(menuButton(menu, QStringLiteral("pickUpFirstColourButton"), QStringLiteral("Pick up color..."),
                       QRect(100, 7, 146, 22)),
            &QPushButton::clicked, this, [this] { startPickUp(PickUpTarget::FirstColour); });
    caption(menu, QStringLiteral("2nd"), QRect(8, 38, 40, 14));
    caption(menu, QStringLiteral("Color"), QRect(8, 51, 40, 14));
    secondColourShape_ = colourShape(menu, QStringLiteral("secondColourShape"), QRect(52, 40, 40, 24));
    connect(secondColourShape_, &Panel::clicked, this, &PaintWindow::chooseSecondColour);
    connect(menuButton(menu, QStringLiteral("pickUpSecondColourButton"), QStringLiteral("Pick up color..."),
                       QRect(100, 41, 146, 22)),
            &QPushButton::clicked, this, [this] { startPickUp(PickUpTarget::SecondColour); });
}

void PaintWindow::buildUnitChoices(Panel* menu)
{
    caption(menu, QStringLiteral("Units:"), QRect(8, 74, 50, 20));
    const struct { const char* name; const char* caption; Unit unit; int x; } units[3] = {
        {"cm", "cm", Unit::Cm, 58}, {"inches", "Inches", Unit::Inches, 112}, {"pixels", "Pixels", Unit::Pixels, 182}};
    for (size_t i = 0; i < std::size(units); ++i) {
        const Unit unit = units[i].unit;
        const QString name = QString::fromLatin1(units[i].name);
        connect(menuButton(menu, name + QStringLiteral("Button"), QString::fromLatin1(units[i].caption),
                           QRect(units[i].x + 14, 73, 52, 22)),
                &QPushButton::clicked, this, [this, unit] { showSizesIn(unit); });
        unitLamps_[i] = lamp(menu, name + QStringLiteral("Lamp"), units[i].x, 78);
    }
}

QLineEdit* PaintWindow::buildSizeBox(Panel* menu, const char* name, const char* text, int y)
{
    QPushButton* button = menuButton(menu, QString::fromLatin1(name) + QStringLiteral("Button"),
                                     QString::fromLatin1(text), QRect(8, y, 80, 22));
    auto* box = new QLineEdit(menu);
    box->setObjectName(QString::fromLatin1(name) + QStringLiteral("Box"));
    box->setAccessibleName(QStringLiteral("New %1").arg(QString::fromLatin1(text).toLower()));
    box->setGeometry(96, y, 80, 22);
    box->installEventFilter(this);
    connect(button, &QPushButton::clicked, box, [box] { box->setFocus(Qt::OtherFocusReason); });
    // Six characters is a limit on typing only: the program writes the
    // size of any picture in full.
    connect(box, &QLineEdit::textEdited, this, [box](const QString& typed) {
        if (typed.size() > SizeBoxLength)
            box->setText(typed.left(SizeBoxLength));
    });
    connect(box, &QLineEdit::textChanged, this, [this, box] { sizeBoxChanged(box); });
    return box;
}

void PaintWindow::setHints()
{
    for (const auto& [name, hint] : paint::hints::controlHints())
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
        accessible::showValue(lampLabel, choice, on ? QStringLiteral("selected") : QStringLiteral("not selected"));
    };
    for (int number = 1; number <= 7; ++number) {
        const auto type = CanvasType(number);
        light(canvasLamps_[size_t(number - 1)], canvasType_ == type, paint::ramps::caption(type));
    }
    const char* const brushes[3] = {"Normal Paint", "Mix Paint - Light", "Mix Paint - Dark"};
    for (int number = 1; number <= 3; ++number)
        light(brushLamps_[size_t(number - 1)], brushType_ == BrushType(number),
              QString::fromLatin1(brushes[number - 1]));
    light(webbedLamp_, stroke_.webbed(), QStringLiteral("Webbed Pattern"));
    light(mirrorLamp_, stroke_.mirrored(), QStringLiteral("Mirror Effect"));
    const char* const modes[5] = {"Solid Color", "Random Color", "Red Gradient", "Green Gradient", "Blue Gradient"};
    for (int number = 1; number <= 5; ++number)
        light(colourModeLamps_[size_t(number - 1)], stepper_.mode() == ColourMode(number),
              QString::fromLatin1(modes[number - 1]));
    light(unitLamps_[0], unit_ == Unit::Cm, QStringLiteral("cm"));
    light(unitLamps_[1], unit_ == Unit::Inches, QStringLiteral("Inches"));
    light(unitLamps_[2], unit_ == Unit::Pixels, QStringLiteral("Pixels"));
    light(outlineLamp_, textOutlined_, QStringLiteral("Outline"));
    light(autoPreviewLamp_, autoPreview_, QStringLiteral("Auto Preview"));
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
    all.append(QList<QLabel*>(unitLamps_.begin(), unitLamps_.end()));
    all.append({outlineLamp_, autoPreviewLamp_});
    return all;
}

void PaintWindow::refreshColourShapes()
{
    const auto show = [](Panel* shape, const QString& what, ColourValue value) {
        shape->setColour(colours::fromColourValue(value));
        accessible::showValue(shape, what, describeColour(value));
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
    setWindowTitle(fileName().isEmpty() ? Caption : CaptionWithFile + fileName());
}

void PaintWindow::showPicture()
{
    canvasView_->resize(picture().size());
    canvasView_->update();
    if (floatingText_->placing())
        floatingText_->setGeometry(canvasView_->rect());
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
    if (released_ || queryClose()) {
        release();
        event->accept();
    } else {
        event->ignore();
    }
}

void PaintWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape lets go of a text being placed; the picture stays as it was.
    if (event->key() == Qt::Key_Escape && placingText()) {
        floatingText_->stop();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool PaintWindow::queryClose()
{
    return released_ || document_.file().maybeSave();
}

void PaintWindow::release()
{
    if (released_)
        return;
    released_ = true;
    storeChoices();
    emit released();
    hide();
    deleteLater();
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
    if (watched == widthBox_ || watched == heightBox_) {
        auto* box = static_cast<QLineEdit*>(watched);
        if (type == QEvent::KeyPress)
            return sizeBoxRefusesKey(box, event);
        if (type == QEvent::FocusIn)
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
        else if (type == QEvent::FocusOut)
            box->deselect();
    }
    return QWidget::eventFilter(watched, event);
}

bool PaintWindow::sizeBoxRefusesKey(QLineEdit* box, QEvent* event) const
{
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    const bool full = box->text().size() - box->selectedText().size() >= SizeBoxLength;
    return typed.size() == 1 && typed.at(0).isPrint()
           && (full || !paint::sizeunits::acceptsKey(typed.at(0), box->text(), unit_));
}

// ---------------------------------------------------------------- hover menus

void PaintWindow::hoverBarButton(BarMenu menu)
{
    if (pickUp_.active())
        return;
    showDropDown(menu);
    if (menu == BarMenu::TextEffects)
        textBox_->setFocus(Qt::MouseFocusReason);
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

// ---------------------------------------------------------------- the mouse on the picture

void PaintWindow::pressOnCanvas(QPoint at)
{
    if (pickUp_.active()) {
        takePickedColour();
        return;
    }
    if (placingText()) {
        dropText(at);
        return;
    }
    stroke_.press(at);
    // A press without movement draws the stroke's first dot.
    moveOverCanvas(at);
}

void PaintWindow::moveOverCanvas(QPoint at)
{
    if (pickUp_.active()) {
        pickUp_.hover(picture(), at);
        menuBar_->setColour(colours::fromColourValue(pickUp_.barColour()));
        return;
    }
    if (placingText()) {
        floatingText_->moveTextTo(at);
        return;
    }
    hideDropDowns();
    if (!picture().isNull())
        drawSegment(at);
}

void PaintWindow::drawSegment(QPoint to)
{
    const QList<QLine> lines = stroke_.moveTo(to, picture().size());
    if (lines.isEmpty())
        return;
    stepper_.step(picture().pen(), services_.random);
    document_.markChanged();
    QRect changed;
    for (const QLine& line : lines)
        changed |= picture().drawLine(line.p1(), line.p2());
    if (!changed.isEmpty())
        canvasView_->update(changed);
}

void PaintWindow::releaseOnCanvas() { stroke_.release(); }

void PaintWindow::startPickUp(PickUpTarget target)
{
    setCursor(Qt::CrossCursor);
    canvasView_->setCursor(Qt::CrossCursor);
    for (QPushButton* button : barButtons_)
        button->hide();
    hideDropDowns();
    pickUp_.start(target);
}

void PaintWindow::takePickedColour()
{
    unsetCursor();
    canvasView_->unsetCursor();
    for (QPushButton* button : barButtons_)
        button->show();
    const paint::ColourPickUp::Picked picked = pickUp_.take();
    switch (picked.target) {
    case PickUpTarget::DrawColour:
        stepper_.setDrawColour(picked.colour);
        stepper_.setMode(ColourMode::Solid, picture().pen());
        break;
    case PickUpTarget::CanvasColour:
        canvasType_ = CanvasType::SolidColour;
        canvasColour_ = picked.colour;
        break;
    case PickUpTarget::FirstColour: firstColour_ = picked.colour; break;
    case PickUpTarget::SecondColour: secondColour_ = picked.colour; break;
    case PickUpTarget::None: break;
    }
    menuBar_->setColour(colours::fromColourValue(pickUp_.barColour()));
    refreshLamps();
    refreshColourShapes();
}

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
    const auto image = paint::PaintDocument::readBitmap(path);
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
    paint::menuwidgets::showThumbnail(canvasImageThumbnail_, canvasImage_);
}

void PaintWindow::newCanvas()
{
    hideDropDowns();
    createCanvas();
}

bool PaintWindow::createCanvas()
{
    if (!document_.file().maybeSave())
        return false;
    firstCanvasPending_ = false;
    const QSize wanted(std::max(1, scrollArea_->width() - 4), std::max(1, height() - BarHeight - 4));
    if (auto fresh = Picture::create(wanted.width(), wanted.height(), paint::formatForDepth(colourDepth()))) {
        document_.replacePicture(std::move(*fresh));
    } else {
        services_.dialogs.message(this, MessageKind::Information, OutOfMemory, platform::Ok);
        if (picture().isNull()) {
            services_.dialogs.message(this, MessageKind::Warning, GeneralError, platform::Ok);
            return true;
        }
    }
    stepper_.restart(picture().pen());
    document_.startNew();
    resetSizes();
    picture().pen().mode = paint::rasterMode(brushType_);
    fillCanvas();
    picture().pen().width = brushWidth();
    showPicture();
    return true;
}

void PaintWindow::fillCanvas()
{
    if (canvasType_ == CanvasType::SolidColour)
        picture().fill(canvasColour_);
    else if (canvasType_ == CanvasType::LoadedImage)
        picture().stretchDraw(canvasImage_);
    else
        picture().stretchDraw(paint::ramps::strip(canvasType_));
}

// ---------------------------------------------------------------- brush, effects, colour

void PaintWindow::selectBrush(BrushType brush)
{
    brushType_ = brush;
    picture().pen().mode = paint::rasterMode(brush);
    refreshLamps();
}

void PaintWindow::applyBrushWidth(int width)
{
    picture().pen().width = width;
    accessible::showValue(brushWidthSlider_, BrushWidthName, QString::number(width));
}

void PaintWindow::toggleWebbed()
{
    stroke_.setWebbed(!stroke_.webbed());
    refreshLamps();
}

void PaintWindow::toggleMirror()
{
    stroke_.setMirrored(!stroke_.mirrored());
    refreshLamps();
}

void PaintWindow::selectSolidColour()
{
    hideDropDowns();
    if (stepper_.mode() == ColourMode::Solid) {
        ColourValue colour = stepper_.drawColour();
        if (chooseColour(colour)) {
            stepper_.setDrawColour(colour);
            picture().pen().colour = colour;
        }
    } else {
        stepper_.setMode(ColourMode::Solid, picture().pen());
    }
    refreshLamps();
    refreshColourShapes();
}

void PaintWindow::selectColourMode(ColourMode mode)
{
    hideDropDowns();
    stepper_.setMode(mode, picture().pen());
    refreshLamps();
}

void PaintWindow::restorePen()
{
    stepper_.restart(picture().pen());
    picture().pen().width = brushWidth();
    picture().pen().mode = paint::rasterMode(brushType_);
}

// ---------------------------------------------------------------- files

void PaintWindow::hideFileMenu() { dropDowns_[size_t(BarMenu::File)]->hide(); }

bool PaintWindow::save()
{
    hideFileMenu();
    return document_.file().save();
}

bool PaintWindow::saveAs()
{
    hideFileMenu();
    return document_.file().saveAs();
}

void PaintWindow::openFile()
{
    hideFileMenu();
    if (document_.file().maybeSave()) {
        const QString path = services_.dialogs.openFileName(this, Caption, openDialogName_, DialogFilter);
        if (!path.isEmpty())
            openPicture(path, false);
    }
    restorePen();
}

void PaintWindow::openRecentFile(int slot)
{
    hideFileMenu();
    const QString path = recent_.slot(slot);
    if (!path.isEmpty() && document_.file().maybeSave())
        openPicture(path, true);
    restorePen();
}

bool PaintWindow::openPicture(const QString& path, bool fromRecentSlot)
{
    openDialogName_ = path;
    if (!document_.open(path)) {
        openDialogName_.clear();
        services_.dialogs.message(this, MessageKind::Information, fromRecentSlot ? UnableToLoad : NotValidBmp,
                                  platform::Ok);
        return false;
    }
    firstCanvasPending_ = false;   // an opened picture is not replaced by the first canvas
    showPicture();
    return true;
}

void PaintWindow::closeFromMenu()
{
    hideFileMenu();
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
    // The same text in another unit sends no change: name the boxes here too.
    describeSizeBox(widthBox_, NewWidthName, unit_);
    describeSizeBox(heightBox_, NewHeightName, unit_);
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
    describeSizeBox(box, box == widthBox_ ? NewWidthName : NewHeightName, unit_);
    if (box == widthBox_)
        newWidth_ = pixels;
    else
        newHeight_ = pixels;
}

void PaintWindow::resetSizes()
{
    newWidth_ = picture().width();
    newHeight_ = picture().height();
    showSizesIn(unit_);
}

void PaintWindow::resizePicture()
{
    if (QSize(newWidth_, newHeight_) == picture().size()) {
        services_.dialogs.message(this, MessageKind::Information, NoNewSize, platform::Ok);
        return;
    }
    document_.markChanged();
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
    auto result = paint::imageops::resized(picture(), QSize(newWidth_, newHeight_),
                                          paint::formatForDepth(colourDepth()), stretch);
    if (!result) {
        services_.dialogs.message(this, MessageKind::Information, OutOfMemory, platform::Ok);
        return;
    }
    document_.replacePicture(std::move(*result));
    firstCanvasPending_ = false;
    showPicture();
}

void PaintWindow::replaceFirstColour()
{
    document_.markChanged();
    paint::imageops::replaceColour(picture(), firstColour_, secondColour_);
    canvasView_->update();
}

void PaintWindow::outlineObjects()
{
    document_.markChanged();
    paint::imageops::outline(picture(), firstColour_, secondColour_);
    canvasView_->update();
}

void PaintWindow::invertPicture()
{
    document_.markChanged();
    paint::imageops::invert(picture());
    canvasView_->update();
}

// ---------------------------------------------------------------- ZE-Vav

PatternParameters PaintWindow::patternParameters() const
{
    return PatternParameters{patternBars_[0]->value(), patternBars_[1]->value(), patternBars_[2]->value(),
                             patternBars_[3]->value(), patternBars_[4]->value()};
}

void PaintWindow::setPatternParameters(const PatternParameters& parameters)
{
    const int values[5] = {parameters.ring, parameters.wheel, parameters.penDistance, parameters.quality,
                           parameters.width};
    for (int i = 0; i < 5; ++i)
        patternBars_[size_t(i)]->setValue(values[i]);
}

void PaintWindow::patternParameterChanged(int index)
{
    QScrollBar* bar = patternBars_[size_t(index)];
    const QString value = QString::number(bar->value());
    patternReadouts_[size_t(index)]->setText(value);
    accessible::showValue(patternReadouts_[size_t(index)], bar->accessibleName(), value);
    if (samplesList_)
        samplesList_->setCurrentRow(0);
}

void PaintWindow::randomizePattern() { setPatternParameters(PatternCurve::randomParameters(services_.random)); }

void PaintWindow::chooseSample(int index)
{
    const auto& samples = PatternCurve::samples();
    if (index < 0 || index >= int(samples.size()))
        return;
    const paint::PatternSample& sample = samples[size_t(index)];
    choosingSample_ = true;
    if (sample.parameters)
        setPatternParameters(*sample.parameters);
    if (sample.colourMode) {
        stepper_.setMode(*sample.colourMode, picture().pen());
        refreshLamps();
    }
    // Setting the scroll bars went back to "None".
    samplesList_->setCurrentRow(index);
    choosingSample_ = false;
}

int PaintWindow::chosenSample() const { return samplesList_->currentRow(); }

void PaintWindow::drawPattern()
{
    document_.leaveFile();
    dropDowns_[size_t(BarMenu::ZeVav)]->hide();
    drawPatternButton_->hide();
    setCursor(Qt::WaitCursor);
    patternTimer_->start();
}

bool PaintWindow::patternWaiting() const { return drawPatternButton_->isHidden(); }

void PaintWindow::drawWaitingPattern()
{
    if (!patternWaiting())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PatternCurve curve(patternParameters());
    const QRect changed = curve.draw(picture(), stepper_, services_.random,
                                     PatternCurve::centreFor(size(), BarHeight));
    canvasView_->update(changed);
    drawPatternButton_->show();
    unsetCursor();
    QApplication::restoreOverrideCursor();
}

// ---------------------------------------------------------------- Text-FX

void PaintWindow::composeText()
{
    if (autoPreview_)
        composeTextNow();
}

void PaintWindow::composeTextNow()
{
    composedText_ = TextCompositor::compose(textBox_->text(), textFont_, textColour_,
                                            TextCompositor::materialPicture(material_, loadedMaterial_),
                                            textOutlined_);
    const QImage shown = TextCompositor::previewImage(composedText_);
    previewLabel_->setPixmap(QPixmap::fromImage(shown));
    previewLabel_->resize(shown.size());
}

void PaintWindow::chooseTextFont()
{
    if (services_.dialogs.chooseFont(this, textFont_, textColour_))
        composeText();
}

void PaintWindow::toggleTextOutline()
{
    textOutlined_ = !textOutlined_;
    refreshLamps();
    composeText();
}

void PaintWindow::toggleAutoPreview()
{
    autoPreview_ = !autoPreview_;
    refreshLamps();
    composeText();
}

void PaintWindow::selectMaterial(int material)
{
    material_ = material;
    refreshMaterials();
    composeText();
}

void PaintWindow::loadMaterial()
{
    material_ = TextCompositor::LoadedMaterial;
    // The open dialog starts empty here and keeps its file for the File menu.
    const QString remembered = openDialogName_;
    openDialogName_.clear();
    const QString path = services_.dialogs.openFileName(this, Caption, openDialogName_, DialogFilter);
    if (!path.isEmpty()) {
        if (const auto image = paint::PaintDocument::readBitmap(path)) {
            loadedMaterial_ = *image;
            paint::menuwidgets::showThumbnail(loadedMaterialThumbnail_, loadedMaterial_);
        } else {
            services_.dialogs.message(this, MessageKind::Information, NotValidBmp, platform::Ok);
            material_ = 1;
        }
    }
    openDialogName_ = remembered;
    refreshMaterials();
    composeText();
}

void PaintWindow::refreshMaterials()
{
    const char* const names[TextCompositor::MaterialCount] = {"Red",           "Green/White", "Blue/Cyan",
                                                               "Orange/Yellow", "Magenta",     "Loaded image"};
    for (int number = 1; number <= TextCompositor::MaterialCount; ++number) {
        const bool selected = material_ == number;
        materialBacks_[size_t(number - 1)]->setColour(selected ? Qt::yellow : Qt::black);
        accessible::setName(materialButtons_[size_t(number - 1)],
                            QStringLiteral("Material %1, %2: %3")
                                .arg(number)
                                .arg(QString::fromLatin1(names[number - 1]),
                                     selected ? QStringLiteral("selected") : QStringLiteral("not selected")));
    }
}

bool PaintWindow::placingText() const { return floatingText_->placing(); }

void PaintWindow::startPlacingText()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    composeTextNow();
    floatingText_->start(TextCompositor::floatingImage(composedText_));
    dropDowns_[size_t(BarMenu::TextEffects)]->hide();
    QApplication::restoreOverrideCursor();
}

void PaintWindow::dropText(QPoint at)
{
    floatingText_->stop();
    const QRect changed = TextCompositor::drop(picture(), composedText_, at);
    document_.markChanged();
    canvasView_->update(changed);
}

