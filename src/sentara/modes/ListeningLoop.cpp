#include "sentara/modes/ListeningLoop.h"

#include "common/ports/Clock.h"
#include "sentara/modes/VoiceControl.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace sentara {

namespace {

constexpr int kPollMs = 10;
constexpr int kWordDelayMs = 10;
constexpr int kMinPauseMs = 10;

// The repeat family whose gap timer runs after a play in a mode; none in modes 3, 5, 6 and 9.
std::optional<RepeatFamily> gapFamilyOf(int mode) {
    switch (mode) {
    case 2:
        return RepeatFamily::Sen;
    case 4:
        return RepeatFamily::Write;
    case 1:
        return RepeatFamily::All;
    case 8:
        return RepeatFamily::Click;
    case 7:
        return RepeatFamily::Pen;
    default:
        return std::nullopt;
    }
}

} // namespace

ListeningLoop::ListeningLoop(ports::Clock& clock, VoiceControl& voice, ListeningHost& host,
                             QObject* parent)
    : QObject(parent), voice_(voice), host_(host), readTimer_(clock.createTimer(kPollMs)),
      allReadTimer_(clock.createTimer(kPollMs)), wordTimer_(clock.createTimer(kWordDelayMs)) {
    connect(readTimer_.get(), &ports::Timer::timeout, this, &ListeningLoop::onReadTimer);
    connect(allReadTimer_.get(), &ports::Timer::timeout, this, &ListeningLoop::onAllReadTimer);
    connect(wordTimer_.get(), &ports::Timer::timeout, this, &ListeningLoop::onWordTimer);
    for (int f = 0; f < kRepeatFamilyCount; ++f) {
        pauses_[f] = kMinPauseMs;
        gapTimers_[f] = clock.createTimer(kMinPauseMs);
        connect(gapTimers_[f].get(), &ports::Timer::timeout, this,
                [this, f] { onGapTimer(static_cast<RepeatFamily>(f)); });
    }
}

ListeningLoop::~ListeningLoop() = default;

void ListeningLoop::setPause(RepeatFamily family, int ms) {
    const int f = static_cast<int>(family);
    pauses_[f] = std::max(kMinPauseMs, ms);
    gapTimers_[f]->setInterval(pauses_[f]);
}

int ListeningLoop::pause(RepeatFamily family) const {
    return pauses_[static_cast<int>(family)];
}

void ListeningLoop::startGap(RepeatFamily family, double sinceEndMs) {
    const int f = static_cast<int>(family);
    const double ahead = std::max(0.0, sinceEndMs) + std::max(0.0, voice_.playStartDelayMs());
    const auto interval = static_cast<int>(std::lround(pauses_[f] - ahead));
    gapTimers_[f]->setInterval(std::max(kMinPauseMs, interval));
    gapTimers_[f]->setEnabled(true);
}

void ListeningLoop::playSentence() {
    voice_.VoicePlaySpan(host_.SentenceStart(), host_.SentenceEnd());
    readTimer_->setEnabled(true);
    CloseTimer();
    host_.playbackChanged();
}

void ListeningLoop::SenPlayCommand() {
    currentReadCount_ = 0;
    playSentence();
}

void ListeningLoop::AutoPlaySentence() {
    currentReadCount_ = 0;
    const StudySettings& s = host_.settings();
    bool play = false;
    switch (host_.ModeIndex()) {
    case 2:
        play = s.readCountOf(RepeatFamily::Sen) > 0;
        break;
    case 8:
        play = s.readCountOf(RepeatFamily::Click) > 0;
        break;
    case 7:
        play = s.readCountOf(RepeatFamily::Pen) > 0;
        break;
    case 4:
        play = s.readCountOf(RepeatFamily::Write) > 0;
        break;
    case 1:
        play = s.readCountOf(RepeatFamily::All) > 0;
        break;
    case 3:
    case 5:
    case 6:
        play = true;
        break;
    default:
        break;
    }
    if (play && host_.SentenceCount() > 0) {
        playSentence();
    }
    CloseTimer();
}

void ListeningLoop::CloseTimer() {
    for (auto& timer : gapTimers_) {
        timer->setEnabled(false);
    }
    gapHeld_ = false;
}

void ListeningLoop::stopAll() {
    currentReadCount_ = 0;
    CloseTimer();
    readTimer_->setEnabled(false);
    allReadTimer_->setEnabled(false);
    wordTimer_->setEnabled(false);
    videoReadVisible_ = true;
    readAllRunning_ = false;
    readAllPaused_ = false;
    voice_.VoicePause();
}

bool ListeningLoop::passed(double position, double end) const {
    // A sentence (or a lesson) that ends at the media's end, or after it, is over when the
    // player stops there: its position never goes past the end.
    return position > end || voice_.atMediaEnd();
}

void ListeningLoop::onReadTimer() {
    const double position = voice_.VoiceGetPosition();
    if (!passed(position, host_.SentenceEnd())) {
        return;
    }
    voice_.VoicePause();
    videoReadVisible_ = true;
    readTimer_->setEnabled(false);
    ++currentReadCount_;
    if (const std::optional<RepeatFamily> family = gapFamilyOf(host_.ModeIndex())) {
        startGap(*family, voice_.msSinceSpanEndHeard(position, host_.SentenceEnd()));
    }
    host_.playbackChanged();
    emit sentencePlayEnded();
}

