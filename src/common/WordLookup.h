#pragma once

#include "common/WordDictionary.h"

#include <QStringList>
#include <optional>

namespace common {

// The dictionary look-up of a word as it stands in a sentence: the word itself, else the base
// forms its ending suggests, tried in order until the dictionary has one:
//   "ing": w-3, w-3+"e", w-4            (making -> make, running -> run)
//   "er":  w-2, w-2+"e", w-3+"y", w-3   (happier -> happy, bigger -> big)
//   "est": w-3, w-2, w-4+"y"            (latest -> late, happiest -> happy)
//   "s":   w-1, w-2, w-3+"y"            (boxes -> box, cities -> city, cries -> crie, cri, cry)
//   "ed":  w-2, w-2+"e", w-3+"y", w-3   (liked -> like, studied -> study, stopped -> stop)
// where w-k is the word without its last k characters. The endings are compared as written
// (a word in capitals matches none of them); the dictionary ignores letter case.
namespace WordLookup {

// The base forms to try after the word itself, in order (none that would be empty).
QStringList baseFormCandidates(const QString& word);

struct Found {
    DictionaryEntry entry;
    QString triedWord; // the word or the base form the dictionary had
};

std::optional<Found> lookUp(const WordDictionary& dictionary, const QString& word);

} // namespace WordLookup

} // namespace common
