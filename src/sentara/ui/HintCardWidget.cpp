#include "HintCardWidget.h"

#include "ClickableLabel.h"
#include "PanelWidgets.h"

#include "platform/Fonts.h"
#include "sentara/modes/WordRecall.h"

#include <QMouseEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace sentara::ui {

HintCardWidget::HintCardWidget(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("WordCuePicture"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xFB, 0xE6));
    setPalette(palette);

    meaning_ = label(QStringLiteral("CueChineseLabel"), {}, this);
    meaning_->setWordWrap(true);
    meaning_->setMinimumWidth(160);
    meaning_->setMaximumWidth(320);
    firstLetter_ = label(QStringLiteral("CueFristLabel"), {}, this);
    readAgain_ = new ClickableLabel(this);
    readAgain_->setObjectName(QStringLiteral("WordReadLabel"));
    readAgain_->setTextFormat(Qt::PlainText);
    readAgain_->setCursor(Qt::PointingHandCursor);
    phonetic_ = label(QStringLiteral("CuePronLabel"), {}, this);
    word_ = label(QStringLiteral("CueWordTextLabel"), {}, this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 6, 8, 6);
    column->setSpacing(2);
    for (QWidget* line : {static_cast<QWidget*>(meaning_), static_cast<QWidget*>(firstLetter_),
                          static_cast<QWidget*>(readAgain_), static_cast<QWidget*>(phonetic_),
                          static_cast<QWidget*>(word_)}) {
        column->addWidget(line);
    }
    applyFonts(false, false);
    hide();

    connect(readAgain_, &ClickableLabel::clicked, this, &HintCardWidget::readAgainClicked);
}

void HintCardWidget::render(const HintCardView& view, const QWidget* anchor) {
    if (!view.visible) {
        hide();
        return;
    }
    meaning_->setText(view.meaning);
    firstLetter_->setText(view.firstLetter);
    readAgain_->setText(view.readAgain);
    phonetic_->setText(view.phonetic);
    word_->setText(view.word);
    applyFonts(view.phoneticGiven, view.wordGiven);
    adjustSize();
    placeBelow(anchor);
    raise();
    show();
}

void HintCardWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void HintCardWidget::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void HintCardWidget::setTextScale(double scale) {
    scale_ = scale;
}

void HintCardWidget::applyFonts(bool phoneticGiven, bool wordGiven) {
    setPointSize(meaning_, 10.5 * scale_);
    setPointSize(firstLetter_, 10.5 * scale_);
    setPointSize(readAgain_, 10.5 * scale_);
    // A line not given yet reads "[提示]" in the plain font.
    if (phoneticGiven) {
        phonetic_->setFont(platform::Fonts::phonetic(9.75 * scale_, true));
    } else {
        setPointSize(phonetic_, 9 * scale_);
    }
    if (wordGiven) {
        setPointSize(word_, 10.5 * scale_, false, platform::Fonts::wordFamily());
    } else {
        setPointSize(word_, 9 * scale_);
    }
}

void HintCardWidget::placeBelow(const QWidget* anchor) {
    const QWidget* holder = parentWidget();
    if (!holder) {
        return;
    }
    QPoint at(0, 0);
    if (anchor) {
        at = anchor->mapTo(holder, QPoint(0, anchor->height() + 4));
    }
    at.setX(std::clamp(at.x(), 0, std::max(0, holder->width() - width())));
    if (at.y() + height() > holder->height() && anchor) {
        // No room below: above the word.
        at.setY(anchor->mapTo(holder, QPoint(0, 0)).y() - height() - 4);
    }
    at.setY(std::clamp(at.y(), 0, std::max(0, holder->height() - height())));
    move(at);
}

} // namespace sentara::ui
