// The video mode's panel, the floating video window and the voice view's recorder, driven
// through their widgets.
#include "UiEvents.h"
#include "WindowFixture.h"

#include "support/SimulatedPlayer.h"

#include "platform/VideoFrameSlot.h"
#include "sentara/modes/VideoMode.h"
#include "sentara/ui/OptionsMenu.h"
#include "sentara/ui/ProgressStrip.h"
#include "sentara/ui/RecorderBar.h"
#include "sentara/ui/VideoArea.h"
#include "sentara/ui/VideoPanel.h"
#include "sentara/ui/VideoWindow.h"
#include "sentara/ui/VoicePanel.h"
#include "sentara/ui/WordLine.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace uitest;

namespace {

QPushButton* button(const QWidget* root, const char* name) {
    return root->findChild<QPushButton*>(QString::fromLatin1(name));
}

QWidget* widget(const QWidget* root, const char* name) {
    return root->findChild<QWidget*>(QString::fromLatin1(name));
}

void moveOver(QWidget* target, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QApplication::processEvents();
}

// A left-button drag from one point of a widget to another, in global steps.
void drag(QWidget* target, QPoint from, QPoint by) {
    const QPointF start(target->mapToGlobal(from));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(from), start, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent move(QEvent::MouseMove, QPointF(from + by), start + QPointF(by), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(from + by), start + QPointF(by),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
    QApplication::processEvents();
}

class VideoWindowTest : public testing::Test {
protected:
    // The video course's lesson 1 with four sentences, opened in `mode` on `engine`.
    VideoWindowTest() { buildSmallCourse(course); }

    void open(int mode, int engine = 2) {
        QList<support::SentenceSpec> lesson;
        const QStringList lines{QStringLiteral("Action!"), QStringLiteral("Quiet on the set."),
                                QStringLiteral("Roll the camera."), QStringLiteral("Cut!")};
        for (int i = 0; i < lines.size(); ++i) {
            lesson.append(support::sentence(lines[i], QStringLiteral("第%1句").arg(i + 1),
                                            0.5 + 2 * i, 2.0 + 2 * i));
        }
        course.lesson(QString::fromLatin1(kVideoBook), 1, lesson)
            .media(QString::fromLatin1(kVideoBook), QStringLiteral("1.wmv"), 9000);
        sentara::StudySettings settings = smallCourseSettings();
        settings.catalogueNodeIndex = 246;
        settings.resumeSentence = 1;
        settings.modeIndex = mode;
        settings.engineChoice = engine;
        course.studySettings(settings.format());
        run = std::make_unique<RunningWindow>(course);
        run->window->resize(1100, 680);
        QApplication::processEvents();
    }

    sentara::ui::VideoPanel* panel() const { return run->window->videoPanel(); }
    sentara::ui::VideoWindow* floating() const { return run->window->videoWindow(); }

    support::CourseBuilder course;
    std::unique_ptr<RunningWindow> run;
};

TEST_F(VideoWindowTest, PlayAndPauseAreOneCommandAndTheTipFollowsTheHoveredSegment) {
    open(5);
    sentara::ui::VideoPanel* video = panel();
    EXPECT_TRUE(button(video, "VideoPauseCommand")->isVisible()) << "the lesson plays on";
    EXPECT_FALSE(button(video, "VideoReadCommand")->isVisible());
    click(button(video, "VideoPauseCommand"));
    EXPECT_TRUE(button(video, "VideoReadCommand")->isVisible());
    EXPECT_FALSE(button(video, "VideoPauseCommand")->isVisible());
    EXPECT_FALSE(run->isPlaying());
    click(video->area()); // a click on the picture plays on again
    EXPECT_TRUE(run->isPlaying());
    EXPECT_TRUE(button(video, "VideoPauseCommand")->isVisible());

    // The tip over segment 4 shows that sentence, above its segment and inside the panel.
    sentara::ui::ProgressStrip* strip = video->progress();
    const QRect segment = strip->segmentRect(4);
    moveOver(strip, segment.center());
    QFrame* tip = video->tip();
    ASSERT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->findChild<QLabel*>(QStringLiteral("Label1(55)"))->text(), "Cut!");
    EXPECT_LE(tip->geometry().right(), video->width() - 1);
    EXPECT_GE(tip->geometry().left(), 0);
    EXPECT_LT(tip->geometry().bottom(), strip->mapTo(video, QPoint(0, 0)).y());
    EXPECT_GT(tip->geometry().right(), strip->mapTo(video, segment.center()).x());
    click(strip, segment.center());
    EXPECT_EQ(run->session.CurrentSentence(), 4);
    EXPECT_DOUBLE_EQ(run->sentencePlayer()->position(), 6.5);
    moveOver(video->area(), video->area()->rect().center());
    EXPECT_FALSE(tip->isVisible());
}

TEST_F(VideoWindowTest, AHiddenLineGivesItsHeightToTheVideoAndTakesItBack) {
    open(5);
    sentara::ui::VideoPanel* video = panel();
    QWidget* area = video->area();
    QWidget* english = widget(video, "Picture2");
    QWidget* chinese = widget(video, "Picture3");
    const int areaHeight = area->height();
    const int englishHeight = english->height();
    const int chineseHeight = chinese->height();
    const int spacing = chinese->y() - english->geometry().bottom() - 1;
    ASSERT_GT(englishHeight, 10);

    click(widget(video, "Image12"));
    EXPECT_FALSE(english->isVisible());
    EXPECT_EQ(area->height(), areaHeight + englishHeight + spacing);
    click(widget(video, "Image13"));
    EXPECT_EQ(area->height(), areaHeight + englishHeight + chineseHeight + 2 * spacing);
    click(widget(video, "Image12"));
    click(widget(video, "Image13"));
    EXPECT_EQ(area->height(), areaHeight);
    EXPECT_TRUE(english->isVisible() && chinese->isVisible());

    // A word of the sentence opens the word panel; a click on the Chinese line closes it.
    click(video->words()->cell(1));
    EXPECT_TRUE(run->session.view().wordPanel.visible);
    click(widget(video, "VideoChineseLabel"));
    EXPECT_FALSE(run->session.view().wordPanel.visible);
}

TEST_F(VideoWindowTest, FloatingWindowOverOtherModesClosesReopensMovesAndResizes) {
    open(2);
    sentara::ui::VideoWindow* window = floating();
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "视频窗口");
    EXPECT_TRUE(window->isWindow());

