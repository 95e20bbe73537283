#include "games/DiceWindow.h"

#include "app/Panel.h"
#include "app/SoundEffects.h"
#include "common/Colours.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "games/DiceArt.h"
#include "games/RollButton.h"
#include "common/AccessibleValue.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTime>
#include <QTimer>

namespace {

constexpr QSize ClientSize(456, 433);
constexpr int SurroundBevel = 3;
constexpr int SurroundInset = 6; // from the silver surround's edge to the dice panel
constexpr int DiceMargin = 14;   // inside the dice panel, round the dice and button
constexpr int RowGap = 22;       // between a row of dice and the button
// How long a key release waits for the press that would make it half of an
// auto-repeat pair; far below what a person can tell.
constexpr int KeyReleaseGraceMs = 20;
const QColor Silver(192, 192, 192);

constexpr int RollTickMs = 5;
constexpr std::uint8_t RollNote = 60;
constexpr std::uint8_t RollVelocity = 127;
// A key holds the button as a press at its top-left corner would.
constexpr QPoint KeyPressPoint(0, 0);

} // namespace

DiceWindow::DiceWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
{
    setObjectName(QStringLiteral("Dice"));
    setWindowTitle(QStringLiteral("Electronic Dice"));
    setFocusPolicy(Qt::StrongFocus);

    setWindowColour(this, colours::LightBlue);

    buildLayout();

    // Idle costs nothing: the roll timer only runs while the button is held.
    rollTimer_ = new QTimer(this);
    rollTimer_->setObjectName(QStringLiteral("rollTimer"));
    rollTimer_->setInterval(RollTickMs);
    rollTimer_->setTimerType(Qt::PreciseTimer);
    connect(rollTimer_, &QTimer::timeout, this, &DiceWindow::rollTick);

    keyReleaseGrace_ = new QTimer(this);
    keyReleaseGrace_->setSingleShot(true);
    keyReleaseGrace_->setInterval(KeyReleaseGraceMs);
    connect(keyReleaseGrace_, &QTimer::timeout, this, &DiceWindow::letGo);

    showButtonPressed(false);
    state_.dealFaces(services.random);
    drawAllDice();
    setHelpText(buildHelpText(
        QStringLiteral("Electronic Dice"),
        {
            {QStringLiteral("This electronic Dice can be used with any game that uses between One and Six  ")},
            {QStringLiteral("conventional di(c)e.  To enable/disable a particular dice just click on it.      ")},
            {QStringLiteral("To throw, simply click \"Roll Dice\".    ")},
        }));
}

DiceWindow::~DiceWindow() = default;

void DiceWindow::buildLayout()
{
    addBorderStrips(this, ClientSize);
    buildDicePanel();
    // Drawn once, shown by every die.
    const QPixmap face = diceart::dieFace();
    const QPixmap spot = diceart::pip();
    for (int k = 1; k <= dice::DieCount; ++k)
        buildDie(k, face, spot);
    buildRollButton();

    // The strips were laid over the frame's corner panels; bring those back up.
    helpPanel()->raise();
    closePanel()->raise();
}

// The silver surround, centred, and inside it the panel of the dice and the button.
void DiceWindow::buildDicePanel()
{
    // The dice sit above and below the button, spread over its width.
    const int diceWidth = dice::ButtonWidth + 2 * DiceMargin;
    const int diceHeight = 2 * dice::DieSize + dice::ButtonHeight + 2 * RowGap + 2 * DiceMargin;
    const QSize surroundSize(diceWidth + 2 * SurroundInset, diceHeight + 2 * SurroundInset);

    surroundPanel_ = new Panel(this);
    surroundPanel_->setObjectName(QStringLiteral("surroundPanel"));
    surroundPanel_->setColour(Silver);
    surroundPanel_->setBevel(Panel::Bevel::Raised, SurroundBevel);
    surroundPanel_->setGeometry(QRect(
        QPoint((ClientSize.width() - surroundSize.width()) / 2, (ClientSize.height() - surroundSize.height()) / 2),
        surroundSize));

    dicePanel_ = new Panel(surroundPanel_);
    dicePanel_->setObjectName(QStringLiteral("dicePanel"));
    dicePanel_->setColour(colours::MenuGrey);
    dicePanel_->setBevel(Panel::Bevel::Lowered, 1);
    dicePanel_->setGeometry(SurroundInset, SurroundInset, diceWidth, diceHeight);
}

// Die k (1..6): dice 1-3 in the top row, 4-6 in the bottom row, each a face
// with its seven pips, hidden until a value is drawn.
void DiceWindow::buildDie(int k, const QPixmap& face, const QPixmap& spot)
{
    const int spacing = (dice::ButtonWidth - 3 * dice::DieSize) / 2;
    const int bottomRow = DiceMargin + dice::DieSize + RowGap + dice::ButtonHeight + RowGap;
    const int column = (k - 1) % 3;
    const QPoint at(DiceMargin + column * (dice::DieSize + spacing), k <= 3 ? DiceMargin : bottomRow);

    auto* die = new Panel(dicePanel_);
    die->setObjectName(QStringLiteral("die%1").arg(k));
    die->setColour(colours::MenuGrey);
    die->setGeometry(QRect(at, QSize(dice::DieSize, dice::DieSize)));
    die->setCursor(Qt::PointingHandCursor);
    connect(die, &Panel::clicked, this, [this, k] { toggleDie(k); });
    dice_[k - 1] = die;

    // The face and the pips only draw; clicks belong to the die, and so does
    // what a reader hears ("Die 3: 5").
    QLabel* dieFace = pictureLabel(die, QStringLiteral("die%1Face").arg(k), die->rect(), face);
    dieFace->setAttribute(Qt::WA_TransparentForMouseEvents);
    accessible::markDecoration(dieFace);
    for (int p = 0; p < dice::PipCount; ++p) {
        QLabel* pip = pictureLabel(die, QStringLiteral("die%1Pip%2").arg(k).arg(QChar(dice::pipLetter(p))),
                              QRect(dice::pipOffset(p), QSize(dice::PipSize, dice::PipSize)), spot);
        pip->setAttribute(Qt::WA_TransparentForMouseEvents);
        accessible::markDecoration(pip);
        pip->hide();
        pips_[k - 1][p] = pip;
    }
}

