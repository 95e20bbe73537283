#pragma once
#include "app/UtilityServices.h"
#include "typing/TypingResultDialog.h"
#include "typing/TypingScorer.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTextEdit;
class QTimer;
class QToolButton;
class Panel;
class TypingGauge;

// Typing Tutor: an eight-day touch-typing course. The user picks a day, reads
// its instructions, presses Start and types the drill; the results window
// grades the run. An ordinary captioned window, not a tool window: closing it
// only hides it, so it never lets itself go and has no released() signal.
class TypingTutorWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Orvik 2000 - Typing Tutor");
    static constexpr int WindowWidth = 782;
    static constexpr int CreatedHeight = 563;
    static constexpr int ShownHeight = 568;

    explicit TypingTutorWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~TypingTutorWindow() override;

    // The selected day of the course, 1..typing::DayCount.
    int day() const { return day_; }
    bool exerciseRunning() const { return scorer_.running(); }
    const typing::TypingScorer& scorer() const { return scorer_; }
    // The results window of this showing; the end of an exercise fills it.
    TypingResultDialog* resultDialog() const { return resultDialog_; }

    // The left and right arrows; neither moves while an exercise runs.
    void previousDay();
    void nextDay();
    void startExercise();
    void cancelExercise();
    // The speed timer's tick: words per minute worked out again.
    void updateSpeed();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    QWidget* buildDayPage(int day);
    void buildTypingPanel();
    void buildDayDisplay();
    void buildExerciseButtons();
    void buildGauges();
    void prepareShowing();
    void showDayInstructions();
    void scoreKey(QChar c);
    void keepTypingPosition();
    void showGauges();
    void markTyped();
    void describeTypingPosition();
    void endExercise();
    int documentPosition(int textIndex) const;

    static constexpr int DigitCount = 10;

    UtilityServices services_;
    typing::TypingScorer scorer_;
    int day_ = 1;
    int marked_ = 0;        // characters of the text shown as typed
    bool centred_ = false;
    QPointer<TypingResultDialog> resultDialog_;

    QStackedWidget* dayPages_ = nullptr;
    Panel* typingPanel_ = nullptr;
    QTextEdit* typingBox_ = nullptr;
    Panel* controlPanel_ = nullptr;
    QLabel* tensDigit_ = nullptr;
    QLabel* unitsDigit_ = nullptr;
    std::array<QPixmap, DigitCount> digitPictures_{};
    QToolButton* previousDayButton_ = nullptr;
    QToolButton* nextDayButton_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    TypingGauge* completedGauge_ = nullptr;
    TypingGauge* accuracyGauge_ = nullptr;
    TypingGauge* speedGauge_ = nullptr;
    QLabel* wpmLabel_ = nullptr;
    QLineEdit* focusHolder_ = nullptr;   // holds the keyboard focus so the box shows no caret
    QTimer* speedTimer_ = nullptr;
};
