#pragma once

#include "common/ports/TextMeasure.h"

namespace support {

// Text width = a fixed number of pixels per character; CJK and other wide characters count
// double. The same for every font role.
class FixedTextMeasure : public ports::TextMeasure {
public:
    explicit FixedTextMeasure(int pixelsPerCharacter = 8, int lineHeight = 16)
        : pixels_(pixelsPerCharacter), lineHeight_(lineHeight) {}

    int width(const QString& text, FontRole role) const override;
    int lineHeight(FontRole) const override { return lineHeight_; }

    static bool isWide(char32_t c);

private:
    int pixels_;
    int lineHeight_;
};

} // namespace support
