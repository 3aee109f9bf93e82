#include "DictationScreenshots.h"
#include "FullTextScenes.h"
#include "ScreenshotScenes.h"
#include "ScreenshotTour.h"
#include "SentaraWindow.h"

#include "common/CourseFolder.h"
#include "platform/Fonts.h"
#include "platform/MediaBackend.h"
#include "platform/PlatformEngines.h"
#include "platform/QtClock.h"
#include "platform/QtDialogs.h"
#include "platform/QtRecorder.h"
#include "platform/QtScreen.h"
#include "platform/QtShell.h"
#include "platform/QtSoundPlayer.h"
#include "platform/QtTextMeasure.h"
#include "platform/TerminationSignals.h"
#include "sentara/course/SentaraSession.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

namespace {

// Hidden options for the documentation pictures and the start-up benchmark.
QString optionValue(const QStringList& arguments, const QString& name) {
    const qsizetype at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    platform::pinGStreamerBackend();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sentara"));
    QApplication::setFont(platform::Fonts::ui());

    const QStringList arguments = QApplication::arguments();
    const common::CourseFolder folder = common::CourseFolder::fromApplication(arguments);

    platform::QtClock clock;
    platform::PlatformEngines engines;
    platform::QtRecorder recorder;
    platform::QtSoundPlayer sounds;
    platform::QtDialogs dialogs;
    platform::QtShell shell;
    platform::QtTextMeasure measure;
    platform::QtScreen screen;
    sentara::SentaraSession session(folder, clock, engines, recorder, sounds, dialogs, shell,
                                    measure, screen);
    sentara::ui::SentaraWindow window(session, folder);
    dialogs.setParent(&window);
    screen.setWindow(&window);

    // A logout or Ctrl+C closes the window as the exit command does, even during start-up.
    platform::TerminationSignals signals_([&window] { window.close(); });

    session.start();
    window.showCatalogue();
    window.show();

    // Prints the milliseconds from process start to the first sentence on screen, then quits.
    if (arguments.contains(QStringLiteral("--startup-probe"))) {
        QTimer::singleShot(0, &window, [&] {
            window.repaint();
            QTextStream(stdout) << "first-sentence-ms " << sinceStart.elapsed() << Qt::endl;
            window.close();
        });
    }
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
