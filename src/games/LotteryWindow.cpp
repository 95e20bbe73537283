#include "games/LotteryWindow.h"

#include "app/Artwork.h"
#include "app/Panel.h"
#include "app/PictureStore.h"
#include "app/SoundEffects.h"
#include "common/AccessibleValue.h"
#include "common/Colours.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "games/DiceRules.h"
#include "games/KeyRepeatFilter.h"
#include "games/LotteryArt.h"
#include "games/RollButton.h"
#include "platform/Clock.h"

#include <QLabel>
#include <QSlider>
#include <QTime>
#include <QTimer>

namespace {

constexpr QSize ClientSize(593, 431);
const QColor Silver(192, 192, 192);
const QColor PaleYellow(255, 255, 192);

// Inside the window: the silver surround; in it the rack, and over the
// rack's upper part the pale yellow machine panel, so a new ball appears
// from under the machine.
const QRect SurroundGeometry(25, 25, 543, 381);
const QRect RackGeometry(15, 21, 513, 345);
const QRect MachinePanelGeometry(15, 12, 513, 195);
const QRect BallsPanelGeometry(6, 6, 62, 183);
const QRect MachineFrameGeometry(72, 6, 435, 87);
constexpr int MachineBevel = 3;
const QPoint ButtonAt(189, 106);
constexpr QSize BallDigitSize(12, 26);

const QString SettingsKey = QStringLiteral("Orvik 2000\\Rizodoz Oduviv");
const QString SettingsSection = QStringLiteral("Defaults");
const QString BallsValue = QStringLiteral("Balls");

constexpr int TickMs = 5;
constexpr int FallMs = 100;
constexpr int MachineMs = 100;
// Note-on status bytes: the tick while the button is held (percussion
// channel 9) and the button let go (channel 4).
constexpr std::uint8_t TickSound = 0x99;
constexpr std::uint8_t LetGoSound = 0x94;
constexpr std::uint8_t ButtonNote = 60;
constexpr std::uint8_t ButtonVelocity = 127;
// A key presses the button as at its top-left corner.
constexpr QPoint KeyPressPoint(0, 0);

QString tubeValue(const lottery::Tube& tube)
{
    return tube.state == lottery::TubeState::Empty ? QStringLiteral("empty") : QString::number(tube.ball);
}

} // namespace

LotteryWindow::LotteryWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize), settings_(SettingsKey)
{
    setObjectName(QStringLiteral("Lottery"));
    setWindowTitle(QStringLiteral("Rizodoz Oduviv"));
    setFocusPolicy(Qt::StrongFocus);
    setWindowColour(this, colours::LightBlue);

    for (int d = 0; d < 10; ++d)
        ballDigits_[d] = services.pictures.picture(QStringLiteral("Ball%1").arg(d));
    const artwork::ButtonFaces drop = lotteryart::dropBallFaces();
    const artwork::ButtonFaces restart = lotteryart::restartFaces();
    faces_ = {drop.released, drop.pressed, restart.released, restart.pressed};

    addBorderStrips(this, ClientSize);
    buildMachinePanel();
    helpPanel()->raise();
    closePanel()->raise();

    // Each runs only while it has something to do: the tick while the button
    // is held, the fall while a ball falls, the machine while the window is
    // active and shown.
    tickTimer_ = new QTimer(this);
    tickTimer_->setObjectName(QStringLiteral("tickTimer"));
    tickTimer_->setInterval(TickMs);
    tickTimer_->setTimerType(Qt::PreciseTimer);
    connect(tickTimer_, &QTimer::timeout, this, &LotteryWindow::tick);
    fallTimer_ = new QTimer(this);
    fallTimer_->setObjectName(QStringLiteral("fallTimer"));
    fallTimer_->setInterval(FallMs);
    connect(fallTimer_, &QTimer::timeout, this, &LotteryWindow::fallStep);
    machineTimer_ = new QTimer(this);
    machineTimer_->setObjectName(QStringLiteral("machineTimer"));
    machineTimer_->setInterval(MachineMs);
    connect(machineTimer_, &QTimer::timeout, this, &LotteryWindow::animateMachine);

    keys_ = new KeyRepeatFilter(this);
    connect(keys_, &KeyRepeatFilter::pressed, this, &LotteryWindow::pressByKey);
    connect(keys_, &KeyRepeatFilter::released, this, &LotteryWindow::releaseButton);

    reseed();
    const int maximum =
        lottery::maximumFromSetting(settings_.readString(SettingsSection, BallsValue, QString::number(lottery::DefaultMaximum)));
    {
        const QSignalBlocker quiet(slider_);
        slider_->setValue(maximum);
    }
    changeMaximum(maximum);
    machine_->setPixmap(lotteryart::machine(bands_.rowReds()));

    setHelpText(buildHelpText(
        QStringLiteral("Rizodoz Oduviv"),
        {
            {QStringLiteral("This game can be used to pick numbers for a real lottery, or to play your own "
                            "lottery game at home!")},
            {QStringLiteral("Simply use the slider control to select the maximum number of balls required "
                            "(e.g. if you are    ")},
            {QStringLiteral("picking numbers for a lottery where the largest number is 49 then set it to 49).  "
                            "Then click ")},
            {QStringLiteral("\"Drop Ball\" for each number you want to pick.   "), true},
            {QStringLiteral("To play your own lottery game, simply write your chosen numbers out on a piece of "
                            "paper (making sure ")},
            {QStringLiteral("each number is between 1 and the maximum number of balls) and cross them off as "
                            "they come up.  "),
             true},
            {QStringLiteral("Good luck, and have Fun!  "), true},
        }));
}

