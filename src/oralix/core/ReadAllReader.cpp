#include "oralix/core/ReadAllReader.h"

namespace oralix {

namespace {
const QString kReadAll = QStringLiteral(" 全文朗读(&R)");
const QString kStopReading = QStringLiteral(" 停止朗读(&S)");
const QString kPauseReading = QStringLiteral(" 暂停朗读(&P)");
const QString kResumeReading = QStringLiteral(" 继续朗读(&A)");
} // namespace

ReadAllReader::ReadAllReader(FullTextControlsView& view, Hooks hooks)
    : view_(view), hooks_(std::move(hooks)) {
    resetCaptions();
}

void ReadAllReader::resetCaptions() {
    view_.reading = false;
    view_.paused = false;
    view_.readAllCaption = kReadAll;
    view_.pauseCaption = kPauseReading;
    view_.pauseEnabled = false;
}

void ReadAllReader::press() {
    if (view_.reading) {
        stop();
        hooks_.scrollToTop();
        return;
    }
    view_.reading = true;
    view_.paused = false;
    view_.readAllCaption = kStopReading;
    view_.pauseCaption = kPauseReading;
    view_.pauseEnabled = true;
    index_ = 0;
    next();
    hooks_.scrollToTop();
}

void ReadAllReader::next() {
    hooks_.clearUnderlines();
    if (index_ < hooks_.sentenceCount()) {
        index_ += 1;
        hooks_.playRow(index_);
        hooks_.changed();
        hooks_.followRow(index_);
        return;
    }
    resetCaptions();
    hooks_.changed();
}

void ReadAllReader::pauseOrResume() {
    if (!view_.pauseEnabled) {
        return;
    }
    view_.paused = !view_.paused;
    view_.pauseCaption = view_.paused ? kResumeReading : kPauseReading;
    if (view_.paused) {
        hooks_.holdChain();
    } else {
        hooks_.resumeChain();
    }
    hooks_.changed();
}

void ReadAllReader::stop() {
    hooks_.clearUnderlines();
    resetCaptions();
    // A pause still running would otherwise play the span again after the learner stopped.
    hooks_.stopPlayback();
    hooks_.changed();
}

} // namespace oralix
