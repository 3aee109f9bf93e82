#include "OralixRig.h"

#include <gtest/gtest.h>

using namespace oralix;
using namespace oralix_test;

namespace {

struct TypingCase {
    QString attempt;
    bool correct;
    int selectionStart;
    int selectionLength;
};

class Typing : public ::testing::TestWithParam<TypingCase> {};

TEST_P(Typing, OnlyLettersCountAndTheFirstWrongOneIsSelected) {
    const TypingCase& c = GetParam();
    const TypingCheck r = TypingCheck::check(QStringLiteral("It's OK."), c.attempt);
    EXPECT_EQ(r.correct, c.correct);
    EXPECT_EQ(r.selectionStart, c.selectionStart);
    EXPECT_EQ(r.selectionLength, c.selectionLength);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Typing,
    ::testing::Values(TypingCase{"its ok", true, 6, 0}, TypingCase{"ITS, OK!!", true, 9, 0},
                      TypingCase{"its ik", false, 4, 1}, TypingCase{"its", false, 3, 0},
                      TypingCase{"its okay", false, 6, 1}, TypingCase{"  1 its ok", true, 10, 0},
                      TypingCase{"", false, 0, 0}));

TEST(TypingPractice, ARightAttemptMovesOnAndAWrongOneSoundsWrong) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    int cleared = 0;
    QObject::connect(&s, &OralixSession::typingCleared, [&cleared] { ++cleared; });
    s.typingKey();
    EXPECT_EQ(rig.sounds.playedNames(), QStringList{QStringLiteral("type.wav")});
    s.checkTyping(QStringLiteral("its ik"));
    EXPECT_EQ(rig.sounds.playedNames().last(), QStringLiteral("wrong.wav"));
    EXPECT_EQ(s.lesson().currentSentence(), 1);
    rig.player().clearLog();
    s.checkTyping(QStringLiteral("its ok"));
    EXPECT_EQ(s.lesson().currentSentence(), 2);
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(rig.seeks(), QList<double>{2.5}); // the next sentence plays
    s.checkTyping(QStringLiteral("How are you"));
    s.checkTyping(QStringLiteral("fine thanks"));
    EXPECT_EQ(s.lesson().currentSentence(), 3);
    EXPECT_EQ(rig.dialogs.texts(), QStringList{QStringLiteral("已完成！")});
    EXPECT_EQ(rig.sounds.playedNames().count(QStringLiteral("wrong.wav")), 1);
}

TEST(ReadAlong, RecordStopThenCompareAlternatesModelAndRecordingUntilStop) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    s.setStudyMode(5);
    EXPECT_FALSE(s.view().readAlong.stopEnabled);
    s.record();
    EXPECT_TRUE(s.view().readAlong.stopEnabled);
    EXPECT_EQ(rig.recorder.state(), ports::Recorder::State::Recording);
    rig.clock.advance(1000);
    s.stopRecording();
    EXPECT_TRUE(s.view().readAlong.compareEnabled);
    EXPECT_TRUE(s.view().readAlong.playRecordingEnabled);
    EXPECT_EQ(rig.recorder.recordedMs(), 1000);
    EXPECT_EQ(rig.recorder.path(), rig.course.folder().recorderFile());

    rig.player().clearLog();
    const qint64 t0 = rig.clock.nowMs();
    s.compare();
    EXPECT_FALSE(s.view().readAlong.compareEnabled);
    // Model sentence 1 (1.5 s), then the 1 s recording; meanwhile the 10 ms pause shows
    // sentence 2, which is the next model.
    rig.clock.advance(1500);
    EXPECT_EQ(rig.recorder.state(), ports::Recorder::State::Playing);
    EXPECT_EQ(s.lesson().currentSentence(), 1);
    rig.clock.advance(10);
    EXPECT_EQ(s.lesson().currentSentence(), 2);
    rig.clock.advance(990);
    EXPECT_EQ(rig.playTimes(), (QList<qint64>{t0, t0 + 2500}));
    EXPECT_EQ(rig.seeks(), (QList<double>{0.5, 2.5}));
    rig.clock.advance(1500);
    EXPECT_EQ(rig.recorder.state(), ports::Recorder::State::Playing);

    s.stopRecording();
    rig.clock.advance(5000);
    EXPECT_EQ(rig.playTimes().size(), 2);
}

TEST(ReadAlong, PanelNavigationNeedsANewRecording) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    s.setStudyMode(5);
    s.record();
    s.stopRecording();
    s.readAlongNext();
    EXPECT_EQ(s.lesson().currentSentence(), 2);
    EXPECT_FALSE(s.view().readAlong.compareEnabled);
    EXPECT_FALSE(s.view().readAlong.stopEnabled);
    EXPECT_FALSE(s.view().readAlong.playRecordingEnabled);
    EXPECT_TRUE(rig.playTimes().size() == 1); // only the start-up play; mode 5 does not play
}

TEST(ReadAlong, WithoutAMicrophoneTheLearnerIsTold) {
    Rig rig;
    rig.standardBook();
    rig.recorder.setMicrophoneAvailable(false);
    OralixSession& s = rig.start();
    s.setStudyMode(5);
    s.record();
    EXPECT_FALSE(s.view().readAlong.stopEnabled);
    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    EXPECT_TRUE(rig.dialogs.texts()[0].startsWith(QStringLiteral("无法录音")));
}

TEST(Logo, OpensTheConfiguredPage) {
    Rig rig;
    rig.standardBook();
    rig.start().openLogoPage();
    EXPECT_EQ(rig.shell.urls(), QStringList{QStringLiteral("https://example.org/oralix")});
}

} // namespace
