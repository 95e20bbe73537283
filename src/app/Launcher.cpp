#include "app/Launcher.h"

#include "app/IntroWindow.h"
#include "app/LinksDialog.h"
#include "app/MidiService.h"
#include "app/PictureStore.h"
#include "app/ProgramMenu.h"
#include "app/SoundEffects.h"
#include "app/SplashWindow.h"
#include "app/TrayIcon.h"
#include "app/UtilityWindow.h"
#include "platform/AutoPlayWatcher.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/MidiTransport.h"
#include "platform/Random.h"
#include "platform/WebAddress.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QUrl>

namespace {

const QString AutoPlayQuestion = QStringLiteral("A CD-Rom has been inserted - would you like to run it?");
const QString ColourDepthWarning =
    QStringLiteral("For optimum performance, you should set your video driver to at least 65K "
                   "(16 bit) colour.\n\nOrvik will run with the current setting, however you may "
                   "notice some unusual effects");
constexpr int ColourDepthHelpContext = 75;
// Loading the synth's soundfont takes a moment: the device opens this long
// after the splash is up, or at once when something needs it sooner.
constexpr int MidiStartDelayMs = 100;

int screenDepth()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 24;
}

std::unique_ptr<MidiService> makeMidi(std::unique_ptr<platform::MidiTransport> transport)
{
    if (!transport)
        transport = platform::createMidiTransport(qEnvironmentVariable("ORVIK_MIDI"));
    return std::make_unique<MidiService>(std::move(transport));
}

} // namespace

Launcher::Launcher(std::vector<UtilityEntry> utilities, std::unique_ptr<platform::MidiTransport> transport,
                   int colourDepth)
    : colourDepth_(colourDepth > 0 ? colourDepth : screenDepth())
    , midi_(makeMidi(std::move(transport)))
    , sounds_(std::make_unique<SoundEffects>(*midi_, [this] { return !menu_ || menu_->soundSwitch(); }))
    , pictures_(std::make_unique<PictureStore>(colourDepth_))
    , services_{*sounds_,
                *pictures_,
                colourDepth_,
                platform::Dialogs::instance(),
                platform::Clock::instance(),
                platform::Random::instance()}
    , utilities_(std::move(utilities))
    , splash_(std::make_unique<SplashWindow>())
    , tray_(std::make_unique<TrayIcon>([this] { return pictures_->trayIcon(); }))
    , webAddress_(platform::WebAddress::instance())
{
    connect(splash_.get(), &SplashWindow::firstShown, this, &Launcher::splashShown);
    connect(splash_.get(), &SplashWindow::ended, this, &Launcher::splashEnded);
    connect(tray_.get(), &TrayIcon::menuRequested, this, [this] {
        if (!menu().isVisible())
            showMenu();
    });
    connect(tray_.get(), &TrayIcon::endRequested, this, &Launcher::endApplication);
}

Launcher::~Launcher()
{
    // The utility windows belong to the menu and go with it, before the
    // services they were handed.
    menu_.reset();
    midi_->close();
}

void Launcher::start() { splash_->show(); }

void Launcher::splashShown()
{
    QTimer::singleShot(MidiStartDelayMs, this, [this] { midi_->ensureStarted(); });
    menu();
    watchAutoPlay();
}

ProgramMenu& Launcher::menu()
{
    if (!menu_) {
        menu_ = std::make_unique<ProgramMenu>(services_, utilities_);
        connect(menu_.get(), &ProgramMenu::endRequested, this, &Launcher::endApplication);
        connect(menu_.get(), &ProgramMenu::sponsorPanelChosen, this, &Launcher::showLinks);
    }
    return *menu_;
}

void Launcher::watchAutoPlay()
{
    if (autoPlay_)
        return;
    autoPlay_ = new AutoPlayWatcher(this);
    connect(autoPlay_, &AutoPlayWatcher::mediaInserted, this, [this](const QString& drive) {
        if (queryAutoPlay() != 0)
            return;
        // Running a disc here means opening it in the desktop's file manager.
        const QStringList points = AutoPlayWatcher::mountPointsOf(drive);
        if (!points.isEmpty())
            webAddress_.open(QUrl::fromLocalFile(points.first()));
    });
}

void Launcher::showLinks()
{
    if (links_)
        return;
    // Modal, but not a nested event loop: the menu's own work (its handle,
    // the tray) goes on underneath, and the pages go when they are closed.
    links_ = new LinksDialog(webAddress_, menu_.get());
    links_->setAttribute(Qt::WA_DeleteOnClose);
    links_->setWindowModality(Qt::ApplicationModal);
    links_->show();
}

void Launcher::splashEnded()
{
    if (tray_->available()) {
        tray_->show();
    } else {
        // No notification area: the menu takes the icon's place and ends the
        // program itself.
        menu().setStandsInForTray(true);
        showMenu();
    }
    // The introduction is shown once, at the end of the splash.
    intro_ = std::make_unique<IntroWindow>(webAddress_);
    intro_->show();
    if (services_.colourDepth < 16)
        services_.dialogs.message(nullptr, platform::MessageKind::Information, ColourDepthWarning,
                                  platform::Ok | platform::Help, ColourDepthHelpContext);
}

void Launcher::showMenu()
{
    ProgramMenu& m = menu();
    m.show();
    m.raise();
    m.activateWindow();
    m.setFocus(Qt::ActiveWindowFocusReason);
}

int Launcher::queryAutoPlay()
{
    const int answer = services_.dialogs.message(splash_.get(), platform::MessageKind::Confirmation,
                                                 AutoPlayQuestion, platform::Yes | platform::No);
    return answer == platform::Yes ? 0 : 1;
}

bool Launcher::windowsAgreeToEnd()
{
    if (!menu_)
        return true;
    for (QWidget* window : menu_->openWindows()) {
        auto* utility = dynamic_cast<UtilityWindow*>(window);
        if (utility && !utility->queryClose())
            return false;
    }
    return true;
}

void Launcher::endApplication()
{
    // A second request while the windows are still being asked (a click on
    // the icon behind a question) waits for the first.
    if (ended_ || askingWindows_)
        return;
    // Every window with work in it is asked first; one that keeps its work
    // (Cancel, or a save that failed or was cancelled) keeps the program
    // running as it was, icon and all.
    askingWindows_ = true;
    const bool agreed = windowsAgreeToEnd();
    askingWindows_ = false;
    if (!agreed)
        return;
    ended_ = true;
    if (menu_)
        for (QWidget* window : menu_->openWindows())
            if (auto* utility = dynamic_cast<UtilityWindow*>(window))
                utility->release();
    tray_->hide();
    splash_->closeTimer()->stop();
    midi_->close();
    QCoreApplication::quit();
}
