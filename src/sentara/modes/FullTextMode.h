#pragma once

#include "sentara/course/SessionView.h"
#include "sentara/modes/LessonSearch.h"
#include "sentara/modes/ModeComponent.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace common {
struct CourseContent;
}

namespace ports {
class Dialogs;
}

namespace sentara {

class ListeningLoop;
class LoadedLesson;
class VoiceControl;
class WordPanel;
struct StudySettings;

// One word label of the full-text word view (a token of a sentence's English).
struct FullTextWord {
    QString text;            // the token's visible text, without the text layout's "|"
    int sentence = 0;        // 1-based
    int position = 0;        // the token's place in its sentence, 1-based
    bool clickable = false;  // begins with a letter: hand cursor; the right button looks it up
    bool keyWord = false;    // drawn in the key-word colour
    bool underlined = false; // a token of the current sentence
    bool endsLine = false;   // its text held "|": in the text layout the next word starts a line

    bool operator==(const FullTextWord&) const = default;
};

// How the word view places the words.
enum class FullTextLayout {
    EnglishAndChinese, // each sentence on new lines, its horn and Chinese line under it
    EnglishOnly,       // the words of all sentences flow as one text
    Text,              // as EnglishOnly, but a word whose text held "|" ends its line
};

// What the full-text word view (mode 1) shows.
struct FullTextView {
    QList<FullTextWord> words; // every token of the lesson, sentence by sentence
    QStringList chinese;       // the Chinese line of sentence i is chinese[i - 1]
    int current = 0;           // the underlined sentence
    FullTextLayout layout = FullTextLayout::EnglishAndChinese;
    bool chineseLines = true;     // AllChineseCheck
    QString chineseTogglePicture; // check_1.jpg / check_0.jpg
    QString chineseToggleCaption; // "   显示中文句子"
    bool tipVisible = false; // "双击英语句子查看译文" while the Chinese lines are off
    QString tipText;
    QString readAllCaption; // "全文朗读" idle / "停止朗读" running
    QString pauseCaption;   // "暂停朗读" / "继续朗读"
    bool readAllEnabled = false;
    bool pauseEnabled = false; // only while read-all runs
    // Changes each time the view must bring the current sentence into view (every sentence
    // shown, the Chinese lines switched): when it is not wholly visible, the view centres it.
    int keepInView = 0;
    QString searchPlaceholder;
    QString settingsTip; // "全文模式设置"
};

// What the full-text word view needs of the session.
class FullTextHost {
public:
    virtual ~FullTextHost() = default;
    virtual int CurrentSentence() const = 0;
    virtual double SentenceStart() const = 0; // engine unit
    virtual bool ctrlHeld() const = 0;
    // Marks or unmarks token `word` (1-based) of `sentence` as a key word and saves the lesson.
    virtual bool toggleKeyWord(int sentence, int word) = 0;
    virtual void RefreshFillInWord() = 0;
    virtual void requestFocus(FocusTarget target) = 0;
    // CurrentSentence := sentence, ShowSentence and the fill-in refresh, without playing.
    virtual void showSentenceAt(int sentence) = 0;
    // Both text panels (the full-text list and this view) back at their top.
    virtual void resetTextPanels() = 0;
};

// The full-text word view (mode 1): every word of the lesson, the current sentence underlined;
// a click plays a sentence, a right click looks a word up (with Ctrl it marks a key word),
// read-all reads the whole lesson. The reading itself is the listening loop's.
class FullTextMode : public ModeComponent {
public:
    FullTextMode(const LoadedLesson& lesson, StudySettings& study,
                 const common::CourseContent& content, ListeningLoop& loop, VoiceControl& voice,
                 WordPanel& wordPanel, ports::Dialogs& dialogs, FullTextHost& host);

    // A left click on token `position` of `sentence`: the sentence becomes the current one and
    // plays from a read count of 0 (repeated as the full-text family says). While read-all
    // runs, the end of the sentence is not watched: the reading runs on past it.
    void clickWord(int sentence, int position);
    // A right click on a word (tokens that do not begin with a letter do nothing): its sentence
    // becomes the current one; with Ctrl the word is marked or unmarked as a key word; the word
    // is looked up, shown in the word panel and pronounced, and the player is left paused at the
    // start of the sentence (no pause between plays is left running either).
    void lookUpWord(int sentence, int position, bool ctrl = false);
    // A double click on a word: while the Chinese lines are off, the player pauses and the
    // Chinese of the current sentence is shown in a box titled "中文".
    void doubleClickWord();
    // A sentence's horn: that sentence is shown and played once (the read count goes on).
    void playSentence(int sentence);
    // "   显示中文句子": the Chinese lines on or off (English only, or the text layout for the
    // Books laid out by line ends); the current sentence is brought into view again.
    void toggleChineseLines();
    // "全文朗读" starts reading the lesson from sentence 1, "停止朗读" stops it and returns to
    // sentence 1; both put the text panels back at their top and give the focus to the find box.
    void toggleReadAll();
    // "暂停朗读" / "继续朗读" while read-all runs; the focus goes back to the find box.
    void togglePause();
    // A click beside the words: the word panel and the tip close, the find box gets the focus.
    void backgroundClicked();
    // The scroll commands were used: the focus goes back to the find box.
    void scrollCommandUsed();
    // The find box (Combo2): each edit of the learner, and Enter, which shows the next sentence
    // holding the text (without playing it) or says that none does.
    void editSearch(const QString& text);
    void findNext();

    FullTextView view() const;

    void lessonLoaded() override;
    void sentenceShown() override;

private:
    const LoadedLesson& lesson_;
    StudySettings& study_;
    const common::CourseContent& content_;
    ListeningLoop& loop_;
    VoiceControl& voice_;
    WordPanel& wordPanel_;
    ports::Dialogs& dialogs_;
    FullTextHost& host_;
    bool tipDismissed_ = false;
    int keepInView_ = 0;
    LessonSearch search_;
};

} // namespace sentara
