#pragma once

#include "sentara/modes/ModeComponent.h"

#include <QString>
#include <QStringList>

namespace common {
class CourseFolder;
}

namespace ports {
class Dialogs;
}

namespace sentara {

class LoadedLesson;
class ResultsStore;

// The results panel (ResultsPicture): the lesson's sentences and the Book's lessons, each split
// into open and done, with the counts, the summary line and the Book's bar. A list without rows
// shows its placeholder row (not counted).
struct ResultsView {
    bool visible = false;
    QStringList openSentences;   // List1: "3.How are you?", or "本课已听写完成"
    QStringList passedSentences; // List2, or "没有听写完成的句子"
    QStringList doneLessons;     // List3, or "没有听写完成的课程"
    QStringList openLessons;     // List4, or "本册已听写完成"
    int doneLessonCount = 0;     // WriteLessonCountLabel
    int lessonCount = 0;         // BookLessonCountLabel
    QString summary;             // "本册共有N课，已听写完成M课"
    double bookRatio = 0;        // done lessons / all lessons
    QString problem;             // why the Book's lessons cannot be shown ("" when they can)
};

// What the results report needs of the session.
class ResultsReportHost {
public:
    virtual ~ResultsReportHost() = default;
    virtual bool rewriteLesson(const LoadedLesson& updated) = 0;
    // The lesson's title as the catalogue shows it (its entry in the Book results).
    virtual QString LessonTitle() const = 0;
    // The sentence change of a command: shown, the fill-in refresh, the automatic play.
    virtual void goToSentence(int sentence) = 0;
    // The dictation typing box gets the focus when the test is shown and the box is.
    virtual void focusDictationInput() = 0;
};

// The report of the dictation results (ShowResults) and the two clearing commands. The lesson
// lists come from the records in memory, the Book lists from the Book results, which are read
// again each time the report is shown.
class ResultsReport : public ModeComponent {
public:
    ResultsReport(const LoadedLesson& lesson, ResultsStore& store, ports::Dialogs& dialogs,
                  const common::CourseFolder& folder, ResultsReportHost& host);

    // ShowResults: the results file read again, the panel shown.
    void ShowResults();
    // CloseResultsCommand, ExitResultsCommand, Command4.
    void close();
    // ClearResultsCommand: every sentence of the lesson open again in its file, the lesson open
    // again in the Book results; no question, no message; the panel closes.
    void clearLesson();
    // ClearBookResultsCommand: the same for every lesson file of the Book from lesson 1 up to the
    // first missing one, every lesson of the Book open again, then "本册成绩清除完毕".
    void clearBook();
    // A click on a row of either sentence list: goes to that sentence (not for a placeholder).
    void openListedSentence(const QString& row);

    ResultsView view() const;
    // The report of a lesson and a Book results text, as data.
    static ResultsView build(const LoadedLesson& lesson, const QString& resultsText);

    void lessonLoaded() override;

private:
    void closePanel();
    // Clears the dictation-done flags of one lesson file that is not on display; "" when done,
    // else what went wrong.
    QString clearLessonFile(int lesson);

    const LoadedLesson& lesson_;
    ResultsStore& store_;
    ports::Dialogs& dialogs_;
    const common::CourseFolder& folder_;
    ResultsReportHost& host_;
    bool visible_ = false;
};

} // namespace sentara
