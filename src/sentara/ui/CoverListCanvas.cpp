#include "CoverListCanvas.h"

#include "Pictures.h"

#include "platform/Fonts.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <limits>

namespace sentara::ui {

namespace {

constexpr int kMargin = 10;
constexpr int kLineGap = 4;    // between a sentence's English and its Chinese
constexpr int kRowGap = 14;    // between two sentences
constexpr int kPressShift = 1; // a pressed horn moves this far down and right (15 twips)
const QColor kInk(0x1E, 0x24, 0x30);
const QColor kChineseInk(0x3A, 0x4A, 0x6A);
const QColor kNumberInk(0x70, 0x78, 0x88);
const QColor kCover(0xC8, 0xD4, 0xE2);
const QColor kMarker(0xD0, 0x5A, 0x10);

QRect wrapped(const QFontMetrics& metrics, int left, int top, int width, const QString& text) {
    const QRect r = metrics.boundingRect(QRect(0, 0, width, std::numeric_limits<int>::max() / 2),
                                         Qt::TextWordWrap, text);
    return QRect(left, top, std::max(r.width(), metrics.averageCharWidth() * 4),
                 std::max(r.height(), metrics.height()));
}

} // namespace

CoverListCanvas::CoverListCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainPicture"));
    setMouseTracking(true);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QFont CoverListCanvas::englishFont() const {
    return platform::Fonts::word(13 * scale_);
}

QFont CoverListCanvas::chineseFont() const {
    return platform::Fonts::ui(11.5 * scale_);
}

void CoverListCanvas::setLines(const QList<CoverLine>& lines) {
    if (lines.size() != lines_.size()) {
        placedWidth_ = -1;
    } else {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines.at(i).english != lines_.at(i).english ||
                lines.at(i).chinese != lines_.at(i).chinese) {
                placedWidth_ = -1;
                break;
            }
        }
    }
    lines_ = lines;
    update();
}

void CoverListCanvas::setTextScale(double scale) {
    scale_ = scale;
    placedWidth_ = -1;
    update();
}

void CoverListCanvas::ensurePlaced(int width) const {
    if (placedWidth_ == width) {
        return;
    }
    placedWidth_ = width;
    const QFontMetrics english(englishFont());
    const QFontMetrics chinese(chineseFont());
    const int numberWidth = english.horizontalAdvance(QStringLiteral("999.")) + 4;
    const int hornSize = english.height();
    const int left = kMargin + numberWidth + hornSize + 8;
    const int textWidth = std::max(40, width - left - kMargin);
    places_.clear();
    int y = kMargin;
    for (const CoverLine& line : lines_) {
        Place p;
        p.number = QRect(kMargin, y, numberWidth, english.height());
        p.horn = QRect(kMargin + numberWidth + 2, y, hornSize, hornSize);
        p.english = wrapped(english, left, y, textWidth, line.english);
        p.chinese =
            wrapped(chinese, left, p.english.bottom() + 1 + kLineGap, textWidth, line.chinese);
        p.row = QRect(0, y - kRowGap / 2, width, p.chinese.bottom() + kRowGap - y);
        places_.append(p);
        y = p.chinese.bottom() + 1 + kRowGap;
    }
    height_ = y + kMargin;
}

int CoverListCanvas::heightForWidth(int width) const {
    ensurePlaced(width);
    return height_;
}

QRect CoverListCanvas::englishRect(int sentence) const {
    ensurePlaced(width());
    return sentence >= 1 && sentence <= places_.size() ? places_.at(sentence - 1).english : QRect();
}

QRect CoverListCanvas::chineseRect(int sentence) const {
    ensurePlaced(width());
    return sentence >= 1 && sentence <= places_.size() ? places_.at(sentence - 1).chinese : QRect();
}

QRect CoverListCanvas::hornRect(int sentence) const {
    ensurePlaced(width());
    return sentence >= 1 && sentence <= places_.size() ? places_.at(sentence - 1).horn : QRect();
}

