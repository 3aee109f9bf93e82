#include "DictationRig.h"

#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::RepeatFamily;
using sentara::SentaraSession;
using sentara::ShortcutKey;
using Kind = support::SimulatedPlayer::Call::Kind;

namespace {

QList<support::SentenceSpec> threeSentences() {
    return {sen(QStringLiteral("How are you?"), QStringLiteral("你好吗？"), 1, 2),
            sen(QStringLiteral("Fine, thanks."), QStringLiteral("很好，谢谢。"), 3, 4),
            sen(QStringLiteral("Bye."), QStringLiteral("再见。"), 5, 6)};
}

} // namespace

// The keys of the dictation test (mode 4) and free spelling (mode 7): Home, Page Up and Page Down
// move through the lesson without wrapping, and in free spelling also empty the sentence box,
// even where the command is disabled; F7 is the automatic play by the mode's own read count
// (nothing when it is 0); F5, F6 and F12 belong to the test, F8 and F9 to free spelling.
TEST(DictationKeys, NavigationPlayAndHintKeysOfTheTwoDictationModes) {
    struct Case {
        int mode;
        RepeatFamily family;
        int readCount;
        QList<ShortcutKey> own;
        QList<ShortcutKey> others;
    };
    const Case cases[] = {
        {4,
         RepeatFamily::Write,
         0,
         {ShortcutKey::F5, ShortcutKey::F6, ShortcutKey::F12},
         {ShortcutKey::F8, ShortcutKey::F9}},
        {7,
         RepeatFamily::Pen,
         2,
         {ShortcutKey::F8, ShortcutKey::F9},
         {ShortcutKey::F5, ShortcutKey::F6, ShortcutKey::F12}},
    };
    for (const Case& c : cases) {
        DictationRig rig;
        sentara::StudySettings st = settingsAt(2, 2, c.mode);
        st.writeMode = c.mode == 7 ? 1 : 2;
        st.readCount = {1, 1, 1, 1, 1};
        st.readCountOf(c.family) = c.readCount;
        st.pauseMs = {500, 500, 500, 500, 500};
        rig.lesson(kFirst, 1, threeSentences()).settings(st);
        SentaraSession& s = rig.start();
        ASSERT_EQ(s.ModeIndex(), c.mode);
        ASSERT_EQ(s.CurrentSentence(), 2);

        const std::pair<ShortcutKey, int> steps[] = {
            {ShortcutKey::Home, 1},     {ShortcutKey::PageUp, 1},   {ShortcutKey::PageDown, 2},
            {ShortcutKey::PageDown, 3}, {ShortcutKey::PageDown, 3}, {ShortcutKey::PageUp, 2},
        };
        for (const auto& [key, sentence] : steps) {
            s.freeSpelling().editText(QStringLiteral("half typed"));
            const int revision = s.freeSpelling().view().inputRevision;
            EXPECT_TRUE(s.KeyDown(key)) << c.mode;
            EXPECT_EQ(s.CurrentSentence(), sentence) << c.mode;
            if (c.mode == 7 && key != ShortcutKey::Home) {
                EXPECT_GT(s.freeSpelling().view().inputRevision, revision) << sentence;
                EXPECT_TRUE(s.freeSpelling().view().inputText.isEmpty()) << sentence;
            }
        }

        rig.clock.advance(20000);
        const auto plays = rig.sentencePlayer()->calls(Kind::Play).size();
        EXPECT_TRUE(s.KeyDown(ShortcutKey::F7));
        rig.clock.advance(20000);
        EXPECT_EQ(rig.sentencePlayer()->calls(Kind::Play).size(), plays + c.readCount) << c.mode;

        for (const ShortcutKey key : c.own) {
            EXPECT_TRUE(s.KeyDown(key)) << c.mode << " own key " << static_cast<int>(key);
        }
        for (const ShortcutKey key : c.others) {
            EXPECT_FALSE(s.KeyDown(key)) << c.mode << " other key " << static_cast<int>(key);
        }
    }
}
