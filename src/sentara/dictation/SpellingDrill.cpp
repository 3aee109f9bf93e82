#include "sentara/dictation/SpellingDrill.h"

#include "common/CourseFolder.h"
#include "common/ports/SoundPlayer.h"

namespace sentara {

QString SpellingDrill::rightMessage() {
    return QStringLiteral("拼写正确，请按空格进入下一词，或按删除键重做。");
}

QString SpellingDrill::finishedMessage() {
    return QStringLiteral("拼写正确，本课单词拼写完成，再次拼写请点击“首词”（快捷键：Home）");
}

SpellingDrill::SpellingDrill(ports::SoundPlayer& sounds, const common::CourseFolder& folder,
                             SpellingDrillHost& host)
    : sounds_(sounds), folder_(folder), host_(host) {
}

void SpellingDrill::edit(const QString& text) {
    if (text == typed_) {
        return;
    }
    typed_ = text;
    check();
    host_.drillChanged();
}

bool SpellingDrill::keyPressed(bool space, bool textSelected) {
    if (space && host_.noticeVisible()) {
        if (host_.nextEnabled()) {
            host_.nextKeyWord(); // a new word: its box starts empty
        }
        host_.drillChanged();
        return true;
    }
    if (textSelected && !typed_.isEmpty()) {
        setText(QString());
        check();
        host_.drillChanged();
    }
    return false;
}

void SpellingDrill::redo() {
    if (typed_.isEmpty()) {
        return; // an empty box stays as it is, and so does the notice over it
    }
    setText(QString());
    check();
    host_.drillChanged();
}

void SpellingDrill::showAnswer() {
    if (!host_.hasHiddenWord()) {
        return;
    }
    if (typed_ != host_.hiddenWord().display) {
        setText(host_.hiddenWord().display);
        check();
    }
    host_.focusInput();
    host_.drillChanged();
}

void SpellingDrill::clear() {
    setText(QString());
    correct_ = false;
}

void SpellingDrill::setText(const QString& text) {
    typed_ = text;
    ++clears_; // the box takes the drill's text even where it equals the last one it took
}

void SpellingDrill::check() {
    const HiddenWord word = host_.hiddenWord();
    const QString typed = typed_.toLower();
    // An empty box is never right, also for a fill-in word without a look-up form.
    correct_ = host_.hasHiddenWord() && !typed.isEmpty() &&
               (typed == word.display.toLower() ||
                (!word.lookupForm.isEmpty() && typed == word.lookupForm.toLower()));
    if (correct_) {
        host_.showNotice(host_.nextEnabled() ? rightMessage() : finishedMessage());
        play(QStringLiteral("WordRight.wav"));
        return;
    }
    host_.hideNotice();
    if (!typed.isEmpty()) {
        play(QStringLiteral("type.wav"));
    }
    if (typed_.size() > word.display.size()) {
        // Longer than the word: the whole text is selected and the next key starts afresh.
        ++selectAllCount_;
        play(QStringLiteral("wrong.wav"));
    }
}

void SpellingDrill::play(const QString& sound) {
    sounds_.play(folder_.interfaceSound(sound));
}

SpellingView SpellingDrill::view() const {
    SpellingView v;
    v.typed = typed_;
    v.owner = QStringLiteral("%1#%2").arg(host_.hiddenWordOwner()).arg(clears_);
    v.selectAllCount = selectAllCount_;
    return v;
}

} // namespace sentara
