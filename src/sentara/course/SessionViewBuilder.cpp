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
    l.sentences = lesson.sentences(s.state.sentenceMarkersHidden ? 0 : s.state.currentSentence);
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

} // namespace sentara
