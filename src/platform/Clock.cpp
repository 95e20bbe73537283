#include "platform/Clock.h"

namespace platform {

namespace {
Clock systemClock;
Clock* installed = nullptr;
} // namespace

QDateTime Clock::now() const { return QDateTime::currentDateTime(); }

Clock& Clock::instance() { return installed ? *installed : systemClock; }

void Clock::install(Clock* clock) { installed = clock; }

ManualClock::ManualClock(QDateTime start) : current_(std::move(start)) {}

} // namespace platform
