#include "platform/exact/ExactAudioPlayer.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// How often the end of the media is looked for while playing.
constexpr int endWatchMs = 5;

// Volumes 0..100 are heard as a slider would suggest: the scale is logarithmic, 0 is silent.
float linearGain(int volume) {
    const double level = std::clamp(volume, 0, 100) / 100.0;
    if (level >= 0.99) {
        return 1.0f;
    }
    return static_cast<float>(-std::log(1.0 - level) / std::log(100.0));
}

} // namespace

ExactAudioPlayer::ExactAudioPlayer(QObject* parent)
    : ports::MediaPlayer(parent),
      output_([this](float* out, int frames) { feed_.produce(out, frames); }) {
    feed_.setGain(linearGain(volume_));
    endWatch_.setTimerType(Qt::PreciseTimer);
    endWatch_.setInterval(endWatchMs);
    connect(&endWatch_, &QTimer::timeout, this, &ExactAudioPlayer::watchEnd);
}

ExactAudioPlayer::~ExactAudioPlayer() {
    PulseOutput::Lock lock(output_);
    output_.stop();
}

void ExactAudioPlayer::open(const QString& path) {
    stopFeeding();
    path_ = path;
    atEnd_ = false;
    positionFrame_ = 0;
    const QFileInfo info(path);
    bool opened = false;
    {
        PulseOutput::Lock lock(output_);
        opened = !path.isEmpty() && info.isFile() && info.isReadable() &&
                 decoder_.open(info.absoluteFilePath());
        if (!opened) {
            decoder_.close();
        } else {
            output_.setFormat(decoder_.sampleRate(), decoder_.channels());
        }
    }
    if (!opened) {
        setState(State::NoMedia);
        return;
    }
    setState(State::Stopped);
    // Announced from the event loop, as a player that loads in the background would.
    QMetaObject::invokeMethod(
        this,
        [this, path] {
            if (path_ == path && hasMedia()) {
                emit mediaLoaded();
            }
        },
        Qt::QueuedConnection);
    if (autoStart_) {
        play();
    }
}

void ExactAudioPlayer::close() {
    stopFeeding();
    {
        PulseOutput::Lock lock(output_);
        decoder_.close();
    }
    path_.clear();
    atEnd_ = false;
    positionFrame_ = 0;
    setState(State::NoMedia);
}

void ExactAudioPlayer::setVolume(int volume) {
    volume_ = std::clamp(volume, 0, 100);
    PulseOutput::Lock lock(output_);
    feed_.setGain(linearGain(volume_));
}

void ExactAudioPlayer::setPlaybackRate(double rate) {
    if (!(rate > 0) || rate == rate_) {
        return;
    }
    if (state_ == State::Playing) {
        // Goes on from the sample being heard, at the new speed.
        qint64 from = 0;
        {
            PulseOutput::Lock lock(output_);
            from = std::llround(heardFrame());
        }
        rate_ = rate;
        const std::optional<qint64> end = spanEnd_;
        startFeeding(end ? std::min(from, *end) : from, end);
        return;
    }
    rate_ = rate;
}

void ExactAudioPlayer::play() {
    if (!hasMedia() || state_ == State::Playing) {
        return;
    }
    if (atEnd_) {
        positionFrame_ = 0; // played again after its end the media starts over
    }
    startFeeding(positionFrame_, std::nullopt);
}

void ExactAudioPlayer::playSpan(double start, double end) {
    if (!hasMedia() || !std::isfinite(start) || !std::isfinite(end)) {
        return;
    }
    const qint64 from = toFrame(start);
    // The end is not held inside the media: a span ending past it ends with the media.
    startFeeding(from, std::max(from, frameAt(end)));
}

void ExactAudioPlayer::startFeeding(qint64 frame, std::optional<qint64> endFrame) {
    atEnd_ = false;
    spanEnd_ = endFrame;
    {
        PulseOutput::Lock lock(output_);
        // A play that has to wait for the server to take its stream counts from when it
        // starts, not from when it was asked for: the wait says nothing of the next play.
        waitingForServer_ = !output_.ready();
        if (waitingForServer_) {
            startDelay_.finish();
        } else {
            startDelay_.asked();
        }
        output_.stop();
        feed_.start(frame, endFrame, rate_);
        output_.start();
    }
    lastHeard_ = static_cast<double>(frame);
    endWatch_.start();
    setState(State::Playing);
}

