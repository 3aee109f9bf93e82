#pragma once

#include "sentara/course/CourseFiles.h"
#include "sentara/course/SentaraSession.h"
#include "sentara/modes/CoverPractice.h"
#include "sentara/modes/FullTextMode.h"
#include "sentara/modes/ListeningLoop.h"
#include "sentara/modes/SentenceBrowsing.h"
#include "sentara/modes/WordPanel.h"
#include "sentara/settings/StudySettings.h"
#include "support/FixedScreen.h"
#include "support/FixedTextMeasure.h"
#include "support/SentenceSpec.h"
#include "support/SessionDoubles.h"
#include "support/SimulatedPlayer.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace sentara_test {

// The test course's Books: the catalogue's ten runs of 60, 60, 60, 60, 50, 100, 60, 105, 75 and
// 30 lessons (node indexes 1, 62, 123, 184, 245, 296, 397, 458, 564, 640).
inline const QString kFirst = QStringLiteral("First Book");   // node 1
inline const QString kSecond = QStringLiteral("Second Book"); // node 62, volume 50, grouped
inline const QString kVideo = QStringLiteral("Video Book");   // node 245, the video course
inline const QString kLast = QStringLiteral("Last Book");     // node 640
inline const QString kSeries = QStringLiteral("Serie");       // the video series prefix

inline QByteArray testContentJson() {
    return R"({
  "books": [
    {"title": "First Book", "lessons": 60}, {"title": "Second Book", "lessons": 60},
    {"title": "Third Book", "lessons": 60}, {"title": "Fourth Book", "lessons": 60},
    {"title": "Video Book", "lessons": 50}, {"title": "Sixth Book", "lessons": 100},
    {"title": "Serie Seven", "lessons": 60}, {"title": "Eighth Book", "lessons": 105},
    {"title": "Ninth Book", "lessons": 75}, {"title": "Last Book", "lessons": 30}
  ],
  "groupedAudio": {"Second Book": [{"first": 1, "last": 4, "file": 1},
                                   {"first": 5, "last": 9, "file": 2}]},
  "videoTitles": ["Video Book"],
  "videoSeriesPrefix": "Serie",
  "videoCourseTitle": "Video Book",
  "videoWindowTitles": ["Video Book", "Serie Seven"],
  "volume50Titles": ["Second Book"],
  "volume70Titles": ["Sixth Book"],
  "urls": {"help": "https://help.example.org/repair"},
  "compactTrainerProgram": "Oralix"
})";
}

inline constexpr auto sen = support::sentence;

// Two sentences of one second each, at 1-2 s and 3-4 s of a 10 s file.
inline QList<support::SentenceSpec> twoSentences() {
    return {
        sen(QStringLiteral("How are you?"), QStringLiteral("你好吗？"), 1.0, 2.0),
        sen(QStringLiteral("Fine, thanks."), QStringLiteral("很好，谢谢。"), 3.0, 4.0),
    };
}

// Settings that open `node` at `sentence` in `mode`, over the defaults.
inline sentara::StudySettings settingsAt(int node, int sentence = 1, int mode = 2) {
    sentara::StudySettings s;
    s.catalogueNodeIndex = node;
    s.resumeSentence = sentence;
    s.modeIndex = mode;
    return s;
}

struct Rig : support::SessionDoubles {
    support::FixedTextMeasure measure;
    support::FixedScreen screen;
    std::unique_ptr<sentara::SentaraSession> session;
    QString programDir; // where the programs live; empty: in the course folder

    Rig() { course.content(testContentJson()); }

    // Lesson n of a Book with its 10 s audio file.
    Rig& lesson(const QString& book, int n,
                const QList<support::SentenceSpec>& sentences = twoSentences(),
                qint64 mediaMs = 10000) {
        course.lesson(book, n, sentences);
        course.media(book, QString::number(n) + QStringLiteral(".mp3"), mediaMs);
        return *this;
    }
    Rig& settings(const sentara::StudySettings& s) {
        course.studySettings(s.format());
        return *this;
    }

    // Starts the session; with `files`, on the course files as read beforehand.
    sentara::SentaraSession& start(std::optional<sentara::CourseFiles> files = std::nullopt) {
        session = std::make_unique<sentara::SentaraSession>(
            common::CourseFolder(course.folder().root(), programDir), clock, engines, recorder,
            sounds, dialogs, shell, measure, screen);
        if (files) {
            session->start(std::move(*files));
        } else {
            session->start();
        }
        return *session;
    }

    support::SimulatedPlayer* sentencePlayer() const {
        return engines.latest(support::SimulatedEngines::Role::Sentence);
    }
    // The plays and pauses of the sentence player: "<ms> play", "<ms> seek 1", "<ms> pause".
    QStringList playLog() const {
        QStringList lines;
        for (const QString& line : sentencePlayer()->log()) {
            if (line.contains(QStringLiteral(" play")) || line.contains(QStringLiteral(" seek")) ||
                line.contains(QStringLiteral(" pause"))) {
                lines << line;
            }
        }
        return lines;
    }
};

} // namespace sentara_test
