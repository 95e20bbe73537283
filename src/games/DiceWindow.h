#pragma once
#include "app/ToolWindow.h"
#include "games/DiceRules.h"

#include <QPixmap>
#include <array>

class QKeyEvent;
class QLabel;
class QTimer;
class Panel;
class RollButton;

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

    // Coming up re-seeds the generator from the clock; losing the focus
    // silences hanging notes and ends a hold by key.
    void activated() override;
    void deactivated() override;

protected:
    bool queryClose() override;
    void closePanelClicked() override;
    bool event(QEvent* event) override;

private:
    enum class HoldSource { Pointer, Key };
    // Note-on status bytes of the two roll sounds.
    enum RollSound : std::uint8_t {
        TickSound = 0x99,  // channel 9 (percussion): every roll step
        LetGoSound = 0x94, // channel 4: the button let go
    };

    void buildLayout();
    void buildDicePanel();
    void buildDie(int k, const QPixmap& face, const QPixmap& spot);
    void buildRollButton();
    void toggleDie(int die);
    // Positions are in the roll button's own coordinates.
    void pressRollButton(QPoint at);
    void letGoIfPointerLeft(QPoint at);
    void releaseRollButton();
    void pressRollButtonByKey(QKeyEvent* event);
    void releaseRollButtonByKey(QKeyEvent* event);
    void rollTick();
    void closeWithoutSweep();
    void stopForClosing();

    void press(QPoint at, HoldSource source);
    void letGo();
    void warnNoneActive();
    void drawDie(int die);
    void drawAllDice();
    void showButtonPressed(bool pressed);
    void playSound(RollSound sound);
    void settleKeyRelease();
    QTime timeOfDay() const;

    dice::DiceState state_;
    HoldSource holdSource_ = HoldSource::Pointer;
    bool warningOpen_ = false;
    bool closing_ = false;
    // A key release waiting to be told apart from an X11 auto-repeat.
    int releasedKey_ = 0;
    quint64 releasedAt_ = 0;

    Panel* surroundPanel_ = nullptr; // the silver bevel round the dice
    Panel* dicePanel_ = nullptr;     // holds the dice and the roll button
    std::array<Panel*, dice::DieCount> dice_{};
    // pips_[die - 1][pip], pips in letter order A..G
    std::array<std::array<QLabel*, dice::PipCount>, dice::DieCount> pips_{};
    RollButton* rollButton_ = nullptr;
    QPixmap releasedButtonFace_;
    QPixmap pressedButtonFace_;
    QTimer* rollTimer_ = nullptr;
    QTimer* keyReleaseGrace_ = nullptr;
};
