#pragma once

#include <QHash>
#include <QString>
#include <optional>

namespace support {

// The media files simulated players can open: a path with its duration in milliseconds and how
// long it takes to load. A path that is not registered is a missing file.
class SimulatedMedia {
public:
    struct Item {
        qint64 durationMs = 0;
        int loadDelayMs = 0; // 0: loaded at once, inside open()
    };

    void add(const QString& path, qint64 durationMs, int loadDelayMs = 0);
    void remove(const QString& path);
    std::optional<Item> find(const QString& path) const;
    bool contains(const QString& path) const { return find(path).has_value(); }
    int size() const { return items_.size(); }

private:
    static QString key(const QString& path);
    QHash<QString, Item> items_;
};

} // namespace support
