#pragma once

#include "common/ports/Clock.h"

#include <QElapsedTimer>

namespace platform {

// The programs' clock: Qt timers and a monotonic millisecond count.
class QtClock : public ports::Clock {
public:
    QtClock();

    std::unique_ptr<ports::Timer> createTimer(int intervalMs = 0) override;
    qint64 nowMs() const override;

private:
    QElapsedTimer elapsed_;
};

} // namespace platform
