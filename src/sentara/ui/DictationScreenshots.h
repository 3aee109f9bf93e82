#pragma once

namespace sentara {
class SentaraSession;
}

namespace sentara::ui {

class ScreenshotTour;
class SentaraWindow;

// What the documentation's pictures show of the dictation, with the keys a learner presses: the
// test in the middle of a sentence with two hints given (after the first sentence was passed),
// free spelling with a wrong letter marked, and the results.
void stageDictationScreenshots(ScreenshotTour& tour, SentaraSession& session,
                               SentaraWindow& window);

} // namespace sentara::ui
