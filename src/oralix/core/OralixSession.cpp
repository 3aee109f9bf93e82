#include "oralix/core/OralixSession.h"

#include "common/BookListFile.h"
#include "common/Numbers.h"
#include "common/TextFile.h"
#include "oralix/core/LessonMediaPath.h"

#include <QFileInfo>

namespace oralix {

namespace {

const QString kNotice = QStringLiteral("提示");
constexpr double kRates[] = {0.75, 1.0, 1.25};

int pauseMs(const QString& intervalText) {
    return common::parseLenientInt(intervalText) * 1000 + 10;
}

} // namespace

OralixSession::OralixSession(common::CourseFolder folder, common::CourseContent content,
                             OralixServices services, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), content_(std::move(content)),
      services_(services), poll_(services.clock.createTimer(kPollMs)),
      pause_(std::make_unique<ChainPause>(services.clock, 1010)),
      delayedLoad_(services.clock.createTimer(kDelayedLoadMs)) {
    connect(poll_.get(), &ports::Timer::timeout, this, &OralixSession::afterPlayEnds);
    connect(pause_.get(), &ChainPause::elapsed, this, &OralixSession::afterPause);
    connect(delayedLoad_.get(), &ports::Timer::timeout, this, [this] {
        delayedLoad_->stop();
        loadLesson();
    });
    FullTextHost& host = *this; // a private base: make_unique cannot see it
    fullText_ =
        std::make_unique<FullTextStudy>(host, view_.fullText, view_.readAlong, services_.recorder,
                                        services_.dialogs, folder_.recorderFile());
}

OralixSession::~OralixSession() = default;

void OralixSession::start() {
    engineChoice_ = EngineChoice::load(folder_.studySettingsFile());
    voice_ = std::make_unique<VoicePlayer>(services_.engines, engineChoice_);

    const TrainerSettings s = TrainerSettings::load(folder_.trainerSettingsFile());
    stored_ = s;
    view_.mode = StudyModeTable::SentenceStudy;
    view_.modeInfo = StudyModeTable::info(view_.mode);
    view_.backgroundColour = s.backgroundColour;
    view_.textColour = s.textColour;
    playCount_ = 0;
    view_.sentence.englishCheck = view_.sentence.englishVisible = s.englishShown;
    view_.sentence.chineseCheck = s.chineseShown;
    view_.repeatText = QString::number(s.studyRepeat);
    view_.intervalText = QString::number(s.studyInterval);
    pause_->setInterval(pauseMs(view_.intervalText));

    // A book that has no lesson list (or a settings file without one) starts on the first book.
    bool filled = !s.book.isEmpty() && fillLessonList(s.book);
    for (qsizetype i = 0; !filled && i < content_.books.size(); ++i) {
        filled = fillLessonList(content_.books[i].title);
    }
    if (!filled) {
        services_.dialogs.info(
            kNotice, QStringLiteral("找不到课程目录：") +
                         folder_.bookListFile(s.book.isEmpty() ? QStringLiteral("*") : s.book));
        notify();
    } else {
        const int count = int(view_.lessons.titles.size());
        const bool sameBook = view_.lessons.book == s.book;
        view_.lessons.index =
            sameBook && s.lessonIndex >= 0 && s.lessonIndex < count ? s.lessonIndex : 0;
        startLessonIndex_ = sameBook && s.startLessonIndex >= 0 && s.startLessonIndex < count
                                ? s.startLessonIndex
                                : 0;
        endLessonTitle_ = sameBook ? s.endLessonTitle : QString();
        loadLesson();
    }
    fullText_->openRecorder();
}

void OralixSession::confirmDefaultEngine() {
    if (!voice_ || voice_->engine() != ports::MediaEngines::Engine::Default ||
        services_.engines.defaultEngineAvailable()) {
        return;
    }
    const bool playing = poll_->isEnabled();
    engineChoice_ = 1;
    voice_ = std::make_unique<VoicePlayer>(services_.engines, engineChoice_);
    // The span taken from the records was in seconds; the backup engine counts milliseconds.
    spanStart_ = voice_->toPlayerUnits(spanStart_);
    spanEnd_ = voice_->toPlayerUnits(spanEnd_);
    if (loadedIndex_ >= 0) {
        voice_->set(LessonMediaPath::volume(content_, loadedBook_));
        voice_->open(lessonMediaPath_);
    }
    voice_->setRate(kRates[view_.sentence.speed]);
    if (playing) {
        startSpan();
    }
    notify();
}

TrainerSettings OralixSession::currentSettings() const {
    TrainerSettings s = stored_;
    s.lessonIndex = qMax(0, view_.lessons.index);
    s.englishShown = view_.sentence.englishCheck;
    s.chineseShown = view_.sentence.chineseCheck;
    s.endLessonTitle = endLessonTitle_;
    s.startLessonIndex = startLessonIndex_;
    s.book = view_.lessons.book;
    s.backgroundColour = view_.backgroundColour;
    s.textColour = view_.textColour;
    return s;
}

bool OralixSession::shutdown(QString* error) {
    poll_->stop();
    pause_->stop();
    delayedLoad_->stop();
    if (voice_) {
        voice_->pause();
    }
    fullText_->closeRecorder();
    return folder_.isPresent(error) && currentSettings().save(folder_.trainerSettingsFile(), error);
}

int OralixSession::pauseIntervalMs() const {
    return pause_->interval();
}

bool OralixSession::pauseRunning() const {
    return pause_->isRunning();
}

bool OralixSession::pollRunning() const {
    return poll_->isEnabled();
}

// ---- books and lessons ----

bool OralixSession::fillLessonList(const QString& book) {
    const std::optional<QStringList> titles =
        common::BookListFile::read(folder_.bookListFile(book));
    if (!titles || titles->isEmpty()) {
        return false;
    }
    view_.lessons.book = book;
    view_.lessons.titles = *titles;
    view_.lessons.index = 0;
    return true;
}

void OralixSession::chooseBook(const QString& title) {
    if (!fillLessonList(title)) {
        services_.dialogs.info(kNotice,
                               QStringLiteral("找不到课程目录：") + folder_.bookListFile(title));
        return;
    }
    view_.lessons.nextLessonEnabled = view_.lessons.titles.size() > 1;
    notify();
    delayedLoad_->start();
}

void OralixSession::chooseLesson(int index) {
    if (index < 0 || index >= view_.lessons.titles.size()) {
        return;
    }
    view_.lessons.index = index;
    loadLesson();
    // A lesson that could not be loaded left the selection on the lesson on display.
    view_.lessons.listTooltip =
        QStringLiteral("当前课程：") + view_.lessons.titles[view_.lessons.index];
    notify();
}

void OralixSession::nextLesson() {
    if (view_.lessons.index + 1 < view_.lessons.titles.size()) {
        view_.lessons.index += 1;
        loadLesson();
    }
}

void OralixSession::loadLesson() {
    LessonListView& list = view_.lessons;
    if (!voice_ || list.index < 0 || list.index >= list.titles.size()) {
        return;
    }
    const int n = list.index + 1;
    // An unreadable or empty lesson keeps the lesson on display.
    const QString textPath = folder_.lessonFile(list.book, n);
    QString error;
    const std::optional<QString> text = common::TextFile::read(textPath, &error);
    const int count = text ? common::LessonText::sentenceCount(*text) : 0;
    if (!text || count == 0) {
        services_.dialogs.info(kNotice, text ? QStringLiteral("本课课文中没有句子：") + textPath
                                             : QStringLiteral("无法打开本课课文：") + error);
        // The book and the lesson on display stay selected (the book box may have moved on).
        if (loadedIndex_ >= 0 && loadedIndex_ < loadedTitles_.size()) {
            list.book = loadedBook_;
            list.titles = loadedTitles_;
            list.index = loadedIndex_;
            list.nextLessonEnabled = list.index + 1 < list.titles.size();
        }
        notify();
        return;
    }

    list.lessonTitle = list.titles[list.index];
    const LessonMediaPath media =
        LessonMediaPath::choose(folder_, content_, list.book, list.index, lessonMediaPath_);
    voice_->set(LessonMediaPath::volume(content_, list.book));
    lessonMediaPath_ = media.path;
    voice_->open(lessonMediaPath_);
    if (media.checkExists && !QFileInfo::exists(lessonMediaPath_)) {
        services_.dialogs.info(kNotice, QStringLiteral("本课没有安装语音文件，只能阅读课文。") +
                                            QStringLiteral("缺少的文件：") + lessonMediaPath_);
    }

    lesson_ = OralixLesson(*text);
    loadedIndex_ = list.index;
    loadedBook_ = list.book;
    loadedTitles_ = list.titles;
    list.nextLessonEnabled = list.index + 1 < list.titles.size();
    lesson_.setCurrentSentence(0);
    advance();
    view_.sentence.previousEnabled = false;
    view_.sentence.nextEnabled = lesson_.sentenceCount() > 1;
    applyMode();
    emit scrollToTop(); // a new lesson is read from its top, whichever mode is on display
}

// ---- sentence navigation and playback ----

int OralixSession::repeatCount() const {
    return common::parseLenientInt(view_.repeatText);
}

void OralixSession::advance() {
    lesson_.setCurrentSentence(lesson_.currentSentence() + 1);
    showSentence();
    view_.sentence.nextEnabled = lesson_.currentSentence() < lesson_.sentenceCount();
    view_.sentence.previousEnabled = true;
    notify();
    if (view_.mode == StudyModeTable::SentenceStudy && repeatCount() > 0) {
        playSentence();
    }
}

void OralixSession::nextSentence() {
    if (view_.sentence.nextEnabled) {
        advance();
    }
}

void OralixSession::previousSentence() {
    if (!view_.sentence.previousEnabled || lesson_.currentSentence() <= 1) {
        return;
    }
    lesson_.setCurrentSentence(lesson_.currentSentence() - 1);
    showSentence();
    view_.sentence.previousEnabled = lesson_.currentSentence() > 1;
    view_.sentence.nextEnabled = lesson_.sentenceCount() > 1;
    notify();
    if (view_.mode == StudyModeTable::SentenceStudy && repeatCount() > 0) {
        playSentence();
    }
}

void OralixSession::firstSentence() {
    if (lesson_.sentenceCount() == 0) {
        return;
    }
    lesson_.setCurrentSentence(0);
    advance();
    view_.sentence.previousEnabled = false;
    view_.sentence.nextEnabled = lesson_.sentenceCount() > 1;
    notify();
}

void OralixSession::showSentence() {
    playCount_ = 0;
    const int current = lesson_.currentSentence();
    if (current < 1) {
        return;
    }
    takeSpan(current);
    const common::SentenceRecord& record = lesson_.record(current);
    SentenceStudyView& s = view_.sentence;
    s.english = OralixLesson::sentenceLine(record.field(common::SentenceRecord::English));
    s.chinese = record.chinese().trimmed();
    s.englishVisible = s.englishCheck;
    s.counter =
        QStringLiteral("本课共有%1句，当前是第%2句").arg(lesson_.sentenceCount()).arg(current);
    s.tooltip = view_.lessons.lessonTitle + QLatin1Char(' ') + s.counter;
    emit typingCleared();
}

void OralixSession::takeSpan(int sentence) {
    const common::SentenceRecord& record = lesson_.record(sentence);
    spanStart_ = voice_->toPlayerUnits(record.startSeconds());
    spanEnd_ = voice_->toPlayerUnits(record.endSeconds());
}

void OralixSession::startSpan() {
    poll_->start();
    voice_->playSpan(spanStart_, spanEnd_);
}

void OralixSession::playSentence() {
    if (!voice_ || lesson_.currentSentence() < 1) {
        return;
    }
    takeSpan(lesson_.currentSentence());
    startSpan();
}

void OralixSession::afterPlayEnds() {
    const double position = voice_->position();
    // A sentence whose recorded end lies past the end of the media ends with the media.
    if (position < spanEnd_ && !voice_->atMediaEnd()) {
        return;
    }
    poll_->stop();
    voice_->pause();
    playCount_ += 1;
    // The pause counts from the end heard, not from this poll, and lasts until the next play
    // is heard, not until it is asked for.
    pause_->start(voice_->msSinceSpanEndHeard(position, spanEnd_) + voice_->playStartDelayMs());
    fullText_->playEnded();
}

void OralixSession::afterPause() {
    pause_->stop();
    if (playCount_ < repeatCount()) {
        startSpan();
        return;
    }
    if (fullText_->reading()) {
        fullText_->readNext();
        return;
    }
    if (view_.sentence.nextEnabled) {
        advance();
        return;
    }
    // The last sentence of the lesson: the next lesson of the range, or back to its first.
    LessonListView& list = view_.lessons;
    const bool atEnd = list.lessonTitle == endLessonTitle_;
    if (!atEnd && list.index + 1 < list.titles.size()) {
        list.index += 1;
    } else {
        list.index = qBound(0, startLessonIndex_, int(list.titles.size()) - 1);
    }
    loadLesson();
}

void OralixSession::setStudyMode(int mode) {
    if (mode < 1 || mode > StudyModeTable::kModeCount) {
        return;
    }
    view_.mode = mode;
    if (mode == StudyModeTable::SentenceStudy) {
        showSentence();
    }
    if (voice_) {
        voice_->pause();
    }
    poll_->stop();
    applyMode();
}

void OralixSession::applyMode() {
    playCount_ = 0;
    view_.modeInfo = StudyModeTable::info(view_.mode);
    if (view_.mode == StudyModeTable::SentenceStudy) {
        view_.repeatText = QString::number(stored_.studyRepeat);
        view_.intervalText = QString::number(stored_.studyInterval);
    } else if (view_.mode == StudyModeTable::FullText) {
        view_.repeatText = QString::number(stored_.browseRepeat);
        view_.intervalText = QString::number(stored_.browseInterval);
    } else {
        view_.repeatText = QStringLiteral("1");
        view_.intervalText = QStringLiteral("0");
    }
    fullText_->applyMode();
    pause_->setInterval(pauseMs(view_.intervalText));
    pause_->stop();
    notify();
}

void OralixSession::setRepeatText(const QString& text) {
    playCount_ = 0;
    view_.repeatText = text;
    const int value = common::parseLenientInt(text);
    if (view_.mode == StudyModeTable::SentenceStudy) {
        stored_.studyRepeat = value;
    } else if (view_.mode == StudyModeTable::FullText) {
        stored_.browseRepeat = value;
    }
    notify();
}

void OralixSession::setIntervalText(const QString& text) {
    view_.intervalText = text;
    const int value = common::parseLenientInt(text);
    if (view_.mode == StudyModeTable::SentenceStudy) {
        stored_.studyInterval = value;
    } else if (view_.mode == StudyModeTable::FullText) {
        stored_.browseInterval = value;
    }
    pause_->setInterval(pauseMs(text));
    notify();
}

void OralixSession::setEnglishLineShown(bool shown) {
    view_.sentence.englishCheck = shown;
    view_.sentence.englishVisible = shown;
    notify();
}

void OralixSession::setChineseLineShown(bool shown) {
    view_.sentence.chineseCheck = shown;
    notify();
}

void OralixSession::setSpeed(int speed) {
    view_.sentence.speed = qBound(0, speed, 2);
    if (voice_) {
        voice_->setRate(kRates[view_.sentence.speed]);
    }
    notify();
}

// ---- typing ----

void OralixSession::typingKey() {
    services_.sounds.play(folder_.interfaceSound(QStringLiteral("type.wav")));
}

TypingCheck OralixSession::checkTyping(const QString& attempt) {
    const TypingCheck result = TypingCheck::check(view_.sentence.english, attempt);
    if (!result.correct) {
        services_.sounds.play(folder_.interfaceSound(QStringLiteral("wrong.wav")));
    } else if (view_.sentence.nextEnabled) {
        advance();
    } else {
        services_.dialogs.info(kNotice, QStringLiteral("已完成！"));
    }
    return result;
}

void OralixSession::peek() {
    if (view_.sentence.englishCheck) {
        services_.dialogs.info(
            QStringLiteral("Oralix"),
            QStringLiteral("请在“显示英文句子”处于未选中状态时使用此功能（快捷键F9）。"));
    }
    view_.sentence.englishVisible = true;
    notify();
}

// ---- the play chain, as the full text and read-along use it ----

void OralixSession::playRowSpan(int row) {
    playCount_ = 0;
    takeSpan(row);
    startSpan();
}

void OralixSession::stopChain() {
    pause_->stop();
    stopPlayback();
}

void OralixSession::holdChain() {
    voice_->pause();
    pause_->hold();
}

void OralixSession::resumeChain() {
    // In the pause the chain goes on with the pause; in a play the player goes on.
    if (!pause_->release()) {
        voice_->play();
    }
}

void OralixSession::stopPlayback() {
    poll_->stop();
    if (voice_) {
        voice_->pause();
    }
}

// ---- settings window ----

void OralixSession::settingsBookChanged(const QString& title) {
    if (fillLessonList(title)) {
        view_.lessons.nextLessonEnabled = view_.lessons.titles.size() > 1;
        notify();
    }
}

void OralixSession::applySettings(const QString& book, int startIndex, const QString& endTitle,
                                  int background, int text) {
    if (book != view_.lessons.book) {
        settingsBookChanged(book);
    }
    if (startIndex >= 0 && startIndex < view_.lessons.titles.size()) {
        view_.lessons.index = startIndex;
    }
    loadLesson();
    delayedLoad_->start();
    endLessonTitle_ = endTitle;
    startLessonIndex_ = qMax(0, startIndex);
    view_.backgroundColour = background;
    view_.textColour = text;
    notify();
}

void OralixSession::openLogoPage() {
    if (!content_.logoUrl.isEmpty()) {
        services_.shell.openUrl(content_.logoUrl);
    }
}

} // namespace oralix
