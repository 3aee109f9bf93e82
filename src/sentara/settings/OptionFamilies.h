#pragma once

#include "sentara/settings/StudySettings.h"

#include <QList>
#include <QString>
#include <optional>

namespace sentara {

// The radio families of the options menus: each keeps exactly one entry checked, the entry whose
// value equals the setting (a value that matches no entry, which only a hand-edited settings file
// can hold, checks none).
enum class OptionFamily {
    SenRead,  // "朗读次数" of the sentence view: SenModeRead0..7
    SenPause, // "间隔时间": SenReadTime0..8
    WriteRead,
    WritePause,
    AllRead,
    AllPause,
    ClickRead,
    ClickPause,
    PenRead,
    PenPause,
    PassMark,      // "设置过关分数": WriteSet5..WriteSet1 (60..100)
    PlayMode,      // "播放模式": SetPlayMode1 (0), SetPlayMode2 (1)
    HideMode,      // "英汉互译设置": RS1 (1), RS2 (2), RS3 (3)
    DictationMode, // "选择听写模式": WordMode1/PenMode1 (1), WordMode2/PenMode2 (2)
    Engine,        // "备用引擎" Option3 (1), "默认引擎" Option4 (2)
};
inline constexpr int kOptionFamilyCount = 15;

// The on/off entries of the menus. Their captions may change with their state.
enum class OptionToggle {
    SenChinese,        // SenModeChinese "显示中文"/"隐藏中文" (SenChineseCheck)
    ClickChinese,      // ClickSetChinese (ClickChineseCheck)
    WordChinese,       // SenSetChinese (WordChineseCheck)
    HintWord,          // CurrentWordEnglish "提示单词"
    HintMeaning,       // CurrentWordChinese "提示词义"
    HintPhonetic,      // CurrentWordPron "提示音标"
    HintPronunciation, // CurrentWordRead "提示读音"
};
inline constexpr int kOptionToggleCount = 7;

struct OptionEntry {
    QString objectName; // the menu command's name, e.g. "SenModeRead3"
    QString caption;    // e.g. "3次"
    int value = 0;      // the setting it stands for, e.g. 3
};

// The fixed table of the families: names, captions and values, in menu order.
class OptionFamilies {
public:
    static QList<OptionFamily> all();
    static QString menuName(OptionFamily family);    // e.g. "SenModeRead"
    static QString menuCaption(OptionFamily family); // e.g. "朗读次数"
    static const QList<OptionEntry>& entries(OptionFamily family);

    // The setting a family shows, and the index of the entry that equals it (-1 for none).
    static int value(OptionFamily family, const StudySettings& settings);
    static int checkedIndex(OptionFamily family, const StudySettings& settings);
    // Sets the family's setting to the value of entry `index` (ignored when out of range).
    // Only the stored value changes; what else a command does is the session's business.
    static void apply(OptionFamily family, int index, StudySettings& settings);

    // The repeat family whose pause a family sets (SenPause -> Sen, ...); nullopt for the others.
    static std::optional<RepeatFamily> pauseFamilyOf(OptionFamily family);

    static bool toggleState(OptionToggle toggle, const StudySettings& settings);
    static void setToggle(OptionToggle toggle, bool on, StudySettings& settings);
    static QString toggleName(OptionToggle toggle);
    // The caption the entry shows in the given state: the Chinese toggles name the action now
    // available ("隐藏中文" while shown), the hint entries keep their caption.
    static QString toggleCaption(OptionToggle toggle, bool on);
};

} // namespace sentara
