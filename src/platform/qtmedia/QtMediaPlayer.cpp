#include "platform/qtmedia/QtMediaPlayer.h"

#include <QAudio>
#include <QFileInfo>
#include <QUrl>
#include <QVideoSink>
#include <QVideoWidget>
#include <algorithm>
#include <cmath>
#include <utility>

namespace platform {

namespace {

// GStreamer reports a position some 20 ms ahead of what is heard: a span's end is silenced
// this much after the position passes it (negative: late), so its last syllable is heard.
constexpr double pauseLeadSeconds = -0.015;

// Volumes 0..100 are heard as a slider would suggest: the scale is logarithmic, 0 is silent.
float linearVolume(int volume) {
    const float level = static_cast<float>(std::clamp(volume, 0, 100)) / 100.0f;
    return QAudio::convertVolume(level, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
}

} // namespace

QtMediaPlayer::QtMediaPlayer(QObject* parent)
    : ports::MediaPlayer(parent),
      spanEnd_([this] { return position(); }, [this] { player_.pause(); }, pauseLeadSeconds, 1.0) {
    player_.setAudioOutput(&output_);
    output_.setVolume(linearVolume(volume_));
    connect(&player_, &QMediaPlayer::mediaStatusChanged, this,
            &QtMediaPlayer::onMediaStatusChanged);
    connect(&player_, &QMediaPlayer::errorOccurred, this, &QtMediaPlayer::onError);
    connect(&player_, &QMediaPlayer::playbackStateChanged, this, &QtMediaPlayer::updateState);
    // The duration is kept while the media is read afresh for a repeat.
    connect(&player_, &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
        if (ms > 0) {
            durationMs_ = ms;
        }
    });
}

QtMediaPlayer::~QtMediaPlayer() {
    // Detach the output before the members go, so the player never renders into a dead sink.
    player_.setVideoOutput(nullptr);
}

void QtMediaPlayer::forgetMedia() {
    spanEnd_.cancel();
    pendingSeekMs_.reset();
    reloading_ = false;
    playedSinceLoad_ = false;
    durationMs_ = 0;
    pendingPlay_ = false;
    atEnd_ = false;
}

void QtMediaPlayer::open(const QString& path) {
    forgetMedia();
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
    forgetMedia();
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
    if (std::exchange(atEnd_, false)) {
        lastShownMs_ = 0; // played again after its end it starts over
    }
    if (pendingSeekMs_ && player_.playbackState() != QMediaPlayer::PlayingState) {
        // Once the media has played, a seek made while paused (or after the end) and then
        // played leaves GStreamer's sound sink stalled about 0.2 s into the play: the position
        // freezes and the sound stops. Every sentence play is exactly that, so the media is
        // read afresh instead (about 15 ms) and played from the target once it has loaded.
        // The first play after loading goes the same way, so its position keeps the same
        // distance to what is heard as every repeat's.
        reloadAndPlay();
        return;
    }
    playedSinceLoad_ = true;
    player_.play();
    applySeek();
    updateState();
}

void QtMediaPlayer::playSpan(double start, double end) {
    setPosition(start);
    play();
    if (hasMedia_ && std::isfinite(end)) {
        spanEnd_.watch(end, player_.playbackRate());
    }
}

void QtMediaPlayer::reloadAndPlay() {
    reloading_ = true;
    pendingPlay_ = true;
    const QUrl url = player_.source();
    player_.setSource(QUrl());
    player_.setSource(url);
    updateState();
}

void QtMediaPlayer::pause() {
    if (spanEnd_.over()) {
        // Paused after the end of a span: it stays where it says it is, past the end.
        const qint64 ms = clampMs(std::llround(spanEnd_.positionPastEnd() * 1000.0));
        spanEnd_.cancel();
        pendingPlay_ = false;
        pendingSeekMs_ = ms;
        lastShownMs_ = ms;
        updateState();
        return;
    }
    spanEnd_.cancel();
    pendingPlay_ = false;
    if (hasMedia_ && loaded() && !atEnd_) {
        player_.pause();
    }
    updateState();
}

void QtMediaPlayer::stop() {
    spanEnd_.cancel();
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
    if (pendingPlay_ || spanEnd_.over()) {
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
    if (spanEnd_.over()) {
        return spanEnd_.positionPastEnd();
    }
    qint64 ms = player_.position();
    if (!reloading_ && player_.playbackState() == QMediaPlayer::PlayingState) {
        ms = std::max(ms, lastShownMs_);
    }
    lastShownMs_ = ms;
    return static_cast<double>(ms) / 1000.0;
}

void QtMediaPlayer::setPosition(double position) {
    if (!hasMedia_ || !std::isfinite(position)) {
        return;
    }
    const qint64 ms = clampMs(std::llround(position * 1000.0));
    spanEnd_.cancel();
    atEnd_ = false;
    pendingSeekMs_ = ms;
    lastShownMs_ = ms;
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
    return hasMedia_ ? static_cast<double>(durationMs_) / 1000.0 : 0.0;
}

void QtMediaPlayer::setVideoSurface(QObject* surface) {
    // A place that makes its picture view on demand offers it as videoView().
    if (surface != nullptr && surface->metaObject()->indexOfMethod("videoView()") >= 0) {
        QObject* view = nullptr;
        QMetaObject::invokeMethod(surface, "videoView", Qt::DirectConnection,
                                  Q_RETURN_ARG(QObject*, view));
        surface = view;
    }
    // A view that makes its sink on demand offers it as videoSink().
    QVideoSink* sink = qobject_cast<QVideoSink*>(surface);
    if (sink == nullptr && surface != nullptr &&
        surface->metaObject()->indexOfMethod("videoSink()") >= 0) {
        QMetaObject::invokeMethod(surface, "videoSink", Qt::DirectConnection,
                                  Q_RETURN_ARG(QVideoSink*, sink));
    }
    if (sink != nullptr) {
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
    playedSinceLoad_ = false;
    if (pendingPlay_) {
        pendingPlay_ = false;
        playedSinceLoad_ = true;
        player_.play();
        applySeek();
    }
    updateState();
    if (!std::exchange(reloading_, false)) {
        emit mediaLoaded();
    }
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
    const qint64 end = durationMs_;
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