LotteryWindow::~LotteryWindow() = default;

// The silver surround holding the rack and, above it, the balls slider, the
// machine picture and the drop button.
void LotteryWindow::buildMachinePanel()
{
    auto* surround = new Panel(this);
    surround->setObjectName(QStringLiteral("surround"));
    surround->setColour(Silver);
    surround->setBevel(Panel::Bevel::Raised, 3);
    surround->setGeometry(SurroundGeometry);

    buildRack(surround);

    machinePanel_ = new Panel(surround);
    machinePanel_->setObjectName(QStringLiteral("machinePanel"));
    machinePanel_->setColour(PaleYellow);
    machinePanel_->setBevel(Panel::Bevel::Raised, 2);
    machinePanel_->setGeometry(MachinePanelGeometry);

    buildBallsPanel(machinePanel_);

    auto* frame = new Panel(machinePanel_);
    frame->setObjectName(QStringLiteral("machineFrame"));
    frame->setColour(Qt::black);
    frame->setBevel(Panel::Bevel::Lowered, MachineBevel);
    frame->setGeometry(MachineFrameGeometry);
    machine_ = new QLabel(frame);
    machine_->setObjectName(QStringLiteral("machine"));
    machine_->setGeometry(MachineBevel, MachineBevel, 429, 81);
    machine_->setAccessibleName(QStringLiteral("Ball machine"));

    button_ = new RollButton(machinePanel_);
    button_->setObjectName(QStringLiteral("dropButton"));
    button_->setGeometry(QRect(ButtonAt, QSize(lottery::ButtonWidth, lottery::ButtonHeight)));
    connect(button_, &RollButton::pressedAt, this, &LotteryWindow::pressButton);
    connect(button_, &RollButton::movedTo, this, &LotteryWindow::letGoIfPointerLeft);
    connect(button_, &RollButton::releasedAt, this, &LotteryWindow::releaseButton);
}

