#include "common/TextFile.h"
#include "common/AtomicFile.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

using common::TextFile;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// "你好吗？" in code page 936, a key-word marker, a line break and ASCII.
const QByteArray kGbk =
    QByteArray::fromHex("2a5e486924686924a1f45e23c4e3bac3c2f0a3bf230d0a31322e3523");

struct TextFileFixture : ::testing::Test {
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList entries() const {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

} // namespace

TEST_F(TextFileFixture, GbkFilesRoundTripByteForByte) {
    put(path("1.dat"), kGbk);
    QString error;
    const auto text = TextFile::read(path("1.dat"), &error);
    ASSERT_TRUE(text) << error.toStdString();
    EXPECT_EQ(*text, "*^Hi$hi$◆^#你好吗？#\r\n12.5#");
    ASSERT_TRUE(TextFile::write(path("2.dat"), *text, &error)) << error.toStdString();
    EXPECT_EQ(bytesOf(path("2.dat")), kGbk);
    EXPECT_EQ(TextFile::encode(TextFile::decode(kGbk)), kGbk);
}

TEST_F(TextFileFixture, WriteReplacesTheWholeFile) {
    put(path("Set.dat"), QByteArray(500, 'x'));
    ASSERT_TRUE(TextFile::write(path("Set.dat"), "1/2/3/"));
    EXPECT_EQ(bytesOf(path("Set.dat")), "1/2/3/");
    EXPECT_EQ(entries(), QStringList({"Set.dat"}));
}

TEST_F(TextFileFixture, WriteCreatesMissingFolders) {
    QString error;
    ASSERT_TRUE(TextFile::write(path("SETTING/Results/甲.dat"), "^*^", &error))
        << error.toStdString();
    EXPECT_EQ(bytesOf(path("SETTING/Results/甲.dat")), "^*^");
}

TEST_F(TextFileFixture, CharactersBeyondGbkAreStoredInTheirFourByteFormAndReadBack) {
    for (const QString& text :
         {QStringLiteral("笔记 😀"), QStringLiteral("ok \U00020000 ok"), QStringLiteral("한국어")}) {
        QString error;
        ASSERT_TRUE(TextFile::write(path("1.dat"), text, &error)) << error.toStdString();
        bool exact = false;
        EXPECT_EQ(TextFile::read(path("1.dat"), nullptr, &exact), text);
        EXPECT_TRUE(exact);
    }
    // Text that has no stored form at all (an unpaired surrogate) is refused, the file kept.
    const QByteArray before = bytesOf(path("1.dat"));
    QString error;
    EXPECT_FALSE(TextFile::write(path("1.dat"), QStringLiteral("a") + QChar(0xD800), &error));
    EXPECT_TRUE(error.contains(path("1.dat"))) << error.toStdString();
    EXPECT_EQ(bytesOf(path("1.dat")), before);
    EXPECT_EQ(entries(), QStringList({"1.dat"}));
}

TEST_F(TextFileFixture, EveryCodePage936SequenceReadsExactlyAndIsWrittenBackUnchanged) {
    // All two-byte sequences code page 936 defines, including the ones GB18030 reads as other
    // characters, and the single byte 0x80.
    QByteArray all("\x80", 1);
    int defined = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const QByteArray pair{char(lead), char(trail)};
            QStringDecoder cp936("GBK");
            (void)cp936.decode(pair);
            if (trail != 0x7F && !cp936.hasError()) {
                all += pair;
                ++defined;
            }
        }
    }
    EXPECT_EQ(defined, 23940);
    bool exact = false;
    const QString text = TextFile::decode(all, &exact);
    EXPECT_TRUE(exact);
    EXPECT_EQ(TextFile::encode(text), all);
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
    EXPECT_EQ(TextFile::decode(all), text) << "a read that does not ask for exactness";

    struct Case {
        const char* hex;
        char32_t character;
    };
    // Where the two tables differ: code page 936's euro sign and its private-use A2E3 are kept;
    // the rest read as GB18030's characters (private-use in code page 936).
    for (const Case& c : {Case{"80", U'€'}, Case{"a2e3", 0xE76C}, Case{"a8bc", 0x1E3F},
                          Case{"a989", 0x303E}, Case{"fe50", 0x2E81}, Case{"fe9f", 0x4DAE}}) {
        SCOPED_TRACE(c.hex);
        const QByteArray bytes = QByteArray::fromHex(c.hex);
        EXPECT_EQ(TextFile::decode(bytes, &exact).toUcs4(), QList<uint>({c.character}));
        EXPECT_TRUE(exact);
        EXPECT_EQ(TextFile::encode(QString::fromUcs4(&c.character, 1)), bytes);
    }
}

