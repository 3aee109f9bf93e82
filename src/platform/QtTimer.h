#pragma once

#include "common/ports/Clock.h"

#include <QTimer>

namespace platform {

// A form timer over QTimer: enabling starts the countdown, an enabled timer fires every interval
// until disabled, re-timing an enabled timer restarts it, an interval of 0 or less never fires.
class QtTimer : public ports::Timer {
    Q_OBJECT
public:
    explicit QtTimer(int intervalMs = 0, QObject* parent = nullptr);

    void setInterval(int ms) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return enabled_; }

private:
    void restart();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
};

} // namespace platform
