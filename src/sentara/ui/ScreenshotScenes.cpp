#include "ScreenshotScenes.h"

#include "ScreenshotTour.h"

#include "common/CourseContent.h"
#include "sentara/course/SentaraSession.h"
#include "sentara/dictation/FillIn.h"
#include "sentara/modes/VideoMode.h"
#include "sentara/modes/VoiceRecording.h"
#include "sentara/modes/WordRecall.h"

#include <algorithm>

namespace sentara::ui {

namespace {

// The words of the sentence on display that begin with a letter, 1-based.
QList<int> clickableWords(const WordRecallView& view) {
    QList<int> words;
    for (int i = 0; i < view.words.size(); ++i) {
        if (view.words.at(i).clickable) {
            words << i + 1;
        }
    }
    return words;
}

// The catalogue node of the video course's first lesson (0 without one).
int videoLessonNode(const SentaraSession& session) {
    for (const CatalogueBookView& book : session.catalogue().books) {
        if (book.title == session.content().videoCourseTitle) {
            return book.bookNode + 1;
        }
    }
    return 0;
}

// The video course, after the other pictures: the video mode playing with the progress strip's
// tip, the floating video window over the sentence view, the voice view while recording.
void stageVideoScenes(ScreenshotTour& tour, SentaraSession& session) {
    if (videoLessonNode(session) == 0) {
        return;
    }
    tour.addShot(5, QString(), [&session] {
        session.TreeView1_NodeClick(videoLessonNode(session));
        session.TabImage_Click(5);
        session.videoMode().playOn();
        session.videoMode().hoverSegment(std::min(4, session.SentenceCount()));
    });
    tour.addShot(
        2, QStringLiteral("videowindow"), [&session] { session.SenPlayCommand_Click(); },
        ScreenshotTour::Capture::WithOwnedWindows);
    tour.addShot(6, QStringLiteral("recording"), [&session] {
        session.voiceRecording().record();
        session.voiceRecording().playModel(); // the microphone hears the sentence
    });
}

} // namespace

void stageScreenshotScenes(ScreenshotTour& tour, SentaraSession& session) {
    tour.prepare(8, [&session] {
        WordRecall& recall = session.wordRecall();
        const QList<int> words = clickableWords(recall.view());
        if (words.size() < 2) {
            return;
        }
        recall.ToggleWordReveal(words.front()); // one word revealed by a double click
        for (int click = 0; click < 4; ++click) {
            recall.GiveNextHint(words.at(1)); // meaning, first letter, its sound, phonetic
        }
    });
    tour.prepare(9, [&session] {
        const FillInView view = session.fillIn().view();
        if (view.hiddenWord > 0) {
            session.fillIn().drill().edit(view.words.at(view.hiddenWord - 1).caption);
        }
    });
    tour.addShot(9, QStringLiteral("notice"), [&session] {
        // The first sentence from here on without a key word: the word is chosen automatically.
        const auto automatic = [&session] {
            return session.fillIn().view().noticeText == FillIn::automaticNotice();
        };
        for (int n = session.SentenceCount(); n > 0 && !automatic(); --n) {
            if (session.CurrentSentence() >= session.SentenceCount()) {
                session.SenBegainCommand_Click();
            } else {
                session.SenNextCommand_Click();
            }
        }
    });
    stageVideoScenes(tour, session);
}

} // namespace sentara::ui
