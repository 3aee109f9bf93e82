// Video lessons: the default engine's players deliver frames to the surface the window gives.
#include "PlatformTestSupport.h"
#include "TestMedia.h"

#include "platform/PlatformEngines.h"
#include "platform/VideoFrameSlot.h"

#include <QImage>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <gtest/gtest.h>

namespace {

using platformtest::TestMedia;
using platformtest::waitUntil;
using Engine = ports::MediaEngines::Engine;
using Role = ports::MediaEngines::Role;

class VideoOutput : public ::testing::Test {
protected:
    void SetUp() override {
        platformtest::ensureApplication();
        if (!platformtest::soundServerReachable()) {
            GTEST_SKIP() << platformtest::noSoundServer;
        }
        ASSERT_TRUE(TestMedia::instance().valid()) << TestMedia::instance().error().toStdString();
    }

    platform::PlatformEngines engines;
};

TEST_F(VideoOutput, WmvFramesReachTheSinkOfTheSentenceAndTheSilentTwin) {
    const QString wmv = TestMedia::instance().clipWmv();
    // The sentence player is heard and seen; the video window's twin plays the same file silently.
    auto sentence = engines.createPlayer(Engine::Default, Role::Sentence);
    auto twin = engines.createPlayer(Engine::Default, Role::Video);
    EXPECT_EQ(twin->volume(), 0);

    QVideoSink sentenceSink;
    QVideoSink twinSink;
    int sentenceFrames = 0;
    int twinFrames = 0;
    QSize frameSize;
    QObject::connect(&sentenceSink, &QVideoSink::videoFrameChanged, [&](const QVideoFrame& frame) {
        if (frame.isValid()) {
            ++sentenceFrames;
            frameSize = frame.size();
        }
    });
    QObject::connect(&twinSink, &QVideoSink::videoFrameChanged, [&](const QVideoFrame& frame) {
        if (frame.isValid()) {
            ++twinFrames;
        }
    });
    sentence->setVideoSurface(&sentenceSink);
    twin->setVideoSurface(&twinSink);
    sentence->open(wmv);
    twin->open(wmv);
    sentence->setPosition(0.5);
    twin->setPosition(0.5);
    sentence->play();
    twin->play();
    EXPECT_TRUE(waitUntil([&] { return sentenceFrames >= 5 && twinFrames >= 5; }, 10000))
        << sentenceFrames << " and " << twinFrames << " frames";
    EXPECT_EQ(frameSize, QSize(160, 120));
    EXPECT_GE(sentence->position(), 0.5 - 0.03);
}

TEST_F(VideoOutput, AVideoWidgetCanBeAttachedAndDetached) {
    auto player = engines.createPlayer(Engine::Default, Role::Sentence);
    QVideoWidget widget;
    widget.resize(160, 120);
    widget.show();
    player->setVideoSurface(&widget);
    int frames = 0;
    QObject::connect(widget.videoSink(), &QVideoSink::videoFrameChanged,
                     [&](const QVideoFrame& frame) { frames += frame.isValid() ? 1 : 0; });
    player->open(TestMedia::instance().clipWmv());
    player->play();
    EXPECT_TRUE(waitUntil([&] { return frames >= 3; }, 10000));
    player->setVideoSurface(nullptr);
    player->pause();
}

// The window's video places read the media libraries only when a video plays: the slot makes
// its picture view when a video is opened on the player attached to it, and shows the picture.
TEST_F(VideoOutput, AFrameSlotMakesItsViewForAPlayerAndShowsThePicture) {
    platform::VideoFrameSlot slot;
    slot.resize(160, 120);
    slot.show();
    auto player = engines.createPlayer(Engine::Default, Role::Sentence);
    player->setVideoSurface(&slot);
    player->open(TestMedia::instance().toneMp3());
    EXPECT_FALSE(slot.hasView()); // a sound file needs no picture
    player->open(TestMedia::instance().clipWmv());
    player->play();
    const auto brightness = [&slot] {
        const QImage image = slot.grab().toImage();
        qint64 sum = 0;
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); x += 4) {
                sum += qGray(image.pixel(x, y));
            }
        }
        return static_cast<double>(sum) / ((image.height() / 4 + 1) * (image.width() / 4 + 1));
    };
    EXPECT_TRUE(waitUntil([&] { return brightness() > 40; }, 10000)) << brightness();
    EXPECT_TRUE(slot.hasView());
    player->setVideoSurface(nullptr);
    player->pause();
}

} // namespace
