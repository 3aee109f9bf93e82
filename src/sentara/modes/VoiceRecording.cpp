#include "sentara/modes/VoiceRecording.h"

#include "common/ports/Recorder.h"
#include "sentara/modes/ListeningLoop.h"
#include "sentara/modes/VoiceControl.h"

namespace sentara {

VoiceRecording::VoiceRecording(ports::Recorder& recorder, ports::Dialogs& dialogs,
                               QString recordingPath, ListeningLoop& loop, VoiceControl& voice,
                               VoiceRecordingHost& host)
    : recorder_(recorder), loop_(loop), voice_(voice), host_(host),
      practice_(recorder, dialogs, std::move(recordingPath), buttons_,
                common::RecordingPractice::Rounds::Once,
                common::RecordingPractice::Hooks{[this] { host_.SenPlayCommand_Click(); },
                                                 [this] {
                                                     loop_.stopSentenceWatch();
                                                     voice_.VoicePause();
                                                 },
                                                 [this] { viewChanged(); }}) {
    // The model sentence of a comparison has been heard: the recording follows.
    connect(&loop_, &ListeningLoop::sentencePlayEnded, &practice_,
            &common::RecordingPractice::modelEnded);
    connect(&recorder_, &ports::Recorder::levelChanged, this, [this](double level) {
        level_ = level;
        emit levelChanged(level);
    });
}

VoiceRecording::~VoiceRecording() = default;

void VoiceRecording::record() {
    practice_.record();
}

void VoiceRecording::stop() {
    if (buttons_.stopEnabled) {
        practice_.stop();
    }
}

void VoiceRecording::playOwn() {
    if (buttons_.playRecordingEnabled && !practice_.recording()) {
        practice_.playRecording();
    }
}

void VoiceRecording::playModel() {
    host_.SenPlayCommand_Click();
}

void VoiceRecording::compare() {
    if (buttons_.compareEnabled && !practice_.recording()) {
        practice_.compare();
    }
}

VoiceRecordingView VoiceRecording::view() const {
    VoiceRecordingView v;
    v.recordCaption = QStringLiteral("录音");
    v.stopCaption = QStringLiteral("停止");
    v.playOwnCaption = QStringLiteral("播放录音");
    v.playModelCaption = QStringLiteral("播放原音");
    v.compareCaption = QStringLiteral("原音+录音");
    v.recording = practice_.recording();
    v.stopEnabled = buttons_.stopEnabled;
    // The recording held is being replaced: only stop ends the new one, and it can then be heard.
    v.playOwnEnabled = buttons_.playRecordingEnabled && !v.recording;
    v.compareEnabled = buttons_.compareEnabled && !v.recording;
    v.playModelEnabled = host_.SentenceCount() > 0;
    v.level = v.recording ? level_ : 0.0;
    v.levelCaption = QStringLiteral("音量");
    v.status = v.recording ? QStringLiteral("正在录音……") : QString();
    return v;
}

void VoiceRecording::modeSwitched() {
    // A recording or a comparison does not go on behind another mode.
    if (practice_.recording() || practice_.comparing()) {
        practice_.stop();
    }
}

} // namespace sentara
