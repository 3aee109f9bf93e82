#include "UiEvents.h"
#include "WindowFixture.h"

#include "support/SimulatedPlayer.h"

#include "sentara/ui/CatalogueTree.h"
#include "sentara/ui/CoverListPanel.h"
#include "sentara/ui/DictationPanel.h"
#include "sentara/ui/EngineChooser.h"
#include "sentara/ui/FullTextWordPanel.h"
#include "sentara/ui/ModeTabBar.h"
#include "sentara/ui/OptionsMenu.h"
#include "sentara/ui/ProgressStrip.h"
#include "sentara/ui/SentencePanel.h"
#include "sentara/ui/SpellingPanel.h"
#include "sentara/ui/VoicePanel.h"
#include "sentara/ui/WordLine.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace uitest;
using sentara::RepeatFamily;
using sentara::StudySettings;

namespace {

QString text(const QWidget* root, const char* name) {
    const auto* label = root->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

QPushButton* button(const QWidget* root, const char* name) {
    return root->findChild<QPushButton*>(QString::fromLatin1(name));
}

// Clicks a catalogue node where the learner would: the parent is opened and the row scrolled
// into view first.
void clickNode(sentara::ui::CatalogueTree* tree, int nodeIndex) {
    QTreeWidgetItem* item = tree->node(nodeIndex);
    ASSERT_NE(item, nullptr);
    if (item->parent()) {
        item->parent()->setExpanded(true);
    }
    tree->scrollToItem(item);
    QApplication::processEvents();
    const QRect row = tree->visualItemRect(item);
    ASSERT_TRUE(row.isValid());
    click(tree->viewport(), row.center());
}

QString currentPanel(const sentara::ui::SentaraWindow& window) {
    return window.panels()->currentWidget()->objectName();
}

class SentaraWindowTest : public testing::Test {
protected:
    SentaraWindowTest() { buildSmallCourse(course); }

    support::CourseBuilder course;
};

TEST_F(SentaraWindowTest, StartsAtTheRememberedLessonAndSentence) {
    RunningWindow run(course);
    sentara::ui::SentaraWindow& window = *run.window;

    EXPECT_EQ(window.catalogue()->nodeCount(), 670);
    EXPECT_EQ(window.catalogue()->selectedNode(), 3);
    EXPECT_EQ(currentPanel(window), QStringLiteral("SenModePicture"));
    EXPECT_EQ(window.tabs()->selected(), 2);

    const QWidget* panel = window.sentencePanel();
    EXPECT_EQ(text(panel, "SenTitleLabel"), QStringLiteral("Step 2"));
    EXPECT_EQ(text(panel, "SenChineseLabel"), QStringLiteral("然后我吃早饭。"));
    EXPECT_EQ(text(panel, "Label1(11)"), QStringLiteral("本课共有5句，当前是第3句"));
    EXPECT_EQ(text(panel, "Label1(9)"), QStringLiteral("3"));
    EXPECT_EQ(text(panel, "Label1(10)"), QStringLiteral(" / "));
    EXPECT_EQ(text(panel, "Label1(43)"), QStringLiteral("5"));
    EXPECT_EQ(text(panel, "Label1(2)"), QStringLiteral("注释："));
    EXPECT_EQ(text(panel, "NoneNoteLabel"), QStringLiteral("[点此添加注释]"));
    EXPECT_EQ(text(panel, "SenShowChineseLabel"), QStringLiteral("中文"));
    EXPECT_TRUE(button(panel, "SenBackCommand")->isEnabled());
    EXPECT_TRUE(button(panel, "SenNextCommand")->isEnabled());

    // The progress strip: one segment per sentence, the first three in the deep blue.
    const sentara::ui::ProgressStrip* strip = window.sentencePanel()->progress();
    EXPECT_EQ(strip->count(), 5);
    EXPECT_EQ(strip->segmentColour(3), QColor(0x01, 0x4C, 0xB6));
    EXPECT_NE(strip->segmentColour(4), QColor(0x01, 0x4C, 0xB6));
}

TEST_F(SentaraWindowTest, WordsAreCellsWithHandCursorAndKeyWordColour) {
    RunningWindow run(course);
    const sentara::ui::WordLine* words = run.window->sentencePanel()->words();

    QStringList captions;
    for (int k = 1; k <= words->cellCount(); ++k) {
        captions << words->cell(k)->text();
    }
    EXPECT_EQ(captions.join(QString()), QStringLiteral("Then I eat breakfast."));

    for (int k = 1; k <= words->cellCount(); ++k) {
        const QLabel* cell = words->cell(k);
        const bool word = cell->text().front().isLetter();
        EXPECT_EQ(cell->cursor().shape(), word ? Qt::PointingHandCursor : Qt::ArrowCursor)
            << cell->text().toStdString();
        const bool keyWord = cell->text() == QStringLiteral("breakfast");
        EXPECT_EQ(cell->palette().color(QPalette::WindowText) == QColor(255, 0, 0), keyWord)
            << cell->text().toStdString();
    }

    // A change elsewhere keeps the cells (one may be under the pointer); a new sentence
    // replaces them.
    const QLabel* first = words->cell(1);
    run.window->sentenceMenu()->entry(QStringLiteral("SenModeRead2"))->trigger();
    EXPECT_EQ(words->cell(1), first);
    button(run.window->sentencePanel(), "SenNextCommand")->click();
    EXPECT_EQ(words->cell(1)->text(), QStringLiteral("I"));
    EXPECT_EQ(words->cell(words->cellCount())->text(), QStringLiteral("."));
}

TEST_F(SentaraWindowTest, AScreenOtherThan96DpiGetsOneMessageAtStartUp) {
    support::ManualClock clock;
    support::SimulatedEngines engines(clock, course.media());
    support::SimulatedRecorder recorder(clock);
    support::RecordingSoundPlayer sounds;
    support::ScriptedDialogs dialogs;
    support::RecordingShell shell;
    support::FixedTextMeasure measure;
    support::FixedScreen screen;
    screen.setLogicalDpi(120);
    const common::CourseFolder folder = course.folder();
    sentara::SentaraSession session(folder, clock, engines, recorder, sounds, dialogs, shell,
                                    measure, screen);
    sentara::ui::SentaraWindow window(session, folder);
    session.start();
    window.showCatalogue();

    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages().first().text.startsWith(QStringLiteral("您的系统DPI非标准值")));
    EXPECT_EQ(window.catalogue()->selectedNode(), 3); // start-up goes on after the box
}

TEST_F(SentaraWindowTest, ClickingALessonOfAnotherBookLoadsItFromItsFirstSentence) {
    RunningWindow run(course);
    sentara::ui::SentaraWindow& window = *run.window;

    clickNode(window.catalogue(), 63);

    EXPECT_EQ(window.catalogue()->selectedNode(), 63);
    const QWidget* panel = window.sentencePanel();
    EXPECT_EQ(text(panel, "SenTitleLabel"), QStringLiteral("Voice 1"));
    EXPECT_EQ(text(panel, "SenChineseLabel"), QStringLiteral("车站在哪里？"));
    EXPECT_EQ(text(panel, "Label1(11)"), QStringLiteral("本课共有3句，当前是第1句"));
    EXPECT_FALSE(button(panel, "SenBackCommand")->isEnabled());
    EXPECT_TRUE(button(panel, "SenNextCommand")->isEnabled());
    EXPECT_EQ(window.sentencePanel()->progress()->current(), 1);
    EXPECT_EQ(window.sentencePanel()->progress()->count(), 3);
}

TEST_F(SentaraWindowTest, ABookNodeLoadsNothing) {
    RunningWindow run(course);
    sentara::ui::SentaraWindow& window = *run.window;

    clickNode(window.catalogue(), 62);
    clickNode(window.catalogue(), 4); // lesson 3 of Book 1 has no lesson file

    EXPECT_EQ(run.session.CurrentSentence(), 3);
    EXPECT_EQ(text(window.sentencePanel(), "SenTitleLabel"), QStringLiteral("Step 2"));
    EXPECT_EQ(text(window.sentencePanel(), "Label1(11)"),
              QStringLiteral("本课共有5句，当前是第3句"));
    EXPECT_EQ(window.catalogue()->selectedNode(), 3);
    EXPECT_TRUE(window.catalogue()->node(62)->isExpanded());
}

TEST_F(SentaraWindowTest, TabsSwitchPanelsMoveTheMarkerAndStopPlayback) {
    RunningWindow run(course);
    sentara::ui::SentaraWindow& window = *run.window;
    const struct {
        int mode;
        const char* panel;
    } cases[] = {{6, "VoiceModePicture"},     {1, "AllWordModePicture"},
                 {8, "ClickWordModePicture"}, {9, "CurrentWordModePicture"},
                 {3, "TextModePicture"},      {2, "SenModePicture"}};

    for (const auto& c : cases) {
        button(window.sentencePanel(), "SenPlayCommand")->click();
        run.clock.advance(100);
        ASSERT_TRUE(run.isPlaying()) << "before tab " << c.mode;

        click(window.tabs()->tab(c.mode));

        EXPECT_EQ(currentPanel(window), QString::fromLatin1(c.panel));
        EXPECT_EQ(window.tabs()->selected(), c.mode);
        const QRect tab = window.tabs()->tab(c.mode)->geometry();
        const QRect marker = window.tabs()->marker()->geometry();
        EXPECT_EQ(marker.left(), tab.left()) << "tab " << c.mode;
        EXPECT_EQ(marker.width(), tab.width()) << "tab " << c.mode;
        EXPECT_FALSE(run.isPlaying()) << "after tab " << c.mode;
        run.clock.advance(5000);
        EXPECT_FALSE(run.isPlaying()) << "nothing starts after tab " << c.mode;
    }
}

TEST_F(SentaraWindowTest, TheVideoTabIsShownOnlyForTheVideoCourse) {
    RunningWindow run(course);
    EXPECT_FALSE(run.window->tabs()->isTabVisible(5));

    clickNode(run.window->catalogue(), 246);
    EXPECT_TRUE(run.window->tabs()->isTabVisible(5));
    click(run.window->tabs()->tab(5));
    EXPECT_EQ(currentPanel(*run.window), QStringLiteral("VideoModePicture"));

    clickNode(run.window->catalogue(), 2);
    EXPECT_FALSE(run.window->tabs()->isTabVisible(5));
    // The dictation tab stands for the dictation sub-mode in use.
    EXPECT_NE(run.window->tabs()->isTabVisible(4), run.window->tabs()->isTabVisible(7));
}

TEST_F(SentaraWindowTest, TheVoiceViewShowsTheSentenceAndNavigates) {
    RunningWindow run(course);
    sentara::ui::SentaraWindow& window = *run.window;
    click(window.tabs()->tab(6));
    const QWidget* panel = window.voicePanel();
    EXPECT_EQ(text(panel, "VoiceEnglishTextLabel"), QStringLiteral("Then I eat breakfast."));
    EXPECT_EQ(text(panel, "VoiceChineseTextLabel"), QStringLiteral("然后我吃早饭。"));

    button(panel, "VoiceNextCommand")->click();
    EXPECT_EQ(text(panel, "VoiceChineseTextLabel"), QStringLiteral("八点我坐公共汽车。"));
    button(panel, "VoiceNextCommand")->click();
    EXPECT_FALSE(button(panel, "VoiceNextCommand")->isEnabled());
    EXPECT_TRUE(run.isPlaying()); // each new sentence is played once

    button(panel, "VoiceBegainCommand")->click();
    EXPECT_EQ(text(panel, "VoiceEnglishTextLabel"), QStringLiteral("I get up at seven."));
    EXPECT_FALSE(button(panel, "VoiceBackCommand1")->isEnabled());
}

TEST_F(SentaraWindowTest, SentenceCommandsAndKeysMoveThroughTheLesson) {
    RunningWindow run(course);
    sentara::ui::SentaraWindow& window = *run.window;
    QWidget* panel = window.sentencePanel();

    button(panel, "SenNextCommand")->click();
    EXPECT_EQ(text(panel, "Label1(9)"), QStringLiteral("4"));
    key(&window, Qt::Key_PageDown);
    EXPECT_EQ(text(panel, "Label1(9)"), QStringLiteral("5"));
    EXPECT_FALSE(button(panel, "SenNextCommand")->isEnabled());
    key(&window, Qt::Key_PageDown); // the next command is disabled on the last sentence
    EXPECT_EQ(run.session.CurrentSentence(), 5);
    key(&window, Qt::Key_PageUp);
    EXPECT_EQ(text(panel, "Label1(9)"), QStringLiteral("4"));
    key(&window, Qt::Key_Home);
    EXPECT_EQ(text(panel, "Label1(11)"), QStringLiteral("本课共有5句，当前是第1句"));
    EXPECT_FALSE(button(panel, "SenBackCommand")->isEnabled());
    EXPECT_EQ(window.sentencePanel()->progress()->current(), 1);
}

TEST_F(SentaraWindowTest, ASegmentOfTheProgressStripPlaysOnFromItsSentence) {
    RunningWindow run(course);
    sentara::ui::ProgressStrip* strip = run.window->sentencePanel()->progress();
    ASSERT_TRUE(strip->isVisible());

    click(strip, strip->segmentRect(5).center());

    EXPECT_EQ(text(run.window->sentencePanel(), "Label1(9)"), QStringLiteral("5"));
    EXPECT_EQ(strip->current(), 5);
    EXPECT_TRUE(run.isPlaying());
}

TEST_F(SentaraWindowTest, TheChineseToggleHidesTheChineseLineAndTheNote) {
    RunningWindow run(course);
    sentara::ui::SentencePanel* panel = run.window->sentencePanel();
    auto* chinese = panel->findChild<QLabel*>(QStringLiteral("SenChineseLabel"));
    auto* toggle = panel->findChild<QLabel*>(QStringLiteral("SenChineseCheckImage"));
    QAction* entry = run.window->sentenceMenu()->toggleAction(sentara::OptionToggle::SenChinese);
    ASSERT_TRUE(chinese->isVisible());
    EXPECT_EQ(entry->text(), QStringLiteral("隐藏中文"));

    click(toggle);
    EXPECT_FALSE(chinese->isVisible());
    EXPECT_FALSE(panel->findChild<QWidget*>(QStringLiteral("SenNoteText"))->isVisible());
    EXPECT_EQ(entry->text(), QStringLiteral("显示中文"));

    entry->trigger(); // the menu entry is the same toggle
    EXPECT_TRUE(chinese->isVisible());
    EXPECT_EQ(entry->text(), QStringLiteral("隐藏中文"));
}

TEST_F(SentaraWindowTest, ClickingAWordPronouncesIt) {
    RunningWindow run(course);
    const sentara::ui::WordLine* words = run.window->sentencePanel()->words();
    ASSERT_EQ(words->cell(7)->text(), QStringLiteral("breakfast"));

    click(words->cell(7));
    run.clock.advance(50);

    const support::SimulatedPlayer* word = run.engines.latest(ports::MediaEngines::Role::Word);
    ASSERT_NE(word, nullptr);
    EXPECT_TRUE(word->currentPath().endsWith(QStringLiteral("breakfast.wav")))
        << word->currentPath().toStdString();
}

TEST_F(SentaraWindowTest, ANoteBeingEditedIsKeptWhenTheWindowCloses) {
    {
        RunningWindow run(course);
        sentara::ui::SentencePanel* panel = run.window->sentencePanel();
        click(panel->findChild<QLabel*>(QStringLiteral("NoneNoteLabel")));
        auto* note = panel->findChild<QPlainTextEdit*>(QStringLiteral("SenNoteText"));
        note->setFocus();
        note->setPlainText(QStringLiteral("早饭 = breakfast"));
        run.window->close();
    }
    RunningWindow again(course);
    auto* note =
        again.window->sentencePanel()->findChild<QPlainTextEdit*>(QStringLiteral("SenNoteText"));
    EXPECT_EQ(note->toPlainText(), QStringLiteral("早饭 = breakfast"));
}

TEST_F(SentaraWindowTest, ThePlaceholderOpensTheNoteBox) {
    RunningWindow run(course);
    sentara::ui::SentencePanel* panel = run.window->sentencePanel();
    auto* placeholder = panel->findChild<QFrame*>(QStringLiteral("NoneNotePicture"));
    ASSERT_TRUE(placeholder->isVisible());

    click(panel->findChild<QLabel*>(QStringLiteral("NoneNoteLabel")));

    EXPECT_FALSE(placeholder->isVisible());
    auto* note = panel->findChild<QWidget*>(QStringLiteral("SenNoteText"));
    EXPECT_TRUE(note->isVisible());
}

TEST_F(SentaraWindowTest, TheSentenceMenuChangesTheReadCountWithOneCheckPerFamily) {
    RunningWindow run(course);
    sentara::ui::OptionsMenu* menu = run.window->sentenceMenu();
    EXPECT_EQ(menu->title(), QStringLiteral("句子浏览设置"));

    click(run.window->sentencePanel()->findChild<QToolButton*>(QStringLiteral("SenModeSetImage")));
    EXPECT_TRUE(menu->isVisible());
    menu->entry(QStringLiteral("SenModeRead7"))->trigger(); // "20次"
    menu->hide();

    EXPECT_EQ(run.session.settings().readCountOf(RepeatFamily::Sen), 20);
    EXPECT_EQ(run.session.settings().readCountOf(RepeatFamily::Write), 1);
    for (const sentara::OptionFamily family :
         {sentara::OptionFamily::SenRead, sentara::OptionFamily::SenPause,
          sentara::OptionFamily::PlayMode}) {
        int checked = 0;
        for (const QAction* action : menu->familyMenu(family)->actions()) {
            checked += action->isChecked() ? 1 : 0;
        }
        EXPECT_EQ(checked, 1) << sentara::OptionFamilies::menuName(family).toStdString();
    }
    EXPECT_TRUE(menu->entry(QStringLiteral("SenModeRead7"))->isChecked());
    EXPECT_EQ(menu->entry(QStringLiteral("SenModeRead7"))->text(), QStringLiteral("20次"));
    EXPECT_EQ(menu->entry(QStringLiteral("SenReadTime0"))->text(), QStringLiteral("无间隔"));
    EXPECT_EQ(menu->entry(QStringLiteral("SenReadTime8"))->text(), QStringLiteral("60秒"));
    EXPECT_EQ(menu->entry(QStringLiteral("SetPlayMode2"))->text(),
              QStringLiteral("自动进入下一句"));
}

TEST_F(SentaraWindowTest, ClosingWritesTheSettingsAndTheNextStartRestoresThem) {
    {
        RunningWindow run(course);
        sentara::ui::SentaraWindow& window = *run.window;
        window.sentenceMenu()->entry(QStringLiteral("SenModeRead7"))->trigger();
        window.sentenceMenu()->entry(QStringLiteral("SenReadTime8"))->trigger();
        window.sentenceMenu()->entry(QStringLiteral("SetPlayMode2"))->trigger();
        button(window.sentencePanel(), "SenNextCommand")->click();
        click(window.tabs()->tab(6));
        window.close();
    }
    const std::optional<StudySettings> written = StudySettings::read(course.folder());
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(written->readCountOf(RepeatFamily::Sen), 20);
    EXPECT_EQ(written->pauseOf(RepeatFamily::Sen), 60000);
    EXPECT_EQ(written->playMode, 1);
    EXPECT_EQ(written->resumeSentence, 4);
    EXPECT_EQ(written->modeIndex, 6);
    EXPECT_EQ(written->catalogueNodeIndex, 3);

    RunningWindow again(course);
    EXPECT_EQ(currentPanel(*again.window), QStringLiteral("VoiceModePicture"));
    EXPECT_EQ(text(again.window->voicePanel(), "VoiceChineseTextLabel"),
              QStringLiteral("八点我坐公共汽车。"));
    EXPECT_TRUE(again.window->sentenceMenu()->entry(QStringLiteral("SenModeRead7"))->isChecked());
    EXPECT_TRUE(again.window->sentenceMenu()->entry(QStringLiteral("SenReadTime8"))->isChecked());
    EXPECT_TRUE(again.window->sentenceMenu()->entry(QStringLiteral("SetPlayMode2"))->isChecked());
}

TEST_F(SentaraWindowTest, EveryWayOfClosingWritesTheSettingsOnce) {
    const struct {
        const char* how;
        std::function<void(sentara::ui::SentaraWindow&)> close;
    } ways[] = {
        {"exit command", [](auto& w) { button(&w, "ExitCommand")->click(); }},
        {"window manager", [](auto& w) { w.close(); }},
        {"Ctrl+Q", [](auto& w) { key(&w, Qt::Key_Q, Qt::ControlModifier); }},
    };
    for (const auto& way : ways) {
        RunningWindow run(course);
        run.window->sentenceMenu()->entry(QStringLiteral("SenModeRead4"))->trigger(); // "5次"
        QFile::remove(course.path(QStringLiteral("SETTING/Set.dat")));

        way.close(*run.window);
        QApplication::processEvents();

        EXPECT_FALSE(run.window->isVisible()) << way.how;
        const std::optional<StudySettings> written = StudySettings::read(course.folder());
        ASSERT_TRUE(written.has_value()) << way.how;
        EXPECT_EQ(written->readCountOf(RepeatFamily::Sen), 5) << way.how;
        course.studySettings(smallCourseSettings().format());
    }
}

} // namespace

