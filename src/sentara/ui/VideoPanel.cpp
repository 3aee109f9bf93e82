#include "VideoPanel.h"

#include "ClickableLabel.h"
#include "PanelWidgets.h"
#include "Pictures.h"
#include "ProgressStrip.h"
#include "VideoArea.h"
#include "WordLine.h"

#include "platform/Fonts.h"
#include "sentara/course/SentaraSession.h"
#include "sentara/modes/VideoMode.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace sentara::ui {

namespace {

QFrame* line(const QString& name, QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return frame;
}

} // namespace

VideoPanel::VideoPanel(SentaraSession& session, const common::CourseFolder& folder, QWidget* parent)
    : QWidget(parent), session_(session), folder_(folder) {
    setObjectName(QStringLiteral("VideoModePicture"));
    setMouseTracking(true);

    auto* header = new QHBoxLayout;
    title_ = label(QStringLiteral("VideoTitleLabel"), {}, this);
    counter_ = label(QStringLiteral("VideoCounterLabel"), {}, this);
    header->addWidget(title_, 1);
    header->addWidget(counter_);

    area_ = new VideoArea(this);

    englishLine_ = line(QStringLiteral("Picture2"), this);
    words_ = new WordLine(QStringLiteral("VideoWordLabel"), englishLine_);
    auto* englishLayout = new QVBoxLayout(englishLine_);
    englishLayout->setContentsMargins(6, 3, 6, 3);
    englishLayout->addWidget(words_);

    chineseLine_ = line(QStringLiteral("Picture3"), this);
    chinese_ = new ClickableLabel(chineseLine_);
    chinese_->setObjectName(QStringLiteral("VideoChineseLabel"));
    chinese_->setTextFormat(Qt::PlainText);
    chinese_->setWordWrap(true);
    auto* chineseLayout = new QVBoxLayout(chineseLine_);
    chineseLayout->setContentsMargins(6, 3, 6, 3);
    chineseLayout->addWidget(chinese_);

    progress_ = new ProgressStrip(this);
    progress_->setObjectName(QStringLiteral("Label3"));
    progress_->setClickable(true);

    englishToggle_ = new ClickableLabel(this);
    englishToggle_->setObjectName(QStringLiteral("Image12"));
    englishToggle_->setToolTip(QStringLiteral("显示或隐藏英文"));
    englishToggle_->setCursor(Qt::PointingHandCursor);
    chineseToggle_ = new ClickableLabel(this);
    chineseToggle_->setObjectName(QStringLiteral("Image13"));
    chineseToggle_->setToolTip(QStringLiteral("显示或隐藏中文"));
    chineseToggle_->setCursor(Qt::PointingHandCursor);

    first_ = command(QStringLiteral("VideoBegainCommand"), QStringLiteral("首句"), this);
    back_ = command(QStringLiteral("VideoBackCommand"), QStringLiteral("上一句"), this);
    read_ = command(QStringLiteral("VideoReadCommand"), QStringLiteral("连续播放"), this);
    pause_ = command(QStringLiteral("VideoPauseCommand"), QStringLiteral("暂停"), this);
    play_ = command(QStringLiteral("VideoPlayCommand"), QStringLiteral("播放本句"), this);
    next_ = command(QStringLiteral("VideoNextCommand"), QStringLiteral("下一句"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(englishToggle_);
    buttons->addWidget(chineseToggle_);
    buttons->addStretch(1);
    for (QPushButton* button : {first_, back_, read_, pause_, play_, next_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    auto* column = new QVBoxLayout(this);
    column->addLayout(header);
    column->addWidget(area_, 1);
    column->addWidget(englishLine_);
    column->addWidget(chineseLine_);
    column->addWidget(progress_);
    column->addLayout(buttons);

    tip_ = new QFrame(this);
    tip_->setObjectName(QStringLiteral("Picture5"));
    tip_->setFrameShape(QFrame::Box);
    tip_->setAutoFillBackground(true);
    QPalette tipPalette = tip_->palette();
    tipPalette.setColor(QPalette::Window, QColor(0xFF, 0xFB, 0xE6));
    tip_->setPalette(tipPalette);
    tipText_ = label(QStringLiteral("Label1(55)"), {}, tip_);
    auto* tipLayout = new QVBoxLayout(tip_);
    tipLayout->setContentsMargins(6, 3, 6, 3);
    tipLayout->addWidget(tipText_);
    tip_->hide();

    setTextScale(1.0);

    VideoMode& mode = session_.videoMode();
    connect(first_, &QPushButton::clicked, this, [&mode] { mode.firstSentence(); });
    connect(back_, &QPushButton::clicked, this, [&mode] { mode.previousSentence(); });
    connect(next_, &QPushButton::clicked, this, [&mode] { mode.nextSentence(); });
    connect(read_, &QPushButton::clicked, this, [&mode] { mode.playOn(); });
    connect(pause_, &QPushButton::clicked, this, [&mode] { mode.pauseVideo(); });
    connect(play_, &QPushButton::clicked, this, [&mode] { mode.playSentence(); });
    connect(area_, &VideoArea::clicked, this, [&mode] { mode.toggleVideoPlay(); });
    connect(area_, &VideoArea::pointerMoved, this, [&mode] { mode.hideTip(); });
    connect(progress_, &ProgressStrip::segmentClicked, this,
            [&mode](int sentence) { mode.playOnFromSegment(sentence); });
    connect(progress_, &ProgressStrip::segmentHovered, this,
            [&mode](int sentence) { mode.hoverSegment(sentence); });
    connect(englishToggle_, &ClickableLabel::clicked, this, [&mode] { mode.toggleVideoEnglish(); });
    connect(chineseToggle_, &ClickableLabel::clicked, this, [&mode] { mode.toggleVideoChinese(); });
    connect(words_, &WordLine::wordClicked, this,
            [&mode](int index, Qt::MouseButton button, Qt::KeyboardModifiers) {
                if (button == Qt::LeftButton) {
                    mode.clickWord(index);
                }
            });
    connect(chinese_, &ClickableLabel::clicked, this, [this] { session_.hideWordPanel(); });
}

void VideoPanel::setLessonTitle(const QString& title) {
    title_->setText(title);
}

void VideoPanel::renderPicture(const VideoView& view) {
    area_->showNativePicture(view.nativePicture);
}

void VideoPanel::render(const VideoView& view, const QColor& keyWordColour) {
    renderPicture(view);
    counter_->setText(view.counterText);

    QList<WordLine::Word> words;
    for (const WordCell& cell : view.words) {
        words.append({cell.caption, cell.clickable, cell.keyWord});
    }
    words_->setWords(words, keyWordColour);
    chinese_->setText(view.chinese);
    englishLine_->setVisible(view.englishVisible);
    chineseLine_->setVisible(view.chineseVisible);
    setPicture(englishToggle_, englishPicture_, view.englishTogglePicture, view.englishVisible);
    setPicture(chineseToggle_, chinesePicture_, view.chineseTogglePicture, view.chineseVisible);

    progress_->setProgress(view.progressFilled, view.progressSegments);
    read_->setVisible(view.readCommandVisible);
    pause_->setVisible(view.pauseCommandVisible);
    for (QPushButton* button : {first_, read_, pause_, play_}) {
        button->setEnabled(view.playEnabled);
    }
    back_->setEnabled(view.backEnabled);
    next_->setEnabled(view.nextEnabled);

    tipText_->setText(view.tipText);
    tipSegment_ = view.tipSegment;
    tip_->setVisible(view.tipVisible);
    placeTip();
}

void VideoPanel::setPicture(ClickableLabel* toggle, QString& shown, const QString& name, bool on) {
    if (shown == name && !toggle->pixmap().isNull()) {
        return;
    }
    shown = name;
    QPixmap picture = Pictures::fromCourse(folder_, name);
    if (picture.isNull()) {
        picture = Pictures::check(folder_, on);
    }
    toggle->setPixmap(picture);
}

void VideoPanel::placeTip() {
    if (!tip_->isVisible()) {
        return;
    }
    tip_->adjustSize();
    // Over its segment, kept inside the panel.
    const QRect segment = progress_->segmentRect(tipSegment_);
    const QPoint centre = progress_->mapTo(this, segment.center());
    const int x =
        std::clamp(centre.x() - tip_->width() / 2, 0, std::max(0, width() - tip_->width()));
    const int y = std::max(0, progress_->mapTo(this, QPoint(0, 0)).y() - tip_->height() - 2);
    tip_->move(x, y);
    tip_->raise();
}

void VideoPanel::setTextScale(double scale) {
    setPointSize(title_, 11 * scale, true);
    setPointSize(counter_, 10.5 * scale);
    setPointSize(words_, 16 * scale, false, platform::Fonts::wordFamily());
    setPointSize(chinese_, 13 * scale);
    setPointSize(tipText_, 10.5 * scale, false, platform::Fonts::wordFamily());
    progress_->setMinimumHeight(static_cast<int>(10 * scale));
}

void VideoPanel::mouseMoveEvent(QMouseEvent*) {
    session_.videoMode().hideTip();
}

void VideoPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        session_.hideWordPanel();
    }
    QWidget::mouseReleaseEvent(event);
}

void VideoPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeTip();
}

} // namespace sentara::ui
