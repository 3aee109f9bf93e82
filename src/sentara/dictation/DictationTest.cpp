#include "sentara/dictation/DictationTest.h"

#include "common/CourseFolder.h"
#include "common/ports/Dialogs.h"
#include "common/ports/SoundPlayer.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/dictation/ResultsStore.h"
#include "sentara/modes/SentenceNote.h"
#include "sentara/modes/WordPanel.h"
#include "sentara/settings/StudySettings.h"

namespace sentara {

namespace {

constexpr int kDictationMode = 4;
constexpr int kWrongWordCost = 3;
constexpr int kProgressiveHintCost = 1;
constexpr int kDirectHintCost = 5;

// The characters that submit the word typed so far.
bool isSubmitKey(QChar c) {
    return c == u' ' || c == u',' || c == u'.' || c == u'?' || c == u'!';
}

} // namespace

DictationTest::DictationTest(const LoadedLesson& lesson, WordRecall& recall, WordPanel& wordPanel,
                             ResultsStore& results, ports::SoundPlayer& sounds,
                             ports::Dialogs& dialogs, const common::CourseFolder& folder,
                             DictationHost& host)
    : lesson_(lesson), recall_(recall), wordPanel_(wordPanel), results_(results), sounds_(sounds),
      dialogs_(dialogs), folder_(folder), host_(host) {
}

QString DictationTest::legend() {
    return QStringLiteral("F5渐进提示，F6直接提示，F7复读");
}

QList<WordCell> DictationTest::words() const {
    return lesson_.words(host_.CurrentSentence());
}

bool DictationTest::underlined(int word) const {
    const QList<WordCell> cells = words();
    return word >= 1 && word <= cells.size() && cells.at(word - 1).clickable &&
           !revealed_.value(word - 1);
}

void DictationTest::sentenceShown() {
    resetScore();
    revealed_ = QList<bool>(words().size(), false);
    currentBlank_ = 0;
    inputVisible_ = true;
    completionDue_ = false;
    setBox(QString());
    advance();
}

void DictationTest::modeSwitched() {
    if (completionDue_ && host_.ModeIndex() == kDictationMode) {
        complete();
    }
}

void DictationTest::advance() {
    if (currentBlank_ > 0 && currentBlank_ <= revealed_.size()) {
        revealed_[currentBlank_ - 1] = true;
    }
    const int count = static_cast<int>(words().size());
    for (int k = currentBlank_ + 1; k <= count; ++k) {
        if (underlined(k)) {
            currentBlank_ = k;
            return;
        }
    }
    inputVisible_ = false;
    complete();
}

void DictationTest::complete() {
    // Only the test itself judges a sentence: shown in another mode (a sentence without any word
    // to type), it waits until the learner comes back to the test.
    if (host_.ModeIndex() != kDictationMode || !lesson_.isLoaded()) {
        completionDue_ = lesson_.isLoaded();
        return;
    }
    if (failing_) {
        // A sentence without blanks, started again after its fail: it waits for the learner
        // (a pass mark above 100 from a hand-edited settings file would fail it forever).
        return;
    }
    completionDue_ = false;
    const common::SentenceRecord record = lesson_.record(host_.CurrentSentence());
    if (!record.field(common::SentenceRecord::DictationDone).isEmpty()) {
        nextSentence(); // passed before: on to the next one, nothing recorded
        return;
    }
    if (score_ < host_.settings().setFraction) {
        fail();
    } else {
        pass();
    }
}

void DictationTest::fail() {
    viewChanged(); // the last word is seen revealed while the result is read
    dialogs_.info(QStringLiteral("未过关"),
                  QStringLiteral("您的本句得分为%1分，低于设定的过关分数%2分，您未能过关，"
                                 "请按空格键重做当前句子")
                      .arg(score_)
                      .arg(host_.settings().setFraction));
    setBox(QString());
    resetScore();
    failing_ = true;
    restartSentence();
    failing_ = false;
    host_.AutoPlaySentence();
}

void DictationTest::pass() {
    const int sentence = host_.CurrentSentence();
    const int score = score_;
    LoadedLesson updated = lesson_;
    updated.setRecord(sentence, lesson_.record(sentence).withNoteAndFlag(
                                    SentenceNote::clean(host_.noteBoxText()), QStringLiteral("1")));
    // On a failed write the pass stays in memory and the learner has been told which file.
    host_.rewriteLesson(updated);
    viewChanged();
    if (lesson_.dictatedCount() != lesson_.SentenceCount()) {
        dialogs_.info(QStringLiteral("已过关"),
                      QStringLiteral("您的得分为%1分，恭喜您已完成本句听写，请按空格键进入下一句")
                          .arg(score));
        nextSentence();
        resetScore();
        return;
    }
    dialogs_.info(QStringLiteral("提示"), QStringLiteral("本课已听写完成！"));
    results_.markDone(host_.LessonTitle());
    host_.ShowResults();
}

void DictationTest::resetScore() {
    score_ = 100;
    wrongCount_ = 0;
    nextCueCount_ = 0;
    wordCueCount_ = 0;
}

void DictationTest::editInput(const QString& box) {
    // Blanks before the word are the separator typed after a word that ended with its
    // punctuation ("you," then " Sam"): they are not part of the answer.
    qsizetype start = 0;
    while (start < box.size() && box.at(start) == u' ') {
        ++start;
    }
    const QString text = box.mid(start);
    if (currentBlank_ == 0 || !inputVisible_ || text.isEmpty()) {
        return;
    }
    const QString word = words().value(currentBlank_ - 1).caption;
    if (!isSubmitKey(text.back()) || text.size() - 1 < word.size()) {
        playSound(QStringLiteral("type.wav"));
        return; // the character stays in the box as typed
    }
    const QString answer = text.chopped(1);
    recall_.hideCard();
    wordPanel_.hide();
    if (answer.toLower() == word.toLower()) {
        advance();
        setBox(QString());
    } else {
        setBox(answer, true); // the next key replaces it
        ++wrongCount_;
        score_ -= kWrongWordCost;
        playSound(QStringLiteral("wrong.wav"));
    }
    viewChanged();
}

void DictationTest::progressiveHint() {
    // The hint is paid for on every use, whether or not the card shows anything new.
    recall_.GiveNextHint(currentBlank_);
    ++nextCueCount_;
    score_ -= kProgressiveHintCost;
    viewChanged();
}

void DictationTest::directHint() {
    recall_.setHidden(currentBlank_, true);
    recall_.ToggleWordReveal(currentBlank_);
    ++wordCueCount_;
    score_ -= kDirectHintCost;
    viewChanged();
}

void DictationTest::readHintAgain() {
    recall_.readAgain();
}

void DictationTest::restartSentence() {
    revealed_ = QList<bool>(words().size(), false);
    recall_.resetSentence();
    currentBlank_ = 0;
    inputVisible_ = true;
    completionDue_ = false;
    advance();
    recall_.hideCard();
    wordPanel_.hide();
    setBox(QString());
    focusBox();
    viewChanged();
}

void DictationTest::firstSentence() {
    if (lesson_.SentenceCount() > 0) {
        host_.SenBegainCommand_Click();
    }
    focusBox();
}

void DictationTest::previousSentence() {
    if (host_.CurrentSentence() > 1) {
        host_.SenBackCommand_Click();
    }
    focusBox();
}

void DictationTest::nextSentence() {
    const int current = host_.CurrentSentence();
    if (current >= 1 && current < lesson_.SentenceCount()) {
        host_.SenNextCommand_Click();
    }
    focusBox();
}

void DictationTest::playSentence() {
    if (lesson_.SentenceCount() > 0) {
        host_.SenPlayCommand_Click();
    }
    focusBox();
}

bool DictationTest::keyDown(ShortcutKey key) {
    if (host_.ModeIndex() != kDictationMode) {
        return false;
    }
    switch (key) {
    case ShortcutKey::F5:
        progressiveHint();
        return true;
    case ShortcutKey::F6:
        directHint();
        return true;
    case ShortcutKey::F12:
        restartSentence();
        return true;
    default:
        return false;
    }
}

void DictationTest::setBox(const QString& text, bool selected) {
    boxText_ = text;
    boxSelected_ = selected;
    ++boxRevision_;
}

void DictationTest::focusBox() {
    if (host_.ModeIndex() == kDictationMode && inputVisible()) {
        host_.requestFocus(FocusTarget::DictationInput);
    }
}

void DictationTest::playSound(const QString& name) {
    sounds_.play(folder_.interfaceSound(name));
}

DictationView DictationTest::view() const {
    DictationView v;
    const int current = host_.CurrentSentence();
    const common::SentenceRecord record = lesson_.record(current);
    v.chineseLine = record.chinese();
    v.chineseVisible = host_.settings().wordChineseCheck != 0;
    const QList<WordCell> cells = words();
    for (int k = 1; k <= cells.size(); ++k) {
        const WordCell& cell = cells.at(k - 1);
        v.words.append({cell.caption, cell.clickable, underlined(k)});
    }
    v.currentBlank = currentBlank_;
    v.inputVisible = inputVisible();
    v.inputText = boxText_;
    v.inputRevision = boxRevision_;
    v.inputSelected = boxSelected_;
    v.card = recall_.view().card;
    v.score = score_;
    v.wrongCount = wrongCount_;
    v.nextCueCount = nextCueCount_;
    v.wordCueCount = wordCueCount_;
    v.passMark = host_.settings().setFraction;
    const int n = lesson_.SentenceCount();
    v.progressText = QStringLiteral("%1 / %2").arg(lesson_.dictatedCount()).arg(n);
    v.progressRatio = n > 0 ? double(lesson_.dictatedCount()) / double(n) : 0.0;
    v.doneBadgeVisible = record.dictationDone();
    v.legend = legend();
    v.backEnabled = current > 1;
    v.nextEnabled = current >= 1 && current < n;
    v.sentenceCount = n;
    return v;
}

} // namespace sentara
