#pragma once

#include <QString>

namespace common {

// The program folder and every path of the course layout. Course folders were made on a
// case-insensitive file system, so each relative path is resolved component by component,
// ignoring case ("book" finds "Book", "set.dat" finds "Set.dat"); an exact match is preferred,
// and when several entries match ("Bitmap" and "bitmap") the one holding more of the path wins.
// A component that does not exist yet is kept as written, so the result can be used to create
// it. "." components and empty ones ("a//b") are skipped.
// This is the only place where course paths are built.
class CourseFolder {
public:
    // `programDir` is the folder of the programs themselves; empty when it is the course folder.
    explicit CourseFolder(QString root, QString programDir = QString());

    // The folder of the running executable, unless the learner chose another one with the
    // command-line option "--course <folder>" or the environment variable TRAINER_COURSE_DIR.
    static CourseFolder fromApplication(const QStringList& arguments);

    QString root() const { return root_; }
    // The folder of the executables (the course folder unless another one was chosen).
    QString programDir() const { return programDir_; }
    // Whether the folder is still there; a folder that was moved, deleted or unplugged while a
    // program ran is never made anew by a save. *error then says so.
    bool isPresent(QString* error = nullptr) const;

    // Resolves a path relative to the root; components are separated by "/" or "\".
    QString resolve(const QString& relative) const;
    bool exists(const QString& relative) const;

    QString lessonFile(const QString& book, int lesson) const;         // Book/<book>/<n>.dat
    QString mediaFile(const QString& book, const QString& name) const; // Sound/<book>/<name>
    QString bookListFile(const QString& book) const;   // SETTING/BookList/<book>.dat
    QString resultsFile(const QString& book) const;    // SETTING/Results/<book>.dat
    QString studySettingsFile() const;                 // SETTING/Set.dat
    QString trainerSettingsFile() const;               // SETTING/mnset.dat
    QString interfaceSound(const QString& name) const; // SETTING/Sound/<name>
    // Word/<c>/<word>.wav; empty for a word that is not a plain file name ("", "..", "a/b").
    QString wordSound(const QString& word) const;
    QString picture(const QString& name) const;     // Bitmap/<name>
    QString dictionaryFile() const;                 // lib.dll
    QString recorderFile() const;                   // Recorder.wav
    QString contentFile() const;                    // SETTING/Content.json
    QString programFile(const QString& name) const; // <name> in the program folder

private:
    QString root_;
    QString programDir_;
};

} // namespace common
