#include "OralixRig.h"

#include "oralix/core/LessonMediaPath.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace oralix;
using namespace oralix_test;

namespace {

TEST(LessonLoading, RowsCarryTheRawEnglishTheChineseAndTheirNumbers) {
    Rig rig;
    rig.course.bookList(kBook, {QStringLiteral("L1")})
        .lessonText(kBook, 1,
                    QStringLiteral("*^I$I$^ ^am$be$^# 我是 #1#2###*^Go$go$◆^.^#走。#3#4###*"))
        .media(kBook, QStringLiteral("1.mp3"), 5000);
    OralixSession& s = rig.start();
    ASSERT_EQ(s.lesson().sentenceCount(), 2);
    const QList<SentenceRow>& rows = s.lesson().rows();
    EXPECT_EQ(rows[0].english, QStringLiteral("^I$I$^ ^am$be$^"));
    EXPECT_EQ(rows[0].line, QStringLiteral("I am"));
    EXPECT_EQ(rows[0].chinese, QStringLiteral("我是"));
    EXPECT_EQ(rows[0].number, QStringLiteral("1."));
    EXPECT_EQ(rows[1].english, QStringLiteral("^Go$go$◆^.^"));
    EXPECT_EQ(rows[1].number, QStringLiteral("2."));
    // The sentence-study line drops the annotations.
    EXPECT_EQ(s.view().sentence.english, QStringLiteral("I am"));
    EXPECT_EQ(s.view().sentence.chinese, QStringLiteral("我是"));
    EXPECT_EQ(s.view().sentence.counter, QStringLiteral("本课共有2句，当前是第1句"));
    EXPECT_EQ(s.view().sentence.tooltip, QStringLiteral("L1 本课共有2句，当前是第1句"));
    EXPECT_EQ(s.view().lessons.lessonTitle, QStringLiteral("L1"));
    EXPECT_TRUE(s.view().sentence.nextEnabled);
    EXPECT_FALSE(s.view().sentence.previousEnabled);
}

TEST(LessonLoading, EveryLoadStartsTheFullTextAtTheTop) {
    Rig rig;
    rig.standardBook().trainerSettings(
        QStringLiteral("0\\1\\1\\1\\0\\1\\1\\\\0\\Daily Talk\\0\\0\\"));
    OralixSession& s = rig.start();
    int toTop = 0;
    QObject::connect(&s, &OralixSession::scrollToTop, [&toTop] { ++toTop; });
    s.chooseLesson(1); // the lesson list
    EXPECT_EQ(toTop, 1);
    s.nextLesson();
    EXPECT_EQ(toTop, 2);
    s.chooseBook(kBook); // the book box loads its first lesson 10 ms later
    EXPECT_EQ(toTop, 2);
    rig.clock.advance(10);
    EXPECT_EQ(toTop, 3);
    // The chain over the lesson range: three 1.5 s sentences, 10 ms pauses, then lesson 2.
    ASSERT_TRUE(rig.clock.advanceUntil([&s] { return s.view().lessons.index == 1; }, 10000));
    EXPECT_EQ(toTop, 4);
}

TEST(LessonLoading, AOneSentenceLessonDisablesBothDirections) {
    Rig rig;
    rig.course.bookList(kBook, {QStringLiteral("L1")})
        .lesson(kBook, 1, {sentence(QStringLiteral("Hi."), QStringLiteral("嗨。"), 0, 1)})
        .media(kBook, QStringLiteral("1.mp3"), 5000);
    OralixSession& s = rig.start();
    EXPECT_EQ(s.lesson().sentenceCount(), 1);
    EXPECT_FALSE(s.view().sentence.nextEnabled);
    EXPECT_FALSE(s.view().sentence.previousEnabled);
    EXPECT_FALSE(s.view().lessons.nextLessonEnabled);
}

TEST(LessonLoading, AMissingVoiceFileIsToldAndTheLessonStillLoads) {
    Rig rig;
    rig.course.bookList(kBook, {QStringLiteral("L1")}).lesson(kBook, 1, threeSentences());
    OralixSession& s = rig.start();
    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    EXPECT_TRUE(rig.dialogs.texts()[0].startsWith(QStringLiteral("本课没有安装语音文件")));
    EXPECT_EQ(s.lesson().sentenceCount(), 3);
    EXPECT_EQ(s.view().sentence.english, QStringLiteral("It's OK."));
}

TEST(LessonLoading, AnUnreadableOrEmptyLessonKeepsTheLessonOnDisplay) {
    Rig rig;
    rig.standardBook();
    rig.course.lessonText(kBook, 2, QStringLiteral("no records here"));
    QFile::remove(rig.course.path(QStringLiteral("Book/Daily Talk/3.dat")));
    OralixSession& s = rig.start();
    s.nextSentence();
    s.chooseLesson(1);
    EXPECT_EQ(s.view().lessons.index, 0);
    EXPECT_EQ(s.lesson().currentSentence(), 2);
    // The list's tooltip names the lesson still on display, not the one that failed.
    EXPECT_EQ(s.view().lessons.listTooltip, QStringLiteral("当前课程：Lesson One"));
    s.chooseLesson(2);
    EXPECT_EQ(s.view().lessons.index, 0);
    EXPECT_EQ(rig.dialogs.messages().size(), 2);
    EXPECT_TRUE(rig.dialogs.texts()[0].startsWith(QStringLiteral("本课课文中没有句子")));
    EXPECT_TRUE(rig.dialogs.texts()[1].startsWith(QStringLiteral("无法打开本课课文")));
}

TEST(LessonLoading, ABookWhoseFirstLessonCannotBeReadGivesBackTheBookOnDisplay) {
    Rig rig;
    rig.standardBook();
    rig.course.bookList(QStringLiteral("Loud Book"), {QStringLiteral("X1"), QStringLiteral("X2")});
    OralixSession& s = rig.start();
    s.chooseLesson(1);
    s.chooseBook(QStringLiteral("Loud Book"));
    rig.clock.advance(10);
    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    // The book box and the lesson list show the lesson still on display again, so the
    // settings written at exit name it too.
    EXPECT_EQ(s.view().lessons.book, kBook);
    EXPECT_EQ(s.view().lessons.titles.size(), 3);
    EXPECT_EQ(s.view().lessons.index, 1);
    EXPECT_EQ(s.view().lessons.lessonTitle, QStringLiteral("Lesson Two"));
    EXPECT_EQ(s.currentSettings().book, kBook);
    EXPECT_EQ(s.currentSettings().lessonIndex, 1);
}

TEST(LessonLoading, LessonFilesAreFoundWhateverTheCaseOfTheirFolders) {
    Rig rig;
    rig.course.bookList(kBook, {QStringLiteral("L1")})
        .textFile(QStringLiteral("BOOK/daily talk/1.dat"),
                  support::CourseBuilder::lessonTextOf(threeSentences()))
        .media(kBook, QStringLiteral("1.mp3"), 5000);
    OralixSession& s = rig.start();
    EXPECT_EQ(s.lesson().sentenceCount(), 3);
}

struct MediaCase {
    QString book;
    int listIndex;
    QString expectedFile; // relative to Sound/<book>/
};

class MediaChoice : public ::testing::TestWithParam<MediaCase> {};

TEST_P(MediaChoice, EachKindOfBookOpensItsMediaFile) {
    const MediaCase& c = GetParam();
    const common::CourseFolder folder(QStringLiteral("/course"));
    const LessonMediaPath chosen = LessonMediaPath::choose(
        folder, testContent(), c.book, c.listIndex, QStringLiteral("/previous.mp3"));
    EXPECT_EQ(chosen.path, c.expectedFile.isEmpty() ? QStringLiteral("/previous.mp3")
                                                    : folder.mediaFile(c.book, c.expectedFile));
    EXPECT_EQ(chosen.checkExists, c.book == kBook);
}

INSTANTIATE_TEST_SUITE_P(
    Books, MediaChoice,
    ::testing::Values(MediaCase{kBook, 6, QStringLiteral("7.mp3")},
                      MediaCase{QStringLiteral("Video Book"), 1, QStringLiteral("2.wmv")},
                      MediaCase{kSharedA, 0, QStringLiteral("1.mp3")},
                      MediaCase{kSharedA, 9, QStringLiteral("1.mp3")},
                      MediaCase{kSharedA, 10, QStringLiteral("2.mp3")},
                      MediaCase{kSharedA, 64, QStringLiteral("6.mp3")},
                      MediaCase{kSharedA, 74, QStringLiteral("7.mp3")},
                      MediaCase{kSharedA, 75, QString()},
                      MediaCase{kSharedB, 17, QStringLiteral("1.mp3")},  // lesson 18
                      MediaCase{kSharedB, 18, QStringLiteral("2.mp3")},  // lesson 19
                      MediaCase{kSharedB, 104, QStringLiteral("6.mp3")}, // lesson 105
                      MediaCase{kSharedB, 105, QString()}));             // lesson 106

TEST(LessonLoading, SharedAudioLesson106KeepsTheMediaOfTheLessonBefore) {
    Rig rig;
    QStringList titles;
    for (int n = 1; n <= 106; ++n) {
        titles << QStringLiteral("B%1").arg(n);
    }
    rig.course.bookList(kSharedB, titles)
        .lesson(kSharedB, 105, threeSentences())
        .lesson(kSharedB, 106, threeSentences())
        .media(kSharedB, QStringLiteral("6.mp3"), 10000)
        .trainerSettings(QStringLiteral("104\\1\\1\\1\\1\\1\\1\\\\0\\Shared B\\0\\0\\"));
    OralixSession& s = rig.start();
    const QString six = rig.course.folder().mediaFile(kSharedB, QStringLiteral("6.mp3"));
    EXPECT_EQ(s.lessonMediaPath(), six);
    s.chooseLesson(105);
    EXPECT_EQ(s.view().lessons.lessonTitle, QStringLiteral("B106"));
    EXPECT_EQ(s.lessonMediaPath(), six);
    EXPECT_EQ(rig.player().currentPath(), six);
    EXPECT_TRUE(rig.dialogs.messages().isEmpty()); // shared audio is never checked
    EXPECT_EQ(s.view().lessons.listTooltip, QStringLiteral("当前课程：B106"));
}

TEST(LessonLoading, ChoosingABookSelectsItsFirstLessonAndLoadsItOnce10msLater) {
    Rig rig;
    rig.standardBook();
    rig.course.bookList(QStringLiteral("Loud Book"), {QStringLiteral("X1"), QStringLiteral("X2")})
        .lesson(QStringLiteral("Loud Book"), 1, threeSentences())
        .media(QStringLiteral("Loud Book"), QStringLiteral("1.mp3"), 10000);
    OralixSession& s = rig.start();
    s.chooseLesson(2);
    s.chooseBook(QStringLiteral("Loud Book"));
    EXPECT_EQ(s.view().lessons.titles, (QStringList{QStringLiteral("X1"), QStringLiteral("X2")}));
    EXPECT_EQ(s.view().lessons.index, 0);
    EXPECT_EQ(s.view().lessons.lessonTitle, QStringLiteral("Lesson Three"));
    rig.clock.advance(9);
    EXPECT_EQ(s.view().lessons.lessonTitle, QStringLiteral("Lesson Three"));
    rig.clock.advance(1);
    EXPECT_EQ(s.view().lessons.lessonTitle, QStringLiteral("X1"));
    EXPECT_EQ(rig.player().volume(), 70);
    const auto opens = rig.player().calls(support::SimulatedPlayer::Call::Kind::Open).size();
    rig.clock.advance(100);
    EXPECT_EQ(rig.player().calls(support::SimulatedPlayer::Call::Kind::Open).size(), opens);
}

// The book's volume is the default engine's; the backup engine's player keeps its own.
TEST(LessonLoading, OnlyTheDefaultEnginesPlayerTakesTheBooksVolume) {
    for (const auto& [engine, volume] : {std::pair{2, 70}, std::pair{1, 100}}) {
        Rig rig;
        rig.course.bookList(QStringLiteral("Loud Book"), {QStringLiteral("X1")})
            .lesson(QStringLiteral("Loud Book"), 1, threeSentences())
            .media(QStringLiteral("Loud Book"), QStringLiteral("1.mp3"), 10000)
            .trainerSettings(QStringLiteral("0\\1\\1\\1\\1\\1\\1\\\\0\\Loud Book\\0\\0\\"))
            .studySettings(setDat(engine));
        rig.start();
        EXPECT_EQ(rig.player().volume(), volume) << engine;
        EXPECT_EQ(rig.player().calls(support::SimulatedPlayer::Call::Kind::Volume).size(),
                  engine == 2 ? 1 : 0)
            << engine;
    }
}

TEST(LessonLoading, NextLessonStopsAtTheEndOfTheList) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    EXPECT_TRUE(s.view().lessons.nextLessonEnabled);
    s.nextLesson();
    s.nextLesson();
    EXPECT_EQ(s.view().lessons.index, 2);
    EXPECT_FALSE(s.view().lessons.nextLessonEnabled);
    s.nextLesson();
    EXPECT_EQ(s.view().lessons.index, 2);
}

} // namespace
