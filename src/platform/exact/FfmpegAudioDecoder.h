#pragma once

#include <QString>
#include <QtGlobal>
#include <atomic>
#include <vector>

struct AVFormatContext;
struct AVCodecContext;
struct AVPacket;
struct AVFrame;
struct SwrContext;

namespace platform {

// Reads the audio of a media file with FFmpeg's libraries as interleaved 32-bit float frames at
// the file's own sample rate, one or two channels. Frame 0 is the first sample FFmpeg delivers
// after the encoder delay it reports (an MP3's LAME header), so frame indexes are the positions
// other FFmpeg-based players report for the same file. A seek is exact: decoding starts a few
// frames before the target (an MP3 frame needs its predecessors) and every sample before the
// target is dropped. Only what is being played is decoded; memory stays small for any length.
class FfmpegAudioDecoder {
public:
    FfmpegAudioDecoder();
    ~FfmpegAudioDecoder();
    FfmpegAudioDecoder(const FfmpegAudioDecoder&) = delete;
    FfmpegAudioDecoder& operator=(const FfmpegAudioDecoder&) = delete;

    // Opens the first audio stream of a file; false when it has none or cannot be read.
    bool open(const QString& path);
    void close();
    bool isOpen() const { return codec_ != nullptr; }

    int sampleRate() const { return rate_; }
    int channels() const { return channels_; }
    // Length in frames: what the container says until the last frame has been decoded, then
    // exactly the frames decoded. Read from any thread: the output thread makes it exact.
    qint64 durationFrames() const { return durationFrames_.load(std::memory_order_acquire); }
    // Whether the length is known: stated by the file's header, or decoded to the end. A VBR MP3
    // without a length header only has a guess from the bit rate of its first frames, which may
    // fall far short of (or beyond) the real end.
    bool lengthKnown() const {
        return lengthStated_ || lengthExact_.load(std::memory_order_acquire);
    }

    // The next read() starts at `frame` (clamped at 0).
    void seek(qint64 frame);
    // Frame index of the next frame read() returns.
    qint64 nextFrame() const { return readFrame_; }
    // Up to `frames` frames into `out` (frames * channels() floats); fewer only at the end of the
    // media, 0 once it is reached.
    int read(float* out, int frames);

private:
    bool decodeMore();
    void append(const AVFrame* frame);
    qint64 frameIndexOf(const AVFrame* frame) const;

    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    SwrContext* swr_ = nullptr;
    AVPacket* packet_ = nullptr;
    AVFrame* frame_ = nullptr;
    int stream_ = -1;
    int rate_ = 0;
    int channels_ = 0;
    qint64 startPts_ = 0; // the stream's start, in its time base
    double timeBase_ = 0; // seconds per time-base unit
    // Written on the output thread when the end is decoded, read by the player's thread without
    // the output's lock; lock-free, so the output thread never waits on them.
    std::atomic<qint64> durationFrames_{0};
    std::atomic<bool> lengthExact_{false}; // set after durationFrames_ has become exact
    bool lengthStated_ = false;
    static_assert(std::atomic<qint64>::is_always_lock_free &&
                  std::atomic<bool>::is_always_lock_free);

    std::vector<float> pending_; // decoded frames not yet read, from pendingFrame_ on
    std::size_t pendingOffset_ = 0;
    qint64 readFrame_ = 0;  // index of the next frame read() returns
    qint64 dropUntil_ = 0;  // decoded frames before this index are dropped
    qint64 decodedTo_ = 0;  // index after the last decoded frame
    bool draining_ = false; // the demuxer has no packets left
    bool ended_ = false;    // the decoder has nothing left
    std::vector<float> converted_;
};

} // namespace platform
