// One contract for every player of the engines (the exact audio player and Qt Multimedia's of
// the default engine, libmpv's of the backup engine): what the listening loops rely on, on real
// media.
#include "MediaPlayerContract.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

using namespace contracttest;

// The frequency of what was heard, from the rising zero crossings of its loud stretches.
double heardFrequency(const std::vector<qint16>& samples, int sampleRate) {
    constexpr int loud = 3000;
    double first = -1;
    double last = -1;
    int crossings = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0 &&
            platformtest::rms(samples, i > 200 ? i - 200 : 0, 400) * 32768 > loud) {
            last = double(i);
            first = first < 0 ? last : first;
            ++crossings;
        }
    }
    return crossings > 2 ? (crossings - 1) * double(sampleRate) / (last - first) : 0;
}

TEST_P(MediaPlayerContract, OpensMediaInItsUnitWithoutPlaying) {
    const auto expectedUnit = GetParam() == Player::Mpv ? ports::MediaPlayer::Unit::Milliseconds
                                                        : ports::MediaPlayer::Unit::Seconds;
    EXPECT_EQ(player->unit(), expectedUnit);
    EXPECT_EQ(player->state(), State::NoMedia);

    ASSERT_TRUE(openAndLoad(TestMedia::instance().toneMp3()));
    EXPECT_TRUE(player->hasMedia());
    EXPECT_EQ(player->currentPath(), TestMedia::instance().toneMp3());
    EXPECT_TRUE(waitUntil([&] { return player->duration() > 0; }, loadTimeoutMs));
    EXPECT_NEAR(seconds(player->duration()), 3.0, 0.1);
    if (player->unit() == ports::MediaPlayer::Unit::Milliseconds) {
        EXPECT_EQ(player->duration(), std::round(player->duration())) << "whole milliseconds";
    }
    platformtest::spin(300);
    EXPECT_EQ(player->state(), State::Stopped);
    EXPECT_EQ(player->position(), 0.0) << "nothing plays before play()";
}

TEST_P(MediaPlayerContract, SeekAskedBeforeLoadIsAppliedWhenItLoads) {
    player->open(TestMedia::instance().toneMp3());
    player->setPosition(units(1.5));
    EXPECT_DOUBLE_EQ(player->position(), units(1.5)) << "the target is reported until it lands";
    player->play();
    EXPECT_EQ(player->state(), State::Playing);

    // Every position read while it starts lies at or after the target, never back at 0.
    const auto lowest = lowestUntilPast(units(1.8));
    ASSERT_TRUE(lowest);
    EXPECT_GE(*lowest, units(1.5) - units(0.03));
    EXPECT_LT(seconds(player->position()), 2.5);
}

TEST_P(MediaPlayerContract, SeekIsExactAndClampedInsideTheMedia) {
    ASSERT_TRUE(openAndLoad(TestMedia::instance().toneMp3()));
    player->setPosition(units(1.234));
    player->play();
    double first = -1;
    ASSERT_TRUE(waitUntil(
        [&] {
            if (player->position() != units(1.234)) {
                first = player->position();
            }
            return first >= 0;
        },
        loadTimeoutMs));
    EXPECT_GE(first, units(1.234 - 0.03));
    EXPECT_LT(first, units(1.234 + 0.15)) << "the first position after a seek is near its target";
    player->pause();

    player->setPosition(units(-5));
    EXPECT_GE(player->position(), 0.0);
    player->setPosition(units(99));
    EXPECT_LE(seconds(player->position()), 3.0 + 0.05);
}

TEST_P(MediaPlayerContract, PauseKeepsThePositionAndPlayResumesFromIt) {
    ASSERT_TRUE(openAndLoad(TestMedia::instance().toneMp3()));
    player->setPosition(units(0.5));
    player->play();
    ASSERT_TRUE(waitUntil([&] { return player->position() > units(0.9); }, loadTimeoutMs));
    player->pause();
    EXPECT_EQ(player->state(), State::Paused);
    platformtest::spin(100);
    const double paused = player->position();
    platformtest::spin(400);
    EXPECT_NEAR(player->position(), paused, units(0.03)) << "a paused player does not move";
    EXPECT_GT(paused, units(0.9));

    player->play();
    const auto lowest = lowestUntilPast(paused + units(1.0));
    ASSERT_TRUE(lowest) << "it plays on after resuming, stuck at " << player->position();
    EXPECT_GE(*lowest, paused - units(0.03)) << "play resumes where it paused";
}

