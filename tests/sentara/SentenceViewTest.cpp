#include "SentaraRig.h"

#include "common/TextFile.h"
#include "sentara/course/SessionViewBuilder.h"
#include "sentara/dictation/FreeSpelling.h"
#include "sentara/modes/VideoMode.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::SentaraSession;
using sentara::StudySettings;

namespace {

QList<support::SentenceSpec> lessonOf(int count) {
    QList<support::SentenceSpec> list;
    for (int i = 0; i < count; ++i) {
        list.append(sen(QStringLiteral("Line %1.").arg(i + 1), QStringLiteral("第%1句").arg(i + 1),
                        1.0 + i, 1.5 + i));
    }
    return list;
}

QString lessonFileText(const Rig& rig, const QString& book, int n) {
    return common::TextFile::read(rig.course.folder().lessonFile(book, n)).value_or(QString());
}

} // namespace

TEST(SentenceNavigation, EnabledStateAtTheEndsAndNeverWrapping) {
    struct Case {
        int count;
        int resume;
        bool back;
        bool next;
    };
    for (const Case& c :
         {Case{1, 1, false, false}, Case{12, 1, false, true}, Case{12, 12, true, false},
          Case{12, 3, true, true}, Case{12, 40, false, true}}) {
        Rig rig;
        rig.lesson(kFirst, 1, lessonOf(c.count)).settings(settingsAt(2, c.resume));
        SentaraSession& s = rig.start();
        const sentara::SessionView v = s.view();
        EXPECT_EQ(v.sentence.backEnabled, c.back) << c.count << "/" << c.resume;
        EXPECT_EQ(v.sentence.nextEnabled, c.next) << c.count << "/" << c.resume;
        EXPECT_EQ(s.videoMode().view().backEnabled, c.back);
        EXPECT_EQ(s.videoMode().view().nextEnabled, c.next);
    }
    Rig rig;
    rig.lesson(kFirst, 1, lessonOf(3)).settings(settingsAt(2, 3));
    SentaraSession& s = rig.start();
    s.SenNextCommand_Click();
    EXPECT_EQ(s.CurrentSentence(), 3);
    EXPECT_FALSE(s.KeyDown(sentara::ShortcutKey::PageDown) && s.CurrentSentence() != 3);
    EXPECT_EQ(s.CurrentSentence(), 3);
    s.SenBegainCommand_Click();
    EXPECT_EQ(s.CurrentSentence(), 1);
    s.SenBackCommand_Click();
    EXPECT_EQ(s.CurrentSentence(), 1);
    s.KeyDown(sentara::ShortcutKey::PageDown);
    EXPECT_EQ(s.CurrentSentence(), 2);
    s.KeyDown(sentara::ShortcutKey::PageUp);
    s.KeyDown(sentara::ShortcutKey::PageDown);
    s.KeyDown(sentara::ShortcutKey::PageDown);
    EXPECT_EQ(s.CurrentSentence(), 3);
    s.KeyDown(sentara::ShortcutKey::Home);
    EXPECT_EQ(s.CurrentSentence(), 1);
    EXPECT_EQ(s.settings().resumeSentence, 1);
}

TEST(SentenceNavigation, CountersProgressAndLessonCounts) {
    Rig rig;
    QList<support::SentenceSpec> twelve = lessonOf(12);
    twelve[4].done = true;
    twelve[7].done = true;
    twelve[1].english = QStringLiteral("I like apples.");
    twelve[1].keyWords = {QStringLiteral("apples")};
    rig.lesson(kFirst, 1, twelve).settings(settingsAt(2, 3));
    SentaraSession& s = rig.start();
    const sentara::SessionView v = s.view();
    EXPECT_EQ(v.sentence.summaryText, "本课共有12句，当前是第3句");
    EXPECT_EQ(v.sentence.counterText, "3 / 12");
    EXPECT_EQ(v.sentence.progressSegments, 12);
    EXPECT_EQ(v.sentence.progressFilled, 3);
    EXPECT_EQ(v.lesson.sentenceCount, 12);
    EXPECT_EQ(v.lesson.keyWordCount, 1);
    EXPECT_EQ(v.lesson.dictatedCount, 2);
    EXPECT_EQ(v.lesson.progressText, "2 / 12");
    EXPECT_DOUBLE_EQ(v.lesson.progressRatio, 2.0 / 12.0);
    ASSERT_EQ(v.lesson.sentences.size(), 12);
    EXPECT_TRUE(v.lesson.sentences[2].current);
    EXPECT_FALSE(v.lesson.sentences[1].current);

    Rig plain;
    plain.lesson(kFirst, 1, lessonOf(5));
    const sentara::SessionView p = plain.start().view();
    EXPECT_EQ(p.lesson.keyWordCount, 0);
    EXPECT_EQ(p.lesson.progressText, "0 / 5");
    EXPECT_EQ(p.lesson.progressRatio, 0.0);
}

