#include "oralix/core/FullTextStudy.h"

#include "oralix/core/FullTextRows.h"

namespace oralix {

FullTextStudy::FullTextStudy(FullTextHost& host, FullTextControlsView& controls,
                             ReadAlongView& readAlong, ports::Recorder& recorder,
                             ports::Dialogs& dialogs, QString recordingPath)
    : host_(host), controls_(controls), readAlongView_(readAlong) {
    reader_ = std::make_unique<ReadAllReader>(
        controls,
        ReadAllReader::Hooks{[this] { return host_.loadedLesson().sentenceCount(); },
                             [this](int row) {
                                 FullTextRows::underline(host_.loadedLesson().rows(), row);
                                 host_.playRowSpan(row);
                             },
                             [this] { FullTextRows::underline(host_.loadedLesson().rows(), 0); },
                             [this] { host_.stopChain(); }, [this] { host_.holdChain(); },
                             [this] { host_.resumeChain(); },
                             [this](int row) { host_.readingMovedTo(row); },
                             [this] { host_.showTextTop(); }, [this] { host_.viewChanged(); }});
    // The model and the recording alternate until stop.
    readAlong_ = std::make_unique<common::RecordingPractice>(
        recorder, dialogs, std::move(recordingPath), readAlong,
        common::RecordingPractice::Rounds::UntilStopped,
        common::RecordingPractice::Hooks{[this] { host_.playSentence(); },
                                         [this] { host_.stopPlayback(); },
                                         [this] { host_.viewChanged(); }});
}

FullTextStudy::~FullTextStudy() = default;

void FullTextStudy::applyMode() {
    reader_->resetCaptions();
    FullTextRows::applyMode(host_.loadedLesson().rows(), host_.studyMode(), controls_.showChinese);
}

void FullTextStudy::playRow(int row) {
    FullTextRows::underline(host_.loadedLesson().rows(), row);
    host_.playRowSpan(row);
    host_.viewChanged();
}

void FullTextStudy::rowClicked(int row, RowPart part) {
    if (row < 1 || row > host_.loadedLesson().sentenceCount()) {
        return;
    }
    QList<SentenceRow>& rows = host_.loadedLesson().rows();
    const int mode = host_.studyMode();
    bool toggled = false;
    switch (part) {
    case RowPart::PlayIcon:
        playRow(row);
        return;
    case RowPart::English:
        if (mode == StudyModeTable::FullText) {
            reader_->setIndex(row);
            playRow(row);
            return;
        }
        toggled = FullTextRows::toggleEnglish(rows, mode, row);
        break;
    case RowPart::EnglishFrame:
        toggled = FullTextRows::toggleEnglish(rows, mode, row);
        break;
    case RowPart::Chinese:
    case RowPart::ChineseFrame:
        toggled = FullTextRows::toggleChinese(rows, mode, row);
        break;
    }
    if (toggled) {
        host_.viewChanged();
    }
}

void FullTextStudy::resetRows() {
    FullTextRows::reset(host_.loadedLesson().rows(), host_.studyMode());
    host_.stopPlayback();
    host_.viewChanged();
    host_.showTextTop();
}

void FullTextStudy::setShowChinese(bool shown) {
    controls_.showChinese = shown;
    FullTextRows::setChineseShown(host_.loadedLesson().rows(), shown);
    host_.viewChanged();
}

void FullTextStudy::playEnded() {
    if (host_.studyMode() == StudyModeTable::ReadAlong) {
        readAlong_->modelEnded();
    }
}

void FullTextStudy::setReadAlongChineseHint(bool shown) {
    readAlongView_.chineseHint = shown;
    host_.viewChanged();
}

void FullTextStudy::readAlongPrevious() {
    host_.previousSentence();
    readAlong_->buttonsOff();
}

void FullTextStudy::readAlongNext() {
    host_.nextSentence();
    readAlong_->buttonsOff();
}

} // namespace oralix
