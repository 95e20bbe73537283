#pragma once
#include "app/LinksDialog.h"
#include "app/UtilityEntry.h"
#include "app/UtilityServices.h"
#include "platform/MidiTransport.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

class AutoPlayWatcher;
class IntroWindow;
class MidiService;
namespace platform {
class WebAddress;
}
class PictureStore;
class ProgramMenu;
class SoundEffects;
class SplashWindow;
class TrayIcon;

// The program around the utilities: the splash at start, then the tray icon
// (or, without a notification area, the menu in its place), the program menu,
// the services every utility window is handed, and the way out. It knows the
// utilities only as the entries it is given.
class Launcher : public QObject {
    Q_OBJECT
public:
    // transport: where MIDI goes; nullptr takes it from $ORVIK_MIDI.
    // colourDepth: bits per pixel of the display; 0 measures the screen.
    explicit Launcher(std::vector<UtilityEntry> utilities,
                      std::unique_ptr<platform::MidiTransport> transport = nullptr, int colourDepth = 0);
    ~Launcher() override;

    // Shows the splash; the rest follows from it.
    void start();

    SplashWindow& splash() const { return *splash_; }
    TrayIcon& tray() const { return *tray_; }
    // The menu, built on first need: after the splash has been painted.
    ProgramMenu& menu();
    // The introduction window, once the splash has ended; nullptr before.
    IntroWindow* introWindow() const { return intro_.get(); }
    // The links pages, while they are open; nullptr otherwise.
    LinksDialog* linksDialog() const { return links_; }
    bool menuBuilt() const { return menu_ != nullptr; }
    const UtilityServices& services() const { return services_; }
    MidiService& midi() const { return *midi_; }

    // The AutoPlay query: asks the user, answers 0 to let it go ahead or 1
    // to cancel it.
    int queryAutoPlay();

    // Ends the program, once every open utility window has agreed (each asks
    // its own question about unsaved work): the windows go, the tray icon
    // goes, the MIDI device is closed and the event loop told to stop. A
    // window that keeps its work keeps the program as it was.
    void endApplication();
    bool ended() const { return ended_; }

private:
    void splashShown();
    void splashEnded();
    void showMenu();
    void watchAutoPlay();
    void showLinks();
    bool windowsAgreeToEnd();

    int colourDepth_;
    std::unique_ptr<MidiService> midi_;
    std::unique_ptr<SoundEffects> sounds_;
    std::unique_ptr<PictureStore> pictures_;
    UtilityServices services_;
    std::vector<UtilityEntry> utilities_;
    std::unique_ptr<SplashWindow> splash_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<ProgramMenu> menu_;
    std::unique_ptr<IntroWindow> intro_;
    QPointer<LinksDialog> links_;
    platform::WebAddress& webAddress_;
    AutoPlayWatcher* autoPlay_ = nullptr;
    bool ended_ = false;
    bool askingWindows_ = false;
};
