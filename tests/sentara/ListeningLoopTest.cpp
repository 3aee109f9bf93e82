#include "SentaraRig.h"

#include "sentara/modes/VideoMode.h"

#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::RepeatFamily;
using sentara::SentaraSession;
using sentara::StudySettings;
using Kind = support::SimulatedPlayer::Call::Kind;

namespace {

QList<qint64> playTimes(const support::SimulatedPlayer* player) {
    QList<qint64> times;
    for (const auto& call : player->calls(Kind::Play)) {
        times << call.atMs;
    }
    return times;
}

QList<double> seekTargets(const support::SimulatedPlayer* player) {
    QList<double> targets;
    for (const auto& call : player->calls(Kind::Seek)) {
        targets << call.value;
    }
    return targets;
}

StudySettings sentenceMode(int readCount, int pauseMs, int playMode) {
    StudySettings s = settingsAt(2);
    s.readCountOf(RepeatFamily::Sen) = readCount;
    s.pauseOf(RepeatFamily::Sen) = pauseMs;
    s.playMode = playMode;
    return s;
}

QList<support::SentenceSpec> backupLesson() {
    return {sen(QStringLiteral("Hello there."), QStringLiteral("你好。"), 1.5, 3.25),
            sen(QStringLiteral("Bye."), QStringLiteral("再见。"), 12.5, 80)};
}

} // namespace

TEST(ListeningLoop, ThreePlaysTwoSecondsApartThenNextSentenceAndLoopToTheFirst) {
    Rig rig;
    rig.lesson(kFirst, 1).settings(sentenceMode(3, 2000, 1));
    SentaraSession& s = rig.start();
    // Sentence 1 is 1-2 s: each play lasts 1000 ms and is paused at the first 10 ms poll past its
    // end (1010 ms after it started); the 2000 ms pause counts from the end, so plays start
    // 3000 ms apart.
    EXPECT_EQ(rig.sentencePlayer()->spanEnd(), 2.0) << "the player knows where the sentence ends";
    rig.clock.advance(8999);
    EXPECT_EQ(playTimes(rig.sentencePlayer()), (QList<qint64>{0, 3000, 6000}));
    EXPECT_EQ(s.CurrentSentence(), 1);
    EXPECT_EQ(s.CurrentReadCount(), 3);
    rig.clock.advance(1); // one more pause: the next sentence starts
    EXPECT_EQ(s.CurrentSentence(), 2);
    rig.clock.advance(18000 - 9000);
    EXPECT_EQ(playTimes(rig.sentencePlayer()),
              (QList<qint64>{0, 3000, 6000, 9000, 12000, 15000, 18000}));
    EXPECT_EQ(s.CurrentSentence(), 1) << "after the last sentence the lesson starts again";
    EXPECT_EQ(seekTargets(rig.sentencePlayer()), (QList<double>{1, 1, 1, 3, 3, 3, 1}));
    QList<qint64> pauses;
    for (const auto& call : rig.sentencePlayer()->calls(Kind::Pause)) {
        pauses << call.atMs;
    }
    EXPECT_TRUE(pauses.contains(1010));
    EXPECT_TRUE(pauses.contains(4010));
    EXPECT_TRUE(pauses.contains(10010));
}

