#pragma once

#include "common/ports/Clock.h"

#include <QTimer>
#include <memory>

class QSocketNotifier;

namespace platform {

// A form timer: enabling starts the countdown, an enabled timer fires every interval until
// disabled, re-timing an enabled timer restarts it, an interval of 0 or less never fires.
//
// It runs on a kernel timer (timerfd) watched by the event loop rather than on QTimer: Qt's
// timers end in the event loop's poll() timeout, which the kernel lets run late by 0.1 % of the
// timeout (0.5 % in a process of lowered priority), so a 5 s pause between two plays came 5 ms
// (25 ms) late. A timerfd expires on time and wakes the loop at once. Where none can be made, a
// precise QTimer stands in.
class QtTimer : public ports::Timer {
    Q_OBJECT
public:
    explicit QtTimer(int intervalMs = 0, QObject* parent = nullptr);
    ~QtTimer() override;

    void setInterval(int ms) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return enabled_; }

private:
    void restart();
    void disarm();
    void expired();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer fallback_;
    int interval_ = 0;
    bool enabled_ = false;
};

} // namespace platform
