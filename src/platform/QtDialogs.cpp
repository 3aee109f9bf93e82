#include "platform/QtDialogs.h"

#include <QColor>
#include <QColorDialog>
#include <QMessageBox>

namespace platform {

void QtDialogs::info(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent_);
    box.exec();
}

std::optional<int> QtDialogs::chooseColour(int initial) {
    const QColor chosen = QColorDialog::getColor(fromColourValue(initial), parent_);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return toColourValue(chosen);
}

int QtDialogs::toColourValue(const QColor& colour) {
    return colour.red() + colour.green() * 256 + colour.blue() * 65536;
}

QColor QtDialogs::fromColourValue(int value) {
    return QColor(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

} // namespace platform