namespace {

TEST_F(SentaraWindowTest, TheLargeLayoutFlagMaximisesTheWindowWithLargerTextAfterStartUp) {
    StudySettings settings = smallCourseSettings();
    settings.layoutMax = true;
    course.studySettings(settings.format());
    RunningWindow run(course);
    const QFont normal = run.window->sentencePanel()->words()->font();
    const double normalTab = run.window->tabs()->tab(2)->font().pointSizeF();
    EXPECT_FALSE(run.window->isLargeLayout()); // the normal layout first

    run.clock.advance(20); // the one-shot layout timer
    QApplication::processEvents();

    EXPECT_TRUE(run.window->isLargeLayout());
    EXPECT_TRUE(run.window->isMaximized());
    EXPECT_GT(run.window->sentencePanel()->words()->font().pointSizeF(), normal.pointSizeF());
    for (int mode : {1, 2}) { // the selected tab and another one grow alike
        EXPECT_DOUBLE_EQ(run.window->tabs()->tab(mode)->font().pointSizeF(), normalTab * 1.3);
    }
    EXPECT_TRUE(run.window->tabs()->tab(2)->font().bold());

    button(run.window.get(), "MaxCommand")->click(); // back to the normal layout
    EXPECT_FALSE(run.window->isLargeLayout());
    EXPECT_FALSE(run.window->isMaximized());
    run.window->close();
    EXPECT_FALSE(StudySettings::read(course.folder())->layoutMax);
}

TEST_F(SentaraWindowTest, APanelBuiltOnFirstUseShowsTheCurrentSentenceAtTheLayoutScale) {
    StudySettings settings = smallCourseSettings();
    settings.layoutMax = true;
    course.studySettings(settings.format());
    RunningWindow run(course);
    run.clock.advance(20); // the one-shot layout timer
    QApplication::processEvents();
    ASSERT_TRUE(run.window->isLargeLayout());
    // Start-up puts only the panel shown in the stack (the video panel waits beside it).
    EXPECT_EQ(run.window->panels()->count(), 1);

    click(run.window->tabs()->tab(6));

    EXPECT_EQ(run.window->panels()->count(), 2);
    const sentara::ui::VoicePanel* voice = run.window->voicePanel();
    EXPECT_EQ(run.window->panels()->currentWidget(), voice);
    const auto* english = voice->findChild<QLabel*>(QStringLiteral("VoiceEnglishTextLabel"));
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(english->text(), run.session.view().sentence.english);
    EXPECT_FALSE(english->text().isEmpty());
    EXPECT_DOUBLE_EQ(english->font().pointSizeF(), 20 * 1.3);
}

TEST_F(SentaraWindowTest, TheMiniWindowCommandSavesAndStartsTheCompactTrainer) {
    RunningWindow run(course);
    run.window->sentenceMenu()->entry(QStringLiteral("SenModeRead3"))->trigger(); // "3次"
    QFile::remove(course.path(QStringLiteral("SETTING/Set.dat")));

    click(run.window->findChild<QLabel*>(QStringLiteral("MiniLabel")));

    ASSERT_EQ(run.shell.started().size(), 1);
    EXPECT_TRUE(run.shell.started().first().program.endsWith(QStringLiteral("Oralix")));
    EXPECT_EQ(StudySettings::read(course.folder())->readCountOf(RepeatFamily::Sen), 3);
}

TEST_F(SentaraWindowTest, TheEngineChooserShowsTheEngineTheSessionKeeps) {
    RunningWindow run(course);
    sentara::ui::EngineChooser* chooser = run.window->engineChooser();
    EXPECT_TRUE(chooser->defaultOption()->isChecked());

    click(chooser->backupOption());
    EXPECT_TRUE(chooser->backupOption()->isChecked());
    EXPECT_EQ(run.session.settings().engineChoice, 1);

    run.engines.setDefaultAvailable(false);
    click(chooser->defaultOption());
    EXPECT_TRUE(chooser->backupOption()->isChecked()); // the default engine cannot be used
    EXPECT_EQ(run.session.settings().engineChoice, 1);
    EXPECT_EQ(run.dialogs.messages().size(), 1);
}

// The demo course, when it has been generated: every panel shows on it.
TEST(DemoCourseWindowTest, StartsOnTheDemoCourseAndShowsEveryPanel) {
    const QDir demo(QStringLiteral(DEMO_COURSE_DIR));
    if (!demo.exists(QStringLiteral("SETTING/Set.dat"))) {
        GTEST_SKIP() << "no demo course in " << DEMO_COURSE_DIR;
    }
    support::CourseBuilder copy;
    for (const QString& name : {QStringLiteral("SETTING"), QStringLiteral("Book"),
                                QStringLiteral("Bitmap"), QStringLiteral("lib.dll")}) {
        QDirIterator it(demo.filePath(name), QDir::Files, QDirIterator::Subdirectories);
        if (QFileInfo(demo.filePath(name)).isFile()) {
            QFile in(demo.filePath(name));
            ASSERT_TRUE(in.open(QIODevice::ReadOnly));
            copy.file(name, in.readAll());
        }
        while (it.hasNext()) {
            const QString path = it.next();
            QFile in(path);
            ASSERT_TRUE(in.open(QIODevice::ReadOnly));
            copy.file(demo.relativeFilePath(path), in.readAll());
        }
    }
    RunningWindow run(copy);
    sentara::ui::SentaraWindow& window = *run.window;
    EXPECT_EQ(window.catalogue()->nodeCount(), 670);
    EXPECT_GT(run.session.SentenceCount(), 0);
    EXPECT_GT(window.sentencePanel()->words()->cellCount(), 0);
    for (int mode = 1; mode <= 9; ++mode) {
        if (!window.tabs()->isTabVisible(mode)) {
            continue;
        }
        click(window.tabs()->tab(mode));
        EXPECT_EQ(window.panels()->currentWidget(), window.modePanel(mode)) << mode;
        EXPECT_TRUE(window.modePanel(mode)->isVisible()) << mode;
    }
}

} // namespace

