#include "WindowRig.h"
#include "oralix/ui/FullTextCanvas.h"
#include "oralix/ui/FullTextPanel.h"
#include "oralix/ui/PracticePanel.h"
#include "oralix/ui/ReadAlongPanel.h"
#include "oralix/ui/SentenceBar.h"
#include "oralix/ui/SettingsWindow.h"
#include "oralix/ui/StudyPanel.h"
#include "oralix/ui/TypingBox.h"

#include "common/TextFile.h"
#include "oralix/core/TrainerSettings.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

using namespace oralix;
using namespace oralix_test;

namespace {

TEST(OralixWindow, IsFramelessTopmostAndNearTheTopLeft) {
    WindowRig w;
    w.rig.standardBook();
    ui::OralixWindow& window = w.open();
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRect area = window.screen()->availableGeometry();
    EXPECT_LE(window.x() - area.left(), 20);
    EXPECT_LE(window.y() - area.top(), 20);
    EXPECT_EQ(window.sentenceBar()->englishLine()->text(), QStringLiteral("It's OK."));
    EXPECT_EQ(window.sentenceBar()->chineseLine()->text(), QStringLiteral("没关系。"));
}

TEST(OralixWindow, ResizesToTheSentenceAndWrapsOneWiderThanTheScreen) {
    WindowRig w;
    const QString longSentence = QStringLiteral("This sentence goes on and on ").repeated(12);
    w.rig.course.bookList(kBook, {QStringLiteral("L1")})
        .lesson(kBook, 1,
                {sentence(QStringLiteral("Hi."), QStringLiteral("嗨。"), 0, 1),
                 sentence(QStringLiteral("Thank you very much for the lovely dinner."),
                          QStringLiteral("谢谢你的晚餐。"), 1, 2),
                 sentence(longSentence, QStringLiteral("很长。"), 2, 3)})
        .media(kBook, QStringLiteral("1.mp3"), 5000);
    ui::OralixWindow& window = w.open();
    window.setPracticePanelShown(false);
    QApplication::processEvents();
    const int shortWidth = window.width();
    w.rig.session->nextSentence();
    QApplication::processEvents();
    const int longerWidth = window.width();
    EXPECT_GT(longerWidth, shortWidth);
    EXPECT_FALSE(window.sentenceBar()->englishLine()->wordWrap());

    w.rig.session->nextSentence();
    QApplication::processEvents();
    const QRect area = window.screen()->availableGeometry();
    EXPECT_EQ(window.width(), area.width() - 20);
    EXPECT_EQ(window.x(), area.left() + 10);
    EXPECT_TRUE(window.sentenceBar()->englishLine()->wordWrap());
    // Two lines at least, and every line of the sentence: none of it is cut off.
    QLabel* english = window.sentenceBar()->englishLine();
    const QRect needed = english->fontMetrics().boundingRect(QRect(0, 0, english->width(), 100000),
                                                             Qt::TextWordWrap, english->text());
    EXPECT_GE(english->height(), 2 * english->fontMetrics().height());
    EXPECT_GE(english->height(), needed.height());
    EXPECT_GE(window.sentenceBar()->chineseLine()->y(), english->geometry().bottom());

    // Hiding the Chinese line makes the bar lower.
    const int withChinese = window.height();
    w.rig.session->setChineseLineShown(false);
    QApplication::processEvents();
    EXPECT_LT(window.height(), withChinese);
}

TEST(OralixWindow, TabsSwitchThePanels) {
    WindowRig w;
    w.rig.standardBook();
    ui::OralixWindow& window = w.open();
    ui::PracticePanel* panel = window.practicePanel();
    EXPECT_TRUE(panel->studyPanel()->isVisible());
    EXPECT_FALSE(panel->fullTextPanel()->isVisible());
    EXPECT_FALSE(panel->tab(1)->isEnabled());

    panel->tab(2)->click();
    EXPECT_EQ(w.rig.session->view().mode, 2);
    EXPECT_FALSE(panel->studyPanel()->isVisible());
    EXPECT_FALSE(window.sentenceBar()->isVisible());
    EXPECT_TRUE(panel->fullTextPanel()->isVisible());
    EXPECT_TRUE(panel->findChild<QWidget*>(QStringLiteral("Frame3"))->isVisible());
    EXPECT_FALSE(panel->findChild<QWidget*>(QStringLiteral("Command16"))->isVisible());
    EXPECT_GT(panel->fullTextPanel()->canvas()->height(), 3 * 20);

    panel->tab(3)->click();
    EXPECT_TRUE(panel->findChild<QWidget*>(QStringLiteral("Command16"))->isVisible());
    EXPECT_FALSE(panel->findChild<QWidget*>(QStringLiteral("Frame3"))->isVisible());
    EXPECT_EQ(panel->findChild<QLabel*>(QStringLiteral("Label7_13"))->text(),
              StudyModeTable::info(3).hint);

    panel->tab(5)->click();
    EXPECT_TRUE(panel->readAlongPanel()->isVisible());
    EXPECT_FALSE(panel->fullTextPanel()->isVisible());
    EXPECT_FALSE(panel->findChild<QWidget*>(QStringLiteral("Frame2"))->isVisible());

    panel->tab(1)->click();
    EXPECT_TRUE(panel->studyPanel()->isVisible());
    EXPECT_TRUE(window.sentenceBar()->isVisible());
}

TEST(OralixWindow, SettingsConfirmAppliesRangeAndColours) {
    WindowRig w;
    w.rig.standardBook();
    ui::OralixWindow& window = w.open();
    window.openSettings();
    ui::SettingsWindow* settings = window.settingsWindow();
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(settings->windowTitle(), QStringLiteral("设置"));

    press(settings->swatch(TrainerSettingsForm::Swatch::Background));
    EXPECT_TRUE(settings->palettePanel()->isVisible());
    press(settings->paletteCell(13)); // blue
    EXPECT_FALSE(settings->palettePanel()->isVisible());
    press(settings->swatch(TrainerSettingsForm::Swatch::Text));
    press(settings->paletteCell(7)); // yellow

    auto* start = settings->findChild<QComboBox*>(QStringLiteral("Combo2"));
    auto* end = settings->findChild<QComboBox*>(QStringLiteral("Combo5"));
    emit start->activated(1);
    EXPECT_EQ(end->currentIndex(), 1);
    emit end->activated(0); // before the start: snaps back
    EXPECT_EQ(end->currentIndex(), 1);
    emit end->activated(2);
    settings->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    QApplication::processEvents();

    const OralixView& v = w.rig.session->view();
    EXPECT_EQ(v.backgroundColour, 0xFF0000); // blue as red + 256 green + 65536 blue
    EXPECT_EQ(v.textColour, 0x00FFFF);
    EXPECT_EQ(w.rig.session->startLessonIndex(), 1);
    EXPECT_EQ(w.rig.session->endLessonTitle(), QStringLiteral("Lesson Three"));
    EXPECT_EQ(v.lessons.index, 1);
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_TRUE(
        window.sentenceBar()->englishLine()->styleSheet().contains(QColor(255, 255, 0).name()));
    EXPECT_EQ(window.settingsWindow(), nullptr); // discarded on close
}

TEST(OralixWindow, ClosingWritesTheSettingsFile) {
    WindowRig w;
    w.rig.standardBook();
    ui::OralixWindow& window = w.open();
    w.rig.session->chooseLesson(2);
    w.rig.session->setEnglishLineShown(false);
    window.close();
    const TrainerSettings saved =
        TrainerSettings::load(w.rig.course.folder().trainerSettingsFile());
    EXPECT_EQ(saved.lessonIndex, 2);
    EXPECT_FALSE(saved.englishShown);
    EXPECT_EQ(saved.book, kBook);
    EXPECT_EQ(w.rig.recorder.state(), ports::Recorder::State::Closed);
}

TEST(OralixWindow, ContextMenuHoldsTheSixEntries) {
    WindowRig w;
    w.rig.standardBook();
    ui::OralixWindow& window = w.open();
    QStringList captions;
    for (QAction* action : window.contextMenu()->actions()) {
        if (!action->isSeparator()) {
            captions << action->text();
        }
    }
    EXPECT_EQ(captions, (QStringList{"上一句(&B)", "下一句(&N)", "朗读(&R)", "中文(&C)", "选项(&S)",
                                     "退出(&E)"}));
}

} // namespace

