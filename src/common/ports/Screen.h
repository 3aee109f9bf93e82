#pragma once

#include <QRect>

namespace ports {

// Facts about the screen the main window is on.
class Screen {
public:
    virtual ~Screen() = default;
    // The dots per inch text is drawn at, measured in the interface's own units: 96 whenever
    // the toolkit scales the whole interface with the screen (its scale factor then goes into
    // the pixel ratio, text and layout grow together). Another value only when text alone is
    // drawn larger or smaller than the layout: interface scaling turned off or rounded away
    // while a font DPI is forced.
    virtual int logicalDpi() const = 0;
    // The desktop area not covered by task bars, in pixels.
    virtual QRect workArea() const = 0;
};

} // namespace ports
