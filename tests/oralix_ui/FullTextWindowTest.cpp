#include "WindowRig.h"
#include "oralix/ui/FullTextPanel.h"
#include "oralix/ui/PracticePanel.h"

#include <QComboBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace oralix;
using namespace oralix_test;

namespace {

QPushButton* button(ui::OralixWindow& window, const char* name) {
    return window.findChild<QPushButton*>(QLatin1String(name));
}

TEST(OralixFullText, ThePauseButtonHoldsReadAllInThePauseBetweenTwoSentences) {
    WindowRig w;
    w.rig.standardBook();
    ui::OralixWindow& window = w.open();
    window.practicePanel()->tab(2)->click(); // one play each, 1 s between two sentences
    w.rig.player().clearLog();
    button(window, "Command6")->click();
    w.rig.clock.advance(2000); // sentence 1 ended at 1.5 s
    button(window, "Command7")->click();
    EXPECT_EQ(button(window, "Command7")->text(), QStringLiteral(" 继续朗读(&A)"));
    w.rig.clock.advance(20000);
    EXPECT_EQ(w.rig.seeks(), QList<double>{0.5}); // nothing started while paused
    EXPECT_EQ(w.rig.player().state(), ports::MediaPlayer::State::Paused);

    button(window, "Command7")->click();
    EXPECT_EQ(button(window, "Command7")->text(), QStringLiteral(" 暂停朗读(&P)"));
    w.rig.clock.advance(510); // what was left of the pause
    EXPECT_EQ(w.rig.seeks(), (QList<double>{0.5, 2.5}));
    EXPECT_EQ(w.rig.player().state(), ports::MediaPlayer::State::Playing);
}

// Twenty sentences per lesson: more than the view shows at once.
void longLessons(support::CourseBuilder& course) {
    QList<support::SentenceSpec> sentences;
    for (int i = 0; i < 20; ++i) {
        sentences << sentence(
            QStringLiteral("This is sentence number %1 of the lesson.").arg(i + 1),
            QStringLiteral("这是本课的第%1句。").arg(i + 1), i, i + 0.5);
    }
    course.bookList(kBook, {QStringLiteral("L1"), QStringLiteral("L2"), QStringLiteral("L3")});
    for (int n = 1; n <= 3; ++n) {
        course.lesson(kBook, n, sentences);
        course.media(kBook, QString::number(n) + QStringLiteral(".mp3"), 25000);
    }
    // Sentence study plays each sentence once with 10 ms pauses.
    course.trainerSettings(QStringLiteral("0\\1\\1\\1\\0\\1\\1\\\\0\\Daily Talk\\0\\0\\"));
}

TEST(OralixFullText, EveryLessonLoadShowsTheTextFromTheTop) {
    WindowRig w;
    longLessons(w.rig.course);
    ui::OralixWindow& window = w.open();
    ui::PracticePanel* panel = window.practicePanel();
    QScrollBar* bar = panel->fullTextPanel()->viewport()->verticalScrollBar();
    auto scrollToTheEnd = [&] {
        panel->tab(2)->click();
        bar->setValue(bar->maximum());
        QApplication::processEvents();
        ASSERT_GT(bar->value(), 0);
    };

    // The lesson list.
    scrollToTheEnd();
    auto* lessons = panel->findChild<QComboBox*>(QStringLiteral("List1"));
    lessons->setFocus();
    typeKey(Qt::Key_Down);
    QApplication::processEvents();
    EXPECT_EQ(w.rig.session->view().lessons.lessonTitle, QStringLiteral("L2"));
    EXPECT_EQ(bar->value(), 0);

    // The book box: its first lesson, 10 ms later.
    scrollToTheEnd();
    auto* books = panel->findChild<QComboBox*>(QStringLiteral("Combo1"));
    emit books->activated(books->findText(kBook));
    w.rig.clock.advance(10);
    QApplication::processEvents();
    EXPECT_EQ(w.rig.session->view().lessons.lessonTitle, QStringLiteral("L1"));
    EXPECT_EQ(bar->value(), 0);

    // The chain: sentence study reads the lesson to its end, then loads the next one.
    scrollToTheEnd();
    panel->tab(1)->click();
    button(window, "Command4")->click();
    ASSERT_TRUE(
        w.rig.clock.advanceUntil([&w] { return w.rig.session->view().lessons.index == 1; }, 60000));
    panel->tab(2)->click();
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), 0);
}

} // namespace
