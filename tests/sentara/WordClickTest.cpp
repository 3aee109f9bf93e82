#include "SentaraRig.h"

#include "common/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace sentara_test;
using sentara::SentaraSession;

namespace {

const QString kDictionary =
    QStringLiteral("$box[b5ks]n. 盒子$big[big]adj. 大的$it's[its]它是$the[T4]art. 这个");

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct WordRig : Rig {
    WordRig() {
        course.dictionary(kDictionary);
        // Tokens: The(1) " "(2) boxes(3) " "(4) are(5) " "(6) big(7) "."(8)
        lesson(kFirst, 1,
               {sen(QStringLiteral("The boxes are big."), QStringLiteral("盒子很大。"), 1, 2),
                sen(QStringLiteral("It's zzz!"), QStringLiteral("是zzz！"), 3, 4)});
    }
    QString wordSoundPath() const {
        const support::SimulatedPlayer* word =
            engines.latest(support::SimulatedEngines::Role::Word);
        return word ? word->currentPath() : QString();
    }
};

TEST(WordClick, ALookedUpWordIsShownPronouncedAndItsDictionaryPageOpens) {
    WordRig rig;
    SentaraSession& s = rig.start();
    s.sentenceBrowsing().clickWord(3);
    const sentara::WordPanelView panel = s.view().wordPanel;
    EXPECT_TRUE(panel.visible);
    EXPECT_EQ(panel.headword, QStringLiteral("box")); // "boxes" falls back to its base form
    EXPECT_EQ(panel.phonetic, QStringLiteral("b5ks"));
    EXPECT_EQ(panel.meaning, QStringLiteral("n. 盒子"));
    EXPECT_EQ(panel.linkCaption, QStringLiteral("<词典>"));
    rig.clock.advance(20);
    EXPECT_TRUE(rig.wordSoundPath().endsWith(QStringLiteral("Word/b/box.wav")))
        << rig.wordSoundPath().toStdString();

    s.wordPanel().openOnlineDictionary();
    EXPECT_EQ(rig.shell.urls(), QStringList{QStringLiteral("https://dict.youdao.com/search?q=box")});

    // Punctuation does not react; a sentence change closes the panel.
    s.hideWordPanel();
    s.sentenceBrowsing().clickWord(8);
    EXPECT_FALSE(s.view().wordPanel.visible);
    s.sentenceBrowsing().clickWord(7);
    s.SenNextCommand_Click();
    EXPECT_FALSE(s.view().wordPanel.visible);
}

TEST(WordClick, AWordNotInTheDictionaryIsSaidSoAndItsAddressIsEncoded) {
    WordRig rig;
    SentaraSession& s = rig.start();
    s.SenNextCommand_Click();
    s.sentenceBrowsing().clickWord(3); // zzz
    EXPECT_EQ(s.view().wordPanel.headword, QStringLiteral("zzz"));
    EXPECT_EQ(s.view().wordPanel.meaning, QStringLiteral("<没找到!>"));
    EXPECT_TRUE(s.view().wordPanel.phonetic.isEmpty());
    rig.clock.advance(20);
    EXPECT_TRUE(rig.wordSoundPath().endsWith(QStringLiteral("Word/z/zzz.wav")));

    s.sentenceBrowsing().clickWord(1); // It's: its look-up form is "it's"
    EXPECT_EQ(s.view().wordPanel.headword, QStringLiteral("it's"));
    s.wordPanel().openOnlineDictionary();
    EXPECT_EQ(rig.shell.urls().last(), QStringLiteral("https://dict.youdao.com/search?q=it%27s"));
}

TEST(WordClick, CtrlClickMarksAKeyWordAndASecondOneRestoresTheFileByteForByte) {
    WordRig rig;
    SentaraSession& s = rig.start();
    const QString path = rig.course.folder().lessonFile(kFirst, 1);
    const QByteArray before = fileBytes(path);

    // The Ctrl flag lasts from the key-down of Ctrl to the next key-up.
    s.KeyDown(sentara::ShortcutKey::Ctrl);
    s.sentenceBrowsing().clickWord(7); // big: the last word of the record
    s.KeyUp();
    EXPECT_TRUE(s.view().sentence.words[6].keyWord);
    EXPECT_EQ(s.view().lesson.keyWordCount, 1);
    EXPECT_TRUE(common::TextFile::read(path)->contains(QStringLiteral("^big$big$◆^.^#")));
    EXPECT_TRUE(s.view().wordPanel.visible) << "the click also looks the word up";

    s.sentenceBrowsing().clickWord(3); // no Ctrl: only the look-up
    EXPECT_EQ(s.view().lesson.keyWordCount, 1);

    s.sentenceBrowsing().clickWord(7, true); // Ctrl seen by the click itself
    EXPECT_FALSE(s.view().sentence.words[6].keyWord);
    EXPECT_EQ(fileBytes(path), before);
}

TEST(WordClick, AKeyWordThatCannotBeSavedIsReportedAndKeptForNow) {
    WordRig rig;
    SentaraSession& s = rig.start();
    // The Book's folder has become a file: nothing can be written below it.
    const QString bookFolder = QFileInfo(rig.course.folder().lessonFile(kFirst, 1)).path();
    ASSERT_TRUE(QDir(bookFolder).removeRecursively());
    rig.course.file(QStringLiteral("Book/") + kFirst, QByteArray("not a folder"));

    s.sentenceBrowsing().clickWord(3, true);

    ASSERT_EQ(rig.dialogs.messages().size(), 1);
    EXPECT_TRUE(rig.dialogs.texts().front().contains(QStringLiteral("无法写入")));
    EXPECT_TRUE(rig.dialogs.texts().front().contains(QStringLiteral("1.dat")));
    EXPECT_TRUE(s.view().sentence.words[2].keyWord) << "kept in memory";
}

} // namespace
