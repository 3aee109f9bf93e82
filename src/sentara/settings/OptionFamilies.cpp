#include "sentara/settings/OptionFamilies.h"

#include "sentara/settings/StudySettings.h"

#include <array>

namespace sentara {

namespace {

struct FamilyTable {
    QString menuName;
    QString menuCaption;
    QList<OptionEntry> entries;
};

QList<OptionEntry> readCountEntries(const QString& prefix) {
    const std::array<int, 8> counts{0, 1, 2, 3, 5, 8, 10, 20};
    QList<OptionEntry> entries;
    for (int i = 0; i < 8; ++i) {
        const QString caption = counts[i] == 0 ? QStringLiteral("不朗读")
                                               : QString::number(counts[i]) + QStringLiteral("次");
        entries.append({prefix + QString::number(i), caption, counts[i]});
    }
    return entries;
}

QList<OptionEntry> pauseEntries(const QString& prefix) {
    const std::array<int, 9> pauses{10, 1000, 2000, 3000, 5000, 10000, 20000, 30000, 60000};
    QList<OptionEntry> entries;
    for (int i = 0; i < 9; ++i) {
        const QString caption = pauses[i] == 10
                                    ? QStringLiteral("无间隔")
                                    : QString::number(pauses[i] / 1000) + QStringLiteral("秒");
        entries.append({prefix + QString::number(i), caption, pauses[i]});
    }
    return entries;
}

const QList<FamilyTable>& tables() {
    static const QList<FamilyTable> all = [] {
        QList<FamilyTable> t;
        const std::array<QString, 5> readPrefixes{"SenModeRead", "WriteModeRead", "AllModeRead",
                                                  "ClickModeRead", "PenModeRead"};
        const std::array<QString, 5> pausePrefixes{"SenReadTime", "WriteReadTime", "AllReadTime",
                                                   "ClickReadTime", "PenReadTime"};
        for (int f = 0; f < kRepeatFamilyCount; ++f) {
            t.append(
                {readPrefixes[f], QStringLiteral("朗读次数"), readCountEntries(readPrefixes[f])});
            t.append(
                {pausePrefixes[f], QStringLiteral("间隔时间"), pauseEntries(pausePrefixes[f])});
        }
        t.append({QStringLiteral("WriteSet0"),
                  QStringLiteral("设置过关分数"),
                  {{"WriteSet5", "60分", 60},
                   {"WriteSet4", "70分", 70},
                   {"WriteSet3", "80分", 80},
                   {"WriteSet2", "90分", 90},
                   {"WriteSet1", "100分", 100}}});
        t.append({QStringLiteral("SetPlayMode"),
                  QStringLiteral("播放模式"),
                  {{"SetPlayMode1", "手动进入下一句", 0}, {"SetPlayMode2", "自动进入下一句", 1}}});
        t.append({QStringLiteral("YL"),
                  QStringLiteral("英汉互译设置"),
                  {{"RS2", "点出英文", 2}, {"RS1", "点出中文", 1}, {"RS3", "点出中文和英文", 3}}});
        t.append({QStringLiteral("ModeSelect"),
                  QStringLiteral("选择听写模式"),
                  {{"WordMode1", "自由拼写模式", 1}, {"WordMode2", "听写测试模式", 2}}});
        t.append({QStringLiteral("SelectPlayer"),
                  QStringLiteral("选择发音引擎"),
                  {{"Option3", "备用引擎", 1}, {"Option4", "默认引擎", 2}}});
        return t;
    }();
    return all;
}

const FamilyTable& table(OptionFamily family) {
    return tables()[static_cast<int>(family)];
}

struct ToggleTable {
    QString name;
    QString caption;
};

const std::array<ToggleTable, kOptionToggleCount>& toggleTables() {
    static const std::array<ToggleTable, kOptionToggleCount> all{{
        {"SenModeChinese", ""},
        {"ClickSetChinese", ""},
        {"SenSetChinese", ""},
        {"CurrentWordEnglish", "提示单词"},
        {"CurrentWordChinese", "提示词义"},
        {"CurrentWordPron", "提示音标"},
        {"CurrentWordRead", "提示读音"},
    }};
    return all;
}

// The read count and pause families alternate: family 2f is family f's count, 2f+1 its pause.
bool isRepeatFamily(OptionFamily family) {
    return static_cast<int>(family) < 2 * kRepeatFamilyCount;
}

} // namespace

QList<OptionFamily> OptionFamilies::all() {
    QList<OptionFamily> families;
    for (int i = 0; i < kOptionFamilyCount; ++i) {
        families.append(static_cast<OptionFamily>(i));
    }
    return families;
}

QString OptionFamilies::menuName(OptionFamily family) {
    return table(family).menuName;
}

QString OptionFamilies::menuCaption(OptionFamily family) {
    return table(family).menuCaption;
}

const QList<OptionEntry>& OptionFamilies::entries(OptionFamily family) {
    return table(family).entries;
}

int OptionFamilies::value(OptionFamily family, const StudySettings& settings) {
    if (isRepeatFamily(family)) {
        const int f = static_cast<int>(family) / 2;
        return static_cast<int>(family) % 2 == 0 ? settings.readCount[f] : settings.pauseMs[f];
    }
    switch (family) {
    case OptionFamily::PassMark:
        return settings.setFraction;
    case OptionFamily::PlayMode:
        return settings.playMode;
    case OptionFamily::HideMode:
        return settings.hideMode;
    case OptionFamily::DictationMode:
        return settings.writeMode;
    case OptionFamily::Engine:
        return settings.engineChoice;
    default:
        return 0;
    }
}

int OptionFamilies::checkedIndex(OptionFamily family, const StudySettings& settings) {
    const int current = value(family, settings);
    const QList<OptionEntry>& list = entries(family);
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].value == current) {
            return i;
        }
    }
    return -1;
}

