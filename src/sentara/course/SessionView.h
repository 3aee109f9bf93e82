#pragma once

#include "sentara/modes/WordPanel.h"
#include "sentara/settings/OptionFamilies.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// What the window shows, as plain data. The window renders these fields and nothing else: every
// text, counter, enabled flag, caption and picture choice is decided by the session.
// Pictures are file names under the course's Bitmap folder (CourseFolder::picture()).

namespace sentara {

// The input control that gets the keyboard focus (the focus rule of the modes).
enum class FocusTarget {
    None,           // leave the focus where it is
    FullTextSearch, // mode 1: the full-text search box (Combo2)
    ListSearch,     // mode 3: the full-text list box (Combo1)
    SpellingInput,  // mode 7: the free-spelling sentence box (WriteText)
    DictationInput, // mode 4: the dictation word box (WriteWordText), when visible
    FillInInput,    // mode 9: the fill-in word box (CurrentWordWriteText), when visible
    NoteBox,        // the sentence view's note box (SenNoteText)
};

// One word token of a sentence as a cell of a word row.
struct WordCell {
    QString caption;        // the visible text (before the first "$")
    QString lookupForm;     // the form used for look-ups; empty for plain tokens
    bool clickable = false; // first character is a letter a-z: hand cursor, underline where the
                            // view underlines words; otherwise arrow cursor, no underline
    bool keyWord = false;   // drawn in the key-word colour (OptionsView::keyWordColour)
};

// One sentence of the loaded lesson, for the full-text views.
struct SentenceItem {
    int number = 0;  // 1-based; the list shows it followed by "."
    QString english; // display English
    QString chinese;
    QList<WordCell> words;
    bool dictated = false; // dictation-done flag is "1"
    bool current = false;  // its marker line (SenLine) is visible
};

// One label of the lesson's full-text word sequence: a word of a sentence, or the marker that
// ends a sentence (its caption is the sentence record from its first "#" on and is never drawn).
// The fill-in mode walks the lesson's key words over this sequence.
struct FullTextItem {
    WordCell word;
    bool marker = false;
    int sentence = 0;        // the sentence the item belongs to (1-based)
    bool underlined = false; // the current sentence's words and its bounding markers
};

struct CatalogueBookView {
    QString title;
    int bookNode = 0;         // node index of the Book node; lesson k is node bookNode + k
    QStringList lessonTitles; // lesson k is lessonTitles[k - 1]
};

// The catalogue tree: built once at start-up and never changed afterwards.
struct CatalogueView {
    QList<CatalogueBookView> books;
};

struct LessonView {
    bool loaded = false;  // false until a lesson file has been read
    int selectedNode = 0; // catalogue node to show selected (follows the loaded lesson)
    QString book;
    int lesson = 0;
    QString title; // the lesson title shown on every mode panel
    int sentenceCount = 0;
    int keyWordCount = 0;
    int dictatedCount = 0;
    QString progressText;     // dictation progress, e.g. "3 / 12"
    double progressRatio = 0; // filled part of the dictation progress bar, 0..1
    QList<SentenceItem> sentences;
    QString mediaPath;
};

// The sentence view (mode 2) and what every sentence-based panel shares.
struct SentenceView {
    int current = 0; // CurrentSentence (1-based; 0 without a lesson)
    int count = 0;
    QString english;
    QString chinese;
    QList<WordCell> words;
    bool chineseVisible = true;          // the Chinese line
    bool noteBoxVisible = true;          // the note box
    bool notePlaceholderVisible = false; // "[点此添加注释]" laid over the note box
    QString note;      // the stored note (trimmed); put it into the box only when it or the
                       // sentence changes, so a render never overwrites what the learner is typing
    QString noteOwner; // what the note belongs to (the lesson and the sentence)
    QString notePlaceholder;      // "[点此添加注释]"
    QString noteCaption;          // "注释："
    QString chineseTogglePicture; // "check_1.jpg" (shown) / "check_0.jpg" (hidden)
    QString chineseToggleCaption; // "中文"
    QString counterText;          // "3 / 12"
    QString summaryText;          // "本课共有12句，当前是第3句"
    int progressSegments = 0;     // one segment per sentence
    int progressFilled = 0;       // segments 1..progressFilled get progressColour
    int progressColour = 11947009;
    // The back and next commands of the five navigation groups (sentence, voice, free spelling,
    // word-click, dictation test) and the video mode's pair (VideoView) are enabled together.
    bool backEnabled = false;
    bool nextEnabled = false;
    bool wordPanelVisible = false; // the word look-up panel (WordPicture)
};

// The voice view (mode 6) shows SentenceView::english and ::chinese. The dictation test (mode 4)
// and free spelling (mode 7) have their views in their components (DictationTest, FreeSpelling).

// The full-text views (modes 1 and 3) are their components' (FullTextMode, CoverPractice).

struct OptionFamilyView {
    OptionFamily family = OptionFamily::SenRead;
    QString menuName;    // e.g. "SenModeRead"
    QString menuCaption; // e.g. "朗读次数"
    QList<OptionEntry> entries;
    int checkedIndex = -1; // exactly one entry for the values the menus can set
};

struct OptionToggleView {
    OptionToggle toggle = OptionToggle::SenChinese;
    QString objectName;
    QString caption;
    bool checked = false;
};

struct OptionsView {
    QList<OptionFamilyView> families; // in OptionFamily order
    QList<OptionToggleView> toggles;  // in OptionToggle order
    int keyWordColour = 255;          // red + green*256 + blue*65536
};

// Where the full-text list's scroll handle stands when the list is at its top (twips, as the
// settings file keeps it).
inline constexpr double kScrollHandleStart = 255;

struct ModeView {
    int modeIndex = 2;
    int selectedTab = 2;                   // the tab under the selection marker
    std::array<bool, 10> tabVisible{};     // index 1..9; 5 only for the video course, 4 or 7 by
                                           // the dictation sub-mode
    FocusTarget focus = FocusTarget::None; // what the focus rule gives the focus to
    int engineChoice = 2;                  // 1 "备用引擎" (Option3), 2 "默认引擎" (Option4)
    bool largeLayout = false;              // switched on by the layout timer after start-up
    // The full-text list's scroll position (Set.dat values 4 and 5, twips): the window scrolls
    // the list there each time textPanelsMoved changes, and reports the learner's scrolling back
    // (setSentencePanelPositions).
    double sentencePanelTop = 0;
    double sentenceHandleTop = 0;
    int textPanelsMoved = 0; // also moves the full-text word view back to its top
    bool playing = false;    // the sentence player is playing
    int currentReadCount = 0;
};

struct SessionView {
    ModeView mode;
    LessonView lesson;
    SentenceView sentence;
    WordPanelView wordPanel; // the floating word panel, over whichever mode is shown
    OptionsView options;
};

} // namespace sentara
