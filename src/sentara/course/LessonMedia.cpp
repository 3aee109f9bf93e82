#include "sentara/course/LessonMedia.h"

#include "common/CourseContent.h"

namespace sentara::LessonMedia {

QString fileName(const common::CourseContent& content, const QString& book, int lesson) {
    const auto grouped = content.groupedAudio.constFind(book);
    if (grouped != content.groupedAudio.constEnd()) {
        if (const std::optional<int> file = common::CourseContent::rangeFile(*grouped, lesson)) {
            return QString::number(*file) + QStringLiteral(".mp3");
        }
    }
    if (content.isVideoTitle(book)) {
        return QString::number(lesson) + QStringLiteral(".wmv");
    }
    return QString::number(lesson) + QStringLiteral(".mp3");
}

int sentenceVolume(const common::CourseContent& content, const QString& book) {
    if (content.volume50Titles.contains(book)) {
        return 50;
    }
    if (content.volume70Titles.contains(book) ||
        (!content.videoSeriesPrefix.isEmpty() && book.startsWith(content.videoSeriesPrefix))) {
        return 70;
    }
    return 100;
}

} // namespace sentara::LessonMedia
