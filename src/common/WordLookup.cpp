#include "common/WordLookup.h"

namespace common::WordLookup {

namespace {

struct Rule {
    const char16_t* ending;
    // Each candidate: how many characters to drop, and what to append.
    QList<std::pair<int, const char16_t*>> candidates;
};

const QList<Rule>& rules() {
    static const QList<Rule> table{
        {u"ing", {{3, u""}, {3, u"e"}, {4, u""}}},
        {u"er", {{2, u""}, {2, u"e"}, {3, u"y"}, {3, u""}}},
        {u"est", {{3, u""}, {2, u""}, {4, u"y"}}},
        {u"s", {{1, u""}, {2, u""}, {3, u"y"}}},
        {u"ed", {{2, u""}, {2, u"e"}, {3, u"y"}, {3, u""}}},
    };
    return table;
}

} // namespace

QStringList baseFormCandidates(const QString& word) {
    QStringList result;
    for (const Rule& rule : rules()) {
        if (!word.endsWith(QStringView(rule.ending), Qt::CaseSensitive)) {
            continue;
        }
        for (const auto& [drop, append] : rule.candidates) {
            if (drop >= word.size()) {
                continue;
            }
            result << word.left(word.size() - drop) + QString::fromUtf16(append);
        }
        break; // the endings exclude each other: only the first that matches is tried
    }
    return result;
}

std::optional<Found> lookUp(const WordDictionary& dictionary, const QString& word) {
    if (word.isEmpty()) {
        return std::nullopt;
    }
    if (std::optional<DictionaryEntry> entry = dictionary.find(word)) {
        return Found{*entry, word};
    }
    for (const QString& candidate : baseFormCandidates(word)) {
        if (std::optional<DictionaryEntry> entry = dictionary.find(candidate)) {
            return Found{*entry, candidate};
        }
    }
    return std::nullopt;
}

} // namespace common::WordLookup
