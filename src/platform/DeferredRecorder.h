#pragma once

#include "common/ports/Recorder.h"

#include <memory>

namespace platform {

// The recorder of both programs: Qt Multimedia's (in its media module), made the first time the
// learner records or plays a recording back; until then it only keeps the file it was opened
// on. The recording is played back on the default engine's audio player.
class DeferredRecorder : public ports::Recorder {
    Q_OBJECT
public:
    explicit DeferredRecorder(QObject* parent = nullptr);
    ~DeferredRecorder() override;

    bool open(const QString& path) override;
    bool record() override;
    void stop() override;
    bool playFromStart() override;
    void close() override;
    State state() const override;
    QString lastError() const override;
    double level() const override;

private:
    // The real recorder, opened on the file; nullptr when it cannot be made.
    ports::Recorder* real();
    bool fail(const QString& message);
    void setState(State state);

    std::unique_ptr<ports::Recorder> real_;
    QString path_;
    State state_ = State::Closed;
    QString lastError_;
};

} // namespace platform
