#include "sentara/modes/SentenceBrowsing.h"

#include "common/TextFile.h"
#include "common/ports/Dialogs.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/modes/SentenceNote.h"
#include "sentara/modes/WordPanel.h"
#include "sentara/settings/StudySettings.h"

namespace sentara {

SentenceBrowsing::SentenceBrowsing(const LoadedLesson& lesson, StudySettings& study,
                                   ports::Dialogs& dialogs, WordPanel& wordPanel,
                                   SentenceBrowsingHost& host)
    : lesson_(lesson), study_(study), dialogs_(dialogs), wordPanel_(wordPanel), host_(host) {
}

void SentenceBrowsing::toggleChinese() {
    const bool on = study_.senChineseCheck != 1;
    study_.senChineseCheck = on ? 1 : 0;
    // The next sentence shown uncovers a box that holds a note.
    placeholderVisible_ = on;
    viewChanged();
}

void SentenceBrowsing::openNoteBox() {
    placeholderVisible_ = false;
    host_.requestFocus(FocusTarget::NoteBox);
    viewChanged();
}

void SentenceBrowsing::editNote(const QString& text) {
    const int sentence = host_.CurrentSentence();
    if (lesson_.isLoaded() && sentence >= 1) {
        draft_ = std::make_pair(sentence, text);
    }
}

bool SentenceBrowsing::saveNote(const QString& text) {
    draft_.reset();
    const bool saved = storeNote(host_.CurrentSentence(), text);
    viewChanged();
    return saved;
}

void SentenceBrowsing::flushNoteDraft() {
    if (draft_) {
        const auto [sentence, text] = *draft_;
        draft_.reset();
        storeNote(sentence, text);
    }
}

QString SentenceBrowsing::noteBoxText() const {
    const int sentence = host_.CurrentSentence();
    if (draft_ && draft_->first == sentence) {
        return draft_->second;
    }
    return lesson_.record(sentence).note();
}

bool SentenceBrowsing::storeNote(int sentence, const QString& text) {
    if (!lesson_.isLoaded() || sentence < 1 || sentence > lesson_.SentenceCount()) {
        return false;
    }
    const common::SentenceRecord old = lesson_.record(sentence);
    const common::SentenceRecord updated = old.withNoteAndFlag(
        SentenceNote::clean(text), old.field(common::SentenceRecord::DictationDone));
    if (updated.raw == old.raw) {
        return true;
    }
    if (!common::TextFile::encode(updated.raw)) {
        dialogs_.info(QStringLiteral("提示"),
                      QStringLiteral("注释中含有无法保存的字符，注释未保存。"
                                     "请删除这些字符后再试。"));
        return false;
    }
    LoadedLesson changed = lesson_;
    changed.setRecord(sentence, updated);
    return host_.rewriteLesson(changed);
}

void SentenceBrowsing::clickWord(int index, bool ctrl) {
    const int sentence = host_.CurrentSentence();
    const QList<WordCell> words = lesson_.words(sentence);
    if (index < 1 || index > words.size() || !words.at(index - 1).clickable) {
        return;
    }
    if (ctrl || host_.ctrlHeld()) {
        host_.toggleKeyWord(sentence, index);
    }
    host_.RefreshFillInWord();
    const WordCell& word = words.at(index - 1);
    // A word without a look-up form is looked up as it is written.
    wordPanel_.lookUp(word.lookupForm.isEmpty() ? word.caption : word.lookupForm);
    wordPanel_.pronounce();
    wordPanel_.show();
    viewChanged();
}

SentenceView SentenceBrowsing::view() const {
    SentenceView v;
    const int n = lesson_.SentenceCount();
    const int current = host_.CurrentSentence();
    const common::SentenceRecord record = lesson_.record(current);
    v.current = current;
    v.count = n;
    v.english = record.displayEnglish();
    v.chinese = record.chinese();
    v.words = lesson_.words(current);
    const bool chinese = study_.senChineseCheck != 0;
    v.chineseVisible = chinese;
    v.noteBoxVisible = chinese;
    v.notePlaceholderVisible = chinese && placeholderVisible_;
    v.note = record.note();
    v.noteOwner =
        QStringLiteral("%1/%2:%3").arg(lesson_.book()).arg(lesson_.lessonNumber()).arg(current);
    v.notePlaceholder = QStringLiteral("[点此添加注释]");
    v.noteCaption = QStringLiteral("注释：");
    v.chineseTogglePicture =
        chinese ? QStringLiteral("check_1.jpg") : QStringLiteral("check_0.jpg");
    v.chineseToggleCaption = QStringLiteral("中文");
    v.counterText = QStringLiteral("%1 / %2").arg(current).arg(n);
    v.summaryText = QStringLiteral("本课共有%1句，当前是第%2句").arg(n).arg(current);
    v.progressSegments = n;
    v.progressFilled = current;
    v.backEnabled = current > 1;
    v.nextEnabled = current >= 1 && current < n;
    v.wordPanelVisible = wordPanel_.view().visible;
    return v;
}

void SentenceBrowsing::lessonLoaded() {
    draft_.reset();
}

void SentenceBrowsing::sentenceShown() {
    placeholderVisible_ =
        study_.senChineseCheck == 1 && lesson_.record(host_.CurrentSentence()).note().isEmpty();
}

} // namespace sentara
