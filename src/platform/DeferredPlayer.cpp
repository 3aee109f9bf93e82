#include "platform/DeferredPlayer.h"

#include "platform/MediaModules.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace platform {

DeferredPlayer::DeferredPlayer(Unit unit, Maker maker, QObject* parent)
    : ports::MediaPlayer(parent), unit_(unit), maker_(std::move(maker)) {
}

DeferredPlayer::~DeferredPlayer() = default;

void DeferredPlayer::need() {
    if (real_ || asked_) {
        return;
    }
    asked_ = true;
    MediaModules::whenAllowed(this, [this] { make(); });
}

void DeferredPlayer::make() {
    asked_ = false;
    if (real_) {
        return;
    }
    real_ = maker_();
    if (!real_) {
        // The engine cannot be loaded: no media, whatever was asked.
        opened_ = false;
        playing_ = false;
        span_.reset();
        updateState();
        return;
    }
    ports::MediaPlayer* real = real_.get();
    connect(real, &ports::MediaPlayer::stateChanged, this, &DeferredPlayer::updateState);
    connect(real, &ports::MediaPlayer::finished, this, &ports::MediaPlayer::finished);
    connect(real, &ports::MediaPlayer::mediaLoaded, this, &ports::MediaPlayer::mediaLoaded);
    real->setAutoStart(autoStart_);
    real->setVolume(volume_);
    real->setPlaybackRate(rate_);
    real->setVideoSurface(surface_);
    if (opened_) {
        real->open(path_);
        if (span_) {
            real->playSpan(span_->start, span_->end);
        } else {
            if (seek_) {
                real->setPosition(*seek_);
            }
            if (playing_) {
                real->play();
            }
        }
    }
    seek_.reset();
    span_.reset();
    playing_ = false;
    updateState();
}

void DeferredPlayer::open(const QString& path) {
    path_ = path;
    if (real_) {
        real_->open(path);
        return;
    }
    const QFileInfo file(path);
    opened_ = true;
    present_ = !path.isEmpty() && file.isFile() && file.isReadable();
    seek_.reset();
    span_.reset();
    playing_ = autoStart_;
    need();
    updateState();
}

void DeferredPlayer::close() {
    path_.clear();
    if (real_) {
        real_->close();
        return;
    }
    opened_ = false;
    seek_.reset();
    span_.reset();
    playing_ = false;
    updateState();
}

bool DeferredPlayer::hasMedia() const {
    if (real_) {
        return real_->hasMedia();
    }
    // What a player that has not read the file yet can tell: whether there is one to read.
    return opened_ && present_;
}

void DeferredPlayer::setAutoStart(bool on) {
    autoStart_ = on;
    if (real_) {
        real_->setAutoStart(on);
    }
}

void DeferredPlayer::setVolume(int volume) {
    volume_ = std::clamp(volume, 0, 100);
    if (real_) {
        real_->setVolume(volume_);
    }
}

void DeferredPlayer::setPlaybackRate(double rate) {
    if (rate > 0) {
        rate_ = rate;
    }
    if (real_) {
        real_->setPlaybackRate(rate);
    }
}

void DeferredPlayer::play() {
    if (real_) {
        real_->play();
        return;
    }
    if (!hasMedia()) {
        return;
    }
    playing_ = true;
    updateState();
}

void DeferredPlayer::playSpan(double start, double end) {
    if (real_) {
        real_->playSpan(start, end);
        return;
    }
    if (!hasMedia() || !std::isfinite(start) || !std::isfinite(end)) {
        return;
    }
    seek_ = std::max(0.0, start);
    span_ = Span{start, end};
    playing_ = true;
    updateState();
}

void DeferredPlayer::pause() {
    if (real_) {
        real_->pause();
        return;
    }
    if (!hasMedia()) {
        return;
    }
    // Nothing has played yet: a span paused before it was heard is only a seek to its start.
    span_.reset();
    playing_ = false;
    updateState();
}

void DeferredPlayer::stop() {
    if (real_) {
        real_->stop();
        return;
    }
    seek_.reset();
    span_.reset();
    playing_ = false;
    updateState();
}

ports::MediaPlayer::State DeferredPlayer::state() const {
    if (real_) {
        return real_->state();
    }
    if (!hasMedia()) {
        return State::NoMedia;
    }
    return playing_ ? State::Playing : State::Stopped;
}

double DeferredPlayer::position() const {
    if (real_) {
        return real_->position();
    }
    return hasMedia() ? seek_.value_or(0.0) : 0.0;
}

void DeferredPlayer::setPosition(double position) {
    if (real_) {
        real_->setPosition(position);
        return;
    }
    if (!hasMedia() || !std::isfinite(position)) {
        return;
    }
    seek_ = std::max(0.0, unit_ == Unit::Milliseconds ? std::round(position) : position);
    // A seek ends a span: what follows plays on.
    span_.reset();
}

void DeferredPlayer::setVideoSurface(QObject* surface) {
    surface_ = surface;
    if (real_) {
        real_->setVideoSurface(surface);
    }
}

void DeferredPlayer::updateState() {
    const State now = state();
    if (now != reported_) {
        reported_ = now;
        emit stateChanged(now);
    }
}

} // namespace platform
