#pragma once

#include <functional>

class QObject;
class QWidget;

namespace platform {

// Calls `then` from the event loop once `window` has painted for the first time: after its
// first paint event and the painting of its children in the same pass. A window shown on a
// platform that exposes it later paints only then. Nothing is called once `context` is gone.
// Of two calls for one window, the later one's `then` runs first.
void whenFirstPainted(QWidget* window, QObject* context, std::function<void()> then);

} // namespace platform
