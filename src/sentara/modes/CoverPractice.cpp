#include "sentara/modes/CoverPractice.h"

#include "common/CourseFolder.h"
#include "common/ports/Dialogs.h"
#include "common/ports/SoundPlayer.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/modes/ListeningLoop.h"
#include "sentara/modes/VoiceControl.h"
#include "sentara/settings/StudySettings.h"

namespace sentara {

CoverPractice::CoverPractice(const LoadedLesson& lesson, StudySettings& study,
                             const common::CourseFolder& folder, ports::SoundPlayer& sounds,
                             ListeningLoop& loop, VoiceControl& voice, ports::Dialogs& dialogs,
                             CoverPracticeHost& host)
    : lesson_(lesson), study_(study), folder_(folder), sounds_(sounds), loop_(loop), voice_(voice),
      dialogs_(dialogs), host_(host) {
}

QString CoverPractice::hint(int hideMode) {
    switch (hideMode) {
    case 2:
        return QStringLiteral("点击遮挡的英文可显示或隐藏，按恢复重置界面");
    case 3:
        return QStringLiteral("点击喇叭图标朗读句子，点击遮挡的英文和中文可显示或隐藏");
    default:
        return QStringLiteral("点击遮挡的中文可显示或隐藏，按恢复重置界面");
    }
}

void CoverPractice::applyCoverMode(int mode) {
    if (mode < 1 || mode > 3) {
        return;
    }
    study_.hideMode = mode;
    coverAll();
    viewChanged();
}

bool CoverPractice::clickable(CoverPart part) const {
    const int mode = study_.hideMode;
    return part == CoverPart::English ? mode == 2 || mode == 3 : mode == 1 || mode == 3;
}

void CoverPractice::coverAll() {
    const int n = lesson_.SentenceCount();
    englishCovered_ = QList<bool>(n, clickable(CoverPart::English));
    chineseCovered_ = QList<bool>(n, clickable(CoverPart::Chinese));
}

void CoverPractice::playSound(const QString& name) {
    sounds_.play(folder_.interfaceSound(name));
}

void CoverPractice::pressLine(int sentence, CoverPart part) {
    if (sentence < 1 || sentence > englishCovered_.size() || !clickable(part)) {
        return;
    }
    playSound(QStringLiteral("MouDown.wav"));
}

void CoverPractice::releaseLine(int sentence, CoverPart part) {
    if (sentence < 1 || sentence > englishCovered_.size() || !clickable(part)) {
        return;
    }
    playSound(QStringLiteral("MouUp.wav"));
    QList<bool>& covers = part == CoverPart::English ? englishCovered_ : chineseCovered_;
    covers[sentence - 1] = !covers[sentence - 1];
    if (part == CoverPart::English) {
        host_.showSentenceAt(sentence);
        host_.requestFocus(FocusTarget::ListSearch);
    }
    viewChanged();
}

void CoverPractice::pressHorn(int sentence) {
    if (sentence < 1 || sentence > lesson_.SentenceCount()) {
        return;
    }
    pressedHorn_ = sentence;
    playSound(QStringLiteral("MouDown.wav"));
    viewChanged();
}

void CoverPractice::releaseHorn(int sentence) {
    pressedHorn_ = 0;
    if (sentence < 1 || sentence > lesson_.SentenceCount()) {
        viewChanged();
        return;
    }
    playSound(QStringLiteral("MouUp.wav"));
    host_.showSentenceAt(sentence);
    loop_.playSentence();
    viewChanged();
}

void CoverPractice::doubleClickEnglish(int sentence) {
    if (study_.allChineseCheck != 0 || sentence < 1 || sentence > lesson_.SentenceCount()) {
        return;
    }
    voice_.VoicePause();
    viewChanged();
    dialogs_.info(QStringLiteral("中文"), lesson_.record(sentence).chinese());
}

void CoverPractice::restore() {
    coverAll();
    ++toTop_;
    host_.requestFocus(FocusTarget::ListSearch);
    viewChanged();
}

void CoverPractice::scrollCommandUsed() {
    host_.requestFocus(FocusTarget::ListSearch);
}

void CoverPractice::editSearch(const QString& text) {
    search_.edit(text);
}

void CoverPractice::findNext() {
    if (search_.text().simplified().isEmpty()) {
        return;
    }
    if (const int found = search_.findNext(lesson_, host_.CurrentSentence(), dialogs_)) {
        host_.showSentenceAt(found);
    }
    viewChanged();
}

bool CoverPractice::covered(int sentence, CoverPart part) const {
    const QList<bool>& covers = part == CoverPart::English ? englishCovered_ : chineseCovered_;
    return sentence >= 1 && sentence <= covers.size() && covers.at(sentence - 1);
}

CoverView CoverPractice::view() const {
    CoverView v;
    const int current = host_.CurrentSentence();
    const bool markers = !host_.sentenceMarkersHidden();
    const bool englishClickable = clickable(CoverPart::English);
    const bool chineseClickable = clickable(CoverPart::Chinese);
    for (int i = 1; i <= lesson_.SentenceCount(); ++i) {
        CoverLine line;
        line.number = i;
        line.numberText = QString::number(i) + u'.';
        line.english = lesson_.displayEnglish(i);
        line.chinese = lesson_.chinese(i);
        line.englishCovered = covered(i, CoverPart::English);
        line.chineseCovered = covered(i, CoverPart::Chinese);
        line.englishClickable = englishClickable;
        line.chineseClickable = chineseClickable;
        line.marked = markers && i == current;
        line.hornPressed = i == pressedHorn_;
        v.lines.append(line);
    }
    v.hideMode = study_.hideMode;
    v.hint = hint(study_.hideMode);
    v.restoreCaption = QStringLiteral("恢复");
    v.current = current;
    v.keepInView = keepInView_;
    v.toTop = toTop_;
    v.searchPlaceholder = QStringLiteral("查找单词或短语，按回车跳到它所在的句子");
    v.settingsTip = QStringLiteral("英汉互译设置");
    return v;
}

void CoverPractice::lessonLoaded() {
    pressedHorn_ = 0;
    coverAll();
}

void CoverPractice::sentenceShown() {
    ++keepInView_;
}

} // namespace sentara
