#pragma once

namespace oralix {

// The scroll rules of the full-text view (pixels).
namespace FullTextScroll {
inline constexpr int kArrowStep = 33;
// Up and Down arrows: one step, stopping at the ends.
int arrowUp(int value);
int arrowDown(int value, int maximum);
// Keeps the row being read in view: when its English text ends below the viewport the view
// moves down by half a viewport, or to the end when less than that remains.
int follow(int rowBottom, int viewportHeight, int value, int maximum);
} // namespace FullTextScroll

} // namespace oralix
