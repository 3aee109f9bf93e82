#include "ModePanels.h"

#include "CoverListPanel.h"
#include "DictationPanel.h"
#include "FillInPanel.h"
#include "FullTextWiring.h"
#include "FullTextWordPanel.h"
#include "OptionsMenu.h"
#include "RecallPanel.h"
#include "RecorderBar.h"
#include "SentencePanel.h"
#include "SpellingPanel.h"
#include "StoredColour.h"
#include "VideoPanel.h"
#include "VoicePanel.h"

#include "sentara/course/SentaraSession.h"
#include "sentara/dictation/ResultsReport.h"
#include "sentara/modes/CoverPractice.h"
#include "sentara/modes/FullTextMode.h"
#include "sentara/modes/SentenceBrowsing.h"
#include "sentara/modes/VideoMode.h"
#include "sentara/modes/VoiceRecording.h"

#include <QCursor>
#include <QStackedWidget>
#include <QToolTip>

namespace sentara::ui {

ModePanels::ModePanels(SentaraSession& session, const common::CourseFolder& folder,
                       QStackedWidget* stack, const PanelMenus& menus)
    : QObject(stack), session_(session), folder_(folder), stack_(stack), menus_(menus) {
    // The video panel waits outside the stack until its mode is first shown: the first page
    // added to a stack is shown and laid out at once, which is work for a page nobody sees.
    video_ = new VideoPanel(session_, folder_, stack_);
    video_->hide();
    built_[5] = video_;
}

bool ModePanels::isBuilt(int mode) const {
    return mode >= 1 && mode <= kModeCount && built_[static_cast<std::size_t>(mode)] != nullptr;
}

QWidget* ModePanels::panel(int mode) {
    if (mode < 1 || mode > kModeCount) {
        return nullptr;
    }
    QWidget* built = built_[static_cast<std::size_t>(mode)];
    if (built == video_ && stack_->indexOf(video_) < 0) {
        stack_->addWidget(video_);
        scalePanel(mode);
        renderPanel(mode, session_.view());
    }
    return built != nullptr ? built : build(mode);
}

FullTextWordPanel* ModePanels::fullText() {
    panel(1);
    return fullText_;
}

SentencePanel* ModePanels::sentence() {
    panel(2);
    return sentence_;
}

CoverListPanel* ModePanels::cover() {
    panel(3);
    return cover_;
}

DictationPanel* ModePanels::dictation() {
    panel(4);
    return dictation_;
}

VoicePanel* ModePanels::voice() {
    panel(6);
    return voice_;
}

SpellingPanel* ModePanels::spelling() {
    panel(7);
    return spelling_;
}

RecallPanel* ModePanels::recall() {
    panel(8);
    return recall_;
}

FillInPanel* ModePanels::fillIn() {
    panel(9);
    return fillIn_;
}

QWidget* ModePanels::build(int mode) {
    QWidget* made = nullptr;
    switch (mode) {
    case 1:
        made = fullText_ = new FullTextWordPanel(folder_, stack_);
        wireFullTextWords(session_, fullText_, menus_.fullText, this);
        break;
    case 2:
        made = sentence_ = new SentencePanel(folder_, stack_);
        connectSentencePanel();
        break;
    case 3:
        made = cover_ = new CoverListPanel(stack_);
        wireCoverList(session_, cover_, menus_.cover, this);
        break;
    case 4:
        made = dictation_ = new DictationPanel(session_.dictation(), stack_);
        connect(dictation_, &DictationPanel::settingsClicked, this,
                [this](const QPoint& where) { menus_.dictation()->popup(where); });
        connect(dictation_, &DictationPanel::resultsClicked, this,
                [this] { session_.results().ShowResults(); });
        break;
    case 6:
        made = voice_ = new VoicePanel(session_.voiceRecording(), stack_);
        connectVoicePanel();
        break;
    case 7:
        made = spelling_ = new SpellingPanel(session_.freeSpelling(), folder_, stack_);
        connect(spelling_, &SpellingPanel::settingsClicked, this,
                [this](const QPoint& where) { menus_.spelling()->popup(where); });
        break;
    case 8:
        made = recall_ = new RecallPanel(session_, stack_);
        break;
    case 9:
        made = fillIn_ = new FillInPanel(session_, stack_);
        break;
    default:
        return nullptr;
    }
    built_[static_cast<std::size_t>(mode)] = made;
    stack_->addWidget(made);
    scalePanel(mode);
    renderPanel(mode, session_.view());
    return made;
}

void ModePanels::connectSentencePanel() {
    connect(sentence_, &SentencePanel::firstClicked, this,
            [this] { session_.SenBegainCommand_Click(); });
    connect(sentence_, &SentencePanel::backClicked, this,
            [this] { session_.SenBackCommand_Click(); });
    connect(sentence_, &SentencePanel::nextClicked, this,
            [this] { session_.SenNextCommand_Click(); });
    connect(sentence_, &SentencePanel::playClicked, this,
            [this] { session_.SenPlayCommand_Click(); });
    SentenceBrowsing& browsing = session_.sentenceBrowsing();
    connect(sentence_, &SentencePanel::chineseToggleClicked, this,
            [&browsing] { browsing.toggleChinese(); });
    connect(sentence_, &SentencePanel::placeholderClicked, this,
            [&browsing] { browsing.openNoteBox(); });
    connect(sentence_, &SentencePanel::noteChanged, this,
            [&browsing](const QString& text) { browsing.editNote(text); });
    connect(sentence_, &SentencePanel::noteEdited, this,
            [&browsing](const QString& text) { browsing.saveNote(text); });
    connect(sentence_, &SentencePanel::wordClicked, this,
            [&browsing](int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
                // Key words are marked with Ctrl and either button.
                if (button == Qt::LeftButton || modifiers.testFlag(Qt::ControlModifier)) {
                    browsing.clickWord(index, modifiers.testFlag(Qt::ControlModifier));
                }
            });
    connect(sentence_, &SentencePanel::backgroundClicked, this,
            [this] { session_.hideWordPanel(); });
    connect(sentence_, &SentencePanel::segmentClicked, this,
            [this](int sentence) { session_.videoMode().playOnFromSegment(sentence); });
    connect(sentence_, &SentencePanel::segmentHovered, this, [this](int sentence) {
        const QList<SentenceItem> sentences = session_.view().lesson.sentences;
        if (sentence >= 1 && sentence <= sentences.size()) {
            QToolTip::showText(QCursor::pos(), sentences.at(sentence - 1).english, sentence_);
        } else {
            QToolTip::hideText();
        }
    });
    connect(sentence_, &SentencePanel::settingsClicked, this,
            [this](const QPoint& where) { menus_.sentence()->popup(where); });
}

void ModePanels::connectVoicePanel() {
    connect(voice_, &VoicePanel::firstClicked, this, [this] { session_.SenBegainCommand_Click(); });
    connect(voice_, &VoicePanel::backClicked, this, [this] { session_.SenBackCommand_Click(); });
    connect(voice_, &VoicePanel::nextClicked, this, [this] { session_.SenNextCommand_Click(); });
}

void ModePanels::render(const SessionView& view) {
    // Every panel built so far follows each change, in order (a panel's scroll requests are
    // counted from one render to the next); of the video panel while it is hidden, made at
    // start for the players, only the picture area players draw into.
    for (int mode = 1; mode <= kModeCount; ++mode) {
        QWidget* panel = built_[static_cast<std::size_t>(mode)];
        if (panel == video_ && stack_->currentWidget() != video_) {
            video_->renderPicture(session_.videoMode().view());
        } else if (panel != nullptr) {
            renderPanel(mode, view);
        }
    }
}

void ModePanels::renderPanel(int mode, const SessionView& view) {
    const QColor keyWordColour = fromStoredColour(view.options.keyWordColour);
    const QString& title = view.lesson.title;
    switch (mode) {
    case 1:
        fullText_->setLessonTitle(title);
        fullText_->render(session_.fullText().view(), keyWordColour, view.mode.textPanelsMoved);
        break;
    case 2:
        sentence_->setLessonTitle(title);
        sentence_->render(view.sentence, keyWordColour);
        break;
    case 3:
        cover_->setLessonTitle(title);
        cover_->render(session_.coverPractice().view(), view.mode.textPanelsMoved,
                       view.mode.sentencePanelTop);
        break;
    case 4:
        dictation_->setLessonTitle(title);
        dictation_->render();
        break;
    case 5:
        video_->setLessonTitle(title);
        video_->render(session_.videoMode().view(), keyWordColour);
        break;
    case 6:
        voice_->setLessonTitle(title);
        voice_->render(view.sentence);
        voice_->recorder()->render(session_.voiceRecording().view());
        break;
    case 7:
        spelling_->setLessonTitle(title);
        spelling_->render();
        break;
    case 8:
        recall_->render(view);
        break;
    case 9:
        fillIn_->render(view, keyWordColour);
        break;
    default:
        break;
    }
}

void ModePanels::setTextScale(double scale) {
    scale_ = scale;
    for (int mode = 1; mode <= kModeCount; ++mode) {
        if (isBuilt(mode)) {
            scalePanel(mode);
        }
    }
}

void ModePanels::scalePanel(int mode) {
    switch (mode) {
    case 1:
        fullText_->setTextScale(scale_);
        break;
    case 2:
        sentence_->setTextScale(scale_);
        break;
    case 3:
        cover_->setTextScale(scale_);
        break;
    case 4:
        dictation_->setTextScale(scale_);
        break;
    case 5:
        video_->setTextScale(scale_);
        break;
    case 6:
        voice_->setTextScale(scale_);
        break;
    case 7:
        spelling_->setTextScale(scale_);
        break;
    case 8:
        recall_->setTextScale(scale_);
        break;
    case 9:
        fillIn_->setTextScale(scale_);
        break;
    default:
        break;
    }
}

} // namespace sentara::ui
