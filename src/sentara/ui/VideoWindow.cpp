#include "VideoWindow.h"

#include "platform/VideoFrameSlot.h"

#include "PanelWidgets.h"

#include "sentara/modes/VideoMode.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace sentara::ui {

namespace {

constexpr int kStripHeight = 27;
const QSize kInitialSize(330, 248 + kStripHeight);
const QSize kSmallest(160, 120 + kStripHeight);

} // namespace

VideoWindow::VideoWindow(QWidget* owner) : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("VideoForm"));
    setWindowTitle(QStringLiteral("视频窗口"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMinimumSize(kSmallest);
    resize(kInitialSize);

    strip_ = new QWidget(this);
    strip_->setObjectName(QStringLiteral("Shape1"));
    strip_->setFixedHeight(kStripHeight);
    strip_->setAutoFillBackground(true);
    QPalette stripPalette = strip_->palette();
    stripPalette.setColor(QPalette::Window, QColor(0x2F, 0x4F, 0x6F));
    stripPalette.setColor(QPalette::WindowText, Qt::white);
    strip_->setPalette(stripPalette);
    strip_->setCursor(Qt::SizeAllCursor);
    caption_ = label(QStringLiteral("VideoCaptionLabel"), {}, strip_);
    close_ = command(QStringLiteral("RegHideCommand"), {}, strip_);
    auto* stripLayout = new QHBoxLayout(strip_);
    stripLayout->setContentsMargins(8, 1, 2, 1);
    stripLayout->addWidget(caption_, 1);
    stripLayout->addWidget(close_);

    frames_ = new platform::VideoFrameSlot(this);
    frames_->setObjectName(QStringLiteral("WindowsMediaPlayer1"));
    frames_->setCursor(Qt::SizeAllCursor);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(strip_);
    column->addWidget(frames_, 1);

    // The corner grip lies over the picture's bottom-right corner.
    corner_ = new QLabel(QStringLiteral("◢"), this);
    corner_->setObjectName(QStringLiteral("VideoLabel"));
    corner_->setCursor(Qt::SizeFDiagCursor);
    QPalette cornerPalette = corner_->palette();
    cornerPalette.setColor(QPalette::WindowText, QColor(0xC8, 0xC8, 0xC8));
    corner_->setPalette(cornerPalette);
    corner_->adjustSize();

    for (QWidget* part : {static_cast<QWidget*>(this), strip_, static_cast<QWidget*>(caption_),
                          static_cast<QWidget*>(frames_), static_cast<QWidget*>(corner_)}) {
        part->installEventFilter(this);
    }
    connect(close_, &QPushButton::clicked, this, &VideoWindow::closeClicked);
}

void VideoWindow::render(const VideoView& view) {
    setWindowTitle(view.floatingWindowCaption);
    caption_->setText(view.floatingWindowCaption);
    close_->setText(view.closeCaption);
    if (view.floatingWindowVisible != isVisible()) {
        setVisible(view.floatingWindowVisible);
    }
}

void VideoWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    corner_->move(width() - corner_->width() - 1, height() - corner_->height() - 1);
    corner_->raise();
}

void VideoWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placed_ && parentWidget() != nullptr) {
        // First shown at the bottom right of the main window, above its commands, where the
        // sentence views leave room.
        placed_ = true;
        const QRect owner = parentWidget()->frameGeometry();
        move(std::max(owner.left(), owner.right() - width() - 24),
             std::max(owner.top(), owner.bottom() - height() - 100));
    }
}

bool VideoWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease) {
        return QWidget::eventFilter(watched, event);
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    switch (type) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton) {
            break;
        }
        if (watched == corner_) {
            resizing_ = true;
            resizeFrom_ = global;
            sizeAtGrab_ = size();
        } else {
            dragging_ = true;
            grab_ = global - frameGeometry().topLeft();
        }
        return true;
    case QEvent::MouseMove:
        if (resizing_) {
            const QPoint by = global - resizeFrom_;
            resize(std::max(minimumWidth(), sizeAtGrab_.width() + by.x()),
                   std::max(minimumHeight(), sizeAtGrab_.height() + by.y()));
            return true;
        }
        if (dragging_) {
            move(global - grab_);
            return true;
        }
        break;
    default:
        if (dragging_ || resizing_) {
            dragging_ = resizing_ = false;
            return true;
        }
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace sentara::ui
