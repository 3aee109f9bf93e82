#pragma once

#include <QWidget>

namespace platform {
class VideoFrameSlot;
}

class QStackedLayout;

namespace sentara::ui {

// The video area of the video mode (Picture9): the default engine's picture (frames from a
// sink) or the backup engine's, drawn by the player into a native window. Reports a click on
// the picture and the pointer moving over it.
class VideoArea : public QWidget {
    Q_OBJECT
public:
    explicit VideoArea(QWidget* parent = nullptr);

    // Which engine's picture is shown.
    void showNativePicture(bool native);
    bool showsNativePicture() const;

    platform::VideoFrameSlot* frames() const { return frames_; }
    // Where the backup engine draws (a native window).
    QWidget* nativeSurface() const { return native_; }

signals:
    void clicked();
    void pointerMoved();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QStackedLayout* stack_;
    platform::VideoFrameSlot* frames_;
    QWidget* native_;
};

} // namespace sentara::ui
