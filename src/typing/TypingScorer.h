#pragma once
#include "typing/ExerciseResult.h"
#include "typing/GaugeReading.h"

#include <QChar>
#include <QDateTime>
#include <QString>

// The scoring rules of a typing exercise, kept apart from the window so that
// every rule can be checked on its own.
namespace typing {

class TypingScorer {
public:
    static constexpr int SpeedMaximum = 150;
    static constexpr int TickMs = 250;
    // Accuracy is kept in hundreds per key so the gauge shows whole percents.
    static constexpr int PointsPerKey = 100;
    // Words per minute count five characters to a word.
    static constexpr int CharactersPerWord = 5;

    enum class KeyResult {
        Idle,     // no exercise running: nothing changes
        Ignored,  // Enter: not counted, no clock
        Correct,
        Wrong,
        Finished, // correct, and it was the last character
    };

    TypingScorer() { resetGauges(); }

    // Start: a fresh exercise on text, clock stopped until the first key.
    void start(const QString& text);
    // One typed character at the given moment.
    KeyResult key(QChar c, const QDateTime& now);
    // The speed timer's tick; true when the speed was worked out again.
    bool tick(const QDateTime& now);
    // The exercise ends (last character or Cancel): not running, clock stopped.
    void finish();
    // Keys stop counting but the clock goes on (the tutor shown again while
    // an exercise was under way).
    void suspend() { running_ = false; }
    // Gauges back to rest: Completed 0 of 0, Accuracy 0 of 0, Speed 0 of 150.
    void resetGauges();

    bool running() const { return running_; }
    // Index in the text of the character to type next.
    int position() const { return position_; }
    int correctKeys() const { return correctKeys_; }
    // Every key that counted, right or wrong (Enter never counts).
    int scoredKeys() const { return scoredKeys_; }
    // Wrong keys by the character that should have been typed.
    const MissCounts& misses() const { return misses_; }
    bool clockRunning() const { return clockRunning_; }
    int quarterCount() const { return quarters_; }
    const QString& text() const { return text_; }
    // Characters marked as typed, from the start of the text: everything
    // before the position and the character to type, never past the end.
    int markedLength() const;

    const GaugeReading& completed() const { return completed_; }
    const GaugeReading& accuracy() const { return accuracy_; }
    const GaugeReading& speed() const { return speed_; }

    // A click in the typing box puts the Completed gauge back on the position.
    void resyncCompleted() { completed_.setValue(position_ + 1); }

    QString wpmText() const { return QString::number(speed_.value()) + ExerciseResult::WpmSuffix; }

    // The figures as they stand, for an exercise of the given course day.
    ExerciseResult result(int day) const;

private:
    bool isLineBreakOrEnd(int position) const;

    QString text_;
    bool running_ = false;
    int position_ = 0;
    int correctKeys_ = 0;
    int scoredKeys_ = 0;
    MissCounts misses_{};
    bool clockRunning_ = false;
    QDateTime firstKey_;
    int quarters_ = 0;
    GaugeReading completed_;
    GaugeReading accuracy_;
    GaugeReading speed_;
};

} // namespace typing
