#pragma once

#include "sentara/course/SessionView.h"
#include "sentara/modes/ModeComponent.h"

#include <QString>
#include <optional>
#include <utility>

namespace ports {
class Dialogs;
}

namespace sentara {

class LoadedLesson;
class WordPanel;
struct StudySettings;

// What the sentence view needs of the session.
class SentenceBrowsingHost {
public:
    virtual ~SentenceBrowsingHost() = default;
    virtual int CurrentSentence() const = 0;
    // The Ctrl key is held (from its key-down until the next key-up).
    virtual bool ctrlHeld() const = 0;
    virtual bool rewriteLesson(const LoadedLesson& updated) = 0;
    // Marks or unmarks word `word` (1-based token) of `sentence` as a key word and saves it.
    virtual bool toggleKeyWord(int sentence, int word) = 0;
    virtual void RefreshFillInWord() = 0;
    virtual void requestFocus(FocusTarget target) = 0;
};

// The sentence view (mode 2): the Chinese line toggle, the learner's note on each sentence and
// the clicks on its words (look-up, pronunciation, key-word marking with Ctrl). The navigation
// it shares with every mode is the session's.
class SentenceBrowsing : public ModeComponent {
public:
    SentenceBrowsing(const LoadedLesson& lesson, StudySettings& study, ports::Dialogs& dialogs,
                     WordPanel& wordPanel, SentenceBrowsingHost& host);

    // The "中文" toggle (its picture, its caption and the menu entry): the Chinese line and the
    // note box on or off. Switched on, the placeholder covers the note box until it is clicked,
    // a written note included.
    void toggleChinese();
    // The note placeholder "[点此添加注释]": uncovers the note box and gives it the focus.
    void openNoteBox();
    // The learner edited the note box (the learner's edits only, not a render filling it): the
    // text is saved like a focus loss as soon as the sentence changes or the program closes.
    void editNote(const QString& text);
    // The note box lost the focus: stores `text` as the note of the sentence on display and
    // writes the lesson file. "#", "*", "^" and "$" are stored as "＃", "＊", "＾", "＄" and "◆"
    // as "◇" (they would break the record or add a key word). A note GBK cannot encode is
    // refused with a message and nothing is written. Returns whether the file holds the note.
    bool saveNote(const QString& text);
    // Saves the note being typed, if any; run before the sentence on display changes.
    void flushNoteDraft();
    // What the note box holds now: the note being typed on the sentence on display, else its
    // stored note as the box shows it (trimmed).
    QString noteBoxText() const;
    // A click on word `index` (1-based) of the sentence: with Ctrl held it marks or unmarks the
    // word as a key word; then the fill-in refresh, the look-up with the base-form fall-backs,
    // the word's recording and the word panel. Words that do not begin with a letter do not
    // react.
    void clickWord(int index, bool ctrl = false);

    SentenceView view() const;

    void lessonLoaded() override;
    void sentenceShown() override;

private:
    bool storeNote(int sentence, const QString& text);

    const LoadedLesson& lesson_;
    StudySettings& study_;
    ports::Dialogs& dialogs_;
    WordPanel& wordPanel_;
    SentenceBrowsingHost& host_;
    bool placeholderVisible_ = false;
    // The note the learner is typing: (sentence, text).
    std::optional<std::pair<int, QString>> draft_;
};

} // namespace sentara
