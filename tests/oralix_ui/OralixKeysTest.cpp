#include "WindowRig.h"
#include "oralix/ui/PracticePanel.h"
#include "oralix/ui/SentenceBar.h"
#include "oralix/ui/StudyPanel.h"
#include "oralix/ui/TypingBox.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace oralix;
using namespace oralix_test;

namespace {

struct KeysRig : WindowRig {
    // Without playOnArrival the repeat count is 0: a sentence plays only when asked to.
    ui::OralixWindow& openOnTheStandardBook(bool playOnArrival = true) {
        rig.standardBook();
        if (!playOnArrival) {
            rig.course.trainerSettings(
                QStringLiteral("0\\1\\1\\0\\1\\0\\1\\\\0\\Daily Talk\\0\\0\\"));
        }
        ui::OralixWindow& w = open();
        w.focusTypingBox();
        return w;
    }
    QString englishLine() const { return window->sentenceBar()->englishLine()->text(); }
    bool buttonEnabled(const char* name) const {
        return window->findChild<QPushButton*>(QLatin1String(name))->isEnabled();
    }
};

TEST(OralixKeys, PageKeysMoveOnlyWhileTheirButtonIsEnabledAndF1GoesBackToTheFirst) {
    KeysRig k;
    k.openOnTheStandardBook();
    EXPECT_FALSE(k.buttonEnabled("Command2"));
    typeKey(Qt::Key_PageUp);
    EXPECT_EQ(k.englishLine(), QStringLiteral("It's OK."));
    typeKey(Qt::Key_PageDown);
    EXPECT_EQ(k.englishLine(), QStringLiteral("How are you?"));
    EXPECT_TRUE(k.buttonEnabled("Command2"));
    typeKey(Qt::Key_PageDown);
    EXPECT_EQ(k.englishLine(), QStringLiteral("Fine, thanks."));
    EXPECT_FALSE(k.buttonEnabled("Command1"));

    const QList<double> seeks = k.rig.seeks();
    typeKey(Qt::Key_PageDown); // the last sentence: nothing happens, nothing plays
    EXPECT_EQ(k.englishLine(), QStringLiteral("Fine, thanks."));
    EXPECT_EQ(k.rig.seeks(), seeks);
    typeKey(Qt::Key_PageUp);
    EXPECT_EQ(k.englishLine(), QStringLiteral("How are you?"));
    EXPECT_EQ(k.rig.seeks().last(), 2.5);
    typeKey(Qt::Key_F1);
    EXPECT_EQ(k.englishLine(), QStringLiteral("It's OK."));
    EXPECT_FALSE(k.buttonEnabled("Command2"));
    EXPECT_TRUE(k.buttonEnabled("Command1"));
}

TEST(OralixKeys, F8PlaysTheCurrentSentenceInEveryMode) {
    KeysRig k;
    ui::OralixWindow& window = k.openOnTheStandardBook(false);
    typeKey(Qt::Key_PageDown);
    k.rig.clock.advance(5000);
    EXPECT_TRUE(k.rig.seeks().isEmpty());
    typeKey(Qt::Key_F8);
    EXPECT_EQ(k.rig.seeks(), QList<double>{2.5});
    EXPECT_EQ(k.rig.player().state(), ports::MediaPlayer::State::Playing);

    window.practicePanel()->tab(2)->click(); // the keys now go to the full text
    k.rig.player().clearLog();
    typeKey(Qt::Key_F8);
    EXPECT_EQ(k.rig.seeks(), QList<double>{2.5});
}

TEST(OralixKeys, F9ShowsTheHiddenEnglishLineAndAsksForItToBeHiddenFirst) {
    KeysRig k;
    ui::OralixWindow& window = k.openOnTheStandardBook();
    QLabel* english = window.sentenceBar()->englishLine();
    auto* check = window.findChild<QCheckBox*>(QStringLiteral("Check1"));
    check->click();
    EXPECT_FALSE(english->isVisible());
    typeKey(Qt::Key_F9);
    EXPECT_TRUE(english->isVisible());
    EXPECT_TRUE(k.rig.dialogs.messages().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(),
              static_cast<QWidget*>(window.practicePanel()->studyPanel()->typingBox()));
    typeKey(Qt::Key_PageDown); // the next sentence is hidden again
    EXPECT_FALSE(english->isVisible());

    check->click();
    typeKey(Qt::Key_F9);
    ASSERT_EQ(k.rig.dialogs.messages().size(), 1);
    EXPECT_TRUE(k.rig.dialogs.texts()[0].contains(QStringLiteral("F9")));
}

// Opens the context menu with the right button and clicks its entry `name`.
void chooseFromContextMenu(ui::OralixWindow& window, const char* name) {
    const QPoint at(window.width() / 2, 2);
    QContextMenuEvent open(QContextMenuEvent::Mouse, at, window.mapToGlobal(at));
    QApplication::sendEvent(&window, &open);
    QMenu* menu = window.contextMenu();
    ASSERT_TRUE(menu->isVisible());
    QAction* action = menu->findChild<QAction*>(QLatin1String(name));
    ASSERT_NE(action, nullptr);
    const QPointF centre = menu->actionGeometry(action).center();
    for (QEvent::Type type :
         {QEvent::MouseMove, QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, centre, menu->mapToGlobal(centre),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(menu, &event);
    }
    QApplication::processEvents();
    EXPECT_FALSE(menu->isVisible());
}

TEST(OralixKeys, TheChineseMenuEntryTogglesTheChineseLine) {
    KeysRig k;
    ui::OralixWindow& window = k.openOnTheStandardBook();
    QLabel* chinese = window.sentenceBar()->chineseLine();
    auto* check = window.findChild<QCheckBox*>(QStringLiteral("Check2"));
    QAction* entry = window.contextMenu()->findChild<QAction*>(QStringLiteral("AR9"));
    ASSERT_TRUE(chinese->isVisible());
    EXPECT_TRUE(entry->isChecked());
    const int withChinese = window.height();

    chooseFromContextMenu(window, "AR9");
    EXPECT_FALSE(chinese->isVisible());
    EXPECT_FALSE(check->isChecked());
    EXPECT_FALSE(entry->isChecked());
    EXPECT_LT(window.height(), withChinese);

    chooseFromContextMenu(window, "AR9");
    EXPECT_TRUE(chinese->isVisible());
    EXPECT_TRUE(check->isChecked());
    EXPECT_TRUE(entry->isChecked());
    EXPECT_EQ(window.height(), withChinese);
}

} // namespace
