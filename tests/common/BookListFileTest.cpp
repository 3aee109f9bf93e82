#include "common/BookListFile.h"
#include "support/CourseBuilder.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace BookListFile = common::BookListFile;

TEST(BookListFile, TitlesBetweenCarets) {
    const struct {
        const char* text;
        QStringList titles;
    } cases[] = {
        {"^第一课^Lesson 2^第三课^", {"第一课", "Lesson 2", "第三课"}},
        {"^a^b", {"a", "b"}}, // no closing "^": the last title ends with the text
        {"^a^b^\r\n", {"a", "b"}},
        {"^a^^c^", {"a", "", "c"}}, // an empty title keeps the numbering
        {"a^b^", {"a", "b"}},
        {"^", {}},
        {"", {}},
        {"^^", {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(BookListFile::parse(QString::fromUtf8(c.text)), c.titles);
    }
}

TEST(BookListFile, FormatAndReadBack) {
    const QStringList titles = {"打招呼", "At the shop", "a^b"};
    EXPECT_EQ(BookListFile::format(titles), "^打招呼^At the shop^a＾b^");
    EXPECT_EQ(BookListFile::format({}), "^");

    support::CourseBuilder course;
    course.bookList("家常对话", titles.mid(0, 2));
    QString error;
    const auto read = BookListFile::read(course.folder().bookListFile("家常对话"), &error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_EQ(*read, titles.mid(0, 2));

    EXPECT_FALSE(BookListFile::read(course.folder().bookListFile("Missing"), &error));
    EXPECT_TRUE(error.contains("Missing"));
}
