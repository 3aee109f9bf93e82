#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace common {

inline constexpr char16_t kDoneStar = u'\u2605'; // "★": every sentence of the lesson passed
inline constexpr char16_t kOpenStar = u'\u2606'; // "☆": not yet

// The dictation results of one Book (SETTING/Results/<book>.dat): "^" entry "^" entry "^" ...
// entry "^", an entry being a star followed by a lesson title exactly as the catalogue shows it.
// Every function here is pure over the text. Readers take what they can from a damaged text, and
// the edits change only the star of an entry the walk has read: text after the last "^", entries
// without a star and other titles are left exactly as they were.
namespace BookResultsFile {

struct Entry {
    qsizetype position = 0; // index of the entry's first character in the text
    QString text;           // the text strictly between its two "^"

    bool isDone() const { return text.startsWith(QChar(kDoneStar)); }
    bool isOpen() const { return text.startsWith(QChar(kOpenStar)); }
};

// The entries in file order. The walk starts at the text's first character (the leading "^") and
// takes the text up to each next "^" as an entry; it ends at the last "^", so a text without its
// closing "^" loses only what follows the last one.
QList<Entry> entries(const QString& text);

struct Summary {
    QStringList done; // entries beginning with "★", with every "★" removed, in file order
    QStringList open; // entries beginning with "☆", with every "☆" removed
    int lessons = 0;  // entries beginning with a star; entries without one are not counted
};
Summary summarize(const QString& text);

// The text with the entry "☆" + title turned into "★" + title (every such entry); only an entry
// whose whole text matches changes ("Lesson 1" never touches "Lesson 10").
QString withLessonDone(const QString& text, const QString& title);
// The reverse: "★" + title becomes "☆" + title.
QString withLessonOpen(const QString& text, const QString& title);
// Every entry that begins with "★" begins with "☆" instead; stars inside titles are kept.
QString withAllOpen(const QString& text);

} // namespace BookResultsFile

} // namespace common
