#pragma once

// The main trainer's session: everything the main window owns for the life of the program (the
// loaded lesson, CurrentSentence, ModeIndex, the settings, the timers and the players of both
// engines), composed of parts with one job each. It runs headless; the window renders view() and
// forwards the learner's events to the operations below.
//
// How the window uses it:
//   SentaraSession session(folder, clock, engines, recorder, sounds, dialogs, shell, measure,
//                          screen);
//   connect(&session, &SentaraSession::changed, window, &MainWindow::render);      // view()
//   connect(&session, &SentaraSession::focusRequested, window, &MainWindow::focus); // a target
//   connect(&session, &SentaraSession::largeLayoutRequested, window, &MainWindow::setLarge);
//   connect(&session, &SentaraSession::inputCleared, window, &MainWindow::clearInput);
//   session.setVideoSurfaces(&places); // where video lessons can be seen (the window hosts them)
//   session.start();                   // the start-up sequence; shows the saved lesson
//   session.confirmDefaultEngine();    // once the engines' libraries may be loaded
//   ...                                // clicks, keys and menu commands, to the session and to
//                                      // the modes' components (the note box forwards each edit
//                                      // and its focus loss to sentenceBrowsing()); before
//                                      // closing, setSentencePanelPositions()
//   session.shutdown();                // however the window closes: writes Set.dat
// Message boxes go through the Dialogs port and return when the learner closes them.
// catalogue() is built once by start() and never changes; render it once.

#include "sentara/course/SessionView.h"
#include "sentara/course/ShortcutKey.h"
#include "sentara/settings/OptionFamilies.h"
#include "sentara/settings/StudySettings.h"

#include <QObject>
#include <QString>
#include <memory>

namespace common {
class CourseFolder;
struct CourseContent;
class WordDictionary;
} // namespace common

namespace sentara {
struct CourseFiles;
}

namespace ports {
class Clock;
class MediaEngines;
class Recorder;
class SoundPlayer;
class Dialogs;
class Shell;
class TextMeasure;
class Screen;
class VideoSurfaces;
} // namespace ports

namespace sentara {

class Catalogue;
class LoadedLesson;
class VoiceControl;
class ListeningLoop;
class SentenceBrowsing;
class VideoMode;
class VoiceRecording;
class WordPanel;
class WordRecall;
class FillIn;
class FullTextMode;
class CoverPractice;
class DictationTest;
class FreeSpelling;
class ResultsReport;

class SentaraSession : public QObject {
    Q_OBJECT
public:
    SentaraSession(const common::CourseFolder& folder, ports::Clock& clock,
                   ports::MediaEngines& engines, ports::Recorder& recorder,
                   ports::SoundPlayer& sounds, ports::Dialogs& dialogs, ports::Shell& shell,
                   const ports::TextMeasure& measure, const ports::Screen& screen,
                   QObject* parent = nullptr);
    ~SentaraSession() override;

    // --- Start-up and shutdown ---------------------------------------------------------------
    // The start-up sequence: the course's files read first (content, word dictionary, Set.dat,
    // catalogue; or given as read beforehand by CourseFiles::read, on another thread), then the
    // DPI message when the screen is not at 96 DPI, the content file's message if it could not
    // be read, recorder, Set.dat's values (defaults when it is missing), catalogue, the saved
    // lesson at the saved sentence, then the one-shot focus (100 ms) and layout (10 ms) timers.
    void start();
    void start(CourseFiles files);
    // The full check of the default engine, made once its libraries may be loaded (after the
    // window's first paint; start() looks only for its files). When it cannot be used, the
    // backup engine takes over as if the learner had chosen it, but silently: the lesson and the
    // sentence stay, what was playing plays again on the backup engine, the choice is saved.
    void confirmDefaultEngine();
    // Writes Set.dat; false (and a message through Dialogs) when it cannot be written.
    bool SetDat();
    // The main window closes (close command, window manager, end of the session): stops the
    // timers, releases the players and writes Set.dat.
    void shutdown();
    // The mini-window command: writes Set.dat and starts the compact trainer from the program
    // folder on the same course folder, detached; says so when it cannot be started.
    void MiniLabel_MouseUp();

    // --- Catalogue -----------------------------------------------------------------------------
    const CatalogueView& catalogue() const;
    // A click on tree node `nodeIndex` (1-based over the whole tree): a lesson node loads that
    // lesson from its first sentence; a Book node or an unknown index changes nothing.
    void TreeView1_NodeClick(int nodeIndex);

    // --- Modes ---------------------------------------------------------------------------------
    // A click on mode tab 1..9: shows that mode (5 only for the video course, else 1), gives the
    // focus by the focus rule, stops every timer and pauses the player.
    void TabImage_Click(int index);
    // Announces the focus target of the current mode (focusRequested) when it has one.
    void FocusModeInput();

