#include "common/TextFile.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

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

TEST_F(TextFileFixture, TextWithoutGbkFormIsRefusedAndTheOldFileKept) {
    put(path("1.dat"), kGbk);
    for (const QString& text :
         {QStringLiteral("笔记 😀"), QStringLiteral("ok \U0001F600 ok"), QStringLiteral("한국어")}) {
        QString error;
        EXPECT_FALSE(TextFile::write(path("1.dat"), text, &error));
        EXPECT_TRUE(error.contains("GBK")) << error.toStdString();
        EXPECT_FALSE(TextFile::encode(text).has_value());
        EXPECT_EQ(bytesOf(path("1.dat")), kGbk);
    }
    EXPECT_EQ(entries(), QStringList({"1.dat"}));
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
