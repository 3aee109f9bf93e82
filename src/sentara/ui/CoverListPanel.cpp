#include "CoverListPanel.h"

#include "CoverListCanvas.h"
#include "PanelWidgets.h"
#include "Pictures.h"
#include "TextScroller.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace sentara::ui {

CoverListPanel::CoverListPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TextModePicture"));

    auto* header = new QHBoxLayout;
    title_ = label(QStringLiteral("TextTitleLabel"), {}, this);
    settings_ = new QToolButton(this);
    settings_->setObjectName(QStringLiteral("OptionCommand"));
    settings_->setIcon(Pictures::settingsIcon());
    settings_->setAutoRaise(true);
    settings_->setCursor(Qt::PointingHandCursor);
    settings_->setFocusPolicy(Qt::NoFocus);
    header->addWidget(title_, 1);
    header->addWidget(settings_);

    auto* tools = new QHBoxLayout;
    hint_ = label(QStringLiteral("Label1(8)"), {}, this);
    QPalette hintPalette = hint_->palette();
    hintPalette.setColor(QPalette::WindowText, QColor(0x5A, 0x62, 0x70));
    hint_->setPalette(hintPalette);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("Combo1"));
    search_->setClearButtonEnabled(true);
    search_->setMinimumWidth(180);
    restore_ = command(QStringLiteral("ResetCommand"), {}, this);
    tools->addWidget(hint_, 1);
    tools->addWidget(search_);
    tools->addWidget(restore_);

    canvas_ = new CoverListCanvas;
    scroller_ = new TextScroller({QStringLiteral("TextPicture"), QStringLiteral("UpCommand"),
                                  QStringLiteral("DownCommand"), QStringLiteral("MoveImage")},
                                 canvas_, this);
    scroller_->viewport()->setAutoFillBackground(true);
    QPalette paper = scroller_->viewport()->palette();
    paper.setColor(QPalette::Window, QColor(0xFF, 0xFE, 0xF8));
    scroller_->viewport()->setPalette(paper);

    auto* column = new QVBoxLayout(this);
    column->addLayout(header);
    column->addLayout(tools);
    column->addWidget(scroller_, 1);
    setTextScale(1.0);

    connect(settings_, &QToolButton::clicked, this,
            [this] { emit settingsClicked(QCursor::pos()); });
    connect(restore_, &QPushButton::clicked, this, &CoverListPanel::restoreClicked);
    connect(search_, &QLineEdit::textEdited, this, &CoverListPanel::searchEdited);
    connect(search_, &QLineEdit::returnPressed, this, &CoverListPanel::searchEntered);
    connect(canvas_, &CoverListCanvas::linePressed, this, &CoverListPanel::linePressed);
    connect(canvas_, &CoverListCanvas::lineReleased, this, &CoverListPanel::lineReleased);
    connect(canvas_, &CoverListCanvas::hornPressed, this, &CoverListPanel::hornPressed);
    connect(canvas_, &CoverListCanvas::hornReleased, this, &CoverListPanel::hornReleased);
    connect(canvas_, &CoverListCanvas::englishDoubleClicked, this,
            &CoverListPanel::englishDoubleClicked);
    connect(scroller_, &TextScroller::scrolledByCommand, this, &CoverListPanel::scrolledByCommand);
    connect(scroller_, &TextScroller::moved, this, [this] {
        emit positionsChanged(scroller_->canvasTopTwips(), scroller_->handleTopTwips());
    });
}

void CoverListPanel::setLessonTitle(const QString& title) {
    title_->setText(title);
}

void CoverListPanel::render(const CoverView& view, int textPanelsMoved, double storedTop) {
    settings_->setToolTip(view.settingsTip);
    hint_->setText(view.hint);
    restore_->setText(view.restoreCaption);
    search_->setPlaceholderText(view.searchPlaceholder);
    canvas_->setLines(view.lines);
    scroller_->relayout();
    if (textPanelsMoved != textPanelsMoved_) {
        // The session moved the list (a lesson load, the positions saved at the last exit): that
        // position wins over keeping the sentence shown with it in view.
        textPanelsMoved_ = textPanelsMoved;
        keepInView_ = view.keepInView;
        toTop_ = view.toTop;
        scroller_->scrollToOffset(
            static_cast<int>(std::lround(-storedTop / TextScroller::kTwipsPerPixel)));
        return;
    }
    if (view.toTop != toTop_) {
        toTop_ = view.toTop;
        scroller_->scrollToTop();
    }
    if (view.keepInView != keepInView_) {
        keepInView_ = view.keepInView;
        const int sentence = view.current;
        const CoverListCanvas* canvas = canvas_;
        scroller_->keepInView([canvas, sentence] { return canvas->sentenceRect(sentence); });
    }
}

void CoverListPanel::setTextScale(double scale) {
    setPointSize(title_, 11 * scale, true);
    setPointSize(hint_, 10.5 * scale);
    setPointSize(search_, 10.5 * scale);
    canvas_->setTextScale(scale);
    scroller_->relayout();
}

void CoverListPanel::focusSearch() {
    search_->setFocus(Qt::OtherFocusReason);
}

} // namespace sentara::ui
