#pragma once

#include <QPoint>
#include <QWidget>

namespace platform {
class VideoFrameSlot;
}

class QLabel;
class QPushButton;

namespace sentara {
struct VideoView;
}

namespace sentara::ui {

// The floating video window "视频窗口" (VideoForm) that accompanies the other modes of a video
// Book: a strip along its top with the caption and "关闭视频", the picture below. Dragged with
// the left button anywhere on it, resized by its corner. It shows or hides as the session says.
class VideoWindow : public QWidget {
    Q_OBJECT
public:
    explicit VideoWindow(QWidget* owner);

    void render(const VideoView& view);
    // Where the default engine's silent twin draws.
    platform::VideoFrameSlot* frames() const { return frames_; }
    QPushButton* closeCommand() const { return close_; }
    QLabel* corner() const { return corner_; }

signals:
    void closeClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* strip_;
    QLabel* caption_;
    QPushButton* close_;
    platform::VideoFrameSlot* frames_;
    QLabel* corner_;
    QPoint grab_;       // the pointer's offset in the window while dragging
    QPoint resizeFrom_; // the pointer's global position when a resize started
    QSize sizeAtGrab_;  // the window's size then
    bool dragging_ = false;
    bool resizing_ = false;
    bool placed_ = false; // placed beside its owner on first show
};

} // namespace sentara::ui
