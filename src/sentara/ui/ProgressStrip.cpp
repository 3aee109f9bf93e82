#include "ProgressStrip.h"

#include "StoredColour.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace sentara::ui {

namespace {
constexpr int kDoneColour = 11947009; // a deep blue
constexpr int kGap = 1;
} // namespace

ProgressStrip::ProgressStrip(QWidget* parent)
    : QWidget(parent), done_(fromStoredColour(kDoneColour)), open_(QColor(0xD8, 0xD8, 0xD8)) {
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMinimumHeight(10);
}

void ProgressStrip::setProgress(int current, int count) {
    current_ = current;
    count_ = count;
    update();
}

void ProgressStrip::setColours(const QColor& done, const QColor& open) {
    done_ = done;
    open_ = open;
    update();
}

void ProgressStrip::setClickable(bool clickable) {
    setCursor(clickable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

QColor ProgressStrip::segmentColour(int index) const {
    return index <= current_ ? done_ : open_;
}

QRect ProgressStrip::segmentRect(int index) const {
    if (count_ <= 0 || index < 1 || index > count_) {
        return {};
    }
    const int left = (index - 1) * width() / count_;
    const int right = index * width() / count_;
    return QRect(left, 0, std::max(1, right - left - kGap), height());
}

void ProgressStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int i = 1; i <= count_; ++i) {
        painter.fillRect(segmentRect(i), segmentColour(i));
    }
}

int ProgressStrip::segmentAt(const QPoint& point) const {
    if (count_ <= 0 || width() <= 0 || point.x() < 0 || point.x() >= width()) {
        return 0;
    }
    return point.x() * count_ / width() + 1;
}

void ProgressStrip::mouseReleaseEvent(QMouseEvent* event) {
    const int index = segmentAt(event->position().toPoint());
    if (index > 0 && event->button() == Qt::LeftButton) {
        emit segmentClicked(index);
    }
}

void ProgressStrip::mouseMoveEvent(QMouseEvent* event) {
    const int index = segmentAt(event->position().toPoint());
    if (index != hovered_) {
        hovered_ = index;
        emit segmentHovered(index);
    }
}

void ProgressStrip::leaveEvent(QEvent*) {
    if (hovered_ != 0) {
        hovered_ = 0;
        emit segmentHovered(0);
    }
}

} // namespace sentara::ui
