#include "BlankLine.h"

#include "FlowLayout.h"
#include "TypedInputBox.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace sentara::ui {

namespace {

constexpr int kBoxExtraWidth = 14; // the box is a little wider than its word

} // namespace

BlankLine::BlankLine(QWidget* parent)
    : QWidget(parent), layout_(new FlowLayout(this, 0, 10)), box_(new TypedInputBox(this)) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAutoFillBackground(true);
    layout_->setContentsMargins(0, 0, 0, 4); // room for the underline of the last line
    box_->setObjectName(QStringLiteral("WriteWordText"));
    box_->setEmptySelectionBeforeKey(true);
    box_->hide();
}

void BlankLine::setCells(const QList<Cell>& cells) {
    if (cells.size() == shown_.size()) {
        // The same sentence with other blanks revealed: the cells are restyled in place.
        bool sameText = true;
        for (qsizetype i = 0; i < cells.size() && sameText; ++i) {
            sameText = cells.at(i).text == shown_.at(i).text;
        }
        if (sameText) {
            for (qsizetype i = 0; i < cells.size(); ++i) {
                if (cells.at(i).hidden != shown_.at(i).hidden) {
                    style(cells_.at(i), cells.at(i).hidden);
                }
            }
            shown_ = cells;
            return;
        }
    }
    shown_ = cells;
    for (QLabel* cell : cells_) {
        layout_->removeWidget(cell);
        cell->removeEventFilter(this);
        cell->hide();
        cell->deleteLater();
    }
    cells_.clear();
    for (qsizetype i = 0; i < cells.size(); ++i) {
        auto* cell = new QLabel(cells.at(i).text, this);
        cell->setObjectName(QStringLiteral("WriteWordLabel(%1)").arg(i + 1));
        cell->setTextFormat(Qt::PlainText);
        style(cell, cells.at(i).hidden);
        cell->installEventFilter(this);
        layout_->addWidget(cell);
        cells_.append(cell);
    }
    boxIndex_ = 0;
    updateGeometry();
}

void BlankLine::style(QLabel* label, bool hidden) {
    // A blank keeps its place and width: its text drawn in the background colour, its underline
    // drawn by the line (paintEvent).
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     hidden ? this->palette().color(QPalette::Window) : QColor(Qt::black));
    label->setPalette(palette);
    label->setProperty("blankHidden", hidden);
    update();
}

void BlankLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(QColor(0x35, 0x61, 0x8F), 2));
    for (QLabel* cell : cells_) {
        if (cell->property("blankHidden").toBool()) {
            const QRect area = cell->geometry();
            painter.drawLine(area.left(), area.bottom() + 3, area.right(), area.bottom() + 3);
        }
    }
}

QLabel* BlankLine::cell(int index) const {
    return index >= 1 && index <= cells_.size() ? cells_.at(index - 1) : nullptr;
}

void BlankLine::placeBox(int index, bool visible) {
    boxIndex_ = visible ? index : 0;
    moveBox();
}

void BlankLine::moveBox() {
    QLabel* target = cell(boxIndex_);
    if (!target) {
        box_->hide();
        return;
    }
    QRect area = target->geometry();
    area.setWidth(area.width() + kBoxExtraWidth); // at the word's place, a little wider
    box_->setGeometry(area);
    box_->setFont(font());
    box_->raise();
    box_->show();
}

int BlankLine::heightForWidth(int width) const {
    return layout_->heightForWidth(width);
}

bool BlankLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
        if (watched == cell(boxIndex_)) {
            moveBox();
        }
        update(); // the underlines follow their words
    }
    return QWidget::eventFilter(watched, event);
}

void BlankLine::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        box_->setFont(font());
    }
    QWidget::changeEvent(event);
}

} // namespace sentara::ui
