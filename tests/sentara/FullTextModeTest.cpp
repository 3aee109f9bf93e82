#include "SentaraRig.h"

#include "common/LessonText.h"
#include "common/TextFile.h"
#include "sentara/course/LoadedLesson.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::FocusTarget;
using sentara::FullTextLayout;
using sentara::FullTextView;
using sentara::RepeatFamily;
using sentara::SentaraSession;
using Kind = support::SimulatedPlayer::Call::Kind;
using State = ports::MediaPlayer::State;

namespace {

// Six sentences of one second each: sentence i plays from 2i - 1 to 2i seconds.
QList<support::SentenceSpec> sixSentences() {
    const QStringList english{
        QStringLiteral("Good morning."),      QStringLiteral("How are you?"),
        QStringLiteral("I am fine, thanks."), QStringLiteral("Where are the boxes?"),
        QStringLiteral("They are big, too."), QStringLiteral("Two and two."),
    };
    QList<support::SentenceSpec> specs;
    for (int i = 0; i < english.size(); ++i) {
        specs << sen(english[i], QStringLiteral("第%1句").arg(i + 1), 2 * i + 1, 2 * i + 2);
    }
    return specs;
}

struct FullTextRig : Rig {
    explicit FullTextRig(int allReadCount, int allPauseMs = 1000,
                         const QList<support::SentenceSpec>& sentences = sixSentences()) {
        course.dictionary(QStringLiteral("$box[b5ks]n. 盒子$where[hwZE]adv. 哪里"));
        sentara::StudySettings st = settingsAt(2, 1, 1);
        st.readCountOf(RepeatFamily::All) = allReadCount;
        st.pauseOf(RepeatFamily::All) = allPauseMs;
        lesson(kFirst, 1, sentences, 20000).settings(st);
    }
    int plays() const { return static_cast<int>(sentencePlayer()->calls(Kind::Play).size()); }
    double lastSeek() const { return sentencePlayer()->calls(Kind::Seek).last().value; }
    QList<FocusTarget> focus;
    SentaraSession& startWatchingFocus() {
        SentaraSession& s = start();
        QObject::connect(&s, &SentaraSession::focusRequested,
                         [this](FocusTarget target) { focus << target; });
        return s;
    }
};

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(FullTextWords, AnyWordOfASentenceSelectsExactlyThatSentenceAndPlaysItOnce) {
    FullTextRig rig(1);
    SentaraSession& s = rig.start();
    const int tokens = static_cast<int>(s.lesson().words(5).size());
    ASSERT_EQ(tokens, 9); // They, " ", are, " ", big, ",", " ", too, "."
    for (int position = 1; position <= tokens; ++position) {
        s.SenBegainCommand_Click();
        rig.clock.advance(3000);
        rig.sentencePlayer()->clearLog();
        s.fullText().clickWord(5, position);
        EXPECT_EQ(s.CurrentSentence(), 5) << position;
        EXPECT_EQ(s.CurrentReadCount(), 0);
        EXPECT_EQ(rig.lastSeek(), 9.0);
        const FullTextView v = s.fullText().view();
        EXPECT_EQ(v.current, 5);
        for (const sentara::FullTextWord& word : v.words) {
            EXPECT_EQ(word.underlined, word.sentence == 5) << word.text.toStdString();
        }
    }
    // In the lesson's label sequence the underline also takes the two markers around it.
    for (const sentara::FullTextItem& item : s.lesson().fullText(s.CurrentSentence())) {
        const bool expected = item.sentence == 5 || (item.marker && item.sentence == 4);
        EXPECT_EQ(item.underlined, expected) << item.sentence << " " << item.marker;
    }
    rig.clock.advance(5000);
    EXPECT_EQ(rig.plays(), 1) << "the full-text family plays it once";
    EXPECT_EQ(s.CurrentSentence(), 5);
    EXPECT_FALSE(s.view().wordPanel.visible);
}

TEST(FullTextReadAll, ALessonOfOneSentenceIsReadAsOftenAsSetAndIdleAfterTheFirstPause) {
    FullTextRig rig(3, 1000, {sen(QStringLiteral("Only one."), QStringLiteral("一句"), 1, 2)});
    SentaraSession& s = rig.start();
    rig.clock.advance(10000);
    rig.sentencePlayer()->clearLog();
    s.fullText().toggleReadAll();
    EXPECT_EQ(s.fullText().view().readAllCaption, QStringLiteral("停止朗读"));
    EXPECT_TRUE(s.fullText().view().pauseEnabled);
    // The play is heard to its end at 1000 ms (seen by the poll at 1010 ms); the pause counts
    // from the end heard and is over at 2000 ms.
    rig.clock.advance(1995);
    EXPECT_EQ(s.fullText().view().readAllCaption, QStringLiteral("停止朗读"));
    rig.clock.advance(10);
    EXPECT_EQ(s.fullText().view().readAllCaption, QStringLiteral("全文朗读"));
    EXPECT_FALSE(s.fullText().view().pauseEnabled);
    rig.clock.advance(20000);
    EXPECT_EQ(rig.plays(), 3);
}

TEST(FullTextReadAll, WithReadCountZeroTheFirstSentenceIsReadOnceAndReadAllStaysOn) {
    FullTextRig rig(0);
    SentaraSession& s = rig.start();
    EXPECT_EQ(rig.plays(), 0) << "nothing is read on entering a sentence";
    s.SenNextCommand_Click();
    s.fullText().toggleReadAll();
    EXPECT_EQ(s.CurrentSentence(), 1);
    rig.clock.advance(30000);
    EXPECT_EQ(rig.plays(), 1);
    EXPECT_EQ(s.CurrentSentence(), 1);
    EXPECT_EQ(s.fullText().view().readAllCaption, QStringLiteral("停止朗读"));
}

TEST(FullTextReadAll, StoppingMidwayGoesBackToTheFirstSentenceAtTheTopAndPlaysNothingMore) {
    FullTextRig rig(2, 1000);
    SentaraSession& s = rig.startWatchingFocus();
    s.setSentencePanelPositions(-3000, 900);
    const int moved = s.view().mode.textPanelsMoved;
    s.fullText().toggleReadAll();
    EXPECT_GT(s.view().mode.textPanelsMoved, moved) << "read-all starts at the top";
    // Two plays of 1010 ms with a pause of 1000 ms per sentence: sentence 3 starts at 8040 ms.
    rig.clock.advance(8500);
    ASSERT_EQ(s.CurrentSentence(), 3);
    const int keep = s.fullText().view().keepInView;
    const int movedBeforeStop = s.view().mode.textPanelsMoved;
    s.fullText().toggleReadAll();
    EXPECT_EQ(s.CurrentSentence(), 1);
    EXPECT_EQ(s.CurrentReadCount(), 0);
    EXPECT_EQ(s.fullText().view().readAllCaption, QStringLiteral("全文朗读"));
    EXPECT_EQ(s.fullText().view().pauseCaption, QStringLiteral("暂停朗读"));
    EXPECT_FALSE(s.fullText().view().pauseEnabled);
    EXPECT_GT(s.view().mode.textPanelsMoved, movedBeforeStop);
    EXPECT_EQ(s.view().mode.sentencePanelTop, 0);
    EXPECT_EQ(s.view().mode.sentenceHandleTop, sentara::kScrollHandleStart);
    EXPECT_GT(s.fullText().view().keepInView, keep);
    for (const sentara::CoverLine& line : s.coverPractice().view().lines) {
        EXPECT_FALSE(line.marked) << "every marker line of the list is hidden";
    }
    EXPECT_EQ(rig.focus.last(), FocusTarget::FullTextSearch);
    // The end watch of sentence 3 would otherwise start sentence 1 again.
    const int plays = rig.plays();
    rig.clock.advance(10000);
    EXPECT_EQ(rig.plays(), plays);
    EXPECT_FALSE(s.loop().anyTimerRunning());
}

TEST(FullTextReadAll, PausingHoldsThePlayOrThePauseBetweenPlaysUntilResumed) {
    FullTextRig rig(1, 2000);
    SentaraSession& s = rig.startWatchingFocus();
    s.fullText().toggleReadAll();
    rig.clock.advance(500); // in the middle of sentence 1
    s.fullText().togglePause();
    EXPECT_EQ(s.fullText().view().pauseCaption, QStringLiteral("继续朗读"));
    EXPECT_EQ(rig.sentencePlayer()->state(), State::Paused);
    EXPECT_EQ(rig.focus.last(), FocusTarget::FullTextSearch);
    rig.clock.advance(5000);
    EXPECT_EQ(s.CurrentSentence(), 1) << "nothing advances while paused";
    s.fullText().togglePause();
    EXPECT_EQ(s.fullText().view().pauseCaption, QStringLiteral("暂停朗读"));
    EXPECT_EQ(rig.sentencePlayer()->state(), State::Playing);
    // It plays on from where it paused to the sentence's end, and not a sample past it.
    EXPECT_DOUBLE_EQ(rig.lastSeek(), 1.5);
    EXPECT_EQ(rig.sentencePlayer()->spanEnd(), 2.0);

    rig.clock.advance(1000); // sentence 1 has ended; its pause of 2 s runs
    const int plays = rig.plays();
    s.fullText().togglePause();
    rig.clock.advance(5000);
    EXPECT_EQ(rig.plays(), plays) << "the pause between plays is held too";
    EXPECT_EQ(s.CurrentSentence(), 1);
    s.fullText().togglePause();
    EXPECT_EQ(rig.sentencePlayer()->state(), State::Paused) << "resuming restarts the pause";
    rig.clock.advance(2010);
    EXPECT_EQ(s.CurrentSentence(), 2);
    EXPECT_EQ(rig.plays(), plays + 1);
}

TEST(FullTextReadAll, AClickDuringReadAllLetsTheReadingRunOnPastTheSentence) {
    FullTextRig rig(1);
    SentaraSession& s = rig.start();
    s.fullText().toggleReadAll();
    s.fullText().clickWord(4, 1);
    rig.clock.advance(3000); // sentence 4 ends at 8 s, started at 7 s
    EXPECT_EQ(s.CurrentSentence(), 4);
    EXPECT_EQ(rig.sentencePlayer()->state(), State::Playing);
    EXPECT_EQ(s.fullText().view().readAllCaption, QStringLiteral("停止朗读"));
}

TEST(FullTextLookUp, ARightClickLooksTheWordUpAndLeavesThePlayerAtTheSentenceStart) {
    FullTextRig rig(2, 1000);
    SentaraSession& s = rig.start();
    rig.clock.advance(1100);       // sentence 1 played once; the pause before its second play runs
    s.fullText().lookUpWord(4, 7); // boxes
    EXPECT_EQ(s.CurrentSentence(), 4);
    const sentara::WordPanelView panel = s.view().wordPanel;
    EXPECT_TRUE(panel.visible);
    EXPECT_EQ(panel.headword, QStringLiteral("box"));
    EXPECT_EQ(rig.sentencePlayer()->state(), State::Paused);
    EXPECT_DOUBLE_EQ(rig.sentencePlayer()->position(), 7.0);
    const int plays = rig.plays();
    rig.clock.advance(5000);
    EXPECT_EQ(rig.plays(), plays) << "no pause between plays is left to start the sentence";
    const support::SimulatedPlayer* word =
        rig.engines.latest(support::SimulatedEngines::Role::Word);
    ASSERT_NE(word, nullptr);
    EXPECT_TRUE(word->currentPath().endsWith(QStringLiteral("Word/b/box.wav")));

    // Punctuation and spaces do not react.
    s.fullText().lookUpWord(2, 6); // "?"
    s.fullText().lookUpWord(2, 2); // " "
    EXPECT_EQ(s.CurrentSentence(), 4);
}

TEST(FullTextLookUp, CtrlWithTheRightButtonMarksAndUnmarksAKeyWordByteForByte) {
    support::SentenceSpec lastToken =
        sen(QStringLiteral("^Come$come$^ ^here$here$^"), QStringLiteral("过来\r\n吧"), 1, 2);
    lastToken.note = QStringLiteral("a note");
    lastToken.done = true;
    lastToken.tail = QStringLiteral("kept#as it is");
    support::SentenceSpec marked = sen(QStringLiteral("Big news."), QStringLiteral("大新闻"), 3, 4);
    marked.keyWords << QStringLiteral("news");
    FullTextRig rig(1, 1000, {lastToken, marked});
    SentaraSession& s = rig.start();
    const QString path = rig.course.folder().lessonFile(kFirst, 1);
    const QByteArray before = fileBytes(path);
    ASSERT_EQ(s.view().lesson.keyWordCount, 1);

    struct Case {
        int sentence;
        int position;
        QString markedToken; // what the record holds while the word is a key word
    };
    const QList<Case> cases{
        {1, 3, QStringLiteral("^here$here$◆^#过来\r\n吧#1#2#a note#1#kept#as it is*")},
        {1, 1, QStringLiteral("^Come$come$◆^")},
    };
    for (const Case& c : cases) {
        s.KeyDown(sentara::ShortcutKey::Ctrl);
        s.fullText().lookUpWord(c.sentence, c.position);
        s.KeyUp();
        EXPECT_TRUE(common::TextFile::read(path)->contains(c.markedToken))
            << c.markedToken.toStdString();
        EXPECT_TRUE(s.fullText().view().words[c.position - 1].keyWord);
        s.fullText().lookUpWord(c.sentence, c.position, true);
        EXPECT_EQ(fileBytes(path), before) << c.markedToken.toStdString();
    }
    // The lesson's last key word goes: the lesson has none left.
    s.fullText().lookUpWord(2, 3, true);
    EXPECT_EQ(s.view().lesson.keyWordCount, 0);
    EXPECT_FALSE(common::TextFile::read(path)->contains(QChar(common::kKeyWordMarker)));
    EXPECT_TRUE(s.view().wordPanel.visible) << "the word is looked up as well";
}

TEST(FullTextLayouts, TheChineseToggleChoosesTheLayoutAndTheTip) {
    FullTextRig rig(0, 1000,
                    {sen(QStringLiteral("^Roses$roses$^ ^are$are$^ ^red$red$^,|^"),
                         QStringLiteral("玫瑰是红的"), 1, 2),
                     sen(QStringLiteral("^Sky$sky$^.|^"), QStringLiteral("天"), 3, 4)});
    rig.course.content(
        QByteArray(testContentJson())
            .replace("\"videoTitles\"", "\"textLayoutTitles\": [\"First Book\"], \"videoTitles\""));
    SentaraSession& s = rig.start();
    FullTextView v = s.fullText().view();
    EXPECT_EQ(v.layout, FullTextLayout::EnglishAndChinese);
    EXPECT_EQ(v.chinese, (QStringList{QStringLiteral("玫瑰是红的"), QStringLiteral("天")}));
    EXPECT_EQ(v.chineseTogglePicture, QStringLiteral("check_1.jpg"));
    EXPECT_EQ(v.chineseToggleCaption, QStringLiteral("   显示中文句子"));
    EXPECT_FALSE(v.tipVisible);
    ASSERT_EQ(v.words.size(), 8);
    EXPECT_EQ(v.words[5].text, QStringLiteral(",")) << "the line end is not drawn";
    EXPECT_TRUE(v.words[5].endsLine);
    EXPECT_FALSE(v.words[4].endsLine);

    const int keep = v.keepInView;
    s.fullText().toggleChineseLines();
    v = s.fullText().view();
    EXPECT_EQ(v.layout, FullTextLayout::Text);
    EXPECT_EQ(s.settings().allChineseCheck, 0);
    EXPECT_EQ(v.chineseTogglePicture, QStringLiteral("check_0.jpg"));
    EXPECT_TRUE(v.tipVisible);
    EXPECT_EQ(v.tipText, QStringLiteral("双击英语句子查看译文"));
    EXPECT_GT(v.keepInView, keep) << "the current sentence is brought into view again";

    s.fullText().backgroundClicked();
    EXPECT_FALSE(s.fullText().view().tipVisible);
    s.fullText().toggleChineseLines();
    EXPECT_EQ(s.fullText().view().layout, FullTextLayout::EnglishAndChinese);
}

TEST(FullTextLayouts, ADoubleClickShowsTheChineseOnlyWhileTheChineseLinesAreOff) {
    FullTextRig rig(1);
    SentaraSession& s = rig.start();
    s.fullText().clickWord(3, 1);
    s.fullText().doubleClickWord();
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());
    EXPECT_EQ(rig.sentencePlayer()->state(), State::Playing);
    s.fullText().toggleChineseLines();
    s.fullText().doubleClickWord();
    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    EXPECT_EQ(rig.dialogs.messages().front().title, QStringLiteral("中文"));
    EXPECT_EQ(rig.dialogs.messages().front().text, QStringLiteral("第3句"));
    EXPECT_EQ(rig.sentencePlayer()->state(), State::Paused);
}

