// Start-up time of both trainers: from starting the process to the first sentence on screen,
// beside the same measure for a bare Qt window (an application object and one window with a
// label), on the same machine in the same minutes.
//
// Each round starts the bare window, Sentara and Oralix once each, one after the other, so a
// machine whose load changes during the run slows all three alike; the medians over the rounds
// are compared (the wall time from starting the process to its report line, taken here). The
// programs also report, from inside: their phases (application object, services, window, lesson
// loaded, shown) and when the engine in use was ready to play (its module is read once the
// window has painted). All three run under the platform of the environment (offscreen unless
// QT_QPA_PLATFORM says otherwise), the programs on a copy of the demo course.
//
//   startup                  runs the benchmark (15 rounds; --rounds=N for another count)
//   startup --bare-window    is the bare window itself (started by the benchmark)
//
// Printed: one table with the median, lowest and highest of each measure, the load average
// before and after, and the ratios to the bare window (of the medians, and the median of each
// round's own ratio); the same medians and ratios are the counters.

#include "platform/FirstPaint.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace {

int rounds = 15;

int runBareWindow(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Good morning. 早上好。"), &window));
    window.resize(1100, 680);
    // Reported once the window has painted, by the rule the programs' own report follows.
    platform::whenFirstPainted(&window, &window, [&] {
        QTextStream(stdout) << "first-sentence-ms "
                            << static_cast<double>(sinceStart.nsecsElapsed()) / 1e6 << Qt::endl;
        window.close();
    });
    window.show();
    return app.exec();
}

// A copy of the demo course without its programs, so the runs' settings files stay there.
std::optional<QString> copyDemoCourse(QTemporaryDir& dir) {
    const QDir demo(QStringLiteral(DEMO_COURSE_DIR));
    if (!demo.exists(QStringLiteral("SETTING"))) {
        return std::nullopt;
    }
    QDirIterator it(demo.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        if (file.dir() == demo && file.isExecutable()) {
            continue;
        }
        const QString target = dir.filePath(demo.relativeFilePath(file.filePath()));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file.filePath(), target);
    }
    return dir.path();
}

// Everything one start reports, in milliseconds.
using Readings = QMap<QString, double>;

// Starts the program and reads its report; "wall" is the time until the report line, or the
// readings are empty on failure.
Readings start(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer wall;
    wall.start();
    process.start();
    if (!process.waitForStarted(10000)) {
        return {};
    }
    QByteArray out;
    while (!out.contains("first-sentence-ms") && process.waitForReadyRead(30000)) {
        out += process.readAllStandardOutput();
    }
    Readings readings;
    readings[QStringLiteral("wall")] = static_cast<double>(wall.nsecsElapsed()) / 1e6;
    process.waitForFinished(30000);
    out += process.readAllStandardOutput();
    if (!out.contains("first-sentence-ms ")) {
        return {};
    }
    for (const QByteArray& line : out.split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() == 3 && parts[0] == "phase") {
            readings[QStringLiteral("phase ") + QString::fromLatin1(parts[1])] =
                parts[2].toDouble();
        } else if (parts.size() == 2 && parts[0] == "first-sentence-ms") {
            readings[QStringLiteral("in process")] = parts[1].toDouble();
        } else if (parts.size() == 2 && parts[0] == "engine-ready-ms") {
            readings[QStringLiteral("engine ready")] = parts[1].toDouble();
        }
    }
    return readings;
}

QString loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly)
               ? QString::fromLatin1(file.readAll()).section(QLatin1Char(' '), 0, 2)
               : QStringLiteral("?");
}

struct Spread {
    double median = 0;
    double lowest = 0;
    double highest = 0;
};

