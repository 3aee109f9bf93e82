#include "SentaraRig.h"

#include "common/CourseContent.h"
#include "sentara/course/Catalogue.h"
#include "sentara/course/LessonMedia.h"

#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::Catalogue;
using sentara::LessonRef;

namespace {

common::CourseContent content() {
    return *common::CourseContent::fromJson(testContentJson());
}

} // namespace

TEST(CatalogueNodes, NodeIndexesMapToBooksAndLessons) {
    support::CourseBuilder course;
    course.bookList(kFirst, {QStringLiteral("Hello"), QStringLiteral("Goodbye")});
    const Catalogue catalogue = Catalogue::build(content(), course.folder());
    EXPECT_EQ(catalogue.nodeCount(), 670);

    struct Case {
        int node;
        std::optional<LessonRef> lesson;
    };
    const QList<Case> cases{
        {0, std::nullopt},           {1, std::nullopt}, // Book node
        {2, LessonRef{kFirst, 1}},   {61, LessonRef{kFirst, 60}},
        {62, std::nullopt}, // Book node of Book 2
        {63, LessonRef{kSecond, 1}}, {245, std::nullopt},
        {246, LessonRef{kVideo, 1}}, {295, LessonRef{kVideo, 50}},
        {640, std::nullopt},         {641, LessonRef{kLast, 1}},
        {670, LessonRef{kLast, 30}}, {671, std::nullopt},
        {-5, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(catalogue.SelectCatalogueBook(c.node), c.lesson) << c.node;
        if (c.lesson) {
            EXPECT_EQ(catalogue.nodeOf(*c.lesson), c.node);
        }
    }
    const QList<int> bookNodes{1, 62, 123, 184, 245, 296, 397, 458, 564, 640};
    ASSERT_EQ(catalogue.view().books.size(), bookNodes.size());
    for (int i = 0; i < bookNodes.size(); ++i) {
        EXPECT_EQ(catalogue.view().books[i].bookNode, bookNodes[i]);
    }
    // Titles come from the BookList file; a title the file lacks is made up, never shifted.
    EXPECT_EQ(catalogue.lessonTitle(2), "Hello");
    EXPECT_EQ(catalogue.lessonTitle(3), "Goodbye");
    EXPECT_EQ(catalogue.lessonTitle(4), "第3课");
    EXPECT_EQ(catalogue.view().books[0].lessonTitles.size(), 60);
}

TEST(LessonMediaChoice, FileNameByTitleKind) {
    const common::CourseContent c = content();
    struct Case {
        QString book;
        int lesson;
        QString file;
    };
    const QList<Case> cases{
        {kFirst, 7, "7.mp3"},
        {kSecond, 1, "1.mp3"}, // grouped: lessons 1-4 share file 1
        {kSecond, 4, "1.mp3"},
        {kSecond, 5, "2.mp3"},
        {kSecond, 12, "12.mp3"}, // outside the table: its own file
        {kVideo, 3, "3.wmv"},
        {QStringLiteral("Serie Seven"), 2, "2.wmv"}, // the series prefix
        {QStringLiteral("Seri"), 2, "2.mp3"},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(sentara::LessonMedia::fileName(c, k.book, k.lesson), k.file)
            << k.book.toStdString() << " " << k.lesson;
    }
}

TEST(LessonMediaChoice, SentenceVolumeByBook) {
    const common::CourseContent c = content();
    EXPECT_EQ(sentara::LessonMedia::sentenceVolume(c, kSecond), 50);
    EXPECT_EQ(sentara::LessonMedia::sentenceVolume(c, QStringLiteral("Sixth Book")), 70);
    EXPECT_EQ(sentara::LessonMedia::sentenceVolume(c, QStringLiteral("Serie Seven")), 70);
    EXPECT_EQ(sentara::LessonMedia::sentenceVolume(c, kFirst), 100);
}
