#include "sentara/settings/StudySettings.h"
#include "sentara/settings/OptionFamilies.h"
#include "support/CourseBuilder.h"

#include <QFile>
#include <gtest/gtest.h>

using sentara::OptionFamilies;
using sentara::OptionFamily;
using sentara::RepeatFamily;
using sentara::StudySettings;

namespace {

StudySettings unusual() {
    StudySettings s;
    s.catalogueNodeIndex = 670;
    s.resumeSentence = 7;
    s.modeIndex = 9;
    s.sentencePanelTop = -1234.5;
    s.sentenceHandleTop = 255;
    s.layoutMax = true;
    s.allChineseCheck = 0;
    s.hideMode = 3;
    s.setFraction = 60;
    s.readCount = {20, 0, 3, 5, 10};
    s.pauseMs = {60000, 10, 2000, 30000, 5000};
    s.senChineseCheck = 0;
    s.clickChineseCheck = 0;
    s.wordChineseCheck = 0;
    s.writeEnglishCheck = 1;
    s.writeChineseCheck = 0;
    s.playMode = 1;
    s.videoEnglishCheck = 0;
    s.videoChineseCheck = 0;
    s.keyWordColour = 16711680;
    s.hintMeaning = false;
    s.hintPhonetic = false;
    s.hintWord = true;
    s.hintPronunciation = true;
    s.writeMode = 1;
    s.engineChoice = 1;
    return s;
}

} // namespace

TEST(StudySettingsFile, WrittenLineHas34TerminatedValuesInFileOrder) {
    const QString line = unusual().format();
    EXPECT_EQ(line.count(u'/'), 34);
    EXPECT_TRUE(line.endsWith(u'/'));
    EXPECT_EQ(line, QStringLiteral("670/7/9/-1234.5/255/1/0/3/60/20/60000/0/10/3/2000/5/30000/10/"
                                   "5000/0/0/0/1/0/1/0/0/16711680/False/False/True/True/1/1/"));
}

TEST(StudySettingsFile, RoundTripThroughTheFileRestoresEveryValue) {
    support::CourseBuilder course;
    const StudySettings saved = unusual();
    QString error;
    ASSERT_TRUE(saved.write(course.folder(), &error)) << error.toStdString();
    const std::optional<StudySettings> read = StudySettings::read(course.folder());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, saved);
    for (OptionFamily family : OptionFamilies::all()) {
        EXPECT_GE(OptionFamilies::checkedIndex(family, *read), 0)
            << OptionFamilies::menuName(family).toStdString();
    }
}

TEST(StudySettingsFile, MissingFileReadsAsNothing) {
    support::CourseBuilder course;
    EXPECT_FALSE(StudySettings::read(course.folder()).has_value());
}

TEST(StudySettingsFile, ValuesThatAreNotNumbersReadAsZeroAndAreMadeSafe) {
    QString text;
    for (int i = 1; i <= 34; ++i) {
        text += QStringLiteral("abc/");
    }
    const StudySettings s = StudySettings::parse(text);
    const StudySettings defaults;
    EXPECT_EQ(s.catalogueNodeIndex, 0);
    EXPECT_EQ(s.resumeSentence, 0);
    for (int f = 0; f < sentara::kRepeatFamilyCount; ++f) {
        EXPECT_EQ(s.readCount[f], 0);
        EXPECT_EQ(s.pauseMs[f], 10) << "a pause of 0 would never tick";
    }
    EXPECT_EQ(s.modeIndex, defaults.modeIndex);
    EXPECT_EQ(s.hideMode, defaults.hideMode);
    EXPECT_EQ(s.writeMode, defaults.writeMode);
    EXPECT_EQ(s.engineChoice, defaults.engineChoice);
    EXPECT_FALSE(s.hintMeaning);
    EXPECT_EQ(s.setFraction, 0);
}