// The roll button between the two rows of dice, with its two faces.
void DiceWindow::buildRollButton()
{
    releasedButtonFace_ = diceart::rollButtonFace(false);
    pressedButtonFace_ = diceart::rollButtonFace(true);
    rollButton_ = new RollButton(dicePanel_);
    rollButton_->setObjectName(QStringLiteral("rollButton"));
    rollButton_->setGeometry(DiceMargin, DiceMargin + dice::DieSize + RowGap, dice::ButtonWidth,
                             dice::ButtonHeight);
    rollButton_->setScaledContents(true);
    rollButton_->setAccessibleName(QStringLiteral("Roll Dice"));
    connect(rollButton_, &RollButton::pressedAt, this, &DiceWindow::pressRollButton);
    connect(rollButton_, &RollButton::movedTo, this, &DiceWindow::letGoIfPointerLeft);
    connect(rollButton_, &RollButton::releasedAt, this, &DiceWindow::releaseRollButton);
}

void DiceWindow::activated() { dice::reseedFromTime(services().random, timeOfDay()); }

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

void DiceWindow::toggleDie(int die)
{
    state_.toggle(die);
    drawDie(die);
}

void DiceWindow::pressRollButton(QPoint at)
{
    settleKeyRelease();
    press(at, HoldSource::Pointer);
}

void DiceWindow::letGoIfPointerLeft(QPoint at)
{
    settleKeyRelease();
    if (dice::outsideButton(at.x(), at.y()))
        letGo();
}

void DiceWindow::releaseRollButton()
{
    settleKeyRelease();
    letGo();
}

void DiceWindow::pressRollButtonByKey(QKeyEvent* event)
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
    press(KeyPressPoint, HoldSource::Key);
}

void DiceWindow::releaseRollButtonByKey(QKeyEvent* event)
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

void DiceWindow::rollTick()
{
    // A pointer release that went to another window (the warning box takes
    // it) still ends the throw.
    if (state_.held() && holdSource_ == HoldSource::Pointer
        && QGuiApplication::mouseButtons() == Qt::NoButton) {
        letGo();
        return;
    }
    if (!state_.rollStep(services().random, timeOfDay())) {
        rollTimer_->stop();
        return;
    }
    playSound(TickSound);
    drawAllDice();
}

bool DiceWindow::queryClose()
{
    stopForClosing();
    services().sounds.sweep(SoundGate::Switch, Sweep::TwoChannel);
    return true;
}

void DiceWindow::closeWithoutSweep()
{
    stopForClosing();
    release();
}

void DiceWindow::stopForClosing()
{
    closing_ = true;
    rollTimer_->stop();
    keyReleaseGrace_->stop();
}

// The close panel lets the window go without asking and without the sweep
// the system close sends.
void DiceWindow::closePanelClicked() { closeWithoutSweep(); }

bool DiceWindow::event(QEvent* event)
{
    // Key preview: every key anywhere in the window is the roll button,
    // Tab and Escape included, before any other use is made of it.
    switch (event->type()) {
    case QEvent::KeyPress:
        pressRollButtonByKey(static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::KeyRelease:
        releaseRollButtonByKey(static_cast<QKeyEvent*>(event));
        return true;
    default:
        return ToolWindow::event(event);
    }
}

void DiceWindow::press(QPoint at, HoldSource source)
{
    const dice::PressOutcome outcome = state_.press(at.x(), at.y(), services().random, timeOfDay());
    if (outcome.letGo) {
        letGo();
        return;
    }
    if (outcome.stepped) {
        playSound(TickSound);
        drawAllDice();
    }
    holdSource_ = source;
    showButtonPressed(true);
    if (!rollTimer_->isActive())
        rollTimer_->start();
    if (outcome.warnNoneActive)
        warnNoneActive();
}

void DiceWindow::warnNoneActive()
{
    QPointer<DiceWindow> alive(this);
    warningOpen_ = true;
    services().dialogs.message(this, platform::MessageKind::Warning, NoneActiveText, platform::Ok);
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
    rollTimer_->stop();
    playSound(LetGoSound);
}

void DiceWindow::drawDie(int die)
{
    const int value = state_.shownValue(die);
    for (int p = 0; p < dice::PipCount; ++p)
        pips_[die - 1][p]->setVisible(dice::pipShown(value, p));
    accessible::showValue(dice_[die - 1], QStringLiteral("Die %1").arg(die),
                          value ? QString::number(value) : QStringLiteral("off"));
}

void DiceWindow::drawAllDice()
{
    for (int die = 1; die <= dice::DieCount; ++die)
        drawDie(die);
}

void DiceWindow::showButtonPressed(bool pressed)
{
    rollButton_->setPixmap(pressed ? pressedButtonFace_ : releasedButtonFace_);
}

void DiceWindow::settleKeyRelease()
{
    // Whatever comes next, a key release still waiting was a real one.
    if (keyReleaseGrace_->isActive())
        letGo();
}

void DiceWindow::playSound(RollSound sound)
{
    services().sounds.play(SoundGate::Switch, sound, RollNote, RollVelocity);
}

QTime DiceWindow::timeOfDay() const { return services().clock.now().time(); }
