#include "WordPanelWidget.h"

#include "ClickableLabel.h"
#include "PanelWidgets.h"

#include "platform/Fonts.h"
#include "sentara/modes/WordPanel.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace sentara::ui {

namespace {

// How far from the pointer the panel opens, so it does not cover the clicked word.
constexpr int kPointerOffset = 16;

} // namespace

WordPanelWidget::WordPanelWidget(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("WordPicture"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xF0));
    setPalette(palette);

    headword_ = label(QStringLiteral("WordEnglishTextLabel"), {}, this);
    link_ = new ClickableLabel(this);
    link_->setObjectName(QStringLiteral("WebWordFindLabel"));
    link_->setCursor(Qt::PointingHandCursor);
    link_->setPressShift(1);
    link_->setToolTip(QStringLiteral("在网上词典中查看这个单词"));
    QPalette linkPalette = link_->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0x1A, 0x5F, 0xB4));
    link_->setPalette(linkPalette);
    phonetic_ = label(QStringLiteral("WordPronTextLabel"), {}, this);
    meaning_ = label(QStringLiteral("WordChineseTextLabel"), {}, this);
    meaning_->setWordWrap(true);
    meaning_->setMaximumWidth(360);

    auto* top = new QHBoxLayout;
    top->addWidget(headword_);
    top->addWidget(link_);
    top->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(10, 8, 10, 8);
    column->addLayout(top);
    column->addWidget(phonetic_);
    column->addWidget(meaning_);
    setTextScale(1.0);
    hide();

    connect(link_, &ClickableLabel::clicked, this, &WordPanelWidget::dictionaryLinkClicked);
}

void WordPanelWidget::render(const WordPanelView& view) {
    headword_->setText(view.headword);
    link_->setText(view.linkCaption);
    phonetic_->setText(view.phonetic);
    phonetic_->setVisible(!view.phonetic.isEmpty());
    meaning_->setText(view.meaning);
    // Labels that have never been on screen do not tell their layouts that their text changed:
    // without this the panel could open at the size of an earlier, shorter word.
    for (QLayout* layout : findChildren<QLayout*>()) {
        layout->invalidate();
    }
    if (view.visible && view.showCount != shownCount_) {
        adjustSize();
        placeNearPointer();
        raise();
        show();
    } else if (view.visible) {
        adjustSize();
    } else {
        hide();
    }
    shownCount_ = view.visible ? view.showCount : -1;
}

void WordPanelWidget::placeNearPointer() {
    const QWidget* holder = parentWidget();
    if (!holder) {
        return;
    }
    const QPoint pointer = holder->mapFromGlobal(QCursor::pos());
    QPoint at = pointer + QPoint(kPointerOffset, kPointerOffset);
    // Kept inside the window: it opens to the left of or above the pointer near an edge.
    if (at.x() + width() > holder->width()) {
        at.setX(pointer.x() - kPointerOffset - width());
    }
    if (at.y() + height() > holder->height()) {
        at.setY(pointer.y() - kPointerOffset - height());
    }
    at.setX(std::clamp(at.x(), 0, std::max(0, holder->width() - width())));
    at.setY(std::clamp(at.y(), 0, std::max(0, holder->height() - height())));
    move(at);
}

void WordPanelWidget::setTextScale(double scale) {
    setPointSize(headword_, 14 * scale, true, platform::Fonts::wordFamily());
    setPointSize(link_, 10.5 * scale);
    phonetic_->setFont(platform::Fonts::phonetic(11 * scale));
    setPointSize(meaning_, 11 * scale);
}

} // namespace sentara::ui
