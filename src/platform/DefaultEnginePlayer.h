#pragma once

#include "common/ports/MediaPlayer.h"

#include <memory>

namespace platform {

// The default engine's player: an audio file plays on the exact audio player, a video file on
// Qt Multimedia's player, which shows its picture. The player for a kind is made when the first
// file of that kind is opened, and the settings given so far (auto-start, volume, speed, video
// surface) go with it. A picture-only player (the video window's twin, never heard) takes no
// audio file: it has nothing to show for one and stays without media.
class DefaultEnginePlayer : public ports::MediaPlayer {
    Q_OBJECT
public:
    enum class Use { Sound, PictureOnly };

    explicit DefaultEnginePlayer(Use use, QObject* parent = nullptr);
    ~DefaultEnginePlayer() override;

    // Whether a file is played by the video-capable player (by its suffix: .wmv, .mp4, ...).
    static bool isVideoFile(const QString& path);
    // The player in use (nullptr before the first file).
    ports::MediaPlayer* current() const { return current_.get(); }

    Unit unit() const override { return Unit::Seconds; }

    void open(const QString& path) override;
    void close() override;
    QString currentPath() const override { return path_; }
    bool hasMedia() const override { return current_ && current_->hasMedia(); }

    void setAutoStart(bool on) override;
    void setVolume(int volume) override;
    int volume() const override { return volume_; }
    void setPlaybackRate(double rate) override;

    void play() override;
    void playSpan(double start, double end) override;
    void pause() override;
    void stop() override;
    State state() const override;

    double position() const override;
    void setPosition(double position) override;
    double duration() const override;
    double startDelayMs() const override { return current_ ? current_->startDelayMs() : 0.0; }

    void setVideoSurface(QObject* surface) override;

private:
    void use(bool video);

    const Use use_;
    std::unique_ptr<ports::MediaPlayer> current_;
    bool currentIsVideo_ = false;
    QString path_;
    bool autoStart_ = false;
    int volume_ = 100;
    double rate_ = 1.0;
    QObject* surface_ = nullptr;
};

} // namespace platform
