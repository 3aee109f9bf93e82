#pragma once

#include "common/ports/Recorder.h"

#include "platform/QtMediaPlayer.h"

#include <QAudioSource>
#include <QElapsedTimer>
#include <QFile>
#include <memory>

namespace platform {

// Records the default microphone as 16-bit PCM WAV and plays the recording back through the
// default engine. The file is written while recording and its header completed on stop; the
// samples pass a level meter on their way to the file.
class QtRecorder : public ports::Recorder {
    Q_OBJECT
public:
    explicit QtRecorder(QObject* parent = nullptr);
    ~QtRecorder() override;

    bool open(const QString& path) override;
    bool record() override;
    void stop() override;
    bool playFromStart() override;
    void close() override;
    State state() const override { return state_; }
    QString lastError() const override { return lastError_; }
    double level() const override { return state_ == State::Recording ? level_ : 0.0; }

private:
    void finishRecording();
    void onSourceStateChanged();
    void onPlayerFinished();
    void onPlayerState(ports::MediaPlayer::State state);
    void measure(const char* data, qint64 bytes);
    bool fail(const QString& message);
    void setState(State state);

    class MeteredFile;

    QString path_;
    QFile file_;
    std::unique_ptr<MeteredFile> metered_;
    std::unique_ptr<QAudioSource> source_;
    QAudioFormat format_;
    QtMediaPlayer player_;
    State state_ = State::Closed;
    QString lastError_;
    double level_ = 0;
    double peak_ = 0; // since the level was last reported
    QElapsedTimer sinceReport_;
};

} // namespace platform
