#include "app/ProgramMenu.h"

#include "app/Artwork.h"
#include "app/SplashWindow.h"
#include "app/Panel.h"
#include "app/PictureStore.h"
#include "app/Utilities.h"
#include "common/Colours.h"
#include "common/HelpText.h"
#include "common/Palette.h"
#include "platform/Dialogs.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

ProgramMenu* theMenu = nullptr;

const QString NotInThisBuild = QStringLiteral("Not in this build yet");

struct EntryInfo {
    int number;
    QString caption;      // what the entry is called
    QString firstLine;    // the caption label
    QString secondLine;   // a second label under it, if any
    bool leftColumn;
    int row;
};

const std::array<EntryInfo, 16>& entryTable()
{
    static const std::array<EntryInfo, 16> table{{
        {1, "Duza Zidova", "Duza Zidova", "", true, 0},
        {3, "Gradient Wallpaper", "Gradient", "Wallpaper", false, 0},
        {4, "Wallpaper Hanger", "Wallpaper Hanger", "", false, 1},
        {5, "Derur Ivuva Zedod", "Derur Ivuva Zedod", "", false, 2},
        {6, "Electronic Dice", "Electronic Dice", "", false, 3},
        {7, "Vuroz Uzid Game", "Vuroz Uzid Game", "", false, 4},
        {8, "Bingo / Lottery Game", "Bingo / Lottery Game", "", false, 5},
        {9, "Date Calculator", "Date Calculator", "", false, 6},
        {10, "Typing Tutor", "Typing Tutor", "Professional", true, 1},
        {11, "Font Utilities", "Font Utilities", "", true, 2},
        {12, "Conversion Utilities", "Conversion Utilities", "", true, 3},
        {14, "USA State Codes", "USA State Codes", "", true, 4},
        {15, "Stopwatch", "Stopwatch", "", false, 7},
        {16, "VU Dazuzi", "VU Dazuzi", "", true, 5},
        {17, "VizazEzuziz", "VizazEzuziz", "", true, 6},
        {18, "Anniversary Database", "Anniversary Database", "", true, 7},
    }};
    return table;
}

const EntryInfo* findEntry(int number)
{
    for (const EntryInfo& info : entryTable())
        if (info.number == number)
            return &info;
    return nullptr;
}

QString twoDigits(int number) { return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')); }

} // namespace

// One entry of the menu: a panel holding the utility's icon and caption. The
// icon and caption let the pointer through, so the panel sees every move and
// press on any of the three.
class MenuEntryPanel : public Panel {
public:
    MenuEntryPanel(const EntryInfo& info, QWidget* parent) : Panel(parent), number(info.number)
    {
        setObjectName(QStringLiteral("Program") + twoDigits(number));
        setFixedSize(166, 34);
        setColour(colours::MenuGrey);
        setMouseTracking(true);
        setAccessibleName(info.caption);

        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("ProgramIcon") + twoDigits(number));
        icon->setGeometry(2, 1, 32, 32);
        icon->setPixmap(artwork::menuIcon(number));
        icon->setAttribute(Qt::WA_TransparentForMouseEvents);

        QFont captionFont(QStringLiteral("Times New Roman"));
        captionFont.setPixelSize(13);
        captionFont.setBold(true);
        caption = new QLabel(info.secondLine.isEmpty() ? info.firstLine
                                                       : info.firstLine + "\n" + info.secondLine,
                             this);
        caption->setObjectName(QStringLiteral("ProgramCaption") + twoDigits(number));
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

    int number;
    QLabel* caption;
    std::function<void(int)> hovered;

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        event->accept();
        if (hovered)
            hovered(number);
    }
};

ProgramMenu::ProgramMenu(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    theMenu = this;
    setObjectName(QStringLiteral("Menu1"));
    setWindowTitle(QStringLiteral("Orvik 2000"));
    setAccessibleName(QStringLiteral("Orvik 2000 program menu"));
    setFixedSize(376, 408);
    setMouseTracking(true);
    screenSize = [] {
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize(800, 600);
    };
    buildLayout();

    registerUtilities(*this);

    HandleAnimator = new QTimer(this);
    HandleAnimator->setInterval(50);
    connect(HandleAnimator, &QTimer::timeout, this, &ProgramMenu::HandleAnimatorTimer);
    FormCreate();
}

ProgramMenu::~ProgramMenu()
{
    if (theMenu == this)
        theMenu = nullptr;
}

ProgramMenu* ProgramMenu::instance() { return theMenu; }

const std::array<int, 16>& ProgramMenu::entryNumbers()
{
    static const std::array<int, 16> order{1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 16, 17, 18};
    return order;
}

