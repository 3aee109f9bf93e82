#pragma once

#include <QString>
#include <QStringView>

namespace common {

// Numbers in the settings and lesson files are decimal text read leniently: the leading decimal
// number (blanks before it allowed, optional sign, optional fraction after "."), 0 if none.
double parseLenientNumber(QStringView text);
// The lenient number rounded to the nearest integer (halves to even).
int parseLenientInt(QStringView text);
// "True"/"False" (any case), or a number: non-zero is true.
bool parseBoolText(QStringView text);

// Integers without decimals, other values with "." and as many digits as needed.
QString formatNumber(double value);
QString formatBool(bool value); // "True" / "False"

} // namespace common
