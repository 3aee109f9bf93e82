#include "SentaraRig.h"
#include "sentara/dictation/DictationTest.h"
#include "sentara/dictation/FreeSpelling.h"

#include "sentara/modes/VideoMode.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace sentara_test;
using sentara::SentaraSession;
using sentara::StudySettings;

namespace {

QList<support::SentenceSpec> three() {
    return {
        sen(QStringLiteral("One."), QStringLiteral("一。"), 1.0, 2.0),
        sen(QStringLiteral("Two."), QStringLiteral("二。"), 3.0, 4.0),
        sen(QStringLiteral("Three."), QStringLiteral("三。"), 5.0, 6.0),
    };
}

} // namespace

TEST(CatalogueClicks, BookNodeLoadsNothingLessonNodeLoadsFromTheFirstSentence) {
    Rig rig;
    rig.lesson(kFirst, 1, three()).lesson(kSecond, 1, three()).settings(settingsAt(2, 3));
    rig.course.media(kSecond, QStringLiteral("1.mp3"), 10000);
    SentaraSession& s = rig.start();
    ASSERT_EQ(s.CurrentSentence(), 3);

    s.TreeView1_NodeClick(62); // Book node of Book 2
    EXPECT_EQ(s.view().lesson.book, kFirst);
    EXPECT_EQ(s.CurrentSentence(), 3);
    EXPECT_EQ(s.view().lesson.selectedNode, 2);

    s.TreeView1_NodeClick(671); // no such node
    EXPECT_EQ(s.view().lesson.book, kFirst);

    s.TreeView1_NodeClick(63);
    EXPECT_EQ(s.view().lesson.book, kSecond);
    EXPECT_EQ(s.view().lesson.lesson, 1);
    EXPECT_EQ(s.view().lesson.selectedNode, 63);
    EXPECT_EQ(s.CurrentSentence(), 1);
    EXPECT_EQ(s.settings().catalogueNodeIndex, 63);
    EXPECT_EQ(s.settings().resumeSentence, 1);
    EXPECT_EQ(rig.sentencePlayer()->volume(), 50);
}

TEST(CatalogueClicks, MissingLessonFileKeepsThePreviousLessonAndSelection) {
    Rig rig;
    rig.lesson(kFirst, 1, three()).settings(settingsAt(2));
    SentaraSession& s = rig.start();
    s.SenNextCommand_Click();
    const QString mediaBefore = rig.sentencePlayer()->currentPath();

    s.TreeView1_NodeClick(670); // lesson 30 of the last Book: no file
    const sentara::SessionView v = s.view();
    EXPECT_EQ(v.lesson.book, kFirst);
    EXPECT_EQ(v.lesson.lesson, 1);
    EXPECT_EQ(v.lesson.selectedNode, 2);
    EXPECT_EQ(s.settings().catalogueNodeIndex, 2);
    EXPECT_EQ(v.sentence.english, "Two.");
    EXPECT_EQ(s.settings().resumeSentence, 2) << "the next start resumes on the sentence shown";
    EXPECT_EQ(rig.sentencePlayer()->currentPath(), mediaBefore);
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());

    // A later lesson click that works replaces it; the one after that falls back to it.
    rig.course.lesson(kLast, 30, three());
    s.TreeView1_NodeClick(670);
    EXPECT_EQ(s.view().lesson.book, kLast);
    s.TreeView1_NodeClick(641);
    EXPECT_EQ(s.view().lesson.book, kLast);
    EXPECT_EQ(s.view().lesson.selectedNode, 670);
}

