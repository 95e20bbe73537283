#pragma once
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

class QLabel;
class QSystemTrayIcon;
class QTimer;
class Panel;
class MidiService;
class SoundEffects;
class PictureStore;
class AutoPlayWatcher;
#include "platform/MidiTransport.h"

// The splash window: the program's main window for the whole run, although
// it is hidden after a few seconds. It owns the services every other window
// leans on: the tray icon, the MIDI output, the colour depth and the shared
// pictures.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int TrayIconMessage = 1124;   // WM_USER + 100
    static constexpr int WM_LBUTTONDOWN = 0x0201;
    static constexpr int WM_RBUTTONDOWN = 0x0204;
    static constexpr int WM_LBUTTONDBLCLK = 0x0203;

    // transport: where MIDI goes; nullptr takes it from $ORVIK_MIDI.
    explicit SplashWindow(std::unique_ptr<platform::MidiTransport> transport = nullptr,
                 QWidget* parent = nullptr);
    ~SplashWindow() override;

    // The one splash window of the program, or nullptr.
    static SplashWindow* instance();

    int ColourDepth = 0;
    bool MidiAvailable() const;
    MidiService& midi() const;
    void PutShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
    // Sound effects through the gates every window uses.
    SoundEffects& effects() const;
    const PictureStore& pictures() const { return *pictures_; }

    // Ends the splash: once only, whatever ends it first.
    void TimerToCloseTimer();
    bool splashEnded() const { return splashEnded_; }
    QTimer* closeTimer() const { return TimerToClose; }

    // The tray icon's mouse messages, as the shell would send them.
    void TrayIconMessageHandler(int mouseMessage);
    bool trayIconShown() const;
    // False where the desktop has no notification area: the menu stands in.
    bool trayAvailable() const;
    // Overrides the desktop's answer (tests, desktops that lie about it).
    void setTrayAvailable(bool available);
    QString trayTip() const;

    // The AutoPlay query: asks the user, answers 0 to let it go ahead or 1
    // to cancel it.
    int QueryCancelAutoPlay();

    // Shut-down through the tray icon's right click.
    void endApplication();

protected:
    void FormCreate();
    void FormHide();
    void FormClose();
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void addTrayIcon();
    void removeTrayIcon();
    void showMenu();
    // Opens the device and sets the instruments, once.
    void startMidi();

    std::unique_ptr<MidiService> midi_;
    std::unique_ptr<SoundEffects> effects_;
    std::unique_ptr<PictureStore> pictures_;
    QSystemTrayIcon* tray_ = nullptr;
    AutoPlayWatcher* autoPlay_ = nullptr;
    std::optional<bool> forcedTray_;
    bool splashEnded_ = false;
    bool closing_ = false;
    bool midiStarted_ = false;

    Panel* Panel1 = nullptr;
    QLabel* Image4 = nullptr;
    QTimer* TimerToClose = nullptr;
};