// The pause is the silence heard: from the moment the sentence's end was heard until the next
// play is heard. The default engine's players end a span exactly at its end, however late the
// poll notices it; the backup engine's play on until the poll pauses them, so there the pause
// starts at the poll. A player heard some time after a play is asked for (the sound server's
// start) is asked that much earlier.
TEST(ListeningLoop, ThePauseCountsFromTheEndHeardToTheNextPlayHeard) {
    struct Case {
        int engineChoice;
        double end; // seconds; the sentence starts at 1 s
        int pauseMs;
        int startDelayMs;
        qint64 secondPlay; // asked for, ms after the first
    };
    for (const Case& c : {Case{2, 2.004, 1000, 0, 2004}, // polled at 1010 ms, 6 ms late
                          Case{2, 2.0, 3000, 0, 4000},   // polled at 1010 ms, 10 ms late
                          Case{2, 2.004, 10, 0, 1020},   // never below the 10 ms minimum
                          Case{1, 2.004, 1000, 0, 2010},
                          // End heard at 1034, polled at 1040; heard again at 2034.
                          Case{2, 2.004, 1000, 30, 2004},
                          // Silent from the poll at 1040; heard again at 2040.
                          Case{1, 2.004, 1000, 30, 2010},
                          Case{2, 2.004, 20, 30, 1050}}) { // the 10 ms minimum again
        Rig rig;
        StudySettings st = sentenceMode(2, c.pauseMs, 0);
        st.engineChoice = c.engineChoice;
        rig.lesson(kFirst, 1, {sen(QStringLiteral("One."), QStringLiteral("一。"), 1.0, c.end)})
            .settings(st);
        rig.engines.setStartDelayMs(c.startDelayMs);
        rig.start();
        rig.clock.advance(10000);
        EXPECT_EQ(playTimes(rig.sentencePlayer()), (QList<qint64>{0, c.secondPlay}))
            << "engine " << c.engineChoice << ", end " << c.end << ", pause " << c.pauseMs
            << ", heard " << c.startDelayMs << " ms after a play is asked for";
    }
}

TEST(ListeningLoop, ManualModeRepeatsThenStays) {
    Rig rig;
    rig.lesson(kFirst, 1).settings(sentenceMode(2, 1000, 0));
    SentaraSession& s = rig.start();
    rig.clock.advance(60000);
    EXPECT_EQ(playTimes(rig.sentencePlayer()), (QList<qint64>{0, 2000}));
    EXPECT_EQ(s.CurrentSentence(), 1);
    EXPECT_FALSE(s.loop().anyTimerRunning());
}

TEST(ListeningLoop, ReadCountZeroPlaysNothingUntilThePlayCommandThenOnce) {
    Rig rig;
    rig.lesson(kFirst, 1).settings(sentenceMode(0, 10, 1));
    SentaraSession& s = rig.start();
    rig.clock.advance(5000);
    EXPECT_TRUE(playTimes(rig.sentencePlayer()).isEmpty());
    s.SenNextCommand_Click();
    rig.clock.advance(5000);
    EXPECT_TRUE(playTimes(rig.sentencePlayer()).isEmpty());
    s.SenPlayCommand_Click();
    rig.clock.advance(60000);
    EXPECT_EQ(playTimes(rig.sentencePlayer()), QList<qint64>{10000});
    EXPECT_EQ(s.CurrentSentence(), 2);
    EXPECT_EQ(s.CurrentReadCount(), 1);
}

TEST(ListeningLoop, PositionEqualToTheEndDoesNotStopPlayback) {
    Rig rig;
    rig.lesson(kFirst, 1).settings(sentenceMode(1, 1000, 0));
    SentaraSession& s = rig.start();
    rig.clock.advance(1000); // position exactly 2.0 s, the end
    EXPECT_TRUE(s.view().mode.playing);
    EXPECT_TRUE(rig.sentencePlayer()->calls(Kind::Pause).isEmpty());
    rig.clock.advance(10);
    EXPECT_FALSE(s.view().mode.playing);
    EXPECT_EQ(rig.sentencePlayer()->calls(Kind::Pause).size(), 1);
    EXPECT_DOUBLE_EQ(rig.sentencePlayer()->position(), 2.01);
}

TEST(ListeningLoop, BackupEnginePlaysInMilliseconds) {
    Rig rig;
    StudySettings st = sentenceMode(1, 1000, 0);
    st.engineChoice = 1;
    rig.lesson(kFirst, 1, backupLesson(), 90000).settings(st);
    SentaraSession& s = rig.start();
    EXPECT_EQ(s.SentenceStart(), 1500);
    EXPECT_EQ(s.SentenceEnd(), 3250);
    EXPECT_EQ(seekTargets(rig.sentencePlayer()), QList<double>{1500});
    rig.clock.advance(1750); // exactly at 3250 ms
    EXPECT_TRUE(s.view().mode.playing);
    rig.clock.advance(10);
    EXPECT_FALSE(s.view().mode.playing);
    EXPECT_EQ(rig.sentencePlayer()->position(), 3260);
}

