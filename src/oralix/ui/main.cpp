#include "common/CourseContent.h"
#include "common/CourseFolder.h"
#include "oralix/core/OralixSession.h"
#include "oralix/ui/OralixWindow.h"
#include "oralix/ui/ScreenshotTour.h"
#include "platform/DeferredRecorder.h"
#include "platform/DeferredSoundPlayer.h"
#include "platform/MediaBackend.h"
#include "platform/MediaModules.h"
#include "platform/PlatformEngines.h"
#include "platform/QtClock.h"
#include "platform/QtDialogs.h"
#include "platform/QtShell.h"
#include "platform/StartupProbe.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QTimer>
#include <memory>

int main(int argc, char* argv[]) {
    platform::StartupProbe probe(argc, argv);
    platform::pinGStreamerBackend();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Oralix"));
    probe.phase("application");

    const common::CourseFolder folder = common::CourseFolder::fromApplication(app.arguments());
    QString contentError;
    common::CourseContent content = common::CourseContent::load(folder, &contentError);

    platform::QtClock clock;
    platform::PlatformEngines engines;
    platform::DeferredRecorder recorder;
    platform::DeferredSoundPlayer sounds;
    platform::QtDialogs dialogs;
    platform::QtShell shell;
    oralix::OralixSession session(folder, std::move(content),
                                  {clock, engines, recorder, sounds, dialogs, shell});
    probe.phase("services");
    oralix::ui::OralixWindow window(session);
    dialogs.setParent(&window);
    probe.phase("window");

    // A logout or Ctrl+C closes the window as the exit command does, even during start-up
    // ("本课课文中没有句子" may be on screen then); nobody is there to read a failed save.
    platform::TerminationSignals signals_([&window] {
        window.setQuietClose(true);
        window.close();
    });

    // The engines' libraries are read once the first sentence is on screen.
    platform::MediaModules::holdUntilShown(&window);
    // Watched before it is shown (a message at start-up lets it paint at once); after the media
    // modules' watch, so the report comes first.
    probe.reportWhenShown(&window, [&window] {
        window.setQuietClose(true);
        window.close();
    });
    window.show();
    if (!contentError.isEmpty()) {
        dialogs.info(QStringLiteral("提示"),
                     QStringLiteral("课程内容文件有误，已使用默认内容：") + contentError);
    }
    session.start();
    // The default engine is checked in full once its libraries may be read, after the paint,
    // and after the players waiting for them have had their turn.
    platform::MediaModules::whenAllowed(&window, [&window, &session] {
        QTimer::singleShot(0, &window, [&session] { session.confirmDefaultEngine(); });
    });
    window.focusTypingBox();
    probe.phase("lesson");

    const qsizetype shots = app.arguments().indexOf(QStringLiteral("--screenshot-dir"));
    std::unique_ptr<oralix::ui::ScreenshotTour> tour;
    if (shots > 0 && shots + 1 < app.arguments().size()) {
        tour = std::make_unique<oralix::ui::ScreenshotTour>(session, window,
                                                            app.arguments().at(shots + 1));
        tour->start();
    }
    return signals_.exec();
}
