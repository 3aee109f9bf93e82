#include "common/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace common {

namespace {

// ICU's "GBK" is code page 936 proper: unlike GB18030 it has no form for characters outside
// its repertoire (emoji, most supplementary characters), and its encoder reports them as errors.
constexpr const char* kEncoding = "GBK";

// The first character of the text that GBK cannot encode, for the error message.
QString firstUnencodable(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                ? 2
                : 1;
        const QString piece = text.mid(i, length);
        QStringEncoder encoder(kEncoding);
        const QByteArray bytes = encoder.encode(piece);
        if (encoder.hasError())
            return piece;
        i += length;
    }
    return QString();
}

} // namespace

QString TextFile::decode(const QByteArray& bytes) {
    QStringDecoder decoder(kEncoding);
    return decoder.decode(bytes);
}

std::optional<QByteArray> TextFile::encode(const QString& text) {
    QStringEncoder encoder(kEncoding);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QString> TextFile::read(const QString& path, QString* error) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("无法读取文件“%1”：%2")
                         .arg(path, QFileInfo::exists(path) ? file.errorString()
                                                            : QStringLiteral("文件不存在"));
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("无法读取文件“%1”：%2").arg(path, file.errorString());
        return std::nullopt;
    }
    return decode(bytes);
}

bool TextFile::write(const QString& path, const QString& text, QString* error) {
    const std::optional<QByteArray> bytes = encode(text);
    if (!bytes) {
        if (error)
            *error = QStringLiteral("文本中的字符“%1”无法按 GBK 编码保存，文件“%2”没有改动。")
                         .arg(firstUnencodable(text), path);
        return false;
    }
    // A folder of the course layout that is missing (no results written yet) is created.
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("无法创建文件夹“%1”，文件“%2”没有保存。").arg(folder, path);
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("无法写入文件“%1”：%2，原文件没有改动。")
                         .arg(path, file.errorString());
        return false;
    }
    // A short write (a full disk, a size limit) must not pass for success: the new file's
    // size is checked before it replaces the old one.
    if (file.write(*bytes) != bytes->size() || !file.flush() || file.size() != bytes->size()) {
        if (error)
            *error = QStringLiteral("写入文件“%1”失败（磁盘可能已满）：%2，原文件没有改动。")
                         .arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("保存文件“%1”失败：%2，原文件没有改动。")
                         .arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace common
