#pragma once

#include <QString>
#include <QStringList>

namespace support {

// One sentence of a lesson written by CourseBuilder.
struct SentenceSpec {
    // A plain sentence ("How are you?"), made into word tokens "How$how$" and one token per other
    // character; or, when it starts with "^", the English field exactly as written.
    QString english;
    QString chinese;
    double start = 0;
    double end = 0;
    QString note;
    bool done = false;
    QStringList keyWords; // words of a plain sentence to mark as key words (case ignored)
    QString tail;         // text after the sixth "#"

    // The English field: "^" token "^" ... token "^".
    QString englishField() const;
    // The whole record (the text between two "*").
    QString record() const;
};

// A plain sentence with its Chinese and its start and end in seconds.
inline SentenceSpec sentence(const QString& english, const QString& chinese, double start,
                             double end) {
    SentenceSpec spec;
    spec.english = english;
    spec.chinese = chinese;
    spec.start = start;
    spec.end = end;
    return spec;
}

} // namespace support
