#include "OralixRig.h"

#include "oralix/core/TrainerSettingsForm.h"

#include <gtest/gtest.h>

using namespace oralix;
using namespace oralix_test;

namespace {

TEST(SettingsForm, OpensWithTheSessionsValues) {
    Rig rig;
    rig.standardBook().trainerSettings(
        QStringLiteral("1\\1\\1\\3\\2\\1\\1\\Lesson Three\\1\\Daily Talk\\255\\65280\\"));
    OralixSession& s = rig.start();
    const TrainerSettingsForm form(s);
    EXPECT_EQ(form.book(), kBook);
    EXPECT_EQ(form.bookTitles(), (QStringList{kBook, kSharedA, kSharedB}));
    EXPECT_EQ(form.lessonTitles().size(), 3);
    EXPECT_EQ(form.startIndex(), 1);
    EXPECT_EQ(form.endIndex(), 2);
    EXPECT_EQ(form.times(), QStringLiteral("3"));
    EXPECT_EQ(form.interval(), QStringLiteral("2"));
    EXPECT_EQ(form.background(), 255);
    EXPECT_EQ(form.text(), 65280);
    EXPECT_EQ(TrainerSettingsForm::intervalItems().last(), QStringLiteral("60"));
    EXPECT_EQ(TrainerSettingsForm::palette()[5], 0x1D + 256 * 0x38 + 65536 * 0x5B);
    EXPECT_EQ(TrainerSettingsForm::palette()[11], 0xF0 + 256 * 0xF7 + 65536 * 0xFF);
}

TEST(SettingsForm, TheEndLessonFollowsTheStartAndNeverComesBeforeIt) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    TrainerSettingsForm form(s);
    form.chooseStart(1);
    EXPECT_EQ(form.endIndex(), 1);
    form.chooseEnd(2);
    EXPECT_EQ(form.endIndex(), 2);
    form.chooseEnd(0);
    EXPECT_EQ(form.endIndex(), 1);
    EXPECT_EQ(form.endTitle(), QStringLiteral("Lesson Two"));
}

TEST(SettingsForm, TimesAndIntervalActAtOnceRangeAndColoursOnlyOnConfirm) {
    Rig rig;
    rig.standardBook();
    OralixSession& s = rig.start();
    {
        TrainerSettingsForm form(s);
        form.chooseTimes(QStringLiteral("5"));
        form.chooseInterval(QStringLiteral("0"));
        form.openPalette(TrainerSettingsForm::Swatch::Background);
        EXPECT_TRUE(form.paletteShown());
        form.pickColour(12);
        EXPECT_FALSE(form.paletteShown());
        form.chooseStart(2);
        // closed without confirming
    }
    EXPECT_EQ(s.view().repeatText, QStringLiteral("5"));
    EXPECT_EQ(s.pauseIntervalMs(), 10);
    EXPECT_EQ(s.view().backgroundColour, TrainerSettings::kDefaultBackground);
    EXPECT_EQ(s.startLessonIndex(), 0);

    TrainerSettingsForm form(s);
    form.openPalette(TrainerSettingsForm::Swatch::Text);
    form.pickColour(3);
    form.chooseStart(1);
    form.chooseEnd(2);
    form.confirm();
    EXPECT_EQ(s.view().textColour, 0xC0);
    EXPECT_EQ(s.view().lessons.index, 1);
    EXPECT_EQ(s.view().lessons.lessonTitle, QStringLiteral("Lesson Two"));
    EXPECT_EQ(s.startLessonIndex(), 1);
    EXPECT_EQ(s.endLessonTitle(), QStringLiteral("Lesson Three"));
    rig.clock.advance(10); // and once more 10 ms later
    EXPECT_EQ(s.view().lessons.index, 1);
    EXPECT_EQ(s.lesson().currentSentence(), 1);
}

TEST(SettingsForm, ChangingTheBookRefillsTheListsWithoutLoading) {
    Rig rig;
    rig.standardBook();
    rig.course.bookList(kSharedA, {QStringLiteral("A1"), QStringLiteral("A2")});
    OralixSession& s = rig.start();
    s.chooseLesson(2);
    TrainerSettingsForm form(s);
    form.chooseBook(kSharedA);
    EXPECT_EQ(form.lessonTitles(), (QStringList{QStringLiteral("A1"), QStringLiteral("A2")}));
    EXPECT_EQ(form.startIndex(), 0);
    EXPECT_EQ(form.endIndex(), 0);
    EXPECT_EQ(s.view().lessons.book, kSharedA);
    EXPECT_EQ(s.view().lessons.index, 0);
    EXPECT_EQ(s.view().lessons.lessonTitle, QStringLiteral("Lesson Three"));
}

} // namespace
