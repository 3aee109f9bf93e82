#include "OralixRig.h"

#include "oralix/core/FullTextStudy.h"

#include <gtest/gtest.h>

using namespace oralix;
using Part = FullTextStudy::RowPart;

namespace {

// A session stand-in over a three-sentence lesson: it records what the full text asks of it.
struct FakeHost : FullTextHost {
    int mode = StudyModeTable::FullText;
    OralixLesson lesson{support::CourseBuilder::lessonTextOf(oralix_test::threeSentences())};
    QList<int> plays;
    QList<int> moves;
    QStringList calls; // everything else, in order

    int studyMode() const override { return mode; }
    OralixLesson& loadedLesson() override { return lesson; }
    void playRowSpan(int row) override { plays << row; }
    void stopPlayback() override { calls << QStringLiteral("stop"); }
    void stopChain() override { calls << QStringLiteral("stopChain"); }
    void holdChain() override { calls << QStringLiteral("hold"); }
    void resumeChain() override { calls << QStringLiteral("resume"); }
    void playSentence() override { calls << QStringLiteral("model"); }
    void previousSentence() override { calls << QStringLiteral("previous"); }
    void nextSentence() override { calls << QStringLiteral("next"); }
    void readingMovedTo(int row) override { moves << row; }
    void showTextTop() override { calls << QStringLiteral("top"); }
    void viewChanged() override { calls << QStringLiteral("changed"); }
};

struct Fixture {
    FakeHost host;
    support::ManualClock clock;
    support::SimulatedRecorder recorder{clock};
    support::ScriptedDialogs dialogs;
    OralixView view;
    FullTextStudy study{host, view.fullText, view.readAlong, recorder, dialogs, QString()};

    explicit Fixture(int mode) {
        host.mode = mode;
        study.applyMode();
    }
    int underlined() const {
        for (qsizetype i = 0; i < host.lesson.rows().size(); ++i) {
            if (host.lesson.rows()[i].underline) {
                return int(i) + 1;
            }
        }
        return 0;
    }
};

TEST(FullTextStudy, ClicksOutsideTheRowsOrBesideTheModesTargetsDoNothing) {
    struct Case {
        int mode, row;
        Part part;
    };
    const QList<Case> table = {
        {2, 0, Part::English},      {2, 4, Part::PlayIcon},     {3, -1, Part::ChineseFrame},
        {4, 4, Part::EnglishFrame}, {2, 1, Part::Chinese},      {2, 1, Part::ChineseFrame},
        {3, 1, Part::English},      {3, 1, Part::EnglishFrame}, {4, 1, Part::ChineseFrame},
        {1, 1, Part::English},      {5, 2, Part::Chinese},
    };
    for (const Case& c : table) {
        SCOPED_TRACE(QStringLiteral("mode %1 row %2 part %3")
                         .arg(c.mode)
                         .arg(c.row)
                         .arg(int(c.part))
                         .toStdString());
        Fixture f(c.mode);
        const QList<SentenceRow> before = f.host.lesson.rows();
        f.study.rowClicked(c.row, c.part);
        EXPECT_EQ(f.host.lesson.rows(), before);
        EXPECT_TRUE(f.host.plays.isEmpty());
        EXPECT_TRUE(f.host.calls.isEmpty()) << f.host.calls.join(u' ').toStdString();
        EXPECT_EQ(f.study.readAllIndex(), 0);
    }
}

TEST(FullTextStudy, ReadAllGoesOnFromASentenceClickedWhileReading) {
    Fixture f(StudyModeTable::FullText);
    f.study.readAllPressed();
    EXPECT_EQ(f.host.plays, QList<int>{1});
    EXPECT_EQ(f.underlined(), 1);
    f.study.rowClicked(2, Part::English);
    EXPECT_TRUE(f.study.reading());
    EXPECT_EQ(f.underlined(), 2);
    f.study.readNext();
    EXPECT_EQ(f.host.plays, (QList<int>{1, 2, 3}));
    EXPECT_EQ(f.host.moves, (QList<int>{1, 3}));
    EXPECT_EQ(f.underlined(), 3);

    f.study.readNext(); // past the last sentence: reading ends, nothing more plays
    EXPECT_EQ(f.host.plays.size(), 3);
    EXPECT_FALSE(f.study.reading());
    EXPECT_EQ(f.underlined(), 0);
    EXPECT_EQ(f.view.fullText.readAllCaption, QStringLiteral(" 全文朗读(&R)"));
    f.host.calls.clear();
    f.study.pauseResumePressed(); // nothing is read: nothing to hold
    EXPECT_TRUE(f.host.calls.isEmpty());
}

TEST(FullTextStudy, ResetHidesWhatWasRevealedStopsThePlayerAndShowsTheTop) {
    Fixture f(StudyModeTable::RecallChinese);
    const QList<SentenceRow> start = f.host.lesson.rows();
    f.study.rowClicked(2, Part::ChineseFrame);
    EXPECT_TRUE(f.host.lesson.rows()[1].chineseShown);
    f.host.calls.clear();
    f.study.resetRows();
    EXPECT_EQ(f.host.lesson.rows(), start);
    EXPECT_EQ(f.host.calls, (QStringList{"stop", "changed", "top"}));
}

} // namespace
