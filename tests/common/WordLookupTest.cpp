#include "common/WordLookup.h"

#include <gtest/gtest.h>

using common::WordDictionary;
namespace WordLookup = common::WordLookup;

namespace {

const WordDictionary& dictionary() {
    static const WordDictionary d(
        QStringLiteral("$make[meik]v. 做$run[rʌn]v. 跑$happy['hæpi]adj. 快乐的$big[big]adj. 大的"
                       "$late[leit]adj. 晚的$box[bɔks]n. 盒子$city['siti]n. 城市$like[laik]v. 喜欢"
                       "$study['stʌdi]v. 学习$stop[stɔp]v. 停止$bus[bʌs]n. 公共汽车$cry[krai]v. 哭"
                       "$Bu[bu]n. 不该被找到"));
    return d;
}

TEST(WordLookup, InflectedFormsFallBackToTheirBaseForm) {
    const QList<std::pair<const char*, const char*>> cases{
        {"making", "make"}, {"running", "run"},    {"happier", "happy"}, {"bigger", "big"},
        {"latest", "late"}, {"happiest", "happy"}, {"boxes", "box"},     {"cities", "city"},
        {"liked", "like"},  {"studied", "study"},  {"stopped", "stop"},  {"cries", "cry"},
        {"bus", "bus"},     {"Make", "make"},
    };
    for (const auto& [word, headword] : cases) {
        const auto found = WordLookup::lookUp(dictionary(), QString::fromUtf8(word));
        ASSERT_TRUE(found.has_value()) << word;
        EXPECT_EQ(found->entry.headword, QString::fromUtf8(headword)) << word;
    }
}

TEST(WordLookup, CandidatesFollowTheEndingInOrder) {
    EXPECT_EQ(WordLookup::baseFormCandidates(QStringLiteral("cries")),
              (QStringList{"crie", "cri", "cry"}));
    EXPECT_EQ(WordLookup::baseFormCandidates(QStringLiteral("bigger")),
              (QStringList{"bigg", "bigge", "bigy", "big"}));
    // Too short for some candidates: none of them is empty.
    EXPECT_EQ(WordLookup::baseFormCandidates(QStringLiteral("is")), (QStringList{"i"}));
    EXPECT_TRUE(WordLookup::baseFormCandidates(QStringLiteral("s")).isEmpty());
    EXPECT_TRUE(WordLookup::baseFormCandidates(QStringLiteral("go")).isEmpty());
}

TEST(WordLookup, WordsInCapitalsAndUnknownWordsAreNotFound) {
    // The ending rules compare as written: "MAKING" ends in no known ending.
    EXPECT_FALSE(WordLookup::lookUp(dictionary(), QStringLiteral("MAKING")).has_value());
    EXPECT_FALSE(WordLookup::lookUp(dictionary(), QStringLiteral("zebras")).has_value());
    EXPECT_FALSE(WordLookup::lookUp(dictionary(), QString()).has_value());
    // "bus" is an entry of its own: no rule is tried, so "Bu" is never reached.
    EXPECT_EQ(WordLookup::lookUp(dictionary(), QStringLiteral("bus"))->triedWord,
              QStringLiteral("bus"));
}

} // namespace
