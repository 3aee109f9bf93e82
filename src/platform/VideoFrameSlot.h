#pragma once

#include <QWidget>

namespace platform {

// Where the default engine's video is seen, without reading the media libraries until a video
// plays: the slot is black until a player asks it for its picture view (videoView()), which is
// then made by the media module and fills the slot. Mouse presses on the picture reach the slot.
class VideoFrameSlot : public QWidget {
    Q_OBJECT
public:
    explicit VideoFrameSlot(QWidget* parent = nullptr);

    // The view a default-engine player draws into (it offers videoSink()), made on first use;
    // nullptr when the media module cannot be loaded.
    Q_INVOKABLE QObject* videoView();
    bool hasView() const { return view_ != nullptr; }

private:
    QWidget* view_ = nullptr;
};

} // namespace platform
