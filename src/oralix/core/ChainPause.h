#pragma once

#include "common/ports/Clock.h"

#include <QObject>
#include <memory>

namespace oralix {

// The pause after each play of the reading chain (interval box × 1000 + 10 ms). It fires once
// per start. While held (read-all paused by the learner) it does not count: a pause running at
// the hold keeps the time it had left, and a pause started during the hold waits with its whole
// interval; the release then counts that time down.
class ChainPause : public QObject {
    Q_OBJECT
public:
    ChainPause(ports::Clock& clock, int intervalMs, QObject* parent = nullptr);
    ~ChainPause() override;

    int interval() const { return interval_; }
    void setInterval(int ms); // a running pause starts again with the new interval
    // Starts the pause; `aheadMs` of it need not be waited for (the end of the play was heard
    // that long ago, and the next play is heard that long after it is asked for), so it runs
    // that much shorter, but never below 10 ms.
    void start(double aheadMs = 0);
    void stop(); // also ends a hold and forgets what it kept
    bool isRunning() const;

    void hold();
    // Ends the hold; true when a pause kept by it now counts down (the play before it had ended).
    bool release();
    bool isHeld() const { return held_; }

signals:
    void elapsed();

private:
    void run(int ms);
    int lengthAfter(double aheadMs) const;

    ports::Clock& clock_;
    std::unique_ptr<ports::Timer> timer_;
    int interval_;
    qint64 runStartedAt_ = 0;
    int runLength_ = 0;
    bool held_ = false;
    int kept_ = -1; // ms a held pause still has to run; -1 when none waits
};

} // namespace oralix