// The session pauses a player that has never played (leaving a mode, the recorder starting): it
// stays silent where it is, and a seek and a play afterwards play from the target.
TEST_P(MediaPlayerContract, PauseBeforeAnyPlayHoldsAndALaterPlayStartsFromTheTarget) {
    ASSERT_TRUE(openAndLoad(TestMedia::instance().toneMp3()));
    player->pause();
    EXPECT_NE(player->state(), State::Playing);
    platformtest::spin(300);
    EXPECT_NEAR(player->position(), 0.0, units(0.03)) << "a player paused before playing holds";
    player->setPosition(units(0.5));
    player->play();
    EXPECT_EQ(player->state(), State::Playing);
    const auto lowest = lowestUntilPast(units(1.3));
    ASSERT_TRUE(lowest) << "it plays after the pause, stuck at " << player->position();
    EXPECT_GE(*lowest, units(0.5 - 0.06)) << "from the target";
}

// The repeat of a sentence: paused at its end, sought back to its start, played again. Each
// repeat must play on past the point (about 0.2 s in) where a pipeline stalled after a seek back.
TEST_P(MediaPlayerContract, SeekWhilePausedThenPlayRepeatsFromTheTarget) {
    ASSERT_TRUE(openAndLoad(TestMedia::instance().toneMp3()));
    for (int repeat = 0; repeat < 8; ++repeat) {
        player->setPosition(units(0.3));
        player->play();
        const auto lowest = lowestUntilPast(units(0.9), loadTimeoutMs / 2);
        ASSERT_TRUE(lowest) << "repeat " << repeat << " stuck at " << player->position();
        EXPECT_GE(*lowest, units(0.3 - 0.06)) << "repeat " << repeat;
        player->pause();
        EXPECT_EQ(player->state(), State::Paused);
        player->setPosition(units(0.3));
        EXPECT_NEAR(player->position(), units(0.3), units(0.001)) << "the target, while paused";
    }
}

TEST_P(MediaPlayerContract, PositionFollowsRealTime) {
    ASSERT_TRUE(openAndLoad(TestMedia::instance().toneMp3()));
    player->play();
    ASSERT_TRUE(waitUntil([&] { return player->position() > units(0.2); }, loadTimeoutMs));
    const double from = player->position();
    QElapsedTimer clock;
    clock.start();
    platformtest::spin(1000);
    const double advanced = seconds(player->position() - from);
    const double elapsed = clock.elapsed() / 1000.0;
    EXPECT_NEAR(advanced, elapsed, 0.15);
    if (player->unit() == ports::MediaPlayer::Unit::Milliseconds) {
        EXPECT_EQ(player->position(), std::round(player->position())) << "whole milliseconds";
    }
}

TEST_P(MediaPlayerContract, FasterPlaybackMovesFaster) {
    ASSERT_TRUE(openAndLoad(TestMedia::instance().toneMp3()));
    player->setPlaybackRate(1.25);
    // The speed holds for the first play and for a sentence played again from its start.
    for (const char* play : {"first play", "repeat"}) {
        player->setPosition(units(0.3));
        player->play();
        ASSERT_TRUE(waitUntil([&] { return player->position() > units(0.5); }, loadTimeoutMs))
            << play;
        const double from = player->position();
        QElapsedTimer clock;
        clock.start();
        platformtest::spin(1000);
        const double advanced = seconds(player->position() - from);
        const double elapsed = clock.elapsed() / 1000.0;
        player->pause();
        EXPECT_NEAR(advanced / elapsed, 1.25, 0.1) << play;
    }
}

// How exactly a player's sound ends when it is told to, in seconds; the capture itself tells
// edges apart to about 5 ms. The exact audio player stops feeding at the span's last sample, so
// its ends are as exact as the capture. Qt Multimedia's player is paused underneath by its own
// 1 ms position watch and libmpv's by the caller: their sound stops when the pause reaches the
// sound server, which takes a few milliseconds more, and up to some 20 ms more when the
// machine is busy and the watch or the pause waits for the processor.
double endTolerance(Player kind) {
    return kind == Player::Exact ? 0.005 : 0.025;
}

