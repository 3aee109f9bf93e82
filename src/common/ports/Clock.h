#pragma once

#include <QObject>
#include <memory>

namespace ports {

// A timer with the semantics of a form timer:
// - setEnabled(true) starts the countdown; enabling a timer that is already enabled keeps its
//   countdown running as it was;
// - an enabled timer fires timeout() every interval() ms until it is disabled;
// - setInterval() on an enabled timer restarts the countdown with the new interval;
// - an interval of 0 or less never fires.
// A timeout handler may disable, re-enable or re-time any timer, its own included.
class Timer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Timer() override = default;

    virtual void setInterval(int ms) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;

    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }

signals:
    void timeout();
};

// Where the cores get time from. Tests use a manual clock; the programs use Qt's timers.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::unique_ptr<Timer> createTimer(int intervalMs = 0) = 0;
    // Milliseconds since an arbitrary fixed origin.
    virtual qint64 nowMs() const = 0;
};

} // namespace ports
