#pragma once
#include "app/UtilityEntry.h"
#include "app/UtilityServices.h"
#include "app/WindowDrag.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;
class Panel;
class MenuEntryPanel;

// The program menu: one entry per utility, the sound switch and the sponsor
// panel. It keeps one window per entry, created on the first choice and
// forgotten when the window lets itself go. What each utility is and how it
// opens comes from the utility entries it is given.
class ProgramMenu : public QWidget {
    Q_OBJECT
public:
    ProgramMenu(const UtilityServices& services, std::vector<UtilityEntry> utilities,
                QWidget* parent = nullptr);
    ~ProgramMenu() override;

    // Entry numbers in the order the menu walks them.
    static const std::array<MenuEntry, 16>& entryOrder();
    // The caption the menu shows for an entry (both lines, as one).
    static QString entryCaption(MenuEntry entry);

    // The window of an entry while it exists.
    bool windowOpen(MenuEntry entry) const;
    QWidget* window(MenuEntry entry) const;
    // Every utility window that exists now, in entry order.
    std::vector<QWidget*> openWindows() const;

    // The sound switch: on at start, off for good when there is no MIDI.
    bool soundSwitch() const { return soundSwitch_; }

    // Opening an entry: the menu goes and the entry's window shows.
    void openEntry(MenuEntry entry);
    // Opening an entry by a mouse press on it: the window shows at once, the
    // menu goes when the button is let go.
    void openPressedEntry(MenuEntry entry);
    // Highlights an entry (nullopt = none), redrawing only what changes.
    void highlight(std::optional<MenuEntry> entry);
    std::optional<MenuEntry> highlightedEntry() const { return highlighted_; }

    bool entryEnabled(MenuEntry entry) const;

    // Screen size used by the opening checks; tests replace it.
    std::function<QSize()> screenSize;

    // Without a notification area the menu stands in for the tray: its "X"
    // and Escape then end the program, and it comes back when the last
    // utility window closes.
    void setStandsInForTray(bool on) { standsInForTray_ = on; }
    bool standsInForTray() const { return standsInForTray_; }

    int animationPhase() const { return phase_; }
    bool animationRunning() const;
    QString helpText() const;

    void toggleSound();
    void closeClicked();
    void animateHandle();

signals:
    // Asked to end the program (only while the menu stands in for the tray).
    void endRequested();
    // A click anywhere on the sponsor panel: the links pages are wanted.
    void sponsorPanelChosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildLayout();
    void buildEntries();
    void buildSoundSwitch();
    void buildSponsorPanel();
    void setUpSoundSwitch();
    void drawHandle();
    void setSoundSwitch(bool on);
    void windowReleased(MenuEntry entry, QWidget* window);
    void entryReleased(Qt::MouseButtons stillHeld);
    const UtilityEntry* utility(MenuEntry entry) const;

    UtilityServices services_;
    std::vector<UtilityEntry> utilities_;
    std::map<MenuEntry, MenuEntryPanel*> entryPanels_;
    std::map<MenuEntry, QPointer<QWidget>> windows_;
    std::optional<MenuEntry> highlighted_;
    int phase_ = 0;
    bool soundSwitch_ = true;
    bool standsInForTray_ = false;
    bool centred_ = false;
    bool hideOnRelease_ = false;
    WindowDrag drag_;

    QLabel* handle_ = nullptr;
    Panel* helpPanel_ = nullptr;
    Panel* header_ = nullptr;
    QLabel* title_ = nullptr;
    Panel* closePanel_ = nullptr;
    Panel* leftColumn_ = nullptr;
    Panel* rightColumn_ = nullptr;
    QWidget* soundBackdrop_ = nullptr;
    QLabel* soundGlow_ = nullptr;
    QPushButton* soundButton_ = nullptr;
    Panel* sponsorPanel_ = nullptr;
    QLabel* sponsorPicture_ = nullptr;
    QTimer* handleTimer_ = nullptr;
};
