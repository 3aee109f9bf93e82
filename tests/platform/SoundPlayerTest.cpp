// Interface sounds, measured from what the sink plays.
#include "PlatformTestSupport.h"

#include "platform/DeferredSoundPlayer.h"

#include <gtest/gtest.h>

namespace {

class SoundPlayer : public ::testing::Test, private platformtest::ApplicationFirst {
protected:
    void SetUp() override {
        platformtest::ensureApplication();
        if (!platformtest::soundServerReachable()) {
            GTEST_SKIP() << platformtest::noSoundServer;
        }
        ASSERT_TRUE(folder.isValid());
        loud = folder.filePath(QStringLiteral("loud.wav"));
        quiet = folder.filePath(QStringLiteral("quiet.wav"));
        shortSound = folder.filePath(QStringLiteral("short.wav"));
        ASSERT_TRUE(platformtest::writeWav(loud, platformtest::tone(2.0, 700, 0.7)));
        ASSERT_TRUE(platformtest::writeWav(quiet, platformtest::tone(0.5, 700, 0.1)));
        ASSERT_TRUE(platformtest::writeWav(shortSound, platformtest::tone(0.15, 700, 0.7)));
    }

    // What the sink played while the action ran and for a while after.
    std::vector<qint16> heard(const std::function<void()>& action, int ms) {
        platformtest::SinkCapture capture;
        EXPECT_TRUE(capture.start());
        action();
        platformtest::spin(ms);
        return capture.stop();
    }

    QTemporaryDir folder;
    QString loud;
    QString quiet;
    QString shortSound;
    platform::DeferredSoundPlayer sounds; // as the programs make it
};

TEST_F(SoundPlayer, ANewSoundCutsOffTheOneStillPlaying) {
    const auto samples = heard(
        [&] {
            sounds.play(loud);
            platformtest::spin(500);
            sounds.play(quiet);
        },
        1500);
    const double loudSeconds = platformtest::secondsAbove(samples, 44100, 0.3);
    EXPECT_GT(loudSeconds, 0.2) << "the first sound was heard";
    EXPECT_LT(loudSeconds, 1.0) << "and cut off, not played for its 2 s";
    EXPECT_GT(platformtest::secondsAbove(samples, 44100, 0.03) - loudSeconds, 0.3)
        << "the second sound was heard";
}

TEST_F(SoundPlayer, AShortSoundIsHeardWhole) {
    const auto samples = heard([&] { sounds.play(shortSound); }, 1000);
    EXPECT_NEAR(platformtest::secondsAbove(samples, 44100, 0.3), 0.15, 0.04);
}

TEST_F(SoundPlayer, AMissingFileIsSilent) {
    const auto samples =
        heard([&] { sounds.play(folder.filePath(QStringLiteral("missing.wav"))); }, 500);
    EXPECT_LT(platformtest::loudestWindow(samples, 441), 0.01);
}

} // namespace
