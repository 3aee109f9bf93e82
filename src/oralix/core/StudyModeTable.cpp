#include "oralix/core/StudyModeTable.h"

#include <QtGlobal>
#include <array>

namespace oralix {

const StudyModeInfo& StudyModeTable::info(int mode) {
    static const std::array<StudyModeInfo, kModeCount> table = [] {
        std::array<StudyModeInfo, kModeCount> t;
        t[0].title = QStringLiteral("句子学习");
        t[0].sentenceLines = t[0].counter = t[0].navigation = t[0].speed = true;
        t[0].repeatAndInterval = t[0].storesRepeat = true;
        t[1].title = QStringLiteral("全文浏览");
        t[1].repeatAndInterval = t[1].storesRepeat = true;
        t[1].fullText = t[1].fullTextControls = true;
        t[2].title = QStringLiteral("回想中文");
        t[2].hint = QStringLiteral("点击英文句子下方的空行即可显示相对应的中文，按“重置”为恢复。");
        t[2].fullText = t[2].resetButton = true;
        t[3].title = QStringLiteral("回想英文");
        t[3].hint = QStringLiteral("点击中文句子上方的空行即可显示相对应的英文，按“重置”为恢复。");
        t[3].fullText = t[3].resetButton = true;
        t[4].title = QStringLiteral("跟读对比");
        t[4].readAlong = true;
        return t;
    }();
    return table[qBound(1, mode, kModeCount) - 1];
}

} // namespace oralix
