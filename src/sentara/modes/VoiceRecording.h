#pragma once

#include "common/practice/RecordingPractice.h"
#include "sentara/modes/ModeComponent.h"

#include <QObject>
#include <QString>

namespace ports {
class Dialogs;
class Recorder;
} // namespace ports

namespace sentara {

class ListeningLoop;
class VoiceControl;

// What the recorder of the voice view needs of the session: the sentence view's play command,
// which plays the model sentence from the lesson media.
class VoiceRecordingHost {
public:
    virtual ~VoiceRecordingHost() = default;
    virtual int SentenceCount() const = 0;
    virtual void SenPlayCommand_Click() = 0;
};

// The recorder's part of the voice view (mode 6).
struct VoiceRecordingView {
    QString recordCaption;       // RecordCommand
    QString stopCaption;         // RecordStopCommand
    QString playOwnCaption;      // UserVoiceCommand: the learner's recording from its start
    QString playModelCaption;    // SoftwareVoiceCommand: the sentence from the lesson media
    QString compareCaption;      // RepeatCommand: the model sentence, then the recording
    bool stopEnabled = false;    // while recording (and while a comparison runs)
    bool playOwnEnabled = false; // once a recording is held
    bool compareEnabled = false; // once a recording is held, while no comparison runs
    bool playModelEnabled = false;
    bool recording = false;
    double level = 0;     // the microphone's loudness while recording, 0..1
    QString levelCaption; // the meter's caption
    QString status;       // "正在录音……" while recording
};

// The voice view's recorder: idle, recording (stop enabled) or holding a recording (play-own and
// compare enabled). The recording is Recorder.wav in the program folder, replaced by the next
// one. Stopping a recording also pauses the lesson's player and ends the sentence's end watch.
// The compare command plays the model sentence, then the learner's recording, once. Leaving the
// voice view stops a recording (it is kept) and a comparison. While a new recording runs, the
// one held before can neither be played nor compared: stop comes first.
class VoiceRecording : public QObject, public ModeComponent {
    Q_OBJECT
public:
    VoiceRecording(ports::Recorder& recorder, ports::Dialogs& dialogs, QString recordingPath,
                   ListeningLoop& loop, VoiceControl& voice, VoiceRecordingHost& host);
    ~VoiceRecording() override;

    void record();    // RecordCommand; without a microphone a message says so
    void stop();      // RecordStopCommand
    void playOwn();   // UserVoiceCommand
    void playModel(); // SoftwareVoiceCommand
    void compare();   // RepeatCommand

    VoiceRecordingView view() const;

    void modeSwitched() override;

signals:
    // The microphone's loudness while recording (a few times a second), for the meter.
    void levelChanged(double level);

private:
    ports::Recorder& recorder_;
    ListeningLoop& loop_;
    VoiceControl& voice_;
    VoiceRecordingHost& host_;
    common::RecordingButtons buttons_;
    common::RecordingPractice practice_;
    double level_ = 0;
};

} // namespace sentara
