#pragma once

#include "support/CourseBuilder.h"
#include "support/FixedScreen.h"
#include "support/FixedTextMeasure.h"
#include "support/ManualClock.h"
#include "support/RecordingShell.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedDialogs.h"
#include "support/SimulatedEngines.h"
#include "support/SimulatedRecorder.h"

#include "sentara/course/SentaraSession.h"
#include "sentara/settings/StudySettings.h"
#include "sentara/ui/SentaraWindow.h"

#include <QString>
#include <memory>

namespace uitest {

inline constexpr auto kBook1 = "Morning Steps";     // catalogue Book 1: nodes 1, lessons 2..61
inline constexpr auto kBook2 = "City Voices";       // catalogue Book 2: nodes 62, lessons 63..122
inline constexpr auto kVideoBook = "Screen Scenes"; // Book 5, the video course: lessons 246..

// A small course: Book 1 lessons 1 and 2 (five sentences), Book 2 lesson 1 (three sentences),
// the video course's lesson 1 (one sentence),
// and settings that resume lesson 2 of Book 1 (node 3) at sentence 3 in the sentence view.
void buildSmallCourse(support::CourseBuilder& course);
sentara::StudySettings smallCourseSettings();

// One running program over a course folder: the session on test doubles and its window.
struct RunningWindow {
    explicit RunningWindow(support::CourseBuilder& course);
    ~RunningWindow();

    support::SimulatedPlayer* sentencePlayer() const;
    bool isPlaying() const;

    common::CourseFolder folder;
    support::ManualClock clock;
    support::SimulatedEngines engines;
    support::SimulatedRecorder recorder;
    support::RecordingSoundPlayer sounds;
    support::ScriptedDialogs dialogs;
    support::RecordingShell shell;
    support::FixedTextMeasure measure;
    support::FixedScreen screen;
    sentara::SentaraSession session;
    std::unique_ptr<sentara::ui::SentaraWindow> window;
};

} // namespace uitest