// A sentence repeated ten times sounds the same ten times: the same first and last sample.
TEST_P(MediaPlayerContract, ASpanPlayedTenTimesIsHeardTheSameEachTime) {
    ASSERT_TRUE(openAndLoad(TestMedia::instance().sweepWav()));
    const auto plays = heard([&] {
        for (int i = 0; i < 10; ++i) {
            player->playSpan(units(1.0), units(1.6));
            ASSERT_TRUE(waitUntil([&] { return player->position() > units(1.6); }, loadTimeoutMs));
            player->pause();
            platformtest::spin(120);
        }
    });
    for (const auto& play : plays) {
        std::printf("heard %.4f .. %.4f s\n", play.start, play.end);
    }
    ASSERT_EQ(plays.size(), 10u);
    // Every start on the same sample (within what the capture can tell), every end within the
    // player's end tolerance.
    for (std::size_t i = 1; i < plays.size(); ++i) {
        EXPECT_NEAR(plays[i].start, plays[0].start, 0.005) << "play " << i;
        EXPECT_NEAR(plays[i].end, plays[0].end, endTolerance(GetParam())) << "play " << i;
    }
}

// Watched as the listening loops watch it (every 10 ms, paused once past the end), a span is
// heard to its end and never beyond what the player said it was playing when it was paused.
// (The default engine's players also stop at the end itself: see SpanEndContract.)
TEST_P(MediaPlayerContract, TheEndIsNeverOverrun) {
    ASSERT_TRUE(openAndLoad(TestMedia::instance().sweepWav()));
    double pausedAt = 0;
    const auto plays = heard([&] {
        player->playSpan(units(0.5), units(1.2));
        QTimer watch;
        watch.setInterval(10);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const double position = player->position();
            if (position > units(1.2)) {
                player->pause();
                pausedAt = seconds(position);
                watch.stop();
            }
        });
        watch.start();
        platformtest::spin(1200);
    });
    ASSERT_EQ(plays.size(), 1u);
    std::printf("heard %.4f .. %.4f s, paused at %.4f s\n", plays[0].start, plays[0].end, pausedAt);
    EXPECT_LE(plays[0].end, pausedAt + endTolerance(GetParam()));
    EXPECT_GT(plays[0].end, 1.2 - 0.05) << "the span is heard to its end";
}

TEST_P(MediaPlayerContract, PositionNeverGoesBackWhilePlaying) {
    ASSERT_TRUE(openAndLoad(TestMedia::instance().toneMp3()));
    player->setPosition(units(0.2));
    player->play();
    double last = player->position();
    int reads = 0;
    waitUntil(
        [&] {
            const double now = player->position();
            EXPECT_GE(now, last) << "read " << reads;
            last = now;
            ++reads;
            return now > units(1.7) || reads > 5000;
        },
        loadTimeoutMs);
    EXPECT_GT(last, units(1.7));
}

TEST_P(MediaPlayerContract, MissingFilePlaysNothingAndRaisesNothing) {
    platformtest::SignalCounter finished(player.get(), &ports::MediaPlayer::finished);
    player->open(TestMedia::instance().missing());
    EXPECT_FALSE(player->hasMedia());
    player->setPosition(units(1));
    player->play();
    platformtest::spin(300);
    EXPECT_EQ(player->state(), State::NoMedia);
    EXPECT_EQ(player->position(), 0.0);
    EXPECT_EQ(finished.count(), 0);

    // A good file afterwards plays as usual.
    ASSERT_TRUE(openAndLoad(TestMedia::instance().toneMp3()));
    EXPECT_TRUE(player->hasMedia());
}

