#include "common/LessonText.h"

#include "common/Numbers.h"

namespace common {

namespace {

constexpr int kFieldCount = 6;

// Positions of every `separator` in `text`.
QList<qsizetype> positionsOf(QStringView text, QChar separator) {
    QList<qsizetype> positions;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == separator)
            positions.append(i);
    }
    return positions;
}

// Position of the n-th (1-based) `separator` in `text`, or -1.
qsizetype nthPosition(QStringView text, QChar separator, int n) {
    int seen = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == separator && ++seen == n)
            return i;
    }
    return -1;
}

// Pads a record to at least six "#"-terminated fields.
QString padded(const QString& raw) {
    QString text = raw;
    const auto count = text.count(u'#');
    for (qsizetype i = count; i < kFieldCount; ++i)
        text += u'#';
    return text;
}

} // namespace

bool WordToken::isWord() const {
    return raw.contains(u'$');
}

QString WordToken::display() const {
    const qsizetype dollar = raw.indexOf(u'$');
    return dollar < 0 ? raw : raw.left(dollar);
}

QString WordToken::lookupForm() const {
    const qsizetype first = raw.indexOf(u'$');
    if (first < 0)
        return QString();
    const qsizetype second = raw.indexOf(u'$', first + 1);
    return second < 0 ? raw.mid(first + 1) : raw.mid(first + 1, second - first - 1);
}

bool WordToken::isKeyWord() const {
    const qsizetype first = raw.indexOf(u'$');
    const qsizetype second = first < 0 ? -1 : raw.indexOf(u'$', first + 1);
    return second >= 0 && second + 1 < raw.size() && raw.at(second + 1) == QChar(kKeyWordMarker);
}

WordToken WordToken::toggledKeyWord() const {
    const qsizetype first = raw.indexOf(u'$');
    const qsizetype second = first < 0 ? -1 : raw.indexOf(u'$', first + 1);
    if (second < 0)
        return *this; // not a word with a LookupForm: nothing to mark
    QString text = raw;
    if (isKeyWord()) {
        // A marker doubled by another tool goes too, so the word is no longer a key word.
        qsizetype end = second + 1;
        while (end < text.size() && text.at(end) == QChar(kKeyWordMarker))
            ++end;
        text.remove(second + 1, end - second - 1);
    } else {
        text.insert(second + 1, QChar(kKeyWordMarker));
    }
    return WordToken{text};
}

QString SentenceRecord::field(int index) const {
    if (index < 0)
        return QString();
    const qsizetype start = index == 0 ? 0 : nthPosition(raw, u'#', index);
    if (start < 0)
        return QString();
    const qsizetype from = index == 0 ? 0 : start + 1;
    const qsizetype end = raw.indexOf(u'#', from);
    return end < 0 ? raw.mid(from) : raw.mid(from, end - from);
}

bool SentenceRecord::isWellFormed() const {
    return raw.count(u'#') >= kFieldCount;
}

QList<WordToken> SentenceRecord::tokens() const {
    const QString english = field(English);
    const QList<qsizetype> carets = positionsOf(english, u'^');
    QList<WordToken> result;
    for (qsizetype k = 0; k + 1 < carets.size(); ++k)
        result.append(WordToken{english.mid(carets[k] + 1, carets[k + 1] - carets[k] - 1)});
    return result;
}

QString SentenceRecord::displayEnglish() const {
    QString text;
    for (const WordToken& token : tokens())
        text += token.display();
    return text;
}

double SentenceRecord::startSeconds() const {
    return parseLenientNumber(field(Start));
}

double SentenceRecord::endSeconds() const {
    return parseLenientNumber(field(End));
}

QString SentenceRecord::note() const {
    return field(Note).trimmed();
}

bool SentenceRecord::dictationDone() const {
    return field(DictationDone) == u"1";
}

SentenceRecord SentenceRecord::withNoteAndFlag(const QString& note, const QString& flag) const {
    const QString text = padded(raw);
    const qsizetype fourth = nthPosition(text, u'#', 4);
    const qsizetype sixth = nthPosition(text, u'#', 6);
    return SentenceRecord{text.left(fourth + 1) + LessonText::cleanField(note) + u'#' +
                          LessonText::cleanField(flag) + text.mid(sixth)};
}

SentenceRecord SentenceRecord::withNote(const QString& note) const {
    return withNoteAndFlag(note, field(DictationDone));
}

SentenceRecord SentenceRecord::withDictationDone(bool done) const {
    return withNoteAndFlag(field(Note), done ? QStringLiteral("1") : QString());
}

SentenceRecord SentenceRecord::withKeyWordToggled(int tokenIndex) const {
    const qsizetype englishEnd = raw.indexOf(u'#');
    const QStringView english =
        englishEnd < 0 ? QStringView(raw) : QStringView(raw).left(englishEnd);
    const QList<qsizetype> carets = positionsOf(english, u'^');
    if (tokenIndex < 0 || tokenIndex + 1 >= carets.size())
        return *this;
    const qsizetype from = carets[tokenIndex] + 1;
    const qsizetype length = carets[tokenIndex + 1] - from;
    const WordToken token{raw.mid(from, length)};
    const WordToken toggled = token.toggledKeyWord();
    if (toggled.raw == token.raw)
        return *this;
    QString text = raw;
    text.replace(from, length, toggled.raw);
    return SentenceRecord{text};
}

namespace LessonText {

QList<SentenceRecord> split(const QString& text) {
    const QList<qsizetype> stars = positionsOf(text, u'*');
    QList<SentenceRecord> records;
    for (qsizetype k = 0; k + 1 < stars.size(); ++k)
        records.append(SentenceRecord{text.mid(stars[k] + 1, stars[k + 1] - stars[k] - 1)});
    return records;
}

QString rebuild(const QList<SentenceRecord>& records) {
    QString text = QStringLiteral("*");
    for (const SentenceRecord& record : records)
        text += record.raw + u'*';
    return text;
}

Frame frameOf(const QString& text) {
    const qsizetype first = text.indexOf(u'*');
    if (first < 0) {
        return {text, QString()};
    }
    return {text.left(first), text.mid(text.lastIndexOf(u'*') + 1)};
}

QString rebuild(const QList<SentenceRecord>& records, const Frame& frame) {
    return frame.before + rebuild(records) + frame.after;
}

int sentenceCount(const QString& text) {
    const auto stars = text.count(u'*');
    return stars > 0 ? static_cast<int>(stars - 1) : 0;
}

int keyWordCount(const QString& text) {
    return static_cast<int>(text.count(QChar(kKeyWordMarker)));
}

int dictatedCount(const QList<SentenceRecord>& records) {
    int count = 0;
    for (const SentenceRecord& record : records)
        count += record.dictationDone() ? 1 : 0;
    return count;
}

QString cleanField(const QString& text) {
    QString clean = text;
    clean.replace(u'*', QChar(u'\uFF0A'));
    clean.replace(u'#', QChar(u'\uFF03'));
    clean.replace(u'^', QChar(u'\uFF3E'));
    clean.replace(u'$', QChar(u'\uFF04'));
    return clean;
}

} // namespace LessonText

} // namespace common
