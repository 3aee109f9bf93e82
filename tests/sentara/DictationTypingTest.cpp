#include "DictationRig.h"

#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::DictationView;

namespace {

// The blanks still hidden, as word numbers.
QList<int> hiddenWords(const DictationView& v) {
    QList<int> hidden;
    for (int k = 1; k <= v.words.size(); ++k) {
        if (v.words.at(k - 1).hidden) {
            hidden << k;
        }
    }
    return hidden;
}

TEST(DictationTyping, AWordIsSubmittedByItsEndKeyOnlyOnceTheBoxHoldsAsMuchAsTheWord) {
    // One sentence whose tokens are "Hello" " " "you?" " " "you" "." (word 1, 3 and 5 are blanks).
    const struct {
        const char* keys;
        int blankAfter;  // the blank the box lies over afterwards
        const char* box; // what the box holds afterwards
        bool selected;
        int score;
        const char* sound; // the last interface sound
    } cases[] = {
        {"Hello ", 3, "", false, 100, "type.wav"},            // case ignored; the space submits
        {"hello!", 3, "", false, 100, "type.wav"},            // any of the five end keys
        {"Hello you?", 3, "you?", false, 100, "type.wav"},    // "you?" minus one is short of "you?"
        {"Hello you? ", 5, "", false, 100, "type.wav"},       // the token's own "?" belongs to it
        {"Hello, you? ", 5, "", false, 100, "type.wav"},      // the blank after "," is no answer
        {"Hello you? you?", 0, "", false, 100, "type.wav"},   // "you" + "?" submits "you"
        {"Hello you? yo ", 5, "yo ", false, 100, "type.wav"}, // too short: an ordinary character
        {"Hello yuo? ", 3, "yuo?", true, 97, "wrong.wav"},    // wrong: selected, 3 points
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        DictationRig rig;
        rig.lesson(kFirst, 1,
                   {sen(QStringLiteral("^Hello$hello$^ ^you?^ ^you$you$^.^"),
                        QStringLiteral("你好"), 1, 2),
                    sen(QStringLiteral("Fine."), QStringLiteral("好"), 3, 4)});
        rig.start();
        DictationBox box = rig.box();
        box.type(QString::fromUtf8(c.keys));
        const DictationView v = rig.test().view();
        if (c.blankAfter == 0) {
            EXPECT_EQ(rig.session->CurrentSentence(), 2) << "the sentence was passed";
            continue;
        }
        EXPECT_EQ(v.currentBlank, c.blankAfter);
        EXPECT_EQ(box.text, QString::fromUtf8(c.box));
        EXPECT_EQ(box.selected, c.selected);
        EXPECT_EQ(v.score, c.score);
        EXPECT_EQ(v.wrongCount, c.score == 100 ? 0 : 1);
        EXPECT_EQ(rig.sounds.playedNames().value(rig.sounds.playedNames().size() - 1),
                  QString::fromUtf8(c.sound));
    }
}

TEST(DictationTyping, AWrongWordIsReplacedByTheNextKeyAndARightOneRevealsItsBlank) {
    DictationRig rig;
    rig.start();
    DictationBox box = rig.box();
    EXPECT_EQ(hiddenWords(rig.test().view()), (QList<int>{1, 3, 5}));
    EXPECT_EQ(rig.test().view().currentBlank, 1);

    box.type(QStringLiteral("Who "));
    EXPECT_TRUE(box.selected);
    box.type(QStringLiteral("h"));
    EXPECT_EQ(box.text, QStringLiteral("h")) << "the selected word is emptied before the key";
    box.type(QStringLiteral("ow "));
    const DictationView v = rig.test().view();
    EXPECT_EQ(hiddenWords(v), (QList<int>{3, 5}));
    EXPECT_EQ(v.currentBlank, 3);
    EXPECT_TRUE(box.text.isEmpty());
    EXPECT_EQ(v.score, 97);
    EXPECT_EQ(rig.sounds.playedNames().count(QStringLiteral("wrong.wav")), 1);
}

TEST(DictationTyping, HintsCostOnEveryUseAndFillTheCardOfTheCurrentBlank) {
    DictationRig rig;
    sentara::SentaraSession& s = rig.start();
    sentara::DictationTest& test = rig.test();
    DictationBox box = rig.box();
    box.type(QStringLiteral("how "));

    EXPECT_TRUE(s.KeyDown(sentara::ShortcutKey::F5)); // "are": its meaning
    DictationView v = test.view();
    EXPECT_TRUE(v.card.visible);
    EXPECT_EQ(v.card.anchorWord, 3);
    EXPECT_EQ(v.card.meaning, QStringLiteral("v. 是"));
    EXPECT_TRUE(s.KeyDown(sentara::ShortcutKey::F5)); // its first letter
    EXPECT_EQ(test.view().card.firstLetter, QStringLiteral("a"));
    EXPECT_TRUE(s.KeyDown(sentara::ShortcutKey::F6)); // everything at once
    v = test.view();
    EXPECT_EQ(v.card.word, QStringLiteral("are"));
    EXPECT_EQ(v.nextCueCount, 2);
    EXPECT_EQ(v.wordCueCount, 1);
    EXPECT_EQ(v.score, 100 - 1 - 1 - 5);
    EXPECT_TRUE(hiddenWords(v).contains(3)) << "the hints never type the word for the learner";
    EXPECT_TRUE(s.KeyDown(sentara::ShortcutKey::F6)); // paid again
    EXPECT_EQ(test.view().score, 88);
    EXPECT_EQ(test.view().card.word, QStringLiteral("are")) << "the direct hint always shows all";

    box.type(QStringLiteral("are "));
    EXPECT_FALSE(test.view().card.visible) << "a submitted word closes the card";

    s.TabImage_Click(2);
    EXPECT_FALSE(s.KeyDown(sentara::ShortcutKey::F5)) << "F5 outside mode 4 does nothing";
    EXPECT_EQ(test.view().score, 88);
}

TEST(DictationTyping, RestartHidesTheTypedWordsAgainButKeepsScoreAndCounters) {
    DictationRig rig;
    sentara::SentaraSession& s = rig.start();
    DictationBox box = rig.box();
    box.type(QStringLiteral("How ar! "));
    s.KeyDown(sentara::ShortcutKey::F5);
    box.type(QStringLiteral("e"));
    ASSERT_EQ(rig.test().view().score, 96);

    EXPECT_TRUE(s.KeyDown(sentara::ShortcutKey::F12));
    box.sync();
    const DictationView v = rig.test().view();
    EXPECT_EQ(hiddenWords(v), (QList<int>{1, 3, 5}));
    EXPECT_EQ(v.currentBlank, 1);
    EXPECT_TRUE(v.inputVisible);
    EXPECT_TRUE(box.text.isEmpty());
    EXPECT_FALSE(v.card.visible);
    EXPECT_EQ(v.score, 96);
    EXPECT_EQ(v.wrongCount, 1);
    EXPECT_EQ(v.nextCueCount, 1);
}

TEST(DictationTyping, TheFourNavigationCommandsGiveTheFocusBackToTheBox) {
    DictationRig rig;
    sentara::SentaraSession& s = rig.start();
    rig.clock.advance(5000); // the start-up's focus and first play are over
    QList<sentara::FocusTarget> focus;
    QObject::connect(&s, &sentara::SentaraSession::focusRequested,
                     [&](sentara::FocusTarget t) { focus << t; });
    sentara::DictationTest& test = rig.test();
    test.nextSentence();
    EXPECT_EQ(s.CurrentSentence(), 2);
    test.nextSentence(); // disabled on the last sentence: stays, the focus still returns
    test.previousSentence();
    test.firstSentence();
    rig.clock.advance(5000);
    const auto plays = rig.playLog().filter(QStringLiteral(" play")).size();
    test.playSentence();
    EXPECT_EQ(s.CurrentSentence(), 1);
    EXPECT_EQ(rig.playLog().filter(QStringLiteral(" play")).size(), plays + 1);
    EXPECT_EQ(focus.count(sentara::FocusTarget::DictationInput), 5);
}

} // namespace
