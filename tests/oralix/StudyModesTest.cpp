#include "OralixRig.h"

#include "oralix/core/FullTextScroll.h"
#include "oralix/core/SentenceBarLayout.h"

#include <gtest/gtest.h>

using namespace oralix;
using namespace oralix_test;
using Part = OralixSession::RowPart;

namespace {

TEST(SentenceLine, TokensLoseTheirLookUpFormsAndSeparators) {
    EXPECT_EQ(OralixLesson::sentenceLine(QStringLiteral("^I$I$^ ^am$be$^")),
              QStringLiteral("I am"));
    EXPECT_EQ(OralixLesson::sentenceLine(QStringLiteral(" ^Go$go$◆^.^ ")), QStringLiteral("Go."));
    EXPECT_EQ(OralixLesson::sentenceLine(QStringLiteral("^Hi$hi$^!")), QStringLiteral("Hi!"));
    EXPECT_EQ(OralixLesson::sentenceLine(QStringLiteral("Plain text")),
              QStringLiteral("Plain text"));
}

TEST(StudyModes, EachModeShowsItsPanelsTitleHintAndBoxes) {
    Rig rig;
    rig.standardBook().trainerSettings(
        QStringLiteral("0\\1\\1\\3\\2\\5\\4\\\\0\\Daily Talk\\0\\0\\"));
    OralixSession& s = rig.start();
    struct Expect {
        int mode;
        QString repeat, interval;
        bool lines, fullText, reset, readAlong;
    };
    const QList<Expect> table = {
        {1, "3", "2", true, false, false, false}, {2, "5", "4", false, true, false, false},
        {3, "1", "0", false, true, true, false},  {4, "1", "0", false, true, true, false},
        {5, "1", "0", false, false, false, true},
    };
    for (const Expect& e : table) {
        s.setStudyMode(e.mode);
        SCOPED_TRACE(e.mode);
        EXPECT_EQ(s.view().mode, e.mode);
        EXPECT_EQ(s.view().repeatText, e.repeat);
        EXPECT_EQ(s.view().intervalText, e.interval);
        EXPECT_EQ(s.pauseIntervalMs(), e.interval.toInt() * 1000 + 10);
        EXPECT_EQ(s.view().modeInfo.sentenceLines, e.lines);
        EXPECT_EQ(s.view().modeInfo.fullText, e.fullText);
        EXPECT_EQ(s.view().modeInfo.resetButton, e.reset);
        EXPECT_EQ(s.view().modeInfo.readAlong, e.readAlong);
        EXPECT_FALSE(s.pollRunning());
    }
    EXPECT_EQ(StudyModeTable::info(3).hint,
              QStringLiteral("点击英文句子下方的空行即可显示相对应的中文，按“重置”为恢复。"));
    EXPECT_EQ(StudyModeTable::info(5).title, QStringLiteral("跟读对比"));
    // Values chosen in the recall modes are forgotten; those of modes 1 and 2 are kept.
    s.setStudyMode(3);
    s.setRepeatText(QStringLiteral("8"));
    s.setStudyMode(1);
    s.setRepeatText(QStringLiteral("4"));
    s.setStudyMode(3);
    EXPECT_EQ(s.view().repeatText, QStringLiteral("1"));
    s.setStudyMode(1);
    EXPECT_EQ(s.view().repeatText, QStringLiteral("4"));
    EXPECT_EQ(s.currentSettings().studyRepeat, 4);
}

TEST(StudyModes, RecallChineseRevealsAndHidesAgainAndResetRestores) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    s.setStudyMode(3);
    const auto rows = [&s] { return s.lesson().rows(); };
    for (const SentenceRow& r : rows()) {
        EXPECT_TRUE(r.englishShown);
        EXPECT_FALSE(r.chineseShown);
        EXPECT_TRUE(r.chineseFrame);
        EXPECT_TRUE(r.chineseClickable);
    }
    s.rowClicked(2, Part::ChineseFrame);
    EXPECT_TRUE(rows()[1].chineseShown);
    EXPECT_FALSE(rows()[0].chineseShown);
    s.rowClicked(2, Part::ChineseFrame);
    EXPECT_FALSE(rows()[1].chineseShown);
    s.rowClicked(3, Part::Chinese);
    s.rowClicked(1, Part::English); // not a target in this mode
    EXPECT_TRUE(rows()[2].chineseShown);
    EXPECT_TRUE(rows()[0].englishShown);
    s.resetRows();
    EXPECT_FALSE(rows()[2].chineseShown);
}

TEST(StudyModes, RecallEnglishTogglesTheEnglishOfTheClickedRow) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    s.setStudyMode(4);
    EXPECT_FALSE(s.lesson().rows()[0].englishShown);
    EXPECT_TRUE(s.lesson().rows()[0].englishFrame);
    s.rowClicked(1, Part::EnglishFrame);
    EXPECT_TRUE(s.lesson().rows()[0].englishShown);
    s.rowClicked(1, Part::English);
    EXPECT_FALSE(s.lesson().rows()[0].englishShown);
    s.rowClicked(2, Part::Chinese);
    EXPECT_TRUE(s.lesson().rows()[1].chineseShown);
    EXPECT_FALSE(s.lesson().rows()[1].englishShown);
}

