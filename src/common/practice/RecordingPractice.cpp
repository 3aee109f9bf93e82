#include "common/practice/RecordingPractice.h"

#include "common/ports/Dialogs.h"
#include "common/ports/Recorder.h"

namespace common {

RecordingPractice::RecordingPractice(ports::Recorder& recorder, ports::Dialogs& dialogs,
                                     QString recordingPath, RecordingButtons& buttons,
                                     Rounds rounds, Hooks hooks, QObject* parent)
    : QObject(parent), recorder_(recorder), dialogs_(dialogs), path_(std::move(recordingPath)),
      buttons_(buttons), rounds_(rounds), hooks_(std::move(hooks)) {
    connect(&recorder_, &ports::Recorder::playbackFinished, this,
            &RecordingPractice::recordingHeard);
}

void RecordingPractice::open() {
    recorder_.open(path_);
}

bool RecordingPractice::record() {
    comparing_ = recordingFollows_ = false;
    recorder_.stop();
    recorder_.close();
    if (!recorder_.open(path_) || !recorder_.record()) {
        dialogs_.info(QStringLiteral("提示"), QStringLiteral("无法录音：") + recorder_.lastError());
        hooks_.changed();
        return false;
    }
    buttons_.stopEnabled = true;
    hooks_.changed();
    return true;
}

void RecordingPractice::stop() {
    comparing_ = recordingFollows_ = false;
    buttons_.stopEnabled = false;
    buttons_.compareEnabled = true;
    buttons_.playRecordingEnabled = true;
    recorder_.stop();
    hooks_.stopPlayback();
    hooks_.changed();
}

void RecordingPractice::compare() {
    comparing_ = recordingFollows_ = true;
    buttons_.compareEnabled = false;
    buttons_.stopEnabled = true;
    hooks_.changed();
    hooks_.playModel();
}

void RecordingPractice::playRecording() {
    recorder_.playFromStart();
}

void RecordingPractice::buttonsOff() {
    comparing_ = recordingFollows_ = false;
    buttons_.compareEnabled = buttons_.stopEnabled = buttons_.playRecordingEnabled = false;
    recorder_.stop();
    hooks_.stopPlayback();
    hooks_.changed();
}

void RecordingPractice::close() {
    comparing_ = recordingFollows_ = false;
    recorder_.stop();
    recorder_.close();
}

void RecordingPractice::modelEnded() {
    if (comparing_ && recordingFollows_) {
        recordingFollows_ = false;
        if (!recorder_.playFromStart()) {
            comparing_ = false;
            buttons_.compareEnabled = true;
            buttons_.stopEnabled = false;
            hooks_.changed();
        }
    }
}

void RecordingPractice::recordingHeard() {
    if (!comparing_) {
        return;
    }
    if (rounds_ == Rounds::UntilStopped) {
        // The recording has been heard: the model sentence follows, until stop.
        recordingFollows_ = true;
        hooks_.playModel();
        return;
    }
    comparing_ = false;
    buttons_.compareEnabled = true;
    buttons_.stopEnabled = false;
    hooks_.changed();
}

bool RecordingPractice::recording() const {
    return recorder_.state() == ports::Recorder::State::Recording;
}

} // namespace common
