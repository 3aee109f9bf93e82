#include "common/CourseFolder.h"
#include "support/CourseBuilder.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using common::CourseFolder;

namespace {

struct CourseFolderFixture : ::testing::Test {
    support::CourseBuilder course;
    CourseFolderFixture() {
        course.file("Book/Morning Steps/1.dat", "*")
            .file("SETTING/Set.dat", "1/")
            .file("SETTING/BookList/Morning Steps.dat", "^a^")
            .file("Bitmap/check_0.jpg", "")
            .file("bitmap/check_1.jpg", "")
            .file("word/h/hello.wav", "")
            .file("Sound/Morning Steps/1.MP3", "");
    }
    QString at(const QString& relative) const { return course.root() + u'/' + relative; }
};

} // namespace

TEST_F(CourseFolderFixture, ResolvesEachComponentIgnoringCase) {
    const CourseFolder folder = course.folder();
    const struct {
        const char* asked;
        const char* found;
    } cases[] = {
        {"book/morning steps/1.dat", "Book/Morning Steps/1.dat"},
        {"setting\\set.dat", "SETTING/Set.dat"},
        {"SETTING/SET.DAT", "SETTING/Set.dat"},
        {"\\Setting\\\\BookList/morning STEPS.dat", "SETTING/BookList/Morning Steps.dat"},
        {"Bitmap/check_0.jpg", "Bitmap/check_0.jpg"}, // exact match preferred
        {"bitmap/check_1.jpg", "bitmap/check_1.jpg"}, // over the other spelling
        {"BITMAP/check_1.jpg", "bitmap/check_1.jpg"}, // the folder that holds the file
        {"book/Morning Steps/NEW/2.dat", "Book/Morning Steps/NEW/2.dat"}, // missing: as written
        {"./lib.dll", "lib.dll"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        EXPECT_EQ(folder.resolve(QString::fromUtf8(c.asked)), at(QString::fromUtf8(c.found)));
    }
    EXPECT_TRUE(folder.exists("BOOK/morning steps/1.DAT"));
    EXPECT_FALSE(folder.exists("Book/Morning Steps/2.dat"));
}

TEST_F(CourseFolderFixture, LayoutPaths) {
    const CourseFolder folder = course.folder();
    EXPECT_EQ(folder.lessonFile("morning steps", 1), at("Book/Morning Steps/1.dat"));
    EXPECT_EQ(folder.lessonFile("Morning Steps", 12), at("Book/Morning Steps/12.dat"));
    EXPECT_EQ(folder.mediaFile("Morning Steps", "1.mp3"), at("Sound/Morning Steps/1.MP3"));
    EXPECT_EQ(folder.bookListFile("MORNING STEPS"), at("SETTING/BookList/Morning Steps.dat"));
    EXPECT_EQ(folder.resultsFile("Morning Steps"), at("SETTING/Results/Morning Steps.dat"));
    EXPECT_EQ(folder.studySettingsFile(), at("SETTING/Set.dat"));
    EXPECT_EQ(folder.trainerSettingsFile(), at("SETTING/mnset.dat"));
    EXPECT_EQ(folder.interfaceSound("wrong.wav"), at("SETTING/Sound/wrong.wav"));
    EXPECT_EQ(folder.wordSound("Hello"), at("word/h/hello.wav"));
    EXPECT_EQ(folder.wordSound("über"), at("word/ü/über.wav")); // "Word" is spelt "word" here
    EXPECT_EQ(folder.wordSound("../../etc/passwd"), "");
    EXPECT_EQ(folder.wordSound(""), "");
    EXPECT_EQ(folder.picture("CHECK_0.jpg"), at("Bitmap/check_0.jpg"));
    EXPECT_EQ(folder.dictionaryFile(), at("lib.dll"));
    EXPECT_EQ(folder.recorderFile(), at("Recorder.wav"));
    EXPECT_EQ(folder.contentFile(), at("SETTING/Content.json"));
    EXPECT_EQ(folder.programFile("Oralix"), at("Oralix"));
}

TEST(CourseFolder, ChosenFromTheCommandLineTheEnvironmentOrTheProgram) {
    const QByteArray saved = qgetenv("TRAINER_COURSE_DIR");
    qunsetenv("TRAINER_COURSE_DIR");
    EXPECT_EQ(CourseFolder::fromApplication({"/opt/trainer/Sentara"}).root(), "/opt/trainer");
    EXPECT_EQ(
        CourseFolder::fromApplication({"/opt/trainer/Sentara", "--course", "/srv/course/"}).root(),
        "/srv/course");
    EXPECT_EQ(CourseFolder::fromApplication({"/opt/trainer/Sentara", "--course=/srv/c2"}).root(),
              "/srv/c2");
    qputenv("TRAINER_COURSE_DIR", "/home/learner/course");
    const CourseFolder fromEnvironment = CourseFolder::fromApplication({"/opt/trainer/Sentara"});
    EXPECT_EQ(fromEnvironment.root(), "/home/learner/course");
    // The programs stay where they are, whichever course they work on.
    EXPECT_EQ(fromEnvironment.programDir(), "/opt/trainer");
    EXPECT_EQ(fromEnvironment.programFile("Oralix"), "/opt/trainer/Oralix");
    EXPECT_EQ(
        CourseFolder::fromApplication({"/opt/trainer/Sentara", "--course", "/srv/course"}).root(),
        "/srv/course");
    if (saved.isNull())
        qunsetenv("TRAINER_COURSE_DIR");
    else
        qputenv("TRAINER_COURSE_DIR", saved);
}