void OptionFamilies::apply(OptionFamily family, int index, StudySettings& settings) {
    const QList<OptionEntry>& list = entries(family);
    if (index < 0 || index >= list.size()) {
        return;
    }
    const int v = list[index].value;
    if (isRepeatFamily(family)) {
        const int f = static_cast<int>(family) / 2;
        (static_cast<int>(family) % 2 == 0 ? settings.readCount[f] : settings.pauseMs[f]) = v;
        return;
    }
    switch (family) {
    case OptionFamily::PassMark:
        settings.setFraction = v;
        break;
    case OptionFamily::PlayMode:
        settings.playMode = v;
        break;
    case OptionFamily::HideMode:
        settings.hideMode = v;
        break;
    case OptionFamily::DictationMode:
        settings.writeMode = v;
        break;
    case OptionFamily::Engine:
        settings.engineChoice = v;
        break;
    default:
        break;
    }
}

std::optional<RepeatFamily> OptionFamilies::pauseFamilyOf(OptionFamily family) {
    if (!isRepeatFamily(family) || static_cast<int>(family) % 2 == 0) {
        return std::nullopt;
    }
    return static_cast<RepeatFamily>(static_cast<int>(family) / 2);
}

bool OptionFamilies::toggleState(OptionToggle toggle, const StudySettings& settings) {
    switch (toggle) {
    case OptionToggle::SenChinese:
        return settings.senChineseCheck != 0;
    case OptionToggle::ClickChinese:
        return settings.clickChineseCheck != 0;
    case OptionToggle::WordChinese:
        return settings.wordChineseCheck != 0;
    case OptionToggle::HintWord:
        return settings.hintWord;
    case OptionToggle::HintMeaning:
        return settings.hintMeaning;
    case OptionToggle::HintPhonetic:
        return settings.hintPhonetic;
    case OptionToggle::HintPronunciation:
        return settings.hintPronunciation;
    }
    return false;
}

void OptionFamilies::setToggle(OptionToggle toggle, bool on, StudySettings& settings) {
    switch (toggle) {
    case OptionToggle::SenChinese:
        settings.senChineseCheck = on ? 1 : 0;
        break;
    case OptionToggle::ClickChinese:
        settings.clickChineseCheck = on ? 1 : 0;
        break;
    case OptionToggle::WordChinese:
        settings.wordChineseCheck = on ? 1 : 0;
        break;
    case OptionToggle::HintWord:
        settings.hintWord = on;
        break;
    case OptionToggle::HintMeaning:
        settings.hintMeaning = on;
        break;
    case OptionToggle::HintPhonetic:
        settings.hintPhonetic = on;
        break;
    case OptionToggle::HintPronunciation:
        settings.hintPronunciation = on;
        break;
    }
}

QString OptionFamilies::toggleName(OptionToggle toggle) {
    return toggleTables()[static_cast<int>(toggle)].name;
}

QString OptionFamilies::toggleCaption(OptionToggle toggle, bool on) {
    const QString& fixed = toggleTables()[static_cast<int>(toggle)].caption;
    if (!fixed.isEmpty()) {
        return fixed;
    }
    return on ? QStringLiteral("隐藏中文") : QStringLiteral("显示中文");
}

} // namespace sentara
