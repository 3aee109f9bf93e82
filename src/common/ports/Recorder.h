#pragma once

#include <QObject>
#include <QString>

namespace ports {

// Records the default microphone into a WAV file and plays it back.
// - open(path) selects the file; record() overwrites it from the start;
// - stop() ends recording or playback; the file is complete after stop();
// - playFromStart() plays the file from its beginning and emits playbackFinished() at its end;
// - without a microphone record() returns false and lastError() says why; nothing crashes;
// - while recording, level() is the loudness of the input (0..1, the peak of the last few tens of
//   milliseconds) and levelChanged() reports it a few times a second; 0 when not recording.
class Recorder : public QObject {
    Q_OBJECT
public:
    enum class State { Closed, Idle, Recording, Playing };

    using QObject::QObject;
    ~Recorder() override = default;

    virtual bool open(const QString& path) = 0;
    virtual bool record() = 0;
    virtual void stop() = 0;
    virtual bool playFromStart() = 0;
    virtual void close() = 0;
    virtual State state() const = 0;
    virtual QString lastError() const = 0;
    virtual double level() const = 0;

signals:
    void stateChanged(ports::Recorder::State state);
    void playbackFinished();
    void errorOccurred(const QString& message);
    void levelChanged(double level);
};

} // namespace ports
