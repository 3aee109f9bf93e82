#pragma once

#include <QString>

namespace oralix {

// The check of a typed attempt against the sentence-study English line. Only the letters a-z
// count (any case); blanks, punctuation, digits and Chinese are ignored.
struct TypingCheck {
    bool correct = false;
    // What the typing box selects: the first wrong character, or the caret at the end
    // (length 0) when every typed letter matched.
    int selectionStart = 0;
    int selectionLength = 0;

    static TypingCheck check(const QString& line, const QString& attempt);
    static QString letters(const QString& text); // the letters, lower case, in order
};

} // namespace oralix
