#pragma once

#include "common/WordLookup.h"

#include <QString>
#include <optional>

namespace common {
struct CourseContent;
} // namespace common

namespace ports {
class Shell;
}

namespace sentara {

// What the word panel shows.
struct WordPanelView {
    bool visible = false;
    int showCount = 0; // counts show(): each one opens the panel anew at the pointer
    QString headword; // the dictionary's headword, or the word as looked up when not found
    QString phonetic; // in the phonetic font; empty when not found
    QString meaning;  // "<没找到!>" when not found
    QString linkCaption = QStringLiteral("<词典>");
};

// What the word panel needs of the session: the word player.
class WordPanelHost {
public:
    virtual ~WordPanelHost() = default;
    // Pronounces `word` from its recording once the click that asked for it has finished.
    virtual void ReadWord(const QString& word) = 0;
    virtual void WordSoundStop() = 0;
};

// The word look-up panel: a word's headword, phonetic transcription and meaning from the word
// dictionary (with the base-form fall-backs), its recording, and its page in an online
// dictionary. Filling the labels (lookUp) is kept apart from showing the panel: the word-recall
// hints look words up without showing it.
class WordPanel {
public:
    WordPanel(const common::WordDictionary& dictionary, const common::CourseContent& content,
              ports::Shell& shell, WordPanelHost& host);

    // Fills the headword, phonetic and meaning of `word`; when neither the word nor a base form
    // is in the dictionary: the word itself, no phonetic and "<没找到!>", and the word sound is
    // stopped. Does not show the panel.
    void lookUp(const QString& word);
    bool found() const { return found_; }
    // The entry lookUp() would fill in, for the hints of word recall and the cues of the fill-in
    // word: the panel keeps what it shows (so a panel left open never gives a hidden word away).
    // When nothing is found the word sound is stopped, as by lookUp().
    WordPanelView entryOf(const QString& word);
    // Pronounces the headword the panel holds (the word as looked up when not found).
    void pronounce();
    // Pronounces `headword` (an entry's headword) from its recording.
    void pronounce(const QString& headword);
    void show();
    void hide();
    // Opens the headword's page of the online dictionary in the browser; the word is appended
    // to the page address URL-encoded, so apostrophes and spaces keep the address valid.
    void openOnlineDictionary();

    const WordPanelView& view() const { return view_; }

private:
    WordPanelView entryOf(const QString& word,
                          const std::optional<common::WordLookup::Found>& found);

    const common::WordDictionary& dictionary_;
    const common::CourseContent& content_;
    ports::Shell& shell_;
    WordPanelHost& host_;
    WordPanelView view_;
    bool found_ = false;
};

} // namespace sentara
