// What a learner hears of a sentence: 20 sentence spans of a generated sweep are each played
// twice through a 10 ms end-of-sentence poll with a pause between the plays, on each engine,
// while the sound server's monitor is captured. The sweep rises 2500 Hz per second within each
// 2 s slot, so the pitch heard at the start and at the end of each play tells which media
// position was heard there. Reported, in milliseconds: the heard start and end against the
// sentence's span (median signed error, 95th percentile of the absolute error) and the silence
// between the two plays against the set pause. A player whose position stops moving while it
// plays is reported as stalled (heard_plays then counts what was heard before).
#include "platform/MediaBackend.h"
#include "platform/PlatformEngines.h"
#include "platform/QtClock.h"
#include "platform/WavHeader.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int rate = 44100;
constexpr double slotSeconds = 2.0;
constexpr double sweepFrom = 500.0;
constexpr double sweepPerSecond = 2500.0;
constexpr int sentences = 20;
constexpr int playsPerSentence = 2;
constexpr double spanStart = 0.6; // within each slot
constexpr double spanEnd = 1.4;
constexpr int pauseMs = 500;
constexpr int pollMs = 10;

using Engine = ports::MediaEngines::Engine;

QApplication& application() {
    // Never destroyed: the media libraries' statics go first at exit.
    static QApplication* app = nullptr;
    if (app == nullptr) {
        platform::pinGStreamerBackend();
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        }
        static int argc = 1;
        static char name[] = "sentence_end";
        static char* argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
    }
    return *app;
}

bool soundServerReachable() {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    return pactl.waitForFinished(5000) && pactl.exitCode() == 0;
}

// A sawtooth sweep: in every slot the pitch rises linearly from sweepFrom.
bool writeSweep(const QString& path) {
    const int slotCount = sentences + 1;
    const auto count = static_cast<std::size_t>(slotCount * slotSeconds * rate);
    QByteArray data(static_cast<int>(count * 2), '\0');
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double inSlot = std::fmod(t, slotSeconds);
        phase += 2 * M_PI * (sweepFrom + sweepPerSecond * inSlot) / rate;
        const auto sample = static_cast<qint16>(std::lround(16000 * std::sin(phase)));
        qToLittleEndian(sample, data.data() + 2 * i);
    }
    platform::WavHeader header;
    header.sampleRate = rate;
    header.dataBytes = static_cast<quint32>(data.size());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(header.bytes()) == header.size &&
           file.write(data) == data.size();
}

// Plays each span twice as the listening loop does: seek, play, poll every 10 ms, pause at the
// first position past the end, wait the pause, play again; then the next sentence.
class Loop {
public:
    Loop(ports::MediaPlayer& player, ports::Clock& clock)
        : player_(player), poll_(clock.createTimer(pollMs)), gap_(clock.createTimer(pauseMs)) {
        QObject::connect(poll_.get(), &ports::Timer::timeout, [this] { onPoll(); });
        QObject::connect(gap_.get(), &ports::Timer::timeout, [this] { onGap(); });
    }

    bool stalled() const { return stalled_; }

    void run() {
        playSentence();
        done_.exec();
    }

private:
    double unit(double seconds) const {
        return player_.unit() == ports::MediaPlayer::Unit::Milliseconds ? seconds * 1000 : seconds;
    }
    void playSentence() {
        player_.setPosition(unit(sentence_ * slotSeconds + spanStart));
        player_.play();
        poll_->start();
    }
    void onPoll() {
        // A player whose position stops moving while it plays has stalled: give up.
        const double now = player_.position();
        if (now != lastPosition_) {
            lastPosition_ = now;
            stillTicks_ = 0;
        } else if (++stillTicks_ > 300) {
            stalled_ = true;
            std::fprintf(stderr, "stalled at %.3f (sentence %d, play %d)\n", now, sentence_ + 1,
                         plays_ + 1);
            poll_->stop();
            done_.quit();
            return;
        }
        if (player_.position() > unit(sentence_ * slotSeconds + spanEnd)) {
            player_.pause();
            poll_->stop();
            ++plays_;
            gap_->start();
        }
    }
    void onGap() {
        gap_->stop();
        if (plays_ == playsPerSentence) {
            plays_ = 0;
            if (++sentence_ == sentences) {
                done_.quit();
                return;
            }
        }
        playSentence();
    }

