// The header of a PCM WAV file (interface sounds, word recordings, the learner's recording).
#include "FuzzCheck.h"

#include "platform/WavHeader.h"

#include <QBuffer>

using platform::WavHeader;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes = fuzz::bytesOf(data, size);
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const std::optional<WavHeader> header = WavHeader::read(device);
    if (!header) {
        return 0;
    }
    // The data it announces lie inside the file, and the device stands at the first sample.
    FUZZ_CHECK(device.pos() <= bytes.size());
    FUZZ_CHECK(header->dataBytes <= quint64(bytes.size() - device.pos()));
    FUZZ_CHECK(header->seconds() >= 0);
    // A header the program writes for these values reads back as the same values.
    if (header->channels > 0 && header->bitsPerSample > 0) {
        QByteArray written = header->bytes() + QByteArray(qsizetype(header->dataBytes), '\0');
        FUZZ_CHECK(header->bytes().size() == WavHeader::size);
        QBuffer again(&written);
        again.open(QIODevice::ReadOnly);
        const std::optional<WavHeader> back = WavHeader::read(again);
        FUZZ_CHECK(back.has_value());
        FUZZ_CHECK(back->channels == header->channels && back->sampleRate == header->sampleRate &&
                   back->bitsPerSample == header->bitsPerSample &&
                   back->dataBytes == header->dataBytes);
    }
    return 0;
}
