#pragma once

#include "common/ports/TextMeasure.h"

namespace platform {

// Text widths from the font metrics of the fonts the windows use (see Fonts).
class QtTextMeasure : public ports::TextMeasure {
public:
    int width(const QString& text, FontRole role) const override;
    int lineHeight(FontRole role) const override;
};

} // namespace platform
