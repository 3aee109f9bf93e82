#include "sentara/modes/LessonSearch.h"

#include "common/ports/Dialogs.h"
#include "sentara/course/LoadedLesson.h"

namespace sentara {

int LessonSearch::next(const LoadedLesson& lesson, int current) const {
    const QString wanted = text_.simplified();
    const int n = lesson.SentenceCount();
    if (wanted.isEmpty() || n == 0) {
        return 0;
    }
    const int from = current >= 1 && current <= n ? current : n;
    for (int step = 1; step <= n; ++step) {
        const int sentence = (from - 1 + step) % n + 1;
        // The text layout's line ends ("|") are not part of the sentence.
        QString english = lesson.record(sentence).displayEnglish();
        english.remove(u'|');
        if (english.contains(wanted, Qt::CaseInsensitive)) {
            return sentence;
        }
    }
    return 0;
}

QString LessonSearch::notFoundMessage() const {
    return QStringLiteral("本课中没有找到“%1”。").arg(text_.simplified());
}

int LessonSearch::findNext(const LoadedLesson& lesson, int current, ports::Dialogs& dialogs) const {
    const int found = next(lesson, current);
    if (found == 0 && !text_.simplified().isEmpty()) {
        dialogs.info(QStringLiteral("提示"), notFoundMessage());
    }
    return found;
}

} // namespace sentara
