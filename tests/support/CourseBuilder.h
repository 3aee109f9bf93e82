#pragma once

#include "SentenceSpec.h"
#include "SimulatedMedia.h"
#include "common/CourseFolder.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace support {

// Writes a small course folder into a temporary directory (removed with the builder): BookList
// files, lesson files, settings, dictionary, results, content file, media. Text files are GBK.
// Media files are written empty and registered with their duration in media(), the catalogue
// simulated players open. Every call returns the builder, so a course reads as one expression;
// a write that fails is reported as a test failure.
class CourseBuilder {
public:
    CourseBuilder();

    QString root() const { return dir_.path(); }
    common::CourseFolder folder() const { return common::CourseFolder(root()); }
    // root + "/" + relative, as written (no case resolution).
    QString path(const QString& relative) const;
    SimulatedMedia& media() { return media_; }

    CourseBuilder& bookList(const QString& book, const QStringList& titles); // SETTING/BookList
    CourseBuilder& bookListText(const QString& book, const QString& text);
    // Book/<book>/<n>.dat from sentence specs, or from the text exactly as given.
    CourseBuilder& lesson(const QString& book, int n, const QList<SentenceSpec>& sentences);
    CourseBuilder& lessonText(const QString& book, int n, const QString& text);
    // Sound/<book>/<name>: an empty file; durationMs >= 0 also registers it in media().
    CourseBuilder& media(const QString& book, const QString& name, qint64 durationMs = -1,
                         int loadDelayMs = 0);
    CourseBuilder& studySettings(const QString& text);                // SETTING/Set.dat
    CourseBuilder& trainerSettings(const QString& text);              // SETTING/mnset.dat
    CourseBuilder& results(const QString& book, const QString& text); // SETTING/Results
    CourseBuilder& dictionary(const QString& text);                   // lib.dll
    CourseBuilder& content(const QByteArray& json); // SETTING/Content.json (UTF-8)
    // Any text file (GBK) or raw file under the root; folders are created as needed.
    CourseBuilder& textFile(const QString& relative, const QString& text);
    CourseBuilder& file(const QString& relative, const QByteArray& bytes);

    // "*" + record 1 + "*" + ... + "*".
    static QString lessonTextOf(const QList<SentenceSpec>& sentences);

private:
    QTemporaryDir dir_;
    SimulatedMedia media_;
};

} // namespace support
