#include "common/LessonText.h"
#include "common/TextFile.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using common::SentenceRecord;
using common::WordToken;
namespace LessonText = common::LessonText;

namespace {

const QString kExample =
    QStringLiteral("*^How$how$◆^ ^are$are$^ ^you$you$^?^#你好吗？#12.5#14.2#问候语#1#*"
                   "^Fine$fine$^.^#很好。#14.9#16###*");

QStringList raws(const QList<WordToken>& tokens) {
    QStringList result;
    for (const WordToken& token : tokens)
        result << token.raw;
    return result;
}

} // namespace

TEST(LessonText, SentenceCountIsTheNumberOfStarsMinusOne) {
    const struct {
        const char* text;
        int count;
    } cases[] = {
        {"*A*", 1},           {"**", 1}, {"*", 0}, {"", 0}, {"*a*b*", 2}, {"*a*b*c*", 3},
        {"*a*b*trailing", 2}, // text after the last "*" is no record
        {"lead*a*", 1},       // nor is text before the first
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(LessonText::sentenceCount(text), c.count);
        EXPECT_EQ(LessonText::split(text).size(), c.count);
    }
    EXPECT_EQ(LessonText::split("**").value(0).raw, "");
    EXPECT_EQ(LessonText::split("*A*").value(0).raw, "A");
    EXPECT_EQ(LessonText::split("lead*a*b*trailing").value(1).raw, "b");
}

TEST(LessonText, ReadsTheFieldsOfWellFormedRecords) {
    const QList<SentenceRecord> records = LessonText::split(kExample);
    ASSERT_EQ(records.size(), 2);
    const SentenceRecord& first = records[0];
    EXPECT_TRUE(first.isWellFormed());
    EXPECT_EQ(first.displayEnglish(), "How are you?");
    EXPECT_EQ(first.chinese(), "你好吗？");
    EXPECT_DOUBLE_EQ(first.startSeconds(), 12.5);
    EXPECT_DOUBLE_EQ(first.endSeconds(), 14.2);
    EXPECT_EQ(first.note(), "问候语");
    EXPECT_TRUE(first.dictationDone());
    const QList<WordToken> tokens = first.tokens();
    EXPECT_EQ(raws(tokens), QStringList({"How$how$◆", " ", "are$are$", " ", "you$you$", "?"}));
    EXPECT_TRUE(tokens[0].isKeyWord());
    EXPECT_EQ(tokens[0].lookupForm(), "how");
    EXPECT_FALSE(tokens[2].isKeyWord());

    const SentenceRecord& second = records[1];
    EXPECT_EQ(second.displayEnglish(), "Fine.");
    EXPECT_DOUBLE_EQ(second.endSeconds(), 16);
    EXPECT_EQ(second.note(), "");
    EXPECT_FALSE(second.dictationDone());

    EXPECT_EQ(LessonText::keyWordCount(kExample), 1);
    EXPECT_EQ(LessonText::dictatedCount(records), 1);
}

TEST(LessonText, TokensOfAnEnglishField) {
    const SentenceRecord record{QStringLiteral("^Hi$hi$^!^#嗨#0#1###")};
    EXPECT_EQ(record.displayEnglish(), "Hi!");
    const QList<WordToken> tokens = record.tokens();
    ASSERT_EQ(tokens.size(), 2);
    EXPECT_TRUE(tokens[0].isWord());
    EXPECT_EQ(tokens[0].display(), "Hi");
    EXPECT_EQ(tokens[0].lookupForm(), "hi");
    EXPECT_FALSE(tokens[0].isKeyWord());
    EXPECT_FALSE(tokens[1].isWord());
    EXPECT_EQ(tokens[1].display(), "!");
    EXPECT_EQ(tokens[1].lookupForm(), "");
}

TEST(LessonText, KeyWordToggleInsertsAndRemovesTheMarkerInPlace) {
    EXPECT_EQ(WordToken{"Hi$hi$"}.toggledKeyWord().raw, "Hi$hi$◆");
    EXPECT_EQ(WordToken{"Hi$hi$◆"}.toggledKeyWord().raw, "Hi$hi$");
    EXPECT_EQ(WordToken{"!"}.toggledKeyWord().raw, "!");         // plain token
    EXPECT_EQ(WordToken{"Hi$hi"}.toggledKeyWord().raw, "Hi$hi"); // no second "$"
    // A marker doubled by another tool: one click unmarks the word (found by fuzzing).
    EXPECT_EQ(WordToken{"Hi$hi$◆◆x"}.toggledKeyWord().raw, "Hi$hi$x");

    const SentenceRecord record{QStringLiteral("^Hi$hi$^!^#嗨#0#1#note#1#tail")};
    const SentenceRecord marked = record.withKeyWordToggled(0);
    EXPECT_EQ(marked.raw, "^Hi$hi$◆^!^#嗨#0#1#note#1#tail");
    EXPECT_EQ(marked.withKeyWordToggled(0).raw, record.raw);
    EXPECT_EQ(record.withKeyWordToggled(1).raw, record.raw); // "!" is not a word
    EXPECT_EQ(record.withKeyWordToggled(2).raw, record.raw); // no such token
    EXPECT_EQ(record.withKeyWordToggled(-1).raw, record.raw);
}

