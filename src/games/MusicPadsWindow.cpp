#include "games/MusicPadsWindow.h"

#include "app/Panel.h"
#include "common/AccessibleValue.h"
#include "common/Colours.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "games/MusicPadsArt.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr QSize ClientSize(550, 307);
constexpr int PadGap = 6;     // between neighbouring pads
constexpr int PanelMargin = 9; // from the panel's edge to the outer pads
const QColor Navy(0, 0, 128);

} // namespace

MusicPadsWindow::MusicPadsWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
    , board_(services.sounds)
{
    setObjectName(QStringLiteral("MusicPads"));
    setWindowTitle(QStringLiteral("Derur Ivuva Zedod"));
    setWindowColour(this, Navy);

    for (int row = 0; row < pads::RowCount; ++row) {
        upPictures_[std::size_t(row)] = padart::padPicture(row, false);
        downPictures_[std::size_t(row)] = padart::padPicture(row, true);
    }
    addBorderStrips(this, ClientSize);
    buildPadPanel();
    helpPanel()->raise();
    closePanel()->raise();

    // Another window may have changed the piano's channel; put it back.
    board_.setUpInstrument();
    setHelpText(buildHelpText(
        QStringLiteral("Derur Ivuva Zedod"),
        {
            {QStringLiteral("To make crazy sound effects, simply click on any of the pads.  The pitch produced "
                            "will depend on where")},
            {QStringLiteral("about on the pad you click.  Try sliding the mouse around whilst keeping the mouse "
                            "button pressed.      "),
             true},
            {QStringLiteral("To use this module, ensure that you have a compatible Sound Card, and Sound is ON in "
                            "main menu.  ")},
        }));
}

MusicPadsWindow::~MusicPadsWindow() = default;

// The light blue panel in the middle, five pads to a row.
void MusicPadsWindow::buildPadPanel()
{
    const QSize size(pads::PadsPerRow * pads::PadWidth + (pads::PadsPerRow - 1) * PadGap + 2 * PanelMargin,
                     pads::RowCount * pads::PadHeight + (pads::RowCount - 1) * PadGap + 2 * PanelMargin);
    padPanel_ = new Panel(this);
    padPanel_->setObjectName(QStringLiteral("padPanel"));
    padPanel_->setColour(colours::LightBlue);
    padPanel_->setBevel(Panel::Bevel::Raised, 2);
    padPanel_->setGeometry(QRect(QPoint((ClientSize.width() - size.width()) / 2,
                                        (ClientSize.height() - size.height()) / 2),
                                 size));
    // Moves over the bare panel, with no button held, let the pads go.
    padPanel_->setMouseTracking(true);
    padPanel_->installEventFilter(this);
    for (int number = 1; number <= pads::PadCount; ++number)
        buildPad(number);
}

void MusicPadsWindow::buildPad(int number)
{
    const int row = pads::rowOf(number);
    const int column = (number - 1) % pads::PadsPerRow;
    const QRect geometry(PanelMargin + column * (pads::PadWidth + PadGap),
                         PanelMargin + row * (pads::PadHeight + PadGap), pads::PadWidth, pads::PadHeight);
    QLabel* pad = pictureLabel(padPanel_, QStringLiteral("pad%1").arg(number), geometry, upPictures_[std::size_t(row)]);
    pad->setMouseTracking(true);
    pad->setCursor(Qt::PointingHandCursor);
    pad->installEventFilter(this);
    accessible::showValue(pad, QStringLiteral("Pad %1").arg(number),
                          QStringLiteral("channel %1, %2").arg(pads::channelOf(number)).arg(pads::instrumentOf(number)));
    pads_[std::size_t(number - 1)] = pad;
}

bool MusicPadsWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == padPanel_) {
        if (type == QEvent::MouseMove)
            releaseAllPads();
        return false;
    }
    const int number = padNumberOf(watched);
    if (number == 0)
        return ToolWindow::eventFilter(watched, event);
    switch (type) {
    // A quick second press arrives as a double click; it is a press all the same.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        pressPad(number, static_cast<QMouseEvent*>(event)->position().toPoint().y());
        return true;
    case QEvent::MouseMove:
        movePad(number, static_cast<QMouseEvent*>(event)->position().toPoint().y());
        return true;
    case QEvent::MouseButtonRelease:
        releasePad(number);
        return true;
    default:
        return false;
    }
}

void MusicPadsWindow::pressPad(int number, int y)
{
    board_.press(number, y);
    showPad(number);
}

void MusicPadsWindow::movePad(int number, int y) { board_.move(number, y); }

void MusicPadsWindow::releasePad(int number)
{
    board_.release(number);
    showPad(number);
}

void MusicPadsWindow::releaseAllPads()
{
    board_.releaseAll();
    for (int number = 1; number <= pads::PadCount; ++number)
        showPad(number);
}

void MusicPadsWindow::showPad(int number)
{
    const std::size_t row = std::size_t(pads::rowOf(number));
    pad(number)->setPixmap(board_.pressed(number) ? downPictures_[row] : upPictures_[row]);
}

int MusicPadsWindow::padNumberOf(QObject* object) const
{
    for (int number = 1; number <= pads::PadCount; ++number)
        if (pads_[std::size_t(number - 1)] == object)
            return number;
    return 0;
}
