// The course content file (SETTING/Content.json): titles, tables and addresses of the course.
#include "FuzzCheck.h"

#include "common/CourseContent.h"

using common::CourseContent;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QString error;
    const std::optional<CourseContent> content =
        CourseContent::fromJson(fuzz::bytesOf(data, size), &error);
    // A file that is refused says why; one that is taken gives tables the programs can use.
    FUZZ_CHECK(content.has_value() || !error.isEmpty());
    if (!content) {
        return 0;
    }
    for (const QString& title : content->videoTitles) {
        FUZZ_CHECK(content->isVideoTitle(title));
    }
    for (const QList<common::LessonRange>* ranges :
         {&content->titleSetARanges, &content->titleSetBRanges}) {
        for (const common::LessonRange& range : *ranges) {
            const std::optional<int> file = CourseContent::rangeFile(*ranges, range.first);
            FUZZ_CHECK(file.has_value() || range.first > range.last);
        }
    }
    for (const CourseContent::Book& book : content->books) {
        FUZZ_CHECK(book.lessonCount >= 0);
    }
    return 0;
}