void ExactAudioPlayer::stopFeeding() {
    endWatch_.stop();
    startDelay_.finish();
    if (state_ == State::Playing) {
        PulseOutput::Lock lock(output_);
        positionFrame_ = std::llround(heardFrame());
        output_.stop();
    }
}

void ExactAudioPlayer::pause() {
    if (!hasMedia()) {
        return;
    }
    stopFeeding();
    setState(State::Paused);
}

void ExactAudioPlayer::stop() {
    if (!hasMedia()) {
        return;
    }
    stopFeeding();
    positionFrame_ = 0;
    atEnd_ = false;
    setState(State::Stopped);
}

double ExactAudioPlayer::heardFrame() const {
    const double start = static_cast<double>(feed_.startFrame());
    double heard = std::max(start, lastHeard_);
    if (const std::optional<double> latency = output_.latencySeconds()) {
        const double played =
            static_cast<double>(feed_.produced()) - *latency * decoder_.sampleRate();
        heard = std::max(heard, start + std::max(0.0, played) * feed_.rate());
    }
    if (feed_.mediaEndedAt() || (!spanEnd_ && decoder_.lengthKnown())) {
        heard = std::min(heard, static_cast<double>(decoder_.durationFrames()));
    }
    lastHeard_ = heard;
    return heard;
}

double ExactAudioPlayer::position() const {
    if (!hasMedia() || decoder_.sampleRate() <= 0) {
        return 0.0;
    }
    if (atEnd_) {
        return duration();
    }
    if (state_ != State::Playing) {
        return static_cast<double>(positionFrame_) / decoder_.sampleRate();
    }
    auto& output = const_cast<PulseOutput&>(output_);
    PulseOutput::Lock lock(output);
    return heardFrame() / decoder_.sampleRate();
}

void ExactAudioPlayer::setPosition(double position) {
    if (!hasMedia() || !std::isfinite(position)) {
        return;
    }
    const qint64 frame = toFrame(position);
    atEnd_ = false;
    if (state_ == State::Playing) {
        startFeeding(frame, std::nullopt);
    } else {
        positionFrame_ = frame;
    }
}

qint64 ExactAudioPlayer::frameAt(double seconds) const {
    return std::max<qint64>(std::llround(seconds * decoder_.sampleRate()), 0);
}

qint64 ExactAudioPlayer::toFrame(double seconds) const {
    // A guessed length may fall short of the media: a play from past it starts where asked and
    // ends with the media if that is shorter still.
    const qint64 frame = frameAt(seconds);
    return decoder_.lengthKnown() ? std::min(frame, decoder_.durationFrames()) : frame;
}

double ExactAudioPlayer::duration() const {
    return hasMedia() && decoder_.sampleRate() > 0
               ? static_cast<double>(decoder_.durationFrames()) / decoder_.sampleRate()
               : 0.0;
}

void ExactAudioPlayer::watchEnd() {
    if (state_ != State::Playing) {
        endWatch_.stop();
        return;
    }
    {
        PulseOutput::Lock lock(output_);
        const std::optional<qint64> endedAt = feed_.mediaEndedAt();
        const std::optional<double> latency = output_.latencySeconds();
        if (waitingForServer_ && output_.startedAt()) {
            startDelay_.asked(*output_.startedAt());
            waitingForServer_ = false;
        }
        if (latency && output_.running() && !waitingForServer_) {
            // The last frame fed is heard after the latency, the first that many frames earlier.
            startDelay_.firstHeardIn(
                (*latency - static_cast<double>(feed_.produced()) / decoder_.sampleRate()) *
                1000.0);
        }
        if (!endedAt || !latency ||
            static_cast<double>(feed_.produced()) - *latency * decoder_.sampleRate() <
                static_cast<double>(*endedAt)) {
            return;
        }
        output_.stop();
    }
    endWatch_.stop();
    startDelay_.finish();
    atEnd_ = true;
    positionFrame_ = decoder_.durationFrames();
    setState(State::Paused);
    emit finished();
}

void ExactAudioPlayer::setState(State state) {
    if (state != state_) {
        state_ = state;
        emit stateChanged(state);
    }
}

} // namespace platform
