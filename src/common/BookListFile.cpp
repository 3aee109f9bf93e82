#include "common/BookListFile.h"

#include "common/TextFile.h"

namespace common {

namespace BookListFile {

QStringList parse(const QString& text) {
    QStringList titles;
    // Text before the first "^" (a file that does not start with it) is the first title.
    qsizetype from = text.startsWith(u'^') ? 1 : 0;
    while (from < text.size()) {
        const qsizetype caret = text.indexOf(u'^', from);
        if (caret < 0) {
            // No closing "^": the last title ends at the end of the text. A trailing line break
            // or blanks left by an editor are not a title.
            const QString rest = text.mid(from);
            if (!rest.trimmed().isEmpty())
                titles << rest;
            break;
        }
        titles << text.mid(from, caret - from);
        from = caret + 1;
    }
    return titles;
}

QString format(const QStringList& titles) {
    QString text = QStringLiteral("^");
    for (const QString& title : titles) {
        QString clean = title;
        clean.replace(u'^', QChar(u'\uFF3E'));
        text += clean + u'^';
    }
    return text;
}

std::optional<QStringList> read(const QString& path, QString* error) {
    const std::optional<QString> text = TextFile::read(path, error);
    if (!text)
        return std::nullopt;
    return parse(*text);
}

} // namespace BookListFile

} // namespace common
