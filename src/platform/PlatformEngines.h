#pragma once

#include "common/ports/MediaPlayer.h"

namespace platform {

// Makes the players of both engines. The default engine plays audio on the exact audio player
// (FFmpeg, the sound server) and video on Qt Multimedia (GStreamer); whether it can be used is
// checked afresh on every call, from what this machine has. The backup engine is libmpv. The
// exact audio player and libmpv are media modules, loaded when their engine is first used; a
// player is made when its first file is opened (see MediaModules, DeferredPlayer).
class PlatformEngines : public ports::MediaEngines {
public:
    bool defaultEngineAvailable() override;
    Missing missing() const override { return missing_; }
    std::unique_ptr<ports::MediaPlayer> createPlayer(Engine engine, Role role) override;

    // Audio lessons on Qt Multimedia's player instead of the exact one (the sentence-end
    // benchmark compares the two).
    void setQtMultimediaForAudio(bool on) { qtForAudio_ = on; }

    // Sets up a new player of `engine` for its role: auto-start, the silent video player, and
    // the volume of the default engine's word player.
    static void prepare(ports::MediaPlayer& player, Engine engine, Role role);

    // The volume a new word player of the default engine starts with.
    static constexpr int wordVolume = 70;

private:
    Missing missing_;
    bool qtForAudio_ = false;
};

} // namespace platform
