#include "RecordingSoundPlayer.h"

#include <QFileInfo>

namespace support {

QStringList RecordingSoundPlayer::playedNames() const {
    QStringList names;
    for (const QString& path : played_)
        names << QFileInfo(path).fileName();
    return names;
}

} // namespace support
