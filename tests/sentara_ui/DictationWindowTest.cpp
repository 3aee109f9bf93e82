#include "UiEvents.h"
#include "WindowFixture.h"

#include "common/LessonText.h"
#include "common/TextFile.h"
#include "sentara/ui/BlankLine.h"
#include "sentara/ui/DictationPanel.h"
#include "sentara/ui/HintCardWidget.h"
#include "sentara/ui/ModeTabBar.h"
#include "sentara/ui/OptionsMenu.h"
#include "sentara/ui/ResultsPanel.h"
#include "sentara/ui/SpellingPanel.h"
#include "sentara/ui/TypedInputBox.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace uitest;
using sentara::ui::BlankLine;
using sentara::ui::TypedInputBox;

namespace {

// The small course in the dictation test: lesson 2 of the first Book at sentence 3,
// "Then I eat breakfast." (blanks: words 1, 3, 5 and 7).
class DictationWindowTest : public testing::Test {
protected:
    DictationWindowTest() {
        buildSmallCourse(course);
        sentara::StudySettings settings = smallCourseSettings();
        settings.modeIndex = 4;
        course.studySettings(settings.format());
        course.results(QString::fromLatin1(kBook1), QStringLiteral("^☆Step 1^☆Step 2^☆Step 3^"));
    }

    static bool hidden(const BlankLine* line, int word) {
        return line->cell(word)->property("blankHidden").toBool();
    }
    // The box lies over the word: at its place, at least as wide.
    static bool boxOver(const BlankLine* line, int word) {
        const QRect box = line->box()->geometry();
        const QRect cell = line->cell(word)->geometry();
        return line->box()->isVisible() && box.topLeft() == cell.topLeft() &&
               box.width() > cell.width();
    }

