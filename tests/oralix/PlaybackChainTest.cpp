#include "OralixRig.h"

#include <gtest/gtest.h>

using namespace oralix;
using namespace oralix_test;

namespace {

TEST(PlaybackChain, RepeatTwiceWithThreeSecondPausesThenTheNextSentence) {
    Rig rig;
    rig.standardBook().trainerSettings(
        QStringLiteral("0\\1\\1\\2\\3\\1\\1\\\\0\\Daily Talk\\0\\0\\"));
    OralixSession& s = rig.start();
    EXPECT_EQ(s.pauseIntervalMs(), 3010);
    EXPECT_EQ(rig.player().spanEnd(), 2.0) << "the player knows where the sentence ends";
    rig.clock.advance(20000);
    // Sentence 1 (0.5-2.0 s) plays at 0, ends at 1500, pauses 3010 ms, plays at 4510, ends at
    // 6010, pauses again; sentence 2 starts at 9020 and is played twice the same way.
    const QList<qint64> expected = {0, 4510, 9020, 13530, 18040};
    EXPECT_EQ(rig.playTimes(), expected);
    EXPECT_EQ(rig.seeks(), (QList<double>{0.5, 0.5, 2.5, 2.5, 4.5}));
    EXPECT_EQ(s.lesson().currentSentence(), 3);
    // A play stops at its end, give or take nothing: every pause comes exactly 1500 ms later.
    QList<qint64> pauses;
    for (const auto& c : rig.player().calls(support::SimulatedPlayer::Call::Kind::Pause)) {
        pauses << c.atMs;
    }
    EXPECT_EQ(pauses.mid(0, 4), (QList<qint64>{1500, 6010, 10520, 15030}));
}

// The pause counts from the end heard, not from the 30 ms poll that saw it: the default
// engine's player ends a span at its end (at any speed), the backup engine's plays on until the
// poll pauses it. It lasts until the next play is heard: a player heard some time after a play
// is asked for is asked that much earlier.
TEST(PlaybackChain, ThePauseCountsFromTheEndHeardToTheNextPlayHeard) {
    struct Case {
        int engine;
        int speed; // 0, 1, 2: 0.75x, 1x, 1.25x
        int startDelayMs;
        qint64 secondPlay; // asked for
    };
    // The span is 1490 ms of media; the interval box says 3 s, a pause of 3010 ms.
    for (const Case& c : {Case{2, 1, 0, 1490 + 3010},       // seen at 1500, 10 ms late
                          Case{1, 1, 0, 1500 + 3010},       // silent only from the poll at 1500
                          Case{2, 2, 0, 1192 + 3010},       // 1192 ms at 1.25x, seen at 1200
                          Case{2, 2, 40, 1232 + 3010 - 40}, // heard from 40, seen at 1260
                          Case{1, 1, 40, 1530 + 3010 - 40}}) {
        Rig rig;
        rig.engines.setStartDelayMs(c.startDelayMs);
        rig.course.bookList(kBook, {QStringLiteral("L1")})
            .lesson(kBook, 1, {sentence(QStringLiteral("One."), QStringLiteral("一。"), 0.5, 1.99)})
            .media(kBook, QStringLiteral("1.mp3"), 5000)
            .studySettings(setDat(c.engine))
            .trainerSettings(QStringLiteral("0\\1\\1\\2\\3\\1\\1\\\\0\\Daily Talk\\0\\0\\"));
        OralixSession& s = rig.start();
        s.setSpeed(c.speed);
        s.playSentence();
        rig.player().clearLog();
        rig.clock.advance(6000);
        EXPECT_EQ(rig.playTimes().value(0), c.secondPlay)
            << "engine " << c.engine << ", speed " << c.speed << ", heard " << c.startDelayMs
            << " ms after a play is asked for";
    }
}

// The last sentence's recorded end can lie past the end of its media: the player stops at the
// media end, and the chain goes on from there instead of waiting for a position never reached.
TEST(PlaybackChain, ASentenceEndingPastTheMediaEndEndsWithTheMedia) {
    for (int engine : {1, 2}) {
        Rig rig;
        rig.course.bookList(kBook, {QStringLiteral("L1")})
            .lesson(kBook, 1, {sentence(QStringLiteral("One."), QStringLiteral("一。"), 0.5, 6.0)})
            .media(kBook, QStringLiteral("1.mp3"), 5000)
            .studySettings(setDat(engine))
            .trainerSettings(QStringLiteral("0\\1\\1\\2\\3\\1\\1\\\\0\\Daily Talk\\0\\0\\"));
        OralixSession& s = rig.start();
        s.playSentence();
        rig.player().clearLog();
        rig.clock.advance(9000);
        // The media ends 4500 ms into the play, seen by the poll within 30 ms; then the pause.
        ASSERT_FALSE(rig.playTimes().isEmpty()) << "engine " << engine << ": played again";
        EXPECT_GE(rig.playTimes().value(0), 4500 + 3010) << "engine " << engine;
        EXPECT_LE(rig.playTimes().value(0), 4500 + 30 + 3010) << "engine " << engine;
    }
}

TEST(PlaybackChain, IntervalZeroPausesTenMilliseconds) {
    Rig rig;
    rig.standardBook().trainerSettings(
        QStringLiteral("0\\1\\1\\1\\0\\1\\1\\\\0\\Daily Talk\\0\\0\\"));
    OralixSession& s = rig.start();
    EXPECT_EQ(s.pauseIntervalMs(), 10);
    rig.clock.advance(1600);
    EXPECT_EQ(rig.playTimes(), (QList<qint64>{0, 1510}));
    s.setIntervalText(QStringLiteral("20"));
    EXPECT_EQ(s.pauseIntervalMs(), 20010);
    s.setIntervalText(QStringLiteral("0"));
    EXPECT_EQ(s.pauseIntervalMs(), 10);
}

// One-sentence lessons L1..L4, the range from index `start` to the lesson titled `end`.
struct RangeCase {
    int startLesson; // where the session starts
    int rangeStart;
    QString rangeEnd;
    QList<int> expectedLessons; // lesson indexes loaded one after another
};

class LessonRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(LessonRange, TheChainWrapsFromTheEndLessonToTheStartLesson) {
    const RangeCase& c = GetParam();
    Rig rig;
    rig.course.bookList(kBook, {QStringLiteral("L1"), QStringLiteral("L2"), QStringLiteral("L3"),
                                QStringLiteral("L4")});
    for (int n = 1; n <= 4; ++n) {
        rig.course.lesson(kBook, n,
                          {sentence(QStringLiteral("Go."), QStringLiteral("走。"), 0, 1)});
        rig.course.media(kBook, QString::number(n) + QStringLiteral(".mp3"), 5000);
    }
    rig.course.trainerSettings(QStringLiteral("%1\\1\\1\\1\\0\\1\\1\\%2\\%3\\Daily Talk\\0\\0\\")
                                   .arg(c.startLesson)
                                   .arg(c.rangeEnd)
                                   .arg(c.rangeStart));
    OralixSession& s = rig.start();
    QList<int> loaded = {s.view().lessons.index};
    for (int i = 1; i < c.expectedLessons.size(); ++i) {
        rig.clock.advance(1030); // a 1 s sentence seen ending by the 30 ms poll, a 10 ms pause
        loaded << s.view().lessons.index;
        EXPECT_EQ(s.lesson().currentSentence(), 1);
    }
    EXPECT_EQ(loaded, c.expectedLessons);
    EXPECT_EQ(rig.playTimes().size(), c.expectedLessons.size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LessonRange,
    ::testing::Values(RangeCase{1, 1, QStringLiteral("L3"), {1, 2, 1, 2, 1}},
                      RangeCase{0, 2, QStringLiteral("L1"), {0, 2, 3, 2, 3}},
                      // The end of the list without meeting the end lesson: back to the start.
                      RangeCase{2, 1, QStringLiteral("nowhere"), {2, 3, 1, 2, 3}}));

TEST(PlaybackChain, TheBackupEngineWorksInWholeMilliseconds) {
    Rig rig;
    rig.course.bookList(kBook, {QStringLiteral("L1")})
        .lesson(kBook, 1,
                {sentence(QStringLiteral("One."), QStringLiteral("一。"), 1.5, 2.25),
                 sentence(QStringLiteral("Two."), QStringLiteral("二。"), 2.4996, 3)})
        .media(kBook, QStringLiteral("1.mp3"), 5000)
        .studySettings(setDat(1));
    OralixSession& s = rig.start();
    EXPECT_EQ(s.voice()->engine(), ports::MediaEngines::Engine::Backup);
    EXPECT_EQ(rig.player().unit(), ports::MediaPlayer::Unit::Milliseconds);
    EXPECT_EQ(rig.seeks(), QList<double>{1500});
    rig.clock.advance(750);
    EXPECT_EQ(rig.player().calls(support::SimulatedPlayer::Call::Kind::Pause).size(), 1);
    s.nextSentence();
    EXPECT_EQ(rig.seeks().last(), 2500); // rounded to a whole millisecond
}

TEST(PlaybackChain, TheDefaultEngineIsReplacedByTheBackupWhenItCannotBeUsed) {
    Rig rig;
    rig.standardBook().studySettings(setDat(2));
    rig.engines.setDefaultAvailable(false);
    OralixSession& s = rig.start();
    EXPECT_EQ(s.voice()->engine(), ports::MediaEngines::Engine::Backup);
    EXPECT_EQ(rig.seeks(), QList<double>{500});
}

// The start-up looks only for the default engine's files; once its libraries are read it may
// still turn out unusable. The backup engine then takes over without a word and the chain goes
// on from the sentence on display.
TEST(PlaybackChain, ADefaultEngineFoundUnusableAfterStartUpGivesWayToTheBackupSilently) {
    Rig rig;
    rig.standardBook().studySettings(setDat(2));
    OralixSession& s = rig.start();
    s.nextSentence(); // sentence 2, 2.5 to 4 s, is being played
    rig.clock.advance(300);

    rig.engines.setDefaultAvailable(false);
    s.confirmDefaultEngine();
    EXPECT_EQ(s.engineChoice(), 1);
    ASSERT_EQ(s.voice()->engine(), ports::MediaEngines::Engine::Backup);
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());
    EXPECT_EQ(s.lesson().currentSentence(), 2);
    EXPECT_EQ(rig.player().unit(), ports::MediaPlayer::Unit::Milliseconds);
    EXPECT_EQ(rig.player().currentPath(), s.lessonMediaPath());
    EXPECT_EQ(rig.seeks(), QList<double>{2500});
    EXPECT_EQ(rig.player().spanEnd(), 4000);
    EXPECT_EQ(rig.player().calls(support::SimulatedPlayer::Call::Kind::Volume).size(), 0);
    // Its end is found, the pause follows, then the next sentence.
    rig.clock.advance(1500 + 30 + 1010 + 10);
    EXPECT_EQ(s.lesson().currentSentence(), 3);
    EXPECT_EQ(rig.seeks().last(), 4500);

