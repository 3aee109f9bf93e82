#include "platform/qtmedia/VideoFrameView.h"

#include <QPainter>
#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <QVideoSink>
#include <algorithm>

namespace platform {

namespace {

quint8 clampByte(int value) {
    return static_cast<quint8>(std::clamp(value, 0, 255));
}

// One pixel of a video frame (limited-range BT.601 YCbCr) as RGB.
QRgb rgbOf(int y, int u, int v) {
    const int c = 298 * (y - 16);
    const int d = u - 128;
    const int e = v - 128;
    return qRgb(clampByte((c + 409 * e + 128) >> 8), clampByte((c - 100 * d - 208 * e + 128) >> 8),
                clampByte((c + 516 * d + 128) >> 8));
}

// The picture of a mapped frame in the planar and semi-planar 4:2:0 formats the decoders give.
QImage fromYuv420(const QVideoFrame& frame) {
    const QVideoFrameFormat::PixelFormat format = frame.pixelFormat();
    const int width = frame.width();
    const int height = frame.height();
    QImage image(width, height, QImage::Format_RGB32);
    const uchar* luma = frame.bits(0);
    const int lumaStride = frame.bytesPerLine(0);
    const bool semiPlanar =
        format == QVideoFrameFormat::Format_NV12 || format == QVideoFrameFormat::Format_NV21;
    for (int row = 0; row < height; ++row) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(row));
        const uchar* y = luma + row * lumaStride;
        for (int col = 0; col < width; ++col) {
            int u = 128;
            int v = 128;
            if (semiPlanar) {
                const uchar* uv = frame.bits(1) + (row / 2) * frame.bytesPerLine(1) + (col / 2) * 2;
                u = format == QVideoFrameFormat::Format_NV12 ? uv[0] : uv[1];
                v = format == QVideoFrameFormat::Format_NV12 ? uv[1] : uv[0];
            } else {
                const int uPlane = format == QVideoFrameFormat::Format_YV12 ? 2 : 1;
                const int vPlane = 3 - uPlane;
                u = frame.bits(uPlane)[(row / 2) * frame.bytesPerLine(uPlane) + col / 2];
                v = frame.bits(vPlane)[(row / 2) * frame.bytesPerLine(vPlane) + col / 2];
            }
            out[col] = rgbOf(y[col], u, v);
        }
    }
    return image;
}

// The frame as a picture, converted on the processor: Qt's own conversion of YUV frames goes
// through the graphics stack, which on X11 made the media pipeline fail now and then.
QImage imageOf(QVideoFrame frame) {
    const QVideoFrameFormat::PixelFormat format = frame.pixelFormat();
    const QImage::Format direct = QVideoFrameFormat::imageFormatFromPixelFormat(format);
    const bool yuv420 =
        format == QVideoFrameFormat::Format_YUV420P || format == QVideoFrameFormat::Format_YV12 ||
        format == QVideoFrameFormat::Format_NV12 || format == QVideoFrameFormat::Format_NV21;
    if ((direct == QImage::Format_Invalid && !yuv420) || !frame.map(QVideoFrame::ReadOnly)) {
        return frame.toImage();
    }
    QImage image;
    if (direct != QImage::Format_Invalid) {
        image = QImage(frame.bits(0), frame.width(), frame.height(), frame.bytesPerLine(0), direct)
                    .copy();
    } else {
        image = fromYuv420(frame);
    }
    frame.unmap();
    return image;
}

} // namespace

VideoFrameView::VideoFrameView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(80, 60);
}

QVideoSink* VideoFrameView::videoSink() {
    if (sink_ == nullptr) {
        sink_ = new QVideoSink(this);
        // Frames come from the media pipeline's thread: they are taken on the window's thread.
        connect(sink_, &QVideoSink::videoFrameChanged, this, &VideoFrameView::showFrame,
                Qt::QueuedConnection);
    }
    return sink_;
}

VideoFrameView::~VideoFrameView() = default;

void VideoFrameView::clear() {
    frame_ = QImage();
    hiddenFrame_ = QVideoFrame();
    update();
}

void VideoFrameView::showFrame(const QVideoFrame& frame) {
    if (!frame.isValid()) {
        return;
    }
    if (!isVisible()) {
        hiddenFrame_ = frame; // converted when the view is shown
        return;
    }
    hiddenFrame_ = QVideoFrame();
    const QImage image = imageOf(frame);
    if (!image.isNull()) {
        frame_ = image;
        update();
    }
}

void VideoFrameView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (hiddenFrame_.isValid()) {
        showFrame(QVideoFrame(hiddenFrame_));
    }
}

void VideoFrameView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (frame_.isNull()) {
        return;
    }
    QSize size = frame_.size();
    size.scale(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, frame_);
}

} // namespace platform
