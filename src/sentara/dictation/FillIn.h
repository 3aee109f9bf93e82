#pragma once

#include "sentara/course/SessionView.h"
#include "sentara/dictation/SpellingDrill.h"
#include "sentara/modes/ModeComponent.h"
#include "sentara/settings/OptionFamilies.h"

#include <QList>
#include <QString>
#include <array>

namespace common {
class CourseFolder;
}

namespace ports {
class SoundPlayer;
class TextMeasure;
} // namespace ports

namespace sentara {

class LoadedLesson;
class WordPanel;
struct StudySettings;

// The word fill-in view (mode 9): the sentence with its fill-in word hidden under the typing box.
struct FillInView {
    QList<WordCell> words;     // the sentence's words as in the sentence view (CurrentWordSenLabel)
    int hiddenWord = 0;        // the fill-in word (1-based); 0 without one (no box either)
    bool inputVisible = false; // the typing box (CurrentWordWriteText) over the hidden word
    // Cue lines (CurrentWordTextLabel 0..2): the word, its meaning, its phonetic transcription
    // (in the phonetic font); empty lines take no room.
    std::array<QString, 3> cues;
    bool noticeVisible = false; // Picture7: the automatic-choice notice or the spelling result
    QString noticeText;
    QString progressText;          // "2 / 3": the key word's number among the lesson's key words
    bool nextEnabled = false;      // Command1 "下一词"
    bool previousEnabled = false;  // Command5 "上一词"
    bool firstEnabled = false;     // Command6 "首词"
    bool pronounceEnabled = false; // Command7
    bool playEnabled = false;      // Command8
    bool answerEnabled = false;    // Command9
    SpellingView spelling;
};

// What the fill-in mode needs of the session.
class FillInHost {
public:
    virtual ~FillInHost() = default;
    virtual int CurrentSentence() const = 0;
    virtual int ModeIndex() const = 0;
    virtual const StudySettings& settings() const = 0;
    virtual void requestFocus(FocusTarget target) = 0;
    // CurrentSentence := sentence and ShowSentence, without the fill-in refresh and without any
    // play: a sentence play still running stops with its end watch.
    virtual void showFillInSentence(int sentence) = 0;
    // Plays the sentence once (the play command).
    virtual void SenPlayCommand_Click() = 0;
};

// The word fill-in mode (mode 9): which word of the sentence on display is the fill-in word
// (its first key word, or else the widest word, with a notice), stepping over the lesson's key
// words ("上一词", "下一词", "首词") with the progress "k / n", the cue lines and the word's
// sound. Key words are read from the records. The typing itself is the SpellingDrill's.
class FillIn : public ModeComponent, private SpellingDrillHost {
public:
    static QString automaticNotice();

    FillIn(const LoadedLesson& lesson, WordPanel& wordPanel, const ports::TextMeasure& measure,
           ports::SoundPlayer& sounds, const common::CourseFolder& folder, FillInHost& host);

    // The fill-in refresh after every change of the current sentence (in every mode), every word
    // click in the sentence view and every key-word toggle: chooses and shows the fill-in word,
    // counts the key words and sets the commands' enabling.
    void RefreshFillInWord();

    // The panel's commands. Stepping moves to the next (previous) key word of the lesson, in
    // another sentence too, which is shown without playing it; where there is none nothing
    // changes. The first key word ("首词", Home) also runs while its button is disabled, and
    // does nothing in a lesson without key words.
    void nextKeyWord();     // Command1
    void previousKeyWord(); // Command5
    void firstKeyWord();    // Command6
    void pronounce();       // Command7: the fill-in word's recording; focus back to the box
    void playSentence();    // Command8: the sentence once; focus back to the box
    void showAnswer();      // Command9: the answer typed into the box
    // Single cues whatever the options say: the meaning (F1), the phonetic (F3), the word (F4,
    // F6); F2 pronounces.
    void showMeaningCue();
    void showPhoneticCue();
    void showWordCue();
    // A fill-in option of the menu was switched: its cue line filled or emptied, or (the sound)
    // the word pronounced when switched on. Other toggles are not the fill-in mode's.
    void hintToggled(OptionToggle toggle);

    SpellingDrill& drill() { return drill_; }
    bool inputVisible() const { return inputVisible_; }
    int fillInWordPos() const { return fillInWordPos_; }
    FillInView view() const;

    void lessonLoaded() override;
    bool keyDown(ShortcutKey key) override;
    // Entering mode 9 closes a word panel left open by another mode: it would show the word.
    void modeSwitched() override;

private:
    // --- SpellingDrillHost ---
    bool hasHiddenWord() const override { return fillInWordIndex_ > 0; }
    HiddenWord hiddenWord() const override { return hidden_; }
    QString hiddenWordOwner() const override;
    bool nextEnabled() const override { return nextEnabled_; }
    bool noticeVisible() const override { return noticeVisible_; }
    void showNotice(const QString& text) override;
    void hideNotice() override { noticeVisible_ = false; }
    void focusInput() override;
    void drillChanged() override { viewChanged(); }

    QList<WordCell> words() const;
    // The index of the last full-text item before the current sentence (its end marker, or 0).
    int markerIndex(int sentence) const;
    // Key words among full-text positions 1..position (all of them for -1).
    int keyWordsUpTo(int position) const;
    void ShowFillInWord();
    void GoToFillInWord(int position);
    bool stepToKeyWord(int direction);
    void updateStepCommands();
    void UpdateKeyWordCommands();
    // Looks the fill-in word up (its look-up form); the word panel keeps what it shows.
    void lookUp();

    const LoadedLesson& lesson_;
    WordPanel& wordPanel_;
    const ports::TextMeasure& measure_;
    FillInHost& host_;
    SpellingDrill drill_;

    int fillInWordIndex_ = 0; // FillInWordIndex
    int fillInWordPos_ = 0;   // FillInWordPos
    int currentWordIndex_ = 0;
    int wordCount_ = 0;
    HiddenWord hidden_;
    WordPanelView entry_;
    std::array<QString, 3> cues_;
    bool inputVisible_ = false;
    bool noticeVisible_ = false;
    QString noticeText_;
    bool nextEnabled_ = false;
    bool previousEnabled_ = false;
    bool firstEnabled_ = false;
    bool pronounceEnabled_ = false;
    bool playEnabled_ = false;
    bool answerEnabled_ = false;
};

} // namespace sentara
