#include "sentara/settings/StudySettings.h"

#include "common/CourseFolder.h"
#include "common/Numbers.h"
#include "common/TextFile.h"

#include <QStringList>

namespace sentara {

namespace {

constexpr int kMinPauseMs = 10;

QStringList splitValues(const QString& text) {
    QStringList values;
    qsizetype from = 0;
    while (values.size() < StudySettings::kValueCount) {
        const qsizetype slash = text.indexOf(u'/', from);
        if (slash < 0) {
            break;
        }
        values.append(text.mid(from, slash - from));
        from = slash + 1;
    }
    return values;
}

int inRangeOr(int value, int low, int high, int fallback) {
    return value >= low && value <= high ? value : fallback;
}

} // namespace

StudySettings StudySettings::parse(const QString& text, int* valueCount) {
    const QStringList values = splitValues(text);
    if (valueCount) {
        *valueCount = values.size();
    }
    StudySettings s;
    const auto has = [&](int k) { return k <= values.size(); };
    const auto num = [&](int k) { return common::parseLenientNumber(values[k - 1]); };
    const auto integer = [&](int k) { return common::parseLenientInt(values[k - 1]); };

    for (int f = 0; f < kRepeatFamilyCount; ++f) {
        const int countValue = 10 + 2 * f;
        if (has(countValue)) {
            s.readCount[f] = std::max(0, integer(countValue));
        }
        if (has(countValue + 1)) {
            s.pauseMs[f] = std::max(kMinPauseMs, integer(countValue + 1));
        }
    }
    if (has(1)) {
        s.catalogueNodeIndex = integer(1);
    }
    if (has(2)) {
        s.resumeSentence = integer(2);
    }
    if (has(3)) {
        s.modeIndex = inRangeOr(integer(3), 1, 9, s.modeIndex);
    }
    if (has(4)) {
        s.sentencePanelTop = num(4);
    }
    if (has(5)) {
        s.sentenceHandleTop = num(5);
    }
    if (has(6)) {
        s.layoutMax = values[5].trimmed() == QStringLiteral("1");
    }
    if (has(7)) {
        s.allChineseCheck = integer(7) != 0 ? 1 : 0;
    }
    if (has(8)) {
        s.hideMode = inRangeOr(integer(8), 1, 3, s.hideMode);
    }
    if (has(9)) {
        s.setFraction = integer(9);
    }
    const std::array<int*, 8> flags{&s.senChineseCheck,   &s.clickChineseCheck, &s.wordChineseCheck,
                                    &s.writeEnglishCheck, &s.writeChineseCheck, &s.playMode,
                                    &s.videoEnglishCheck, &s.videoChineseCheck};
    for (int i = 0; i < 8; ++i) {
        if (has(20 + i)) {
            *flags[i] = integer(20 + i) != 0 ? 1 : 0;
        }
    }
    if (has(28)) {
        s.keyWordColour = integer(28);
    }
    const std::array<bool*, 4> hints{&s.hintMeaning, &s.hintPhonetic, &s.hintWord,
                                     &s.hintPronunciation};
    for (int i = 0; i < 4; ++i) {
        if (has(29 + i)) {
            *hints[i] = common::parseBoolText(values[28 + i]);
        }
    }
    if (has(33)) {
        s.writeMode = inRangeOr(integer(33), 1, 2, s.writeMode);
    }
    if (has(34)) {
        s.engineChoice = inRangeOr(integer(34), 1, 2, s.engineChoice);
    }
    return s;
}

QString StudySettings::format() const {
    QStringList v;
    v << QString::number(catalogueNodeIndex) << QString::number(resumeSentence)
      << QString::number(modeIndex) << common::formatNumber(sentencePanelTop)
      << common::formatNumber(sentenceHandleTop)
      << (layoutMax ? QStringLiteral("1") : QStringLiteral("0")) << QString::number(allChineseCheck)
      << QString::number(hideMode) << QString::number(setFraction);
    for (int f = 0; f < kRepeatFamilyCount; ++f) {
        v << QString::number(readCount[f]) << QString::number(pauseMs[f]);
    }
    v << QString::number(senChineseCheck) << QString::number(clickChineseCheck)
      << QString::number(wordChineseCheck) << QString::number(writeEnglishCheck)
      << QString::number(writeChineseCheck) << QString::number(playMode)
      << QString::number(videoEnglishCheck) << QString::number(videoChineseCheck)
      << QString::number(keyWordColour) << common::formatBool(hintMeaning)
      << common::formatBool(hintPhonetic) << common::formatBool(hintWord)
      << common::formatBool(hintPronunciation) << QString::number(writeMode)
      << QString::number(engineChoice);
    QString line;
    for (const QString& value : v) {
        line += value + u'/';
    }
    return line;
}

std::optional<StudySettings> StudySettings::read(const common::CourseFolder& folder,
                                                 QString* error) {
    const std::optional<QString> text = common::TextFile::read(folder.studySettingsFile(), error);
    if (!text) {
        return std::nullopt;
    }
    return parse(*text);
}

bool StudySettings::write(const common::CourseFolder& folder, QString* error) const {
    if (!folder.isPresent(error)) {
        return false;
    }
    return common::TextFile::write(folder.studySettingsFile(), format(), error);
}

} // namespace sentara
