#include "platform/ImageFormatWarmup.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <system_error>

namespace platform {

ImageFormatWarmup::ImageFormatWarmup(QByteArray format) {
    try {
        thread_ = std::thread([format = std::move(format)] {
            // A small picture written and read back in that format loads the format's plugin
            // and the library it decodes with, and runs the decoder once.
            QBuffer bytes;
            bytes.open(QIODevice::ReadWrite);
            QImage picture(8, 8, QImage::Format_RGB32);
            picture.fill(Qt::white);
            if (!picture.save(&bytes, format.constData())) {
                return;
            }
            bytes.seek(0);
            QImageReader reader(&bytes, format);
            reader.setAutoDetectImageFormat(false); // that format's plugin only
            reader.read();
        });
    } catch (const std::system_error&) {
        // No thread to be had: the first picture loads the plugin itself, as it would anyway.
    }
}

ImageFormatWarmup::~ImageFormatWarmup() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

} // namespace platform
