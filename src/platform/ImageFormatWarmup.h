#pragma once

#include <QByteArray>
#include <thread>

namespace platform {

// Reads the image plugin of one format on a second thread, while the window is being built.
// The first picture of that format the window loads otherwise waits for Qt to list the image
// plugins and to load the plugin and its decoding library: 1-2 ms for a course's 700-byte JPEG
// check box, all of it before the first paint. Needs the application object; waits for the
// thread when destroyed. Without a thread to be had it does nothing.
class ImageFormatWarmup {
public:
    explicit ImageFormatWarmup(QByteArray format);
    ~ImageFormatWarmup();
    ImageFormatWarmup(const ImageFormatWarmup&) = delete;
    ImageFormatWarmup& operator=(const ImageFormatWarmup&) = delete;

private:
    std::thread thread_;
};

} // namespace platform
