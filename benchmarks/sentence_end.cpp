// What a learner hears of a sentence: the trainer itself (the Sentara program, started as a
// learner starts it, offscreen) plays a lesson of 20 sentences over a generated sweep in the
// sentence view, two plays per sentence with the set pause between them and automatic advance,
// while the sound server's monitor is captured. The sweep rises 2500 Hz per second within each
// 2 s slot, so the pitch heard at the start and at the end of each play tells which media
// position was heard there. Reported, in milliseconds: the heard start and end against the
// sentence's span (median signed error, 95th percentile of the absolute error) and the silence
// between the two plays against the set pause. A play missing or cut short is a stall.
//
// The program is measured rather than its session in this process: what the learner hears
// depends on all the program does on its one thread (rendering the window at every play and
// pause, the players it makes), which a bare session does not do.
#include "platform/MediaBackend.h"
#include "platform/WavHeader.h"
#include "sentara/SentaraRig.h"
#include "support/CourseBuilder.h"

#include <QApplication>
#include <QDir>
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

// The players measured: the default engine's exact audio player, the backup engine (libmpv),
// and Qt Multimedia's player on audio (the default engine's player before the exact one).
enum class Measured { Exact = 0, Backup = 1, QtMultimedia = 2 };

const char* nameOf(Measured measured) {
    switch (measured) {
    case Measured::Exact:
        return "default (exact audio)";
    case Measured::Backup:
        return "backup (libmpv)";
    case Measured::QtMultimedia:
        return "default before (Qt Multimedia)";
    }
    return "";
}

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

// A course of one lesson whose audio is the sweep and whose sentences are the spans, opened in
// the sentence view with two plays per sentence, the set pause and automatic advance.
void writeCourse(support::CourseBuilder& course, const QByteArray& audio, Measured measured) {
    course.content(sentara_test::testContentJson());
    QList<support::SentenceSpec> spans;
    for (int i = 0; i < sentences; ++i) {
        spans << support::sentence(QStringLiteral("Sentence %1.").arg(i + 1),
                                   QStringLiteral("第%1句。").arg(i + 1),
                                   i * slotSeconds + spanStart, i * slotSeconds + spanEnd);
    }
    course.lesson(sentara_test::kFirst, 1, spans);
    course.file(QStringLiteral("Sound/") + sentara_test::kFirst + QStringLiteral("/1.mp3"), audio);
    sentara::StudySettings settings = sentara_test::settingsAt(1);
    settings.readCountOf(sentara::RepeatFamily::Sen) = playsPerSentence;
    settings.pauseOf(sentara::RepeatFamily::Sen) = pauseMs;
    settings.playMode = 1;
    settings.engineChoice = measured == Measured::Backup ? 1 : 2;
    course.studySettings(settings.format());
}

// Runs the Sentara program on the course for as long as every sentence needs for its plays.
bool runProgram(const support::CourseBuilder& course, Measured measured) {
    const QString program = QDir(QStringLiteral(PROGRAM_DIR)).filePath(QStringLiteral("Sentara"));
    QStringList arguments{QStringLiteral("--course"), course.folder().root()};
    if (measured == Measured::QtMultimedia) {
        arguments << QStringLiteral("--qt-multimedia-audio");
    }
    QProcess sentara;
    sentara.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sentara.start(program, arguments);
    if (!sentara.waitForStarted(10000)) {
        return false;
    }
    // Each sentence: its plays, the pause after each, the pollings on the way and room for a
    // player slow to start.
    const int runMs =
        2000 + sentences * playsPerSentence *
                   (static_cast<int>((spanEnd - spanStart) * 1000) + pauseMs + 3 * pollMs + 300);
    QEventLoop wait;
    QTimer::singleShot(runMs, &wait, &QEventLoop::quit);
    wait.exec();
    sentara.terminate();
    return sentara.waitForFinished(10000);
}

struct Heard {
    std::size_t from = 0; // samples of the capture
    std::size_t to = 0;
};

