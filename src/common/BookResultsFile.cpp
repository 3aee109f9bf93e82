#include "common/BookResultsFile.h"

namespace common::BookResultsFile {

namespace {

// The text with the leading star of each entry that `matches` replaced by `star`.
template <typename Match> QString withStars(const QString& text, QChar star, Match matches) {
    QString result = text;
    for (const Entry& entry : entries(text)) {
        if (matches(entry)) {
            result[entry.position] = star;
        }
    }
    return result;
}

} // namespace

QList<Entry> entries(const QString& text) {
    QList<Entry> result;
    qsizetype previous = 0; // the first character stands for the leading "^"
    while (previous < text.size()) {
        const qsizetype next = text.indexOf(u'^', previous + 1);
        if (next < 0) {
            break;
        }
        result.append({previous + 1, text.mid(previous + 1, next - previous - 1)});
        previous = next;
    }
    return result;
}

Summary summarize(const QString& text) {
    Summary summary;
    for (const Entry& entry : entries(text)) {
        if (entry.isDone()) {
            summary.done.append(QString(entry.text).remove(QChar(kDoneStar)));
        } else if (entry.isOpen()) {
            summary.open.append(QString(entry.text).remove(QChar(kOpenStar)));
        } else {
            continue;
        }
        ++summary.lessons;
    }
    return summary;
}

QString withLessonDone(const QString& text, const QString& title) {
    const QString open = QChar(kOpenStar) + title;
    return withStars(text, QChar(kDoneStar), [&](const Entry& e) { return e.text == open; });
}

QString withLessonOpen(const QString& text, const QString& title) {
    const QString done = QChar(kDoneStar) + title;
    return withStars(text, QChar(kOpenStar), [&](const Entry& e) { return e.text == done; });
}

QString withAllOpen(const QString& text) {
    return withStars(text, QChar(kOpenStar), [](const Entry& e) { return e.isDone(); });
}

} // namespace common::BookResultsFile
