#pragma once

#include <QColor>

namespace oralix::ui {

// Stored colour values are red + 256 * green + 65536 * blue.
inline QColor colourOf(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace oralix::ui