TEST(CatalogueClicks, ALessonLoadEmptiesTheSpellingBoxAndEachSentenceTheDictationBox) {
    Rig rig;
    rig.lesson(kFirst, 1, three()).lesson(kFirst, 2, three()).settings(settingsAt(2));
    SentaraSession& s = rig.start();
    const sentara::FreeSpelling& spelling = s.freeSpelling();
    const sentara::DictationTest& dictation = s.dictation();
    int spellingRevision = spelling.view().inputRevision;
    int dictationRevision = dictation.view().inputRevision;
    s.TreeView1_NodeClick(3);
    EXPECT_GT(spelling.view().inputRevision, spellingRevision);
    EXPECT_GT(dictation.view().inputRevision, dictationRevision);
    spellingRevision = spelling.view().inputRevision;
    dictationRevision = dictation.view().inputRevision;
    s.TreeView1_NodeClick(670); // missing: the old lesson stays, the box is emptied all the same
    EXPECT_GT(spelling.view().inputRevision, spellingRevision);
    EXPECT_EQ(dictation.view().inputRevision, dictationRevision);
    spellingRevision = spelling.view().inputRevision;
    s.SenNextCommand_Click();
    EXPECT_EQ(spelling.view().inputRevision, spellingRevision);
    EXPECT_GT(dictation.view().inputRevision, dictationRevision);
    EXPECT_TRUE(dictation.view().inputText.isEmpty());
}

TEST(CatalogueClicks, EveryLessonLoadPutsTheTextPanelsBackAtTheTop) {
    Rig rig;
    rig.lesson(kFirst, 1, three()).lesson(kFirst, 2, three());
    StudySettings start = settingsAt(2, 1, 3);
    start.sentencePanelTop = -2500;
    start.sentenceHandleTop = 700;
    rig.settings(start);
    SentaraSession& s = rig.start();
    // At start-up the list goes back where the learner left it.
    EXPECT_EQ(s.settings().sentencePanelTop, -2500);
    EXPECT_EQ(s.settings().sentenceHandleTop, 700);
    const int movedAtStart = s.view().mode.textPanelsMoved;

    s.TreeView1_NodeClick(3);
    ASSERT_EQ(s.view().lesson.lesson, 2);
    EXPECT_EQ(s.view().mode.sentencePanelTop, 0);
    EXPECT_EQ(s.view().mode.sentenceHandleTop, sentara::kScrollHandleStart);
    EXPECT_GT(s.view().mode.textPanelsMoved, movedAtStart);
    // What the window reports is what is saved.
    s.setSentencePanelPositions(-600, 420);
    s.shutdown();
    const std::optional<StudySettings> saved = StudySettings::read(rig.course.folder());
    EXPECT_EQ(saved->sentencePanelTop, -600);
    EXPECT_EQ(saved->sentenceHandleTop, 420);
}

TEST(ModeSwitch, TabFiveOnlyForTheVideoCourse) {
    Rig rig;
    rig.lesson(kFirst, 1, three()).settings(settingsAt(2));
    rig.course.lesson(kVideo, 1, three());
    rig.course.media(kVideo, QStringLiteral("1.wmv"), 10000);
    SentaraSession& s = rig.start();
    EXPECT_FALSE(s.view().mode.tabVisible[5]);
    EXPECT_FALSE(s.videoMode().view().menuEntryVisible);

    s.TabImage_Click(5);
    EXPECT_EQ(s.ModeIndex(), 1);
    EXPECT_EQ(s.view().mode.selectedTab, 1);

    s.TreeView1_NodeClick(246);
    const sentara::SessionView v = s.view();
    EXPECT_TRUE(v.mode.tabVisible[5]);
    EXPECT_TRUE(s.videoMode().view().menuEntryVisible);
    EXPECT_EQ(s.videoMode().view().menuEntryCaption, "关闭视频");
    EXPECT_TRUE(v.lesson.mediaPath.endsWith(QStringLiteral("1.wmv")));
    s.TabImage_Click(5);
    EXPECT_EQ(s.ModeIndex(), 5);
    EXPECT_EQ(s.view().mode.selectedTab, 5);
}

