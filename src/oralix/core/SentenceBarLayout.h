#pragma once

#include <functional>

namespace oralix {

// The size of the sentence bar, which fits itself to the sentence on display. All values are
// pixels; the lines start at `lineLeft` inside the bar.
struct SentenceBarLayout {
    struct Input {
        int englishWidth = 0; // natural width of the English line
        int chineseWidth = 0;
        int lineHeight = 0; // height of one line of text
        int lineLeft = 0;
        int screenWidth = 0;
        bool chineseShown = true;
        // The height each line needs when wrapped within a width (a bar wider than the screen);
        // without them a wrapped English line takes two lines and the Chinese line one.
        std::function<int(int width)> englishWrappedHeight;
        std::function<int(int width)> chineseWrappedHeight;
    };

    static constexpr int kRightMargin = 10; // beyond the longer line
    static constexpr int kMinimumWidth = 151;
    static constexpr int kScreenMargin = 20; // a bar wider than the screen leaves this much
    static constexpr int kWideLeft = 10;     // where such a bar moves
    static constexpr int kEnglishTopWithChinese = 27;
    static constexpr int kEnglishTopAlone = 30;
    static constexpr int kLineGap = 3;
    static constexpr int kBottomWithChinese = 7;
    static constexpr int kBottomAlone = 9;

    int width = 0;
    bool wide = false;   // wider than the screen: the bar moves to kWideLeft
    int englishWrap = 0; // width the lines wrap within; 0 = one line each
    int englishTop = 0;
    int englishHeight = 0;
    int chineseTop = 0;
    int chineseHeight = 0;
    int height = 0;

    static SentenceBarLayout compute(const Input& in);
};

} // namespace oralix
