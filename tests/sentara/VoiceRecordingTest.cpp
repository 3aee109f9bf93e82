#include "SentaraRig.h"

#include "sentara/modes/VoiceRecording.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::SentaraSession;
using sentara::VoiceRecordingView;
using Kind = support::SimulatedPlayer::Call::Kind;
using State = ports::Recorder::State;

namespace {

SentaraSession& startVoiceView(Rig& rig) {
    rig.lesson(kFirst, 1).settings(settingsAt(2, 1, 6));
    return rig.start();
}

QStringList commands(const support::SimulatedRecorder& recorder) {
    QStringList list;
    for (const QString& line : recorder.log()) {
        list << line.section(u' ', 1, 1);
    }
    return list;
}

} // namespace

TEST(VoiceRecording, StoppingARecordingEnablesPlayAndCompareAndPausesTheLesson) {
    Rig rig;
    SentaraSession& s = startVoiceView(rig);
    sentara::VoiceRecording& recorder = s.voiceRecording();
    VoiceRecordingView v = recorder.view();
    EXPECT_FALSE(v.stopEnabled || v.playOwnEnabled || v.compareEnabled) << "nothing recorded";
    EXPECT_TRUE(v.playModelEnabled);

    QList<double> levels;
    QObject::connect(&recorder, &sentara::VoiceRecording::levelChanged,
                     [&](double level) { levels << level; });
    recorder.record();
    EXPECT_TRUE(recorder.view().stopEnabled);
    EXPECT_TRUE(recorder.view().recording);
    EXPECT_EQ(recorder.view().status, "正在录音……");
    rig.recorder.setInputLevel(0.4); // the meter follows the microphone
    EXPECT_DOUBLE_EQ(recorder.view().level, 0.4);
    rig.clock.advance(500);
    EXPECT_TRUE(s.view().mode.playing) << "the voice view plays the sentence on entering it";

    recorder.stop();
    v = recorder.view();
    EXPECT_FALSE(v.stopEnabled);
    EXPECT_TRUE(v.playOwnEnabled);
    EXPECT_TRUE(v.compareEnabled);
    EXPECT_FALSE(v.recording);
    EXPECT_DOUBLE_EQ(v.level, 0);
    EXPECT_EQ(levels, (QList<double>{0.0, 0.4, 0.0}));
    EXPECT_FALSE(s.view().mode.playing) << "stopping pauses the lesson's player";
    EXPECT_FALSE(s.loop().sentenceWatchRunning());
    EXPECT_EQ(rig.recorder.recordedMs(), 500);
    EXPECT_EQ(rig.recorder.path(), rig.course.folder().recorderFile());
    EXPECT_TRUE(QFileInfo::exists(rig.course.folder().recorderFile()));

    recorder.playOwn();
    EXPECT_EQ(rig.recorder.state(), State::Playing);
    rig.clock.advance(500);
    EXPECT_EQ(rig.recorder.state(), State::Idle);

    // The next recording replaces this one.
    recorder.record();
    rig.clock.advance(300);
    recorder.stop();
    EXPECT_EQ(rig.recorder.recordedMs(), 300);
}

TEST(VoiceRecording, CompareIsTheModelSentenceThenTheRecordingOnce) {
    Rig rig;
    SentaraSession& s = startVoiceView(rig);
    sentara::VoiceRecording& recorder = s.voiceRecording();
    rig.clock.advance(2000); // the first sentence has played
    recorder.record();
    rig.clock.advance(800);
    recorder.stop();
    const qsizetype seeks = rig.sentencePlayer()->calls(Kind::Seek).size();

    recorder.compare();
    EXPECT_FALSE(recorder.view().compareEnabled);
    EXPECT_TRUE(recorder.view().stopEnabled);
    EXPECT_TRUE(s.view().mode.playing) << "the model sentence first";
    EXPECT_EQ(rig.sentencePlayer()->calls(Kind::Seek).size(), seeks + 1);
    EXPECT_DOUBLE_EQ(rig.sentencePlayer()->calls(Kind::Seek).last().value, 1.0);
    rig.clock.advance(1010); // the model has ended (2 s): the recording follows
    EXPECT_FALSE(s.view().mode.playing);
    EXPECT_EQ(rig.recorder.state(), State::Playing);
    rig.clock.advance(800);
    EXPECT_EQ(rig.recorder.state(), State::Idle);
    EXPECT_TRUE(recorder.view().compareEnabled);
    EXPECT_FALSE(recorder.view().stopEnabled);
    rig.clock.advance(5000);
    EXPECT_EQ(commands(rig.recorder).count(QStringLiteral("play")), 1) << "once, not in turns";
    EXPECT_EQ(rig.sentencePlayer()->calls(Kind::Seek).size(), seeks + 1);

    // A sentence played outside a comparison is not followed by the recording.
    recorder.playModel();
    rig.clock.advance(2000);
    EXPECT_EQ(commands(rig.recorder).count(QStringLiteral("play")), 1);
}

