#include "common/CourseContent.h"
#include "common/CourseFolder.h"
#include "support/CourseBuilder.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using common::CourseContent;
using common::LessonRange;

namespace {

QString rangesText(const QList<LessonRange>& ranges) {
    QStringList parts;
    for (const LessonRange& r : ranges)
        parts << QStringLiteral("%1-%2:%3").arg(r.first).arg(r.last).arg(r.file);
    return parts.join(u' ');
}

const QByteArray kFullContent = R"({
  "books": [{"title": "甲书", "lessons": 3}, {"title": "Video Book", "lessons": 2}],
  "groupedAudio": {"甲书": [{"first": 1, "last": 2, "file": 1}, {"first": 3, "last": 3, "file": 2}]},
  "videoTitles": ["Video Book"],
  "videoSeriesPrefix": "Clip",
  "videoCourseTitle": "Video Book",
  "videoWindowTitles": ["Video Book", "Clip One"],
  "volume50Titles": ["甲书"],
  "volume70Titles": [],
  "textLayoutTitles": ["Poems"],
  "trainer": {
    "titleSetA": "A", "titleSetARanges": [{"first": 0, "last": 4, "file": 1}],
    "titleSetB": "B", "titleSetBRanges": [{"first": 1, "last": 9, "file": 3}],
    "videoTitles": ["Video Book", "Clip One"], "volume70Title": "V70", "volume50Title": "V50"
  },
  "urls": {"dictionary": "https://d.test/w/", "help": "https://d.test/help", "logo": "https://d.test/"},
  "compactTrainerProgram": "mini"
})";

} // namespace

TEST(CourseContent, ParsesEveryKey) {
    QString error;
    const auto content = CourseContent::fromJson(kFullContent, &error);
    ASSERT_TRUE(content) << error.toStdString();
    ASSERT_EQ(content->books.size(), 2);
    EXPECT_EQ(content->books[0].title, "甲书");
    EXPECT_EQ(content->books[0].lessonCount, 3);
    EXPECT_EQ(content->books[1].title, "Video Book");
    EXPECT_EQ(content->groupedAudio.keys(), QStringList({"甲书"}));
    EXPECT_EQ(rangesText(content->groupedAudio.value("甲书")), "1-2:1 3-3:2");
    EXPECT_EQ(content->videoTitles, QStringList({"Video Book"}));
    EXPECT_EQ(content->videoSeriesPrefix, "Clip");
    EXPECT_EQ(content->videoCourseTitle, "Video Book");
    EXPECT_EQ(content->videoWindowTitles, QStringList({"Video Book", "Clip One"}));
    EXPECT_EQ(content->volume50Titles, QStringList({"甲书"}));
    EXPECT_TRUE(content->volume70Titles.isEmpty());
    EXPECT_EQ(content->textLayoutTitles, QStringList({"Poems"}));
    EXPECT_EQ(content->titleSetA, "A");
    EXPECT_EQ(rangesText(content->titleSetARanges), "0-4:1");
    EXPECT_EQ(content->titleSetB, "B");
    EXPECT_EQ(rangesText(content->titleSetBRanges), "1-9:3");
    EXPECT_EQ(content->trainerVideoTitles, QStringList({"Video Book", "Clip One"}));
    EXPECT_EQ(content->trainerVolume70Title, "V70");
    EXPECT_EQ(content->trainerVolume50Title, "V50");
    EXPECT_EQ(content->dictionaryUrl, "https://d.test/w/");
    EXPECT_EQ(content->helpUrl, "https://d.test/help");
    EXPECT_EQ(content->logoUrl, "https://d.test/");
    EXPECT_EQ(content->compactTrainerProgram, "mini");

    EXPECT_TRUE(content->isVideoTitle("Video Book"));
    EXPECT_TRUE(content->isVideoTitle("Clip 7"));
    EXPECT_FALSE(content->isVideoTitle("甲书"));
}

TEST(CourseContent, MissingKeysKeepTheDefaults) {
    const CourseContent defaults = CourseContent::defaults();
    const auto content =
        CourseContent::fromJson(R"({"urls": {"help": "h"}, "trainer": {"titleSetA": "X"}})");
    ASSERT_TRUE(content);
    EXPECT_EQ(content->helpUrl, "h");
    EXPECT_EQ(content->dictionaryUrl, defaults.dictionaryUrl);
    EXPECT_EQ(content->titleSetA, "X");
    EXPECT_EQ(content->titleSetB, defaults.titleSetB);
    EXPECT_EQ(content->books.size(), defaults.books.size());
    EXPECT_EQ(content->videoTitles, defaults.videoTitles);
    EXPECT_EQ(rangesText(content->titleSetBRanges), rangesText(defaults.titleSetBRanges));
}

