#include "sentara/dictation/FreeSpelling.h"

#include "common/CourseFolder.h"
#include "common/ports/SoundPlayer.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/settings/StudySettings.h"

namespace sentara {

namespace {

constexpr int kSpellingMode = 7;
constexpr int kEnglishCueCost = 10;

// The letters the check compares: a-z and A-Z only.
bool isLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

QString checkPicture(bool on) {
    return on ? QStringLiteral("check_1.jpg") : QStringLiteral("check_0.jpg");
}

} // namespace

FreeSpelling::FreeSpelling(const LoadedLesson& lesson, StudySettings& study,
                           ports::SoundPlayer& sounds, const common::CourseFolder& folder,
                           FreeSpellingHost& host)
    : lesson_(lesson), study_(study), sounds_(sounds), folder_(folder), host_(host) {
}

QString FreeSpelling::MaskDictationEnglish(const QString& english) {
    QString masked = english;
    for (QChar& c : masked) {
        if (isLetter(c)) {
            c = u'_';
        }
    }
    return masked;
}

QString FreeSpelling::letters(const QString& text) {
    QString result;
    for (const QChar c : text) {
        if (isLetter(c)) {
            result += c.toLower();
        }
    }
    return result;
}

int FreeSpelling::firstWrongLetter(const QString& typed, const QString& sentence) {
    const QString target = letters(sentence);
    qsizetype count = 0;
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QChar c = typed.at(i);
        if (!isLetter(c)) {
            continue;
        }
        if (count >= target.size() || c.toLower() != target.at(count)) {
            return static_cast<int>(i) + 1;
        }
        ++count;
    }
    return static_cast<int>(typed.size()) + 1;
}

QString FreeSpelling::english() const {
    return lesson_.record(host_.CurrentSentence()).displayEnglish();
}

void FreeSpelling::sentenceShown() {
    englishShown_ = study_.writeEnglishCheck != 0;
    chineseShown_ = study_.writeChineseCheck != 0;
    englishCues_ = 0;
    score_ = 100;
}

void FreeSpelling::editText(const QString& text) {
    typed_ = text;
}

void FreeSpelling::keyTyped(bool enter) {
    if (englishShown_ && study_.writeEnglishCheck == 0) {
        englishShown_ = false; // a cue or a click showed it for a look only
        viewChanged();
    }
    if (!enter) {
        playSound(QStringLiteral("type.wav"));
        return;
    }
    if (!lesson_.isLoaded() || host_.CurrentSentence() < 1) {
        return;
    }
    const QString sentence = english();
    const int wrong = firstWrongLetter(typed_, sentence);
    if (wrong <= typed_.size()) {
        setBox(typed_, wrong - 1, 1);
    } else {
        setBox(typed_, static_cast<int>(typed_.size()), 0);
    }
    if (letters(typed_) == letters(sentence)) {
        nextSentence();
    } else {
        playSound(QStringLiteral("wrong.wav"));
        viewChanged();
    }
}

void FreeSpelling::cueEnglish() {
    englishShown_ = true;
    ++englishCues_;
    score_ -= kEnglishCueCost;
    focusBox();
    viewChanged();
}

void FreeSpelling::cueChinese() {
    chineseShown_ = true;
    focusBox();
    viewChanged();
}

void FreeSpelling::clickEnglishLine() {
    englishShown_ = !englishShown_;
    if (englishShown_) {
        focusBox();
    }
    viewChanged();
}

void FreeSpelling::clickChineseLine() {
    chineseShown_ = !chineseShown_;
    if (chineseShown_) {
        focusBox();
    }
    viewChanged();
}

void FreeSpelling::toggleEnglish() {
    study_.writeEnglishCheck = study_.writeEnglishCheck == 1 ? 0 : 1;
    englishShown_ = study_.writeEnglishCheck != 0;
    viewChanged();
}

void FreeSpelling::toggleChinese() {
    study_.writeChineseCheck = study_.writeChineseCheck == 1 ? 0 : 1;
    chineseShown_ = study_.writeChineseCheck != 0;
    viewChanged();
}

void FreeSpelling::firstSentence() {
    if (lesson_.SentenceCount() > 0) {
        host_.SenBegainCommand_Click();
    }
    focusBox();
}

void FreeSpelling::previousSentence() {
    if (host_.CurrentSentence() > 1) {
        host_.SenBackCommand_Click();
    }
    focusBox();
}

void FreeSpelling::nextSentence() {
    const int current = host_.CurrentSentence();
    if (current >= 1 && current < lesson_.SentenceCount()) {
        host_.SenNextCommand_Click();
    }
    clearBox();
    focusBox();
    viewChanged();
}

void FreeSpelling::playSentence() {
    if (lesson_.SentenceCount() > 0) {
        host_.SenPlayCommand_Click();
    }
    focusBox();
}

void FreeSpelling::clearBox() {
    typed_.clear();
    setBox(QString(), 0, 0);
}

bool FreeSpelling::keyDown(ShortcutKey key) {
    if (host_.ModeIndex() != kSpellingMode) {
        return false;
    }
    switch (key) {
    case ShortcutKey::F8:
        cueEnglish();
        return true;
    case ShortcutKey::F9:
        cueChinese();
        return true;
    case ShortcutKey::PageUp:
    case ShortcutKey::PageDown: {
        // The sentence view's back or next (while enabled), and the box emptied either way.
        const int current = host_.CurrentSentence();
        if (key == ShortcutKey::PageUp && current > 1) {
            host_.SenBackCommand_Click();
        } else if (key == ShortcutKey::PageDown && current >= 1 &&
                   current < lesson_.SentenceCount()) {
            host_.SenNextCommand_Click();
        }
        clearBox();
        viewChanged();
        return true;
    }
    default:
        return false;
    }
}

void FreeSpelling::setBox(const QString& text, int selectionStart, int selectionLength) {
    boxText_ = text;
    selectionStart_ = selectionStart;
    selectionLength_ = selectionLength;
    ++boxRevision_;
}

void FreeSpelling::focusBox() {
    if (host_.ModeIndex() == kSpellingMode) {
        host_.requestFocus(FocusTarget::SpellingInput);
    }
}

void FreeSpelling::playSound(const QString& name) {
    sounds_.play(folder_.interfaceSound(name));
}

FreeSpellingView FreeSpelling::view() const {
    FreeSpellingView v;
    const int current = host_.CurrentSentence();
    const common::SentenceRecord record = lesson_.record(current);
    const QString english = record.displayEnglish();
    v.englishShown = englishShown_;
    v.englishLine = englishShown_ ? english : MaskDictationEnglish(english);
    v.chineseShown = chineseShown_;
    v.chineseLine = chineseShown_ ? record.chinese() : QStringLiteral("已关闭");
    v.englishTogglePicture = checkPicture(study_.writeEnglishCheck != 0);
    v.chineseTogglePicture = checkPicture(study_.writeChineseCheck != 0);
    v.inputText = boxText_;
    v.inputRevision = boxRevision_;
    v.selectionStart = selectionStart_;
    v.selectionLength = selectionLength_;
    v.englishCues = englishCues_;
    v.score = score_;
    const int n = lesson_.SentenceCount();
    v.counterText = QStringLiteral("%1 / %2").arg(current).arg(n);
    v.legend = QStringLiteral("Enter检查，F7复读，F8英文提示，F9中文提示");
    v.backEnabled = current > 1;
    v.nextEnabled = current >= 1 && current < n;
    v.sentenceCount = n;
    return v;
}

} // namespace sentara
