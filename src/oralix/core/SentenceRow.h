#pragma once

#include <QString>

namespace oralix {

// One sentence of the full-text view: its texts and what the current study mode shows of it.
// A hidden text keeps its place and size; only its colour changes when drawn.
struct SentenceRow {
    QString raw;     // the record between two "*"
    QString english; // the English field as stored (with its "^" and "$" annotations), trimmed
    QString line;    // the English as the learner reads it, without the annotations
    QString chinese; // the Chinese field, trimmed
    QString number;  // "7."

    bool englishShown = true;
    bool chineseShown = true;
    bool englishClickable = false; // drawn with the pointing cursor
    bool chineseClickable = false;
    bool englishFrame = false; // the click target above the Chinese text (recall English)
    bool chineseFrame = false; // the click target under the English text (recall Chinese)
    bool underline = false;    // the sentence being read
    bool playIcon = true;

    bool operator==(const SentenceRow&) const = default;
};

} // namespace oralix
