#include "DictationScreenshots.h"

#include "DictationPanel.h"
#include "ScreenshotTour.h"
#include "SentaraWindow.h"
#include "SpellingPanel.h"
#include "TypedInputBox.h"

#include "sentara/course/SentaraSession.h"
#include "sentara/dictation/DictationTest.h"
#include "sentara/dictation/FreeSpelling.h"
#include "sentara/dictation/ResultsReport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

namespace sentara::ui {

namespace {

constexpr int kCloseMessageMs = 400;

// Keys as the keyboard delivers them: text keys, or a key code without text.
void typeInto(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void pressKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// The blanks of the sentence on display, in order.
QStringList blanks(const DictationTest& test) {
    QStringList words;
    for (const DictationWordView& word : test.view().words) {
        if (word.blank) {
            words << word.caption;
        }
    }
    return words;
}

} // namespace

void stageDictationScreenshots(ScreenshotTour& tour, SentaraSession& session,
                               SentaraWindow& window) {
    // Taken after every other picture, so that the sentence passed here, the free-spelling tab and
    // the open results do not show in the other pictures; each replaces the plain picture of its
    // mode. They start from the first sentence of the catalogue's first lesson.
    tour.addShot(4, QString(), [&session, &window] {
        if (!session.catalogue().books.isEmpty()) {
            session.TreeView1_NodeClick(session.catalogue().books.front().bookNode + 1);
            session.SenBegainCommand_Click();
        }
        TypedInputBox* box = window.dictationPanel()->box();
        // The first sentence whole; its pass message is closed as a learner closes it.
        QTimer::singleShot(kCloseMessageMs, &window, [] {
            if (QWidget* message = QApplication::activeModalWidget()) {
                message->close();
            }
        });
        for (const QString& word : blanks(session.dictation())) {
            typeInto(box, word + u' ');
        }
        // The next one: a word, two progressive hints on the next, its first letters typed.
        const QStringList next = blanks(session.dictation());
        if (next.size() >= 2) {
            typeInto(box, next.at(0) + u' ');
            pressKey(box, Qt::Key_F5);
            pressKey(box, Qt::Key_F5);
            typeInto(box, next.at(1).left(2));
        }
    });
    tour.addShot(7, QString(), [&session, &window] {
        session.selectOption(OptionFamily::DictationMode, 0); // "自由拼写模式": its own tab
        TypedInputBox* box = window.spellingPanel()->box();
        QString english = session.freeSpelling().view().englishLine;
        const qsizetype space = english.indexOf(u' ');
        // The sentence with one letter of its second word doubled.
        if (space > 0 && space + 2 < english.size()) {
            english.insert(space + 2, english.at(space + 2));
        }
        typeInto(box, english);
        pressKey(box, Qt::Key_Return);
    });
    tour.addShot(4, QStringLiteral("results"), [&session] {
        session.selectOption(OptionFamily::DictationMode, 1); // back to "听写测试模式"
        session.results().ShowResults();
    });
}

} // namespace sentara::ui
