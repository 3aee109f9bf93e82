#include "sentara/modes/SentenceNote.h"

namespace sentara::SentenceNote {

QString clean(const QString& note) {
    QString cleaned = note;
    cleaned.replace(u'#', u'\uFF03');
    cleaned.replace(u'*', u'\uFF0A');
    cleaned.replace(u'^', u'\uFF3E');
    cleaned.replace(u'$', u'\uFF04');
    cleaned.replace(u'\u25C6', u'\u25C7');
    return cleaned;
}

} // namespace sentara::SentenceNote
