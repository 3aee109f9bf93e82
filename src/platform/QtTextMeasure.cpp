#include "platform/QtTextMeasure.h"

#include "platform/Fonts.h"

#include <QFontMetrics>

namespace platform {

int QtTextMeasure::width(const QString& text, FontRole role) const {
    return QFontMetrics(Fonts::forRole(role)).horizontalAdvance(text);
}

int QtTextMeasure::lineHeight(FontRole role) const {
    return QFontMetrics(Fonts::forRole(role)).height();
}

} // namespace platform
