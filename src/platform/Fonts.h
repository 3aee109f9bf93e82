#pragma once

#include "common/ports/TextMeasure.h"

#include <QFont>
#include <QString>

namespace platform {

// The fonts the windows use, chosen among what is installed: a Chinese-capable interface font,
// a font for English words and one for phonetic transcriptions (the course's "pron" font when
// installed, else one that has the IPA symbols). Needs the application object.
class Fonts {
public:
    static QString uiFamily();
    static QString wordFamily();
    static QString phoneticFamily();

    static QFont ui(double pointSize = 10.5);
    static QFont word(double pointSize = 12);
    static QFont phonetic(double pointSize = 9.75, bool bold = false);

    // The font a window uses for each kind of text it measures.
    static QFont forRole(ports::TextMeasure::FontRole role);

private:
    static QString firstInstalled(const QStringList& families);
};

} // namespace platform
