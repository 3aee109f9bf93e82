#include "VideoArea.h"

#include "platform/VideoFrameSlot.h"

#include <QMouseEvent>
#include <QPalette>
#include <QStackedLayout>

namespace sentara::ui {

VideoArea::VideoArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture9"));
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("点击画面播放或暂停"));
    frames_ = new platform::VideoFrameSlot(this);
    frames_->setObjectName(QStringLiteral("VoiceForm"));
    native_ = new QWidget(this);
    native_->setObjectName(QStringLiteral("MMControl2"));
    // The backup engine draws into a window of its own, made when a player first asks for it,
    // not before: a native child makes the widgets around it native too, each a window-system
    // window to create, expose and flush, which slowed every start-up. Once the window is made,
    // the area's other picture and its ancestors become native with it, so that widgets over the
    // picture (the tip, the word panel) can still be raised above it.
    native_->setAutoFillBackground(true);
    QPalette black = native_->palette();
    black.setColor(QPalette::Window, Qt::black);
    native_->setPalette(black);
    for (QWidget* picture : {static_cast<QWidget*>(frames_), native_}) {
        // Clicks and moves on the picture reach the area (the pictures ignore them).
        picture->setMouseTracking(true);
    }
    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);
    stack_->addWidget(frames_);
    stack_->addWidget(native_);
    setMinimumSize(160, 90);
}

void VideoArea::showNativePicture(bool native) {
    stack_->setCurrentWidget(native ? native_ : static_cast<QWidget*>(frames_));
}

bool VideoArea::showsNativePicture() const {
    return stack_->currentWidget() == native_;
}

void VideoArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void VideoArea::mouseMoveEvent(QMouseEvent*) {
    emit pointerMoved();
}

} // namespace sentara::ui
