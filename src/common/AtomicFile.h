#pragma once

#include <QByteArray>
#include <QString>

namespace common {

// Replaces a file whole so that, whenever the process is stopped (killed, a full disk, a power
// cut after the data reached the disk), the file holds either its old or its new bytes.
// The new bytes go to a temporary file beside the target, ".<name>.saving", which is then
// renamed over the target. The temporary name is fixed, so a save interrupted by a kill leaves
// at most one temporary file per target, and the next save of that target reuses it; an
// exclusive lock on it keeps two programs saving the same file from mixing their bytes.
namespace AtomicFile {

// The temporary file a save of `path` writes first.
QString temporaryPathOf(const QString& path);

// false and *error (Chinese, naming the file) when the file cannot be replaced; the old file
// is then as it was. Missing folders on the way are not created. A read-only target is not
// replaced. The new file keeps the old one's permissions.
bool replace(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace AtomicFile

} // namespace common