TEST_P(MediaPlayerContract, EndOfMediaPausesAtTheEndAndAnnouncesIt) {
    ASSERT_TRUE(openAndLoad(TestMedia::instance().toneMp3()));
    platformtest::SignalCounter finished(player.get(), &ports::MediaPlayer::finished);
    player->setPosition(units(2.5));
    player->play();
    ASSERT_TRUE(waitUntil([&] { return finished.count() > 0; }, loadTimeoutMs));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(player->state(), State::Paused);
    EXPECT_NEAR(seconds(player->position()), 3.0, 0.1);

    // Played again it starts over.
    player->play();
    ASSERT_TRUE(waitUntil([&] { return player->state() == State::Playing; }, loadTimeoutMs));
    EXPECT_TRUE(waitUntil([&] { return player->position() < units(1.0); }, 3000));

    // A seek after the end plays from there.
    ASSERT_TRUE(waitUntil([&] { return finished.count() > 1; }, loadTimeoutMs));
    player->setPosition(units(2.0));
    player->play();
    const auto lowest = lowestUntilPast(units(2.3));
    ASSERT_TRUE(lowest);
    EXPECT_GE(*lowest, units(2.0) - units(0.03));
}

TEST_P(MediaPlayerContract, StopRewindsToTheStart) {
    ASSERT_TRUE(openAndLoad(TestMedia::instance().toneMp3()));
    player->setPosition(units(1));
    player->play();
    ASSERT_TRUE(waitUntil([&] { return player->position() > units(1.2); }, loadTimeoutMs));
    player->stop();
    EXPECT_EQ(player->state(), State::Stopped);
    EXPECT_TRUE(waitUntil([&] { return player->position() == 0.0; }, 2000));
}

TEST_P(MediaPlayerContract, ReopeningTheSameFileReadsItAfresh) {
    const QString path = TestMedia::instance().folder() + QStringLiteral("/rewritten.wav");
    ASSERT_TRUE(platformtest::writeWav(path, platformtest::tone(1.0, 440, 0.3)));
    ASSERT_TRUE(openAndLoad(path));
    ASSERT_TRUE(waitUntil([&] { return player->duration() > 0; }, loadTimeoutMs));
    EXPECT_NEAR(seconds(player->duration()), 1.0, 0.05);

    ASSERT_TRUE(platformtest::writeWav(path, platformtest::tone(2.0, 440, 0.3)));
    ASSERT_TRUE(openAndLoad(path));
    EXPECT_TRUE(waitUntil([&] { return std::abs(seconds(player->duration()) - 2.0) < 0.05; },
                          loadTimeoutMs));
}

TEST_P(MediaPlayerContract, WordPlayerStartsByItselfAtItsEnginesVolume) {
    auto word = makePlayer(GetParam(), Role::Word);
    // 70 on the default engine; the backup engine's player keeps its own.
    EXPECT_EQ(word->volume(), GetParam() == Player::Mpv ? 100 : 70);
    platformtest::SignalCounter finished(word.get(), &ports::MediaPlayer::finished);
    word->open(TestMedia::instance().shortWav());
    word->setPosition(0);
    ASSERT_TRUE(waitUntil([&] { return word->position() > 0; }, loadTimeoutMs))
        << "it starts without play()";
    EXPECT_TRUE(waitUntil([&] { return finished.count() == 1; }, loadTimeoutMs));

    // A second word replaces the first and starts by itself too.
    word->open(TestMedia::instance().toneMp3());
    EXPECT_TRUE(waitUntil([&] { return word->position() > 0; }, loadTimeoutMs));
    word->stop();
    EXPECT_EQ(word->state(), State::Stopped);
}

INSTANTIATE_TEST_SUITE_P(EveryPlayer, MediaPlayerContract,
                         ::testing::Values(Player::Exact, Player::QtMultimedia, Player::Mpv),
                         playerName);

// The speeds of the speed menu keep a voice's pitch, and a span lasts 1/rate as long, on the
// default engine's audio player. (libmpv keeps the pitch too but ends spans some 40 ms early at
// other speeds; Qt 6.4's GStreamer player only plays faster.)
class SpeedContract : public MediaPlayerContract {};

TEST_P(SpeedContract, SlowerAndFasterKeepThePitchAndScaleTheSpan) {
    ASSERT_TRUE(openAndLoad(TestMedia::instance().toneMp3()));
    for (const double rate : {0.75, 1.25}) {
        player->setPlaybackRate(rate);
        platformtest::SinkCapture capture;
        ASSERT_TRUE(capture.start());
        player->playSpan(units(0.5), units(2.0));
        ASSERT_TRUE(waitUntil([&] { return player->position() > units(2.0); }, loadTimeoutMs));
        player->pause();
        platformtest::spin(200);
        const std::vector<qint16> samples = capture.stop();
        const double heard = heardFrequency(samples, capture.sampleRate());
        const double lasted = platformtest::secondsAbove(samples, capture.sampleRate(), 0.05);
        std::printf("rate %.2f: %.1f Hz, span heard %.3f s (1.5 s / rate = %.3f s)\n", rate, heard,
                    lasted, 1.5 / rate);
        EXPECT_NEAR(heard, 440, 440 * 0.02) << rate;
        EXPECT_NEAR(lasted, 1.5 / rate, 1.5 / rate * 0.02) << rate;
    }
}

