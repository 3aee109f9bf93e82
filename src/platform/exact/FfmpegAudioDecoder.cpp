#include "platform/exact/FfmpegAudioDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {

namespace {

// Decoding starts this long before a seek target: an MP3 frame borrows bits from the frames
// before it (up to 511 bytes), so a few whole frames are decoded and dropped first.
constexpr double prerollSeconds = 0.15;

} // namespace

FfmpegAudioDecoder::FfmpegAudioDecoder() = default;

FfmpegAudioDecoder::~FfmpegAudioDecoder() {
    close();
}

void FfmpegAudioDecoder::close() {
    swr_free(&swr_);
    avcodec_free_context(&codec_);
    avformat_close_input(&format_);
    av_packet_free(&packet_);
    av_frame_free(&frame_);
    stream_ = -1;
    rate_ = 0;
    channels_ = 0;
    durationFrames_.store(0, std::memory_order_release);
    lengthExact_.store(false, std::memory_order_release);
    lengthStated_ = false;
    pending_.clear();
    pendingOffset_ = 0;
    readFrame_ = 0;
    dropUntil_ = 0;
    decodedTo_ = 0;
    draining_ = false;
    ended_ = false;
}

bool FfmpegAudioDecoder::open(const QString& path) {
    close();
    // FFmpeg's notes on what it repairs by itself (timestamps after a seek) are not errors.
    static const bool quiet = [] {
        av_log_set_level(AV_LOG_ERROR);
        return true;
    }();
    (void)quiet;
    const QByteArray name = QFile::encodeName(path);
    if (avformat_open_input(&format_, name.constData(), nullptr, nullptr) < 0) {
        format_ = nullptr;
        return false;
    }
    const AVCodec* decoder = nullptr;
    if (avformat_find_stream_info(format_, nullptr) < 0 ||
        (stream_ = av_find_best_stream(format_, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0)) < 0 ||
        decoder == nullptr) {
        close();
        return false;
    }
    // Only the audio stream is read; the demuxer skips the others' packets cheaply.
    for (unsigned i = 0; i < format_->nb_streams; ++i) {
        format_->streams[i]->discard =
            static_cast<int>(i) == stream_ ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    const AVStream* stream = format_->streams[stream_];
    codec_ = avcodec_alloc_context3(decoder);
    if (codec_ == nullptr || avcodec_parameters_to_context(codec_, stream->codecpar) < 0 ||
        avcodec_open2(codec_, decoder, nullptr) < 0 || codec_->sample_rate <= 0) {
        close();
        return false;
    }
    rate_ = codec_->sample_rate;
    channels_ = std::min(codec_->ch_layout.nb_channels, 2);
    if (channels_ <= 0) {
        close();
        return false;
    }
    AVChannelLayout out{};
    av_channel_layout_default(&out, channels_);
    const int made = swr_alloc_set_opts2(&swr_, &out, AV_SAMPLE_FMT_FLT, rate_, &codec_->ch_layout,
                                         codec_->sample_fmt, codec_->sample_rate, 0, nullptr);
    av_channel_layout_uninit(&out);
    packet_ = av_packet_alloc();
    frame_ = av_frame_alloc();
    if (made < 0 || swr_ == nullptr || swr_init(swr_) < 0 || packet_ == nullptr ||
        frame_ == nullptr) {
        close();
        return false;
    }
    timeBase_ = av_q2d(stream->time_base);
    startPts_ = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
    qint64 length = 0;
    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0) {
        length = std::llround(double(stream->duration) * timeBase_ * rate_);
    } else if (format_->duration != AV_NOPTS_VALUE && format_->duration > 0) {
        length = std::llround(double(format_->duration) / AV_TIME_BASE * rate_);
    }
    // The container's length counts the encoder delay it also reports as the start.
    if (stream->duration != AV_NOPTS_VALUE && startPts_ > 0) {
        length -= std::llround(double(startPts_) * timeBase_ * rate_);
    }
    durationFrames_.store(std::max<qint64>(length, 0), std::memory_order_release);
    // FFmpeg fills in a length from the bit rate when the file states none.
    lengthStated_ =
        length > 0 && format_->duration_estimation_method != AVFMT_DURATION_FROM_BITRATE;
    return true;
}

