#include "SentaraRig.h"

#include "common/ports/VideoSurfaces.h"
#include "sentara/modes/VideoMode.h"

#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::SentaraSession;
using sentara::VideoView;
using Engine = support::SimulatedEngines::Engine;
using Role = support::SimulatedEngines::Role;
using Kind = support::SimulatedPlayer::Call::Kind;
using Place = ports::VideoSurfaces::Place;

namespace {

// The window's places for video, one object per engine and place.
struct Places : ports::VideoSurfaces {
    QObject* surface(Engine engine, Place place) const override {
        const int index = (engine == Engine::Backup ? 2 : 0) + (place == Place::ModeArea ? 0 : 1);
        return const_cast<QObject*>(&objects[index]);
    }
    QObject objects[4];
};

// Sentence i (1-based) spans (i - 1) + 0.5 .. (i - 1) + 1.3 s of a 10 s video.
QList<support::SentenceSpec> sentences(int count) {
    QList<support::SentenceSpec> list;
    for (int i = 1; i <= count; ++i) {
        list.append(sen(QStringLiteral("Line %1.").arg(i), QStringLiteral("第%1句。").arg(i),
                        (i - 1) + 0.5, (i - 1) + 1.3));
    }
    return list;
}

// A video lesson of the video course, started in `mode` at `sentence`.
SentaraSession& startVideo(Rig& rig, const QList<support::SentenceSpec>& lesson, int mode = 5,
                           int sentence = 1, qint64 mediaMs = 10000, int engineChoice = 2) {
    rig.course.lesson(kVideo, 1, lesson);
    rig.course.media(kVideo, QStringLiteral("1.wmv"), mediaMs);
    sentara::StudySettings st = settingsAt(246, sentence, mode);
    st.engineChoice = engineChoice;
    rig.settings(st);
    return rig.start();
}

double lastSeek(const Rig& rig) {
    const QList<support::SimulatedPlayer::Call> seeks = rig.sentencePlayer()->calls(Kind::Seek);
    return seeks.isEmpty() ? -1 : seeks.last().value;
}

} // namespace

TEST(VideoMode, ContinuousPlayAfterTheEndOfTheLessonRestartsAtSentenceOne) {
    Rig rig;
    SentaraSession& s = startVideo(rig, sentences(3), 5, 2);
    sentara::VideoMode& video = s.videoMode();
    // The video mode plays on from the saved sentence at once.
    EXPECT_TRUE(video.view().pauseCommandVisible);
    EXPECT_DOUBLE_EQ(lastSeek(rig), 1.5);
    rig.clock.advance(2000); // past 3.3 s, the end of the last sentence
    EXPECT_EQ(s.CurrentSentence(), 3);
    EXPECT_TRUE(video.view().readCommandVisible);
    EXPECT_FALSE(s.view().mode.playing);
    EXPECT_FALSE(s.loop().anyTimerRunning());

    video.playOn();
    EXPECT_EQ(s.CurrentSentence(), 1);
    EXPECT_DOUBLE_EQ(lastSeek(rig), 0.5);
    EXPECT_TRUE(video.view().pauseCommandVisible);
    EXPECT_TRUE(s.view().mode.playing);
    rig.clock.advance(900); // 1.4 s: the display follows the video to sentence 2
    EXPECT_EQ(s.CurrentSentence(), 2);

    // Paused in the middle, play on goes on from where the video stands.
    video.pauseVideo();
    EXPECT_TRUE(video.view().readCommandVisible);
    video.playOn();
    EXPECT_EQ(s.CurrentSentence(), 2);
    EXPECT_DOUBLE_EQ(lastSeek(rig), 0.5) << "no seek";
}

TEST(VideoMode, ALessonEndingWithItsMediaStillComesToAnEnd) {
    // The last sentence ends exactly where the video ends, so the player can never pass it:
    // continuous play and a sentence play still finish there instead of watching forever.
    Rig rig;
    SentaraSession& s = startVideo(rig, sentences(2), 5, 1, 2300);
    rig.clock.advance(3000);
    EXPECT_TRUE(s.videoMode().view().readCommandVisible);
    EXPECT_FALSE(s.loop().anyTimerRunning());

    s.TabImage_Click(6);
    int ended = 0;
    QObject::connect(&s.loop(), &sentara::ListeningLoop::sentencePlayEnded, [&] { ++ended; });
    s.SenNextCommand_Click(); // the voice view plays sentence 2 once
    rig.clock.advance(1000);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(s.loop().sentenceWatchRunning());
}

