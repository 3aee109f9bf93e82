#include "SimulatedEngines.h"

#include "SimulatedPlayer.h"

namespace support {

SimulatedEngines::SimulatedEngines(ManualClock& clock, const SimulatedMedia& media)
    : clock_(clock), media_(media) {
}

bool SimulatedEngines::defaultEngineAvailable() {
    ++availabilityChecks_;
    return defaultAvailable_;
}

std::unique_ptr<ports::MediaPlayer> SimulatedEngines::createPlayer(Engine engine, Role role) {
    const auto unit = engine == Engine::Default ? ports::MediaPlayer::Unit::Seconds
                                                : ports::MediaPlayer::Unit::Milliseconds;
    auto player = std::make_unique<SimulatedPlayer>(clock_, media_, unit);
    player->setStartDelayMs(startDelayMs_);
    made_.append(Made{engine, role, QPointer<SimulatedPlayer>(player.get())});
    return player;
}

SimulatedPlayer* SimulatedEngines::latest(Role role) const {
    for (auto it = made_.crbegin(); it != made_.crend(); ++it) {
        if (it->role == role && it->player)
            return it->player.data();
    }
    return nullptr;
}

SimulatedPlayer* SimulatedEngines::latest(Engine engine, Role role) const {
    for (auto it = made_.crbegin(); it != made_.crend(); ++it) {
        if (it->engine == engine && it->role == role && it->player)
            return it->player.data();
    }
    return nullptr;
}

} // namespace support
