// Bad input of every kind, for both programs: each row damages a course folder, starts the
// program on it, does what a learner would, and closes it. Each row says what the learner must
// see (a Chinese message naming the file, or the documented fallback), and after every row no
// file of the course may have changed except the settings file the program writes at exit.
#include "CourseMount.h"
#include "oralix/OralixRig.h"
#include "sentara/SentaraRig.h"

#include "common/TextFile.h"
#include "oralix/core/TrainerSettings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

namespace {

using MediaState = ports::MediaPlayer::State;

enum class Program { Sentara, Oralix };
enum class Place { Normal, ReadOnly, FullDisk, Vanishes };

// One program running on the row's course.
struct Trainer {
    Program program;
    std::unique_ptr<sentara_test::Rig> s;
    std::unique_ptr<oralix_test::Rig> o;
    QString shutdownError; // Oralix reports a failed save of its settings to the window

    support::SessionDoubles& doubles() {
        return s ? static_cast<support::SessionDoubles&>(*s) : *o;
    }
    support::CourseBuilder& course() { return doubles().course; }
    QString root() { return course().root(); }
    common::CourseFolder folder() { return course().folder(); }
    sentara::SentaraSession& sentara() { return *s->session; }
    oralix::OralixSession& oralix() { return *o->session; }
    QStringList messages() {
        QStringList all = doubles().dialogs.texts();
        if (!shutdownError.isEmpty()) {
            all << shutdownError;
        }
        return all;
    }
    // The lesson the program opens at start and its media.
    QString book() const { return s ? sentara_test::kFirst : oralix_test::kBook; }
    QString lessonPath() { return folder().lessonFile(book(), 1); }
    QString lessonRelative() { return QStringLiteral("Book/%1/1.dat").arg(book()); }
    QString mediaRelative() { return QStringLiteral("Sound/%1/1.mp3").arg(book()); }
    QString settingsRelative() const {
        return s ? QStringLiteral("SETTING/Set.dat") : QStringLiteral("SETTING/mnset.dat");
    }

    void start() {
        if (s) {
            s->start();
        } else {
            o->start();
        }
    }
    // What a learner does on any lesson: play, move on, come back, let time pass.
    void exercise() {
        if (s) {
            sentara::SentaraSession& x = sentara();
            x.SenPlayCommand_Click();
            s->clock.advance(3000);
            x.SenNextCommand_Click();
            x.SenBackCommand_Click();
            x.SenPlayCommand_Click();
            s->clock.advance(40000);
        } else {
            oralix::OralixSession& x = oralix();
            x.playSentence();
            o->clock.advance(3000);
            x.nextSentence();
            x.playSentence();
            o->clock.advance(40000);
        }
    }
    void close() {
        if (s) {
            sentara().shutdown();
        } else if (!oralix().shutdown(&shutdownError) && shutdownError.isEmpty()) {
            shutdownError = QStringLiteral("(failed without a reason)");
        }
    }
    support::SimulatedPlayer* player() {
        return s ? s->sentencePlayer() : o->engines.latest(ports::MediaEngines::Role::Sentence);
    }
    bool playing() {
        support::SimulatedPlayer* p = player();
        return p && p->state() == MediaState::Playing;
    }
    int sentenceCount() {
        return s ? sentara().SentenceCount() : oralix().lesson().sentenceCount();
    }
};

struct Row {
    const char* name;
    Program program;
    std::function<void(Trainer&)> damage;
    // Pieces every message shown must hold in turn ({} = no message). "{lesson}", "{media}" and
    // "{settings}" stand for those files' paths.
    QStringList shown;
    // What the learner sees and can do instead.
    std::function<void(Trainer&)> fallback = [](Trainer&) {};
    Place place = Place::Normal;
};

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), bytesOf(path));
    }
    return files;
}

// A lesson file of about 50 MB: 400,000 sentences.
QByteArray hugeLesson() {
    QByteArray text("*");
    const QByteArray one =
        QByteArray("^Go$go$^ ^on$on$^.^#") + QByteArray(70, 'x') + QByteArray("#1.0#2.0###*");
    text.reserve(50 * 1024 * 1024 + one.size());
    while (text.size() < 50 * 1024 * 1024) {
        text += one;
    }
    return text;
}

QByteArray garbage(int size) {
    QByteArray bytes(size, '\0');
    quint32 x = 2463534242u;
    for (char& c : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = char(x);
    }
    return bytes;
}

QByteArray withBom(const QString& text) {
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

void replaceWithFolder(Trainer& r, const QString& relative) {
    QFile::remove(r.course().path(relative));
    QDir().mkpath(r.course().path(relative));
}

std::unique_ptr<Trainer> prepare(Program program) {
    auto run = std::make_unique<Trainer>();
    run->program = program;
    if (program == Program::Sentara) {
        run->s = std::make_unique<sentara_test::Rig>();
        sentara_test::Rig& rig = *run->s;
        rig.lesson(sentara_test::kFirst, 1).lesson(sentara_test::kFirst, 2);
        rig.settings(sentara_test::settingsAt(2));
        rig.course.bookList(sentara_test::kFirst, {"Lesson 1", "Lesson 2", "Lesson 3"});
        rig.course.results(sentara_test::kFirst, QStringLiteral("^☆Lesson 1^☆Lesson 2^"));
        rig.course.dictionary(QStringLiteral("$how[haʊ]怎样$are[ɑː]是"));
    } else {
        run->o = std::make_unique<oralix_test::Rig>();
        oralix_test::Rig& rig = *run->o;
        rig.standardBook();
        rig.course.studySettings(oralix_test::setDat(2));
        oralix::TrainerSettings settings;
        settings.book = oralix_test::kBook;
        rig.course.trainerSettings(settings.format());
    }
    return run;
}

void lessonText(Trainer& r, const QString& text) {
    r.course().lessonText(r.book(), 1, text);
}

const Program S = Program::Sentara;
const Program O = Program::Oralix;

// ---- what the learner sees ----

void loadsSentences(Trainer& r, int count) {
    EXPECT_EQ(r.sentenceCount(), count);
}

void nothingPlaysForever(Trainer& r) {
    r.exercise();
    EXPECT_FALSE(r.playing());
}

// A sentence whose span is empty or reversed stops as soon as it starts.
void spanEndsAtOnce(Trainer& r) {
    if (r.s) {
        r.sentara().SenPlayCommand_Click();
        r.s->clock.advance(200);
    } else {
        r.oralix().playSentence();
        r.o->clock.advance(200);
    }
    EXPECT_FALSE(r.playing());
    r.exercise();
}

void playsNothing(Trainer& r) {
    EXPECT_GE(r.sentenceCount(), 1);
    r.exercise();
    EXPECT_FALSE(r.player() && r.player()->hasMedia());
}

void savesNoteRefused(Trainer& r) {
    EXPECT_FALSE(r.sentara().sentenceBrowsing().saveNote(QStringLiteral("新注释")));
}

QList<Row> rows() {
    QList<Row> table;
    for (const Program p : {S, O}) {
        const bool sentara = p == S;
        table += {
            {"an empty lesson file", p, [](Trainer& r) { r.course().file(r.lessonRelative(), ""); },
             sentara ? QStringList{} : QStringList{"本课课文中没有句子", "{lesson}"},
             [](Trainer& r) { loadsSentences(r, 0); }},
            {"a lesson file of one \"*\"", p, [](Trainer& r) { lessonText(r, "*"); },
             sentara ? QStringList{} : QStringList{"本课课文中没有句子", "{lesson}"},
             [](Trainer& r) { loadsSentences(r, 0); }},
            {"a lesson file cut off inside a sentence",
             p,
             [](Trainer& r) { lessonText(r, "*^Hi$hi$^#嗨#1#2###*^Bye$bye$^#再"); },
             {},
             [](Trainer& r) { loadsSentences(r, 1); }},
            {"sentences with fewer than six fields",
             p,
             [](Trainer& r) { lessonText(r, "*^Hi$hi$^#嗨#1*^Bye$bye$^*^x^#y#z*"); },
             {},
             [](Trainer& r) { loadsSentences(r, 3); }},
            {"times that are not numbers",
             p,
             [](Trainer& r) { lessonText(r, "*^Hi$hi$^#嗨#abc#-x###*^Bye$bye$^#再见#?#!###*"); },
             {},
             [](Trainer& r) {
                 loadsSentences(r, 2);
                 spanEndsAtOnce(r);
             }},
            {"a sentence that ends before it starts",
             p,
             [](Trainer& r) { lessonText(r, "*^Hi$hi$^#嗨#6#2###*^Bye$bye$^#再见#8#7.5###*"); },
             {},
             [](Trainer& r) {
                 loadsSentences(r, 2);
                 spanEndsAtOnce(r);
             }},
            {"times past the end of the media",
             p,
             [](Trainer& r) { lessonText(r, "*^Hi$hi$^#嗨#8#30###*^Bye$bye$^#再见#40#90###*"); },
             {},
             [](Trainer& r) {
                 loadsSentences(r, 2);
                 nothingPlaysForever(r);
             }},
            {"a missing media file", p,
             [](Trainer& r) {
                 const QString media = r.course().path(r.mediaRelative());
                 QFile::remove(media);
                 r.course().media().remove(media);
             },
             sentara ? QStringList{} : QStringList{"本课没有安装语音文件", "{media}"},
             playsNothing},
            {"a zero-length media file",
             p,
             [](Trainer& r) {
                 const QString media = r.course().path(r.mediaRelative());
                 r.course().media().remove(media);
                 r.course().file(r.mediaRelative(), "");
             },
             {},
             playsNothing},
            {"an MP3 file full of garbage",
             p,
             [](Trainer& r) {
                 const QString media = r.course().path(r.mediaRelative());
                 r.course().media().remove(media);
                 r.course().file(r.mediaRelative(), "ID3" + garbage(20000));
             },
             {},
             playsNothing},
            {"a 50 MB lesson file",
             p,
             [](Trainer& r) { r.course().file(r.lessonRelative(), hugeLesson()); },
             {},
             [](Trainer& r) { EXPECT_GT(r.sentenceCount(), 400000); }},
            {"a lesson file that is a folder",
             p,
             [](Trainer& r) { replaceWithFolder(r, r.lessonRelative()); },
             {sentara ? "无法读取课文文件" : "无法打开本课课文", "{lesson}"},
             [](Trainer& r) { loadsSentences(r, 0); }},
            {"a read-only course folder", p, [](Trainer&) {},
             sentara ? QStringList{"无法写入", "{lesson}", "无法保存设置文件", "Set.dat"}
                     : QStringList{"{settings}"},
             [](Trainer& r) {
                 if (r.s) {
                     savesNoteRefused(r);
                 }
             },
             Place::ReadOnly},
            {"a full disk", p, [](Trainer&) {},
             sentara ? QStringList{"无法写入", "{lesson}", "磁盘可能已满", "Set.dat"}
                     : QStringList{"{settings}", "磁盘可能已满"},
             [](Trainer& r) {
                 if (r.s) {
                     savesNoteRefused(r);
                 }
             },
             Place::FullDisk},
            {"a course folder that vanishes while open", p, [](Trainer&) {},
             sentara ? QStringList{"无法写入", "{lesson}", "课程文件夹", "设置没有保存"}
                     : QStringList{"课程文件夹", "设置没有保存"},
             [](Trainer& r) {
                 if (r.s) {
                     savesNoteRefused(r);
                 }
                 r.exercise();
             },
             Place::Vanishes},
        };
    }
    table += {
        // Sentara only
        {"a BookList with fewer titles than the catalogue has lessons",
         S,
         [](Trainer& r) { r.course().bookList(sentara_test::kFirst, {"Only One"}); },
         {},
         [](Trainer& r) {
             const QStringList titles = r.sentara().catalogue().books[0].lessonTitles;
             EXPECT_EQ(titles.size(), 60);
             EXPECT_EQ(titles[0], "Only One");
             EXPECT_EQ(titles[1], "第2课");
         }},
        {"a dictionary with no entries",
         S,
         [](Trainer& r) { r.course().dictionary(QStringLiteral("这不是词典")); },
         {},
         [](Trainer& r) { loadsSentences(r, 2); }},
        {"a dictionary entry without \"[\"",
         S,
         [](Trainer& r) { r.course().dictionary(QStringLiteral("$how怎样$are[ɑː]是$you")); },
         {},
         [](Trainer& r) { loadsSentences(r, 2); }},
        {"a Set.dat with a UTF-8 byte-order mark",
         S,
         [](Trainer& r) {
             r.course().file("SETTING/Set.dat", withBom(sentara_test::settingsAt(3, 2).format()));
         },
         {},
         [](Trainer& r) {
             EXPECT_EQ(r.sentara().settings().catalogueNodeIndex, 3);
             EXPECT_EQ(r.sentara().view().lesson.lesson, 2);
             EXPECT_EQ(r.sentara().CurrentSentence(), 2);
         }},
        {"a Set.dat full of garbage",
         S,
         [](Trainer& r) { r.course().file("SETTING/Set.dat", garbage(3000)); },
         {},
         [](Trainer& r) { EXPECT_EQ(r.sentara().view().lesson.lesson, 1); }},
        {"a Set.dat that is a folder",
         S,
         [](Trainer& r) { replaceWithFolder(r, "SETTING/Set.dat"); },
         {"无法保存设置文件", "Set.dat"},
         [](Trainer& r) { EXPECT_EQ(r.sentara().view().lesson.lesson, 1); }},
        {"a malformed Content.json",
         S,
         [](Trainer& r) { r.course().content("{ \"books\": ["); },
         {"Content.json"},
         [](Trainer& r) { EXPECT_FALSE(r.sentara().catalogue().books.isEmpty()); }},
        {"a lesson file holding a byte that is no character, and a note",
         S,
         [](Trainer& r) {
             QByteArray bytes = bytesOf(r.lessonPath());
             bytes.insert(1, "\xff");
             r.course().file(r.lessonRelative(), bytes);
         },
         {"无法写入", "{lesson}", "无法识别的字节"},
         savesNoteRefused},
        {"a results file of garbage",
         S,
         [](Trainer& r) { r.course().file("SETTING/Results/First Book.dat", garbage(500)); },
         {},
         [](Trainer& r) { loadsSentences(r, 2); }},
        {"word recordings asked for with \"..\" in the word",
         S,
         [](Trainer&) {},
         {},
         [](Trainer& r) {
             for (const QString word : {"..", "../../lib", "a/../../Set", "..\\..\\x"}) {
                 r.sentara().ReadWord(word);
                 support::SimulatedPlayer* words =
                     r.s->engines.latest(ports::MediaEngines::Role::Word);
                 const QString path = words ? words->currentPath() : QString();
                 EXPECT_TRUE(path.isEmpty() || (path.startsWith(r.root() + "/Word/") &&
                                                !path.contains(QStringLiteral(".."))))
                     << path.toStdString();
             }
         }},
        // Oralix only
        {"a BookList with fewer titles than the lesson files",
         O,
         [](Trainer& r) { r.course().bookList(oralix_test::kBook, {"Lesson One"}); },
         {},
         [](Trainer& r) {
             EXPECT_EQ(r.oralix().view().lessons.titles, QStringList{"Lesson One"});
             EXPECT_FALSE(r.oralix().view().lessons.nextLessonEnabled);
         }},
        {"a remembered book without a BookList",
         O,
         [](Trainer& r) {
             oralix::TrainerSettings settings;
             settings.book = QStringLiteral("Gone Book");
             r.course().trainerSettings(settings.format());
         },
         {},
         [](Trainer& r) {
             EXPECT_EQ(r.oralix().view().lessons.book, oralix_test::kBook);
             loadsSentences(r, 3);
         }},
        {"no BookList at all",
         O,
         [](Trainer& r) { QDir(r.course().path("SETTING/BookList")).removeRecursively(); },
         {"找不到课程目录"},
         [](Trainer& r) { loadsSentences(r, 0); }},
        {"an empty BookList",
         O,
         [](Trainer& r) { r.course().bookListText(oralix_test::kBook, ""); },
         {"找不到课程目录"},
         [](Trainer& r) { loadsSentences(r, 0); }},
        {"an mnset.dat with a UTF-8 byte-order mark",
         O,
         [](Trainer& r) {
             oralix::TrainerSettings settings;
             settings.book = oralix_test::kBook;
             settings.lessonIndex = 2;
             r.course().file("SETTING/mnset.dat", withBom(settings.format()));
         },
         {},
         [](Trainer& r) { EXPECT_EQ(r.oralix().view().lessons.index, 2); }},
        {"an mnset.dat full of garbage",
         O,
         [](Trainer& r) { r.course().file("SETTING/mnset.dat", garbage(2000)); },
         {},
         [](Trainer& r) {
             EXPECT_EQ(r.oralix().view().lessons.index, 0);
             loadsSentences(r, 3);
         }},
        {"a Set.dat (engine choice) full of garbage",
         O,
         [](Trainer& r) { r.course().file("SETTING/Set.dat", garbage(2000)); },
         {},
         [](Trainer& r) { loadsSentences(r, 3); }},
    };
    return table;
}

QString expand(QString piece, Trainer& r) {
    return piece.replace("{lesson}", r.lessonPath())
        .replace("{media}", r.course().path(r.mediaRelative()))
        .replace("{settings}", r.course().path(r.settingsRelative()));
}

TEST(BadInputTable, EveryRowShowsItsMessageOrFallbackAndChangesNoFile) {
    const QList<Row> table = rows();
    ASSERT_GE(table.size(), 30);
    int skipped = 0;
    // BAD_INPUT_ROW=<words> runs only the rows whose name holds them.
    const QString only = qEnvironmentVariable("BAD_INPUT_ROW");
    for (const Row& row : table) {
        if (!only.isEmpty() && !QString::fromUtf8(row.name).contains(only)) {
            continue;
        }
        SCOPED_TRACE(std::string(row.program == S ? "Sentara: " : "Oralix: ") + row.name);
        std::unique_ptr<Trainer> run = prepare(row.program);
        row.damage(*run);
        std::unique_ptr<badinput::CourseMount> mount;
        if (row.place == Place::ReadOnly || row.place == Place::FullDisk) {
            // A small file system of its own needs root; without it a folder is made read-only
            // by its permissions, which bind everyone but root.
            const bool canMount = badinput::CourseMount::available();
            if (!canMount && (row.place == Place::FullDisk || ::geteuid() == 0)) {
                ++skipped;
                continue;
            }
            if (badinput::CourseMount::available()) {
                mount = std::make_unique<badinput::CourseMount>(run->root());
                ASSERT_TRUE(mount->mounted());
            }
        }
        const QString root = run->root();
        const QMap<QString, QByteArray> before = snapshot(root);
        run->start();
        if (row.place == Place::ReadOnly) {
            if (mount) {
                ASSERT_TRUE(mount->makeReadOnly());
            } else {
                QProcess::execute("chmod", {"-R", "a-w", root});
            }
        } else if (row.place == Place::FullDisk) {
            ASSERT_TRUE(mount->fill());
        }
        const QString gone = root + QStringLiteral(".gone");
        if (row.place == Place::Vanishes) {
            ASSERT_TRUE(QDir().rename(root, gone));
        }
        row.fallback(*run);
        run->close();
        if (row.place == Place::Vanishes) {
            EXPECT_FALSE(QFileInfo::exists(root)) << "the vanished course folder was made anew";
            QDir(root).removeRecursively();
            ASSERT_TRUE(QDir().rename(gone, root));
        }

        const QStringList messages = run->messages();
        if (row.shown.isEmpty()) {
            EXPECT_TRUE(messages.isEmpty()) << messages.join("\n").toStdString();
        }
        // Each piece is found in order, across the messages shown one after the other.
        const QString all = messages.join(QStringLiteral("\n"));
        qsizetype from = 0;
        for (const QString& piece : row.shown) {
            const qsizetype at = all.indexOf(expand(piece, *run), from);
            EXPECT_GE(at, 0) << "missing \"" << expand(piece, *run).toStdString() << "\" in:\n"
                             << all.toStdString();
            from = at < 0 ? from : at;
        }
        for (const QString& message : messages) {
            EXPECT_TRUE(message.contains(QRegularExpression("\\p{Han}"))) << message.toStdString();
        }

        if (row.place == Place::ReadOnly && !mount) {
            QProcess::execute("chmod", {"-R", "u+w", root});
        }
        QMap<QString, QByteArray> after = snapshot(root);
        after.remove(QStringLiteral(".filler")); // what filled the disk
        after.remove(run->settingsRelative());   // written at exit, whole
        QMap<QString, QByteArray> expected = before;
        expected.remove(run->settingsRelative());
        EXPECT_EQ(after.keys(), expected.keys());
        for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
            EXPECT_TRUE(after.value(it.key()) == it.value())
                << "changed: " << it.key().toStdString();
        }
    }
    std::printf("bad-input rows: %lld, skipped here (need root): %d\n",
                static_cast<long long>(table.size()), skipped);
}

} // namespace
