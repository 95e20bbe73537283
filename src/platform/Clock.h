#pragma once
#include <QDateTime>

namespace platform {

// The local date and time with milliseconds. Windows ask the installed clock,
// so tests can set and advance time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const;

    static Clock& instance();
    // Installs a replacement (not owned); nullptr restores the system clock.
    static void install(Clock* clock);
};

// Test double: a clock that only moves when told to.
class ManualClock : public Clock {
public:
    explicit ManualClock(QDateTime start = QDateTime(QDate(2000, 1, 1), QTime(12, 0)));
    QDateTime now() const override { return current_; }
    void set(const QDateTime& when) { current_ = when; }
    void advance(qint64 milliseconds) { current_ = current_.addMSecs(milliseconds); }

private:
    QDateTime current_;
};

} // namespace platform
