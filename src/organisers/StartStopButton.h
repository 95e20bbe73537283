#pragma once
#include <QString>

namespace timing {

// The Stopwatch's four-state picture button: start up, start pressed, stop
// up, stop pressed. A press in the up states starts or stops a timing.
class StartStopButton {
public:
    enum class Status { StartUp = 0, StopPressed = 1, StopUp = 2, StartPressed = 3 };
    struct Step {
        QString picture;        // empty: nothing changes
        bool startStop = false; // the press starts or stops a timing
    };

    Step press();
    Step release();
    Status status() const { return status_; }

private:
    Status status_ = Status::StartUp;
};

} // namespace timing
