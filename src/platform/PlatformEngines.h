#pragma once

#include "common/ports/MediaPlayer.h"

#include <optional>

namespace platform {

// Makes the players of both engines. The default engine is Qt Multimedia; whether it can be
// used is found out once by loading a short sound with it. The backup engine is libmpv.
class PlatformEngines : public ports::MediaEngines {
public:
    bool defaultEngineAvailable() override;
    std::unique_ptr<ports::MediaPlayer> createPlayer(Engine engine, Role role) override;

    // The volume a new word player starts with.
    static constexpr int wordVolume = 70;

private:
    static bool probeDefaultEngine();

    std::optional<bool> defaultAvailable_;
};

} // namespace platform
