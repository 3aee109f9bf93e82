#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

namespace platform {

// One playback stream to the PulseAudio sound server (PipeWire serves the same protocol), on
// its own output thread. The stream pulls its frames from a producer, which is called on that
// thread with the output locked; every other call here is made with the output locked too
// (Lock). The server is reached in the background on first use, so making one never waits.
class PulseOutput {
public:
    // Fills `frames` interleaved float frames.
    using Producer = std::function<void(float* out, int frames)>;

    explicit PulseOutput(Producer producer);
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    class Lock {
    public:
        explicit Lock(PulseOutput& output);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        PulseOutput& output_;
    };

    // The format of the frames; a change makes a new stream. Reaches the server on first use.
    void setFormat(int sampleRate, int channels);
    // Starts pulling from the producer: the first frames are taken at once (or as soon as the
    // stream is ready) and the stream runs.
    void start();
    // Stops at once; what was fed but not yet heard is dropped.
    void stop();
    bool running() const { return running_; }
    // The server has taken the stream: start() plays at once.
    bool ready() const { return streamReady_; }
    // When the stream last started to play (filled and let run), since the last stop().
    std::optional<std::chrono::steady_clock::time_point> startedAt() const { return startedAt_; }
    // How long until the last frame fed is heard (the queue plus the device); nullopt while the
    // server has not said.
    std::optional<double> latencySeconds() const;
    // The sound server could not be reached or refused the stream.
    bool failed() const { return failed_; }

    // Whether a sound server answers, tried with a fresh connection (a few milliseconds).
    static bool serverReachable();

private:
    static void onContextState(pa_context* context, void* self);
    static void onStreamState(pa_stream* stream, void* self);
    static void onStreamWrite(pa_stream* stream, std::size_t bytes, void* self);
    void connect();
    void makeStream();
    void dropStream();
    void feed(std::size_t bytes);
    void run();

    Producer producer_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    bool loopStarted_ = false;
    bool contextReady_ = false;
    bool streamReady_ = false;
    bool running_ = false;
    bool failed_ = false;
    std::optional<std::chrono::steady_clock::time_point> startedAt_;
    int rate_ = 0;
    int channels_ = 0;
    std::vector<float> buffer_;
};

} // namespace platform
