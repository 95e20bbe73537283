#pragma once
#include "paint/BrushType.h"
#include "paint/CanvasRamps.h"
#include "paint/ColourPickUp.h"
#include "paint/ColourStepper.h"
#include "paint/CustomColours.h"
#include "paint/FreehandStroke.h"
#include "paint/PaintDocument.h"
#include "paint/PaintSettings.h"
#include "paint/PatternCurve.h"
#include "paint/SizeUnits.h"
#include "app/UtilityServices.h"
#include "app/UtilityWindow.h"
#include "common/RecentFiles.h"

#include <QImage>
#include <QWidget>
#include <array>

class Panel;
class QLabel;
class QLineEdit;
class QPushButton;
class QListWidget;
class QScrollArea;
class QScrollBar;
class QSlider;
class QTimer;

namespace paint {
class CanvasView;
class FloatingText;
class ShadowedLabel;
}

// Duza Zidova: the paint window. It shows the document (the picture and its
// file) and feeds the mouse to the rules: the freehand stroke geometry (web
// and mirror), the colour stepper and the colour pick-up. Pictures are
// opened and saved as bitmap files; the ZE-Vav menu draws geared-toy
// patterns, the Text-FX menu composes a line of text in a material and
// places it; the Utilities menu measures, resizes, recolours, outlines and
// inverts the whole picture. An ordinary sizable window.
class PaintWindow : public QWidget, public UtilityWindow {
    Q_OBJECT
public:
    static constexpr int BarHeight = 24;

    // The menus of the bar, left to right: each is a bar button with a
    // drop-down panel below it. None: no drop-down is open.
    enum class BarMenu { None = -1, File, Canvas, Brush, Effects, Colour, ZeVav, TextEffects, Utilities };
    static constexpr int BarMenuCount = 8;

    using PickUpTarget = paint::PickUpTarget;

    explicit PaintWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~PaintWindow() override;

    // State the tests look at.
    const paint::PaintDocument& document() const { return document_; }
    paint::PaintDocument& document() { return document_; }
    const paint::Picture& picture() const { return document_.picture(); }
    paint::Picture& picture() { return document_.picture(); }
    bool saved() const { return document_.saved(); }
    QString fileName() const { return document_.fileName(); }
    bool penDown() const { return stroke_.penDown(); }
    // Where the next segment starts: the press point while the web is on.
    QPoint lineStart() const { return stroke_.lineStart(); }
    bool webbed() const { return stroke_.webbed(); }
    bool mirrored() const { return stroke_.mirrored(); }
    paint::CanvasType canvasType() const { return canvasType_; }
    paint::ColourValue canvasColour() const { return canvasColour_; }
    QString canvasFileName() const { return canvasFileName_; }
    bool canvasImageLoaded() const { return canvasImageLoaded_; }
    const QImage& canvasImage() const { return canvasImage_; }
    paint::BrushType brushType() const { return brushType_; }
    int brushWidth() const;
    const paint::ColourStepper& colours() const { return stepper_; }
    PickUpTarget pickUpTarget() const { return pickUp_.target(); }
    paint::ColourValue firstColour() const { return firstColour_; }
    paint::ColourValue secondColour() const { return secondColour_; }
    paint::sizeunits::Unit unit() const { return unit_; }
    QSize newSize() const { return QSize(newWidth_, newHeight_); }
    const RecentFiles& recentFiles() const { return recent_; }
    const paint::settings::CustomColours& customColours() const { return custom_; }
    // The colour the menu bar shows (the pick-up preview).
    QColor barColour() const;
    BarMenu openDropDown() const;

    // The window became the active one: the lamps take the shared lamp
    // picture, and the first time the window maximises and makes its canvas.
    void activated();

    // The pointer over a bar button opens its drop-down, except while a
    // colour is being picked up.
    void hoverBarButton(BarMenu menu);

