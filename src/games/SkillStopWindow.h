#pragma once
#include "app/ToolWindow.h"
#include "games/SkillStopRules.h"

#include <QElapsedTimer>
#include <QPixmap>
#include <array>

class DigitDisplay;
class KeyRepeatFilter;
class Panel;
class QLabel;
class QTimer;
class QToolButton;
class RollButton;

// Vuroz Uzid: the letters S K I L L S T O P light up like a level meter
// running up and down, and the big Stop button (or any key) freezes the
// light. Frozen with the P lit is a hit, anywhere else a miss. The window
// fills the screen; the program menu opens it maximised and on top.
class SkillStopWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit SkillStopWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~SkillStopWindow() override;

    const skillstop::SkillStopGame& game() const { return game_; }
    // For tests: the light where a game would have brought it.
    void setLight(int position, bool rising);

    // The light runs only while the window is the active one.
    void activated() override;
    void deactivated() override;

protected:
    bool queryClose() override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // The window fills the screen and is not dragged.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildToolBar();
    void buildBoard();
    void buildLetters();
    Panel* buildScorePanel(const QString& objectName, const QString& name, DigitDisplay*& digits);
    void buildBars();
    void layOut();

    void stepTick();
    void catchUp();
    void step();
    void pressButton();
    void releaseButton();
    void pressByKey();
    void releaseByKey();
    void resetScores();
    void chooseSpeed(int intervalMs);

    void drawLetters();
    void drawCounters();
    void drawButton();
    void drawBars();
    void updateStepTimer();

    skillstop::SkillStopGame game_;
    bool keyHeld_ = false;
    bool active_ = false;
    bool closing_ = false;

    QWidget* toolBar_ = nullptr;
    QToolButton* resetButton_ = nullptr;
    QToolButton* slowButton_ = nullptr;
    QToolButton* mediumButton_ = nullptr;
    QToolButton* fastButton_ = nullptr;
    QLabel* padLabel_ = nullptr;
    Panel* board_ = nullptr;       // the grey middle: letters, scores, button
    QWidget* light_ = nullptr;     // the row of letters, named for what is lit
    std::array<Panel*, skillstop::LetterCount> letterPanels_{};
    std::array<QLabel*, skillstop::LetterCount> letters_{};
    std::array<QPixmap, skillstop::LetterCount> unlitLetters_;
    std::array<QPixmap, skillstop::LetterCount> litLetters_;
    int lettersShown_ = -1;        // lit count the letters last showed
    Panel* missesPanel_ = nullptr;
    Panel* hitsPanel_ = nullptr;
    DigitDisplay* missesDigits_ = nullptr;
    DigitDisplay* hitsDigits_ = nullptr;
    RollButton* button_ = nullptr;
    std::array<QLabel*, skillstop::BarCount> upperBars_{};
    std::array<QLabel*, skillstop::BarCount> lowerBars_{};
    std::array<QPixmap, skillstop::BarCount> barPictures_;
    QTimer* stepTimer_ = nullptr;
    skillstop::StepPacer pacer_;
    QElapsedTimer pacerClock_;
    KeyRepeatFilter* keys_ = nullptr;
};
