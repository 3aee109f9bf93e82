#include "SentaraRig.h"

#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::CoverPart;
using sentara::CoverView;
using sentara::FocusTarget;
using sentara::OptionFamily;
using sentara::SentaraSession;
using Kind = support::SimulatedPlayer::Call::Kind;

namespace {

QList<support::SentenceSpec> threeSentences() {
    return {sen(QStringLiteral("One."), QStringLiteral("一。"), 1, 2),
            sen(QStringLiteral("Two."), QStringLiteral("二。"), 3, 4),
            sen(QStringLiteral("Three."), QStringLiteral("三。"), 5, 6)};
}

struct CoverRig : Rig {
    explicit CoverRig(int hideMode) {
        sentara::StudySettings st = settingsAt(2, 1, 3);
        st.hideMode = hideMode;
        lesson(kFirst, 1, threeSentences());
        lesson(kFirst, 2, threeSentences());
        settings(st);
    }
    int plays() const { return static_cast<int>(sentencePlayer()->calls(Kind::Play).size()); }
    // A press and a release on a line.
    void clickLine(SentaraSession& s, int sentence, CoverPart part) {
        s.coverPractice().pressLine(sentence, part);
        s.coverPractice().releaseLine(sentence, part);
    }
};

// Which lines of the list are covered, as "EC" pairs per sentence ("E" English, "C" Chinese,
// "-" uncovered): "E-|E-|E-".
QString covers(const CoverView& v) {
    QStringList lines;
    for (const sentara::CoverLine& line : v.lines) {
        lines << QString(line.englishCovered ? u'E' : u'-') + (line.chineseCovered ? u'C' : u'-');
    }
    return lines.join(u'|');
}

} // namespace

TEST(CoverModes, EachModeCoversItsLinesWithItsHintAndIsKeptForEveryLessonLoad) {
    struct Case {
        int menuIndex; // RS2, RS1, RS3 in menu order
        int mode;
        QString covers;
        bool englishClickable;
        bool chineseClickable;
        QString hint;
    };
    const QList<Case> cases{
        {1, 1, "-C|-C|-C", false, true, "点击遮挡的中文可显示或隐藏，按恢复重置界面"},
        {0, 2, "E-|E-|E-", true, false, "点击遮挡的英文可显示或隐藏，按恢复重置界面"},
        {2, 3, "EC|EC|EC", true, true, "点击喇叭图标朗读句子，点击遮挡的英文和中文可显示或隐藏"},
    };
    for (const Case& c : cases) {
        CoverRig rig(c.mode == 1 ? 2 : 1);
        SentaraSession& s = rig.start();
        s.selectOption(OptionFamily::HideMode, c.menuIndex);
        CoverView v = s.coverPractice().view();
        EXPECT_EQ(covers(v), c.covers) << c.mode;
        EXPECT_EQ(v.hint, c.hint);
        EXPECT_EQ(v.lines[1].englishClickable, c.englishClickable);
        EXPECT_EQ(v.lines[1].chineseClickable, c.chineseClickable);
        EXPECT_EQ(v.lines[1].numberText, QStringLiteral("2."));
        EXPECT_EQ(s.settings().hideMode, c.mode);
        EXPECT_EQ(s.view().options.families[static_cast<int>(OptionFamily::HideMode)].checkedIndex,
                  c.menuIndex);

        // Uncover what the mode lets the learner uncover, then load a lesson: all covered again.
        rig.clickLine(s, 1, c.englishClickable ? CoverPart::English : CoverPart::Chinese);
        EXPECT_NE(covers(s.coverPractice().view()), c.covers);
        s.TreeView1_NodeClick(3);
        EXPECT_EQ(covers(s.coverPractice().view()), c.covers);
        ASSERT_TRUE(s.SetDat());
        EXPECT_EQ(sentara::StudySettings::read(rig.course.folder())->hideMode, c.mode);
    }
}

