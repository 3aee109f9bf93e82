#include "platform/exact/AudioFeed.h"

#include "platform/exact/FfmpegAudioDecoder.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr int stretchChunkFrames = 1024;

} // namespace

AudioFeed::AudioFeed(FfmpegAudioDecoder& decoder) : decoder_(decoder) {
}

void AudioFeed::start(qint64 frame, std::optional<qint64> endFrame, double rate) {
    startFrame_ = frame;
    endFrame_ = endFrame;
    rate_ = rate;
    produced_ = 0;
    inputDone_ = false;
    stretchFinished_ = false;
    mediaEndedAt_.reset();
    decoder_.seek(frame);
    if (std::abs(rate_ - 1.0) > 1e-6) {
        stretch_.reset(decoder_.sampleRate(), decoder_.channels(), rate_);
    }
}

int AudioFeed::readMedia(float* out, int frames) {
    if (inputDone_) {
        return 0;
    }
    int wanted = frames;
    if (endFrame_) {
        wanted = static_cast<int>(std::clamp<qint64>(*endFrame_ - decoder_.nextFrame(), 0, frames));
    }
    const int got = wanted > 0 ? decoder_.read(out, wanted) : 0;
    if (got < wanted || (endFrame_ && decoder_.nextFrame() >= *endFrame_)) {
        inputDone_ = true;
        if (got < wanted) {
            // The media ran out before any span end: this play reaches the end of the media.
            mediaEndedAt_ = -1;
        }
    }
    return got;
}

int AudioFeed::produceStretched(float* out, int frames) {
    const int channels = decoder_.channels();
    int done = 0;
    while (done < frames) {
        const int got = stretch_.take(out + std::size_t(done) * channels, frames - done);
        done += got;
        if (got > 0) {
            continue;
        }
        if (!inputDone_) {
            chunk_.resize(std::size_t(stretchChunkFrames) * channels);
            stretch_.put(chunk_.data(), readMedia(chunk_.data(), stretchChunkFrames));
        } else if (!stretchFinished_) {
            stretch_.finish();
            stretchFinished_ = true;
        } else {
            break;
        }
    }
    return done;
}

void AudioFeed::produce(float* out, int frames) {
    const int channels = decoder_.channels();
    const bool stretched = std::abs(rate_ - 1.0) > 1e-6;
    const int media = stretched ? produceStretched(out, frames) : readMedia(out, frames);
    const std::size_t samples = std::size_t(media) * channels;
    for (std::size_t i = 0; i < samples; ++i) {
        out[i] *= gain_;
    }
    std::fill(out + samples, out + std::size_t(frames) * channels, 0.0f);
    if (mediaEndedAt_ && *mediaEndedAt_ < 0 && media < frames && (!stretched || stretchFinished_)) {
        mediaEndedAt_ = produced_ + media;
    }
    produced_ += frames;
}

} // namespace platform
