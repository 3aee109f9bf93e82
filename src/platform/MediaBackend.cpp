#include "platform/MediaBackend.h"

#include <QByteArray>
#include <QtGlobal>

namespace platform {

void pinGStreamerBackend() {
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) {
        qputenv("QT_MEDIA_BACKEND", QByteArrayLiteral("gstreamer"));
    }
}

} // namespace platform
