#pragma once
#include "app/ToolWindow.h"
#include "games/TargetGame.h"

#include <array>
#include <vector>

class DigitDisplay;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class Panel;

// VU Dazuzi: eighteen buttons round a target picture. One button carries a
// taunt; clicking it scores and moves the taunt, clicking any other ends the
// game. The first hit starts a countdown of 59 seconds.
class TargetGameWindow : public ToolWindow {
    Q_OBJECT
public:
    static inline const QString BeginText = QStringLiteral("Click here to begin");
    static inline const QString WrongOneText = QStringLiteral("You shot the wrong one!");
    static inline const QString TimeUpText = QStringLiteral("Time up!");

    explicit TargetGameWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~TargetGameWindow() override;

    const target::TargetGame& game() const { return game_; }
    QPushButton* button(int number) const { return buttons_[std::size_t(number - 1)]; }
    DigitDisplay* timeDisplay() const { return timeDigits_; }
    DigitDisplay* scoreDisplay() const { return scoreDigits_; }

    // Coming up re-seeds the generator and lets the countdown run again;
    // losing the focus stops it and silences hanging notes.
    void activated() override;
    void deactivated() override;

protected:
    bool queryClose() override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildStrip();
    void buildButtonPanels();
    Panel* buildButtonPanel(const QString& name, int y, int firstButton);
    void buildPicture();
    void buildTimePanel();
    void buildScorePanel();
    void buildHiddenEdit();
    Panel* buildValuePanel(const QString& name, const QString& caption, int x);

    void startGame();
    void shoot(int button);
    void countdownTick();
    void gameOver(const QString& message);

    void showButtons();
    void showTime();
    void showScore();
    void showStartLabels(bool shown);
    void playEffect(const std::vector<target::Note>& notes);
    void updateCountdownTimer();
    QDateTime now() const;

    target::TargetGame game_;
    bool inactive_ = false;
    bool closing_ = false;
    bool messageOpen_ = false;

    std::array<QPushButton*, target::ButtonCount> buttons_{};
    Panel* topButtons_ = nullptr;
    Panel* bottomButtons_ = nullptr;
    Panel* picture_ = nullptr;
    QLabel* beginShadow_ = nullptr;
    QLabel* beginLabel_ = nullptr;
    Panel* timePanel_ = nullptr;
    Panel* scorePanel_ = nullptr;
    DigitDisplay* timeDigits_ = nullptr;
    DigitDisplay* scoreDigits_ = nullptr;
    QLineEdit* typingSink_ = nullptr;
    QTimer* countdownTimer_ = nullptr;
};
