#pragma once

#include "common/ports/MediaPlayer.h"
#include "common/ports/Recorder.h"
#include "common/ports/SoundPlayer.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace platform {

struct MediaModuleApi;

// Finds and loads the media modules: the default engine's exact audio player (FFmpeg, the sound
// server, SoundTouch), the backup engine (libmpv) and Qt Multimedia (the default engine's video
// player, the recorder, interface sounds). A module is a file next to the program;
// it is loaded once, the first time its engine is needed, and stays loaded. When it cannot be
// loaded the engine's players play nothing, and missing() says why.
//
// At start-up the programs hold loading until their window has been painted, so the first
// sentence is on screen before the engines' libraries are read; players asked for meanwhile
// keep what they are told and catch up once the module is in (see DeferredPlayer).
class MediaModules {
public:
    enum class Module { ExactAudio, Mpv, QtMedia };

    static QString fileName(Module module);
    // Where the module's file is; empty when there is none.
    static QString path(Module module);
    // The module's table, loading it first if need be; nullptr when it cannot be loaded, and
    // then `why` (if given) gets what is missing.
    static const MediaModuleApi* load(Module module, ports::MediaEngines::Missing* why = nullptr);
    static bool isLoaded(Module module);
    // A player of the module's engine, or nullptr when the module cannot be loaded.
    static std::unique_ptr<ports::MediaPlayer> createPlayer(Module module);
    // Qt Multimedia's recorder (playing back on `playback`), interface sounds and the view that
    // paints the default engine's video; nullptr when its module cannot be loaded.
    static std::unique_ptr<ports::Recorder>
    createRecorder(std::unique_ptr<ports::MediaPlayer> playback);
    static std::unique_ptr<ports::SoundPlayer> createSoundPlayer();
    static QWidget* createVideoWidget(QWidget* parent);

    // Holds loading until `window` has painted for the first time (at most a few seconds).
    static void holdUntilShown(QWidget* window);
    static bool held();
    // Runs `then` once loading is allowed: at once, or after the first paint. Nothing runs
    // after `context` is gone.
    static void whenAllowed(QObject* context, std::function<void()> then);
};

} // namespace platform
