#include "sentara/dictation/FillIn.h"

#include "common/ports/TextMeasure.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/modes/WordPanel.h"
#include "sentara/settings/StudySettings.h"

namespace sentara {

namespace {

bool isKeyWord(const FullTextItem& item) {
    return !item.marker && item.word.keyWord;
}

} // namespace

QString FillIn::automaticNotice() {
    return QStringLiteral("当前填空词由系统自动指定，手动指定填空词请在“句子浏览”中Ctrl+鼠标点击"
                          "设置重点词。");
}

FillIn::FillIn(const LoadedLesson& lesson, WordPanel& wordPanel, const ports::TextMeasure& measure,
               ports::SoundPlayer& sounds, const common::CourseFolder& folder, FillInHost& host)
    : lesson_(lesson), wordPanel_(wordPanel), measure_(measure), host_(host),
      drill_(sounds, folder, *this) {
}

QList<WordCell> FillIn::words() const {
    return lesson_.words(host_.CurrentSentence());
}

int FillIn::markerIndex(int sentence) const {
    int index = 0;
    for (int i = 1; i < sentence && i <= lesson_.SentenceCount(); ++i) {
        index += static_cast<int>(lesson_.words(i).size()) + 1;
    }
    return index;
}

int FillIn::keyWordsUpTo(int position) const {
    const QList<FullTextItem> items = lesson_.fullText(0);
    const qsizetype last =
        position < 0 ? items.size() : std::min<qsizetype>(position, items.size());
    int count = 0;
    for (qsizetype p = 0; p < last; ++p) {
        count += isKeyWord(items.at(p)) ? 1 : 0;
    }
    return count;
}

void FillIn::RefreshFillInWord() {
    const QList<WordCell> cells = words();
    const int sentence = host_.CurrentSentence();
    if (!lesson_.isLoaded() || cells.isEmpty()) {
        // No word to fill in: no box, no cues, nothing to spell.
        fillInWordIndex_ = 0;
        hidden_ = HiddenWord();
        entry_ = WordPanelView();
        cues_ = {};
        inputVisible_ = false;
        noticeVisible_ = false;
        pronounceEnabled_ = false;
        answerEnabled_ = false;
        drill_.clear();
        fillInWordPos_ = markerIndex(sentence);
    } else {
        int chosen = 0;
        for (int j = 1; j <= cells.size() && chosen == 0; ++j) {
            chosen = cells.at(j - 1).keyWord ? j : 0;
        }
        if (chosen > 0) {
            hideNotice();
            fillInWordIndex_ = chosen;
            ShowFillInWord();
        } else {
            // The widest word that begins with a letter; the earlier one of two as wide. Word 1
            // only when no word begins with a letter: a number or a quoted word in front is
            // never the word to spell, however wide it is.
            using Role = ports::TextMeasure::FontRole;
            int candidate = 1;
            for (int j = 1; j <= cells.size(); ++j) {
                if (cells.at(j - 1).clickable) {
                    candidate = j;
                    break;
                }
            }
            int widest = measure_.width(cells.at(candidate - 1).caption, Role::Word);
            for (int j = candidate + 1; j <= cells.size(); ++j) {
                const int width = measure_.width(cells.at(j - 1).caption, Role::Word);
                if (cells.at(j - 1).clickable && width > widest) {
                    candidate = j;
                    widest = width;
                }
            }
            fillInWordIndex_ = candidate;
            ShowFillInWord();
            showNotice(automaticNotice());
        }
        fillInWordPos_ = markerIndex(sentence) + fillInWordIndex_;
    }
    currentWordIndex_ = keyWordsUpTo(fillInWordPos_);
    wordCount_ = keyWordsUpTo(-1);
    updateStepCommands();
    UpdateKeyWordCommands();
}

void FillIn::lookUp() {
    const QString form = hidden_.lookupForm.isEmpty() ? hidden_.display : hidden_.lookupForm;
    entry_ = wordPanel_.entryOf(form);
}

void FillIn::ShowFillInWord() {
    const QList<WordCell> cells = words();
    const WordCell& cell = cells.at(fillInWordIndex_ - 1);
    hidden_ = {cell.caption, cell.lookupForm};
    lookUp();
    const StudySettings& s = host_.settings();
    cues_[0] =
        s.hintWord ? (cell.lookupForm.isEmpty() ? cell.caption : cell.lookupForm) : QString();
    cues_[1] = s.hintMeaning ? entry_.meaning : QString();
    cues_[2] = s.hintPhonetic ? entry_.phonetic : QString();
    pronounceEnabled_ = true;
    answerEnabled_ = true;
    if (host_.ModeIndex() == 9 && s.hintPronunciation) {
        wordPanel_.pronounce(entry_.headword);
    }
    inputVisible_ = true;
    drill_.clear();
}

void FillIn::GoToFillInWord(int position) {
    hideNotice();
    const QList<FullTextItem> items = lesson_.fullText(0);
    const int sentence = items.at(position - 1).sentence;
    host_.showFillInSentence(sentence);
    const QList<WordCell> cells = words();
    const int first = position - markerIndex(sentence);
    int index = first;
    for (int j = first; j <= cells.size(); ++j) {
        if (cells.at(j - 1).keyWord) {
            index = j;
            break;
        }
    }
    fillInWordIndex_ = std::clamp(index, 1, static_cast<int>(cells.size()));
    ShowFillInWord();
    fillInWordPos_ = position;
    currentWordIndex_ = keyWordsUpTo(position);
    updateStepCommands();
}

bool FillIn::stepToKeyWord(int direction) {
    const QList<FullTextItem> items = lesson_.fullText(0);
    for (int p = fillInWordPos_ + direction; p >= 1 && p <= items.size(); p += direction) {
        if (isKeyWord(items.at(p - 1))) {
            GoToFillInWord(p);
            return true;
        }
    }
    return false;
}

void FillIn::updateStepCommands() {
    nextEnabled_ = currentWordIndex_ != wordCount_;
    previousEnabled_ = currentWordIndex_ != 0 && currentWordIndex_ != 1;
}

void FillIn::UpdateKeyWordCommands() {
    if (lesson_.keyWordCount() == 0) {
        nextEnabled_ = false;
        previousEnabled_ = false;
        firstEnabled_ = false;
        playEnabled_ = false;
        answerEnabled_ = false;
    } else {
        firstEnabled_ = true;
        playEnabled_ = true;
    }
}

void FillIn::nextKeyWord() {
    if (!lesson_.isLoaded()) {
        return;
    }
    stepToKeyWord(+1);
    focusInput();
    answerEnabled_ = true;
    viewChanged();
}

void FillIn::previousKeyWord() {
    if (!lesson_.isLoaded()) {
        return;
    }
    stepToKeyWord(-1);
    focusInput();
    answerEnabled_ = true;
    viewChanged();
}

void FillIn::firstKeyWord() {
    if (keyWordsUpTo(-1) == 0) {
        return; // a lesson without key words stays as it is
    }
    fillInWordPos_ = 0;
    currentWordIndex_ = 0;
    nextKeyWord();
}

void FillIn::pronounce() {
    if (!hasHiddenWord()) {
        return;
    }
    lookUp();
    wordPanel_.pronounce(entry_.headword);
    focusInput();
    viewChanged();
}

void FillIn::playSentence() {
    if (!lesson_.isLoaded()) {
        return;
    }
    host_.SenPlayCommand_Click();
    focusInput();
    viewChanged();
}

void FillIn::showAnswer() {
    drill_.showAnswer();
}

void FillIn::showMeaningCue() {
    if (hasHiddenWord()) {
        lookUp();
        cues_[1] = entry_.meaning;
        viewChanged();
    }
}

void FillIn::showPhoneticCue() {
    if (hasHiddenWord()) {
        lookUp();
        cues_[2] = entry_.phonetic;
        viewChanged();
    }
}

void FillIn::showWordCue() {
    if (hasHiddenWord()) {
        lookUp();
        cues_[0] = entry_.headword;
        viewChanged();
    }
}

void FillIn::hintToggled(OptionToggle toggle) {
    const bool on = OptionFamilies::toggleState(toggle, host_.settings());
    // The fill-in word's own entry: the word panel may hold a word clicked elsewhere since.
    switch (toggle) {
    case OptionToggle::HintWord:
        cues_[0] = on ? entry_.headword : QString();
        break;
    case OptionToggle::HintMeaning:
        cues_[1] = on ? entry_.meaning : QString();
        break;
    case OptionToggle::HintPhonetic:
        cues_[2] = on ? entry_.phonetic : QString();
        break;
    case OptionToggle::HintPronunciation:
        if (on && hasHiddenWord()) {
            wordPanel_.pronounce(entry_.headword);
        }
        break;
    default:
        return;
    }
    viewChanged();
}

QString FillIn::hiddenWordOwner() const {
    return QStringLiteral("%1/%2:%3:%4")
        .arg(lesson_.book())
        .arg(lesson_.lessonNumber())
        .arg(fillInWordPos_)
        .arg(fillInWordIndex_);
}

void FillIn::showNotice(const QString& text) {
    noticeVisible_ = true;
    noticeText_ = text;
}

void FillIn::focusInput() {
    if (inputVisible_) {
        host_.requestFocus(FocusTarget::FillInInput);
    }
}

void FillIn::lessonLoaded() {
    fillInWordIndex_ = 0;
    fillInWordPos_ = 0;
    currentWordIndex_ = 0;
    wordCount_ = 0;
    hidden_ = HiddenWord();
    entry_ = WordPanelView();
    cues_ = {};
    inputVisible_ = false;
    noticeVisible_ = false;
    nextEnabled_ = previousEnabled_ = firstEnabled_ = false;
    pronounceEnabled_ = playEnabled_ = answerEnabled_ = false;
    drill_.clear();
}

void FillIn::modeSwitched() {
    if (host_.ModeIndex() == 9) {
        wordPanel_.hide();
    }
}

bool FillIn::keyDown(ShortcutKey key) {
    if (key == ShortcutKey::Backspace) {
        // In every mode: the answered word is emptied for another try; the key goes on.
        if (noticeVisible_) {
            drill_.redo();
        }
        return false;
    }
    if (host_.ModeIndex() != 9) {
        return false;
    }
    switch (key) {
    case ShortcutKey::PageUp:
        if (previousEnabled_) {
            previousKeyWord();
        }
        return true;
    case ShortcutKey::PageDown:
        if (nextEnabled_) {
            nextKeyWord();
        }
        return true;
    case ShortcutKey::Home:
        firstKeyWord();
        return true;
    case ShortcutKey::F1:
        showMeaningCue();
        return true;
    case ShortcutKey::F2:
        pronounce();
        return true;
    case ShortcutKey::F3:
        showPhoneticCue();
        return true;
    case ShortcutKey::F4:
    case ShortcutKey::F6:
        showWordCue();
        return true;
    case ShortcutKey::F10:
        showAnswer();
        return true;
    default:
        return false;
    }
}

FillInView FillIn::view() const {
    FillInView v;
    v.words = words();
    v.hiddenWord = fillInWordIndex_ <= v.words.size() ? fillInWordIndex_ : 0;
    v.inputVisible = inputVisible_ && v.hiddenWord > 0;
    v.cues = cues_;
    v.noticeVisible = noticeVisible_;
    v.noticeText = noticeText_;
    v.progressText = QStringLiteral("%1 / %2").arg(currentWordIndex_).arg(wordCount_);
    v.nextEnabled = nextEnabled_;
    v.previousEnabled = previousEnabled_;
    v.firstEnabled = firstEnabled_;
    v.pronounceEnabled = pronounceEnabled_;
    v.playEnabled = playEnabled_;
    v.answerEnabled = answerEnabled_;
    v.spelling = drill_.view();
    return v;
}

} // namespace sentara
