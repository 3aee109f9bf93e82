#pragma once

#include "common/ports/MediaPlayer.h"

#include <functional>
#include <memory>
#include <optional>

namespace platform {

// A player whose real player is made only when first needed (the first open), and, while the
// media modules are held at start-up, once they may load. Until then it keeps what it is told
// (settings, the file, a seek, a play or a span play) and reports it as a player still loading
// would: the file's presence as its media, the seek target as its position, a play asked for
// as Playing. The real player then gets all of it, in that order. When the maker gives no
// player (its engine cannot be loaded), it stays without media and plays nothing.
class DeferredPlayer : public ports::MediaPlayer {
    Q_OBJECT
public:
    using Maker = std::function<std::unique_ptr<ports::MediaPlayer>()>;

    DeferredPlayer(Unit unit, Maker maker, QObject* parent = nullptr);
    ~DeferredPlayer() override;

    // The real player, once made.
    ports::MediaPlayer* real() const { return real_.get(); }

    Unit unit() const override { return unit_; }

    void open(const QString& path) override;
    void close() override;
    QString currentPath() const override { return path_; }
    bool hasMedia() const override;

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
    double duration() const override { return real_ ? real_->duration() : 0.0; }
    double startDelayMs() const override { return real_ ? real_->startDelayMs() : 0.0; }

    void setVideoSurface(QObject* surface) override;

private:
    struct Span {
        double start = 0;
        double end = 0;
    };

    void need();
    void make();
    void updateState();

    const Unit unit_;
    Maker maker_;
    std::unique_ptr<ports::MediaPlayer> real_;
    bool asked_ = false;
    bool opened_ = false;
    bool present_ = false; // the file opened is there to be read
    QString path_;
    bool autoStart_ = false;
    int volume_ = 100;
    double rate_ = 1.0;
    QObject* surface_ = nullptr;
    // Asked for before the real player is there.
    std::optional<double> seek_;
    bool playing_ = false;
    std::optional<Span> span_;
    State reported_ = State::NoMedia;
};

} // namespace platform
