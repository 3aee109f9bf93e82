#include "SentaraRig.h"

#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::SentaraSession;
using sentara::ShortcutKey;
using Kind = support::SimulatedPlayer::Call::Kind;

// The navigation keys of the reading modes: Home, Page Up and Page Down move through the
// lesson without wrapping and F7 runs the automatic play of the sentence; Ctrl is only noted.
TEST(ShortcutKeys, ReadingModesNavigateWithHomePageUpPageDownAndPlayWithF7) {
    for (const int mode : {1, 2, 3, 5, 6, 8}) {
        Rig rig;
        rig.course.lesson(kVideo, 1,
                          {sen(QStringLiteral("One."), QStringLiteral("一"), 1, 2),
                           sen(QStringLiteral("Two."), QStringLiteral("二"), 3, 4),
                           sen(QStringLiteral("Three."), QStringLiteral("三"), 5, 6)});
        rig.course.media(kVideo, QStringLiteral("1.wmv"), 10000);
        rig.settings(settingsAt(246, 2, mode));
        SentaraSession& s = rig.start();
        ASSERT_EQ(s.ModeIndex(), mode);
        ASSERT_EQ(s.CurrentSentence(), 2);

        EXPECT_FALSE(s.KeyDown(ShortcutKey::Ctrl)) << "Ctrl goes on to the focused control";
        EXPECT_TRUE(s.ctrlHeld());
        s.KeyUp();
        EXPECT_FALSE(s.ctrlHeld());

        const std::pair<ShortcutKey, int> steps[] = {
            {ShortcutKey::Home, 1},     {ShortcutKey::PageUp, 1},   {ShortcutKey::PageDown, 2},
            {ShortcutKey::PageDown, 3}, {ShortcutKey::PageDown, 3}, {ShortcutKey::PageUp, 2},
        };
        for (const auto& [key, sentence] : steps) {
            EXPECT_TRUE(s.KeyDown(key)) << mode;
            EXPECT_EQ(s.CurrentSentence(), sentence) << mode;
        }
        rig.clock.advance(20000);
        const auto plays = rig.sentencePlayer()->calls(Kind::Play).size();
        EXPECT_TRUE(s.KeyDown(ShortcutKey::F7));
        EXPECT_EQ(rig.sentencePlayer()->calls(Kind::Play).size(), plays + 1) << mode;
        EXPECT_EQ(rig.sentencePlayer()->calls(Kind::Seek).last().value, s.SentenceStart()) << mode;
        EXPECT_FALSE(s.KeyDown(ShortcutKey::F5)) << "F5 belongs to the dictation test";
    }
}
