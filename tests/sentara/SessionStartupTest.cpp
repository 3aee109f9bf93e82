#include "SentaraRig.h"

#include "common/CourseFolder.h"
#include "common/TextFile.h"
#include "sentara/course/CourseFiles.h"

#include <QFile>
#include <future>
#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::SentaraSession;
using sentara::StudySettings;

namespace {

QList<support::SentenceSpec> sentences(int count) {
    QList<support::SentenceSpec> list;
    for (int i = 0; i < count; ++i) {
        list.append(sen(QStringLiteral("Line %1 here.").arg(i + 1),
                        QStringLiteral("第%1句").arg(i + 1), 1.0 + 2 * i, 2.0 + 2 * i));
    }
    return list;
}

} // namespace

TEST(SessionStartup, ResumesTheSavedLessonSentenceAndMode) {
    Rig rig;
    rig.lesson(kFirst, 3, sentences(5)).settings(settingsAt(4, 4, 6));
    SentaraSession& s = rig.start();
    const sentara::SessionView v = s.view();
    EXPECT_TRUE(v.lesson.loaded);
    EXPECT_EQ(v.lesson.book, kFirst);
    EXPECT_EQ(v.lesson.lesson, 3);
    EXPECT_EQ(v.lesson.selectedNode, 4);
    EXPECT_EQ(s.CurrentSentence(), 4);
    EXPECT_EQ(s.ModeIndex(), 6);
    EXPECT_EQ(v.sentence.english, "Line 4 here.");
    EXPECT_EQ(v.sentence.summaryText, "本课共有5句，当前是第4句");
    EXPECT_EQ(v.sentence.counterText, "4 / 5");
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());
    EXPECT_EQ(rig.recorder.path(), rig.course.folder().recorderFile());
    EXPECT_EQ(rig.sentencePlayer()->currentPath(),
              rig.course.folder().mediaFile(kFirst, QStringLiteral("3.mp3")));
}

TEST(SessionStartup, MissingSettingsStartOnDefaultsAndAreCreatedAtExit) {
    Rig rig;
    rig.lesson(kFirst, 1, sentences(3));
    SentaraSession& s = rig.start();
    EXPECT_EQ(s.view().lesson.book, kFirst);
    EXPECT_EQ(s.view().lesson.lesson, 1);
    EXPECT_EQ(s.CurrentSentence(), 1);
    EXPECT_EQ(s.ModeIndex(), 2);
    EXPECT_EQ(s.settings().readCountOf(sentara::RepeatFamily::Sen), 1);
    EXPECT_EQ(s.settings().pauseOf(sentara::RepeatFamily::Sen), 1000);
    const QString path = rig.course.folder().studySettingsFile();
    EXPECT_FALSE(QFile::exists(path));
    s.SenNextCommand_Click();
    s.shutdown();
    ASSERT_TRUE(QFile::exists(path));
    const std::optional<StudySettings> saved = StudySettings::read(rig.course.folder());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->catalogueNodeIndex, 2);
    EXPECT_EQ(saved->resumeSentence, 2);
}

TEST(SessionStartup, ASavedLessonThatIsGoneFallsBackToTheFirstLesson) {
    for (int node : {0, 62, 100, 9999}) {
        Rig rig;
        rig.lesson(kFirst, 1, sentences(3)).settings(settingsAt(node, 3));
        SentaraSession& s = rig.start();
        EXPECT_TRUE(s.view().lesson.loaded) << node;
        EXPECT_EQ(s.view().lesson.selectedNode, 2) << node;
        EXPECT_EQ(s.CurrentSentence(), 1) << node;
    }
}

TEST(SessionStartup, NoLessonAtAllLeavesAnEmptyButWorkingSession) {
    Rig rig;
    SentaraSession& s = rig.start();
    EXPECT_FALSE(s.view().lesson.loaded);
    EXPECT_EQ(s.SentenceCount(), 0);
    s.SenNextCommand_Click();
    s.SenBackCommand_Click();
    s.SenPlayCommand_Click();
    EXPECT_TRUE(s.KeyDown(sentara::ShortcutKey::F7));
    EXPECT_FALSE(s.sentenceBrowsing().saveNote(QStringLiteral("x")));
    rig.clock.advance(5000);
    EXPECT_FALSE(s.view().sentence.backEnabled);
    EXPECT_FALSE(s.view().sentence.nextEnabled);
    // The learner is told where the program looked for the course.
    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    EXPECT_TRUE(rig.dialogs.messages()[0].text.contains(QStringLiteral("找不到可以打开的课文")));
}

