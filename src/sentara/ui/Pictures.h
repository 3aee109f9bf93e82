#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace common {
class CourseFolder;
}

namespace sentara::ui {

// Pictures of the window: those the course supplies under Bitmap/, and drawn ones where the course
// has none.
namespace Pictures {
QIcon bookIcon();
QIcon lessonIcon();
QIcon settingsIcon();
// A sentence's horn (a loudspeaker), `size` pixels square.
QPixmap horn(int size);
// The check-box picture: a course picture when the course has it, else a drawn box.
QPixmap check(const common::CourseFolder& folder, bool on);
// A course picture; a null pixmap when the file is missing or unreadable.
QPixmap fromCourse(const common::CourseFolder& folder, const QString& name);
} // namespace Pictures

} // namespace sentara::ui
