#pragma once

#include "common/ports/Clock.h"

namespace support {

class ManualClock;

// A timer of the manual clock. It keeps the form-timer semantics of ports::Timer; the clock
// fires it when virtual time reaches its due time.
class ManualTimer : public ports::Timer {
    Q_OBJECT
public:
    ManualTimer(ManualClock& clock, int intervalMs);
    ~ManualTimer() override;

    void setInterval(int ms) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return enabled_; }

    // Enabled with a positive interval: it will fire at dueMs().
    bool isArmed() const { return enabled_ && interval_ > 0; }
    qint64 dueMs() const { return dueMs_; }
    // How many times it has fired.
    int tickCount() const { return ticks_; }

private:
    friend class ManualClock;
    void arm();

    ManualClock* clock_;
    int interval_ = 0;
    bool enabled_ = false;
    qint64 dueMs_ = 0;
    quint64 armOrder_ = 0; // timers due at the same time fire in the order they were armed
    int ticks_ = 0;
};

} // namespace support
