#include "app/SplashWindow.h"

#include "app/Artwork.h"
#include "app/ProgramMenu.h"
#include "app/MidiService.h"
#include "app/Panel.h"
#include "app/PictureStore.h"
#include "app/SoundEffects.h"
#include "common/Colours.h"
#include "common/Palette.h"
#include "platform/AutoPlayWatcher.h"
#include "platform/Dialogs.h"
#include "platform/MidiTransport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QUrl>

namespace {

SplashWindow* theSplash = nullptr;

const QString TrayTip = QStringLiteral("Orvik 2000 v1.01");
const QString AutoPlayQuestion = QStringLiteral("A CD-Rom has been inserted - would you like to run it?");
const QString ColourDepthWarning =
    QStringLiteral("For optimum performance, you should set your video driver to at least 65K "
                   "(16 bit) colour.\n\nOrvik will run with the current setting, however you may "
                   "notice some unusual effects");
constexpr int ColourDepthHelpContext = 75;

QLabel* splashLine(QWidget* parent, const QString& text, int pixelSize, bool bold, const QColor& colour,
                   const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    setPaletteColour(label, QPalette::WindowText, colour);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    return label;
}

} // namespace

SplashWindow::SplashWindow(std::unique_ptr<platform::MidiTransport> transport, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    theSplash = this;
    setObjectName(QStringLiteral("MM"));
    setWindowTitle(QStringLiteral("Orvik 2000"));
    setAccessibleName(QStringLiteral("Orvik 2000 splash"));
    setFixedSize(536, 154);
    setFocusPolicy(Qt::StrongFocus);

    if (!transport)
        transport = platform::createMidiTransport(qEnvironmentVariable("ORVIK_MIDI"));
    midi_ = std::make_unique<MidiService>(std::move(transport));
    effects_ = std::make_unique<SoundEffects>(*midi_, [] {
        ProgramMenu* menu = ProgramMenu::instance();
        return menu && menu->soundSwitch();
    });

    TimerToClose = new QTimer(this);
    TimerToClose->setObjectName(QStringLiteral("TimerToClose"));
    TimerToClose->setInterval(7000);
    TimerToClose->setSingleShot(true);
    connect(TimerToClose, &QTimer::timeout, this, &SplashWindow::TimerToCloseTimer);

    FormCreate();
    buildLayout();
    TimerToClose->start();
}

SplashWindow::~SplashWindow()
{
    // FormDestroy: the device is closed once more; a second close is harmless.
    if (midiStarted_)
        midi_->CloseMidi();
    if (theSplash == this)
        theSplash = nullptr;
}

SplashWindow* SplashWindow::instance() { return theSplash; }

bool SplashWindow::MidiAvailable() const { return midi().midiAvailable(); }

MidiService& SplashWindow::midi() const
{
    const_cast<SplashWindow*>(this)->startMidi();
    return *midi_;
}

SoundEffects& SplashWindow::effects() const
{
    const_cast<SplashWindow*>(this)->startMidi();
    return *effects_;
}

void SplashWindow::PutShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2)
{
    midi().PutShort(status, data1, data2);
}

void SplashWindow::startMidi()
{
    if (midiStarted_)
        return;
    midiStarted_ = true;
    midi_->startUp();
}

void SplashWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Loading the synth's soundfont takes a moment; the splash goes up first
    // and the device opens while it is being looked at. Anyone asking for
    // MIDI sooner opens it on the spot.
    QTimer::singleShot(100, this, &SplashWindow::startMidi);
}

void SplashWindow::FormCreate()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    ColourDepth = screen ? screen->depth() : 24;
    // The store picks the lit strip or the plain red BackLight by depth.
    pictures_ = std::make_unique<PictureStore>(ColourDepth);

    autoPlay_ = new AutoPlayWatcher(this);
    connect(autoPlay_, &AutoPlayWatcher::mediaInserted, this, [this](const QString& drive) {
        if (QueryCancelAutoPlay() != 0)
            return;
        // Running a disc here means opening it in the desktop's file manager.
        for (const QString& point : AutoPlayWatcher::mountPointsOf(drive)) {
            QDesktopServices::openUrl(QUrl::fromLocalFile(point));
            break;
        }
    });
}

