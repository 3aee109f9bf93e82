#pragma once

#include "common/ports/MediaPlayer.h"
#include "platform/qtmedia/SpanEndWatch.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <optional>

namespace platform {

// The default engine's player: QMediaPlayer with its own audio output, positions in seconds.
// GStreamer drops a seek made before the media has loaded (and one made inside the loaded
// notification), so seeks and plays asked for early are kept and applied, queued, once it loads.
// A seek asked for while not playing is kept until the next play(); position() reports it.
// A play after a seek back is made on the media read afresh (see play()).
class QtMediaPlayer : public ports::MediaPlayer {
    Q_OBJECT
public:
    explicit QtMediaPlayer(QObject* parent = nullptr);
    ~QtMediaPlayer() override;

    Unit unit() const override { return Unit::Seconds; }

    void open(const QString& path) override;
    void close() override;
    QString currentPath() const override { return path_; }
    bool hasMedia() const override { return hasMedia_; }

    void setAutoStart(bool on) override { autoStart_ = on; }
    void setVolume(int volume) override;
    int volume() const override { return volume_; }
    void setPlaybackRate(double rate) override;

    void play() override;
    // Pauses itself as soon as the position passes the end (a 1 ms watch).
    void playSpan(double start, double end) override;
    void pause() override;
    void stop() override;
    State state() const override;

    double position() const override;
    void setPosition(double position) override;
    double duration() const override;

    void setVideoSurface(QObject* surface) override;

private:
    void onMediaStatusChanged(QMediaPlayer::MediaStatus status);
    void onError(QMediaPlayer::Error error);
    void applyPending();
    void applySeek();
    void reloadAndPlay();
    // Clears what belongs to the media open so far (pending seek and play, end, duration).
    void forgetMedia();
    bool loaded() const;
    qint64 clampMs(qint64 ms) const;
    void updateState();

    QMediaPlayer player_;
    QAudioOutput output_;
    QString path_;
    bool hasMedia_ = false;
    bool autoStart_ = false;
    bool atEnd_ = false;
    bool pendingPlay_ = false;
    bool playedSinceLoad_ = false;
    bool reloading_ = false; // read afresh for a repeat: not announced as newly loaded
    qint64 durationMs_ = 0;
    std::optional<qint64> pendingSeekMs_;
    int volume_ = 100;
    State reported_ = State::NoMedia;
    mutable qint64 lastShownMs_ = 0; // the position never goes back while playing on
    SpanEndWatch spanEnd_;
};

} // namespace platform
