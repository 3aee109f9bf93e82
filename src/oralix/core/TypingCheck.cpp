#include "oralix/core/TypingCheck.h"

namespace oralix {

namespace {

bool isLetter(QChar c) {
    const QChar lower = c.toLower();
    return lower >= QLatin1Char('a') && lower <= QLatin1Char('z');
}

} // namespace

QString TypingCheck::letters(const QString& text) {
    QString result;
    for (QChar c : text) {
        if (isLetter(c)) {
            result += c.toLower();
        }
    }
    return result;
}

TypingCheck TypingCheck::check(const QString& line, const QString& attempt) {
    const QString expected = letters(line);
    QString typed;
    qsizetype stop = attempt.size(); // one past the last character when nothing differs
    for (qsizetype i = 0; i < attempt.size(); ++i) {
        if (isLetter(attempt[i])) {
            typed += attempt[i].toLower();
            const qsizetype at = typed.size() - 1;
            if (at >= expected.size() || typed[at] != expected[at]) {
                stop = i;
                break;
            }
        }
    }
    TypingCheck result;
    result.correct = typed == expected;
    result.selectionStart = int(stop);
    result.selectionLength = stop < attempt.size() ? 1 : 0;
    return result;
}

} // namespace oralix
