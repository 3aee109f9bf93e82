#pragma once

#include "common/ports/Screen.h"

namespace support {

// A screen with settable facts: 96 dpi and a 1920 x 1040 work area unless told otherwise.
class FixedScreen : public ports::Screen {
public:
    int logicalDpi() const override { return dpi_; }
    QRect workArea() const override { return workArea_; }

    void setLogicalDpi(int dpi) { dpi_ = dpi; }
    void setWorkArea(const QRect& area) { workArea_ = area; }

private:
    int dpi_ = 96;
    QRect workArea_{0, 0, 1920, 1040};
};

} // namespace support
