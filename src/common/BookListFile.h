#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace common {

// The lesson titles of a Book: "^" title "^" title "^" ... title "^". Title k is lesson k.
// A text without the closing "^" ends its last title at the end of the text.
namespace BookListFile {
QStringList parse(const QString& text);
QString format(const QStringList& titles);
std::optional<QStringList> read(const QString& path, QString* error = nullptr);
} // namespace BookListFile

} // namespace common
