// Loading a lesson: the largest lesson of the demo course, and beside it a generated lesson of 200
// sentences (longer than any real one). Parsing its text into the lesson state; the whole load
// through the session (file read, media choice, per-sentence state, the first sentence shown)
// together with the views of every mode the window renders after it; and those views alone, as
// every render builds them.
#include "GeneratedLesson.h"

#include "common/CourseFolder.h"
#include "common/TextFile.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/course/SentaraSession.h"
#include "sentara/modes/CoverPractice.h"
#include "sentara/modes/FullTextMode.h"
#include "support/CourseBuilder.h"
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
#include <memory>

namespace {

struct Lesson {
    QString book;
    int lesson = 0;
    int node = 0;
    QString text;
};

// The largest lesson file under Book/ of the demo course, and its catalogue node.
Lesson findLargest(const common::CourseFolder& folder, const sentara::CatalogueView& catalogue) {
    Lesson largest;
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

// A session on test doubles over a course folder.
struct Setup {
    explicit Setup(const common::CourseFolder& folder) : folder(folder) { session.start(); }

    common::CourseFolder folder;
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
    Lesson lesson;
};

// Argument 0: the demo course's largest lesson; 1: the generated lesson of 200 sentences (lesson
// 1 of the first Book of a course folder of its own).
Setup* setup(int which) {
    static std::unique_ptr<Setup> demo;
    static std::unique_ptr<support::CourseBuilder> generatedCourse;
    static std::unique_ptr<Setup> generated;
    if (which == 0) {
        if (!demo) {
            demo = std::make_unique<Setup>(common::CourseFolder(QStringLiteral(DEMO_COURSE_DIR)));
            demo->lesson = findLargest(demo->folder, demo->session.catalogue());
        }
        return demo->lesson.node > 0 ? demo.get() : nullptr;
    }
    if (!generated) {
        generatedCourse = std::make_unique<support::CourseBuilder>();
        const QString book = QStringLiteral("Morning Steps");
        generatedCourse->lesson(book, 1, bench::generatedLesson(200))
            .media(book, QStringLiteral("1.mp3"), 400000);
        generated = std::make_unique<Setup>(generatedCourse->folder());
        generated->lesson = {book, 1, 2,
                             common::TextFile::read(generatedCourse->folder().lessonFile(book, 1))
                                 .value_or(QString())};
    }
    return generated.get();
}

void label(benchmark::State& state, const Setup& s) {
    state.SetLabel(QStringLiteral("%1 lesson %2: %3 sentences, %4 characters")
                       .arg(s.lesson.book)
                       .arg(s.lesson.lesson)
                       .arg(common::LessonText::sentenceCount(s.lesson.text))
                       .arg(s.lesson.text.size())
                       .toStdString());
}

void BM_ParseLesson(benchmark::State& state) {
    const Setup* s = setup(static_cast<int>(state.range(0)));
    if (!s) {
        state.SkipWithError("no demo course lesson found");
        return;
    }
    const Lesson& l = s->lesson;
    for (auto _ : state) {
        sentara::LoadedLesson lesson(l.book, l.lesson, l.node, l.text);
        benchmark::DoNotOptimize(lesson.sentences(1));
    }
    label(state, *s);
}
BENCHMARK(BM_ParseLesson)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_LoadLessonThroughSessionWithEveryView(benchmark::State& state) {
    Setup* s = setup(static_cast<int>(state.range(0)));
    if (!s) {
        state.SkipWithError("no demo course lesson found");
        return;
    }
    for (auto _ : state) {
        s->session.TreeView1_NodeClick(s->lesson.node);
        benchmark::DoNotOptimize(s->session.view());
        benchmark::DoNotOptimize(s->session.fullText().view());
        benchmark::DoNotOptimize(s->session.coverPractice().view());
    }
    label(state, *s);
}
BENCHMARK(BM_LoadLessonThroughSessionWithEveryView)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_EveryViewOfLesson(benchmark::State& state) {
    Setup* s = setup(static_cast<int>(state.range(0)));
    if (!s) {
        state.SkipWithError("no demo course lesson found");
        return;
    }
    s->session.TreeView1_NodeClick(s->lesson.node);
    for (auto _ : state) {
        benchmark::DoNotOptimize(s->session.view());
        benchmark::DoNotOptimize(s->session.fullText().view());
        benchmark::DoNotOptimize(s->session.coverPractice().view());
    }
    label(state, *s);
}
BENCHMARK(BM_EveryViewOfLesson)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