TEST(CourseContent, MalformedContentIsRefusedWithAReason) {
    const struct {
        const char* json;
        const char* mentions;
    } cases[] = {
        {"{", "JSON"},
        {"", "JSON"},
        {"[1, 2]", "对象"},
        {R"({"books": 5})", "books"},
        {R"({"books": [{"title": "A"}]})", "books"},
        {R"({"books": [{"title": "A", "lessons": 2.5}]})", "books"},
        {R"({"groupedAudio": {"A": [{"first": 1, "last": "2", "file": 1}]}})", "groupedAudio.A"},
        {R"({"videoTitles": ["a", 3]})", "videoTitles"},
        {R"({"trainer": {"titleSetBRanges": {}}})", "trainer.titleSetBRanges"},
        {R"({"urls": {"help": 1}})", "urls.help"},
        {R"({"urls": []})", "urls"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        QString error;
        EXPECT_FALSE(CourseContent::fromJson(c.json, &error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.mentions))) << error.toStdString();
    }
}

TEST(CourseContent, LoadsTheCourseFolderFile) {
    support::CourseBuilder course;
    QString error;
    const CourseContent none = CourseContent::load(course.folder(), &error);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(none.books.size(), CourseContent::defaults().books.size());

    course.content(kFullContent);
    const CourseContent own = CourseContent::load(course.folder(), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(own.compactTrainerProgram, "mini");

    // Saved in the system code page instead of UTF-8.
    course.textFile("SETTING/Content.json", R"({"books": [{"title": "家常对话", "lessons": 4}]})");
    const CourseContent gbk = CourseContent::load(course.folder(), &error);
    ASSERT_EQ(gbk.books.size(), 1);
    EXPECT_EQ(gbk.books[0].title, "家常对话");

    course.content("{ not json");
    const CourseContent broken = CourseContent::load(course.folder(), &error);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains("Content.json"));
    EXPECT_EQ(broken.books.size(), CourseContent::defaults().books.size());
}

TEST(CourseContent, RangeFileLooksUpInclusiveRanges) {
    const QList<LessonRange> ranges = {{1, 18, 1}, {19, 38, 2}, {88, 105, 6}};
    const struct {
        int lesson;
        std::optional<int> file;
    } cases[] = {{1, 1},
                 {18, 1},
                 {19, 2},
                 {38, 2},
                 {39, std::nullopt},
                 {105, 6},
                 {106, std::nullopt},
                 {0, std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lesson);
        EXPECT_EQ(CourseContent::rangeFile(ranges, c.lesson), c.file);
    }
}

TEST(CourseContent, DemoDefaultsDescribeTheTenBooks) {
    const CourseContent content = CourseContent::defaults();
    QList<int> counts;
    QStringList titles;
    for (const CourseContent::Book& book : content.books) {
        counts << book.lessonCount;
        titles << book.title;
    }
    EXPECT_EQ(counts, QList<int>({60, 60, 60, 60, 50, 100, 60, 105, 75, 30}));
    ASSERT_EQ(titles.size(), 10);
    EXPECT_EQ(titles[5], "Parlorama");
    EXPECT_EQ(content.videoCourseTitle, titles[4]);
    EXPECT_TRUE(content.isVideoTitle(content.videoCourseTitle));
    EXPECT_EQ(content.groupedAudio.size(), 3);
    for (auto it = content.groupedAudio.cbegin(); it != content.groupedAudio.cend(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        const qsizetype book = titles.indexOf(it.key());
        ASSERT_GE(book, 0);
        // Every lesson of a grouped Book has its shared file.
        for (int lesson = 1; lesson <= content.books[book].lessonCount; ++lesson)
            EXPECT_TRUE(CourseContent::rangeFile(it.value(), lesson).has_value()) << lesson;
    }
    EXPECT_EQ(content.volume50Titles.size(), 3);
    EXPECT_EQ(content.volume70Titles.size(), 4);
    EXPECT_EQ(content.textLayoutTitles.size(), 3);
    EXPECT_EQ(content.trainerVideoTitles.size(), 7);
    EXPECT_EQ(content.videoWindowTitles.size(), 7);
    EXPECT_TRUE(content.videoWindowTitles.contains(content.videoCourseTitle));
    EXPECT_EQ(content.videoSeriesPrefix.size(), 5);
    EXPECT_EQ(rangesText(content.titleSetARanges),
              "0-9:1 10-19:2 20-29:3 30-39:4 40-49:5 50-64:6 65-74:7");
    EXPECT_EQ(rangesText(content.titleSetBRanges),
              "1-18:1 19-38:2 39-54:3 55-68:4 69-87:5 88-105:6");
    EXPECT_TRUE(titles.contains(content.titleSetA));
    EXPECT_TRUE(titles.contains(content.titleSetB));
    EXPECT_FALSE(content.dictionaryUrl.isEmpty());
    EXPECT_EQ(content.compactTrainerProgram, "Oralix");
}
