#include "GeneratedDictionary.h"

#include <QRandomGenerator>
#include <QSet>

namespace support {

namespace {

QString randomWord(QRandomGenerator& random, int minLength, int maxLength) {
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
    const int length = random.bounded(minLength, maxLength + 1);
    QString word;
    for (int i = 0; i < length; ++i)
        word += letters.at(random.bounded(letters.size()));
    return word;
}

QString randomMeaning(QRandomGenerator& random) {
    static const QString words[] = {QStringLiteral("学习"), QStringLiteral("跑步"),
                                    QStringLiteral("城市"), QStringLiteral("快乐的"),
                                    QStringLiteral("盒子"), QStringLiteral("停止")};
    return QStringLiteral("n. ") + words[random.bounded(6)] + QStringLiteral("；") +
           words[random.bounded(6)];
}

} // namespace

GeneratedDictionary GeneratedDictionary::make(int entries, quint32 seed, bool compact) {
    QRandomGenerator random(seed);
    GeneratedDictionary result;
    result.text.reserve(entries * 40);
    auto add = [&result, &random, compact](const QString& headword) {
        result.headwords << headword;
        if (compact)
            result.text += u'$' + headword + QStringLiteral("[e]学");
        else
            result.text += u'$' + headword + u'[' + headword.left(3) + QStringLiteral("'e:") +
                           u']' + randomMeaning(random);
    };
    for (int i = 0; i < entries; ++i) {
        const int kind = random.bounded(100);
        if (kind < 3 && !result.headwords.isEmpty()) {
            // An earlier headword again, in other letter case: the first entry must win.
            add(result.headwords.at(random.bounded(result.headwords.size())).toUpper());
        } else if (kind < 8 && !result.headwords.isEmpty()) {
            // A longer word with an earlier one as prefix ("be" then "bed").
            add(result.headwords.at(random.bounded(result.headwords.size())) +
                randomWord(random, 1, 2));
        } else if (kind < 10) {
            add(randomWord(random, 2, 6) + QStringLiteral("é") + randomWord(random, 0, 3));
        } else if (kind < 15) {
            QString word = randomWord(random, 2, 10);
            word[0] = word.at(0).toUpper();
            add(word);
        } else {
            add(randomWord(random, 2, 11));
        }
    }
    return result;
}

QStringList GeneratedDictionary::absentWords(int count, quint32 seed) {
    // Twelve letters and more: longer than any generated headword apart from the prefix
    // extensions, and with a letter no headword has ("q" doubled and a digit).
    QRandomGenerator random(seed);
    QStringList words;
    for (int i = 0; i < count; ++i)
        words << randomWord(random, 12, 14) + QStringLiteral("qq") + QString::number(i);
    return words;
}

} // namespace support
