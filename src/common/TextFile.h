#pragma once

#include "common/TextCodec.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace common {

// Course text files, read whole and written whole (encoding: TextCodec). A write replaces the
// file atomically (AtomicFile): on any failure the old file is left as it was and the caller
// gets a message naming the file that it can show the learner.
class TextFile {
public:
    // nullopt when the file cannot be read; *error then says why. *exact (optional) tells
    // whether every byte decoded, so that writing the text back gives the same bytes.
    static std::optional<QString> read(const QString& path, QString* error = nullptr,
                                       bool* exact = nullptr);
    // For files the program owns whole (the settings files): writes the text as GB18030.
    // Missing folders on the way to the file are created.
    static bool write(const QString& path, const QString& text, QString* error = nullptr);
    // For files whose content the program carries over when it changes them (lesson files,
    // results files): refused, and the file left untouched, when the file on disk holds bytes
    // that do not decode, since writing the text back would change them, and when the file is
    // gone. A file that was saved as UTF-8 with a byte-order mark stays so.
    static bool rewrite(const QString& path, const QString& text, QString* error = nullptr);

    static QString decode(const QByteArray& bytes, bool* exact = nullptr);
    // nullopt when the text cannot be stored unchanged.
    static std::optional<QByteArray> encode(const QString& text);
};

} // namespace common