namespace {

TEST(OralixWindow, ClicksOnTheFullTextRevealPlayAndStopReading) {
    using Part = OralixSession::RowPart;
    WindowRig w;
    w.rig.standardBook();
    ui::OralixWindow& window = w.open();
    ui::PracticePanel* panel = window.practicePanel();
    ui::FullTextCanvas* canvas = panel->fullTextPanel()->canvas();

    panel->tab(3)->click();
    EXPECT_FALSE(w.rig.session->lesson().rows()[1].chineseShown);
    release(canvas, canvas->partRect(2, Part::ChineseFrame).center());
    EXPECT_TRUE(w.rig.session->lesson().rows()[1].chineseShown);
    EXPECT_FALSE(w.rig.session->lesson().rows()[0].chineseShown);

    panel->tab(2)->click();
    w.rig.player().clearLog();
    release(canvas, canvas->partRect(3, Part::English).center());
    EXPECT_EQ(w.rig.seeks(), QList<double>{4.5});
    release(canvas, canvas->partRect(1, Part::PlayIcon).center());
    EXPECT_EQ(w.rig.seeks().last(), 0.5);

    panel->findChild<QPushButton*>(QStringLiteral("Command6"))->click();
    EXPECT_TRUE(w.rig.session->view().fullText.reading);
    release(canvas, QPoint(canvas->width() / 2, canvas->height() - 2)); // below the rows
    EXPECT_FALSE(w.rig.session->view().fullText.reading);
    EXPECT_EQ(panel->findChild<QPushButton*>(QStringLiteral("Command6"))->text(),
              QStringLiteral(" 全文朗读(&R)"));
}

TEST(OralixWindow, TheTypingBoxClicksOnlyForTypedCharacters) {
    WindowRig w;
    w.rig.standardBook();
    ui::OralixWindow& window = w.open();
    QWidget* box = window.practicePanel()->studyPanel()->typingBox();
    auto key = [box](int code, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, code, mods, text);
        QApplication::sendEvent(box, &event);
    };
    w.rig.sounds.clear();
    key(Qt::Key_Shift, QString(), Qt::ShiftModifier);
    key(Qt::Key_Left, QString());
    key(Qt::Key_Control, QString(), Qt::ControlModifier);
    EXPECT_TRUE(w.rig.sounds.played().isEmpty());
    key(Qt::Key_I, QStringLiteral("I"), Qt::ShiftModifier);
    key(Qt::Key_Space, QStringLiteral(" "));
    key(Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(w.rig.sounds.playedNames(),
              (QStringList{QStringLiteral("type.wav"), QStringLiteral("type.wav"),
                           QStringLiteral("type.wav")}));
}

TEST(OralixWindow, ChoosingTheRepeatOrIntervalHandsTheKeysBackToThePractice) {
    WindowRig w;
    w.rig.standardBook();
    ui::OralixWindow& window = w.open();
    ui::PracticePanel* panel = window.practicePanel();
    auto* repeat = panel->findChild<QComboBox*>(QStringLiteral("Combo2"));
    auto* interval = panel->findChild<QComboBox*>(QStringLiteral("Combo3"));
    repeat->setFocus();
    emit repeat->activated(3);
    EXPECT_EQ(w.rig.session->view().repeatText, QStringLiteral("3"));
    EXPECT_EQ(window.focusWidget(), static_cast<QWidget*>(panel->studyPanel()->typingBox()));

    // Picking a lesson: typed letters must not go on choosing lessons in the list.
    auto* lessons = panel->findChild<QComboBox*>(QStringLiteral("List1"));
    lessons->setFocus();
    emit lessons->activated(1);
    EXPECT_EQ(w.rig.session->view().lessons.lessonTitle, QStringLiteral("Lesson Two"));
    EXPECT_EQ(window.focusWidget(), static_cast<QWidget*>(panel->studyPanel()->typingBox()));
    // The line toggles and the speeds never take the keys away.
    for (const char* name :
         {"Check1", "Check2", "Check3", "Check4", "Option1", "Option2", "Option3"}) {
        EXPECT_EQ(panel->findChild<QWidget*>(QLatin1String(name))->focusPolicy(), Qt::NoFocus)
            << name;
    }

    panel->tab(2)->click();
    interval->setFocus();
    emit interval->activated(2);
    EXPECT_EQ(w.rig.session->pauseIntervalMs(), 2010);
    EXPECT_EQ(window.focusWidget(), static_cast<QWidget*>(panel->fullTextPanel()->canvas()));
}

} // namespace
