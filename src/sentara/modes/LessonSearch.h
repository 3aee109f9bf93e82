#pragma once

#include <QString>

namespace ports {
class Dialogs;
}

namespace sentara {

class LoadedLesson;

// The find box of the full-text views: the learner types a word (or a few) and Enter jumps to
// the next sentence whose English holds it.
class LessonSearch {
public:
    // What the learner has typed so far (every edit, as it happens).
    void edit(const QString& text) { text_ = text; }
    const QString& text() const { return text_; }

    // The first sentence after `current` whose display English contains the typed text, letter
    // case ignored, going round to the start of the lesson (so `current` itself comes last);
    // 0 when the text is blank or no sentence holds it.
    int next(const LoadedLesson& lesson, int current) const;
    // "本课中没有找到“<text>”。"
    QString notFoundMessage() const;
    // Enter in the find box: the next sentence as next() finds it, or 0 once the learner has
    // been told that no sentence holds the text (nothing is said while the box is blank).
    int findNext(const LoadedLesson& lesson, int current, ports::Dialogs& dialogs) const;

private:
    QString text_;
};

} // namespace sentara
