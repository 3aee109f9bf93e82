#pragma once

#include <QImage>
#include <QVideoFrame>
#include <QWidget>

class QVideoSink;

namespace sentara::ui {

// A picture of the default engine's video: the frames a player delivers to sink() are drawn
// scaled to fit, centred on black. Painted like any widget, so it shows on every platform and
// in a grab of its window. Frames are converted only while the view is shown.
class VideoFrameView : public QWidget {
    Q_OBJECT
public:
    explicit VideoFrameView(QWidget* parent = nullptr);
    ~VideoFrameView() override;

    // The surface a default-engine player draws into.
    QVideoSink* sink() const { return sink_; }
    bool hasFrame() const { return !frame_.isNull(); }
    // Forgets the picture shown (the next frame brings one back).
    void clear();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showFrame(const QVideoFrame& frame);

    QVideoSink* sink_;
    QImage frame_;
    QVideoFrame hiddenFrame_; // the last frame that came while the view was hidden
};

} // namespace sentara::ui
