#include "SpellingPanel.h"

#include "ClickableLabel.h"
#include "PanelWidgets.h"
#include "Pictures.h"
#include "TypedInputBox.h"

#include "platform/Fonts.h"
#include "sentara/dictation/FreeSpelling.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace sentara::ui {

namespace {

ClickableLabel* line(const QString& name, QWidget* parent) {
    auto* result = new ClickableLabel(parent);
    result->setObjectName(name);
    result->setTextFormat(Qt::PlainText);
    result->setWordWrap(true);
    result->setCursor(Qt::PointingHandCursor);
    return result;
}

ClickableLabel* picture(const QString& name, QWidget* parent) {
    auto* result = new ClickableLabel(parent);
    result->setObjectName(name);
    result->setCursor(Qt::PointingHandCursor);
    return result;
}

} // namespace

SpellingPanel::SpellingPanel(FreeSpelling& spelling, const common::CourseFolder& folder,
                             QWidget* parent)
    : QWidget(parent), spelling_(spelling), folder_(folder) {
    setObjectName(QStringLiteral("PenModePicture"));

    auto* header = new QHBoxLayout;
    title_ = label(QStringLiteral("PenTitleLabel"), {}, this);
    settings_ = new QToolButton(this);
    settings_->setObjectName(QStringLiteral("PrintSetImage"));
    settings_->setIcon(Pictures::settingsIcon());
    settings_->setToolTip(QStringLiteral("自由拼写设置"));
    settings_->setAutoRaise(true);
    settings_->setCursor(Qt::PointingHandCursor);
    settings_->setFocusPolicy(Qt::NoFocus);
    header->addWidget(title_, 1);
    header->addWidget(settings_);

    auto* textFrame = new QFrame(this);
    textFrame->setObjectName(QStringLiteral("WriteSenFrame"));
    textFrame->setFrameShape(QFrame::StyledPanel);
    auto* textLayout = new QVBoxLayout(textFrame);
    auto* englishRow = new QHBoxLayout;
    englishPicture_ = picture(QStringLiteral("EnglishCheckImage"), textFrame);
    englishCaption_ = new ClickableLabel(QStringLiteral("英文"), textFrame);
    englishCaption_->setObjectName(QStringLiteral("EnglishCheckLabel"));
    english_ = line(QStringLiteral("WriteSenEnglishLabel"), textFrame);
    englishRow->addWidget(englishPicture_, 0, Qt::AlignTop);
    englishRow->addWidget(englishCaption_, 0, Qt::AlignTop);
    englishRow->addSpacing(8);
    englishRow->addWidget(english_, 1);
    auto* chineseRow = new QHBoxLayout;
    chinesePicture_ = picture(QStringLiteral("ChineseCheckImage"), textFrame);
    chineseCaption_ = new ClickableLabel(QStringLiteral("中文"), textFrame);
    chineseCaption_->setObjectName(QStringLiteral("ChineseCheckLabel"));
    chinese_ = line(QStringLiteral("WriteSenChineseLabel"), textFrame);
    chineseRow->addWidget(chinesePicture_, 0, Qt::AlignTop);
    chineseRow->addWidget(chineseCaption_, 0, Qt::AlignTop);
    chineseRow->addSpacing(8);
    chineseRow->addWidget(chinese_, 1);
    textLayout->addLayout(englishRow);
    textLayout->addSpacing(10);
    textLayout->addLayout(chineseRow);

    box_ = new TypedInputBox(this);
    box_->setObjectName(QStringLiteral("WriteText"));
    box_->setPlaceholderText(QStringLiteral("听写整句，按回车检查"));

    auto* cueRow = new QHBoxLayout;
    cueEnglish_ = command(QStringLiteral("CueEnglishCommand"), QStringLiteral("英文提示"), this);
    cueChinese_ = command(QStringLiteral("CueChineseCommand"), QStringLiteral("中文提示"), this);
    cues_ = label(QStringLiteral("PenCueCountLabel"), {}, this);
    counter_ = label(QStringLiteral("PenCounterLabel"), {}, this);
    cueRow->addWidget(cueEnglish_);
    cueRow->addWidget(cueChinese_);
    cueRow->addSpacing(12);
    cueRow->addWidget(cues_);
    cueRow->addStretch(1);
    cueRow->addWidget(counter_);

    legend_ = label(QStringLiteral("PenKeyLabel"), {}, this);
    QPalette grey = legend_->palette();
    grey.setColor(QPalette::WindowText, QColor(0x60, 0x60, 0x60));
    legend_->setPalette(grey);

    auto* buttons = new QHBoxLayout;
    first_ = command(QStringLiteral("WriteSenBegainCommand"), QStringLiteral("首句"), this);
    back_ = command(QStringLiteral("WriteSenBackCommand"), QStringLiteral("上一句"), this);
    play_ = command(QStringLiteral("WriteSenPlayCommand"), QStringLiteral("播放"), this);
    next_ = command(QStringLiteral("WriteSenNextCommand"), QStringLiteral("下一句"), this);
    buttons->addStretch(1);
    for (QPushButton* button : {first_, back_, play_, next_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->addLayout(header);
    column->addWidget(textFrame);
    column->addWidget(box_);
    column->addLayout(cueRow);
    column->addWidget(legend_);
    column->addStretch(1);
    column->addLayout(buttons);
    setTextScale(1.0);

    connect(box_, &QLineEdit::textEdited, this,
            [this](const QString& text) { spelling_.editText(text); });
    connect(box_, &TypedInputBox::keyTyped, this, [this] { spelling_.keyTyped(false); });
    connect(box_, &TypedInputBox::enterPressed, this, [this] { spelling_.keyTyped(true); });
    connect(english_, &ClickableLabel::clicked, this, [this] { spelling_.clickEnglishLine(); });
    connect(chinese_, &ClickableLabel::clicked, this, [this] { spelling_.clickChineseLine(); });
    for (ClickableLabel* toggle : {englishPicture_, englishCaption_}) {
        connect(toggle, &ClickableLabel::clicked, this, [this] { spelling_.toggleEnglish(); });
    }
    for (ClickableLabel* toggle : {chinesePicture_, chineseCaption_}) {
        connect(toggle, &ClickableLabel::clicked, this, [this] { spelling_.toggleChinese(); });
    }
    connect(cueEnglish_, &QPushButton::clicked, this, [this] { spelling_.cueEnglish(); });
    connect(cueChinese_, &QPushButton::clicked, this, [this] { spelling_.cueChinese(); });
    connect(first_, &QPushButton::clicked, this, [this] { spelling_.firstSentence(); });
    connect(back_, &QPushButton::clicked, this, [this] { spelling_.previousSentence(); });
    connect(play_, &QPushButton::clicked, this, [this] { spelling_.playSentence(); });
    connect(next_, &QPushButton::clicked, this, [this] { spelling_.nextSentence(); });
    connect(settings_, &QToolButton::clicked, this,
            [this] { emit settingsClicked(QCursor::pos()); });
}

void SpellingPanel::setLessonTitle(const QString& title) {
    title_->setText(title);
}

void SpellingPanel::showPicture(ClickableLabel* target, QString& shown, const QString& name,
                                bool on) {
    if (shown == name && !target->pixmap().isNull()) {
        return;
    }
    shown = name;
    QPixmap pixmap = Pictures::fromCourse(folder_, name);
    target->setPixmap(pixmap.isNull() ? Pictures::check(folder_, on) : pixmap);
}

void SpellingPanel::render() {
    const FreeSpellingView view = spelling_.view();
    english_->setText(view.englishLine);
    chinese_->setText(view.chineseLine);
    showPicture(englishPicture_, englishPictureName_, view.englishTogglePicture,
                view.englishTogglePicture == QStringLiteral("check_1.jpg"));
    showPicture(chinesePicture_, chinesePictureName_, view.chineseTogglePicture,
                view.chineseTogglePicture == QStringLiteral("check_1.jpg"));
    box_->showStored(view.inputRevision, view.inputText,
                     view.selectionLength > 0 ? view.selectionStart
                                              : static_cast<int>(view.inputText.size()),
                     view.selectionLength);
    cues_->setText(QStringLiteral("英文提示 %1 次　得分 %2").arg(view.englishCues).arg(view.score));
    counter_->setText(view.counterText);
    legend_->setText(view.legend);
    first_->setEnabled(view.sentenceCount > 0);
    play_->setEnabled(view.sentenceCount > 0);
    back_->setEnabled(view.backEnabled);
    next_->setEnabled(view.nextEnabled);
}

void SpellingPanel::setTextScale(double scale) {
    setPointSize(title_, 11 * scale, true);
    setPointSize(english_, 18 * scale, false, platform::Fonts::wordFamily());
    setPointSize(chinese_, 15 * scale);
    setPointSize(box_, 16 * scale, false, platform::Fonts::wordFamily());
    for (QLabel* text : {cues_, counter_, legend_, static_cast<QLabel*>(englishCaption_),
                         static_cast<QLabel*>(chineseCaption_)}) {
        setPointSize(text, 10.5 * scale);
    }
}

void SpellingPanel::focusBox() {
    box_->setFocus(Qt::OtherFocusReason);
}

} // namespace sentara::ui
