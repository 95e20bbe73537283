#include "games/DiceWindow.h"

#include "app/Artwork.h"
#include "app/Panel.h"
#include "app/SoundEffects.h"
#include "common/Colours.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "games/DiceArt.h"
#include "platform/Dialogs.h"
#include "platform/Random.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

namespace {

constexpr QSize ClientSize(456, 433);
constexpr int StripWidth = 21;
constexpr int ScreenBevel = 3;
constexpr int ScreenInset = 6;  // from BackScreen's edge to BackDice
constexpr int DiceMargin = 14;  // inside BackDice, round the dice and button
constexpr int RowGap = 22;      // between a row of dice and the button
// How long a key release waits for the press that would make it half of an
// auto-repeat pair; far below what a person can tell.
constexpr int KeyReleaseGraceMs = 20;
const QColor Silver(192, 192, 192);

constexpr std::uint8_t NoteOnPercussion = 0x99; // channel 9: the tick
constexpr std::uint8_t NoteOnHit = 0x94;        // channel 4: the release

// The roll button is a picture, but it needs its own presses, moves and
// releases; it hands them to the window's handlers.
class RollButton : public QLabel {
public:
    RollButton(QWidget* parent, DiceWindow* window) : QLabel(parent), window_(window) {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        event->accept();
        window_->StartMouseDown(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        event->accept();
        window_->StartMouseMove(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        event->accept();
        window_->StartMouseUp(event);
    }

private:
    DiceWindow* window_;
};

QLabel* picture(QWidget* parent, const QString& name, const QRect& geometry, const QPixmap& pixmap)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setPixmap(pixmap);
    label->setScaledContents(true);
    return label;
}

} // namespace

DiceWindow::DiceWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
{
    setObjectName(QStringLiteral("Dice"));
    setWindowTitle(QStringLiteral("Electronic Dice"));
    setFocusPolicy(Qt::StrongFocus);
    closePanel()->setObjectName(QStringLiteral("Panel1"));

    setPaletteColour(this, QPalette::Window, colours::LightBlue);

    buildLayout();

    // Idle costs nothing: the roll timer only runs while the button is held.
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(5);
    Timer2->setTimerType(Qt::PreciseTimer);
    connect(Timer2, &QTimer::timeout, this, &DiceWindow::Timer2Timer);

    keyReleaseGrace_ = new QTimer(this);
    keyReleaseGrace_->setSingleShot(true);
    keyReleaseGrace_->setInterval(KeyReleaseGraceMs);
    connect(keyReleaseGrace_, &QTimer::timeout, this, &DiceWindow::letGo);

    FormCreate();
}

DiceWindow::~DiceWindow() = default;

void DiceWindow::buildLayout()
{
    const int w = ClientSize.width();
    const int h = ClientSize.height();
    LeftBorderImage = picture(this, QStringLiteral("LeftBorderImage"), QRect(0, 0, StripWidth, h),
                              artwork::borderStrip(QSize(StripWidth, h), Qt::Vertical));
    Image1 = picture(this, QStringLiteral("Image1"), QRect(w - StripWidth, 0, StripWidth, h),
                     artwork::borderStrip(QSize(StripWidth, h), Qt::Vertical));
    const QSize across(w - 2 * StripWidth, StripWidth);
    Image3 = picture(this, QStringLiteral("Image3"), QRect(QPoint(StripWidth, 0), across),
                     artwork::borderStrip(across, Qt::Horizontal));
    Image2 = picture(this, QStringLiteral("Image2"), QRect(QPoint(StripWidth, h - StripWidth), across),
                     artwork::borderStrip(across, Qt::Horizontal));

    // The dice sit above and below the button, spread over its width.
    const int diceWidth = dice::ButtonWidth + 2 * DiceMargin;
    const int diceHeight = 2 * dice::DieSize + dice::ButtonHeight + 2 * RowGap + 2 * DiceMargin;
    const QSize screenSize(diceWidth + 2 * ScreenInset, diceHeight + 2 * ScreenInset);

    BackScreen = new Panel(this);
    BackScreen->setObjectName(QStringLiteral("BackScreen"));
    BackScreen->setColour(Silver);
    BackScreen->setBevel(Panel::Bevel::Raised, ScreenBevel);
    BackScreen->setGeometry(QRect(QPoint((w - screenSize.width()) / 2, (h - screenSize.height()) / 2),
                                  screenSize));

    BackDice = new Panel(BackScreen);
    BackDice->setObjectName(QStringLiteral("BackDice"));
    BackDice->setColour(colours::MenuGrey);
    BackDice->setBevel(Panel::Bevel::Lowered, 1);
    BackDice->setGeometry(ScreenInset, ScreenInset, diceWidth, diceHeight);

    const QPixmap face = diceart::dieFace();
    const QPixmap spot = diceart::pip();
    const int spacing = (dice::ButtonWidth - 3 * dice::DieSize) / 2;
    const int bottomRow = DiceMargin + dice::DieSize + RowGap + dice::ButtonHeight + RowGap;
    for (int k = 1; k <= dice::DieCount; ++k) {
        const int column = (k - 1) % 3;
        const QPoint at(DiceMargin + column * (dice::DieSize + spacing), k <= 3 ? DiceMargin : bottomRow);

        auto* die = new Panel(BackDice);
        die->setObjectName(QStringLiteral("Die%1").arg(k));
        die->setColour(colours::MenuGrey);
        die->setGeometry(QRect(at, QSize(dice::DieSize, dice::DieSize)));
        die->setCursor(Qt::PointingHandCursor);
        connect(die, &Panel::clicked, this, [this, k] { FlyClick(k); });
        dies_[k - 1] = die;

        // The face and the pips only draw; clicks belong to the die.
        QLabel* fly = picture(die, QStringLiteral("Fly%1").arg(k), die->rect(), face);
        fly->setAttribute(Qt::WA_TransparentForMouseEvents);
        faces_[k - 1] = fly;
        for (int p = 0; p < dice::PipCount; ++p) {
            QLabel* pip = picture(die, QStringLiteral("D%1%2").arg(k).arg(QChar(dice::pipLetter(p))),
                                  QRect(dice::pipOffset(p), QSize(dice::PipSize, dice::PipSize)), spot);
            pip->setAttribute(Qt::WA_TransparentForMouseEvents);
            pip->hide();
            pips_[k - 1][p] = pip;
        }
    }

    const QRect buttonArea(DiceMargin, DiceMargin + dice::DieSize + RowGap, dice::ButtonWidth,
                           dice::ButtonHeight);
    // The two faces of the button are kept in hidden pictures and copied in.
    AOut = picture(BackDice, QStringLiteral("AOut"), buttonArea, diceart::rollButton(false));
    AOut->hide();
    Ain = picture(BackDice, QStringLiteral("Ain"), buttonArea, diceart::rollButton(true));
    Ain->hide();
    Start = new RollButton(BackDice, this);
    Start->setObjectName(QStringLiteral("Start"));
    Start->setGeometry(buttonArea);
    Start->setScaledContents(true);
    Start->setAccessibleName(QStringLiteral("Roll Dice"));

    // The strips were laid over the frame's corner panels; bring those back up.
    helpPanel()->raise();
    closePanel()->raise();
}

void DiceWindow::FormCreate()
{
    showButtonPressed(false);
    state_.dealFaces();
    drawAllDice();
    setHelpText(buildHelpText(
        QStringLiteral("Electronic Dice"),
        {
            {QStringLiteral("This electronic Dice can be used with any game that uses between One and Six  ")},
            {QStringLiteral("conventional di(c)e.  To enable/disable a particular dice just click on it.      ")},
            {QStringLiteral("To throw, simply click \"Roll Dice\".    ")},
        }));
}

void DiceWindow::activated() { platform::Random::instance().randomize(); }

void DiceWindow::deactivated()
{
    // Closing hides the window; that is not a loss of focus to silence for.
    if (closing_)
        return;
    settleKeyRelease();
    // A key held while the focus goes elsewhere will be released elsewhere:
    // end the throw now rather than roll on unseen. (The warning box takes
    // the focus too; it settles the hold itself once it is answered.)
    if (state_.held() && holdSource_ == HoldSource::Key && !warningOpen_)
        letGo();
    services().sounds.sweep(SoundGate::Switch, Sweep::ThreeChannel);
}

void DiceWindow::FlyClick(int k)
{
    state_.toggle(k);
    drawDie(k);
}

void DiceWindow::StartMouseDown(QMouseEvent* event)
{
    settleKeyRelease();
    const QPoint at = event->position().toPoint();
    pressButton(at.x(), at.y(), HoldSource::Pointer);
}

void DiceWindow::StartMouseMove(QMouseEvent* event)
{
    settleKeyRelease();
    const QPoint at = event->position().toPoint();
    if (dice::outsideButton(at.x(), at.y()))
        letGo();
}

void DiceWindow::StartMouseUp(QMouseEvent*)
{
    settleKeyRelease();
    letGo();
}

void DiceWindow::FormKeyDown(QKeyEvent* event)
{
    if (keyReleaseGrace_->isActive()) {
        keyReleaseGrace_->stop();
        // The press that completes an auto-repeat pair carries the time of
        // its release: the key never went up. Anything else is a new press
        // after a real release.
        if (event->key() != releasedKey_ || event->timestamp() != releasedAt_)
            letGo();
    }
    // Auto-repeated presses come here too: each one is an extra roll step.
    pressButton(0, 0, HoldSource::Key);
}

void DiceWindow::FormKeyUp(QKeyEvent* event)
{
    // Auto-repeat on X11 sends a release before every repeated press. Qt
    // marks most of those, but not a pair whose press arrives in a later
    // read, so an unmarked release waits a moment for its press before it
    // lets go. A held key rolls on, and the release sound plays once.
    if (event->isAutoRepeat())
        return;
    releasedKey_ = event->key();
    releasedAt_ = event->timestamp();
    keyReleaseGrace_->start();
}

void DiceWindow::Timer2Timer()
{
    // A pointer release that went to another window (the warning box takes
    // it) still ends the throw.
    if (state_.held() && holdSource_ == HoldSource::Pointer
        && QGuiApplication::mouseButtons() == Qt::NoButton) {
        letGo();
        return;
    }
    if (!state_.rollStep()) {
        Timer2->stop();
        return;
    }
    playNote(NoteOnPercussion);
    drawAllDice();
}

bool DiceWindow::queryClose()
{
    closing_ = true;
    Timer2->stop();
    keyReleaseGrace_->stop();
    services().sounds.sweep(SoundGate::Switch, Sweep::TwoChannel);
    return true;
}

void DiceWindow::Panel1Click()
{
    closing_ = true;
    Timer2->stop();
    keyReleaseGrace_->stop();
    release();
}

void DiceWindow::closePanelClicked() { Panel1Click(); }

bool DiceWindow::event(QEvent* event)
{
    // Key preview: every key anywhere in the window is the roll button,
    // Tab and Escape included, before any other use is made of it.
    switch (event->type()) {
    case QEvent::KeyPress:
        FormKeyDown(static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::KeyRelease:
        FormKeyUp(static_cast<QKeyEvent*>(event));
        return true;
    default:
        return ToolWindow::event(event);
    }
}

void DiceWindow::pressButton(int x, int y, HoldSource source)
{
    const dice::PressOutcome outcome = state_.press(x, y);
    if (outcome.letGo) {
        letGo();
        return;
    }
    if (outcome.stepped) {
        playNote(NoteOnPercussion);
        drawAllDice();
    }
    holdSource_ = source;
    showButtonPressed(true);
    if (!Timer2->isActive())
        Timer2->start();
    if (outcome.warnNoneActive)
        warnNoneActive();
}

void DiceWindow::warnNoneActive()
{
    QPointer<DiceWindow> alive(this);
    warningOpen_ = true;
    platform::showMessage(this, platform::MessageKind::Warning, NoneActiveText, platform::Ok);
    if (!alive)
        return;
    warningOpen_ = false;
    // The box swallowed the release that would have ended this press. A key
    // still held presses again by auto-repeat; a pointer is asked directly.
    if (!state_.held())
        return;
    if (holdSource_ == HoldSource::Key || QGuiApplication::mouseButtons() == Qt::NoButton)
        letGo();
}

void DiceWindow::letGo()
{
    keyReleaseGrace_->stop();
    showButtonPressed(false);
    state_.letGo();
    Timer2->stop();
    playNote(NoteOnHit);
}

void DiceWindow::drawDie(int k)
{
    const int value = state_.shownValue(k);
    for (int p = 0; p < dice::PipCount; ++p)
        pips_[k - 1][p]->setVisible(dice::pipShown(value, p));
    dies_[k - 1]->setAccessibleName(value ? QStringLiteral("Die %1: %2").arg(k).arg(value)
                                          : QStringLiteral("Die %1: off").arg(k));
}

void DiceWindow::drawAllDice()
{
    for (int k = 1; k <= dice::DieCount; ++k)
        drawDie(k);
}

void DiceWindow::showButtonPressed(bool pressed)
{
    Start->setPixmap((pressed ? Ain : AOut)->pixmap());
}

void DiceWindow::settleKeyRelease()
{
    // Whatever comes next, a key release still waiting was a real one.
    if (keyReleaseGrace_->isActive())
        letGo();
}

void DiceWindow::playNote(std::uint8_t status)
{
    services().sounds.play(SoundGate::Switch, status, 60, 127);
}
