#pragma once

#include "common/ports/Dialogs.h"
#include "common/ports/Recorder.h"
#include "oralix/core/OralixView.h"

#include <QObject>
#include <functional>

namespace oralix {

// Read-along comparison: the learner records the sentence, then hears the model and the
// recording in turn (model, recording, model, ...) until stop.
class ReadAlongPractice : public QObject {
    Q_OBJECT
public:
    // What the practice asks of the session it belongs to.
    struct Hooks {
        std::function<void()> playSentence; // the model: the current sentence's span
        std::function<void()> stopPlayback; // end-of-span poll off, player paused
        std::function<void()> changed;
    };

    ReadAlongPractice(ports::Recorder& recorder, ports::Dialogs& dialogs, QString recordingPath,
                      ReadAlongView& view, Hooks hooks, QObject* parent = nullptr);

    void open();          // prepares the recorder at start-up
    void record();        // overwrites the recording
    void stop();          // ends recording or the comparison
    void compare();       // the model, then the recording, in turn
    void playRecording(); // the recording from its start
    void buttonsOff();    // after the panel's own navigation: a new recording is needed
    void close();
    // The model sentence has been played to its end.
    void modelEnded();

private:
    bool comparing() const { return !view_.compareEnabled && view_.playRecordingEnabled; }

    ports::Recorder& recorder_;
    ports::Dialogs& dialogs_;
    QString path_;
    ReadAlongView& view_;
    Hooks hooks_;
};

} // namespace oralix
