#pragma once

// The fixture of the player contract: every player of the engines made as the programs make it,
// on real media, with the helpers the contract tests share.
#include "PlatformTestSupport.h"
#include "TestMedia.h"

#include "platform/MediaModules.h"
#include "platform/PlatformEngines.h"

#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace contracttest {

using platformtest::TestMedia;
using platformtest::waitUntil;
using Role = ports::MediaEngines::Role;
using State = ports::MediaPlayer::State;

enum class Player { Exact, QtMultimedia, Mpv };

// The players as the programs make them: the exact audio player and libmpv's come from their
// modules, behind the player that waits for them; Qt Multimedia's is the default engine's video
// player, here on audio.
inline std::unique_ptr<ports::MediaPlayer> makePlayer(Player kind, Role role) {
    platform::PlatformEngines engines;
    switch (kind) {
    case Player::Exact:
        return engines.createPlayer(ports::MediaEngines::Engine::Default, role);
    case Player::QtMultimedia: {
        std::unique_ptr<ports::MediaPlayer> player =
            platform::MediaModules::createPlayer(platform::MediaModules::Module::QtMedia);
        platform::PlatformEngines::prepare(*player, ports::MediaEngines::Engine::Default, role);
        return player;
    }
    case Player::Mpv:
        return engines.createPlayer(ports::MediaEngines::Engine::Backup, role);
    }
    return nullptr;
}

// The module a player needs, if any.
inline std::optional<platform::MediaModules::Module> moduleOf(Player kind) {
    switch (kind) {
    case Player::Exact:
        return platform::MediaModules::Module::ExactAudio;
    case Player::Mpv:
        return platform::MediaModules::Module::Mpv;
    case Player::QtMultimedia:
        return platform::MediaModules::Module::QtMedia;
    }
    return std::nullopt;
}

inline std::string playerName(const ::testing::TestParamInfo<Player>& info) {
    switch (info.param) {
    case Player::Exact:
        return "ExactAudio";
    case Player::QtMultimedia:
        return "QtMultimedia";
    case Player::Mpv:
        return "Mpv";
    }
    return "";
}

inline constexpr int loadTimeoutMs = 10000;

class MediaPlayerContract : public ::testing::TestWithParam<Player> {
protected:
    void SetUp() override {
        platformtest::ensureApplication();
        if (!platformtest::soundServerReachable()) {
            GTEST_SKIP() << platformtest::noSoundServer;
        }
        ASSERT_TRUE(TestMedia::instance().valid()) << TestMedia::instance().error().toStdString();
        if (const auto module = moduleOf(GetParam())) {
            ports::MediaEngines::Missing why;
            ASSERT_TRUE(platform::MediaModules::load(*module, &why)) << why.component.toStdString();
        }
        player = makePlayer(GetParam(), Role::Sentence);
    }

    // Seconds in the player's unit.
    double units(double seconds) const {
        return player->unit() == ports::MediaPlayer::Unit::Milliseconds ? seconds * 1000 : seconds;
    }
    double seconds(double value) const {
        return player->unit() == ports::MediaPlayer::Unit::Milliseconds ? value / 1000 : value;
    }

    bool openAndLoad(const QString& path) {
        platformtest::SignalCounter loaded(player.get(), &ports::MediaPlayer::mediaLoaded);
        player->open(path);
        return waitUntil([&] { return loaded.count() > 0; }, loadTimeoutMs);
    }

    // Runs until the position passes `past`; the lowest position read on the way, or nothing
    // when it never got there.
    std::optional<double> lowestUntilPast(double past, int timeoutMs = loadTimeoutMs) {
        double lowest = std::numeric_limits<double>::max();
        const bool reached = waitUntil(
            [&] {
                lowest = std::min(lowest, player->position());
                return player->position() > past;
            },
            timeoutMs);
        return reached ? std::optional<double>(lowest) : std::nullopt;
    }

    // Plays what `play` starts while the sound server is captured; what was heard of a sweep.
    std::vector<platformtest::HeardPlay> heard(const std::function<void()>& play,
                                               double sweepFrom = TestMedia::sweepFrom,
                                               double sweepPerSecond = TestMedia::sweepPerSecond) {
        platformtest::SinkCapture capture;
        if (!capture.start()) {
            ADD_FAILURE() << "parec could not capture the sink";
            return {};
        }
        play();
        platformtest::spin(200);
        return platformtest::heardPlays(capture.stop(), capture.sampleRate(), sweepFrom,
                                        sweepPerSecond);
    }

    std::unique_ptr<ports::MediaPlayer> player;
};

} // namespace contracttest
