#include "RecallPanel.h"

#include "HiddenWordLine.h"
#include "HintCardWidget.h"
#include "OptionsMenu.h"
#include "PanelWidgets.h"
#include "Pictures.h"

#include "platform/Fonts.h"
#include "sentara/course/SentaraSession.h"
#include "sentara/modes/WordRecall.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace sentara::ui {

RecallPanel::RecallPanel(SentaraSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("ClickWordModePicture"));

    auto* header = new QHBoxLayout;
    title_ = label(QStringLiteral("ClickWordTitleLabel"), {}, this);
    settings_ = new QToolButton(this);
    settings_->setObjectName(QStringLiteral("ClickWordSetImage"));
    settings_->setIcon(Pictures::settingsIcon());
    settings_->setToolTip(QStringLiteral("句子回想设置"));
    settings_->setAutoRaise(true);
    settings_->setCursor(Qt::PointingHandCursor);
    settings_->setFocusPolicy(Qt::NoFocus);
    header->addWidget(title_, 1);
    header->addWidget(settings_);

    chinese_ = label(QStringLiteral("ClickWordChineseLabel"), {}, this);
    chinese_->setWordWrap(true);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("ClickWordFrame"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* frameLayout = new QVBoxLayout(frame);
    words_ = new HiddenWordLine(QStringLiteral("ClickWordLabel"), HiddenWordLine::HiddenLook::Box,
                                frame);
    // A click on punctuation is a click on a word too: the word clicked next starts afresh.
    words_->setPlainClicks(true);
    frameLayout->addWidget(words_);

    instruction_ = label(QStringLiteral("ClickWordTipLabel"),
                         QStringLiteral("单击单词逐步获得提示：词义、首字母、读音、音标、单词；"
                                        "双击单词直接显示或隐藏。"),
                         this);
    instruction_->setWordWrap(true);
    QPalette grey = instruction_->palette();
    grey.setColor(QPalette::WindowText, QColor(0x70, 0x70, 0x70));
    instruction_->setPalette(grey);

    counter_ = label(QStringLiteral("ClickWordCounterLabel"), {}, this);
    counter_->setAlignment(Qt::AlignCenter);
    first_ = command(QStringLiteral("WordBegainCommand"), QStringLiteral("首句"), this);
    back_ = command(QStringLiteral("WordBackCommand"), QStringLiteral("上一句"), this);
    read_ = command(QStringLiteral("WordReadCommand"), QStringLiteral("朗读"), this);
    next_ = command(QStringLiteral("WordNextCommand"), QStringLiteral("下一句"), this);
    reset_ = command(QStringLiteral("WordRestCommand"), QStringLiteral("重置"), this);
    reset_->setToolTip(QStringLiteral("所有单词重新隐藏（F12）"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {first_, back_, read_, next_, reset_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->addLayout(header);
    column->addWidget(chinese_);
    column->addWidget(frame);
    column->addWidget(instruction_);
    column->addStretch(1);
    column->addWidget(counter_);
    column->addLayout(buttons);

    card_ = new HintCardWidget(this);
    menu_ = new OptionsMenu(QStringLiteral("ClickSet"), QStringLiteral("句子回想设置"), this);
    menu_->addToggle(OptionToggle::ClickChinese);
    menu_->addSeparator();
    menu_->addFamily(OptionFamily::ClickRead);
    menu_->addFamily(OptionFamily::ClickPause);
    setTextScale(1.0);
    // The card follows its word when the words move (the Chinese line shown or hidden, a resize).
    frame->installEventFilter(this);
    words_->installEventFilter(this);

    WordRecall& recall = session_.wordRecall();
    connect(words_, &HiddenWordLine::wordClicked, this,
            [&recall](int word) { recall.GiveNextHint(word); });
    connect(words_, &HiddenWordLine::wordDoubleClicked, this,
            [&recall](int word) { recall.ToggleWordReveal(word); });
    connect(words_, &HiddenWordLine::wordHovered, this,
            [&recall](int word) { recall.HoverWordHint(word); });
    connect(card_, &HintCardWidget::readAgainClicked, this, [&recall] { recall.readAgain(); });
    connect(reset_, &QPushButton::clicked, this, [&recall] { recall.resetSentence(); });
    // The navigation runs the sentence view's commands; its buttons are enabled as those are.
    connect(first_, &QPushButton::clicked, this, [this] { session_.SenBegainCommand_Click(); });
    connect(back_, &QPushButton::clicked, this, [this] { session_.SenBackCommand_Click(); });
    connect(next_, &QPushButton::clicked, this, [this] { session_.SenNextCommand_Click(); });
    connect(read_, &QPushButton::clicked, this, [this] { session_.SenPlayCommand_Click(); });
    connect(settings_, &QToolButton::clicked, this, [this] { menu_->popup(QCursor::pos()); });
    connect(menu_, &OptionsMenu::familyChosen, this,
            [this](OptionFamily family, int index) { session_.selectOption(family, index); });
    connect(menu_, &OptionsMenu::toggleChosen, this,
            [this](OptionToggle toggle) { session_.toggleOption(toggle); });
}

void RecallPanel::render(const SessionView& view) {
    const WordRecallView recall = session_.wordRecall().view();
    title_->setText(view.lesson.title);
    chinese_->setText(recall.chineseLine);
    chinese_->setVisible(recall.chineseVisible);
    QList<HiddenWordLine::Word> words;
    for (const RecallWordView& word : recall.words) {
        // A revealed word keeps the room of its underline, so nothing moves.
        words.append(
            {word.caption, word.clickable, word.hidden, word.clickable && word.hidden, false});
    }
    words_->setWords(words);
    shownCard_ = recall.card;
    card_->render(shownCard_, words_->cell(shownCard_.anchorWord));
    counter_->setText(view.sentence.counterText);
    first_->setEnabled(view.sentence.count > 0);
    read_->setEnabled(view.sentence.count > 0);
    back_->setEnabled(view.sentence.backEnabled);
    next_->setEnabled(view.sentence.nextEnabled);
    reset_->setEnabled(view.sentence.count > 0);
    menu_->render(view.options);
}

void RecallPanel::setTextScale(double scale) {
    setPointSize(title_, 11 * scale, true);
    setPointSize(chinese_, 15 * scale);
    setPointSize(words_, 18 * scale, false, platform::Fonts::wordFamily());
    setPointSize(instruction_, 10 * scale);
    setPointSize(counter_, 10.5 * scale);
    card_->setTextScale(scale);
}

bool RecallPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool words = watched == words_ || watched == words_->parentWidget();
    if (words && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        card_->render(shownCard_, words_->cell(shownCard_.anchorWord));
    }
    return QWidget::eventFilter(watched, event);
}

void RecallPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        session_.wordRecall().hideCard(); // a click beside the words
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace sentara::ui
