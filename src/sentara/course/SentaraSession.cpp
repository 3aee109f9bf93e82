#include "sentara/course/SentaraSession.h"

#include "common/TextFile.h"
#include "common/ports/Dialogs.h"
#include "common/ports/MediaPlayer.h"
#include "common/ports/Recorder.h"
#include "common/ports/Screen.h"
#include "common/ports/Shell.h"
#include "sentara/course/CourseFiles.h"
#include "sentara/course/SessionCore.h"
#include "sentara/modes/SentenceBrowsing.h"
#include "sentara/modes/SentenceNote.h"
#include "sentara/modes/WordPanel.h"

#include <QDir>
#include <QStringList>
#include <optional>

namespace sentara {

namespace {

constexpr int kStandardDpi = 96;

QString tipTitle() {
    return QStringLiteral("提示");
}

QString dpiMessage() {
    return QStringList{
        QStringLiteral("您的系统DPI非标准值，软件界面可能无法正常显示，解决方法如下："),
        QStringLiteral("[Linux]"),
        QStringLiteral(
            "本软件会按桌面的缩放比例放大整个界面，只有单独放大了字体时文字才会超出界面。"
            "请在桌面的显示设置中用“缩放比例”放大界面，并取消单独设置的字体DPI"
            "（例如环境变量 QT_FONT_DPI），也不要用 QT_ENABLE_HIGHDPI_SCALING=0 "
            "关闭界面缩放，然后重新启动本软件即可。"),
    }
        .join(QStringLiteral("\r\n"));
}

// Names what this machine lacks and the packages that bring it.
QString engineUnavailableMessage(const ports::MediaEngines::Missing& missing) {
    const QString component =
        missing.component.isEmpty() ? QStringLiteral("播放组件") : missing.component;
    QString message =
        QStringLiteral("您系统中默认发音引擎所需的%1缺失或无法使用，默认发音引擎无法使用，"
                       "您可以在点击“确定”后查看修复方法")
            .arg(component);
    if (!missing.packages.isEmpty()) {
        message += QStringLiteral("（在终端中运行：sudo apt-get install %1）")
                       .arg(missing.packages.join(QLatin1Char(' ')));
    }
    return message + QStringLiteral("，完成修复后再点击“默认引擎”选项。");
}

using Engine = ports::MediaEngines::Engine;

Engine engineOf(int choice) {
    return choice == 1 ? Engine::Backup : Engine::Default;
}

} // namespace

struct SentaraSession::Private : SessionCore {
    using SessionCore::SessionCore;
};

SentaraSession::SentaraSession(const common::CourseFolder& folder, ports::Clock& clock,
                               ports::MediaEngines& engines, ports::Recorder& recorder,
                               ports::SoundPlayer& sounds, ports::Dialogs& dialogs,
                               ports::Shell& shell, const ports::TextMeasure& measure,
                               const ports::Screen& screen, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>(this, folder, clock, engines, recorder, sounds,
                                                   dialogs, shell, measure, screen)) {
    connect(d->focusTimer.get(), &ports::Timer::timeout, this, [this] {
        d->focusTimer->setEnabled(false);
        FocusModeInput();
    });
    connect(d->layoutTimer.get(), &ports::Timer::timeout, this, [this] {
        d->layoutTimer->setEnabled(false);
        if (d->study.layoutMax) {
            d->state.largeLayout = true;
            emit largeLayoutRequested(true);
            emit changed();
        }
    });
}

SentaraSession::~SentaraSession() = default;

// --- Start-up and shutdown -------------------------------------------------------------------

void SentaraSession::start() {
    start(CourseFiles::read(d->folder));
}

void SentaraSession::start(CourseFiles files) {
    if (d->screen.logicalDpi() != kStandardDpi) {
        d->dialogs.info(QStringLiteral("Sentara"), dpiMessage());
    }
    d->content = std::move(files.content);
    if (!files.contentError.isEmpty()) {
        d->dialogs.info(tipTitle(),
                        QStringLiteral("课程内容文件“Content.json”无法读取，将使用默认课程目录：%1")
                            .arg(files.contentError));
    }
    d->dictionary = std::move(files.dictionary);
    d->recorder.close();
    d->recorder.open(d->folder.recorderFile());

    // A missing or unreadable settings file starts on the defaults; SetDat creates it at exit.
    d->study = std::move(files.study).value_or(StudySettings());
    d->applyPauses();
    if (d->study.engineChoice == 2 && !d->voice.defaultEngineAvailable()) {
        d->study.engineChoice = 1;
    }
    d->voice.setEngine(engineOf(d->study.engineChoice));
    d->focusTimer->setEnabled(true);

    d->catalogue = std::move(files.catalogue);
    if (!d->selectNode(d->study.catalogueNodeIndex)) {
        d->study.resumeSentence = 1;
        d->selectNode(d->firstLessonNode());
    }
    const double savedPanelTop = d->study.sentencePanelTop;
    const double savedHandleTop = d->study.sentenceHandleTop;
    d->LoadLesson();
    if (!d->lesson.isLoaded() && d->study.catalogueNodeIndex != d->firstLessonNode()) {
        // The saved lesson is gone: start on the first lesson of the course instead.
        d->study.resumeSentence = 1;
        d->selectNode(d->firstLessonNode());
        d->LoadLesson();
    }
    // The list goes back where the learner left it, once the lesson is in place.
    d->study.sentencePanelTop = savedPanelTop;
    d->study.sentenceHandleTop = savedHandleTop;
    ++d->state.textPanelsMoved;
    if (!d->lesson.isLoaded()) {
        // A wrong or empty course folder: say where the programs looked, rather than an empty
        // window.
        d->dialogs.info(tipTitle(),
                        QStringLiteral("在课程文件夹“%1”中找不到可以打开的课文。\r\n"
                                       "请确认该文件夹中有 Book、Sound 和 SETTING 文件夹，"
                                       "或用 --course 选项指定课程文件夹。")
                            .arg(QDir::toNativeSeparators(d->folder.root())));
    }
    d->layoutTimer->setEnabled(true);
    emit changed();
}

void SentaraSession::confirmDefaultEngine() {
    if (d->study.engineChoice != 2 || d->voice.defaultEngineAvailable()) {
        return;
    }
    const bool continuous = d->loop.continuousPlaying();
    const bool sentencePlay = d->loop.sentenceWatchRunning();
    d->study.engineChoice = 1;
    d->voice.setEngine(Engine::Backup);
    d->openLessonMedia();
    // What the default engine was asked to play (the start-up's automatic play, the video
    // lesson's continuous play) is heard from the backup engine instead.
    if (continuous) {
        d->voice.VoiceSetPosition(d->SentenceStart());
        d->loop.startContinuousPlay();
    } else if (sentencePlay) {
        d->loop.playSentence();
    }
    // Saved at once, as a choice of the learner's; a file that cannot be written is reported
    // when the program closes.
    d->study.write(d->folder);
    emit changed();
}

bool SentaraSession::SetDat() {
    QString error;
    if (d->study.write(d->folder, &error)) {
        return true;
    }
    d->dialogs.info(tipTitle(), QStringLiteral("无法保存设置文件“Set.dat”：%1").arg(error));
    return false;
}

void SentaraSession::shutdown() {
    d->flushNoteDraft();
    d->loop.stopAll();
    d->focusTimer->setEnabled(false);
    d->layoutTimer->setEnabled(false);
    d->voice.releasePlayers();
    SetDat();
}

void SentaraSession::MiniLabel_MouseUp() {
    SetDat();
    // The compact trainer lives beside this program and opens the same course folder, also when
    // that folder was chosen on the command line or in the environment.
    const QString program = d->folder.programFile(d->content.compactTrainerProgram);
    if (!d->shell.startDetached(program, {QStringLiteral("--course"), d->folder.root()})) {
        d->dialogs.info(tipTitle(),
                        QStringLiteral("无法启动迷你窗口程序“%1”。请确认它与本程序在同一文件夹中。")
                            .arg(QDir::toNativeSeparators(program)));
    }
}

// --- Catalogue ----------------------------------------------------------------------------------

const CatalogueView& SentaraSession::catalogue() const {
    return d->catalogue.view();
}

void SentaraSession::TreeView1_NodeClick(int nodeIndex) {
    if (!d->selectNode(nodeIndex)) {
        return;
    }
    d->study.resumeSentence = 1;
    d->LoadLesson();
    emit changed();
}

// --- Modes -------------------------------------------------------------------------------------

void SentaraSession::TabImage_Click(int index) {
    if (index < 1 || index > 9) {
        return;
    }
    d->study.modeIndex = index;
    d->ShowModePanel();
    FocusModeInput();
    d->loop.stopAll();
    for (ModeComponent* mode : d->modes) {
        mode->modeSwitched();
    }
    emit changed();
}

void SentaraSession::FocusModeInput() {
    const FocusTarget target = d->focusTarget();
    if (target != FocusTarget::None) {
        emit focusRequested(target);
    }
}

// --- Sentence navigation -----------------------------------------------------------------------

void SentaraSession::SenBegainCommand_Click() {
    d->navigate(1);
    emit changed();
}

void SentaraSession::SenBackCommand_Click() {
    d->navigate(std::max(1, d->state.currentSentence - 1));
    emit changed();
}

void SentaraSession::SenNextCommand_Click() {
    d->navigate(std::min(d->lesson.SentenceCount(), d->state.currentSentence + 1));
    emit changed();
}

void SentaraSession::SenPlayCommand_Click() {
    if (d->lesson.SentenceCount() == 0) {
        return;
    }
    d->loop.SenPlayCommand();
    emit changed();
}

void SentaraSession::AutoPlaySentence() {
    d->loop.AutoPlaySentence();
    emit changed();
}

// --- Read-all ------------------------------------------------------------------------------

void SentaraSession::AllReadCommand_Click() {
    d->fullText.toggleReadAll();
}

void SentaraSession::PauseReadCommand_Click() {
    d->fullText.togglePause();
}

void SentaraSession::AllChineseCheckLabel_Click() {
    d->fullText.toggleChineseLines();
}

// --- Options -----------------------------------------------------------------------------------

void SentaraSession::selectOption(OptionFamily family, int index) {
    const QList<OptionEntry>& entries = OptionFamilies::entries(family);
    if (index < 0 || index >= entries.size()) {
        return;
    }
    const int value = entries[index].value;
    switch (family) {
    case OptionFamily::Engine:
        if (value == 1) {
            Option3_MouseUp();
        } else {
            Option4_MouseUp();
        }
        return;
    case OptionFamily::HideMode:
        d->coverPractice.applyCoverMode(value);
        return;
    case OptionFamily::DictationMode:
        if (value == d->study.writeMode && d->study.modeIndex == (value == 1 ? 7 : 4)) {
            return; // the entry of the sub-mode already shown
        }
        OptionFamilies::apply(family, index, d->study);
        d->study.modeIndex = value == 1 ? 7 : 4;
        d->state.selectedTab = d->study.modeIndex;
        for (ModeComponent* mode : d->modes) {
            mode->modeSwitched(); // as a tab switch: the test judges a sentence left open for it
        }
        FocusModeInput();
        break;
    default:
        OptionFamilies::apply(family, index, d->study);
        // Only a pause command re-times its own family's timer: a running pause of another
        // family, or one running while a count or the pass mark changes, goes on as it was.
        if (const std::optional<RepeatFamily> pauseFamily = OptionFamilies::pauseFamilyOf(family)) {
            d->loop.setPause(*pauseFamily, d->study.pauseOf(*pauseFamily));
        }
        break;
    }
    emit changed();
}

void SentaraSession::toggleOption(OptionToggle toggle) {
    if (toggle == OptionToggle::SenChinese) {
        d->sentenceBrowsing.toggleChinese();
        return;
    }
    const bool on = !OptionFamilies::toggleState(toggle, d->study);
    OptionFamilies::setToggle(toggle, on, d->study);
    d->fillIn.hintToggled(toggle);
    emit changed();
}

void SentaraSession::WriteSet6_Click() {
    d->voice.VoicePause();
    emit changed();
    d->dialogs.info(
        QStringLiteral("评分标准"),
        QStringLiteral("听写中使用渐进提示一次扣除1分，使用直接提示一次扣除5分，"
                       "错误一次扣除3分，最后得分高于设定的过关分数即可完成本句听写。"));
}

void SentaraSession::SetKeyWord_Click() {
    d->dialogs.info(tipTitle(),
                    QStringLiteral("按住键盘上的Ctrl键，用鼠标右键点击单词即可将其设为重点词，"
                                   "再点击则取消。"));
}

void SentaraSession::SetTheWord_Click() {
    d->dialogs.info(tipTitle(),
                    QStringLiteral("请在“全文浏览”或“句子浏览”模式中添加或取消重点词，方法如下："
                                   "按住键盘上的Ctrl键，用鼠标右键点击单词即可将其设为重点词，"
                                   "再点击则取消。"));
}

void SentaraSession::KeyWordColor_Click() {
    if (const std::optional<int> colour = d->dialogs.chooseColour(d->study.keyWordColour)) {
        d->study.keyWordColour = *colour;
        emit changed();
    }
}

void SentaraSession::Option3_MouseUp() {
    d->study.engineChoice = 1;
    d->voice.setEngine(Engine::Backup);
    d->openLessonMedia();
    SenBegainCommand_Click();
    FocusModeInput();
    SetDat();
    emit changed();
}

void SentaraSession::Option4_MouseUp() {
    if (!d->voice.defaultEngineAvailable()) {
        d->study.engineChoice = 1;
        emit changed();
        d->dialogs.info(tipTitle(), engineUnavailableMessage(d->voice.defaultEngineMissing()));
        d->shell.openUrl(d->content.helpUrl);
    } else {
        d->study.engineChoice = 2;
        d->voice.closeSentencePlayer();
        d->voice.setEngine(Engine::Default);
        d->openLessonMedia();
        SenBegainCommand_Click();
    }
    FocusModeInput();
    SetDat();
    emit changed();
}

// --- Keys ----------------------------------------------------------------------------------------

bool SentaraSession::KeyDown(ShortcutKey key) {
    if (key == ShortcutKey::Ctrl) {
        d->state.ctrlHeld = true;
        return false;
    }
    for (ModeComponent* component : d->modes) {
        if (component->keyDown(key)) {
            emit changed();
            return true;
        }
    }
    const int mode = d->study.modeIndex;
    const int current = d->state.currentSentence;
    const int n = d->lesson.SentenceCount();
    switch (key) {
    case ShortcutKey::PageUp:
    case ShortcutKey::PageDown: { // mode 9 steps over key words (the fill-in mode's keys)
        const bool up = key == ShortcutKey::PageUp;
        if (up && current > 1) {
            SenBackCommand_Click();
        } else if (!up && current >= 1 && current < n) {
            SenNextCommand_Click();
        }
        return true; // in mode 7 free spelling takes these keys itself
    }
    case ShortcutKey::Home:
        if (n > 0) {
            SenBegainCommand_Click();
        }
        return true;
    case ShortcutKey::F7:
        if (n == 0) {
            return true;
        }
        if (mode == 9) {
            SenPlayCommand_Click();
        } else {
            AutoPlaySentence();
        }
        return true;
    default:
        return false;
    }
}

void SentaraSession::KeyUp() {
    d->state.ctrlHeld = false;
}

bool SentaraSession::ctrlHeld() const {
    return d->state.ctrlHeld;
}

// --- Window facts
// ----------------------------------------------------------------------------------

void SentaraSession::setSentencePanelPositions(double panelTop, double handleTop) {
    d->study.sentencePanelTop = panelTop;
    d->study.sentenceHandleTop = handleTop;
}

void SentaraSession::setLargeLayout(bool large) {
    d->study.layoutMax = large;
    d->state.largeLayout = large;
    emit changed();
}

// --- Media
// -------------------------------------------------------------------------------------------

void SentaraSession::setVideoSurfaces(const ports::VideoSurfaces* surfaces) {
    d->videoMode.setSurfaces(surfaces);
}

void SentaraSession::ReadWord(const QString& word) {
    d->loop.ReadWord(word);
}

void SentaraSession::hideWordPanel() {
    d->wordPanel.hide();
    emit changed();
}

// --- State
// ---------------------------------------------------------------------------------------------

SessionView SentaraSession::view() const {
    return SessionViewBuilder::build({d->state, d->study, d->lesson, d->content, d->loop, d->voice,
                                      d->sentenceBrowsing, d->wordPanel, d->fillIn, d->dictation});
}

const StudySettings& SentaraSession::settings() const {
    return d->study;
}
int SentaraSession::CurrentSentence() const {
    return d->state.currentSentence;
}
int SentaraSession::SentenceCount() const {
    return d->lesson.SentenceCount();
}
int SentaraSession::ModeIndex() const {
    return d->study.modeIndex;
}
int SentaraSession::CurrentReadCount() const {
    return d->loop.CurrentReadCount();
}
double SentaraSession::SentenceStart() const {
    return d->SentenceStart();
}
double SentaraSession::SentenceEnd() const {
    return d->SentenceEnd();
}
double SentaraSession::LessonMediaStart() const {
    return d->LessonMediaStart();
}
double SentaraSession::LessonMediaSpan() const {
    return d->LessonMediaSpan();
}
const common::CourseContent& SentaraSession::content() const {
    return d->content;
}
const common::WordDictionary& SentaraSession::dictionary() const {
    return d->dictionary;
}
LoadedLesson& SentaraSession::lesson() {
    return d->lesson;
}
VoiceControl& SentaraSession::voice() {
    return d->voice;
}
ListeningLoop& SentaraSession::loop() {
    return d->loop;
}
SentenceBrowsing& SentaraSession::sentenceBrowsing() {
    return d->sentenceBrowsing;
}
WordPanel& SentaraSession::wordPanel() {
    return d->wordPanel;
}
WordRecall& SentaraSession::wordRecall() {
    return d->wordRecall;
}
FillIn& SentaraSession::fillIn() {
    return d->fillIn;
}
VideoMode& SentaraSession::videoMode() {
    return d->videoMode;
}
VoiceRecording& SentaraSession::voiceRecording() {
    return d->voiceRecording;
}
FullTextMode& SentaraSession::fullText() {
    return d->fullText;
}
CoverPractice& SentaraSession::coverPractice() {
    return d->coverPractice;
}
DictationTest& SentaraSession::dictation() {
    return d->dictation;
}
FreeSpelling& SentaraSession::freeSpelling() {
    return d->freeSpelling;
}
ResultsReport& SentaraSession::results() {
    return d->resultsReport;
}

} // namespace sentara