void FfmpegAudioDecoder::seek(qint64 frame) {
    if (!isOpen()) {
        return;
    }
    frame = std::max<qint64>(frame, 0);
    if (frame >= readFrame_ && frame <= decodedTo_ && !pending_.empty()) {
        // Already decoded: skip ahead in what is there.
        pendingOffset_ += static_cast<std::size_t>(frame - readFrame_) * channels_;
        readFrame_ = frame;
        return;
    }
    const double target = std::max(0.0, double(frame) / rate_ - prerollSeconds);
    const qint64 timestamp = startPts_ + std::llround(target / timeBase_);
    av_seek_frame(format_, stream_, timestamp, AVSEEK_FLAG_BACKWARD);
    avcodec_flush_buffers(codec_);
    pending_.clear();
    pendingOffset_ = 0;
    readFrame_ = frame;
    dropUntil_ = frame;
    decodedTo_ = -1; // anchored by the first decoded frame's timestamp
    draining_ = false;
    ended_ = false;
}

int FfmpegAudioDecoder::read(float* out, int frames) {
    int done = 0;
    while (done < frames) {
        const std::size_t available = (pending_.size() - pendingOffset_) / channels_;
        if (available == 0) {
            pending_.clear();
            pendingOffset_ = 0;
            if (!decodeMore()) {
                break;
            }
            continue;
        }
        const int take = static_cast<int>(std::min<std::size_t>(available, frames - done));
        std::memcpy(out + std::size_t(done) * channels_, pending_.data() + pendingOffset_,
                    sizeof(float) * std::size_t(take) * channels_);
        pendingOffset_ += std::size_t(take) * channels_;
        done += take;
        readFrame_ += take;
    }
    return done;
}

bool FfmpegAudioDecoder::decodeMore() {
    while (!ended_) {
        const int received = avcodec_receive_frame(codec_, frame_);
        if (received == 0) {
            append(frame_);
            av_frame_unref(frame_);
            if (!pending_.empty()) {
                return true;
            }
            continue;
        }
        if (received == AVERROR_EOF) {
            ended_ = true;
            if (decodedTo_ > 0) {
                durationFrames_.store(decodedTo_, std::memory_order_release);
                lengthExact_.store(true, std::memory_order_release);
            }
            break;
        }
        if (received != AVERROR(EAGAIN)) {
            ended_ = true;
            break;
        }
        if (draining_) {
            ended_ = true;
            break;
        }
        const int read = av_read_frame(format_, packet_);
        if (read < 0) {
            draining_ = true;
            avcodec_send_packet(codec_, nullptr);
            continue;
        }
        if (packet_->stream_index == stream_) {
            // A damaged packet is skipped; the next one decodes as usual.
            avcodec_send_packet(codec_, packet_);
        }
        av_packet_unref(packet_);
    }
    return false;
}

qint64 FfmpegAudioDecoder::frameIndexOf(const AVFrame* frame) const {
    const qint64 pts =
        frame->best_effort_timestamp != AV_NOPTS_VALUE ? frame->best_effort_timestamp : frame->pts;
    if (pts == AV_NOPTS_VALUE) {
        return std::max<qint64>(decodedTo_, 0);
    }
    return std::llround(double(pts - startPts_) * timeBase_ * rate_);
}

void FfmpegAudioDecoder::append(const AVFrame* frame) {
    const int count = frame->nb_samples;
    if (count <= 0) {
        return;
    }
    // The first frame after opening or seeking places the stream by its timestamp; from then on
    // frames follow one another.
    const qint64 index = decodedTo_ < 0 ? frameIndexOf(frame) : decodedTo_;
    converted_.resize(std::size_t(count) * channels_);
    auto* outData = reinterpret_cast<uint8_t*>(converted_.data());
    const int made = swr_convert(swr_, &outData, count,
                                 const_cast<const uint8_t**>(frame->extended_data), count);
    if (made <= 0) {
        decodedTo_ = index + count;
        return;
    }
    decodedTo_ = index + made;
    const qint64 cut = std::clamp<qint64>(dropUntil_ - index, 0, made);
    if (cut == made) {
        return;
    }
    if (pending_.empty()) {
        // A seek that landed after its target starts where the media does.
        readFrame_ = index + cut;
    }
    pending_.insert(pending_.end(), converted_.begin() + cut * channels_,
                    converted_.begin() + std::ptrdiff_t(made) * channels_);
}

} // namespace platform
