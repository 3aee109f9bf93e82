#pragma once

#include "support/FixedScreen.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"

#include "common/CourseFolder.h"
#include "platform/PlatformEngines.h"
#include "platform/QtClock.h"
#include "platform/QtRecorder.h"
#include "platform/QtSoundPlayer.h"
#include "platform/QtTextMeasure.h"
#include "sentara/course/SentaraSession.h"
#include "sentara/ui/SentaraWindow.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace mediatest {

// A copy of the generated demo course (without the programs) in a temporary folder, with the
// given Set.dat values: the program folder of one test.
class DemoCourseCopy {
public:
    DemoCourseCopy();
    bool valid() const { return valid_; }
    QString root() const { return dir_.path(); }
    // Writes SETTING/Set.dat: `node` at sentence 1 in `mode` on `engine` (1 backup, 2 default).
    void settings(int node, int mode, int engine, int senReadCount = 1);

private:
    QTemporaryDir dir_;
    bool valid_ = false;
};

// The trainer on the real players, recorder and clock, with its window shown.
struct RunningProgram {
    explicit RunningProgram(const DemoCourseCopy& course);
    ~RunningProgram();

    common::CourseFolder folder;
    platform::QtClock clock;
    platform::PlatformEngines engines;
    platform::QtRecorder recorder;
    platform::QtSoundPlayer sounds;
    support::ScriptedDialogs dialogs;
    support::RecordingShell shell;
    platform::QtTextMeasure measure;
    support::FixedScreen screen;
    sentara::SentaraSession session;
    std::unique_ptr<sentara::ui::SentaraWindow> window;
};

// What the display shows of a widget (grabbed from the screen, so a player's own native window
// counts too).
QImage onScreen(const QWidget* widget);
// The mean brightness of a picture, 0..255.
double brightness(const QImage& image);
// The mean difference of two pictures of one size, 0..255 per channel.
double difference(const QImage& a, const QImage& b);

} // namespace mediatest