TEST(VoiceRecording, LeavingTheVoiceViewEndsTheRecordingAndKeepsIt) {
    Rig rig;
    SentaraSession& s = startVoiceView(rig);
    s.voiceRecording().record();
    rig.clock.advance(500);
    s.TabImage_Click(2);
    EXPECT_EQ(rig.recorder.state(), State::Idle);
    EXPECT_EQ(rig.recorder.recordedMs(), 500);
    EXPECT_TRUE(s.voiceRecording().view().playOwnEnabled);
    EXPECT_FALSE(s.voiceRecording().view().stopEnabled);
}

TEST(VoiceRecording, ANewRecordingIsNeitherPlayedNorComparedBeforeItIsStopped) {
    Rig rig;
    SentaraSession& s = startVoiceView(rig);
    sentara::VoiceRecording& recorder = s.voiceRecording();
    recorder.record();
    rig.clock.advance(400);
    recorder.stop();
    ASSERT_TRUE(recorder.view().playOwnEnabled && recorder.view().compareEnabled);

    // While the next recording runs, only stop ends it: the held recording is being replaced.
    recorder.record();
    VoiceRecordingView v = recorder.view();
    EXPECT_TRUE(v.stopEnabled);
    EXPECT_FALSE(v.playOwnEnabled);
    EXPECT_FALSE(v.compareEnabled);
    const qsizetype seeks = rig.sentencePlayer()->calls(Kind::Seek).size();
    recorder.playOwn();
    recorder.compare();
    EXPECT_EQ(rig.recorder.state(), State::Recording);
    EXPECT_EQ(rig.sentencePlayer()->calls(Kind::Seek).size(), seeks) << "no model sentence";
    EXPECT_EQ(recorder.view().status, "正在录音……");

    rig.clock.advance(700);
    recorder.stop();
    v = recorder.view();
    EXPECT_TRUE(v.playOwnEnabled && v.compareEnabled);
    EXPECT_EQ(rig.recorder.recordedMs(), 700);
}

TEST(VoiceRecording, WithoutAMicrophoneTheLearnerIsToldAndTheHeldRecordingStays) {
    Rig rig;
    SentaraSession& s = startVoiceView(rig);
    sentara::VoiceRecording& recorder = s.voiceRecording();
    recorder.record();
    rig.clock.advance(600);
    recorder.stop();

    rig.recorder.setMicrophoneAvailable(false);
    recorder.record();
    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    EXPECT_EQ(rig.dialogs.messages()[0].title, "提示");
    EXPECT_TRUE(rig.dialogs.texts()[0].startsWith(QStringLiteral("无法录音：")))
        << rig.dialogs.texts()[0].toStdString();
    const VoiceRecordingView v = recorder.view();
    EXPECT_FALSE(v.recording);
    EXPECT_FALSE(v.stopEnabled);
    EXPECT_TRUE(v.status.isEmpty());
    EXPECT_TRUE(v.playOwnEnabled && v.compareEnabled) << "the earlier recording is still there";
    recorder.playOwn();
    EXPECT_EQ(rig.recorder.state(), State::Playing);
    EXPECT_EQ(rig.recorder.recordedMs(), 600);
}
