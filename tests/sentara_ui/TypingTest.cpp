#include "UiEvents.h"
#include "WindowFixture.h"

#include "common/LessonText.h"
#include "common/TextFile.h"
#include "sentara/ui/SentencePanel.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace uitest;

namespace {

// The note stored for sentence `sentence` of lesson 2 of the first Book, read from its file.
QString noteInFile(const common::CourseFolder& folder, int sentence) {
    const std::optional<QString> text =
        common::TextFile::read(folder.lessonFile(QString::fromLatin1(kBook1), 2));
    if (!text) {
        return QStringLiteral("<unreadable>");
    }
    return common::LessonText::split(*text).value(sentence - 1).note();
}

class TypingTest : public testing::Test {
protected:
    TypingTest() { buildSmallCourse(course); }

    // Opens the note box of the sentence on display by its placeholder and gives it the keys.
    static QPlainTextEdit* openNoteBox(sentara::ui::SentencePanel* panel) {
        click(panel->findChild<QLabel*>(QStringLiteral("NoneNoteLabel")));
        auto* note = panel->findChild<QPlainTextEdit*>(QStringLiteral("SenNoteText"));
        note->setFocus();
        return note;
    }

    support::CourseBuilder course;
};

TEST_F(TypingTest, ANoteTypedWhileASentencePlaysIsSavedByTheNextCommand) {
    RunningWindow run(course);
    sentara::ui::SentencePanel* panel = run.window->sentencePanel();
    QPlainTextEdit* note = openNoteBox(panel);

    typeText(note, QStringLiteral("早饭 = breakfast"));
    click(panel->findChild<QPushButton*>(QStringLiteral("SenPlayCommand"))); // renders
    run.clock.advance(3000);                                                 // the play ends
    EXPECT_EQ(note->toPlainText(), QStringLiteral("早饭 = breakfast"));

    // The navigation buttons take no focus: the note box never loses it here.
    click(panel->findChild<QPushButton*>(QStringLiteral("SenNextCommand")));
    EXPECT_EQ(noteInFile(run.folder, 3), QStringLiteral("早饭 = breakfast"));
    EXPECT_TRUE(note->toPlainText().isEmpty()) << "sentence 4 has no note";

    run.window->close();
    EXPECT_EQ(noteInFile(run.folder, 3), QStringLiteral("早饭 = breakfast"));
}

TEST_F(TypingTest, ARefusedNoteStaysInTheBoxUntilTheFileCanTakeIt) {
    // The lesson file holds a byte that is no character: rewriting it would change that byte.
    const QString lesson =
        common::CourseFolder(course.root()).lessonFile(QString::fromLatin1(kBook1), 2);
    QFile file(lesson);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();
    course.file(QDir(course.root()).relativeFilePath(lesson), good + "\xff");
    RunningWindow run(course);
    sentara::ui::SentencePanel* panel = run.window->sentencePanel();
    QPlainTextEdit* note = openNoteBox(panel);
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // stored in its four-byte form

    typeText(note, QStringLiteral("good") + emoji);
    note->clearFocus();
    ASSERT_EQ(run.dialogs.messages().size(), 1);
    EXPECT_TRUE(run.dialogs.messages()[0].text.contains(lesson));
    EXPECT_EQ(note->toPlainText(), QStringLiteral("good") + emoji);
    EXPECT_TRUE(noteInFile(run.folder, 3).isEmpty());

    // The file is mended (the stray byte removed); leaving the box again saves the note.
    course.file(QDir(course.root()).relativeFilePath(lesson), good);
    note->setFocus();
    note->moveCursor(QTextCursor::End);
    typeText(note, QStringLiteral("!"));
    note->clearFocus();
    EXPECT_EQ(run.dialogs.messages().size(), 1);
    EXPECT_EQ(noteInFile(run.folder, 3), QStringLiteral("good") + emoji + u'!');
    EXPECT_EQ(note->toPlainText(), QStringLiteral("good") + emoji + u'!');
}

} // namespace
