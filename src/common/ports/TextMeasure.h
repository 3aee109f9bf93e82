#pragma once

#include <QString>

namespace ports {

// Measures text in the fonts the windows use, in pixels.
class TextMeasure {
public:
    enum class FontRole { Word, Sentence, Chinese, Phonetic, Row };

    virtual ~TextMeasure() = default;
    virtual int width(const QString& text, FontRole role) const = 0;
    virtual int lineHeight(FontRole role) const = 0;
};

} // namespace ports
