// The word dictionary (lib.dll): loading builds an index; every look-up through the index must
// give the entry the plain scan over the text gives.
#include "FuzzCheck.h"

#include "common/TextCodec.h"
#include "common/WordDictionary.h"

using namespace common;

namespace {

bool sameEntry(const std::optional<DictionaryEntry>& a, const std::optional<DictionaryEntry>& b) {
    if (a.has_value() != b.has_value()) {
        return false;
    }
    return !a ||
           (a->headword == b->headword && a->phonetic == b->phonetic && a->meaning == b->meaning);
}

// The look-up of one word. The look-up with the base-form fall-backs joins here: its answer
// through the index must equal its answer through the scan.
void checkLookUp(const WordDictionary& dictionary, const QString& word) {
    const std::optional<DictionaryEntry> found = dictionary.find(word);
    FUZZ_CHECK(sameEntry(found, dictionary.findByScan(word)));
    // A word holding a separator cannot be a headword; any other word finds its own entry.
    if (found && !word.contains(u'$') && !word.contains(u'[')) {
        FUZZ_CHECK(found->headword.compare(word, Qt::CaseInsensitive) == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = TextCodec::decode(fuzz::bytesOf(data, size)).text;
    const WordDictionary dictionary(text);
    // The first headwords of the text, in other letter cases too, and pieces of the text that
    // are not headwords.
    int checked = 0;
    for (qsizetype dollar = text.indexOf(u'$'); dollar >= 0 && checked < 12;
         dollar = text.indexOf(u'$', dollar + 1), ++checked) {
        const qsizetype bracket = text.indexOf(u'[', dollar + 1);
        const QString headword =
            text.mid(dollar + 1, bracket < 0 ? 8 : std::min<qsizetype>(bracket - dollar - 1, 64));
        checkLookUp(dictionary, headword);
        checkLookUp(dictionary, checked % 2 ? headword.toUpper() : headword.toLower());
        checkLookUp(dictionary, headword.left(headword.size() / 2));
    }
    checkLookUp(dictionary, QString());
    checkLookUp(dictionary, text.left(6));
    return 0;
}
