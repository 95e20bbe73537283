#pragma once
#include "paint/ColourModes.h"
#include "paint/PaintSettings.h"
#include "paint/Picture.h"
#include "paint/SizeUnits.h"
#include "app/UtilityServices.h"
#include "common/RecentFiles.h"

#include <QImage>
#include <QWidget>
#include <array>

class Panel;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSlider;

namespace paint {
class PictureView;
}

// Duza Zidova: the paint window. One picture in memory, painted on with
// freehand strokes whose colour changes from segment to segment, fanned out
// from the press point (web) and repeated in the other three quarters
// (mirror); pictures are opened and saved as bitmap files, and the
// Utilities menu measures, resizes, recolours, outlines and inverts the
// whole picture. An ordinary sizable window.
class PaintWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int BarHeight = 24;
    static constexpr int BarButtons = 8;

    explicit PaintWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~PaintWindow() override;

    // State the other parts of the window and the tests look at.
    const paint::Picture& picture() const { return picture_; }
    paint::Picture& picture() { return picture_; }
    bool saved() const { return Saved; }
    bool saveCancelled() const { return SaveCancelled; }
    bool penDown() const { return PenDown; }
    QPoint lastPoint() const { return QPoint(X1, Y1); }
    QString fileName() const { return fileName_; }
    int canvasType() const { return canvasType_; }
    paint::ColourValue canvasColour() const { return canvasColour_; }
    QString canvasFileName() const { return canvasFileName_; }
    bool canvasImageLoaded() const { return CanvasImageLoaded; }
    const QImage& canvasImage() const { return CanvasImage; }
    int brushType() const { return brushType_; }
    int brushWidth() const;
    bool webbed() const { return webbed_; }
    bool mirrored() const { return mirror_; }
    const paint::ColourStepper& colours() const { return stepper_; }
    int pickUpMode() const { return PickUpMode; }
    paint::ColourValue firstColour() const { return firstColour_; }
    paint::ColourValue secondColour() const { return secondColour_; }
    paint::sizeunits::Unit unit() const { return unit_; }
    QSize newSize() const { return QSize(newWidth_, newHeight_); }
    const RecentFiles& recentFiles() const { return recent_; }
    const paint::settings::CustomColours& customColours() const { return custom_; }
    // The colour the menu bar shows (the pick-up preview).
    QColor barColour() const;
    // Which drop-down panel is open: 0..7, or -1 for none.
    int openPanel() const;

    // Handlers, named after the control and event that trigger them.
    void activated();
    void SpeedButtonMouseMove(int button);
    void drwMouseDown(QPoint at);
    void drwMouseMove(QPoint at);
    void drwMouseUp();
    // Canvas menu
    void CanvasColorClick();
    void CanvasTypeClick(int type);   // the five ramp buttons, types 2..6
    void LoadCanvasClick();
    void CreateNewCanvasClick();
    void PickUpColorClick(int mode);  // 1..4
    // Brush and Special-FX menus
    void BrushClick(int type);        // 1..3
    void BrushWidthChange(int width);
    void WebPatternClick();
    void MirrorPatternClick();
    // Color menu
    void ChangeDrawColorClick();
    void ColourModeClick(paint::ColourMode mode); // random and the gradients
    // File menu
    void OpenFileClick();
    // True when the picture reached the disk.
    bool SaveFileClick();
    bool SaveFileAsClick();
    void CloseButtonClick();
    void FileSlotClick(int slot);     // 1..4
    // Utilities menu
    void SetFirstColorClick();
    void SetSecondColorClick();
    void SetUnitClick(paint::sizeunits::Unit unit);
    void ResetClick();
    void ResizeClick();
    void ReplaceColorClick();
    void OutlineObjectsClick();
    void InvertImageClick();

    // Makes a canvas of the selected type, asking about unsaved work first.
    // False when the user cancelled.
    bool createCanvas();
    // Runs the canvas creation of the first activation at once when it is
    // still waiting for the maximised size.
    void createFirstCanvasIfPending();

    QPushButton* barButton(int index) const { return barButtons_[size_t(index)]; }
    QWidget* dropDown(int index) const;
    QLineEdit* widthBox() const { return WidthBox; }
    QLineEdit* heightBox() const { return HeightBox; }
    QWidget* pictureView() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // The window has gone: closed, its question answered, its defaults stored.
    void released();

