#include "WindowFixture.h"

#include "sentara/ui/OptionsMenu.h"
#include "sentara/ui/TerminationSignals.h"

#include <QApplication>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>

using namespace uitest;

namespace {

// A logout sends SIGTERM, Ctrl+C in a terminal SIGINT: both close the window the ordinary way,
// so the settings are written as on any other close.
TEST(TerminationSignalsTest, ASignalClosesTheWindowAndWritesTheSettings) {
    for (const int signalNumber : {SIGTERM, SIGINT}) {
        support::CourseBuilder course;
        buildSmallCourse(course);
        RunningWindow run(course);
        sentara::ui::TerminationSignals signals_;
        ASSERT_TRUE(signals_.isInstalled());
        QObject::connect(&signals_, &sentara::ui::TerminationSignals::terminationRequested,
                         run.window.get(), &QWidget::close);
        run.window->sentenceMenu()->entry(QStringLiteral("SenModeRead5"))->trigger(); // "8次"
        QFile::remove(course.path(QStringLiteral("SETTING/Set.dat")));

        ASSERT_EQ(std::raise(signalNumber), 0);
        for (int i = 0; i < 100 && run.window->isVisible(); ++i) {
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        }

        EXPECT_FALSE(run.window->isVisible()) << signalNumber;
        const auto written = sentara::StudySettings::read(course.folder());
        ASSERT_TRUE(written.has_value()) << signalNumber;
        EXPECT_EQ(written->readCountOf(sentara::RepeatFamily::Sen), 8);
    }
}

} // namespace