// The program reads the course's files on a second thread while its window is built: a session
// started on them resumes as one that reads them itself, and still reports a broken content file.
TEST(SessionStartup, CourseFilesReadOnAnotherThreadStartTheSameSession) {
    Rig rig;
    rig.lesson(kFirst, 3, sentences(5)).settings(settingsAt(4, 4, 6));
    rig.course.dictionary(QStringLiteral("$line[lain]n. 线"));
    const common::CourseFolder folder(rig.course.folder().root(), rig.programDir);
    SentaraSession& s = rig.start(std::async(std::launch::async, [&folder] {
                                      return sentara::CourseFiles::read(folder);
                                  }).get());
    EXPECT_EQ(s.view().lesson.selectedNode, 4);
    EXPECT_EQ(s.CurrentSentence(), 4);
    EXPECT_EQ(s.ModeIndex(), 6);
    EXPECT_EQ(s.catalogue().books.size(), s.content().books.size());
    EXPECT_EQ(s.wordPanel().entryOf(QStringLiteral("line")).meaning, QStringLiteral("n. 线"));
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());

    Rig broken;
    broken.course.content("{ \"books\": [ ");
    broken.start(sentara::CourseFiles::read(
        common::CourseFolder(broken.course.folder().root(), broken.programDir)));
    ASSERT_FALSE(broken.dialogs.messages().isEmpty());
    EXPECT_TRUE(broken.dialogs.messages()[0].text.contains(QStringLiteral("Content.json")));
}

TEST(SessionStartup, AMalformedContentFileIsReportedAndTheDefaultsApply) {
    Rig rig;
    rig.course.content("{ \"books\": [ ");
    rig.start();
    ASSERT_FALSE(rig.dialogs.messages().isEmpty());
    EXPECT_TRUE(rig.dialogs.messages()[0].text.contains(QStringLiteral("Content.json")));
}

// The screen reports 96 whenever the toolkit scales the whole interface; another value means
// text is drawn larger or smaller than the layout, and only then is the learner told.
TEST(SessionStartup, TextNotScaledWithTheInterfaceShowsTheDpiAdviceOnce) {
    for (const int dpi : {96, 120, 72}) {
        SCOPED_TRACE(dpi);
        Rig rig;
        rig.lesson(kFirst, 1);
        rig.screen.setLogicalDpi(dpi);
        rig.start();
        if (dpi == 96) {
            EXPECT_TRUE(rig.dialogs.messages().isEmpty());
            continue;
        }
        ASSERT_EQ(rig.dialogs.messages().size(), 1);
        const QStringList parts = rig.dialogs.messages()[0].text.split(QStringLiteral("\r\n"));
        ASSERT_EQ(parts.size(), 3);
        EXPECT_EQ(parts[0], "您的系统DPI非标准值，软件界面可能无法正常显示，解决方法如下：");
        EXPECT_EQ(parts[1], "[Linux]");
        EXPECT_TRUE(parts[2].contains("缩放比例"));
        EXPECT_FALSE(parts[2].contains("Windows"));
    }
}

TEST(SessionStartup, LargeLayoutIsAppliedByTheFirstLayoutTick) {
    Rig rig;
    StudySettings s = settingsAt(2);
    s.layoutMax = true;
    rig.lesson(kFirst, 1).settings(s);
    SentaraSession& session = rig.start();
    QList<bool> requests;
    QObject::connect(&session, &SentaraSession::largeLayoutRequested,
                     [&](bool large) { requests << large; });
    EXPECT_FALSE(session.view().mode.largeLayout);
    rig.clock.advance(10);
    EXPECT_TRUE(session.view().mode.largeLayout);
    EXPECT_EQ(requests, QList<bool>{true});
    rig.clock.advance(100);
    EXPECT_EQ(requests.size(), 1);
}

TEST(SessionStartup, FocusTimerGivesTheFocusToTheModeInputOnce) {
    Rig rig;
    rig.lesson(kFirst, 1).settings(settingsAt(2, 1, 7));
    SentaraSession& s = rig.start();
    QList<sentara::FocusTarget> targets;
    QObject::connect(&s, &SentaraSession::focusRequested,
                     [&](sentara::FocusTarget t) { targets << t; });
    rig.clock.advance(99);
    EXPECT_TRUE(targets.isEmpty());
    rig.clock.advance(1000);
    EXPECT_EQ(targets, QList<sentara::FocusTarget>{sentara::FocusTarget::SpellingInput});
}

TEST(SessionStartup, MiniWindowWritesSettingsAndStartsTheCompactTrainerOnTheSameCourse) {
    Rig rig;
    rig.lesson(kFirst, 1, sentences(3));
    // The course was chosen on the command line: the programs live elsewhere.
    rig.programDir = QStringLiteral("/opt/trainer");
    SentaraSession& s = rig.start();
    s.SenNextCommand_Click();
    s.MiniLabel_MouseUp();
    ASSERT_EQ(rig.shell.started().size(), 1);
    EXPECT_EQ(rig.shell.started().front().program, QStringLiteral("/opt/trainer/Oralix"));
    EXPECT_EQ(rig.shell.started().front().arguments,
              (QStringList{QStringLiteral("--course"), rig.course.folder().root()}));
    EXPECT_EQ(StudySettings::read(rig.course.folder())->resumeSentence, 2);
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());

    rig.shell.setStartResult(false);
    s.MiniLabel_MouseUp();
    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    EXPECT_TRUE(rig.dialogs.texts().front().contains(QStringLiteral("无法启动迷你窗口程序")));
}

