#include "oralix/core/OralixLesson.h"

#include <QtGlobal>

namespace oralix {

OralixLesson::OralixLesson(QString text) : text_(std::move(text)) {
    records_ = common::LessonText::split(text_);
    rows_.reserve(records_.size());
    for (qsizetype i = 0; i < records_.size(); ++i) {
        const common::SentenceRecord& record = records_[i];
        SentenceRow row;
        row.raw = record.raw;
        row.english = record.field(common::SentenceRecord::English).trimmed();
        row.line = sentenceLine(row.english);
        row.chinese = record.field(common::SentenceRecord::Chinese).trimmed();
        row.number = QString::number(i + 1) + QLatin1Char('.');
        rows_.append(row);
    }
}

void OralixLesson::setCurrentSentence(int sentence) {
    current_ = qBound(0, sentence, sentenceCount());
}

QString OralixLesson::sentenceLine(const QString& englishField) {
    QString field = englishField.trimmed();
    if (!field.contains(QLatin1Char('^'))) {
        return field.section(QLatin1Char('$'), 0, 0);
    }
    if (field.startsWith(QLatin1Char('^'))) {
        field.remove(0, 1);
    }
    QString line;
    const QStringList tokens = field.split(QLatin1Char('^'));
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        // The piece after the last "^" is not a token unless the field lacks its closing "^".
        if (i == tokens.size() - 1 && tokens[i].isEmpty()) {
            break;
        }
        line += tokens[i].section(QLatin1Char('$'), 0, 0);
    }
    return line;
}

} // namespace oralix
