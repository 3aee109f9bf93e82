#include "SentenceSpec.h"

#include "common/Numbers.h"

namespace support {

namespace {

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'\'' || c == u'-';
}

} // namespace

QString SentenceSpec::englishField() const {
    if (english.startsWith(u'^'))
        return english;
    QString field = QStringLiteral("^");
    for (qsizetype i = 0; i < english.size();) {
        if (!isWordCharacter(english.at(i))) {
            field += english.at(i);
            field += u'^';
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < english.size() && isWordCharacter(english.at(j)))
            ++j;
        const QString word = english.mid(i, j - i);
        field += word + u'$' + word.toLower() + u'$';
        if (keyWords.contains(word, Qt::CaseInsensitive))
            field += QChar(u'\u25C6');
        field += u'^';
        i = j;
    }
    return field;
}

QString SentenceSpec::record() const {
    return englishField() + u'#' + chinese + u'#' + common::formatNumber(start) + u'#' +
           common::formatNumber(end) + u'#' + note + u'#' +
           (done ? QStringLiteral("1") : QString()) + u'#' + tail;
}

} // namespace support
