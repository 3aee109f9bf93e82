#pragma once

#include <QString>
#include <array>
#include <optional>

namespace common {
class CourseFolder;
}

namespace sentara {

// The five repeat families: which study mode each read count and pause drives.
// Sen = sentence view (mode 2), Write = dictation test (4), All = full-text word view (1),
// Click = word-click recall (8), Pen = free spelling (7).
enum class RepeatFamily { Sen = 0, Write = 1, All = 2, Click = 3, Pen = 4 };
inline constexpr int kRepeatFamilyCount = 5;

// The persisted state of the trainer: one line of 34 "/"-terminated values in SETTING/Set.dat.
// Field order below is the file order; each comment gives the value's number.
struct StudySettings {
    int catalogueNodeIndex = 2;   // 1  catalogue node of the current lesson
    int resumeSentence = 1;       // 2  sentence shown after loading
    int modeIndex = 2;            // 3  study mode 1..9
    double sentencePanelTop = 0;  // 4  scroll position of the full-text list canvas
    double sentenceHandleTop = 0; // 5  position of its scroll handle
    bool layoutMax = false;       // 6  "1" large layout, "0" normal
    int allChineseCheck = 1;      // 7  full-text view shows Chinese lines
    int hideMode = 1;             // 8  1 cover Chinese, 2 cover English, 3 both
    int setFraction = 80;         // 9  dictation pass mark
    std::array<int, kRepeatFamilyCount> readCount{1, 1, 1, 1, 1};              // 10,12,..18
    std::array<int, kRepeatFamilyCount> pauseMs{1000, 1000, 1000, 1000, 1000}; // 11,13,..19
    int senChineseCheck = 1;        // 20 sentence view shows Chinese and note
    int clickChineseCheck = 1;      // 21 word-click mode shows Chinese
    int wordChineseCheck = 1;       // 22 dictation test shows Chinese
    int writeEnglishCheck = 0;      // 23 free spelling shows the English (else masked)
    int writeChineseCheck = 1;      // 24 free spelling shows the Chinese (else "已关闭")
    int playMode = 0;               // 25 0 manual, 1 automatic advance
    int videoEnglishCheck = 1;      // 26 video mode shows English
    int videoChineseCheck = 1;      // 27 video mode shows Chinese
    int keyWordColour = 255;        // 28 red + green*256 + blue*65536
    bool hintMeaning = true;        // 29 "提示词义"
    bool hintPhonetic = true;       // 30 "提示音标"
    bool hintWord = false;          // 31 "提示单词"
    bool hintPronunciation = false; // 32 "提示读音"
    int writeMode = 2;              // 33 1 free spelling, 2 dictation test
    int engineChoice = 2;           // 34 1 backup engine, 2 default engine

    static constexpr int kValueCount = 34;

    int& readCountOf(RepeatFamily f) { return readCount[static_cast<int>(f)]; }
    int readCountOf(RepeatFamily f) const { return readCount[static_cast<int>(f)]; }
    int& pauseOf(RepeatFamily f) { return pauseMs[static_cast<int>(f)]; }
    int pauseOf(RepeatFamily f) const { return pauseMs[static_cast<int>(f)]; }

    // The values of a Set.dat text laid over the defaults: value k is the text between the
    // (k-1)-th and the k-th "/"; a value the text does not reach keeps its default. Numbers are
    // read leniently (not a number = 0), then made safe: a pause below 10 ms becomes 10, a read
    // count below 0 becomes 0, a mode, cover mode, dictation sub-mode or engine outside its range
    // keeps its default. *valueCount (optional) receives how many values the text held.
    static StudySettings parse(const QString& text, int* valueCount = nullptr);
    // The 34 values, each followed by "/".
    QString format() const;

    // SETTING/Set.dat of the course folder; nullopt when it is missing or cannot be read.
    static std::optional<StudySettings> read(const common::CourseFolder& folder,
                                             QString* error = nullptr);
    // Replaces SETTING/Set.dat (creating SETTING when needed); false and *error on failure.
    bool write(const common::CourseFolder& folder, QString* error = nullptr) const;

    bool operator==(const StudySettings&) const = default;
};

} // namespace sentara