    ports::MediaPlayer& player_;
    std::unique_ptr<ports::Timer> poll_;
    std::unique_ptr<ports::Timer> gap_;
    QEventLoop done_;
    int sentence_ = 0;
    int plays_ = 0;
    double lastPosition_ = -1;
    int stillTicks_ = 0;
    bool stalled_ = false;
};

struct Heard {
    std::size_t from = 0; // samples of the capture
    std::size_t to = 0;
};

// Stretches of sound in the capture, at 1 ms resolution.
std::vector<Heard> heardStretches(const std::vector<qint16>& samples) {
    const std::size_t block = rate / 1000;
    std::vector<Heard> stretches;
    bool inside = false;
    std::size_t quietBlocks = 0;
    for (std::size_t at = 0; at + block <= samples.size(); at += block) {
        double sum = 0;
        for (std::size_t i = at; i < at + block; ++i) {
            sum += double(samples[i]) * samples[i];
        }
        const bool loud = std::sqrt(sum / block) > 2000;
        if (loud) {
            if (!inside) {
                stretches.push_back({at, at + block});
                inside = true;
            }
            stretches.back().to = at + block;
            quietBlocks = 0;
        } else if (inside && ++quietBlocks > 20) {
            inside = false;
        }
    }
    std::erase_if(stretches, [](const Heard& h) { return h.to - h.from < rate / 20; });
    return stretches;
}

// The mean frequency over a stretch of samples, from interpolated rising zero crossings.
double frequency(const std::vector<qint16>& samples, std::size_t from, std::size_t to) {
    std::vector<double> crossings;
    for (std::size_t i = std::max<std::size_t>(from, 1); i < to && i < samples.size(); ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0) {
            const double fraction = -double(samples[i - 1]) / (samples[i] - samples[i - 1]);
            crossings.push_back(double(i - 1) + fraction);
        }
    }
    if (crossings.size() < 3) {
        return 0;
    }
    return (crossings.size() - 1) * rate / (crossings.back() - crossings.front());
}

double inSlot(double hz) {
    return (hz - sweepFrom) / sweepPerSecond;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? NAN : values[values.size() / 2];
}

double p95Abs(std::vector<double> values) {
    for (double& v : values) {
        v = std::abs(v);
    }
    std::sort(values.begin(), values.end());
    return values.empty() ? NAN : values[std::min(values.size() - 1, values.size() * 95 / 100)];
}

