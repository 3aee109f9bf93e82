#pragma once

#include "common/CourseContent.h"
#include "common/CourseFolder.h"
#include "common/WordDictionary.h"
#include "common/ports/Clock.h"
#include "sentara/course/Catalogue.h"
#include "sentara/course/LessonMedia.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/course/SentaraSession.h"
#include "sentara/course/SessionState.h"
#include "sentara/course/SessionViewBuilder.h"
#include "sentara/modes/ListeningLoop.h"
#include "sentara/modes/VoiceControl.h"
#include "sentara/settings/StudySettings.h"

#include <memory>
#include <optional>
#include <utility>

namespace sentara {

// The state and the inner operations of a session (LoadLesson, ShowSentence, ShowModePanel and
// the sentence change every command ends in), shared by the session's public commands and the
// listening loop it hosts.
struct SessionCore : ListeningHost {
    SessionCore(SentaraSession* q, const common::CourseFolder& folder, ports::Clock& clock,
                ports::MediaEngines& engines, ports::Recorder& recorder, ports::SoundPlayer& sounds,
                ports::Dialogs& dialogs, ports::Shell& shell, const ports::TextMeasure& measure,
                const ports::Screen& screen);

    SentaraSession* q;
    const common::CourseFolder folder; // a copy: callers may pass a temporary
    ports::Recorder& recorder;
    ports::SoundPlayer& sounds;
    ports::Dialogs& dialogs;
    ports::Shell& shell;
    const ports::TextMeasure& measure;
    const ports::Screen& screen;

    common::CourseContent content = common::CourseContent::defaults();
    common::WordDictionary dictionary;
    Catalogue catalogue;
    StudySettings study;
    LoadedLesson lesson;
    SessionState state;
    // The lesson the catalogue selection points at, and the last one whose file existed.
    LessonRef selection;
    std::optional<std::pair<int, LessonRef>> previousLesson;
    // The note the learner is typing (sentence, text), saved when the sentence changes.
    std::optional<std::pair<int, QString>> noteDraft;

    VoiceControl voice;
    ListeningLoop loop;
    std::unique_ptr<ports::Timer> focusTimer;  // SetFocusTimer
    std::unique_ptr<ports::Timer> layoutTimer; // WinTimer

    // --- ListeningHost ---
    int ModeIndex() const override { return study.modeIndex; }
    int CurrentSentence() const override { return state.currentSentence; }
    int SentenceCount() const override { return lesson.SentenceCount(); }
    double SentenceStart() const override { return voice.toEngineUnit(state.sentenceStartSec); }
    double SentenceEnd() const override { return voice.toEngineUnit(state.sentenceEndSec); }
    double LessonMediaStart() const override {
        return voice.toEngineUnit(state.lessonMediaStartSec);
    }
    double LessonMediaSpan() const override {
        return voice.toEngineUnit(state.lessonMediaEndSec) -
               voice.toEngineUnit(state.lessonMediaStartSec);
    }
    const StudySettings& settings() const override { return study; }
    void SenNextCommand_Click() override { q->SenNextCommand_Click(); }
    void SenBegainCommand_Click() override { q->SenBegainCommand_Click(); }
    void showSentenceAt(int sentence) override {
        flushNoteDraft();
        state.currentSentence = sentence;
        ShowSentence();
        afterSentenceChange();
    }
    void playbackChanged() override { emit q->changed(); }
    void hideSentenceMarkers() override { state.sentenceMarkersHidden = true; }

    void LoadLesson();
    // Stores `text` as the note of `sentence` and writes the lesson file (see the session's
    // SenNoteText_LostFocus). Returns whether the file now holds the note.
    bool saveNote(int sentence, const QString& text);
    // Saves the note being typed, if any, before the sentence on display changes.
    void flushNoteDraft() {
        if (noteDraft) {
            const auto [sentence, text] = *noteDraft;
            noteDraft.reset();
            saveNote(sentence, text);
        }
    }
    // VoiceSet and VoiceOpen for the loaded lesson (after an engine switch).
    void openLessonMedia() {
        voice.VoiceSet(LessonMedia::sentenceVolume(content, lesson.book()));
        if (!state.mediaPath.isEmpty()) {
            voice.VoiceOpen(state.mediaPath);
        }
    }
    void ShowSentence();
    void ShowModePanel();
    // What follows every change of the current sentence besides ShowSentence and the automatic
    // play: the fill-in refresh of the word fill-in mode, which lives with that mode.
    void afterSentenceChange() {}
    void navigate(int sentence);
    void applyPauses() {
        for (int f = 0; f < kRepeatFamilyCount; ++f) {
            loop.setPause(static_cast<RepeatFamily>(f), study.pauseMs[f]);
        }
    }
    int firstLessonNode() const {
        return catalogue.view().books.isEmpty() ? 0 : catalogue.view().books.front().bookNode + 1;
    }
    bool selectNode(int node) {
        const std::optional<LessonRef> ref = catalogue.SelectCatalogueBook(node);
        if (!ref) {
            return false;
        }
        study.catalogueNodeIndex = node;
        selection = *ref;
        return true;
    }
    FocusTarget focusTarget() const {
        return SessionViewBuilder::focusTargetOf(study.modeIndex, state.dictationInputVisible);
    }
};

} // namespace sentara
