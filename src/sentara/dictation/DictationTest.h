#pragma once

#include "sentara/course/SessionView.h"
#include "sentara/modes/ModeComponent.h"
#include "sentara/modes/WordRecall.h"

#include <QList>
#include <QString>

namespace common {
class CourseFolder;
}

namespace ports {
class Dialogs;
class SoundPlayer;
} // namespace ports

namespace sentara {

class LoadedLesson;
class ResultsStore;
class WordPanel;
struct StudySettings;

// One word label of the dictation test.
struct DictationWordView {
    QString caption;
    bool blank = false;  // begins with a letter: typed by the learner
    bool hidden = false; // a blank still to be typed: its text invisible, its underline shown
};

// The dictation test view (mode 4).
struct DictationView {
    QString chineseLine;        // WriteWordChineseLabel
    bool chineseVisible = true; // WordChineseCheck (value 22)
    QList<DictationWordView> words;
    int currentBlank = 0;     // the word the typing box lies over (1-based); 0 before the first
    bool inputVisible = true; // the typing box (WriteWordText)
    // What the typing box takes from the session, and only when inputRevision changes: the text
    // left after a submission, or nothing; all of it selected after a wrong word.
    QString inputText;
    int inputRevision = 0;
    bool inputSelected = false;
    HintCardView card; // the word-recall card, below its word
    int score = 100;   // SenFractionLabel; no lower bound
    int wrongCount = 0;
    int nextCueCount = 0; // progressive hints
    int wordCueCount = 0; // direct hints
    int passMark = 80;
    // The lesson's dictation progress: "3 / 12", the bar, and the badge of a passed sentence.
    QString progressText;
    double progressRatio = 0;
    bool doneBadgeVisible = false;
    QString legend; // "F5渐进提示，F6直接提示，F7复读"
    bool backEnabled = false;
    bool nextEnabled = false;
    int sentenceCount = 0;
};

// What the dictation test needs of the session.
class DictationHost {
public:
    virtual ~DictationHost() = default;
    virtual int CurrentSentence() const = 0;
    virtual int ModeIndex() const = 0;
    virtual const StudySettings& settings() const = 0;
    virtual bool rewriteLesson(const LoadedLesson& updated) = 0;
    virtual void requestFocus(FocusTarget target) = 0;
    // The sentence view's commands (each shows, refreshes and plays as it does there).
    virtual void SenBegainCommand_Click() = 0;
    virtual void SenBackCommand_Click() = 0;
    virtual void SenNextCommand_Click() = 0;
    virtual void SenPlayCommand_Click() = 0;
    virtual void AutoPlaySentence() = 0;
    // What the note box of the sentence view holds now (typed or as shown).
    virtual QString noteBoxText() const = 0;
    // The lesson's title as the catalogue shows it (its entry in the Book results).
    virtual QString LessonTitle() const = 0;
    virtual void ShowResults() = 0;
};

// The scored dictation test (mode 4): every word that begins with a letter is a blank; the
// learner types the blanks one by one into a box laid over the current one. A word is submitted
// by " ", ",", ".", "?" or "!" once the box holds at least as many characters as the word, and
// compared with it (case ignored, its punctuation included): right reveals it and moves on, wrong
// costs 3 points. Hints cost 1 (progressive) and 5 (direct). A completed sentence is compared
// with the pass mark: a pass writes "1" into its dictation-done field, the last open sentence of
// the lesson stars the lesson in the Book results and opens the report; a fail starts the
// sentence again. A sentence already passed moves on silently.
class DictationTest : public ModeComponent {
public:
    DictationTest(const LoadedLesson& lesson, WordRecall& recall, WordPanel& wordPanel,
                  ResultsStore& results, ports::SoundPlayer& sounds, ports::Dialogs& dialogs,
                  const common::CourseFolder& folder, DictationHost& host);

    // Every edit of the typing box, as the box now reads (the word check). Blanks before the
    // typed word are not part of it.
    void editInput(const QString& box);
    void progressiveHint(); // Command2, F5
    void directHint();      // Command3, F6
    void readHintAgain();   // "点击复读" on the hint card
    // WriteRestCommand, F12: every blank hidden again from the first; the score and the counters
    // are kept.
    void restartSentence();
    // The panel's navigation: first, back, next (while enabled) and play; each gives the focus
    // back to the typing box.
    void firstSentence();
    void previousSentence();
    void nextSentence();
    void playSentence();

    // The typing box is shown (over a blank still to be typed).
    bool inputVisible() const { return inputVisible_ && currentBlank_ > 0; }
    int score() const { return score_; }
    DictationView view() const;

    void sentenceShown() override;
    bool keyDown(ShortcutKey key) override;
    void modeSwitched() override;

    static QString legend();

private:
    QList<WordCell> words() const;
    bool underlined(int word) const;
    // AdvanceDictationBlank: reveals the current blank and lays the box over the next one, or
    // completes the sentence.
    void advance();
    void complete();
    void fail();
    void pass();
    void resetScore();
    void setBox(const QString& text, bool selected = false);
    void focusBox();
    void playSound(const QString& name);

    const LoadedLesson& lesson_;
    WordRecall& recall_;
    WordPanel& wordPanel_;
    ResultsStore& results_;
    ports::SoundPlayer& sounds_;
    ports::Dialogs& dialogs_;
    const common::CourseFolder& folder_;
    DictationHost& host_;

    QList<bool> revealed_; // per word of the sentence on display
    int currentBlank_ = 0;
    bool inputVisible_ = true;
    // A sentence completed while another mode was shown: judged when the test is shown again.
    bool completionDue_ = false;
    bool failing_ = false; // the fail of the sentence on display is being handled
    int score_ = 100;
    int wrongCount_ = 0;
    int nextCueCount_ = 0;
    int wordCueCount_ = 0;
    QString boxText_;
    int boxRevision_ = 0;
    bool boxSelected_ = false;
};

} // namespace sentara
