#pragma once

#include <QString>
#include <QStringList>

namespace support {

// A large word dictionary for look-up tests and benchmarks, the same for the same arguments:
// random lower-case headwords (some capitalised, some repeated with other letter case, some
// with accented letters, some prefixes of others: "be", "bed", "beds"), phonetics and Chinese
// meanings.
struct GeneratedDictionary {
    QString text;
    QStringList headwords; // in entry order, as written

    // Compact entries have a one-character phonetic and meaning: the same headwords in a
    // shorter text, for tests that scan it many times.
    static GeneratedDictionary make(int entries, quint32 seed = 20261208, bool compact = false);
    // Words that are not headwords of make()'s dictionary.
    static QStringList absentWords(int count, quint32 seed = 7);
};

} // namespace support
