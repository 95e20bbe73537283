#include "app/ProgramMenu.h"

#include "app/Artwork.h"
#include "app/Panel.h"
#include "app/PictureStore.h"
#include "app/SoundEffects.h"
#include "common/AccessibleValue.h"
#include "common/Colours.h"
#include "common/HelpText.h"
#include "common/Palette.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <memory>

namespace {

const QString NotInThisBuild = QStringLiteral("Not in this build yet");

// Where an entry sits on the menu and what its labels say.
struct EntryLayout {
    MenuEntry entry;
    QString firstLine;    // the caption label
    QString secondLine;   // a second label under it, if any
    bool leftColumn;
    int row;
};

// In the order the menu walks its entries.
const std::array<EntryLayout, 16>& entryLayouts()
{
    static const std::array<EntryLayout, 16> table{{
        {MenuEntry::DuzaZidova, "Duza Zidova", "", true, 0},
        {MenuEntry::GradientWallpaper, "Gradient", "Wallpaper", false, 0},
        {MenuEntry::WallpaperHanger, "Wallpaper Hanger", "", false, 1},
        {MenuEntry::MusicPads, "Derur Ivuva Zedod", "", false, 2},
        {MenuEntry::ElectronicDice, "Electronic Dice", "", false, 3},
        {MenuEntry::SkillStop, "Vuroz Uzid Game", "", false, 4},
        {MenuEntry::Lottery, "Bingo / Lottery Game", "", false, 5},
        {MenuEntry::DateCalculator, "Date Calculator", "", false, 6},
        {MenuEntry::TypingTutor, "Typing Tutor", "Professional", true, 1},
        {MenuEntry::FontUtilities, "Font Utilities", "", true, 2},
        {MenuEntry::Conversions, "Conversion Utilities", "", true, 3},
        {MenuEntry::StateCodes, "USA State Codes", "", true, 4},
        {MenuEntry::Stopwatch, "Stopwatch", "", false, 7},
        {MenuEntry::TargetGame, "VU Dazuzi", "", true, 5},
        {MenuEntry::Magnifier, "VizazEzuziz", "", true, 6},
        {MenuEntry::Anniversaries, "Anniversary Database", "", true, 7},
    }};
    return table;
}

QString twoDigits(MenuEntry entry) { return QStringLiteral("%1").arg(int(entry), 2, 10, QLatin1Char('0')); }

QString captionOf(const EntryLayout& layout)
{
    // Gradient Wallpaper's second label finishes its name; Typing Tutor's
    // "Professional" is a subtitle.
    if (layout.entry == MenuEntry::GradientWallpaper)
        return layout.firstLine + ' ' + layout.secondLine;
    return layout.firstLine;
}

} // namespace

// One entry of the menu: a panel holding the utility's icon and caption. The
// icon and caption let the pointer through, so the panel sees every move and
// press on any of the three.
class MenuEntryPanel : public Panel {
public:
    MenuEntryPanel(const EntryLayout& layout, QWidget* parent) : Panel(parent), entry(layout.entry)
    {
        setObjectName(QStringLiteral("Program") + twoDigits(entry));
        setFixedSize(166, 34);
        setColour(colours::MenuGrey);
        setMouseTracking(true);
        setAccessibleName(captionOf(layout));

        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("ProgramIcon") + twoDigits(entry));
        icon->setGeometry(2, 1, 32, 32);
        icon->setPixmap(artwork::menuIcon(int(entry)));
        icon->setAttribute(Qt::WA_TransparentForMouseEvents);

        QFont captionFont(QStringLiteral("Times New Roman"));
        captionFont.setPixelSize(13);
        captionFont.setBold(true);
        caption = new QLabel(layout.secondLine.isEmpty() ? layout.firstLine
                                                         : layout.firstLine + "\n" + layout.secondLine,
                             this);
        caption->setObjectName(QStringLiteral("ProgramCaption") + twoDigits(entry));
        caption->setGeometry(38, 0, 127, 34);
        caption->setFont(captionFont);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    void setAvailable(bool available)
    {
        setPaletteColour(caption, QPalette::WindowText, available ? Qt::black : QColor(120, 120, 112));
        setToolTip(available ? QString() : NotInThisBuild);
        setAccessibleDescription(available ? QString() : NotInThisBuild);
    }

    MenuEntry entry;
    QLabel* caption;
    std::function<void(MenuEntry)> hovered;
    std::function<void(Qt::MouseButtons)> released;

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        event->accept();
        if (hovered)
            hovered(entry);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        Panel::mouseReleaseEvent(event);
        if (released)
            released(event->buttons());
    }
};