TEST(ModeSwitch, StopsEveryTimerAndPausesThePlayer) {
    Rig rig;
    StudySettings st = settingsAt(2);
    st.readCount = {3, 3, 3, 3, 3};
    st.playMode = 1;
    rig.lesson(kFirst, 1, three()).settings(st);
    SentaraSession& s = rig.start();
    rig.clock.advance(500); // the first play is running
    ASSERT_TRUE(s.view().mode.playing);
    ASSERT_TRUE(s.loop().anyTimerRunning());
    for (int tab : {1, 3, 4, 6, 7, 8, 9, 2}) {
        s.TabImage_Click(tab);
        EXPECT_EQ(s.ModeIndex(), tab);
        EXPECT_FALSE(s.loop().anyTimerRunning()) << tab;
        EXPECT_FALSE(s.view().mode.playing) << tab;
        EXPECT_EQ(s.CurrentReadCount(), 0);
    }
    const int plays =
        rig.sentencePlayer()->calls(support::SimulatedPlayer::Call::Kind::Play).size();
    rig.clock.advance(60000);
    EXPECT_EQ(rig.sentencePlayer()->calls(support::SimulatedPlayer::Call::Kind::Play).size(),
              plays);
}

TEST(ModeSwitch, FocusRuleByMode) {
    Rig rig;
    rig.lesson(kFirst, 1, three()).settings(settingsAt(2));
    SentaraSession& s = rig.start();
    QList<sentara::FocusTarget> targets;
    QObject::connect(&s, &SentaraSession::focusRequested,
                     [&](sentara::FocusTarget t) { targets << t; });
    using sentara::FocusTarget;
    const QList<std::pair<int, FocusTarget>> cases{
        {1, FocusTarget::FullTextSearch}, {2, FocusTarget::None},
        {3, FocusTarget::ListSearch},     {4, FocusTarget::DictationInput},
        {6, FocusTarget::None},           {7, FocusTarget::SpellingInput},
        {8, FocusTarget::None},           {9, FocusTarget::FillInInput}};
    for (const auto& [tab, target] : cases) {
        targets.clear();
        s.TabImage_Click(tab);
        EXPECT_EQ(s.view().mode.focus, target) << tab;
        EXPECT_EQ(targets.isEmpty(), target == FocusTarget::None) << tab;
    }
}

TEST(ModeSwitch, TheFillInBoxGetsTheFocusOnlyWhileItIsShown) {
    Rig rig; // no lesson: no fill-in word, so no box laid over one
    SentaraSession& s = rig.start();
    QList<sentara::FocusTarget> targets;
    QObject::connect(&s, &SentaraSession::focusRequested,
                     [&](sentara::FocusTarget t) { targets << t; });
    s.TabImage_Click(9);
    EXPECT_EQ(s.view().mode.focus, sentara::FocusTarget::None);
    EXPECT_TRUE(targets.isEmpty());

    // A sentence without words has no fill-in word either; the next one has.
    Rig words;
    words
        .lesson(kFirst, 1,
                {sen(QStringLiteral("^"), QStringLiteral("（无）"), 1, 2),
                 sen(QStringLiteral("Hello."), QStringLiteral("你好。"), 3, 4)})
        .settings(settingsAt(2, 1, 9));
    SentaraSession& w = words.start();
    QObject::connect(&w, &SentaraSession::focusRequested,
                     [&](sentara::FocusTarget t) { targets << t; });
    w.TabImage_Click(9);
    EXPECT_FALSE(w.view().mode.focus == sentara::FocusTarget::FillInInput);
    EXPECT_TRUE(targets.isEmpty());
    w.SenNextCommand_Click();
    w.TabImage_Click(9);
    EXPECT_EQ(w.view().mode.focus, sentara::FocusTarget::FillInInput);
    EXPECT_EQ(targets, QList<sentara::FocusTarget>{sentara::FocusTarget::FillInInput});
}

