#include "desktop/GradientWallpaper.h"

#include "common/HelpText.h"
#include "desktop/JpegWriter.h"
#include "desktop/Wallpaper.h"
#include "paint/BmpCodec.h"
#include "paint/Picture.h"
#include "platform/Dialogs.h"

namespace gradienttexts {

const QString Caption = QStringLiteral("Gradient Wallpaper Maker");
const QString SaveFailed = QStringLiteral("Could not Save.  ") + QChar(u'\r')
                           + QStringLiteral("Possible Causes :- Disk Full, Unformatted, CD-ROM, ")
                           + QStringLiteral("Write Protected or Corrupted");
const QString BitmapDialogTitle = QStringLiteral("Orvik 2 : File Save");
const QString BitmapFilter = QStringLiteral("Bitmaps (*.bmp)");
const QString JpegDialogTitle = QStringLiteral("Save As");
const QString JpegFilter = QStringLiteral("JPEG image (*.jpg)");

QString helpText()
{
    return buildHelpText(
        Caption,
        {
            {QStringLiteral("This module creates smooth transitions from one color to another, which may be "
                            "used as windows wallpaper, a backdrop for")},
            {QStringLiteral("your webpage or your own programs.  "), true},
            {QStringLiteral("Use the slider controls to select the amount of Red/Green/Blue in the first and "
                            "second color.   "),
             true},
            {QStringLiteral("The effect of Horizontal / Vertical / Lines meet in middle, can be seen in the "
                            "preview frame.  Set Size to \"Auto\" unless, ")},
            {QStringLiteral("for example, you want the image to be stretched to cover the entire area of your "
                            "web page.  "),
             true},
            {QStringLiteral("Save as JPEG format to use as a webpage backdrop, or BMP format for Windows "
                            "wallpaper or for a backdrop in your own")},
            {QStringLiteral("programs.  To use it there, place an image component the full size of your form, "
                            "turn its stretching on ")},
            {QStringLiteral("and send it to the back.  This window draws its own borders the same way.  "), true},
        });
}

} // namespace gradienttexts

namespace {

constexpr QChar Backspace = QChar(u'\b');
// The thickness of a manual-size bitmap across its bands.
constexpr int BitmapThickness = 5;

} // namespace

GradientWallpaper::GradientWallpaper(int screenDepth)
    : strip_(first_, second_, meetInMiddle_)
    , bitmapFormat_(paint::qtFormat(paint::formatForDepth(screenDepth)))
{
    recompute();
}

void GradientWallpaper::setFirstColour(gradient::Rgb colour)
{
    first_ = colour;
    recompute();
}

void GradientWallpaper::setSecondColour(gradient::Rgb colour)
{
    second_ = colour;
    recompute();
}

void GradientWallpaper::setDirection(Direction direction)
{
    direction_ = direction;
    recompute();
}

void GradientWallpaper::setMeetInMiddle(bool on)
{
    meetInMiddle_ = on;
    recompute();
}

void GradientWallpaper::setSizeMode(SizeMode mode)
{
    sizeMode_ = mode;
    recompute();
}

void GradientWallpaper::recompute()
{
    bitmapFile_.clear();
    strip_ = gradient::GradientStrip(first_, second_, meetInMiddle_);
    if (sizeMode_ == SizeMode::Auto)
        sizeText_ = QString::number(strip_.steps());
}

QImage GradientWallpaper::previewStrip() const
{
    return direction_ == Direction::Vertical ? strip_.vertical() : strip_.horizontal();
}

void GradientWallpaper::setSizeText(const QString& text) { sizeText_ = text; }

std::optional<int> GradientWallpaper::size() const
{
    bool number = false;
    const int value = sizeText_.toInt(&number);
    if (!number || value <= 0)
        return std::nullopt;
    return value;
}

bool GradientWallpaper::makeResized(QSize size, QImage::Format format)
{
    QImage picture = gradient::stretchNearest(previewStrip(), size, format);
    if (picture.isNull())
        return false;
    resized_ = std::move(picture);
    return true;
}

void GradientWallpaper::reportSaveFailure(platform::Dialogs& dialogs, QWidget* parent) const
{
    dialogs.message(parent, platform::MessageKind::Information, gradienttexts::SaveFailed, platform::Ok);
}

bool GradientWallpaper::saveAsBitmap(platform::Dialogs& dialogs, QWidget* parent)
{
    bitmapFile_.clear();
    if (sizeMode_ == SizeMode::Manual) {
        // Without a size the picture of an earlier save stays; the user
        // still gets the dialog.
        const std::optional<int> s = size();
        const QSize target = direction_ == Direction::Vertical ? QSize(s.value_or(0), BitmapThickness)
                                                               : QSize(BitmapThickness, s.value_or(0));
        if (!s || !makeResized(target, bitmapFormat_))
            reportSaveFailure(dialogs, parent);
    }
    const QString file = dialogs.saveFileName(parent, gradienttexts::BitmapDialogTitle, QString(),
                                              gradienttexts::BitmapFilter, QStringLiteral("bmp"));
    if (file.isEmpty())
        return false;
    const QImage picture = sizeMode_ == SizeMode::Auto ? previewStrip() : resized_;
    if (!paint::bmp::writeFile(file, picture)) {
        reportSaveFailure(dialogs, parent);
        return false;
    }
    bitmapFile_ = file;
    return true;
}

bool GradientWallpaper::saveAsJpeg(platform::Dialogs& dialogs, QWidget* parent)
{
    const std::optional<int> s = size();
    const QSize target = direction_ == Direction::Vertical ? QSize(s.value_or(0), 1) : QSize(1, s.value_or(0));
    if (!s || !makeResized(target, QImage::Format_RGB888))
        reportSaveFailure(dialogs, parent);
    const QString file = dialogs.saveFileName(parent, gradienttexts::JpegDialogTitle, QString(),
                                              gradienttexts::JpegFilter, QStringLiteral("jpg"));
    if (file.isEmpty())
        return false;
    if (!jpeg::writeFile(file, resized_)) {
        reportSaveFailure(dialogs, parent);
        return false;
    }
    return true;
}

void GradientWallpaper::setAsWallpaper(platform::Dialogs& dialogs, QWidget* parent)
{
    if (bitmapFile_.isEmpty())
        saveAsBitmap(dialogs, parent);
    if (bitmapFile_.isEmpty())
        return;
    desktop::setDesktopWallpaper(bitmapFile_, desktop::WallpaperPlacement::Tiled, desktop::OriginReset::Reset);
}

bool sizeBoxTakesKey(QChar key, const QString& text, int selectionStart, int selectionLength)
{
    if (key == Backspace)
        return true;
    if (key < QChar(u'0') || key > QChar(u'9'))
        return false;
    if (key == QChar(u'0')) {
        const int held = (QStringLiteral("0") + text).toInt();
        // A 0 at the front would make the length 0 or give it a leading zero.
        if (held == 0 || selectionStart == 0)
            return false;
    }
    return text.size() < GradientWallpaper::SizeBoxLength || selectionLength > 0;
}
