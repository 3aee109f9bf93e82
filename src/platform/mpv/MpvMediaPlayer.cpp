#include "platform/mpv/MpvMediaPlayer.h"

#include <QFileInfo>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform {

namespace {

constexpr int endReasonError = 4;
// After a seek the first positions reported may still be the old ones; a position further
// than this from the target is taken as stale, for at most staleLimit reports.
constexpr qint64 staleBeforeMs = 30;
constexpr qint64 staleAfterMs = 1000;
constexpr int staleLimit = 10;
constexpr qint64 maxExtrapolationMs = 100;

} // namespace

MpvMediaPlayer::MpvMediaPlayer(QObject* parent) : ports::MediaPlayer(parent) {
    connect(&mpv_, &MpvHandle::propertyChanged, this, &MpvMediaPlayer::onProperty);
    connect(&mpv_, &MpvHandle::fileLoaded, this, &MpvMediaPlayer::onFileLoaded);
    connect(&mpv_, &MpvHandle::playbackRestarted, this, &MpvMediaPlayer::onPlaybackRestarted);
    connect(&mpv_, &MpvHandle::fileEnded, this, &MpvMediaPlayer::onFileEnded);
    mpv_.observe("time-pos", MpvHandle::Format::Double);
    mpv_.observe("duration", MpvHandle::Format::Double);
    mpv_.observe("eof-reached", MpvHandle::Format::Flag);
    mpv_.setProperty("volume", static_cast<double>(volume_));
}

MpvMediaPlayer::~MpvMediaPlayer() = default;

void MpvMediaPlayer::open(const QString& path) {
    path_ = path;
    loaded_ = false;
    atEnd_ = false;
    seeking_ = false;
    pendingSeekMs_.reset();
    positionMs_ = 0;
    durationMs_ = 0;
    playing_ = false;
    stopped_ = true;
    const QFileInfo info(path);
    hasMedia_ = mpv_.isValid() && !path.isEmpty() && info.isFile() && info.isReadable();
    pendingPlay_ = hasMedia_ && autoStart_;
    if (!hasMedia_) {
        mpv_.command({QStringLiteral("stop")});
        updateState();
        return;
    }
    // Loaded paused, so a seek asked for meanwhile lands before anything is heard.
    mpv_.setProperty("pause", true);
    mpv_.command({QStringLiteral("loadfile"), info.absoluteFilePath(), QStringLiteral("replace")});
    if (pendingPlay_) {
        stopped_ = false;
    }
    updateState();
}

void MpvMediaPlayer::close() {
    mpv_.command({QStringLiteral("stop")});
    path_.clear();
    hasMedia_ = false;
    loaded_ = false;
    atEnd_ = false;
    seeking_ = false;
    pendingPlay_ = false;
    pendingSeekMs_.reset();
    playing_ = false;
    stopped_ = true;
    positionMs_ = 0;
    durationMs_ = 0;
    updateState();
}

void MpvMediaPlayer::setVolume(int volume) {
    volume_ = std::clamp(volume, 0, 100);
    mpv_.setProperty("volume", static_cast<double>(volume_));
}

void MpvMediaPlayer::setPlaybackRate(double rate) {
    if (rate > 0) {
        rate_ = rate;
        mpv_.setProperty("speed", rate);
    }
}

void MpvMediaPlayer::play() {
    if (!hasMedia_) {
        return;
    }
    stopped_ = false;
    if (!loaded_) {
        pendingPlay_ = true;
        updateState();
        return;
    }
    if (atEnd_) {
        // Played again after its end the media starts over, as a fresh play would.
        seekTo(0);
    }
    atEnd_ = false;
    playing_ = true;
    mpv_.setProperty("pause", false);
    updateState();
}

void MpvMediaPlayer::playSpan(double start, double end) {
    setPosition(start);
    play();
    // mpv cannot be told to stop at a sample: the caller's own watch ends the span (and a
    // watch of our own, pausing mpv underneath, disturbs the seek of the next play).
    (void)end;
}

void MpvMediaPlayer::pause() {
    pendingPlay_ = false;
    if (!hasMedia_) {
        return;
    }
    mpv_.setProperty("pause", true);
    positionMs_ = std::max(positionMs_ + sinceReportMs(), playing_ ? lastShownMs_ : 0);
    reportClock_.invalidate();
    playing_ = false;
    stopped_ = false;
    updateState();
}

void MpvMediaPlayer::stop() {
    pendingPlay_ = false;
    pendingSeekMs_.reset();
    if (!hasMedia_) {
        return;
    }
    mpv_.setProperty("pause", true);
    playing_ = false;
    stopped_ = true;
    atEnd_ = false;
    if (loaded_) {
        seekTo(0);
    }
    updateState();
}

