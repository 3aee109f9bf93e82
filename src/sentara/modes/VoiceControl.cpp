#include "sentara/modes/VoiceControl.h"

#include "common/CourseFolder.h"
#include "sentara/course/LessonMedia.h"

#include <cmath>

namespace sentara {

VoiceControl::VoiceControl(ports::MediaEngines& engines, const common::CourseFolder& folder,
                           QObject* parent)
    : QObject(parent), engines_(engines), folder_(folder) {
}

VoiceControl::~VoiceControl() = default;

void VoiceControl::setEngine(Engine engine) {
    if (engine == engine_ && sentence_) {
        return;
    }
    engine_ = engine;
    createPlayers();
}

void VoiceControl::releasePlayers() {
    for (auto* player : {&sentence_, &video_, &word_}) {
        if (*player) {
            (*player)->close();
            player->reset();
        }
    }
    sentenceSurface_ = twinSurface_ = nullptr;
}

void VoiceControl::createPlayers() {
    releasePlayers();
    sentence_ = engines_.createPlayer(engine_, ports::MediaEngines::Role::Sentence);
    word_ = engines_.createPlayer(engine_, ports::MediaEngines::Role::Word);
    if (engine_ == Engine::Default) {
        video_ = engines_.createPlayer(engine_, ports::MediaEngines::Role::Video);
    }
    // New players draw nowhere until the surfaces of their engine are attached.
    sentenceSurface_ = twinSurface_ = nullptr;
    emit playersCreated();
}

bool VoiceControl::defaultEngineAvailable() {
    return engines_.defaultEngineAvailable();
}

double VoiceControl::toEngineUnit(double seconds) const {
    if (engine_ == Engine::Backup) {
        return std::round(seconds * 1000.0);
    }
    return seconds;
}

void VoiceControl::VoiceSet(int sentenceVolume) {
    if (!sentence_) {
        createPlayers();
    }
    if (engine_ == Engine::Default) {
        if (sentence_) {
            sentence_->setAutoStart(false);
            sentence_->setVolume(sentenceVolume);
        }
        if (video_) {
            video_->setAutoStart(false);
            video_->setVolume(LessonMedia::kVideoWindowVolume);
        }
        if (word_) {
            word_->setVolume(LessonMedia::kWordVolume);
        }
    } else {
        for (ports::MediaPlayer* player : {sentence_.get(), word_.get()}) {
            if (player) {
                player->close();
                player->setAutoStart(false);
            }
        }
        if (sentence_) {
            sentence_->setVideoSurface(sentenceSurface_);
        }
    }
}

void VoiceControl::VoiceOpen(const QString& mediaPath) {
    mediaPath_ = mediaPath;
    if (sentence_) {
        sentence_->open(mediaPath);
    }
    if (video_) {
        video_->open(mediaPath);
    }
}

void VoiceControl::VoicePlay() {
    if (sentence_) {
        sentence_->play();
    }
    if (video_) {
        video_->play();
    }
}

void VoiceControl::VoicePlaySpan(double start, double end) {
    if (engine_ == Engine::Backup) {
        start = std::round(start);
        end = std::round(end);
    }
    for (ports::MediaPlayer* player : {sentence_.get(), video_.get()}) {
        if (player) {
            player->playSpan(start, end);
        }
    }
}

void VoiceControl::VoicePause() {
    if (sentence_) {
        sentence_->pause();
    }
    if (video_) {
        video_->pause();
    }
}

void VoiceControl::VoiceSetPosition(double position) {
    if (engine_ == Engine::Backup) {
        position = std::round(position);
    }
    if (sentence_) {
        sentence_->setPosition(position);
    }
    if (video_) {
        video_->setPosition(position);
    }
}

double VoiceControl::VoiceGetPosition() const {
    if (!sentence_) {
        return 0;
    }
    const double position = sentence_->position();
    return engine_ == Engine::Backup ? std::round(position) : position;
}

double VoiceControl::msSinceSpanEndHeard(double position, double end) const {
    if (engine_ == Engine::Backup || !(position > end)) {
        return 0;
    }
    return (position - end) * 1000.0;
}

double VoiceControl::playStartDelayMs() const {
    return sentence_ ? sentence_->startDelayMs() : 0.0;
}

void VoiceControl::WordSoundOpen(const QString& word) {
    if (!word_ || word.isEmpty()) {
        return;
    }
    if (engine_ == Engine::Backup) {
        word_->close();
    }
    word_->open(folder_.wordSound(word));
    word_->setPosition(0);
    word_->play();
}

void VoiceControl::WordSoundStop() {
    if (word_) {
        word_->stop();
    }
}

void VoiceControl::closeSentencePlayer() {
    if (sentence_) {
        sentence_->close();
    }
}

void VoiceControl::attachVideoSurfaces(QObject* sentenceSurface, QObject* twinSurface) {
    if (sentence_ && sentenceSurface != sentenceSurface_) {
        sentence_->setVideoSurface(sentenceSurface);
    }
    if (video_ && twinSurface != twinSurface_) {
        video_->setVideoSurface(twinSurface);
    }
    sentenceSurface_ = sentenceSurface;
    twinSurface_ = twinSurface;
}

bool VoiceControl::isPlaying() const {
    return sentence_ && sentence_->state() == ports::MediaPlayer::State::Playing;
}

bool VoiceControl::atMediaEnd() const {
    if (!sentence_ || !sentence_->hasMedia() || isPlaying()) {
        return false;
    }
    const double duration = sentence_->duration();
    return duration > 0 && sentence_->position() >= duration;
}

} // namespace sentara
