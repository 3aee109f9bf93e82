#include "FullTextWordPanel.h"

#include "ClickableLabel.h"
#include "FullTextWordCanvas.h"
#include "PanelWidgets.h"
#include "Pictures.h"
#include "TextScroller.h"

#include "sentara/modes/FullTextMode.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace sentara::ui {

FullTextWordPanel::FullTextWordPanel(const common::CourseFolder& folder, QWidget* parent)
    : QWidget(parent), folder_(folder) {
    setObjectName(QStringLiteral("AllWordModePicture"));

    auto* header = new QHBoxLayout;
    title_ = label(QStringLiteral("AllTitleLabel"), {}, this);
    settings_ = new QToolButton(this);
    settings_->setObjectName(QStringLiteral("AllSetImage"));
    settings_->setIcon(Pictures::settingsIcon());
    settings_->setAutoRaise(true);
    settings_->setCursor(Qt::PointingHandCursor);
    settings_->setFocusPolicy(Qt::NoFocus);
    header->addWidget(title_, 1);
    header->addWidget(settings_);

    auto* tools = new QHBoxLayout;
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("Combo2"));
    search_->setClearButtonEnabled(true);
    search_->setMinimumWidth(200);
    togglePicture_ = new ClickableLabel(this);
    togglePicture_->setObjectName(QStringLiteral("AllChineseCheckImage"));
    togglePicture_->setCursor(Qt::PointingHandCursor);
    toggleCaption_ = new ClickableLabel(this);
    toggleCaption_->setObjectName(QStringLiteral("AllChineseCheckLabel"));
    toggleCaption_->setCursor(Qt::PointingHandCursor);
    readAll_ = command(QStringLiteral("AllReadCommand"), {}, this);
    pause_ = command(QStringLiteral("PauseReadCommand"), {}, this);
    tools->addWidget(search_, 1);
    tools->addSpacing(8);
    tools->addWidget(togglePicture_);
    tools->addWidget(toggleCaption_);
    tools->addStretch(1);
    tools->addWidget(readAll_);
    tools->addWidget(pause_);

    tip_ = new QFrame(this);
    tip_->setObjectName(QStringLiteral("TipPicture"));
    tip_->setAutoFillBackground(true);
    QPalette tipPalette = tip_->palette();
    tipPalette.setColor(QPalette::Window, QColor(0xFF, 0xF6, 0xD5));
    tip_->setPalette(tipPalette);
    auto* tipLayout = new QHBoxLayout(tip_);
    tipLayout->setContentsMargins(8, 3, 8, 3);
    tipText_ = label(QStringLiteral("TipLabel"), {}, tip_);
    tipLayout->addWidget(tipText_);
    tip_->hide();

    canvas_ = new FullTextWordCanvas;
    scroller_ =
        new TextScroller({QStringLiteral("AllWordTextPicture"), QStringLiteral("AllWordUpCommand"),
                          QStringLiteral("AllWordDownCommand"), QStringLiteral("AllWordMoveImage")},
                         canvas_, this);
    scroller_->viewport()->setAutoFillBackground(true);
    QPalette paper = scroller_->viewport()->palette();
    paper.setColor(QPalette::Window, QColor(0xFF, 0xFE, 0xF8));
    scroller_->viewport()->setPalette(paper);

    auto* column = new QVBoxLayout(this);
    column->addLayout(header);
    column->addLayout(tools);
    column->addWidget(tip_);
    column->addWidget(scroller_, 1);
    setTextScale(1.0);

    connect(settings_, &QToolButton::clicked, this,
            [this] { emit settingsClicked(QCursor::pos()); });
    connect(search_, &QLineEdit::textEdited, this, &FullTextWordPanel::searchEdited);
    connect(search_, &QLineEdit::returnPressed, this, &FullTextWordPanel::searchEntered);
    connect(togglePicture_, &ClickableLabel::clicked, this,
            &FullTextWordPanel::chineseToggleClicked);
    connect(toggleCaption_, &ClickableLabel::clicked, this,
            &FullTextWordPanel::chineseToggleClicked);
    connect(readAll_, &QPushButton::clicked, this, &FullTextWordPanel::readAllClicked);
    connect(pause_, &QPushButton::clicked, this, &FullTextWordPanel::pauseClicked);
    connect(canvas_, &FullTextWordCanvas::wordClicked, this, &FullTextWordPanel::wordClicked);
    connect(canvas_, &FullTextWordCanvas::wordDoubleClicked, this,
            &FullTextWordPanel::wordDoubleClicked);
    connect(canvas_, &FullTextWordCanvas::hornClicked, this, &FullTextWordPanel::hornClicked);
    connect(canvas_, &FullTextWordCanvas::backgroundClicked, this,
            &FullTextWordPanel::backgroundClicked);
    connect(scroller_, &TextScroller::scrolledByCommand, this,
            &FullTextWordPanel::scrolledByCommand);
}

void FullTextWordPanel::setLessonTitle(const QString& title) {
    title_->setText(title);
}

void FullTextWordPanel::render(const FullTextView& view, const QColor& keyWordColour,
                               int textPanelsMoved) {
    settings_->setToolTip(view.settingsTip);
    search_->setPlaceholderText(view.searchPlaceholder);
    if (togglePictureName_ != view.chineseTogglePicture || togglePicture_->pixmap().isNull()) {
        togglePictureName_ = view.chineseTogglePicture;
        QPixmap picture = Pictures::fromCourse(folder_, view.chineseTogglePicture);
        togglePicture_->setPixmap(picture.isNull() ? Pictures::check(folder_, view.chineseLines)
                                                   : picture);
    }
    toggleCaption_->setText(view.chineseToggleCaption);
    readAll_->setText(view.readAllCaption);
    readAll_->setEnabled(view.readAllEnabled);
    pause_->setText(view.pauseCaption);
    pause_->setEnabled(view.pauseEnabled);
    tipText_->setText(view.tipText);
    tip_->setVisible(view.tipVisible);

    if (canvas_->setContent(view, keyWordColour)) {
        scroller_->relayout();
    }
    if (textPanelsMoved != textPanelsMoved_) {
        textPanelsMoved_ = textPanelsMoved;
        scroller_->scrollToTop();
    }
    if (view.keepInView != keepInView_ || view.current != current_) {
        keepInView_ = view.keepInView;
        current_ = view.current;
        const int sentence = view.current;
        const FullTextWordCanvas* canvas = canvas_;
        scroller_->keepInView([canvas, sentence] { return canvas->sentenceRect(sentence); });
    }
}

void FullTextWordPanel::setTextScale(double scale) {
    setPointSize(title_, 11 * scale, true);
    setPointSize(search_, 10.5 * scale);
    setPointSize(toggleCaption_, 10.5 * scale);
    setPointSize(tipText_, 10.5 * scale);
    canvas_->setTextScale(scale);
    scroller_->relayout();
}

void FullTextWordPanel::focusSearch() {
    search_->setFocus(Qt::OtherFocusReason);
}

} // namespace sentara::ui
