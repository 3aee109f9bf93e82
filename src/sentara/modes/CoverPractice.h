#pragma once

#include "sentara/course/SessionView.h"
#include "sentara/modes/LessonSearch.h"
#include "sentara/modes/ModeComponent.h"

#include <QList>
#include <QString>

namespace common {
class CourseFolder;
}

namespace ports {
class Dialogs;
class SoundPlayer;
} // namespace ports

namespace sentara {

class ListeningLoop;
class LoadedLesson;
class VoiceControl;
struct StudySettings;

// The two lines of a sentence in the full-text list.
enum class CoverPart { English, Chinese };

// One sentence of the full-text list.
struct CoverLine {
    int number = 0;
    QString numberText; // "1."
    QString english;
    QString chinese;
    bool englishCovered = false;
    bool chineseCovered = false;
    // The cover mode lets a click cover and uncover the line (hand cursor).
    bool englishClickable = false;
    bool chineseClickable = false;
    bool marked = false;      // the current sentence's marker line (SenLine)
    bool hornPressed = false; // the horn is held down (drawn moved down and right)
};

// What the full-text list (mode 3) shows.
struct CoverView {
    QList<CoverLine> lines;
    int hideMode = 1;       // 1 Chinese covered, 2 English covered, 3 both
    QString hint;           // the instruction line of the cover mode (Label1(8))
    QString restoreCaption; // "恢复"
    int current = 0;
    // Changes each time the list must bring the current sentence into view (every sentence
    // shown): when it is not wholly visible, the list centres it.
    int keepInView = 0;
    int toTop = 0; // changes when the list goes back to its top (restore)
    QString searchPlaceholder;
    QString settingsTip; // "英汉互译设置"
};

// What the full-text list needs of the session.
class CoverPracticeHost {
public:
    virtual ~CoverPracticeHost() = default;
    virtual int CurrentSentence() const = 0;
    virtual void showSentenceAt(int sentence) = 0;
    virtual void RefreshFillInWord() = 0;
    virtual void requestFocus(FocusTarget target) = 0;
    // Every marker line hidden (the end of continuous play, read-all stopped) until the next
    // sentence is shown.
    virtual bool sentenceMarkersHidden() const = 0;
};

// The full-text list (mode 3) with hide-and-reveal: every sentence numbered with its horn, its
// English and its Chinese; the cover mode covers the Chinese, the English or both, and a click
// uncovers or covers one line again. Covers are display state: every lesson load and the restore
// command cover everything again by the cover mode; uncovering is never stored.
class CoverPractice : public ModeComponent {
public:
    CoverPractice(const LoadedLesson& lesson, StudySettings& study,
                  const common::CourseFolder& folder, ports::SoundPlayer& sounds,
                  ListeningLoop& loop, VoiceControl& voice, ports::Dialogs& dialogs,
                  CoverPracticeHost& host);

    // "点出中文" (1), "点出英文" (2), "点出中文和英文" (3): the cover mode, kept in the settings,
    // applied to every sentence. Other values change nothing.
    void applyCoverMode(int mode);
    // A press and a release of the mouse on a line. Only lines the cover mode lets the learner
    // uncover react: the press sounds MouDown.wav, the release MouUp.wav and covers or uncovers
    // the line; a released English line also becomes the current sentence (shown, not played)
    // and the focus goes to the find box.
    void pressLine(int sentence, CoverPart part);
    void releaseLine(int sentence, CoverPart part);
    // The horn: pressed down with MouDown.wav; released with MouUp.wav, then its sentence is
    // shown and played once (the read count goes on).
    void pressHorn(int sentence);
    void releaseHorn(int sentence);
    // A double click on an English line: while the full-text view's Chinese lines are off, the
    // player pauses and that sentence's Chinese is shown in a box titled "中文".
    void doubleClickEnglish(int sentence);
    // "恢复": everything covered again by the cover mode, the list back at its top, the focus
    // to the find box.
    void restore();
    // The scroll commands were used: the focus goes back to the find box.
    void scrollCommandUsed();
    // The find box (Combo1): each edit of the learner, and Enter, which shows the next sentence
    // holding the text or says that none does.
    void editSearch(const QString& text);
    void findNext();

    bool covered(int sentence, CoverPart part) const;
    CoverView view() const;
    static QString hint(int hideMode);

    void lessonLoaded() override;
    void sentenceShown() override;

private:
    bool clickable(CoverPart part) const;
    void coverAll();
    void playSound(const QString& name);

    const LoadedLesson& lesson_;
    StudySettings& study_;
    const common::CourseFolder& folder_;
    ports::SoundPlayer& sounds_;
    ListeningLoop& loop_;
    VoiceControl& voice_;
    ports::Dialogs& dialogs_;
    CoverPracticeHost& host_;
    QList<bool> englishCovered_;
    QList<bool> chineseCovered_;
    int pressedHorn_ = 0;
    int keepInView_ = 0;
    int toTop_ = 0;
    LessonSearch search_;
};

} // namespace sentara
