#include "FullTextScenes.h"

#include "FullTextWordCanvas.h"
#include "FullTextWordPanel.h"
#include "ScreenshotTour.h"
#include "SentaraWindow.h"

#include "sentara/course/SentaraSession.h"
#include "sentara/modes/CoverPractice.h"
#include "sentara/modes/FullTextMode.h"

#include <QCursor>
#include <QTimer>

namespace sentara::ui {

void addFullTextScenes(ScreenshotTour& tour, SentaraSession& session, SentaraWindow& window) {
    tour.addShot(1, QStringLiteral("english-only"),
                 [&session] { session.fullText().toggleChineseLines(); });
    tour.addShot(3, QStringLiteral("uncovered"), [&session] {
        session.fullText().toggleChineseLines();
        session.selectOption(OptionFamily::HideMode, 1); // "点出中文"
        for (const int sentence : {1, 3, 4}) {
            session.coverPractice().releaseLine(sentence, CoverPart::Chinese);
        }
    });
    tour.addShot(1, QStringLiteral("word-panel"), [&session, &window] {
        // The right click comes once the view is on screen; the panel opens by the pointer, so
        // the pointer goes to the word first, as a learner's would.
        QTimer::singleShot(100, &window, [&session, &window] {
            const FullTextWordCanvas* canvas = window.fullTextPanel()->canvas();
            for (qsizetype i = 0; i < canvas->words().size(); ++i) {
                const FullTextWord& word = canvas->words().at(i);
                if (word.sentence == 2 && word.clickable && word.text.size() > 3) {
                    QCursor::setPos(canvas->mapToGlobal(canvas->wordRect(int(i)).center()));
                    session.fullText().lookUpWord(word.sentence, word.position);
                    return;
                }
            }
        });
    });
}

} // namespace sentara::ui
