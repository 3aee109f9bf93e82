#pragma once

#include "common/ports/MediaPlayer.h"
#include "common/ports/Recorder.h"
#include "common/ports/SoundPlayer.h"

class QWidget;

namespace platform {

// What a media module offers: a shared library holding one engine's players, loaded the first
// time that engine is used (the libraries behind an engine, FFmpeg's, libmpv's or Qt
// Multimedia's, take longer to load than the rest of the program). Each module exports one C
// function named by mediaModuleEntry that returns its table. What a module does not offer is
// nullptr.
struct MediaModuleApi {
    static constexpr int currentVersion = 2;

    int version;
    // A new player of the module's engine, owned by the caller.
    ports::MediaPlayer* (*createPlayer)();
    // Adds what the engine needs at run time and this machine lacks (decoders, sound server).
    void (*check)(ports::MediaEngines::Missing* missing);
    // A recorder that plays its recording back on `playback` (it takes it over).
    ports::Recorder* (*createRecorder)(ports::MediaPlayer* playback);
    // Interface sounds.
    ports::SoundPlayer* (*createSoundPlayer)();
    // A widget that paints the default engine's video (a player's video surface: it offers
    // videoSink()).
    QWidget* (*createVideoWidget)(QWidget* parent);
};

inline constexpr const char* mediaModuleEntry = "trainersMediaModule";

// Adds one missing part to what is missing ("、" between the parts).
inline void appendMissing(ports::MediaEngines::Missing* missing, const QString& component,
                          const QStringList& packages) {
    if (missing == nullptr) {
        return;
    }
    if (!missing->component.isEmpty()) {
        missing->component += QStringLiteral("、");
    }
    missing->component += component;
    missing->packages += packages;
}

} // namespace platform

// The entry point of a module.
#define TRAINERS_MEDIA_MODULE(table)                                                               \
    extern "C" __attribute__((visibility("default"))) const platform::MediaModuleApi*              \
    trainersMediaModule() {                                                                        \
        return &(table);                                                                           \
    }
