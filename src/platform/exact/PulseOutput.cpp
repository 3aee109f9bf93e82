#include "platform/exact/PulseOutput.h"

#include <QElapsedTimer>
#include <algorithm>
#include <pulse/pulseaudio.h>

namespace platform {

namespace {

// What the stream keeps queued at the server: a fifth of a second, so the output thread may wait
// that long for the processor on a busy machine before anything is missed (with 40 ms, plays
// broke off under a load of two builds on two cores). A pause is still heard at once: stop()
// drops what is queued, and a play fills the queue anew before the stream runs.
constexpr pa_usec_t targetLatencyUs = 200000;
constexpr pa_usec_t requestUs = 20000;
constexpr const char* clientName = "Sentence trainer";

} // namespace

PulseOutput::PulseOutput(Producer producer)
    : producer_(std::move(producer)), loop_(pa_threaded_mainloop_new()) {
}

PulseOutput::~PulseOutput() {
    if (loop_ == nullptr) {
        return;
    }
    if (loopStarted_) {
        pa_threaded_mainloop_lock(loop_);
        dropStream();
        if (context_ != nullptr) {
            pa_context_set_state_callback(context_, nullptr, nullptr);
            pa_context_disconnect(context_);
            pa_context_unref(context_);
            context_ = nullptr;
        }
        pa_threaded_mainloop_unlock(loop_);
        pa_threaded_mainloop_stop(loop_);
    } else if (context_ != nullptr) {
        pa_context_unref(context_);
    }
    pa_threaded_mainloop_free(loop_);
}

PulseOutput::Lock::Lock(PulseOutput& output) : output_(output) {
    if (output_.loop_ != nullptr) {
        pa_threaded_mainloop_lock(output_.loop_);
    }
}

PulseOutput::Lock::~Lock() {
    if (output_.loop_ != nullptr) {
        pa_threaded_mainloop_unlock(output_.loop_);
    }
}

void PulseOutput::connect() {
    if (context_ != nullptr || failed_) {
        return;
    }
    if (loop_ == nullptr) {
        failed_ = true;
        return;
    }
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), clientName);
    if (context_ == nullptr) {
        failed_ = true;
        return;
    }
    pa_context_set_state_callback(context_, &PulseOutput::onContextState, this);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        failed_ = true;
        return;
    }
    if (!loopStarted_) {
        // The output thread waits for the lock the caller holds, then runs the connection.
        loopStarted_ = pa_threaded_mainloop_start(loop_) >= 0;
        failed_ = !loopStarted_;
    }
}

void PulseOutput::onContextState(pa_context* context, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        output->contextReady_ = true;
        if (output->rate_ > 0) {
            output->makeStream();
        }
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        output->contextReady_ = false;
        output->failed_ = true;
        break;
    default:
        break;
    }
}

void PulseOutput::setFormat(int sampleRate, int channels) {
    if (sampleRate == rate_ && channels == channels_ && (stream_ != nullptr || !contextReady_) &&
        context_ != nullptr) {
        return;
    }
    rate_ = sampleRate;
    channels_ = channels;
    connect();
    if (contextReady_) {
        makeStream();
    }
}

void PulseOutput::makeStream() {
    dropStream();
    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_FLOAT32LE;
    spec.rate = static_cast<uint32_t>(rate_);
    spec.channels = static_cast<uint8_t>(channels_);
    stream_ = pa_stream_new(context_, "sentence", &spec, nullptr);
    if (stream_ == nullptr) {
        failed_ = true;
        return;
    }
    pa_stream_set_state_callback(stream_, &PulseOutput::onStreamState, this);
    pa_stream_set_write_callback(stream_, &PulseOutput::onStreamWrite, this);
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(targetLatencyUs, &spec));
    attr.prebuf = static_cast<uint32_t>(-1);
    attr.minreq = static_cast<uint32_t>(pa_usec_to_bytes(requestUs, &spec));
    attr.fragsize = static_cast<uint32_t>(-1);
    const auto flags =
        static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_INTERPOLATE_TIMING |
                                       PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_ADJUST_LATENCY);
    if (pa_stream_connect_playback(stream_, nullptr, &attr, flags, nullptr, nullptr) < 0) {
        failed_ = true;
    }
}

