#include "common/TextFile.h"

#include "common/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace common {

namespace {

std::optional<QByteArray> readBytes(const QString& path, QString* error) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = QStringLiteral("无法读取文件“%1”：%2")
                         .arg(path, QFileInfo::exists(path) ? file.errorString()
                                                            : QStringLiteral("文件不存在"));
        }
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error) {
            *error = QStringLiteral("无法读取文件“%1”：%2").arg(path, file.errorString());
        }
        return std::nullopt;
    }
    return bytes;
}

bool writeEncoded(const QString& path, const QString& text, TextCodec::Encoding encoding,
                  QString* error) {
    const std::optional<QByteArray> bytes = TextCodec::encode(text, encoding);
    if (!bytes) {
        if (error) {
            *error = QStringLiteral("文本中有无法保存的字符（不成对的代理项），文件“%1”没有改动。")
                         .arg(path);
        }
        return false;
    }
    // A folder of the course layout that is missing (no results written yet) is created.
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        if (error) {
            *error = QStringLiteral("无法创建文件夹“%1”，文件“%2”没有保存。").arg(folder, path);
        }
        return false;
    }
    return AtomicFile::replace(path, *bytes, error);
}

} // namespace

QString TextFile::decode(const QByteArray& bytes, bool* exact) {
    TextCodec::Decoded decoded = TextCodec::decode(bytes, exact ? TextCodec::Exactness::Checked
                                                                : TextCodec::Exactness::NotChecked);
    if (exact) {
        *exact = decoded.exact;
    }
    return std::move(decoded.text);
}

std::optional<QByteArray> TextFile::encode(const QString& text) {
    return TextCodec::encode(text);
}

std::optional<QString> TextFile::read(const QString& path, QString* error, bool* exact) {
    const std::optional<QByteArray> bytes = readBytes(path, error);
    if (!bytes) {
        return std::nullopt;
    }
    return decode(*bytes, exact);
}

bool TextFile::write(const QString& path, const QString& text, QString* error) {
    return writeEncoded(path, text, TextCodec::Encoding::Gb18030, error);
}

bool TextFile::rewrite(const QString& path, const QString& text, QString* error) {
    // The file carries content over, so it must still be there (a course folder that was
    // moved or unplugged is not made anew).
    if (!QFileInfo(path).isFile()) {
        if (error) {
            *error = QStringLiteral("文件“%1”已不存在（课程文件夹可能已被移走或删除），"
                                    "这次修改没有保存。")
                         .arg(path);
        }
        return false;
    }
    const std::optional<QByteArray> bytes = readBytes(path, error);
    if (!bytes) {
        return false;
    }
    const TextCodec::Decoded old = TextCodec::decode(*bytes);
    if (!old.exact) {
        if (error) {
            *error = QStringLiteral("文件“%1”中有无法识别的字节（不是 GBK/GB18030 编码的文字），"
                                    "保存会改变这些字节，所以这次修改没有保存，原文件没有改动。")
                         .arg(path);
        }
        return false;
    }
    return writeEncoded(path, text, old.encoding, error);
}

} // namespace common
