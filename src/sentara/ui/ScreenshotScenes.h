#pragma once

namespace sentara {
class SentaraSession;
}

namespace sentara::ui {

class ScreenshotTour;

// What the documentation's pictures show of the modes that need a learner's actions first:
// word recall with some hints given, the fill-in word spelled right, the notice of a fill-in
// word the program chose itself, and the video course: the video mode with its tip, the floating
// video window over the sentence view and the voice view while recording.
void stageScreenshotScenes(ScreenshotTour& tour, SentaraSession& session);

} // namespace sentara::ui
