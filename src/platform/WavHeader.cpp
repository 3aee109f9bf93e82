#include "platform/WavHeader.h"

#include <QtEndian>

namespace platform {

namespace {

constexpr int kMaxChannels = 32;
constexpr int kMaxSampleRate = 768000;

void put16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

QByteArray WavHeader::bytes() const {
    QByteArray out;
    out.reserve(size);
    out.append("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, static_cast<quint16>(channels));
    put32(out, static_cast<quint32>(sampleRate));
    put32(out, static_cast<quint32>(sampleRate * bytesPerFrame()));
    put16(out, static_cast<quint16>(bytesPerFrame()));
    put16(out, static_cast<quint16>(bitsPerSample));
    out.append("data", 4);
    put32(out, dataBytes);
    return out;
}

double WavHeader::seconds() const {
    const int frameBytes = bytesPerFrame();
    if (frameBytes <= 0 || sampleRate <= 0) {
        return 0.0;
    }
    return static_cast<double>(dataBytes / frameBytes) / sampleRate;
}

std::optional<WavHeader> WavHeader::read(QIODevice& device) {
    const QByteArray riff = device.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") {
        return std::nullopt;
    }
    WavHeader header;
    bool haveFormat = false;
    while (!device.atEnd()) {
        const QByteArray chunk = device.read(8);
        if (chunk.size() != 8) {
            return std::nullopt;
        }
        const quint32 length = qFromLittleEndian<quint32>(chunk.constData() + 4);
        // A chunk that claims more bytes than the file holds is damaged.
        const qint64 padded = qint64(length) + (length & 1);
        const qint64 available = device.size() - device.pos();
        if (chunk.startsWith("fmt ")) {
            if (padded > available && length > available) {
                return std::nullopt;
            }
            const QByteArray format = device.read(std::min(padded, available));
            if (format.size() < 16 || qFromLittleEndian<quint16>(format.constData()) != 1) {
                return std::nullopt;
            }
            header.channels = qFromLittleEndian<quint16>(format.constData() + 2);
            header.sampleRate =
                static_cast<int>(qFromLittleEndian<quint32>(format.constData() + 4));
            header.bitsPerSample = qFromLittleEndian<quint16>(format.constData() + 14);
            // Values no sound card plays are a damaged header, not a format to honour.
            const bool playable = header.channels >= 1 && header.channels <= kMaxChannels &&
                                  header.sampleRate >= 1 && header.sampleRate <= kMaxSampleRate &&
                                  header.bitsPerSample >= 8 && header.bitsPerSample <= 32 &&
                                  header.bitsPerSample % 8 == 0;
            if (!playable) {
                return std::nullopt;
            }
            haveFormat = true;
        } else if (chunk.startsWith("data")) {
            if (!haveFormat) {
                return std::nullopt;
            }
            header.dataBytes = static_cast<quint32>(std::min<qint64>(length, available));
            return header;
        } else if (padded > available || !device.seek(device.pos() + padded)) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace platform
