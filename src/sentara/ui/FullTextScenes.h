#pragma once

namespace sentara {
class SentaraSession;
}

namespace sentara::ui {

class ScreenshotTour;
class SentaraWindow;

// The documentation's pictures of the full-text views beyond one per mode: the word view with
// English only, the list with some Chinese lines uncovered, and the word panel over the word view.
void addFullTextScenes(ScreenshotTour& tour, SentaraSession& session, SentaraWindow& window);

} // namespace sentara::ui
