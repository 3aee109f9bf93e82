#include "common/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace common {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

double parseLenientNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && isBlank(text.at(i)))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && isDigit(text.at(i))) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text.at(i) == u'.') {
        qsizetype j = i + 1;
        qsizetype fraction = 0;
        while (j < text.size() && isDigit(text.at(j))) {
            ++j;
            ++fraction;
        }
        if (fraction > 0 || digits > 0)
            i = j;
        digits += fraction;
    }
    if (digits == 0)
        return 0.0;
    QString number = text.mid(start, i - start).toString();
    if (number.endsWith(u'.'))
        number.chop(1);
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

int parseLenientInt(QStringView text) {
    const double rounded = std::nearbyint(parseLenientNumber(text)); // halves to even
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(rounded);
}

bool parseBoolText(QStringView text) {
    const QStringView trimmed = text.trimmed();
    if (trimmed.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    return parseLenientNumber(trimmed) != 0.0;
}

QString formatNumber(double value) {
    if (!std::isfinite(value) || value == 0.0)
        return QStringLiteral("0");
    // Fifteen significant digits, never an exponent, no trailing zeros.
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(14 - magnitude, 0, 300);
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == u"-0")
        return QStringLiteral("0");
    return text;
}

QString formatBool(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace common
