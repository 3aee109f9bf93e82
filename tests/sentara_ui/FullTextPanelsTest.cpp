#include "UiEvents.h"
#include "WindowFixture.h"

#include "support/SimulatedPlayer.h"

#include "common/TextFile.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/modes/CoverPractice.h"
#include "sentara/modes/FullTextMode.h"
#include "sentara/ui/CoverListCanvas.h"
#include "sentara/ui/CoverListPanel.h"
#include "sentara/ui/FullTextWordCanvas.h"
#include "sentara/ui/FullTextWordPanel.h"
#include "sentara/ui/ModeTabBar.h"
#include "sentara/ui/OptionsMenu.h"
#include "sentara/ui/SentencePanel.h"
#include "sentara/ui/TextScroller.h"
#include "sentara/ui/WordLine.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace uitest;
using sentara::CoverPart;
using sentara::ui::CoverListPanel;
using sentara::ui::FullTextWordCanvas;
using sentara::ui::TextScroller;

namespace {

QString lessonText(const support::CourseBuilder& course) {
    return common::TextFile::read(course.folder().lessonFile(QString::fromLatin1(kBook1), 2))
        .value_or(QString());
}

// The first word of `sentence` on the word canvas, and where it is drawn.
QRect firstWordOf(const FullTextWordCanvas* canvas, int sentence, const QString& text) {
    for (qsizetype i = 0; i < canvas->words().size(); ++i) {
        const sentara::FullTextWord& word = canvas->words().at(i);
        if (word.sentence == sentence && word.text == text) {
            return canvas->wordRect(static_cast<int>(i));
        }
    }
    return {};
}

class FullTextPanelsTest : public testing::Test {
protected:
    FullTextPanelsTest() { buildSmallCourse(course); }