TEST(SentenceWords, CellsCarryCaptionClickabilityAndKeyWord) {
    Rig rig;
    rig.lesson(
        kFirst, 1,
        {sen(QStringLiteral("^Hi$hi$◆^, ^3rd$third$^ ^you,^!^"), QStringLiteral("嗨"), 1, 2)});
    SentaraSession& s = rig.start();
    const QList<sentara::WordCell> words = s.view().sentence.words;
    ASSERT_EQ(words.size(), 6);
    EXPECT_EQ(words[0].caption, "Hi");
    EXPECT_EQ(words[0].lookupForm, "hi");
    EXPECT_TRUE(words[0].clickable);
    EXPECT_TRUE(words[0].keyWord);
    EXPECT_EQ(words[1].caption, ", ");
    EXPECT_FALSE(words[1].clickable);
    EXPECT_EQ(words[2].caption, "3rd");
    EXPECT_FALSE(words[2].clickable) << "a token starting with a digit is not clickable";
    EXPECT_FALSE(words[2].keyWord);
    EXPECT_FALSE(words[3].clickable) << "a space";
    EXPECT_EQ(words[4].caption, "you,") << "a token without $ is shown unchanged";
    EXPECT_TRUE(words[4].clickable);
    EXPECT_TRUE(words[4].lookupForm.isEmpty());
    EXPECT_EQ(s.view().sentence.english, "Hi, 3rd you,!");
    EXPECT_EQ(s.freeSpelling().view().englishLine, "__, 3__ ___,!") << "the English starts masked";
    EXPECT_EQ(sentara::FreeSpelling::MaskDictationEnglish(QStringLiteral("Hello, World 42!")),
              "_____, _____ 42!");
}

TEST(SentenceChinese, ToggleTwiceReturnsToTheFirstState) {
    Rig rig;
    rig.lesson(kFirst, 1);
    SentaraSession& s = rig.start();
    const sentara::SessionView first = s.view();
    EXPECT_TRUE(first.sentence.chineseVisible);
    EXPECT_EQ(first.sentence.chineseTogglePicture, "check_1.jpg");
    auto captionOf = [](const sentara::SessionView& v) {
        return v.options.toggles[int(sentara::OptionToggle::SenChinese)].caption;
    };
    EXPECT_EQ(captionOf(first), "隐藏中文");
    s.toggleOption(sentara::OptionToggle::SenChinese);
    const sentara::SessionView off = s.view();
    EXPECT_FALSE(off.sentence.chineseVisible);
    EXPECT_FALSE(off.sentence.noteBoxVisible);
    EXPECT_FALSE(off.sentence.notePlaceholderVisible);
    EXPECT_EQ(off.sentence.chineseTogglePicture, "check_0.jpg");
    EXPECT_EQ(captionOf(off), "显示中文");
    s.sentenceBrowsing().toggleChinese();
    const sentara::SessionView back = s.view();
    EXPECT_EQ(back.sentence.chineseVisible, first.sentence.chineseVisible);
    EXPECT_EQ(back.sentence.notePlaceholderVisible, first.sentence.notePlaceholderVisible);
    EXPECT_EQ(captionOf(back), captionOf(first));
}

TEST(SentenceNotes, SavedIntoTheLessonFileWithSeparatorsMadeSafe) {
    Rig rig;
    QList<support::SentenceSpec> sentences = lessonOf(3);
    sentences[1].done = true;
    sentences[1].tail = QStringLiteral("extra");
    rig.lesson(kFirst, 1, sentences).settings(settingsAt(2, 2));
    SentaraSession& s = rig.start();
    EXPECT_TRUE(s.view().sentence.notePlaceholderVisible);
    EXPECT_EQ(s.view().sentence.notePlaceholder, "[点此添加注释]");
    s.sentenceBrowsing().openNoteBox();
    EXPECT_FALSE(s.view().sentence.notePlaceholderVisible);

    EXPECT_TRUE(s.sentenceBrowsing().saveNote(QStringLiteral("a#b*c^d$e◆ 注意")));
    const QString text = lessonFileText(rig, kFirst, 1);
    EXPECT_TRUE(text.contains(QStringLiteral("#a＃b＊c＾d＄e◇ 注意#1#extra*")))
        << text.toStdString();
    EXPECT_EQ(text.count(u'*'), 4);
    EXPECT_EQ(s.view().sentence.note, "a＃b＊c＾d＄e◇ 注意");
    EXPECT_EQ(s.view().lesson.keyWordCount, 0);

    // An emptied note is removed and the placeholder is back on the next display.
    EXPECT_TRUE(s.sentenceBrowsing().saveNote(QString()));
    s.SenNextCommand_Click();
    s.SenBackCommand_Click();
    EXPECT_TRUE(s.view().sentence.notePlaceholderVisible);
    EXPECT_TRUE(lessonFileText(rig, kFirst, 1).contains(QStringLiteral("##1#extra*")));
}