Spread spreadOf(std::vector<double> values) {
    if (values.empty()) {
        return {};
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

QString selfPath;

void BM_Startup(benchmark::State& state) {
    static QTemporaryDir dir;
    static const std::optional<QString> course = copyDemoCourse(dir);
    const QDir bin(QStringLiteral(PROGRAM_DIR));
    struct Program {
        QString name;
        QString path;
        QStringList arguments;
        QMap<QString, std::vector<double>> readings;
    };
    std::vector<Program> programs{
        {QStringLiteral("bare window"), selfPath, {QStringLiteral("--bare-window")}, {}},
        {QStringLiteral("Sentara"), bin.filePath(QStringLiteral("Sentara")), {}, {}},
        {QStringLiteral("Oralix"), bin.filePath(QStringLiteral("Oralix")), {}, {}}};
    for (Program& program : programs) {
        if (program.name != QLatin1String("bare window")) {
            if (!course || !QFileInfo(program.path).isExecutable()) {
                state.SkipWithError("needs the demo course and the built programs");
                return;
            }
            program.arguments = {QStringLiteral("--course"), *course,
                                 QStringLiteral("--startup-probe")};
        }
    }
    const QString loadBefore = loadAverage();
    for (auto _ : state) {
        for (int round = 0; round < rounds; ++round) {
            for (Program& program : programs) {
                const Readings readings = start(program.path, program.arguments);
                if (readings.isEmpty()) {
                    state.SkipWithError("a program did not report its first sentence");
                    return;
                }
                for (auto it = readings.cbegin(); it != readings.cend(); ++it) {
                    program.readings[it.key()].push_back(it.value());
                }
            }
        }
    }
    const QString loadAfter = loadAverage();

    const double bare = spreadOf(programs[0].readings.value(QStringLiteral("wall"))).median;
    const double bareInProcess =
        spreadOf(programs[0].readings.value(QStringLiteral("in process"))).median;
    std::fprintf(stderr,
                 "\nStart-up to the first sentence on screen, %d rounds (load average "
                 "before %s, after %s); milliseconds, median [lowest, highest]:\n",
                 rounds, qPrintable(loadBefore), qPrintable(loadAfter));
    for (const Program& program : programs) {
        std::fprintf(stderr, "  %s\n", qPrintable(program.name));
        for (auto it = program.readings.cbegin(); it != program.readings.cend(); ++it) {
            const Spread s = spreadOf(it.value());
            std::fprintf(stderr, "    %-18s %7.1f [%6.1f, %6.1f]\n", qPrintable(it.key()), s.median,
                         s.lowest, s.highest);
            QString counter = program.name.toLower().replace(QLatin1Char(' '), QLatin1Char('_')) +
                              QLatin1Char('_') +
                              QString(it.key()).replace(QLatin1Char(' '), QLatin1Char('_')) +
                              QStringLiteral("_ms");
            state.counters[counter.toStdString()] = s.median;
        }
        if (&program != &programs[0]) {
            const double wall = spreadOf(program.readings.value(QStringLiteral("wall"))).median;
            const double inProcess =
                spreadOf(program.readings.value(QStringLiteral("in process"))).median;
            // Also the median of the rounds' own ratios: each round starts the three programs one
            // after the other, so a load that comes and goes shifts both sides of a round alike.
            const std::vector<double>& own = program.readings.value(QStringLiteral("wall"));
            const std::vector<double>& bareOwn = programs[0].readings.value(QStringLiteral("wall"));
            std::vector<double> perRound;
            for (std::size_t i = 0; i < own.size() && i < bareOwn.size(); ++i) {
                perRound.push_back(own[i] / bareOwn[i]);
            }
            const double roundRatio = spreadOf(perRound).median;
            std::fprintf(stderr,
                         "    ratio to the bare window: %.2fx wall, %.2fx in process; "
                         "median of the rounds' wall ratios %.2fx\n",
                         wall / bare, inProcess / bareInProcess, roundRatio);
            state
                .counters[(program.name.toLower() + QStringLiteral("_round_ratio")).toStdString()] =
                roundRatio;
            state.counters[(program.name.toLower() + QStringLiteral("_ratio")).toStdString()] =
                wall / bare;
        }
    }
}

BENCHMARK(BM_Startup)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--bare-window") == 0) {
            return runBareWindow(argc, argv);
        }
        if (std::strncmp(argv[i], "--rounds=", 9) == 0) {
            rounds = std::max(1, std::atoi(argv[i] + 9));
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    selfPath = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--rounds=", 9) != 0) {
            rest.push_back(argv[i]);
        }
    }
    int restCount = static_cast<int>(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    if (benchmark::ReportUnrecognizedArguments(restCount, rest.data())) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
