#pragma once

#include "sentara/course/SessionView.h"
#include "sentara/modes/ModeComponent.h"

#include <QString>

namespace common {
class CourseFolder;
}

namespace ports {
class SoundPlayer;
}

namespace sentara {

class LoadedLesson;
struct StudySettings;

// The free-spelling view (mode 7).
struct FreeSpellingView {
    QString englishLine;       // WriteSenEnglishLabel: the English, or every letter as "_"
    bool englishShown = false; // the line shows the whole English now
    QString chineseLine;       // WriteSenChineseLabel: the Chinese, or "已关闭"
    bool chineseShown = false;
    QString englishTogglePicture; // EnglishCheckImage: check_1.jpg (on) / check_0.jpg (off)
    QString chineseTogglePicture; // ChineseCheckImage
    // What the sentence box takes from the session, and only when inputRevision changes: the
    // text (emptied for a new sentence) and the selection (the first wrong letter), or the caret
    // at the end when selectionLength is 0.
    QString inputText;
    int inputRevision = 0;
    int selectionStart = 0;
    int selectionLength = 0;
    int englishCues = 0; // English cues taken for this sentence
    int score = 100;     // 10 points for each English cue
    QString counterText; // "3 / 12"
    QString legend;
    bool backEnabled = false;
    bool nextEnabled = false;
    int sentenceCount = 0;
};

// What free spelling needs of the session.
class FreeSpellingHost {
public:
    virtual ~FreeSpellingHost() = default;
    virtual int CurrentSentence() const = 0;
    virtual int ModeIndex() const = 0;
    virtual void requestFocus(FocusTarget target) = 0;
    virtual void SenBegainCommand_Click() = 0;
    virtual void SenBackCommand_Click() = 0;
    virtual void SenNextCommand_Click() = 0;
    virtual void SenPlayCommand_Click() = 0;
};

// Free spelling (mode 7): the learner types the whole sentence into one box and presses Enter;
// only the letters are compared (case, spaces, digits and punctuation ignored). Right moves on
// with the box emptied; wrong selects the first wrong letter (or puts the caret at the end of a
// correct but unfinished text) and plays the wrong sound. The English line is masked and the
// Chinese line reads "已关闭" unless their switches are on; cues and clicks on the lines show them
// for now only, and any key masks the English again while its switch is off.
class FreeSpelling : public ModeComponent {
public:
    FreeSpelling(const LoadedLesson& lesson, StudySettings& study, ports::SoundPlayer& sounds,
                 const common::CourseFolder& folder, FreeSpellingHost& host);

    // Every edit of the sentence box, as the box now reads.
    void editText(const QString& text);
    // A key typed into the box (Enter checks the sentence; every other key plays the key sound).
    void keyTyped(bool enter);
    void cueEnglish(); // CueEnglishCommand, F8: the whole English, one more cue, 10 points
    void cueChinese(); // CueChineseCommand, F9
    // Clicks on the lines: shown now, or masked / "已关闭" again; the switches stay as they are.
    void clickEnglishLine();
    void clickChineseLine();
    // The switches (EnglishCheckImage, ChineseCheckImage): on or off for every sentence.
    void toggleEnglish();
    void toggleChinese();
    // The panel's navigation; each gives the focus back to the sentence box, "next" (also after
    // a right sentence) empties it.
    void firstSentence();
    void previousSentence();
    void nextSentence();
    void playSentence();
    // Empties the sentence box (a lesson load).
    void clearBox();

    FreeSpellingView view() const;

    void sentenceShown() override;
    bool keyDown(ShortcutKey key) override;

    // Every letter a-z/A-Z as "_", every other character kept.
    static QString MaskDictationEnglish(const QString& english);
    // The 1-based position of the first typed letter that differs from the sentence's letters
    // (only a-z compared, lower case; a letter past the sentence's last one differs), or the
    // text's length + 1 when none does.
    static int firstWrongLetter(const QString& typed, const QString& sentence);
    // The letters a-z of a text in lower case, in order.
    static QString letters(const QString& text);

private:
    QString english() const;
    void setBox(const QString& text, int selectionStart, int selectionLength);
    void focusBox();
    void playSound(const QString& name);

    const LoadedLesson& lesson_;
    StudySettings& study_;
    ports::SoundPlayer& sounds_;
    const common::CourseFolder& folder_;
    FreeSpellingHost& host_;

    QString typed_; // what the box holds, as its edits tell
    bool englishShown_ = false;
    bool chineseShown_ = false;
    int englishCues_ = 0;
    int score_ = 100;
    QString boxText_;
    int boxRevision_ = 0;
    int selectionStart_ = 0;
    int selectionLength_ = 0;
};

} // namespace sentara
