#include "sentara/course/SessionCore.h"

#include "common/TextFile.h"
#include "common/ports/Dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace sentara {

namespace {

constexpr int kFocusDelayMs = 100;
constexpr int kLayoutDelayMs = 10;

} // namespace

SessionCore::SessionCore(SentaraSession* q, const common::CourseFolder& folder, ports::Clock& clock,
                         ports::MediaEngines& engines, ports::Recorder& recorder,
                         ports::SoundPlayer& sounds, ports::Dialogs& dialogs, ports::Shell& shell,
                         const ports::TextMeasure& measure, const ports::Screen& screen)
    : q(q), folder(folder), recorder(recorder), sounds(sounds), dialogs(dialogs), shell(shell),
      measure(measure), screen(screen), voice(engines, folder), loop(clock, voice, *this),
      wordPanel(dictionary, content, shell, *this),
      sentenceBrowsing(lesson, study, dialogs, wordPanel, *this),
      wordRecall(lesson, wordPanel, *this),
      fillIn(lesson, wordPanel, measure, sounds, this->folder, *this),
      videoMode(clock, lesson, study, content, loop, voice, wordPanel, *this),
      voiceRecording(recorder, dialogs, folder.recorderFile(), loop, voice, *this),
      fullText(lesson, study, content, loop, voice, wordPanel, dialogs, *this),
      coverPractice(lesson, study, this->folder, sounds, loop, voice, dialogs, *this),
      results(this->folder, dialogs), resultsReport(lesson, results, dialogs, this->folder, *this),
      dictation(lesson, wordRecall, wordPanel, results, sounds, dialogs, this->folder, *this),
      freeSpelling(lesson, study, sounds, this->folder, *this),
      focusTimer(clock.createTimer(kFocusDelayMs)), layoutTimer(clock.createTimer(kLayoutDelayMs)) {
    addMode(sentenceBrowsing);
    addMode(wordRecall);
    addMode(fillIn);
    addMode(videoMode);
    addMode(voiceRecording);
    addMode(fullText);
    addMode(coverPractice);
    addMode(resultsReport);
    addMode(dictation);
    addMode(freeSpelling);
}

void SessionCore::LoadLesson() {
    flushNoteDraft();
    loop.setVideoReadVisible(false);
    const QString path = folder.lessonFile(selection.book, selection.lesson);
    std::optional<QString> text;
    if (!selection.book.isEmpty() && selection.lesson > 0 && QFileInfo::exists(path)) {
        QString error;
        text = common::TextFile::read(path, &error);
        if (!text) {
            dialogs.info(QStringLiteral("提示"),
                         QStringLiteral("无法读取课文文件“%1”：%2").arg(path, error));
        }
    }
    if (!text) {
        // The selection returns to the last lesson that loaded; that lesson stays as it was.
        if (previousLesson) {
            study.catalogueNodeIndex = previousLesson->first;
            selection = previousLesson->second;
        }
        // The click asked for sentence 1 of the new lesson; the old one stays on its sentence,
        // and that is where the next start resumes.
        if (lesson.isLoaded() && state.currentSentence > 0) {
            study.resumeSentence = state.currentSentence;
        }
    } else {
        previousLesson = std::make_pair(study.catalogueNodeIndex, selection);
        resetTextPanels();
        state.mediaPath = folder.mediaFile(
            selection.book, LessonMedia::fileName(content, selection.book, selection.lesson));
        voice.VoiceSet(LessonMedia::sentenceVolume(content, selection.book));
        voice.VoiceOpen(state.mediaPath);
        state.lessonTitle = catalogue.lessonTitle(study.catalogueNodeIndex);
        results.load(selection.book);
        lesson = LoadedLesson(selection.book, selection.lesson, study.catalogueNodeIndex, *text);
        for (ModeComponent* mode : modes) {
            mode->lessonLoaded();
        }
        state.currentSentence = study.resumeSentence;
        ShowSentence();
        loop.AutoPlaySentence();
        ShowModePanel();
    }
    // Common tail, also after a missing lesson file.
    if (lesson.isLoaded()) {
        state.lessonMediaStartSec = state.sentenceStartSec;
        state.lessonMediaEndSec = lesson.lastEndSeconds();
    }
    freeSpelling.clearBox();
    if (study.modeIndex == 5 && lesson.isLoaded()) {
        loop.stopSentenceWatch();
        loop.setVideoReadVisible(true);
        voice.VoiceSetPosition(SentenceStart());
        loop.startContinuousPlay();
    }
    RefreshFillInWord();
}

void SessionCore::resetTextPanels() {
    study.sentencePanelTop = 0;
    study.sentenceHandleTop = kScrollHandleStart;
    ++state.textPanelsMoved;
}

void SessionCore::ShowSentence() {
    const int n = lesson.SentenceCount();
    if (state.currentSentence < 1 || state.currentSentence > n) {
        state.currentSentence = n > 0 ? 1 : 0;
    }
    const common::SentenceRecord record = lesson.record(state.currentSentence);
    state.sentenceStartSec = record.startSeconds();
    state.sentenceEndSec = record.endSeconds();
    wordPanel.hide();
    state.sentenceMarkersHidden = false;
    if (state.currentSentence > 0) {
        study.resumeSentence = state.currentSentence;
    }
    for (ModeComponent* mode : modes) {
        mode->sentenceShown();
    }
}

void SessionCore::ShowModePanel() {
    if (study.modeIndex == 5 && !(lesson.isLoaded() && lesson.book() == content.videoCourseTitle)) {
        study.modeIndex = 1;
    }
    state.selectedTab = study.modeIndex;
    videoMode.placeVideo();
}

void SessionCore::navigate(int sentence) {
    flushNoteDraft();
    state.currentSentence = sentence;
    ShowSentence();
    RefreshFillInWord();
    loop.AutoPlaySentence();
}
bool SessionCore::toggleKeyWord(int sentence, int word) {
    if (!lesson.isLoaded() || sentence < 1 || sentence > lesson.SentenceCount()) {
        return false;
    }
    const common::SentenceRecord old = lesson.record(sentence);
    const common::SentenceRecord toggled = old.withKeyWordToggled(word - 1);
    if (toggled.raw == old.raw) {
        return false;
    }
    LoadedLesson changed = lesson;
    changed.setRecord(sentence, toggled);
    rewriteLesson(changed);
    return true;
}

bool SessionCore::rewriteLesson(const LoadedLesson& updated) {
    lesson = updated;
    const QString path = folder.lessonFile(lesson.book(), lesson.lessonNumber());
    QString error;
    if (common::TextFile::rewrite(path, lesson.LessonText(), &error)) {
        return true;
    }
    dialogs.info(QStringLiteral("提示"),
                 QStringLiteral("课文文件“%1”无法写入，刚才的修改只保留在程序中，"
                                "关闭程序后将会丢失。\r\n原因：%2")
                     .arg(QDir::toNativeSeparators(path), error));
    return false;
}

} // namespace sentara
