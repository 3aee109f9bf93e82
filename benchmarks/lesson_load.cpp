// Loading the largest lesson of the demo course: parsing its text into the lesson state, the
// whole load through the session (file read, media choice, per-sentence state, the first
// sentence shown) and building the view the window renders after it.
#include "common/CourseFolder.h"
#include "common/TextFile.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/course/SentaraSession.h"
#include "support/FixedScreen.h"
#include "support/FixedTextMeasure.h"
#include "support/ManualClock.h"
#include "support/RecordingShell.h"
#include "support/RecordingSoundPlayer.h"
#include "support/ScriptedDialogs.h"
#include "support/SimulatedEngines.h"
#include "support/SimulatedMedia.h"
#include "support/SimulatedRecorder.h"

#include <QDirIterator>
#include <QFileInfo>
#include <benchmark/benchmark.h>

namespace {

struct Largest {
    QString book;
    int lesson = 0;
    int node = 0;
    QString text;
};

// The largest lesson file under Book/ of the demo course, and its catalogue node.
Largest findLargest(const common::CourseFolder& folder, const sentara::CatalogueView& catalogue) {
    Largest largest;
    qint64 size = -1;
    QDirIterator it(folder.resolve(QStringLiteral("Book")), {QStringLiteral("*.dat")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString book = info.dir().dirName();
        for (const sentara::CatalogueBookView& b : catalogue.books) {
            const int lesson = info.completeBaseName().toInt();
            if (b.title == book && info.size() > size && lesson >= 1 &&
                lesson <= b.lessonTitles.size()) {
                size = info.size();
                largest = {book, lesson, b.bookNode + lesson,
                           common::TextFile::read(info.filePath()).value_or(QString())};
            }
        }
    }
    return largest;
}

struct Setup {
    common::CourseFolder folder{QStringLiteral(DEMO_COURSE_DIR)};
    support::ManualClock clock;
    support::SimulatedMedia media;
    support::SimulatedEngines engines{clock, media};
    support::SimulatedRecorder recorder{clock};
    support::RecordingSoundPlayer sounds;
    support::ScriptedDialogs dialogs;
    support::RecordingShell shell;
    support::FixedTextMeasure measure;
    support::FixedScreen screen;
    sentara::SentaraSession session{folder,  clock, engines, recorder, sounds,
                                    dialogs, shell, measure, screen};
    Largest largest;

    Setup() {
        session.start();
        largest = findLargest(folder, session.catalogue());
    }
};

Setup& setup() {
    static Setup instance;
    return instance;
}

void BM_ParseLargestLesson(benchmark::State& state) {
    const Largest& l = setup().largest;
    if (l.text.isEmpty()) {
        state.SkipWithError("no demo course lesson found");
        return;
    }
    for (auto _ : state) {
        sentara::LoadedLesson lesson(l.book, l.lesson, l.node, l.text);
        benchmark::DoNotOptimize(lesson.sentences(1));
    }
    state.SetLabel(QStringLiteral("%1 lesson %2, %3 characters")
                       .arg(l.book)
                       .arg(l.lesson)
                       .arg(l.text.size())
                       .toStdString());
}
BENCHMARK(BM_ParseLargestLesson);

void BM_LoadLargestLessonThroughSession(benchmark::State& state) {
    Setup& s = setup();
    if (s.largest.node == 0) {
        state.SkipWithError("no demo course lesson found");
        return;
    }
    for (auto _ : state) {
        s.session.TreeView1_NodeClick(s.largest.node);
        benchmark::DoNotOptimize(s.session.SentenceCount());
    }
}
BENCHMARK(BM_LoadLargestLessonThroughSession);

void BM_ViewOfLargestLesson(benchmark::State& state) {
    Setup& s = setup();
    s.session.TreeView1_NodeClick(s.largest.node);
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.session.view());
    }
}
BENCHMARK(BM_ViewOfLargestLesson);

} // namespace
