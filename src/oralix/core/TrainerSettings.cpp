#include "oralix/core/TrainerSettings.h"

#include "common/Numbers.h"
#include "common/TextFile.h"

#include <QStringList>

namespace oralix {

namespace {

std::optional<int> wholeColour(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0 || value > 0xFFFFFF) {
        return std::nullopt;
    }
    return value;
}

// The values before each of the first `limit` separators.
QStringList terminatedValues(const QString& text, QChar separator, int limit) {
    QStringList values;
    qsizetype from = 0;
    while (values.size() < limit) {
        const qsizetype at = text.indexOf(separator, from);
        if (at < 0) {
            break;
        }
        values.append(text.mid(from, at - from));
        from = at + 1;
    }
    return values;
}

} // namespace

TrainerSettings TrainerSettings::parse(const QString& text, int* valuesRead) {
    TrainerSettings s;
    const QStringList v = terminatedValues(text, QLatin1Char('\\'), kValueCount);
    if (valuesRead) {
        *valuesRead = int(v.size());
    }
    auto number = [&v](int k, int& target) {
        if (k < v.size()) {
            target = common::parseLenientInt(v[k]);
        }
    };
    auto flag = [&v](int k, bool& target) {
        if (k < v.size()) {
            target = common::parseLenientInt(v[k]) != 0;
        }
    };
    number(0, s.lessonIndex);
    flag(1, s.englishShown);
    flag(2, s.chineseShown);
    number(3, s.studyRepeat);
    number(4, s.studyInterval);
    number(5, s.browseRepeat);
    number(6, s.browseInterval);
    if (v.size() > 7) {
        s.endLessonTitle = v[7];
    }
    number(8, s.startLessonIndex);
    if (v.size() > 9) {
        s.book = v[9];
    }
    if (v.size() > 10) {
        s.backgroundColour = wholeColour(v[10]).value_or(kDefaultBackground);
    }
    if (v.size() > 11) {
        s.textColour = wholeColour(v[11]).value_or(0);
    }
    return s;
}

QString TrainerSettings::format() const {
    const QStringList values = {
        QString::number(lessonIndex),          QString::number(englishShown ? 1 : 0),
        QString::number(chineseShown ? 1 : 0), QString::number(studyRepeat),
        QString::number(studyInterval),        QString::number(browseRepeat),
        QString::number(browseInterval),       endLessonTitle,
        QString::number(startLessonIndex),     book,
        QString::number(backgroundColour),     QString::number(textColour),
    };
    QString text;
    for (const QString& value : values) {
        // A value holding the separator would shift every value after it.
        text += QString(value).remove(QLatin1Char('\\')) + QLatin1Char('\\');
    }
    return text;
}

TrainerSettings TrainerSettings::load(const QString& path, bool* complete) {
    const std::optional<QString> text = common::TextFile::read(path);
    int read = 0;
    TrainerSettings settings = text ? parse(*text, &read) : TrainerSettings{};
    if (complete) {
        *complete = read == kValueCount;
    }
    return settings;
}

bool TrainerSettings::save(const QString& path, QString* error) const {
    return common::TextFile::write(path, format(), error);
}

int EngineChoice::parse(const QString& studySettingsText) {
    const QStringList v = terminatedValues(studySettingsText, QLatin1Char('/'), 34);
    if (v.size() < 34) {
        return 2;
    }
    return common::parseLenientInt(v[33]);
}

int EngineChoice::load(const QString& path) {
    const std::optional<QString> text = common::TextFile::read(path);
    return text ? parse(*text) : 2;
}

} // namespace oralix
