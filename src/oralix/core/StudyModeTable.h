#pragma once

#include <QString>

namespace oralix {

// The five study modes of the compact trainer and what each one shows.
struct StudyModeInfo {
    QString title; // the tab caption, also the mode title
    QString hint;
    bool sentenceLines = false; // the sentence-study lines and their toggles
    bool counter = false;       // "本课共有N句，当前是第M句"
    bool navigation = false;    // previous / next / first / play
    bool speed = false;         // "慢速" / "常速" / "快速"
    bool repeatAndInterval = false;
    bool fullText = false;
    bool fullTextControls = false; // show-Chinese toggle, read-all, pause
    bool resetButton = false;
    bool readAlong = false;
    bool storesRepeat = false; // repeat count and interval are remembered for this mode
};

namespace StudyModeTable {
inline constexpr int kModeCount = 5;
enum Mode { SentenceStudy = 1, FullText = 2, RecallChinese = 3, RecallEnglish = 4, ReadAlong = 5 };
const StudyModeInfo& info(int mode); // mode 1..5
} // namespace StudyModeTable

} // namespace oralix
