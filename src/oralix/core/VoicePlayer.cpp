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
    player_->setVolume(volume);
}

void VoicePlayer::open(const QString& path) {
    player_->open(path);
    player_->setPlaybackRate(rate_);
}

void VoicePlayer::play() {
    player_->play();
}

void VoicePlayer::pause() {
    player_->pause();
}

void VoicePlayer::setPosition(double position) {
    player_->setPosition(engine_ == Engine::Default ? position : std::round(position));
}

double VoicePlayer::position() const {
    return player_->position();
}

void VoicePlayer::setRate(double rate) {
    rate_ = rate;
    player_->setPlaybackRate(rate);
}

} // namespace oralix
