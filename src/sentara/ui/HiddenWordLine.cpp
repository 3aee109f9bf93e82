#include "HiddenWordLine.h"

#include "FlowLayout.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

namespace sentara::ui {

namespace {

const QColor kHiddenGrey(240, 240, 240);
const QColor kUnderline(0x40, 0x40, 0x40);

QString css(const QColor& colour) {
    return colour.alpha() == 0 ? QStringLiteral("transparent") : colour.name();
}

} // namespace

HiddenWordLine::HiddenWordLine(const QString& cellName, HiddenLook look, QWidget* parent)
    : QWidget(parent), cellName_(cellName), look_(look), layout_(new FlowLayout(this, 0, 6)) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    clickTimer_.setSingleShot(true);
    clickTimer_.setInterval(QApplication::doubleClickInterval());
    connect(&clickTimer_, &QTimer::timeout, this, &HiddenWordLine::flushPendingClick);
}

void HiddenWordLine::setWords(const QList<Word>& words, const QColor& keyWordColour) {
    bool sameTexts = words.size() == words_.size();
    for (qsizetype i = 0; sameTexts && i < words.size(); ++i) {
        sameTexts = words.at(i).text == words_.at(i).text;
    }
    if (sameTexts) {
        // The same sentence: only what is hidden or coloured changes, the cells stay (a double
        // click may be arriving on one of them).
        const bool recolour = keyWordColour != keyWordColour_;
        keyWordColour_ = keyWordColour;
        for (qsizetype i = 0; i < words.size(); ++i) {
            if (recolour || !(words.at(i) == words_.at(i))) {
                words_[i] = words.at(i);
                style(cells_.at(i), words.at(i));
            }
        }
        placeOverlay();
        return;
    }
    words_ = words;
    keyWordColour_ = keyWordColour;
    clickTimer_.stop();
    pendingClick_ = 0;
    swallowRelease_ = false;
    // A cell may be the one whose event is being handled: it goes once that has returned.
    for (QLabel* cell : cells_) {
        layout_->removeWidget(cell);
        cell->hide();
        cell->removeEventFilter(this);
        cell->deleteLater();
    }
    cells_.clear();
    for (qsizetype i = 0; i < words.size(); ++i) {
        auto* cell = new QLabel(words.at(i).text, this);
        cell->setObjectName(QStringLiteral("%1(%2)").arg(cellName_).arg(i + 1));
        cell->setTextFormat(Qt::PlainText);
        cell->setMouseTracking(true);
        cell->installEventFilter(this);
        style(cell, words.at(i));
        layout_->addWidget(cell);
        cells_.append(cell);
    }
    updateGeometry();
    layout_->activate();
    placeOverlay();
}

void HiddenWordLine::style(QLabel* cell, const Word& word) const {
    QColor text = QApplication::palette().color(QPalette::WindowText);
    QColor background = Qt::transparent;
    if (word.hidden) {
        text = look_ == HiddenLook::Box ? kHiddenGrey : QColor(Qt::transparent);
        background = look_ == HiddenLook::Box ? kHiddenGrey : QColor(Qt::transparent);
    } else if (word.keyWord && keyWordColour_.isValid()) {
        text = keyWordColour_;
    }
    const QColor underline = word.underlined ? kUnderline : QColor(Qt::transparent);
    cell->setStyleSheet(QStringLiteral("QLabel { color: %1; background: %2; "
                                       "border-bottom: 2px solid %3; padding: 0px 1px; }")
                            .arg(css(text), css(background), css(underline)));
    cell->setFont(font()); // a style sheet of its own would leave the cell in the default font
    cell->setCursor(word.clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
    cell->setProperty("hiddenWord", word.hidden);
}

QLabel* HiddenWordLine::cell(int index) const {
    return index >= 1 && index <= cells_.size() ? cells_.at(index - 1) : nullptr;
}

void HiddenWordLine::setOverlay(QWidget* overlay, int index) {
    overlay_ = overlay;
    overlayIndex_ = index;
    placeOverlay();
}

void HiddenWordLine::placeOverlay() {
    if (!overlay_) {
        return;
    }
    const QLabel* target = cell(overlayIndex_);
    overlay_->setVisible(target != nullptr);
    if (!target) {
        return;
    }
    QRect area = target->geometry();
    area.setWidth(std::max(area.width(), overlay_->minimumWidth()));
    overlay_->setGeometry(area);
    overlay_->raise();
}

void HiddenWordLine::flushPendingClick() {
    clickTimer_.stop();
    const int index = pendingClick_;
    pendingClick_ = 0;
    if (index > 0) {
        emit wordClicked(index);
    }
}

int HiddenWordLine::heightForWidth(int width) const {
    return layout_->heightForWidth(width);
}

void HiddenWordLine::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        for (QLabel* cell : cells_) {
            cell->setFont(font());
        }
    }
}

void HiddenWordLine::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_->activate();
    placeOverlay();
}

bool HiddenWordLine::eventFilter(QObject* watched, QEvent* event) {
    const auto at = cells_.indexOf(static_cast<QLabel*>(watched));
    if (at < 0) {
        return QWidget::eventFilter(watched, event);
    }
    const int index = static_cast<int>(at) + 1;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (index == overlayIndex_) {
            placeOverlay();
        }
        break;
    case QEvent::MouseMove:
        if (words_.at(at).clickable) {
            emit wordHovered(index);
        }
        break;
    case QEvent::MouseButtonRelease:
        if (plainClicks_ && !words_.at(at).clickable &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            flushPendingClick();
            swallowRelease_ = false;
            emit wordClicked(index);
            return true;
        }
        if (words_.at(at).clickable &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            if (swallowRelease_) {
                swallowRelease_ = false; // the release that ends a double click
            } else {
                flushPendingClick(); // a click still waiting is not lost to the next one
                pendingClick_ = index;
                clickTimer_.start();
            }
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (words_.at(at).clickable &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            clickTimer_.stop();
            pendingClick_ = 0;
            swallowRelease_ = true;
            emit wordDoubleClicked(index);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace sentara::ui
