#pragma once

#include "sentara/course/SessionView.h"

namespace common {
struct CourseContent;
}

namespace sentara {

class LoadedLesson;
class ListeningLoop;
class VoiceControl;
class SentenceBrowsing;
class WordPanel;
class FillIn;
class DictationTest;
struct SessionState;
struct StudySettings;

// Builds what the window shows from the session's data; holds no state of its own.
class SessionViewBuilder {
public:
    struct Sources {
        const SessionState& state;
        const StudySettings& settings;
        const LoadedLesson& lesson;
        const common::CourseContent& content;
        const ListeningLoop& loop;
        const VoiceControl& voice;
        const SentenceBrowsing& sentenceBrowsing;
        const WordPanel& wordPanel;
        const FillIn& fillIn;
        const DictationTest& dictation;
    };

    static SessionView build(const Sources& sources);

    // The input that gets the focus in a mode (the focus rule); the dictation and fill-in boxes
    // only while they are shown.
    static FocusTarget focusTargetOf(int modeIndex, bool dictationInputVisible,
                                     bool fillInInputVisible);
};

} // namespace sentara