    const QPoint before = window->pos();
    drag(window->frames(), QPoint(40, 40), QPoint(70, 30));
    EXPECT_EQ(window->pos(), before + QPoint(70, 30));
    const QSize size = window->size();
    drag(window->corner(), QPoint(2, 2), QPoint(50, 40));
    EXPECT_EQ(window->size(), size + QSize(50, 40));

    click(window->closeCommand());
    EXPECT_FALSE(window->isVisible());
    QAction* entry = run->window->videoOpenCloseAction();
    const sentara::ui::OptionsMenu* fullTextMenu = run->window->fullTextMenu();
    ASSERT_NE(fullTextMenu, nullptr);
    EXPECT_EQ(fullTextMenu->actions().last(), entry) << "the full-text menu's last entry";
    EXPECT_EQ(entry->text(), "打开视频");
    EXPECT_TRUE(entry->isVisible());
    entry->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(entry->text(), "关闭视频");

    run->session.TabImage_Click(5); // the video mode shows its own picture
    EXPECT_FALSE(window->isVisible());
    run->session.TabImage_Click(2);
    run->session.Option3_MouseUp(); // the backup engine has no floating window
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(run->window->videoPanel()->area()->showsNativePicture());
}

TEST_F(VideoWindowTest, TheWindowHasNoNativeChildWindowsUntilTheBackupEngineAsksForOne) {
    // A native child window makes its ancestors and their other children native as well: each
    // is a window-system window to create, expose and flush, which slowed start-up on X11.
    open(5);
    ASSERT_TRUE(run->window->videoPanel()->isVisible());
    for (const QWidget* widget : run->window->findChildren<QWidget*>()) {
        if (!widget->isWindow()) {
            EXPECT_EQ(widget->internalWinId(), WId(0)) << widget->objectName().toStdString();
        }
    }
}

TEST_F(VideoWindowTest, RecorderCommandsFollowRecordingAndTheMeterFollowsTheMicrophone) {
    open(6);
    const QWidget* voice = run->window->voicePanel();
    EXPECT_FALSE(button(voice, "RecordStopCommand")->isEnabled());
    EXPECT_FALSE(button(voice, "UserVoiceCommand")->isEnabled());
    EXPECT_FALSE(button(voice, "RepeatCommand")->isEnabled());
    EXPECT_EQ(button(voice, "RecordCommand")->text(), "录音");
    click(button(voice, "RecordCommand"));
    EXPECT_TRUE(button(voice, "RecordStopCommand")->isEnabled());
    run->recorder.setInputLevel(0.5); // -6 dB of a 60 dB meter
    EXPECT_EQ(run->window->voicePanel()->recorder()->meter()->value(), 90);
    run->recorder.setInputLevel(0.001); // -60 dB
    EXPECT_EQ(run->window->voicePanel()->recorder()->meter()->value(), 0);
    run->clock.advance(700);
    click(button(voice, "RecordStopCommand"));
    EXPECT_FALSE(button(voice, "RecordStopCommand")->isEnabled());
    EXPECT_TRUE(button(voice, "UserVoiceCommand")->isEnabled());
    EXPECT_TRUE(button(voice, "RepeatCommand")->isEnabled());
    EXPECT_EQ(run->window->voicePanel()->recorder()->meter()->value(), 0);
    click(button(voice, "UserVoiceCommand"));
    EXPECT_EQ(run->recorder.state(), ports::Recorder::State::Playing);
}

} // namespace
