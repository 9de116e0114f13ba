#pragma once
// A Clock that shows the time the test sets and moves only when the test moves it.

#include "util/Clock.h"

namespace folianto::test {

class FixedClock : public util::Clock {
public:
    explicit FixedClock(QDateTime time = QDateTime(QDate(2024, 3, 15), QTime(12, 0)))
        : time_(std::move(time))
    {
    }
    QDateTime now() const override { return time_; }
    void set(const QDateTime& time) { time_ = time; }
    void advanceSeconds(qint64 seconds) { time_ = time_.addSecs(seconds); }
    void advanceDays(qint64 days) { time_ = time_.addDays(days); }

private:
    QDateTime time_;
};

// Installs a Clock for the lifetime of this object and puts the previous one back.
class InstalledClock {
public:
    explicit InstalledClock(const util::Clock& instance) : previous_(&util::clock())
    {
        util::setClock(&instance);
    }
    ~InstalledClock() { util::setClock(previous_); }
    InstalledClock(const InstalledClock&) = delete;
    InstalledClock& operator=(const InstalledClock&) = delete;

private:
    const util::Clock* previous_;
};

} // namespace folianto::test
