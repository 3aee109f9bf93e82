#include "sentara/dictation/ResultsReport.h"

#include "common/BookResultsFile.h"
#include "common/CourseFolder.h"
#include "common/LessonText.h"
#include "common/Numbers.h"
#include "common/TextFile.h"
#include "common/ports/Dialogs.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/dictation/ResultsStore.h"

#include <QDir>
#include <QFileInfo>

namespace sentara {

namespace {

const QString kAllPassed = QStringLiteral("本课已听写完成");
const QString kNonePassed = QStringLiteral("没有听写完成的句子");
const QString kNoLessonDone = QStringLiteral("没有听写完成的课程");
const QString kBookDone = QStringLiteral("本册已听写完成");

// The records with their dictation-done field emptied (the others unchanged).
QList<common::SentenceRecord> withoutFlags(QList<common::SentenceRecord> records, bool* changed) {
    *changed = false;
    for (common::SentenceRecord& record : records) {
        if (!record.field(common::SentenceRecord::DictationDone).isEmpty()) {
            record = record.withNoteAndFlag(record.field(common::SentenceRecord::Note), QString());
            *changed = true;
        }
    }
    return records;
}

} // namespace

ResultsReport::ResultsReport(const LoadedLesson& lesson, ResultsStore& store,
                             ports::Dialogs& dialogs, const common::CourseFolder& folder,
                             ResultsReportHost& host)
    : lesson_(lesson), store_(store), dialogs_(dialogs), folder_(folder), host_(host) {
}

ResultsView ResultsReport::build(const LoadedLesson& lesson, const QString& resultsText) {
    ResultsView v;
    for (int i = 1; i <= lesson.SentenceCount(); ++i) {
        const common::SentenceRecord record = lesson.record(i);
        const QString flag = record.field(common::SentenceRecord::DictationDone);
        const QString row = QStringLiteral("%1.%2").arg(i).arg(record.displayEnglish());
        if (flag.isEmpty()) {
            v.openSentences.append(row);
        } else if (flag == u"1") {
            v.passedSentences.append(row);
        }
    }
    if (v.openSentences.isEmpty()) {
        v.openSentences.append(kAllPassed);
    }
    if (v.passedSentences.isEmpty()) {
        v.passedSentences.append(kNonePassed);
    }
    const common::BookResultsFile::Summary book = common::BookResultsFile::summarize(resultsText);
    v.doneLessons = book.done;
    v.openLessons = book.open;
    v.doneLessonCount = static_cast<int>(book.done.size());
    v.lessonCount = book.lessons;
    v.summary =
        QStringLiteral("本册共有%1课，已听写完成%2课").arg(v.lessonCount).arg(v.doneLessonCount);
    v.bookRatio = v.lessonCount > 0 ? double(v.doneLessonCount) / double(v.lessonCount) : 0.0;
    if (v.doneLessons.isEmpty()) {
        v.doneLessons.append(kNoLessonDone);
    }
    if (v.openLessons.isEmpty()) {
        v.openLessons.append(kBookDone);
    }
    return v;
}

ResultsView ResultsReport::view() const {
    if (!visible_) {
        return {}; // nothing to list while the panel is closed
    }
    ResultsView v = build(lesson_, store_.text());
    v.visible = visible_;
    v.problem = store_.problem();
    return v;
}

void ResultsReport::lessonLoaded() {
    visible_ = false;
}

void ResultsReport::ShowResults() {
    if (lesson_.isLoaded()) {
        store_.load(lesson_.book());
    }
    visible_ = true;
    viewChanged();
}

void ResultsReport::close() {
    closePanel();
    viewChanged();
}

void ResultsReport::closePanel() {
    visible_ = false;
    host_.focusDictationInput();
}

void ResultsReport::clearLesson() {
    if (!lesson_.isLoaded()) {
        return;
    }
    bool changed = false;
    const QList<common::SentenceRecord> records = withoutFlags(lesson_.records(), &changed);
    if (changed) {
        LoadedLesson updated = lesson_;
        for (int i = 1; i <= records.size(); ++i) {
            updated.setRecord(i, records.at(i - 1));
        }
        host_.rewriteLesson(updated);
    }
    store_.reopen(host_.LessonTitle());
    closePanel();
    viewChanged();
}

QString ResultsReport::clearLessonFile(int lesson) {
    const QString path = folder_.lessonFile(lesson_.book(), lesson);
    QString error;
    const std::optional<QString> text = common::TextFile::read(path, &error);
    if (!text) {
        return error;
    }
    bool changed = false;
    const QList<common::SentenceRecord> records =
        withoutFlags(common::LessonText::split(*text), &changed);
    // A lesson without any flag is left exactly as it is; the text around the records of a
    // damaged file is kept.
    if (changed &&
        !common::TextFile::rewrite(
            path, common::LessonText::rebuild(records, common::LessonText::frameOf(*text)),
            &error)) {
        return error;
    }
    return QString();
}

void ResultsReport::clearBook() {
    if (!lesson_.isLoaded()) {
        return;
    }
    QStringList failures;
    for (int n = 1; QFileInfo::exists(folder_.lessonFile(lesson_.book(), n)); ++n) {
        if (n == lesson_.lessonNumber()) {
            continue; // the lesson on display: its records in memory are the record
        }
        const QString problem = clearLessonFile(n);
        if (!problem.isEmpty()) {
            failures << problem;
        }
    }
    bool allWritten = true;
    bool changed = false;
    const QList<common::SentenceRecord> records = withoutFlags(lesson_.records(), &changed);
    if (changed) {
        LoadedLesson updated = lesson_;
        for (int i = 1; i <= records.size(); ++i) {
            updated.setRecord(i, records.at(i - 1));
        }
        // A failed write has named its file already.
        allWritten = host_.rewriteLesson(updated);
    }
    closePanel();
    // The results file likewise names itself when it cannot be written (or was never there).
    allWritten = store_.reopenAll() && allWritten;
    viewChanged();
    if (failures.isEmpty()) {
        if (allWritten) {
            dialogs_.info(QStringLiteral("提示"), QStringLiteral("本册成绩清除完毕"));
        }
    } else {
        dialogs_.info(QStringLiteral("提示"),
                      QStringLiteral("本册成绩没有全部清除，以下课文文件没有改动：\r\n%1")
                          .arg(failures.join(QStringLiteral("\r\n"))));
    }
}

void ResultsReport::openListedSentence(const QString& row) {
    if (row.isEmpty() || row == kAllPassed || row == kNonePassed) {
        return;
    }
    const qsizetype dot = row.indexOf(u'.');
    const int sentence =
        common::parseLenientInt(dot < 0 ? QStringView(row) : QStringView(row).left(dot));
    host_.goToSentence(sentence);
    closePanel();
    viewChanged();
}

} // namespace sentara
