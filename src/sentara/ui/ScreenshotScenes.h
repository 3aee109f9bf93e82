#pragma once

namespace sentara {
class SentaraSession;
}

namespace sentara::ui {

class ScreenshotTour;

// What the documentation's pictures show of the modes that need a learner's actions first:
// word recall with some hints given, the fill-in word spelled right, and the notice of a fill-in
// word the program chose itself.
void stageScreenshotScenes(ScreenshotTour& tour, SentaraSession& session);

} // namespace sentara::ui
