#pragma once

#include "support/CourseBuilder.h"
#include "support/ManualClock.h"
#include "support/RecordingShell.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedDialogs.h"
#include "support/SimulatedEngines.h"
#include "support/SimulatedRecorder.h"

namespace support {

// The doubles a trainer session runs on: a manual clock, a course folder the test fills in,
// simulated engines and recorder over that course's media, and recording sounds, dialogs and shell.
struct SessionDoubles {
    ManualClock clock;
    CourseBuilder course;
    SimulatedEngines engines{clock, course.media()};
    SimulatedRecorder recorder{clock};
    RecordingSoundPlayer sounds;
    ScriptedDialogs dialogs;
    RecordingShell shell;
};

} // namespace support