TEST(ModeSwitch, DictationSubModeMovesBetweenTabsFourAndSeven) {
    Rig rig;
    rig.lesson(kFirst, 1, three()).settings(settingsAt(2, 1, 4));
    SentaraSession& s = rig.start();
    EXPECT_TRUE(s.view().mode.tabVisible[4]);
    EXPECT_FALSE(s.view().mode.tabVisible[7]);
    s.selectOption(sentara::OptionFamily::DictationMode, 0); // "自由拼写模式"
    EXPECT_EQ(s.ModeIndex(), 7);
    EXPECT_EQ(s.settings().writeMode, 1);
    EXPECT_FALSE(s.view().mode.tabVisible[4]);
    EXPECT_TRUE(s.view().mode.tabVisible[7]);
    s.selectOption(sentara::OptionFamily::DictationMode, 0); // already shown: nothing
    EXPECT_EQ(s.ModeIndex(), 7);
    s.selectOption(sentara::OptionFamily::DictationMode, 1);
    EXPECT_EQ(s.ModeIndex(), 4);
    EXPECT_EQ(s.settings().writeMode, 2);

    // A settings file can hold one sub-mode shown and the other stored: the entry of the stored
    // one still shows its own panel and tab.
    for (const auto& [mode, stored, entry] : {std::tuple{7, 2, 1}, std::tuple{4, 1, 0}}) {
        Rig other;
        StudySettings both = settingsAt(2, 1, mode);
        both.writeMode = stored;
        other.lesson(kFirst, 1, three()).settings(both);
        SentaraSession& t = other.start();
        ASSERT_EQ(t.ModeIndex(), mode);
        t.selectOption(sentara::OptionFamily::DictationMode, entry);
        EXPECT_EQ(t.ModeIndex(), mode == 7 ? 4 : 7);
        EXPECT_EQ(t.settings().writeMode, stored);
        EXPECT_TRUE(t.view().mode.tabVisible[t.ModeIndex()]);
    }
}

TEST(EngineSwitch, BackupEngineTurnsTimesIntoMillisecondsAndSavesTheChoice) {
    Rig rig;
    rig.lesson(kFirst, 1, three()).settings(settingsAt(2, 2));
    SentaraSession& s = rig.start();
    EXPECT_EQ(s.SentenceStart(), 3.0);
    s.Option3_MouseUp();
    EXPECT_EQ(s.view().mode.engineChoice, 1);
    EXPECT_EQ(s.CurrentSentence(), 1);
    EXPECT_EQ(s.SentenceStart(), 1000);
    EXPECT_EQ(s.SentenceEnd(), 2000);
    support::SimulatedPlayer* backup = rig.engines.latest(
        support::SimulatedEngines::Engine::Backup, support::SimulatedEngines::Role::Sentence);
    ASSERT_NE(backup, nullptr);
    EXPECT_EQ(backup->unit(), ports::MediaPlayer::Unit::Milliseconds);
    EXPECT_TRUE(backup->hasMedia());
    EXPECT_EQ(rig.engines.latest(support::SimulatedEngines::Engine::Default,
                                 support::SimulatedEngines::Role::Sentence),
              nullptr)
        << "the default engine's players are released";
    EXPECT_EQ(StudySettings::read(rig.course.folder())->engineChoice, 1);

    s.Option4_MouseUp();
    EXPECT_EQ(s.view().mode.engineChoice, 2);
    EXPECT_EQ(s.SentenceStart(), 1.0);
    EXPECT_EQ(StudySettings::read(rig.course.folder())->engineChoice, 2);
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());
}

