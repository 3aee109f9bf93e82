#include "FixedTextMeasure.h"

#include <QList>

namespace support {

bool FixedTextMeasure::isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

int FixedTextMeasure::width(const QString& text, FontRole) const {
    int units = 0;
    for (const char32_t c : text.toUcs4())
        units += isWide(c) ? 2 : 1;
    return units * pixels_;
}

} // namespace support
