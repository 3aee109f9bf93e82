#include "sentara/modes/WordPanel.h"

#include "common/CourseContent.h"
#include "common/WordLookup.h"
#include "common/ports/Shell.h"

#include <QUrl>

namespace sentara {

WordPanel::WordPanel(const common::WordDictionary& dictionary, const common::CourseContent& content,
                     ports::Shell& shell, WordPanelHost& host)
    : dictionary_(dictionary), content_(content), shell_(shell), host_(host) {
}

void WordPanel::lookUp(const QString& word) {
    const std::optional<common::WordLookup::Found> found =
        common::WordLookup::lookUp(dictionary_, word);
    found_ = found.has_value();
    const WordPanelView entry = entryOf(word, found);
    view_.headword = entry.headword;
    view_.phonetic = entry.phonetic;
    view_.meaning = entry.meaning;
}

WordPanelView WordPanel::entryOf(const QString& word) {
    return entryOf(word, common::WordLookup::lookUp(dictionary_, word));
}

WordPanelView WordPanel::entryOf(const QString& word,
                                 const std::optional<common::WordLookup::Found>& found) {
    WordPanelView entry;
    if (found) {
        entry.headword = found->entry.headword;
        entry.phonetic = found->entry.phonetic;
        entry.meaning = found->entry.meaning;
        return entry;
    }
    entry.headword = word;
    entry.meaning = QStringLiteral("<没找到!>");
    host_.WordSoundStop();
    return entry;
}

void WordPanel::pronounce() {
    host_.ReadWord(view_.headword);
}

void WordPanel::pronounce(const QString& headword) {
    host_.ReadWord(headword);
}

void WordPanel::show() {
    view_.visible = true;
    ++view_.showCount;
}

void WordPanel::hide() {
    view_.visible = false;
}

void WordPanel::openOnlineDictionary() {
    if (view_.headword.isEmpty() || content_.dictionaryUrl.isEmpty()) {
        return;
    }
    shell_.openUrl(content_.dictionaryUrl +
                   QString::fromLatin1(QUrl::toPercentEncoding(view_.headword)));
}

} // namespace sentara
