#include "oralix/ui/FullTextPanel.h"

#include "oralix/core/FullTextScroll.h"
#include "oralix/core/OralixSession.h"
#include "oralix/ui/FullTextCanvas.h"
#include "oralix/ui/PanelButton.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace oralix::ui {

FullTextPanel::FullTextPanel(OralixSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("FullTextPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    controls_ = new QWidget(this);
    controls_->setObjectName(QStringLiteral("Frame3"));
    auto* row = new QHBoxLayout(controls_);
    row->setContentsMargins(0, 0, 0, 0);
    showChinese_ = new QCheckBox(QStringLiteral("显示中文"), controls_);
    showChinese_->setObjectName(QStringLiteral("Check3"));
    showChinese_->setFocusPolicy(Qt::NoFocus); // the arrow keys keep scrolling the text
    readAll_ = panelButton(QString(), QStringLiteral("Command6"), controls_);
    pause_ = panelButton(QString(), QStringLiteral("Command7"), controls_);
    row->addWidget(showChinese_);
    row->addStretch();
    row->addWidget(readAll_);
    row->addWidget(pause_);
    layout->addWidget(controls_);

    reset_ = panelButton(QStringLiteral("重置"), QStringLiteral("Command16"), this);
    layout->addWidget(reset_, 0, Qt::AlignRight);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("Picture5"));
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->verticalScrollBar()->setFocusPolicy(Qt::NoFocus);
    scroll_->setFixedSize(kWidth, kHeight);
    canvas_ = new FullTextCanvas(session_, scroll_);
    scroll_->setWidget(canvas_);
    layout->addWidget(scroll_);

    connect(showChinese_, &QCheckBox::toggled, &session_, &OralixSession::setShowChinese);
    connect(readAll_, &QPushButton::clicked, &session_, &OralixSession::readAllPressed);
    connect(pause_, &QPushButton::clicked, &session_, &OralixSession::pauseResumePressed);
    connect(reset_, &QPushButton::clicked, &session_, &OralixSession::resetRows);
    connect(&session_, &OralixSession::scrollToTop, this,
            [this] { scroll_->verticalScrollBar()->setValue(0); });
    connect(&session_, &OralixSession::followRow, this, &FullTextPanel::follow);
    connect(canvas_, &FullTextCanvas::keyScroll, this, [this](int key) {
        QScrollBar* bar = scroll_->verticalScrollBar();
        bar->setValue(key == Qt::Key_Up ? FullTextScroll::arrowUp(bar->value())
                                        : FullTextScroll::arrowDown(bar->value(), bar->maximum()));
    });
}

void FullTextPanel::render(const OralixView& view) {
    controls_->setVisible(view.modeInfo.fullTextControls);
    reset_->setVisible(view.modeInfo.resetButton);
    {
        const QSignalBlocker block(showChinese_);
        showChinese_->setChecked(view.fullText.showChinese);
    }
    readAll_->setText(view.fullText.readAllCaption);
    pause_->setText(view.fullText.pauseCaption);
    pause_->setEnabled(view.fullText.pauseEnabled);
    if (view.modeInfo.fullText) {
        canvas_->render(session_.lesson().rows(),
                        kWidth - scroll_->verticalScrollBar()->sizeHint().width() - 2);
    }
}

void FullTextPanel::follow(int row) {
    QScrollBar* bar = scroll_->verticalScrollBar();
    bar->setValue(FullTextScroll::follow(canvas_->englishBottom(row), scroll_->viewport()->height(),
                                         bar->value(), bar->maximum()));
}

} // namespace oralix::ui
