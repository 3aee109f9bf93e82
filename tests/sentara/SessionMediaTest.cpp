#include "SentaraRig.h"
#include "sentara/dictation/FreeSpelling.h"

#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::SentaraSession;
using sentara::StudySettings;
using Role = support::SimulatedEngines::Role;
using Engine = support::SimulatedEngines::Engine;
using Kind = support::SimulatedPlayer::Call::Kind;

TEST(SessionMedia, DefaultEngineVolumesAndTheSilentVideoPlayer) {
    Rig rig;
    rig.lesson(kFirst, 1).settings(settingsAt(2));
    rig.start();
    support::SimulatedPlayer* sentence = rig.engines.latest(Engine::Default, Role::Sentence);
    support::SimulatedPlayer* video = rig.engines.latest(Engine::Default, Role::Video);
    support::SimulatedPlayer* word = rig.engines.latest(Engine::Default, Role::Word);
    ASSERT_TRUE(sentence && video && word);
    EXPECT_EQ(sentence->volume(), 100);
    EXPECT_EQ(video->volume(), 0);
    EXPECT_EQ(word->volume(), 70);
    EXPECT_FALSE(sentence->autoStart());
    EXPECT_EQ(video->currentPath(), sentence->currentPath());
    // Both open the same file and move together.
    EXPECT_EQ(video->calls(Kind::Play).size(), sentence->calls(Kind::Play).size());
    EXPECT_EQ(video->calls(Kind::Seek).size(), sentence->calls(Kind::Seek).size());
}

TEST(SessionMedia, MissingMediaFileLoadsTheLessonAndPlaysNothing) {
    Rig rig;
    rig.course.lesson(kFirst, 1, twoSentences()); // no audio file
    rig.settings(settingsAt(2));
    SentaraSession& s = rig.start();
    EXPECT_TRUE(s.view().lesson.loaded);
    EXPECT_FALSE(rig.sentencePlayer()->hasMedia());
    rig.clock.advance(3000);
    EXPECT_FALSE(s.view().mode.playing);
    s.SenNextCommand_Click();
    EXPECT_EQ(s.CurrentSentence(), 2);
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());
}

TEST(SessionMedia, GroupedTitlesShareOneFileAndSeekInsideIt) {
    Rig rig;
    rig.course.lesson(kSecond, 3, twoSentences());
    rig.course.media(kSecond, QStringLiteral("1.mp3"), 60000);
    rig.settings(settingsAt(62 + 3));
    SentaraSession& s = rig.start();
    EXPECT_TRUE(s.view().lesson.mediaPath.endsWith(QStringLiteral("/1.mp3")));
    EXPECT_TRUE(rig.sentencePlayer()->hasMedia());
}

TEST(SessionMedia, ReadWordPlaysTheWordFileAfterTenMilliseconds) {
    Rig rig;
    rig.lesson(kFirst, 1).settings(settingsAt(2));
    SentaraSession& s = rig.start();
    const QString path = rig.course.folder().wordSound(QStringLiteral("apple"));
    rig.course.media().add(path, 800);
    s.ReadWord(QStringLiteral("apple"));
    support::SimulatedPlayer* word = rig.engines.latest(Engine::Default, Role::Word);
    EXPECT_TRUE(word->calls(Kind::Open).isEmpty());
    rig.clock.advance(10);
    ASSERT_EQ(word->calls(Kind::Open).size(), 1);
    EXPECT_EQ(word->currentPath(), path);
    EXPECT_EQ(word->state(), ports::MediaPlayer::State::Playing);
}

