#include "platform/QtTimer.h"

namespace platform {

QtTimer::QtTimer(int intervalMs, QObject* parent) : ports::Timer(parent), interval_(intervalMs) {
    // The listening loop polls every 10 ms: coarse timers would drift by up to 5 %.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &QtTimer::timeout);
}

void QtTimer::setInterval(int ms) {
    interval_ = ms;
    if (enabled_) {
        restart();
    }
}

void QtTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (enabled_) {
        restart();
    } else {
        timer_.stop();
    }
}

void QtTimer::restart() {
    timer_.stop();
    if (interval_ > 0) {
        timer_.start(interval_);
    }
}

} // namespace platform
