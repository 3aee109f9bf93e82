#include "sentara/course/SessionViewBuilder.h"

#include "common/CourseContent.h"
#include "sentara/course/LoadedLesson.h"
#include "sentara/course/SessionState.h"
#include "sentara/dictation/DictationTest.h"
#include "sentara/dictation/FillIn.h"
#include "sentara/modes/ListeningLoop.h"
#include "sentara/modes/SentenceBrowsing.h"
#include "sentara/modes/VoiceControl.h"
#include "sentara/modes/WordPanel.h"
#include "sentara/settings/StudySettings.h"

namespace sentara {

namespace {

QString checkPicture(bool on) {
    return on ? QStringLiteral("check_1.jpg") : QStringLiteral("check_0.jpg");
}

ModeView buildMode(const SessionViewBuilder::Sources& s) {
    ModeView m;
    m.modeIndex = s.settings.modeIndex;
    m.selectedTab = s.state.selectedTab;
    for (int tab : {1, 2, 3, 6, 8, 9}) {
        m.tabVisible[tab] = true;
    }
    m.tabVisible[5] = s.lesson.isLoaded() && s.lesson.book() == s.content.videoCourseTitle;
    m.tabVisible[4] = s.settings.writeMode != 1;
    m.tabVisible[7] = s.settings.writeMode == 1;
    m.focus = SessionViewBuilder::focusTargetOf(m.modeIndex, s.dictation.inputVisible(),
                                                s.fillIn.inputVisible());
    m.engineChoice = s.settings.engineChoice;
    m.largeLayout = s.state.largeLayout;
    m.sentencePanelTop = s.settings.sentencePanelTop;
    m.sentenceHandleTop = s.settings.sentenceHandleTop;
    m.textPanelsMoved = s.state.textPanelsMoved;
    m.playing = s.voice.isPlaying();
    m.currentReadCount = s.loop.CurrentReadCount();
    return m;
}

LessonView buildLesson(const SessionViewBuilder::Sources& s) {
    LessonView l;
    const LoadedLesson& lesson = s.lesson;
    l.loaded = lesson.isLoaded();
    l.selectedNode = lesson.node();
    l.book = lesson.book();
    l.lesson = lesson.lessonNumber();
    l.title = s.state.lessonTitle;
    l.sentenceCount = lesson.SentenceCount();
    l.keyWordCount = lesson.keyWordCount();
    l.dictatedCount = lesson.dictatedCount();
    l.progressText =
        QStringLiteral("%1 / %2").arg(lesson.dictatedCount()).arg(lesson.SentenceCount());
    l.progressRatio = lesson.SentenceCount() > 0
                          ? double(lesson.dictatedCount()) / double(lesson.SentenceCount())
                          : 0.0;
    l.sentences = lesson.sentences(s.state.sentenceMarkersHidden ? 0 : s.state.currentSentence,
                                   s.settings.hideMode);
    l.fullText = lesson.fullText(s.state.currentSentence);
    l.mediaPath = s.state.mediaPath;
    return l;
}

} // namespace

SessionView SessionViewBuilder::build(const Sources& s) {
    SessionView view;
    view.mode = buildMode(s);
    view.lesson = buildLesson(s);
    view.sentence = s.sentenceBrowsing.view();
    view.wordPanel = s.wordPanel.view();
    const SentenceView& sentence = view.sentence;

    VideoView& video = view.video;
    video.tabVisible = view.mode.tabVisible[5];
    video.menuEntryVisible = video.tabVisible;
    video.smallVideoVisible = s.state.smallVideoVisible;
    video.menuEntryCaption =
        s.state.smallVideoVisible ? QStringLiteral("关闭视频") : QStringLiteral("打开视频");
    video.english = sentence.english;
    video.chinese = sentence.chinese;
    video.englishVisible = s.settings.videoEnglishCheck != 0;
    video.chineseVisible = s.settings.videoChineseCheck != 0;
    video.englishTogglePicture = video.englishVisible ? QStringLiteral("EnglishCheck_1.jpg")
                                                      : QStringLiteral("EnglishCheck_0.jpg");
    video.chineseTogglePicture = video.chineseVisible ? QStringLiteral("ChineseCheck_1.jpg")
                                                      : QStringLiteral("ChineseCheck_0.jpg");
    video.readCommandVisible = s.loop.videoReadVisible();
    video.pauseCommandVisible = !video.readCommandVisible;
    video.backEnabled = sentence.backEnabled;
    video.nextEnabled = sentence.nextEnabled;

    FullTextView& full = view.fullText;
    full.chineseLines = s.settings.allChineseCheck != 0;
    full.chineseTogglePicture = checkPicture(full.chineseLines);
    full.chineseToggleCaption = QStringLiteral("   显示中文句子");
    full.textLayout = !full.chineseLines && s.lesson.isLoaded() &&
                      s.content.textLayoutTitles.contains(s.lesson.book());
    full.tipVisible = !full.chineseLines;
    full.tipText = QStringLiteral("双击英语句子查看译文");
    full.readAllCaption =
        s.loop.readAllRunning() ? QStringLiteral("停止朗读") : QStringLiteral("全文朗读");
    full.pauseCaption =
        s.loop.readAllPaused() ? QStringLiteral("继续朗读") : QStringLiteral("暂停朗读");
    full.pauseEnabled = s.loop.readAllRunning();
    full.hideMode = s.settings.hideMode;
    full.hideHint = hideHint(s.settings.hideMode);

    OptionsView& options = view.options;
    for (OptionFamily family : OptionFamilies::all()) {
        options.families.append(
            {family, OptionFamilies::menuName(family), OptionFamilies::menuCaption(family),
             OptionFamilies::entries(family), OptionFamilies::checkedIndex(family, s.settings)});
    }
    for (int t = 0; t < kOptionToggleCount; ++t) {
        const auto toggle = static_cast<OptionToggle>(t);
        const bool on = OptionFamilies::toggleState(toggle, s.settings);
        options.toggles.append({toggle, OptionFamilies::toggleName(toggle),
                                OptionFamilies::toggleCaption(toggle, on), on});
    }
    options.keyWordColour = s.settings.keyWordColour;
    return view;
}

FocusTarget SessionViewBuilder::focusTargetOf(int modeIndex, bool dictationInputVisible,
                                              bool fillInInputVisible) {
    switch (modeIndex) {
    case 1:
        return FocusTarget::FullTextSearch;
    case 3:
        return FocusTarget::ListSearch;
    case 7:
        return FocusTarget::SpellingInput;
    case 4:
        return dictationInputVisible ? FocusTarget::DictationInput : FocusTarget::None;
    case 9:
        return fillInInputVisible ? FocusTarget::FillInInput : FocusTarget::None;
    default:
        return FocusTarget::None;
    }
}

QString SessionViewBuilder::hideHint(int hideMode) {
    switch (hideMode) {
    case 2:
        return QStringLiteral("点击遮挡的英文可显示或隐藏，按恢复重置界面");
    case 3:
        return QStringLiteral("点击喇叭图标朗读句子，点击遮挡的英文和中文可显示或隐藏");
    default:
        return QStringLiteral("点击遮挡的中文可显示或隐藏，按恢复重置界面");
    }
}

} // namespace sentara
