#include "common/CourseContent.h"
#include "common/CourseFolder.h"
#include "oralix/core/OralixSession.h"
#include "oralix/ui/OralixWindow.h"
#include "oralix/ui/ScreenshotTour.h"
#include "oralix/ui/SignalCloser.h"
#include "platform/MediaBackend.h"
#include "platform/PlatformEngines.h"
#include "platform/QtClock.h"
#include "platform/QtDialogs.h"
#include "platform/QtRecorder.h"
#include "platform/QtShell.h"
#include "platform/QtSoundPlayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>
#include <memory>

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    platform::pinGStreamerBackend();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Oralix"));
    // The start-up benchmark's phases: milliseconds since the process started at each step.
    const bool probe = app.arguments().contains(QStringLiteral("--startup-probe"));
    QStringList phases;
    const auto phase = [&](const char* name) {
        if (probe) {
            phases
                << QStringLiteral("phase %1 %2").arg(QLatin1String(name)).arg(sinceStart.elapsed());
        }
    };
    phase("application");

    const common::CourseFolder folder = common::CourseFolder::fromApplication(app.arguments());
    QString contentError;
    common::CourseContent content = common::CourseContent::load(folder, &contentError);

    platform::QtClock clock;
    platform::PlatformEngines engines;
    platform::QtRecorder recorder;
    platform::QtSoundPlayer sounds;
    platform::QtDialogs dialogs;
    platform::QtShell shell;
    oralix::OralixSession session(folder, std::move(content),
                                  {clock, engines, recorder, sounds, dialogs, shell});
    phase("services");
    oralix::ui::OralixWindow window(session);
    dialogs.setParent(&window);
    phase("window");

    oralix::ui::SignalCloser closer;
    QObject::connect(&closer, &oralix::ui::SignalCloser::closeRequested, &window, [&window] {
        window.setQuietClose(true);
        window.close();
    });

    window.show();
    if (!contentError.isEmpty()) {
        dialogs.info(QStringLiteral("提示"),
                     QStringLiteral("课程内容文件有误，已使用默认内容：") + contentError);
    }
    session.start();
    window.focusTypingBox();
    phase("lesson");

    // Prints the milliseconds from process start to the first sentence on screen, then quits.
    if (probe) {
        QTimer::singleShot(0, &window, [&] {
            window.repaint();
            QTextStream out(stdout);
            for (const QString& line : phases) {
                out << line << '\n';
            }
            out << "first-sentence-ms " << sinceStart.elapsed() << Qt::endl;
            window.setQuietClose(true);
            window.close();
        });
    }

    const qsizetype shots = app.arguments().indexOf(QStringLiteral("--screenshot-dir"));
    std::unique_ptr<oralix::ui::ScreenshotTour> tour;
    if (shots > 0 && shots + 1 < app.arguments().size()) {
        tour = std::make_unique<oralix::ui::ScreenshotTour>(session, window,
                                                            app.arguments().at(shots + 1));
        tour->start();
    }
    return app.exec();
}
