#include "UiEvents.h"
#include "WindowFixture.h"

#include "common/TextFile.h"
#include "sentara/dictation/FillIn.h"
#include "sentara/modes/WordRecall.h"
#include "sentara/ui/FillInBox.h"
#include "sentara/ui/FillInPanel.h"
#include "sentara/ui/HiddenWordLine.h"
#include "sentara/ui/ModeTabBar.h"
#include "sentara/ui/RecallPanel.h"
#include "sentara/ui/SentencePanel.h"
#include "sentara/ui/WordLine.h"

#include "sentara/ui/WordPanelWidget.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QThread>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

using namespace uitest;

namespace {

// Lets the event loop run until `done` holds (the click of a word waits for a double click).
bool waitFor(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done() && elapsed.elapsed() < ms) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    return done();
}

void doubleClick(QWidget* widget) {
    const QPointF local(widget->rect().center());
    const QPointF global(widget->mapToGlobal(widget->rect().center()));
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, global, Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    QApplication::processEvents();
}

QString text(const QWidget* root, const QString& name) {
    const auto* found = root->findChild<QLabel*>(name);
    return found ? found->text() : QStringLiteral("<missing %1>").arg(name);
}

class RecallAndFillInTest : public testing::Test {
protected:
    RecallAndFillInTest() {
        buildSmallCourse(course);
        course.dictionary(
            QStringLiteral("$breakfast['brekf4st]n. 早饭$eat[i:t]v. 吃$bus[b^s]n. 公共汽车"));
    }
    support::CourseBuilder course; // lesson 2 at sentence 3: "Then I eat breakfast."
};

TEST_F(RecallAndFillInTest, AClickOnAHiddenWordGivesItsMeaningAndADoubleClickRevealsIt) {
    RunningWindow run(course);
    click(run.window->tabs()->tab(8));
    sentara::ui::RecallPanel* panel = run.window->recallPanel();
    ASSERT_EQ(run.window->panels()->currentWidget(), panel);
    sentara::ui::HiddenWordLine* words = panel->words();
    ASSERT_EQ(words->cellCount(), 8);
    EXPECT_TRUE(words->cell(7)->property("hiddenWord").toBool());
    EXPECT_EQ(text(panel, QStringLiteral("ClickWordChineseLabel")),
              QStringLiteral("然后我吃早饭。"));

    click(words->cell(7)); // breakfast
    const QWidget* card = panel->findChild<QWidget*>(QStringLiteral("WordCuePicture"));
    ASSERT_TRUE(waitFor([card] { return card->isVisible(); }));
    EXPECT_EQ(text(card, QStringLiteral("CueChineseLabel")), QStringLiteral("n. 早饭"));
    EXPECT_EQ(text(card, QStringLiteral("CueFristLabel")), QStringLiteral("[提示]"));
    EXPECT_TRUE(words->cell(7)->property("hiddenWord").toBool());
    EXPECT_FALSE(run.window->wordPanel()->isVisible()) << "hints never open the word panel";

    // A double click reveals "eat" at once; its two clicks climb no ladder.
    doubleClick(words->cell(5));
    QThread::msleep(50);
    waitFor([] { return false; }, QApplication::doubleClickInterval() + 100);
    const sentara::WordRecallView view = run.session.wordRecall().view();
    EXPECT_FALSE(view.words[4].hidden);
    EXPECT_EQ(view.hintCount, sentara::WordRecall::kLastStage);
    EXPECT_FALSE(words->cell(5)->property("hiddenWord").toBool());
    EXPECT_EQ(text(card, QStringLiteral("CueWordTextLabel")), QStringLiteral("eat"));

    key(run.window.get(), Qt::Key_F12);
    EXPECT_TRUE(words->cell(5)->property("hiddenWord").toBool());
    EXPECT_FALSE(card->isVisible());
}

TEST_F(RecallAndFillInTest, APunctuationClickRestartsTheLadderAndClicksOnTheCardKeepIt) {
    RunningWindow run(course);
    click(run.window->tabs()->tab(8));
    sentara::ui::RecallPanel* panel = run.window->recallPanel();
    sentara::ui::HiddenWordLine* words = panel->words();
    const QWidget* card = panel->findChild<QWidget*>(QStringLiteral("WordCuePicture"));
    const sentara::WordRecall& recall = run.session.wordRecall();
    click(words->cell(7)); // breakfast: its meaning
    ASSERT_TRUE(waitFor([&recall] { return recall.hintCount() == 1; }));

    // The card's own lines are not the panel beside the words: a click there keeps the card,
    // and "点击复读" pronounces the word again with the card still open.
    click(panel->findChild<QWidget*>(QStringLiteral("CueChineseLabel")));
    EXPECT_TRUE(card->isVisible());
    click(panel->findChild<QWidget*>(QStringLiteral("WordReadLabel")));
    EXPECT_TRUE(card->isVisible());
    EXPECT_EQ(text(card, QStringLiteral("WordReadLabel")), QStringLiteral("点击复读"));

    // The full stop is a word of the sentence too: clicked, it is the word clicked last, so
    // breakfast clicked next starts its ladder again at the meaning.
    click(words->cell(8));
    ASSERT_TRUE(waitFor([&recall] { return recall.hintCount() == 0; }));
    click(words->cell(7));
    ASSERT_TRUE(waitFor([&recall] { return recall.hintCount() == 1; }));
    EXPECT_EQ(text(card, QStringLiteral("CueChineseLabel")), QStringLiteral("n. 早饭"));
    EXPECT_EQ(text(card, QStringLiteral("CueFristLabel")), QStringLiteral("[提示]"));

    // Two words clicked one right after the other: neither click is lost, so breakfast, clicked
    // after eat, starts its ladder again.
    click(words->cell(5));
    click(words->cell(7));
    ASSERT_TRUE(waitFor([&recall] { return recall.view().card.anchorWord == 7; }));
    waitFor([] { return false; }, QApplication::doubleClickInterval() + 100);
    EXPECT_EQ(recall.hintCount(), 1);
    EXPECT_EQ(text(card, QStringLiteral("CueFristLabel")), QStringLiteral("[提示]"));

    // A click beside the words closes the card.
    click(panel, QPoint(panel->width() - 4, panel->height() / 2));
    EXPECT_FALSE(card->isVisible());
}

