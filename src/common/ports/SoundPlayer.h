#pragma once

#include <QString>

namespace ports {

// Interface sounds (WAV). play() returns at once; a new sound cuts off the one still playing;
// a missing file is silent.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& path) = 0;
    virtual void stop() = 0;
};

} // namespace ports
