#include "common/WordDictionary.h"
#include "support/CourseBuilder.h"
#include "support/GeneratedDictionary.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using common::DictionaryEntry;
using common::WordDictionary;

namespace {

// "headword|phonetic|meaning", or "-" when not found.
QString describe(const std::optional<DictionaryEntry>& entry) {
    if (!entry)
        return QStringLiteral("-");
    return entry->headword + u'|' + entry->phonetic + u'|' + entry->meaning;
}

const QString kSmall =
    QStringLiteral("$bed[bed]n. 床$be[bi:]v. 是$Bee[bi:]n. 蜜蜂$run[rVn]v. 跑"
                   "$Run[RUN]重复$box[bOks]n. 盒子$x$y[wai]无括号前$last[la:st]最后");

} // namespace

TEST(WordDictionary, FindsTheFirstWholeHeadwordIgnoringCase) {
    const WordDictionary dictionary(kSmall);
    const struct {
        const char* word;
        const char* expected;
    } cases[] = {
        {"Be", "be|bi:|v. 是"}, // case ignored, and never "$bed["
        {"BED", "bed|bed|n. 床"},
        {"bee", "Bee|bi:|n. 蜜蜂"},
        {"b", "-"},                  // a prefix of headwords is not a headword
        {"RUN", "run|rVn|v. 跑"},    // the first of two entries
        {"last", "last|la:st|最后"}, // the last entry ends at the end of the text
        {"y", "y|wai|无括号前"},
        {"x", "-"}, // "$x" has no "[" before the next "$"
        {"", "-"},
        {"bed[bed]n. 床$be", "bed|bed|n. 床"}, // a word with "[" and "$": the scan's answer
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        const QString word = QString::fromUtf8(c.word);
        EXPECT_EQ(describe(dictionary.find(word)), QString::fromUtf8(c.expected));
        EXPECT_EQ(describe(dictionary.findByScan(word)), QString::fromUtf8(c.expected));
    }
    EXPECT_TRUE(dictionary.contains("box"));
    EXPECT_EQ(dictionary.size(), 7); // bed be bee run box y last
}

TEST(WordDictionary, EntryWithoutClosingBracketOrMeaning) {
    const WordDictionary dictionary(QStringLiteral("$cat[k@t 猫$dog[dOg]$"));
    EXPECT_EQ(describe(dictionary.find("cat")), "cat|k@t 猫|");
    EXPECT_EQ(describe(dictionary.find("dog")), "dog|dOg|");
    EXPECT_EQ(describe(WordDictionary().find("cat")), "-");
}

TEST(WordDictionary, LoadsAGbkFile) {
    support::CourseBuilder course;
    course.dictionary(kSmall);
    QString error;
    const auto dictionary = WordDictionary::load(course.folder().dictionaryFile(), &error);
    ASSERT_TRUE(dictionary) << error.toStdString();
    EXPECT_EQ(describe(dictionary->find("box")), "box|bOks|n. 盒子");

    EXPECT_FALSE(WordDictionary::load(course.path("missing.dll"), &error));
    EXPECT_FALSE(error.isEmpty());
}

// Every headword of a 60,000-entry dictionary, with case variants and absent words, looked up
// through the index and by the scan. A scan costs a pass over the text, so the words are split
// into interleaved shards that run as separate tests.
class WordDictionaryAgreement : public ::testing::TestWithParam<int> {
protected:
    static constexpr int kShards = 4;

    static const support::GeneratedDictionary& generated() {
        static const auto dictionary = support::GeneratedDictionary::make(60000, 20261208, true);
        return dictionary;
    }
    static const WordDictionary& dictionary() {
        static const WordDictionary indexed(generated().text);
        return indexed;
    }
};

TEST_P(WordDictionaryAgreement, IndexAnswersLikeTheScan) {
    const QStringList& headwords = generated().headwords;
    ASSERT_EQ(headwords.size(), 60000);
    QStringList words;
    for (qsizetype i = GetParam(); i < headwords.size(); i += kShards)
        words << headwords.at(i);
    for (qsizetype i = GetParam(); i < headwords.size(); i += 97 * kShards) {
        const QString& word = headwords.at(i);
        QString swapped = word;
        for (QChar& c : swapped)
            c = c.isUpper() ? c.toLower() : c.toUpper();
        words << word.toUpper() << word.toLower() << swapped;
    }
    const QStringList absent = support::GeneratedDictionary::absentWords(50, GetParam());
    words << absent;
    int found = 0;
    for (const QString& word : std::as_const(words)) {
        const auto indexed = dictionary().find(word);
        ASSERT_EQ(describe(indexed), describe(dictionary().findByScan(word))) << word.toStdString();
        found += indexed ? 1 : 0;
    }
    EXPECT_EQ(found, words.size() - absent.size());
}

INSTANTIATE_TEST_SUITE_P(Shards, WordDictionaryAgreement, ::testing::Range(0, 4));