TEST(SessionStartup, SettingsRoundTripThroughTheSessionRestoreEveryOption) {
    Rig rig;
    rig.lesson(kFirst, 2, sentences(4));
    StudySettings start = settingsAt(3, 3, 8);
    start.sentencePanelTop = -2500;
    start.sentenceHandleTop = 700;
    start.layoutMax = true;
    start.keyWordColour = 65280;
    start.hintWord = true;
    start.writeMode = 1;
    rig.settings(start);
    SentaraSession& s = rig.start();
    // Change one entry of every family and every toggle through the menus.
    for (sentara::OptionFamily family : sentara::OptionFamilies::all()) {
        if (family == sentara::OptionFamily::Engine ||
            family == sentara::OptionFamily::DictationMode) {
            continue;
        }
        s.selectOption(family, 2);
    }
    s.toggleOption(sentara::OptionToggle::ClickChinese);
    s.toggleOption(sentara::OptionToggle::HintPronunciation);
    s.setSentencePanelPositions(-3000, 900);
    const StudySettings before = s.settings();
    s.shutdown();

    Rig again;
    again.lesson(kFirst, 2, sentences(4));
    again.course.studySettings(
        common::TextFile::read(rig.course.folder().studySettingsFile()).value_or(QString()));
    SentaraSession& restored = again.start();
    EXPECT_EQ(restored.settings(), before);
    EXPECT_EQ(restored.CurrentSentence(), 3);
    EXPECT_EQ(restored.ModeIndex(), 8);
    for (const sentara::OptionFamilyView& family : restored.view().options.families) {
        EXPECT_EQ(family.checkedIndex,
                  sentara::OptionFamilies::checkedIndex(family.family, before));
        EXPECT_GE(family.checkedIndex, 0) << family.menuName.toStdString();
    }
}

TEST(SessionStartup, UnreadableSettingsStartOnDefaultsAndAFailedSaveIsReported) {
    Rig rig;
    rig.lesson(kFirst, 1, sentences(3));
    rig.course.file(QStringLiteral("SETTING/Set.dat/blocked"), QByteArray()); // a folder
    SentaraSession& s = rig.start();
    EXPECT_EQ(s.view().lesson.selectedNode, 2);
    EXPECT_EQ(s.ModeIndex(), 2);
    EXPECT_FALSE(s.SetDat());
    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    EXPECT_TRUE(rig.dialogs.messages()[0].text.startsWith(QStringLiteral("无法保存设置文件")));
}

TEST(SessionStartup, UnreadableLessonFileIsReportedAndThePreviousLessonStays) {
    Rig rig;
    rig.lesson(kFirst, 1, sentences(3)).settings(settingsAt(2));
    rig.course.file(QStringLiteral("Book/First Book/2.dat/blocked"), QByteArray());
    SentaraSession& s = rig.start();
    s.TreeView1_NodeClick(3);
    EXPECT_EQ(s.view().lesson.lesson, 1);
    EXPECT_EQ(s.view().lesson.selectedNode, 2);
    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    EXPECT_TRUE(rig.dialogs.messages()[0].text.startsWith(QStringLiteral("无法读取课文文件")));
}

TEST(OptionCommands, MessagesAndTheKeyWordColour) {
    Rig rig;
    rig.lesson(kFirst, 1, sentences(2)).settings(settingsAt(2));
    SentaraSession& s = rig.start();
    ASSERT_TRUE(s.view().mode.playing);
    rig.dialogs.onInfo([&](const support::ScriptedDialogs::Message& m) {
        if (m.title == QStringLiteral("评分标准")) {
            EXPECT_FALSE(s.view().mode.playing) << "the player is paused before the box";
        }
    });
    s.WriteSet6_Click();
    s.SetKeyWord_Click();
    s.SetTheWord_Click();
    ASSERT_EQ(rig.dialogs.messages().size(), 3);
    EXPECT_EQ(rig.dialogs.messages()[0].title, "评分标准");
    EXPECT_TRUE(rig.dialogs.messages()[0].text.startsWith("听写中使用渐进提示一次扣除1分"));
    EXPECT_EQ(rig.dialogs.messages()[1].title, "提示");
    EXPECT_TRUE(rig.dialogs.messages()[2].text.startsWith("请在“全文浏览”或“句子浏览”模式中"));

    rig.dialogs.scriptColours({std::nullopt, 65280});
    const int before = s.view().options.keyWordColour;
    s.KeyWordColor_Click(); // cancelled
    EXPECT_EQ(s.view().options.keyWordColour, before);
    s.KeyWordColor_Click();
    EXPECT_EQ(s.view().options.keyWordColour, 65280);
    EXPECT_EQ(rig.dialogs.colourRequests(), (QList<int>{before, before}));
}