    // Canvas menu
    // Selects the solid canvas; when it already is, asks for its colour.
    void selectSolidCanvas();
    void selectCanvasType(paint::CanvasType type);
    // Selects the loaded image as canvas; asks for an image when one is
    // loaded and selected already, or none is loaded.
    void selectCanvasImage();
    void newCanvas();
    void startPickUp(PickUpTarget target);
    // Brush and Special-FX menus
    void selectBrush(paint::BrushType brush);
    void applyBrushWidth(int width);
    void toggleWebbed();
    void toggleMirror();
    // Color menu
    // Selects the solid colour mode; when it already is, asks for the colour.
    void selectSolidColour();
    void selectColourMode(paint::ColourMode mode); // random and the gradients
    // File menu: the picture's DocumentFile does the saving and asking.
    void openFile();
    // True when the picture reached the disk.
    bool save();
    bool saveAs();
    void closeFromMenu();
    void openRecentFile(int slot);     // 1..4
    // ZE-Vav menu
    paint::PatternParameters patternParameters() const;
    // Sets the five scroll bars (which sends the samples list to "None").
    void setPatternParameters(const paint::PatternParameters& parameters);
    void randomizePattern();
    // Takes a sample's parameters and colour mode; does not draw.
    void chooseSample(int index);
    int chosenSample() const;
    // Hides the menu and the button, shows the hourglass; the pattern is
    // drawn at the next tick of the pattern timer.
    void drawPattern();
    // The timer's tick: draws the whole pattern at once when one is waiting.
    void drawWaitingPattern();
    bool patternWaiting() const;
    // Text-FX menu
    QLineEdit* textBox() const { return textBox_; }
    const QFont& textFont() const { return textFont_; }
    const QColor& textColour() const { return textColour_; }
    int material() const { return material_; }
    bool textOutlined() const { return textOutlined_; }
    bool autoPreview() const { return autoPreview_; }
    // The composed text the preview shows (raw 32-bit values, see
    // TextCompositor); null while there is no text.
    const QImage& composedText() const { return composedText_; }
    void chooseTextFont();
    void toggleTextOutline();
    void toggleAutoPreview();
    void selectMaterial(int material);   // 1..5
    // Selects the loaded material and asks for a bitmap to load into it.
    void loadMaterial();
    // Composes the text and lays it over the picture to be placed.
    void startPlacingText();
    bool placingText() const;
    // Utilities menu
    void chooseFirstColour();
    void chooseSecondColour();
    void showSizesIn(paint::sizeunits::Unit unit);
    // Puts the picture's own size back into the size boxes.
    void resetSizes();
    void resizePicture();
    void replaceFirstColour();
    void outlineObjects();
    void invertPicture();

    // Makes a canvas of the selected type, asking about unsaved work first.
    // False when the user cancelled.
    bool createCanvas();
    // Runs the canvas creation of the first activation at once when it is
    // still waiting for the maximised size.
    void createFirstCanvasIfPending();

    // May the window go? Unsaved work brings the save question: Cancel, or
    // Yes with a save that fails or is cancelled, keeps the window.
    bool queryClose() override;
    // Stores the choices, says the window has gone and destroys it once the
    // current event is handled; asks nothing. Once only.
    void release() override;

