#pragma once

#include "common/ports/MediaPlayer.h"

#include <QList>
#include <QPointer>

namespace support {

class ManualClock;
class SimulatedMedia;
class SimulatedPlayer;

// Makes simulated players: seconds for the default engine, milliseconds for the backup engine.
// Keeps a pointer to every player it made (null once the player is destroyed), so a test can
// reach the players a core owns.
class SimulatedEngines : public ports::MediaEngines {
public:
    struct Made {
        Engine engine;
        Role role;
        QPointer<SimulatedPlayer> player;
    };

    SimulatedEngines(ManualClock& clock, const SimulatedMedia& media);

    bool defaultEngineAvailable() override;
    Missing missing() const override { return missing_; }
    std::unique_ptr<ports::MediaPlayer> createPlayer(Engine engine, Role role) override;

    void setDefaultAvailable(bool available) { defaultAvailable_ = available; }
    // Players made from now on are heard this long after each play (SimulatedPlayer).
    void setStartDelayMs(int ms) { startDelayMs_ = ms; }
    void setMissing(const Missing& missing) { missing_ = missing; }
    int availabilityChecks() const { return availabilityChecks_; }

    const QList<Made>& made() const { return made_; }
    // The most recently made player of that role (and engine), still alive; nullptr if none.
    SimulatedPlayer* latest(Role role) const;
    SimulatedPlayer* latest(Engine engine, Role role) const;

private:
    ManualClock& clock_;
    const SimulatedMedia& media_;
    bool defaultAvailable_ = true;
    Missing missing_;
    int availabilityChecks_ = 0;
    int startDelayMs_ = 0;
    QList<Made> made_;
};

} // namespace support
