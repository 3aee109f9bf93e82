#include "platform/StartupProbe.h"

#include "platform/FirstPaint.h"
#include "platform/MediaModules.h"

#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <cstring>

namespace platform {

namespace {

// How long the probe waits for an engine to be loaded after the window is shown.
constexpr int engineWaitMs = 10000;
constexpr int engineLookMs = 2;

// Milliseconds to a tenth, so that phases of a few milliseconds can be told apart.
QString millisecondsOf(const QElapsedTimer& timer) {
    return QString::number(static_cast<double>(timer.nsecsElapsed()) / 1e6, 'f', 1);
}

} // namespace

StartupProbe::StartupProbe(int argc, char** argv) : enabled_(false) {
    sinceStart_.start();
    for (int i = 1; i < argc; ++i) {
        enabled_ = enabled_ || std::strcmp(argv[i], "--startup-probe") == 0;
    }
}

void StartupProbe::phase(const char* name) {
    if (enabled_) {
        lines_
            << QStringLiteral("phase %1 %2").arg(QLatin1String(name), millisecondsOf(sinceStart_));
    }
}

void StartupProbe::reportWhenShown(QWidget* window, std::function<void()> close) {
    if (!enabled_) {
        return;
    }
    whenFirstPainted(window, window, [this, window, close = std::move(close)] {
        QTextStream out(stdout);
        for (const QString& line : lines_) {
            out << line << '\n';
        }
        out << "first-sentence-ms " << millisecondsOf(sinceStart_) << Qt::endl;
        auto* look = new QTimer(window);
        look->setInterval(engineLookMs);
        QObject::connect(look, &QTimer::timeout, window, [this, look, close] {
            const bool ready = MediaModules::isLoaded(MediaModules::Module::ExactAudio) ||
                               MediaModules::isLoaded(MediaModules::Module::Mpv);
            if (ready) {
                QTextStream(stdout)
                    << "engine-ready-ms " << millisecondsOf(sinceStart_) << Qt::endl;
            }
            if (ready || sinceStart_.elapsed() > engineWaitMs) {
                look->stop();
                close();
            }
        });
        look->start();
    });
}

} // namespace platform
