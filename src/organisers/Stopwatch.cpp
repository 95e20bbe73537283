#include "organisers/Stopwatch.h"

#include "platform/Clock.h"

namespace timing {

bool Stopwatch::start()
{
    if (state_ == State::Running)
        return false;
    startedAt_ = clock_.now();
    stoppedAt_ = QDateTime();
    state_ = State::Running;
    return true;
}

bool Stopwatch::stop()
{
    if (state_ != State::Running)
        return false;
    stoppedAt_ = clock_.now();
    state_ = State::Stopped;
    return true;
}

void Stopwatch::reset()
{
    state_ = State::Reset;
    startedAt_ = QDateTime();
    stoppedAt_ = QDateTime();
}

qint64 Stopwatch::elapsed() const
{
    switch (state_) {
    case State::Reset: return 0;
    case State::Running: return qMax<qint64>(startedAt_.msecsTo(clock_.now()), 0);
    case State::Stopped: return qMax<qint64>(startedAt_.msecsTo(stoppedAt_), 0);
    }
    return 0;
}

} // namespace timing