TEST(CoverClicks, OnlyLinesTheModeCoversReactWithBothSoundsAndTwoClicksCoverAgain) {
    struct Case {
        int mode;
        CoverPart part;
        bool reacts;
    };
    const QList<Case> cases{
        {1, CoverPart::English, false}, {1, CoverPart::Chinese, true},
        {2, CoverPart::English, true},  {2, CoverPart::Chinese, false},
        {3, CoverPart::English, true},  {3, CoverPart::Chinese, true},
    };
    for (const Case& c : cases) {
        CoverRig rig(c.mode);
        SentaraSession& s = rig.start();
        const int plays = rig.plays();
        const bool wasCovered = s.coverPractice().covered(3, c.part);
        s.coverPractice().pressLine(3, c.part);
        EXPECT_EQ(rig.sounds.playedNames(), c.reacts ? QStringList{"MouDown.wav"} : QStringList{})
            << c.mode;
        s.coverPractice().releaseLine(3, c.part);
        EXPECT_EQ(rig.sounds.playedNames(),
                  c.reacts ? (QStringList{"MouDown.wav", "MouUp.wav"}) : QStringList{});
        EXPECT_EQ(s.coverPractice().covered(3, c.part), c.reacts ? !wasCovered : wasCovered);
        EXPECT_TRUE(s.coverPractice().covered(2, c.part) == wasCovered) << "one line only";
        // An English click makes its sentence the current one without playing it.
        const bool selects = c.reacts && c.part == CoverPart::English;
        EXPECT_EQ(s.CurrentSentence(), selects ? 3 : 1);
        EXPECT_EQ(rig.plays(), plays);
        rig.clickLine(s, 3, c.part);
        EXPECT_EQ(s.coverPractice().covered(3, c.part), wasCovered);
    }
}

TEST(CoverClicks, RestoreCoversEverythingAgainAndGoesToTheTop) {
    CoverRig rig(3);
    SentaraSession& s = rig.start();
    QList<FocusTarget> focus;
    QObject::connect(&s, &SentaraSession::focusRequested,
                     [&focus](FocusTarget target) { focus << target; });
    rig.clickLine(s, 1, CoverPart::Chinese);
    rig.clickLine(s, 2, CoverPart::English);
    rig.clickLine(s, 3, CoverPart::Chinese);
    EXPECT_EQ(covers(s.coverPractice().view()), QStringLiteral("E-|-C|E-"));
    EXPECT_EQ(focus, QList<FocusTarget>{FocusTarget::ListSearch}) << "after the English click";
    const int toTop = s.coverPractice().view().toTop;
    s.coverPractice().restore();
    const CoverView v = s.coverPractice().view();
    EXPECT_EQ(covers(v), QStringLiteral("EC|EC|EC"));
    EXPECT_GT(v.toTop, toTop);
    EXPECT_EQ(v.restoreCaption, QStringLiteral("恢复"));
    EXPECT_EQ(v.hint, QStringLiteral("点击喇叭图标朗读句子，点击遮挡的英文和中文可显示或隐藏"));
    EXPECT_EQ(focus.last(), FocusTarget::ListSearch);
}

TEST(CoverClicks, AHornIsPressedWithASoundAndPlaysItsSentenceOnRelease) {
    CoverRig rig(1);
    SentaraSession& s = rig.start();
    rig.clock.advance(3000);
    const int plays = rig.plays();
    s.coverPractice().pressHorn(2);
    EXPECT_TRUE(s.coverPractice().view().lines[1].hornPressed);
    EXPECT_EQ(rig.sounds.playedNames(), QStringList{"MouDown.wav"});
    EXPECT_EQ(rig.plays(), plays);
    const int readCount = s.CurrentReadCount();
    s.coverPractice().releaseHorn(2);
    EXPECT_FALSE(s.coverPractice().view().lines[1].hornPressed);
    EXPECT_EQ(rig.sounds.playedNames(), (QStringList{"MouDown.wav", "MouUp.wav"}));
    EXPECT_EQ(s.CurrentSentence(), 2);
    EXPECT_TRUE(s.coverPractice().view().lines[1].marked);
    EXPECT_EQ(rig.plays(), plays + 1);
    EXPECT_EQ(rig.sentencePlayer()->calls(Kind::Seek).last().value, 3.0);
    EXPECT_EQ(s.CurrentReadCount(), readCount) << "a horn does not restart the read count";
}

TEST(CoverClicks, ADoubleClickOnEnglishShowsItsChineseOnlyWhileTheFullTextChineseIsOff) {
    CoverRig rig(1);
    SentaraSession& s = rig.start();
    s.coverPractice().doubleClickEnglish(2);
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());
    s.fullText().toggleChineseLines();
    s.coverPractice().doubleClickEnglish(2);
    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    EXPECT_EQ(rig.dialogs.messages().front().title, QStringLiteral("中文"));
    EXPECT_EQ(rig.dialogs.messages().front().text, QStringLiteral("二。"));
    EXPECT_EQ(rig.sentencePlayer()->state(), ports::MediaPlayer::State::Paused);
}
