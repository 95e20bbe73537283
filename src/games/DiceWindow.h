#pragma once
#include "app/ToolWindow.h"
#include "games/DiceRules.h"

#include <array>

class QKeyEvent;
class QLabel;
class QMouseEvent;
class QTimer;
class Panel;

// Electronic Dice: six dice that can each be switched off with a click, and
// a big "Roll Dice" button (or any key) that rolls the dice that are on for
// as long as it is held. 
class DiceWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString NoneActiveText = QStringLiteral("None are active!");

    explicit DiceWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~DiceWindow() override;

    const dice::DiceState& state() const { return state_; }

    // Handlers, named after the control and event that trigger them.
    void activated() override;
    void deactivated() override;
    // Fly1Click .. Fly6Click: a click on die k (its face or any pip).
    void FlyClick(int k);
    // Positions are in the roll button's own coordinates.
    void StartMouseDown(QMouseEvent* event);
    void StartMouseMove(QMouseEvent* event);
    void StartMouseUp(QMouseEvent* event);
    void FormKeyDown(QKeyEvent* event);
    void FormKeyUp(QKeyEvent* event);
    void Timer2Timer();
    void Panel1Click();

protected:
    bool queryClose() override;
    void closePanelClicked() override;
    bool event(QEvent* event) override;

private:
    enum class HoldSource { Pointer, Key };

    void FormCreate();
    void buildLayout();
    void pressButton(int x, int y, HoldSource source);
    void letGo();
    void warnNoneActive();
    void drawDie(int k);
    void drawAllDice();
    void showButtonPressed(bool pressed);
    void playNote(std::uint8_t status);
    void settleKeyRelease();

    dice::DiceState state_;
    HoldSource holdSource_ = HoldSource::Pointer;
    bool warningOpen_ = false;
    bool closing_ = false;
    // A key release waiting to be told apart from an X11 auto-repeat.
    int releasedKey_ = 0;
    quint64 releasedAt_ = 0;

    QLabel* LeftBorderImage = nullptr;
    QLabel* Image1 = nullptr; // right edge
    QLabel* Image2 = nullptr; // bottom edge
    QLabel* Image3 = nullptr; // top edge
    Panel* BackScreen = nullptr;
    Panel* BackDice = nullptr;
    std::array<Panel*, dice::DieCount> dies_{};
    std::array<QLabel*, dice::DieCount> faces_{}; // Fly1 .. Fly6
    // D1A .. D6G: pips_[k - 1][letter index]
    std::array<std::array<QLabel*, dice::PipCount>, dice::DieCount> pips_{};
    QLabel* Start = nullptr;
    QLabel* AOut = nullptr;
    QLabel* Ain = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* keyReleaseGrace_ = nullptr;
};
