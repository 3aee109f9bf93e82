// Start-up time of both trainers: from starting the process to the first sentence on screen,
// beside the same measure for a bare Qt window (an application object and one window with a
// label). The programs also report their phases (application object, services, window, lesson
// loaded and played, shown), averaged into the counters.
// Both run under the platform of the environment (offscreen unless QT_QPA_PLATFORM says
// otherwise) on a copy of the demo course. Each iteration is a new process; the time is wall
// time from the start of the process to its report line, taken by this harness.
//
//   startup                  runs both benchmarks
//   startup --bare-window    is the bare window itself (started by the benchmark)

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
#include <benchmark/benchmark.h>
#include <cstring>
#include <optional>

namespace {

int runBareWindow(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Good morning. 早上好。"), &window));
    window.resize(1100, 680);
    window.show();
    QTimer::singleShot(0, &window, [&] {
        window.repaint();
        QTextStream(stdout) << "first-sentence-ms " << sinceStart.elapsed() << Qt::endl;
        window.close();
    });
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

// Starts the program and waits for its report line; the wall time in ms, or -1 on failure.
double timeToFirstSentence(const QString& program, const QStringList& arguments, double* reported,
                           QMap<QString, double>* phases) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer wall;
    wall.start();
    process.start();
    if (!process.waitForStarted(10000)) {
        return -1;
    }
    QByteArray out;
    while (!out.contains("first-sentence-ms") && process.waitForReadyRead(30000)) {
        out += process.readAllStandardOutput();
    }
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e6;
    process.waitForFinished(30000);
    out += process.readAllStandardOutput();
    const qsizetype at = out.indexOf("first-sentence-ms ");
    if (at < 0) {
        return -1;
    }
    *reported = out.mid(at + 18).trimmed().split('\n').first().toDouble();
    for (const QByteArray& line : out.split('\n')) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() == 3 && parts[0] == "phase") {
            (*phases)[QString::fromLatin1(parts[1])] += parts[2].toDouble();
        }
    }
    return elapsed;
}

QString selfPath;

void measure(benchmark::State& state, const QString& program, const QStringList& arguments) {
    double total = 0;
    double reportedTotal = 0;
    QMap<QString, double> phases;
    for (auto _ : state) {
        double reported = 0;
        const double ms = timeToFirstSentence(program, arguments, &reported, &phases);
        if (ms < 0) {
            state.SkipWithError("the program did not report its first sentence");
            return;
        }
        state.SetIterationTime(ms / 1000.0);
        total += ms;
        reportedTotal += reported;
    }
    state.counters["wall_ms"] = benchmark::Counter(total, benchmark::Counter::kAvgIterations);
    state.counters["in_process_ms"] =
        benchmark::Counter(reportedTotal, benchmark::Counter::kAvgIterations);
    for (auto it = phases.cbegin(); it != phases.cend(); ++it) {
        state.counters[("phase_" + it.key() + "_ms").toStdString()] =
            benchmark::Counter(it.value(), benchmark::Counter::kAvgIterations);
    }
}

void BM_SentaraStartup(benchmark::State& state) {
    static QTemporaryDir dir;
    static const std::optional<QString> course = copyDemoCourse(dir);
    const QString program = QDir(QStringLiteral(PROGRAM_DIR)).filePath(QStringLiteral("Sentara"));
    if (!course || !QFileInfo(program).isExecutable()) {
        state.SkipWithError("needs the demo course and the built Sentara");
        return;
    }
    measure(state, program,
            {QStringLiteral("--course"), *course, QStringLiteral("--startup-probe")});
}

void BM_OralixStartup(benchmark::State& state) {
    static QTemporaryDir dir;
    static const std::optional<QString> course = copyDemoCourse(dir);
    const QString program = QDir(QStringLiteral(PROGRAM_DIR)).filePath(QStringLiteral("Oralix"));
    if (!course || !QFileInfo(program).isExecutable()) {
        state.SkipWithError("needs the demo course and the built Oralix");
        return;
    }
    measure(state, program,
            {QStringLiteral("--course"), *course, QStringLiteral("--startup-probe")});
}

void BM_BareQtWindowStartup(benchmark::State& state) {
    measure(state, selfPath, {QStringLiteral("--bare-window")});
}

BENCHMARK(BM_BareQtWindowStartup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SentaraStartup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_OralixStartup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--bare-window") == 0) {
            return runBareWindow(argc, argv);
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    selfPath = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
