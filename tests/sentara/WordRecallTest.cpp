#include "SentaraRig.h"

#include "sentara/modes/WordRecall.h"

#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::HintCardView;
using sentara::SentaraSession;
using sentara::WordRecall;

namespace {

// Tokens: I(1) " "(2) like(3) " "(4) apples(5) " "(6) and(7) " "(8) you(9) " "(10) like(11) "."(12)
struct RecallRig : Rig {
    RecallRig() {
        course.dictionary(QStringLiteral("$like[laik]v. 喜欢$apple['6pl]n. 苹果$you[ju:]pron. 你"));
        lesson(kFirst, 1,
               {sen(QStringLiteral("I like apples and you like."), QStringLiteral("我喜欢苹果。"),
                    1, 2),
                sen(QStringLiteral("You too."), QStringLiteral("你也是。"), 3, 4)});
        settings(settingsAt(2, 1, 8));
    }
    QString spoken() const {
        const support::SimulatedPlayer* word =
            engines.latest(support::SimulatedEngines::Role::Word);
        return word ? word->currentPath().section(u'/', -1) : QString();
    }
};

TEST(WordRecall, SixClicksClimbTheLadderAndStartItAgain) {
    RecallRig rig;
    SentaraSession& s = rig.start();
    WordRecall& recall = s.wordRecall();
    ASSERT_TRUE(recall.view().words[4].hidden);
    EXPECT_FALSE(recall.view().words[1].hidden) << "spaces are never hidden";

    recall.GiveNextHint(5); // apples
    HintCardView card = recall.view().card;
    EXPECT_TRUE(card.visible);
    EXPECT_EQ(card.anchorWord, 5);
    EXPECT_EQ(card.meaning, QStringLiteral("n. 苹果"));
    EXPECT_EQ(card.firstLetter, QStringLiteral("[提示]"));
    EXPECT_FALSE(s.view().wordPanel.visible) << "hints look words up without the word panel";

    recall.GiveNextHint(5);
    EXPECT_EQ(recall.view().card.firstLetter, QStringLiteral("a"));
    recall.GiveNextHint(5);
    EXPECT_EQ(recall.view().card.readAgain, QStringLiteral("点击复读"));
    rig.clock.advance(20);
    EXPECT_EQ(rig.spoken(), QStringLiteral("apple.wav"));
    recall.GiveNextHint(5);
    EXPECT_EQ(recall.view().card.phonetic, QStringLiteral("'6pl"));
    EXPECT_TRUE(recall.view().card.phoneticGiven);
    recall.GiveNextHint(5);
    EXPECT_FALSE(recall.view().words[4].hidden);
    EXPECT_EQ(recall.view().card.word, QStringLiteral("apples"));
    EXPECT_TRUE(recall.view().card.wordGiven);

    recall.GiveNextHint(5); // hidden again, with the meaning only
    card = recall.view().card;
    EXPECT_TRUE(recall.view().words[4].hidden);
    EXPECT_EQ(recall.hintCount(), 1);
    EXPECT_EQ(card.meaning, QStringLiteral("n. 苹果"));
    for (const QString& line : {card.firstLetter, card.readAgain, card.phonetic, card.word}) {
        EXPECT_EQ(line, QStringLiteral("[提示]"));
    }
    EXPECT_FALSE(card.phoneticGiven || card.wordGiven);
    recall.GiveNextHint(5);
    EXPECT_EQ(recall.view().card.firstLetter, QStringLiteral("a")) << "on with the second stage";
}

TEST(WordRecall, AnotherWordStartsItsOwnLadderAndTwoOccurrencesShareOne) {
    RecallRig rig;
    SentaraSession& s = rig.start();
    WordRecall& recall = s.wordRecall();
    recall.GiveNextHint(5);
    recall.GiveNextHint(5);
    recall.GiveNextHint(3); // like: a new word
    EXPECT_EQ(recall.hintCount(), 1);
    EXPECT_EQ(recall.view().card.meaning, QStringLiteral("v. 喜欢"));
    EXPECT_EQ(recall.view().card.firstLetter, QStringLiteral("[提示]"));
    recall.GiveNextHint(11); // the second "like" goes on with the first one's ladder
    EXPECT_EQ(recall.hintCount(), 2);
    EXPECT_EQ(recall.view().card.anchorWord, 11);

    // The card shows over the word clicked last (any occurrence) and hides elsewhere.
    recall.HoverWordHint(5);
    EXPECT_FALSE(recall.view().card.visible);
    recall.HoverWordHint(3);
    EXPECT_TRUE(recall.view().card.visible);

    // The full stop gives no hint, but "like" clicked after it starts its ladder afresh.
    recall.GiveNextHint(12);
    EXPECT_EQ(recall.hintCount(), 0);
    EXPECT_EQ(recall.view().card.meaning, QString());
    recall.GiveNextHint(3);
    EXPECT_EQ(recall.hintCount(), 1);
    EXPECT_EQ(recall.view().card.meaning, QStringLiteral("v. 喜欢"));
}

TEST(WordRecall, ADoubleClickRevealsWithEveryHintOrHidesAgain) {
    RecallRig rig;
    SentaraSession& s = rig.start();
    WordRecall& recall = s.wordRecall();
    recall.ToggleWordReveal(9); // you
    HintCardView card = recall.view().card;
    EXPECT_FALSE(recall.view().words[8].hidden);
    EXPECT_EQ(card.firstLetter, QStringLiteral("y"));
    EXPECT_EQ(card.meaning, QStringLiteral("pron. 你"));
    EXPECT_EQ(card.readAgain, QStringLiteral("点击复读"));
    EXPECT_EQ(card.phonetic, QStringLiteral("ju:"));
    EXPECT_EQ(card.word, QStringLiteral("you"));
    EXPECT_EQ(recall.hintCount(), WordRecall::kLastStage);

    recall.ToggleWordReveal(9);
    card = recall.view().card;
    EXPECT_TRUE(recall.view().words[8].hidden);
    EXPECT_EQ(card.meaning, QStringLiteral("pron. 你"));
    EXPECT_EQ(card.word, QStringLiteral("[提示]"));
    EXPECT_EQ(recall.hintCount(), 0);

    // The double-clicked word is the word clicked last: hovering shows its card, and a click
    // after a reveal hides it again, as after the ladder's last stage.
    recall.ToggleWordReveal(9);
    recall.HoverWordHint(5);
    EXPECT_FALSE(recall.view().card.visible);
    recall.HoverWordHint(9);
    EXPECT_TRUE(recall.view().card.visible);
    recall.GiveNextHint(9);
    EXPECT_TRUE(recall.view().words[8].hidden);
    EXPECT_EQ(recall.hintCount(), 1);
    EXPECT_EQ(recall.view().card.meaning, QStringLiteral("pron. 你"));
}

TEST(WordRecall, TheWordPanelNeverShowsAHiddenWord) {
    RecallRig rig;
    SentaraSession& s = rig.start();
    s.TabImage_Click(2);
    s.sentenceBrowsing().clickWord(3); // like, in the word panel
    s.TabImage_Click(8);
    EXPECT_FALSE(s.view().wordPanel.visible) << "closed on entering mode 8";
    s.wordRecall().GiveNextHint(5);
    s.wordRecall().ToggleWordReveal(9);
    const sentara::WordPanelView panel = s.view().wordPanel;
    EXPECT_EQ(panel.headword, QStringLiteral("like")) << "the hints leave the panel as it was";
    EXPECT_EQ(panel.meaning, QStringLiteral("v. 喜欢"));
    s.TabImage_Click(2);
    s.sentenceBrowsing().clickWord(3);
    s.TabImage_Click(6);
    EXPECT_TRUE(s.view().wordPanel.visible) << "other modes keep it";
}

TEST(WordRecall, ResetAndEverySentenceShownHideEveryWordAgain) {
    RecallRig rig;
    SentaraSession& s = rig.start();
    WordRecall& recall = s.wordRecall();
    recall.ToggleWordReveal(3);
    ASSERT_FALSE(recall.view().words[2].hidden);
    EXPECT_TRUE(s.KeyDown(sentara::ShortcutKey::F12));
    EXPECT_TRUE(recall.view().words[2].hidden);
    EXPECT_FALSE(recall.view().card.visible);
    EXPECT_EQ(recall.hintCount(), 0);

    recall.ToggleWordReveal(3);
    s.SenNextCommand_Click();
    s.SenBackCommand_Click();
    EXPECT_TRUE(recall.view().words[2].hidden);
    recall.GiveNextHint(3);
    EXPECT_EQ(recall.hintCount(), 1) << "the last clicked word is forgotten with the sentence";

    s.TabImage_Click(2);
    EXPECT_FALSE(s.KeyDown(sentara::ShortcutKey::F12)) << "F12 resets only in mode 8";
}

} // namespace
