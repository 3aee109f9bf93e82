#include "platform/QtMediaPlayer.h"

#include <QAudio>
#include <QFileInfo>
#include <QUrl>
#include <QVideoSink>
#include <QVideoWidget>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Volumes 0..100 are heard as a slider would suggest: the scale is logarithmic, 0 is silent.
float linearVolume(int volume) {
    const float level = static_cast<float>(std::clamp(volume, 0, 100)) / 100.0f;
    return QAudio::convertVolume(level, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
}

} // namespace

QtMediaPlayer::QtMediaPlayer(QObject* parent) : ports::MediaPlayer(parent) {
    player_.setAudioOutput(&output_);
    output_.setVolume(linearVolume(volume_));
    connect(&player_, &QMediaPlayer::mediaStatusChanged, this,
            &QtMediaPlayer::onMediaStatusChanged);
    connect(&player_, &QMediaPlayer::errorOccurred, this, &QtMediaPlayer::onError);
    connect(&player_, &QMediaPlayer::playbackStateChanged, this, &QtMediaPlayer::updateState);
}

QtMediaPlayer::~QtMediaPlayer() {
    // Detach the output before the members go, so the player never renders into a dead sink.
    player_.setVideoOutput(nullptr);
}

void QtMediaPlayer::open(const QString& path) {
    pendingSeekMs_.reset();
    pendingPlay_ = false;
    atEnd_ = false;
    path_ = path;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable()) {
        hasMedia_ = false;
        player_.setSource(QUrl());
        updateState();
        return;
    }
    const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    // Setting the same address again is ignored; a file rewritten since (a new recording) must
    // be read afresh, so the source is cleared first.
    if (player_.source() == url) {
        player_.setSource(QUrl());
    }
    hasMedia_ = true;
    player_.setSource(url);
    if (autoStart_) {
        pendingPlay_ = true;
    }
    updateState();
}

void QtMediaPlayer::close() {
    pendingSeekMs_.reset();
    pendingPlay_ = false;
    atEnd_ = false;
    hasMedia_ = false;
    path_.clear();
    player_.stop();
    player_.setSource(QUrl());
    updateState();
}

void QtMediaPlayer::setVolume(int volume) {
    volume_ = std::clamp(volume, 0, 100);
    output_.setVolume(linearVolume(volume_));
}

void QtMediaPlayer::setPlaybackRate(double rate) {
    if (rate > 0) {
        player_.setPlaybackRate(rate);
    }
}

void QtMediaPlayer::play() {
    if (!hasMedia_) {
        return;
    }
    if (!loaded()) {
        pendingPlay_ = true;
        updateState();
        return;
    }
    if (atEnd_) {
        // Played again after its end the media starts over: the backend does that by itself
        // on a play after the end, and a seek on top of it can stall the pipeline.
        atEnd_ = false;
    }
    player_.play();
    applySeek();
    updateState();
}

void QtMediaPlayer::pause() {
    pendingPlay_ = false;
    if (hasMedia_ && loaded() && !atEnd_) {
        player_.pause();
    }
    updateState();
}

void QtMediaPlayer::stop() {
    pendingPlay_ = false;
    pendingSeekMs_.reset();
    atEnd_ = false;
    if (hasMedia_) {
        player_.stop();
    }
    updateState();
}

ports::MediaPlayer::State QtMediaPlayer::state() const {
    if (!hasMedia_) {
        return State::NoMedia;
    }
    if (atEnd_) {
        return State::Paused;
    }
    if (pendingPlay_) {
        return State::Playing;
    }
    switch (player_.playbackState()) {
    case QMediaPlayer::PlayingState:
        return State::Playing;
    case QMediaPlayer::PausedState:
        return State::Paused;
    case QMediaPlayer::StoppedState:
        break;
    }
    return State::Stopped;
}

double QtMediaPlayer::position() const {
    if (!hasMedia_) {
        return 0.0;
    }
    if (pendingSeekMs_) {
        return static_cast<double>(*pendingSeekMs_) / 1000.0;
    }
    if (atEnd_) {
        return duration();
    }
    return static_cast<double>(player_.position()) / 1000.0;
}

void QtMediaPlayer::setPosition(double position) {
    if (!hasMedia_ || !std::isfinite(position)) {
        return;
    }
    const qint64 ms = clampMs(std::llround(position * 1000.0));
    atEnd_ = false;
    pendingSeekMs_ = ms;
    // GStreamer drops a seek made before the media has loaded, and a seek made while paused
    // and followed by play can leave the pipeline stalled a few hundred milliseconds later:
    // a seek is made at once only while playing, otherwise by the next play().
    if (loaded() && player_.playbackState() == QMediaPlayer::PlayingState) {
        applySeek();
    }
    updateState();
}

void QtMediaPlayer::applySeek() {
    if (pendingSeekMs_) {
        const qint64 ms = clampMs(*pendingSeekMs_);
        pendingSeekMs_.reset();
        player_.setPosition(ms);
    }
}

double QtMediaPlayer::duration() const {
    return hasMedia_ ? static_cast<double>(player_.duration()) / 1000.0 : 0.0;
}

void QtMediaPlayer::setVideoSurface(QObject* surface) {
    if (auto* sink = qobject_cast<QVideoSink*>(surface)) {
        player_.setVideoSink(sink);
    } else {
        player_.setVideoOutput(surface);
    }
}

void QtMediaPlayer::onMediaStatusChanged(QMediaPlayer::MediaStatus status) {
    switch (status) {
    case QMediaPlayer::LoadedMedia:
        // A seek made inside this notification is dropped: apply it from the event loop.
        QMetaObject::invokeMethod(this, &QtMediaPlayer::applyPending, Qt::QueuedConnection);
        break;
    case QMediaPlayer::EndOfMedia:
        if (hasMedia_ && !atEnd_) {
            atEnd_ = true;
            pendingPlay_ = false;
            updateState();
            emit finished();
        }
        break;
    case QMediaPlayer::InvalidMedia:
        hasMedia_ = false;
        pendingPlay_ = false;
        pendingSeekMs_.reset();
        updateState();
        break;
    default:
        break;
    }
}

void QtMediaPlayer::onError(QMediaPlayer::Error error) {
    if (error == QMediaPlayer::ResourceError || error == QMediaPlayer::FormatError) {
        hasMedia_ = false;
        pendingPlay_ = false;
        pendingSeekMs_.reset();
        updateState();
    }
}

void QtMediaPlayer::applyPending() {
    if (!hasMedia_ || !loaded()) {
        return;
    }
    if (pendingPlay_) {
        pendingPlay_ = false;
        player_.play();
        applySeek();
    }
    updateState();
    emit mediaLoaded();
}

bool QtMediaPlayer::loaded() const {
    switch (player_.mediaStatus()) {
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferingMedia:
    case QMediaPlayer::BufferedMedia:
    case QMediaPlayer::EndOfMedia:
        return true;
    default:
        return false;
    }
}

qint64 QtMediaPlayer::clampMs(qint64 ms) const {
    const qint64 end = player_.duration();
    ms = std::max<qint64>(ms, 0);
    return end > 0 ? std::min(ms, end) : ms;
}

void QtMediaPlayer::updateState() {
    const State now = state();
    if (now != reported_) {
        reported_ = now;
        emit stateChanged(now);
    }
}

} // namespace platform
