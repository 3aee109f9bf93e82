#include "oralix/core/ChainPause.h"

#include <cmath>

namespace oralix {

ChainPause::ChainPause(ports::Clock& clock, int intervalMs, QObject* parent)
    : QObject(parent), clock_(clock), timer_(clock.createTimer(intervalMs)), interval_(intervalMs) {
    connect(timer_.get(), &ports::Timer::timeout, this, [this] {
        timer_->stop();
        emit elapsed();
    });
}

ChainPause::~ChainPause() = default;

void ChainPause::setInterval(int ms) {
    interval_ = ms;
    if (timer_->isEnabled()) {
        run(ms);
    }
}

void ChainPause::start(double aheadMs) {
    if (held_) {
        kept_ = lengthAfter(aheadMs);
        return;
    }
    run(lengthAfter(aheadMs));
}

int ChainPause::lengthAfter(double aheadMs) const {
    constexpr int shortest = 10;
    const auto left = static_cast<int>(std::lround(interval_ - qMax(0.0, aheadMs)));
    return qMax(qMin(interval_, shortest), left);
}

void ChainPause::stop() {
    timer_->stop();
    held_ = false;
    kept_ = -1;
}

bool ChainPause::isRunning() const {
    return timer_->isEnabled();
}

void ChainPause::hold() {
    if (held_) {
        return;
    }
    held_ = true;
    if (timer_->isEnabled()) {
        const qint64 gone = clock_.nowMs() - runStartedAt_;
        kept_ = int(qMax<qint64>(0, runLength_ - gone));
        timer_->stop();
    }
}

bool ChainPause::release() {
    held_ = false;
    if (kept_ < 0) {
        return false;
    }
    // A timer of 0 ms never fires: what is left is at least one millisecond.
    run(qMax(1, kept_));
    kept_ = -1;
    return true;
}

void ChainPause::run(int ms) {
    runStartedAt_ = clock_.nowMs();
    runLength_ = ms;
    timer_->setInterval(ms);
    timer_->start();
}

} // namespace oralix
