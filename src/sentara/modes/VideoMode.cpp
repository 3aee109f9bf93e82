#include "sentara/modes/VideoMode.h"

#include "common/CourseContent.h"
#include "common/ports/Clock.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/modes/ListeningLoop.h"
#include "sentara/modes/VoiceControl.h"
#include "sentara/modes/WordPanel.h"
#include "sentara/settings/StudySettings.h"

namespace sentara {

namespace {

constexpr int kWindowChoiceDelayMs = 100;

using Engine = ports::MediaEngines::Engine;
using Place = ports::VideoSurfaces::Place;

} // namespace

VideoMode::VideoMode(ports::Clock& clock, const LoadedLesson& lesson, StudySettings& study,
                     const common::CourseContent& content, ListeningLoop& loop, VoiceControl& voice,
                     WordPanel& wordPanel, VideoHost& host)
    : lesson_(lesson), study_(study), content_(content), loop_(loop), voice_(voice),
      wordPanel_(wordPanel), host_(host), windowTimer_(clock.createTimer(kWindowChoiceDelayMs)) {
    connect(windowTimer_.get(), &ports::Timer::timeout, this, &VideoMode::chooseVisibleWindow);
    // New players (at start and on an engine switch) draw into that engine's surfaces.
    connect(&voice_, &VoiceControl::playersCreated, this, &VideoMode::placeVideo);
}

VideoMode::~VideoMode() = default;

void VideoMode::setSurfaces(const ports::VideoSurfaces* surfaces) {
    surfaces_ = surfaces;
    placeVideo();
}

void VideoMode::placeVideo() {
    if (surfaces_ == nullptr) {
        voice_.attachVideoSurfaces(nullptr, nullptr);
        return;
    }
    const Engine engine = voice_.engine();
    if (engine == Engine::Default) {
        voice_.attachVideoSurfaces(surfaces_->surface(engine, Place::ModeArea),
                                   surfaces_->surface(engine, Place::FloatingWindow));
    } else {
        // Outside the video mode nothing shows the backup engine's picture: it is not decoded.
        voice_.attachVideoSurfaces(
            host_.ModeIndex() == 5 ? surfaces_->surface(engine, Place::ModeArea) : nullptr,
            nullptr);
    }
}

void VideoMode::playOn() {
    if (host_.SentenceCount() == 0) {
        return;
    }
    loop_.startContinuousPlay();
    viewChanged();
}

void VideoMode::pauseVideo() {
    loop_.pauseContinuousPlay();
    viewChanged();
}

void VideoMode::playSentence() {
    loop_.stopWatches();
    host_.SenPlayCommand_Click();
    viewChanged();
}

void VideoMode::firstSentence() {
    navigate(&VideoHost::SenBegainCommand_Click, host_.SentenceCount() > 0);
}

void VideoMode::previousSentence() {
    navigate(&VideoHost::SenBackCommand_Click, host_.CurrentSentence() > 1);
}

void VideoMode::nextSentence() {
    const int current = host_.CurrentSentence();
    navigate(&VideoHost::SenNextCommand_Click, current >= 1 && current < host_.SentenceCount());
}

void VideoMode::navigate(void (VideoHost::*command)(), bool enabled) {
    loop_.stopWatches();
    voice_.VoicePause();
    loop_.setVideoReadVisible(false);
    if (enabled) {
        // The video mode plays the new sentence once; its end brings the play command back.
        (host_.*command)();
    }
    viewChanged();
}

void VideoMode::playOnFromSegment(int sentence) {
    if (sentence < 1 || sentence > host_.SentenceCount()) {
        return;
    }
    loop_.playOnFrom(sentence);
    viewChanged();
}

void VideoMode::toggleVideoPlay() {
    if (loop_.videoReadVisible()) {
        playOn();
    } else {
        pauseVideo();
    }
    wordPanel_.hide();
    viewChanged();
}

void VideoMode::hoverSegment(int sentence) {
    if (sentence < 1 || sentence > host_.SentenceCount()) {
        sentence = 0;
    }
    if (sentence == hovered_) {
        return; // the tip changes only when the pointer reaches another segment
    }
    hovered_ = sentence;
    viewChanged();
}

void VideoMode::hideTip() {
    hoverSegment(0);
}

void VideoMode::clickWord(int index) {
    const QList<WordCell> words = lesson_.words(host_.CurrentSentence());
    if (index < 1 || index > words.size() || !words.at(index - 1).clickable) {
        return;
    }
    const WordCell& word = words.at(index - 1);
    // A word without a look-up form is looked up as it is written.
    wordPanel_.lookUp(word.lookupForm.isEmpty() ? word.caption : word.lookupForm);
    wordPanel_.show();
    wordPanel_.pronounce();
    viewChanged();
}

void VideoMode::toggleVideoEnglish() {
    study_.videoEnglishCheck = study_.videoEnglishCheck == 0 ? 1 : 0;
    viewChanged();
}

void VideoMode::toggleVideoChinese() {
    study_.videoChineseCheck = study_.videoChineseCheck == 0 ? 1 : 0;
    viewChanged();
}

void VideoMode::closeFloatingWindow() {
    windowOpen_ = false;
    viewChanged();
}

void VideoMode::toggleFloatingWindow() {
    windowOpen_ = !windowOpen_;
    viewChanged();
}

void VideoMode::mainWindowMinimized() {
    windowTimer_->setEnabled(false);
    windowsHidden_ = true;
    viewChanged();
}

void VideoMode::mainWindowRestored() {
    windowTimer_->setEnabled(true);
}

void VideoMode::chooseVisibleWindow() {
    windowTimer_->setEnabled(false);
    windowsHidden_ = false;
    placeVideo();
    viewChanged();
}

bool VideoMode::videoWindowBook() const {
    return lesson_.isLoaded() && content_.videoWindowTitles.contains(lesson_.book());
}

VideoView VideoMode::view() const {
    VideoView v;
    const int n = host_.SentenceCount();
    const int current = host_.CurrentSentence();
    v.tabVisible = lesson_.isLoaded() && lesson_.book() == content_.videoCourseTitle;
    v.menuEntryVisible = v.tabVisible;
    v.menuEntryCaption = windowOpen_ ? QStringLiteral("关闭视频") : QStringLiteral("打开视频");
    // The floating window accompanies the other modes of a video Book on the default engine.
    v.floatingWindowVisible = windowOpen_ && !windowsHidden_ && videoWindowBook() &&
                              voice_.engine() == Engine::Default && host_.ModeIndex() != 5;
    v.floatingWindowCaption = QStringLiteral("视频窗口");
    v.closeCaption = QStringLiteral("关闭视频");
    v.nativePicture = voice_.engine() == Engine::Backup;
    v.words = lesson_.words(current);
    v.chinese = lesson_.record(current).chinese();
    v.englishVisible = study_.videoEnglishCheck != 0;
    v.chineseVisible = study_.videoChineseCheck != 0;
    v.englishTogglePicture = v.englishVisible ? QStringLiteral("EnglishCheck_1.jpg")
                                              : QStringLiteral("EnglishCheck_0.jpg");
    v.chineseTogglePicture = v.chineseVisible ? QStringLiteral("ChineseCheck_1.jpg")
                                              : QStringLiteral("ChineseCheck_0.jpg");
    v.readCommandVisible = loop_.videoReadVisible();
    v.pauseCommandVisible = !v.readCommandVisible;
    v.playEnabled = n > 0;
    v.backEnabled = current > 1;
    v.nextEnabled = current >= 1 && current < n;
    v.counterText = QStringLiteral("%1 / %2").arg(current).arg(n);
    v.progressSegments = n;
    v.progressFilled = current;
    v.tipVisible = hovered_ >= 1 && hovered_ <= n;
    v.tipSegment = v.tipVisible ? hovered_ : 0;
    v.tipText = v.tipVisible ? lesson_.record(hovered_).displayEnglish() : QString();
    return v;
}

void VideoMode::lessonLoaded() {
    hovered_ = 0;
}

void VideoMode::modeSwitched() {
    hovered_ = 0;
}

} // namespace sentara
