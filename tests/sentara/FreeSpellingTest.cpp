#include "DictationRig.h"

#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::FreeSpelling;
using sentara::FreeSpellingView;
using sentara::SentaraSession;
using sentara::StudySettings;

namespace {

// Lesson 1: "Hello, world." then "Good night." in free spelling (mode 7).
struct SpellingRig : DictationRig {
    SpellingRig() {
        lesson(kFirst, 1,
               {sen(QStringLiteral("Hello, world."), QStringLiteral("你好，世界。"), 1, 2),
                sen(QStringLiteral("Good night."), QStringLiteral("晚安。"), 3, 4)});
        StudySettings s = settingsAt(2, 1, 7);
        s.writeMode = 1;
        settings(s);
    }
    FreeSpelling& spelling() { return session->freeSpelling(); }
    // The learner types `text` into the box and presses Enter.
    void enter(const QString& text) {
        spelling().editText(text);
        spelling().keyTyped(true);
    }
};

TEST(FreeSpelling, EnterComparesOnlyTheLettersAndMarksTheFirstWrongOne) {
    const struct {
        const char* typed;
        bool right;
        int selectionStart; // the first wrong letter, or the caret at the end (length 0)
        int selectionLength;
    } cases[] = {
        {"hello, world", true, 12, 0},      {"Hello world!!", true, 13, 0},
        {"Helo world", false, 3, 1},    // the "o" at position 4
        {"Hello wor", false, 9, 0},     // right so far but unfinished: the caret at the end
        {"Hello worldz", false, 11, 1}, // a letter past the sentence's last one
        {"12 Hello, wor-ld.", true, 17, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        SpellingRig rig;
        SentaraSession& s = rig.start();
        rig.enter(QString::fromUtf8(c.typed));
        const FreeSpellingView v = rig.spelling().view();
        EXPECT_EQ(s.CurrentSentence(), c.right ? 2 : 1);
        EXPECT_EQ(rig.sounds.playedNames().contains(QStringLiteral("wrong.wav")), !c.right);
        if (c.right) {
            EXPECT_TRUE(v.inputText.isEmpty()) << "the box is emptied for the next sentence";
        } else {
            EXPECT_EQ(v.inputText, QString::fromUtf8(c.typed));
            EXPECT_EQ(v.selectionStart, c.selectionStart);
            EXPECT_EQ(v.selectionLength, c.selectionLength);
        }
    }
    EXPECT_EQ(FreeSpelling::firstWrongLetter(QStringLiteral("Helo world"),
                                             QStringLiteral("Hello, world.")),
              4);
}

TEST(FreeSpelling, TheLinesFollowTheirSwitchesAndCluesShowThemForTheMomentOnly) {
    SpellingRig rig;
    SentaraSession& s = rig.start();
    FreeSpelling& spelling = rig.spelling();
    FreeSpellingView v = spelling.view();
    EXPECT_EQ(v.englishLine, QStringLiteral("_____, _____."));
    EXPECT_EQ(v.chineseLine, QStringLiteral("你好，世界。"));

    // The English cue: the whole line, one cue, 10 points; the next key masks it again.
    EXPECT_TRUE(s.KeyDown(sentara::ShortcutKey::F8));
    v = spelling.view();
    EXPECT_EQ(v.englishLine, QStringLiteral("Hello, world."));
    EXPECT_EQ(v.englishCues, 1);
    EXPECT_EQ(v.score, 90);
    spelling.keyTyped(false);
    EXPECT_EQ(spelling.view().englishLine, QStringLiteral("_____, _____."));
    EXPECT_EQ(rig.sounds.playedNames().back(), QStringLiteral("type.wav"));

    // Clicks on the lines show and hide them now; the switches stay as they were.
    spelling.clickChineseLine();
    EXPECT_EQ(spelling.view().chineseLine, QStringLiteral("已关闭"));
    EXPECT_TRUE(s.KeyDown(sentara::ShortcutKey::F9));
    EXPECT_EQ(spelling.view().chineseLine, QStringLiteral("你好，世界。"));
    spelling.clickEnglishLine();
    EXPECT_EQ(spelling.view().englishLine, QStringLiteral("Hello, world."));
    spelling.clickEnglishLine();
    EXPECT_EQ(spelling.view().englishLine, QStringLiteral("_____, _____."));
    EXPECT_EQ(s.settings().writeEnglishCheck, 0);
    EXPECT_EQ(s.settings().writeChineseCheck, 1);

    // With its switch on the English stays through any key and every sentence.
    spelling.toggleEnglish();
    spelling.keyTyped(false);
    EXPECT_EQ(spelling.view().englishLine, QStringLiteral("Hello, world."));
    EXPECT_EQ(spelling.view().englishTogglePicture, QStringLiteral("check_1.jpg"));
    spelling.nextSentence();
    v = spelling.view();
    EXPECT_EQ(v.englishLine, QStringLiteral("Good night."));
    EXPECT_EQ(v.englishCues, 0);
    EXPECT_EQ(v.score, 100);
    EXPECT_FALSE(s.KeyDown(sentara::ShortcutKey::F5)) << "F5 belongs to the dictation test";
}

} // namespace