ports::MediaPlayer::State MpvMediaPlayer::state() const {
    if (!hasMedia_) {
        return State::NoMedia;
    }
    if (atEnd_) {
        return State::Paused;
    }
    if (playing_ || pendingPlay_) {
        return State::Playing;
    }
    return stopped_ ? State::Stopped : State::Paused;
}

double MpvMediaPlayer::position() const {
    if (!hasMedia_) {
        return 0.0;
    }
    if (pendingSeekMs_) {
        return static_cast<double>(*pendingSeekMs_);
    }
    if (atEnd_) {
        return static_cast<double>(durationMs_);
    }
    qint64 ms = positionMs_ + sinceReportMs();
    if (playing_ && !seeking_) {
        ms = std::max(ms, lastShownMs_);
    }
    lastShownMs_ = ms;
    return static_cast<double>(ms);
}

qint64 MpvMediaPlayer::sinceReportMs() const {
    // mpv reports the position every few tens of milliseconds; in between it moves on with the
    // clock, for at most one report interval.
    if (!playing_ || seeking_ || !reportClock_.isValid()) {
        return 0;
    }
    const auto moved = static_cast<qint64>(static_cast<double>(reportClock_.elapsed()) * rate_);
    return std::clamp<qint64>(moved, 0, maxExtrapolationMs);
}

void MpvMediaPlayer::setPosition(double position) {
    if (!hasMedia_ || !std::isfinite(position)) {
        return;
    }
    const qint64 ms = clampMs(std::llround(position));
    atEnd_ = false;
    if (!loaded_) {
        pendingSeekMs_ = ms;
        return;
    }
    seekTo(ms);
    updateState();
}

void MpvMediaPlayer::setVideoSurface(QObject* surface) {
    auto* widget = qobject_cast<QWidget*>(surface);
    if (widget == nullptr) {
        mpv_.setProperty("vid", QStringLiteral("no"));
        return;
    }
    // The video output is made when a video track is selected, so the window goes first.
    mpv_.setProperty("wid", static_cast<qlonglong>(widget->winId()));
    mpv_.setProperty("vid", QStringLiteral("auto"));
}

void MpvMediaPlayer::onProperty(const QString& name, const QVariant& value) {
    if (name == QLatin1String("duration")) {
        durationMs_ = value.isValid() ? std::llround(value.toDouble() * 1000.0) : 0;
        return;
    }
    if (!loaded_ || !value.isValid()) {
        return;
    }
    if (name == QLatin1String("time-pos")) {
        const qint64 ms = std::max<qint64>(std::llround(value.toDouble() * 1000.0), 0);
        if (seeking_) {
            if (!restarted_ || !playing_) {
                return;
            }
            const bool near = ms >= positionMs_ - staleBeforeMs && ms <= positionMs_ + staleAfterMs;
            if (!near && ++staleReports_ < staleLimit) {
                return;
            }
            seeking_ = false;
        }
        positionMs_ = ms;
        reportClock_.start();
    } else if (name == QLatin1String("eof-reached")) {
        if (value.toBool() && hasMedia_ && playing_ && !atEnd_) {
            atEnd_ = true;
            playing_ = false;
            updateState();
            emit finished();
        }
    }
}

void MpvMediaPlayer::onFileLoaded() {
    if (!hasMedia_) {
        return;
    }
    loaded_ = true;
    if (pendingSeekMs_) {
        const qint64 ms = *pendingSeekMs_;
        pendingSeekMs_.reset();
        seekTo(ms);
    }
    if (pendingPlay_) {
        pendingPlay_ = false;
        playing_ = true;
        mpv_.setProperty("pause", false);
    }
    updateState();
    emit mediaLoaded();
}

void MpvMediaPlayer::onPlaybackRestarted() {
    restarted_ = true;
}

void MpvMediaPlayer::onFileEnded(int reason) {
    // A file that could not be read: the player is left without media, silently.
    if (reason == endReasonError && hasMedia_ && !loaded_) {
        hasMedia_ = false;
        pendingPlay_ = false;
        pendingSeekMs_.reset();
        playing_ = false;
        updateState();
    }
}

void MpvMediaPlayer::seekTo(qint64 ms) {
    positionMs_ = ms;
    lastShownMs_ = ms;
    reportClock_.invalidate();
    seeking_ = true;
    restarted_ = false;
    staleReports_ = 0;
    mpv_.command({QStringLiteral("seek"), QString::number(static_cast<double>(ms) / 1000.0, 'f', 3),
                  QStringLiteral("absolute+exact")});
}

qint64 MpvMediaPlayer::clampMs(qint64 ms) const {
    ms = std::max<qint64>(ms, 0);
    return durationMs_ > 0 ? std::min(ms, durationMs_) : ms;
}

void MpvMediaPlayer::updateState() {
    const State now = state();
    if (now != reported_) {
        reported_ = now;
        emit stateChanged(now);
    }
}

} // namespace platform