    QPushButton* barButton(BarMenu menu) const;
    QWidget* dropDown(BarMenu menu) const;
    QLineEdit* widthBox() const { return widthBox_; }
    QLineEdit* heightBox() const { return heightBox_; }
    paint::CanvasView* canvasView() const { return canvasView_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The window has gone: its question answered, its defaults stored.
    void released();

private:
    void readStoredChoices();
    void storeChoices() const;

    // Building: the bar, the picture area, then one builder per drop-down.
    void buildMenuBar();
    void buildCanvasArea();
    void buildDropDowns();
    void buildFileMenu();
    void buildCanvasMenu();
    void buildBrushMenu();
    void buildEffectsMenu();
    void buildColourMenu();
    void buildZeVavMenu();
    void buildTextEffectsMenu();
    void buildUtilitiesMenu();
    void buildPatternParameters(Panel* menu);
    void buildSamples(Panel* menu);
    void buildMaterials(Panel* menu);
    void patternParameterChanged(int index);
    void buildUtilityColours(Panel* menu);
    void buildUnitChoices(Panel* menu);
    QLineEdit* buildSizeBox(Panel* menu, const char* name, const char* caption, int y);
    // Text-FX: composeText follows the auto preview; composeTextNow always
    // composes.
    void composeText();
    void composeTextNow();
    void refreshMaterials();
    void setHints();

    // The mouse on the picture, in picture coordinates.
    void pressOnCanvas(QPoint at);
    void moveOverCanvas(QPoint at);
    void releaseOnCanvas();
    void dropText(QPoint at);
    void drawSegment(QPoint to);
    void takePickedColour();

    void hideDropDowns();
    void showDropDown(BarMenu menu);
    void refreshLamps();
    void loadLampPictures();
    QList<QLabel*> lamps() const;
    void refreshColourShapes();
    void refreshRecentButtons();
    void setCaptionFromFile();
    void showPicture();
    bool sizeBoxRefusesKey(QLineEdit* box, QEvent* event) const;

    void hideFileMenu();
    void restorePen();
    void fillCanvas();
    void loadCanvasImage(const QString& name);
    bool openPicture(const QString& path, bool fromRecentSlot);
    bool chooseColour(paint::ColourValue& colour);
    void showUnitValues();
    void sizeBoxChanged(QLineEdit* box);
    int colourDepth() const;

    UtilityServices services_;
    paint::PaintDocument document_;
    paint::FreehandStroke stroke_;
    paint::ColourPickUp pickUp_;
    paint::ColourStepper stepper_;
    paint::settings::CustomColours custom_;
    RecentFiles recent_;

    QImage canvasImage_;
    bool canvasImageLoaded_ = false;
    paint::CanvasType canvasType_ = paint::CanvasType::SolidColour;
    paint::ColourValue canvasColour_ = 0x00FFFF;
    QString canvasFileName_;
    paint::BrushType brushType_ = paint::BrushType::Normal;
    QString openDialogName_;     // where the open dialog starts
    paint::ColourValue firstColour_ = 0x000000;
    paint::ColourValue secondColour_ = 0xFFFFFF;
    paint::sizeunits::Unit unit_ = paint::sizeunits::Unit::Pixels;
    int newWidth_ = 0;
    int newHeight_ = 0;
    bool activatedOnce_ = false;
    bool firstCanvasPending_ = false;
    bool released_ = false;
    bool choosingSample_ = false;
    QFont textFont_;
    QColor textColour_;
    int material_ = 3;
    QImage loadedMaterial_;
    bool textOutlined_ = true;
    bool autoPreview_ = true;
    QImage composedText_;

    // Controls
    Panel* menuBar_ = nullptr;
    Panel* helpPanel_ = nullptr;
    std::array<QPushButton*, BarMenuCount> barButtons_{};
    std::array<Panel*, BarMenuCount> dropDowns_{};
    QScrollArea* scrollArea_ = nullptr;
    paint::CanvasView* canvasView_ = nullptr;
    std::array<QLabel*, 7> canvasLamps_{};       // by canvas type
    std::array<QLabel*, 3> brushLamps_{};        // by brush type
    QLabel* webbedLamp_ = nullptr;
    QLabel* mirrorLamp_ = nullptr;
    std::array<QLabel*, 5> colourModeLamps_{};   // by colour mode
    std::array<QLabel*, 3> unitLamps_{};         // cm, inches, pixels
    QLabel* canvasImageThumbnail_ = nullptr;
    Panel* canvasColourShape_ = nullptr;
    Panel* drawColourShape_ = nullptr;
    Panel* firstColourShape_ = nullptr;
    Panel* secondColourShape_ = nullptr;
    QSlider* brushWidthSlider_ = nullptr;
    std::array<QPushButton*, RecentFiles::SlotCount> recentFileButtons_{};
    QLineEdit* widthBox_ = nullptr;
    QLineEdit* heightBox_ = nullptr;
    // ZE-Vav
    std::array<QScrollBar*, 5> patternBars_{};          // A, B, D, Q, W
    std::array<paint::ShadowedLabel*, 5> patternReadouts_{};
    QListWidget* samplesList_ = nullptr;
    QPushButton* drawPatternButton_ = nullptr;
    QTimer* patternTimer_ = nullptr;
    // Text-FX
    QLineEdit* textBox_ = nullptr;
    QLabel* outlineLamp_ = nullptr;
    QLabel* autoPreviewLamp_ = nullptr;
    std::array<Panel*, 6> materialBacks_{};
    std::array<QPushButton*, 6> materialButtons_{};
    QLabel* loadedMaterialThumbnail_ = nullptr;
    QScrollArea* previewArea_ = nullptr;
    QLabel* previewLabel_ = nullptr;
    paint::FloatingText* floatingText_ = nullptr;
};