    // A usable default engine, or the backup engine already chosen, changes nothing.
    for (const int choice : {2, 1}) {
        Rig other;
        other.standardBook().studySettings(setDat(choice));
        OralixSession& t = other.start();
        const qsizetype made = other.engines.made().size();
        t.confirmDefaultEngine();
        EXPECT_EQ(other.engines.made().size(), made) << choice;
        EXPECT_EQ(t.engineChoice(), choice);
    }
}

TEST(Navigation, PageDownOnTheLastSentenceAndPageUpOnTheFirstDoNothing) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    EXPECT_FALSE(s.view().sentence.previousEnabled);
    s.previousSentence();
    EXPECT_EQ(s.lesson().currentSentence(), 1);
    s.nextSentence();
    s.nextSentence();
    EXPECT_EQ(s.lesson().currentSentence(), 3);
    EXPECT_FALSE(s.view().sentence.nextEnabled);
    EXPECT_TRUE(s.view().sentence.previousEnabled);
    const int plays = rig.playTimes().size();
    s.nextSentence();
    EXPECT_EQ(s.lesson().currentSentence(), 3);
    EXPECT_EQ(rig.playTimes().size(), plays);
    s.firstSentence();
    EXPECT_EQ(s.lesson().currentSentence(), 1);
    EXPECT_FALSE(s.view().sentence.previousEnabled);
    EXPECT_TRUE(s.view().sentence.nextEnabled);
}

