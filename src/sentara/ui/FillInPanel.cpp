#include "FillInPanel.h"

#include "FillInBox.h"
#include "HiddenWordLine.h"
#include "OptionsMenu.h"
#include "PanelWidgets.h"
#include "Pictures.h"

#include "platform/Fonts.h"
#include "sentara/course/SentaraSession.h"
#include "sentara/dictation/FillIn.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace sentara::ui {

FillInPanel::FillInPanel(SentaraSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("CurrentWordModePicture"));

    auto* header = new QHBoxLayout;
    title_ = label(QStringLiteral("CurrentWordTitleLabel"), {}, this);
    settings_ = new QToolButton(this);
    settings_->setObjectName(QStringLiteral("Image3"));
    settings_->setIcon(Pictures::settingsIcon());
    settings_->setToolTip(QStringLiteral("单词填空设置"));
    settings_->setAutoRaise(true);
    settings_->setCursor(Qt::PointingHandCursor);
    settings_->setFocusPolicy(Qt::NoFocus);
    header->addWidget(title_, 1);
    header->addWidget(settings_);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("CurrentWordSenFrame"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* frameLayout = new QVBoxLayout(frame);
    words_ = new HiddenWordLine(QStringLiteral("CurrentWordSenLabel"),
                                HiddenWordLine::HiddenLook::Underline, frame);
    frameLayout->addWidget(words_);
    input_ = new FillInBox(words_);

    // The cue lines, left to right: the word, its meaning, its phonetic transcription.
    auto* cueRow = new QHBoxLayout;
    cueRow->setSpacing(24);
    for (int i = 0; i < 3; ++i) {
        cues_[i] = label(QStringLiteral("CurrentWordTextLabel(%1)").arg(i), {}, this);
        cueRow->addWidget(cues_[i]);
    }
    cueRow->addStretch(1);

    noticeFrame_ = new QFrame(this);
    noticeFrame_->setObjectName(QStringLiteral("Picture7"));
    noticeFrame_->setFrameShape(QFrame::Box);
    noticeFrame_->setAutoFillBackground(true);
    QPalette yellow = noticeFrame_->palette();
    yellow.setColor(QPalette::Window, QColor(0xFF, 0xFB, 0xE6));
    noticeFrame_->setPalette(yellow);
    auto* noticeLayout = new QHBoxLayout(noticeFrame_);
    notice_ = label(QStringLiteral("Picture7Label"), {}, noticeFrame_);
    notice_->setWordWrap(true);
    noticeLayout->addWidget(notice_);

    progress_ = label(QStringLiteral("CurrentWordProgressLabel"), {}, this);
    progress_->setAlignment(Qt::AlignCenter);
    progress_->setToolTip(QStringLiteral("当前重点词 / 本课重点词总数"));
    first_ = command(QStringLiteral("Command6"), QStringLiteral("首词"), this);
    previous_ = command(QStringLiteral("Command5"), QStringLiteral("上一词"), this);
    next_ = command(QStringLiteral("Command1"), QStringLiteral("下一词"), this);
    pronounce_ = command(QStringLiteral("Command7"), QStringLiteral("读单词"), this);
    play_ = command(QStringLiteral("Command8"), QStringLiteral("读句子"), this);
    answer_ = command(QStringLiteral("Command9"), QStringLiteral("看答案"), this);
    first_->setToolTip(QStringLiteral("Home"));
    previous_->setToolTip(QStringLiteral("Page Up"));
    next_->setToolTip(QStringLiteral("Page Down"));
    pronounce_->setToolTip(QStringLiteral("F2"));
    play_->setToolTip(QStringLiteral("F7"));
    answer_->setToolTip(QStringLiteral("F10"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {first_, previous_, next_, pronounce_, play_, answer_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->addLayout(header);
    column->addWidget(frame);
    column->addLayout(cueRow);
    column->addWidget(noticeFrame_);
    column->addStretch(1);
    column->addWidget(progress_);
    column->addLayout(buttons);

    menu_ =
        new OptionsMenu(QStringLiteral("CurrentWordModeSet"), QStringLiteral("单词填空设置"), this);
    QAction* setTheWord = menu_->addAction(QStringLiteral("添加/取消填空词"));
    setTheWord->setObjectName(QStringLiteral("SetTheWord"));
    menu_->addSeparator();
    for (OptionToggle toggle : {OptionToggle::HintMeaning, OptionToggle::HintPronunciation,
                                OptionToggle::HintPhonetic, OptionToggle::HintWord}) {
        menu_->addToggle(toggle);
    }
    setTextScale(1.0);

    FillIn& fillIn = session_.fillIn();
    SpellingDrill& drill = fillIn.drill();
    connect(input_, &QLineEdit::textEdited, this,
            [&drill](const QString& text) { drill.edit(text); });
    input_->setKeyHook(
        [&drill](bool space, bool selected) { return drill.keyPressed(space, selected); });
    connect(first_, &QPushButton::clicked, this, [&fillIn] { fillIn.firstKeyWord(); });
    connect(previous_, &QPushButton::clicked, this, [&fillIn] { fillIn.previousKeyWord(); });
    connect(next_, &QPushButton::clicked, this, [&fillIn] { fillIn.nextKeyWord(); });
    connect(pronounce_, &QPushButton::clicked, this, [&fillIn] { fillIn.pronounce(); });
    connect(play_, &QPushButton::clicked, this, [&fillIn] { fillIn.playSentence(); });
    connect(answer_, &QPushButton::clicked, this, [&fillIn] { fillIn.showAnswer(); });
    connect(settings_, &QToolButton::clicked, this, [this] { menu_->popup(QCursor::pos()); });
    connect(setTheWord, &QAction::triggered, this, [this] { session_.SetTheWord_Click(); });
    connect(menu_, &OptionsMenu::toggleChosen, this,
            [this](OptionToggle toggle) { session_.toggleOption(toggle); });
}

void FillInPanel::render(const SessionView& view, const QColor& keyWordColour) {
    const FillInView fill = session_.fillIn().view();
    title_->setText(view.lesson.title);
    QList<HiddenWordLine::Word> words;
    for (int i = 1; i <= fill.words.size(); ++i) {
        const WordCell& cell = fill.words.at(i - 1);
        const bool hidden = i == fill.hiddenWord;
        words.append({cell.caption, false, hidden, hidden, cell.keyWord});
    }
    words_->setWords(words, keyWordColour);
    words_->setOverlay(input_, fill.inputVisible ? fill.hiddenWord : 0);
    input_->showStored(fill.spelling.owner, fill.spelling.typed, fill.spelling.selectAllCount);
    for (int i = 0; i < 3; ++i) {
        cues_[i]->setText(fill.cues[i]);
        cues_[i]->setVisible(!fill.cues[i].isEmpty());
    }
    noticeFrame_->setVisible(fill.noticeVisible);
    notice_->setText(fill.noticeText);
    progress_->setText(fill.progressText);
    next_->setEnabled(fill.nextEnabled);
    previous_->setEnabled(fill.previousEnabled);
    first_->setEnabled(fill.firstEnabled);
    pronounce_->setEnabled(fill.pronounceEnabled);
    play_->setEnabled(fill.playEnabled);
    answer_->setEnabled(fill.answerEnabled);
    menu_->render(view.options);
}

void FillInPanel::setTextScale(double scale) {
    setPointSize(title_, 11 * scale, true);
    setPointSize(words_, 18 * scale, false, platform::Fonts::wordFamily());
    setPointSize(input_, 18 * scale, false, platform::Fonts::wordFamily());
    setPointSize(cues_[0], 12 * scale, false, platform::Fonts::wordFamily());
    setPointSize(cues_[1], 11 * scale);
    cues_[2]->setFont(platform::Fonts::phonetic(11 * scale));
    setPointSize(notice_, 10.5 * scale);
    setPointSize(progress_, 10.5 * scale);
}

void FillInPanel::focusInput() {
    if (input_->isVisible()) {
        input_->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The panel is about to be shown (a mode switch renders after the focus rule has spoken).
    QTimer::singleShot(0, input_, [box = QPointer<FillInBox>(input_)] {
        if (box && box->isVisible()) {
            box->setFocus(Qt::OtherFocusReason);
        }
    });
}

QPushButton* FillInPanel::commandButton(int number) const {
    switch (number) {
    case 1:
        return next_;
    case 5:
        return previous_;
    case 6:
        return first_;
    case 7:
        return pronounce_;
    case 8:
        return play_;
    case 9:
        return answer_;
    default:
        return nullptr;
    }
}

} // namespace sentara::ui
