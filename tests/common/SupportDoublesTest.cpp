#include "common/LessonText.h"
#include "common/TextFile.h"
#include "support/CourseBuilder.h"
#include "support/FixedTextMeasure.h"
#include "support/ManualClock.h"
#include "support/QtPrinters.h"
#include "support/ScriptedDialogs.h"
#include "support/SimulatedRecorder.h"

#include <QFileInfo>
#include <gtest/gtest.h>

TEST(CourseBuilder, WritesAGbkCourseTheFormatsReadBack) {
    support::SentenceSpec first;
    first.english = "How are you?";
    first.chinese = "你好吗？";
    first.start = 12.5;
    first.end = 14.2;
    first.note = "问候语";
    first.done = true;
    first.keyWords = {"how"};
    support::SentenceSpec second;
    second.english = "^Fine$fine$^.^";
    second.chinese = "很好。";
    second.start = 14.9;
    second.end = 16;

    support::CourseBuilder course;
    course.lesson("家常对话", 3, {first, second}).media("家常对话", "3.mp3", 16000);
    const common::CourseFolder folder = course.folder();
    const auto text = common::TextFile::read(folder.lessonFile("家常对话", 3));
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "*^How$how$◆^ ^are$are$^ ^you$you$^?^#你好吗？#12.5#14.2#问候语#1#*"
                     "^Fine$fine$^.^#很好。#14.9#16###*");
    EXPECT_TRUE(QFileInfo::exists(folder.mediaFile("家常对话", "3.mp3")));
    EXPECT_EQ(course.media().find(folder.mediaFile("家常对话", "3.mp3"))->durationMs, 16000);
    EXPECT_FALSE(course.media().contains(folder.mediaFile("家常对话", "4.mp3")));
}

TEST(FixedTextMeasure, WideCharactersCountDouble) {
    const support::FixedTextMeasure measure(10, 20);
    using Role = ports::TextMeasure::FontRole;
    EXPECT_EQ(measure.width("Hello", Role::Sentence), 50);
    EXPECT_EQ(measure.width("你好!", Role::Chinese), 50);
    EXPECT_EQ(measure.width("", Role::Word), 0);
    EXPECT_EQ(measure.lineHeight(Role::Row), 20);
}

TEST(ScriptedDialogs, RecordsMessagesAndAnswersColoursInTurn) {
    support::ScriptedDialogs dialogs;
    int shownWhileOpen = 0;
    dialogs.onInfo([&](const support::ScriptedDialogs::Message& m) {
        shownWhileOpen += m.title == "提示" ? 1 : 0;
    });
    dialogs.info("提示", "已过关");
    dialogs.scriptColours({255, std::nullopt});
    EXPECT_EQ(dialogs.chooseColour(1), 255);
    EXPECT_EQ(dialogs.chooseColour(2), std::nullopt);
    EXPECT_EQ(dialogs.chooseColour(3), std::nullopt);
    EXPECT_EQ(dialogs.texts(), QStringList({"已过关"}));
    EXPECT_EQ(shownWhileOpen, 1);
    EXPECT_EQ(dialogs.colourRequests(), QList<int>({1, 2, 3}));
}

TEST(SimulatedRecorder, RecordsThenPlaysBackForTheRecordedLength) {
    support::ManualClock clock;
    support::CourseBuilder course;
    support::SimulatedRecorder recorder(clock);
    int finishedAt = -1;
    QObject::connect(&recorder, &ports::Recorder::playbackFinished,
                     [&] { finishedAt = int(clock.nowMs()); });
    EXPECT_FALSE(recorder.record()); // not opened
    ASSERT_TRUE(recorder.open(course.folder().recorderFile()));
    EXPECT_FALSE(recorder.playFromStart()); // nothing recorded yet
    ASSERT_TRUE(recorder.record());
    clock.advance(1500);
    recorder.stop();
    EXPECT_TRUE(QFileInfo::exists(course.folder().recorderFile()));
    EXPECT_EQ(recorder.recordedMs(), 1500);
    ASSERT_TRUE(recorder.playFromStart());
    EXPECT_EQ(recorder.state(), ports::Recorder::State::Playing);
    clock.advance(2000);
    EXPECT_EQ(finishedAt, 3000);
    EXPECT_EQ(recorder.state(), ports::Recorder::State::Idle);

    recorder.setMicrophoneAvailable(false);
    EXPECT_FALSE(recorder.record());
    EXPECT_FALSE(recorder.lastError().isEmpty());
}