    support::CourseBuilder course;
};

TEST_F(DictationWindowTest, ARightWordIsRevealedAndTheBoxMovesOnWhileAWrongOneIsSelected) {
    RunningWindow run(course);
    sentara::ui::DictationPanel* panel = run.window->dictationPanel();
    EXPECT_EQ(run.window->panels()->currentWidget(), panel);
    BlankLine* line = panel->words();
    TypedInputBox* box = panel->box();
    ASSERT_EQ(line->cellCount(), 8);
    EXPECT_TRUE(boxOver(line, 1));
    EXPECT_TRUE(hidden(line, 1) && hidden(line, 3) && !hidden(line, 2));

    typeText(box, QStringLiteral("Then"));
    click(panel->findChild<QPushButton*>(QStringLiteral("WriteReadCommand"))); // a render
    run.clock.advance(4000);
    EXPECT_EQ(box->text(), QStringLiteral("Then")) << "a render never overwrites typing";
    typeText(box, QStringLiteral(" "));
    EXPECT_FALSE(hidden(line, 1));
    EXPECT_TRUE(boxOver(line, 3));
    EXPECT_TRUE(box->text().isEmpty());

    typeText(box, QStringLiteral("a "));
    EXPECT_EQ(box->text(), QStringLiteral("a"));
    EXPECT_EQ(box->selectedText(), QStringLiteral("a"));
    EXPECT_EQ(panel->findChild<QLabel*>(QStringLiteral("SenFractionLabel"))->text(),
              QStringLiteral("97"));
    typeText(box, QStringLiteral("I"));
    EXPECT_EQ(box->text(), QStringLiteral("I")) << "the next key replaces the selected word";
    EXPECT_TRUE(box->hasFocus());
}

TEST_F(DictationWindowTest, FinishingASentenceShowsItsPassAndTheResultsListIt) {
    RunningWindow run(course);
    sentara::ui::DictationPanel* panel = run.window->dictationPanel();
    key(panel->box(), Qt::Key_F5); // the hint card below the first blank
    EXPECT_TRUE(panel->card()->isVisible());
    typeText(panel->box(), QStringLiteral("then i eat breakfast."));
    ASSERT_EQ(run.dialogs.messages().size(), 1);
    EXPECT_EQ(run.dialogs.messages()[0].title, QStringLiteral("已过关"));
    EXPECT_EQ(run.dialogs.messages()[0].text,
              QStringLiteral("您的得分为99分，恭喜您已完成本句听写，请按空格键进入下一句"));
    EXPECT_EQ(run.session.CurrentSentence(), 4);
    EXPECT_EQ(panel->findChild<QLabel*>(QStringLiteral("WriteCountLabel"))->text(),
              QStringLiteral("1 / 5"));
    EXPECT_TRUE(panel->box()->hasFocus());

    // The icon beside the progress bar opens the results; a row goes back to its sentence.
    click(panel->findChild<QToolButton*>(QStringLiteral("Image1")));
    sentara::ui::ResultsPanel* results = run.window->resultsPanel();
    ASSERT_TRUE(results->isVisible());
    EXPECT_EQ(results->list(2)->item(0)->text(), QStringLiteral("3.Then I eat breakfast."));
    EXPECT_EQ(results->findChild<QLabel*>(QStringLiteral("ResultsSummaryLabel"))->text(),
              QStringLiteral("本册共有3课，已听写完成0课"));
    QListWidget* passed = results->list(2);
    click(passed->viewport(), passed->visualItemRect(passed->item(0)).center());
    EXPECT_FALSE(results->isVisible());
    EXPECT_EQ(run.session.CurrentSentence(), 3);
    EXPECT_TRUE(panel->findChild<QLabel*>(QStringLiteral("WriteDoneCuePicture"))->isVisible());

    // Clearing the lesson: no question, the panel closes, the file holds no pass.
    click(panel->findChild<QToolButton*>(QStringLiteral("Image1")));
    EXPECT_TRUE(passed->selectedItems().isEmpty()) << "the lists are filled afresh";
    click(results->findChild<QPushButton*>(QStringLiteral("ClearResultsCommand")));
    EXPECT_FALSE(results->isVisible());
    EXPECT_EQ(run.dialogs.messages().size(), 1);
    const QString text =
        common::TextFile::read(run.folder.lessonFile(QString::fromLatin1(kBook1), 2)).value();
    EXPECT_EQ(common::LessonText::dictatedCount(common::LessonText::split(text)), 0);
}

TEST_F(DictationWindowTest, TheMenuSwitchesToFreeSpellingWhereEnterMarksTheFirstWrongLetter) {
    RunningWindow run(course);
    sentara::ui::OptionsMenu* menu = run.window->dictationMenu();
    for (const char* name : {"WordMode1", "WriteSet1", "WriteSet5", "WriteSet6", "LookResults",
                             "SenSetChinese", "WriteModeRead7", "WriteReadTime8"}) {
        EXPECT_NE(menu->entry(QString::fromLatin1(name)), nullptr) << name;
    }
    EXPECT_TRUE(menu->entry(QStringLiteral("WriteSet3"))->isChecked()); // 80
    menu->entry(QStringLiteral("WordMode1"))->trigger();
    sentara::ui::SpellingPanel* panel = run.window->spellingPanel();
    EXPECT_EQ(run.window->panels()->currentWidget(), panel);
    EXPECT_TRUE(run.window->tabs()->isTabVisible(7));
    EXPECT_FALSE(run.window->tabs()->isTabVisible(4));
    EXPECT_NE(run.window->spellingMenu()->entry(QStringLiteral("PenMode2")), nullptr);

    TypedInputBox* box = panel->box();
    EXPECT_TRUE(box->hasFocus());
    typeText(box, QStringLiteral("Then I eet breakfast"));
    key(box, Qt::Key_Return);
    EXPECT_EQ(box->selectedText(), QStringLiteral("e"));
    EXPECT_EQ(box->selectionStart(), 8);
    EXPECT_EQ(run.sounds.playedNames().back(), QStringLiteral("wrong.wav"));
    box->selectAll();
    typeText(box, QStringLiteral("then, i eat breakfast!"));
    key(box, Qt::Key_Return);
    EXPECT_EQ(run.session.CurrentSentence(), 4);
    EXPECT_TRUE(box->text().isEmpty());
}

// The dictation menu's two commands: the scoring rules in a message, the results panel.
TEST_F(DictationWindowTest, TheMenuCommandsShowTheScoringRulesAndTheResults) {
    RunningWindow run(course);
    sentara::ui::OptionsMenu* menu = run.window->dictationMenu();
    menu->entry(QStringLiteral("WriteSet6"))->trigger();
    ASSERT_EQ(run.dialogs.messages().size(), 1);
    EXPECT_EQ(run.dialogs.messages()[0].title, QStringLiteral("评分标准"));
    menu->entry(QStringLiteral("LookResults"))->trigger();
    ASSERT_NE(run.window->resultsPanel(), nullptr);
    EXPECT_TRUE(run.window->resultsPanel()->isVisible());
}

} // namespace
