#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace common {

class CourseFolder;

// Consecutive lessons sharing one audio file "<file>.mp3": lessons first..last (inclusive).
struct LessonRange {
    int first = 0;
    int last = 0;
    int file = 0;
};

// What belongs to the installed course rather than to the code: titles, tables and addresses.
// Read from SETTING/Content.json; what the file leaves out takes the demo course's values.
struct CourseContent {
    struct Book {
        QString title;
        int lessonCount = 0;
    };

    // Sentara
    QList<Book> books;                                  // the catalogue, in order
    QHash<QString, QList<LessonRange>> groupedAudio;    // title -> ranges by lesson number
    QStringList videoTitles;                            // lessons are "<n>.wmv"
    QString videoSeriesPrefix;                          // titles starting with it are video too
    QString videoCourseTitle;                           // the Book with the video tab
    QStringList videoWindowTitles;                      // the floating video window goes along
    QStringList volume50Titles;                         // sentence player volume 50
    QStringList volume70Titles;                         // volume 70 (and the series prefix)
    QStringList textLayoutTitles;                       // full text laid out with "|" line ends
    // Oralix
    QString titleSetA;                                  // shared audio by 0-based list index
    QList<LessonRange> titleSetARanges;
    QString titleSetB;                                  // shared audio by lesson number
    QList<LessonRange> titleSetBRanges;
    QStringList trainerVideoTitles;                     // the compact trainer's video Books
    QString trainerVolume70Title;
    QString trainerVolume50Title;
    // Addresses and programs
    QString dictionaryUrl;   // the online dictionary's word page; the word is appended
    QString helpUrl;         // how to repair the default engine
    QString logoUrl;         // behind the compact trainer's logos
    QString compactTrainerProgram; // the compact trainer's executable beside the main one

    bool isVideoTitle(const QString& title) const;
    // The audio file number of a lesson in a ranges table; nullopt outside the table.
    static std::optional<int> rangeFile(const QList<LessonRange>& ranges, int lesson);

    // The demo course's values, from the data the demo course is built from.
    static CourseContent defaults();
    // Parses a content file over the defaults; nullopt and *error when the JSON is malformed.
    static std::optional<CourseContent> fromJson(const QByteArray& json, QString* error = nullptr);
    // The course folder's content file, or the defaults when it has none. A malformed file
    // yields the defaults and *error says why.
    static CourseContent load(const CourseFolder& folder, QString* error = nullptr);
};

} // namespace common
