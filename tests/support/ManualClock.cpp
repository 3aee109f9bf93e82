#include "ManualClock.h"

#include "ManualTimer.h"

#include <gtest/gtest.h>

namespace support {

ManualClock::~ManualClock() {
    for (ManualTimer* timer : std::as_const(timers_))
        timer->clock_ = nullptr;
}

std::unique_ptr<ports::Timer> ManualClock::createTimer(int intervalMs) {
    return createManualTimer(intervalMs);
}

std::unique_ptr<ManualTimer> ManualClock::createManualTimer(int intervalMs) {
    return std::make_unique<ManualTimer>(*this, intervalMs);
}

ManualTimer* ManualClock::nextDue(qint64 limitMs) const {
    ManualTimer* best = nullptr;
    for (ManualTimer* timer : timers_) {
        if (!timer->isArmed() || timer->dueMs_ > limitMs)
            continue;
        if (!best || timer->dueMs_ < best->dueMs_ ||
            (timer->dueMs_ == best->dueMs_ && timer->armOrder_ < best->armOrder_))
            best = timer;
    }
    return best;
}

void ManualClock::fire(ManualTimer* timer) {
    nowMs_ = timer->dueMs_;
    timer->arm(); // the next countdown starts now; the handler may change it
    ++timer->ticks_;
    firing_ = true;
    emit timer->timeout();
    firing_ = false;
}

void ManualClock::advance(qint64 ms) {
    if (ms < 0) {
        ADD_FAILURE() << "ManualClock::advance with a negative time: " << ms;
        return;
    }
    advanceTo(nowMs_ + ms);
}

void ManualClock::advanceTo(qint64 timeMs) {
    if (firing_) {
        ADD_FAILURE() << "ManualClock::advance called from inside a timer tick";
        return;
    }
    while (ManualTimer* timer = nextDue(timeMs))
        fire(timer);
    if (timeMs > nowMs_)
        nowMs_ = timeMs;
}

bool ManualClock::advanceUntil(const std::function<bool()>& done, qint64 limitMs) {
    if (firing_) {
        ADD_FAILURE() << "ManualClock::advanceUntil called from inside a timer tick";
        return false;
    }
    const qint64 limit = nowMs_ + limitMs;
    if (done())
        return true;
    while (ManualTimer* timer = nextDue(limit)) {
        fire(timer);
        if (done())
            return true;
    }
    nowMs_ = limit;
    return false;
}

std::optional<qint64> ManualClock::nextDueMs() const {
    const ManualTimer* timer = nextDue(std::numeric_limits<qint64>::max());
    if (!timer)
        return std::nullopt;
    return timer->dueMs();
}

int ManualClock::armedTimerCount() const {
    int count = 0;
    for (const ManualTimer* timer : timers_)
        count += timer->isArmed() ? 1 : 0;
    return count;
}

} // namespace support