private:
    void FormCreate();
    void buildLayout();
    void buildCanvasMenu();
    void buildBrushMenu();
    void buildEffectsMenu();
    void buildColourMenu();
    void buildFileMenu();
    void buildUtilitiesMenu();
    void buildUnbuiltMenus();
    void setHints();

    void hideAllPanels();
    void showPanel(int index);
    void refreshLamps();
    void loadLampPictures();
    QList<QLabel*> lamps() const;
    void refreshColourShapes();
    void refreshRecentButtons();
    void setCaptionFromFile();

    // The save question; false when the user cancelled.
    bool askToSave();
    bool confirmSaveQuestion();
    void restorePen();
    void loadCanvasImage(const QString& name);
    bool openPicture(const QString& path, bool fromRecentSlot);
    bool chooseColour(paint::ColourValue& colour);
    void replacePicture(paint::Picture picture);
    void showUnitValues();
    void sizeBoxChanged(QLineEdit* box);
    void drawSegment(QPoint to);
    bool releaseWindow();
    int colourDepth() const;

    paint::Picture picture_;
    paint::ColourStepper stepper_;
    paint::settings::CustomColours custom_;
    RecentFiles recent_;

    // Transient state, under the names the rest of the program knows.
    bool PenDown = false;
    int X1 = 0;
    int Y1 = 0;
    bool Saved = true;
    bool SaveCancelled = false;
    int PickUpMode = 0;
    QImage CanvasImage;
    bool CanvasImageLoaded = false;

    int canvasType_ = 1;
    paint::ColourValue canvasColour_ = 0x00FFFF;
    QString canvasFileName_;
    int brushType_ = 1;
    bool webbed_ = true;
    bool mirror_ = true;
    QString fileName_;           // the current file; empty for a new picture
    QString openDialogName_;     // where the open dialog starts
    paint::ColourValue firstColour_ = 0x000000;
    paint::ColourValue secondColour_ = 0xFFFFFF;
    paint::sizeunits::Unit unit_ = paint::sizeunits::Unit::Pixels;
    int newWidth_ = 0;
    int newHeight_ = 0;
    bool activatedOnce_ = false;
    bool firstCanvasPending_ = false;
    UtilityServices services_;
    bool released_ = false;

    // Controls
    Panel* FunctionPanel = nullptr;
    Panel* HelpPanel = nullptr;
    std::array<QPushButton*, BarButtons> barButtons_{};
    std::array<Panel*, BarButtons> SpeedMenu_{};
    QScrollArea* SB1 = nullptr;
    paint::PictureView* drw = nullptr;
    std::array<QLabel*, 7> CanvasLamps{};
    std::array<QLabel*, 3> BrushLamps{};
    QLabel* FX01 = nullptr;
    QLabel* FX02 = nullptr;
    std::array<QLabel*, 5> ColorLamps{};
    QLabel* Cm = nullptr;
    QLabel* Inches = nullptr;
    QLabel* Pixels = nullptr;
    QLabel* LoadedImage = nullptr;
    Panel* SelectedCanvasColor = nullptr;
    Panel* PrimaryDrawColor = nullptr;
    Panel* SetFirstColor = nullptr;
    Panel* SetSecondColor = nullptr;
    QSlider* BrushWidth = nullptr;
    std::array<QPushButton*, 4> FileButtons{};
    QLineEdit* WidthBox = nullptr;
    QLineEdit* HeightBox = nullptr;
};