    support::CourseBuilder course;
};

TEST_F(FullTextPanelsTest, AClickOnAWordSelectsItsSentenceAndARightClickWithCtrlMarksIt) {
    RunningWindow run(course);
    click(run.window->tabs()->tab(1));
    FullTextWordCanvas* canvas = run.window->fullTextPanel()->canvas();
    ASSERT_TRUE(canvas->isVisible());

    const QRect school = firstWordOf(canvas, 5, QStringLiteral("School"));
    ASSERT_TRUE(school.isValid());
    click(canvas, school.center());
    EXPECT_EQ(run.session.CurrentSentence(), 5);
    EXPECT_TRUE(run.isPlaying());
    EXPECT_EQ(run.sentencePlayer()->calls(support::SimulatedPlayer::Call::Kind::Seek).last().value,
              11.5);
    for (const sentara::FullTextWord& word : canvas->words()) {
        EXPECT_EQ(word.underlined, word.sentence == 5);
    }

    const QRect wash = firstWordOf(canvas, 2, QStringLiteral("wash"));
    click(canvas, wash.center(), Qt::RightButton, Qt::ControlModifier);
    EXPECT_EQ(run.session.CurrentSentence(), 2);
    EXPECT_TRUE(lessonText(course).contains(QStringLiteral("^wash$wash$◆^")));
    EXPECT_TRUE(run.window->findChild<QWidget*>(QStringLiteral("WordPicture"))->isVisible());
    EXPECT_FALSE(run.isPlaying()) << "left at the start of the sentence";

    // Read-all starts from the top and gives the find box the focus.
    QPushButton* readAll =
        run.window->fullTextPanel()->findChild<QPushButton*>(QStringLiteral("AllReadCommand"));
    click(readAll);
    EXPECT_EQ(readAll->text(), QStringLiteral("停止朗读"));
    EXPECT_EQ(run.session.CurrentSentence(), 1);
    EXPECT_TRUE(run.window->fullTextPanel()->search()->hasFocus());
}

TEST_F(FullTextPanelsTest, ACtrlClickInTheSentenceViewRecoloursTheWordAndChangesTheFile) {
    RunningWindow run(course);
    const QString before = lessonText(course);
    sentara::ui::WordLine* words = run.window->sentencePanel()->words();
    ASSERT_EQ(words->cell(5)->text(), QStringLiteral("eat"));
    const QColor ink = words->cell(5)->palette().color(QPalette::WindowText);

    click(words->cell(5), {}, Qt::LeftButton, Qt::ControlModifier);

    EXPECT_EQ(words->cell(5)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    const QString after = lessonText(course);
    EXPECT_NE(after, before);
    EXPECT_TRUE(after.contains(QStringLiteral("^eat$eat$◆^")));

    // The full-text menu: how to mark key words, their colour (every key word on screen takes
    // it), the full-text read count with one check.
    sentara::ui::OptionsMenu* menu = run.window->fullTextMenu();
    EXPECT_EQ(menu->title(), QStringLiteral("全文模式设置"));
    menu->findChild<QAction*>(QStringLiteral("SetKeyWord"))->trigger();
    ASSERT_EQ(run.dialogs.messages().size(), 1);
    EXPECT_EQ(run.dialogs.messages().front().title, QStringLiteral("提示"));
    menu->entry(QStringLiteral("AllModeRead3"))->trigger();
    EXPECT_EQ(run.session.settings().readCountOf(sentara::RepeatFamily::All), 3);
    int checked = 0;
    for (const QAction* action : menu->familyMenu(sentara::OptionFamily::AllRead)->actions()) {
        checked += action->isChecked() ? 1 : 0;
    }
    EXPECT_EQ(checked, 1);
    EXPECT_NE(menu->familyMenu(sentara::OptionFamily::Engine), nullptr) << "选择发音引擎";
    run.dialogs.scriptColours({0x00AA00});
    menu->findChild<QAction*>(QStringLiteral("KeyWordColor"))->trigger();
    EXPECT_EQ(run.session.settings().keyWordColour, 0x00AA00);
    EXPECT_EQ(words->cell(5)->palette().color(QPalette::WindowText), QColor(0, 0xAA, 0));
    EXPECT_EQ(words->cell(7)->palette().color(QPalette::WindowText), QColor(0, 0xAA, 0));
    EXPECT_EQ(words->cell(3)->palette().color(QPalette::WindowText), ink);
}

TEST_F(FullTextPanelsTest, ACoverClickUncoversALineAndRestoreCoversItAgain) {
    RunningWindow run(course);
    click(run.window->tabs()->tab(3));
    CoverListPanel* panel = run.window->coverPanel();
    sentara::ui::CoverListCanvas* canvas = panel->canvas();
    ASSERT_TRUE(canvas->isVisible());
    EXPECT_EQ(panel->findChild<QLabel*>(QStringLiteral("Label1(8)"))->text(),
              QStringLiteral("点击遮挡的中文可显示或隐藏，按恢复重置界面"));
    ASSERT_TRUE(run.session.coverPractice().covered(2, CoverPart::Chinese));
    run.sounds.clear();

    click(canvas, canvas->chineseRect(2).center());
    EXPECT_FALSE(run.session.coverPractice().covered(2, CoverPart::Chinese));
    EXPECT_EQ(run.sounds.playedNames(), (QStringList{"MouDown.wav", "MouUp.wav"}));
    click(canvas, canvas->englishRect(4).center()); // the English is not covered in this mode
    EXPECT_EQ(run.sounds.playedNames().size(), 2);

    click(panel->findChild<QPushButton*>(QStringLiteral("ResetCommand")));
    EXPECT_TRUE(run.session.coverPractice().covered(2, CoverPart::Chinese));
    EXPECT_TRUE(panel->search()->hasFocus());

    // "点出中文和英文" from the menu covers both lines of every sentence, with one check.
    sentara::ui::OptionsMenu* menu = run.window->coverMenu();
    EXPECT_EQ(menu->title(), QStringLiteral("英汉互译设置"));
    menu->entry(QStringLiteral("RS3"))->trigger();
    EXPECT_TRUE(run.session.coverPractice().covered(1, CoverPart::English));
    EXPECT_TRUE(menu->entry(QStringLiteral("RS3"))->isChecked());
    EXPECT_FALSE(menu->entry(QStringLiteral("RS1"))->isChecked());
}

// Lesson 2 of the first Book becomes thirty sentences long, opened in `mode` at sentence 1 with
// the list scrolled `listTop` twips.
void longLesson(support::CourseBuilder& course, int mode, double listTop) {
    QList<support::SentenceSpec> many;
    for (int i = 0; i < 30; ++i) {
        many << support::sentence(QStringLiteral("Sentence number %1 is here.").arg(i + 1),
                                  QStringLiteral("第%1句").arg(i + 1), 2.0 * i, 2.0 * i + 1.5);
    }
    sentara::StudySettings settings = smallCourseSettings();
    settings.modeIndex = mode;
    settings.resumeSentence = 1;
    settings.sentencePanelTop = listTop;
    settings.sentenceHandleTop = 300;
    course.lesson(QString::fromLatin1(kBook1), 2, many)
        .media(QString::fromLatin1(kBook1), QStringLiteral("2.mp3"), 70000)
        .studySettings(settings.format());
}

TEST_F(FullTextPanelsTest, TheListReturnsToItsSavedPlaceAndReportsWhereTheLearnerScrolls) {
    longLesson(course, 3, -600); // 40 pixels down

    RunningWindow run(course);
    TextScroller* scroller = run.window->coverPanel()->scroller();
    ASSERT_GT(scroller->maximum(), 200);
    EXPECT_EQ(scroller->offset(), 40);
    EXPECT_TRUE(scroller->upCommand()->isVisible());

    click(scroller->downCommand());
    EXPECT_EQ(scroller->offset(), 40 + TextScroller::kCommandStep);
    EXPECT_EQ(run.session.settings().sentencePanelTop, -15.0 * scroller->offset());
    EXPECT_GT(run.session.settings().sentenceHandleTop, TextScroller::kHandleStartTwips);
    EXPECT_TRUE(run.window->coverPanel()->search()->hasFocus());

    for (int i = 0; i < 5; ++i) {
        click(scroller->upCommand());
    }
    EXPECT_EQ(scroller->offset(), 0) << "the list stops at its top";
    EXPECT_EQ(run.session.settings().sentenceHandleTop, TextScroller::kHandleStartTwips);
    scroller->thumb()->setValue(scroller->thumb()->maximum()); // dragged to the end
    for (int i = 0; i < 3; ++i) {
        click(scroller->downCommand());
    }
    EXPECT_EQ(scroller->offset(), scroller->maximum()) << "and at its end";

    // Another mode's sentence change brings the sentence into view when the list is shown.
    click(run.window->tabs()->tab(2));
    run.session.SenBegainCommand_Click();
    click(run.window->tabs()->tab(3));
    EXPECT_EQ(scroller->offset(), 0);

    // So does one made after a lesson was loaded while the list was hidden: the loaded lesson's
    // place does not hide the sentence moved to later.
    click(run.window->tabs()->tab(2));
    run.session.TreeView1_NodeClick(2);
    run.session.TreeView1_NodeClick(3);
    for (int i = 0; i < 25; ++i) {
        run.session.SenNextCommand_Click();
    }
    click(run.window->tabs()->tab(3));
    EXPECT_GT(scroller->offset(), 0);
}

TEST_F(FullTextPanelsTest, AListNeverShownYetOpensWithTheCurrentSentenceInView) {
    longLesson(course, 2, 0);
    RunningWindow run(course);
    for (int i = 0; i < 4; ++i) {
        run.session.SenNextCommand_Click(); // while the list is hidden
    }
    click(run.window->tabs()->tab(3));
    const TextScroller* scroller = run.window->coverPanel()->scroller();
    const QRect fifth = run.window->coverPanel()->canvas()->sentenceRect(5);
    EXPECT_EQ(scroller->offset(), 0) << "sentence 5 is in view at the top";
    EXPECT_LE(fifth.bottom(), scroller->viewport()->height());
    for (int i = 0; i < 20; ++i) {
        run.session.SenNextCommand_Click(); // while it is shown: sentence 25 is brought into view
    }
    const QRect current = run.window->coverPanel()->canvas()->sentenceRect(25);
    EXPECT_GE(current.top(), scroller->offset());
    EXPECT_LE(current.bottom(), scroller->offset() + scroller->viewport()->height());
}

} // namespace