void BM_SentenceEnd(benchmark::State& state) {
    application();
    if (!soundServerReachable()) {
        state.SkipWithError("no sound server reachable (run through scripts/headless-audio.sh)");
        return;
    }
    const auto engine = static_cast<Engine>(state.range(0));
    QTemporaryDir folder;
    const bool mp3 = state.range(1) == 1;
    const QString wav = folder.filePath(QStringLiteral("sweep.wav"));
    const QString sweep = mp3 ? folder.filePath(QStringLiteral("sweep.mp3")) : wav;
    if (!writeSweep(wav)) {
        state.SkipWithError("could not write the sweep");
        return;
    }
    if (mp3 && QProcess::execute(QStringLiteral("ffmpeg"),
                                 {QStringLiteral("-loglevel"), QStringLiteral("error"),
                                  QStringLiteral("-y"), QStringLiteral("-i"), wav,
                                  QStringLiteral("-b:a"), QStringLiteral("192k"), sweep}) != 0) {
        state.SkipWithError("ffmpeg could not make the MP3 sweep");
        return;
    }
    std::vector<double> startErrors;
    std::vector<double> endErrors;
    std::vector<double> gapErrors;
    std::size_t found = 0;
    bool stalled = false;
    for (auto _ : state) {
        platform::PlatformEngines engines;
        platform::QtClock clock;
        auto player = engines.createPlayer(engine, ports::MediaEngines::Role::Sentence);
        player->open(sweep);

        QProcess parec;
        QByteArray captured;
        QObject::connect(&parec, &QProcess::readyReadStandardOutput,
                         [&] { captured += parec.readAllStandardOutput(); });
        parec.start(QStringLiteral("parec"),
                    {QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--raw"),
                     QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                     QStringLiteral("--rate=%1").arg(rate), QStringLiteral("--latency-msec=5")});
        parec.waitForStarted();
        while (captured.isEmpty()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        Loop loop(*player, clock);
        loop.run();
        stalled = loop.stalled();
        QEventLoop settle;
        QTimer::singleShot(500, &settle, &QEventLoop::quit);
        settle.exec();
        parec.terminate();
        parec.waitForFinished();
        captured += parec.readAllStandardOutput();

        std::vector<qint16> samples(static_cast<std::size_t>(captured.size() / 2));
        for (std::size_t i = 0; i < samples.size(); ++i) {
            samples[i] = qFromLittleEndian<qint16>(captured.constData() + 2 * i);
        }
        const std::vector<Heard> heard = heardStretches(samples);
        found = heard.size();
        const std::size_t window = rate / 100; // 10 ms
        const std::size_t skip = rate / 500;   // 2 ms past the edge
        const double halfWindow = 0.005 + 0.002;
        for (std::size_t i = 0; i < heard.size() && i < sentences * playsPerSentence; ++i) {
            const Heard& h = heard[i];
            const double startHz = frequency(samples, h.from + skip, h.from + skip + window);
            const double endHz = frequency(samples, h.to - skip - window, h.to - skip);
            startErrors.push_back((inSlot(startHz) - halfWindow - spanStart) * 1000);
            endErrors.push_back((inSlot(endHz) + halfWindow - spanEnd) * 1000);
            if (i % playsPerSentence == 1) {
                const double gap = double(h.from - heard[i - 1].to) / rate * 1000;
                gapErrors.push_back(gap - pauseMs);
            }
        }
    }
    state.counters["heard_plays"] = static_cast<double>(found);
    state.counters["stalled"] = stalled ? 1 : 0;
    state.counters["start_median_ms"] = median(startErrors);
    state.counters["start_p95_abs_ms"] = p95Abs(startErrors);
    state.counters["end_median_ms"] = median(endErrors);
    state.counters["end_p95_abs_ms"] = p95Abs(endErrors);
    state.counters["gap_minus_pause_median_ms"] = median(gapErrors);
    state.counters["gap_minus_pause_p95_abs_ms"] = p95Abs(gapErrors);
    std::fprintf(
        stderr,
        "%s engine, %s: %zu of %d plays heard%s; start %+.1f ms (p95 |%.1f|), end %+.1f ms "
        "(p95 |%.1f|), gap - pause %+.1f ms (p95 |%.1f|)\n",
        engine == Engine::Default ? "default" : "backup", mp3 ? "MP3" : "WAV", found,
        sentences * playsPerSentence, stalled ? " (the player stalled)" : "", median(startErrors),
        p95Abs(startErrors), median(endErrors), p95Abs(endErrors), median(gapErrors),
        p95Abs(gapErrors));
}

// Arguments: the engine (2 default, 1 backup) and the file (0 WAV, 1 MP3).
BENCHMARK(BM_SentenceEnd)
    ->ArgNames({"engine", "mp3"})
    ->ArgsProduct({{static_cast<int>(Engine::Default), static_cast<int>(Engine::Backup)}, {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace
