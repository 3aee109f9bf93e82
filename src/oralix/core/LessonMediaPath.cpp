#include "oralix/core/LessonMediaPath.h"

namespace oralix {

namespace {

QString sharedFile(const common::CourseFolder& folder, const QString& book,
                   const QList<common::LessonRange>& ranges, int key, const QString& previous) {
    const std::optional<int> file = common::CourseContent::rangeFile(ranges, key);
    if (!file) {
        return previous;
    }
    return folder.mediaFile(book, QString::number(*file) + QStringLiteral(".mp3"));
}

} // namespace

LessonMediaPath LessonMediaPath::choose(const common::CourseFolder& folder,
                                        const common::CourseContent& content, const QString& book,
                                        int listIndex, const QString& previousPath) {
    const int lesson = listIndex + 1;
    if (!content.titleSetA.isEmpty() && book == content.titleSetA) {
        return {sharedFile(folder, book, content.titleSetARanges, listIndex, previousPath), false};
    }
    if (!content.titleSetB.isEmpty() && book == content.titleSetB) {
        return {sharedFile(folder, book, content.titleSetBRanges, lesson, previousPath), false};
    }
    if (content.trainerVideoTitles.contains(book)) {
        return {folder.mediaFile(book, QString::number(lesson) + QStringLiteral(".wmv")), false};
    }
    return {folder.mediaFile(book, QString::number(lesson) + QStringLiteral(".mp3")), true};
}

int LessonMediaPath::volume(const common::CourseContent& content, const QString& book) {
    if (!content.trainerVolume70Title.isEmpty() && book == content.trainerVolume70Title) {
        return 70;
    }
    if (!content.trainerVolume50Title.isEmpty() && book == content.trainerVolume50Title) {
        return 50;
    }
    return 100;
}

} // namespace oralix