void ListeningLoop::onGapTimer(RepeatFamily family) {
    gapTimers_[static_cast<int>(family)]->setEnabled(false);
    const StudySettings& s = host_.settings();
    const int count = s.readCountOf(family);
    switch (family) {
    case RepeatFamily::Write:
    case RepeatFamily::Click:
    case RepeatFamily::Pen:
        if (currentReadCount_ < count) {
            playSentence();
        }
        break;
    case RepeatFamily::Sen:
        if (currentReadCount_ < count) {
            playSentence();
        }
        if (currentReadCount_ == count && s.playMode == 1) {
            if (host_.CurrentSentence() < host_.SentenceCount()) {
                host_.SenNextCommand_Click();
            } else {
                host_.SenBegainCommand_Click();
            }
        }
        break;
    case RepeatFamily::All:
        if (currentReadCount_ < count) {
            host_.showSentenceAt(host_.CurrentSentence());
            playSentence();
        }
        if (readAllRunning_ && currentReadCount_ == count &&
            host_.CurrentSentence() < host_.SentenceCount()) {
            host_.showSentenceAt(host_.CurrentSentence() + 1);
            currentReadCount_ = 0;
            if (count > 0) {
                playSentence();
            }
        }
        if (host_.CurrentSentence() == host_.SentenceCount()) {
            readAllRunning_ = false;
            readAllPaused_ = false;
        }
        host_.playbackChanged();
        break;
    }
}

void ListeningLoop::startContinuousPlay() {
    videoReadVisible_ = false;
    readTimer_->setEnabled(false);
    if (passed(voice_.VoiceGetPosition() - host_.LessonMediaStart(), host_.LessonMediaSpan())) {
        host_.showSentenceAt(1);
        voice_.VoiceSetPosition(host_.SentenceStart());
    }
    host_.showSentenceAt(host_.CurrentSentence());
    voice_.VoicePlay();
    allReadTimer_->setEnabled(true);
    host_.playbackChanged();
}

void ListeningLoop::pauseContinuousPlay() {
    videoReadVisible_ = true;
    voice_.VoicePause();
    allReadTimer_->setEnabled(false);
    host_.playbackChanged();
}

void ListeningLoop::playOnFrom(int sentence) {
    videoReadVisible_ = false;
    readTimer_->setEnabled(false);
    host_.showSentenceAt(sentence);
    voice_.VoiceSetPosition(host_.SentenceStart());
    voice_.VoicePlay();
    allReadTimer_->setEnabled(true);
    host_.playbackChanged();
}

void ListeningLoop::stopWatches() {
    readTimer_->setEnabled(false);
    allReadTimer_->setEnabled(false);
}

bool ListeningLoop::continuousPlaying() const {
    return allReadTimer_->isEnabled();
}

void ListeningLoop::onAllReadTimer() {
    const double position = voice_.VoiceGetPosition();
    if (passed(position - host_.LessonMediaStart(), host_.LessonMediaSpan())) {
        allReadTimer_->setEnabled(false);
        voice_.VoicePause();
        readAllRunning_ = false;
        readAllPaused_ = false;
        videoReadVisible_ = true;
        host_.hideSentenceMarkers();
        host_.playbackChanged();
        return;
    }
    if (position > host_.SentenceEnd() && host_.CurrentSentence() < host_.SentenceCount()) {
        host_.showSentenceAt(host_.CurrentSentence() + 1);
        host_.playbackChanged();
    }
}

void ListeningLoop::startReadAll() {
    readAllRunning_ = true;
    readAllPaused_ = false;
    host_.showSentenceAt(1);
    currentReadCount_ = 0;
    playSentence();
}

void ListeningLoop::stopReadAll() {
    readAllRunning_ = false;
    readAllPaused_ = false;
    // Nothing of the reading goes on: the end watch of the sentence being read, or the pause
    // after it, would otherwise play sentence 1 again once it is shown.
    readTimer_->setEnabled(false);
    CloseTimer();
    voice_.VoicePause();
    host_.showSentenceAt(1);
    currentReadCount_ = 0;
    host_.hideSentenceMarkers();
    host_.playbackChanged();
}

void ListeningLoop::togglePauseReadAll() {
    if (!readAllRunning_) {
        return;
    }
    ports::Timer& gap = *gapTimers_[static_cast<int>(RepeatFamily::All)];
    if (readAllPaused_) {
        if (gapHeld_) {
            // Paused between two plays: the pause starts again, the player stays at rest.
            gapHeld_ = false;
            gap.setEnabled(true);
        } else {
            resumeSentencePlay();
        }
    } else {
        voice_.VoicePause();
        // A pause between two plays would start the next play while the reading is paused.
        gapHeld_ = gap.isEnabled();
        gap.setEnabled(false);
    }
    readAllPaused_ = !readAllPaused_;
    host_.playbackChanged();
}

void ListeningLoop::resumeSentencePlay() {
    // The rest of the sentence, from where it paused: nothing after its end is heard.
    const double position = voice_.VoiceGetPosition();
    if (readTimer_->isEnabled() && position < host_.SentenceEnd()) {
        voice_.VoicePlaySpan(position, host_.SentenceEnd());
    } else {
        voice_.VoicePlay();
    }
}

void ListeningLoop::ReadWord(const QString& word) {
    pendingWord_ = word;
    wordTimer_->setEnabled(true);
}

void ListeningLoop::onWordTimer() {
    wordTimer_->setEnabled(false);
    voice_.WordSoundOpen(pendingWord_);
}

bool ListeningLoop::sentenceWatchRunning() const {
    return readTimer_->isEnabled();
}

void ListeningLoop::stopSentenceWatch() {
    readTimer_->setEnabled(false);
}

bool ListeningLoop::anyTimerRunning() const {
    if (readTimer_->isEnabled() || allReadTimer_->isEnabled() || wordTimer_->isEnabled()) {
        return true;
    }
    for (const auto& timer : gapTimers_) {
        if (timer->isEnabled()) {
            return true;
        }
    }
    return false;
}

} // namespace sentara
