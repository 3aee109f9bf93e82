// The recorder on the real default microphone: in the test sound server that microphone hears
// what the sink plays, so a tone played while recording must be in the file.
#include "PlatformTestSupport.h"
#include "TestMedia.h"

#include "platform/DeferredRecorder.h"
#include "platform/MediaModules.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using platformtest::SignalCounter;
using platformtest::waitUntil;
using State = ports::Recorder::State;

class Recorder : public ::testing::Test, private platformtest::ApplicationFirst {
protected:
    void SetUp() override {
        platformtest::ensureApplication();
        if (!platformtest::soundServerReachable()) {
            GTEST_SKIP() << platformtest::noSoundServer;
        }
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath(QStringLiteral("Recorder.wav"));
        ASSERT_TRUE(recorder.open(path)) << recorder.lastError().toStdString();
    }

    // Records for about the given time while playing the file (if any); returns the seconds
    // between record() and stop().
    double recordWhilePlaying(const QString& media, int ms) {
        const auto player =
            platform::MediaModules::createPlayer(platform::MediaModules::Module::QtMedia);
        EXPECT_TRUE(player != nullptr);
        EXPECT_TRUE(recorder.record()) << recorder.lastError().toStdString();
        EXPECT_EQ(recorder.state(), State::Recording);
        QElapsedTimer clock;
        clock.start();
        if (!media.isEmpty() && player) {
            player->open(media);
            player->play();
        }
        platformtest::spin(ms);
        recorder.stop();
        return clock.elapsed() / 1000.0;
    }

    QTemporaryDir folder;
    QString path;
    platform::DeferredRecorder recorder; // as the programs make it
};

TEST_F(Recorder, RecordsWhatIsHeardAsPcmWavOfTheRightLength) {
    const QString toneFile = folder.filePath(QStringLiteral("tone.wav"));
    ASSERT_TRUE(platformtest::writeWav(toneFile, platformtest::tone(0.8, 500, 0.6)));
    const double recorded = recordWhilePlaying(toneFile, 1600);
    EXPECT_EQ(recorder.state(), State::Idle);

    const auto wav = platformtest::readWav(path);
    ASSERT_GT(wav.sampleRate, 0) << "a 16-bit PCM WAV file";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(44);
    EXPECT_TRUE(header.startsWith("RIFF"));
    EXPECT_EQ(header.mid(36, 4), QByteArray("data")) << "a 44-byte header";
    EXPECT_NEAR(wav.seconds(), recorded, 0.25);
    EXPECT_GT(platformtest::loudestWindow(wav.samples, wav.sampleRate / 10), 0.05)
        << "the tone was recorded";
    EXPECT_NEAR(platformtest::secondsAbove(wav.samples, wav.sampleRate, 0.02), 0.8, 0.2)
        << "the tone's length was recorded";
}

TEST_F(Recorder, RecordingAgainOverwritesThePreviousRecording) {
    const QString toneFile = folder.filePath(QStringLiteral("tone.wav"));
    ASSERT_TRUE(platformtest::writeWav(toneFile, platformtest::tone(1.0, 500, 0.6)));
    recordWhilePlaying(toneFile, 1500);
    const auto first = platformtest::readWav(path);
    ASSERT_GT(platformtest::loudestWindow(first.samples, first.sampleRate / 10), 0.05);

    const double second = recordWhilePlaying(QString(), 500);
    const auto wav = platformtest::readWav(path);
    EXPECT_NEAR(wav.seconds(), second, 0.25);
    EXPECT_LT(wav.seconds(), first.seconds() - 0.5);
    EXPECT_LT(platformtest::loudestWindow(wav.samples, wav.sampleRate / 10), 0.01)
        << "nothing of the first recording is left";
}

TEST_F(Recorder, PlaysTheRecordingFromItsStartAndAnnouncesItsEnd) {
    recordWhilePlaying(QString(), 700);
    SignalCounter finished(&recorder, &ports::Recorder::playbackFinished);
    ASSERT_TRUE(recorder.playFromStart()) << recorder.lastError().toStdString();
    EXPECT_EQ(recorder.state(), State::Playing);
    ASSERT_TRUE(waitUntil([&] { return finished.count() == 1; }, 10000));
    EXPECT_EQ(recorder.state(), State::Idle);

    // Again after a new recording: the new file is played, not the old one held open.
    recordWhilePlaying(QString(), 300);
    ASSERT_TRUE(recorder.playFromStart());
    EXPECT_TRUE(waitUntil([&] { return finished.count() == 2; }, 10000));

    // Stopping playback is not its end.
    ASSERT_TRUE(recorder.playFromStart());
    recorder.stop();
    platformtest::spin(800);
    EXPECT_EQ(finished.count(), 2);
}

TEST_F(Recorder, PlayingBeforeAnyRecordingFailsWithAMessage) {
    QFile::remove(path);
    EXPECT_FALSE(recorder.playFromStart());
    EXPECT_FALSE(recorder.lastError().isEmpty());
    EXPECT_EQ(recorder.state(), State::Idle);
}

TEST_F(Recorder, ClosedRecorderRefusesToRecord) {
    recorder.close();
    EXPECT_EQ(recorder.state(), State::Closed);
    EXPECT_FALSE(recorder.record());
    EXPECT_FALSE(recorder.lastError().isEmpty());
    // The voice view puts "无法录音：" before the reason.
    EXPECT_FALSE(recorder.lastError().contains(QStringLiteral("无法录音")))
        << recorder.lastError().toStdString();
}

// Without any sound server there is no microphone: record() must fail with a clear message.
// The check runs in a child process of this test program that cannot reach a server.
TEST(RecorderWithoutMicrophone, RecordFailsWithAClearMessage) {
    if (qEnvironmentVariableIsSet("PLATFORM_TESTS_NO_MICROPHONE")) {
        platformtest::ensureApplication();
        QTemporaryDir folder;
        platform::DeferredRecorder recorder; // as the programs make it
        ASSERT_TRUE(recorder.open(folder.filePath(QStringLiteral("Recorder.wav"))));
        QString reported;
        QObject::connect(&recorder, &ports::Recorder::errorOccurred,
                         [&](const QString& message) { reported = message; });
        EXPECT_FALSE(recorder.record());
        EXPECT_TRUE(recorder.lastError().contains(QStringLiteral("麦克风")))
            << recorder.lastError().toStdString();
        EXPECT_EQ(reported, recorder.lastError());
        EXPECT_NE(recorder.state(), State::Recording);
        recorder.stop();
        EXPECT_FALSE(recorder.playFromStart());
        return;
    }
    platformtest::ensureApplication();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PLATFORM_TESTS_NO_MICROPHONE"), QStringLiteral("1"));
    environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent/native"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=RecorderWithoutMicrophone.*")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
}

} // namespace
