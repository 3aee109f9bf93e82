// Form-timer semantics of the programs' clock, on the real event loop.
#include "PlatformTestSupport.h"

#include "platform/QtClock.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class QtClockTimers : public ::testing::Test {
protected:
    void SetUp() override { platformtest::ensureApplication(); }
    platform::QtClock clock;
};

TEST_F(QtClockTimers, AnEnabledTimerTicksUntilDisabled) {
    auto timer = clock.createTimer(20);
    EXPECT_EQ(timer->interval(), 20);
    EXPECT_FALSE(timer->isEnabled()) << "made disabled";
    int ticks = 0;
    QObject::connect(timer.get(), &ports::Timer::timeout, [&] {
        if (++ticks == 3) {
            timer->setEnabled(false);
        }
    });
    platformtest::spin(60);
    EXPECT_EQ(ticks, 0);
    timer->start();
    EXPECT_TRUE(platformtest::waitUntil([&] { return ticks >= 3; }, 5000));
    platformtest::spin(100);
    EXPECT_EQ(ticks, 3) << "disabled from its own tick";
    EXPECT_FALSE(timer->isEnabled());
}

TEST_F(QtClockTimers, ReEnablingKeepsTheCountdownAndReTimingRestartsIt) {
    auto timer = clock.createTimer(300);
    int ticks = 0;
    QObject::connect(timer.get(), &ports::Timer::timeout, [&] { ++ticks; });
    const qint64 started = clock.nowMs();
    timer->setEnabled(true);
    platformtest::spin(150);
    timer->setEnabled(true); // already enabled: no restart
    ASSERT_TRUE(platformtest::waitUntil([&] { return ticks == 1; }, 5000));
    EXPECT_LT(clock.nowMs() - started, 420) << "the first tick came 300 ms after enabling";

    ticks = 0;
    const qint64 retimed = clock.nowMs();
    platformtest::spin(150);
    timer->setInterval(300); // restarts the countdown
    const qint64 restarted = clock.nowMs();
    ASSERT_TRUE(platformtest::waitUntil([&] { return ticks == 1; }, 5000));
    EXPECT_GE(clock.nowMs() - restarted, 290);
    EXPECT_GE(clock.nowMs() - retimed, 440);
    timer->stop();
}

TEST_F(QtClockTimers, AnIntervalOfZeroNeverFires) {
    auto timer = clock.createTimer(0);
    int ticks = 0;
    QObject::connect(timer.get(), &ports::Timer::timeout, [&] { ++ticks; });
    timer->start();
    EXPECT_TRUE(timer->isEnabled());
    platformtest::spin(100);
    EXPECT_EQ(ticks, 0);
    timer->setInterval(10);
    EXPECT_TRUE(platformtest::waitUntil([&] { return ticks > 0; }, 5000));
    timer->stop();
}

// While the thread is busy a timer may expire several times: that makes one tick when the loop
// runs again, and re-timing it before then forgets them (the countdown starts afresh).
TEST_F(QtClockTimers, ExpirationsMissedWhileBusyMakeOneTickAndARestartForgetsThem) {
    auto timer = clock.createTimer(40);
    int ticks = 0;
    QObject::connect(timer.get(), &ports::Timer::timeout, [&] { ++ticks; });
    timer->start();
    QThread::msleep(130); // expired at 40, 80 and 120 ms; the next at 160
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);

    timer->setInterval(40);
    QThread::msleep(50);
    timer->setInterval(400); // an expiration not yet seen goes with the old countdown
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
    timer->stop();
}

TEST_F(QtClockTimers, TimeOnlyMovesForward) {
    const qint64 before = clock.nowMs();
    platformtest::spin(30);
    EXPECT_GE(clock.nowMs() - before, 30);
}

} // namespace