TEST(Navigation, RepeatCountZeroShowsSentencesWithoutPlayingThem) {
    Rig rig;
    rig.standardBook().trainerSettings(
        QStringLiteral("0\\1\\1\\0\\1\\1\\1\\\\0\\Daily Talk\\0\\0\\"));
    OralixSession& s = rig.start();
    EXPECT_TRUE(rig.playTimes().isEmpty());
    s.playSentence(); // a manual play: once, then the next sentence is shown without playing
    rig.clock.advance(1500 + 1010);
    EXPECT_EQ(rig.playTimes().size(), 1);
    EXPECT_EQ(s.lesson().currentSentence(), 2);
}

TEST(ReadAll, ReadsTheWholeLessonSentenceAfterSentenceThenResetsTheButton) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    s.setStudyMode(2);
    s.setIntervalText(QStringLiteral("0"));
    rig.player().clearLog();
    QList<int> followed;
    QObject::connect(&s, &OralixSession::followRow, [&followed](int row) { followed << row; });
    s.readAllPressed();
    EXPECT_EQ(s.view().fullText.readAllCaption, QStringLiteral(" 停止朗读(&S)"));
    EXPECT_TRUE(s.view().fullText.pauseEnabled);
    EXPECT_TRUE(s.lesson().rows()[0].underline);
    rig.clock.advance(1510);
    EXPECT_EQ(s.readAllIndex(), 2);
    EXPECT_FALSE(s.lesson().rows()[0].underline);
    EXPECT_TRUE(s.lesson().rows()[1].underline);
    rig.clock.advance(3020);
    EXPECT_EQ(followed, (QList<int>{1, 2, 3}));
    EXPECT_EQ(rig.seeks(), (QList<double>{0.5, 2.5, 4.5}));
    EXPECT_EQ(s.view().fullText.readAllCaption, QStringLiteral(" 全文朗读(&R)"));
    EXPECT_FALSE(s.view().fullText.pauseEnabled);
    for (const SentenceRow& row : s.lesson().rows()) {
        EXPECT_FALSE(row.underline);
    }
    rig.clock.advance(10000);
    EXPECT_EQ(rig.playTimes().size(), 3); // nothing more after the last sentence
}