TEST(VideoMode, ClickingSegmentSevenDuringContinuousPlayContinuesFromSeven) {
    Rig rig;
    SentaraSession& s = startVideo(rig, sentences(9));
    sentara::VideoMode& video = s.videoMode();
    rig.clock.advance(1500);
    EXPECT_EQ(s.CurrentSentence(), 2);

    video.hoverSegment(7);
    EXPECT_TRUE(video.view().tipVisible);
    EXPECT_EQ(video.view().tipSegment, 7);
    EXPECT_EQ(video.view().tipText, "Line 7.");
    video.playOnFromSegment(7);
    EXPECT_EQ(s.CurrentSentence(), 7);
    EXPECT_DOUBLE_EQ(lastSeek(rig), 6.5);
    EXPECT_TRUE(s.loop().continuousPlaying());
    EXPECT_TRUE(video.view().pauseCommandVisible);
    EXPECT_EQ(video.view().progressFilled, 7);
    rig.clock.advance(1000); // 7.5 s: on to sentence 8 without a seek
    EXPECT_EQ(s.CurrentSentence(), 8);
    EXPECT_DOUBLE_EQ(lastSeek(rig), 6.5);

    // Moving over the picture hides the tip; segments outside the lesson do nothing.
    video.hideTip();
    EXPECT_FALSE(video.view().tipVisible);
    video.playOnFromSegment(10);
    EXPECT_EQ(s.CurrentSentence(), 8);
}

TEST(VideoMode, NavigationPausesThenPlaysTheNewSentenceOnceAndTheVideoClickToggles) {
    Rig rig;
    rig.course.dictionary(QStringLiteral("$line[lain]线"));
    SentaraSession& s = startVideo(rig, sentences(3));
    sentara::VideoMode& video = s.videoMode();
    rig.clock.advance(2000); // continuous play has reached sentence 3

    video.previousSentence();
    EXPECT_EQ(s.CurrentSentence(), 2);
    EXPECT_FALSE(s.loop().continuousPlaying());
    EXPECT_TRUE(video.view().pauseCommandVisible);
    EXPECT_DOUBLE_EQ(lastSeek(rig), 1.5);
    rig.clock.advance(900); // the sentence has ended: the play command is back
    EXPECT_FALSE(s.view().mode.playing);
    EXPECT_TRUE(video.view().readCommandVisible);
    EXPECT_EQ(s.CurrentSentence(), 2);

    video.firstSentence();
    EXPECT_FALSE(video.view().backEnabled);
    video.previousSentence(); // disabled on the first sentence: nothing moves
    EXPECT_EQ(s.CurrentSentence(), 1);
    rig.clock.advance(1000);
    video.nextSentence();
    video.nextSentence();
    EXPECT_EQ(s.CurrentSentence(), 3);
    EXPECT_FALSE(video.view().nextEnabled);
    rig.clock.advance(1000);
    video.playSentence();
    EXPECT_TRUE(s.view().mode.playing);
    EXPECT_DOUBLE_EQ(lastSeek(rig), 2.5);

    // A word opens the word panel and is pronounced; a click on the video plays on or pauses
    // and closes the panel.
    video.clickWord(1);
    EXPECT_TRUE(s.view().wordPanel.visible);
    EXPECT_EQ(s.view().wordPanel.headword, "line");
    rig.clock.advance(10);
    EXPECT_EQ(rig.engines.latest(Role::Word)->calls(Kind::Open).size(), 1);
    video.clickWord(3); // "3" does not react
    EXPECT_EQ(rig.engines.latest(Role::Word)->calls(Kind::Open).size(), 1);
    rig.clock.advance(1000);
    video.toggleVideoPlay();
    EXPECT_TRUE(s.loop().continuousPlaying());
    EXPECT_FALSE(s.view().wordPanel.visible);
    video.toggleVideoPlay();
    EXPECT_FALSE(s.loop().continuousPlaying());
    EXPECT_TRUE(video.view().readCommandVisible);
}

TEST(VideoMode, LineTogglesSwitchTheirPicturesAndAreSaved) {
    Rig rig;
    SentaraSession& s = startVideo(rig, sentences(2));
    sentara::VideoMode& video = s.videoMode();
    VideoView v = video.view();
    EXPECT_TRUE(v.tabVisible);
    EXPECT_TRUE(v.englishVisible && v.chineseVisible);
    EXPECT_EQ(v.chinese, "第1句。");
    EXPECT_EQ(v.words.size(), 4); // "Line", " ", "1", "."
    video.toggleVideoEnglish();
    video.toggleVideoChinese();
    v = video.view();
    EXPECT_FALSE(v.englishVisible);
    EXPECT_FALSE(v.chineseVisible);
    EXPECT_EQ(v.englishTogglePicture, "EnglishCheck_0.jpg");
    EXPECT_EQ(v.chineseTogglePicture, "ChineseCheck_0.jpg");
    s.shutdown();
    const sentara::StudySettings saved = *sentara::StudySettings::read(rig.course.folder());
    EXPECT_EQ(saved.videoEnglishCheck, 0);
    EXPECT_EQ(saved.videoChineseCheck, 0);
    video.toggleVideoEnglish();
    EXPECT_EQ(video.view().englishTogglePicture, "EnglishCheck_1.jpg");
}