// "Balls": the caption, the slider of the highest ball and its three digits.
void LotteryWindow::buildBallsPanel(QWidget* parent)
{
    auto* panel = new Panel(parent);
    panel->setObjectName(QStringLiteral("ballsPanel"));
    panel->setColour(colours::MenuGrey);
    panel->setBevel(Panel::Bevel::Lowered, 2);
    panel->setGeometry(BallsPanelGeometry);

    auto* caption = new QLabel(QStringLiteral("Balls"), panel);
    caption->setObjectName(QStringLiteral("ballsCaption"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    caption->setFont(font);
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(2, 4, panel->width() - 4, 16);

    slider_ = new QSlider(Qt::Vertical, panel);
    slider_->setObjectName(QStringLiteral("ballsSlider"));
    slider_->setRange(lottery::LowestMaximum, lottery::HighestMaximum);
    slider_->setSingleStep(1);
    slider_->setPageStep(1);
    slider_->setTickPosition(QSlider::TicksBothSides);
    slider_->setTickInterval(10);
    // Keys belong to the drop button; the slider is for the pointer.
    slider_->setFocusPolicy(Qt::NoFocus);
    slider_->setAccessibleName(QStringLiteral("Highest ball"));
    slider_->setGeometry((panel->width() - 30) / 2, 22, 30, 120);
    connect(slider_, &QSlider::valueChanged, this, &LotteryWindow::changeMaximum);

    maximumDigits_ = new QWidget(panel);
    maximumDigits_->setObjectName(QStringLiteral("maximumDigits"));
    maximumDigits_->setGeometry((panel->width() - 3 * BallDigitSize.width()) / 2, 148,
                                3 * BallDigitSize.width(), BallDigitSize.height());
    for (int i = 0; i < 3; ++i) {
        auto* digit = new QLabel(maximumDigits_);
        digit->setObjectName(QStringLiteral("maximumDigit%1").arg(i + 1));
        digit->setGeometry(i * BallDigitSize.width(), 0, BallDigitSize.width(), BallDigitSize.height());
        digit->setAlignment(Qt::AlignCenter);
        digitLabels_[i] = digit;
    }
}

// The black rack of ten tubes. Each tube is named for the ball it holds;
// the balls themselves are pictures that fall inside the rack.
void LotteryWindow::buildRack(QWidget* parent)
{
    rack_ = new Panel(parent);
    rack_->setObjectName(QStringLiteral("rack"));
    rack_->setColour(Qt::black);
    rack_->setGeometry(RackGeometry);
    auto* background = pictureLabel(rack_, QStringLiteral("rackPicture"), rack_->rect(), lotteryart::rack());
    background->setAttribute(Qt::WA_TransparentForMouseEvents);

    for (int t = 1; t <= lottery::TubeCount; ++t) {
        auto* tube = new QWidget(rack_);
        tube->setObjectName(QStringLiteral("tube%1").arg(t));
        tube->setGeometry(lottery::ballLeft(t) - 3, 0, lottery::TubeWidth, rack_->height());
        tube->setAttribute(Qt::WA_TransparentForMouseEvents);
        tubes_[t - 1] = tube;
    }
    for (int t = 1; t <= lottery::TubeCount; ++t) {
        auto* ball = new QLabel(rack_);
        ball->setObjectName(QStringLiteral("ball%1").arg(t));
        ball->resize(lottery::BallSize, lottery::BallSize);
        ball->setAttribute(Qt::WA_TransparentForMouseEvents);
        ball->hide();
        balls_[t - 1] = ball;
    }
}

void LotteryWindow::activated()
{
    active_ = true;
    reseed();
    updateTimers();
}

void LotteryWindow::deactivated()
{
    active_ = false;
    if (!closing_) {
        // A key let go just before counts (its ball drops); a key or button
        // still held is let go elsewhere, so it is let go here, no ball.
        keys_->settle();
        if (game_.held())
            letGo();
    }
    // A ball half-way down lands now rather than hang while nothing runs.
    if (game_.anyFalling()) {
        game_.land();
        drawTubes();
    }
    updateTimers();
    // Closing hides the window; that is no focus loss to silence for.
    if (!closing_)
        services().sounds.sweep(SoundGate::Switch, Sweep::ThreeChannel);
}

void LotteryWindow::hideEvent(QHideEvent* event)
{
    ToolWindow::hideEvent(event);
    updateTimers();
}

// A new game for the slider's number: stored, shown, the rack emptied and
// the balls shuffled.
void LotteryWindow::changeMaximum(int maximum)
{
    keys_->settle();
    game_.newGame(maximum, services().random);
    settings_.writeString(SettingsSection, BallsValue, QString::number(game_.maximum()));
    drawMaximum();
    drawTubes();
    drawButton();
    updateTimers();
}

void LotteryWindow::pressButton(QPoint at)
{
    keys_->settle();
    press(at);
}

void LotteryWindow::letGoIfPointerLeft(QPoint at)
{
    if (lottery::outsideButton(at.x(), at.y()))
        letGo();
}

void LotteryWindow::releaseButton()
{
    if (closing_)
        return;
    const lottery::Drop drop = game_.release(services().random);
    drawButton();
    services().sounds.play(SoundGate::Switch, LetGoSound, ButtonNote, ButtonVelocity);
    if (drop.restarted)
        drawMaximum();
    drawTubes();
    updateTimers();
}

void LotteryWindow::pressByKey() { press(KeyPressPoint); }

void LotteryWindow::press(QPoint at)
{
    bool repeated = false;
    if (!game_.press(at.x(), at.y(), &repeated)) {
        letGo();
        return;
    }
    // A press while held (a key repeating) is one more tick.
    if (repeated)
        tick();
    drawButton();
    updateTimers();
}

void LotteryWindow::letGo()
{
    game_.letGo();
    drawButton();
    services().sounds.play(SoundGate::Switch, LetGoSound, ButtonNote, ButtonVelocity);
    updateTimers();
}

void LotteryWindow::tick()
{
    if (!game_.held())
        return;
    services().sounds.play(SoundGate::Switch, TickSound, ButtonNote, ButtonVelocity);
    reseed();
}

void LotteryWindow::fallStep()
{
    game_.fallStep();
    drawTubes();
    updateTimers();
}

void LotteryWindow::animateMachine()
{
    bands_.advance();
    machine_->setPixmap(lotteryart::machine(bands_.rowReds()));
}

void LotteryWindow::drawButton()
{
    button_->setPixmap(faces_[std::size_t(game_.face())]);
    accessible::setName(button_, game_.allDrawn() ? lotteryart::restartText() : QStringLiteral("Drop Ball"));
}

void LotteryWindow::drawMaximum()
{
    const std::array<QString, 3> names = lottery::maximumDigits(game_.maximum());
    for (int i = 0; i < 3; ++i)
        digitLabels_[i]->setPixmap(services().pictures.picture(names[i]));
    accessible::showValue(maximumDigits_, QStringLiteral("Balls"), QString::number(game_.maximum()));
}

void LotteryWindow::drawTubes()
{
    for (int t = 1; t <= lottery::TubeCount; ++t) {
        const lottery::Tube& tube = game_.tube(t);
        QLabel* ball = balls_[t - 1];
        accessible::showValue(tubes_[t - 1], QStringLiteral("Tube %1").arg(t), tubeValue(tube));
        if (tube.state == lottery::TubeState::Empty) {
            ball->hide();
            continue;
        }
        auto picture = ballPictures_.constFind(tube.ball);
        if (picture == ballPictures_.constEnd())
            picture = ballPictures_.insert(tube.ball, lotteryart::ball(tube.ball, ballDigits_));
        if (ball->property("ball").toInt() != tube.ball) {
            ball->setPixmap(*picture);
            ball->setProperty("ball", tube.ball);
            accessible::setName(ball, QStringLiteral("Ball %1").arg(tube.ball));
        }
        ball->move(lottery::ballLeft(t), tube.top);
        ball->show();
    }
    accessible::showValue(rack_, QStringLiteral("Last ball"),
                          game_.lastBall() ? QString::number(game_.lastBall()) : QString());
}

void LotteryWindow::reseed() { dice::reseedFromTime(services().random, services().clock.now().time()); }

void LotteryWindow::updateTimers()
{
    const bool running = active_ && isVisible() && !closing_;
    const auto run = [](QTimer* timer, bool wanted) {
        if (!wanted)
            timer->stop();
        else if (!timer->isActive())
            timer->start();
    };
    run(tickTimer_, running && game_.held());
    run(fallTimer_, running && game_.anyFalling());
    run(machineTimer_, running);
}

bool LotteryWindow::queryClose()
{
    closing_ = true;
    updateTimers();
    services().sounds.sweep(SoundGate::Switch, Sweep::TwoChannel);
    return true;
}

bool LotteryWindow::event(QEvent* event)
{
    // Key preview: every key anywhere in the window is the drop button.
    if (keys_ && keys_->take(event))
        return true;
    return ToolWindow::event(event);
}
