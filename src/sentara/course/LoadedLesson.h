#pragma once

#include "common/LessonText.h"
#include "sentara/course/SessionView.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace sentara {

// The one lesson in memory: its records (authoritative while it is open), the counts and the
// per-sentence and per-word state every mode reads. Loading replaces all of it.
class LoadedLesson {
public:
    LoadedLesson() = default;
    // Builds the state of a lesson file's text.
    LoadedLesson(QString book, int lesson, int node, const QString& text);

    bool isLoaded() const { return loaded_; }
    const QString& book() const { return book_; }
    int lessonNumber() const { return lesson_; }
    int node() const { return node_; }

    int SentenceCount() const { return records_.size(); }
    int keyWordCount() const { return keyWordCount_; }
    int dictatedCount() const { return dictatedCount_; }

    // Record i = 1..SentenceCount (an empty record outside that range).
    common::SentenceRecord record(int i) const;
    const QList<common::SentenceRecord>& records() const { return records_; }
    // Replaces record i and rebuilds the counts; LessonText() then gives the text to save.
    void setRecord(int i, const common::SentenceRecord& record);
    QString LessonText() const;

    // The word cells of sentence i in token order, its display English and its Chinese, kept
    // from the last parse of the record, so a render does not parse the lesson again.
    QList<WordCell> words(int i) const;
    QString displayEnglish(int i) const;
    QString chinese(int i) const;
    // The full-text word sequence: each sentence's words followed by its end marker.
    QList<FullTextItem> fullText(int currentSentence) const;
    QList<SentenceItem> sentences(int currentSentence) const;

    // The sentence's end time, for the continuous-play range (0 without sentences).
    double lastEndSeconds() const;

private:
    void recount();
    void parse(qsizetype index);

    bool loaded_ = false;
    QString book_;
    int lesson_ = 0;
    int node_ = 0;
    QList<common::SentenceRecord> records_;
    common::LessonText::Frame frame_; // a damaged file's text outside the records, kept
    QList<QList<WordCell>> cells_;    // per record
    QStringList english_;             // per record
    QStringList chinese_;             // per record
    int keyWordCount_ = 0;
    int dictatedCount_ = 0;
};

WordCell wordCell(const common::WordToken& token);
WordCell wordCell(QStringView token);

} // namespace sentara
