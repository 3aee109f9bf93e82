#include "OralixRig.h"

#include "common/TextFile.h"
#include "oralix/core/TrainerSettings.h"

#include <gtest/gtest.h>

using namespace oralix;
using namespace oralix_test;

namespace {

const QString kExample = QStringLiteral("3\\1\\0\\2\\5\\1\\0\\T\\2\\B\\12615808\\0\\");

TEST(TrainerSettingsFile, ReadsEveryValueOfTheExampleAndWritesItBackUnchanged) {
    int read = 0;
    const TrainerSettings s = TrainerSettings::parse(kExample, &read);
    EXPECT_EQ(read, 12);
    EXPECT_EQ(s.lessonIndex, 3);
    EXPECT_TRUE(s.englishShown);
    EXPECT_FALSE(s.chineseShown);
    EXPECT_EQ(s.studyRepeat, 2);
    EXPECT_EQ(s.studyInterval, 5);
    EXPECT_EQ(s.browseRepeat, 1);
    EXPECT_EQ(s.browseInterval, 0);
    EXPECT_EQ(s.endLessonTitle, QStringLiteral("T"));
    EXPECT_EQ(s.startLessonIndex, 2);
    EXPECT_EQ(s.book, QStringLiteral("B"));
    EXPECT_EQ(s.backgroundColour, 12615808);
    EXPECT_EQ(s.textColour, 0);
    EXPECT_EQ(s.format(), kExample);
}

TEST(TrainerSettingsFile, LenientNumbersShortTextsAndBadColours) {
    // Not-a-number reads as 0, a leading number is taken, missing values keep their defaults.
    const TrainerSettings s = TrainerSettings::parse(QStringLiteral("x\\1\\1\\3abc\\"));
    EXPECT_EQ(s.lessonIndex, 0);
    EXPECT_EQ(s.studyRepeat, 3);
    EXPECT_EQ(s.studyInterval, 1);
    EXPECT_EQ(s.backgroundColour, TrainerSettings::kDefaultBackground);

    const TrainerSettings colours =
        TrainerSettings::parse(QStringLiteral("0\\1\\1\\1\\1\\1\\1\\\\0\\B\\12.5\\99999999\\"));
    EXPECT_EQ(colours.backgroundColour, TrainerSettings::kDefaultBackground);
    EXPECT_EQ(colours.textColour, 0);
}

TEST(TrainerSettingsFile, ASeparatorInATitleIsDroppedSoLaterValuesKeepTheirPlace) {
    TrainerSettings s;
    s.endLessonTitle = QStringLiteral("A\\B");
    s.book = QStringLiteral("Book");
    const TrainerSettings back = TrainerSettings::parse(s.format());
    EXPECT_EQ(back.endLessonTitle, QStringLiteral("AB"));
    EXPECT_EQ(back.book, QStringLiteral("Book"));
}

TEST(EngineChoiceValue, TakesTheThirtyFourthValueAndDefaultsToTheDefaultEngine) {
    EXPECT_EQ(EngineChoice::parse(setDat(1)), 1);
    EXPECT_EQ(EngineChoice::parse(setDat(2)), 2);
    EXPECT_EQ(EngineChoice::parse(QStringLiteral("1/2/3/")), 2);
    EXPECT_EQ(EngineChoice::parse(QString()), 2);
}

TEST(TrainerStartUp, TheExampleSettingsRestoreLessonLinesRepeatRangeAndColours) {
    Rig rig;
    QStringList titles;
    for (int i = 1; i <= 6; ++i) {
        titles << QStringLiteral("L%1").arg(i);
    }
    titles[4] = QStringLiteral("T");
    rig.course.bookList(kBook, {QStringLiteral("Other")})
        .bookList(QStringLiteral("B"), titles)
        .lesson(QStringLiteral("B"), 4, threeSentences())
        .media(QStringLiteral("B"), QStringLiteral("4.mp3"), 10000)
        .studySettings(setDat(2))
        .trainerSettings(kExample);
    OralixSession& s = rig.start();
    const OralixView& v = s.view();
    EXPECT_EQ(v.lessons.book, QStringLiteral("B"));
    EXPECT_EQ(v.lessons.index, 3);
    EXPECT_EQ(v.lessons.lessonTitle, QStringLiteral("L4"));
    EXPECT_TRUE(v.sentence.englishCheck);
    EXPECT_TRUE(v.sentence.englishVisible);
    EXPECT_FALSE(v.sentence.chineseCheck);
    EXPECT_EQ(v.mode, 1);
    EXPECT_EQ(v.repeatText, QStringLiteral("2"));
    EXPECT_EQ(v.intervalText, QStringLiteral("5"));
    EXPECT_EQ(s.pauseIntervalMs(), 5010);
    EXPECT_EQ(s.startLessonIndex(), 2);
    EXPECT_EQ(s.endLessonTitle(), QStringLiteral("T"));
    EXPECT_EQ(v.backgroundColour, 12615808);
    EXPECT_EQ(v.textColour, 0);
    EXPECT_EQ(s.voice()->engine(), ports::MediaEngines::Engine::Default);
    s.setStudyMode(2);
    EXPECT_EQ(s.view().repeatText, QStringLiteral("1"));
    EXPECT_EQ(s.view().intervalText, QStringLiteral("0"));
    EXPECT_EQ(s.pauseIntervalMs(), 10);

    ASSERT_TRUE(s.shutdown());
    EXPECT_EQ(common::TextFile::read(rig.course.folder().trainerSettingsFile()), kExample);
}

TEST(TrainerStartUp, WithoutSettingsFilesStartsOnDefaultsAndWritesTheFileAtExit) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    EXPECT_EQ(s.view().lessons.book, kBook);
    EXPECT_EQ(s.view().lessons.index, 0);
    EXPECT_TRUE(s.view().sentence.englishCheck);
    EXPECT_TRUE(s.view().sentence.chineseCheck);
    EXPECT_EQ(s.view().repeatText, QStringLiteral("1"));
    EXPECT_EQ(s.view().intervalText, QStringLiteral("1"));
    EXPECT_EQ(s.engineChoice(), 2);
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());

    s.chooseLesson(2);
    s.setRepeatText(QStringLiteral("3"));
    ASSERT_TRUE(s.shutdown());
    const TrainerSettings saved = TrainerSettings::load(rig.course.folder().trainerSettingsFile());
    EXPECT_EQ(saved.lessonIndex, 2);
    EXPECT_EQ(saved.studyRepeat, 3);
    EXPECT_EQ(saved.book, kBook);
}

TEST(TrainerStartUp, AnUnknownBookOrLessonIndexFallsBackToTheFirstLessonOfTheFirstBook) {
    Rig rig;
    rig.standardBook().trainerSettings(
        QStringLiteral("7\\1\\1\\1\\1\\1\\1\\X\\0\\Missing\\0\\0\\"));
    OralixSession& s = rig.start();
    EXPECT_EQ(s.view().lessons.book, kBook);
    EXPECT_EQ(s.view().lessons.index, 0);
    EXPECT_EQ(s.lesson().currentSentence(), 1);
}

} // namespace
