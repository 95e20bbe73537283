#include "games/TargetGameWindow.h"

#include "app/Panel.h"
#include "app/PictureStore.h"
#include "app/SoundEffects.h"
#include "common/AccessibleValue.h"
#include "common/DigitDisplay.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "games/TargetGameArt.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr QSize ClientSize(641, 461);
constexpr int StripHeight = 22;
constexpr QSize ButtonSize(209, 25);
constexpr int ButtonsPerRow = 3;
constexpr int ButtonsPerPanel = 9;
constexpr int PanelBevel = 3;
constexpr int PanelSideMargin = 4;
constexpr int ButtonRows = ButtonsPerPanel / ButtonsPerRow;
constexpr QSize ButtonPanelSize(ButtonsPerRow * ButtonSize.width() + 2 * PanelBevel,
                                ButtonRows * ButtonSize.height() + 2 * PanelBevel);
constexpr int TopPanelY = StripHeight + 2;
constexpr int BottomPanelY = ClientSize.height() - PanelSideMargin - ButtonPanelSize.height();
// The top and bottom edges of the band between the two button panels, added.
constexpr int BandEdgesSum = TopPanelY + ButtonPanelSize.height() + BottomPanelY;
// The picture is centred on that band; its top and bottom edges run under
// the panels.
constexpr int PictureY = (BandEdgesSum - targetart::PictureSize.height()) / 2;
constexpr QSize ValuePanelSize(105, 100);
constexpr int ValuePanelY = (BandEdgesSum - ValuePanelSize.height()) / 2;
constexpr int ValuePanelMargin = 8; // from the window's side
constexpr QSize GlyphSize(25, 41);
constexpr int GlyphTop = 44;
constexpr int BeginTextPixels = 30;
constexpr int BeginShadowOffset = 2;
constexpr int CountdownTickMs = 10;
const QColor Silver(192, 192, 192);

QFont boldFont(int pixels, const QString& family = QString())
{
    QFont font;
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

// A row of display digits from the shared pictures, centred under the caption.
DigitDisplay* makeDigits(QWidget* panel, int positions, const PictureStore& pictures)
{
    auto* digits = new DigitDisplay(positions, GlyphSize, panel);
    for (int d = 0; d <= 9; ++d)
        digits->setGlyph(QChar('0' + d), pictures.picture(QStringLiteral("N%1").arg(d)));
    digits->setGlyph(QLatin1Char(' '), pictures.picture(QStringLiteral("NB")));
    digits->move((panel->width() - digits->width()) / 2, GlyphTop);
    return digits;
}

} // namespace

TargetGameWindow::TargetGameWindow(const UtilityServices& services, QWidget* owner)
    : ToolWindow(services, owner, ClientSize)
{
    setObjectName(QStringLiteral("TargetGame"));
    setWindowTitle(QStringLiteral("VU Dazuzi"));
    setWindowColour(this, Qt::black);

    buildHiddenEdit();
    buildPicture();
    buildButtonPanels();
    buildTimePanel();
    buildScorePanel();
    buildStrip();
    helpPanel()->raise();
    closePanel()->raise();

    // Idle costs nothing: the countdown only runs from the first hit, and
    // only while the window is in use.
    countdownTimer_ = new QTimer(this);
    countdownTimer_->setObjectName(QStringLiteral("countdownTimer"));
    countdownTimer_->setInterval(CountdownTickMs);
    connect(countdownTimer_, &QTimer::timeout, this, &TargetGameWindow::countdownTick);

    showTime();
    showScore();
    showButtons();
    setHelpText(buildHelpText(
        QStringLiteral("VU Dazuzi"),
        {
            {QStringLiteral("This simple game is designed to improve the users mouse co-ordination.  "), true},
            {QStringLiteral("To play, click on \"Click here to begin\" then click the button that you are ")},
            {QStringLiteral("prompted to click.  Click as many as you can in the alloted time.  "), true},
            {QStringLiteral("Avoid clicking the wrong button otherwise the game will be over!  ")},
        }));
}

TargetGameWindow::~TargetGameWindow() = default;

void TargetGameWindow::buildStrip()
{
    auto* strip = new QLabel(this);
    strip->setObjectName(QStringLiteral("topStrip"));
    strip->setGeometry(0, 0, ClientSize.width(), StripHeight);
    strip->setPixmap(targetart::topStrip(strip->size()));
}

void TargetGameWindow::buildButtonPanels()
{
    topButtons_ = buildButtonPanel(QStringLiteral("topButtons"), TopPanelY, 1);
    bottomButtons_ = buildButtonPanel(QStringLiteral("bottomButtons"), BottomPanelY, ButtonsPerPanel + 1);
}