// The options menus are made when first opened, not at start-up; one made after the options
// changed shows the change, and its choices reach the session like any other's.
TEST_F(SentaraWindowTest, OptionsMenusMadeLateShowTheCurrentOptions) {
    RunningWindow run(course);
    EXPECT_TRUE(run.window->findChildren<sentara::ui::OptionsMenu*>().isEmpty());
    run.session.selectOption(sentara::OptionFamily::SenRead, 3); // "3次"

    sentara::ui::OptionsMenu* menu = run.window->sentenceMenu();
    EXPECT_TRUE(menu->entry(QStringLiteral("SenModeRead3"))->isChecked());
    EXPECT_FALSE(menu->entry(QStringLiteral("SenModeRead1"))->isChecked());
    menu->entry(QStringLiteral("SenModeRead4"))->trigger(); // "5次"
    EXPECT_EQ(run.session.settings().readCountOf(RepeatFamily::Sen), 5);
    EXPECT_EQ(run.window->sentenceMenu(), menu) << "made once";
}

// Each panel's settings picture opens that panel's own menu.
TEST_F(SentaraWindowTest, EachSettingsPictureOpensItsPanelsMenu) {
    RunningWindow run(course);
    sentara::ui::SentaraWindow& w = *run.window;
    const QPoint at(40, 40);
    const std::vector<std::pair<std::function<void()>, std::function<QMenu*()>>> pictures{
        {[&] { emit w.sentencePanel()->settingsClicked(at); }, [&] { return w.sentenceMenu(); }},
        {[&] { emit w.fullTextPanel()->settingsClicked(at); }, [&] { return w.fullTextMenu(); }},
        {[&] { emit w.coverPanel()->settingsClicked(at); }, [&] { return w.coverMenu(); }},
        {[&] { emit w.dictationPanel()->settingsClicked(at); }, [&] { return w.dictationMenu(); }},
        {[&] { emit w.spellingPanel()->settingsClicked(at); }, [&] { return w.spellingMenu(); }}};
    for (const auto& [click, menu] : pictures) {
        click();
        QWidget* open = QApplication::activePopupWidget();
        EXPECT_EQ(open, menu()) << menu()->objectName().toStdString();
        if (open != nullptr) {
            open->close();
        }
    }
}
