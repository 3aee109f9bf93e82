#include "PlatformTestSupport.h"

#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// Shows a message box as the programs do (modal, OK only) and says whether it returned.
bool showBox(const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::Ok);
    box.exec();
    return true;
}

// Ends a test that would otherwise wait for a learner: every open box is answered.
struct Watchdog {
    bool fired = false;
    QTimer timer;
    Watchdog() {
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            fired = true;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(widget)) {
                    box->reject();
                }
            }
            QCoreApplication::exit(1);
        });
        timer.start(10000);
    }
};

// A signal while a message box is open (in the event loop, as after a click) closes the
// program once; a box that the closing itself opens (a failed save) does not wait either.
TEST(TerminationSignals, ASignalDuringAMessageBoxClosesTheProgramOnce) {
    platformtest::ensureApplication();
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        // A signal the test run was started to ignore (SIGINT for a job started in the
        // background, SIGHUP under nohup) stays ignored, as the programs leave it.
        struct sigaction current {};
        ::sigaction(signalNumber, nullptr, &current);
        if (current.sa_handler == SIG_IGN) {
            continue;
        }
        Watchdog watchdog;
        int closes = 0;
        platform::TerminationSignals signals_([&] {
            ++closes;
            showBox(QStringLiteral("无法保存设置文件"));
        });
        ASSERT_TRUE(signals_.isInstalled());
        bool firstReturned = false;
        bool secondReturned = false;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(100, [signalNumber] { std::raise(signalNumber); });
            firstReturned = showBox(QStringLiteral("注释保存失败"));
            secondReturned = showBox(QStringLiteral("之后的消息"));
        });
        EXPECT_EQ(signals_.exec(), 0);
        EXPECT_FALSE(watchdog.fired);
        EXPECT_TRUE(firstReturned);
        EXPECT_TRUE(secondReturned);
        EXPECT_EQ(closes, 1);
        EXPECT_TRUE(signals_.requested());
    }
}

// At start-up the event loop has not run yet: the box shown while starting returns, and the
// program closes instead of entering its loop.
TEST(TerminationSignals, ASignalDuringAStartUpMessageClosesInsteadOfRunning) {
    platformtest::ensureApplication();
    Watchdog watchdog;
    int closes = 0;
    platform::TerminationSignals signals_([&] { ++closes; });
    QTimer::singleShot(100, [] { std::raise(SIGTERM); });
    EXPECT_TRUE(showBox(QStringLiteral("本课课文中没有句子：")));
    EXPECT_TRUE(showBox(QStringLiteral("本课没有安装语音文件")));
    EXPECT_EQ(signals_.exec(), 0);
    EXPECT_FALSE(watchdog.fired);
    EXPECT_EQ(closes, 1);
}

// Without a signal the program runs until it quits by itself, and nothing is closed for it.
TEST(TerminationSignals, WithoutASignalTheEventLoopRunsAndTheProgramClosesItself) {
    platformtest::ensureApplication();
    int closes = 0;
    platform::TerminationSignals signals_([&] { ++closes; });
    QTimer::singleShot(50, [] { QCoreApplication::exit(7); });
    EXPECT_EQ(signals_.exec(), 7);
    EXPECT_EQ(closes, 0);
    EXPECT_FALSE(signals_.requested());
}

} // namespace
