#include "SimulatedMedia.h"

#include <QDir>

namespace support {

QString SimulatedMedia::key(const QString& path) {
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

void SimulatedMedia::add(const QString& path, qint64 durationMs, int loadDelayMs) {
    items_.insert(key(path), Item{durationMs, loadDelayMs});
}

void SimulatedMedia::remove(const QString& path) {
    items_.remove(key(path));
}

std::optional<SimulatedMedia::Item> SimulatedMedia::find(const QString& path) const {
    const auto it = items_.constFind(key(path));
    if (it == items_.constEnd())
        return std::nullopt;
    return *it;
}

} // namespace support