void PulseOutput::dropStream() {
    if (stream_ == nullptr) {
        return;
    }
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
    streamReady_ = false;
}

void PulseOutput::onStreamState(pa_stream* stream, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        output->streamReady_ = true;
        if (output->running_) {
            output->run();
        }
        break;
    case PA_STREAM_FAILED:
        output->streamReady_ = false;
        output->failed_ = true;
        break;
    default:
        break;
    }
}

void PulseOutput::onStreamWrite(pa_stream* /*stream*/, std::size_t bytes, void* self) {
    auto* output = static_cast<PulseOutput*>(self);
    if (output->running_) {
        output->feed(bytes);
    }
}

void PulseOutput::feed(std::size_t bytes) {
    const std::size_t frameBytes = sizeof(float) * static_cast<std::size_t>(channels_);
    const auto frames = static_cast<int>(bytes / frameBytes);
    if (frames <= 0) {
        return;
    }
    buffer_.resize(static_cast<std::size_t>(frames) * channels_);
    producer_(buffer_.data(), frames);
    pa_stream_write(stream_, buffer_.data(), static_cast<std::size_t>(frames) * frameBytes, nullptr,
                    0, PA_SEEK_RELATIVE);
}

void PulseOutput::run() {
    startedAt_ = std::chrono::steady_clock::now();
    // The queue is empty after a stop: fill it to the target at once, then let it play.
    const pa_sample_spec* spec = pa_stream_get_sample_spec(stream_);
    const std::size_t target = pa_usec_to_bytes(targetLatencyUs, spec);
    const std::size_t writable = pa_stream_writable_size(stream_);
    feed(std::max(target, writable == static_cast<std::size_t>(-1) ? 0 : writable));
    if (pa_operation* op = pa_stream_cork(stream_, 0, nullptr, nullptr)) {
        pa_operation_unref(op);
    }
}

void PulseOutput::start() {
    running_ = true;
    connect();
    if (streamReady_) {
        run();
    }
}

void PulseOutput::stop() {
    running_ = false;
    startedAt_.reset();
    if (!streamReady_) {
        return;
    }
    if (pa_operation* op = pa_stream_cork(stream_, 1, nullptr, nullptr)) {
        pa_operation_unref(op);
    }
    if (pa_operation* op = pa_stream_flush(stream_, nullptr, nullptr)) {
        pa_operation_unref(op);
    }
}

std::optional<double> PulseOutput::latencySeconds() const {
    if (!streamReady_) {
        return std::nullopt;
    }
    pa_usec_t usec = 0;
    int negative = 0;
    if (pa_stream_get_latency(stream_, &usec, &negative) < 0) {
        return std::nullopt;
    }
    const double seconds = static_cast<double>(usec) / 1e6;
    return negative != 0 ? -seconds : seconds;
}

bool PulseOutput::serverReachable() {
    pa_mainloop* loop = pa_mainloop_new();
    if (loop == nullptr) {
        return false;
    }
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), clientName);
    bool ready = false;
    if (context != nullptr &&
        pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 2000) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (state == PA_CONTEXT_READY) {
                ready = true;
                break;
            }
            if (!PA_CONTEXT_IS_GOOD(state)) {
                break;
            }
            // One round of the loop, waiting at most 10 ms for the server.
            if (pa_mainloop_prepare(loop, 10000) < 0 || pa_mainloop_poll(loop) < 0 ||
                pa_mainloop_dispatch(loop) < 0) {
                break;
            }
        }
        pa_context_disconnect(context);
    }
    if (context != nullptr) {
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return ready;
}

} // namespace platform
