#include "oralix/core/FullTextRows.h"

#include "oralix/core/StudyModeTable.h"

namespace oralix {

namespace {

void recallChineseStart(SentenceRow& r) {
    r.englishShown = true;
    r.englishClickable = false;
    r.chineseShown = false;
    r.chineseClickable = true;
}

void recallEnglishStart(SentenceRow& r) {
    r.englishShown = false;
    r.englishClickable = true;
    r.chineseShown = true;
    r.chineseClickable = false;
    r.playIcon = true;
}

} // namespace

void FullTextRows::applyMode(QList<SentenceRow>& rows, int mode, bool showChinese) {
    for (SentenceRow& r : rows) {
        switch (mode) {
        case StudyModeTable::FullText:
            r.englishShown = true;
            r.englishClickable = true;
            r.chineseShown = showChinese;
            r.chineseClickable = false;
            r.englishFrame = r.chineseFrame = false;
            r.underline = false;
            break;
        case StudyModeTable::RecallChinese:
            recallChineseStart(r);
            r.underline = false;
            r.chineseFrame = true;
            r.englishFrame = false;
            break;
        case StudyModeTable::RecallEnglish:
            recallEnglishStart(r);
            r.underline = false;
            r.chineseFrame = false;
            r.englishFrame = true;
            break;
        default:
            return;
        }
    }
}

void FullTextRows::reset(QList<SentenceRow>& rows, int mode) {
    for (SentenceRow& r : rows) {
        if (mode == StudyModeTable::RecallChinese) {
            recallChineseStart(r);
        } else if (mode == StudyModeTable::RecallEnglish) {
            recallEnglishStart(r);
        }
    }
}

bool FullTextRows::toggleChinese(QList<SentenceRow>& rows, int mode, int row) {
    if (mode != StudyModeTable::RecallChinese || row < 1 || row > rows.size()) {
        return false;
    }
    rows[row - 1].chineseShown = !rows[row - 1].chineseShown;
    return true;
}

bool FullTextRows::toggleEnglish(QList<SentenceRow>& rows, int mode, int row) {
    if (mode != StudyModeTable::RecallEnglish || row < 1 || row > rows.size()) {
        return false;
    }
    rows[row - 1].englishShown = !rows[row - 1].englishShown;
    return true;
}

void FullTextRows::setChineseShown(QList<SentenceRow>& rows, bool shown) {
    for (SentenceRow& r : rows) {
        r.chineseShown = shown;
    }
}

void FullTextRows::underline(QList<SentenceRow>& rows, int row) {
    for (qsizetype i = 0; i < rows.size(); ++i) {
        rows[i].underline = i + 1 == row;
    }
}

} // namespace oralix
