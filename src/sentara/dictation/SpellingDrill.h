#pragma once

#include <QString>

namespace common {
class CourseFolder;
}

namespace ports {
class SoundPlayer;
}

namespace sentara {

// What the typing box over the fill-in word shows. The box takes `typed` only when `owner`
// (the fill-in word and how often the drill emptied the box) or `typed` itself changed since it
// last took it, so a render never overwrites the learner's typing.
struct SpellingView {
    QString typed;
    QString owner;
    int selectAllCount = 0; // the box selects all its text each time this changes
};

// The word the learner spells: the display text of the fill-in word and its look-up form.
struct HiddenWord {
    QString display;
    QString lookupForm;
};

// What the spelling drill needs of the fill-in mode it works in.
class SpellingDrillHost {
public:
    virtual ~SpellingDrillHost() = default;
    virtual bool hasHiddenWord() const = 0;
    virtual HiddenWord hiddenWord() const = 0;
    // Names the fill-in word the box belongs to (the lesson and its full-text position).
    virtual QString hiddenWordOwner() const = 0;
    // The next-key-word command ("下一词") is enabled.
    virtual bool nextEnabled() const = 0;
    // The notice line under the cues (the automatic-choice notice or the spelling result);
    // while it shows, the drill is answered.
    virtual bool noticeVisible() const = 0;
    virtual void showNotice(const QString& text) = 0;
    virtual void hideNotice() = 0;
    virtual void nextKeyWord() = 0;
    virtual void focusInput() = 0;
    virtual void drillChanged() = 0;
};

// The spelling drill of the word fill-in mode: checks every change of the typing box against the
// hidden word (its display text or its look-up form, letter case ignored), answers with a sound
// and the notice line, and lets the learner redo the word, see the answer or go on with Space.
// It keeps no score and writes no file.
class SpellingDrill {
public:
    static QString rightMessage();    // the next key word follows with Space
    static QString finishedMessage(); // no next key word: start again with "首词"

    SpellingDrill(ports::SoundPlayer& sounds, const common::CourseFolder& folder,
                  SpellingDrillHost& host);

    // The learner changed the box (every edit, QLineEdit::textEdited).
    void edit(const QString& text);
    // A key pressed in the box, before the box handles it. Space while the notice shows goes on
    // to the next key word (when there is one) and is swallowed: returns true. Any key while the
    // box's text is selected (after a too-long spelling) empties the box first, so the key
    // starts a fresh attempt.
    bool keyPressed(bool space, bool textSelected);
    // Backspace while the notice shows: the box is emptied and the word can be spelled again.
    void redo();
    // The show-answer command: the hidden word's display text typed in, then checked.
    void showAnswer();
    // A new fill-in word: an empty box (no check, no sound).
    void clear();

    bool correct() const { return correct_; }
    SpellingView view() const;

private:
    void setText(const QString& text);
    void check();
    void play(const QString& sound);

    ports::SoundPlayer& sounds_;
    const common::CourseFolder& folder_;
    SpellingDrillHost& host_;
    QString typed_;
    int clears_ = 0;
    int selectAllCount_ = 0;
    bool correct_ = false;
};

} // namespace sentara