TEST(SentenceNotes, ALessonFileWithBytesThatAreNoCharacterIsNeverRewritten) {
    Rig rig;
    rig.lesson(kFirst, 1, lessonOf(2));
    const QString path = rig.course.folder().lessonFile(kFirst, 1);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray before = file.readAll();
    file.close();
    // A character beyond GBK (stored in its four-byte form) is kept as it is.
    EXPECT_TRUE(before.startsWith("*"));
    before.insert(1, QByteArray::fromHex("95328236"));
    rig.course.file(QStringLiteral("Book/") + kFirst + QStringLiteral("/1.dat"), before);
    SentaraSession& s = rig.start();
    EXPECT_TRUE(s.sentenceBrowsing().saveNote(QStringLiteral("好 \U0001F600")));
    EXPECT_EQ(s.view().sentence.note, QStringLiteral("好 \U0001F600"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    file.close();
    EXPECT_TRUE(saved.startsWith("*" + QByteArray::fromHex("95328236")));
    EXPECT_TRUE(saved.contains(QByteArray::fromHex("bac3209439fc36")) /* 好 😀 */);
    // A key word marked adds only its marker ("◆" is A1F4); unmarking gives the bytes back.
    const auto bytesNow = [&file] {
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        file.close();
        return bytes;
    };
    s.sentenceBrowsing().clickWord(1, true);
    EXPECT_EQ(QByteArray(bytesNow()).replace("\xa1\xf4", ""), saved);
    EXPECT_EQ(bytesNow().size(), saved.size() + 2);
    s.sentenceBrowsing().clickWord(1, true);
    EXPECT_EQ(bytesNow(), saved);

    // A byte that is no character: the note is not written, the message names the file.
    QByteArray broken = saved;
    broken.insert(1, "\xff");
    rig.course.file(QStringLiteral("Book/") + kFirst + QStringLiteral("/1.dat"), broken);
    s.TreeView1_NodeClick(s.view().lesson.selectedNode);
    EXPECT_FALSE(s.sentenceBrowsing().saveNote(QStringLiteral("新注释")));
    s.sentenceBrowsing().clickWord(1, true);
    ASSERT_EQ(rig.dialogs.messages().size(), 2);
    for (const auto& message : rig.dialogs.messages()) {
        EXPECT_TRUE(message.text.contains(path));
        EXPECT_FALSE(message.text.contains(QStringLiteral("新注释")));
    }
    EXPECT_EQ(bytesNow(), broken);
}

TEST(SentenceNotes, SwitchingTheChineseLineOnCoversTheNoteBoxUntilClicked) {
    Rig rig;
    QList<support::SentenceSpec> sentences = lessonOf(2);
    sentences[0].note = QStringLiteral("  trimmed note ");
    StudySettings st = settingsAt(2);
    st.senChineseCheck = 0;
    rig.lesson(kFirst, 1, sentences).settings(st);
    SentaraSession& s = rig.start();
    EXPECT_EQ(s.view().sentence.note, "trimmed note");
    EXPECT_FALSE(s.view().sentence.notePlaceholderVisible);
    // The placeholder covers the box when the Chinese line comes back, a written note included.
    s.sentenceBrowsing().toggleChinese();
    EXPECT_TRUE(s.view().sentence.noteBoxVisible);
    EXPECT_TRUE(s.view().sentence.notePlaceholderVisible);
    s.sentenceBrowsing().openNoteBox();
    EXPECT_FALSE(s.view().sentence.notePlaceholderVisible);
    // Shown again, a sentence with a note has its box uncovered.
    s.SenNextCommand_Click();
    EXPECT_TRUE(s.view().sentence.notePlaceholderVisible);
    s.SenBackCommand_Click();
    EXPECT_FALSE(s.view().sentence.notePlaceholderVisible);
}

TEST(SentenceNotes, ANoteBeingTypedIsSavedWhenTheSentenceMovesOn) {
    Rig rig;
    StudySettings st = settingsAt(2);
    st.readCount = {1, 1, 1, 1, 1};
    st.pauseMs = {1000, 1000, 1000, 1000, 1000};
    st.playMode = 1; // the automatic advance moves on while the learner types
    rig.lesson(kFirst, 1, lessonOf(3)).settings(st);
    SentaraSession& s = rig.start();
    s.sentenceBrowsing().openNoteBox();
    s.sentenceBrowsing().editNote(QStringLiteral("first#draft"));
    rig.clock.advance(1600); // 510 ms play + 1000 ms pause: sentence 2
    ASSERT_EQ(s.CurrentSentence(), 2);
    EXPECT_TRUE(lessonFileText(rig, kFirst, 1).contains(QStringLiteral("#first＃draft#")));
    EXPECT_EQ(s.view().lesson.sentences[0].number, 1);

    s.sentenceBrowsing().editNote(QStringLiteral("second"));
    s.KeyDown(sentara::ShortcutKey::PageDown);
    EXPECT_TRUE(lessonFileText(rig, kFirst, 1).contains(QStringLiteral("#second#")));

    s.sentenceBrowsing().editNote(QStringLiteral("third"));
    s.shutdown();
    EXPECT_TRUE(lessonFileText(rig, kFirst, 1).contains(QStringLiteral("#third#")));
}
