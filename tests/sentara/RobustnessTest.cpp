#include "SentaraRig.h"

#include "common/TextFile.h"
#include "sentara/modes/VideoMode.h"
#include "sentara/modes/VoiceRecording.h"

#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::SentaraSession;
using sentara::StudySettings;

namespace {

// Everything a learner can do on the sentence side, then time passing: none of it may crash,
// hang or leave the session in a state the view cannot show.
void exercise(Rig& rig, SentaraSession& s) {
    for (int tab = 1; tab <= 9; ++tab) {
        s.TabImage_Click(tab);
        s.SenNextCommand_Click();
        s.SenBackCommand_Click();
        s.SenBegainCommand_Click();
        s.SenPlayCommand_Click();
        s.AutoPlaySentence();
        rig.clock.advance(3000);
    }
    s.TabImage_Click(2);
    s.sentenceBrowsing().toggleChinese();
    s.videoMode().playOn();
    rig.clock.advance(3000);
    s.TabImage_Click(6);
    s.voiceRecording().record();
    rig.clock.advance(500);
    s.voiceRecording().stop();
    s.voiceRecording().compare();
    rig.clock.advance(3000);
    s.AllReadCommand_Click();
    rig.clock.advance(3000);
    s.sentenceBrowsing().saveNote(QStringLiteral("note"));
    const sentara::SessionView v = s.view();
    EXPECT_GE(v.sentence.current, 0);
    EXPECT_LE(v.sentence.current, v.sentence.count);
    s.shutdown();
}

QByteArray setDatWith(const QByteArray& value) {
    QByteArray text;
    for (int i = 1; i <= StudySettings::kValueCount; ++i) {
        text += value + '/';
    }
    return text;
}

} // namespace

TEST(Robustness, DamagedSettingsFilesStartAndRun) {
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const QList<Case> cases{
        {"garbage", QByteArray("\xff\xfe\x00\x81 garbage, no separators", 26)},
        {"not numbers", setDatWith("abc")},
        {"fewer than 33 values", "2/2/2/0/0/0/1/1/"},
        {"huge positive", setDatWith("99999999999999999999")},
        {"huge negative", setDatWith("-99999999999999999999")},
        {"lowest int", setDatWith("-2147483648")},
        {"very long number", setDatWith(QByteArray(400, '9'))},
        {"empty values", setDatWith(QByteArray())},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig;
        rig.lesson(kFirst, 1);
        rig.course.file(QStringLiteral("SETTING/Set.dat"), c.bytes);
        SentaraSession& s = rig.start();
        EXPECT_TRUE(s.view().lesson.loaded);
        EXPECT_GE(s.CurrentSentence(), 1);
        for (int f = 0; f < sentara::kRepeatFamilyCount; ++f) {
            EXPECT_GE(s.settings().pauseMs[f], 10);
        }
        exercise(rig, s);
    }
}

TEST(Robustness, MalformedLessonFilesLoadAndRun) {
    struct Case {
        const char* what;
        QString text;
        int sentences;
    };
    const QList<Case> cases{
        {"empty lesson", QStringLiteral("*"), 0},
        {"nothing at all", QString(), 0},
        {"two stars", QStringLiteral("**"), 1},
        {"fewer than six #", QStringLiteral("*^Hi$hi$^#嗨#1*^Bye^#*no separators*"), 3},
        {"huge times", QStringLiteral("*^Go^#去#99999999999999999999#-5#note#1#*"), 1},
        {"no closing star", QStringLiteral("*^A^#甲#1#2###*^B^#乙#3#4###"), 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rig rig;
        rig.course.lessonText(kFirst, 1, c.text);
        rig.course.media(kFirst, QStringLiteral("1.mp3"), 10000);
        rig.settings(settingsAt(2, 5));
        SentaraSession& s = rig.start();
        EXPECT_TRUE(s.view().lesson.loaded);
        EXPECT_EQ(s.SentenceCount(), c.sentences);
        EXPECT_EQ(s.CurrentSentence(), c.sentences > 0 ? 1 : 0)
            << "a remembered sentence beyond the lesson shows its first sentence";
        exercise(rig, s);
    }
}

// A damaged lesson file keeps what lies outside its records when a note is saved: the sentence
// it was cut off in is not dropped.
TEST(Robustness, ANoteSavedIntoALessonCutOffInsideASentenceKeepsTheCutOffText) {
    Rig rig;
    const QString text = QStringLiteral("lead*^Hi$hi$^#嗨#1#2###*^Bye$bye$^#再");
    rig.course.lessonText(kFirst, 1, text);
    rig.course.media(kFirst, QStringLiteral("1.mp3"), 10000);
    rig.settings(settingsAt(2, 1));
    SentaraSession& s = rig.start();
    ASSERT_EQ(s.SentenceCount(), 1);
    EXPECT_TRUE(s.sentenceBrowsing().saveNote(QStringLiteral("记")));
    const auto saved = common::TextFile::read(rig.course.folder().lessonFile(kFirst, 1));
    EXPECT_EQ(saved, QStringLiteral("lead*^Hi$hi$^#嗨#1#2#记##*^Bye$bye$^#再"));
}
