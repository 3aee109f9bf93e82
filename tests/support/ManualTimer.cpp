#include "ManualTimer.h"

#include "ManualClock.h"

namespace support {

ManualTimer::ManualTimer(ManualClock& clock, int intervalMs)
    : clock_(&clock), interval_(intervalMs) {
    clock.attach(this);
}

ManualTimer::~ManualTimer() {
    if (clock_)
        clock_->detach(this);
}

void ManualTimer::setInterval(int ms) {
    interval_ = ms;
    if (enabled_)
        arm(); // a running timer restarts its countdown with the new interval
}

void ManualTimer::setEnabled(bool enabled) {
    if (enabled == enabled_)
        return; // enabling an enabled timer keeps its countdown
    enabled_ = enabled;
    if (enabled_)
        arm();
}

void ManualTimer::arm() {
    if (!clock_)
        return;
    dueMs_ = clock_->nowMs() + interval_;
    armOrder_ = clock_->nextArmOrder();
}

} // namespace support