QString ProgramMenu::entryCaption(int entry)
{
    const EntryInfo* info = findEntry(entry);
    return info ? info->caption : QString();
}

void ProgramMenu::buildLayout()
{
    setPaletteColour(this, QPalette::Window, colours::MenuGrey);
    setAutoFillBackground(true);

    LeftBorderImage = new QLabel(this);
    LeftBorderImage->setObjectName(QStringLiteral("LeftBorderImage"));
    LeftBorderImage->setGeometry(0, 0, 26, 409);
    // Presses and moves on the handle belong to the menu: they drag it.
    LeftBorderImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    drawHandle();

    HelpPanel = makeHelpPanel(this, QPoint(3, 3));

    Panel4 = new Panel(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setGeometry(28, 2, 346, 36);
    Panel4->setColour(colours::MenuGrey);
    Panel4->setBevel(Panel::Bevel::Raised, 1);

    Image1 = new QLabel(Panel4);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(2, 2, 318, 32);
    Image1->setPixmap(artwork::menuTitle(QSize(318, 32)));
    Image1->setAccessibleName(QStringLiteral("Orvik 2000"));

    Panel5 = makeClosePanel(Panel4, QPoint(324, 8), QStringLiteral("Close menu"));
    Panel5->setObjectName(QStringLiteral("Panel5"));
    connect(Panel5, &Panel::clicked, this, &ProgramMenu::Panel5Click);

    Panel2 = new Panel(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(28, 40, 172, 324);
    Panel3 = new Panel(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(202, 40, 172, 324);
    for (Panel* column : {Panel2, Panel3}) {
        column->setColour(colours::MenuGrey);
        column->setBevel(Panel::Bevel::Lowered, 1);
        column->setMouseTracking(true);
    }

    for (const EntryInfo& info : entryTable()) {
        auto* entry = new MenuEntryPanel(info, info.leftColumn ? Panel2 : Panel3);
        entry->move(3, 3 + 40 * info.row);
        entry->setAvailable(false);
        const int number = info.number;
        connect(entry, &Panel::pressed, this, [this, number] { openEntry(number); });
        entry->hovered = [this](int n) { DrawMenu(n); };
        entries_[number] = entry;
    }

    // The sound switch: a black backdrop, the red glow over it while sound
    // is on, and a flat button over both.
    soundBackDrop = new QWidget(this);
    soundBackDrop->setObjectName(QStringLiteral("soundBackDrop"));
    soundBackDrop->setGeometry(37, 375, 153, 21);
    soundBackDrop->setStyleSheet(QStringLiteral("background: black;"));
    Sound = new QLabel(this);
    Sound->setObjectName(QStringLiteral("Sound"));
    Sound->setGeometry(37, 375, 153, 21);
    Sound->setScaledContents(true);
    SoundOnOff = new QPushButton(QStringLiteral("Sound Effects"), this);
    SoundOnOff->setObjectName(QStringLiteral("SoundOnOff"));
    SoundOnOff->setGeometry(37, 375, 153, 21);
    SoundOnOff->setFlat(true);
    SoundOnOff->setFocusPolicy(Qt::NoFocus);
    SoundOnOff->setCursor(Qt::PointingHandCursor);
    SoundOnOff->setStyleSheet(QStringLiteral(
        "QPushButton { background: transparent; border: 1px solid #404040; color: white;"
        " font-family: 'Times New Roman'; font-weight: bold; font-size: 13px; }"));
    connect(SoundOnOff, &QPushButton::clicked, this, &ProgramMenu::SoundOnOffClick);
    setSoundSwitch(true);

    Panel6 = new Panel(this);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    Panel6->setGeometry(202, 367, 172, 38);
    Panel6->setColour(colours::MenuGrey);
    Panel6->setBevel(Panel::Bevel::Lowered, 1);
    Panel6->setMouseTracking(true);
    Image2 = new QLabel(Panel6);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(3, 3, 32, 32);
    Image2->setPixmap(artwork::sponsorPicture());
    auto* sponsorLabel = new QLabel(QStringLiteral("Support Linkware - FREE Software!"), Panel6);
    sponsorLabel->setGeometry(38, 2, 132, 34);
    sponsorLabel->setWordWrap(true);
    QFont sponsorFont(QStringLiteral("Times New Roman"));
    sponsorFont.setPixelSize(12);
    sponsorFont.setBold(true);
    sponsorLabel->setFont(sponsorFont);
    setPaletteColour(sponsorLabel, QPalette::WindowText, QColor(120, 120, 112));
    for (QWidget* w : {static_cast<QWidget*>(Image2), static_cast<QWidget*>(sponsorLabel)})
        w->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The sponsor pages are not part of this build: the panel says so.
    Panel6->setToolTip(NotInThisBuild);
    Panel6->setAccessibleName(QStringLiteral("Support Linkware - FREE Software!"));
    Panel6->setAccessibleDescription(NotInThisBuild);
}

void ProgramMenu::FormCreate()
{
    HelpPanel->setToolTip(buildHelpText(QStringLiteral("Orvik 2000 - Main Menu"),
        {{QStringLiteral("Select the module you wish to use by clicking on its Icon.  ")},
         {QStringLiteral("If you wish to move the menu around the screen, use the  ")},
         {QStringLiteral("animated handle at the left of this menu.   ")}}));
}

QString ProgramMenu::helpText() const { return HelpPanel->toolTip(); }

void ProgramMenu::activated()
{
    SplashWindow* mm = SplashWindow::instance();
    if (mm && mm->MidiAvailable()) {
        Sound->setPixmap(mm->pictures().picture(QStringLiteral("BackLight")));
        return;
    }
    // No MIDI: the switch goes off and out of sight for the whole run.
    setSoundSwitch(false);
    Sound->hide();
    soundBackDrop->hide();
    SoundOnOff->hide();
}

void ProgramMenu::setSoundSwitch(bool on)
{
    soundSwitch_ = on;
    Sound->setVisible(on);
    SoundOnOff->setAccessibleName(on ? QStringLiteral("Sound Effects: on")
                                     : QStringLiteral("Sound Effects: off"));
}

void ProgramMenu::SoundOnOffClick() { setSoundSwitch(!soundSwitch_); }

void ProgramMenu::Panel5Click()
{
    if (standsInForTray_) {
        emit endRequested();
        return;
    }
    hideMenu();
}

void ProgramMenu::hideMenu() { hide(); }

void ProgramMenu::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Panel5Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ProgramMenu::setFactory(int entry, WindowFactory factory)
{
    factories_[entry] = std::move(factory);
    if (auto it = entries_.find(entry); it != entries_.end())
        it->second->setAvailable(true);
}

bool ProgramMenu::entryEnabled(int entry) const { return factories_.count(entry) != 0; }

bool ProgramMenu::windowOpen(int entry) const
{
    return entry >= 1 && entry <= 18 && open_[entry];
}

QWidget* ProgramMenu::window(int entry) const
{
    return entry >= 1 && entry <= 18 ? windows_[entry].data() : nullptr;
}

void ProgramMenu::windowReleased(int entry, QWidget* released)
{
    if (entry < 1 || entry > 18 || windows_[entry] != released)
        return;
    open_[entry] = false;
    windows_[entry] = nullptr;
    if (!standsInForTray_)
        return;
    for (int n = 1; n <= 18; ++n)
        if (open_[n])
            return;
    // With no tray icon to bring it back, the menu returns when the last
    // utility window has gone.
    QTimer::singleShot(0, this, [this] {
        if (standsInForTray_ && !isVisible())
            show();
    });
}

void ProgramMenu::openEntry(int entry)
{
    const auto factory = factories_.find(entry);
    if (factory == factories_.end())
        return;   // not part of this build: the entry is greyed and says so

    hideMenu();
    DrawMenu(0);

    if (windowOpen(entry) && windows_[entry]) {
        QWidget* existing = windows_[entry];
        if (entry == 1)
            existing->setWindowState(existing->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
        existing->show();
        existing->raise();
        existing->activateWindow();
        return;
    }

    if (entry == 10) {
        const QSize screen = screenSize();
        if (screen.width() < 800 || screen.height() < 600) {
            platform::showMessage(this, platform::MessageKind::Warning,
                QStringLiteral("This module requires a resolution of at least 800x600 - please "
                               "modify your display settings in the control panel "));
            return;
        }
    }

    QWidget* created = factory->second(this);
    windows_[entry] = created;
    if (entry == 7) {
        created->setWindowState(Qt::WindowMaximized);
        created->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        created->move(0, 0);
    }
    created->show();
    created->raise();
    created->activateWindow();
    open_[entry] = true;
}

void ProgramMenu::DrawMenu(int entry)
{
    if (entry == highlighted_)
        return;
    for (int number : entryNumbers()) {
        MenuEntryPanel* panel = entries_.at(number);
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
    if (LeftBorderImage->geometry().contains(pos) || Panel6->geometry().contains(pos))
        DrawMenu(0);
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

bool ProgramMenu::animationRunning() const { return HandleAnimator->isActive(); }

void ProgramMenu::HandleAnimatorTimer()
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
    LeftBorderImage->setPixmap(handle);
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
    HandleAnimator->start();
    activated();
}

void ProgramMenu::hideEvent(QHideEvent* event)
{
    HandleAnimator->stop();
    QWidget::hideEvent(event);
}

void ProgramMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
    QWidget::changeEvent(event);
}
