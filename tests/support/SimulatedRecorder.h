#pragma once

#include "common/ports/Recorder.h"

#include <QStringList>
#include <memory>

namespace support {

class ManualClock;
class ManualTimer;

// A recorder in virtual time. Recording lasts from record() to stop(); stop() writes a silent
// WAV file of that length (8 kHz, 8-bit mono) to the opened path. playFromStart() plays for the
// recorded length and then emits playbackFinished(). Without a microphone record() fails with
// a message. While recording, the input level is what setInputLevel() last gave (0 otherwise).
// Every command is logged as "<ms> <command>".
class SimulatedRecorder : public ports::Recorder {
    Q_OBJECT
public:
    explicit SimulatedRecorder(ManualClock& clock);
    ~SimulatedRecorder() override;

    bool open(const QString& path) override;
    bool record() override;
    void stop() override;
    bool playFromStart() override;
    void close() override;
    State state() const override { return state_; }
    QString lastError() const override { return lastError_; }
    double level() const override { return state_ == State::Recording ? level_ : 0.0; }

    void setMicrophoneAvailable(bool available) { microphone_ = available; }
    // What the microphone hears (0..1); reported at once while recording.
    void setInputLevel(double level);
    QString path() const { return path_; }
    qint64 recordedMs() const { return recordedMs_; }
    const QStringList& log() const { return log_; }

private:
    void setState(State state);
    void note(const QString& command);
    void fail(const QString& message);
    void finishPlayback();

    ManualClock& clock_;
    std::unique_ptr<ManualTimer> playbackTimer_;
    State state_ = State::Closed;
    QString path_;
    QString lastError_;
    bool microphone_ = true;
    double level_ = 0;
    qint64 recordStartMs_ = 0;
    qint64 recordedMs_ = -1; // -1: nothing recorded yet
    QStringList log_;
};

} // namespace support