TEST(VideoMode, FloatingWindowFollowsModeEngineBookAndTheLearnersChoice) {
    Rig rig;
    Places places;
    SentaraSession& s = startVideo(rig, sentences(2));
    sentara::VideoMode& video = s.videoMode();
    s.setVideoSurfaces(&places);
    support::SimulatedPlayer* twin = rig.engines.latest(Engine::Default, Role::Video);
    // The default engine: the sentence player into the video area, its twin into the window.
    EXPECT_EQ(rig.sentencePlayer()->videoSurface(),
              places.surface(Engine::Default, Place::ModeArea));
    EXPECT_EQ(twin->videoSurface(), places.surface(Engine::Default, Place::FloatingWindow));
    EXPECT_FALSE(video.view().floatingWindowVisible) << "the video mode shows its own picture";
    EXPECT_TRUE(video.view().menuEntryVisible);

    s.TabImage_Click(2);
    EXPECT_TRUE(video.view().floatingWindowVisible);
    video.closeFloatingWindow();
    EXPECT_FALSE(video.view().floatingWindowVisible);
    EXPECT_EQ(video.view().menuEntryCaption, "打开视频");
    video.toggleFloatingWindow();
    EXPECT_TRUE(video.view().floatingWindowVisible);
    EXPECT_EQ(video.view().menuEntryCaption, "关闭视频");

    // Minimized, the window goes; it comes back 100 ms after the main window is restored.
    video.mainWindowMinimized();
    EXPECT_FALSE(video.view().floatingWindowVisible);
    video.mainWindowRestored();
    rig.clock.advance(90);
    EXPECT_FALSE(video.view().floatingWindowVisible);
    rig.clock.advance(10);
    EXPECT_TRUE(video.view().floatingWindowVisible);

    // The backup engine has no floating window: its one player draws into the video area in
    // the video mode and nowhere in the others.
    s.Option3_MouseUp();
    EXPECT_FALSE(video.view().floatingWindowVisible);
    EXPECT_TRUE(video.view().nativePicture);
    EXPECT_EQ(rig.sentencePlayer()->videoSurface(), nullptr);
    video.mainWindowMinimized();
    video.mainWindowRestored();
    rig.clock.advance(100);
    EXPECT_FALSE(video.view().floatingWindowVisible);
    s.TabImage_Click(5);
    EXPECT_EQ(rig.sentencePlayer()->videoSurface(),
              places.surface(Engine::Backup, Place::ModeArea));
    s.TabImage_Click(3);
    EXPECT_EQ(rig.sentencePlayer()->videoSurface(), nullptr);

    // Back on the default engine the window returns; a Book without video has none.
    s.Option4_MouseUp();
    EXPECT_TRUE(video.view().floatingWindowVisible);
    EXPECT_EQ(rig.engines.latest(Engine::Default, Role::Video)->videoSurface(),
              places.surface(Engine::Default, Place::FloatingWindow));
    rig.lesson(kFirst, 1);
    s.TreeView1_NodeClick(2);
    EXPECT_FALSE(video.view().floatingWindowVisible);
    EXPECT_FALSE(video.view().menuEntryVisible);
}

TEST(VideoMode, AWindowPutAwayStaysAwayInTheNextLessonAndTheMenuEntrySaysSo) {
    Rig rig;
    SentaraSession& s = startVideo(rig, sentences(2), 2);
    sentara::VideoMode& video = s.videoMode();
    ASSERT_TRUE(video.view().floatingWindowVisible);
    video.closeFloatingWindow();
    rig.course.lesson(kVideo, 2, sentences(3));
    rig.course.media(kVideo, QStringLiteral("2.wmv"), 10000);
    s.TreeView1_NodeClick(247);
    ASSERT_EQ(s.SentenceCount(), 3);
    EXPECT_FALSE(video.view().floatingWindowVisible);
    EXPECT_TRUE(video.view().menuEntryVisible);
    EXPECT_EQ(video.view().menuEntryCaption, "打开视频") << "the entry names what it will do";
    video.toggleFloatingWindow();
    EXPECT_TRUE(video.view().floatingWindowVisible);
    EXPECT_EQ(video.view().menuEntryCaption, "关闭视频");
}
