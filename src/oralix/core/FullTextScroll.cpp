#include "oralix/core/FullTextScroll.h"

namespace oralix {

int FullTextScroll::arrowUp(int value) {
    return value <= kArrowStep ? 0 : value - kArrowStep;
}

int FullTextScroll::arrowDown(int value, int maximum) {
    return maximum - value < kArrowStep ? maximum : value + kArrowStep;
}

int FullTextScroll::follow(int rowBottom, int viewportHeight, int value, int maximum) {
    if (rowBottom - value <= viewportHeight) {
        return value;
    }
    const int half = viewportHeight / 2;
    return maximum - value < half ? maximum : value + half;
}

} // namespace oralix