TEST(LessonText, NoteAndFlagReplacementKeepsTheRestOfTheRecord) {
    const SentenceRecord record{QStringLiteral("^a$a$^#甲#1#2#old#1#after#sixth")};
    const SentenceRecord noted = record.withNote("  新的 note ");
    EXPECT_EQ(noted.raw, "^a$a$^#甲#1#2#  新的 note #1#after#sixth");
    EXPECT_EQ(noted.note(), "新的 note");
    EXPECT_TRUE(noted.dictationDone());

    EXPECT_EQ(record.withDictationDone(false).raw, "^a$a$^#甲#1#2#old##after#sixth");
    EXPECT_EQ(record.withNoteAndFlag("", "1").raw, "^a$a$^#甲#1#2##1#after#sixth");
    EXPECT_EQ(SentenceRecord{"^a$a$^#甲#1#2#old##"}.withDictationDone(true).raw,
              "^a$a$^#甲#1#2#old#1#");
}

TEST(LessonText, SeparatorsTypedIntoANoteCannotBreakTheFile) {
    const QString lesson = QStringLiteral("*^a$a$^#甲#1#2###*^b$b$^#乙#2#3###*");
    QList<SentenceRecord> records = LessonText::split(lesson);
    records[0] = records[0].withNote("a*b#c^d$e");
    const QString rebuilt = LessonText::rebuild(records);
    const QList<SentenceRecord> reread = LessonText::split(rebuilt);
    ASSERT_EQ(reread.size(), 2);
    EXPECT_EQ(reread[0].note(), "a＊b＃c＾d＄e");
    EXPECT_FALSE(reread[0].dictationDone());
    EXPECT_EQ(reread[1].raw, "^b$b$^#乙#2#3###");
    EXPECT_TRUE(common::TextFile::encode(rebuilt).has_value());
}

TEST(LessonText, RebuildRestoresTheText) {
    EXPECT_EQ(LessonText::rebuild(LessonText::split(kExample)), kExample);
    EXPECT_EQ(LessonText::rebuild(LessonText::split("**")), "**");
    EXPECT_EQ(LessonText::rebuild({}), "*");
    EXPECT_EQ(LessonText::sentenceCount(LessonText::rebuild({})), 0);
    // Text outside the records is not kept.
    EXPECT_EQ(LessonText::rebuild(LessonText::split("x*a*b*\r\n")), "*a*b*");
}

TEST(LessonText, MalformedRecordsReadWhatIsThereAndAreRepairedOnRewrite) {
    const struct {
        const char* raw;
        const char* english;
        const char* chinese;
        double start;
        double end;
        const char* note;
    } cases[] = {
        {"", "", "", 0, 0, ""},
        {"Hi", "Hi", "", 0, 0, ""},
        {"^Hi$hi$^#你好", "^Hi$hi$^", "你好", 0, 0, ""},
        {"^Hi$hi$^#你好#3.5", "^Hi$hi$^", "你好", 3.5, 0, ""},
        {"^Hi$hi$^#你好#3.5#x4#", "^Hi$hi$^", "你好", 3.5, 0, ""},
        {"^Hi$hi$^#你好#1#2# note", "^Hi$hi$^", "你好", 1, 2, "note"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        const SentenceRecord record{QString::fromUtf8(c.raw)};
        EXPECT_FALSE(record.isWellFormed());
        EXPECT_EQ(record.field(SentenceRecord::English), QString::fromUtf8(c.english));
        EXPECT_EQ(record.chinese(), QString::fromUtf8(c.chinese));
        EXPECT_DOUBLE_EQ(record.startSeconds(), c.start);
        EXPECT_DOUBLE_EQ(record.endSeconds(), c.end);
        EXPECT_EQ(record.note(), QString::fromUtf8(c.note));
        EXPECT_FALSE(record.dictationDone());
        EXPECT_EQ(record.field(9), "");
        EXPECT_EQ(record.field(-1), "");

        const SentenceRecord repaired = record.withDictationDone(true);
        EXPECT_TRUE(repaired.isWellFormed());
        EXPECT_EQ(repaired.raw.count(u'#'), 6);
        EXPECT_TRUE(repaired.dictationDone());
        EXPECT_EQ(repaired.chinese(), record.chinese());
        EXPECT_EQ(repaired.note(), record.note());
    }
}

TEST(LessonTextFrame, TextOutsideTheRecordsIsKeptWhenTheLessonIsRebuilt) {
    for (const QString& text :
         {QStringLiteral("*^A^#甲#1#2###*"), QStringLiteral("lead*^A^#甲*tail^#"),
          QStringLiteral("*"), QStringLiteral("x*y")}) {
        const QList<common::SentenceRecord> records = common::LessonText::split(text);
        EXPECT_EQ(common::LessonText::rebuild(records, common::LessonText::frameOf(text)), text);
    }
    const common::LessonText::Frame frame = common::LessonText::frameOf("lead*^A^#甲*tail^#");
    EXPECT_EQ(frame.before, "lead");
    EXPECT_EQ(frame.after, "tail^#");
}
