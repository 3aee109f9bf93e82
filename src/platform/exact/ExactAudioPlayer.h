#pragma once

#include "common/ports/MediaPlayer.h"
#include "platform/exact/AudioFeed.h"
#include "platform/exact/FfmpegAudioDecoder.h"
#include "platform/exact/PulseOutput.h"
#include "platform/exact/StartDelay.h"

#include <QTimer>
#include <optional>

namespace platform {

// The default engine's audio player, positions in seconds: FFmpeg decodes, a seek lands on the
// exact sample, a span's end is the last sample fed to the sound server, and the position is
// that of the sample being heard (what is queued and the device's latency taken off). Other
// speeds keep the pitch. The sound server is reached on first use, in the background. Each play
// measures how long after it was asked its first sample is heard (startDelayMs()).
class ExactAudioPlayer : public ports::MediaPlayer {
    Q_OBJECT
public:
    explicit ExactAudioPlayer(QObject* parent = nullptr);
    ~ExactAudioPlayer() override;

    Unit unit() const override { return Unit::Seconds; }

    void open(const QString& path) override;
    void close() override;
    QString currentPath() const override { return path_; }
    bool hasMedia() const override { return state_ != State::NoMedia; }

    void setAutoStart(bool on) override { autoStart_ = on; }
    void setVolume(int volume) override;
    int volume() const override { return volume_; }
    void setPlaybackRate(double rate) override;

    void play() override;
    void playSpan(double start, double end) override;
    void pause() override;
    void stop() override;
    State state() const override { return state_; }

    double position() const override;
    void setPosition(double position) override;
    double duration() const override;
    double startDelayMs() const override { return startDelay_.ms(); }

    // Audio only: there is no picture to show.
    void setVideoSurface(QObject* /*surface*/) override {}

private:
    void startFeeding(qint64 frame, std::optional<qint64> endFrame);
    void stopFeeding();
    // The media frame being heard (output locked by the caller).
    double heardFrame() const;
    void watchEnd();
    // The frame at a time (never before the start), and that frame held inside the media when
    // its length is known.
    qint64 frameAt(double seconds) const;
    qint64 toFrame(double seconds) const;
    void setState(State state);

    FfmpegAudioDecoder decoder_;
    AudioFeed feed_{decoder_};
    PulseOutput output_;
    QTimer endWatch_;
    StartDelay startDelay_;
    QString path_;
    State state_ = State::NoMedia;
    bool autoStart_ = false;
    bool atEnd_ = false;
    bool waitingForServer_ = false; // the play under way was asked for before the stream was
    int volume_ = 100;
    double rate_ = 1.0;
    qint64 positionFrame_ = 0;      // while not playing
    std::optional<qint64> spanEnd_; // of the play under way
    mutable double lastHeard_ = 0;  // the position never goes back while playing
};

} // namespace platform
