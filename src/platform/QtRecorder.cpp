#include "platform/QtRecorder.h"

#include "platform/WavHeader.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {

namespace {

constexpr int kLevelReportMs = 50;

QAudioFormat recordingFormat(const QAudioDevice& device) {
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(format)) {
        return format;
    }
    format = device.preferredFormat();
    format.setSampleFormat(QAudioFormat::Int16);
    if (format.channelCount() > 2) {
        format.setChannelCount(2);
    }
    return format;
}

} // namespace

// The device the audio source writes into: every block goes on to the file and past the meter.
class QtRecorder::MeteredFile : public QIODevice {
public:
    explicit MeteredFile(QtRecorder& recorder) : recorder_(recorder) {}

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 bytes) override {
        recorder_.measure(data, bytes);
        return recorder_.file_.write(data, bytes);
    }

private:
    QtRecorder& recorder_;
};

QtRecorder::QtRecorder(QObject* parent) : ports::Recorder(parent) {
    connect(&player_, &ports::MediaPlayer::finished, this, &QtRecorder::onPlayerFinished);
    connect(&player_, &ports::MediaPlayer::stateChanged, this, &QtRecorder::onPlayerState);
}

QtRecorder::~QtRecorder() {
    if (state_ == State::Recording) {
        finishRecording();
    }
}

bool QtRecorder::open(const QString& path) {
    stop();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.absoluteDir().exists()) {
        state_ = State::Closed;
        return fail(tr("无法打开录音文件：%1").arg(QDir::toNativeSeparators(path)));
    }
    path_ = info.absoluteFilePath();
    lastError_.clear();
    setState(State::Idle);
    return true;
}

bool QtRecorder::record() {
    if (state_ == State::Closed) {
        return fail(tr("录音器尚未打开。"));
    }
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull()) {
        return fail(tr("没有找到录音设备（麦克风）。请连接麦克风后再试。"));
    }
    // The player may still hold the previous recording open.
    player_.close();
    format_ = recordingFormat(device);
    file_.setFileName(path_);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return fail(tr("无法写入录音文件：%1").arg(QDir::toNativeSeparators(path_)));
    }
    WavHeader header;
    header.sampleRate = format_.sampleRate();
    header.channels = format_.channelCount();
    file_.write(header.bytes());

    source_ = std::make_unique<QAudioSource>(device, format_);
    connect(source_.get(), &QAudioSource::stateChanged, this, &QtRecorder::onSourceStateChanged);
    metered_ = std::make_unique<MeteredFile>(*this);
    metered_->open(QIODevice::WriteOnly);
    peak_ = level_ = 0;
    sinceReport_.start();
    source_->start(metered_.get());
    if (source_->error() != QAudio::NoError) {
        finishRecording();
        return fail(tr("无法打开录音设备（麦克风）。"));
    }
    lastError_.clear();
    setState(State::Recording);
    return true;
}

void QtRecorder::stop() {
    if (state_ == State::Recording) {
        finishRecording();
        setState(State::Idle);
    } else if (state_ == State::Playing) {
        player_.stop();
        setState(State::Idle);
    }
}

bool QtRecorder::playFromStart() {
    if (state_ == State::Closed) {
        return fail(tr("录音器尚未打开。"));
    }
    stop();
    const QFileInfo info(path_);
    if (!info.isFile() || info.size() <= WavHeader::size) {
        return fail(tr("还没有录音，请先录音。"));
    }
    // Opened afresh each time: the file has been rewritten since it was last played.
    player_.open(path_);
    player_.play();
    setState(State::Playing);
    return true;
}

void QtRecorder::close() {
    stop();
    player_.close();
    setState(State::Closed);
}

void QtRecorder::finishRecording() {
    if (source_) {
        source_->disconnect(this);
        source_->stop();
        source_.reset();
    }
    metered_.reset();
    if (level_ != 0) {
        level_ = 0;
        emit levelChanged(0.0);
    }
    if (!file_.isOpen()) {
        return;
    }
    WavHeader header;
    header.sampleRate = format_.sampleRate();
    header.channels = format_.channelCount();
    const qint64 data = std::max<qint64>(file_.size() - WavHeader::size, 0);
    header.dataBytes = static_cast<quint32>(data - data % header.bytesPerFrame());
    file_.resize(WavHeader::size + header.dataBytes);
    file_.seek(0);
    file_.write(header.bytes());
    file_.close();
}

void QtRecorder::measure(const char* data, qint64 bytes) {
    // Both recording formats are 16-bit.
    const qint64 samples = bytes / qint64(sizeof(qint16));
    for (qint64 i = 0; i < samples; ++i) {
        qint16 sample;
        std::memcpy(&sample, data + i * qint64(sizeof(qint16)), sizeof sample);
        peak_ = std::max(peak_, std::abs(double(sample)) / 32768.0);
    }
    if (sinceReport_.elapsed() >= kLevelReportMs) {
        sinceReport_.restart();
        level_ = std::min(peak_, 1.0);
        peak_ = 0;
        emit levelChanged(level_);
    }
}

void QtRecorder::onSourceStateChanged() {
    if (!source_ || state_ != State::Recording) {
        return;
    }
    if (source_->state() == QAudio::StoppedState && source_->error() != QAudio::NoError) {
        finishRecording();
        setState(State::Idle);
        fail(tr("录音中断：录音设备（麦克风）无法使用。"));
    }
}

void QtRecorder::onPlayerFinished() {
    if (state_ == State::Playing) {
        setState(State::Idle);
        emit playbackFinished();
    }
}

void QtRecorder::onPlayerState(ports::MediaPlayer::State state) {
    if (state_ == State::Playing && state == ports::MediaPlayer::State::NoMedia) {
        setState(State::Idle);
        fail(tr("无法播放录音文件。"));
    }
}

bool QtRecorder::fail(const QString& message) {
    lastError_ = message;
    emit errorOccurred(message);
    return false;
}

void QtRecorder::setState(State state) {
    if (state != state_) {
        state_ = state;
        emit stateChanged(state);
    }
}

} // namespace platform
