#include "DictationRig.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::ResultsView;
using sentara::SentaraSession;

namespace {

using Message = support::ScriptedDialogs::Message;

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

support::SentenceSpec passed(const QString& english, double start) {
    support::SentenceSpec spec = sen(english, QStringLiteral("中文"), start, start + 1);
    spec.done = true;
    return spec;
}

// Sentence 1 open, 2 passed, 3 open.
QList<support::SentenceSpec> mixedLesson() {
    return {sen(QStringLiteral("How are you?"), QStringLiteral("你好吗？"), 1, 2),
            passed(QStringLiteral("Fine, thanks."), 3),
            sen(QStringLiteral("Odd one."), QStringLiteral("怪"), 5, 6)};
}

TEST(ResultsReport, ListsTheLessonsSentencesAndTheBooksLessonsWithTheirCounts) {
    DictationRig rig;
    // Sentence 3's flag is neither empty nor "1": it is listed nowhere.
    rig.course.lessonText(kFirst, 1,
                          support::CourseBuilder::lessonTextOf(mixedLesson())
                              .replace(QStringLiteral("#5#6###"), QStringLiteral("#5#6##x#")));
    rig.course.results(kFirst, QStringLiteral("^☆A^★B^☆C^"));
    SentaraSession& s = rig.start();
    EXPECT_FALSE(s.results().view().visible);
    s.results().ShowResults();
    ResultsView v = s.results().view();
    EXPECT_TRUE(v.visible);
    EXPECT_EQ(v.openSentences, QStringList{"1.How are you?"});
    EXPECT_EQ(v.passedSentences, QStringList{"2.Fine, thanks."});
    EXPECT_EQ(v.doneLessons, QStringList{"B"});
    EXPECT_EQ(v.openLessons, (QStringList{"A", "C"}));
    EXPECT_EQ(v.lessonCount, 3);
    EXPECT_EQ(v.doneLessonCount, 1);
    EXPECT_EQ(v.summary, QStringLiteral("本册共有3课，已听写完成1课"));
    EXPECT_DOUBLE_EQ(v.bookRatio, 1.0 / 3.0);

    // Placeholder rows, not counted.
    v = sentara::ResultsReport::build(sentara::LoadedLesson(kFirst, 1, 2, "*^A$a$^#甲#0#1#n#1#*"),
                                      QStringLiteral("^★A^★B^"));
    EXPECT_EQ(v.openSentences, QStringList{"本课已听写完成"});
    EXPECT_EQ(v.openLessons, QStringList{"本册已听写完成"});
    v = sentara::ResultsReport::build(sentara::LoadedLesson(kFirst, 1, 2, "*^A$a$^#甲#0#1###*"),
                                      QStringLiteral("^☆A^"));
    EXPECT_EQ(v.passedSentences, QStringList{"没有听写完成的句子"});
    EXPECT_EQ(v.doneLessons, QStringList{"没有听写完成的课程"});
    EXPECT_EQ(v.doneLessonCount, 0);
}

TEST(ResultsReport, ARowGoesToItsSentenceAndAPlaceholderDoesNothing) {
    DictationRig rig;
    rig.lesson(kFirst, 1, mixedLesson());
    SentaraSession& s = rig.start();
    QList<sentara::FocusTarget> focus;
    QObject::connect(&s, &SentaraSession::focusRequested,
                     [&](sentara::FocusTarget t) { focus << t; });
    s.results().ShowResults();
    s.results().openListedSentence(QStringLiteral("没有听写完成的句子"));
    EXPECT_TRUE(s.results().view().visible);
    s.results().openListedSentence(QStringLiteral("2.Fine, thanks."));
    EXPECT_EQ(s.CurrentSentence(), 2);
    EXPECT_FALSE(s.results().view().visible);
    EXPECT_EQ(focus, QList<sentara::FocusTarget>{sentara::FocusTarget::DictationInput});
}

TEST(ResultsReport, ClearingTheLessonReopensItsSentencesAndItsStarSilently) {
    DictationRig rig;
    rig.lesson(kFirst, 1, {passed(QStringLiteral("How are you?"), 1), passed("Fine.", 3)});
    rig.course.results(kFirst, QStringLiteral("^★Lesson 1^★Lesson 2^"));
    SentaraSession& s = rig.start();
    ASSERT_TRUE(rig.test().view().doneBadgeVisible);
    s.results().ShowResults();
    s.results().clearLesson();
    EXPECT_EQ(common::LessonText::dictatedCount(common::LessonText::split(rig.lessonFile())), 0);
    EXPECT_EQ(rig.resultsFile(), QStringLiteral("^☆Lesson 1^★Lesson 2^"));
    EXPECT_FALSE(s.results().view().visible);
    EXPECT_TRUE(rig.dialogs.messages().isEmpty());
    const sentara::DictationView v = rig.test().view();
    EXPECT_FALSE(v.doneBadgeVisible);
    EXPECT_EQ(v.progressText, QStringLiteral("0 / 2"));

    // The cleared sentence is dictated again, and this time its pass is written.
    rig.box().type(QStringLiteral("how are you "));
    EXPECT_TRUE(common::LessonText::split(rig.lessonFile())[0].dictationDone());
    EXPECT_FALSE(common::LessonText::split(rig.lessonFile())[1].dictationDone());
}

TEST(ResultsReport, ClearingTheBookStopsAtTheFirstMissingLesson) {
    DictationRig rig;
    const QList<support::SentenceSpec> done = {passed(QStringLiteral("Hi."), 1)};
    rig.lesson(kFirst, 1, mixedLesson()).lesson(kFirst, 2, done).lesson(kFirst, 4, done);
    // Lesson 3 is missing: lesson 4 lies after the gap.
    rig.course.results(kFirst, QStringLiteral("^★Lesson 1^★Lesson 2^☆Lesson 3^★Lesson 4^tail"));
    SentaraSession& s = rig.start();
    const QString lesson4 = rig.lessonFile(4);
    s.results().ShowResults();
    s.results().clearBook();

    EXPECT_EQ(common::LessonText::dictatedCount(common::LessonText::split(rig.lessonFile(1))), 0);
    EXPECT_EQ(common::LessonText::dictatedCount(common::LessonText::split(rig.lessonFile(2))), 0);
    EXPECT_EQ(rig.lessonFile(4), lesson4) << "after the gap nothing is cleared";
    EXPECT_FALSE(QFileInfo::exists(rig.course.folder().lessonFile(kFirst, 3)));
    EXPECT_EQ(rig.resultsFile(), QStringLiteral("^☆Lesson 1^☆Lesson 2^☆Lesson 3^☆Lesson 4^tail"));
    EXPECT_EQ(rig.dialogs.messages(), (QList<Message>{{"提示", "本册成绩清除完毕"}}));
    EXPECT_EQ(s.lesson().dictatedCount(), 0);
    EXPECT_FALSE(s.results().view().visible);
}

// Files that would not come back byte for byte (a byte that is no character) are never
// rewritten: the star stays in memory and the results file is named; clearing the Book leaves
// such a lesson file as it is and says so, while a damaged lesson's text after its last record
// is kept.
TEST(ResultsReport, FilesThatWouldNotRoundTripAreLeftAsTheyAre) {
    DictationRig rig;
    const common::CourseFolder folder = rig.course.folder();
    const QByteArray strayByte("\xFF");
    const QByteArray results =
        common::TextFile::encode(QStringLiteral("^☆Lesson 1^☆Lesson 2^")).value();
    rig.course.file(folder.resultsFile(kFirst).mid(folder.root().size() + 1), results + strayByte);
    const QByteArray lesson2 = common::TextFile::encode(support::CourseBuilder::lessonTextOf(
                                                            {passed(QStringLiteral("Hi."), 1)}))
                                   .value();
    rig.course.file(folder.lessonFile(kFirst, 2).mid(folder.root().size() + 1),
                    lesson2 + strayByte);
    const QString lesson3 =
        support::CourseBuilder::lessonTextOf({passed(QStringLiteral("Bye."), 1)}) +
        QStringLiteral("^Cut$cut$^ off");
    rig.course.lessonText(kFirst, 3, lesson3);
    SentaraSession& s = rig.start();

    rig.box().type(QStringLiteral("how are you fine thanks "));
    ASSERT_EQ(rig.dialogs.messages().size(), 3);
    EXPECT_TRUE(rig.dialogs.messages()[2].text.contains(
        QDir::toNativeSeparators(folder.resultsFile(kFirst))));
    EXPECT_TRUE(rig.dialogs.messages()[2].text.contains(QStringLiteral("无法识别的字节")));
    EXPECT_EQ(bytesOf(folder.resultsFile(kFirst)), results + strayByte);
    EXPECT_EQ(s.results().view().doneLessons, QStringList{"Lesson 1"}) << "kept in memory";

    s.results().clearBook();
    EXPECT_EQ(bytesOf(folder.lessonFile(kFirst, 2)), lesson2 + strayByte);
    EXPECT_TRUE(
        rig.dialogs.messages().last().text.startsWith(QStringLiteral("本册成绩没有全部清除")));
    EXPECT_EQ(rig.lessonFile(3),
              QString(lesson3).replace(QStringLiteral("##1#"), QStringLiteral("###")));
    EXPECT_EQ(s.lesson().dictatedCount(), 0);
}

TEST(ResultsReport, AMissingResultsFileIsReportedAndNeverCreated) {
    DictationRig rig;
    QFile::remove(rig.course.folder().resultsFile(kFirst));
    SentaraSession& s = rig.start();
    s.results().ShowResults();
    const ResultsView v = s.results().view();
    EXPECT_TRUE(v.problem.contains(QStringLiteral("找不到本册成绩文件")));
    EXPECT_EQ(v.summary, QStringLiteral("本册共有0课，已听写完成0课"));
    s.results().close();
    rig.box().type(QStringLiteral("how are you fine thanks "));
    ASSERT_GE(rig.dialogs.messages().size(), 3);
    EXPECT_EQ(rig.dialogs.messages()[1].text, QStringLiteral("本课已听写完成！"));
    EXPECT_TRUE(rig.dialogs.messages()[2].text.contains(QStringLiteral("找不到本册成绩文件")));
    EXPECT_FALSE(QFileInfo::exists(rig.course.folder().resultsFile(kFirst)));
    EXPECT_EQ(s.lesson().dictatedCount(), 2) << "the lesson file holds the passes all the same";
}

TEST(ResultsReport, AStarTheResultsFileCannotHoldStaysInMemory) {
    DictationRig rig;
    SentaraSession& s = rig.start();
    const QString path = rig.course.folder().resultsFile(kFirst);
    rig.box().type(QStringLiteral("how are you "));
    rig.makeUnwritable(path);
    rig.box().type(QStringLiteral("fine thanks "));
    ASSERT_EQ(rig.dialogs.messages().size(), 3);
    EXPECT_TRUE(rig.dialogs.messages()[2].text.contains(QDir::toNativeSeparators(path)));
    // The report (which reads the file again) still shows the lesson done.
    const ResultsView v = s.results().view();
    EXPECT_TRUE(v.visible);
    EXPECT_EQ(v.doneLessons, QStringList{"Lesson 1"});
}

// Clearing the Book when the results file cannot be written: the lessons are cleared, the file
// is named, and the Book is not announced as cleared.
TEST(ResultsReport, ClearingTheBookDoesNotAnnounceSuccessWhenTheResultsFileCannotBeWritten) {
    DictationRig rig;
    rig.lesson(kFirst, 1, mixedLesson());
    rig.course.results(kFirst, QStringLiteral("^★Lesson 1^☆Lesson 2^"));
    SentaraSession& s = rig.start();
    const QString path = rig.course.folder().resultsFile(kFirst);
    rig.makeUnwritable(path);
    s.results().ShowResults();
    s.results().clearBook();
    EXPECT_EQ(common::LessonText::dictatedCount(common::LessonText::split(rig.lessonFile(1))), 0);
    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    EXPECT_TRUE(rig.dialogs.messages()[0].text.contains(QDir::toNativeSeparators(path)));
    EXPECT_NE(rig.dialogs.messages()[0].text, QStringLiteral("本册成绩清除完毕"));
}

} // namespace
