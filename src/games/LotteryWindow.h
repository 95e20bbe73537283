#pragma once
#include "app/ToolWindow.h"
#include "common/SettingsStore.h"
#include "games/LotteryRules.h"

#include <QHash>
#include <QPixmap>
#include <array>

class KeyRepeatFilter;
class Panel;
class QLabel;
class QSlider;
class QTimer;
class RollButton;

// Bingo / Lottery: a ball machine for 10 to 100 balls. The balls are
// shuffled once per game; each press and release of "Drop Ball" (or of any
// key) drops the next one into a rack of ten tubes, the eleventh clearing
// the rack. After the last ball the button offers a new game.
class LotteryWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit LotteryWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~LotteryWindow() override;

    const lottery::LotteryGame& game() const { return game_; }

    // Coming up re-seeds the generator from the clock and starts the
    // machine; losing the focus lands any falling ball, lets a held button
    // go and silences hanging notes.
    void activated() override;
    void deactivated() override;

protected:
    bool queryClose() override;
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildMachinePanel();
    void buildBallsPanel(QWidget* parent);
    void buildRack(QWidget* parent);

    void changeMaximum(int maximum);
    void pressButton(QPoint at);
    void letGoIfPointerLeft(QPoint at);
    void releaseButton();
    void pressByKey();
    void tick();
    void fallStep();
    void animateMachine();

    void press(QPoint at);
    void letGo();
    void drawButton();
    void drawMaximum();
    void drawTubes();
    void reseed();
    void updateTimers();

    lottery::LotteryGame game_;
    lottery::MachineBands bands_;
    bool active_ = false;
    bool closing_ = false;

    Panel* machinePanel_ = nullptr;  // the pale yellow upper part
    QWidget* maximumDigits_ = nullptr;
    std::array<QLabel*, 3> digitLabels_{};
    QSlider* slider_ = nullptr;
    QLabel* machine_ = nullptr;
    RollButton* button_ = nullptr;
    Panel* rack_ = nullptr;
    std::array<QWidget*, lottery::TubeCount> tubes_{};
    std::array<QLabel*, lottery::TubeCount> balls_{};
    std::array<QPixmap, 10> ballDigits_;
    QHash<int, QPixmap> ballPictures_;
    std::array<QPixmap, 4> faces_; // by LotteryGame::Face

    QTimer* tickTimer_ = nullptr;
    QTimer* fallTimer_ = nullptr;
    QTimer* machineTimer_ = nullptr;
    KeyRepeatFilter* keys_ = nullptr;
    SettingsStore settings_;
};
