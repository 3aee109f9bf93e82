#include "platform/DefaultEnginePlayer.h"

#include "platform/DeferredPlayer.h"
#include "platform/MediaModules.h"

#include <QFileInfo>
#include <QStringList>

namespace platform {

DefaultEnginePlayer::DefaultEnginePlayer(Use use, QObject* parent)
    : ports::MediaPlayer(parent), use_(use) {
}

DefaultEnginePlayer::~DefaultEnginePlayer() = default;

bool DefaultEnginePlayer::isVideoFile(const QString& path) {
    static const QStringList videoSuffixes{
        QStringLiteral("wmv"),  QStringLiteral("asf"), QStringLiteral("avi"), QStringLiteral("mp4"),
        QStringLiteral("m4v"),  QStringLiteral("mkv"), QStringLiteral("mov"), QStringLiteral("mpg"),
        QStringLiteral("mpeg"), QStringLiteral("flv"), QStringLiteral("webm")};
    return videoSuffixes.contains(QFileInfo(path).suffix().toLower());
}

void DefaultEnginePlayer::use(bool video) {
    if (current_ && currentIsVideo_ == video) {
        return;
    }
    if (current_) {
        current_->close();
        current_.reset();
    }
    // Both are made when first needed: Qt Multimedia starts GStreamer, the exact audio player
    // is a module of its own.
    if (video) {
        current_ = std::make_unique<DeferredPlayer>(Unit::Seconds, [] {
            return MediaModules::createPlayer(MediaModules::Module::QtMedia);
        });
    } else {
        current_ = std::make_unique<DeferredPlayer>(Unit::Seconds, [] {
            return MediaModules::createPlayer(MediaModules::Module::ExactAudio);
        });
    }
    currentIsVideo_ = video;
    current_->setAutoStart(autoStart_);
    current_->setVolume(volume_);
    current_->setPlaybackRate(rate_);
    current_->setVideoSurface(surface_);
    connect(current_.get(), &ports::MediaPlayer::stateChanged, this,
            &ports::MediaPlayer::stateChanged);
    connect(current_.get(), &ports::MediaPlayer::finished, this, &ports::MediaPlayer::finished);
    connect(current_.get(), &ports::MediaPlayer::mediaLoaded, this,
            &ports::MediaPlayer::mediaLoaded);
}

void DefaultEnginePlayer::open(const QString& path) {
    path_ = path;
    const bool video = isVideoFile(path);
    if (use_ == Use::PictureOnly && !video) {
        if (current_) {
            current_->close();
        }
        return;
    }
    use(video);
    current_->open(path);
}

void DefaultEnginePlayer::close() {
    path_.clear();
    if (current_) {
        current_->close();
    }
}

void DefaultEnginePlayer::setAutoStart(bool on) {
    autoStart_ = on;
    if (current_) {
        current_->setAutoStart(on);
    }
}

void DefaultEnginePlayer::setVolume(int volume) {
    volume_ = std::clamp(volume, 0, 100);
    if (current_) {
        current_->setVolume(volume_);
    }
}

void DefaultEnginePlayer::setPlaybackRate(double rate) {
    if (rate > 0) {
        rate_ = rate;
    }
    if (current_) {
        current_->setPlaybackRate(rate);
    }
}

void DefaultEnginePlayer::play() {
    if (current_) {
        current_->play();
    }
}

void DefaultEnginePlayer::playSpan(double start, double end) {
    if (current_) {
        current_->playSpan(start, end);
    }
}

void DefaultEnginePlayer::pause() {
    if (current_) {
        current_->pause();
    }
}

void DefaultEnginePlayer::stop() {
    if (current_) {
        current_->stop();
    }
}

ports::MediaPlayer::State DefaultEnginePlayer::state() const {
    return current_ ? current_->state() : State::NoMedia;
}

double DefaultEnginePlayer::position() const {
    return current_ ? current_->position() : 0.0;
}

void DefaultEnginePlayer::setPosition(double position) {
    if (current_) {
        current_->setPosition(position);
    }
}

double DefaultEnginePlayer::duration() const {
    return current_ ? current_->duration() : 0.0;
}

void DefaultEnginePlayer::setVideoSurface(QObject* surface) {
    surface_ = surface;
    if (current_) {
        current_->setVideoSurface(surface);
    }
}

} // namespace platform
