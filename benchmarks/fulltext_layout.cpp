// Laying out the full-text word view: measuring every word of a lesson and placing it for the
// canvas width, for the largest lesson of the demo course and a generated lesson of 200 sentences,
// in the English-and-Chinese and the English-only layouts; and placing again for a new width
// (a window resize), where the measured words are kept.
#include "GeneratedLesson.h"

#include "common/CourseFolder.h"
#include "common/TextFile.h"
#include "platform/Fonts.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/modes/FullTextMode.h"
#include "sentara/ui/FullTextWordLayout.h"
#include "support/CourseBuilder.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <benchmark/benchmark.h>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "fulltext_layout";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static QApplication app(argc, argv);
    return app;
}

// The words and Chinese lines of a lesson as the view gives them to the canvas.
struct Words {
    QList<sentara::FullTextWord> words;
    QStringList chinese;
    int sentences = 0;
};

Words wordsOf(const QString& text) {
    const sentara::LoadedLesson lesson(QStringLiteral("Book"), 1, 2, text);
    Words w;
    w.sentences = lesson.SentenceCount();
    for (int i = 1; i <= lesson.SentenceCount(); ++i) {
        const QList<sentara::WordCell> cells = lesson.words(i);
        for (qsizetype k = 0; k < cells.size(); ++k) {
            sentara::FullTextWord word;
            word.text = cells.at(k).caption;
            word.sentence = i;
            word.position = static_cast<int>(k) + 1;
            w.words.append(word);
        }
        w.chinese.append(lesson.chinese(i));
    }
    return w;
}

// Argument 0: the demo course's largest lesson; 1: the generated lesson of 200 sentences.
const Words& lesson(int which) {
    static const Words largest = [] {
        QString text;
        qint64 size = -1;
        const common::CourseFolder folder(QStringLiteral(DEMO_COURSE_DIR));
        QDirIterator it(folder.resolve(QStringLiteral("Book")), {QStringLiteral("*.dat")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo info(it.next());
            if (info.size() > size) {
                size = info.size();
                text = common::TextFile::read(info.filePath()).value_or(QString());
            }
        }
        return wordsOf(text);
    }();
    static const Words generated =
        wordsOf(support::CourseBuilder::lessonTextOf(bench::generatedLesson(200)));
    return which == 0 ? largest : generated;
}

void layOut(benchmark::State& state, sentara::FullTextLayout arrangement) {
    application();
    const Words& w = lesson(static_cast<int>(state.range(0)));
    const QFont wordFont = platform::Fonts::word(14);
    const QFont chineseFont = platform::Fonts::ui(11.5);
    int height = 0;
    for (auto _ : state) {
        sentara::ui::FullTextWordLayout layout;
        layout.setContent(w.words, w.chinese, arrangement, wordFont, chineseFont);
        layout.place(760);
        height = layout.height();
        benchmark::DoNotOptimize(height);
    }
    state.SetLabel(QStringLiteral("%1 sentences, %2 words, %3 px high")
                       .arg(w.sentences)
                       .arg(w.words.size())
                       .arg(height)
                       .toStdString());
}

void BM_LayOutWordView_EnglishAndChinese(benchmark::State& state) {
    layOut(state, sentara::FullTextLayout::EnglishAndChinese);
}
BENCHMARK(BM_LayOutWordView_EnglishAndChinese)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_LayOutWordView_EnglishOnly(benchmark::State& state) {
    layOut(state, sentara::FullTextLayout::EnglishOnly);
}
BENCHMARK(BM_LayOutWordView_EnglishOnly)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PlaceWordViewForANewWidth(benchmark::State& state) {
    application();
    const Words& w = lesson(static_cast<int>(state.range(0)));
    sentara::ui::FullTextWordLayout layout;
    layout.setContent(w.words, w.chinese, sentara::FullTextLayout::EnglishAndChinese,
                      platform::Fonts::word(14), platform::Fonts::ui(11.5));
    int width = 700;
    for (auto _ : state) {
        width = width == 700 ? 760 : 700;
        layout.place(width);
        benchmark::DoNotOptimize(layout.height());
    }
}
BENCHMARK(BM_PlaceWordViewForANewWidth)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
