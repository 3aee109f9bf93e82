#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace common {

// Course text files: read whole and decoded from GBK (code page 936); written whole, encoded as
// GBK, replacing the file atomically. On any failure the old file is left as it was and the
// caller gets a message it can show the learner.
class TextFile {
public:
    // nullopt when the file cannot be read; *error then says why.
    static std::optional<QString> read(const QString& path, QString* error = nullptr);
    // false when the text cannot be encoded as GBK or the file cannot be replaced. Missing
    // folders on the way to the file are created.
    static bool write(const QString& path, const QString& text, QString* error = nullptr);

    static QString decode(const QByteArray& bytes);
    // nullopt when some character of the text has no GBK form.
    static std::optional<QByteArray> encode(const QString& text);
};

} // namespace common
