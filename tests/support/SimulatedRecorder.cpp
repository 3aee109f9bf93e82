#include "SimulatedRecorder.h"

#include "ManualClock.h"
#include "ManualTimer.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace support {

namespace {

QByteArray silentWav(qint64 ms) {
    const quint32 rate = 8000;
    const quint32 dataSize = static_cast<quint32>(ms * rate / 1000);
    QByteArray wav;
    auto put32 = [&wav](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wav.append(b, 4);
    };
    auto put16 = [&wav](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wav.append(b, 2);
    };
    wav.append("RIFF");
    put32(36 + dataSize);
    wav.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(rate);
    put32(rate); // bytes per second
    put16(1);    // block align
    put16(8);    // bits per sample
    wav.append("data");
    put32(dataSize);
    wav.append(QByteArray(dataSize, char(0x80)));
    return wav;
}

} // namespace

SimulatedRecorder::SimulatedRecorder(ManualClock& clock)
    : clock_(clock), playbackTimer_(clock.createManualTimer()) {
    connect(playbackTimer_.get(), &ports::Timer::timeout, this, &SimulatedRecorder::finishPlayback);
}

SimulatedRecorder::~SimulatedRecorder() = default;

void SimulatedRecorder::setState(State state) {
    if (state == state_)
        return;
    state_ = state;
    emit stateChanged(state);
}

void SimulatedRecorder::setInputLevel(double level) {
    level_ = level;
    if (state_ == State::Recording)
        emit levelChanged(level_);
}

void SimulatedRecorder::note(const QString& command) {
    log_ << QString::number(clock_.nowMs()) + u' ' + command;
}

void SimulatedRecorder::fail(const QString& message) {
    lastError_ = message;
    emit errorOccurred(message);
}

bool SimulatedRecorder::open(const QString& path) {
    note(QStringLiteral("open ") + path);
    if (path.isEmpty()) {
        fail(QStringLiteral("没有指定录音文件"));
        return false;
    }
    stop();
    path_ = path;
    setState(State::Idle);
    return true;
}

bool SimulatedRecorder::record() {
    note(QStringLiteral("record"));
    if (state_ == State::Closed) {
        fail(QStringLiteral("录音设备没有打开"));
        return false;
    }
    if (!microphone_) {
        fail(QStringLiteral("没有找到可用的麦克风，无法录音"));
        return false;
    }
    playbackTimer_->stop();
    recordStartMs_ = clock_.nowMs();
    setState(State::Recording);
    emit levelChanged(level_);
    return true;
}

void SimulatedRecorder::stop() {
    if (state_ == State::Recording) {
        note(QStringLiteral("stop"));
        recordedMs_ = clock_.nowMs() - recordStartMs_;
        QFile file(path_);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(silentWav(recordedMs_)) < 0)
            fail(QStringLiteral("无法写入录音文件：") + file.errorString());
        setState(State::Idle);
        emit levelChanged(0.0);
    } else if (state_ == State::Playing) {
        note(QStringLiteral("stop"));
        playbackTimer_->stop();
        setState(State::Idle);
    }
}

bool SimulatedRecorder::playFromStart() {
    note(QStringLiteral("play"));
    if (state_ == State::Closed) {
        fail(QStringLiteral("录音设备没有打开"));
        return false;
    }
    if (state_ == State::Recording)
        stop();
    if (recordedMs_ < 0 && !QFileInfo::exists(path_)) {
        fail(QStringLiteral("还没有录音"));
        return false;
    }
    playbackTimer_->stop();
    playbackTimer_->setInterval(static_cast<int>(qMax<qint64>(1, recordedMs_)));
    playbackTimer_->start();
    setState(State::Playing);
    return true;
}

void SimulatedRecorder::finishPlayback() {
    playbackTimer_->stop();
    setState(State::Idle);
    emit playbackFinished();
}

void SimulatedRecorder::close() {
    note(QStringLiteral("close"));
    stop();
    setState(State::Closed);
}

} // namespace support
