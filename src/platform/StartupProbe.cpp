#include "platform/StartupProbe.h"

#include "platform/MediaModules.h"

#include <QEvent>
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

// Calls `then` once the window has painted for the first time: after its first paint event
// and the painting of its children that follows in the same pass. A window shown on a platform
// that exposes it later paints only then, so a report made earlier would leave the paint out.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, std::function<void()> then)
        : QObject(window), then_(std::move(then)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> then_;
};

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
    new FirstPaint(window, [this, window, close = std::move(close)] {
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
