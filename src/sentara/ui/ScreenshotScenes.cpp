#include "ScreenshotScenes.h"

#include "ScreenshotTour.h"

#include "sentara/course/SentaraSession.h"
#include "sentara/dictation/FillIn.h"
#include "sentara/modes/WordRecall.h"

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
}

} // namespace sentara::ui
