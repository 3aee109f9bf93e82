#include "DictationScreenshots.h"
#include "FullTextScenes.h"
#include "ScreenshotScenes.h"
#include "ScreenshotTour.h"
#include "SentaraWindow.h"

#include "common/CourseFolder.h"
#include "platform/DeferredRecorder.h"
#include "platform/DeferredSoundPlayer.h"
#include "platform/Fonts.h"
#include "platform/ImageFormatWarmup.h"
#include "platform/MediaBackend.h"
#include "platform/MediaModules.h"
#include "platform/PlatformEngines.h"
#include "platform/QtClock.h"
#include "platform/QtDialogs.h"
#include "platform/QtScreen.h"
#include "platform/QtShell.h"
#include "platform/QtTextMeasure.h"
#include "platform/StartupProbe.h"
#include "platform/TerminationSignals.h"
#include "sentara/course/CourseFiles.h"
#include "sentara/course/SentaraSession.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <future>

namespace {

// Hidden options for the documentation pictures and the benchmarks.
QString optionValue(const QStringList& arguments, const QString& name) {
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

} // namespace

int main(int argc, char* argv[]) {
    platform::StartupProbe probe(argc, argv);
    platform::pinGStreamerBackend();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sentara"));
    // The course's pictures are JPEG files: their plugin is read while the window is built.
    const platform::ImageFormatWarmup jpeg("jpeg");
    QApplication::setFont(platform::Fonts::ui());

    const QStringList arguments = QApplication::arguments();
    probe.phase("application");
    const common::CourseFolder folder = common::CourseFolder::fromApplication(arguments);
    // The course's files are read on a second thread while the window is built (or, without a
    // thread to be had, when the session starts).
    std::future<sentara::CourseFiles> courseFiles =
        std::async(std::launch::async | std::launch::deferred,
                   [&folder] { return sentara::CourseFiles::read(folder); });

    platform::QtClock clock;
    platform::PlatformEngines engines;
    engines.setQtMultimediaForAudio(arguments.contains(QStringLiteral("--qt-multimedia-audio")));
    platform::DeferredRecorder recorder;
    platform::DeferredSoundPlayer sounds;
    platform::QtDialogs dialogs;
    platform::QtShell shell;
    platform::QtTextMeasure measure;
    platform::QtScreen screen;
    sentara::SentaraSession session(folder, clock, engines, recorder, sounds, dialogs, shell,
                                    measure, screen);
    probe.phase("services");
    sentara::ui::SentaraWindow window(session, folder);
    probe.phase("window");
    dialogs.setParent(&window);
    screen.setWindow(&window);

    // A logout or Ctrl+C closes the window as the exit command does, even during start-up.
    platform::TerminationSignals signals_([&window] { window.close(); });

    // The engines' libraries are read once the first sentence is on screen.
    platform::MediaModules::holdUntilShown(&window);
    session.start(courseFiles.get());
    // The default engine is checked in full once its libraries may be read, after the paint,
    // and after the players waiting for them have had their turn.
    platform::MediaModules::whenAllowed(&window, [&window, &session] {
        QTimer::singleShot(0, &window, [&session] { session.confirmDefaultEngine(); });
    });
    probe.phase("lesson");
    window.showCatalogue();
    // Watched before it is shown; after the media modules' watch, so the report comes first.
    probe.reportWhenShown(&window, [&window] { window.close(); });
    window.show();
    probe.phase("shown");

    const QString screenshotDir = optionValue(arguments, QStringLiteral("--screenshot-dir"));
    if (!screenshotDir.isEmpty()) {
        QList<int> modes;
        for (int mode = 1; mode <= 9; ++mode) {
            // The video mode is pictured with the video course, after the others.
            if (mode != 5 && window.hasView(mode)) {
                modes << mode;
            }
        }
        auto* tour =
            new sentara::ui::ScreenshotTour(session, window, screenshotDir, modes, &window);
        sentara::ui::stageScreenshotScenes(*tour, session);
        sentara::ui::addFullTextScenes(*tour, session, window);
        sentara::ui::stageDictationScreenshots(*tour, session, window);
        QObject::connect(tour, &sentara::ui::ScreenshotTour::finished,
                         [](int saved) { std::fprintf(stderr, "screenshots saved: %d\n", saved); });
        tour->start();
    }
    return signals_.exec();
}