TEST(StudySettingsFile, ShortFilesKeepDefaultsForTheValuesTheyLack) {
    const StudySettings full = unusual();
    QString text = full.format();
    text.chop(2); // drop value 34 ("1/")
    int count = 0;
    const StudySettings without34 = StudySettings::parse(text, &count);
    EXPECT_EQ(count, 33);
    EXPECT_EQ(without34.engineChoice, StudySettings().engineChoice);
    EXPECT_EQ(without34.writeMode, full.writeMode);

    const StudySettings empty = StudySettings::parse(QString(), &count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(empty, StudySettings());
    // The lenient numbers: "12abc" is 12, " 7" is 7, "2.6" rounds to 3.
    const StudySettings lenient = StudySettings::parse(QStringLiteral("12abc/ 7/2.6/"));
    EXPECT_EQ(lenient.catalogueNodeIndex, 12);
    EXPECT_EQ(lenient.resumeSentence, 7);
    EXPECT_EQ(lenient.modeIndex, 3);
}

TEST(OptionFamiliesModel, CaptionsAndValuesOfTheRepeatFamilies) {
    struct Case {
        OptionFamily family;
        int value;
        QString objectName;
        QString caption;
    };
    const QList<Case> cases{
        {OptionFamily::SenPause, 10, "SenReadTime0", "无间隔"},
        {OptionFamily::SenPause, 60000, "SenReadTime8", "60秒"},
        {OptionFamily::AllPause, 5000, "AllReadTime4", "5秒"},
        {OptionFamily::SenRead, 0, "SenModeRead0", "不朗读"},
        {OptionFamily::PenRead, 20, "PenModeRead7", "20次"},
        {OptionFamily::WriteRead, 5, "WriteModeRead4", "5次"},
        {OptionFamily::PassMark, 100, "WriteSet1", "100分"},
        {OptionFamily::PassMark, 60, "WriteSet5", "60分"},
        {OptionFamily::PlayMode, 1, "SetPlayMode2", "自动进入下一句"},
        {OptionFamily::HideMode, 2, "RS2", "点出英文"},
    };
    for (const Case& c : cases) {
        StudySettings s;
        const QList<sentara::OptionEntry>& entries = OptionFamilies::entries(c.family);
        int index = -1;
        for (int i = 0; i < entries.size(); ++i) {
            if (entries[i].objectName == c.objectName) {
                index = i;
            }
        }
        ASSERT_GE(index, 0) << c.objectName.toStdString();
        EXPECT_EQ(entries[index].caption, c.caption);
        OptionFamilies::apply(c.family, index, s);
        EXPECT_EQ(OptionFamilies::value(c.family, s), c.value);
        EXPECT_EQ(OptionFamilies::checkedIndex(c.family, s), index);
    }
}

TEST(OptionFamiliesModel, EachCommandChecksExactlyItsEntryAndLeavesOtherFamiliesAlone) {
    StudySettings s;
    for (OptionFamily family : OptionFamilies::all()) {
        const int entries = OptionFamilies::entries(family).size();
        for (int i = 0; i < entries; ++i) {
            const StudySettings before = s;
            OptionFamilies::apply(family, i, s);
            EXPECT_EQ(OptionFamilies::checkedIndex(family, s), i);
            for (OptionFamily other : OptionFamilies::all()) {
                if (other != family) {
                    EXPECT_EQ(OptionFamilies::value(other, s),
                              OptionFamilies::value(other, before));
                }
            }
        }
    }
    // "20次" of the sentence family sets SenReadCount only.
    StudySettings t;
    OptionFamilies::apply(OptionFamily::SenRead, 7, t);
    EXPECT_EQ(t.readCountOf(RepeatFamily::Sen), 20);
    EXPECT_EQ(t.readCountOf(RepeatFamily::Write), StudySettings().readCountOf(RepeatFamily::Write));
}

TEST(OptionFamiliesModel, AValueNoEntryHoldsChecksNone) {
    StudySettings s;
    s.pauseMs[0] = 1500;
    EXPECT_EQ(OptionFamilies::checkedIndex(OptionFamily::SenPause, s), -1);
}

TEST(OptionFamiliesModel, ChineseTogglesNameTheActionNowAvailable) {
    using sentara::OptionToggle;
    EXPECT_EQ(OptionFamilies::toggleCaption(OptionToggle::SenChinese, true), "隐藏中文");
    EXPECT_EQ(OptionFamilies::toggleCaption(OptionToggle::SenChinese, false), "显示中文");
    EXPECT_EQ(OptionFamilies::toggleCaption(OptionToggle::HintMeaning, false), "提示词义");
    StudySettings s;
    for (int t = 0; t < sentara::kOptionToggleCount; ++t) {
        const auto toggle = static_cast<OptionToggle>(t);
        const bool before = OptionFamilies::toggleState(toggle, s);
        OptionFamilies::setToggle(toggle, !before, s);
        EXPECT_NE(OptionFamilies::toggleState(toggle, s), before);
    }
}
