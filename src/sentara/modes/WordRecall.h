#pragma once

#include "sentara/course/SessionView.h"
#include "sentara/modes/ModeComponent.h"

#include <QList>
#include <QString>

namespace sentara {

class LoadedLesson;
class WordPanel;
struct StudySettings;

// The hint card (WordCuePicture) shown below the word clicked last. A line not given yet reads
// "[提示]"; the meaning line is empty instead.
struct HintCardView {
    bool visible = false;
    int anchorWord = 0;         // the word (1-based) the card sits below
    QString meaning;            // CueChineseLabel
    QString firstLetter;        // CueFristLabel
    QString readAgain;          // WordReadLabel: "点击复读" once the word was pronounced
    QString phonetic;           // CuePronLabel
    bool phoneticGiven = false; // shown in the phonetic font, bold; else the plain font
    QString word;               // CueWordTextLabel
    bool wordGiven = false;     // shown in "Arial" 10.5; else the plain font
};

// One word of the sentence in the recall view.
struct RecallWordView {
    QString caption;
    bool clickable = false; // begins with a letter: a hidden box with an underline until revealed
    bool hidden = false;    // drawn as an empty light-grey box (RGB 240, 240, 240)
    bool keyWord = false;
};

// The word-click recall view (mode 8).
struct WordRecallView {
    QString chineseLine;
    bool chineseVisible = true; // ClickChineseCheck (value 21)
    QList<RecallWordView> words;
    HintCardView card;
    int hintCount = 0;
};

// What word recall needs of the session.
class WordRecallHost {
public:
    virtual ~WordRecallHost() = default;
    virtual int CurrentSentence() const = 0;
    virtual int ModeIndex() const = 0;
    virtual const StudySettings& settings() const = 0;
};

// Word-click recall (mode 8): the sentence with every word hidden; clicks on a word climb a
// ladder of hints (meaning, first letter, its sound, phonetic, the word itself, hidden again),
// a double click reveals or hides a word at once. Words are addressed by their position in the
// sentence (1-based token index), so the dictation test gives the same hints on its blank.
class WordRecall : public ModeComponent {
public:
    static constexpr int kRevealStage = 5;
    static constexpr int kLastStage = 6;

    WordRecall(const LoadedLesson& lesson, WordPanel& wordPanel, WordRecallHost& host);

    // A click on `word`: the next hint for it. Clicking another word (another text) starts its
    // own ladder; two occurrences of one word share theirs. Words that do not begin with a
    // letter give no hints, and a word clicked after one starts its ladder afresh. After the
    // last stage (or a double click's reveal) the next click hides the word again.
    void GiveNextHint(int word);
    // A double click on `word`: a hidden word is revealed with every hint at once; a revealed
    // one is hidden again with only its meaning on the card. The word becomes the word clicked
    // last (the window does not pass on the single clicks of a double click).
    void ToggleWordReveal(int word);
    // The pointer over `word`: the card shows for the word clicked last, and hides otherwise.
    void HoverWordHint(int word);
    // "点击复读" on the card: the word is pronounced again.
    void readAgain();
    // The reset command (WordRestCommand, F12): every word hidden again, the ladder forgotten.
    void resetSentence();
    // A click on the panel beside the words.
    void hideCard();

    // For the dictation test's direct hint: puts a word into its hidden state first.
    void setHidden(int word, bool hidden);
    bool isHidden(int word) const;
    int hintCount() const { return hintCount_; }

    WordRecallView view() const;

    void sentenceShown() override;
    bool keyDown(ShortcutKey key) override;
    // Entering mode 8 closes a word panel left open by another mode: it would show a word.
    void modeSwitched() override;

private:
    QList<WordCell> words() const;
    bool isClickable(int word) const;
    // The word's dictionary entry for the card; the word panel keeps what it shows.
    void lookUp(int word);
    void restartCard();
    void hideAllWords();

    const LoadedLesson& lesson_;
    WordPanel& wordPanel_;
    WordRecallHost& host_;
    QList<bool> hidden_; // per word of the sentence on display
    int hintCount_ = 0;
    QString lastWord_; // the visible text of the word clicked last
    HintCardView card_;
    WordPanelView entry_; // the entry of the word on the card
};

} // namespace sentara
