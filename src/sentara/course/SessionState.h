#pragma once

#include <QString>

namespace sentara {

// The session's own state besides the lesson, the settings and the players: what ShowSentence
// and the commands set, kept as plain data so the view can be built from it.
struct SessionState {
    int currentSentence = 0; // CurrentSentence; 0 without a lesson
    // The span of the sentence on display and the continuous-play range, in seconds; the engine
    // unit is applied when they are used, so an engine switch never leaves them in the old unit.
    double sentenceStartSec = 0;
    double sentenceEndSec = 0;
    double lessonMediaStartSec = 0;
    double lessonMediaEndSec = 0;

    QString lessonTitle;
    QString mediaPath;
    int selectedTab = 2;
    bool largeLayout = false;
    // Counts the times the session moved the text panels itself (a lesson load, the saved
    // positions at start-up): the window then scrolls them to the stored positions.
    int textPanelsMoved = 0;
    bool ctrlHeld = false;

    // Every sentence marker line hidden: the end of continuous play; the next ShowSentence
    // shows the current sentence's marker again.
    bool sentenceMarkersHidden = false;
};

} // namespace sentara
