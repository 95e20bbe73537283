#include "typing/TypingScorer.h"

#include <algorithm>

namespace typing {

namespace {

// A line ends in CR LF; a correct key passes over at most this many places.
constexpr int MaxSkippedAfterKey = 3;
constexpr int SecondsPerMinute = 60;
constexpr int TicksPerSecond = 1000 / TypingScorer::TickMs;

} // namespace

void TypingScorer::start(const QString& text)
{
    text_ = text;
    running_ = true;
    clockRunning_ = false;
    quarters_ = 0;
    speed_.setValue(0);
    speed_.setMaximum(SpeedMaximum);

    completed_.setValue(0);
    completed_.setMaximum(int(text_.size()));
    position_ = 0;

    accuracy_.setMaximum(PointsPerKey);
    accuracy_.setValue(PointsPerKey);
    correctKeys_ = 0;
    scoredKeys_ = 0;
    misses_.fill(0);
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

    const QChar expected = position_ < text_.size() ? text_.at(position_) : QChar();
    if (c == expected) {
        accuracy_.setMaximum(accuracy_.maximum() + PointsPerKey);
        accuracy_.setValue(accuracy_.value() + PointsPerKey);
        ++position_;
        ++correctKeys_;
        ++scoredKeys_;
        // Line breaks are passed over, not typed; after the last line this
        // runs past the end of the text, which is what ends the exercise.
        for (int i = 0; i < MaxSkippedAfterKey && isLineBreakOrEnd(position_); ++i)
            ++position_;
        completed_.setValue(position_ + 1);
    } else {
        ++scoredKeys_;
        if (expected.unicode() < misses_.size())
            ++misses_[expected.unicode()];
        accuracy_.setMaximum(PointsPerKey * scoredKeys_);
        accuracy_.setValue(PointsPerKey * correctKeys_);
    }

    if (completed_.value() == completed_.maximum())
        return KeyResult::Finished;
    return c == expected ? KeyResult::Correct : KeyResult::Wrong;
}

bool TypingScorer::tick(const QDateTime& now)
{
    if (!clockRunning_)
        return false;
    // Counted from the clock rather than by ticks, so a late tick loses no time.
    quarters_ = int(std::max<qint64>(0, firstKey_.msecsTo(now)) / TickMs);
    const int seconds = quarters_ / TicksPerSecond;
    if (seconds == 0)
        return false;
    // The accuracy value counts the keys typed right in hundreds (one key
    // ahead until the first miss).
    constexpr int WordsPerMinuteFactor = SecondsPerMinute / CharactersPerWord;
    speed_.setValue(((accuracy_.value() * WordsPerMinuteFactor) / PointsPerKey) / seconds);
    return true;
}

void TypingScorer::finish()
{
    running_ = false;
    clockRunning_ = false;
}

void TypingScorer::resetGauges()
{
    completed_.setValue(0);
    completed_.setMaximum(0);
    accuracy_.setValue(0);
    accuracy_.setMaximum(0);
    speed_.setValue(0);
    speed_.setMaximum(SpeedMaximum);
}

ExerciseResult TypingScorer::result(int day) const
{
    return ExerciseResult{day, completed_, accuracy_, speed_, misses_};
}

int TypingScorer::markedLength() const
{
    return std::min(position_ + 1, int(text_.size()));
}

} // namespace typing