QRect CoverListCanvas::sentenceRect(int sentence) const {
    ensurePlaced(width());
    return sentence >= 1 && sentence <= places_.size() ? places_.at(sentence - 1).row : QRect();
}

void CoverListCanvas::paintEvent(QPaintEvent* event) {
    ensurePlaced(width());
    QPainter painter(this);
    const QRect exposed = event->rect();
    for (qsizetype i = 0; i < lines_.size() && i < places_.size(); ++i) {
        const CoverLine& line = lines_.at(i);
        const Place& p = places_.at(i);
        if (!p.row.intersects(exposed)) {
            continue;
        }
        if (line.marked) {
            painter.fillRect(QRect(2, p.english.top(), 3, p.chinese.bottom() - p.english.top()),
                             kMarker);
        }
        painter.setFont(englishFont());
        painter.setPen(kNumberInk);
        painter.drawText(p.number, Qt::AlignRight | Qt::AlignTop, line.numberText);
        const int shift = line.hornPressed ? kPressShift : 0;
        painter.drawPixmap(p.horn.translated(shift, shift), Pictures::horn(p.horn.height()));
        if (line.englishCovered) {
            painter.fillRect(p.english.adjusted(-2, 0, 2, 0), kCover);
        } else {
            painter.setPen(kInk);
            painter.drawText(p.english, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                             line.english);
        }
        if (line.chineseCovered) {
            painter.fillRect(p.chinese.adjusted(-2, 0, 2, 0), kCover);
        } else {
            painter.setFont(chineseFont());
            painter.setPen(kChineseInk);
            painter.drawText(p.chinese, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                             line.chinese);
        }
    }
}

std::optional<CoverListCanvas::Hit> CoverListCanvas::hitAt(const QPoint& point) const {
    ensurePlaced(width());
    for (qsizetype i = 0; i < places_.size(); ++i) {
        const Place& p = places_.at(i);
        const int sentence = static_cast<int>(i) + 1;
        if (p.horn.contains(point)) {
            return Hit{sentence, true};
        }
        if (p.english.adjusted(-2, -1, 2, 1).contains(point)) {
            return Hit{sentence, false, CoverPart::English};
        }
        if (p.chinese.adjusted(-2, -1, 2, 1).contains(point)) {
            return Hit{sentence, false, CoverPart::Chinese};
        }
    }
    return std::nullopt;
}

void CoverListCanvas::mouseMoveEvent(QMouseEvent* event) {
    const std::optional<Hit> hit = hitAt(event->position().toPoint());
    bool hand = false;
    if (hit && hit->sentence <= lines_.size()) {
        const CoverLine& line = lines_.at(hit->sentence - 1);
        hand = hit->horn ||
               (hit->part == CoverPart::English ? line.englishClickable : line.chineseClickable);
    }
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QWidget::mouseMoveEvent(event);
}

void CoverListCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    pressed_ = hitAt(event->position().toPoint());
    if (!pressed_) {
        return;
    }
    if (pressed_->horn) {
        emit hornPressed(pressed_->sentence);
    } else {
        emit linePressed(pressed_->sentence, pressed_->part);
    }
}

void CoverListCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const std::optional<Hit> hit = pressed_;
    pressed_.reset();
    if (afterDoubleClick_) {
        // The second release of a double click: the first click has acted already.
        afterDoubleClick_ = false;
        return;
    }
    if (!hit) {
        return;
    }
    if (hit->horn) {
        emit hornReleased(hit->sentence);
    } else {
        emit lineReleased(hit->sentence, hit->part);
    }
}

void CoverListCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    afterDoubleClick_ = true;
    const std::optional<Hit> hit = hitAt(event->position().toPoint());
    if (hit && !hit->horn && hit->part == CoverPart::English) {
        emit englishDoubleClicked(hit->sentence);
    }
}

} // namespace sentara::ui
