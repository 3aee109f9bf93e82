#pragma once

namespace platform {

// Qt Multimedia's GStreamer backend seeks exactly and reports positions every 10 ms; the other
// backend of this Qt version reports them every ~100 ms and fails without a sound device.
// Call before the application object is made; a backend the user chose is left alone.
void pinGStreamerBackend();

} // namespace platform