TEST(SessionKeys, CtrlFlagAndModeSevenClearsTheSpellingBox) {
    Rig rig;
    rig.lesson(kFirst, 1).settings(settingsAt(2, 1, 7));
    SentaraSession& s = rig.start();
    s.KeyDown(sentara::ShortcutKey::Ctrl);
    EXPECT_TRUE(s.ctrlHeld());
    s.KeyUp(); // e.g. Shift released while Ctrl is still down
    EXPECT_FALSE(s.ctrlHeld());

    const sentara::FreeSpelling& spelling = s.freeSpelling();
    const int revision = spelling.view().inputRevision;
    EXPECT_TRUE(s.KeyDown(sentara::ShortcutKey::PageDown));
    EXPECT_EQ(s.CurrentSentence(), 2);
    EXPECT_GT(spelling.view().inputRevision, revision) << "the sentence box is emptied";
    EXPECT_TRUE(spelling.view().inputText.isEmpty());
    const int onLast = spelling.view().inputRevision;
    EXPECT_TRUE(
        s.KeyDown(sentara::ShortcutKey::PageDown)); // the last sentence: emptied all the same
    EXPECT_EQ(s.CurrentSentence(), 2);
    EXPECT_GT(spelling.view().inputRevision, onLast);
    EXPECT_FALSE(s.KeyDown(sentara::ShortcutKey::F5)) << "F5 outside mode 4 does nothing";
    EXPECT_FALSE(s.KeyDown(sentara::ShortcutKey::F1)) << "F1 outside mode 9 does nothing";
}

TEST(SessionReadAll, PlaysEachSentenceThenReturnsToIdleOnTheLast) {
    Rig rig;
    StudySettings st = settingsAt(2, 2, 1);
    st.readCountOf(sentara::RepeatFamily::All) = 1;
    st.pauseOf(sentara::RepeatFamily::All) = 1000;
    rig.lesson(kFirst, 1).settings(st);
    SentaraSession& s = rig.start();
    s.AllReadCommand_Click();
    EXPECT_EQ(s.CurrentSentence(), 1);
    EXPECT_EQ(s.fullText().view().readAllCaption, "停止朗读");
    EXPECT_TRUE(s.fullText().view().pauseEnabled);
    // Sentence 1 plays 1010 ms, the gap 1000 ms, then sentence 2 follows and read-all is done.
    rig.clock.advance(2010);
    EXPECT_EQ(s.CurrentSentence(), 2);
    EXPECT_EQ(s.fullText().view().readAllCaption, "全文朗读");
    EXPECT_FALSE(s.fullText().view().pauseEnabled);
    EXPECT_TRUE(s.view().mode.playing) << "the last sentence is still to be played";
}

TEST(SessionToggles, EachSwitchFlipsItsLineAndPicture) {
    Rig rig;
    rig.course.lesson(QStringLiteral("Third Book"), 1,
                      {sen(QStringLiteral("Hello world."), QStringLiteral("你好"), 1, 2)});
    rig.settings(settingsAt(124));
    SentaraSession& s = rig.start();
    sentara::FreeSpelling& spelling = s.freeSpelling();
    sentara::FreeSpellingView f = spelling.view();
    EXPECT_EQ(f.englishLine, "_____ _____.");
    EXPECT_EQ(f.chineseLine, "你好");
    spelling.toggleEnglish();
    spelling.toggleChinese();
    f = spelling.view();
    EXPECT_EQ(f.englishLine, "Hello world.");
    EXPECT_EQ(f.englishTogglePicture, "check_1.jpg");
    EXPECT_EQ(f.chineseLine, "已关闭");
    EXPECT_EQ(f.chineseTogglePicture, "check_0.jpg");
    s.SenNextCommand_Click(); // another display keeps "已关闭"
    EXPECT_EQ(spelling.view().chineseLine, "已关闭");
    sentara::SessionView v = s.view();

    EXPECT_FALSE(s.fullText().view().tipVisible);
    s.AllChineseCheckLabel_Click();
    const sentara::FullTextView full = s.fullText().view();
    EXPECT_FALSE(full.chineseLines);
    EXPECT_TRUE(full.tipVisible);
    EXPECT_EQ(full.layout, sentara::FullTextLayout::EnglishOnly)
        << "not one of the text-layout Books";
}
