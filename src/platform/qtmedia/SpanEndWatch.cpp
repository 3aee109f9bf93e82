#include "platform/qtmedia/SpanEndWatch.h"

namespace platform {

SpanEndWatch::SpanEndWatch(std::function<double()> position, std::function<void()> silence,
                           double lead, double unitsPerSecond, QObject* parent)
    : QObject(parent), position_(std::move(position)), silence_(std::move(silence)), lead_(lead),
      unitsPerSecond_(unitsPerSecond) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &SpanEndWatch::check);
}

void SpanEndWatch::watch(double end, double rate) {
    end_ = end;
    rate_ = rate > 0 ? rate : 1.0;
    over_ = false;
    timer_.start();
}

void SpanEndWatch::cancel() {
    end_.reset();
    over_ = false;
    timer_.stop();
}

double SpanEndWatch::positionPastEnd() const {
    const double elapsed = static_cast<double>(since_.nsecsElapsed()) / 1e9;
    return end_.value_or(0) + elapsed * unitsPerSecond_ * rate_;
}

void SpanEndWatch::check() {
    if (!end_ || over_ || position_() <= *end_ - lead_ * rate_) {
        return;
    }
    timer_.stop();
    over_ = true;
    since_.start();
    silence_();
}

} // namespace platform
