#pragma once

#include <QString>

namespace common {
struct CourseContent;
}

namespace sentara {

// Which media file a lesson plays and at what volume, from the course content tables.
namespace LessonMedia {
// The file name under Sound/<book>/: "<k>.mp3" for a grouped title (k from its range table),
// "<n>.wmv" for a video title, "<n>.mp3" otherwise. A grouped title's lesson outside its table
// falls back to "<n>.mp3".
QString fileName(const common::CourseContent& content, const QString& book, int lesson);
// The sentence player's volume with the default engine: 50, 70 or 100 by Book.
int sentenceVolume(const common::CourseContent& content, const QString& book);
inline constexpr int kVideoWindowVolume = 0;
inline constexpr int kWordVolume = 70;
} // namespace LessonMedia

} // namespace sentara