INSTANTIATE_TEST_SUITE_P(DefaultEngineAudio, SpeedContract, ::testing::Values(Player::Exact),
                         playerName);

// The default engine's players let nothing after a span's end be heard, even when nobody
// pauses them; the position still passes the end.
class SpanEndContract : public MediaPlayerContract {};

TEST_P(SpanEndContract, NothingAfterTheEndIsHeardWhateverTheCallerDoes) {
    ASSERT_TRUE(openAndLoad(TestMedia::instance().sweepWav()));
    const auto plays = heard([&] {
        player->playSpan(units(0.5), units(1.2));
        platformtest::spin(1200);
        EXPECT_GT(player->position(), units(1.2)) << "the position passes the end";
        player->pause();
    });
    ASSERT_EQ(plays.size(), 1u);
    std::printf("heard %.4f .. %.4f s\n", plays[0].start, plays[0].end);
    EXPECT_LE(plays[0].end, 1.2 + endTolerance(GetParam()));
    EXPECT_GT(plays[0].end, 1.2 - 0.05) << "the span is heard to its end";
}

INSTANTIATE_TEST_SUITE_P(DefaultEngine, SpanEndContract,
                         ::testing::Values(Player::Exact, Player::QtMultimedia), playerName);

// The default engine's audio player says how long after a play is asked for its first sample is
// heard: the silence heard between two plays is the time from the end heard (its position past
// the end when it was seen) until the next play was asked for, plus that start delay.
class StartDelayContract : public MediaPlayerContract {};

TEST_P(StartDelayContract, TheNextPlayIsHeardItsStartDelayAfterItIsAsked) {
    using Clock = std::chrono::steady_clock;
    using Ms = std::chrono::duration<double, std::milli>;
    ASSERT_TRUE(openAndLoad(TestMedia::instance().sweepWav()));
    constexpr std::size_t plays = 8;
    std::vector<double> foretold; // ms of silence between the end heard and the next play heard
    const auto played = heard([&] {
        std::optional<Clock::time_point> endHeard;
        for (std::size_t i = 0; i < plays; ++i) {
            const double startDelay = player->startDelayMs();
            const Clock::time_point asked = Clock::now();
            player->playSpan(units(1.0), units(1.3));
            if (endHeard) {
                foretold.push_back(Ms(asked - *endHeard).count() + startDelay);
            }
            double position = 0;
            ASSERT_TRUE(waitUntil(
                [&] {
                    position = player->position();
                    return position > units(1.3);
                },
                loadTimeoutMs));
            const Ms sinceEnd(seconds(position - units(1.3)) * 1000);
            endHeard = Clock::now() - std::chrono::duration_cast<Clock::duration>(sinceEnd);
            player->pause();
            platformtest::spin(150);
        }
    });
    ASSERT_EQ(played.size(), plays);
    ASSERT_EQ(foretold.size(), plays - 1);
    std::vector<double> errors;
    for (std::size_t i = 1; i < plays; ++i) {
        const double silence = (played[i].heardFrom - played[i - 1].heardTo) * 1000;
        std::printf("silence %.1f ms, foretold %.1f ms\n", silence, foretold[i - 1]);
        errors.push_back(silence - foretold[i - 1]);
    }
    // The server starts a stream on its own clock (the null sink in blocks of a few ms), so one
    // start may come a block early or late; most come when foretold.
    std::sort(errors.begin(), errors.end());
    EXPECT_NEAR(errors[errors.size() / 2], 0.0, 2.5) << "the median error, ms";
}

INSTANTIATE_TEST_SUITE_P(DefaultEngineAudio, StartDelayContract, ::testing::Values(Player::Exact),
                         playerName);

} // namespace
