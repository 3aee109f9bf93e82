#pragma once

#include "common/ports/MediaPlayer.h"

#include <QList>
#include <QStringList>
#include <memory>
#include <optional>

namespace support {

class ManualClock;
class ManualTimer;
class SimulatedMedia;

// A media player that plays in virtual time: while it plays, its position moves with the
// manual clock (times the playback rate); it stops exactly at the end of the media, in state
// Paused, and emits finished() at that virtual time. Media come from a SimulatedMedia catalogue;
// a path that is not in it is a missing file (open() leaves NoMedia, play() does nothing).
// Other behaviour:
// - a media with a load delay loads that many ms after open(); seeks and play() asked for before
//   then are applied when it loads;
// - play() at the end of the media starts again from the beginning;
// - a seek while playing that lands on the end finishes at once;
// - playSpan() is a seek and a play that knows its end: spanEnd() tells what nothing after is
//   heard; the position moves on past it (over silence) until the next pause, seek or play;
// - with a start delay, every play (and a seek while playing) is heard that many ms after it
//   is asked for: the position waits that long before it moves, and startDelayMs() says so.
// Every command is logged with the virtual time, so tests can assert on what the core did.
class SimulatedPlayer : public ports::MediaPlayer {
    Q_OBJECT
public:
    struct Call {
        enum class Kind { Open, Close, Play, Pause, Stop, Seek, Volume, AutoStart, Rate, Finished };
        Kind kind;
        qint64 atMs = 0;
        QString path;      // Open
        double value = 0;  // Seek (engine unit), Volume, AutoStart (0/1), Rate, Play (span end)
        bool span = false; // a Play that knows its end
    };

    SimulatedPlayer(ManualClock& clock, const SimulatedMedia& media, Unit unit);
    ~SimulatedPlayer() override;

    Unit unit() const override { return unit_; }
    void open(const QString& path) override;
    void close() override;
    QString currentPath() const override { return path_; }
    bool hasMedia() const override { return loaded_; }
    void setAutoStart(bool on) override;
    bool autoStart() const { return autoStart_; }
    void setVolume(int volume) override;
    int volume() const override { return volume_; }
    void setPlaybackRate(double rate) override;
    double playbackRate() const { return rate_; }
    void play() override;
    void playSpan(double start, double end) override;
    void pause() override;
    void stop() override;
    State state() const override { return state_; }
    double position() const override;
    void setPosition(double position) override;
    double duration() const override;
    double startDelayMs() const override { return startDelayMs_; }
    void setStartDelayMs(int ms) { startDelayMs_ = ms; }
    void setVideoSurface(QObject* surface) override { videoSurface_ = surface; }
    QObject* videoSurface() const { return videoSurface_; }

    // The end of the span being played (engine unit); nullopt for a play without one.
    std::optional<double> spanEnd() const { return spanEnd_; }

    // Position in milliseconds, unrounded.
    double positionMs() const;

    const QList<Call>& calls() const { return calls_; }
    QList<Call> calls(Call::Kind kind) const;
    // The log as text, one line per call: "<ms> open <path>", "<ms> seek 12.5", "<ms> play", ...
    QStringList log() const;
    void clearLog() { calls_.clear(); }

private:
    void record(Call::Kind kind, double value = 0, const QString& path = QString());
    void setState(State state);
    void finishLoading();
    void startRunning();
    void freezePosition();
    void scheduleEnd();
    void reachEnd();
    double toMs(double position) const;
    double fromMs(double ms) const;

    ManualClock& clock_;
    const SimulatedMedia& media_;
    const Unit unit_;
    QString path_;
    bool loaded_ = false;
    bool pendingPlay_ = false;
    double pendingSeekMs_ = -1;
    double durationMs_ = 0;
    State state_ = State::NoMedia;
    double anchorPositionMs_ = 0; // position at anchorTimeMs_
    qint64 anchorTimeMs_ = 0;
    double rate_ = 1.0;
    int startDelayMs_ = 0;
    std::optional<double> spanEnd_;
    bool autoStart_ = false;
    int volume_ = 100;
    QObject* videoSurface_ = nullptr;
    std::unique_ptr<ManualTimer> endTimer_;
    std::unique_ptr<ManualTimer> loadTimer_;
    QList<Call> calls_;
};

} // namespace support
