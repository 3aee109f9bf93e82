#include "common/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common::AtomicFile {

namespace {

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

void fail(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
}

// Closes the descriptor on every way out.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

bool writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        done += n;
    }
    return true;
}

// Opens and locks the temporary file. A program that held the lock before may have renamed
// the file it locked over its target; then the name leads to another file and the open is
// tried again.
bool openLocked(const QByteArray& name, mode_t mode, Descriptor& file) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        file.fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, mode);
        if (file.fd < 0) {
            return false;
        }
        int locked;
        do {
            locked = ::flock(file.fd, LOCK_EX);
        } while (locked != 0 && errno == EINTR);
        struct stat opened {};
        struct stat named {};
        if (locked == 0 && ::fstat(file.fd, &opened) == 0 &&
            ::stat(name.constData(), &named) == 0 && opened.st_ino == named.st_ino &&
            opened.st_dev == named.st_dev) {
            return true;
        }
        ::close(file.fd);
        file.fd = -1;
    }
    errno = EBUSY;
    return false;
}

} // namespace

QString temporaryPathOf(const QString& path) {
    const QFileInfo info(path);
    return info.dir().filePath(QStringLiteral(".") + info.fileName() + QStringLiteral(".saving"));
}

bool replace(const QString& path, const QByteArray& bytes, QString* error) {
    // A link is followed: the file it leads to is replaced, the link stays.
    QString target = path;
    if (QFileInfo(path).isSymLink()) {
        const QString resolved = QFileInfo(path).symLinkTarget();
        if (!resolved.isEmpty()) {
            target = resolved;
        }
    }
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {};
    const bool exists = ::stat(targetName.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) {
        fail(error,
             QStringLiteral("无法保存文件“%1”：同名的文件夹已存在，原文件没有改动。").arg(path));
        return false;
    }
    if (exists && ::access(targetName.constData(), W_OK) != 0) {
        fail(error, QStringLiteral("无法保存文件“%1”：文件是只读的（%2），原文件没有改动。")
                        .arg(path, systemError(errno)));
        return false;
    }

    const QByteArray temporary = QFile::encodeName(temporaryPathOf(target));
    Descriptor file;
    if (!openLocked(temporary, exists ? (old.st_mode & 07777) : 0666, file)) {
        fail(error,
             QStringLiteral("无法保存文件“%1”：无法在它的文件夹中写入（%2），原文件没有改动。")
                 .arg(path, systemError(errno)));
        return false;
    }
    const auto abandon = [&](const QString& text) {
        const int code = errno;
        ::unlink(temporary.constData());
        fail(error, text.arg(path, systemError(code)));
        return false;
    };
    if (::ftruncate(file.fd, 0) != 0 || !writeAll(file.fd, bytes)) {
        return abandon(QStringLiteral("写入文件“%1”失败（磁盘可能已满）：%2，原文件没有改动。"));
    }
    // The data reach the disk before the name does, so a power cut cannot leave an empty file.
    if (::fsync(file.fd) != 0) {
        return abandon(QStringLiteral("写入文件“%1”失败：%2，原文件没有改动。"));
    }
    if (exists) {
        ::fchmod(file.fd, old.st_mode & 07777);
    }
    if (::rename(temporary.constData(), targetName.constData()) != 0) {
        return abandon(QStringLiteral("保存文件“%1”失败：%2，原文件没有改动。"));
    }
    return true;
}

} // namespace common::AtomicFile
