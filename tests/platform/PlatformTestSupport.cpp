#include "PlatformTestSupport.h"

#include "platform/MediaBackend.h"
#include "platform/WavHeader.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDeadlineTimer>
#include <QFile>
#include <QMediaDevices>
#include <QThread>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

namespace platformtest {

namespace {

std::unique_ptr<QApplication> application;

// The application object goes before the statics of the libraries it uses.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void TearDown() override { application.reset(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace

void ensureApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    platform::pinGStreamerBackend();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QApplication>(argc, argv);
}

bool soundServerReachable() {
    static const bool reachable = [] {
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
        if (!pactl.waitForFinished(5000) || pactl.exitStatus() != QProcess::NormalExit ||
            pactl.exitCode() != 0) {
            return false;
        }
        ensureApplication();
        return !QMediaDevices::defaultAudioOutput().isNull();
    }();
    return reachable;
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

void spin(int ms) {
    waitUntil([] { return false; }, ms);
}

bool writeWav(const QString& path, const std::vector<qint16>& samples, int sampleRate) {
    platform::WavHeader header;
    header.sampleRate = sampleRate;
    header.channels = 1;
    header.dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray data(static_cast<int>(samples.size() * 2), '\0');
    for (std::size_t i = 0; i < samples.size(); ++i) {
        qToLittleEndian(samples[i], data.data() + 2 * i);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(header.bytes()) == header.size &&
           file.write(data) == data.size();
}

std::vector<qint16> tone(double seconds, double frequency, double amplitude, double silenceAfter,
                         int sampleRate) {
    const auto count = static_cast<std::size_t>(seconds * sampleRate);
    const auto silent = static_cast<std::size_t>(silenceAfter * sampleRate);
    std::vector<qint16> samples(count + silent, 0);
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = static_cast<qint16>(
            std::lround(32767.0 * amplitude * std::sin(2 * M_PI * frequency * i / sampleRate)));
    }
    return samples;
}

std::vector<qint16> sweep(double seconds, double from, double perSecond, int sampleRate) {
    const auto count = static_cast<std::size_t>(seconds * sampleRate);
    std::vector<qint16> samples(count);
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        samples[i] = static_cast<qint16>(std::lround(16000 * std::sin(phase)));
        phase += 2 * M_PI * (from + perSecond * t) / sampleRate;
    }
    return samples;
}

double frequency(const std::vector<qint16>& samples, int sampleRate, std::size_t begin,
                 std::size_t end) {
    std::vector<double> crossings;
    for (std::size_t i = std::max<std::size_t>(begin, 1); i < end && i < samples.size(); ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0) {
            const double fraction = -double(samples[i - 1]) / (samples[i] - samples[i - 1]);
            crossings.push_back(double(i - 1) + fraction);
        }
    }
    if (crossings.size() < 3) {
        return 0;
    }
    return double(crossings.size() - 1) * sampleRate / (crossings.back() - crossings.front());
}

