#pragma once

#include "common/ports/MediaPlayer.h"

#include <QString>
#include <memory>
#include <optional>

namespace oralix {

// The sentence player of the chosen engine. Times come in seconds from the lesson records and
// are turned into the engine's unit here, once: seconds for the default engine, whole
// milliseconds for the backup engine.
class VoicePlayer {
public:
    VoicePlayer(ports::MediaEngines& engines, int engineChoice);

    ports::MediaEngines::Engine engine() const { return engine_; }
    ports::MediaPlayer& player() { return *player_; }

    // Seconds of a record in the player's unit.
    double toPlayerUnits(double seconds) const;

    // Reset for a new file: auto-start off; the book's volume on the default engine's player.
    void set(int volume);
    void open(const QString& path); // open the lesson's media
    // Resumes; a span paused before its end resumes to that end.
    void play();
    // Plays from start to end (player units): nothing after the end is heard.
    void playSpan(double start, double end);
    void pause();
    void setPosition(double position); // player units; the backup engine takes whole ms
    double position() const;           // player units
    // Whether the player stopped at the end of its media: a span ending past it ends there.
    bool atMediaEnd() const;
    // How long ago (ms) the end of the span was heard, when the position read is past it: the
    // default engine's player ends a span exactly at its end; the backup engine's plays on until
    // paused, so its silence begins now (0).
    double msSinceSpanEndHeard(double position, double end) const;
    // How long after a play is asked for its first sample is heard (ms, as the player last
    // measured it; 0 when it cannot tell).
    double playStartDelayMs() const { return player_->startDelayMs(); }
    void setRate(double rate);

private:
    ports::MediaEngines::Engine engine_;
    std::unique_ptr<ports::MediaPlayer> player_;
    double rate_ = 1.0;
    std::optional<double> spanEnd_; // of the span played last, until a seek
};

} // namespace oralix