TEST(FullTextLayouts, AHornPlaysItsSentenceAndTheFindBoxJumpsToTheNextSentenceHoldingAWord) {
    FullTextRig rig(3);
    SentaraSession& s = rig.startWatchingFocus();
    rig.clock.advance(1100); // sentence 1 read once of three
    ASSERT_EQ(s.CurrentReadCount(), 1);
    s.fullText().playSentence(6);
    EXPECT_EQ(s.CurrentSentence(), 6);
    EXPECT_EQ(rig.lastSeek(), 11.0);
    EXPECT_EQ(s.CurrentReadCount(), 1) << "a horn does not restart the read count";

    const int keep = s.fullText().view().keepInView;
    s.fullText().editSearch(QStringLiteral(" ARE "));
    s.fullText().findNext(); // after sentence 6 the search goes round: sentence 2
    EXPECT_EQ(s.CurrentSentence(), 2);
    EXPECT_GT(s.fullText().view().keepInView, keep);
    s.fullText().findNext();
    EXPECT_EQ(s.CurrentSentence(), 4);
    s.fullText().editSearch(QStringLiteral("zebra"));
    s.fullText().findNext();
    EXPECT_EQ(s.CurrentSentence(), 4);
    EXPECT_EQ(rig.dialogs.texts(), QStringList{QStringLiteral("本课中没有找到“zebra”。")});
    s.fullText().editSearch(QStringLiteral("  "));
    s.fullText().findNext();
    EXPECT_EQ(rig.dialogs.messages().size(), 1) << "a blank box finds nothing and says nothing";
}
