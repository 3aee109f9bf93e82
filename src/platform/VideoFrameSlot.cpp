#include "platform/VideoFrameSlot.h"

#include "platform/MediaModules.h"

#include <QVBoxLayout>

namespace platform {

VideoFrameSlot::VideoFrameSlot(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setMinimumSize(80, 60);
}

QObject* VideoFrameSlot::videoView() {
    if (view_ == nullptr) {
        view_ = MediaModules::createVideoWidget(this);
        if (view_ != nullptr) {
            auto* fill = new QVBoxLayout(this);
            fill->setContentsMargins(0, 0, 0, 0);
            fill->addWidget(view_);
            view_->setMouseTracking(hasMouseTracking());
            view_->setVisible(true);
        }
    }
    return view_;
}

} // namespace platform
