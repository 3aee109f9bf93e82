#include "platform/QtTimer.h"

#include <QSocketNotifier>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace platform {

namespace {

itimerspec every(int ms) {
    itimerspec spec{};
    spec.it_value.tv_sec = ms / 1000;
    spec.it_value.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
    spec.it_interval = spec.it_value;
    return spec;
}

} // namespace

QtTimer::QtTimer(int intervalMs, QObject* parent)
    : ports::Timer(parent), fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)),
      interval_(intervalMs) {
    if (fd_ >= 0) {
        notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, &QtTimer::expired);
    } else {
        fallback_.setTimerType(Qt::PreciseTimer);
        connect(&fallback_, &QTimer::timeout, this, &QtTimer::timeout);
    }
}

QtTimer::~QtTimer() {
    notifier_.reset();
    if (fd_ >= 0) {
        ::close(fd_);
    }
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
        disarm();
    }
}

void QtTimer::restart() {
    disarm();
    if (interval_ <= 0) {
        return;
    }
    if (fd_ < 0) {
        fallback_.start(interval_);
        return;
    }
    // Setting the timer also forgets expirations not yet read.
    const itimerspec spec = every(interval_);
    timerfd_settime(fd_, 0, &spec, nullptr);
}

void QtTimer::disarm() {
    if (fd_ < 0) {
        fallback_.stop();
        return;
    }
    const itimerspec none{};
    timerfd_settime(fd_, 0, &none, nullptr);
}

void QtTimer::expired() {
    // Expirations that piled up while the loop was busy make one tick, as with any form timer.
    std::uint64_t count = 0;
    if (::read(fd_, &count, sizeof count) != static_cast<ssize_t>(sizeof count) || !enabled_) {
        return;
    }
    emit timeout();
}

} // namespace platform
