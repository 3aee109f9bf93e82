#pragma once

#include "common/ports/MediaPlayer.h"
#include "platform/mpv/MpvHandle.h"

#include <QElapsedTimer>
#include <optional>

namespace platform {

// The backup engine's player over libmpv, positions in whole milliseconds. The position, the
// pause flag and the end-of-file flag are observed, so reading them never waits on mpv.
class MpvMediaPlayer : public ports::MediaPlayer {
    Q_OBJECT
public:
    explicit MpvMediaPlayer(QObject* parent = nullptr);
    ~MpvMediaPlayer() override;

    // Whether libmpv could be started at all.
    bool isValid() const { return mpv_.isValid(); }

    Unit unit() const override { return Unit::Milliseconds; }

    void open(const QString& path) override;
    void close() override;
    QString currentPath() const override { return path_; }
    bool hasMedia() const override { return hasMedia_; }

    void setAutoStart(bool on) override { autoStart_ = on; }
    void setVolume(int volume) override;
    int volume() const override { return volume_; }
    void setPlaybackRate(double rate) override;

    void play() override;
    // Seeks and plays; the caller's watch ends the span.
    void playSpan(double start, double end) override;
    void pause() override;
    void stop() override;
    State state() const override;

    double position() const override;
    void setPosition(double position) override;
    double duration() const override { return hasMedia_ ? static_cast<double>(durationMs_) : 0; }

    void setVideoSurface(QObject* surface) override;

private:
    void onProperty(const QString& name, const QVariant& value);
    void onFileLoaded();
    void onPlaybackRestarted();
    void onFileEnded(int reason);
    void seekTo(qint64 ms);
    qint64 clampMs(qint64 ms) const;
    qint64 sinceReportMs() const;
    void updateState();

    MpvHandle mpv_;
    QString path_;
    bool hasMedia_ = false;
    bool loaded_ = false;
    bool autoStart_ = false;
    bool playing_ = false; // what was last asked for
    bool stopped_ = true;
    bool atEnd_ = false;
    bool pendingPlay_ = false;
    std::optional<qint64> pendingSeekMs_; // before the file has loaded
    bool seeking_ = false;                // the position shown is the seek target until it lands
    bool restarted_ = false;
    int staleReports_ = 0;
    qint64 positionMs_ = 0;
    QElapsedTimer reportClock_; // since positionMs_ was reported
    double rate_ = 1.0;
    qint64 durationMs_ = 0;
    int volume_ = 100;
    State reported_ = State::NoMedia;
    mutable qint64 lastShownMs_ = 0; // the position never goes back while playing on
};

} // namespace platform
