#include "games/SkillStopWindow.h"

#include "app/Panel.h"
#include "app/PictureStore.h"
#include "app/SoundEffects.h"
#include "common/AccessibleValue.h"
#include "common/Colours.h"
#include "common/DigitDisplay.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "games/KeyRepeatFilter.h"
#include "games/RollButton.h"
#include "games/SkillStopArt.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr QSize ButtonSize(361, 73);
constexpr QSize DigitSize(25, 41);
constexpr QSize MinimumSize(640, 480);
constexpr int ToolBarHeight = 26;
constexpr int CloseGap = 21;           // what the pad leaves of the tool bar after "&Fast"
constexpr int HelpGap = 3;             // either side of the "?" panel
constexpr int LetterPanelHeight = 123; // the 115-pixel lamp and its bevel
constexpr int BoardMargin = 10;
constexpr int RowGap = 14;             // between the letters and the row below
constexpr int ScoreLeft = 4;           // "Misses" from the left edge
constexpr int ScoreRight = 8;          // "Hits" from the right edge
constexpr QSize ScorePanelSize(93, 73);
constexpr int BoardHeight = BoardMargin + LetterPanelHeight + RowGap + 73 + BoardMargin;

// Notes: each running step on channels 14 and 13, the chime of a frozen
// hit twice on channel 0, the piano given to channel 0 when the window opens.
constexpr std::uint8_t StepSoundA = 0x9E;
constexpr std::uint8_t StepSoundB = 0x9D;
constexpr std::uint8_t ChimeSound = 0x90;
constexpr std::uint8_t StepVelocity = 120;
constexpr std::uint8_t ChimeLow = 40;
constexpr std::uint8_t ChimeHigh = 70;
constexpr std::uint8_t ProgramChangeChannel0 = 0xC0;
constexpr std::uint8_t BrightPiano = 1;

QSize startingSize()
{
    // Laid out for the whole screen from the start; the menu maximises it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry().size().expandedTo(MinimumSize);
    return MinimumSize;
}

QToolButton* flatButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setAutoRaise(true);
    // Keys belong to the big button, wherever the pointer was last.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QString lightValue(int litCount)
{
    if (litCount <= 0)
        return QStringLiteral("off");
    return QStringLiteral("%1 (%2 of %3)")
        .arg(skillstop::letterAt(litCount))
        .arg(litCount)
        .arg(skillstop::LetterCount);
}

QString buttonName(skillstop::ButtonFace face)
{
    using skillstop::ButtonFace;
    return face == ButtonFace::StopOut || face == ButtonFace::StopIn ? QStringLiteral("Stop")
                                                                     : QStringLiteral("Start");
}

} // namespace

SkillStopWindow::SkillStopWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, startingSize())
{
    setObjectName(QStringLiteral("SkillStop"));
    setWindowTitle(QStringLiteral("Vuroz Uzid Game"));
    setMinimumSize(MinimumSize);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setFocusPolicy(Qt::StrongFocus);
    setWindowColour(this, Qt::black);

    // Channel 0 plays the hit chime on a bright piano; if the device fails
    // the game goes on silently.
    services.sounds.play(SoundGate::Always, ProgramChangeChannel0, BrightPiano, 0);

    buildBars();
    buildBoard();
    buildToolBar();

    stepTimer_ = new QTimer(this);
    stepTimer_->setObjectName(QStringLiteral("stepTimer"));
    stepTimer_->setTimerType(Qt::PreciseTimer);
    connect(stepTimer_, &QTimer::timeout, this, &SkillStopWindow::stepTick);

    keys_ = new KeyRepeatFilter(this);
    connect(keys_, &KeyRepeatFilter::pressed, this, &SkillStopWindow::pressByKey);
    connect(keys_, &KeyRepeatFilter::released, this, &SkillStopWindow::releaseByKey);

    drawLetters();
    drawCounters();
    drawButton();
    drawBars();
    layOut();

    setHelpText(buildHelpText(
        QStringLiteral("Vuroz Uzid"),
        {
            {QStringLiteral("To play this game, simply click the \"Stop\" button once the \"P\" of "
                            "\"SKILLSTOP\" is illuminated.  ")},
            {QStringLiteral("Every time you click \"Stop\" on a letter other than \"P\" the number of "
                            "Misses will be incremented!  ")},
            {QStringLiteral("The \"Stop\" button will change to \"Start\".  Click it to continue.    "), true},
            {QStringLiteral("Try it on \"Slow\", then \"Medium\" and then for a real challenge \"Fast\"!   "),
             true},
            {QStringLiteral("Have Fun!  "), true},
        }));
}

