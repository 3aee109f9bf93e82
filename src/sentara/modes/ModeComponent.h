#pragma once

#include "sentara/course/ShortcutKey.h"

#include <functional>
#include <utility>

namespace sentara {

// A study mode's share in what the session does for all modes at once. The session keeps its
// mode components in one list and runs each step over every one of them, in list order:
// - lessonLoaded: a lesson file has been read; whatever a mode kept of the previous lesson goes
//   (runs before the first ShowSentence of the new lesson);
// - sentenceShown: ShowSentence has shown the sentence on display (a new one, or the same one
//   again); a mode forgets what it keeps per sentence (a clicked word, typed blanks, hints);
// - keyDown: a key pressed in the main window, before the session's own navigation keys; a mode
//   acts on the keys of its own mode only and returns true when it did;
// - modeSwitched: the learner switched the study mode; every timer has been stopped.
// A component's own operations (called by the window) end with viewChanged(), so the window
// renders what they changed.
class ModeComponent {
public:
    virtual ~ModeComponent() = default;
    virtual void lessonLoaded() {}
    virtual void sentenceShown() {}
    virtual bool keyDown(ShortcutKey) { return false; }
    virtual void modeSwitched() {}

    // Set by the session: what viewChanged() tells.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

protected:
    void viewChanged() const {
        if (listener_) {
            listener_();
        }
    }

private:
    std::function<void()> listener_;
};

} // namespace sentara
