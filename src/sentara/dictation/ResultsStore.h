#pragma once

#include <QString>

namespace common {
class CourseFolder;
}

namespace ports {
class Dialogs;
}

namespace sentara {

// The dictation results of the Book on display: the in-memory copy of SETTING/Results/<book>.dat
// (format in common/BookResultsFile) and the three changes the dictation makes to it. The file
// belongs to the installed course: it is never created here, only its stars change. Each change
// is made in memory first and then written whole (atomically); when the file is missing, cannot
// be read or cannot be written the learner is told which file, the change stays in memory (and
// survives the next load of the same Book), and a file that could not be read is never written.
class ResultsStore {
public:
    ResultsStore(const common::CourseFolder& folder, ports::Dialogs& dialogs);

    // Reads the Book's results file into memory (the load at every lesson load and before the
    // report). A change that could not be written is kept while the same Book is loaded again.
    void load(const QString& book);

    const QString& book() const { return book_; }
    const QString& text() const { return text_; }
    // What prevents the report from showing the Book's lessons ("" when the file was read).
    const QString& problem() const { return problem_; }

    // The lesson titled `title` becomes done ("★"), open again ("☆"), or every lesson of the
    // Book open again. Returns whether the file now holds the change; nothing is written when
    // the text does not change (no entry has that title).
    bool markDone(const QString& title);
    bool reopen(const QString& title);
    bool reopenAll();

private:
    bool change(const QString& updated);

    const common::CourseFolder& folder_;
    ports::Dialogs& dialogs_;
    QString book_;
    QString path_;
    QString text_;
    QString problem_;
    bool readable_ = false; // the file was read: only then may it be written
    bool unsaved_ = false;  // the copy in memory holds a change the file does not
};

} // namespace sentara