SkillStopWindow::~SkillStopWindow() = default;

// The tool bar across the top: Reset, the help panel, the three speeds, an
// empty pad, and the close panel at the right end.
void SkillStopWindow::buildToolBar()
{
    toolBar_ = new QWidget(this);
    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setAutoFillBackground(true);
    setPaletteColour(toolBar_, QPalette::Window, colours::LightBlue);
    setPaletteColour(toolBar_, QPalette::ButtonText, Qt::black);

    resetButton_ = flatButton(toolBar_, QStringLiteral("resetButton"), QStringLiteral("Reset"));
    slowButton_ = flatButton(toolBar_, QStringLiteral("slowButton"), QStringLiteral("&Slow"));
    mediumButton_ = flatButton(toolBar_, QStringLiteral("mediumButton"), QStringLiteral("&Medium"));
    fastButton_ = flatButton(toolBar_, QStringLiteral("fastButton"), QStringLiteral("&Fast"));
    padLabel_ = new QLabel(toolBar_);
    padLabel_->setObjectName(QStringLiteral("padLabel"));
    helpPanel()->setParent(toolBar_);
    closePanel()->setParent(toolBar_);
    closePanel()->setObjectName(QStringLiteral("closePanel"));

    helpPanel()->setFixedSize(helpPanel()->size());
    closePanel()->setFixedSize(closePanel()->size());

    // The pad takes what is left after "&Fast", less the close panel and
    // the gap before it.
    auto* row = new QHBoxLayout(toolBar_);
    row->setContentsMargins(2, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(resetButton_);
    row->addSpacing(HelpGap);
    row->addWidget(helpPanel());
    row->addSpacing(HelpGap);
    row->addWidget(slowButton_);
    row->addWidget(mediumButton_);
    row->addWidget(fastButton_);
    row->addWidget(padLabel_, 1);
    row->addSpacing(CloseGap - closePanel()->width());
    row->addWidget(closePanel());
    helpPanel()->show();
    closePanel()->show();

    connect(resetButton_, &QToolButton::clicked, this, &SkillStopWindow::resetScores);
    connect(slowButton_, &QToolButton::clicked, this, [this] { chooseSpeed(skillstop::SlowMs); });
    connect(mediumButton_, &QToolButton::clicked, this, [this] { chooseSpeed(skillstop::MediumMs); });
    connect(fastButton_, &QToolButton::clicked, this, [this] { chooseSpeed(skillstop::FastMs); });
}

// The grey board: the nine letters in a row, below them the misses at the
// left, the big button in the middle and the hits at the right.
void SkillStopWindow::buildBoard()
{
    board_ = new Panel(this);
    board_->setObjectName(QStringLiteral("board"));
    board_->setColour(colours::MenuGrey);
    board_->setBevel(Panel::Bevel::Raised, 2);

    buildLetters();
    missesPanel_ = buildScorePanel(QStringLiteral("missesPanel"), QStringLiteral("Misses"), missesDigits_);
    hitsPanel_ = buildScorePanel(QStringLiteral("hitsPanel"), QStringLiteral("Hits"), hitsDigits_);

    button_ = new RollButton(board_);
    button_->setObjectName(QStringLiteral("stopStartButton"));
    button_->resize(ButtonSize);
    connect(button_, &RollButton::pressedAt, this, &SkillStopWindow::pressButton);
    connect(button_, &RollButton::releasedAt, this, &SkillStopWindow::releaseButton);
}

void SkillStopWindow::buildLetters()
{
    light_ = new QWidget(board_);
    light_->setObjectName(QStringLiteral("light"));
    for (int i = 1; i <= skillstop::LetterCount; ++i) {
        const QChar letter = skillstop::letterAt(i);
        unlitLetters_[i - 1] = skillstopart::letter(letter, false);
        litLetters_[i - 1] = skillstopart::letter(letter, true);

        auto* panel = new Panel(light_);
        panel->setObjectName(QStringLiteral("letterPanel%1").arg(i));
        panel->setColour(QColor(40, 40, 40));
        panel->setBevel(Panel::Bevel::Lowered, 2);
        letterPanels_[i - 1] = panel;

        auto* picture = new QLabel(panel);
        picture->setObjectName(QStringLiteral("letter%1").arg(i));
        picture->resize(skillstopart::LetterSize);
        picture->setAccessibleName(QString(letter));
        letters_[i - 1] = picture;
    }
}

// A score: its caption over three digits; the caption is its pop-up hint too.
Panel* SkillStopWindow::buildScorePanel(const QString& objectName, const QString& name, DigitDisplay*& digits)
{
    auto* panel = new Panel(board_);
    panel->setObjectName(objectName);
    panel->setColour(QColor(24, 24, 24));
    panel->setBevel(Panel::Bevel::Lowered, 2);
    panel->resize(ScorePanelSize);
    panel->setToolTip(name);

    auto* caption = new QLabel(name, panel);
    caption->setAlignment(Qt::AlignCenter);
    setPaletteColour(caption, QPalette::WindowText, colours::LightBlue);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    caption->setFont(font);
    caption->setGeometry(2, 5, ScorePanelSize.width() - 4, 16);
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);

    digits = new DigitDisplay(skillstop::CounterDigits, DigitSize, panel);
    const PictureStore& pictures = services().pictures;
    for (int d = 0; d <= 9; ++d)
        digits->setGlyph(QChar(u'0' + d), pictures.picture(QStringLiteral("N%1").arg(d)));
    digits->setGlyph(QLatin1Char(' '), pictures.picture(QStringLiteral("NB")));
    digits->move((ScorePanelSize.width() - digits->width()) / 2, 25);
    digits->setAttribute(Qt::WA_TransparentForMouseEvents);
    return panel;
}

