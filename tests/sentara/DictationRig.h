#pragma once

#include "SentaraRig.h"
#include "support/QtPrinters.h"

#include "common/TextFile.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/dictation/DictationTest.h"
#include "sentara/dictation/FreeSpelling.h"
#include "sentara/dictation/ResultsReport.h"

#include <QDir>
#include <QFile>

namespace sentara_test {

// The dictation word box as the window drives it: keys typed one by one, every edit handed to the
// test, the text and selection the test puts back taken when its revision changes, and a selected
// text emptied before the next key.
struct DictationBox {
    explicit DictationBox(sentara::DictationTest& test) : test(test) {}

    sentara::DictationTest& test;
    QString text;
    int revision = -1;
    bool selected = false;

    void sync() {
        const sentara::DictationView v = test.view();
        if (v.inputRevision != revision) {
            revision = v.inputRevision;
            text = v.inputText;
            selected = v.inputSelected;
        }
    }
    void type(const QString& keys) {
        sync();
        for (const QChar key : keys) {
            if (selected && !text.isEmpty()) {
                text.clear();
                test.editInput(text);
            }
            selected = false;
            text += key;
            test.editInput(text);
            sync();
        }
    }
};

// A course for the dictation: First Book lesson 1 (node 2) in mode 4, a small dictionary, the
// Book's results file with lesson 1 open, and lesson titles "Lesson 1" .. "Lesson 3".
struct DictationRig : Rig {
    DictationRig() {
        course.dictionary(QStringLiteral("$how[hau]adv. 怎样$are[a:]v. 是$you[ju:]pron. 你"
                                         "$fine[fain]adj. 好的$thanks[θaeηks]n. 谢谢"));
        course.bookList(kFirst, {QStringLiteral("Lesson 1"), QStringLiteral("Lesson 2"),
                                 QStringLiteral("Lesson 3")});
        course.results(kFirst, QStringLiteral("^☆Lesson 1^☆Lesson 2^☆Lesson 10^"));
        lesson(kFirst, 1);
        settings(settingsAt(2, 1, 4));
    }

    sentara::DictationTest& test() { return session->dictation(); }
    DictationBox box() { return DictationBox(session->dictation()); }

    QString lessonFile(int n = 1, const QString& book = kFirst) const {
        return common::TextFile::read(course.folder().lessonFile(book, n)).value_or("<none>");
    }
    QString resultsFile(const QString& book = kFirst) const {
        return common::TextFile::read(course.folder().resultsFile(book)).value_or("<none>");
    }
    // A file that can no longer be replaced (also for root): a folder takes its place.
    void makeUnwritable(const QString& path) const {
        QFile::remove(path);
        QDir().mkpath(path);
    }
};

} // namespace sentara_test
