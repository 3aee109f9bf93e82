// The player that waits for its engine's module: what it is told before the real player exists
// reaches that player, in order, once the program's window has painted.
#include "PlatformTestSupport.h"

#include "platform/DeferredPlayer.h"
#include "platform/MediaModuleApi.h"
#include "platform/MediaModules.h"
#include "support/ManualClock.h"
#include "support/SimulatedMedia.h"
#include "support/SimulatedPlayer.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using State = ports::MediaPlayer::State;

class DeferredPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        platformtest::ensureApplication();
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath(QStringLiteral("1.mp3"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        media.add(path, 10000);
    }

    // A deferred player whose real player is a simulated one (or none, when `available` is off).
    std::unique_ptr<platform::DeferredPlayer> deferred(bool available = true) {
        return std::make_unique<platform::DeferredPlayer>(
            ports::MediaPlayer::Unit::Seconds,
            [this, available]() -> std::unique_ptr<ports::MediaPlayer> {
                ++made;
                if (!available) {
                    return nullptr;
                }
                auto player = std::make_unique<support::SimulatedPlayer>(
                    clock, media, ports::MediaPlayer::Unit::Seconds);
                real = player.get();
                return player;
            });
    }

    // A window held back until it paints, as the programs' windows are at start-up.
    void holdUntilPainted() {
        window = std::make_unique<QWidget>();
        platform::MediaModules::holdUntilShown(window.get());
        ASSERT_TRUE(platform::MediaModules::held());
    }
    void paint() {
        window->show();
        window->repaint();
        ASSERT_TRUE(platformtest::waitUntil([] { return !platform::MediaModules::held(); }, 2000));
    }

    QTemporaryDir folder;
    QString path;
    support::ManualClock clock;
    support::SimulatedMedia media;
    std::unique_ptr<QWidget> window;
    QPointer<support::SimulatedPlayer> real;
    int made = 0;
};

TEST_F(DeferredPlayerTest, WhatIsAskedBeforeThePaintReachesThePlayerInOrder) {
    holdUntilPainted();
    auto player = deferred();
    player->setVolume(70);
    player->open(path);
    player->playSpan(1.5, 2.25);
    // Reported as a player still loading its file would report it.
    EXPECT_EQ(made, 0) << "nothing is loaded before the window has painted";
    EXPECT_TRUE(player->hasMedia());
    EXPECT_EQ(player->state(), State::Playing);
    EXPECT_DOUBLE_EQ(player->position(), 1.5);

    paint();
    ASSERT_EQ(made, 1);
    ASSERT_TRUE(real);
    EXPECT_EQ(real->log(),
              (QStringList{QStringLiteral("0 autostart 0"), QStringLiteral("0 volume 70"),
                           QStringLiteral("0 rate 1"), QStringLiteral("0 open ") + path,
                           QStringLiteral("0 seek 1.5"), QStringLiteral("0 play to 2.25")}));
    EXPECT_EQ(player->state(), State::Playing);
    clock.advance(500);
    EXPECT_DOUBLE_EQ(player->position(), 2.0) << "the real player's position from then on";
}

TEST_F(DeferredPlayerTest, ASeekAfterASpanPlaysOnAndAPausedSpanIsOnlyItsStart) {
    struct Case {
        const char* name;
        std::function<void(ports::MediaPlayer&)> ask;
        QStringList expected; // the real player's log after its open
        State state;
    };
    const Case cases[] = {
        {"seek after the span",
         [](ports::MediaPlayer& p) {
             p.playSpan(1.5, 2.25);
             p.setPosition(3.0);
         },
         {QStringLiteral("0 seek 3"), QStringLiteral("0 play")},
         State::Playing},
        {"paused span",
         [](ports::MediaPlayer& p) {
             p.playSpan(1.5, 2.25);
             p.pause();
         },
         {QStringLiteral("0 seek 1.5")},
         State::Stopped},
    };
    for (const Case& c : cases) {
        holdUntilPainted();
        auto player = deferred();
        player->open(path);
        c.ask(*player);
        paint();
        ASSERT_TRUE(real) << c.name;
        EXPECT_EQ(real->log().mid(4), c.expected) << c.name;
        EXPECT_EQ(player->state(), c.state) << c.name;
        window.reset();
    }
}

TEST_F(DeferredPlayerTest, AnEngineThatCannotBeLoadedPlaysNothing) {
    auto player = deferred(/*available=*/false);
    platformtest::SignalCounter changes(player.get(), &ports::MediaPlayer::stateChanged);
    player->open(path); // not held: made at once
    EXPECT_EQ(made, 1);
    EXPECT_FALSE(player->hasMedia());
    player->playSpan(1.0, 2.0);
    EXPECT_EQ(player->state(), State::NoMedia);
    EXPECT_EQ(player->position(), 0.0);
    // The next file tries again (a repaired installation is seen).
    player->open(path);
    EXPECT_EQ(made, 2);
}

TEST(MediaModules, AMissingModuleSaysWhichFileAndTheBuiltOnesLoad) {
    platformtest::ensureApplication();
    using Module = platform::MediaModules::Module;
    for (const Module module : {Module::ExactAudio, Module::Mpv, Module::QtMedia}) {
        ports::MediaEngines::Missing why;
        const platform::MediaModuleApi* api = platform::MediaModules::load(module, &why);
        ASSERT_NE(api, nullptr) << why.component.toStdString();
        EXPECT_TRUE(platform::MediaModules::isLoaded(module));
        EXPECT_NE(api->createPlayer, nullptr);
    }
    EXPECT_TRUE(platform::MediaModules::fileName(Module::Mpv).endsWith(QStringLiteral(".so")));
}

} // namespace
