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
    if (found) {
        view_.headword = found->entry.headword;
        view_.phonetic = found->entry.phonetic;
        view_.meaning = found->entry.meaning;
        return;
    }
    view_.headword = word;
    view_.phonetic.clear();
    view_.meaning = QStringLiteral("<没找到!>");
    host_.WordSoundStop();
}

void WordPanel::pronounce() {
    host_.ReadWord(view_.headword);
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
