#pragma once

#include "oralix/core/SentenceRow.h"

#include <QList>

namespace oralix {

// What each study mode shows of the full-text rows, and the learner's reveal clicks.
namespace FullTextRows {
// The mode's starting state; the sentence-study and read-along modes leave the rows alone.
void applyMode(QList<SentenceRow>& rows, int mode, bool showChinese);
// The reset button of the two recall modes.
void reset(QList<SentenceRow>& rows, int mode);
// Recall Chinese: the Chinese text or its frame was clicked. Recall English: the English text or
// its frame. Returns whether the click revealed or hid something.
bool toggleChinese(QList<SentenceRow>& rows, int mode, int row);
bool toggleEnglish(QList<SentenceRow>& rows, int mode, int row);
void setChineseShown(QList<SentenceRow>& rows, bool shown);
// Only row `row` (1-based) is underlined; 0 underlines none.
void underline(QList<SentenceRow>& rows, int row);
} // namespace FullTextRows

} // namespace oralix
