#include "DictationPanel.h"

#include "BlankLine.h"
#include "ClickableLabel.h"
#include "HintCardWidget.h"
#include "PanelWidgets.h"
#include "Pictures.h"
#include "TypedInputBox.h"

#include "platform/Fonts.h"
#include "sentara/dictation/DictationTest.h"
#include "sentara/modes/WordRecall.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace sentara::ui {

namespace {

// A caption and the number beside it ("得分" 97).
QLabel* counter(QHBoxLayout* row, const QString& name, const QString& caption, QWidget* parent) {
    row->addWidget(label(name + QStringLiteral("Caption"), caption, parent));
    QLabel* value = label(name, {}, parent);
    value->setMinimumWidth(28);
    row->addWidget(value);
    row->addSpacing(10);
    return value;
}

} // namespace

DictationPanel::DictationPanel(DictationTest& test, QWidget* parent)
    : QWidget(parent), test_(test) {
    setObjectName(QStringLiteral("WritePicture"));

    auto* header = new QHBoxLayout;
    title_ = label(QStringLiteral("WriteTitleLabel"), {}, this);
    settings_ = new QToolButton(this);
    settings_->setObjectName(QStringLiteral("WriteSetImage"));
    settings_->setIcon(Pictures::settingsIcon());
    settings_->setAutoRaise(true);
    settings_->setCursor(Qt::PointingHandCursor);
    settings_->setFocusPolicy(Qt::NoFocus);
    settingsCaption_ = new ClickableLabel(QStringLiteral("听写测试设置"), this);
    settingsCaption_->setObjectName(QStringLiteral("WriteSetLabel"));
    settingsCaption_->setCursor(Qt::PointingHandCursor);
    header->addWidget(title_, 1);
    header->addWidget(settings_);
    header->addWidget(settingsCaption_);

    chinese_ = label(QStringLiteral("WriteWordChineseLabel"), {}, this);
    chinese_->setWordWrap(true);

    auto* sentenceFrame = new QFrame(this);
    sentenceFrame->setObjectName(QStringLiteral("WriteWordFrame"));
    sentenceFrame->setFrameShape(QFrame::StyledPanel);
    sentenceFrame->setAutoFillBackground(true);
    QPalette white = sentenceFrame->palette();
    white.setColor(QPalette::Window, Qt::white);
    sentenceFrame->setPalette(white);
    auto* sentenceLayout = new QVBoxLayout(sentenceFrame);
    sentenceLayout->setContentsMargins(12, 14, 12, 14);
    words_ = new BlankLine(sentenceFrame);
    words_->setObjectName(QStringLiteral("WriteWordLine"));
    words_->setPalette(white);
    sentenceLayout->addWidget(words_);
    sentenceLayout->addStretch(1);
    // Room below the words for the hint card.
    sentenceFrame->setMinimumHeight(220);

    auto* hintRow = new QHBoxLayout;
    progressiveHint_ = command(QStringLiteral("Command2"), QStringLiteral("渐进提示"), this);
    directHint_ = command(QStringLiteral("Command3"), QStringLiteral("直接提示"), this);
    restart_ = command(QStringLiteral("WriteRestCommand"), QStringLiteral("重新听写"), this);
    for (QPushButton* button : {progressiveHint_, directHint_, restart_}) {
        hintRow->addWidget(button);
    }
    hintRow->addStretch(1);

    auto* scoreRow = new QHBoxLayout;
    score_ = counter(scoreRow, QStringLiteral("SenFractionLabel"), QStringLiteral("得分"), this);
    wrongCount_ =
        counter(scoreRow, QStringLiteral("WrongCountLabel"), QStringLiteral("错误"), this);
    nextCueCount_ =
        counter(scoreRow, QStringLiteral("NextCueCountLabel"), QStringLiteral("渐进提示"), this);
    wordCueCount_ =
        counter(scoreRow, QStringLiteral("WordCueCountLabel"), QStringLiteral("直接提示"), this);
    passMark_ =
        counter(scoreRow, QStringLiteral("PassMarkLabel"), QStringLiteral("过关分数"), this);
    scoreRow->addStretch(1);

    legend_ = label(QStringLiteral("WriteKeyLabel"), DictationTest::legend(), this);
    QPalette grey = legend_->palette();
    grey.setColor(QPalette::WindowText, QColor(0x60, 0x60, 0x60));
    legend_->setPalette(grey);

    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(
        label(QStringLiteral("WriteProgressCaption"), QStringLiteral("本课听写进度"), this));
    progressText_ = label(QStringLiteral("WriteCountLabel"), {}, this);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("WriteProgressBar"));
    progress_->setRange(0, 1000);
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(12);
    resultsIcon_ = new QToolButton(this);
    resultsIcon_->setObjectName(QStringLiteral("Image1"));
    resultsIcon_->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    resultsIcon_->setToolTip(QStringLiteral("查看听写成绩"));
    resultsIcon_->setAutoRaise(true);
    resultsIcon_->setCursor(Qt::PointingHandCursor);
    resultsIcon_->setFocusPolicy(Qt::NoFocus);
    doneBadge_ = label(QStringLiteral("WriteDoneCuePicture"), QStringLiteral("✔ 本句已过关"), this);
    QPalette green = doneBadge_->palette();
    green.setColor(QPalette::WindowText, QColor(0x1E, 0x8B, 0x3A));
    doneBadge_->setPalette(green);
    progressRow->addWidget(progressText_);
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(resultsIcon_);
    progressRow->addSpacing(8);
    progressRow->addWidget(doneBadge_);

    auto* buttons = new QHBoxLayout;
    first_ = command(QStringLiteral("WriteBegainCommand"), QStringLiteral("首句"), this);
    back_ = command(QStringLiteral("WriteBackCommand"), QStringLiteral("上一句"), this);
    play_ = command(QStringLiteral("WriteReadCommand"), QStringLiteral("播放"), this);
    next_ = command(QStringLiteral("WriteNextCommand"), QStringLiteral("下一句"), this);
    buttons->addStretch(1);
    for (QPushButton* button : {first_, back_, play_, next_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->addLayout(header);
    column->addWidget(chinese_);
    column->addWidget(sentenceFrame);
    column->addLayout(hintRow);
    column->addLayout(scoreRow);
    column->addWidget(legend_);
    column->addStretch(1);
    column->addLayout(progressRow);
    column->addLayout(buttons);

    card_ = new HintCardWidget(this);
    setTextScale(1.0);

    TypedInputBox* input = words_->box();
    connect(input, &QLineEdit::textEdited, this,
            [this](const QString& text) { test_.editInput(text); });
    connect(progressiveHint_, &QPushButton::clicked, this, [this] { test_.progressiveHint(); });
    connect(directHint_, &QPushButton::clicked, this, [this] { test_.directHint(); });
    connect(restart_, &QPushButton::clicked, this, [this] { test_.restartSentence(); });
    connect(first_, &QPushButton::clicked, this, [this] { test_.firstSentence(); });
    connect(back_, &QPushButton::clicked, this, [this] { test_.previousSentence(); });
    connect(play_, &QPushButton::clicked, this, [this] { test_.playSentence(); });
    connect(next_, &QPushButton::clicked, this, [this] { test_.nextSentence(); });
    connect(settings_, &QToolButton::clicked, this,
            [this] { emit settingsClicked(QCursor::pos()); });
    connect(settingsCaption_, &ClickableLabel::clicked, this,
            [this] { emit settingsClicked(QCursor::pos()); });
    connect(resultsIcon_, &QToolButton::clicked, this, &DictationPanel::resultsClicked);
    connect(card_, &HintCardWidget::readAgainClicked, this, [this] { test_.readHintAgain(); });
}

TypedInputBox* DictationPanel::box() const {
    return words_->box();
}

void DictationPanel::setLessonTitle(const QString& title) {
    title_->setText(title);
}

void DictationPanel::render() {
    const DictationView view = test_.view();
    chinese_->setText(view.chineseLine);
    chinese_->setVisible(view.chineseVisible);
    QList<BlankLine::Cell> cells;
    for (const DictationWordView& word : view.words) {
        cells.append({word.caption, word.hidden});
    }
    words_->setCells(cells);
    words_->box()->showStored(view.inputRevision, view.inputText,
                              view.inputSelected ? 0 : static_cast<int>(view.inputText.size()),
                              view.inputSelected ? static_cast<int>(view.inputText.size()) : 0);
    words_->placeBox(view.currentBlank, view.inputVisible);
    card_->render(view.card, words_->cell(view.card.anchorWord));

    score_->setText(QString::number(view.score));
    wrongCount_->setText(QString::number(view.wrongCount));
    nextCueCount_->setText(QString::number(view.nextCueCount));
    wordCueCount_->setText(QString::number(view.wordCueCount));
    passMark_->setText(QString::number(view.passMark));
    legend_->setText(view.legend);
    progressText_->setText(view.progressText);
    progress_->setValue(static_cast<int>(view.progressRatio * 1000 + 0.5));
    doneBadge_->setVisible(view.doneBadgeVisible);

    first_->setEnabled(view.sentenceCount > 0);
    play_->setEnabled(view.sentenceCount > 0);
    back_->setEnabled(view.backEnabled);
    next_->setEnabled(view.nextEnabled);
}

void DictationPanel::setTextScale(double scale) {
    setPointSize(title_, 11 * scale, true);
    setPointSize(chinese_, 15 * scale);
    setPointSize(words_, 18 * scale, false, platform::Fonts::wordFamily());
    for (QLabel* text : {score_, wrongCount_, nextCueCount_, wordCueCount_, passMark_}) {
        setPointSize(text, 12 * scale, true);
    }
    setPointSize(legend_, 10.5 * scale);
    setPointSize(progressText_, 10.5 * scale);
    setPointSize(doneBadge_, 10.5 * scale, true);
    setPointSize(settingsCaption_, 10.5 * scale);
    card_->setTextScale(scale);
}

void DictationPanel::focusBox() {
    // A box still hidden takes the focus when it is shown.
    words_->box()->setFocus(Qt::OtherFocusReason);
}

} // namespace sentara::ui
