#pragma once

#include <QHash>
#include <QString>
#include <optional>

namespace common {

struct DictionaryEntry {
    QString headword;
    QString phonetic;
    QString meaning;
};

// The word dictionary: a run of entries "$" headword "[" phonetic "]" meaning; an entry ends
// where the next "$" begins. The entry of a word is the one at the first case-insensitive
// occurrence of "$" + word + "[" in the text, so "$be[" never matches "$bed[". An index built
// once at load answers each look-up without scanning the text, with the same answers as the scan.
class WordDictionary {
public:
    WordDictionary() = default;
    explicit WordDictionary(QString text);

    static std::optional<WordDictionary> load(const QString& path, QString* error = nullptr);

    std::optional<DictionaryEntry> find(const QString& word) const;
    // The plain scan over the whole text; the reference the index must agree with.
    std::optional<DictionaryEntry> findByScan(const QString& word) const;
    bool contains(const QString& word) const { return find(word).has_value(); }

    int size() const { return index_.size(); }
    const QString& text() const { return text_; }

private:
    DictionaryEntry entryAt(qsizetype dollar) const;

    QString text_;
    QHash<QString, qsizetype> index_; // case-folded headword -> position of its first "$"
};

} // namespace common
