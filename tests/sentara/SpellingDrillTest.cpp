#include "SentaraRig.h"

#include "sentara/dictation/FillIn.h"

#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::FillIn;
using sentara::SentaraSession;
using sentara::ShortcutKey;
using sentara::SpellingDrill;

namespace {

// Key words: went (look-up form go), home, and "I'm" (look-up form "i am", longer than it).
struct DrillRig : Rig {
    DrillRig() {
        course.dictionary(QStringLiteral("$go[gou]v. 去$home[houm]n. 家"));
        lesson(
            kFirst, 1,
            {sen(QStringLiteral("^I^ ^went$go$◆^ ^home$home$◆^.^"), QStringLiteral("我回家了。"), 1,
                 2),
             sen(QStringLiteral("Nice to see you."), QStringLiteral("很高兴见到你。"), 3, 4),
             sen(QStringLiteral("^I'm$i am$◆^ ^fine$fine$^.^"), QStringLiteral("我很好。"), 5, 6)});
        settings(settingsAt(2, 1, 9));
    }
    QStringList sounds() {
        const QStringList names = Rig::sounds.playedNames();
        Rig::sounds.clear();
        return names;
    }
};

TEST(SpellingDrill, TheDisplayTextOrTheLookUpFormInAnyCaseIsRight) {
    DrillRig rig;
    SentaraSession& s = rig.start();
    FillIn& fillIn = s.fillIn();
    SpellingDrill& drill = fillIn.drill();
    for (const QString& typed : {QStringLiteral("went"), QStringLiteral("GO"),
                                 QStringLiteral("Went"), QStringLiteral("go")}) {
        drill.edit(QString());
        rig.sounds();
        drill.edit(typed);
        EXPECT_TRUE(drill.correct()) << typed.toStdString();
        EXPECT_TRUE(fillIn.view().noticeVisible);
        EXPECT_EQ(fillIn.view().noticeText, SpellingDrill::rightMessage());
        EXPECT_EQ(rig.sounds(), QStringList{QStringLiteral("WordRight.wav")});
    }

    // Backspace (in any mode) empties the answered box; Space then types a space.
    s.TabImage_Click(2);
    EXPECT_FALSE(s.KeyDown(ShortcutKey::Backspace)) << "the key goes on to the focused box";
    EXPECT_EQ(fillIn.view().spelling.typed, QString());
    EXPECT_FALSE(fillIn.view().noticeVisible);
    EXPECT_TRUE(rig.sounds().isEmpty());
    EXPECT_FALSE(drill.keyPressed(true, false));
}

TEST(SpellingDrill, TypingSoundsTooLongSelectsAllAndTheNextKeyStartsAfresh) {
    DrillRig rig;
    SentaraSession& s = rig.start();
    SpellingDrill& drill = s.fillIn().drill();
    const int selected = drill.view().selectAllCount;
    drill.edit(QStringLiteral("w"));
    drill.edit(QStringLiteral("we"));
    EXPECT_EQ(rig.sounds(), (QStringList{QStringLiteral("type.wav"), QStringLiteral("type.wav")}));
    drill.edit(QString()); // everything deleted: silent
    EXPECT_TRUE(rig.sounds().isEmpty());
    EXPECT_EQ(drill.view().selectAllCount, selected);

    drill.edit(QStringLiteral("wentt"));
    EXPECT_FALSE(drill.correct());
    EXPECT_EQ(rig.sounds(), (QStringList{QStringLiteral("type.wav"), QStringLiteral("wrong.wav")}));
    EXPECT_EQ(drill.view().selectAllCount, selected + 1);
    const QString owner = drill.view().owner;
    EXPECT_FALSE(drill.keyPressed(false, true)); // the next key replaces the selected text
    EXPECT_EQ(drill.view().typed, QString());
    EXPECT_NE(drill.view().owner, owner) << "the box takes the empty text";
    drill.edit(QStringLiteral("w"));
    EXPECT_EQ(drill.view().typed, QStringLiteral("w"));
}

TEST(SpellingDrill, SpaceGoesOnAfterARightSpellingOrTheAutomaticNotice) {
    DrillRig rig;
    SentaraSession& s = rig.start();
    FillIn& fillIn = s.fillIn();
    SpellingDrill& drill = fillIn.drill();
    EXPECT_FALSE(drill.keyPressed(true, false)) << "not answered: Space is typed";
    drill.edit(QStringLiteral("went"));
    EXPECT_TRUE(drill.keyPressed(true, false));
    EXPECT_EQ(fillIn.view().hiddenWord, 5);
    EXPECT_EQ(fillIn.view().spelling.typed, QString());
    EXPECT_FALSE(fillIn.view().noticeVisible);

    // Sentence 2 has no key word: Space under its automatic notice goes on to "I'm".
    s.SenNextCommand_Click();
    ASSERT_TRUE(fillIn.view().noticeVisible);
    EXPECT_FALSE(s.KeyDown(ShortcutKey::Backspace));
    EXPECT_TRUE(fillIn.view().noticeVisible) << "an empty box stays as it is";
    EXPECT_TRUE(drill.keyPressed(true, false));
    EXPECT_EQ(s.CurrentSentence(), 3);
    EXPECT_EQ(fillIn.view().progressText, QStringLiteral("3 / 3"));

    // The last key word: the completion message, and Space stays.
    drill.edit(QStringLiteral("i'M"));
    EXPECT_EQ(fillIn.view().noticeText, SpellingDrill::finishedMessage());
    EXPECT_TRUE(drill.keyPressed(true, false));
    EXPECT_EQ(s.CurrentSentence(), 3);
    EXPECT_TRUE(fillIn.view().noticeVisible);
    EXPECT_EQ(fillIn.view().spelling.typed, QStringLiteral("i'M"));
}

TEST(SpellingDrill, TheAnswerIsTheDisplayTextAndARightLongerFormIsNeverTooLong) {
    DrillRig rig;
    SentaraSession& s = rig.start();
    FillIn& fillIn = s.fillIn();
    SpellingDrill& drill = fillIn.drill();
    s.KeyDown(ShortcutKey::PageDown);
    s.KeyDown(ShortcutKey::PageDown); // I'm, whose look-up form "i am" is longer
    ASSERT_EQ(fillIn.view().hiddenWord, 1);
    rig.sounds();
    QList<sentara::FocusTarget> focus;
    QObject::connect(&s, &SentaraSession::focusRequested,
                     [&](sentara::FocusTarget t) { focus << t; });
    EXPECT_TRUE(s.KeyDown(ShortcutKey::F10));
    EXPECT_EQ(fillIn.view().spelling.typed, QStringLiteral("I'm"));
    EXPECT_TRUE(drill.correct());
    EXPECT_EQ(fillIn.view().noticeText, SpellingDrill::finishedMessage());
    EXPECT_EQ(focus, QList<sentara::FocusTarget>{sentara::FocusTarget::FillInInput});

    const int selected = drill.view().selectAllCount;
    drill.edit(QStringLiteral("I AM"));
    EXPECT_TRUE(drill.correct());
    EXPECT_EQ(drill.view().selectAllCount, selected) << "right is never too long";
    EXPECT_EQ(rig.sounds(),
              (QStringList{QStringLiteral("WordRight.wav"), QStringLiteral("WordRight.wav")}));
}

TEST(SpellingDrill, AWordWithoutLookUpFormIsNeverRightEmpty) {
    Rig rig;
    rig.lesson(kFirst, 1, {sen(QStringLiteral("12, 345!"), QStringLiteral("数字"), 1, 2)})
        .settings(settingsAt(2, 1, 9));
    SentaraSession& s = rig.start();
    SpellingDrill& drill = s.fillIn().drill();
    drill.edit(QStringLiteral("1"));
    drill.edit(QString());
    EXPECT_FALSE(drill.correct());
    EXPECT_FALSE(rig.sounds.playedNames().contains(QStringLiteral("WordRight.wav")));
    drill.edit(QStringLiteral("12"));
    EXPECT_TRUE(drill.correct());
}

} // namespace
