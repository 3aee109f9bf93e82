#include "oralix/ui/TypingBox.h"

#include <QKeyEvent>

namespace oralix::ui {

TypingBox::TypingBox(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("Text2"));
}

void TypingBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit checkRequested(text());
        event->accept();
        return;
    }
    // Keys the window handles (page keys, function keys) pass through.
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown ||
        (event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F12)) {
        event->ignore();
        return;
    }
    // Only a key that types something clicks (not Shift, Ctrl or the arrows).
    if (!event->text().isEmpty()) {
        emit keyTyped();
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace oralix::ui
