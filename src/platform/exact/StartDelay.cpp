#include "platform/exact/StartDelay.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

// Longer than any start seen on a working machine: a play that took this long waited for
// something else (a server starting up) and says nothing of the next one.
constexpr double longestMs = 500.0;

} // namespace

void StartDelay::asked(Clock::time_point at) {
    finish();
    askedAt_ = at;
}

void StartDelay::firstHeardIn(double ms) {
    if (!askedAt_) {
        return;
    }
    const std::chrono::duration<double, std::milli> since = Clock::now() - *askedAt_;
    measured_ = since.count() + ms;
}

void StartDelay::finish() {
    if (measured_ && *measured_ <= longestMs) {
        recent_.push_back(std::max(0.0, *measured_));
        if (recent_.size() > kept) {
            recent_.pop_front();
        }
    }
    measured_.reset();
    askedAt_.reset();
}

double StartDelay::ms() const {
    if (recent_.empty()) {
        return 0.0;
    }
    std::vector<double> sorted(recent_.begin(), recent_.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted[sorted.size() / 2];
}

} // namespace platform
