#pragma once

#include <chrono>
#include <deque>
#include <optional>

namespace platform {

// How long after a play is asked for its first sample is heard, over the last nine plays. Each
// play tells when its first sample is heard from the output's latency while it runs; the value
// is the median of the recent plays, so plays that waited for the processor on a busy machine
// (some took 50-100 ms with both cores taken) move it only when most of them did, and do not
// shorten the pauses after the machine is free again.
class StartDelay {
public:
    using Clock = std::chrono::steady_clock;

    // A play is asked for (or, when it had to wait for the sound server, starts) at `at`.
    void asked(Clock::time_point at = Clock::now());
    // While it plays: the first sample is (or was) heard `ms` from now.
    void firstHeardIn(double ms);
    // The play is over (paused, ended, or replaced by another): what it showed counts.
    void finish();

    double ms() const; // 0 before any play has shown it

private:
    static constexpr std::size_t kept = 9;

    std::optional<Clock::time_point> askedAt_;
    std::optional<double> measured_; // of the play under way
    std::deque<double> recent_;      // oldest first
};

} // namespace platform
