#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <vector>

namespace platformtest {

// The application object every media test needs (made once, GStreamer backend pinned).
void ensureApplication();

// A base of fixtures whose members are Qt media objects: those need the application first.
struct ApplicationFirst {
    ApplicationFirst() { ensureApplication(); }
};

// Whether a sound server can be reached; the media tests skip without one.
bool soundServerReachable();
const char* const noSoundServer =
    "no sound server reachable: run the tests through scripts/run-tests, which starts a "
    "PulseAudio null sink";

// Counts the emissions of a signal (Qt Test is not linked).
class SignalCounter {
public:
    template <typename Sender, typename Signal> SignalCounter(const Sender* sender, Signal signal) {
        connection_ = QObject::connect(sender, signal, [this] { ++count_; });
    }
    ~SignalCounter() { QObject::disconnect(connection_); }
    SignalCounter(const SignalCounter&) = delete;
    SignalCounter& operator=(const SignalCounter&) = delete;
    int count() const { return count_; }

private:
    QMetaObject::Connection connection_;
    int count_ = 0;
};

// Runs the event loop until done() is true or the time is up; returns done().
bool waitUntil(const std::function<bool()>& done, int timeoutMs);
// Runs the event loop for a while.
void spin(int ms);

// Writes a 16-bit mono PCM WAV file.
bool writeWav(const QString& path, const std::vector<qint16>& samples, int sampleRate = 44100);
// A sine tone of the given length, amplitude 0..1, with optional silence after it.
std::vector<qint16> tone(double seconds, double frequency, double amplitude,
                         double silenceAfter = 0, int sampleRate = 44100);

// A rising sweep: the frequency is from + perSecond * t, so the pitch heard tells the position.
std::vector<qint16> sweep(double seconds, double from, double perSecond, int sampleRate = 44100);

// What was heard of each play of a sweep: the media positions (seconds) of its first and last
// heard sample, found from the pitch at the edges of each stretch of sound in a capture.
struct HeardPlay {
    double start = 0;
    double end = 0;
    double seconds = 0; // how long it was heard
    // When its first and last sample were heard, seconds into the capture (to the sample: the
    // sink plays digital silence between plays).
    double heardFrom = 0;
    double heardTo = 0;
};
std::vector<HeardPlay> heardPlays(const std::vector<qint16>& samples, int sampleRate, double from,
                                  double perSecond);
// The mean frequency of a stretch of samples, from interpolated rising zero crossings.
double frequency(const std::vector<qint16>& samples, int sampleRate, std::size_t begin,
                 std::size_t end);

// Runs a tool (sox, ffmpeg) and says whether it succeeded.
bool runTool(const QString& program, const QStringList& arguments);

// 16-bit mono samples of a WAV file (the first channel), and its rate.
struct WavSamples {
    int sampleRate = 0;
    std::vector<qint16> samples;
    double seconds() const { return sampleRate > 0 ? double(samples.size()) / sampleRate : 0; }
};
WavSamples readWav(const QString& path);

// Root mean square of a stretch of samples, 0..1.
double rms(const std::vector<qint16>& samples, std::size_t from, std::size_t count);
// The loudest RMS over windows of the given length.
double loudestWindow(const std::vector<qint16>& samples, std::size_t window);
// Seconds of windows (10 ms) whose RMS is above the level.
double secondsAbove(const std::vector<qint16>& samples, int sampleRate, double level);

// Captures what the default sink plays (its monitor) as 16-bit mono samples.
class SinkCapture {
public:
    explicit SinkCapture(int sampleRate = 44100);
    ~SinkCapture();
    bool start();
    // Stops and returns everything captured.
    std::vector<qint16> stop();
    int sampleRate() const { return sampleRate_; }

private:
    int sampleRate_;
    QProcess process_;
    QByteArray data_;
};

} // namespace platformtest
