#pragma once

#include "common/ports/SoundPlayer.h"

#include <QHash>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <memory>

namespace platform {

// Interface sounds on QSoundEffect (8/16-bit PCM WAV). Each sound is loaded once; a new sound
// stops the one still playing. QSoundEffect drops the last fraction of a second of a sound, so
// each is played from a copy with a short silence added at its end.
class QtSoundPlayer : public ports::SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void play(const QString& path) override;
    void stop() override;

    // Silence added after each sound, in milliseconds.
    static constexpr int trailingSilenceMs = 300;

private:
    QSoundEffect* effectFor(const QString& path);
    QString paddedCopy(const QString& path);

    QHash<QString, std::shared_ptr<QSoundEffect>> effects_;
    QSoundEffect* current_ = nullptr;
    QTemporaryDir copies_;
    int copyCount_ = 0;
};

} // namespace platform
