#include "oralix/core/SentenceBarLayout.h"

#include <algorithm>

namespace oralix {

SentenceBarLayout SentenceBarLayout::compute(const Input& in) {
    SentenceBarLayout out;
    const int longer = std::max(in.englishWidth, in.chineseWidth);
    out.width = std::max(in.lineLeft + longer + kRightMargin, kMinimumWidth);
    out.englishHeight = in.lineHeight;
    out.chineseHeight = in.lineHeight;
    if (in.screenWidth > 0 && out.width > in.screenWidth) {
        out.width = in.screenWidth - kScreenMargin;
        out.wide = true;
        out.englishWrap = out.width - kRightMargin - in.lineLeft;
        // Two lines at least, and as many as the sentence needs, so none of it is cut off.
        out.englishHeight = 2 * in.lineHeight;
        if (in.englishWrappedHeight) {
            out.englishHeight =
                std::max(out.englishHeight, in.englishWrappedHeight(out.englishWrap));
        }
        if (in.chineseWrappedHeight) {
            out.chineseHeight =
                std::max(out.chineseHeight, in.chineseWrappedHeight(out.englishWrap));
        }
    }
    out.englishTop = in.chineseShown ? kEnglishTopWithChinese : kEnglishTopAlone;
    out.chineseTop = out.englishTop + out.englishHeight + kLineGap;
    out.height = in.chineseShown ? out.chineseTop + out.chineseHeight + kBottomWithChinese
                                 : out.englishTop + out.englishHeight + kBottomAlone;
    return out;
}

} // namespace oralix
