#pragma once

#include "oralix/core/OralixSession.h"
#include "support/SentenceSpec.h"
#include "support/SessionDoubles.h"
#include "support/SimulatedPlayer.h"

#include <memory>

namespace oralix_test {

inline const QString kBook = QStringLiteral("Daily Talk");
inline const QString kSharedB = QStringLiteral("Shared B");
inline const QString kSharedA = QStringLiteral("Shared A");

using support::sentence;

// A course with a default engine Set.dat and a three-lesson book whose sentences are 1.5 s long.
inline QList<support::SentenceSpec> threeSentences() {
    return {
        sentence(QStringLiteral("It's OK."), QStringLiteral("没关系。"), 0.5, 2.0),
        sentence(QStringLiteral("How are you?"), QStringLiteral("你好吗？"), 2.5, 4.0),
        sentence(QStringLiteral("Fine, thanks."), QStringLiteral("很好，谢谢。"), 4.5, 6.0),
    };
}

inline QString setDat(int engine) {
    QString text;
    for (int i = 1; i <= 33; ++i) {
        text += QStringLiteral("0/");
    }
    return text + QString::number(engine) + QLatin1Char('/');
}

inline common::CourseContent testContent() {
    common::CourseContent c;
    c.books = {{kBook, 3}, {kSharedA, 80}, {kSharedB, 106}};
    c.titleSetA = kSharedA;
    c.titleSetARanges = {{0, 9, 1},   {10, 19, 2}, {20, 29, 3}, {30, 39, 4},
                         {40, 49, 5}, {50, 64, 6}, {65, 74, 7}};
    c.titleSetB = kSharedB;
    c.titleSetBRanges = {{1, 18, 1},  {19, 38, 2}, {39, 54, 3},
                         {55, 68, 4}, {69, 87, 5}, {88, 105, 6}};
    c.trainerVideoTitles = {QStringLiteral("Video Book")};
    c.trainerVolume70Title = QStringLiteral("Loud Book");
    c.logoUrl = QStringLiteral("https://example.org/oralix");
    return c;
}

// The doubles and a session over a course the test fills in before start().
struct Rig : support::SessionDoubles {
    std::unique_ptr<oralix::OralixSession> session;

    // The standard book: three lessons of three sentences, each with its 10 s audio.
    support::CourseBuilder& standardBook() {
        course.bookList(kBook, {QStringLiteral("Lesson One"), QStringLiteral("Lesson Two"),
                                QStringLiteral("Lesson Three")});
        for (int n = 1; n <= 3; ++n) {
            course.lesson(kBook, n, threeSentences());
            course.media(kBook, QString::number(n) + QStringLiteral(".mp3"), 10000);
        }
        return course;
    }

    oralix::OralixSession& start() {
        session = std::make_unique<oralix::OralixSession>(
            course.folder(), testContent(),
            oralix::OralixServices{clock, engines, recorder, sounds, dialogs, shell});
        session->start();
        return *session;
    }

    support::SimulatedPlayer& player() {
        return *engines.latest(ports::MediaEngines::Role::Sentence);
    }

    // Virtual times of every play() command.
    QList<qint64> playTimes() {
        QList<qint64> times;
        for (const auto& call : player().calls(support::SimulatedPlayer::Call::Kind::Play)) {
            times << call.atMs;
        }
        return times;
    }
    QList<double> seeks() {
        QList<double> values;
        for (const auto& call : player().calls(support::SimulatedPlayer::Call::Kind::Seek)) {
            values << call.value;
        }
        return values;
    }
};

} // namespace oralix_test
