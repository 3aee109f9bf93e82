#pragma once

#include "platform/exact/TimeStretch.h"

#include <QtGlobal>
#include <optional>
#include <vector>

namespace platform {

class FfmpegAudioDecoder;

// What the sound output is fed for one play: the decoded media from a start frame, stretched
// when the rate is not 1, cut at the exact end frame of a span, then silence for as long as the
// output asks (so the output never runs dry and what is heard after the end is nothing).
// Output frame k of a play stands for media frame start + k * rate.
class AudioFeed {
public:
    explicit AudioFeed(FfmpegAudioDecoder& decoder);

    // A new play from `frame`; with `endFrame` nothing from that frame on is fed.
    void start(qint64 frame, std::optional<qint64> endFrame, double rate);
    // Linear gain applied to every sample fed.
    void setGain(float gain) { gain_ = gain; }

    // Fills all `frames` frames of `out` (decoder's channels, interleaved).
    void produce(float* out, int frames);

    qint64 startFrame() const { return startFrame_; }
    double rate() const { return rate_; }
    qint64 produced() const { return produced_; }
    // Output frames after which the media itself had ended (not a span end); nullopt before.
    std::optional<qint64> mediaEndedAt() const {
        return mediaEndedAt_ && *mediaEndedAt_ >= 0 ? mediaEndedAt_ : std::nullopt;
    }

private:
    int readMedia(float* out, int frames);
    int produceStretched(float* out, int frames);

    FfmpegAudioDecoder& decoder_;
    TimeStretch stretch_;
    qint64 startFrame_ = 0;
    std::optional<qint64> endFrame_;
    double rate_ = 1.0;
    float gain_ = 1.0f;
    qint64 produced_ = 0;
    bool inputDone_ = false;
    bool stretchFinished_ = false;
    std::optional<qint64> mediaEndedAt_; // -1 while the last frames are still being fed
    std::vector<float> chunk_;
};

} // namespace platform
