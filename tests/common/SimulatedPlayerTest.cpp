#include "support/SimulatedPlayer.h"
#include "support/ManualClock.h"
#include "support/QtPrinters.h"
#include "support/SimulatedEngines.h"
#include "support/SimulatedMedia.h"

#include <gtest/gtest.h>

using support::ManualClock;
using support::SimulatedEngines;
using support::SimulatedMedia;
using support::SimulatedPlayer;
using State = ports::MediaPlayer::State;
using Unit = ports::MediaPlayer::Unit;

namespace {

struct PlayerFixture : ::testing::Test {
    ManualClock clock;
    SimulatedMedia media;
    PlayerFixture() {
        media.add("/course/Sound/Book/1.mp3", 10000);
        media.add("/course/Sound/Book/slow.mp3", 5000, 200);
    }
};

} // namespace

TEST_F(PlayerFixture, PositionMovesWithTheClockOnlyWhilePlaying) {
    SimulatedPlayer player(clock, media, Unit::Seconds);
    player.open("/course/Sound/Book/1.mp3");
    ASSERT_TRUE(player.hasMedia());
    EXPECT_EQ(player.state(), State::Stopped);
    EXPECT_DOUBLE_EQ(player.duration(), 10.0);

    player.setPosition(2.5);
    clock.advance(1000);
    EXPECT_DOUBLE_EQ(player.position(), 2.5);
    player.play();
    clock.advance(1230);
    EXPECT_DOUBLE_EQ(player.position(), 3.73);
    player.pause();
    clock.advance(5000);
    EXPECT_DOUBLE_EQ(player.position(), 3.73);
    EXPECT_EQ(player.state(), State::Paused);
    player.stop();
    EXPECT_DOUBLE_EQ(player.position(), 0.0);
    EXPECT_EQ(player.state(), State::Stopped);
}

TEST_F(PlayerFixture, StopsExactlyAtTheMediaEndAndEmitsFinishedThen) {
    SimulatedPlayer player(clock, media, Unit::Milliseconds);
    player.open("/course/Sound/Book/1.mp3");
    qint64 finishedAt = -1;
    QObject::connect(&player, &ports::MediaPlayer::finished, [&] { finishedAt = clock.nowMs(); });
    clock.advance(100);
    player.setPosition(9000);
    player.play();
    clock.advance(999);
    EXPECT_EQ(player.state(), State::Playing);
    EXPECT_DOUBLE_EQ(player.position(), 9999);
    clock.advance(5000);
    EXPECT_EQ(finishedAt, 1100);
    EXPECT_EQ(player.state(), State::Paused);
    EXPECT_DOUBLE_EQ(player.position(), 10000);
    EXPECT_EQ(player.log(), QStringList({"0 open /course/Sound/Book/1.mp3", "100 seek 9000",
                                         "100 play", "1100 finished"}));
    player.play(); // at the end: starts again from the beginning
    clock.advance(10);
    EXPECT_DOUBLE_EQ(player.position(), 10);
}

TEST_F(PlayerFixture, SeekIsClampedAndRetimesTheEnd) {
    SimulatedPlayer player(clock, media, Unit::Seconds);
    player.open("/course/Sound/Book/1.mp3");
    int finished = 0;
    QObject::connect(&player, &ports::MediaPlayer::finished, [&] { ++finished; });
    player.setPosition(-3);
    EXPECT_DOUBLE_EQ(player.position(), 0.0);
    player.setPosition(99);
    EXPECT_DOUBLE_EQ(player.position(), 10.0);
    player.setPosition(1);
    player.play();
    clock.advance(1000);
    player.setPosition(8); // 2 s left from t = 1000
    clock.advance(1999);
    EXPECT_EQ(finished, 0);
    clock.advance(1);
    EXPECT_EQ(finished, 1);
}

TEST_F(PlayerFixture, MissingFileLeavesNoMediaAndPlaysNothing) {
    SimulatedPlayer player(clock, media, Unit::Seconds);
    int states = 0;
    QObject::connect(&player, &ports::MediaPlayer::stateChanged, [&] { ++states; });
    player.setAutoStart(true);
    player.open("/course/Sound/Book/2.mp3");
    player.play();
    clock.advance(1000);
    EXPECT_FALSE(player.hasMedia());
    EXPECT_EQ(player.state(), State::NoMedia);
    EXPECT_DOUBLE_EQ(player.position(), 0.0);
    EXPECT_DOUBLE_EQ(player.duration(), 0.0);
    EXPECT_EQ(states, 0);
    EXPECT_EQ(player.currentPath(), "/course/Sound/Book/2.mp3");
}

TEST_F(PlayerFixture, AutoStartPlaysOnOpen) {
    SimulatedPlayer player(clock, media, Unit::Seconds);
    player.setAutoStart(true);
    player.open("/course/Sound/Book/1.mp3");
    EXPECT_EQ(player.state(), State::Playing);
    clock.advance(500);
    EXPECT_DOUBLE_EQ(player.position(), 0.5);
}

TEST_F(PlayerFixture, SeekAndPlayBeforeLoadingAreAppliedWhenLoaded) {
    SimulatedPlayer player(clock, media, Unit::Seconds);
    int loaded = 0;
    QObject::connect(&player, &ports::MediaPlayer::mediaLoaded, [&] { ++loaded; });
    player.open("/course/Sound/Book/slow.mp3");
    EXPECT_FALSE(player.hasMedia());
    player.setPosition(3);
    player.play();
    clock.advance(199);
    EXPECT_EQ(loaded, 0);
    clock.advance(1);
    EXPECT_EQ(loaded, 1);
    EXPECT_EQ(player.state(), State::Playing);
    clock.advance(1000);
    EXPECT_DOUBLE_EQ(player.position(), 4.0);
}

TEST_F(PlayerFixture, PlaybackRateScalesTheAdvance) {
    SimulatedPlayer player(clock, media, Unit::Milliseconds);
    player.open("/course/Sound/Book/1.mp3");
    player.play();
    clock.advance(1000);
    player.setPlaybackRate(0.5);
    clock.advance(1000);
    EXPECT_DOUBLE_EQ(player.position(), 1500);
}

TEST_F(PlayerFixture, EnginesMakePlayersInTheirUnitAndKeepThem) {
    SimulatedEngines engines(clock, media);
    engines.setDefaultAvailable(false);
    EXPECT_FALSE(engines.defaultEngineAvailable());
    auto sentence = engines.createPlayer(ports::MediaEngines::Engine::Backup,
                                         ports::MediaEngines::Role::Sentence);
    auto word =
        engines.createPlayer(ports::MediaEngines::Engine::Default, ports::MediaEngines::Role::Word);
    EXPECT_EQ(sentence->unit(), Unit::Milliseconds);
    EXPECT_EQ(word->unit(), Unit::Seconds);
    EXPECT_EQ(engines.latest(ports::MediaEngines::Role::Sentence), sentence.get());
    sentence.reset();
    EXPECT_EQ(engines.latest(ports::MediaEngines::Role::Sentence), nullptr);
    EXPECT_EQ(engines.made().size(), 2);
}
