#include "common/BookResultsFile.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace BookResultsFile = common::BookResultsFile;

TEST(BookResultsFile, SummaryListsDoneAndOpenLessonsAndCountsOnlyStarredEntries) {
    const struct {
        const char* text;
        QStringList done;
        QStringList open;
        int lessons;
    } cases[] = {
        {"^☆A^★B^☆C^", {"B"}, {"A", "C"}, 3},
        {"^★A^★B^", {"A", "B"}, {}, 2},
        {"", {}, {}, 0},
        {"^", {}, {}, 0},
        // Damaged: no closing "^" (the text after the last one is ignored), an entry without a
        // star (neither listed nor counted), an empty entry.
        {"^☆A^B^^★C^☆D", {"C"}, {"A"}, 2},
        // Every star of its own kind is removed from a listed title.
        {"^★Lesson ★1^☆Lesson ☆2★^", {"Lesson 1"}, {"Lesson 2★"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const BookResultsFile::Summary summary =
            BookResultsFile::summarize(QString::fromUtf8(c.text));
        EXPECT_EQ(summary.done, c.done);
        EXPECT_EQ(summary.open, c.open);
        EXPECT_EQ(summary.lessons, c.lessons);
    }
}

TEST(BookResultsFile, StarsChangeOnlyInEntriesWhoseTitleMatchesExactly) {
    const QString text = QStringLiteral("^☆Lesson 1^☆Lesson 10^★Lesson 2^☆Lesson 1 ^");
    EXPECT_EQ(BookResultsFile::withLessonDone(text, QStringLiteral("Lesson 1")),
              QStringLiteral("^★Lesson 1^☆Lesson 10^★Lesson 2^☆Lesson 1 ^"));
    EXPECT_EQ(BookResultsFile::withLessonOpen(text, QStringLiteral("Lesson 2")),
              QStringLiteral("^☆Lesson 1^☆Lesson 10^☆Lesson 2^☆Lesson 1 ^"));
    EXPECT_EQ(BookResultsFile::withLessonDone(text, QStringLiteral("Lesson 3")), text)
        << "a title without an entry changes nothing";
    EXPECT_EQ(BookResultsFile::withLessonDone(text, QStringLiteral("Lesson 2")), text)
        << "a done lesson stays done";
    EXPECT_EQ(BookResultsFile::withAllOpen(QStringLiteral("^★A^☆B^★C★^")),
              QStringLiteral("^☆A^☆B^☆C★^"));
}

TEST(BookResultsFile, EditsOfADamagedTextKeepWhatTheWalkDoesNotRead) {
    // Text after the last "^" and entries without a star are written back as they were read.
    const QString damaged = QStringLiteral("^☆A^B^★A^☆A");
    EXPECT_EQ(BookResultsFile::withLessonDone(damaged, QStringLiteral("A")),
              QStringLiteral("^★A^B^★A^☆A"));
    EXPECT_EQ(BookResultsFile::withAllOpen(damaged), QStringLiteral("^☆A^B^☆A^☆A"));
    const QList<BookResultsFile::Entry> entries = BookResultsFile::entries(damaged);
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[1].text, QStringLiteral("B"));
    EXPECT_EQ(entries[2].position, 6);
}
