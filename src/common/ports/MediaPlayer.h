#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace ports {

// One media player: a sentence player, a word player or a video player of one engine.
// Positions are in the engine's unit: seconds for the default engine, whole milliseconds for
// the backup engine. Contract:
// - open() makes a file the current media; with auto-start on it starts playing by itself,
//   otherwise nothing plays before play(). Opening a missing or unreadable file leaves the
//   player with no media: play() then does nothing and nothing is raised.
// - play() resumes from the current position; pause() keeps the position; stop() rewinds.
// - setPosition() seeks; a seek asked for before the media has loaded is applied when it loads;
//   the target is clamped inside the media.
// - playSpan(start, end) seeks to start and plays a span whose end is known. The default
//   engine's players let nothing after `end` be heard, whatever the caller's own watch does;
//   the backup engine's relies on that watch. The position still passes `end` (the play goes on
//   in silence, or pauses just past it), so a caller watching for the end sees it passed. A
//   later seek or play() plays on without an end.
// - While playing, the position is that of the sample being heard and never goes back.
// - At the end of the media the player pauses at the end (state Paused) and emits finished().
// - startDelayMs() is how long after play() or playSpan() the first sample is heard, as the
//   player measured it on its recent plays (seeking, filling the output and the sound server's
//   start); 0 when the player cannot tell. A pause timed from an end heard asks for the next play
//   that much earlier, so the silence heard is the pause.
class MediaPlayer : public QObject {
    Q_OBJECT
public:
    enum class Unit { Seconds, Milliseconds };
    enum class State { NoMedia, Stopped, Playing, Paused };

    using QObject::QObject;
    ~MediaPlayer() override = default;

    virtual Unit unit() const = 0;

    virtual void open(const QString& path) = 0;
    virtual void close() = 0;
    virtual QString currentPath() const = 0;
    virtual bool hasMedia() const = 0;

    virtual void setAutoStart(bool on) = 0;
    virtual void setVolume(int volume) = 0; // 0..100
    virtual int volume() const = 0;
    // 1.0 is normal speed; the engine keeps the pitch where it can.
    virtual void setPlaybackRate(double rate) = 0;

    virtual void play() = 0;
    virtual void playSpan(double start, double end) = 0; // engine unit
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual State state() const = 0;

    virtual double position() const = 0; // engine unit
    virtual void setPosition(double position) = 0;
    virtual double duration() const = 0; // engine unit, 0 while unknown
    virtual double startDelayMs() const { return 0.0; }

    // Where a video shows its picture: a QVideoWidget, a QVideoSink, an object whose invokable
    // videoSink() makes one, or one whose invokable videoView() makes such an object, for the
    // default engine; a native QWidget (its window id) for the backup engine; nullptr detaches it.
    virtual void setVideoSurface(QObject* surface) = 0;

signals:
    void stateChanged(ports::MediaPlayer::State state);
    void finished();
    void mediaLoaded();
};

// Makes the players of both engines. Engine values match the stored engine choice.
class MediaEngines {
public:
    enum class Engine { Backup = 1, Default = 2 };
    enum class Role { Sentence, Word, Video };

    virtual ~MediaEngines() = default;
    // What the default engine needs and this machine lacks: a component and the Debian
    // packages that bring it.
    struct Missing {
        QString component;
        QStringList packages;
    };

    // Whether the default engine can be used on this machine: a real check, made afresh on
    // every call, so a repair is seen at the next one. When it cannot, missing() says why.
    virtual bool defaultEngineAvailable() = 0;
    virtual Missing missing() const = 0;
    virtual std::unique_ptr<MediaPlayer> createPlayer(Engine engine, Role role) = 0;
};

} // namespace ports
