#include "common/WordDictionary.h"

#include "common/TextFile.h"

namespace common {

WordDictionary::WordDictionary(QString text) : text_(std::move(text)) {
    // Each "$" starts an entry; its headword runs to the first "[" after it. The scan finds
    // "$" + word + "[" only where the headword equals the word (the word has neither "$" nor
    // "["), so the first entry of each case-folded headword gives the scan's answer.
    qsizetype dollar = text_.indexOf(u'$');
    while (dollar >= 0) {
        const qsizetype next = text_.indexOf(u'$', dollar + 1);
        const qsizetype bracket = text_.indexOf(u'[', dollar + 1);
        if (bracket >= 0 && (next < 0 || bracket < next)) {
            const QString key = text_.mid(dollar + 1, bracket - dollar - 1).toCaseFolded();
            if (!index_.contains(key))
                index_.insert(key, dollar);
        }
        dollar = next;
    }
}

std::optional<WordDictionary> WordDictionary::load(const QString& path, QString* error) {
    std::optional<QString> text = TextFile::read(path, error);
    if (!text)
        return std::nullopt;
    return WordDictionary(std::move(*text));
}

std::optional<DictionaryEntry> WordDictionary::find(const QString& word) const {
    if (word.contains(u'$') || word.contains(u'['))
        return findByScan(word);
    const auto it = index_.constFind(word.toCaseFolded());
    if (it == index_.constEnd())
        return std::nullopt;
    return entryAt(*it);
}

std::optional<DictionaryEntry> WordDictionary::findByScan(const QString& word) const {
    const QString key = u'$' + word + u'[';
    const qsizetype at = text_.indexOf(key, 0, Qt::CaseInsensitive);
    if (at < 0)
        return std::nullopt;
    return entryAt(at);
}

DictionaryEntry WordDictionary::entryAt(qsizetype dollar) const {
    const qsizetype next = text_.indexOf(u'$', dollar + 1);
    const QString entry =
        next < 0 ? text_.mid(dollar + 1) : text_.mid(dollar + 1, next - dollar - 1);
    DictionaryEntry result;
    const qsizetype open = entry.indexOf(u'[');
    if (open < 0) {
        result.headword = entry;
        return result;
    }
    result.headword = entry.left(open);
    const qsizetype close = entry.indexOf(u']', open + 1);
    if (close < 0) {
        result.phonetic = entry.mid(open + 1);
        return result;
    }
    result.phonetic = entry.mid(open + 1, close - open - 1);
    result.meaning = entry.mid(close + 1);
    return result;
}

} // namespace common
