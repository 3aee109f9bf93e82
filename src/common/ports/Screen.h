#pragma once

#include <QRect>

namespace ports {

// Facts about the screen the main window is on.
class Screen {
public:
    virtual ~Screen() = default;
    virtual int logicalDpi() const = 0;
    // The desktop area not covered by task bars, in pixels.
    virtual QRect workArea() const = 0;
};

} // namespace ports