ProgramMenu::ProgramMenu(const UtilityServices& services, std::vector<UtilityEntry> utilities, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
    , services_(services)
    , utilities_(std::move(utilities))
{
    setObjectName(QStringLiteral("ProgramMenu"));
    setWindowTitle(QStringLiteral("Orvik 2000"));
    setAccessibleName(QStringLiteral("Orvik 2000 program menu"));
    setFixedSize(376, 408);
    setMouseTracking(true);
    screenSize = [] {
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize(800, 600);
    };
    buildLayout();

    handleTimer_ = new QTimer(this);
    handleTimer_->setInterval(50);
    connect(handleTimer_, &QTimer::timeout, this, &ProgramMenu::animateHandle);

    helpPanel_->setToolTip(buildHelpText(QStringLiteral("Orvik 2000 - Main Menu"),
        {{QStringLiteral("Select the module you wish to use by clicking on its Icon.  ")},
         {QStringLiteral("If you wish to move the menu around the screen, use the  ")},
         {QStringLiteral("animated handle at the left of this menu.   ")}}));
}

ProgramMenu::~ProgramMenu() = default;

const std::array<MenuEntry, 16>& ProgramMenu::entryOrder()
{
    static const std::array<MenuEntry, 16> order = [] {
        std::array<MenuEntry, 16> entries{};
        for (std::size_t i = 0; i < entries.size(); ++i)
            entries[i] = entryLayouts()[i].entry;
        return entries;
    }();
    return order;
}

QString ProgramMenu::entryCaption(MenuEntry entry)
{
    for (const EntryLayout& layout : entryLayouts())
        if (layout.entry == entry)
            return captionOf(layout);
    return QString();
}

void ProgramMenu::buildLayout()
{
    setWindowColour(this, colours::MenuGrey);
    setAutoFillBackground(true);

    handle_ = new QLabel(this);
    handle_->setObjectName(QStringLiteral("handle"));
    handle_->setGeometry(0, 0, 26, 409);
    // Presses and moves on the handle belong to the menu: they drag it.
    handle_->setAttribute(Qt::WA_TransparentForMouseEvents);
    drawHandle();

    helpPanel_ = makeHelpPanel(this, QPoint(3, 3));

    header_ = new Panel(this);
    header_->setObjectName(QStringLiteral("header"));
    header_->setGeometry(28, 2, 346, 36);
    header_->setColour(colours::MenuGrey);
    header_->setBevel(Panel::Bevel::Raised, 1);

    title_ = new QLabel(header_);
    title_->setObjectName(QStringLiteral("title"));
    title_->setGeometry(2, 2, 318, 32);
    title_->setPixmap(artwork::menuTitle(QSize(318, 32)));
    title_->setAccessibleName(QStringLiteral("Orvik 2000"));

    closePanel_ = makeClosePanel(header_, QPoint(324, 8), QStringLiteral("Close menu"));
    closePanel_->setObjectName(QStringLiteral("closePanel"));
    connect(closePanel_, &Panel::clicked, this, &ProgramMenu::closeClicked);

    buildEntries();
    buildSoundSwitch();
    buildSponsorPanel();
}

void ProgramMenu::buildEntries()
{
    leftColumn_ = new Panel(this);
    leftColumn_->setObjectName(QStringLiteral("leftColumn"));
    leftColumn_->setGeometry(28, 40, 172, 324);
    rightColumn_ = new Panel(this);
    rightColumn_->setObjectName(QStringLiteral("rightColumn"));
    rightColumn_->setGeometry(202, 40, 172, 324);
    for (Panel* column : {leftColumn_, rightColumn_}) {
        column->setColour(colours::MenuGrey);
        column->setBevel(Panel::Bevel::Lowered, 1);
        column->setMouseTracking(true);
    }

    for (const EntryLayout& layout : entryLayouts()) {
        auto* panel = new MenuEntryPanel(layout, layout.leftColumn ? leftColumn_ : rightColumn_);
        panel->move(3, 3 + 40 * layout.row);
        panel->setAvailable(utility(layout.entry) != nullptr);
        const MenuEntry entry = layout.entry;
        connect(panel, &Panel::pressed, this, [this, entry] { openPressedEntry(entry); });
        panel->hovered = [this](MenuEntry hovered) { highlight(hovered); };
        panel->released = [this](Qt::MouseButtons stillHeld) { entryReleased(stillHeld); };
        entryPanels_[entry] = panel;
    }
}

void ProgramMenu::buildSoundSwitch()
{
    // A black backdrop, the red glow over it while sound is on, and a flat
    // button over both.
    soundBackdrop_ = new QWidget(this);
    soundBackdrop_->setObjectName(QStringLiteral("soundBackdrop"));
    soundBackdrop_->setGeometry(37, 375, 153, 21);
    soundBackdrop_->setStyleSheet(QStringLiteral("background: black;"));
    soundGlow_ = new QLabel(this);
    soundGlow_->setObjectName(QStringLiteral("soundGlow"));
    soundGlow_->setGeometry(37, 375, 153, 21);
    soundGlow_->setScaledContents(true);
    soundButton_ = new QPushButton(QStringLiteral("Sound Effects"), this);
    soundButton_->setObjectName(QStringLiteral("soundButton"));
    soundButton_->setGeometry(37, 375, 153, 21);
    soundButton_->setFlat(true);
    soundButton_->setFocusPolicy(Qt::NoFocus);
    soundButton_->setCursor(Qt::PointingHandCursor);
    soundButton_->setStyleSheet(QStringLiteral(
        "QPushButton { background: transparent; border: 1px solid #404040; color: white;"
        " font-family: 'Times New Roman'; font-weight: bold; font-size: 13px; }"));
    connect(soundButton_, &QPushButton::clicked, this, &ProgramMenu::toggleSound);
    setSoundSwitch(true);
}

void ProgramMenu::buildSponsorPanel()
{
    sponsorPanel_ = new Panel(this);
    sponsorPanel_->setObjectName(QStringLiteral("sponsorPanel"));
    sponsorPanel_->setGeometry(202, 367, 172, 38);
    sponsorPanel_->setColour(colours::MenuGrey);
    sponsorPanel_->setBevel(Panel::Bevel::Lowered, 1);
    sponsorPanel_->setMouseTracking(true);
    sponsorPicture_ = new QLabel(sponsorPanel_);
    sponsorPicture_->setObjectName(QStringLiteral("sponsorPicture"));
    sponsorPicture_->setGeometry(3, 3, 32, 32);
    sponsorPicture_->setPixmap(artwork::sponsorPicture());
    auto* sponsorLabel = new QLabel(QStringLiteral("Support Linkware - FREE Software!"), sponsorPanel_);
    sponsorLabel->setGeometry(38, 2, 132, 34);
    sponsorLabel->setWordWrap(true);
    QFont sponsorFont(QStringLiteral("Times New Roman"));
    sponsorFont.setPixelSize(12);
    sponsorFont.setBold(true);
    sponsorLabel->setFont(sponsorFont);
    setPaletteColour(sponsorLabel, QPalette::WindowText, QColor(120, 120, 112));
    for (QWidget* w : {static_cast<QWidget*>(sponsorPicture_), static_cast<QWidget*>(sponsorLabel)})
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
    sponsorPanel_->setAccessibleName(QStringLiteral("Support Linkware - FREE Software!"));
    sponsorPanel_->setCursor(Qt::PointingHandCursor);
    connect(sponsorPanel_, &Panel::clicked, this, &ProgramMenu::sponsorPanelChosen);
}

QString ProgramMenu::helpText() const { return helpPanel_->toolTip(); }

void ProgramMenu::setUpSoundSwitch()
{
    if (services_.sounds.midiAvailable()) {
        soundGlow_->setPixmap(services_.pictures.picture(QStringLiteral("BackLight")));
        return;
    }
    // No MIDI: the switch goes off and out of sight for the whole run.
    setSoundSwitch(false);
    soundGlow_->hide();
    soundBackdrop_->hide();
    soundButton_->hide();
}

void ProgramMenu::setSoundSwitch(bool on)
{
    soundSwitch_ = on;
    soundGlow_->setVisible(on);
    accessible::showValue(soundButton_, QStringLiteral("Sound Effects"), on ? QStringLiteral("on") : QStringLiteral("off"));
}

void ProgramMenu::toggleSound() { setSoundSwitch(!soundSwitch_); }

void ProgramMenu::closeClicked()
{
    if (standsInForTray_) {
        emit endRequested();
        return;
    }
    hide();
}

void ProgramMenu::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        closeClicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

const UtilityEntry* ProgramMenu::utility(MenuEntry entry) const
{
    for (const UtilityEntry& utility : utilities_)
        if (utility.entry == entry)
            return &utility;
    return nullptr;
}

bool ProgramMenu::entryEnabled(MenuEntry entry) const { return utility(entry) != nullptr; }

bool ProgramMenu::windowOpen(MenuEntry entry) const { return window(entry) != nullptr; }

QWidget* ProgramMenu::window(MenuEntry entry) const
{
    const auto it = windows_.find(entry);
    return it == windows_.end() ? nullptr : it->second.data();
}

std::vector<QWidget*> ProgramMenu::openWindows() const
{
    std::vector<QWidget*> open;
    for (MenuEntry entry : entryOrder())
        if (QWidget* w = window(entry))
            open.push_back(w);
    return open;
}

void ProgramMenu::windowReleased(MenuEntry entry, QWidget* released)
{
    const auto it = windows_.find(entry);
    if (it == windows_.end() || it->second != released)
        return;
    windows_.erase(it);
    if (!standsInForTray_ || !openWindows().empty())
        return;
    // With no tray icon to bring it back, the menu returns when the last
    // utility window has gone.
    QTimer::singleShot(0, this, [this] {
        if (standsInForTray_ && !isVisible())
            show();
    });
}

void ProgramMenu::openPressedEntry(MenuEntry entry)
{
    const UtilityEntry* chosen = utility(entry);
    if (!chosen)
        return;
    // The window opens on the press, but the menu stays until the button is
    // let go, so that the release reaches the window that saw the press. A
    // window that vanishes under a held button does not get its release on
    // every window system; Qt would then take every later move anywhere in
    // the program for a drag of the vanished entry, and no hover would work
    // until the next click. A precondition that asks the user goes by the
    // plain way: its message box needs the menu gone first.
    hideOnRelease_ = !chosen->mayCreate || window(entry);
    openEntry(entry);
}

void ProgramMenu::entryReleased(Qt::MouseButtons stillHeld)
{
    if (hideOnRelease_ && stillHeld == Qt::NoButton) {
        hideOnRelease_ = false;
        hide();
    }
}

void ProgramMenu::openEntry(MenuEntry entry)
{
    const UtilityEntry* chosen = utility(entry);
    if (!chosen)
        return;   // not part of this build: the entry is greyed and says so

    if (!hideOnRelease_)
        hide();
    highlight(std::nullopt);

    if (QWidget* existing = window(entry)) {
        if (chosen->restoreWhenShownAgain)
            existing->setWindowState(existing->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        existing->show();
        existing->raise();
        existing->activateWindow();
        return;
    }

    if (chosen->mayCreate && !chosen->mayCreate(services_, this, screenSize()))
        return;

    // The window says when it goes; the menu then forgets it, unless a newer
    // window of the entry has taken its place meanwhile.
    auto created = std::make_shared<QPointer<QWidget>>();
    QWidget* window = chosen->create(services_, this, [menu = QPointer<ProgramMenu>(this), entry, created] {
        if (menu)
            menu->windowReleased(entry, *created);
    });
    *created = window;
    windows_[entry] = window;
    if (chosen->opening == UtilityEntry::Opening::MaximisedTopmost) {
        // Qt forgets a maximised state when the window is moved, so the
        // corner goes to (0, 0) first.
        window->move(0, 0);
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        window->setWindowState(Qt::WindowMaximized);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void ProgramMenu::highlight(std::optional<MenuEntry> entry)
{
    if (entry == highlighted_)
        return;
    for (MenuEntry number : entryOrder()) {
        MenuEntryPanel* panel = entryPanels_.at(number);
        if (panel->colour() == colours::LightBlue && number != entry)
            panel->setColour(colours::MenuGrey);
        if (number == entry)
            panel->setColour(colours::LightBlue);
    }
    highlighted_ = entry;
}

void ProgramMenu::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (drag_.move(this, event))
        return;
    // Over the handle or the sponsor panel no entry is highlighted; moves
    // over an entry are seen by the entry itself.
    if (handle_->geometry().contains(pos) || sponsorPanel_->geometry().contains(pos))
        highlight(std::nullopt);
    QWidget::mouseMoveEvent(event);
}

void ProgramMenu::mousePressEvent(QMouseEvent* event)
{
    if (!drag_.press(this, event))
        QWidget::mousePressEvent(event);
}

void ProgramMenu::mouseReleaseEvent(QMouseEvent* event)
{
    drag_.release();
    QWidget::mouseReleaseEvent(event);
}

bool ProgramMenu::animationRunning() const { return handleTimer_->isActive(); }

void ProgramMenu::animateHandle()
{
    if (!isVisible())
        return;
    phase_ = (phase_ + 1) % 10;
    drawHandle();
}

void ProgramMenu::drawHandle()
{
    QPixmap handle(26, 409);
    QPainter painter(&handle);
    int shade = phase_;
    bool rising = true;
    for (int x = 0; x <= 25; ++x) {
        painter.setPen(QColor(0, 20 * shade, 255));
        painter.drawLine(x, 0, x, 441);
        shade += rising ? 1 : -1;
        if (shade == 12)
            rising = false;
        else if (shade == 0)
            rising = true;
    }
    painter.end();
    handle_->setPixmap(handle);
}

void ProgramMenu::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    // The handle only moves while someone can see it.
    handleTimer_->start();
    setUpSoundSwitch();
}

void ProgramMenu::hideEvent(QHideEvent* event)
{
    hideOnRelease_ = false;
    handleTimer_->stop();
    QWidget::hideEvent(event);
}

bool ProgramMenu::event(QEvent* event)
{
    // A modal window that opens while the entry is still held keeps the
    // release from the menu: the menu goes at once then.
    if (event->type() == QEvent::WindowBlocked && hideOnRelease_)
        hide();
    return QWidget::event(event);
}

void ProgramMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        setUpSoundSwitch();
    QWidget::changeEvent(event);
}
