#pragma once

#include "common/LessonText.h"
#include "oralix/core/SentenceRow.h"

#include <QList>
#include <QString>

namespace oralix {

// The loaded lesson: its text, its sentences and the sentence shown in sentence study.
class OralixLesson {
public:
    OralixLesson() = default;
    explicit OralixLesson(QString text);

    const QString& text() const { return text_; }
    int sentenceCount() const { return int(records_.size()); }
    // 1-based number of the sentence shown in sentence study; 0 before the first one.
    int currentSentence() const { return current_; }
    void setCurrentSentence(int sentence);

    const common::SentenceRecord& record(int sentence) const { return records_[sentence - 1]; }
    const QList<SentenceRow>& rows() const { return rows_; }
    QList<SentenceRow>& rows() { return rows_; }

    // The sentence-study line of an English field: the display parts of its "^"-terminated
    // tokens, concatenated ("^I$I$^ ^am$be$^" gives "I am").
    static QString sentenceLine(const QString& englishField);

private:
    QString text_;
    QList<common::SentenceRecord> records_;
    QList<SentenceRow> rows_;
    int current_ = 0;
};

} // namespace oralix
