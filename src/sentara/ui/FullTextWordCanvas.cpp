#include "FullTextWordCanvas.h"

#include "Pictures.h"

#include "platform/Fonts.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace sentara::ui {

namespace {

const QColor kInk(0x1E, 0x24, 0x30);
const QColor kChineseInk(0x3A, 0x4A, 0x6A);
const QColor kUnderline(0xD0, 0x5A, 0x10);

} // namespace

FullTextWordCanvas::FullTextWordCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AllWordMainPicture"));
    setMouseTracking(true);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QFont FullTextWordCanvas::wordFont() const {
    return platform::Fonts::word(14 * scale_);
}

QFont FullTextWordCanvas::chineseFont() const {
    return platform::Fonts::ui(11.5 * scale_);
}

bool FullTextWordCanvas::setContent(const FullTextView& view, const QColor& keyWordColour) {
    const bool placesChanged =
        layout_.setContent(view.words, view.chinese, view.layout, wordFont(), chineseFont());
    const bool drawChanged = placesChanged || keyWordColour != keyWordColour_ ||
                             view.words != words_ || view.layout != arrangement_;
    words_ = view.words;
    chinese_ = view.chinese;
    arrangement_ = view.layout;
    keyWordColour_ = keyWordColour;
    if (drawChanged) {
        update();
    }
    return placesChanged;
}

void FullTextWordCanvas::setTextScale(double scale) {
    scale_ = scale;
    layout_.setContent(words_, chinese_, arrangement_, wordFont(), chineseFont());
    update();
}

void FullTextWordCanvas::ensurePlaced(int width) const {
    if (layout_.width() != width) {
        layout_.place(width);
    }
}

int FullTextWordCanvas::heightForWidth(int width) const {
    ensurePlaced(width);
    return layout_.height();
}

void FullTextWordCanvas::resizeEvent(QResizeEvent* event) {
    ensurePlaced(width());
    QWidget::resizeEvent(event);
}

void FullTextWordCanvas::paintEvent(QPaintEvent* event) {
    ensurePlaced(width());
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.setFont(wordFont());
    for (qsizetype i = 0; i < words_.size(); ++i) {
        const QRect r = layout_.wordRect(static_cast<int>(i));
        if (r.width() <= 0 || !r.intersects(exposed)) {
            continue;
        }
        const FullTextWord& word = words_.at(i);
        painter.setPen(word.keyWord ? keyWordColour_ : kInk);
        painter.drawText(r, Qt::AlignLeft | Qt::AlignTop, word.text);
        if (word.underlined) {
            const int y = r.bottom() - 1;
            painter.fillRect(QRect(r.left(), y, r.width(), 2), kUnderline);
        }
    }
    if (arrangement_ != FullTextLayout::EnglishAndChinese) {
        return;
    }
    painter.setFont(chineseFont());
    painter.setPen(kChineseInk);
    for (int s = 1; s <= chinese_.size(); ++s) {
        const QRect horn = layout_.hornRect(s);
        if (horn.intersects(exposed)) {
            painter.drawPixmap(horn, Pictures::horn(horn.height()));
        }
        const QRect text = layout_.chineseRect(s);
        if (text.intersects(exposed)) {
            painter.drawText(text, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                             chinese_.at(s - 1));
        }
    }
}

void FullTextWordCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const int word = layout_.wordAt(at);
    const bool hand = (word >= 0 && words_.at(word).clickable) || layout_.hornAt(at) > 0;
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QWidget::mouseMoveEvent(event);
}

void FullTextWordCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (afterDoubleClick_) {
        // The second release of a double click: the first one has acted already.
        afterDoubleClick_ = false;
        return;
    }
    const QPoint at = event->position().toPoint();
    const int word = layout_.wordAt(at);
    if (word >= 0) {
        const FullTextWord& w = words_.at(word);
        emit wordClicked(w.sentence, w.position, event->button(), event->modifiers());
    } else if (const int horn = layout_.hornAt(at); horn > 0) {
        if (event->button() == Qt::LeftButton) {
            emit hornClicked(horn);
        }
    } else if (event->button() == Qt::LeftButton) {
        emit backgroundClicked();
    }
}

void FullTextWordCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    afterDoubleClick_ = true;
    if (layout_.wordAt(event->position().toPoint()) >= 0) {
        emit wordDoubleClicked();
    }
}

} // namespace sentara::ui