TEST(ListeningLoop, ContinuousPlayRangeFollowsTheEngineUnit) {
    Rig rig;
    StudySettings st = sentenceMode(1, 1000, 0);
    st.engineChoice = 1;
    st.resumeSentence = 2;
    rig.lesson(kFirst, 1, backupLesson(), 90000).settings(st);
    SentaraSession& s = rig.start();
    EXPECT_EQ(s.LessonMediaStart(), 12500);
    EXPECT_EQ(s.LessonMediaSpan(), 67500);
    s.Option4_MouseUp(); // the range stays right when the engine changes
    EXPECT_DOUBLE_EQ(s.LessonMediaStart(), 12.5);
    EXPECT_DOUBLE_EQ(s.LessonMediaSpan(), 67.5);
}

TEST(ListeningLoop, ModesThreeAndSixPlayEachSentenceOnceWhateverTheCounts) {
    for (int mode : {3, 6}) {
        Rig rig;
        StudySettings st = settingsAt(2, 1, mode);
        st.readCount = {0, 0, 0, 0, 0};
        rig.lesson(kFirst, 1).settings(st);
        SentaraSession& s = rig.start();
        rig.clock.advance(20000);
        EXPECT_EQ(playTimes(rig.sentencePlayer()), QList<qint64>{0}) << mode;
        s.SenNextCommand_Click();
        rig.clock.advance(20000);
        EXPECT_EQ(playTimes(rig.sentencePlayer()), (QList<qint64>{0, 20000})) << mode;
    }
}

TEST(ListeningLoop, ModeNineNeverPlaysOnItsOwn) {
    Rig rig;
    rig.lesson(kFirst, 1).settings(settingsAt(2, 1, 9));
    SentaraSession& s = rig.start();
    s.SenNextCommand_Click();
    rig.clock.advance(5000);
    EXPECT_TRUE(playTimes(rig.sentencePlayer()).isEmpty());
    EXPECT_TRUE(s.KeyDown(sentara::ShortcutKey::F7)); // F7 in mode 9 plays the sentence
    EXPECT_EQ(playTimes(rig.sentencePlayer()), QList<qint64>{5000});
}

TEST(ListeningLoop, EachFamilyUsesItsOwnCountAndPause) {
    struct Case {
        int mode;
        RepeatFamily family;
    };
    for (const Case& c : {Case{4, RepeatFamily::Write}, Case{8, RepeatFamily::Click},
                          Case{7, RepeatFamily::Pen}, Case{1, RepeatFamily::All}}) {
        Rig rig;
        StudySettings st = settingsAt(2, 1, c.mode);
        st.readCount = {1, 1, 1, 1, 1};
        st.pauseMs = {60000, 60000, 60000, 60000, 60000};
        st.readCountOf(c.family) = 2;
        st.pauseOf(c.family) = 3000;
        rig.lesson(kFirst, 1).settings(st);
        rig.start();
        rig.clock.advance(30000);
        EXPECT_EQ(playTimes(rig.sentencePlayer()), (QList<qint64>{0, 4000})) << c.mode;
    }
}

TEST(ListeningLoop, NoGapPauseStillTicks) {
    Rig rig;
    rig.lesson(kFirst, 1).settings(sentenceMode(2, 10, 0));
    SentaraSession& s = rig.start();
    s.selectOption(sentara::OptionFamily::SenPause, 0); // "无间隔"
    EXPECT_EQ(s.loop().pause(RepeatFamily::Sen), 10);
    rig.clock.advance(5000);
    EXPECT_EQ(playTimes(rig.sentencePlayer()), (QList<qint64>{0, 1020}));
}

