#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace ports {
class Dialogs;
class Recorder;
} // namespace ports

namespace common {

// What the recorder's commands allow at the moment.
struct RecordingButtons {
    bool stopEnabled = false;          // recording, or a comparison is running
    bool compareEnabled = false;       // a recording is held and no comparison is running
    bool playRecordingEnabled = false; // a recording is held
};

// Recording one's own voice to compare it with the model sentence, shared by both trainers:
// idle, recording (stop enabled), holding a recording (compare and play-own enabled). A
// comparison plays the model sentence, then the recording from its start; in Rounds::UntilStopped
// the model follows again after the recording, and so on until stop, in Rounds::Once it ends
// after the recording. The recording file is replaced by each new recording. A recorder that
// cannot record (no microphone) is reported as "无法录音：" and the reason; nothing else changes.
class RecordingPractice : public QObject {
    Q_OBJECT
public:
    enum class Rounds { Once, UntilStopped };

    // What the practice asks of the trainer it belongs to.
    struct Hooks {
        std::function<void()> playModel;    // the model: the current sentence's span
        std::function<void()> stopPlayback; // the sentence's end watch off, the player paused
        std::function<void()> changed;      // the buttons changed
    };

    RecordingPractice(ports::Recorder& recorder, ports::Dialogs& dialogs, QString recordingPath,
                      RecordingButtons& buttons, Rounds rounds, Hooks hooks,
                      QObject* parent = nullptr);

    void open();          // prepares the recorder at start-up
    bool record();        // overwrites the recording; false (and the message) when it cannot
    void stop();          // ends recording or the comparison; the recording can then be played
    void compare();       // the model, then the recording
    void playRecording(); // the recording from its start
    void buttonsOff();    // a new recording is needed before the next comparison
    void close();
    // The model sentence has been played to its end: the recording follows when comparing.
    void modelEnded();

    bool recording() const;
    bool comparing() const { return comparing_; }

private:
    void recordingHeard();

    ports::Recorder& recorder_;
    ports::Dialogs& dialogs_;
    QString path_;
    RecordingButtons& buttons_;
    Rounds rounds_;
    Hooks hooks_;
    bool comparing_ = false;
    bool recordingFollows_ = false; // the model is playing; the recording comes next
};

} // namespace common
