#pragma once

#include <QImage>
#include <QVideoFrame>
#include <QVideoSink>
#include <QWidget>

namespace platform {

// A picture of the default engine's video: the frames a player delivers to videoSink() are drawn
// scaled to fit, centred on black. Painted like any widget, so it shows on every platform and
// in a grab of its window. Frames are converted only while the view is shown. The view is the
// surface handed to a player; its sink is made when a player first asks for it, so a window that
// never shows a video never starts the media back-end.
class VideoFrameView : public QWidget {
    Q_OBJECT
public:
    explicit VideoFrameView(QWidget* parent = nullptr);
    ~VideoFrameView() override;

    // The sink a default-engine player draws into, made on first use.
    Q_INVOKABLE QVideoSink* videoSink();
    bool hasFrame() const { return !frame_.isNull(); }
    // Forgets the picture shown (the next frame brings one back).
    void clear();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showFrame(const QVideoFrame& frame);

    QVideoSink* sink_ = nullptr;
    QImage frame_;
    QVideoFrame hiddenFrame_; // the last frame that came while the view was hidden
};

} // namespace platform
