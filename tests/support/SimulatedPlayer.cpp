#include "SimulatedPlayer.h"

#include "ManualClock.h"
#include "ManualTimer.h"
#include "SimulatedMedia.h"

#include <algorithm>
#include <cmath>

namespace support {

SimulatedPlayer::SimulatedPlayer(ManualClock& clock, const SimulatedMedia& media, Unit unit)
    : clock_(clock), media_(media), unit_(unit), endTimer_(clock.createManualTimer()),
      loadTimer_(clock.createManualTimer()) {
    connect(endTimer_.get(), &ports::Timer::timeout, this, &SimulatedPlayer::reachEnd);
    connect(loadTimer_.get(), &ports::Timer::timeout, this, [this] {
        loadTimer_->stop();
        finishLoading();
    });
}

SimulatedPlayer::~SimulatedPlayer() = default;

double SimulatedPlayer::toMs(double position) const {
    return unit_ == Unit::Seconds ? position * 1000.0 : position;
}

double SimulatedPlayer::fromMs(double ms) const {
    return unit_ == Unit::Seconds ? ms / 1000.0 : std::floor(ms + 1e-6);
}

void SimulatedPlayer::record(Call::Kind kind, double value, const QString& path) {
    calls_.append(Call{kind, clock_.nowMs(), path, value, false});
}

void SimulatedPlayer::setState(State state) {
    if (state == state_)
        return;
    state_ = state;
    emit stateChanged(state);
}

void SimulatedPlayer::open(const QString& path) {
    record(Call::Kind::Open, 0, path);
    endTimer_->stop();
    loadTimer_->stop();
    path_ = path;
    loaded_ = false;
    pendingPlay_ = false;
    durationMs_ = 0;
    anchorPositionMs_ = 0;
    setState(State::NoMedia);
    const std::optional<SimulatedMedia::Item> item = media_.find(path);
    if (!item)
        return; // a missing file: no media, nothing raised
    if (item->loadDelayMs <= 0) {
        finishLoading();
        return;
    }
    loadTimer_->setInterval(item->loadDelayMs);
    loadTimer_->start();
}

void SimulatedPlayer::finishLoading() {
    const std::optional<SimulatedMedia::Item> item = media_.find(path_);
    if (!item)
        return; // removed from the catalogue while loading
    loaded_ = true;
    durationMs_ = static_cast<double>(std::max<qint64>(0, item->durationMs));
    anchorPositionMs_ = std::clamp(anchorPositionMs_, 0.0, durationMs_);
    setState(State::Stopped);
    emit mediaLoaded();
    if ((autoStart_ || pendingPlay_) && state_ != State::Playing) {
        pendingPlay_ = false;
        if (anchorPositionMs_ >= durationMs_)
            anchorPositionMs_ = 0;
        startRunning();
    }
}

void SimulatedPlayer::close() {
    record(Call::Kind::Close);
    endTimer_->stop();
    loadTimer_->stop();
    path_.clear();
    loaded_ = false;
    pendingPlay_ = false;
    durationMs_ = 0;
    anchorPositionMs_ = 0;
    setState(State::NoMedia);
}

void SimulatedPlayer::setAutoStart(bool on) {
    record(Call::Kind::AutoStart, on ? 1 : 0);
    autoStart_ = on;
}

void SimulatedPlayer::setVolume(int volume) {
    record(Call::Kind::Volume, volume);
    volume_ = std::clamp(volume, 0, 100);
}

void SimulatedPlayer::setPlaybackRate(double rate) {
    record(Call::Kind::Rate, rate);
    if (rate <= 0)
        return;
    if (state_ == State::Playing) {
        freezePosition();
        rate_ = rate;
        startRunning();
    } else {
        rate_ = rate;
    }
}

void SimulatedPlayer::playSpan(double start, double end) {
    setPosition(start);
    const bool wasPlaying = state_ == State::Playing;
    play();
    calls_.last().value = end;
    calls_.last().span = true;
    if (loaded_ || pendingPlay_ || wasPlaying) {
        spanEnd_ = end;
    }
}

void SimulatedPlayer::play() {
    record(Call::Kind::Play);
    spanEnd_.reset();
    if (!loaded_) {
        if (loadTimer_->isEnabled())
            pendingPlay_ = true;
        return;
    }
    if (state_ == State::Playing)
        return;
    if (anchorPositionMs_ >= durationMs_)
        anchorPositionMs_ = 0;
    startRunning();
}

void SimulatedPlayer::startRunning() {
    anchorTimeMs_ = clock_.nowMs() + startDelayMs_;
    setState(State::Playing);
    scheduleEnd();
}

void SimulatedPlayer::scheduleEnd() {
    const double remainingMs =
        (durationMs_ - anchorPositionMs_) / rate_ +
        static_cast<double>(std::max<qint64>(0, anchorTimeMs_ - clock_.nowMs()));
    if (remainingMs <= 0) {
        reachEnd();
        return;
    }
    endTimer_->setInterval(static_cast<int>(std::ceil(remainingMs - 1e-9)));
    endTimer_->start();
}

void SimulatedPlayer::reachEnd() {
    endTimer_->stop();
    anchorPositionMs_ = durationMs_;
    record(Call::Kind::Finished);
    setState(State::Paused);
    emit finished();
}

void SimulatedPlayer::freezePosition() {
    anchorPositionMs_ = positionMs();
    anchorTimeMs_ = clock_.nowMs();
    endTimer_->stop();
}

void SimulatedPlayer::pause() {
    record(Call::Kind::Pause);
    pendingPlay_ = false;
    spanEnd_.reset();
    if (state_ != State::Playing)
        return;
    freezePosition();
    setState(State::Paused);
}

void SimulatedPlayer::stop() {
    record(Call::Kind::Stop);
    pendingPlay_ = false;
    anchorPositionMs_ = 0;
    if (!loaded_)
        return;
    endTimer_->stop();
    setState(State::Stopped);
}

double SimulatedPlayer::positionMs() const {
    if (state_ != State::Playing)
        return anchorPositionMs_;
    const double moved =
        static_cast<double>(std::max<qint64>(0, clock_.nowMs() - anchorTimeMs_)) * rate_;
    return std::min(durationMs_, anchorPositionMs_ + moved);
}

double SimulatedPlayer::position() const {
    return fromMs(positionMs());
}

void SimulatedPlayer::setPosition(double position) {
    record(Call::Kind::Seek, position);
    spanEnd_.reset();
    double ms = std::max(0.0, toMs(position));
    if (!loaded_) {
        anchorPositionMs_ = ms; // applied when the media loads
        return;
    }
    ms = std::min(ms, durationMs_);
    anchorPositionMs_ = ms;
    if (state_ == State::Playing) {
        anchorTimeMs_ = clock_.nowMs() + startDelayMs_;
        endTimer_->stop();
        scheduleEnd();
    }
}

double SimulatedPlayer::duration() const {
    return loaded_ ? fromMs(durationMs_) : 0.0;
}

QList<SimulatedPlayer::Call> SimulatedPlayer::calls(Call::Kind kind) const {
    QList<Call> result;
    for (const Call& call : calls_) {
        if (call.kind == kind)
            result.append(call);
    }
    return result;
}

QStringList SimulatedPlayer::log() const {
    QStringList lines;
    for (const Call& call : calls_) {
        const QString at = QString::number(call.atMs) + u' ';
        switch (call.kind) {
        case Call::Kind::Open:
            lines << at + QStringLiteral("open ") + call.path;
            break;
        case Call::Kind::Close:
            lines << at + QStringLiteral("close");
            break;
        case Call::Kind::Play:
            lines << at + QStringLiteral("play") +
                         (call.span ? QStringLiteral(" to ") + QString::number(call.value)
                                    : QString());
            break;
        case Call::Kind::Pause:
            lines << at + QStringLiteral("pause");
            break;
        case Call::Kind::Stop:
            lines << at + QStringLiteral("stop");
            break;
        case Call::Kind::Seek:
            lines << at + QStringLiteral("seek ") + QString::number(call.value);
            break;
        case Call::Kind::Volume:
            lines << at + QStringLiteral("volume ") + QString::number(call.value);
            break;
        case Call::Kind::AutoStart:
            lines << at + QStringLiteral("autostart ") + QString::number(call.value);
            break;
        case Call::Kind::Rate:
            lines << at + QStringLiteral("rate ") + QString::number(call.value);
            break;
        case Call::Kind::Finished:
            lines << at + QStringLiteral("finished");
            break;
        }
    }
    return lines;
}

} // namespace support
