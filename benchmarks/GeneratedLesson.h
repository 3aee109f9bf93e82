#pragma once

#include "support/SentenceSpec.h"

#include <QList>
#include <QStringList>

namespace bench {

// A long lesson for the benchmarks: `count` sentences of nine to fourteen words (about 25 tokens
// each with spaces and punctuation), one word in seven marked as a key word, a note on every
// fifth sentence, sentences two seconds apart.
inline QList<support::SentenceSpec> generatedLesson(int count = 200) {
    static const QStringList vocabulary{
        QStringLiteral("morning"),   QStringLiteral("breakfast"), QStringLiteral("station"),
        QStringLiteral("walking"),   QStringLiteral("quickly"),   QStringLiteral("friends"),
        QStringLiteral("happier"),   QStringLiteral("window"),    QStringLiteral("teacher"),
        QStringLiteral("studied"),   QStringLiteral("cities"),    QStringLiteral("the"),
        QStringLiteral("a"),         QStringLiteral("and"),       QStringLiteral("to"),
        QStringLiteral("it's"),      QStringLiteral("running"),   QStringLiteral("river"),
        QStringLiteral("yesterday"), QStringLiteral("beautiful"), QStringLiteral("children"),
    };
    QList<support::SentenceSpec> sentences;
    for (int i = 0; i < count; ++i) {
        QStringList words;
        const int length = 9 + i % 6;
        for (int w = 0; w < length; ++w) {
            words << vocabulary.at((i * 7 + w * 3) % vocabulary.size());
        }
        words.front()[0] = words.front()[0].toUpper();
        support::SentenceSpec spec = support::sentence(
            words.join(u' ') + (i % 3 == 0 ? QStringLiteral(", too.") : QStringLiteral(".")),
            QStringLiteral("这是第%1句的中文翻译，长度和真实课文差不多。").arg(i + 1), 2.0 * i,
            2.0 * i + 1.6);
        spec.keyWords << words.at(i % 7 == 0 ? 1 : length - 1);
        if (i % 5 == 0) {
            spec.note = QStringLiteral("注释 %1").arg(i + 1);
        }
        sentences << spec;
    }
    return sentences;
}

} // namespace bench
