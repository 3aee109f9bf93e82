#pragma once

#include "common/practice/RecordingPractice.h"
#include "oralix/core/OralixLesson.h"
#include "oralix/core/OralixView.h"
#include "oralix/core/ReadAllReader.h"

#include <QString>
#include <memory>

namespace ports {
class Dialogs;
class Recorder;
} // namespace ports

namespace oralix {

// What the full-text rows, read-all and read-along need of the session: the mode and lesson on
// display, the play chain and the sentence navigation they run, and where they tell of changes.
class FullTextHost {
public:
    virtual ~FullTextHost() = default;
    virtual int studyMode() const = 0;
    virtual OralixLesson& loadedLesson() = 0;
    // The play count back to 0, then the row's span played with its end watched.
    virtual void playRowSpan(int row) = 0;
    virtual void stopPlayback() = 0; // the end watch off, the player paused
    virtual void stopChain() = 0;    // the pause between plays off too, the player silent
    virtual void holdChain() = 0;    // the player paused, a running pause held
    virtual void resumeChain() = 0;  // on from where the chain was held
    // Read-along: the model (the current sentence's span) and the sentence navigation.
    virtual void playSentence() = 0;
    virtual void previousSentence() = 0;
    virtual void nextSentence() = 0;
    virtual void readingMovedTo(int row) = 0; // 1-based
    virtual void showTextTop() = 0;
    virtual void viewChanged() = 0;
};

// The study modes beyond sentence study: the rows of the full-text view (full text, recall
// Chinese, recall English) with read-all, and the read-along comparison.
class FullTextStudy {
public:
    enum class RowPart { English, Chinese, EnglishFrame, ChineseFrame, PlayIcon };

    FullTextStudy(FullTextHost& host, FullTextControlsView& controls, ReadAlongView& readAlong,
                  ports::Recorder& recorder, ports::Dialogs& dialogs, QString recordingPath);
    ~FullTextStudy();

    // The mode on display changed: read-all back to its captions, the rows as the mode shows them.
    void applyMode();
    bool reading() const { return reader_->reading(); }
    int readAllIndex() const { return reader_->index(); }
    // The pause after a read-all play ran out: the next sentence, or the end of reading.
    void readNext() { reader_->next(); }

    // Full text
    void rowClicked(int row, RowPart part);
    void resetRows();
    void setShowChinese(bool shown);
    void readAllPressed() { reader_->press(); }
    void pauseResumePressed() { reader_->pauseOrResume(); }
    // Stops whatever the full text is playing: read-all, or a sentence clicked on.
    void textAreaClicked() { reader_->stop(); }

    // Read-along
    void openRecorder() { readAlong_->open(); }
    void closeRecorder() { readAlong_->close(); }
    void playEnded(); // a play of the session ended: in read-along, the model
    void setReadAlongChineseHint(bool shown);
    void record() { readAlong_->record(); }
    void stopRecording() { readAlong_->stop(); }
    void compare() { readAlong_->compare(); }
    void playRecording() { readAlong_->playRecording(); }
    void readAlongPrevious();
    void readAlongNext();

private:
    void playRow(int row);

    FullTextHost& host_;
    FullTextControlsView& controls_;
    ReadAlongView& readAlongView_;
    std::unique_ptr<ReadAllReader> reader_;
    std::unique_ptr<common::RecordingPractice> readAlong_;
};

} // namespace oralix
