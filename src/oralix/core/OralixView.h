#pragma once

#include "common/practice/RecordingPractice.h"
#include "oralix/core/StudyModeTable.h"

#include <QString>
#include <QStringList>

namespace oralix {

// What the compact trainer's window shows, as plain data. The rows of the full-text view are
// the loaded lesson's rows (OralixSession::lesson()).

struct LessonListView {
    QString book;
    QStringList titles;
    int index = -1;      // the selected lesson, 0-based
    QString lessonTitle; // the lesson on display
    QString listTooltip; // "当前课程：" + title, after a lesson was picked from the list
    bool nextLessonEnabled = false;
};

struct SentenceStudyView {
    QString english; // the display line, without "^" and "$" annotations
    QString chinese;
    QString tooltip;          // "<title> 本课共有N句，当前是第M句"
    QString counter;          // "本课共有N句，当前是第M句"
    bool englishCheck = true; // the learner's choice
    bool chineseCheck = true;
    bool englishVisible = true; // the choice, or a peek
    bool previousEnabled = false;
    bool nextEnabled = false;
    int speed = 1; // 0 "慢速", 1 "常速", 2 "快速"
};

struct FullTextControlsView {
    bool showChinese = true;
    bool reading = false;
    bool paused = false;
    QString readAllCaption;
    QString pauseCaption;
    bool pauseEnabled = false;
};

// Read-along comparison: the recorder's buttons and the Chinese hint.
struct ReadAlongView : common::RecordingButtons {
    bool chineseHint = true;
};

struct OralixView {
    int mode = StudyModeTable::SentenceStudy;
    StudyModeInfo modeInfo;
    QString repeatText;   // the repeat-count box
    QString intervalText; // the interval box
    LessonListView lessons;
    SentenceStudyView sentence;
    FullTextControlsView fullText;
    ReadAlongView readAlong;
    int backgroundColour = 0; // red + 256 * green + 65536 * blue
    int textColour = 0;
};

} // namespace oralix
