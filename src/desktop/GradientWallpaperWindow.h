#pragma once
#include "app/ToolWindow.h"
#include "desktop/GradientWallpaper.h"

#include <array>

class GradientStripView;
class Panel;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

// Gradient Wallpaper Maker: two colours on six sliders, a smooth gradient
// between them previewed at once (and round the window's edges), saved as
// a BMP or JPEG picture, and the saved BMP made the desktop wallpaper.
class GradientWallpaperWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit GradientWallpaperWindow(const UtilityServices& services, QWidget* owner = nullptr);

    const GradientWallpaper& gradient() const { return gradient_; }

    // The commands of the File panel.
    void saveAsBitmap();
    void saveAsJpeg();
    void setAsWallpaper();
    void closeFromMenu();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class End { First, Second };
    enum Channel { Red, Green, Blue, ChannelCount };
    // The controls of one colour: a slider and a number per channel, and
    // the colour shown whole.
    struct ColourControls {
        Panel* panel = nullptr;
        std::array<QSlider*, ChannelCount> sliders{};
        std::array<Panel*, ChannelCount> values{};
        Panel* example = nullptr;
    };
    // An option button lying over its lamp.
    struct Option {
        QPushButton* button = nullptr;
        QLabel* lamp = nullptr;
    };
    enum OptionIndex { HorizontalOption, VerticalOption, MiddleOption, AutoSizeOption, ManualSizeOption, OptionCount };

    void buildBorders();
    void buildToolBar();
    void buildFilePanel();
    void buildColourPanel(End end, int y);
    void buildOptions();
    void buildPreview();
    void watchPointerForFilePanel();

    void takeColour(End end);
    void chooseDirection(GradientWallpaper::Direction direction);
    void toggleMeetInMiddle();
    void chooseAutoSize();
    void chooseManualSize();
    void showFilePanel();
    void hideFilePanel();

    // Everything that shows the gradient and the options, from the rules.
    void showGradient();
    void showOptions();
    void showColour(End end);
    bool sizeBoxRefusesKey(QEvent* event) const;

    GradientWallpaper gradient_;
    std::array<ColourControls, 2> colours_;
    std::array<Option, OptionCount> options_;
    QPixmap lampLit_;
    Panel* backPanel_ = nullptr;
    Panel* toolBar_ = nullptr;
    QPushButton* fileButton_ = nullptr;
    Panel* filePanel_ = nullptr;
    Panel* optionsPanel_ = nullptr;
    Panel* previewPanel_ = nullptr;
    QLineEdit* sizeBox_ = nullptr;
    GradientStripView* sample_ = nullptr;
    GradientStripView* leftBorder_ = nullptr;
    GradientStripView* rightBorder_ = nullptr;
    GradientStripView* topBorder_ = nullptr;
    GradientStripView* bottomBorder_ = nullptr;
};
