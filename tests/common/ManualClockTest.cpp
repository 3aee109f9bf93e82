#include "support/ManualClock.h"
#include "support/ManualTimer.h"
#include "support/QtPrinters.h"

#include <QStringList>
#include <gtest/gtest.h>

using support::ManualClock;

namespace {

// Records "<name>@<time>" for every tick of the timers it watches.
struct TickLog {
    QStringList ticks;
    void watch(ManualClock& clock, ports::Timer& timer, const QString& name) {
        QObject::connect(&timer, &ports::Timer::timeout, [this, &clock, name] {
            ticks << name + u'@' + QString::number(clock.nowMs());
        });
    }
};

} // namespace

TEST(ManualClock, FiresDueTimersInTimeOrderWithNowAtEachDueTime) {
    ManualClock clock;
    TickLog log;
    auto a = clock.createTimer(300);
    auto b = clock.createTimer(200);
    auto c = clock.createTimer(1000);
    log.watch(clock, *a, "a");
    log.watch(clock, *b, "b");
    log.watch(clock, *c, "c");
    a->start();
    b->start();
    c->start();
    clock.advance(650);
    EXPECT_EQ(log.ticks, QStringList({"b@200", "a@300", "b@400", "a@600", "b@600"}));
    EXPECT_EQ(clock.nowMs(), 650);
    clock.advance(350);
    EXPECT_EQ(log.ticks.mid(5), QStringList({"b@800", "a@900", "c@1000", "b@1000"}));
}

TEST(ManualClock, TimersDueTogetherFireInTheOrderTheyWereArmed) {
    ManualClock clock;
    TickLog log;
    auto first = clock.createTimer(100);
    auto second = clock.createTimer(100);
    log.watch(clock, *second, "second");
    log.watch(clock, *first, "first");
    second->start();
    first->start();
    clock.advance(100);
    EXPECT_EQ(log.ticks, QStringList({"second@100", "first@100"}));
}

TEST(ManualClock, TimerEnabledByATickFiresWithinTheSameAdvance) {
    ManualClock clock;
    TickLog log;
    auto gap = clock.createTimer(2000);
    auto poll = clock.createTimer(10);
    log.watch(clock, *gap, "gap");
    log.watch(clock, *poll, "poll");
    QObject::connect(poll.get(), &ports::Timer::timeout, [&] {
        if (clock.nowMs() == 30) {
            poll->stop();
            gap->start(); // countdown starts at the tick's own time
        }
    });
    QObject::connect(gap.get(), &ports::Timer::timeout, [&] { gap->stop(); });
    poll->start();
    clock.advance(5000);
    EXPECT_EQ(log.ticks, QStringList({"poll@10", "poll@20", "poll@30", "gap@2030"}));
}

TEST(ManualClock, FormTimerSemantics) {
    ManualClock clock;
    TickLog log;
    auto timer = clock.createTimer(100);
    log.watch(clock, *timer, "t");

    clock.advance(500); // disabled: never fires
    EXPECT_TRUE(log.ticks.isEmpty());

    timer->start(); // countdown from 500
    clock.advance(50);
    timer->start(); // already enabled: countdown kept
    clock.advance(50);
    EXPECT_EQ(log.ticks, QStringList({"t@600"}));

    clock.advance(30);
    timer->setInterval(100); // a running timer restarts, even with the same interval
    clock.advance(99);
    EXPECT_EQ(log.ticks.size(), 1);
    clock.advance(1);
    EXPECT_EQ(log.ticks.last(), "t@730");

    timer->setInterval(40); // new interval from now
    clock.advance(100);
    EXPECT_EQ(log.ticks.mid(2), QStringList({"t@770", "t@810"}));

    timer->stop();
    timer->setInterval(10); // a disabled timer stays disabled
    clock.advance(100);
    EXPECT_EQ(log.ticks.size(), 4);

    timer->setInterval(0);
    timer->start(); // interval 0 never fires
    clock.advance(1000);
    EXPECT_EQ(log.ticks.size(), 4);
    EXPECT_EQ(clock.armedTimerCount(), 0);
}

TEST(ManualClock, TickMayRetimeOrStopAnotherTimerDueLater) {
    ManualClock clock;
    TickLog log;
    auto a = clock.createTimer(100);
    auto b = clock.createTimer(150);
    log.watch(clock, *a, "a");
    log.watch(clock, *b, "b");
    QObject::connect(a.get(), &ports::Timer::timeout, [&] {
        if (clock.nowMs() == 100)
            b->setInterval(500); // restarts b: next at 600
        if (clock.nowMs() == 400)
            b->stop();
    });
    a->start();
    b->start();
    clock.advance(1000);
    EXPECT_EQ(log.ticks.filter("b@"), QStringList());
    EXPECT_EQ(log.ticks.size(), 10);
}

TEST(ManualClock, AdvanceUntilStopsAtTheTickThatSatisfiesTheCondition) {
    ManualClock clock;
    auto timer = clock.createTimer(30);
    int ticks = 0;
    QObject::connect(timer.get(), &ports::Timer::timeout, [&] { ++ticks; });
    timer->start();
    EXPECT_TRUE(clock.advanceUntil([&] { return ticks == 3; }, 1000));
    EXPECT_EQ(clock.nowMs(), 90);
    EXPECT_FALSE(clock.advanceUntil([&] { return ticks == 100; }, 100));
    EXPECT_EQ(clock.nowMs(), 190);
    EXPECT_EQ(clock.nextDueMs(), 210);
}

TEST(ManualClock, TimerOutlivingItsClockIsHarmless) {
    std::unique_ptr<ports::Timer> timer;
    {
        ManualClock clock;
        timer = clock.createTimer(10);
        timer->start();
    }
    timer->setInterval(20);
    timer->stop();
    SUCCEED();
}