void SplashWindow::buildLayout()
{
    Panel1 = new Panel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(rect());
    Panel1->setColour(colours::LightBlue);
    Panel1->setBevel(Panel::Bevel::Raised, 2);
    connect(Panel1, &Panel::pressed, this, [this] { TimerToCloseTimer(); });   // Panel1MouseDown

    const QString present = QStringLiteral("Orvik Productions proudly present");
    // Drawn twice for a shadow: black behind, teal one pixel to the right.
    splashLine(Panel1, present, 19, true, Qt::black, QRect(0, 5, 536, 24));
    splashLine(Panel1, present, 19, true, QColor(0, 128, 128), QRect(1, 4, 536, 24))
        ->setAccessibleName(present);

    auto* bevel = new QFrame(Panel1);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setLineWidth(1);
    bevel->setGeometry(17, 30, 503, 85);
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);

    Image4 = new QLabel(Panel1);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setGeometry(20, 33, 497, 79);
    Image4->setPixmap(artwork::splashLogo());
    Image4->setAccessibleName(QStringLiteral("Orvik 2000"));

    splashLine(Panel1, QStringLiteral("Millennium Edition v1.01"), 16, true, QColor(0, 0, 128),
               QRect(0, 116, 536, 20));
    splashLine(Panel1,
               QStringLiteral("Freeware from Orvik Productions. Share it with your friends - "
                              "click or press Enter to continue."),
               13, false, Qt::black, QRect(0, 135, 536, 16));

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashWindow::TimerToCloseTimer()
{
    if (splashEnded_)
        return;
    splashEnded_ = true;
    TimerToClose->stop();
    hide();
    FormHide();
    if (ColourDepth < 16)
        platform::showMessage(nullptr, platform::MessageKind::Information, ColourDepthWarning,
                              platform::Ok | platform::Help, ColourDepthHelpContext);
}

void SplashWindow::FormHide()
{
    if (trayAvailable()) {
        addTrayIcon();
        return;
    }
    // No notification area: the menu takes the icon's place and ends the
    // program itself.
    if (ProgramMenu* menu = ProgramMenu::instance()) {
        menu->setStandsInForTray(true);
        connect(menu, &ProgramMenu::endRequested, this, &SplashWindow::endApplication, Qt::UniqueConnection);
        showMenu();
    }
}

void SplashWindow::setTrayAvailable(bool available)
{
    forcedTray_ = available;
}

void SplashWindow::addTrayIcon()
{
    if (!tray_) {
        tray_ = new QSystemTrayIcon(pictures_->trayIcon(), this);
        tray_->setToolTip(TrayTip);
        // Queued: the right click removes the icon, and the icon's own widget
        // must have finished with the click before it goes.
        connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            switch (reason) {
            case QSystemTrayIcon::Trigger: TrayIconMessageHandler(WM_LBUTTONDOWN); break;
            case QSystemTrayIcon::Context: TrayIconMessageHandler(WM_RBUTTONDOWN); break;
            case QSystemTrayIcon::DoubleClick: TrayIconMessageHandler(WM_LBUTTONDBLCLK); break;
            default: break;
            }
        }, Qt::QueuedConnection);
    }
    tray_->show();
}

void SplashWindow::removeTrayIcon()
{
    if (tray_)
        tray_->hide();
}

bool SplashWindow::trayAvailable() const
{
    return forcedTray_.value_or(QSystemTrayIcon::isSystemTrayAvailable());
}

bool SplashWindow::trayIconShown() const { return tray_ && tray_->isVisible(); }

QString SplashWindow::trayTip() const { return tray_ ? tray_->toolTip() : QString(); }

void SplashWindow::TrayIconMessageHandler(int mouseMessage)
{
    if (mouseMessage == WM_RBUTTONDOWN) {
        endApplication();
    } else if (mouseMessage == WM_LBUTTONDOWN) {
        ProgramMenu* menu = ProgramMenu::instance();
        if (menu && !menu->isVisible())
            showMenu();
    }
}

void SplashWindow::showMenu()
{
    ProgramMenu* menu = ProgramMenu::instance();
    if (!menu)
        return;
    menu->show();
    menu->raise();
    menu->activateWindow();
    menu->setFocus(Qt::ActiveWindowFocusReason);
}

int SplashWindow::QueryCancelAutoPlay()
{
    const int answer = platform::showMessage(this, platform::MessageKind::Confirmation, AutoPlayQuestion,
                                             platform::Yes | platform::No);
    return answer == platform::Yes ? 0 : 1;
}

void SplashWindow::endApplication()
{
    removeTrayIcon();
    close();
}

void SplashWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    FormClose();
}

void SplashWindow::FormClose()
{
    if (closing_)
        return;
    closing_ = true;
    TimerToClose->stop();
    if (midiStarted_)
        midi_->CloseMidi();
    removeTrayIcon();
    // The splash is the main window: its closing ends the program.
    QCoreApplication::quit();
}

void SplashWindow::keyPressEvent(QKeyEvent* event)
{
    // FormKeyPress: Enter ends the splash; other keys do nothing.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        TimerToCloseTimer();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SplashWindow::mousePressEvent(QMouseEvent*)
{
    TimerToCloseTimer();
}
