#pragma once

#include "common/ports/Screen.h"

class QWidget;

namespace platform {

// The screen of a window (the primary screen until the window is shown).
class QtScreen : public ports::Screen {
public:
    explicit QtScreen(const QWidget* window = nullptr) : window_(window) {}
    void setWindow(const QWidget* window) { window_ = window; }

    int logicalDpi() const override;
    QRect workArea() const override;

private:
    const QWidget* window_;
};

} // namespace platform
