#pragma once
#include "desktop/GradientStrip.h"

#include <QImage>
#include <QString>
#include <optional>

class QWidget;
namespace platform {
class Dialogs;
}

// What the Gradient Wallpaper Maker holds and does, without its window: the
// two colours and the options, the strips computed from them, the size box,
// and the saves (BMP, JPEG) and the wallpaper they lead to.
class GradientWallpaper {
public:
    enum class Direction { Horizontal, Vertical };
    enum class SizeMode { Auto, Manual };

    // The longest size the size box takes.
    static constexpr int SizeBoxLength = 4;

    // Black to blue, horizontal bands, lines meeting in the middle, auto
    // size. screenDepth (bits per pixel) gives the format of a manual-size
    // BMP.
    explicit GradientWallpaper(int screenDepth = 24);

    gradient::Rgb firstColour() const { return first_; }
    gradient::Rgb secondColour() const { return second_; }
    Direction direction() const { return direction_; }
    bool meetInMiddle() const { return meetInMiddle_; }
    SizeMode sizeMode() const { return sizeMode_; }

    // Every change computes the strips again, which forgets the BMP file
    // name (the saved file no longer shows this gradient).
    void setFirstColour(gradient::Rgb colour);
    void setSecondColour(gradient::Rgb colour);
    void setDirection(Direction direction);
    void setMeetInMiddle(bool on);
    // Auto size puts the step count into the size box.
    void setSizeMode(SizeMode mode);

    const gradient::GradientStrip& strip() const { return strip_; }
    int steps() const { return strip_.steps(); }
    // The strip of the chosen direction: horizontal() for horizontal bands,
    // vertical() for vertical ones.
    QImage previewStrip() const;
    QImage horizontalStrip() const { return strip_.horizontal(); }
    QImage verticalStrip() const { return strip_.vertical(); }

    // The size box: in auto mode the step count, in manual mode what the
    // user typed.
    QString sizeText() const { return sizeText_; }
    void setSizeText(const QString& text);
    // The length the size box holds: nothing for an empty box or 0.
    std::optional<int> size() const;

    // The last picture made for a manual-size BMP or for a JPEG; null
    // before the first.
    QImage resizedPicture() const { return resized_; }
    // The BMP file the gradient was last saved to; empty when none.
    QString bitmapFile() const { return bitmapFile_; }

    // Saves as a Windows bitmap: in auto mode the strip itself, in manual
    // mode the strip stretched to 5 x size (horizontal) or size x 5
    // (vertical). A failure shows the save failure message. True when the
    // file was written; the name is then remembered.
    bool saveAsBitmap(platform::Dialogs& dialogs, QWidget* parent);
    // Saves as a JPEG: the strip stretched to 1 x size or size x 1, best
    // quality, baseline. A failure shows the save failure message.
    bool saveAsJpeg(platform::Dialogs& dialogs, QWidget* parent);
    // Makes the saved bitmap the desktop wallpaper, tiled from the
    // screen's top-left corner; saves it first when it has no file yet.
    void setAsWallpaper(platform::Dialogs& dialogs, QWidget* parent);

private:
    void recompute();
    // The preview strip stretched to size into resized_; false (resized_
    // kept) when it cannot be made.
    bool makeResized(QSize size, QImage::Format format);
    void reportSaveFailure(platform::Dialogs& dialogs, QWidget* parent) const;

    gradient::Rgb first_{0, 0, 0};
    gradient::Rgb second_{0, 0, 255};
    Direction direction_ = Direction::Horizontal;
    bool meetInMiddle_ = true;
    SizeMode sizeMode_ = SizeMode::Auto;
    gradient::GradientStrip strip_;
    QString sizeText_;
    QImage resized_;
    QString bitmapFile_;
    QImage::Format bitmapFormat_;
};

// Whether the size box takes a typed key. key is the character typed
// (QChar('\b') for Backspace); text the box's text, with the selection
// selectionStart..+selectionLength (length 0 when nothing is selected and
// the caret at selectionStart). Digits and Backspace only; no 0 while the
// box holds no number and none that would start the number; nothing but
// Backspace into a full box unless text is selected.
bool sizeBoxTakesKey(QChar key, const QString& text, int selectionStart, int selectionLength);

// The texts the window shows.
namespace gradienttexts {
extern const QString Caption;
extern const QString SaveFailed;
extern const QString BitmapDialogTitle;
extern const QString BitmapFilter;
extern const QString JpegDialogTitle;
extern const QString JpegFilter;
QString helpText();
} // namespace gradienttexts
