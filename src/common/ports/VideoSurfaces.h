#pragma once

#include "common/ports/MediaPlayer.h"

class QObject;

namespace ports {

// The places where video lessons can be seen, hosted by the window: the video area of the video
// mode and the floating video window. Each place has a surface per engine (a QVideoSink for the
// default engine, a native widget for the backup engine), or none. The window only hosts them:
// which player draws into which surface, and which place is seen, is decided by the session.
class VideoSurfaces {
public:
    enum class Place { ModeArea, FloatingWindow };

    virtual ~VideoSurfaces() = default;
    virtual QObject* surface(MediaEngines::Engine engine, Place place) const = 0;
};

} // namespace ports