TEST(StudyModes, FullTextWithShowChineseOffKeepsEveryChineseHidden) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    s.setStudyMode(2);
    s.setShowChinese(false);
    s.setStudyMode(3);
    s.rowClicked(1, Part::Chinese);
    s.setStudyMode(2);
    for (const SentenceRow& r : s.lesson().rows()) {
        EXPECT_FALSE(r.chineseShown);
        EXPECT_TRUE(r.englishShown);
    }
    s.setShowChinese(true);
    EXPECT_TRUE(s.lesson().rows()[2].chineseShown);
}

TEST(StudyModes, ClickingAFullTextSentencePlaysItAndUnderlinesIt) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    s.setStudyMode(2);
    rig.player().clearLog();
    s.rowClicked(3, Part::English);
    EXPECT_EQ(rig.seeks(), QList<double>{4.5});
    EXPECT_TRUE(s.lesson().rows()[2].underline);
    EXPECT_EQ(s.readAllIndex(), 3);
    s.rowClicked(2, Part::PlayIcon);
    EXPECT_EQ(rig.seeks().last(), 2.5);
    EXPECT_FALSE(s.lesson().rows()[2].underline);
    EXPECT_TRUE(s.lesson().rows()[1].underline);

    // A click beside the rows stops the sentence being played, read-all or not.
    rig.clock.advance(500);
    s.textAreaClicked();
    EXPECT_FALSE(s.lesson().rows()[1].underline);
    EXPECT_FALSE(s.pollRunning());
    EXPECT_EQ(rig.player().state(), ports::MediaPlayer::State::Paused);
    const auto plays = rig.playTimes().size();
    rig.clock.advance(5000);
    EXPECT_EQ(rig.playTimes().size(), plays);
}

TEST(StudyModes, LineTogglesAndPeek) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    s.setEnglishLineShown(false);
    EXPECT_FALSE(s.view().sentence.englishVisible);
    s.peek(); // allowed: no message
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());
    EXPECT_TRUE(s.view().sentence.englishVisible);
    s.nextSentence(); // the peek lasts until the next sentence
    EXPECT_FALSE(s.view().sentence.englishVisible);
    s.setEnglishLineShown(true);
    s.peek();
    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    EXPECT_EQ(rig.dialogs.messages()[0].title, QStringLiteral("Oralix"));
    EXPECT_EQ(rig.dialogs.messages()[0].text,
              QStringLiteral("请在“显示英文句子”处于未选中状态时使用此功能（快捷键F9）。"));
    EXPECT_TRUE(s.view().sentence.englishVisible);
    s.setChineseLineShown(false);
    EXPECT_FALSE(s.view().sentence.chineseCheck);
}

TEST(SentenceBar, FitsTheLongerLineAndWrapsASentenceWiderThanTheScreen) {
    SentenceBarLayout::Input in;
    in.englishWidth = 300;
    in.chineseWidth = 200;
    in.lineHeight = 20;
    in.lineLeft = 8;
    in.screenWidth = 1280;
    SentenceBarLayout bar = SentenceBarLayout::compute(in);
    EXPECT_EQ(bar.width, 318);
    EXPECT_FALSE(bar.wide);
    EXPECT_EQ(bar.englishTop, 27);
    EXPECT_EQ(bar.chineseTop, 50);
    EXPECT_EQ(bar.height, 77);

    in.chineseShown = false;
    EXPECT_EQ(SentenceBarLayout::compute(in).height, 59);

    in.englishWidth = in.chineseWidth = 10;
    EXPECT_EQ(SentenceBarLayout::compute(in).width, SentenceBarLayout::kMinimumWidth);

    in.englishWidth = 2000;
    in.chineseShown = true;
    bar = SentenceBarLayout::compute(in);
    EXPECT_TRUE(bar.wide);
    EXPECT_EQ(bar.width, 1260);
    EXPECT_EQ(bar.englishWrap, 1242);
    EXPECT_EQ(bar.englishHeight, 40);
    EXPECT_EQ(bar.chineseTop, 70);

    // A sentence that needs more than two lines at the wrap width gets them all, and so does a
    // Chinese line wider than the screen; the bar grows to hold them.
    int askedWidth = 0;
    in.englishWrappedHeight = [&askedWidth](int width) {
        askedWidth = width;
        return 80;
    };
    in.chineseWrappedHeight = [](int) { return 40; };
    bar = SentenceBarLayout::compute(in);
    EXPECT_EQ(askedWidth, 1242);
    EXPECT_EQ(bar.englishHeight, 80);
    EXPECT_EQ(bar.chineseTop, 110);
    EXPECT_EQ(bar.chineseHeight, 40);
    EXPECT_EQ(bar.height, 157);
    in.englishWrappedHeight = [](int) { return 20; }; // never fewer than two lines
    EXPECT_EQ(SentenceBarLayout::compute(in).englishHeight, 40);
}

TEST(FullTextScrolling, ArrowsStopAtTheEndsAndReadAllFollowsByHalfAViewport) {
    EXPECT_EQ(FullTextScroll::arrowUp(20), 0);
    EXPECT_EQ(FullTextScroll::arrowUp(100), 100 - FullTextScroll::kArrowStep);
    EXPECT_EQ(FullTextScroll::arrowDown(100, 110), 110);
    EXPECT_EQ(FullTextScroll::arrowDown(0, 110), FullTextScroll::kArrowStep);
    EXPECT_EQ(FullTextScroll::follow(300, 400, 0, 1000), 0);   // in view
    EXPECT_EQ(FullTextScroll::follow(450, 400, 0, 1000), 200); // half a viewport
    EXPECT_EQ(FullTextScroll::follow(1350, 400, 900, 1000), 1000);
}

} // namespace
