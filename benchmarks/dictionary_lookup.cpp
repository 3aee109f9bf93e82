// Word look-up in a 60,000-entry dictionary: through the index built at load, and by the plain
// scan of the whole text that the index replaces. Both look up the same words in turn (headwords
// spread over the whole dictionary, in other letter case, and a few absent words).
#include "common/WordDictionary.h"
#include "support/GeneratedDictionary.h"

#include <benchmark/benchmark.h>

namespace {

struct Setup {
    support::GeneratedDictionary generated = support::GeneratedDictionary::make(60000);
    common::WordDictionary dictionary{generated.text};
    QStringList words;

    Setup() {
        for (qsizetype i = 0; i < generated.headwords.size(); i += 61)
            words << generated.headwords.at(i).toUpper();
        words << support::GeneratedDictionary::absentWords(words.size() / 50);
    }
};

const Setup& setup() {
    static const Setup instance;
    return instance;
}

void lookUp(benchmark::State& state, bool indexed) {
    const Setup& s = setup();
    qsizetype next = 0;
    for (auto _ : state) {
        const QString& word = s.words.at(next);
        next = (next + 1) % s.words.size();
        const auto entry = indexed ? s.dictionary.find(word) : s.dictionary.findByScan(word);
        benchmark::DoNotOptimize(entry);
    }
    state.counters["words"] = double(s.words.size());
    state.counters["textChars"] = double(s.dictionary.text().size());
}

void BM_LookupIndexed(benchmark::State& state) {
    lookUp(state, true);
}

void BM_LookupScan(benchmark::State& state) {
    lookUp(state, false);
}

void BM_BuildIndex(benchmark::State& state) {
    const Setup& s = setup();
    for (auto _ : state) {
        common::WordDictionary dictionary(s.generated.text);
        benchmark::DoNotOptimize(dictionary.size());
    }
}

} // namespace

BENCHMARK(BM_LookupIndexed);
BENCHMARK(BM_LookupScan);
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond);
