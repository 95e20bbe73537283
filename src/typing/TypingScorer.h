#pragma once
#include <QChar>
#include <QDateTime>
#include <QString>
#include <array>

// The scoring rules of a typing exercise, kept apart from the window so that
// every rule can be checked on its own.
namespace typing {

// A progress gauge: a maximum and a value, shown as a whole percentage.
class Gauge {
public:
    int maximum() const { return maximum_; }
    int value() const { return value_; }
    // A new maximum pulls a larger value down to it.
    void setMaximum(int maximum);
    // The value always stays within 0..maximum.
    void setValue(int value);
    // trunc(100 * value / maximum), 0 when the maximum is 0.
    int percent() const;

private:
    int maximum_ = 0;
    int value_ = 0;
};

class TypingScorer {
public:
    static constexpr int SpeedMaximum = 150;
    static constexpr int TickMs = 250;
    static inline const QString WpmSuffix = QStringLiteral(" WPM");

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

    bool ExerciseRunning() const { return running_; }
    int CursorPos() const { return cursorPos_; }
    int CorrectKeys() const { return correctKeys_; }
    int TotalKeys() const { return totalKeys_; }
    const std::array<int, 256>& MissTable() const { return missTable_; }
    bool clockRunning() const { return clockRunning_; }
    int quarterCount() const { return quarters_; }
    const QString& text() const { return text_; }
    // Characters marked as typed, from the start of the text: everything
    // before the cursor and the character to type, never past the end.
    int markedLength() const;

    // A click in the typing box puts the Completed gauge back on the cursor.
    void resyncCompleted() { completed.setValue(cursorPos_ + 1); }

    QString wpmText() const { return QString::number(speed.value()) + WpmSuffix; }

    Gauge completed;
    Gauge accuracy;
    Gauge speed;

private:
    bool isLineBreakOrEnd(int position) const;

    QString text_;
    bool running_ = false;
    int cursorPos_ = 0;
    int correctKeys_ = 0;
    int totalKeys_ = 0;
    std::array<int, 256> missTable_{};
    bool clockRunning_ = false;
    QDateTime firstKey_;
    int quarters_ = 0;
};

} // namespace typing
