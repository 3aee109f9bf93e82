#pragma once

#include <QString>

namespace sentara {

// A note typed by the learner, made safe for the lesson file: the separators of the file ("#",
// "*", "^", "$") become their full-width forms ("＃", "＊", "＾", "＄") and the key-word marker
// "◆" becomes "◇", so the note can neither break its record nor count as a key word.
namespace SentenceNote {
QString clean(const QString& note);
} // namespace SentenceNote

} // namespace sentara
