#pragma once

#include "common/CourseFolder.h"
#include "common/ports/MediaPlayer.h"

#include <QObject>
#include <QString>
#include <memory>

namespace sentara {

// The media wrapper of the trainer over the player ports of both engines: the sentence player
// (with the default engine also a video player that opens the same file in parallel, silent) and
// the word player. Positions are in the active engine's unit: seconds for the default engine,
// whole milliseconds for the backup engine; toEngineUnit() is the one place that converts.
class VoiceControl : public QObject {
    Q_OBJECT
public:
    using Engine = ports::MediaEngines::Engine;

    VoiceControl(ports::MediaEngines& engines, const common::CourseFolder& folder,
                 QObject* parent = nullptr);
    ~VoiceControl() override;

    // Makes `engine` the active one: the other engine's players are closed and released, the
    // new engine's players are created (media is opened again by VoiceSet/VoiceOpen).
    void setEngine(Engine engine);
    Engine engine() const { return engine_; }
    bool defaultEngineAvailable();
    // What the last check found missing (the component and the packages that bring it).
    ports::MediaEngines::Missing defaultEngineMissing() const { return engines_.missing(); }
    // A time stored in seconds in the active engine's unit.
    double toEngineUnit(double seconds) const;

    // Prepares the players: auto-start off; volumes (sentence `sentenceVolume`, video window 0,
    // word 70) with the default engine; with the backup engine the players are closed first.
    void VoiceSet(int sentenceVolume);
    void VoiceOpen(const QString& mediaPath);
    void VoicePlay();
    // VoiceSetPosition(start) and VoicePlay() of a sentence play whose end is known: nothing
    // after `end` is heard (engine unit).
    void VoicePlaySpan(double start, double end);
    void VoicePause();
    void VoiceSetPosition(double position); // engine unit
    double VoiceGetPosition() const;        // engine unit; 0 without media
    // How long ago (ms) the end of a span was heard, when the position read is past it: the
    // default engine's players end a span exactly at its end, so its silence began when the
    // position passed the end; the backup engine's go on until paused, so it begins now (0).
    double msSinceSpanEndHeard(double position, double end) const;
    // How long after a play is asked for the sentence player's first sample is heard (ms, as it
    // last measured it; 0 when it cannot tell).
    double playStartDelayMs() const;
    // Plays Word/<c>/<word>.wav on the word player (silent when the file is missing).
    void WordSoundOpen(const QString& word);
    void WordSoundStop();
    // Closes the backup engine's sentence player (the engine switch to the default engine).
    void closeSentencePlayer();
    // The program ends: every player is closed and released (a backup-engine player lets go of
    // the window it draws into before the window goes).
    void releasePlayers();

    // Where video lessons draw: the sentence player's picture and, with the default engine, the
    // silent twin's (nullptr: nowhere). Surfaces belong to one engine: an engine switch detaches
    // them, and playersCreated() asks for the new engine's.
    void attachVideoSurfaces(QObject* sentenceSurface, QObject* twinSurface);
    bool isPlaying() const;
    // The sentence player stands at the end of its media (a span that ends there is over).
    bool atMediaEnd() const;
    QString mediaPath() const { return mediaPath_; }

    // The players of the active engine (nullptr when the engine has none of that role).
    ports::MediaPlayer* sentencePlayer() const { return sentence_.get(); }
    ports::MediaPlayer* videoPlayer() const { return video_.get(); }
    ports::MediaPlayer* wordPlayer() const { return word_.get(); }

signals:
    // The active engine's players have been made (at start and on an engine switch).
    void playersCreated();

private:
    void createPlayers();

    ports::MediaEngines& engines_;
    const common::CourseFolder folder_;
    Engine engine_ = Engine::Default;
    std::unique_ptr<ports::MediaPlayer> sentence_;
    std::unique_ptr<ports::MediaPlayer> video_;
    std::unique_ptr<ports::MediaPlayer> word_;
    QObject* sentenceSurface_ = nullptr;
    QObject* twinSurface_ = nullptr;
    QString mediaPath_;
};

} // namespace sentara
