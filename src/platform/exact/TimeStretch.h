#pragma once

#include <memory>

namespace soundtouch {
class SoundTouch;
}

namespace platform {

// Plays audio faster or slower with its pitch kept (SoundTouch's overlap-add stretch, tuned for
// speech). Interleaved 32-bit float frames in, the same format out.
class TimeStretch {
public:
    TimeStretch();
    ~TimeStretch();
    TimeStretch(const TimeStretch&) = delete;
    TimeStretch& operator=(const TimeStretch&) = delete;

    // Forgets what is inside and sets the format and the rate (1.25 = a quarter faster).
    void reset(int sampleRate, int channels, double rate);
    void put(const float* frames, int count);
    // Pushes out what is still inside, so the last input frame is heard.
    void finish();
    // Up to `count` frames of output; 0 when it needs more input.
    int take(float* out, int count);

private:
    std::unique_ptr<soundtouch::SoundTouch> stretch_;
};

} // namespace platform
