#pragma once

#include "common/ports/VideoSurfaces.h"
#include "sentara/course/SessionView.h"
#include "sentara/modes/ModeComponent.h"

#include <QObject>
#include <QString>
#include <memory>

namespace common {
struct CourseContent;
}

namespace ports {
class Clock;
class Timer;
} // namespace ports

namespace sentara {

class ListeningLoop;
class LoadedLesson;
class VoiceControl;
class WordPanel;
struct StudySettings;

// What the video mode needs of the session: the sentence on display and the sentence view's
// commands it runs.
class VideoHost {
public:
    virtual ~VideoHost() = default;
    virtual int ModeIndex() const = 0;
    virtual int CurrentSentence() const = 0;
    virtual int SentenceCount() const = 0;
    virtual void SenBegainCommand_Click() = 0;
    virtual void SenBackCommand_Click() = 0;
    virtual void SenNextCommand_Click() = 0;
    virtual void SenPlayCommand_Click() = 0;
};

// The video mode (mode 5) and the floating video window.
struct VideoView {
    bool tabVisible = false;       // the Book is the video course
    bool menuEntryVisible = false; // "关闭视频"/"打开视频" in the full-text menu
    QString menuEntryCaption;      // the action now available
    bool floatingWindowVisible = false;
    QString floatingWindowCaption; // "视频窗口"
    QString closeCaption;          // the floating window's "关闭视频"
    bool nativePicture = false;    // the video area shows the backup engine's picture
    QList<WordCell> words;         // the sentence's words; the clickable ones open the word panel
    QString chinese;
    bool englishVisible = true;       // the English line (its height goes to the video when off)
    bool chineseVisible = true;       // the Chinese line
    QString englishTogglePicture;     // EnglishCheck_1.jpg / EnglishCheck_0.jpg
    QString chineseTogglePicture;     // ChineseCheck_1.jpg / ChineseCheck_0.jpg
    bool readCommandVisible = true;   // play on (VideoReadCommand); exactly one of the pair
    bool pauseCommandVisible = false; // pause (VideoPauseCommand)
    bool playEnabled = false;         // play on, play the sentence and first: the lesson has some
    bool backEnabled = false;
    bool nextEnabled = false;
    QString counterText;      // "3 / 12"
    int progressSegments = 0; // one per sentence
    int progressFilled = 0;
    bool tipVisible = false; // the hover tip over the progress strip
    int tipSegment = 0;      // the segment it belongs to
    QString tipText;         // that sentence's English
};

// The video mode: the lesson's video with the sentence's words and Chinese under it, continuous
// play and pause, one sentence, navigation, the progress strip with its hover tip, the two line
// toggles; and where the picture is seen: the video area in the video mode, the floating window
// in the other modes (default engine only).
class VideoMode : public QObject, public ModeComponent {
    Q_OBJECT
public:
    VideoMode(ports::Clock& clock, const LoadedLesson& lesson, StudySettings& study,
              const common::CourseContent& content, ListeningLoop& loop, VoiceControl& voice,
              WordPanel& wordPanel, VideoHost& host);
    ~VideoMode() override;

    // The window's places for video, given once; the players then draw where placeVideo() says.
    void setSurfaces(const ports::VideoSurfaces* surfaces);
    // Which player draws where, after an engine switch or a change of mode: the default engine's
    // sentence player into the video area and its silent twin into the floating window; the
    // backup engine's only player into the video area in the video mode, and nowhere otherwise
    // (the backup engine has no floating window).
    void placeVideo();

    // Play on (VideoReadCommand): continuous play from where the player stands; when the lesson
    // has been played to its end, from sentence 1.
    void playOn();
    // Pause (VideoPauseCommand).
    void pauseVideo();
    // The sentence once (VideoPlayCommand), continuous play stopped.
    void playSentence();
    // First, back and next (back and next only while enabled): the player pauses, the pause
    // command shows, and the new sentence plays once; its end brings the play command back.
    void firstSentence();
    void previousSentence();
    void nextSentence();
    // A click on segment `sentence` of the progress strip: continuous play from there.
    void playOnFromSegment(int sentence);
    // A click on the video picture: play on or pause, whichever is offered; closes the word panel.
    void toggleVideoPlay();
    // The pointer over segment `sentence` of the strip (0: off the strip): the tip shows that
    // sentence's English.
    void hoverSegment(int sentence);
    // The pointer over the video panel or the picture.
    void hideTip();
    // A click on word `index` (1-based): look-up, word panel and pronunciation.
    void clickWord(int index);
    // The English (Image12) and Chinese (Image13) lines on or off.
    void toggleVideoEnglish();
    void toggleVideoChinese();

    // The floating window's "关闭视频": the window goes out of sight.
    void closeFloatingWindow();
    // The full-text menu's "关闭视频"/"打开视频".
    void toggleFloatingWindow();
    // The main window was minimized, or restored: 100 ms after the restore the visible video
    // window is chosen again.
    void mainWindowMinimized();
    void mainWindowRestored();

    VideoView view() const;
    bool floatingWindowOpen() const { return windowOpen_; }

    void lessonLoaded() override;
    void modeSwitched() override;

private:
    void navigate(void (VideoHost::*command)(), bool enabled);
    void chooseVisibleWindow();
    bool videoWindowBook() const;

    const LoadedLesson& lesson_;
    StudySettings& study_;
    const common::CourseContent& content_;
    ListeningLoop& loop_;
    VoiceControl& voice_;
    WordPanel& wordPanel_;
    VideoHost& host_;
    const ports::VideoSurfaces* surfaces_ = nullptr;
    std::unique_ptr<ports::Timer> windowTimer_; // Timer8
    bool windowOpen_ = true;                    // not closed by the learner
    bool windowsHidden_ = false;                // the main window is minimized
    int hovered_ = 0;
};

} // namespace sentara
