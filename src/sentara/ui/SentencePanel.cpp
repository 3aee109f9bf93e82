#include "SentencePanel.h"

#include "ClickableLabel.h"
#include "NoteBox.h"
#include "PanelWidgets.h"
#include "Pictures.h"
#include "ProgressStrip.h"
#include "StoredColour.h"
#include "WordLine.h"

#include "common/CourseFolder.h"
#include "platform/Fonts.h"
#include "sentara/course/SessionView.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace sentara::ui {

SentencePanel::SentencePanel(const common::CourseFolder& folder, QWidget* parent)
    : QWidget(parent), folder_(folder) {
    setObjectName(QStringLiteral("SenModePicture"));

    auto* header = new QHBoxLayout;
    title_ = label(QStringLiteral("SenTitleLabel"), {}, this);
    settings_ = new QToolButton(this);
    settings_->setObjectName(QStringLiteral("SenModeSetImage"));
    settings_->setIcon(Pictures::settingsIcon());
    settings_->setToolTip(QStringLiteral("句子浏览设置"));
    settings_->setAutoRaise(true);
    settings_->setCursor(Qt::PointingHandCursor);
    settings_->setFocusPolicy(Qt::NoFocus);
    header->addWidget(title_, 1);
    header->addWidget(settings_);

    auto* englishFrame = new QFrame(this);
    englishFrame->setObjectName(QStringLiteral("SenEnglishFrame"));
    englishFrame->setFrameShape(QFrame::StyledPanel);
    auto* englishLayout = new QVBoxLayout(englishFrame);
    words_ = new WordLine(QStringLiteral("SenWordLabel"), englishFrame);
    words_->setObjectName(QStringLiteral("SenEnglishTextLabel"));
    englishLayout->addWidget(words_);

    chinese_ = label(QStringLiteral("SenChineseLabel"), {}, this);
    chinese_->setWordWrap(true);

    noteCaption_ = label(QStringLiteral("Label1(2)"), {}, this);
    noteCaption_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* noteHolder = new QWidget(this);
    noteStack_ = new QStackedLayout(noteHolder);
    noteStack_->setStackingMode(QStackedLayout::StackAll);
    note_ = new NoteBox(noteHolder);
    note_->setMaximumHeight(90);
    placeholderFrame_ = new QFrame(noteHolder);
    placeholderFrame_->setObjectName(QStringLiteral("NoneNotePicture"));
    placeholderFrame_->setAutoFillBackground(true);
    placeholderFrame_->setCursor(Qt::IBeamCursor);
    auto* placeholderLayout = new QVBoxLayout(placeholderFrame_);
    placeholder_ = new ClickableLabel(placeholderFrame_);
    placeholder_->setObjectName(QStringLiteral("NoneNoteLabel"));
    placeholder_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeholder_->setCursor(Qt::IBeamCursor);
    QPalette grey = placeholder_->palette();
    grey.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    placeholder_->setPalette(grey);
    placeholderLayout->addWidget(placeholder_);
    noteStack_->addWidget(note_);
    noteStack_->addWidget(placeholderFrame_);
    noteHolder->setMaximumHeight(90);
    auto* noteRow = new QHBoxLayout;
    noteRow->addWidget(noteCaption_);
    noteRow->addWidget(noteHolder, 1);

    auto* toggleRow = new QHBoxLayout;
    togglePicture_ = new ClickableLabel(this);
    togglePicture_->setObjectName(QStringLiteral("SenChineseCheckImage"));
    toggleCaption_ = new ClickableLabel(this);
    toggleCaption_->setObjectName(QStringLiteral("SenShowChineseLabel"));
    toggleRow->addWidget(togglePicture_);
    toggleRow->addWidget(toggleCaption_);
    toggleRow->addStretch(1);

    auto* counterRow = new QHBoxLayout;
    summary_ = label(QStringLiteral("Label1(11)"), {}, this);
    counterCurrent_ = label(QStringLiteral("Label1(9)"), {}, this);
    counterSeparator_ = label(QStringLiteral("Label1(10)"), QStringLiteral(" / "), this);
    counterTotal_ = label(QStringLiteral("Label1(43)"), {}, this);
    counterRow->addWidget(summary_);
    counterRow->addStretch(1);
    counterRow->addWidget(counterCurrent_);
    counterRow->addWidget(counterSeparator_);
    counterRow->addWidget(counterTotal_);
    counterRow->setSpacing(0);

    progress_ = new ProgressStrip(this);
    progress_->setObjectName(QStringLiteral("Label3"));

    auto* buttons = new QHBoxLayout;
    first_ = command(QStringLiteral("SenBegainCommand"), QStringLiteral("首句"), this);
    back_ = command(QStringLiteral("SenBackCommand"), QStringLiteral("上一句"), this);
    play_ = command(QStringLiteral("SenPlayCommand"), QStringLiteral("播放"), this);
    next_ = command(QStringLiteral("SenNextCommand"), QStringLiteral("下一句"), this);
    buttons->addStretch(1);
    for (QPushButton* button : {first_, back_, play_, next_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->addLayout(header);
    column->addWidget(englishFrame);
    column->addWidget(chinese_);
    column->addLayout(toggleRow);
    column->addLayout(noteRow);
    column->addStretch(1);
    column->addLayout(counterRow);
    column->addWidget(progress_);
    column->addLayout(buttons);

    setTextScale(1.0);

    connect(first_, &QPushButton::clicked, this, &SentencePanel::firstClicked);
    connect(back_, &QPushButton::clicked, this, &SentencePanel::backClicked);
    connect(play_, &QPushButton::clicked, this, &SentencePanel::playClicked);
    connect(next_, &QPushButton::clicked, this, &SentencePanel::nextClicked);
    connect(togglePicture_, &ClickableLabel::clicked, this, &SentencePanel::chineseToggleClicked);
    connect(toggleCaption_, &ClickableLabel::clicked, this, &SentencePanel::chineseToggleClicked);
    connect(placeholder_, &ClickableLabel::clicked, this, &SentencePanel::placeholderClicked);
    connect(note_, &NoteBox::edited, this, &SentencePanel::noteChanged);
    connect(note_, &NoteBox::editingFinished, this, &SentencePanel::noteEdited);
    connect(words_, &WordLine::wordClicked, this, &SentencePanel::wordClicked);
    connect(progress_, &ProgressStrip::segmentClicked, this, &SentencePanel::segmentClicked);
    connect(progress_, &ProgressStrip::segmentHovered, this, &SentencePanel::segmentHovered);
    progress_->setClickable(true);
    connect(settings_, &QToolButton::clicked, this,
            [this] { emit settingsClicked(QCursor::pos()); });
}

void SentencePanel::setLessonTitle(const QString& title) {
    title_->setText(title);
}

void SentencePanel::render(const SentenceView& view, const QColor& keyWordColour) {
    QList<WordLine::Word> words;
    for (const WordCell& cell : view.words) {
        words.append({cell.caption, cell.clickable, cell.keyWord});
    }
    words_->setWords(words, keyWordColour);

    chinese_->setText(view.chinese);
    chinese_->setVisible(view.chineseVisible);
    noteCaption_->setText(view.noteCaption);
    noteCaption_->setVisible(view.noteBoxVisible);
    note_->showStored(view.noteOwner, view.note);
    note_->parentWidget()->setVisible(view.noteBoxVisible || view.notePlaceholderVisible);
    placeholder_->setText(view.notePlaceholder);
    placeholderFrame_->setVisible(view.notePlaceholderVisible);
    if (view.notePlaceholderVisible) {
        noteStack_->setCurrentWidget(placeholderFrame_);
        placeholderFrame_->raise();
    } else {
        noteStack_->setCurrentWidget(note_);
    }
    note_->setVisible(view.noteBoxVisible);

    if (togglePictureName_ != view.chineseTogglePicture || togglePicture_->pixmap().isNull()) {
        togglePictureName_ = view.chineseTogglePicture;
        QPixmap picture = Pictures::fromCourse(folder_, view.chineseTogglePicture);
        if (picture.isNull()) {
            picture = Pictures::check(folder_, view.chineseVisible);
        }
        togglePicture_->setPixmap(picture);
    }
    toggleCaption_->setText(view.chineseToggleCaption);

    summary_->setText(view.summaryText);
    const qsizetype slash = view.counterText.indexOf(QLatin1Char('/'));
    counterCurrent_->setText(slash < 0 ? view.counterText : view.counterText.left(slash).trimmed());
    counterTotal_->setText(slash < 0 ? QString() : view.counterText.mid(slash + 1).trimmed());
    counterSeparator_->setVisible(slash >= 0);

    progress_->setColours(fromStoredColour(view.progressColour), QColor(0xD8, 0xD8, 0xD8));
    progress_->setProgress(view.progressFilled, view.progressSegments);

    back_->setEnabled(view.backEnabled);
    next_->setEnabled(view.nextEnabled);
    first_->setEnabled(view.count > 0);
    play_->setEnabled(view.count > 0);
}

void SentencePanel::setTextScale(double scale) {
    setPointSize(title_, 11 * scale, true);
    setPointSize(words_, 18 * scale, false, platform::Fonts::wordFamily());
    setPointSize(chinese_, 15 * scale);
    setPointSize(note_, 11 * scale);
    setPointSize(placeholder_, 11 * scale);
    setPointSize(noteCaption_, 11 * scale);
    for (QLabel* text : {summary_, counterCurrent_, counterSeparator_, counterTotal_,
                         static_cast<QLabel*>(toggleCaption_)}) {
        setPointSize(text, 10.5 * scale);
    }
    progress_->setMinimumHeight(static_cast<int>(10 * scale));
}

void SentencePanel::focusNote() {
    note_->setFocus(Qt::OtherFocusReason);
}

void SentencePanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit backgroundClicked();
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace sentara::ui
