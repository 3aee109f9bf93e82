#include "platform/DeferredRecorder.h"

#include "platform/DeferredPlayer.h"
#include "platform/MediaModules.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

DeferredRecorder::DeferredRecorder(QObject* parent) : ports::Recorder(parent) {
}

DeferredRecorder::~DeferredRecorder() = default;

ports::Recorder* DeferredRecorder::real() {
    if (real_) {
        return real_.get();
    }
    auto playback = std::make_unique<DeferredPlayer>(ports::MediaPlayer::Unit::Seconds, [] {
        return MediaModules::createPlayer(MediaModules::Module::ExactAudio);
    });
    real_ = MediaModules::createRecorder(std::move(playback));
    if (!real_) {
        return nullptr;
    }
    connect(real_.get(), &ports::Recorder::stateChanged, this, &DeferredRecorder::setState);
    connect(real_.get(), &ports::Recorder::playbackFinished, this,
            &ports::Recorder::playbackFinished);
    connect(real_.get(), &ports::Recorder::levelChanged, this, &ports::Recorder::levelChanged);
    connect(real_.get(), &ports::Recorder::errorOccurred, this, [this](const QString& message) {
        lastError_ = message;
        emit errorOccurred(message);
    });
    if (state_ != State::Closed) {
        real_->open(path_);
    }
    return real_.get();
}

bool DeferredRecorder::open(const QString& path) {
    if (real_) {
        return real_->open(path);
    }
    const QFileInfo info(path);
    if (path.isEmpty() || !info.absoluteDir().exists()) {
        setState(State::Closed);
        return fail(tr("无法打开录音文件：%1").arg(QDir::toNativeSeparators(path)));
    }
    path_ = info.absoluteFilePath();
    lastError_.clear();
    setState(State::Idle);
    return true;
}

bool DeferredRecorder::record() {
    if (state_ == State::Closed && !real_) {
        return fail(tr("录音器尚未打开。"));
    }
    ports::Recorder* recorder = real();
    return recorder != nullptr ? recorder->record()
                               : fail(tr("Qt Multimedia 模块缺失或无法载入。"));
}

void DeferredRecorder::stop() {
    if (real_) {
        real_->stop();
    }
}

bool DeferredRecorder::playFromStart() {
    if (state_ == State::Closed && !real_) {
        return fail(tr("录音器尚未打开。"));
    }
    ports::Recorder* recorder = real();
    return recorder != nullptr ? recorder->playFromStart()
                               : fail(tr("无法播放录音：Qt Multimedia 模块缺失或无法载入。"));
}

void DeferredRecorder::close() {
    if (real_) {
        real_->close();
        return;
    }
    setState(State::Closed);
}

ports::Recorder::State DeferredRecorder::state() const {
    return real_ ? real_->state() : state_;
}

QString DeferredRecorder::lastError() const {
    return real_ ? real_->lastError() : lastError_;
}

bool DeferredRecorder::fail(const QString& message) {
    lastError_ = message;
    emit errorOccurred(message);
    return false;
}

void DeferredRecorder::setState(State state) {
    if (state != state_) {
        state_ = state;
        emit stateChanged(state);
    }
}

double DeferredRecorder::level() const {
    return real_ ? real_->level() : 0.0;
}

} // namespace platform
