#pragma once

#include "common/ports/Clock.h"

#include <QList>
#include <functional>
#include <memory>
#include <optional>

namespace support {

class ManualTimer;

// Virtual time for tests. Time moves only through advance(): every timer that falls due on the
// way fires in time order (timers due at the same moment in the order they were armed), and
// during a tick nowMs() is exactly that tick's due time. Timers enabled, re-timed or disabled by
// a tick are honoured within the same advance(). A tick must not call advance() itself.
class ManualClock : public ports::Clock {
public:
    explicit ManualClock(qint64 startMs = 0) : nowMs_(startMs) {}
    ~ManualClock() override;
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    std::unique_ptr<ports::Timer> createTimer(int intervalMs = 0) override;
    std::unique_ptr<ManualTimer> createManualTimer(int intervalMs = 0);
    qint64 nowMs() const override { return nowMs_; }

    // Moves virtual time forward by ms (>= 0), firing the timers that fall due on the way.
    void advance(qint64 ms);
    void advanceTo(qint64 timeMs);
    // Fires due timers one at a time until `done` holds (checked before the first and after each
    // tick) or until limitMs have passed. True when `done` held; time stops at that tick.
    bool advanceUntil(const std::function<bool()>& done, qint64 limitMs);

    // The due time of the next timer to fire, if any is armed.
    std::optional<qint64> nextDueMs() const;
    int armedTimerCount() const;

private:
    friend class ManualTimer;
    void attach(ManualTimer* timer) { timers_.append(timer); }
    void detach(ManualTimer* timer) { timers_.removeAll(timer); }
    quint64 nextArmOrder() { return ++armOrder_; }
    ManualTimer* nextDue(qint64 limitMs) const;
    void fire(ManualTimer* timer);

    qint64 nowMs_;
    quint64 armOrder_ = 0;
    bool firing_ = false;
    QList<ManualTimer*> timers_;
};

} // namespace support
