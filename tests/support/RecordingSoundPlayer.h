#pragma once

#include "common/ports/SoundPlayer.h"

#include <QStringList>

namespace support {

// Records the interface sounds asked for, in order.
class RecordingSoundPlayer : public ports::SoundPlayer {
public:
    void play(const QString& path) override { played_.append(path); }
    void stop() override { ++stops_; }

    const QStringList& played() const { return played_; }
    // The file names only ("wrong.wav"), in order.
    QStringList playedNames() const;
    int stopCount() const { return stops_; }
    void clear() {
        played_.clear();
        stops_ = 0;
    }

private:
    QStringList played_;
    int stops_ = 0;
};

} // namespace support