    // --- Sentence navigation (shared by every sentence-based mode) ----------------------------
    void SenBegainCommand_Click(); // to the first sentence
    void SenBackCommand_Click();   // previous sentence (never wraps)
    void SenNextCommand_Click();   // next sentence (never wraps)
    void SenPlayCommand_Click();   // play the sentence once, restarting the read count
    void AutoPlaySentence();       // plays the sentence if the mode's read count asks for it (F7)

    // --- Read-all -----------------------------------------------------------------------------
    // Read-all of the full-text word view: starts from sentence 1, or stops and returns to it.
    void AllReadCommand_Click();
    // Pauses or resumes a running read-all.
    void PauseReadCommand_Click();

    // --- Full-text toggle -----------------------------------------------------------------------
    // The full-text view's "显示中文句子": Chinese lines on, or English only (the text layout for
    // the Books laid out by line ends).
    void AllChineseCheckLabel_Click();

    // --- Options menus ---------------------------------------------------------------------------
    // Checks entry `index` of a radio family and applies its value (read count, pause, pass mark,
    // play mode, cover mode, dictation sub-mode, engine).
    void selectOption(OptionFamily family, int index);
    // Flips an on/off entry (the Chinese lines, the fill-in hints).
    void toggleOption(OptionToggle toggle);
    // "查看评分标准": pauses the player and shows how dictation is scored.
    void WriteSet6_Click();
    // "添加/取消重点词" and "添加/取消填空词": how to mark key words.
    void SetKeyWord_Click();
    void SetTheWord_Click();
    // "设置重点词颜色": the colour chooser; the chosen colour becomes the key-word colour.
    void KeyWordColor_Click();
    // The engine chooser: "备用引擎" (Option3) and "默认引擎" (Option4). The default engine
    // falls back to the backup engine with a message and the help page when it cannot be used.
    void Option3_MouseUp();
    void Option4_MouseUp();

    // --- Keys ------------------------------------------------------------------------------------
    // A key pressed in the main window; true when the session acted on it (the window then
    // does not pass it on).
    bool KeyDown(ShortcutKey key);
    // Any key released: clears the Ctrl flag.
    void KeyUp();
    bool ctrlHeld() const;

    // --- Window facts kept in the settings -----------------------------------------------------
    void setSentencePanelPositions(double panelTop, double handleTop);
    void setLargeLayout(bool large);

    // --- Media -----------------------------------------------------------------------------------
    // The window's places for video lessons (the video area, the floating window); the video
    // mode decides which player draws where and which place is seen.
    void setVideoSurfaces(const ports::VideoSurfaces* surfaces);
    // Pronounces a word from Word/<c>/<word>.wav after a 10 ms delay.
    void ReadWord(const QString& word);
    // A click beside the words (a panel's background, the video surface) closes the word panel.
    void hideWordPanel();

    // --- State -----------------------------------------------------------------------------------
    SessionView view() const;
    const StudySettings& settings() const;
    int CurrentSentence() const;
    int SentenceCount() const;
    int ModeIndex() const;
    int CurrentReadCount() const;
    // The span of the sentence on display and the continuous-play range, in the active engine's
    // unit (seconds for the default engine, whole milliseconds for the backup engine).
    double SentenceStart() const;
    double SentenceEnd() const;
    double LessonMediaStart() const;
    double LessonMediaSpan() const;
    const common::CourseContent& content() const;
    const common::WordDictionary& dictionary() const;

    // The parts, for the modes built on top of the session.
    LoadedLesson& lesson();
    VoiceControl& voice();
    ListeningLoop& loop();

    // --- The study modes' components: the window forwards each panel's events to its mode ---
    SentenceBrowsing& sentenceBrowsing(); // mode 2: Chinese line, notes, word clicks
    WordPanel& wordPanel();               // the word look-up panel of every mode
    WordRecall& wordRecall();             // mode 8: the hint ladder (also the dictation's hints)
    FillIn& fillIn();                     // mode 9: the fill-in word and its spelling drill
    VideoMode& videoMode();           // mode 5, the progress strip's clicks, the floating window
    VoiceRecording& voiceRecording(); // the voice view's recorder
    FullTextMode& fullText();         // mode 1: the full-text word view and read-all
    CoverPractice& coverPractice();   // mode 3: the full-text list with hide-and-reveal
    DictationTest& dictation();       // mode 4: the scored dictation test
    FreeSpelling& freeSpelling();     // mode 7: free spelling
    ResultsReport& results();         // the results panel (also opened by the dictation)

signals:
    // Something the window shows has changed; render view().
    void changed();
    // Give the keyboard focus to `target`.
    void focusRequested(sentara::FocusTarget target);
    // Switch to the large (true) or the normal (false) layout.
    void largeLayoutRequested(bool large);
    // Empty the text of an input box the window keeps in step by itself. (The dictation and
    // free-spelling boxes take their text from their components' views.)
    void inputCleared(sentara::FocusTarget target);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace sentara
