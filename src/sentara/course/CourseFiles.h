#pragma once

#include "common/CourseContent.h"
#include "common/WordDictionary.h"
#include "sentara/course/Catalogue.h"
#include "sentara/settings/StudySettings.h"

#include <QString>
#include <optional>

namespace common {
class CourseFolder;
}

namespace sentara {

// What start-up reads from the course folder before it shows the saved lesson: the course
// content, the word dictionary, the settings and the catalogue. Plain data read through plain
// functions, so it can be read on a second thread while the window is being built.
struct CourseFiles {
    common::CourseContent content;
    QString contentError; // why Content.json could not be read; empty when it was
    common::WordDictionary dictionary;
    std::optional<StudySettings> study; // nullopt when Set.dat is missing or unreadable
    Catalogue catalogue;

    static CourseFiles read(const common::CourseFolder& folder);
};

} // namespace sentara