// A silver panel of three rows of three buttons, numbered from firstButton.
Panel* TargetGameWindow::buildButtonPanel(const QString& name, int y, int firstButton)
{
    auto* panel = new Panel(this);
    panel->setObjectName(name);
    panel->setColour(Silver);
    panel->setBevel(Panel::Bevel::Raised, PanelBevel);
    panel->setGeometry(QRect(QPoint(PanelSideMargin, y), ButtonPanelSize));
    for (int i = 0; i < ButtonsPerPanel; ++i) {
        const int number = firstButton + i;
        auto* button = new QPushButton(panel);
        button->setObjectName(QStringLiteral("button%1").arg(number));
        button->setGeometry(QRect(QPoint(PanelBevel + (i % ButtonsPerRow) * ButtonSize.width(),
                                         PanelBevel + (i / ButtonsPerRow) * ButtonSize.height()),
                                  ButtonSize));
        button->setFont(boldFont(13));
        connect(button, &QPushButton::clicked, this, [this, number] { shoot(number); });
        buttons_[std::size_t(number - 1)] = button;
    }
    return panel;
}

// The target picture with "Click here to begin" over it; a click on either
// starts a game.
void TargetGameWindow::buildPicture()
{
    picture_ = new Panel(this);
    picture_->setObjectName(QStringLiteral("picture"));
    picture_->setGeometry(QRect(QPoint((ClientSize.width() - targetart::PictureSize.width()) / 2, PictureY),
                                targetart::PictureSize));
    picture_->setCursor(Qt::CrossCursor);
    picture_->setAccessibleName(QStringLiteral("Target"));
    connect(picture_, &Panel::clicked, this, &TargetGameWindow::startGame);

    auto* image = new QLabel(picture_);
    image->setObjectName(QStringLiteral("pictureImage"));
    image->setGeometry(picture_->rect());
    image->setPixmap(targetart::gamePicture());
    image->setAttribute(Qt::WA_TransparentForMouseEvents);

    // The caption twice, black one step down and right, white on top.
    const QRect textArea(0, (targetart::PictureSize.height() - 2 * BeginTextPixels) / 2,
                         targetart::PictureSize.width(), 2 * BeginTextPixels);
    auto makeLabel = [this, &textArea](const QString& name, const QColor& colour, int offset) {
        auto* label = new QLabel(BeginText, picture_);
        label->setObjectName(name);
        label->setGeometry(textArea.translated(offset, offset));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(boldFont(BeginTextPixels, QStringLiteral("Times New Roman")));
        setPaletteColour(label, QPalette::WindowText, colour);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        return label;
    };
    beginShadow_ = makeLabel(QStringLiteral("beginShadow"), Qt::black, BeginShadowOffset);
    beginLabel_ = makeLabel(QStringLiteral("beginLabel"), Qt::white, 0);
    beginShadow_->setAccessibleName(QString());
}

Panel* TargetGameWindow::buildValuePanel(const QString& name, const QString& caption, int x)
{
    auto* panel = new Panel(this);
    panel->setObjectName(name);
    panel->setColour(Silver);
    panel->setBevel(Panel::Bevel::Raised, 2);
    panel->setGeometry(QRect(QPoint(x, ValuePanelY), ValuePanelSize));
    auto* label = new QLabel(caption, panel);
    label->setGeometry(0, 12, ValuePanelSize.width(), 20);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(boldFont(14, QStringLiteral("Times New Roman")));
    setPaletteColour(label, QPalette::WindowText, Qt::black);
    return panel;
}

void TargetGameWindow::buildTimePanel()
{
    timePanel_ = buildValuePanel(QStringLiteral("timePanel"), QStringLiteral("Time Left"), ValuePanelMargin);
    timeDigits_ = makeDigits(timePanel_, target::TimeDigits, services().pictures);
    timeDigits_->setObjectName(QStringLiteral("timeDigits"));
}

void TargetGameWindow::buildScorePanel()
{
    scorePanel_ = buildValuePanel(QStringLiteral("scorePanel"), QStringLiteral("Valid Clicks"),
                                  ClientSize.width() - ValuePanelMargin - ValuePanelSize.width());
    scoreDigits_ = makeDigits(scorePanel_, target::ScoreDigits, services().pictures);
    scoreDigits_->setObjectName(QStringLiteral("scoreDigits"));
}

// An edit box hidden under the top button panel: it holds the keyboard focus
// between games, and whatever is typed into it goes nowhere.
void TargetGameWindow::buildHiddenEdit()
{
    typingSink_ = new QLineEdit(this);
    typingSink_->setObjectName(QStringLiteral("typingSink"));
    typingSink_->setGeometry(PanelSideMargin + 20, TopPanelY + 20, 40, 20);
    typingSink_->setAccessibleName(QStringLiteral("Waiting for a game"));
    connect(typingSink_, &QLineEdit::textChanged, typingSink_, [this](const QString& text) {
        if (!text.isEmpty())
            typingSink_->clear();
    });
    typingSink_->lower();
    typingSink_->setFocus();
}

