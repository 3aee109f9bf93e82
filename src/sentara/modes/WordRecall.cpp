#include "sentara/modes/WordRecall.h"

#include "sentara/course/LoadedLesson.h"
#include "sentara/modes/WordPanel.h"
#include "sentara/settings/StudySettings.h"

namespace sentara {

namespace {

const QString kNotGiven = QStringLiteral("[提示]");

} // namespace

WordRecall::WordRecall(const LoadedLesson& lesson, WordPanel& wordPanel, WordRecallHost& host)
    : lesson_(lesson), wordPanel_(wordPanel), host_(host) {
}

QList<WordCell> WordRecall::words() const {
    return lesson_.words(host_.CurrentSentence());
}

bool WordRecall::isClickable(int word) const {
    const QList<WordCell> cells = words();
    return word >= 1 && word <= cells.size() && cells.at(word - 1).clickable;
}

void WordRecall::lookUp(int word) {
    const WordCell cell = words().at(word - 1);
    entry_ = wordPanel_.entryOf(cell.lookupForm.isEmpty() ? cell.caption : cell.lookupForm);
}

void WordRecall::restartCard() {
    card_.meaning.clear();
    card_.firstLetter = kNotGiven;
    card_.readAgain = kNotGiven;
    card_.phonetic = kNotGiven;
    card_.phoneticGiven = false;
    card_.word = kNotGiven;
    card_.wordGiven = false;
}

void WordRecall::GiveNextHint(int word) {
    const QList<WordCell> cells = words();
    if (word < 1 || word > cells.size()) {
        return;
    }
    const QString text = cells.at(word - 1).caption;
    if (text != lastWord_) {
        hintCount_ = 0;
        restartCard();
    }
    lastWord_ = text;
    if (!cells.at(word - 1).clickable) {
        // Punctuation gives no hint, but the next click on a word starts its ladder afresh.
        viewChanged();
        return;
    }
    lookUp(word);
    card_.visible = true;
    card_.anchorWord = word;
    // After the last stage, or after a double click has given everything, the next click hides
    // the word again.
    hintCount_ = std::min(hintCount_ + 1, kLastStage);
    const WordPanelView& entry = entry_;
    switch (hintCount_) {
    case 1:
        card_.meaning = entry.meaning;
        break;
    case 2:
        card_.firstLetter = entry.headword.left(1);
        break;
    case 3:
        card_.readAgain = QStringLiteral("点击复读");
        wordPanel_.pronounce(entry.headword);
        break;
    case 4:
        card_.phonetic = entry.phonetic;
        card_.phoneticGiven = true;
        break;
    case kRevealStage:
        setHidden(word, false);
        card_.word = text;
        card_.wordGiven = true;
        break;
    default: // the word hidden again; the ladder goes on from its second stage
        setHidden(word, true);
        hintCount_ = 1;
        restartCard();
        card_.meaning = entry.meaning;
        break;
    }
    viewChanged();
}

void WordRecall::ToggleWordReveal(int word) {
    if (!isClickable(word)) {
        return;
    }
    hintCount_ = 0;
    lookUp(word);
    const WordPanelView& entry = entry_;
    card_.anchorWord = word;
    // The window takes the clicks of a double click for the double click alone, so the word
    // double-clicked is the word clicked last.
    lastWord_ = words().at(word - 1).caption;
    if (isHidden(word)) {
        setHidden(word, false);
        card_.visible = true;
        card_.firstLetter = entry.headword.left(1);
        card_.meaning = entry.meaning;
        card_.readAgain = QStringLiteral("点击复读");
        card_.phonetic = entry.phonetic;
        card_.phoneticGiven = true;
        card_.word = words().at(word - 1).caption;
        card_.wordGiven = true;
        hintCount_ = kLastStage;
    } else {
        setHidden(word, true);
        restartCard();
        card_.meaning = entry.meaning;
    }
    viewChanged();
}

void WordRecall::HoverWordHint(int word) {
    const QList<WordCell> cells = words();
    if (word < 1 || word > cells.size() || !cells.at(word - 1).clickable) {
        return;
    }
    const bool visible = !lastWord_.isEmpty() && cells.at(word - 1).caption == lastWord_;
    if (visible != card_.visible) {
        card_.visible = visible;
        viewChanged();
    }
}

void WordRecall::readAgain() {
    card_.readAgain = QStringLiteral("点击复读");
    if (!entry_.headword.isEmpty()) {
        wordPanel_.pronounce(entry_.headword);
    }
    viewChanged();
}

void WordRecall::resetSentence() {
    hideAllWords();
    hintCount_ = 0;
    lastWord_.clear();
    card_.visible = false;
    viewChanged();
}

void WordRecall::hideCard() {
    card_.visible = false;
    viewChanged();
}

void WordRecall::setHidden(int word, bool hidden) {
    if (word >= 1 && word <= hidden_.size()) {
        hidden_[word - 1] = hidden && isClickable(word);
    }
}

bool WordRecall::isHidden(int word) const {
    return word >= 1 && word <= hidden_.size() && hidden_.at(word - 1);
}

void WordRecall::hideAllWords() {
    hidden_.clear();
    for (const WordCell& cell : words()) {
        hidden_.append(cell.clickable);
    }
}

void WordRecall::sentenceShown() {
    hideAllWords();
    hintCount_ = 0;
    lastWord_.clear();
    card_ = HintCardView();
    entry_ = WordPanelView();
}

void WordRecall::modeSwitched() {
    if (host_.ModeIndex() == 8) {
        wordPanel_.hide();
    }
}

bool WordRecall::keyDown(ShortcutKey key) {
    if (key == ShortcutKey::F12 && host_.ModeIndex() == 8) {
        resetSentence();
        return true;
    }
    return false;
}

WordRecallView WordRecall::view() const {
    WordRecallView v;
    const common::SentenceRecord record = lesson_.record(host_.CurrentSentence());
    v.chineseLine = record.chinese();
    v.chineseVisible = host_.settings().clickChineseCheck != 0;
    const QList<WordCell> cells = words();
    for (int i = 0; i < cells.size(); ++i) {
        const WordCell& cell = cells.at(i);
        v.words.append({cell.caption, cell.clickable, isHidden(i + 1), cell.keyWord});
    }
    v.card = card_;
    v.hintCount = hintCount_;
    return v;
}

} // namespace sentara
