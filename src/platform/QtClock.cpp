#include "platform/QtClock.h"

#include "platform/QtTimer.h"

namespace platform {

QtClock::QtClock() {
    elapsed_.start();
}

std::unique_ptr<ports::Timer> QtClock::createTimer(int intervalMs) {
    return std::make_unique<QtTimer>(intervalMs);
}

qint64 QtClock::nowMs() const {
    return elapsed_.elapsed();
}

} // namespace platform
