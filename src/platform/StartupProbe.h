#pragma once

#include <QElapsedTimer>
#include <QStringList>
#include <functional>

class QWidget;

namespace platform {

// The start-up benchmark's view into a program started with --startup-probe: the milliseconds
// since the process started at each step ("phase <name> <ms>"), then, once the window has
// painted, "first-sentence-ms <ms>"; then, when the engine's module has been loaded after it,
// "engine-ready-ms <ms>"; then the program is closed. Without the option it does nothing.
class StartupProbe {
public:
    // Made first thing in main(), so its clock starts with the process.
    StartupProbe(int argc, char** argv);

    void phase(const char* name);
    // Reports once `window` has been painted, then calls `close`.
    void reportWhenShown(QWidget* window, std::function<void()> close);

private:
    bool enabled_;
    QElapsedTimer sinceStart_;
    QStringList lines_;
};

} // namespace platform
