// Lesson files are shared by both trainers: what the main trainer writes into them (key words
// here) must leave every lesson readable by the compact trainer, whatever the file holds.
#include "sentara/SentaraRig.h"

#include "common/CourseContent.h"
#include "common/TextFile.h"
#include "oralix/core/OralixSession.h"

#include <gtest/gtest.h>

using namespace sentara_test;

TEST(LessonFileInterop, KeyWordsMarkedByTheMainTrainerKeepTheLessonReadableByTheCompactTrainer) {
    // What the format allows besides the ordinary: a key word already marked, a look-up form
    // other than the word, a word ending its record, a line break inside the Chinese, a note, a
    // dictation flag and fields after the sixth "#", a token with one "$" only, a token starting
    // with a digit, a record with fewer than six "#", a record without English.
    const QStringList records{
        QStringLiteral("^It's$it's$^ ^a$a$^ ^go$go$◆^!^#好的\r\n走吧#0.5#1.5#注释：很好#1#extra#"),
        QStringLiteral("^He$he$^ ^went$go$^ ^home$home$^#他回家了。#2#3.25###"),
        QStringLiteral("^word$form^ ^3rd$third$^ ^x$x$^,^#半坏#4#5"),
        QStringLiteral("#空句#6#7###"),
    };
    const QString original = u'*' + records.join(u'*') + u'*';
    Rig rig;
    rig.course.bookList(kFirst, {QStringLiteral("Lesson One")})
        .lessonText(kFirst, 1, original)
        .media(kFirst, QStringLiteral("1.mp3"), 10000);
    rig.settings(settingsAt(2, 1, 1));
    {
        sentara::SentaraSession& s = rig.start();
        ASSERT_EQ(s.SentenceCount(), 4);
        s.fullText().lookUpWord(1, 5, true); // go: unmarked
        s.fullText().lookUpWord(1, 1, true); // It's
        s.fullText().lookUpWord(2, 5, true); // home, the last token of its record
        s.fullText().lookUpWord(2, 3, true); // went, looked up as "go"
        s.fullText().lookUpWord(3, 1, true); // one "$" only: never marked
        s.fullText().lookUpWord(3, 3, true); // 3rd: not a word
        s.shutdown();
    }
    QString expected = original;
    expected.replace(QStringLiteral("^go$go$◆^"), QStringLiteral("^go$go$^"));
    expected.replace(QStringLiteral("^It's$it's$^"), QStringLiteral("^It's$it's$◆^"));
    expected.replace(QStringLiteral("^home$home$^#"), QStringLiteral("^home$home$◆^#"));
    expected.replace(QStringLiteral("^went$go$^"), QStringLiteral("^went$go$◆^"));
    const QString written =
        common::TextFile::read(rig.course.folder().lessonFile(kFirst, 1)).value_or(QString());
    EXPECT_EQ(written, expected);

    const std::optional<common::CourseContent> content =
        common::CourseContent::fromJson(testContentJson());
    ASSERT_TRUE(content.has_value());
    oralix::OralixSession compact(rig.course.folder(), *content,
                                  oralix::OralixServices{rig.clock, rig.engines, rig.recorder,
                                                         rig.sounds, rig.dialogs, rig.shell});
    rig.dialogs.clear();
    compact.start();
    EXPECT_TRUE(rig.dialogs.messages().isEmpty()) << rig.dialogs.texts().join(u'\n').toStdString();
    ASSERT_EQ(compact.lesson().sentenceCount(), 4);
    const QList<oralix::SentenceRow>& rows = compact.lesson().rows();
    EXPECT_EQ(rows[0].line, QStringLiteral("It's a go!"));
    EXPECT_EQ(rows[0].chinese, QStringLiteral("好的\r\n走吧"));
    EXPECT_EQ(rows[1].line, QStringLiteral("He went home"));
    EXPECT_EQ(rows[1].english, QStringLiteral("^He$he$^ ^went$go$◆^ ^home$home$◆^"));
    EXPECT_EQ(rows[2].line, QStringLiteral("word 3rd x,"));
    EXPECT_EQ(rows[3].line, QString());
    EXPECT_EQ(compact.view().sentence.english, QStringLiteral("It's a go!"));
    EXPECT_DOUBLE_EQ(compact.lesson().record(2).endSeconds(), 3.25);
}