TEST(ReadAll, PausingMidSpanAndResumingFinishesTheSpanThenPausesAsUsual) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    s.setStudyMode(2); // repeat 1, interval 1
    rig.player().clearLog();
    s.readAllPressed();
    rig.clock.advance(600);
    s.pauseResumePressed();
    EXPECT_EQ(s.view().fullText.pauseCaption, QStringLiteral(" 继续朗读(&A)"));
    rig.clock.advance(5000); // paused: the span does not end
    EXPECT_EQ(s.readAllIndex(), 1);
    s.pauseResumePressed();
    EXPECT_EQ(s.view().fullText.pauseCaption, QStringLiteral(" 暂停朗读(&P)"));
    EXPECT_EQ(rig.player().spanEnd(), 2.0) << "resumed, the span still ends where it did";
    rig.clock.advance(910); // the remaining 900 ms, seen by the next 30 ms poll
    EXPECT_FALSE(s.pollRunning());
    EXPECT_TRUE(s.pauseRunning());
    rig.clock.advance(1010);
    EXPECT_EQ(s.readAllIndex(), 2);
}

// Read-all paused at `pressAt` ms, resumed 10 s later: nothing plays while paused, and after
// the resume the chain goes on as the pause between two plays would have.
struct HeldPauseCase {
    const char* name;
    qint64 pressAt;
    int repeat;
    qint64 playsAfterResume; // ms from the resume to the next play
    double nextSeek;
    int nextIndex;
};

