#include "ClickableLabel.h"

#include <QMouseEvent>

#include <algorithm>

namespace sentara::ui {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::setPressShift(int pixels) {
    pressShift_ = std::max(0, pixels);
    sink(false);
}

void ClickableLabel::sink(bool down) {
    const int s = pressShift_;
    if (down) {
        setContentsMargins(s, s, 0, 0);
    } else {
        setContentsMargins(0, 0, s, s);
    }
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressShift_ > 0) {
        sink(true);
    }
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressShift_ > 0) {
        sink(false);
    }
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace sentara::ui
