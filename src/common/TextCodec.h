#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace common {

// The encoding of the course's text files. Files are code page 936 (GBK) as written by the
// tools the courses come from; they are read and written as GB18030, whose byte sequences
// include all of GBK's and which maps every Unicode character, so a file that decodes without
// error is written back byte for byte. Where the two differ on the euro sign, code page 936
// wins: the single byte 0x80, which GB18030 lacks, is read as "€" and "€" is written as 0x80;
// A2E3 stays code page 936's private-use character U+E76C.
// A file that starts with a UTF-8 byte-order mark (saved by an editor as UTF-8) is UTF-8.
namespace TextCodec {

enum class Encoding { Gb18030, Utf8WithBom };

struct Decoded {
    QString text;
    Encoding encoding = Encoding::Gb18030;
    // Every byte decoded and encoding the text again gives the same bytes. False when the
    // bytes hold sequences that are no character (they read as U+FFFD): writing the text
    // back would change them.
    bool exact = true;
};

// Whether `exact` is worked out: it costs a second pass (the text encoded again), which a file
// that is only read does not need.
enum class Exactness { Checked, NotChecked };

// With Exactness::NotChecked, `exact` is false and means nothing.
Decoded decode(const QByteArray& bytes, Exactness exactness = Exactness::Checked);
// nullopt when the text cannot be stored unchanged (an unpaired surrogate).
std::optional<QByteArray> encode(const QString& text, Encoding encoding = Encoding::Gb18030);

} // namespace TextCodec

} // namespace common
