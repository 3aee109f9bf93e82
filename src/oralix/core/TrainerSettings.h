#pragma once

#include <QString>
#include <optional>

namespace oralix {

// The compact trainer's own settings, kept in SETTING/mnset.dat: twelve values, each followed by
// one "\", no line breaks. Read once at start-up, written once at exit.
struct TrainerSettings {
    static constexpr int kValueCount = 12;
    static constexpr int kDefaultBackground = 12615808; // red 80, green 80, blue C0 (hex)

    int lessonIndex = 0; // 0-based index of the lesson shown at exit
    bool englishShown = true;
    bool chineseShown = true;
    int studyRepeat = 1;   // plays per sentence in sentence study
    int studyInterval = 1; // seconds between plays in sentence study
    int browseRepeat = 1;  // the same for the full-text view
    int browseInterval = 1;
    QString endLessonTitle;   // last lesson of the automatic range
    int startLessonIndex = 0; // first lesson of the automatic range, 0-based
    QString book;
    int backgroundColour = kDefaultBackground; // red + 256 * green + 65536 * blue
    int textColour = 0;

    // Reads the values that are present; a text with fewer than twelve separators keeps the
    // defaults for the values it lacks. Numbers are read leniently (not a number reads as 0);
    // a colour that is not a whole number between 0 and FFFFFF (hex) keeps its default.
    static TrainerSettings parse(const QString& text, int* valuesRead = nullptr);
    QString format() const;

    // The file's settings, or the defaults when it is missing or unreadable. *complete says
    // whether all twelve values were there.
    static TrainerSettings load(const QString& path, bool* complete = nullptr);
    bool save(const QString& path, QString* error = nullptr) const;

    bool operator==(const TrainerSettings&) const = default;
};

// The engine choice is the 34th "/"-terminated value of the main trainer's Set.dat:
// 2 chooses the default engine, any other value the backup engine. A missing or short file
// chooses the default engine.
namespace EngineChoice {
int parse(const QString& studySettingsText);
int load(const QString& path);
} // namespace EngineChoice

} // namespace oralix
