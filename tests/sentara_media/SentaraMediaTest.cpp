// The trainer on real media: the demo video seen in the video mode on both engines and in the
// floating window, and a recording in the voice view on the test sound server, whose
// microphone hears what its sink plays. The video tests need an X display (CTest runs them
// under Xvfb); the recording runs anywhere a sound server is reachable.
#include "PlatformTestSupport.h"
#include "RunningProgram.h"

#include "platform/MediaModules.h"
#include "platform/VideoFrameSlot.h"
#include "sentara/modes/VoiceRecording.h"
#include "sentara/ui/VideoArea.h"
#include "sentara/ui/VideoPanel.h"
#include "sentara/ui/VideoWindow.h"
#include "sentara/ui/VoicePanel.h"

#include <QDir>
#include <QGuiApplication>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using mediatest::brightness;
using mediatest::DemoCourseCopy;
using mediatest::difference;
using mediatest::onScreen;
using mediatest::RunningProgram;
using platformtest::waitUntil;

constexpr int kVideoLesson = 246; // Book 5 "Screen Scenes", lesson 1
constexpr int kAudioLesson = 2;   // Book 1, lesson 1

// A picture is there when the area is not black; it moves when a later grab differs (each
// sentence of the demo video has its own background).
constexpr double kNotBlack = 20;
constexpr double kMoved = 8;

class SentaraVideo : public testing::Test {
protected:
    void SetUp() override {
        platformtest::ensureApplication();
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            GTEST_SKIP() << "needs an X display (CTest runs it under Xvfb)";
        }
        if (!platformtest::soundServerReachable()) {
            GTEST_SKIP() << platformtest::noSoundServer;
        }
    }
};

TEST_F(SentaraVideo, TheVideoModeShowsTheLessonMovingOnBothEngines) {
    for (const int engine : {2, 1}) {
        SCOPED_TRACE(engine == 2 ? "default engine" : "backup engine");
        DemoCourseCopy course;
        course.settings(kVideoLesson, 5, engine);
        ASSERT_TRUE(course.valid());
        RunningProgram program(course);
        const sentara::ui::VideoArea* area = program.window->videoPanel()->area();
        EXPECT_EQ(area->showsNativePicture(), engine == 1);
        // The video mode plays on from the first sentence at once.
        QImage first;
        ASSERT_TRUE(waitUntil(
            [&] {
                first = onScreen(area);
                return brightness(first) > kNotBlack;
            },
            10000))
            << "the video area stays black: " << brightness(first);
        QImage later;
        EXPECT_TRUE(waitUntil(
            [&] {
                later = onScreen(area);
                return difference(first, later) > kMoved;
            },
            8000))
            << "the picture does not move: " << difference(first, later);
        EXPECT_GE(program.session.CurrentSentence(), 2) << "the sentence follows the video";
    }
}

TEST_F(SentaraVideo, TheFloatingWindowShowsTheVideoOverTheSentenceView) {
    DemoCourseCopy course;
    course.settings(kVideoLesson, 2, 2);
    ASSERT_TRUE(course.valid());
    RunningProgram program(course);
    sentara::ui::VideoWindow* window = program.window->videoWindow();
    ASSERT_TRUE(waitUntil(
        [&] { return window->isVisible() && window->windowHandle()->isExposed(); }, 5000));
    // The sentence view plays sentence 1: the silent twin shows it in the window.
    QImage first;
    ASSERT_TRUE(waitUntil(
        [&] {
            first = onScreen(window->frames());
            return brightness(first) > kNotBlack;
        },
        10000))
        << "the floating window stays black: " << brightness(first);
    program.session.SenNextCommand_Click();
    QImage later;
    EXPECT_TRUE(waitUntil(
        [&] {
            later = onScreen(window->frames());
            return difference(first, later) > kMoved;
        },
        8000))
        << "the picture does not move: " << difference(first, later);
}

TEST(SentaraRecording, AToneRecordedInTheVoiceViewIsAboveSilenceAndItsPlaybackIsHeard) {
    platformtest::ensureApplication();
    if (!platformtest::soundServerReachable()) {
        GTEST_SKIP() << platformtest::noSoundServer;
    }
    DemoCourseCopy course;
    course.settings(kAudioLesson, 2, 2, 0); // nothing plays by itself
    ASSERT_TRUE(course.valid());
    const QString toneFile = QDir(course.root()).filePath(QStringLiteral("tone.wav"));
    ASSERT_TRUE(platformtest::writeWav(toneFile, platformtest::tone(1.0, 500, 0.6)));
    RunningProgram program(course);
    program.session.TabImage_Click(6);
    const QWidget* voice = program.window->voicePanel();
    auto command = [voice](const char* name) {
        return voice->findChild<QPushButton*>(QString::fromLatin1(name));
    };
    double loudest = 0;
    QObject::connect(&program.session.voiceRecording(), &sentara::VoiceRecording::levelChanged,
                     [&](double level) { loudest = std::max(loudest, level); });

    command("RecordCommand")->click();
    ASSERT_TRUE(command("RecordStopCommand")->isEnabled())
        << program.dialogs.texts().join(' ').toStdString();
    const auto tone = platform::MediaModules::createPlayer(platform::MediaModules::Module::QtMedia);
    ASSERT_TRUE(tone != nullptr);
    tone->open(toneFile);
    tone->play();
    platformtest::spin(1600);
    command("RecordStopCommand")->click();
    EXPECT_GT(loudest, 0.05) << "the meter showed the tone";

    const platformtest::WavSamples wav =
        platformtest::readWav(QDir(course.root()).filePath(QStringLiteral("Recorder.wav")));
    ASSERT_GT(wav.sampleRate, 0) << "Recorder.wav in the program folder";
    EXPECT_GT(platformtest::loudestWindow(wav.samples, wav.sampleRate / 10), 0.05)
        << "the recording is above silence";

    platformtest::SinkCapture capture;
    ASSERT_TRUE(capture.start());
    platformtest::spin(300);
    ASSERT_TRUE(command("UserVoiceCommand")->isEnabled());
    command("UserVoiceCommand")->click();
    EXPECT_TRUE(
        waitUntil([&] { return program.recorder.state() == ports::Recorder::State::Idle; }, 10000));
    platformtest::spin(300);
    const std::vector<qint16> heard = capture.stop();
    EXPECT_GT(platformtest::loudestWindow(heard, capture.sampleRate() / 10), 0.02)
        << "the recording is heard on the sink";
}

} // namespace
