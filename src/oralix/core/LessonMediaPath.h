#pragma once

#include "common/CourseContent.h"
#include "common/CourseFolder.h"

#include <QString>

namespace oralix {

// Which media file holds a lesson's sentences.
struct LessonMediaPath {
    QString path;
    // Ordinary Books only: the learner is told when this file is missing.
    bool checkExists = false;

    // `listIndex` is the lesson's 0-based index in its Book's list. The two shared-audio Books
    // keep `previousPath` for the lessons their tables do not cover.
    static LessonMediaPath choose(const common::CourseFolder& folder,
                                  const common::CourseContent& content, const QString& book,
                                  int listIndex, const QString& previousPath);
    // The player's volume for a Book's lessons: 100, or 70 and 50 for the two Books the
    // course content names.
    static int volume(const common::CourseContent& content, const QString& book);
};

} // namespace oralix
