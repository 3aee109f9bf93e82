#include "oralix/core/VoicePlayer.h"

#include <cmath>

namespace oralix {

using Engine = ports::MediaEngines::Engine;

VoicePlayer::VoicePlayer(ports::MediaEngines& engines, int engineChoice)
    : engine_(engineChoice == 2 && engines.defaultEngineAvailable() ? Engine::Default
                                                                    : Engine::Backup),
      player_(engines.createPlayer(engine_, ports::MediaEngines::Role::Sentence)) {
}

double VoicePlayer::toPlayerUnits(double seconds) const {
    return engine_ == Engine::Default ? seconds : seconds * 1000.0;
}

void VoicePlayer::set(int volume) {
    if (engine_ == Engine::Backup) {
        player_->close();
    }
    player_->setAutoStart(false);
    // The backup engine's player keeps its own volume.
    if (engine_ == Engine::Default) {
        player_->setVolume(volume);
    }
}

void VoicePlayer::open(const QString& path) {
    player_->open(path);
    player_->setPlaybackRate(rate_);
}

void VoicePlayer::play() {
    const double at = player_->position();
    if (spanEnd_ && at < *spanEnd_) {
        player_->playSpan(at, *spanEnd_);
    } else {
        player_->play();
    }
}

void VoicePlayer::playSpan(double start, double end) {
    if (engine_ == Engine::Backup) {
        start = std::round(start);
        end = std::round(end);
    }
    spanEnd_ = end;
    player_->playSpan(start, end);
}

void VoicePlayer::pause() {
    player_->pause();
}

void VoicePlayer::setPosition(double position) {
    spanEnd_.reset();
    player_->setPosition(engine_ == Engine::Default ? position : std::round(position));
}

double VoicePlayer::position() const {
    return player_->position();
}

bool VoicePlayer::atMediaEnd() const {
    if (!player_->hasMedia() || player_->state() == ports::MediaPlayer::State::Playing) {
        return false;
    }
    const double duration = player_->duration();
    return duration > 0 && player_->position() >= duration;
}

double VoicePlayer::msSinceSpanEndHeard(double position, double end) const {
    if (engine_ == Engine::Backup || !(position > end) || !(rate_ > 0)) {
        return 0;
    }
    return (position - end) * 1000.0 / rate_;
}

void VoicePlayer::setRate(double rate) {
    rate_ = rate;
    player_->setPlaybackRate(rate);
}

} // namespace oralix
