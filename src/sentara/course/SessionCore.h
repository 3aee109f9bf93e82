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
#include "sentara/dictation/DictationTest.h"
#include "sentara/dictation/FillIn.h"
#include "sentara/dictation/FreeSpelling.h"
#include "sentara/dictation/ResultsReport.h"
#include "sentara/dictation/ResultsStore.h"
#include "sentara/modes/CoverPractice.h"
#include "sentara/modes/FullTextMode.h"
#include "sentara/modes/ListeningLoop.h"
#include "sentara/modes/ModeComponent.h"
#include "sentara/modes/SentenceBrowsing.h"
#include "sentara/modes/VideoMode.h"
#include "sentara/modes/VoiceControl.h"
#include "sentara/modes/VoiceRecording.h"
#include "sentara/modes/WordPanel.h"
#include "sentara/modes/WordRecall.h"
#include "sentara/settings/StudySettings.h"

#include <memory>
#include <optional>
#include <utility>

namespace sentara {

// The state and the inner operations of a session (LoadLesson, ShowSentence, ShowModePanel and
// the sentence change every command ends in), shared by the session's public commands and the
// listening loop it hosts.
struct SessionCore : ListeningHost,
                     WordPanelHost,
                     SentenceBrowsingHost,
                     WordRecallHost,
                     FillInHost,
                     VideoHost,
                     VoiceRecordingHost,
                     FullTextHost,
                     CoverPracticeHost,
                     DictationHost,
                     FreeSpellingHost,
                     ResultsReportHost {
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

    VoiceControl voice;
    ListeningLoop loop;
    WordPanel wordPanel;
    SentenceBrowsing sentenceBrowsing;
    WordRecall wordRecall;
    FillIn fillIn;
    VideoMode videoMode;
    VoiceRecording voiceRecording;
    FullTextMode fullText;
    CoverPractice coverPractice;
    // The dictation test, free spelling and the results (the Book results file and the report).
    ResultsStore results;
    ResultsReport resultsReport;
    DictationTest dictation;
    FreeSpelling freeSpelling;
    // The study modes' components, in the order the session runs its steps over them.
    QList<ModeComponent*> modes;
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
    // --- VideoHost ---
    void SenBackCommand_Click() override { q->SenBackCommand_Click(); }
    // --- WordPanelHost ---
    void ReadWord(const QString& word) override { loop.ReadWord(word); }
    void WordSoundStop() override { voice.WordSoundStop(); }

    // --- SentenceBrowsingHost ---
    bool ctrlHeld() const override { return state.ctrlHeld; }
    bool rewriteLesson(const LoadedLesson& updated) override;
    bool toggleKeyWord(int sentence, int word) override;
    void requestFocus(FocusTarget target) override { emit q->focusRequested(target); }

    void showSentenceAt(int sentence) override {
        flushNoteDraft();
        state.currentSentence = sentence;
        ShowSentence();
        RefreshFillInWord();
    }
    void playbackChanged() override { emit q->changed(); }
    // --- FillInHost ---
    void showFillInSentence(int sentence) override {
        flushNoteDraft();
        state.currentSentence = sentence;
        ShowSentence();
        // A sentence still playing stops with its end watch: it would run on through the lesson.
        if (loop.sentenceWatchRunning()) {
            loop.stopSentenceWatch();
            voice.VoicePause();
        }
    }
    void SenPlayCommand_Click() override { q->SenPlayCommand_Click(); }
    // --- DictationHost, FreeSpellingHost, ResultsReportHost ---
    void AutoPlaySentence() override { q->AutoPlaySentence(); }
    QString noteBoxText() const override { return sentenceBrowsing.noteBoxText(); }
    QString LessonTitle() const override { return state.lessonTitle; }
    void ShowResults() override { resultsReport.ShowResults(); }
    void goToSentence(int sentence) override { navigate(sentence); }
    void focusDictationInput() override {
        if (study.modeIndex == 4 && dictation.inputVisible()) {
            emit q->focusRequested(FocusTarget::DictationInput);
        }
    }
    void hideSentenceMarkers() override { state.sentenceMarkersHidden = true; }
    // --- CoverPracticeHost ---
    bool sentenceMarkersHidden() const override { return state.sentenceMarkersHidden; }

    void LoadLesson();
    // rewriteLesson: the one way a change of the lesson's records reaches its file (notes, key
    // words, dictation flags): `updated` becomes the lesson in memory and the whole lesson text
    // is written over the lesson file. When the file cannot be written it is left as it was,
    // the change stays in memory only and the learner is told which file could not be written.
    // Returns whether the file holds the change.
    // toggleKeyWord: the key-word marker of the word is added or removed, decided from the
    // record (not from a colour); a word without a look-up form is never marked.

    // Saves the note being typed, if any, before the sentence on display changes.
    void flushNoteDraft() { sentenceBrowsing.flushNoteDraft(); }
    // Registers a mode component: it joins the session's steps and its operations re-render.
    void addMode(ModeComponent& mode) {
        mode.setChangeListener([this] { emit q->changed(); });
        modes.append(&mode);
    }
    // VoiceSet and VoiceOpen for the loaded lesson (after an engine switch).
    void openLessonMedia() {
        voice.VoiceSet(LessonMedia::sentenceVolume(content, lesson.book()));
        if (!state.mediaPath.isEmpty()) {
            voice.VoiceOpen(state.mediaPath);
        }
    }
    // Both text panels (the full-text list and the full-text word view) back at their top.
    void resetTextPanels() override;
    void ShowSentence();
    void ShowModePanel();
    // The fill-in refresh that follows every change of the current sentence (before the
    // automatic play), every word click in the sentence view and every key-word toggle; it
    // chooses and shows the word of the word fill-in mode.
    void RefreshFillInWord() override { fillIn.RefreshFillInWord(); }
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
        return SessionViewBuilder::focusTargetOf(study.modeIndex, dictation.inputVisible(),
                                                 fillIn.inputVisible());
    }
};

} // namespace sentara