// Stretches of sound in the capture: found at 1 ms resolution, their edges then taken to the
// sample. Between plays the sink plays digital silence, so a stretch begins at its first sample
// above a low level and ends after its last (a block edge alone would read every gap up to 2 ms
// short and every start and end up to 1 ms early or late).
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
    constexpr int edgeLevel = 1000;
    const auto audible = [&](std::size_t i) { return std::abs(samples[i]) >= edgeLevel; };
    for (Heard& h : stretches) {
        std::size_t from = h.from >= block ? h.from - block : 0;
        while (from < h.to && !audible(from)) {
            ++from;
        }
        std::size_t to = std::min(samples.size(), h.to + block);
        while (to > from && !audible(to - 1)) {
            --to;
        }
        h.from = from;
        h.to = to;
    }
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
    const auto measured = static_cast<Measured>(state.range(0));
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
    int staleLeadIns = 0;
    int stalls = 0;
    QFile sweepFile(sweep);
    if (!sweepFile.open(QIODevice::ReadOnly)) {
        state.SkipWithError("could not read the sweep");
        return;
    }
    const QByteArray audio = sweepFile.readAll();
    for (auto _ : state) {
        support::CourseBuilder course;
        writeCourse(course, audio, measured);

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
        if (!runProgram(course, measured)) {
            state.SkipWithError("the Sentara program could not be run");
            return;
        }
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
        found = std::min<std::size_t>(heard.size(), sentences * playsPerSentence);
        // A play missing, or one cut short of its span by more than 50 ms, has stalled.
        stalls = sentences * playsPerSentence - static_cast<int>(found);
        for (std::size_t i = 0; i < found; ++i) {
            const double heardSeconds = double(heard[i].to - heard[i].from) / rate;
            stalls += heardSeconds < spanEnd - spanStart - 0.05 ? 1 : 0;
        }
        const std::size_t window = rate / 100; // 10 ms
        const std::size_t skip = rate / 500;   // 2 ms past the edge
        const double halfWindow = 0.005 + 0.002;
        for (std::size_t i = 0; i < heard.size() && i < sentences * playsPerSentence; ++i) {
            const Heard& h = heard[i];
            // A play may open with a few milliseconds of other audio (what was left in the sound
            // server's buffer at the pause). Its pitch would read as a wrong start, so the start
            // is read 20 ms in as well, and when the two disagree the play is counted as having
            // a stale lead-in and its start taken from the later reading.
            const std::size_t later = rate / 50; // 20 ms
            const double firstAt =
                inSlot(frequency(samples, h.from + skip, h.from + skip + window)) - halfWindow;
            const double laterAt =
                inSlot(frequency(samples, h.from + later + skip, h.from + later + skip + window)) -
                halfWindow - double(later) / rate;
            const bool leadIn = std::abs(firstAt - laterAt) > 0.010;
            staleLeadIns += leadIn ? 1 : 0;
            const double startAt = leadIn ? laterAt : firstAt;
            const double endHz = frequency(samples, h.to - skip - window, h.to - skip);
            startErrors.push_back((startAt - spanStart) * 1000);
            endErrors.push_back((inSlot(endHz) + halfWindow - spanEnd) * 1000);
            if (i % playsPerSentence == 1) {
                const double gap = double(h.from - heard[i - 1].to) / rate * 1000;
                gapErrors.push_back(gap - pauseMs);
            }
        }
    }
    state.counters["heard_plays"] = static_cast<double>(found);
    state.counters["stale_lead_in_plays"] = staleLeadIns;
    state.counters["stalls"] = stalls;
    state.counters["start_median_ms"] = median(startErrors);
    state.counters["start_p95_abs_ms"] = p95Abs(startErrors);
    state.counters["end_median_ms"] = median(endErrors);
    state.counters["end_p95_abs_ms"] = p95Abs(endErrors);
    state.counters["gap_minus_pause_median_ms"] = median(gapErrors);
    state.counters["gap_minus_pause_p95_abs_ms"] = p95Abs(gapErrors);
    std::fprintf(
        stderr,
        "%s, %s: %zu of %d plays heard, %d stalls, %d with a stale lead-in; start %+.1f ms (p95 "
        "|%.1f|), end %+.1f ms (p95 |%.1f|), gap - pause %+.1f ms (p95 |%.1f|)\n",
        nameOf(measured), mp3 ? "MP3" : "WAV", found, sentences * playsPerSentence, stalls,
        staleLeadIns, median(startErrors), p95Abs(startErrors), median(endErrors),
        p95Abs(endErrors), median(gapErrors), p95Abs(gapErrors));
}

// Arguments: the player (0 exact, 1 backup, 2 Qt Multimedia) and the file (0 WAV, 1 MP3).
BENCHMARK(BM_SentenceEnd)
    ->ArgNames({"player", "mp3"})
    ->ArgsProduct({{static_cast<int>(Measured::Exact), static_cast<int>(Measured::Backup),
                    static_cast<int>(Measured::QtMultimedia)},
                   {0, 1}})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace
