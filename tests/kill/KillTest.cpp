// Saves interrupted at random instants: a child process saves every file the programs write,
// over and over, and is killed with SIGKILL at a random moment; after each kill every file must
// hold exactly one whole version (the old or the new one, never empty or torn) and at most one
// temporary file per target may be left, which the next save reuses.
//
//   kill_test [--kills N] [--seed S]     the test (prints the counts; fails on any fault)
//   kill_test --child <folder> <first>   the saving child (run by the test)
//
// Each target is one row of targets(): a name, its path in the course folder, how version k is
// saved and the bytes version k must leave.
#include "common/CourseFolder.h"
#include "common/LessonText.h"
#include "common/TextCodec.h"
#include "common/TextFile.h"
#include "oralix/core/TrainerSettings.h"
#include "sentara/settings/StudySettings.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <functional>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const QString kBook = QStringLiteral("家常对话");

struct Target {
    QString name;
    QString path; // relative to the course folder
    std::function<bool(const common::CourseFolder&, int)> save;
    std::function<QByteArray(int)> bytes;
    QRegularExpression version; // finds k in a saved file (decoded)
};

// Sizes change with k, so a file cut short or padded by an old version never passes.
QString padding(int k) {
    return QString(k % 11, u'长');
}

QString lessonText(int k) {
    QList<common::SentenceRecord> records = common::LessonText::split(
        QStringLiteral("*^Good$good$^ ^morning$morning$^.^#早上好。#0.5#1.8###*"
                       "^How$how$^ ^are$are$^ ^you$you$^?^#你好吗？#2.1#3.4###*"
                       "^Fine$fine$^.^#很好。#3.9#4.6###*"));
    records[1] = records[1].withNote(QStringLiteral("笔记 %1 ").arg(k) + padding(k));
    return common::LessonText::rebuild(records);
}

sentara::StudySettings studySettings(int k) {
    sentara::StudySettings s;
    s.resumeSentence = k;
    s.keyWordColour = k * 7;
    return s;
}

oralix::TrainerSettings trainerSettings(int k) {
    oralix::TrainerSettings s;
    s.lessonIndex = k;
    s.book = kBook + padding(k);
    return s;
}

QString resultsText(int k) {
    return QStringLiteral("^★第一课^☆第二课 %1^").arg(k) + padding(k) + u'^';
}

QList<Target> targets() {
    const auto encoded = [](const QString& text) { return *common::TextCodec::encode(text); };
    return {
        {QStringLiteral("lesson file (a note)"), QStringLiteral("Book/%1/1.dat").arg(kBook),
         [](const common::CourseFolder& f, int k) {
             return common::TextFile::rewrite(f.lessonFile(kBook, 1), lessonText(k));
         },
         [=](int k) { return encoded(lessonText(k)); }, QRegularExpression("笔记 (\\d+) ")},
        {QStringLiteral("Set.dat"), QStringLiteral("SETTING/Set.dat"),
         [](const common::CourseFolder& f, int k) { return studySettings(k).write(f); },
         [=](int k) { return encoded(studySettings(k).format()); },
         QRegularExpression("^\\d+/(\\d+)/")},
        {QStringLiteral("mnset.dat"), QStringLiteral("SETTING/mnset.dat"),
         [](const common::CourseFolder& f, int k) {
             return trainerSettings(k).save(f.trainerSettingsFile());
         },
         [=](int k) { return encoded(trainerSettings(k).format()); },
         QRegularExpression("^(\\d+)\\\\")},
        // The Book results file, written as the results store writes it.
        {QStringLiteral("results file"), QStringLiteral("SETTING/Results/%1.dat").arg(kBook),
         [](const common::CourseFolder& f, int k) {
             return common::TextFile::rewrite(f.resultsFile(kBook), resultsText(k));
         },
         [=](int k) { return encoded(resultsText(k)); }, QRegularExpression("第二课 (\\d+)")},
    };
}

int runChild(const QString& root, int first) {
    const common::CourseFolder folder(root);
    const QList<Target> all = targets();
    for (int k = first;; ++k) {
        for (const Target& target : all) {
            if (!target.save(folder, k)) {
                std::fprintf(stderr, "child: saving %s failed\n", qPrintable(target.name));
                return 2;
            }
        }
        if (k == first && qEnvironmentVariableIsSet("KILL_TEST_ONCE")) {
            return 0;
        }
    }
}

pid_t spawnChild(const QString& root, int first, bool once) {
    QByteArray self = QFile::encodeName(QFile::symLinkTarget(QStringLiteral("/proc/self/exe")));
    QByteArray rootArg = QFile::encodeName(root);
    QByteArray firstArg = QByteArray::number(first);
    char childFlag[] = "--child";
    char* argv[] = {self.data(), childFlag, rootArg.data(), firstArg.data(), nullptr};
    QList<QByteArray> env;
    for (char** e = environ; *e; ++e) {
        env.append(*e);
    }
    if (once) {
        env.append("KILL_TEST_ONCE=1");
    }
    QList<char*> envp;
    for (QByteArray& e : env) {
        envp.append(e.data());
    }
    envp.append(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, self.constData(), nullptr, nullptr, argv, envp.data()) != 0) {
        return -1;
    }
    return pid;
}

// The version a file holds, or -1 when it is not exactly one whole version.
int versionOf(const Target& target, const QByteArray& bytes) {
    const QRegularExpressionMatch match =
        target.version.match(common::TextCodec::decode(bytes).text);
    if (!match.hasMatch()) {
        return -1;
    }
    const int k = match.captured(1).toInt();
    return target.bytes(k) == bytes ? k : -1;
}

QStringList temporaryFiles(const QString& root) {
    QStringList found;
    for (const QString& folder : {QStringLiteral("Book/") + kBook, QStringLiteral("SETTING"),
                                  QStringLiteral("SETTING/Results")}) {
        for (const QString& name :
             QDir(root + u'/' + folder).entryList(QDir::Files | QDir::Hidden)) {
            if (name.endsWith(QStringLiteral(".saving")) || name.contains(u'~') ||
                !name.endsWith(QStringLiteral(".dat"))) {
                found << folder + u'/' + name;
            }
        }
    }
    return found;
}

int runTest(int kills, unsigned seed) {
    QTemporaryDir dir;
    const common::CourseFolder folder(dir.path());
    const QList<Target> all = targets();
    // The course as installed: version 0 of every file.
    for (const Target& target : all) {
        const QString path = dir.filePath(target.path);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(target.bytes(0)) < 0) {
            std::fprintf(stderr, "cannot prepare %s\n", qPrintable(target.name));
            return 1;
        }
    }
    std::mt19937 random(seed);
    // From before the first save to a few rounds of saves (each about 13 ms on a disk).
    std::uniform_int_distribution<int> delayUs(0, 60000);
    int torn = 0;
    int mostTemporaries = 0;
    int saves = 0;
    int next = 1;
    for (int kill = 0; kill < kills; ++kill) {
        const pid_t child = spawnChild(dir.path(), next, false);
        if (child < 0) {
            std::fprintf(stderr, "cannot start the saving child\n");
            return 1;
        }
        ::usleep(static_cast<useconds_t>(delayUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        int newest = 0;
        for (const Target& target : all) {
            QFile file(dir.filePath(target.path));
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "";
            const int k = versionOf(target, bytes);
            if (k < 0) {
                ++torn;
                std::fprintf(stderr, "kill %d: %s is torn (%lld bytes)\n", kill,
                             qPrintable(target.name), static_cast<long long>(bytes.size()));
            }
            newest = std::max(newest, k);
        }
        const QStringList temporaries = temporaryFiles(dir.path());
        mostTemporaries = std::max(mostTemporaries, int(temporaries.size()));
        if (temporaries.size() > all.size()) {
            std::fprintf(stderr, "kill %d: temporary files pile up: %s\n", kill,
                         qPrintable(temporaries.join(u' ')));
            return 1;
        }
        saves += std::max(0, newest - next + 1);
        next = std::max(next, newest + 1);
    }
    // A save that runs to its end takes the temporary files left by the kills with it.
    const pid_t last = spawnChild(dir.path(), next, true);
    int status = 0;
    ::waitpid(last, &status, 0);
    const QStringList left = temporaryFiles(dir.path());
    std::printf("kills: %d, versions saved: %d, torn files: %d, most temporary files after a "
                "kill: %d (targets: %lld), left after a whole save: %lld\n",
                kills, saves, torn, mostTemporaries, static_cast<long long>(all.size()),
                static_cast<long long>(left.size()));
    const bool passed =
        torn == 0 && left.isEmpty() && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    std::printf("%d passed, %d failed\n", passed ? 1 : 0, passed ? 0 : 1);
    return passed ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && QByteArray(argv[1]) == "--child") {
        return runChild(QFile::decodeName(argv[2]), QByteArray(argv[3]).toInt());
    }
    int kills = 1000;
    unsigned seed = std::random_device{}();
    for (int i = 1; i + 1 < argc; i += 2) {
        if (QByteArray(argv[i]) == "--kills") {
            kills = QByteArray(argv[i + 1]).toInt();
        } else if (QByteArray(argv[i]) == "--seed") {
            seed = QByteArray(argv[i + 1]).toUInt();
        }
    }
    std::printf("seed %u\n", seed);
    return runTest(kills, seed);
}
