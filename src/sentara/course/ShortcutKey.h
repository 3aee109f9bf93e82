#pragma once

namespace sentara {

// The keys the main window maps to commands before its controls see them.
enum class ShortcutKey {
    Backspace,
    Ctrl,
    PageUp,
    PageDown,
    Home,
    F1,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F12,
    Other,
};

} // namespace sentara
