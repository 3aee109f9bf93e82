#include "DictationRig.h"

#include "common/CourseContent.h"
#include "oralix/core/OralixSession.h"

#include <QDirIterator>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace sentara_test;

namespace {

const QString kDemoBook = QStringLiteral("Parlorama"); // Book 6: lesson 1 is node 297

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The demo course's text files (no media) copied into the rig's course folder.
bool copyDemoCourse(support::CourseBuilder& course) {
    const QDir demo(QStringLiteral(DEMO_COURSE_DIR));
    if (!demo.exists(QStringLiteral("SETTING/Results"))) {
        return false;
    }
    course.file(QStringLiteral("lib.dll"), bytesOf(demo.filePath(QStringLiteral("lib.dll"))));
    for (const QString& folder : {QStringLiteral("SETTING"), QStringLiteral("Book")}) {
        QDirIterator it(demo.filePath(folder), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            course.file(demo.relativeFilePath(path), bytesOf(path));
        }
    }
    return true;
}

// A whole demo lesson dictated through the session, word by word, writes exactly one "1" into
// each record's dictation-done field and one star into the Book results, and the compact trainer
// still reads the lesson.
TEST(DictationRoundTrip, ADemoLessonDictatedWholeWritesItsFlagsAndItsStarOnly) {
    support::SessionDoubles doubles;
    Rig rig;
    if (!copyDemoCourse(rig.course)) {
        GTEST_SKIP() << "no demo course in " << DEMO_COURSE_DIR;
    }
    rig.course.content(bytesOf(QStringLiteral(DEMO_COURSE_DIR "/SETTING/Content.json")));
    rig.settings(settingsAt(297, 1, 4));
    const common::CourseFolder folder = rig.course.folder();
    const QString lessonPath = folder.lessonFile(kDemoBook, 1);
    const QString resultsPath = folder.resultsFile(kDemoBook);
    const QString lessonBefore = common::TextFile::read(lessonPath).value_or(QString());
    const QString resultsBefore = common::TextFile::read(resultsPath).value_or(QString());
    const QByteArray otherBefore = bytesOf(folder.lessonFile(kDemoBook, 2));

    sentara::SentaraSession& s = rig.start();
    ASSERT_EQ(s.view().lesson.book, kDemoBook);
    const int n = s.SentenceCount();
    ASSERT_GT(n, 1);
    DictationBox box(s.dictation());
    for (int sentence = 1; sentence <= n; ++sentence) {
        ASSERT_EQ(s.CurrentSentence(), sentence);
        for (const sentara::DictationWordView& word : s.dictation().view().words) {
            if (word.blank) {
                box.type(word.caption + u' ');
            }
        }
    }

    QString expectedLesson = lessonBefore;
    // Every record of the lesson ends with its empty note and flag ("###"); the flag becomes "1".
    ASSERT_EQ(expectedLesson.count(QStringLiteral("###*")), n);
    expectedLesson.replace(QStringLiteral("###*"), QStringLiteral("##1#*"));
    EXPECT_EQ(bytesOf(lessonPath), common::TextFile::encode(expectedLesson).value());
    QString expectedResults = resultsBefore;
    expectedResults.replace(expectedResults.indexOf(u'\u2606'), 1, QChar(u'\u2605'));
    EXPECT_TRUE(expectedResults.startsWith(QStringLiteral("^★Lesson 1 Meeting People^")));
    EXPECT_EQ(bytesOf(resultsPath), common::TextFile::encode(expectedResults).value());
    EXPECT_EQ(bytesOf(folder.lessonFile(kDemoBook, 2)), otherBefore);
    EXPECT_EQ(rig.dialogs.texts().back(), QStringLiteral("本课已听写完成！"));
    EXPECT_EQ(rig.dialogs.messages().size(), n);

    // The compact trainer loads the rewritten lesson.
    oralix::OralixSession compact(folder, common::CourseContent::load(folder),
                                  oralix::OralixServices{doubles.clock, doubles.engines,
                                                         doubles.recorder, doubles.sounds,
                                                         doubles.dialogs, doubles.shell});
    compact.start();
    compact.chooseBook(kDemoBook);
    doubles.clock.advance(oralix::OralixSession::kDelayedLoadMs + 5);
    ASSERT_EQ(compact.lesson().sentenceCount(), n);
    for (int sentence = 1; sentence <= n; ++sentence) {
        EXPECT_EQ(compact.lesson().rows()[sentence - 1].line,
                  s.lesson().record(sentence).displayEnglish());
    }
}

} // namespace
