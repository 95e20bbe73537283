#pragma once
#include <QDateTime>

namespace platform {
class Clock;
}

namespace timing {

// The watch behind the Stopwatch window: reset, running or stopped, timed
// by the clock it is given. Every start begins a fresh interval from now;
// there is no resuming and there are no laps, as each row of the timing
// list is one interval from a start to a stop.
class Stopwatch {
public:
    enum class State { Reset, Running, Stopped };

    explicit Stopwatch(const platform::Clock& clock) : clock_(clock) {}

    State state() const { return state_; }
    bool isRunning() const { return state_ == State::Running; }

    // Starts an interval now; false, changing nothing, while one runs.
    bool start();
    // Ends the running interval now; false, changing nothing, when none runs.
    bool stop();
    // Nothing timed any more.
    void reset();

    // The instants of the last interval; invalid where there is none yet.
    QDateTime startedAt() const { return startedAt_; }
    QDateTime stoppedAt() const { return stoppedAt_; }
    // Milliseconds of the running interval up to now, or of the last one
    // stopped; 0 when reset. Dates count, so an interval may span midnight;
    // a clock set back while running gives 0, not less.
    qint64 elapsed() const;

private:
    const platform::Clock& clock_;
    State state_ = State::Reset;
    QDateTime startedAt_;
    QDateTime stoppedAt_;
};

} // namespace timing
