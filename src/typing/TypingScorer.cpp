#include "typing/TypingScorer.h"

#include <algorithm>

namespace typing {

void Gauge::setMaximum(int maximum)
{
    maximum_ = std::max(0, maximum);
    value_ = std::min(value_, maximum_);
}

void Gauge::setValue(int value) { value_ = std::clamp(value, 0, maximum_); }

int Gauge::percent() const
{
    return maximum_ == 0 ? 0 : int((100LL * value_) / maximum_);
}

void TypingScorer::start(const QString& text)
{
    text_ = text;
    running_ = true;
    clockRunning_ = false;
    quarters_ = 0;
    speed.setValue(0);
    speed.setMaximum(SpeedMaximum);

    completed.setValue(0);
    completed.setMaximum(int(text_.size()));
    cursorPos_ = 0;

    accuracy.setMaximum(100);
    accuracy.setValue(100);
    correctKeys_ = 0;
    totalKeys_ = 0;
    missTable_.fill(0);
}

bool TypingScorer::isLineBreakOrEnd(int position) const
{
    if (position >= text_.size())
        return true;
    const QChar c = text_.at(position);
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

TypingScorer::KeyResult TypingScorer::key(QChar c, const QDateTime& now)
{
    if (!running_)
        return KeyResult::Idle;
    if (c == QLatin1Char('\r'))
        return KeyResult::Ignored;
    if (!clockRunning_) {
        clockRunning_ = true;
        firstKey_ = now;
        quarters_ = 0;
    }

    const QChar expected = cursorPos_ < text_.size() ? text_.at(cursorPos_) : QChar();
    if (c == expected) {
        accuracy.setMaximum(accuracy.maximum() + 100);
        accuracy.setValue(accuracy.value() + 100);
        ++cursorPos_;
        ++correctKeys_;
        ++totalKeys_;
        // Line breaks are passed over, not typed; after the last line this
        // runs past the end of the text, which is what ends the exercise.
        for (int i = 0; i < 3 && isLineBreakOrEnd(cursorPos_); ++i)
            ++cursorPos_;
        completed.setValue(cursorPos_ + 1);
    } else {
        ++totalKeys_;
        if (expected.unicode() < missTable_.size())
            ++missTable_[expected.unicode()];
        accuracy.setMaximum(100 * totalKeys_);
        accuracy.setValue(100 * correctKeys_);
    }

    if (completed.value() == completed.maximum())
        return KeyResult::Finished;
    return c == expected ? KeyResult::Correct : KeyResult::Wrong;
}

bool TypingScorer::tick(const QDateTime& now)
{
    if (!clockRunning_)
        return false;
    // Counted from the clock rather than by ticks, so a late tick loses no time.
    quarters_ = int(std::max<qint64>(0, firstKey_.msecsTo(now)) / TickMs);
    const int seconds = quarters_ / 4;
    if (seconds == 0)
        return false;
    speed.setValue(((accuracy.value() * 12) / 100) / seconds);
    return true;
}

void TypingScorer::finish()
{
    running_ = false;
    clockRunning_ = false;
}

void TypingScorer::resetGauges()
{
    completed.setValue(0);
    completed.setMaximum(0);
    accuracy.setValue(0);
    accuracy.setMaximum(0);
    speed.setValue(0);
    speed.setMaximum(SpeedMaximum);
}

int TypingScorer::markedLength() const
{
    return std::min(cursorPos_ + 1, int(text_.size()));
}

} // namespace typing