// Three colour bars above the board and three below it.
void SkillStopWindow::buildBars()
{
    for (int bar = 0; bar < skillstop::BarCount; ++bar) {
        barPictures_[bar] = skillstopart::colourBar(bar);
        upperBars_[bar] = new QLabel(this);
        upperBars_[bar]->setObjectName(QStringLiteral("upperBar%1").arg(bar + 1));
        lowerBars_[bar] = new QLabel(this);
        lowerBars_[bar]->setObjectName(QStringLiteral("lowerBar%1").arg(bar + 1));
        for (QLabel* label : {upperBars_[bar], lowerBars_[bar]}) {
            label->setScaledContents(true);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
    }
}

void SkillStopWindow::layOut()
{
    const int w = width();
    const int h = height();
    toolBar_->setGeometry(0, 0, w, ToolBarHeight);

    const int below = h - ToolBarHeight;
    const int boardTop = ToolBarHeight + qMax(0, (below - BoardHeight) / 2);
    board_->setGeometry(0, boardTop, w, BoardHeight);

    // Nine letter panels side by side, a column each of width div 9.
    const int column = w / skillstop::LetterCount;
    const int margin = (w % skillstop::LetterCount) / 2;
    light_->setGeometry(0, BoardMargin, w, LetterPanelHeight);
    for (int i = 0; i < skillstop::LetterCount; ++i) {
        Panel* panel = letterPanels_[i];
        panel->setGeometry(margin + i * column, 0, column - 1, LetterPanelHeight);
        letters_[i]->move((panel->width() - letters_[i]->width()) / 2,
                          (panel->height() - letters_[i]->height()) / 2);
    }

    const int rowTop = BoardMargin + LetterPanelHeight + RowGap;
    missesPanel_->move(ScoreLeft, rowTop);
    hitsPanel_->move(w - ScoreRight - hitsPanel_->width(), rowTop);
    button_->move((w - button_->width()) / 2, rowTop);

    // Above the board, from the top: bars 1, 2, 3; below, from the bottom.
    const int aboveSpace = boardTop - ToolBarHeight;
    const int belowTop = boardTop + BoardHeight;
    const int belowSpace = h - belowTop;
    for (int k = 0; k < skillstop::BarCount; ++k) {
        const int upperTop = ToolBarHeight + k * aboveSpace / skillstop::BarCount;
        const int upperBottom = ToolBarHeight + (k + 1) * aboveSpace / skillstop::BarCount;
        upperBars_[k]->setGeometry(0, upperTop, w, upperBottom - upperTop);
        const int lowerBottom = h - k * belowSpace / skillstop::BarCount;
        const int lowerTop = h - (k + 1) * belowSpace / skillstop::BarCount;
        lowerBars_[k]->setGeometry(0, lowerTop, w, lowerBottom - lowerTop);
    }
}

void SkillStopWindow::resizeEvent(QResizeEvent* event)
{
    ToolWindow::resizeEvent(event);
    layOut();
}

void SkillStopWindow::hideEvent(QHideEvent* event)
{
    ToolWindow::hideEvent(event);
    updateStepTimer();
}

void SkillStopWindow::activated()
{
    active_ = true;
    updateStepTimer();
}

void SkillStopWindow::deactivated()
{
    active_ = false;
    updateStepTimer();
    // Closing hides the window; that is no focus loss to silence for.
    if (closing_)
        return;
    // A key held now is let go elsewhere; its release never comes here.
    keys_->settle();
    if (keyHeld_)
        releaseByKey();
    services().sounds.sweep(SoundGate::Switch, Sweep::ThreeChannel);
}

void SkillStopWindow::setLight(int position, bool rising)
{
    game_.setLight(position, rising);
    drawLetters();
}

void SkillStopWindow::stepTick()
{
    const bool batched = game_.intervalMs() < skillstop::StepPacer::FrameMs;
    const int steps = batched ? pacer_.due(pacerClock_.elapsed()) : 1;
    for (int i = 0; i < steps && game_.stepMatters(); ++i)
        step();
    // No screen shows more than a frame: a batch draws the letters once,
    // as they stand at its end.
    drawLetters();
    updateStepTimer();
}

// Steps that fell due before a press run first, so the press lands on the
// step the light had reached.
void SkillStopWindow::catchUp()
{
    if (!stepTimer_->isActive() || game_.intervalMs() >= skillstop::StepPacer::FrameMs)
        return;
    for (int steps = pacer_.due(pacerClock_.elapsed()); steps > 0 && game_.stepMatters(); --steps)
        step();
}

void SkillStopWindow::step()
{
    const skillstop::StepOutcome outcome = game_.step(services().random);
    if (outcome.moved) {
        const auto note = std::uint8_t(outcome.note);
        services().sounds.play(SoundGate::Switch, StepSoundA, note, StepVelocity);
        services().sounds.play(SoundGate::Switch, StepSoundB, note, StepVelocity);
        if (game_.intervalMs() >= skillstop::StepPacer::FrameMs)
            drawLetters();
    } else if (outcome.chimed) {
        services().sounds.play(SoundGate::Switch, ChimeSound, ChimeLow, StepVelocity);
        services().sounds.play(SoundGate::Switch, ChimeSound, ChimeHigh, StepVelocity);
        drawBars();
    }
}

void SkillStopWindow::pressButton()
{
    keys_->settle();
    catchUp();
    // What the player stopped on is what the letters show from now on.
    drawLetters();
    game_.press();
    drawCounters();
    drawButton();
    updateStepTimer();
}

void SkillStopWindow::releaseButton()
{
    keys_->settle();
    game_.release();
    drawButton();
    updateStepTimer();
}

void SkillStopWindow::pressByKey()
{
    // One press for as long as any key is held.
    if (keyHeld_)
        return;
    pressButton();
    keyHeld_ = true;
}

void SkillStopWindow::releaseByKey()
{
    game_.release();
    drawButton();
    updateStepTimer();
    keyHeld_ = false;
}

void SkillStopWindow::resetScores()
{
    keys_->settle();
    game_.reset();
    drawCounters();
    drawButton();
    updateStepTimer();
}

void SkillStopWindow::chooseSpeed(int intervalMs)
{
    keys_->settle();
    game_.newGame(intervalMs);
    drawCounters();
    drawButton();
    updateStepTimer();
}

void SkillStopWindow::drawLetters()
{
    const int lit = game_.litCount();
    if (lit == lettersShown_)
        return;
    // Only the letters that change are given a new picture: at the fast
    // speed this runs a thousand times a second.
    for (int i = 1; i <= skillstop::LetterCount; ++i) {
        const bool now = i <= lit;
        const bool before = lettersShown_ >= 0 && i <= lettersShown_;
        if (lettersShown_ < 0 || now != before)
            letters_[i - 1]->setPixmap(now ? litLetters_[i - 1] : unlitLetters_[i - 1]);
    }
    lettersShown_ = lit;
    accessible::showValue(light_, QStringLiteral("Light"), lightValue(lit));
}

void SkillStopWindow::drawCounters()
{
    missesDigits_->display(game_.misses().shown());
    hitsDigits_->display(game_.hits().shown());
    accessible::showValue(missesPanel_, QStringLiteral("Misses"), QString::number(game_.misses().value()));
    accessible::showValue(hitsPanel_, QStringLiteral("Hits"), QString::number(game_.hits().value()));
}

void SkillStopWindow::drawButton()
{
    button_->setPixmap(services().pictures.picture(skillstop::pictureName(game_.face())));
    accessible::setName(button_, buttonName(game_.face()));
}

void SkillStopWindow::drawBars()
{
    for (int k = 0; k < skillstop::BarCount; ++k) {
        upperBars_[k]->setPixmap(barPictures_[game_.upperBars()[k]]);
        lowerBars_[k]->setPixmap(barPictures_[game_.lowerBars()[k]]);
    }
}

void SkillStopWindow::updateStepTimer()
{
    // Costs nothing while the window is away or nothing would change: the
    // light frozen on a miss, or the window inactive, hidden or closing.
    const bool wanted = active_ && isVisible() && !closing_ && game_.stepMatters();
    if (!wanted) {
        stepTimer_->stop();
        return;
    }
    const int interval = skillstop::StepPacer::timerInterval(game_.intervalMs());
    if (stepTimer_->isActive() && stepTimer_->interval() == interval)
        return;
    stepTimer_->start(interval);
    pacerClock_.start();
    pacer_.start(0, game_.intervalMs());
}

bool SkillStopWindow::queryClose()
{
    closing_ = true;
    stepTimer_->stop();
    services().sounds.sweep(SoundGate::Switch, Sweep::ThreeChannel);
    return true;
}

bool SkillStopWindow::event(QEvent* event)
{
    // Key preview: every key anywhere in the window is the big button.
    if (keys_ && keys_->take(event))
        return true;
    return ToolWindow::event(event);
}

void SkillStopWindow::mousePressEvent(QMouseEvent* event) { QWidget::mousePressEvent(event); }
void SkillStopWindow::mouseMoveEvent(QMouseEvent* event) { QWidget::mouseMoveEvent(event); }
void SkillStopWindow::mouseReleaseEvent(QMouseEvent* event) { QWidget::mouseReleaseEvent(event); }
