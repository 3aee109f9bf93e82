#pragma once

#include <QList>
#include <QString>

namespace common {

inline constexpr char16_t kKeyWordMarker = u'\u25C6'; // "◆"

// One "^"-terminated piece of a sentence's English field: a plain token (spaces, punctuation)
// or a word "display$LookupForm$" optionally followed by the key-word marker.
struct WordToken {
    QString raw;

    bool isWord() const;        // contains "$"
    QString display() const;    // text before the first "$", or the whole token
    QString lookupForm() const; // text between the first two "$" (or to the end without a second)
    bool isKeyWord() const;     // the marker follows the second "$"
    // The token with its key-word marker added (right after the second "$") or removed (the
    // marker after the second "$" deleted, and any further one right after it, so the word
    // is no longer a key word); unchanged when the token has no second "$".
    WordToken toggledKeyWord() const;
};

// The text between two "*" of a lesson file: six "#"-terminated fields (English, Chinese, start,
// end, note, dictation-done) and whatever follows the sixth "#", carried along unchanged.
// Field i is the text after the i-th "#" up to the next "#" (field 0: from the start), or up to
// the end of the record when no "#" follows. A record with fewer than six "#" is malformed but
// still readable: an unterminated last field reads up to the end of the record ("Hi" has the
// English "Hi"), the fields after it read as empty (times as 0). Rewriting a malformed record
// first pads it with "#" to six fields.
struct SentenceRecord {
    enum Field { English = 0, Chinese = 1, Start = 2, End = 3, Note = 4, DictationDone = 5 };

    QString raw;

    QString field(int index) const;
    bool isWellFormed() const; // at least six "#"

    QList<WordToken> tokens() const; // the pieces of the English field between "^"
    QString displayEnglish() const;  // the display parts of all tokens, concatenated
    QString chinese() const { return field(Chinese); }
    double startSeconds() const; // lenient number
    double endSeconds() const;
    QString note() const;       // trimmed of leading and trailing blanks
    bool dictationDone() const; // the flag is exactly "1"

    // The record with its note and dictation-done flag replaced (both cleaned with
    // LessonText::cleanField); everything after the sixth "#" is kept. A malformed record is
    // first padded to six fields.
    SentenceRecord withNoteAndFlag(const QString& note, const QString& flag) const;
    SentenceRecord withNote(const QString& note) const;
    SentenceRecord withDictationDone(bool done) const;
    // The record with the key-word marker of English token `tokenIndex` (0-based) toggled;
    // the record itself when that token is not a word.
    SentenceRecord withKeyWordToggled(int tokenIndex) const;
};

// The whole text of a lesson file.
namespace LessonText {
// Records k = 1..N are the texts between the k-th and the (k+1)-th "*", so N = sentenceCount().
// Text before the first "*" and after the last "*" (never present in a course's own files) is
// not a record: readers ignore it and rebuild() drops it.
QList<SentenceRecord> split(const QString& text);
// "*" + record 1 + "*" + ... + record N + "*".
QString rebuild(const QList<SentenceRecord>& records);
// The text before the first "*" and after the last one: never in a course's own files, but in a
// damaged one (a file cut off inside a sentence). A rewrite keeps it, so nothing is lost.
struct Frame {
    QString before;
    QString after;
};
Frame frameOf(const QString& text);
// frame.before + rebuild(records) + frame.after: for a text with at least one "*",
// rebuild(split(text), frameOf(text)) is the text itself.
QString rebuild(const QList<SentenceRecord>& records, const Frame& frame);
// Number of "*" minus one (0 for a text without any).
int sentenceCount(const QString& text);
// Number of key-word markers in the text.
int keyWordCount(const QString& text);
// Number of records whose dictation-done flag is "1".
int dictatedCount(const QList<SentenceRecord>& records);
// Text typed by the learner made safe to store in a field: the separators "*", "#", "^" and "$"
// become their full-width forms, so a note can never break the lesson file.
QString cleanField(const QString& text);
} // namespace LessonText

} // namespace common