std::vector<HeardPlay> heardPlays(const std::vector<qint16>& samples, int sampleRate, double from,
                                  double perSecond) {
    // Stretches of sound at 1 ms resolution, apart by more than 20 ms of quiet.
    const std::size_t block = static_cast<std::size_t>(sampleRate / 1000);
    std::vector<std::pair<std::size_t, std::size_t>> stretches;
    bool inside = false;
    std::size_t quiet = 0;
    for (std::size_t at = 0; at + block <= samples.size(); at += block) {
        if (rms(samples, at, block) * 32768 > 2000) {
            if (!inside) {
                stretches.emplace_back(at, at + block);
                inside = true;
            }
            stretches.back().second = at + block;
            quiet = 0;
        } else if (inside && ++quiet > 20) {
            inside = false;
        }
    }
    // Each edge is read from the pitch of the 10 ms starting 2 ms inside it.
    const std::size_t window = static_cast<std::size_t>(sampleRate / 100);
    const std::size_t skip = static_cast<std::size_t>(sampleRate / 500);
    const double half = 0.005 + 0.002;
    constexpr int audible = 1000;
    std::vector<HeardPlay> plays;
    for (const auto& [begin, end] : stretches) {
        if (end - begin < static_cast<std::size_t>(sampleRate / 20)) {
            continue;
        }
        HeardPlay play;
        play.start = (frequency(samples, sampleRate, begin + skip, begin + skip + window) - from) /
                         perSecond -
                     half;
        play.end =
            (frequency(samples, sampleRate, end - skip - window, end - skip) - from) / perSecond +
            half;
        play.seconds = double(end - begin) / sampleRate;
        std::size_t first = begin >= block ? begin - block : 0;
        while (first < end && std::abs(samples[first]) < audible) {
            ++first;
        }
        std::size_t last = std::min(samples.size(), end + block);
        while (last > first && std::abs(samples[last - 1]) < audible) {
            --last;
        }
        play.heardFrom = double(first) / sampleRate;
        play.heardTo = double(last) / sampleRate;
        // A stretch going on where the one before stopped is the same play, broken by a
        // dropout of a loaded machine (the sound server ran dry for a moment).
        if (!plays.empty() && std::abs(play.start - plays.back().end) < 0.03) {
            plays.back().end = play.end;
            plays.back().seconds += play.seconds;
            plays.back().heardTo = play.heardTo;
            continue;
        }
        plays.push_back(play);
    }
    return plays;
}

bool runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

WavSamples readWav(const QString& path) {
    WavSamples result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return result;
    }
    const auto header = platform::WavHeader::read(file);
    if (!header || header->bitsPerSample != 16 || header->channels < 1) {
        return result;
    }
    const QByteArray data = file.read(header->dataBytes);
    const int frame = header->bytesPerFrame();
    result.sampleRate = header->sampleRate;
    result.samples.reserve(static_cast<std::size_t>(data.size() / frame));
    for (int at = 0; at + frame <= data.size(); at += frame) {
        result.samples.push_back(qFromLittleEndian<qint16>(data.constData() + at));
    }
    return result;
}

double rms(const std::vector<qint16>& samples, std::size_t from, std::size_t count) {
    if (from >= samples.size() || count == 0) {
        return 0;
    }
    count = std::min(count, samples.size() - from);
    double sum = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        const double value = samples[i] / 32768.0;
        sum += value * value;
    }
    return std::sqrt(sum / static_cast<double>(count));
}

double loudestWindow(const std::vector<qint16>& samples, std::size_t window) {
    double loudest = 0;
    for (std::size_t at = 0; at < samples.size(); at += window) {
        loudest = std::max(loudest, rms(samples, at, window));
    }
    return loudest;
}

double secondsAbove(const std::vector<qint16>& samples, int sampleRate, double level) {
    const auto window = static_cast<std::size_t>(sampleRate / 100);
    int count = 0;
    for (std::size_t at = 0; at + window <= samples.size(); at += window) {
        if (rms(samples, at, window) > level) {
            ++count;
        }
    }
    return count * 0.01;
}

SinkCapture::SinkCapture(int sampleRate) : sampleRate_(sampleRate) {
}

SinkCapture::~SinkCapture() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

bool SinkCapture::start() {
    data_.clear();
    QObject::connect(&process_, &QProcess::readyReadStandardOutput,
                     [this] { data_ += process_.readAllStandardOutput(); });
    process_.start(QStringLiteral("parec"),
                   {QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--raw"),
                    QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                    QStringLiteral("--rate=%1").arg(sampleRate_),
                    QStringLiteral("--latency-msec=10")});
    if (!process_.waitForStarted(5000)) {
        return false;
    }
    // The stream needs a moment before it delivers.
    return waitUntil([this] { return !data_.isEmpty(); }, 3000);
}

std::vector<qint16> SinkCapture::stop() {
    process_.terminate();
    process_.waitForFinished(3000);
    data_ += process_.readAllStandardOutput();
    std::vector<qint16> samples(static_cast<std::size_t>(data_.size() / 2));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = qFromLittleEndian<qint16>(data_.constData() + 2 * i);
    }
    return samples;
}

} // namespace platformtest
