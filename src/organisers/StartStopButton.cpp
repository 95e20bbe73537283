#include "organisers/StartStopButton.h"

namespace timing {

StartStopButton::Step StartStopButton::press()
{
    switch (status_) {
    case Status::StartUp:
        status_ = Status::StartPressed;
        return {QStringLiteral("StartIn"), true};
    case Status::StopUp:
        status_ = Status::StopPressed;
        return {QStringLiteral("StopIn"), true};
    default:
        return {};
    }
}

StartStopButton::Step StartStopButton::release()
{
    switch (status_) {
    case Status::StartPressed:
        status_ = Status::StopUp;
        return {QStringLiteral("StopOut"), false};
    case Status::StopPressed:
        status_ = Status::StartUp;
        return {QStringLiteral("StartOut"), false};
    default:
        return {};
    }
}

} // namespace timing