void PrintTo(const HeldPauseCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadAllHeldPause : public ::testing::TestWithParam<HeldPauseCase> {};

TEST_P(ReadAllHeldPause, APauseHoldsFromWheneverItIsPressed) {
    const HeldPauseCase& c = GetParam();
    Rig rig;
    // Sentence 1 ends 1490 ms after its start: the 30 ms poll sees it at 1500, and the 1010 ms
    // pause, counted from the end heard, runs until 2500.
    rig.course.bookList(kBook, {QStringLiteral("L1")})
        .lesson(kBook, 1,
                {sentence(QStringLiteral("One."), QStringLiteral("一。"), 0.5, 1.99),
                 sentence(QStringLiteral("Two."), QStringLiteral("二。"), 2.5, 4.0)})
        .media(kBook, QStringLiteral("1.mp3"), 5000);
    OralixSession& s = rig.start();
    s.setStudyMode(2); // interval 1
    s.setRepeatText(QString::number(c.repeat));
    rig.player().clearLog();
    s.readAllPressed();
    rig.clock.advance(c.pressAt);
    s.pauseResumePressed();
    rig.clock.advance(10000);
    EXPECT_EQ(rig.playTimes(), QList<qint64>{0});
    EXPECT_EQ(s.readAllIndex(), 1);
    EXPECT_EQ(s.view().fullText.pauseCaption, QStringLiteral(" 继续朗读(&A)"));

    const qint64 resumedAt = rig.clock.nowMs();
    s.pauseResumePressed();
    rig.clock.advance(c.playsAfterResume - 1);
    EXPECT_EQ(rig.playTimes().size(), 1);
    rig.clock.advance(1);
    EXPECT_EQ(rig.playTimes(), (QList<qint64>{0, resumedAt + c.playsAfterResume}));
    EXPECT_EQ(rig.seeks().last(), c.nextSeek);
    EXPECT_EQ(s.readAllIndex(), c.nextIndex);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadAllHeldPause,
    ::testing::Values(
        // 110 ms into the pause: the 900 ms left of it, then the next sentence.
        HeldPauseCase{"InThePause", 1600, 1, 900, 2.5, 2},
        // The same, when the sentence is to be played twice: it plays again.
        HeldPauseCase{"InThePauseBeforeARepeat", 1600, 2, 900, 0.5, 1},
        // 5 ms after the span's end, before the poll saw it: all but those 5 ms after the resume.
        HeldPauseCase{"BeforeTheEndWasSeen", 1495, 1, 1005, 2.5, 2}),
    [](const ::testing::TestParamInfo<HeldPauseCase>& info) { return info.param.name; });

TEST(ReadAll, StoppingDuringThePauseLeavesThePlayerSilent) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    s.setStudyMode(2);
    rig.player().clearLog();
    s.readAllPressed();
    rig.clock.advance(1600); // inside the 1010 ms pause after sentence 1
    s.readAllPressed();
    EXPECT_FALSE(s.view().fullText.reading);
    rig.clock.advance(5000);
    EXPECT_EQ(rig.playTimes().size(), 1);
}

TEST(Speed, TheThreeSpeedsSetThePlaybackRate) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    s.setSpeed(0);
    EXPECT_DOUBLE_EQ(rig.player().playbackRate(), 0.75);
    s.setSpeed(2);
    EXPECT_DOUBLE_EQ(rig.player().playbackRate(), 1.25);
    s.chooseLesson(1); // a new file keeps the chosen speed
    EXPECT_DOUBLE_EQ(rig.player().playbackRate(), 1.25);
    s.setSpeed(1);
    EXPECT_DOUBLE_EQ(rig.player().playbackRate(), 1.0);
}

} // namespace
