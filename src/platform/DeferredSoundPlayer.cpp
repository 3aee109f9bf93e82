#include "platform/DeferredSoundPlayer.h"

#include "platform/MediaModules.h"

namespace platform {

DeferredSoundPlayer::DeferredSoundPlayer() = default;

DeferredSoundPlayer::~DeferredSoundPlayer() = default;

void DeferredSoundPlayer::play(const QString& path) {
    if (!real_ && !tried_) {
        tried_ = true;
        real_ = MediaModules::createSoundPlayer();
    }
    if (real_) {
        real_->play(path);
    }
}

void DeferredSoundPlayer::stop() {
    if (real_) {
        real_->stop();
    }
}

} // namespace platform
