#include "sentara/modes/FullTextMode.h"

#include "common/CourseContent.h"
#include "common/ports/Dialogs.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/modes/ListeningLoop.h"
#include "sentara/modes/VoiceControl.h"
#include "sentara/modes/WordPanel.h"
#include "sentara/settings/StudySettings.h"

namespace sentara {

namespace {

// The text layout's line end inside a token's text.
constexpr char16_t kLineEnd = u'|';

} // namespace

FullTextMode::FullTextMode(const LoadedLesson& lesson, StudySettings& study,
                           const common::CourseContent& content, ListeningLoop& loop,
                           VoiceControl& voice, WordPanel& wordPanel, ports::Dialogs& dialogs,
                           FullTextHost& host)
    : lesson_(lesson), study_(study), content_(content), loop_(loop), voice_(voice),
      wordPanel_(wordPanel), dialogs_(dialogs), host_(host) {
}

void FullTextMode::clickWord(int sentence, int position) {
    if (sentence < 1 || sentence > lesson_.SentenceCount() || position < 1 ||
        position > lesson_.words(sentence).size()) {
        return;
    }
    loop_.setCurrentReadCount(0);
    host_.showSentenceAt(sentence);
    loop_.playSentence();
    if (loop_.readAllRunning()) {
        loop_.stopSentenceWatch();
    }
    viewChanged();
}

void FullTextMode::lookUpWord(int sentence, int position, bool ctrl) {
    if (sentence < 1 || sentence > lesson_.SentenceCount()) {
        return;
    }
    const QList<WordCell> words = lesson_.words(sentence);
    if (position < 1 || position > words.size() || !words.at(position - 1).clickable) {
        return;
    }
    host_.showSentenceAt(sentence);
    if (ctrl || host_.ctrlHeld()) {
        host_.toggleKeyWord(sentence, position);
    }
    host_.RefreshFillInWord();
    loop_.stopSentenceWatch();
    // A pause between two plays would start the sentence while the word is being pronounced.
    loop_.CloseTimer();
    const WordCell& word = words.at(position - 1);
    wordPanel_.lookUp(word.lookupForm.isEmpty() ? word.caption : word.lookupForm);
    wordPanel_.show();
    wordPanel_.pronounce();
    voice_.VoiceSetPosition(host_.SentenceStart());
    voice_.VoicePlay();
    voice_.VoicePause();
    viewChanged();
}

void FullTextMode::doubleClickWord() {
    if (study_.allChineseCheck != 0 || !lesson_.isLoaded()) {
        return;
    }
    voice_.VoicePause();
    viewChanged();
    dialogs_.info(QStringLiteral("中文"), lesson_.record(host_.CurrentSentence()).chinese());
}

void FullTextMode::playSentence(int sentence) {
    if (sentence < 1 || sentence > lesson_.SentenceCount()) {
        return;
    }
    host_.showSentenceAt(sentence);
    loop_.playSentence();
    viewChanged();
}

void FullTextMode::toggleChineseLines() {
    study_.allChineseCheck = study_.allChineseCheck == 1 ? 0 : 1;
    tipDismissed_ = false;
    ++keepInView_;
    viewChanged();
}

void FullTextMode::toggleReadAll() {
    if (lesson_.SentenceCount() == 0) {
        return;
    }
    if (loop_.readAllRunning()) {
        loop_.stopReadAll();
    } else {
        loop_.startReadAll();
    }
    host_.resetTextPanels();
    host_.requestFocus(FocusTarget::FullTextSearch);
    viewChanged();
}

void FullTextMode::togglePause() {
    loop_.togglePauseReadAll();
    host_.requestFocus(FocusTarget::FullTextSearch);
    viewChanged();
}

void FullTextMode::backgroundClicked() {
    wordPanel_.hide();
    tipDismissed_ = true;
    host_.requestFocus(FocusTarget::FullTextSearch);
    viewChanged();
}

void FullTextMode::scrollCommandUsed() {
    host_.requestFocus(FocusTarget::FullTextSearch);
}

void FullTextMode::editSearch(const QString& text) {
    search_.edit(text);
}

void FullTextMode::findNext() {
    if (search_.text().simplified().isEmpty()) {
        return;
    }
    if (const int found = search_.findNext(lesson_, host_.CurrentSentence(), dialogs_)) {
        host_.showSentenceAt(found);
    }
    viewChanged();
}

FullTextView FullTextMode::view() const {
    FullTextView v;
    const int current = host_.CurrentSentence();
    const int n = lesson_.SentenceCount();
    for (int i = 1; i <= n; ++i) {
        const QList<WordCell> cells = lesson_.words(i);
        for (qsizetype k = 0; k < cells.size(); ++k) {
            const WordCell& cell = cells.at(k);
            FullTextWord word;
            word.text = cell.caption;
            if (word.text.contains(kLineEnd)) {
                word.endsLine = true;
                word.text.remove(kLineEnd);
            }
            word.sentence = i;
            word.position = static_cast<int>(k) + 1;
            word.clickable = cell.clickable;
            word.keyWord = cell.keyWord;
            word.underlined = i == current;
            v.words.append(word);
        }
        v.chinese.append(lesson_.chinese(i));
    }
    v.current = current;
    v.chineseLines = study_.allChineseCheck != 0;
    if (v.chineseLines) {
        v.layout = FullTextLayout::EnglishAndChinese;
    } else if (lesson_.isLoaded() && content_.textLayoutTitles.contains(lesson_.book())) {
        v.layout = FullTextLayout::Text;
    } else {
        v.layout = FullTextLayout::EnglishOnly;
    }
    v.chineseTogglePicture =
        v.chineseLines ? QStringLiteral("check_1.jpg") : QStringLiteral("check_0.jpg");
    v.chineseToggleCaption = QStringLiteral("   显示中文句子");
    v.tipVisible = !v.chineseLines && !tipDismissed_;
    v.tipText = QStringLiteral("双击英语句子查看译文");
    v.readAllCaption =
        loop_.readAllRunning() ? QStringLiteral("停止朗读") : QStringLiteral("全文朗读");
    v.pauseCaption =
        loop_.readAllPaused() ? QStringLiteral("继续朗读") : QStringLiteral("暂停朗读");
    v.readAllEnabled = n > 0;
    v.pauseEnabled = loop_.readAllRunning();
    v.keepInView = keepInView_;
    v.searchPlaceholder = QStringLiteral("查找单词或短语，按回车跳到它所在的句子");
    v.settingsTip = QStringLiteral("全文模式设置");
    return v;
}

void FullTextMode::lessonLoaded() {
    tipDismissed_ = false;
}

void FullTextMode::sentenceShown() {
    ++keepInView_;
}

} // namespace sentara