TEST_F(RecallAndFillInTest, TypingTheRightWordAnswersAndSpaceGoesToTheNextKeyWord) {
    RunningWindow run(course);
    // The learner marks "bus" of sentence 4 as a key word in the sentence view (Ctrl+click).
    sentara::ui::SentencePanel* sentence = run.window->sentencePanel();
    click(sentence->findChild<QPushButton*>(QStringLiteral("SenNextCommand")));
    click(sentence->words()->cell(7), {}, Qt::LeftButton, Qt::ControlModifier);
    click(sentence->findChild<QPushButton*>(QStringLiteral("SenBackCommand")));
    const QString lessonFile = run.folder.lessonFile(QString::fromLatin1(kBook1), 2);
    EXPECT_TRUE(common::TextFile::read(lessonFile)
                    .value_or(QString())
                    .contains(QStringLiteral("^bus$bus$◆^")));

    click(run.window->tabs()->tab(9));
    sentara::ui::FillInPanel* panel = run.window->fillInPanel();
    sentara::ui::FillInBox* box = panel->input();
    ASSERT_TRUE(waitFor([box] { return box->hasFocus(); })) << "the focus rule of mode 9";
    EXPECT_EQ(box->geometry(), panel->words()->cell(7)->geometry()) << "over breakfast";
    EXPECT_EQ(text(panel, QStringLiteral("CurrentWordProgressLabel")), QStringLiteral("1 / 2"));

    // A render while typing leaves the box alone; too long selects everything.
    typeText(box, QStringLiteral("brea"));
    run.session.SenPlayCommand_Click();
    EXPECT_EQ(box->text(), QStringLiteral("brea"));
    typeText(box, QStringLiteral("kfastt"));
    EXPECT_EQ(box->selectedText(), QStringLiteral("breakfastt"));
    EXPECT_EQ(run.sounds.playedNames().last(), QStringLiteral("wrong.wav"));
    // Keys that type nothing (Shift, the arrows) leave the too-long text to be corrected.
    key(box, Qt::Key_Shift);
    key(box, Qt::Key_End);
    EXPECT_EQ(box->text(), QStringLiteral("breakfastt"));
    key(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QStringLiteral("breakfast"));
    EXPECT_EQ(panel->notice()->text(), sentara::SpellingDrill::rightMessage());
    key(box, Qt::Key_Backspace); // the notice shows: the answered word is emptied
    EXPECT_EQ(box->text(), QString());
    typeText(box, QStringLiteral("breakfastt"));
    EXPECT_EQ(box->selectedText(), QStringLiteral("breakfastt"));
    typeText(box, QStringLiteral("Breakfast"));
    EXPECT_EQ(box->text(), QStringLiteral("Breakfast"));
    EXPECT_TRUE(panel->notice()->isVisible());
    EXPECT_EQ(panel->notice()->text(), sentara::SpellingDrill::rightMessage());
    EXPECT_EQ(run.sounds.playedNames().last(), QStringLiteral("WordRight.wav"));

    key(box, Qt::Key_Space);
    EXPECT_EQ(run.session.CurrentSentence(), 4);
    EXPECT_EQ(box->text(), QString());
    EXPECT_FALSE(panel->notice()->isVisible());
    EXPECT_EQ(box->geometry().topLeft(), panel->words()->cell(7)->geometry().topLeft());
    EXPECT_EQ(text(panel, QStringLiteral("CurrentWordProgressLabel")), QStringLiteral("2 / 2"));
    EXPECT_FALSE(panel->commandButton(1)->isEnabled());

    // The answer, then Backspace to spell it again.
    key(box, Qt::Key_F10);
    EXPECT_EQ(box->text(), QStringLiteral("bus"));
    EXPECT_EQ(panel->notice()->text(), sentara::SpellingDrill::finishedMessage());
    key(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QString());
    EXPECT_FALSE(panel->notice()->isVisible());
}

} // namespace
