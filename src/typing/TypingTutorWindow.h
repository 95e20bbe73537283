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
// grades the run. An ordinary captioned window that only hides on close.
class TypingTutorWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Orvik 2000 - Typing Tutor");
    static constexpr int FormWidth = 782;
    static constexpr int FormHeight = 563;
    static constexpr int ShownHeight = 568;

    explicit TypingTutorWindow(const UtilityServices& services, QWidget* owner = nullptr);
    ~TypingTutorWindow() override;

    int LessonDay() const { return lessonDay_; }
    bool ExerciseRunning() const { return scorer_.ExerciseRunning(); }
    const typing::TypingScorer& scorer() const { return scorer_; }
    const std::array<int, 256>& MissTable() const { return scorer_.MissTable(); }
    TypingResultDialog* resultWindow() const { return result_; }

    // Handlers, named after the control and event that trigger them.
    void FormShow();
    void RedrawExercise();
    void btnDecreaseExClick();
    void btnIncreaseExClick();
    void btnEx01Click();
    void txt09KeyPress(QChar c);
    void timKeyTimer();
    void btnCancelClick();
    void txt09MouseDown();
    void TypeBoxEnter();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    QWidget* buildPage(int day);
    void showGauges();
    void markTyped();
    void describeTypingPosition();
    void endExercise();
    int documentPosition(int textIndex) const;

    UtilityServices services_;
    typing::TypingScorer scorer_;
    int lessonDay_ = 1;
    int marked_ = 0;        // characters of the text shown as typed
    bool centred_ = false;
    QPointer<TypingResultDialog> result_;

    QStackedWidget* Page = nullptr;
    Panel* panType = nullptr;
    QTextEdit* TypeBox = nullptr;
    Panel* panEx = nullptr;
    QLabel* digEx1 = nullptr;
    QLabel* digEx0 = nullptr;
    std::array<QPixmap, 10> N{};  // the digit pictures N0..N9
    QToolButton* btnDecreaseEx = nullptr;
    QToolButton* btnIncreaseEx = nullptr;
    QPushButton* btnStart = nullptr;
    QPushButton* btnCancel = nullptr;
    TypingGauge* gaugePercentDone = nullptr;
    TypingGauge* gaugeAccuracy = nullptr;
    TypingGauge* gaugeSpeed = nullptr;
    QLabel* labWPM = nullptr;
    QLineEdit* editGrabFocus = nullptr;
    QTimer* timKey = nullptr;
};
