// A lesson file as Sentara reads and changes it: decoded, split into records and word tokens,
// a key word toggled, a note and a dictation flag written back, the text rebuilt and encoded.
#include "FuzzCheck.h"

#include "common/LessonText.h"
#include "common/TextCodec.h"

using namespace common;

namespace {

// The prefix of the text from its first "*" to its last one: what rebuild() keeps.
QString framed(const QString& text) {
    const qsizetype first = text.indexOf(u'*');
    const qsizetype last = text.lastIndexOf(u'*');
    return first < 0 || first == last ? QStringLiteral("*") : text.mid(first, last - first + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const TextCodec::Decoded decoded = TextCodec::decode(bytes);
    // A file that decodes exactly is written back byte for byte.
    if (decoded.exact) {
        FUZZ_CHECK(TextCodec::encode(decoded.text, decoded.encoding) == bytes);
    }
    const QString& text = decoded.text;
    const QList<SentenceRecord> records = LessonText::split(text);
    FUZZ_CHECK(records.size() == LessonText::sentenceCount(text) || text.count(u'*') == 0);
    FUZZ_CHECK(LessonText::rebuild(records) == framed(text));
    // With the text outside the records, the rebuilt text is the text itself.
    const LessonText::Frame frame = LessonText::frameOf(text);
    FUZZ_CHECK(LessonText::rebuild(records, frame) == text || !text.contains(u'*'));

    QList<SentenceRecord> changed = records;
    for (qsizetype r = 0; r < records.size() && r < 8; ++r) {
        const SentenceRecord& record = records[r];
        (void)record.displayEnglish();
        (void)record.startSeconds();
        (void)record.endSeconds();
        (void)record.note();
        const QList<WordToken> tokens = record.tokens();
        for (qsizetype t = 0; t < tokens.size() && t < 4; ++t) {
            const WordToken& token = tokens[t];
            (void)token.display();
            (void)token.lookupForm();
            // Each toggle of a word turns it into a key word or back; marking and then
            // unmarking gives the token back.
            const WordToken once = token.toggledKeyWord();
            FUZZ_CHECK(once.raw == token.raw || once.isKeyWord() != token.isKeyWord());
            FUZZ_CHECK(token.isKeyWord() || once.toggledKeyWord().raw == token.raw);
            const SentenceRecord toggled = record.withKeyWordToggled(int(t));
            FUZZ_CHECK(token.isKeyWord() || toggled.withKeyWordToggled(int(t)).raw == record.raw);
            const int before = LessonText::keyWordCount(record.raw);
            const int after = LessonText::keyWordCount(toggled.raw);
            FUZZ_CHECK(toggled.raw == record.raw ||
                       (token.isKeyWord() ? after < before : after == before + 1));
        }
        // A note and a flag written back change only those two fields.
        // (Typed text never holds half a surrogate pair.)
        QString note = record.field(SentenceRecord::English).right(12);
        if (!note.isEmpty() && note.front().isLowSurrogate()) {
            note.remove(0, 1);
        }
        note += QStringLiteral("#*^$");
        const SentenceRecord noted = record.withNoteAndFlag(note, QStringLiteral("1"));
        FUZZ_CHECK(noted.isWellFormed());
        FUZZ_CHECK(noted.field(SentenceRecord::Note) == LessonText::cleanField(note));
        FUZZ_CHECK(noted.dictationDone());
        for (int f = SentenceRecord::English; f <= SentenceRecord::End; ++f) {
            FUZZ_CHECK(noted.field(f) == record.field(f) || !record.isWellFormed());
        }
        FUZZ_CHECK(noted.withDictationDone(false).field(SentenceRecord::Note) ==
                   noted.field(SentenceRecord::Note));
        changed[r] = noted.withKeyWordToggled(1);
    }
    // The rebuilt lesson keeps its sentences, each as it was changed.
    const QString rebuilt = LessonText::rebuild(changed, frame);
    const QList<SentenceRecord> again = LessonText::split(rebuilt);
    FUZZ_CHECK(!text.contains(u'*') || (LessonText::frameOf(rebuilt).before == frame.before &&
                                        LessonText::frameOf(rebuilt).after == frame.after));
    FUZZ_CHECK(again.size() == records.size());
    for (qsizetype r = 0; r < records.size(); ++r) {
        FUZZ_CHECK(again[r].raw == changed[r].raw);
    }
    // The changed lesson can always be stored, and reads back as the same text.
    const std::optional<QByteArray> encoded = TextCodec::encode(rebuilt);
    FUZZ_CHECK(encoded.has_value());
    const TextCodec::Decoded back = TextCodec::decode(*encoded);
    FUZZ_CHECK(back.exact && back.text == rebuilt);
    return 0;
}