TEST(EngineSwitch, UnavailableDefaultEngineStaysOnTheBackupWithMessageAndHelpPage) {
    Rig rig;
    StudySettings st = settingsAt(2);
    st.engineChoice = 2;
    rig.lesson(kFirst, 1, three()).settings(st);
    rig.engines.setDefaultAvailable(false);
    rig.engines.setMissing({QStringLiteral("声音服务"), {QStringLiteral("pulseaudio")}});
    SentaraSession& s = rig.start();
    EXPECT_EQ(s.view().mode.engineChoice, 1) << "start-up falls back silently";
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());

    s.Option4_MouseUp();
    EXPECT_EQ(s.view().mode.engineChoice, 1);
    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    EXPECT_EQ(rig.dialogs.messages()[0].title, "提示");
    // What is missing here and how to install it, then the help page and the way back.
    const QString text = rig.dialogs.messages()[0].text;
    EXPECT_TRUE(
        text.startsWith("您系统中默认发音引擎所需的声音服务缺失或无法使用，默认发音引擎无法使用"))
        << text.toStdString();
    EXPECT_TRUE(text.contains("sudo apt-get install pulseaudio")) << text.toStdString();
    EXPECT_TRUE(text.endsWith("完成修复后再点击“默认引擎”选项。")) << text.toStdString();
    EXPECT_FALSE(text.contains("Windows"));
    EXPECT_EQ(rig.shell.urls(), QStringList{QStringLiteral("https://help.example.org/repair")});
    EXPECT_EQ(StudySettings::read(rig.course.folder())->engineChoice, 1);
    EXPECT_EQ(s.SentenceStart(), 1000);

    // Repaired: the next click asks again and switches.
    const int checks = rig.engines.availabilityChecks();
    rig.engines.setDefaultAvailable(true);
    s.Option4_MouseUp();
    EXPECT_EQ(rig.engines.availabilityChecks(), checks + 1);
    EXPECT_EQ(s.view().mode.engineChoice, 2);
    EXPECT_EQ(rig.dialogs.messages().size(), 1) << "no message once it works";
    EXPECT_EQ(StudySettings::read(rig.course.folder())->engineChoice, 2);
}

// The start-up looks only for the default engine's files; once its libraries are read it may
// still turn out unusable (a module that does not load, no sound server). Then the backup
// engine takes over without a word, on the lesson and sentence the learner was on.
TEST(EngineSwitch, ADefaultEngineFoundUnusableAfterStartUpGivesWayToTheBackupSilently) {
    using Engine = support::SimulatedEngines::Engine;
    using Role = support::SimulatedEngines::Role;
    using Kind = support::SimulatedPlayer::Call::Kind;
    Rig rig;
    StudySettings st = settingsAt(2, 2);
    st.engineChoice = 2;
    rig.lesson(kFirst, 1, three()).settings(st);
    SentaraSession& s = rig.start();
    const QString media = rig.engines.latest(Engine::Default, Role::Sentence)->currentPath();
    rig.clock.advance(100); // the automatic play of sentence 2 is on its way

    rig.engines.setDefaultAvailable(false);
    s.confirmDefaultEngine();
    EXPECT_EQ(s.view().mode.engineChoice, 1);
    EXPECT_EQ(StudySettings::read(rig.course.folder())->engineChoice, 1);
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());
    EXPECT_TRUE(rig.shell.urls().isEmpty());
    EXPECT_EQ(rig.engines.latest(Engine::Default, Role::Sentence), nullptr);
    EXPECT_EQ(s.CurrentSentence(), 2) << "the sentence stays";
    EXPECT_EQ(s.SentenceStart(), 3000);
    support::SimulatedPlayer* backup = rig.engines.latest(Engine::Backup, Role::Sentence);
    ASSERT_NE(backup, nullptr);
    EXPECT_EQ(backup->currentPath(), media);
    // Sentence 2 is heard from the backup engine and its end is found.
    ASSERT_EQ(backup->calls(Kind::Seek).size(), 1);
    EXPECT_EQ(backup->calls(Kind::Seek)[0].value, 3000);
    EXPECT_EQ(backup->spanEnd(), 4000);
    rig.clock.advance(1100);
    EXPECT_EQ(backup->calls(Kind::Pause).size(), 1);
    EXPECT_EQ(s.CurrentReadCount(), 1);

    // A usable default engine, or the backup engine already chosen, changes nothing.
    for (const int choice : {2, 1}) {
        Rig other;
        st.engineChoice = choice;
        other.lesson(kFirst, 1, three()).settings(st);
        SentaraSession& t = other.start();
        const qsizetype made = other.engines.made().size();
        t.confirmDefaultEngine();
        EXPECT_EQ(other.engines.made().size(), made) << choice;
        EXPECT_EQ(t.view().mode.engineChoice, choice);
    }
}
