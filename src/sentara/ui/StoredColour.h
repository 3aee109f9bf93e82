#pragma once

#include <QColor>

namespace sentara::ui {

// Colours are stored as one integer: red + green * 256 + blue * 65536.
inline QColor fromStoredColour(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline int toStoredColour(const QColor& colour) {
    return colour.red() + colour.green() * 256 + colour.blue() * 65536;
}

} // namespace sentara::ui
