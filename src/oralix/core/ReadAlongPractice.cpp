#include "oralix/core/ReadAlongPractice.h"

namespace oralix {

ReadAlongPractice::ReadAlongPractice(ports::Recorder& recorder, ports::Dialogs& dialogs,
                                     QString recordingPath, ReadAlongView& view, Hooks hooks,
                                     QObject* parent)
    : QObject(parent), recorder_(recorder), dialogs_(dialogs), path_(std::move(recordingPath)),
      view_(view), hooks_(std::move(hooks)) {
    connect(&recorder_, &ports::Recorder::playbackFinished, this, [this] {
        // The recording has been heard: the model sentence follows, until stop.
        if (comparing()) {
            hooks_.playSentence();
        }
    });
}

void ReadAlongPractice::open() {
    recorder_.open(path_);
}

void ReadAlongPractice::record() {
    recorder_.stop();
    recorder_.close();
    if (!recorder_.open(path_) || !recorder_.record()) {
        dialogs_.info(QStringLiteral("提示"), QStringLiteral("无法录音：") + recorder_.lastError());
        return;
    }
    view_.stopEnabled = true;
    hooks_.changed();
}

void ReadAlongPractice::stop() {
    view_.stopEnabled = false;
    view_.compareEnabled = true;
    view_.playRecordingEnabled = true;
    recorder_.stop();
    hooks_.stopPlayback();
    hooks_.changed();
}

void ReadAlongPractice::compare() {
    view_.compareEnabled = false;
    view_.stopEnabled = true;
    hooks_.changed();
    hooks_.playSentence();
}

void ReadAlongPractice::playRecording() {
    recorder_.playFromStart();
}

void ReadAlongPractice::buttonsOff() {
    view_.compareEnabled = view_.stopEnabled = view_.playRecordingEnabled = false;
    recorder_.stop();
    hooks_.stopPlayback();
    hooks_.changed();
}

void ReadAlongPractice::close() {
    recorder_.stop();
    recorder_.close();
}

void ReadAlongPractice::modelEnded() {
    if (comparing()) {
        recorder_.playFromStart();
    }
}

} // namespace oralix