TEST_F(TextFileFixture, BytesThatAreNoCharacterAreNeverRewrittenAndTheRefusalNamesTheFile) {
    // A four-byte character (U+20000), then 0xFF, which no table defines.
    const QByteArray fourByte =
        QByteArray::fromHex("2a5e4869246869245e23") + QByteArray::fromHex("95328236") + "#1#2###*";
    const QByteArray broken = QByteArray(fourByte).replace("#1#", "#\xff#");
    put(path("four.dat"), fourByte);
    put(path("broken.dat"), broken);

    bool exact = false;
    const auto four = TextFile::read(path("four.dat"), nullptr, &exact);
    ASSERT_TRUE(four);
    EXPECT_TRUE(exact);
    EXPECT_EQ(four->toUcs4().count(0x20000), 1);
    QString error;
    ASSERT_TRUE(TextFile::rewrite(path("four.dat"), *four, &error)) << error.toStdString();
    EXPECT_EQ(bytesOf(path("four.dat")), fourByte);

    const auto text = TextFile::read(path("broken.dat"), nullptr, &exact);
    ASSERT_TRUE(text);
    EXPECT_FALSE(exact);
    EXPECT_TRUE(text->contains(QChar::ReplacementCharacter));
    // U+FFFD itself has a GB18030 form, so only the reader can tell: the rewrite refuses.
    EXPECT_TRUE(TextFile::encode(*text).has_value());
    EXPECT_FALSE(
        TextFile::rewrite(path("broken.dat"), QString(*text).replace("###", "#note##"), &error));
    EXPECT_TRUE(error.contains(path("broken.dat"))) << error.toStdString();
    EXPECT_FALSE(error.contains("note"));
    EXPECT_EQ(bytesOf(path("broken.dat")), broken);
    // A file the program owns whole is written as asked.
    EXPECT_TRUE(TextFile::write(path("broken.dat"), "1/", &error));
    EXPECT_EQ(bytesOf(path("broken.dat")), "1/");

    // A file cut off inside its last character: the cut shows and the rewrite refuses.
    for (const QByteArray& cut :
         {QByteArray("1/\xdd"), QByteArray("1/\x81\x30"), QByteArray("1/\x95\x32\x82")}) {
        put(path("cut.dat"), cut);
        const auto read = TextFile::read(path("cut.dat"), nullptr, &exact);
        ASSERT_TRUE(read);
        EXPECT_FALSE(exact) << cut.toHex().toStdString();
        EXPECT_EQ(*read, QStringLiteral("1/\uFFFD")) << cut.toHex().toStdString();
        EXPECT_FALSE(TextFile::rewrite(path("cut.dat"), *read, &error));
        EXPECT_EQ(bytesOf(path("cut.dat")), cut);
    }
    put(path("empty.dat"), QByteArray());
    EXPECT_EQ(TextFile::read(path("empty.dat"), nullptr, &exact), QString());
    EXPECT_TRUE(exact);
}

TEST_F(TextFileFixture, AUtf8FileWithAByteOrderMarkIsReadAsUtf8AndRewrittenAsUtf8) {
    const QByteArray utf8 = "\xEF\xBB\xBF" + QStringLiteral("*^Hi^#你好#1#2###*").toUtf8();
    put(path("1.dat"), utf8);
    bool exact = false;
    const auto text = TextFile::read(path("1.dat"), nullptr, &exact);
    ASSERT_TRUE(text);
    EXPECT_TRUE(exact);
    EXPECT_EQ(*text, QStringLiteral("*^Hi^#你好#1#2###*"));
    ASSERT_TRUE(TextFile::rewrite(path("1.dat"), QStringLiteral("*^Hi^#你好#1#2#记#1#*")));
    EXPECT_EQ(bytesOf(path("1.dat")),
              "\xEF\xBB\xBF" + QStringLiteral("*^Hi^#你好#1#2#记#1#*").toUtf8());
}

TEST_F(TextFileFixture, AnInterruptedSaveLeavesOneTemporaryFileThatTheNextSaveReuses) {
    put(path("1.dat"), "old");
    const QString temporary = common::AtomicFile::temporaryPathOf(path("1.dat"));
    put(temporary, "half a sav"); // what a kill between writing and renaming leaves
    ASSERT_TRUE(TextFile::write(path("1.dat"), "new"));
    EXPECT_EQ(bytesOf(path("1.dat")), "new");
    EXPECT_EQ(entries(), QStringList({"1.dat"}));
    // The new file keeps the old one's permissions; a read-only file is not replaced.
    QFile::setPermissions(path("1.dat"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_TRUE(TextFile::write(path("1.dat"), "newer"));
    EXPECT_EQ(QFile::permissions(path("1.dat")) &
                  (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::ReadGroup);
    if (geteuid() != 0) {
        QFile::setPermissions(path("1.dat"), QFile::ReadOwner);
        QString error;
        EXPECT_FALSE(TextFile::write(path("1.dat"), "changed", &error));
        EXPECT_TRUE(error.contains(path("1.dat")));
        EXPECT_EQ(bytesOf(path("1.dat")), "newer");
    }
}

TEST_F(TextFileFixture, AFailedWriteLeavesTheOldFileAndSaysWhy) {
    // The target is a folder.
    ASSERT_TRUE(QDir(dir.path()).mkpath("Book/1.dat"));
    put(path("Book/1.dat/inside"), "kept");
    QString error;
    EXPECT_FALSE(TextFile::write(path("Book/1.dat"), "text", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(bytesOf(path("Book/1.dat/inside")), "kept");

    // The parent folder is a file.
    put(path("SETTING"), "a file");
    error.clear();
    EXPECT_FALSE(TextFile::write(path("SETTING/Set.dat"), "1/", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(bytesOf(path("SETTING")), "a file");
}

TEST_F(TextFileFixture, ADiskThatFillsUpLeavesTheOldFileIntact) {
    // Limit the size a file may grow to (root is bound by it too): writing the new text fails.
    put(path("1.dat"), kGbk);
    const QString longText = QString(4096, u'学');
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool written = TextFile::write(path("1.dat"), longText, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(bytesOf(path("1.dat")), kGbk);
    EXPECT_EQ(entries(), QStringList({"1.dat"}));
}

TEST_F(TextFileFixture, ReadingAMissingFileSaysWhich) {
    QString error;
    EXPECT_FALSE(TextFile::read(path("nothing.dat"), &error));
    EXPECT_TRUE(error.contains("nothing.dat"));
    EXPECT_FALSE(TextFile::read(dir.path(), &error));
}
