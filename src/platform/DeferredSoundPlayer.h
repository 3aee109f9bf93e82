#pragma once

#include "common/ports/SoundPlayer.h"

#include <memory>

namespace platform {

// Interface sounds on Qt Multimedia (in its media module), made at the first sound; silent when
// the module cannot be loaded.
class DeferredSoundPlayer : public ports::SoundPlayer {
public:
    DeferredSoundPlayer();
    ~DeferredSoundPlayer() override;

    void play(const QString& path) override;
    void stop() override;

private:
    std::unique_ptr<ports::SoundPlayer> real_;
    bool tried_ = false;
};

} // namespace platform
