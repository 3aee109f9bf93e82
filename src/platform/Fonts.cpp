#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace platform {

QString Fonts::firstInstalled(const QStringList& families) {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            return family;
        }
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QString Fonts::uiFamily() {
    static const QString family =
        firstInstalled({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                        QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans")});
    return family;
}

QString Fonts::wordFamily() {
    static const QString family =
        firstInstalled({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                        QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans")});
    return family;
}

QString Fonts::phoneticFamily() {
    static const QString family =
        firstInstalled({QStringLiteral("pron"), QStringLiteral("DejaVu Sans"),
                        QStringLiteral("Noto Sans"), QStringLiteral("Charis SIL")});
    return family;
}

QFont Fonts::ui(double pointSize) {
    QFont font(uiFamily());
    font.setPointSizeF(pointSize);
    return font;
}

QFont Fonts::word(double pointSize) {
    QFont font(wordFamily());
    font.setPointSizeF(pointSize);
    return font;
}

QFont Fonts::phonetic(double pointSize, bool bold) {
    QFont font(phoneticFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont Fonts::forRole(ports::TextMeasure::FontRole role) {
    using Role = ports::TextMeasure::FontRole;
    switch (role) {
    case Role::Word:
        return word(12);
    case Role::Sentence:
        return word(10.5);
    case Role::Chinese:
        return ui(10.5);
    case Role::Phonetic:
        return phonetic(9.75, true);
    case Role::Row:
        return ui(10.5);
    }
    return ui();
}

} // namespace platform
