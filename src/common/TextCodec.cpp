#include "common/TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace common::TextCodec {

namespace {

constexpr const char* kGb18030 = "GB18030";
const QByteArray kUtf8Bom("\xEF\xBB\xBF");

// Where code page 936 and GB18030 read the same bytes differently and GB18030 would not give
// the bytes back: code page 936's reading is kept. 0x80 is the euro sign in code page 936 and
// no character in GB18030, which writes the euro sign as A2E3; A2E3 is a private-use
// character in code page 936.
struct Override {
    QByteArrayView bytes;
    char16_t character;
};
constexpr Override kOverrides[] = {{"\x80", u'\u20AC'}, {"\xA2\xE3", u'\uE76C'}};

const Override* overrideAt(const QByteArray& bytes, qsizetype at) {
    const char lead = bytes.at(at);
    for (const Override& o : kOverrides) {
        // Asked at every character: the first byte rules out nearly all of them.
        if (o.bytes.front() == lead && QByteArrayView(bytes).sliced(at).startsWith(o.bytes)) {
            return &o;
        }
    }
    return nullptr;
}

const Override* overrideOf(QChar c) {
    for (const Override& o : kOverrides) {
        if (c == QChar(o.character)) {
            return &o;
        }
    }
    return nullptr;
}

// Length of the GB18030 sequence starting at `at`, as far as its lead byte and the byte after
// it tell: one byte below 0x80 and for 0x80 and 0xFF, four when the second byte is a digit,
// else two. Only used to find where a character starts; the decoder judges validity.
qsizetype sequenceLength(const QByteArray& bytes, qsizetype at) {
    const auto lead = static_cast<unsigned char>(bytes.at(at));
    if (lead <= 0x80 || lead == 0xFF || at + 1 >= bytes.size()) {
        return 1;
    }
    const auto second = static_cast<unsigned char>(bytes.at(at + 1));
    return second >= 0x30 && second <= 0x39 ? 4 : 2;
}

Decoded decodeGb18030(const QByteArray& bytes, Exactness exactness) {
    Decoded result;
    QStringDecoder decoder(kGb18030);
    bool failed = false;
    qsizetype from = 0;
    qsizetype at = 0;
    // The text between two overridden sequences goes through one decoder.
    const auto flush = [&](qsizetype to) {
        if (to > from) {
            result.text += decoder.decode(QByteArrayView(bytes).sliced(from, to - from));
            failed = failed || decoder.hasError();
        }
    };
    qsizetype last = -1; // where the last sequence the decoder reads starts
    while (at < bytes.size()) {
        if (const Override* o = overrideAt(bytes, at)) {
            flush(at);
            result.text += QChar(o->character);
            at += o->bytes.size();
            from = at;
            last = -1;
            continue;
        }
        last = at;
        at += sequenceLength(bytes, at);
    }
    flush(bytes.size());
    // A sequence cut off by the end of the file (a lead byte alone, or a four-byte sequence
    // short of bytes): the decoder keeps it pending without a character or an error, so it is
    // read as U+FFFD here, like every other byte that is no character.
    const bool cutOff = at > bytes.size() || (last >= 0 && last == bytes.size() - 1 &&
                                              static_cast<unsigned char>(bytes.at(last)) > 0x80 &&
                                              static_cast<unsigned char>(bytes.at(last)) < 0xFF);
    const QString rest = decoder.decode(QByteArrayView());
    failed = failed || decoder.hasError();
    result.text += rest;
    if (cutOff && rest.isEmpty() && !failed) {
        result.text += QChar(QChar::ReplacementCharacter);
        failed = true;
    }
    result.exact = exactness == Exactness::Checked && !failed && encode(result.text) == bytes;
    return result;
}

} // namespace

Decoded decode(const QByteArray& bytes, Exactness exactness) {
    if (!bytes.startsWith(kUtf8Bom)) {
        return decodeGb18030(bytes, exactness);
    }
    Decoded result;
    result.encoding = Encoding::Utf8WithBom;
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    result.text = decoder.decode(QByteArrayView(bytes).sliced(kUtf8Bom.size()));
    result.exact = exactness == Exactness::Checked && !decoder.hasError() &&
                   encode(result.text, Encoding::Utf8WithBom) == bytes;
    return result;
}

std::optional<QByteArray> encode(const QString& text, Encoding encoding) {
    // Unpaired surrogates would be dropped silently by the encoders.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            return std::nullopt;
        }
    }
    if (encoding == Encoding::Utf8WithBom) {
        return kUtf8Bom + text.toUtf8();
    }
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    QStringEncoder encoder(kGb18030);
    qsizetype from = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const Override* o = i < text.size() ? overrideOf(text.at(i)) : nullptr;
        if (i == text.size() || o) {
            bytes += encoder.encode(QStringView(text).sliced(from, i - from));
            if (encoder.hasError()) {
                return std::nullopt;
            }
            if (o) {
                bytes += o->bytes;
            }
            from = i + 1;
        }
    }
    return bytes;
}

} // namespace common::TextCodec
