#pragma once

#include "common/CourseContent.h"
#include "common/CourseFolder.h"
#include "common/ports/Clock.h"
#include "common/ports/Dialogs.h"
#include "common/ports/MediaPlayer.h"
#include "common/ports/Recorder.h"
#include "common/ports/Shell.h"
#include "common/ports/SoundPlayer.h"
#include "oralix/core/ChainPause.h"
#include "oralix/core/FullTextStudy.h"
#include "oralix/core/OralixLesson.h"
#include "oralix/core/OralixView.h"
#include "oralix/core/TrainerSettings.h"
#include "oralix/core/TypingCheck.h"
#include "oralix/core/VoicePlayer.h"

#include <QObject>
#include <memory>

namespace oralix {

struct OralixServices {
    ports::Clock& clock;
    ports::MediaEngines& engines;
    ports::Recorder& recorder;
    ports::SoundPlayer& sounds;
    ports::Dialogs& dialogs;
    ports::Shell& shell;
};

// One running session of the compact trainer: the loaded lesson, the settings, the timers and the
// player. The window renders view() and the lesson's rows and forwards the learner's events; the
// full-text rows, read-all and read-along are FullTextStudy's.
class OralixSession : public QObject, private FullTextHost {
    Q_OBJECT
public:
    using RowPart = FullTextStudy::RowPart;

    static constexpr int kPollMs = 30;
    static constexpr int kDelayedLoadMs = 10;

    OralixSession(common::CourseFolder folder, common::CourseContent content,
                  OralixServices services, QObject* parent = nullptr);
    ~OralixSession() override;

    // Start-up: the engine choice, the settings file, the lesson list and the remembered lesson.
    void start();
    // The full check of the default engine, made once its libraries may be loaded (after the
    // window's first paint; start() looks only for its files). When it cannot be used the
    // backup engine takes over silently: the lesson and the sentence stay, and a span being
    // played is played again on the backup engine.
    void confirmDefaultEngine();
    // Exit: stops playing and recording and writes the settings file.
    bool shutdown(QString* error = nullptr);
    TrainerSettings currentSettings() const;

    const OralixView& view() const { return view_; }
    const OralixLesson& lesson() const { return lesson_; }
    const common::CourseContent& content() const { return content_; }
    const common::CourseFolder& folder() const { return folder_; }
    QString lessonMediaPath() const { return lessonMediaPath_; }
    int engineChoice() const { return engineChoice_; }
    const VoicePlayer* voice() const { return voice_.get(); }
    int playCount() const { return playCount_; }
    int readAllIndex() const { return fullText_->readAllIndex(); }
    int startLessonIndex() const { return startLessonIndex_; }
    QString endLessonTitle() const { return endLessonTitle_; }
    // The pause timer's interval (ms) and whether it is running; the poll timer's state.
    int pauseIntervalMs() const;
    bool pauseRunning() const;
    bool pollRunning() const;

    // Books and lessons
    void chooseBook(const QString& title); // the book box: first lesson, loaded 10 ms later
    void chooseLesson(int index);          // the lesson list
    void nextLesson();
    void loadLesson();

    // Sentence study
    void playSentence() override;
    void nextSentence() override;     // ignored while the next-sentence button is disabled
    void previousSentence() override; // ignored while the previous-sentence button is disabled
    void firstSentence();
    void setStudyMode(int mode);
    void setRepeatText(const QString& text);
    void setIntervalText(const QString& text);
    void setEnglishLineShown(bool shown);
    void setChineseLineShown(bool shown);
    void setSpeed(int speed);
    void typingKey();
    TypingCheck checkTyping(const QString& attempt);
    void peek();

    // Full text
    void rowClicked(int row, RowPart part) { fullText_->rowClicked(row, part); }
    void resetRows() { fullText_->resetRows(); }
    void setShowChinese(bool shown) { fullText_->setShowChinese(shown); }
    void readAllPressed() { fullText_->readAllPressed(); }
    void pauseResumePressed() { fullText_->pauseResumePressed(); }
    void textAreaClicked() { fullText_->textAreaClicked(); }

    // Read-along
    void setReadAlongChineseHint(bool shown) { fullText_->setReadAlongChineseHint(shown); }
    void record() { fullText_->record(); }
    void stopRecording() { fullText_->stopRecording(); }
    void compare() { fullText_->compare(); }
    void playRecording() { fullText_->playRecording(); }
    void readAlongPrevious() { fullText_->readAlongPrevious(); }
    void readAlongNext() { fullText_->readAlongNext(); }

    // The settings window
    void settingsBookChanged(const QString& title); // refills the lists, loads nothing
    void applySettings(const QString& book, int startIndex, const QString& endTitle, int background,
                       int text);

    void openLogoPage();

signals:
    void changed();
    void typingCleared();
    void scrollToTop();
    void followRow(int row); // read-all moved to this row (1-based)

private:
    bool fillLessonList(const QString& book);
    void advance();
    void showSentence(); // the sentence-study line of the current sentence
    void applyMode();
    void takeSpan(int sentence); // the sentence's span in the player's units
    void startSpan();
    void afterPlayEnds();
    void afterPause();
    int repeatCount() const;
    void notify() { emit changed(); }

    // FullTextHost
    int studyMode() const override { return view_.mode; }
    OralixLesson& loadedLesson() override { return lesson_; }
    void playRowSpan(int row) override;
    void stopPlayback() override;
    void stopChain() override;
    void holdChain() override;
    void resumeChain() override;
    void readingMovedTo(int row) override { emit followRow(row); }
    void showTextTop() override { emit scrollToTop(); }
    void viewChanged() override { notify(); }

    common::CourseFolder folder_;
    common::CourseContent content_;
    OralixServices services_;
    std::unique_ptr<ports::Timer> poll_; // the end of the span being played
    std::unique_ptr<ChainPause> pause_;  // the pause after each play
    std::unique_ptr<ports::Timer> delayedLoad_;
    std::unique_ptr<VoicePlayer> voice_;
    std::unique_ptr<FullTextStudy> fullText_;

    OralixView view_;
    OralixLesson lesson_;
    TrainerSettings stored_; // the remembered repeat counts and intervals of modes 1 and 2
    int engineChoice_ = 2;
    int loadedIndex_ = -1; // the lesson on display: its index, book and the book's titles
    QString loadedBook_;
    QStringList loadedTitles_;
    QString lessonMediaPath_;
    double spanStart_ = 0;
    double spanEnd_ = 0;
    int playCount_ = 0;
    int startLessonIndex_ = 0;
    QString endLessonTitle_;
};

} // namespace oralix
