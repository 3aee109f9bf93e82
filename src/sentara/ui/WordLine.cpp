#include "WordLine.h"

#include "FlowLayout.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace sentara::ui {

WordLine::WordLine(const QString& cellName, QWidget* parent)
    : QWidget(parent), cellName_(cellName), layout_(new FlowLayout(this, 0, 6)) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void WordLine::setWords(const QList<Word>& words, const QColor& keyWordColour) {
    if (words == words_ && keyWordColour == keyWordColour_) {
        return;
    }
    words_ = words;
    keyWordColour_ = keyWordColour;
    // A cell may be the one whose click is being handled: it goes once that has returned.
    for (QLabel* cell : cells_) {
        layout_->removeWidget(cell);
        cell->hide();
        cell->removeEventFilter(this);
        cell->deleteLater();
    }
    cells_.clear();
    clickable_.clear();
    for (qsizetype i = 0; i < words.size(); ++i) {
        const Word& word = words.at(i);
        auto* cell = new QLabel(word.text, this);
        cell->setObjectName(QStringLiteral("%1(%2)").arg(cellName_).arg(i + 1));
        cell->setTextFormat(Qt::PlainText);
        cell->setCursor(word.clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
        cell->setProperty("keyWord", word.keyWord);
        if (word.keyWord) {
            QPalette palette = cell->palette();
            palette.setColor(QPalette::WindowText, keyWordColour);
            cell->setPalette(palette);
        }
        cell->installEventFilter(this);
        layout_->addWidget(cell);
        cells_.append(cell);
        clickable_.append(word.clickable);
    }
    updateGeometry();
}

QLabel* WordLine::cell(int index) const {
    return index >= 1 && index <= cells_.size() ? cells_.at(index - 1) : nullptr;
}

int WordLine::heightForWidth(int width) const {
    return layout_->heightForWidth(width);
}

bool WordLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto index = cells_.indexOf(static_cast<QLabel*>(watched));
        if (index >= 0 && clickable_.at(index)) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            emit wordClicked(static_cast<int>(index) + 1, mouse->button(), mouse->modifiers());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace sentara::ui
