#pragma once
#include "app/WindowDrag.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>

class QLabel;
class QPushButton;
class QTimer;
class Panel;
class MenuEntryPanel;

// The program menu: one entry per utility, the sound switch and the sponsor
// panel. It owns the bookkeeping that lets each utility window exist once.
class ProgramMenu : public QWidget {
    Q_OBJECT
public:
    using WindowFactory = std::function<QWidget*(QWidget* owner)>;

    explicit ProgramMenu(QWidget* parent = nullptr);
    ~ProgramMenu() override;

    // The one menu of the program, or nullptr before it is created.
    static ProgramMenu* instance();

    // Entry numbers in the order the menu walks them.
    static const std::array<int, 16>& entryNumbers();
    static QString entryCaption(int entry);

    // Window-open flags and references, by entry number 1..18.
    bool windowOpen(int entry) const;
    QWidget* window(int entry) const;
    // Called by a utility window when it releases itself.
    void windowReleased(int entry, QWidget* window);

    // The sound switch: on at start, off for good when there is no MIDI.
    bool soundSwitch() const { return soundSwitch_; }

    // Opening entry NN, as a mouse press on it does.
    void openEntry(int entry);
    // Highlights entry n (0 = none), redrawing only what changes.
    void DrawMenu(int entry);
    int highlightedEntry() const { return highlighted_; }

    // Utilities that are part of this build register here; an entry with no
    // factory is shown disabled.
    void setFactory(int entry, WindowFactory factory);
    bool entryEnabled(int entry) const;

    // Screen size used by the resolution check of the typing tutor; tests
    // replace it.
    std::function<QSize()> screenSize;

    // Without a notification area the menu stands in for the tray: its "X"
    // and Escape then end the program, and it comes back when the last
    // utility window closes.
    void setStandsInForTray(bool on) { standsInForTray_ = on; }
    bool standsInForTray() const { return standsInForTray_; }

    int animationPhase() const { return phase_; }
    bool animationRunning() const;
    QString helpText() const;

    void SoundOnOffClick();
    void Panel5Click();
    void HandleAnimatorTimer();

signals:
    // Asked to end the program (only while the menu stands in for the tray).
    void endRequested();

protected:
    void FormCreate();
    void activated();
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildLayout();
    void drawHandle();
    void setSoundSwitch(bool on);
    void hideMenu();

    std::map<int, MenuEntryPanel*> entries_;
    std::map<int, WindowFactory> factories_;
    std::array<bool, 19> open_{};
    std::array<QPointer<QWidget>, 19> windows_{};
    int highlighted_ = 0;
    int phase_ = 0;
    bool soundSwitch_ = true;
    bool standsInForTray_ = false;
    bool centred_ = false;
    WindowDrag drag_;

    QLabel* LeftBorderImage = nullptr;
    Panel* HelpPanel = nullptr;
    Panel* Panel4 = nullptr;
    QLabel* Image1 = nullptr;
    Panel* Panel5 = nullptr;
    Panel* Panel2 = nullptr;
    Panel* Panel3 = nullptr;
    QWidget* soundBackDrop = nullptr;
    QLabel* Sound = nullptr;
    QPushButton* SoundOnOff = nullptr;
    Panel* Panel6 = nullptr;
    QLabel* Image2 = nullptr;
    QTimer* HandleAnimator = nullptr;
};
