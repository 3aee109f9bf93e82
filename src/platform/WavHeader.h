#pragma once

#include <QByteArray>
#include <QIODevice>
#include <optional>

namespace platform {

// The 44-byte header of a PCM WAV file, and reading one back.
struct WavHeader {
    static constexpr int size = 44;

    int sampleRate = 44100;
    int channels = 1;
    int bitsPerSample = 16;
    quint32 dataBytes = 0;

    QByteArray bytes() const;
    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    double seconds() const;

    // Reads the format and finds the data chunk of a PCM WAV file; the device is left at the
    // first sample. nullopt when it is not PCM WAV, when its format has values no sound card
    // plays, or when a chunk before the data claims more bytes than the file holds; the data
    // it announces are cut to what the file holds.
    static std::optional<WavHeader> read(QIODevice& device);
};

} // namespace platform
