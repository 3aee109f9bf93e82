#include "SentaraRig.h"

#include "sentara/dictation/FillIn.h"

#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::FillIn;
using sentara::FillInView;
using sentara::SentaraSession;
using sentara::ShortcutKey;

namespace {

const QString kDictionary = QStringLiteral(
    "$go[gou]v. 去$home[houm]n. 家$apple['6pl]n. 苹果$like[laik]v. 喜欢$cat[k6t]n. 猫");

// Key words as the lesson file marks them: "went" (look-up form "go") and "home".
// Sentence 1: I(1) " "(2) went(3) " "(4) home(5) "."(6)
// Sentence 2: I(1) " "(2) like(3) " "(4) apples(5) "."(6)   (no key word)
// Sentence 3: The(1) " "(2) cat(3) "."(4)                     (key word "cat")
QList<support::SentenceSpec> keyWordLesson() {
    support::SentenceSpec third = sen(QStringLiteral("The cat."), QStringLiteral("猫。"), 5, 6);
    third.keyWords = QStringList{QStringLiteral("cat")};
    return {
        sen(QStringLiteral("^I^ ^went$go$◆^ ^home$home$◆^.^"), QStringLiteral("我回家了。"), 1, 2),
        sen(QStringLiteral("I like apples."), QStringLiteral("我喜欢苹果。"), 3, 4), third};
}

struct FillInRig : Rig {
    explicit FillInRig(const QList<support::SentenceSpec>& sentences = keyWordLesson(),
                       int sentence = 1, int mode = 9) {
        course.dictionary(kDictionary);
        lesson(kFirst, 1, sentences);
        sentara::StudySettings s = settingsAt(2, sentence, mode);
        s.hintMeaning = true;
        s.hintPhonetic = false;
        s.hintWord = false;
        s.hintPronunciation = false;
        s.readCount = {1, 1, 1, 1, 1};
        settings(s);
    }
    // The words pronounced so far (the word player's files, without ".wav").
    QStringList spoken() {
        clock.advance(20);
        QStringList words;
        if (const support::SimulatedPlayer* word =
                engines.latest(support::SimulatedEngines::Role::Word)) {
            for (const auto& call : word->calls(support::SimulatedPlayer::Call::Kind::Open)) {
                words << call.path.section(u'/', -1).chopped(4);
            }
        }
        return words;
    }
};

TEST(FillInChoice, TheFirstKeyWordElseTheWidestWordWithANotice) {
    const struct {
        QString english;
        int hidden;
        bool notice;
    } cases[] = {
        {QStringLiteral("^I^ ^went$go$◆^ ^home$home$◆^.^"), 3, false}, // went, not home
        {QStringLiteral("I like apples."), 5, true},                   // apples is widest
        {QStringLiteral("Big cat."), 1, true},                         // as wide: the earlier
        {QStringLiteral("12, 345!"), 1, true},                         // no word: word 1
        {QStringLiteral("A apples."), 3, true},                        // word 1 may lose
        {QStringLiteral("1990 was good."), 5, true}, // a number never wins over a word
        {QStringLiteral("^“Yes,”^ ^he$he$^ ^said$say$^.^"), 5, true},
    };
    for (const auto& c : cases) {
        FillInRig rig({sen(c.english, QStringLiteral("中文"), 1, 2)});
        SentaraSession& s = rig.start();
        const FillInView v = s.fillIn().view();
        EXPECT_EQ(v.hiddenWord, c.hidden) << c.english.toStdString();
        EXPECT_TRUE(v.inputVisible);
        EXPECT_EQ(v.noticeVisible, c.notice) << c.english.toStdString();
        if (c.notice) {
            EXPECT_EQ(v.noticeText, FillIn::automaticNotice());
        }
    }

    // The width is the port's, not a count of letters: wide characters count double there.
    FillInRig wide({sen(QStringLiteral("^abcd$abcd$^ ^a東京$a$^^"), QStringLiteral("东京"), 1, 2)});
    EXPECT_EQ(wide.start().fillIn().view().hiddenWord, 3);
}

TEST(FillInChoice, TheCuesFollowTheOptionsAndTheKeysGiveSingleCues) {
    FillInRig rig;
    SentaraSession& s = rig.start();
    FillIn& fillIn = s.fillIn();
    EXPECT_EQ(fillIn.view().cues,
              (std::array<QString, 3>{QString(), QStringLiteral("v. 去"), QString()}));

    EXPECT_TRUE(s.KeyDown(ShortcutKey::F3));
    EXPECT_EQ(fillIn.view().cues[2], QStringLiteral("gou"));
    EXPECT_TRUE(s.KeyDown(ShortcutKey::F4));
    EXPECT_EQ(fillIn.view().cues[0], QStringLiteral("go"));
    s.toggleOption(sentara::OptionToggle::HintMeaning); // off: the meaning line empties
    EXPECT_EQ(fillIn.view().cues[1], QString());
    EXPECT_TRUE(s.KeyDown(ShortcutKey::F1));
    EXPECT_EQ(fillIn.view().cues[1], QStringLiteral("v. 去"));

    // The cues are the fill-in word's even after the sentence view looked up another word.
    s.TabImage_Click(2);
    s.sentenceBrowsing().clickWord(5); // home, in the word panel
    s.TabImage_Click(9);
    EXPECT_FALSE(s.view().wordPanel.visible) << "closed on entering mode 9";
    s.toggleOption(sentara::OptionToggle::HintWord);
    s.toggleOption(sentara::OptionToggle::HintPhonetic);
    EXPECT_EQ(fillIn.view().cues[0], QStringLiteral("go"));
    EXPECT_EQ(fillIn.view().cues[2], QStringLiteral("gou"));
    EXPECT_EQ(s.view().wordPanel.headword, QStringLiteral("home"));

    // The keys are mode 9's only.
    s.TabImage_Click(2);
    for (ShortcutKey key :
         {ShortcutKey::F1, ShortcutKey::F2, ShortcutKey::F3, ShortcutKey::F4, ShortcutKey::F10}) {
        EXPECT_FALSE(s.KeyDown(key));
    }
}

TEST(FillInSteps, ProgressAndEnablingOverTheLessonsKeyWords) {
    FillInRig rig;
    SentaraSession& s = rig.start();
    FillIn& fillIn = s.fillIn();
    FillInView v = fillIn.view();
    EXPECT_EQ(v.progressText, QStringLiteral("1 / 3"));
    EXPECT_TRUE(v.nextEnabled);
    EXPECT_FALSE(v.previousEnabled);
    EXPECT_TRUE(v.firstEnabled && v.playEnabled && v.pronounceEnabled && v.answerEnabled);

    EXPECT_TRUE(s.KeyDown(ShortcutKey::PageDown)); // home, the second key word
    v = fillIn.view();
    EXPECT_EQ(v.hiddenWord, 5);
    EXPECT_EQ(v.progressText, QStringLiteral("2 / 3"));
    EXPECT_TRUE(v.nextEnabled && v.previousEnabled);

    const int plays =
        rig.sentencePlayer()->calls(support::SimulatedPlayer::Call::Kind::Play).size();
    fillIn.nextKeyWord(); // cat, in sentence 3: shown, not played
    v = fillIn.view();
    EXPECT_EQ(s.CurrentSentence(), 3);
    EXPECT_EQ(v.hiddenWord, 3);
    EXPECT_EQ(v.progressText, QStringLiteral("3 / 3"));
    EXPECT_FALSE(v.nextEnabled);
    EXPECT_TRUE(v.previousEnabled);
    EXPECT_FALSE(v.noticeVisible);
    rig.clock.advance(5000);
    EXPECT_EQ(rig.sentencePlayer()->calls(support::SimulatedPlayer::Call::Kind::Play).size(),
              plays);
    EXPECT_FALSE(s.view().mode.playing);

    EXPECT_TRUE(s.KeyDown(ShortcutKey::PageDown)); // disabled: nothing
    EXPECT_EQ(fillIn.view().progressText, QStringLiteral("3 / 3"));
    s.KeyDown(ShortcutKey::PageUp);
    s.KeyDown(ShortcutKey::PageUp);
    EXPECT_EQ(s.CurrentSentence(), 1);
    EXPECT_EQ(fillIn.view().hiddenWord, 3);
    s.SenNextCommand_Click(); // sentence 2 has no key word: after the first two, before cat
    v = fillIn.view();
    EXPECT_EQ(v.progressText, QStringLiteral("2 / 3"));
    EXPECT_TRUE(v.noticeVisible);
    EXPECT_TRUE(s.KeyDown(ShortcutKey::Home));
    EXPECT_EQ(s.CurrentSentence(), 1);
    EXPECT_EQ(fillIn.view().progressText, QStringLiteral("1 / 3"));
    EXPECT_EQ(fillIn.view().hiddenWord, 3);
}

TEST(FillInSteps, SteppingAwayFromASentenceBeingPlayedStopsIt) {
    FillInRig rig;
    SentaraSession& s = rig.start();
    for (const bool sameSentence : {true, false}) {
        s.fillIn().playSentence(); // Command8 (F7)
        rig.clock.advance(300);
        ASSERT_TRUE(s.view().mode.playing);
        s.KeyDown(ShortcutKey::PageDown); // home in sentence 1, then cat in sentence 3
        EXPECT_EQ(s.CurrentSentence(), sameSentence ? 1 : 3);
        rig.clock.advance(8000);
        EXPECT_FALSE(s.view().mode.playing) << "the play never runs on into the next sentences";
        EXPECT_LT(rig.sentencePlayer()->position(), 5.0);
    }
}

TEST(FillInSteps, ALessonWithoutKeyWordsOffersNoStepsAndHomeChangesNothing) {
    FillInRig rig({sen(QStringLiteral("I like apples."), QStringLiteral("我喜欢苹果。"), 1, 2),
                   sen(QStringLiteral("You too."), QStringLiteral("你也是。"), 3, 4)},
                  2);
    SentaraSession& s = rig.start();
    FillIn& fillIn = s.fillIn();
    const FillInView before = fillIn.view();
    EXPECT_EQ(before.progressText, QStringLiteral("0 / 0"));
    EXPECT_FALSE(before.nextEnabled || before.previousEnabled || before.firstEnabled ||
                 before.playEnabled || before.answerEnabled);
    EXPECT_TRUE(before.pronounceEnabled);
    EXPECT_TRUE(s.KeyDown(ShortcutKey::Home));
    fillIn.firstKeyWord();
    EXPECT_EQ(s.CurrentSentence(), 2);
    const FillInView after = fillIn.view();
    EXPECT_EQ(after.hiddenWord, before.hiddenWord);
    EXPECT_EQ(after.progressText, before.progressText);
    EXPECT_EQ(after.noticeVisible, before.noticeVisible);
    EXPECT_EQ(after.spelling.owner, before.spelling.owner);
}

TEST(FillInSteps, AKeyWordMarkedInTheSentenceViewBecomesTheFillInWord) {
    FillInRig rig({sen(QStringLiteral("I like apples."), QStringLiteral("我喜欢苹果。"), 1, 2)}, 1,
                  2);
    SentaraSession& s = rig.start();
    EXPECT_EQ(s.fillIn().view().hiddenWord, 5);
    s.sentenceBrowsing().clickWord(3, true); // Ctrl+click: "like" becomes a key word
    FillInView v = s.fillIn().view();
    EXPECT_EQ(v.hiddenWord, 3);
    EXPECT_FALSE(v.noticeVisible);
    EXPECT_EQ(v.progressText, QStringLiteral("1 / 1"));
    EXPECT_TRUE(v.firstEnabled && v.playEnabled);
    s.sentenceBrowsing().clickWord(3, true); // and back
    v = s.fillIn().view();
    EXPECT_EQ(v.hiddenWord, 5);
    EXPECT_FALSE(v.firstEnabled || v.playEnabled);
}

TEST(FillInSound, TheWordIsPronouncedOnItsOwnOnlyInModeNine) {
    FillInRig rig(keyWordLesson(), 1, 2);
    rig.course.studySettings([] {
        sentara::StudySettings s = settingsAt(2, 1, 2);
        s.hintPronunciation = true;
        return s.format();
    }());
    SentaraSession& s = rig.start();
    s.SenNextCommand_Click();
    s.SenBackCommand_Click();
    EXPECT_TRUE(rig.spoken().isEmpty()) << "the fill-in word is not spoken in mode 2";

    s.TabImage_Click(9);
    s.fillIn().nextKeyWord();
    EXPECT_EQ(rig.spoken(), QStringList{QStringLiteral("home")});
    s.toggleOption(sentara::OptionToggle::HintPronunciation); // off: silent
    s.toggleOption(sentara::OptionToggle::HintPronunciation); // on: spoken at once
    EXPECT_EQ(rig.spoken().size(), 2);

    // Command8 plays the sentence once; Command7 and F2 pronounce; both give the box the focus.
    rig.clock.advance(200); // past the start-up focus
    QList<sentara::FocusTarget> focus;
    QObject::connect(&s, &SentaraSession::focusRequested,
                     [&](sentara::FocusTarget t) { focus << t; });
    s.fillIn().playSentence();
    EXPECT_TRUE(s.view().mode.playing);
    s.fillIn().pronounce();
    EXPECT_EQ(rig.spoken().size(), 3);
    EXPECT_TRUE(s.KeyDown(ShortcutKey::F2));
    EXPECT_EQ(rig.spoken().size(), 4);
    EXPECT_EQ(focus, QList<sentara::FocusTarget>(3, sentara::FocusTarget::FillInInput));
}

} // namespace
