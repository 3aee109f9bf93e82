#include "platform/exact/TimeStretch.h"

#include <SoundTouch.h>

namespace platform {

TimeStretch::TimeStretch() : stretch_(std::make_unique<soundtouch::SoundTouch>()) {
}

TimeStretch::~TimeStretch() = default;

void TimeStretch::reset(int sampleRate, int channels, double rate) {
    stretch_->clear();
    stretch_->setSampleRate(static_cast<unsigned>(sampleRate));
    stretch_->setChannels(static_cast<unsigned>(channels));
    stretch_->setPitch(1.0);
    stretch_->setRate(1.0);
    stretch_->setTempo(rate);
    // Shorter sequences than the music defaults keep syllables clean in speech.
    stretch_->setSetting(SETTING_SEQUENCE_MS, 40);
    stretch_->setSetting(SETTING_SEEKWINDOW_MS, 15);
    stretch_->setSetting(SETTING_OVERLAP_MS, 8);
}

void TimeStretch::put(const float* frames, int count) {
    if (count > 0) {
        stretch_->putSamples(frames, static_cast<unsigned>(count));
    }
}

void TimeStretch::finish() {
    stretch_->flush();
}

int TimeStretch::take(float* out, int count) {
    return count > 0 ? static_cast<int>(stretch_->receiveSamples(out, static_cast<unsigned>(count)))
                     : 0;
}

} // namespace platform