void TargetGameWindow::activated()
{
    inactive_ = false;
    target::reseedFromTime(services().random, now());
    updateCountdownTimer();
}

void TargetGameWindow::deactivated()
{
    // Closing hides the window, and the game-over box is the window's own:
    // neither is a loss of focus to silence for (the sweep would cut the
    // game-over notes short).
    if (closing_ || messageOpen_)
        return;
    inactive_ = true;
    updateCountdownTimer();
    services().sounds.sweep(SoundGate::Midi, Sweep::Full);
}

bool TargetGameWindow::queryClose()
{
    closing_ = true;
    countdownTimer_->stop();
    services().sounds.sweep(SoundGate::Midi, Sweep::Full);
    return true;
}

void TargetGameWindow::showEvent(QShowEvent* event)
{
    ToolWindow::showEvent(event);
    updateCountdownTimer();
}

void TargetGameWindow::hideEvent(QHideEvent* event)
{
    ToolWindow::hideEvent(event);
    updateCountdownTimer();
}

void TargetGameWindow::changeEvent(QEvent* event)
{
    ToolWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        updateCountdownTimer();
}

void TargetGameWindow::startGame()
{
    if (game_.running())
        return;
    game_.start(services().random, now());
    showTime();
    showScore();
    showStartLabels(false);
    playEffect(target::startEffect());
    showButtons();
}

void TargetGameWindow::shoot(int button)
{
    switch (game_.click(button, services().random, now())) {
    case target::Click::Ignored:
        typingSink_->setFocus();
        return;
    case target::Click::Hit:
        playEffect(target::hitEffect(game_.lastHitNote()));
        showTime();
        showScore();
        showButtons();
        updateCountdownTimer();
        return;
    case target::Click::Wrong:
        updateCountdownTimer();
        showStartLabels(true);
        playEffect(target::wrongEffect());
        gameOver(WrongOneText);
        return;
    }
}

void TargetGameWindow::countdownTick()
{
    switch (game_.tick(now())) {
    case target::Tick::Nothing:
        return;
    case target::Tick::NewSecond:
        playEffect(target::secondEffect());
        showTime();
        return;
    case target::Tick::TimeUp:
        updateCountdownTimer();
        showStartLabels(true);
        showTime();
        gameOver(TimeUpText);
        return;
    }
}

// The game has ended: say why, then blank the buttons and park the focus.
void TargetGameWindow::gameOver(const QString& message)
{
    QPointer<TargetGameWindow> alive(this);
    messageOpen_ = true;
    services().dialogs.message(this, platform::MessageKind::Information, message, platform::Ok);
    if (!alive)
        return;
    messageOpen_ = false;
    showButtons();
    typingSink_->setFocus();
}

void TargetGameWindow::showButtons()
{
    for (int number = 1; number <= target::ButtonCount; ++number) {
        QPushButton* b = button(number);
        const QString caption = game_.caption(number);
        b->setText(caption);
        accessible::setName(b, caption.isEmpty() ? QStringLiteral("Button %1").arg(number) : caption);
    }
}

void TargetGameWindow::showTime()
{
    timeDigits_->display(target::timeText(game_.secondsLeft()));
    accessible::showValue(timeDigits_, QStringLiteral("Time Left"), QString::number(game_.secondsLeft()));
}

void TargetGameWindow::showScore()
{
    scoreDigits_->display(target::scoreText(game_.validClicks()));
    accessible::showValue(scoreDigits_, QStringLiteral("Valid Clicks"), QString::number(game_.validClicks()));
}

void TargetGameWindow::showStartLabels(bool shown)
{
    beginShadow_->setVisible(shown);
    beginLabel_->setVisible(shown);
}

// The game's effects carry a gate of their own; here it opens with the
// program menu's sound switch, as every other game's effects do.
void TargetGameWindow::playEffect(const std::vector<target::Note>& notes)
{
    const bool soundOn = services().sounds.allowed(SoundGate::Switch);
    for (const target::Note& note : notes)
        services().sounds.play(SoundGate::Reserved, note.status, note.data1, note.data2, soundOn);
}

// The countdown runs while it has something to count and someone to see it.
void TargetGameWindow::updateCountdownTimer()
{
    const bool wanted = game_.counting() && !closing_ && !inactive_ && isVisible() && !isMinimized();
    if (wanted && !countdownTimer_->isActive())
        countdownTimer_->start();
    else if (!wanted)
        countdownTimer_->stop();
}

QDateTime TargetGameWindow::now() const { return services().clock.now(); }
