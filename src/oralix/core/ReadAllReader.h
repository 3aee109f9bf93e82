#pragma once

#include "oralix/core/OralixView.h"

#include <functional>

namespace oralix {

// Read-all of the full-text view: reads the lesson aloud sentence after sentence, underlining
// the sentence being read, with pause and resume; the button turns back at the end.
class ReadAllReader {
public:
    // What the reader asks of the session it belongs to.
    struct Hooks {
        std::function<int()> sentenceCount;
        std::function<void(int row)> playRow; // take the row's span, underline it, play it
        std::function<void()> clearUnderlines;
        std::function<void()> stopPlayback; // poll and pause timers off, player paused
        std::function<void()> holdChain;    // player paused, no pause between plays runs out
        std::function<void()> resumeChain;  // on from where the chain was held
        std::function<void(int row)> followRow;
        std::function<void()> scrollToTop;
        std::function<void()> changed;
    };

    ReadAllReader(FullTextControlsView& view, Hooks hooks);

    bool reading() const { return view_.reading; }
    int index() const { return index_; }
    void setIndex(int row) { index_ = row; } // a sentence clicked: reading goes on from it

    void press(); // read all, or stop reading
    void next();  // the sentence after the one read; the end stops reading
    void pauseOrResume();
    void stop(); // underlines off, player silent, captions back
    void resetCaptions();

private:
    FullTextControlsView& view_;
    Hooks hooks_;
    int index_ = 0;
};

} // namespace oralix