TEST(ContinuousPlay, DisplayFollowsTheAudioAndEverythingReturnsToIdleAtTheEnd) {
    Rig rig;
    rig.lesson(kFirst, 1,
               {sen(QStringLiteral("One."), QStringLiteral("一。"), 1.0, 2.0),
                sen(QStringLiteral("Two."), QStringLiteral("二。"), 2.0, 3.0),
                sen(QStringLiteral("Three."), QStringLiteral("三。"), 3.0, 4.0)})
        .settings(sentenceMode(0, 1000, 0));
    SentaraSession& s = rig.start();
    s.videoMode().playOn();
    EXPECT_FALSE(s.videoMode().view().readCommandVisible);
    EXPECT_TRUE(s.videoMode().view().pauseCommandVisible);
    const auto seeks = rig.sentencePlayer()->calls(Kind::Seek).size();
    // The player stands at 0 s: sentence 1 ends at 2 s, sentence 2 at 3 s, the lesson at 4 s.
    rig.clock.advance(2005);
    EXPECT_EQ(s.CurrentSentence(), 1);
    rig.clock.advance(10);
    EXPECT_EQ(s.CurrentSentence(), 2);
    rig.clock.advance(1000);
    EXPECT_EQ(s.CurrentSentence(), 3);
    EXPECT_EQ(rig.sentencePlayer()->calls(Kind::Seek).size(), seeks) << "no seek while following";
    EXPECT_TRUE(s.view().mode.playing);
    EXPECT_TRUE(s.view().lesson.sentences[2].current);
    rig.clock.advance(1000);
    EXPECT_FALSE(s.view().mode.playing);
    EXPECT_TRUE(s.videoMode().view().readCommandVisible);
    EXPECT_FALSE(s.loop().anyTimerRunning());
    for (const sentara::SentenceItem& item : s.view().lesson.sentences) {
        EXPECT_FALSE(item.current) << "every marker line is hidden at the end, " << item.number;
    }
    s.SenBegainCommand_Click(); // the next sentence shown brings its marker back
    EXPECT_TRUE(s.view().lesson.sentences[0].current);
}

TEST(ListeningLoop, AMenuCommandLeavesARunningPauseAlone) {
    // The pause after the first play runs from 1010 ms to 3000 ms; menu commands of other
    // families during it (a read count, the pass mark, the play mode, another family's pause)
    // neither restart nor stretch it.
    Rig rig;
    rig.lesson(kFirst, 1).settings(sentenceMode(2, 2000, 0));
    SentaraSession& s = rig.start();
    rig.clock.advance(2000);
    s.selectOption(sentara::OptionFamily::SenRead, 3); // "3次"
    s.selectOption(sentara::OptionFamily::PassMark, 0);
    s.selectOption(sentara::OptionFamily::PlayMode, 0);
    s.selectOption(sentara::OptionFamily::AllPause, 4);
    rig.clock.advance(1000);
    EXPECT_EQ(playTimes(rig.sentencePlayer()), (QList<qint64>{0, 3000}));
    EXPECT_EQ(s.loop().pause(RepeatFamily::All), 5000);
    EXPECT_EQ(s.loop().pause(RepeatFamily::Sen), 2000);
}

TEST(ListeningLoop, AutomaticPlayOnEnteringASentenceByModeAndReadCount) {
    // Modes 1, 2, 4, 7, 8 follow their family's read count; 3, 5, 6 always play; 9 never.
    for (int count : {0, 2}) {
        for (int mode = 1; mode <= 9; ++mode) {
            Rig rig;
            StudySettings st = settingsAt(245 + 1, 1, mode);
            st.readCount = {count, count, count, count, count};
            rig.course.lesson(kVideo, 1, twoSentences());
            rig.course.media(kVideo, QStringLiteral("1.wmv"), 10000);
            rig.settings(st);
            SentaraSession& s = rig.start();
            s.TabImage_Click(mode); // stops everything; nothing plays after a mode switch
            EXPECT_FALSE(s.view().mode.playing) << mode;
            s.SenNextCommand_Click();
            const bool expected = mode == 3 || mode == 5 || mode == 6 || (count > 0 && mode != 9);
            EXPECT_EQ(s.view().mode.playing, expected) << "mode " << mode << " count " << count;
        }
    }
}
